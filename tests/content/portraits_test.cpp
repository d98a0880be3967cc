// The fighters' portraits and selection buttons: drawn from their sources,
// written where the menus load them, and masked so that the game draws them
// cleanly over any background.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "bust.h"
#include "common/bmp_writer.h"
#include "file_reading.h"
#include "menus/menu_art.h"
#include "ink.h"
#include "portraits.h"
#include "source.h"

namespace fs = std::filesystem;

namespace {

const char* const kNames[] = {"shiz", "talon", "vishvakarman", "panda"};

const PortraitArt& art_of(const std::string& name) {
    static std::map<std::string, PortraitArt> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.emplace(name, draw_portraits(parse_fighter(fs::path(ZEF_CONTENT_DIR) / "fighters" / (name + ".txt"))))
                 .first;
    return it->second;
}

bool masked(Rgb c) { return c == kMaskColour; }

// A colour that could only come from blending with the mask colour.
bool pinkish(Rgb c) { return !masked(c) && c.r >= 180 && c.b >= 180 && c.g <= 100; }

double brightness(Rgb c) { return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b; }

class Portrait : public ::testing::TestWithParam<const char*> {
protected:
    std::string name() const { return GetParam(); }
    const PortraitArt& art() const { return art_of(name()); }
};

TEST_P(Portrait, TheGameFindsTheFilesWhereItLoadsThemAsDrawn) {
    EXPECT_EQ(portrait_path(name()), "graphics/" + name() + "2.bmp");
    EXPECT_EQ(button_path(name(), false), "graphics/" + name() + "0.bmp");
    EXPECT_EQ(button_path(name(), true), "graphics/" + name() + "1.bmp");
    const std::pair<std::string, const Image*> files[] = {{portrait_path(name()), &art().portrait},
                                                          {button_path(name(), false), &art().button},
                                                          {button_path(name(), true), &art().button_lit}};
    for (const auto& [path, drawn] : files) {
        const Image on_disk = read_bmp(fs::path(ZEF_DATA_DIR) / path);
        ASSERT_GT(on_disk.width, 0) << path << " is missing or not a 24-bit BMP";
        // What was drawn now, in another process, is what the build wrote.
        EXPECT_EQ(on_disk.width, drawn->width) << path;
        EXPECT_TRUE(on_disk.rgb == drawn->rgb) << path;
    }
}

TEST_P(Portrait, SizesFitTheirPlacesOnTheScreens) {
    // The portrait sits in a 270 x 240 panel; the buttons in a row 89 pixels apart.
    EXPECT_GE(art().portrait.width, 250);
    EXPECT_LE(art().portrait.width, 280);
    EXPECT_GE(art().portrait.height, 220);
    EXPECT_LE(art().portrait.height, 250);
    for (const Image* b : {&art().button, &art().button_lit}) {
        EXPECT_EQ(b->width, 85);
        EXPECT_GE(b->height, 85);
        EXPECT_LE(b->height, 100);
    }
    EXPECT_EQ(art().button.height, art().button_lit.height);
}

TEST_P(Portrait, EveryPixelIsOpaqueOrExactlyTheMaskColour) {
    for (const Image* img : {&art().portrait, &art().button, &art().button_lit}) {
        int pink = 0;
        for (int y = 0; y < img->height; ++y)
            for (int x = 0; x < img->width; ++x) pink += pinkish(img->at(x, y));
        EXPECT_EQ(pink, 0) << name() << ": colours blended with the mask";
    }
}

TEST_P(Portrait, ThePortraitIsABandAcrossItsWidthAndNothingElse) {
    // The screens print texts on the rows above and below the band.
    const Image& p = art().portrait;
    int outside = 0, inside = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const bool in_band = y >= kPortraitBandTop && y < kPortraitBandBottom;
            (in_band ? inside : outside) += !masked(p.at(x, y));
        }
    EXPECT_EQ(outside, 0) << name();
    EXPECT_EQ(inside, p.width * (kPortraitBandBottom - kPortraitBandTop)) << name() << ": the band has holes";
    // The face is in it: the skin or fur of the head shows in the middle of the band, lit.
    double light = 0;
    int n = 0;
    for (int y = kPortraitBandTop + 20; y < kPortraitBandBottom - 20; ++y)
        for (int x = p.width / 2 - 10; x < p.width / 2 + 30; ++x, ++n) light += brightness(p.at(x, y));
    EXPECT_GT(light / n, 70) << name();
}

