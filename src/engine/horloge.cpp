#include "horloge.h"

#include "../shell/declar.h"

void Horloge::periode(int ms)
{
    periode_ms_ = ms;
    if (reelle_)
        regler_periode_timer(ms);
}

void Horloge::avancer()
{
    // 1/60 s in microseconds, with the remainder spread so that 60 ticks
    // make exactly one second.
    ++ticks_;
    reste_us_ += ticks_ % 3 == 0 ? 16666 : 16667;
    const int64_t periode_us = static_cast<int64_t>(periode_ms_) * 1000;
    while (reste_us_ >= periode_us) {
        reste_us_ -= periode_us;
        ++t;
    }
    if (ticks_ % 60 == 0)
        ++s;
}

void horloges_au_combat(bool au_combat) { horloges_suspendues.store(au_combat); }
