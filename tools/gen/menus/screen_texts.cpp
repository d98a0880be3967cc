#include "menus/screen_texts.h"

#include <cairo.h>

#include "common/canvas.h"

namespace menus {

const char* const kLongestTaunt = "Sinon tu sais faire quoi a part la danse classique!!";

namespace {

// The statistics as the game prints them, at a level and experience a
// seasoned fighter reaches.
const char* const kStats[6] = {"niveau 12", "FOR 12", "DEX 12", "VIG 12", "CON 12", "XP  9999"};

void add_stats(std::vector<GameText>& texts, const char* font, double x, int align, const std::string& side) {
    for (int i = 0; i < 6; ++i)
        texts.push_back({side + " statistics", font, 16, kStats[i], x, 170.0 + 16 * i, align, true});
}

// The "+" buttons of MENU_XP (src/progression): x 107 or 521, screen rows
// 188, 204, 220 and 236.
std::vector<ScreenBox> plus_buttons(double x) {
    std::vector<ScreenBox> boxes;
    for (int row = 188; row <= 236; row += 16) boxes.push_back({x, double(row), x + 14, row + 14.0});
    return boxes;
}

}  // namespace

ScreenBox text_box(const FontTable& fonts, const GameText& t) {
    const FontFile font(fonts.path(t.font));
    Canvas canvas(1, 1);
    canvas.use_font(font, t.size);
    const TextRun run = canvas.layout(t.text);
    cairo_font_extents_t fe;
    cairo_font_extents(canvas.cr(), &fe);
    const double left = t.align < 0 ? t.x : t.align == 0 ? t.x - run.advance / 2 : t.x - run.advance;
    const double baseline = t.y + fe.ascent, spread = t.shadow ? 1 : 0;
    return {left + run.ink_left - spread, baseline + run.ink_top - spread, left + run.ink_right + spread,
            baseline + run.ink_bottom + spread};
}

std::vector<GameText> selection_texts() {
    std::vector<GameText> texts{
        {"player 1's name", "spartan-bold", 28, "VISHVAKARMAN", 53, 270, -1, true},
        {"player 2's name", "spartan-bold", 28, "VISHVAKARMAN", 582, 270, 1, true},
        {"prompt", "bebas-stats", 16, "pressez une touche pour continuer", 320, 65, 0, true},
    };
    add_stats(texts, "bebas-stats", 53, -1, "player 1's");
    add_stats(texts, "bebas-stats", 582, 1, "player 2's");
    return texts;
}

std::vector<ScreenBox> selection_plus_buttons() {
    std::vector<ScreenBox> boxes = plus_buttons(107);
    for (const ScreenBox& b : plus_buttons(521)) boxes.push_back(b);
    return boxes;
}

std::vector<GameText> credits_texts() {
    return {{"footer", "lobster", 20, "Pressez une touche pour continuer", 320, 460, 0, false}};
}

std::vector<GameText> dialogue_texts() {
    std::vector<GameText> texts{
        {"player 1's taunt", "spartan-bold", 22, kLongestTaunt, 320, 68, 0, false},
        {"player 2's taunt", "spartan-bold", 22, kLongestTaunt, 320, 325, 0, false},
        {"opponent's level", "spartan-bold", 16, "niveau 12", 592, 419, 1, true},
        {"prompt", "spartan-bold", 16, "pressez une touche pour continuer..", 320, 465, 0, false},
        {"loading line", "bebas-bold", 60, "CHARGEMENT..", 320, 360, 0, true},
    };
    add_stats(texts, "spartan-bold", 53, -1, "player 1's");
    return texts;
}

std::vector<ScreenBox> dialogue_plus_buttons() { return plus_buttons(107); }

std::vector<GameText> results_texts() {
    const double centre = (kResultsTextArea.x0 + kResultsTextArea.x1) / 2;
    return {
        {"winner's name", "spartan-bold", 28, "VISHVAKARMAN", centre, 126, 0, true},
        {"rounds", "spartan-bold", 22, "2 ROUNDS \xc3\x80 1", centre, 172, 0, true},
    };
}

}  // namespace menus