TEST_P(Portrait, TheHighlightedButtonStandsOutOnTheSameHitArea) {
    const Image& off = art().button;
    const Image& on = art().button_lit;
    ASSERT_EQ(off.width, on.width);
    ASSERT_EQ(off.height, on.height);
    double sum_off = 0, sum_on = 0, diff = 0;
    int opaque = 0, same_mask = 0;
    for (int y = 0; y < off.height; ++y)
        for (int x = 0; x < off.width; ++x) {
            const Rgb a = off.at(x, y), b = on.at(x, y);
            same_mask += masked(a) == masked(b);
            if (masked(a)) continue;
            ++opaque;
            sum_off += brightness(a);
            sum_on += brightness(b);
            diff += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
        }
    EXPECT_EQ(same_mask, off.width * off.height);
    ASSERT_GT(opaque, off.width * off.height * 9 / 10);  // only the rounded corners are masked
    EXPECT_TRUE(masked(off.at(0, 0)) && masked(off.at(off.width - 1, off.height - 1)));
    EXPECT_FALSE(masked(off.at(off.width / 2, 0)));
    EXPECT_GT(sum_on / opaque, sum_off / opaque + 20) << name();
    EXPECT_GT(diff / opaque, 60) << name();
    // The frame itself lights up, not only the picture inside it.
    double frame_off = 0, frame_on = 0;
    for (int y = 10; y < off.height - 10; ++y) {
        frame_off += brightness(off.at(2, y)) + brightness(off.at(off.width - 3, y));
        frame_on += brightness(on.at(2, y)) + brightness(on.at(on.width - 3, y));
    }
    EXPECT_GT(frame_on, frame_off * 1.4) << name();
}

TEST_P(Portrait, TheEndingShowsTheFighterAtDawnOverACalmDarkBand) {
    static std::map<std::string, Image> endings;
    for (const char* n : kNames)
        if (!endings.count(n)) endings[n] = draw_ending(parse_fighter(fs::path(ZEF_CONTENT_DIR) / "fighters" / (std::string(n) + ".txt")));
    const Image& ending = endings.at(name());
    ASSERT_EQ(ending.width, 640);
    ASSERT_EQ(ending.height, 480);
    EXPECT_EQ(ending_path(name()), "graphics/fin_" + name() + ".bmp");
    const Image on_disk = read_bmp(fs::path(ZEF_DATA_DIR) / ending_path(name()));
    EXPECT_TRUE(on_disk.rgb == ending.rgb) << ending_path(name()) << " is not what is drawn now";
    auto stats = [&](int x0, int y0, int x1, int y1) {
        double sum = 0, sq = 0;
        const int n = (x1 - x0) * (y1 - y0);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const double l = brightness(ending.at(x, y));
                sum += l, sq += l * l;
            }
        return std::pair{sum / n, std::sqrt(std::max(0.0, sq / n - sum * sum / n / n))};
    };
    // The band the game writes on: dark and even; the dawn above it bright.
    const auto [band, band_spread] = stats(0, menus::kEndingBandTop, 640, 480);
    const auto [sky, sky_spread] = stats(0, 180, 640, 330);
    EXPECT_LT(band, 30) << name();
    EXPECT_LT(band_spread, 8) << name();
    EXPECT_GT(sky, band * 4) << name();
    EXPECT_GT(sky, 90) << name();
    // The fighter stands in the middle: there, no two endings look alike.
    for (const char* other : kNames) {
        if (name() == other) continue;
        const Image& o = endings.at(other);
        int differ = 0;
        for (int y = 100; y < 330; ++y)
            for (int x = 220; x < 420; ++x) {
                const Rgb a = ending.at(x, y), b = o.at(x, y);
                differ += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 60;
            }
        EXPECT_GT(differ, 200 * 230 / 4) << name() << " and " << other;
    }
}

