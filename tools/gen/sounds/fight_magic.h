#pragma once
// Magic: the fireball thrown by a special move.

#include <cstdint>

#include "common/audio.h"

// A ball of fire leaving the hands: a push of air, a roaring flame that
// crackles and draws away, and a bright rising shimmer of the spell itself.
// `pitch` above 1 makes it smaller and brighter. Mono, 44.1 kHz.
Sound fireball_launch(double seconds, double pitch, std::uint64_t seed);
