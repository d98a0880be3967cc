// The fight's HUD as the game lays it out: bars that fit their frames and
// read the same however much of them is shown, digits and plates that fit
// their places, banners drawn whole; and the fight's effects: sparks that
// fade, round marks that swap in place, move-list glyphs that read.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "art_checks.h"
#include "hud/hud_art.h"

namespace {

// The mean colour of a run of columns.
Rgb columns_mean(const Image& img, int from, int to) {
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = from; x < to; ++x) {
            const Rgb c = img.at(x, y);
            r += c.r, g += c.g, b += c.b;
        }
    const double n = double(img.height) * (to - from);
    return {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n), static_cast<std::uint8_t>(b / n)};
}

}  // namespace

TEST(Hud, BarsFitTheirFrameAndReadTheSameWhenCropped) {
    const Image frame = hud::draw_frame();
    EXPECT_EQ(frame.width, hud::kFrameWidth);
    EXPECT_EQ(frame.height, hud::kFrameHeight);
    art::expect_opaque(frame, "the frame");
    // The game puts side 2's frame at 610 - width and the bars two pixels
    // inside it, at 608 - their width: every bar is the frame less four.
    std::set<std::string> files;
    for (const hud::BarArt& b : hud::bars()) {
        SCOPED_TRACE(b.file);
        files.insert(b.file);
        const Image bar = hud::draw_bar(b.bar);
        EXPECT_EQ(bar.width, frame.width - 4);
        EXPECT_GE(bar.height, 8);
        EXPECT_LE(bar.height, frame.height - 4);
        art::expect_opaque(bar, b.file);
        // Shown from its left edge, a bar must not change colour with its
        // length: its first and last fifths look alike.
        const int fifth = bar.width / 5;
        EXPECT_LT(art::distance(columns_mean(bar, 0, fifth), columns_mean(bar, bar.width - fifth, bar.width)), 12);
    }
    EXPECT_EQ(files.size(), 5u);
    // The sides' life bars are told apart at a glance, and from the drain.
    const Rgb one = columns_mean(hud::draw_bar(hud::Bar::LifeSide1), 0, hud::kBarWidth);
    const Rgb two = columns_mean(hud::draw_bar(hud::Bar::LifeSide2), 0, hud::kBarWidth);
    const Rgb drain = columns_mean(hud::draw_bar(hud::Bar::Drain), 0, hud::kBarWidth);
    EXPECT_GT(art::distance(one, two), 80);
    EXPECT_GT(art::distance(one, drain), 60);
    EXPECT_GT(art::distance(two, drain), 80);
}

TEST(Hud, DigitsFitTheCountdownAndDifferFromEachOther) {
    std::vector<Image> digits;
    for (int d = 0; d <= 9; ++d) {
        const Image img = hud::draw_digit(art::style_fonts(), d);
        const std::string what = "digit " + std::to_string(d);
        // The tens are drawn at x 294 and the units at 320.
        EXPECT_LE(img.width, 26) << what;
        EXPECT_GE(img.height, 30) << what;
        EXPECT_LE(img.height, 38) << what;
        art::expect_masked(img, what);
        art::expect_uncut(img, what);
        EXPECT_GT(art::ink_of(img).pixels, img.width * img.height / 4) << what << " is too faint to read";
        digits.push_back(img);
    }
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b)
            EXPECT_NE(digits[a].rgb, digits[b].rgb) << a << " and " << b << " look the same";
}

TEST(Hud, PlatesEndAtSide2sRightEdge) {
    const std::set<std::string> names{"SHIZ", "TALON", "VISHVAKARMAN", "LE PANDA"};
    std::set<std::string> seen;
    for (const hud::Plate& p : hud::plates()) {
        SCOPED_TRACE(p.file);
        seen.insert(p.name);
        const Image img = hud::draw_plate(art::style_fonts(), p);
        // Side 2's plate sits at a fixed x for each fighter: as wide as
        // that leaves before x 610, and no wider.
        EXPECT_EQ(img.width, 610 - p.side2_x);
        EXPECT_GE(img.height, 20);
        EXPECT_LE(img.height, 22);
        art::expect_masked(img, p.file);
    }
    EXPECT_EQ(seen, names);
    EXPECT_EQ(hud::plates()[0].width(), 80);
    EXPECT_EQ(hud::plates()[2].width(), 235);
}

