#pragma once
// A rendered sound in floating point, before it is written as 16-bit PCM.

#include <cstddef>
#include <vector>

constexpr int kSampleRate = 44100;

struct Sound {
    int rate = kSampleRate;
    std::vector<float> left;
    std::vector<float> right;  // empty for a mono sound

    Sound() = default;
    Sound(std::size_t frames, bool stereo, int sample_rate = kSampleRate)
        : rate(sample_rate), left(frames, 0.0f), right(stereo ? frames : 0, 0.0f) {}

    bool stereo() const { return !right.empty(); }
    std::size_t frames() const { return left.size(); }
    double seconds() const { return static_cast<double>(frames()) / rate; }
};
