// Small geometric and damage records of an animation frame.
#ifndef ZEF_POINT_H
#define ZEF_POINT_H

#include <cstdint>

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
};

// A rectangle: upper-left corner, then lower-right corner.
struct ZONE {
    POINT SupG;
    POINT InfD;
};

// What a strike does to its victim.
struct Degat {
    int32_t dmg = 0;       // life points taken
    int32_t ForceVx = 0;   // horizontal velocity given to the victim
    int32_t ForceVy = 0;   // vertical velocity given (downward-positive in files, upward in play)
    bool tombe = false;    // knocks the victim down
};

#endif
