// The enhanced edition's pictures: the stage choice (buttons that look like
// their stages, a plate that swaps the selection screen's call to action
// without a seam), the options with the volume sliders, and the story's
// backdrops, dark enough under the portraits and the texts.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "art_checks.h"
#include "menus/menu_art.h"
#include "stages/stages.h"

namespace {

double luma(Rgb c) { return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b; }

struct Mean {
    double r = 0, g = 0, b = 0;
    double luma() const { return 0.2126 * r + 0.7152 * g + 0.0722 * b; }
    double distance(const Mean& o) const { return std::sqrt((r - o.r) * (r - o.r) + (g - o.g) * (g - o.g) + (b - o.b) * (b - o.b)); }
};

// The mean colour of a rectangle of a picture, the mask colour left out.
Mean mean_of(const Image& img, int x0, int y0, int x1, int y1) {
    Mean m;
    long n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgb c = img.at(x, y);
            if (art::is_mask(c)) continue;
            m.r += c.r, m.g += c.g, m.b += c.b, ++n;
        }
    if (n > 0) m.r /= n, m.g /= n, m.b /= n;
    return m;
}

Mean mean_of(const Image& img, const menus::PixelRect& r) { return mean_of(img, r.x, r.y, r.x + r.w, r.y + r.h); }

// A whole stage's mean colour.
Mean stage_colour(const std::string& stage) {
    const Image& s = rendered_stage(stage);
    return mean_of(s, 0, 0, s.width, s.height);
}

const menus::StageButton& stage_button(const std::string& name) {
    for (const auto& b : menus::stage_buttons())
        if (name == b.name) return b;
    throw std::logic_error("no stage button " + name);
}

}  // namespace

TEST(StageChoice, EachButtonIsAFramedMiniatureOfItsOwnStage) {
    const auto& fonts = art::style_fonts();
    std::vector<Image> normal;
    for (const menus::StageButton& b : menus::stage_buttons()) {
        SCOPED_TRACE(b.name);
        const Image off = menus::draw_stage_button(fonts, b, false), on = menus::draw_stage_button(fonts, b, true);
        for (const Image* img : {&off, &on}) {
            ASSERT_EQ(img->width, menus::kSlotWidth);
            ASSERT_EQ(img->height, menus::kSlotHeight);
            art::expect_masked(*img, b.name);
            // The fighters' button shape: only the rounded corners are cut.
            EXPECT_TRUE(art::is_mask(img->at(0, 0)) && art::is_mask(img->at(84, 91)));
            EXPECT_FALSE(art::is_mask(img->at(42, 0)) || art::is_mask(img->at(0, 46)));
        }
        // Lit: brighter, its frame most of all.
        EXPECT_GT(mean_of(on, 0, 0, 85, 92).luma(), mean_of(off, 0, 0, 85, 92).luma() + 20);
        EXPECT_GT(mean_of(on, 1, 10, 4, 80).luma(), mean_of(off, 1, 10, 4, 80).luma() * 1.4);
        // The name plate: dark across the foot, with light letters on it.
        const Mean plate = mean_of(off, 6, 70, 79, 87);
        EXPECT_LT(plate.luma(), 90);
        int letters = 0;
        for (int y = 70; y < 87; ++y)
            for (int x = 6; x < 79; ++x) letters += luma(off.at(x, y)) > 170;
        EXPECT_GT(letters, 40) << "no name on the plate";
        normal.push_back(off);
    }
    // A stage's miniature has its colours: nearer its own stage's than any other's.
    const char* const stages[][2] = {{"aeroport", "aeroport"}, {"elbeuf", "iut"}, {"inde", "inde"}};
    for (const auto& [button, stage] : stages) {
        SCOPED_TRACE(button);
        const Mean picture = mean_of(menus::draw_stage_button(fonts, stage_button(button), false), 6, 6, 79, 68);
        EXPECT_LT(picture.distance(stage_colour(stage)), 45);
        for (const auto& [other_button, other] : stages) {
            if (other != stage) {
                EXPECT_LT(picture.distance(stage_colour(stage)), picture.distance(stage_colour(other))) << other_button;
            }
        }
    }
    for (std::size_t i = 0; i < normal.size(); ++i)
        for (std::size_t j = i + 1; j < normal.size(); ++j) {
            double diff = 0;
            for (std::size_t k = 0; k < normal[i].rgb.size(); ++k) diff += std::abs(normal[i].rgb[k] - normal[j].rgb[k]);
            EXPECT_GT(diff / normal[i].rgb.size(), 20) << i << " and " << j << " look alike";
        }
    // The random choice: its question mark stands bright in the middle.
    const Image random = menus::draw_stage_button(fonts, stage_button("hasard"), false);
    int bright = 0;
    for (int y = 10; y < 60; ++y)
        for (int x = 25; x < 60; ++x) bright += luma(random.at(x, y)) > 200;
    EXPECT_GT(bright, 120) << "no question mark";
}

