// Reading back the files the generators write, as the game's loaders would:
// little-endian fields, 16-bit PCM WAVs (header checked field by field) and
// 24-bit bottom-up BMPs.

#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/image.h"
#include "common/output.h"

inline std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
inline std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
inline std::int16_t s16(const std::vector<std::uint8_t>& b, std::size_t at) { return static_cast<std::int16_t>(u16(b, at)); }

// A WAV file's format and its samples as floats (channels interleaved).
struct Wav {
    int channels = 0, rate = 0, bits = 0;
    std::vector<float> samples;
    double seconds() const { return static_cast<double>(samples.size()) / channels / rate; }
    std::vector<float> mono() const {
        std::vector<float> m(samples.size() / channels);
        for (std::size_t i = 0; i < m.size(); ++i) {
            double sum = 0;
            for (int c = 0; c < channels; ++c) sum += samples[i * channels + c];
            m[i] = static_cast<float>(sum / channels);
        }
        return m;
    }
};

inline Wav load_wav(const std::filesystem::path& path) {
    const auto b = read_file(path);
    Wav w;
    EXPECT_GE(b.size(), 44u) << path;
    if (b.size() < 44) return w;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << path;
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << path;
    EXPECT_EQ(u32(b, 4), b.size() - 8) << path;
    EXPECT_EQ(u16(b, 20), 1) << path << ": not PCM";
    w.channels = u16(b, 22);
    w.rate = static_cast<int>(u32(b, 24));
    w.bits = u16(b, 34);
    EXPECT_EQ(u32(b, 28), static_cast<std::uint32_t>(w.rate * w.channels * 2)) << path;
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << path;
    EXPECT_EQ(u32(b, 40), b.size() - 44) << path;
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) w.samples.push_back(s16(b, at) / 32768.0f);
    return w;
}

// A picture as the generators write it: 24 bits a pixel, rows bottom-up,
// padded to 4 bytes. Empty when the file is not one.
inline Image read_bmp(const std::filesystem::path& file) {
    const auto b = read_file(file);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || u32(b, 14) != 40 || b[28] != 24) return {};
    Image img(static_cast<int>(u32(b, 18)), static_cast<int>(u32(b, 22)));
    const std::size_t stride = (img.width * 3 + 3) & ~3u;
    if (b.size() < u32(b, 10) + stride * img.height) return {};
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const std::size_t at = u32(b, 10) + (img.height - 1 - y) * stride + x * 3;
            img.set(x, y, {b[at + 2], b[at + 1], b[at]});
        }
    return img;
}