// The bust drawn alone, neck at (200, 300) of a 400 x 450 canvas, as masked pixels.
Image bust_alone(const FighterSource& src) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 400, 450);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, 200, 300);
    draw_bust(cr, src);
    cairo_surface_flush(surface);
    Image img(400, 450);
    const auto* px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface));
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 400; ++x) {
            const std::uint32_t p = px[y * cairo_image_surface_get_stride(surface) / 4 + x];
            img.set(x, y, {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)});
        }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return img;
}

TEST_P(Portrait, TheArmsLeaveTheFaceInSight) {
    // The same bust with its arms hanging down: the face must look the same.
    FighterSource src = parse_fighter(fs::path(ZEF_CONTENT_DIR) / "fighters" / (name() + ".txt"));
    src.look.features.erase("glow");  // its light reaches the face wherever the hand is
    FighterSource down = src;
    PoseDef& pose = down.poses["portrait"];
    for (const char* j : {"sN", "eN", "sF", "eF", "s2N", "e2N", "s2F", "e2F"}) pose.sets.push_back({joint_index(j), 0, false});
    const Image posed = bust_alone(src), hanging = bust_alone(down);
    const BustMarks m = bust_marks(src);
    const Vec face{200 + m.head.x + m.head_r * 0.35, 300 + m.head.y + m.head_r * 0.15};
    int inside = 0, changed = 0;
    for (int y = 0; y < posed.height; ++y)
        for (int x = 0; x < posed.width; ++x) {
            if (std::hypot(x - face.x, y - face.y) > m.head_r * 0.55) continue;
            ++inside;
            const Rgb a = posed.at(x, y), b = hanging.at(x, y);
            changed += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 24;
        }
    ASSERT_GT(inside, 100);
    EXPECT_LT(changed, inside / 25) << name() << ": a hand or a claw covers the face";
    // The head is where the marks say, below their top.
    EXPECT_LT(m.top, m.head.y - m.head_r);
    EXPECT_GT(m.waist, 0);
}

INSTANTIATE_TEST_SUITE_P(Fighters, Portrait, ::testing::ValuesIn(kNames));

const char* const kPlain = R"(
fighter plain
bones head=12 torso=46
palette skin=#a0a0a0 outline=#101010 energy=#ff2020 energy2=#ffe0e0
pose stance lean=5 sN=20 eN=90 sF=50 eF=80 hN=10 kN=10 hF=-10 kF=10
)";

TEST(PortraitDrawing, FollowsTheSourceAndRepeatsItself) {
    const FighterSource red = parse_fighter_text(kPlain, fs::temp_directory_path(), "plain");
    FighterSource green = red;
    green.palette["energy"] = {32, 255, 32};
    green.palette["energy2"] = {224, 255, 224};
    // A fighter with no portrait pose of its own is drawn in its stance.
    const PortraitArt a = draw_portraits(red), again = draw_portraits(red), b = draw_portraits(green);
    EXPECT_TRUE(encode_bmp(a.portrait) == encode_bmp(again.portrait));
    EXPECT_TRUE(encode_bmp(a.button_lit) == encode_bmp(again.button_lit));
    // The emblem behind the bust takes the fighter's energy colour.
    auto balance = [](const Image& img) {
        double red_minus_green = 0;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x)
                if (!masked(img.at(x, y))) red_minus_green += img.at(x, y).r - img.at(x, y).g;
        return red_minus_green / (img.width * img.height);
    };
    EXPECT_GT(balance(a.portrait), 12);
    EXPECT_LT(balance(b.portrait), -12);
    EXPECT_FALSE(a.button.rgb == b.button.rgb);
}

