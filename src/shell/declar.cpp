#include "declar.h"
#include "alea.h"

#include <cstdlib>

std::atomic<int32_t> t{0};
std::atomic<int32_t> gamet{0};
std::atomic<int32_t> s{0};
std::atomic<bool> horloges_suspendues{false};

uint32_t volume_sonore = 200;
uint32_t volume_musique = 200;
PALETTE palp1;

void timer()
{
    if (!horloges_suspendues.load(std::memory_order_relaxed))
        t.fetch_add(1, std::memory_order_relaxed);
}
END_OF_FUNCTION(timer)

void gamespeed() { gamet.fetch_add(1, std::memory_order_relaxed); }
END_OF_FUNCTION(gamespeed)

void sec()
{
    if (!horloges_suspendues.load(std::memory_order_relaxed))
        s.fetch_add(1, std::memory_order_relaxed);
}
END_OF_FUNCTION(sec)

void installer_horloges()
{
    LOCK_VARIABLE(t);
    LOCK_VARIABLE(gamet);
    LOCK_VARIABLE(s);
    LOCK_FUNCTION(timer);
    LOCK_FUNCTION(gamespeed);
    LOCK_FUNCTION(sec);
    install_int(timer, PERIODE_TIMER_DEMARRAGE_MS);
    install_int_ex(sec, PERIODE_SEC_TICKS);
    install_int_ex(gamespeed, PERIODE_JEU_TICKS / acceleration_des_combats());
}

int acceleration_des_combats()
{
    // For the scenarios that play whole runs of fights: a fight is the same
    // whatever the pace its ticks come at.
    const char* valeur = std::getenv("ZEF_ACCELERE");
    const int n = valeur ? std::atoi(valeur) : 1;
    return n < 1 ? 1 : n > ACCELERATION_MAX ? ACCELERATION_MAX : n;
}

void regler_periode_timer(int periode_ms)
{
    // The library keeps the callback and only changes its speed; the counter
    // is ours and is never touched here.
    install_int(timer, periode_ms);
}

Alea& alea_hors_match()
{
    static Alea alea;
    return alea;
}
