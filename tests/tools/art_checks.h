// What every picture the game draws must respect, checked pixel by pixel:
// masked pictures are transparent around their art with hard edges, opaque
// ones never show the mask colour once the game has them in 16-bit colour.

#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "common/fonts.h"
#include "common/image.h"
#include "menus/menu_style.h"

namespace art {

inline FontTable real_fonts() { return FontTable::load(std::filesystem::path(ZEFGEN_CONTENT_DIR) / "fonts.txt"); }

// The faces the menu and HUD art is lettered with, loaded once.
inline const style::Fonts& style_fonts() {
    static const FontTable table = real_fonts();
    static const style::Fonts f(table);
    return f;
}

inline bool is_mask(Rgb c) { return c == kMaskColour; }

// The game draws in 16-bit colour: any colour that lands on the mask there
// is transparent, whatever its 24-bit value.
inline bool masks_in_16bit(Rgb c) { return (c.r >> 3) == 31 && (c.g >> 2) == 0 && (c.b >> 3) == 31; }

// A colour pulled towards magenta: what an antialiased edge blended into
// the mask colour looks like (pink over light art, purple over dark).
inline bool magenta_tinted(Rgb c) { return std::min(c.r, c.b) > c.g + 60; }

inline double distance(Rgb a, Rgb b) {
    return std::sqrt(double(a.r - b.r) * (a.r - b.r) + double(a.g - b.g) * (a.g - b.g) +
                     double(a.b - b.b) * (a.b - b.b));
}

struct Ink {
    int left = -1, top = -1, right = -1, bottom = -1;  // inclusive; left < 0 when there is none
    long pixels = 0;
};

inline Ink ink_of(const Image& img) {
    Ink ink;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            if (is_mask(img.at(x, y))) continue;
            if (ink.pixels++ == 0) ink = {x, y, x, y, 1};
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
}

// The mean colour of the drawn pixels.
inline Rgb mean_ink(const Image& img) {
    double r = 0, g = 0, b = 0;
    long n = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            if (is_mask(c)) continue;
            r += c.r, g += c.g, b += c.b, ++n;
        }
    if (n == 0) return {};
    return {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n), static_cast<std::uint8_t>(b / n)};
}

// How many rows of [top, bottom) hold a light label in the options' tag
// column (x 24 to 190): three white pixels or more.
inline int label_rows(const Image& screen, int top, int bottom) {
    int rows = 0;
    for (int y = top; y < bottom; ++y) {
        int bright = 0;
        for (int x = 24; x < 190; ++x) {
            const Rgb c = screen.at(x, y);
            bright += c.r > 200 && c.g > 200 && c.b > 200;
        }
        rows += bright >= 3;
    }
    return rows;
}

// The share of the one-pixel ring just outside the rectangle [x0, x1) x
// [y0, y1) whose pixels pass `test`: how well a frame fits a picture.
template <class Test>
double ring_share(const Image& img, int x0, int y0, int x1, int y1, Test test) {
    int ring = 0, passed = 0;
    auto check = [&](int x, int y) {
        ++ring;
        passed += test(img.at(x, y));
    };
    for (int x = x0; x < x1; ++x) check(x, y0 - 1), check(x, y1);
    for (int y = y0; y < y1; ++y) check(x0 - 1, y), check(x1, y);
    return static_cast<double>(passed) / ring;
}

// A masked picture: its corners are the mask, no drawn pixel turns into the
// mask in 16-bit colour, and none at the edge of the art is tinted by it.
inline void expect_masked(const Image& img, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(is_mask(img.at(0, img.height - 1)) || is_mask(img.at(img.width - 1, img.height - 1)) ||
                is_mask(img.at(img.width - 1, 0)))
        << "no transparent corner";
    int pink = 0, hidden = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            if (is_mask(c)) continue;
            if (masks_in_16bit(c)) ++hidden;
            const bool edge = (x > 0 && is_mask(img.at(x - 1, y))) ||
                              (x + 1 < img.width && is_mask(img.at(x + 1, y))) ||
                              (y > 0 && is_mask(img.at(x, y - 1))) || (y + 1 < img.height && is_mask(img.at(x, y + 1)));
            if (edge && magenta_tinted(c)) ++pink;
        }
    EXPECT_EQ(hidden, 0) << "drawn pixels the game would take for the mask";
    EXPECT_EQ(pink, 0) << "edge pixels blended into the mask colour";
}

// A picture copied whole: nothing in it may vanish as the mask colour.
inline void expect_opaque(const Image& img, const std::string& what) {
    int hidden = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) hidden += masks_in_16bit(img.at(x, y));
    EXPECT_EQ(hidden, 0) << what << " has pixels of the mask colour";
}

// Art that ends before the picture's border was not cut off by it.
inline void expect_uncut(const Image& img, const std::string& what, int margin = 1) {
    const Ink ink = ink_of(img);
    ASSERT_GE(ink.left, 0) << what << " is empty";
    EXPECT_GE(ink.left, margin) << what << " touches its left edge";
    EXPECT_GE(ink.top, margin) << what << " touches its top edge";
    EXPECT_LE(ink.right, img.width - 1 - margin) << what << " touches its right edge";
    EXPECT_LE(ink.bottom, img.height - 1 - margin) << what << " touches its bottom edge";
}

}  // namespace art