TEST(PortraitDrawing, EveryLookFeatureAndEveryEmblemShows) {
    // What the README promises the portrait draws: each changes the picture.
    FighterSource base = parse_fighter_text(kPlain, fs::temp_directory_path(), "plain");
    for (const char* entry : {"hair", "band", "hood", "mask", "eyes", "scarf", "steel", "strap", "sash", "gold", "wrap",
                              "jewel", "belt", "fur", "belly", "dhoti", "iris"})
        base.palette[entry] = {90, 120, 60};
    base.palette["belly"] = {240, 240, 230};
    // The bust carries every feature; the portrait's close-up band shows
    // those of the head.
    const Image plain = draw_portraits(base).portrait, plain_bust = bust_alone(base);
    const std::set<std::string> head{"hair", "ponytail", "headband", "hood", "crown", "topknot", "thirdeye", "earring",
                                     "beard", "panda", "ears"};
    for (const char* feature : {"hair", "ponytail", "headband", "hood", "scarf", "claws", "harness", "vneck", "belt",
                                "waistband", "sash", "necklace", "jewels", "wraps", "crown", "topknot", "thirdeye",
                                "earring", "beard", "panda", "ears", "yoke", "loincloth", "baggy", "glow"}) {
        FighterSource src = base;
        src.look.features[feature] = std::string(feature) == "glow" ? std::vector<std::string>{"fistF"}
                                                                     : std::vector<std::string>{};
        if (std::string(feature) == "hood") src.look.features[feature] = {"hood", "mask", "eyes"};
        if (std::string(feature) == "baggy") src.paint["thigh"] = "dhoti";
        EXPECT_FALSE(bust_alone(src).rgb == plain_bust.rgb) << feature;
        if (head.count(feature)) {
            EXPECT_FALSE(draw_portraits(src).portrait.rgb == plain.rgb) << feature;
        }
    }
    std::vector<std::vector<std::uint8_t>> emblems;
    for (const char* kind : {"orb", "crescent", "wheel", "palm"}) {
        FighterSource src = base;
        src.fx[0].kind = kind;
        emblems.push_back(draw_portraits(src).portrait.rgb);
        for (std::size_t i = 0; i + 1 < emblems.size(); ++i) EXPECT_FALSE(emblems[i] == emblems.back()) << kind;
    }
    FighterSource typo = base;
    typo.look.features["glow"] = {"fist2F"};  // it has two arms only
    EXPECT_THROW(draw_portraits(typo), std::runtime_error);
    // The portrait pose takes the place of the stance.
    FighterSource posed = base;
    posed.poses["portrait"] = PoseDef{"stance", {{joint_index("sF"), 150, false}}};
    EXPECT_FALSE(draw_portraits(posed).portrait.rgb == plain.rgb);
}

// The cel shading: a shadow on the side away from the light, and drawing cut to a shape made of pieces.
TEST(PortraitInk, ShadowsFallAwayFromTheLightAndClipsFollowEveryPiece) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 60, 60);
    cairo_t* cr = cairo_create(surface);
    Pen pen(cr, {0, 0, 0}, {0, 0, 255});
    const Shape disc{circle({30, 30}, 20)};
    pen.crescent(disc, pen.to_light() * 8, {255, 0, 0});
    cairo_surface_flush(surface);
    auto alpha = [&](int x, int y) {
        const auto* px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface));
        return px[y * cairo_image_surface_get_stride(surface) / 4 + x] >> 24;
    };
    EXPECT_GT(pen.to_light().x, 0);  // lit from the front (the right) and above
    EXPECT_LT(pen.to_light().y, 0);
    EXPECT_EQ(alpha(30, 30), 0u);     // the middle stays clear
    EXPECT_EQ(alpha(40, 20), 0u);     // so does the lit side
    EXPECT_EQ(alpha(18, 42), 255u);   // the far side is in shadow
    EXPECT_EQ(alpha(2, 2), 0u);       // nothing outside the shape

    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    const Shape two{circle({15, 30}, 10), circle({45, 30}, 10)};
    pen.within(two, [&] {
        cairo_set_source_rgb(cr, 0, 1, 0);
        cairo_paint(cr);
    });
    cairo_surface_flush(surface);
    EXPECT_EQ(alpha(15, 30), 255u);
    EXPECT_EQ(alpha(45, 30), 255u);
    EXPECT_EQ(alpha(30, 30), 0u);
    EXPECT_EQ(alpha(15, 5), 0u);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

}  // namespace
