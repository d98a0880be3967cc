// The fight's time. During a round and its round-end sequence the animation
// clock t and the seconds s move on with the logic ticks, never on their own
// timers: each tick advances t by the counts of the current period that fit
// in a sixtieth of a second (slow motion included) and s once every 60
// ticks. On average these are the timers' own rates, and a fight becomes a
// function of its ticks alone: the game, paced by the real 60 Hz timer, and
// the match runner, with no timer at all, step it the same way.
#ifndef ZEF_HORLOGE_H
#define ZEF_HORLOGE_H

#include <cstdint>

class Horloge {
public:
    // Real: the game's own timers pace the ticks, and are told the period
    // of t for when the fight is over.
    explicit Horloge(bool reelle = true) : reelle_(reelle) {}

    bool reelle() const { return reelle_; }
    void periode(int ms);
    int periode() const { return periode_ms_; }

    // One logic tick's worth of t and s.
    void avancer();

    // What the clock carries from tick to tick, for a match's snapshot.
    int64_t reste_us() const { return reste_us_; }
    int64_t ticks() const { return ticks_; }

private:
    bool reelle_;
    int periode_ms_ = 7;
    int64_t reste_us_ = 0;      // time not yet counted into t
    int64_t ticks_ = 0;
};

// While a fight runs, the timers leave t and s to it (see above); gamet,
// the pacing of the ticks, still comes from its timer.
void horloges_au_combat(bool au_combat);

#endif