TEST(StageChoice, TheTitlePlateSwapsTheCallToActionOnTheBackdropsOwnPixels) {
    const auto& fonts = art::style_fonts();
    const Image bare = menus::draw_select_screen(fonts, {"", ""}), fighters = menus::draw_select_screen(fonts),
                stages = menus::draw_select_screen(fonts, menus::kChooseStage),
                plate = menus::draw_stage_title_plate(fonts);
    const menus::PixelRect r = menus::kStageTitlePlate;
    ASSERT_EQ(plate.width, r.w);
    ASSERT_EQ(plate.height, r.h);
    art::expect_opaque(plate, "title plate");
    // Under the fighter buttons' row (its foot at row 399), on the screen.
    EXPECT_GE(r.y, 307 + 92);
    EXPECT_LE(r.x + r.w, 640);
    EXPECT_LE(r.y + r.h, 480);
    // Both calls' lettering, and nothing else, differs from the bare backdrop,
    // all of it inside the plate.
    auto inside = [&](int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; };
    int old_letters = 0, new_letters = 0, outside = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool a = !(fighters.at(x, y) == bare.at(x, y)), b = !(stages.at(x, y) == bare.at(x, y));
            old_letters += a;
            new_letters += b;
            outside += (a || b) && !inside(x, y);
        }
    EXPECT_EQ(outside, 0) << "lettering outside the plate";
    EXPECT_GT(old_letters, 2000);
    EXPECT_GT(new_letters, 1500);
    // The plate is the screen with the new call: where neither call has
    // ink, exactly the backdrop the game already shows there.
    int wrong = 0, seam = 0;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            const Rgb under = fighters.at(r.x + x, r.y + y), empty = bare.at(r.x + x, r.y + y);
            wrong += !(plate.at(x, y) == stages.at(r.x + x, r.y + y));
            if (under == empty && stages.at(r.x + x, r.y + y) == empty) seam += !(plate.at(x, y) == under);
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(seam, 0);
}

TEST(OptionsPlus, TwoSliderRowsUnderTheEditionOnTheSameBoard) {
    const auto& fonts = art::style_fonts();
    const Image classic = menus::draw_options_screen(fonts), plus = menus::draw_options_screen(fonts, true);
    ASSERT_EQ(plus.width, 640);
    ASSERT_EQ(plus.height, 480);
    art::expect_opaque(plus, "options with sliders");
    const auto rows = menus::option_rows(true), old_rows = menus::option_rows(false);
    ASSERT_EQ(rows.size(), old_rows.size() + 2);
    EXPECT_EQ(std::string(rows[4].label), "SON");
    EXPECT_EQ(std::string(rows[5].label), "MUSIQUE");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].top - rows[i - 1].top, 39) << rows[i].label;
        EXPECT_EQ(rows[i].bottom - rows[i].top, rows[0].bottom - rows[0].top) << rows[i].label;
    }
    // Every label painted in its rail; the legend under the last, above the bar.
    for (const auto& row : rows) EXPECT_GE(art::label_rows(plus, row.top + 3, row.bottom - 3), 9) << row.label;
    const menus::PixelRect legend = menus::options_legend(true);
    EXPECT_GT(legend.y, rows.back().bottom + 4);
    EXPECT_LE(legend.y + legend.h, 404);
    EXPECT_LT(legend.h, menus::options_legend(false).h);
    int text = 0;
    for (int y = legend.y; y < legend.y + legend.h; ++y)
        for (int x = legend.x; x < legend.x + legend.w; ++x) text += luma(plus.at(x, y)) > 170;
    EXPECT_GT(text, 300) << "an empty legend";
    // The same picture above the new rails and in the bottom bar.
    for (int y = 0; y < 480; ++y) {
        if (y >= old_rows.back().bottom + 1 && y < 408) continue;
        for (int x = 0; x < 640; ++x) ASSERT_TRUE(plus.at(x, y) == classic.at(x, y)) << x << "," << y;
    }
}

