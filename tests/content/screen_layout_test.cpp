// The texts the game prints at fixed places land on calm panels of our
// pictures, never on a face: measured on the screens as the game composes
// them from the files in the data folder, with each text's box at the size
// its font really has. The results screen frames the winner's portrait.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "common/fonts.h"
#include "art_checks.h"
#include "file_reading.h"
#include "menus/menu_art.h"
#include "menus/screen_texts.h"

namespace fs = std::filesystem;
using menus::ScreenBox;
using menus::GameText;

namespace {

const char* const kFighters[] = {"shiz", "talon", "vishvakarman", "panda"};

const FontTable& fonts() {
    static const FontTable table = FontTable::load(fs::path(ZEF_CONTENT_DIR) / "fonts.txt");
    return table;
}

Image picture(const std::string& name) {
    Image img = read_bmp(fs::path(ZEF_DATA_DIR) / "graphics" / name);
    EXPECT_GT(img.width, 0) << name;
    return img;
}

// A screen as the game composes it: a background, then masked pictures;
// `covered` marks the pixels the masked pictures draw.
struct Screen {
    Image image;
    std::vector<bool> covered = std::vector<bool>(640 * 480, false);

    explicit Screen(const std::string& background) : image(picture(background)) {}
    void draw(const Image& sprite, int x, int y) {
        for (int sy = 0; sy < sprite.height; ++sy)
            for (int sx = 0; sx < sprite.width; ++sx) {
                const int dx = x + sx, dy = y + sy;
                if (dx < 0 || dy < 0 || dx >= 640 || dy >= 480 || sprite.at(sx, sy) == kMaskColour) continue;
                image.set(dx, dy, sprite.at(sx, sy));
                covered[dy * 640 + dx] = true;
            }
    }
};

double luma(Rgb c) { return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b; }

struct Calm {
    int covered = 0;          // pixels of a portrait (or other masked picture) under the text
    double mean = 0, spread = 0;  // luminance: mean and standard deviation
    double edge = 0;          // the sharpest step between neighbours, past the 16-bit dither
};

Calm measure(const Screen& s, const ScreenBox& b) {
    Calm c;
    const int x0 = std::max(0, int(std::floor(b.x0))), x1 = std::min(640, int(std::ceil(b.x1)));
    const int y0 = std::max(0, int(std::floor(b.y0))), y1 = std::min(480, int(std::ceil(b.y1)));
    double sum = 0, sq = 0;
    int n = 0;
    std::vector<double> steps;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            c.covered += s.covered[y * 640 + x];
            const double l = luma(s.image.at(x, y));
            sum += l;
            sq += l * l;
            ++n;
            if (x + 1 < x1) steps.push_back(std::abs(l - luma(s.image.at(x + 1, y))));
            if (y + 1 < y1) steps.push_back(std::abs(l - luma(s.image.at(x, y + 1))));
        }
    if (n == 0) return c;
    c.mean = sum / n;
    c.spread = std::sqrt(std::max(0.0, sq / n - c.mean * c.mean));
    std::sort(steps.begin(), steps.end());
    c.edge = steps.empty() ? 0 : steps[steps.size() * 99 / 100];
    return c;
}

// Calm and dark enough for light text, with nothing drawn over it.
void expect_calm(const Screen& s, const ScreenBox& b, const std::string& what, double darkest_text = 255) {
    const Calm c = measure(s, b);
    EXPECT_EQ(c.covered, 0) << what << " lands on a portrait or a button";
    EXPECT_LT(c.spread, 9) << what << " lands on a busy picture";
    EXPECT_LT(c.edge, 14) << what << " lands across an edge";
    EXPECT_LT(c.mean, darkest_text * 0.45) << what << " lands on too light a panel";
}

TEST(ScreenLayout, SelectionTextsLandOnQuietPanelsBesideTheFaces) {
    const Image plus = picture("plus.bmp");
    for (const char* one : kFighters)
        for (const char* two : kFighters) {
            Screen s("selectperso2.bmp");
            s.draw(picture(std::string(one) + "2.bmp"), 45, 25);
            s.draw(picture(std::string(two) + "2.bmp"), 325, 25);
            const std::string pair = std::string(one) + " and " + two + ": ";
            for (const GameText& t : menus::selection_texts())
                expect_calm(s, menus::text_box(fonts(), t), pair + t.what);
            for (const ScreenBox& b : menus::selection_plus_buttons()) {
                EXPECT_EQ(measure(s, b).covered, 0) << pair << "a + button on a portrait";
                s.draw(plus, int(b.x0), int(b.y0));
            }
            // The buttons sit beside the lines of the statistics, not on them.
            for (const GameText& t : menus::selection_texts()) {
                if (t.what.find("statistics") == std::string::npos) continue;
                EXPECT_EQ(measure(s, menus::text_box(fonts(), t)).covered, 0) << pair << t.what << " under a + button";
            }
        }
}