TEST(Hud, BannersAreLargeAndDrawnWhole) {
    for (const hud::Banner& b : hud::banners()) {
        SCOPED_TRACE(b.file);
        const Image img = hud::draw_banner(art::style_fonts(), b);
        EXPECT_GE(img.width, 360);
        EXPECT_LE(img.width, 480);
        EXPECT_GE(img.height, 90);
        EXPECT_LE(img.height, 140);
        art::expect_masked(img, b.file);
        // Lettering that reaches the border has been cut by it.
        art::expect_uncut(img, b.file);
        const art::Ink ink = art::ink_of(img);
        EXPECT_GT(ink.right - ink.left, img.width * 0.7) << "the banner does not fill its width";
    }
}

namespace {

// The hue of a colour, in degrees.
double hue(Rgb c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b}), d = hi - lo;
    if (d == 0) return 0;
    double h = hi == r ? std::fmod((g - b) / d, 6.0) : hi == g ? (b - r) / d + 2 : (r - g) / d + 4;
    return h < 0 ? h * 60 + 360 : h * 60;
}

double hue_apart(double a, double b) { return std::min(std::abs(a - b), 360 - std::abs(a - b)); }

Image cell(const Image& strip, int index, int size) {
    Image c(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) c.set(x, y, strip.at(index * size + x, y));
    return c;
}

double mean_luma(const Image& img) {
    const Rgb m = art::mean_ink(img);
    return 0.3 * m.r + 0.59 * m.g + 0.11 * m.b;
}

}  // namespace

TEST(HudEffects, SparksFadeFrameByFrameInTheirOwnColours) {
    std::vector<double> hues;
    for (const hud::Spark& s : hud::sparks()) {
        SCOPED_TRACE(s.file);
        const Image strip = hud::draw_spark_strip(s.look);
        ASSERT_EQ(strip.width, hud::kSparkCell * hud::kSparkFrames);
        ASSERT_EQ(strip.height, hud::kSparkCell);
        art::expect_masked(strip, s.file);
        long previous = 0;
        for (int f = 0; f < hud::kSparkFrames; ++f) {
            SCOPED_TRACE("frame " + std::to_string(f + 1));
            const Image frame = cell(strip, f, hud::kSparkCell);
            // Whole inside its own cell, around the cell's centre, where the
            // game puts the point of impact.
            art::expect_uncut(frame, s.file, 2);
            const art::Ink ink = art::ink_of(frame);
            EXPECT_NEAR((ink.left + ink.right) / 2.0, hud::kSparkCell / 2.0, 12);
            EXPECT_NEAR((ink.top + ink.bottom) / 2.0, hud::kSparkCell / 2.0, 12);
            if (f > 0) {
                EXPECT_LT(ink.pixels, previous * 0.9) << "the spark does not thin out";
            }
            previous = ink.pixels;
        }
        EXPECT_GT(art::ink_of(cell(strip, 0, hud::kSparkCell)).pixels, 1200) << "the first frame is no burst";
        EXPECT_GT(mean_luma(cell(strip, 0, hud::kSparkCell)), mean_luma(cell(strip, 3, hud::kSparkCell)) + 15)
            << "the last frame is as bright as the first";
        hues.push_back(hue(art::mean_ink(strip)));
    }
    // A clean hit burns warm; the guard and the projectile are cool, and
    // not the same cool.
    ASSERT_EQ(hues.size(), 3u);
    EXPECT_LT(hues[0], 60);
    for (std::size_t a = 0; a < hues.size(); ++a)
        for (std::size_t b = a + 1; b < hues.size(); ++b)
            EXPECT_GT(hue_apart(hues[a], hues[b]), 35) << "sparks " << a << " and " << b << ": " << hues[a] << " and "
                                                       << hues[b] << " degrees";
}

