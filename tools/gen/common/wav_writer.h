#pragma once
// RIFF WAVE, 16-bit little-endian PCM: what Allegro 4's sample loader reads.

#include <cstdint>
#include <vector>

#include "common/audio.h"

// Samples are clamped to [-1, 1]; normalise first so nothing is ever clamped.
std::vector<std::uint8_t> encode_wav(const Sound& sound);
