#pragma once
// The game's frame records, worked out from the posed skeleton, and the text
// of an animation file (60 slots of 15 records, 40 tokens each).

#include <map>
#include <string>
#include <vector>

#include "rig.h"
#include "source.h"

struct IPoint {
    int x = 0, y = 0;
};

// A rectangle relative to the anchor, y downward: (x0, y0) upper left,
// (x1, y1) lower right.
struct IZone {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct FrameRecord {
    std::string path;
    IPoint anchor;
    int mvtx = 0, mvty = 0;
    std::vector<IPoint> attacks;  // at most 3
    int dmg = 0, kx = 0, ky = 0;
    bool down = false;
    std::vector<IZone> zones;  // at most 3
    int time = 0;
    bool loop = false;
    int mana = 0;
    int fx = -1;
    IPoint fx_at;
};

using AnimTable = std::map<int, std::vector<FrameRecord>>;  // slot -> frames (at most 15)

// The point a named body part strikes with (the knuckles of a fist, the
// ball of a foot, the tip of a claw), or "x:y" from the anchor, in anchor
// coordinates.
Vec strike_point(const FighterSource& src, const Body& body, const std::string& name);

// The attack points of a frame: the named tips first, then, while there is
// room for three, points further back along the first striking limbs (the
// forearm, the shin), so that a limb reaching past a narrow body at close
// range still lands where it is drawn.
std::vector<Vec> strike_points(const FighterSource& src, const Body& body, const std::vector<std::string>& names);

// Up to three zones where the body can be hit: head, torso, legs. The game
// uses them as stored whichever way the fighter faces, so each is made
// symmetric about the anchor; limbs stretched out well away from the body
// and off the ground (a kicking leg) are left out.
std::vector<IZone> body_zones(const Bones& bones, const Body& body);

// The animation file's text: every slot of 15 positions, one token a line;
// unused positions name no picture.
std::string anim_file_text(const AnimTable& table);

// The path written for unused positions.
extern const char* const kNoPicture;
