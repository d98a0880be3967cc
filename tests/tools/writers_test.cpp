// The game loads these files with Allegro 4's own readers, which accept one
// exact layout: check it byte by byte.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/bmp_writer.h"
#include "common/wav_writer.h"
#include "file_reading.h"

TEST(BmpWriter, HeaderIsClassic24BitBottomUp) {
    const Image image(3, 2);
    const auto b = encode_bmp(image);
    const std::uint32_t stride = 12;  // 9 bytes of pixels padded to 12
    ASSERT_EQ(b.size(), 54u + stride * 2);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), b.size());
    EXPECT_EQ(u32(b, 6), 0u);
    EXPECT_EQ(u32(b, 10), 54u);  // pixel data right after the two headers
    EXPECT_EQ(u32(b, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(u32(b, 18), 3u);
    EXPECT_EQ(u32(b, 22), 2u);  // positive height: bottom-up rows
    EXPECT_EQ(u16(b, 26), 1u);
    EXPECT_EQ(u16(b, 28), 24u);
    EXPECT_EQ(u32(b, 30), 0u);  // uncompressed
    EXPECT_EQ(u32(b, 34), stride * 2);
    EXPECT_EQ(u32(b, 46), 0u);  // no palette
}

TEST(BmpWriter, RowsArePaddedAndStoredBottomUpAsBgr) {
    for (int width : {1, 2, 3, 5, 7}) {
        SCOPED_TRACE(width);
        Image image(width, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                image.set(x, y, {static_cast<std::uint8_t>(10 * x + 1), static_cast<std::uint8_t>(100 + y),
                                 static_cast<std::uint8_t>(200 + x)});
        const auto b = encode_bmp(image);
        const std::size_t stride = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(b.size(), 54 + stride * 3);
        for (int row = 0; row < 3; ++row) {
            const int y = 2 - row;  // the first stored row is the bottom one
            const std::size_t start = 54 + row * stride;
            for (int x = 0; x < width; ++x) {
                EXPECT_EQ(b[start + x * 3 + 0], 200 + x);
                EXPECT_EQ(b[start + x * 3 + 1], 100 + y);
                EXPECT_EQ(b[start + x * 3 + 2], 10 * x + 1);
            }
            for (std::size_t pad = width * 3; pad < stride; ++pad) EXPECT_EQ(b[start + pad], 0) << "padding byte";
        }
    }
}

TEST(WavWriter, StereoHeaderAndInterleavedSamples) {
    Sound s(5, true, 44100);
    s.left = {0.0f, 1.0f, -1.0f, 0.5f, 2.0f};
    s.right = {0.25f, 0.0f, 0.0f, -0.5f, -3.0f};
    const auto b = encode_wav(s);
    ASSERT_EQ(b.size(), 44u + 5 * 4);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(u32(b, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(u32(b, 16), 16u);
    EXPECT_EQ(u16(b, 20), 1u);  // PCM
    EXPECT_EQ(u16(b, 22), 2u);
    EXPECT_EQ(u32(b, 24), 44100u);
    EXPECT_EQ(u32(b, 28), 44100u * 4);
    EXPECT_EQ(u16(b, 32), 4u);
    EXPECT_EQ(u16(b, 34), 16u);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    EXPECT_EQ(u32(b, 40), 20u);
    EXPECT_EQ(s16(b, 44), 0);
    EXPECT_EQ(s16(b, 46), 8192);  // 0.25, rounded
    EXPECT_EQ(s16(b, 48), 32767);
    EXPECT_EQ(s16(b, 52), -32767);
    EXPECT_EQ(s16(b, 56), 16384);
    EXPECT_EQ(s16(b, 58), -16384);
    EXPECT_EQ(s16(b, 60), 32767) << "out-of-range samples clamp instead of wrapping";
    EXPECT_EQ(s16(b, 62), -32767);
}

TEST(WavWriter, MonoAt22kHz) {
    Sound s(1001, false, 22050);
    const auto b = encode_wav(s);
    EXPECT_EQ(u16(b, 22), 1u);
    EXPECT_EQ(u32(b, 24), 22050u);
    EXPECT_EQ(u32(b, 28), 22050u * 2);
    EXPECT_EQ(u16(b, 32), 2u);
    EXPECT_EQ(u32(b, 40), 2002u);
    EXPECT_EQ(b.size(), 44u + 2002);
}