TEST(HudEffects, RoundMarksShareOneSilhouette) {
    const Image won = hud::draw_round_mark(true), empty = hud::draw_round_mark(false);
    for (const Image* m : {&won, &empty}) {
        EXPECT_EQ(m->width, hud::kMarkSize);
        EXPECT_EQ(m->height, hud::kMarkSize);
        art::expect_masked(*m, "round mark");
        EXPECT_TRUE(art::is_mask(m->at(0, 0)));
    }
    // One swaps for the other in place: the same pixels are drawn.
    for (int y = 0; y < hud::kMarkSize; ++y)
        for (int x = 0; x < hud::kMarkSize; ++x)
            ASSERT_EQ(art::is_mask(won.at(x, y)), art::is_mask(empty.at(x, y))) << x << "," << y;
    const Rgb gold = art::mean_ink(won);
    EXPECT_GT(gold.r, gold.b + 60) << "the won mark is not gold";
    EXPECT_GT(mean_luma(won), mean_luma(empty) + 40) << "a round won does not stand out from one to win";
}

TEST(HudEffects, GlyphsPointTheirWayAndTheButtonsDiffer) {
    const Image strip = hud::draw_glyph_strip(art::style_fonts());
    ASSERT_EQ(strip.width, hud::kGlyphCell * hud::kGlyphCount);
    ASSERT_EQ(strip.height, hud::kGlyphCell);
    art::expect_masked(strip, "glyphs");
    std::vector<Image> cells;
    for (int i = 0; i < hud::kGlyphCount; ++i) {
        cells.push_back(cell(strip, i, hud::kGlyphCell));
        const Image& c = cells.back();
        const int n = hud::kGlyphCell - 1;
        EXPECT_TRUE(art::is_mask(c.at(0, 0)) && art::is_mask(c.at(n, 0)) && art::is_mask(c.at(0, n)) &&
                    art::is_mask(c.at(n, n)))
            << "cell " << i << " has drawn corners";
        art::expect_uncut(c, "glyph " + std::to_string(i));
        EXPECT_GT(art::ink_of(c).pixels, 200) << "glyph " << i << " is too thin to read";
    }
    // An arrow is narrow at its point and wider at its tail: count the ink
    // in the first and last drawn column (or row) of each.
    auto ends = [](const Image& c, bool columns) {
        const art::Ink ink = art::ink_of(c);
        const int first = columns ? ink.left : ink.top, last = columns ? ink.right : ink.bottom;
        int a = 0, b = 0;
        for (int i = 0; i < c.width; ++i) {
            a += !art::is_mask(columns ? c.at(first, i) : c.at(i, first));
            b += !art::is_mask(columns ? c.at(last, i) : c.at(i, last));
        }
        return std::pair{a, b};
    };
    const auto [right_tail, right_point] = ends(cells[int(hud::Glyph::Forward)], true);
    EXPECT_LT(right_point, right_tail) << "the forward arrow does not point right";
    const auto [left_point, left_tail] = ends(cells[int(hud::Glyph::Back)], true);
    EXPECT_LT(left_point, left_tail) << "the back arrow does not point left";
    const auto [up_point, up_tail] = ends(cells[int(hud::Glyph::Up)], false);
    EXPECT_LT(up_point, up_tail) << "the up arrow does not point up";
    const auto [down_tail, down_point] = ends(cells[int(hud::Glyph::Down)], false);
    EXPECT_LT(down_point, down_tail) << "the down arrow does not point down";
    // Punch and kick are told apart by colour, not only by their letter.
    EXPECT_GT(art::distance(art::mean_ink(cells[int(hud::Glyph::Punch)]), art::mean_ink(cells[int(hud::Glyph::Kick)])),
              80);
}
