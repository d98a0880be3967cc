// The three clocks driven by the library's real interval timers.
#include <allegro.h>
#include <gtest/gtest.h>

#include "shell/declar.h"

namespace {

// Waits (bounded) until the counter has moved past `cible`.
bool attendre(const std::atomic<int32_t>& compteur, int32_t cible)
{
    for (int i = 0; i < 3000 && compteur <= cible; ++i)
        rest(1);
    return compteur > cible;
}

TEST(Horloges, TheCallbacksCountAndAChangeOfPeriodKeepsTheAnimationClock)
{
    t = 0;
    gamet = 0;
    s = 0;
    installer_horloges();
    ASSERT_TRUE(attendre(t, 20));
    ASSERT_TRUE(attendre(gamet, 5));

    const int32_t avant = t;
    regler_periode_timer(24);
    EXPECT_GE(t, avant);
    ASSERT_TRUE(attendre(t, avant + 3));
    regler_periode_timer(6);
    EXPECT_GE(t, avant + 3);
    ASSERT_TRUE(attendre(s, 0));

    remove_int(timer);
    remove_int(gamespeed);
    remove_int(sec);
}

}  // namespace
