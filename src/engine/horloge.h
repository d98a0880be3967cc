// Where the fight's time comes from: the library's timers in the game, or a
// virtual clock that a test or a simulation advances tick by tick, exactly
// as the timers would, with no thread and no waiting.
#ifndef ZEF_HORLOGE_H
#define ZEF_HORLOGE_H

#include <cstdint>

class Horloge {
public:
    // Real: the timer callback of t is re-installed on every change of period.
    explicit Horloge(bool reelle = true) : reelle_(reelle) {}

    bool reelle() const { return reelle_; }
    void periode(int ms);
    int periode() const { return periode_ms_; }

    // One logic tick of virtual time (1/60 s): t advances by the counts of the
    // current period that fit, gamet by one, s once every 60 ticks.
    void tick();

private:
    bool reelle_;
    int periode_ms_ = 7;
    int64_t reste_us_ = 0;      // time not yet counted into t
    int64_t ticks_ = 0;
};

#endif