TEST(OptionsPlus, SliderPiecesFitTheirRail) {
    const Image groove = menus::draw_slider_track(false), lit = menus::draw_slider_track(true);
    const Image knob = menus::draw_slider_knob(false), hover = menus::draw_slider_knob(true);
    for (const Image* img : {&groove, &lit}) {
        EXPECT_EQ(img->width, menus::kSliderWidth);
        EXPECT_EQ(img->height, menus::kSliderHeight);
        art::expect_masked(*img, "groove");
    }
    for (const Image* img : {&knob, &hover}) {
        EXPECT_EQ(img->width, menus::kKnobWidth);
        EXPECT_EQ(img->height, menus::kKnobHeight);
        art::expect_masked(*img, "knob");
    }
    // Both grooves have the same shape, drawn one over the other; the lit
    // part shines, the empty one is sunk.
    for (int y = 0; y < groove.height; ++y)
        for (int x = 0; x < groove.width; ++x) ASSERT_EQ(art::is_mask(groove.at(x, y)), art::is_mask(lit.at(x, y)));
    EXPECT_LT(mean_of(groove, 0, 0, groove.width, groove.height).luma(), 45);
    EXPECT_GT(mean_of(lit, 0, 0, lit.width, lit.height).luma(), 120);
    EXPECT_GT(art::distance(art::mean_ink(knob), art::mean_ink(hover)), 60);
    // From the edition's buttons' left, the knob at its end stays on the rail.
    EXPECT_LE(282 + menus::kSliderWidth + menus::kKnobWidth / 2, 620);
    EXPECT_LE(menus::kKnobHeight, menus::option_rows(true).back().bottom - menus::option_rows(true).back().top - 7);
}

TEST(StoryBackdrops, DarkUnderThePortraitsYetStillAPicture) {
    struct Backdrop {
        std::string name;
        Image image;
    };
    std::vector<Backdrop> backdrops;
    for (const auto& b : menus::stage_buttons())
        if (*b.stage) backdrops.push_back({b.name, menus::draw_story_backdrop(b.stage)});
    backdrops.push_back({"final", menus::draw_final_backdrop()});
    for (const Backdrop& b : backdrops) {
        SCOPED_TRACE(b.name);
        ASSERT_EQ(b.image.width, 640);
        ASSERT_EQ(b.image.height, 480);
        art::expect_opaque(b.image, b.name);
        for (const menus::PixelRect& p : menus::kStoryPortraits) {
            const double l = mean_of(b.image, p).luma();
            EXPECT_LT(l, 70) << "too light for white text and portraits";
            EXPECT_GT(l, 12) << "black";
        }
        // Something to see: the picture's detail survives the dimming.
        double spread = 0;
        const double mean = mean_of(b.image, 0, 0, 640, 480).luma();
        for (int y = 0; y < 480; y += 2)
            for (int x = 0; x < 640; x += 2) spread += std::abs(luma(b.image.at(x, y)) - mean);
        EXPECT_GT(spread / (320 * 240), 6);
        // The vignette: corners darker than the middle.
        const double middle = mean_of(b.image, 220, 160, 420, 320).luma();
        for (const auto& [x, y] : {std::pair{0, 0}, {600, 0}, {0, 440}, {600, 440}})
            EXPECT_LT(mean_of(b.image, x, y, x + 40, y + 40).luma(), middle) << x << "," << y;
    }
    // The last fight burns red.
    const Mean last = mean_of(backdrops.back().image, 0, 0, 640, 480);
    EXPECT_GT(last.r, last.b * 1.3);
}

TEST(StoryBackdrops, DefeatIsRedWithItsTitleAndRoomForThePortraitAndButtons) {
    const Image defeat = menus::draw_defeat_screen(art::style_fonts());
    ASSERT_EQ(defeat.width, 640);
    ASSERT_EQ(defeat.height, 480);
    art::expect_opaque(defeat, "defeat");
    const Mean all = mean_of(defeat, 0, 0, 640, 480);
    EXPECT_GT(all.r, all.g * 1.5);
    EXPECT_GT(all.r, all.b * 1.3);
    EXPECT_LT(all.luma(), 60);
    // The title, bright and centred across the top.
    int left = 0, right = 0;
    for (int y = 20; y < 92; ++y)
        for (int x = 100; x < 540; ++x) (x < 320 ? left : right) += luma(defeat.at(x, y)) > 190;
    EXPECT_GT(left, 400);
    EXPECT_GT(right, 400);
    // The portrait's frame fits it: a red line all round, just outside.
    const menus::PixelRect p = menus::kDefeatPortrait;
    EXPECT_GT(art::ring_share(defeat, p.x, p.y, p.x + p.w, p.y + p.h,
                              [](Rgb c) { return c.r > 120 && c.r > c.g + 60; }),
              0.9);
    // The buttons on the dark tray at the foot, under the frame.
    for (const menus::Placement& b : menus::defeat_placements()) {
        EXPECT_GE(b.y, p.y + p.h + 12) << b.name;
        EXPECT_LE(b.y + 28, 480) << b.name;
        EXPECT_LT(mean_of(defeat, b.x, b.y, b.x + menus::kResultsButtonWidth, b.y + 28).luma(), 30) << b.name;
    }
}
