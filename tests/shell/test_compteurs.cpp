// The clocks are bumped on the timer thread while the game thread takes
// ticks off: no update may be lost.
#include <gtest/gtest.h>

#include <thread>

#include "shell/declar.h"

TEST(Compteurs, IncrementsAndDecrementsFromTwoThreadsAllCount)
{
    constexpr int N = 2000000;
    const int32_t depart = gamet;
    const int32_t depart_t = t;
    std::thread minuterie([] {
        for (int i = 0; i < N; ++i) {
            gamespeed();
            timer();
        }
    });
    for (int i = 0; i < N; ++i) {
        --gamet;   // one logic tick consumed
        t += 1;    // the intro advancing the clock by itself
    }
    minuterie.join();
    EXPECT_EQ(gamet, depart);
    EXPECT_EQ(t, depart_t + 2 * N);
    gamet = 0;
    t = 0;
}
