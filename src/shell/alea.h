// A match's own random generator. Every draw a fight makes (the computer's
// strategies, a hit's sound, a random punch or kick) comes from it: seeded
// when the match starts and part of the match's state, so that the same
// seed and the same inputs play the same match, whatever the menus or other
// screens drew meanwhile.
#ifndef ZEF_ALEA_H
#define ZEF_ALEA_H

#include <cstdint>

class Alea {
public:
    explicit Alea(uint64_t graine = 1) { semer(graine); }

    void semer(uint64_t graine) { etat = graine ^ 0x9E3779B97F4A7C15ull; }
    // 0 to 2^31 - 1, as the standard library's rand() gives here.
    int32_t tirer()
    {
        // A 64-bit linear congruential step; its high bits are the good ones.
        etat = etat * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int32_t>(etat >> 33);
    }

    uint64_t etat = 0;
};

// The generator of the fighters that play outside any match (tests, tools).
Alea& alea_hors_match();

#endif