TEST(ScreenLayout, DialogueTauntsAndStatisticsStayOffThePortraits) {
    for (const char* one : kFighters)
        for (const char* two : kFighters) {
            Screen s("blackscreen.bmp");
            s.draw(picture(std::string(one) + "2.bmp"), 40, 20);
            s.draw(picture(std::string(two) + "2.bmp"), 331, 183);
            const std::string pair = std::string(one) + " against " + two + ": ";
            for (const GameText& t : menus::dialogue_texts()) {
                const bool green = t.what == "prompt" || t.what == "loading line";  // printed in green
                expect_calm(s, menus::text_box(fonts(), t), pair + t.what, green ? 191 * 0.59 + 66 * 0.3 + 84 * 0.11 : 255);
            }
            for (const ScreenBox& b : menus::dialogue_plus_buttons())
                EXPECT_EQ(measure(s, b).covered, 0) << pair << "a + button on a portrait";
        }
}

TEST(ScreenLayout, ResultsTextsLandOnTheirPlateBesideTheWinnersFramedPortrait) {
    const ScreenBox area = menus::kResultsTextArea;
    const ScreenBox portrait{double(menus::kResultsPortraitX), double(menus::kResultsPortraitY),
                             double(menus::kResultsPortraitX + menus::kPortraitWidth),
                             double(menus::kResultsPortraitY + menus::kPortraitHeight)};
    for (const char* winner : kFighters) {
        Screen s("resultats.bmp");
        const Image face = picture(std::string(winner) + "2.bmp");
        ASSERT_EQ(face.width, menus::kPortraitWidth);
        ASSERT_EQ(face.height, menus::kPortraitHeight);
        s.draw(face, menus::kResultsPortraitX, menus::kResultsPortraitY);
        for (const menus::Placement& p : menus::results_placements()) {
            const Image button = picture(std::string(p.name) + "0.bmp");
            EXPECT_FALSE(portrait.overlaps({double(p.x), double(p.y), double(p.x + button.width),
                                            double(p.y + button.height)}))
                << p.name << " on the portrait";
            s.draw(button, p.x, p.y);
        }
        for (const GameText& t : menus::results_texts()) {
            const ScreenBox b = menus::text_box(fonts(), t);
            expect_calm(s, b, std::string(winner) + " wins: " + t.what);
            EXPECT_TRUE(b.x0 >= area.x0 + 4 && b.x1 <= area.x1 - 4 && b.y0 >= area.y0 + 4 && b.y1 <= area.y1 - 4)
                << t.what << " runs off its plate";
        }
        EXPECT_FALSE(portrait.overlaps(area));
    }
    // The frame's gold line runs just outside the portrait, all the way round.
    const Image back = picture("resultats.bmp");
    EXPECT_GT(art::ring_share(back, int(portrait.x0), int(portrait.y0), int(portrait.x1), int(portrait.y1),
                              [](Rgb c) { return c.r > 150 && c.r > c.b + 40; }),
              0.9)
        << "the frame does not fit the portrait";
}

TEST(ScreenLayout, NoTauntIsWiderThanTheOneThePicturesAreDesignedFor) {
    std::ifstream in(fs::path(ZEF_CONTENT_DIR) / "../../src/story/texte.cpp");
    ASSERT_TRUE(in) << "src/story/texte.cpp";
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    const auto table = source.find("REPLIQUES");
    ASSERT_NE(table, std::string::npos);
    const std::string body = source.substr(table, source.find("};", table) - table);
    const GameText longest{"taunt", "spartan-bold", 22, menus::kLongestTaunt, 320, 68, 0, false};
    const ScreenBox designed = menus::text_box(fonts(), longest);
    int taunts = 0;
    const std::regex literal("\"((?:[^\"\\\\]|\\\\.)*)\"");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), literal); it != std::sregex_iterator(); ++it) {
        std::string line = (*it)[1];
        // Latin-1 escapes as the game stores them, in UTF-8 for measuring.
        line = std::regex_replace(line, std::regex("\\\\xe9"), "\xc3\xa9");
        GameText t = longest;
        t.text = line;
        const ScreenBox b = menus::text_box(fonts(), t);
        EXPECT_LE(b.x1 - b.x0, designed.x1 - designed.x0) << line;
        ++taunts;
    }
    EXPECT_EQ(taunts, 40);
}

TEST(ScreenLayout, CreditsRiseBesideTheFooterAndLeaveTheNameBehind) {
    const Image text = picture("txtcredits.bmp");
    ASSERT_EQ(text.width, 640) << "the picture is centred: as wide as the screen, its columns are where it draws them";
    const ScreenBox footer = menus::text_box(fonts(), menus::credits_texts().front());
    // Every row of the rising picture crosses the footer's rows: no glyph
    // may stand in the footer's columns.
    int in_the_way = 0, drawn = 0;
    for (int y = 0; y < text.height; ++y)
        for (int x = 0; x < text.width; ++x) {
            if (text.at(x, y) == kMaskColour) continue;
            ++drawn;
            in_the_way += x >= footer.x0 - 4 && x < footer.x1 + 4;
        }
    EXPECT_EQ(in_the_way, 0);
    EXPECT_GT(drawn, 20000);
    EXPECT_GE(footer.x0 - 4, menus::kCreditsClearLeft);
    EXPECT_LE(footer.x1 + 4, menus::kCreditsClearRight);

    Screen s("credits.bmp");
    expect_calm(s, footer, "the credits' footer", 100);
    // Once the credits have gone, the middle still shows the game's name.
    const Calm middle = measure(s, {200, 150, 440, 280});
    EXPECT_GT(middle.spread, 25) << "the credits screen sits empty";
}

}  // namespace
