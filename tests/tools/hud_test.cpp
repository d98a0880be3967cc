// The fight's HUD as the game lays it out: bars that fit their frames and
// read the same however much of them is shown, digits and plates that fit
// their places, banners drawn whole.

#include <gtest/gtest.h>

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
