#pragma once
// Where the game prints its texts over our pictures, in screen pixels, and
// how much room they take at the sizes its fonts really have. The pictures
// are designed around these places: each text lands on a calm panel, never
// on a face. The places are the game's (src/menus, src/story); the longest
// lines are the longest the game can print there.

#include <string>
#include <vector>

#include "common/fonts.h"

namespace menus {

// The fighters' portraits (270 x 240, top-left at (45, 25) and (325, 25) on
// the selection screen, (40, 20) and (331, 183) in the dialogues) draw only
// on their rows [top, bottom): a close-up band across their width. The
// texts go above and below it: the selection's prompt and statistics, the
// dialogues' taunt lines (48 rows under player 1's portrait's top, 142
// under player 2's).
constexpr int kPortraitWidth = 270, kPortraitHeight = 240;
constexpr int kPortraitBandTop = 73, kPortraitBandBottom = 140;

struct ScreenBox {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool overlaps(const ScreenBox& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

struct GameText {
    std::string what;     // for messages
    const char* font;     // its id in the font table
    double size;          // the font's size: a line takes that many pixels
    std::string text;     // UTF-8
    double x, y;          // the anchor: top-left, top-centre or top-right
    int align;            // -1 left, 0 centred, 1 right
    bool shadow;          // printed over a black copy one pixel off each way
};

// The box a text's ink covers on the screen, its shadow included.
ScreenBox text_box(const FontTable& fonts, const GameText& t);

// The fighter selection screen with both fighters chosen and progression on.
std::vector<GameText> selection_texts();
// Both players' "+" buttons (plus.bmp, 14 x 14) beside their statistics.
std::vector<ScreenBox> selection_plus_buttons();
// The credits screen's footer.
std::vector<GameText> credits_texts();
// The story's dialogue screen, with the longest taunt line on both sides
// and the loading line it prints when a key is pressed. (The selection
// screen prints its loading line for a second over the fighter buttons,
// which the game draws: no picture of ours can calm that place.)
std::vector<GameText> dialogue_texts();
std::vector<ScreenBox> dialogue_plus_buttons();

// The results screen: the winner's portrait with its top-left at
// (kResultsPortraitX, kResultsPortraitY), in a frame that ends at x 315;
// right of the frame, a calm plate (kResultsTextArea) for the winner's
// name and the rounds, centred on its middle.
constexpr int kResultsPortraitX = 40, kResultsPortraitY = 110;
constexpr ScreenBox kResultsTextArea{322, 112, 620, 214};
std::vector<GameText> results_texts();

// The longest of the fighters' taunt lines (src/story/texte.cpp).
extern const char* const kLongestTaunt;

}  // namespace menus
