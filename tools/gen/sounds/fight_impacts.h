#pragma once
// The sounds of bodies in a fight: blows landing, a guard taking them, and
// the air moved by fast limbs, jumps and running feet. All mono, 44.1 kHz.

#include <cstdint>

#include "common/audio.h"

Sound punch_impact();  // a fist landing: a tight crack and a short thump
Sound kick_impact();   // a kick landing: shin then foot, heavier and lower
Sound guard_block();   // a blow caught on a guard: a muffled thud with a dull clank

// A limb or a body cutting the air.
struct Swing {
    double seconds = 0.25;
    double pitch = 1.0;   // above 1 thinner and quicker, below 1 bigger
    double weight = 0.5;  // 0..1: how much low rush there is under the hiss
    double ring = 0;      // 0..1: a metallic sheen, for claws and blades
};
Sound whoosh(const Swing& swing, std::uint64_t seed);
// Pushing off the ground: a scuff and a thump, then a rising rush of air.
Sound jump_push(const Swing& swing, std::uint64_t seed);
// Footfalls `pace` seconds apart, heavier with `weight` (0..1).
Sound running_steps(int count, double pace, double weight, std::uint64_t seed);
