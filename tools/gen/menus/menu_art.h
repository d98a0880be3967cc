#pragma once
// The menu screens' art: the title screen and its buttons, the options
// screen and its sliders, the fighter selection backdrop with the game's
// small logo and the stage choice, the results screen and the pause panel
// with their buttons, the story's screens, the credits, and the mouse
// pointer.
//
// A button is a set of pictures of one size, one per state, named
// graphics/NAME0.bmp (normal), NAME1.bmp (under the pointer) and, for the
// options, NAME2.bmp (the current choice). The normal picture's rectangle
// is where the game takes clicks, so every label sits inside it. Buttons
// are masked; their shape may start some rows below the picture's top,
// where the game places a button higher than its neighbours.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/image.h"
#include "menus/menu_style.h"

struct Context;

namespace menus {

enum class State { Normal = 0, Hover = 1, Selected = 2 };

enum class ButtonKind {
    Title,   // the title screen's slanted blades, also on the results and pause screens
    Choice,  // the options' three-state buttons
    Back,    // "back", with an arrow
};

struct ButtonSpec {
    const char* name;   // graphics/NAME0.bmp ...
    const char* label;
    ButtonKind kind;
    int width, height;
    int body_top = 0;   // rows of the picture above the button's shape
    int states() const { return kind == ButtonKind::Choice ? 3 : 2; }
};

const std::vector<ButtonSpec>& buttons();
const ButtonSpec& button(const std::string& name);

// Where the game puts a button on a screen (its picture's top-left corner,
// in screen rows from the top; the game itself counts a button's y from
// the bottom of the screen to the button's top edge: 480 - y).
struct Placement {
    const char* name;
    int x, y;
};
const std::vector<Placement>& title_placements();
// The options' rows, each setting's buttons on its rail. In the game's
// terms (x, 480 - y) the edition's "classique" is at (282, 252) and
// "ameliore" at (420, 252), both 134 x 26.
const std::vector<Placement>& options_placements();

// The results screen (graphics/resultats.bmp): the winner's portrait in a
// frame at (40, 110), its name and the rounds to its right (screen_texts.h),
// and three buttons stacked at the bottom, all 384 x 28. In the game's
// terms: "revanche" at (128, 116), "changer" at (128, 80), "menu" at (128, 44).
constexpr int kResultsButtonWidth = 384;
const std::vector<Placement>& results_placements();

// The pause panel (graphics/pause.bmp, masked outside its rounded border),
// drawn at (110, 70) over the stopped fight, its three buttons stacked
// inside it, all 300 x 28. In the game's terms: "reprendre" at (170, 290),
// "coups" at (170, 230), "quitter_combat" at (170, 170).
constexpr int kPausePanelX = 110, kPausePanelY = 70, kPausePanelWidth = 420, kPausePanelHeight = 340;
constexpr int kPauseButtonWidth = 300;
const std::vector<Placement>& pause_placements();

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct ButtonArt {
    Image image;
    Box label;  // the label's ink, outline included, in the picture's pixels
};
ButtonArt draw_button(const style::Fonts& fonts, const ButtonSpec& desc, State state);

// The pointer: an arrow whose tip is the picture's top-left pixel.
constexpr int kCursorWidth = 20, kCursorHeight = 24;
Image draw_cursor();

// A rectangle of screen (or picture) pixels.
struct PixelRect {
    int x, y, w, h;
};

// Full-screen backgrounds (640 x 480, opaque).
Image draw_title_screen(const style::Fonts& fonts);

// The options screen (graphics/options.bmp). The enhanced edition's
// (graphics/options_plus.bmp) has two more rails under the edition's, for
// the sound's and the music's sliders, and a shorter legend under them.
struct OptionRow {
    const char* label;
    int top, bottom;  // the rail's rows; its buttons sit 7 rows under its top
    style::Colour accent;
};
std::vector<OptionRow> option_rows(bool volume_rows);
PixelRect options_legend(bool volume_rows);
Image draw_options_screen(const style::Fonts& fonts, bool volume_rows = false);
// The online screen (graphics/enligne.bmp): the options' board and title,
// HÉBERGER and REJOINDRE above a panel where the game writes the address
// typed and the link's state, RETOUR at the bottom left.
inline constexpr PixelRect kOnlineStatus{40, 215, 560, 180};
const std::vector<Placement>& online_placements();
Image draw_online_screen(const style::Fonts& fonts);
// A slider on a volume rail: the groove (graphics/glissiere.bmp), the same
// lit (glissiere_pleine.bmp, drawn over it up to the knob's middle) and the
// knob (poignee0.bmp, under the pointer poignee1.bmp), all masked. The
// groove goes at x 282, where the edition's buttons start, 6 rows under
// the rail's buttons' top; the knob on those 26 rows.
constexpr int kSliderWidth = 250, kSliderHeight = 14, kKnobWidth = 16, kKnobHeight = 26;
Image draw_slider_track(bool filled);
Image draw_slider_knob(bool hover);

// The fighter selection backdrop (graphics/selectperso2.bmp), with its call
// to action at its foot: a title and a hint under it.
struct SelectCall {
    const char* title;
    const char* hint;
};
extern const SelectCall kChooseFighter, kChooseStage;
Image draw_select_screen(const style::Fonts& fonts, const SelectCall& call = kChooseFighter);
// Once both fighters are chosen, the game covers the call to choose them
// with the call to choose the stage: graphics/titre_decor.bmp, the same
// backdrop's pixels with kChooseStage's lines, drawn opaque at this place.
constexpr PixelRect kStageTitlePlate{54, 403, 534, 66};
Image draw_stage_title_plate(const style::Fonts& fonts);

// The stage choice's buttons, in the fighters' row (85 x 92 at
// (56 + 89 i, 307)): graphics/decor_NAME0.bmp, under the pointer or chosen
// NAME1.bmp. A miniature of the stage with its name on a plate; "hasard"
// mixes the three under a question mark.
constexpr int kSlotWidth = 85, kSlotHeight = 92;
struct StageButton {
    const char* name;   // graphics/decor_NAME0.bmp
    const char* label;
    const char* stage;  // its stage in the datafile; none for the random choice
};
const std::vector<StageButton>& stage_buttons();
Image draw_stage_button(const style::Fonts& fonts, const StageButton& button, bool lit);

// The story. Before each fight, its dialogue over the stage it happens on
// (graphics/recit_NAME.bmp; the last fight's recit_final.bmp): the stage's
// own scenery, darkened and muted under a vignette, for the portraits
// (270 x 240 at (20, 96) and (350, 96)) and the texts in dark boxes.
constexpr PixelRect kStoryPortraits[2] = {{20, 96, 270, 240}, {350, 96, 270, 240}};
Image draw_story_backdrop(const std::string& stage);
Image draw_final_backdrop();
// A lost fight (graphics/defaite.bmp): the title at the top, the loser's
// portrait framed in the middle (kDefeatPortrait), the "continuer" and
// "abandonner" buttons on the tray at the bottom (defeat_placements()).
constexpr PixelRect kDefeatPortrait{185, 110, 270, 240};
const std::vector<Placement>& defeat_placements();
Image draw_defeat_screen(const style::Fonts& fonts);
// A fighter's ending (graphics/fin_FIGHTER.bmp, drawn by the fighters'
// generator, which calls `hero` to paint the fighter in the upper middle,
// over the sky and under the laurels' light): a bright dawn with rays, and
// a calm dark band from row kEndingBandTop for the game's texts.
constexpr int kEndingBandTop = 370;
struct EndingLook {
    style::Colour accent;  // the fighter's energy: the light behind it
};
// Where `hero` puts the fighter's head: its centre and radius.
struct HeroPlace {
    double x, y, head_r;
};
constexpr HeroPlace kEndingHero{308, 150, 44};
Image draw_ending_screen(const EndingLook& look, const std::function<void(cairo_t*)>& hero);

// The story's dialogues and end screens (graphics/blackscreen.bmp).
Image draw_dialogue_screen(const style::Fonts& fonts);
// The results screen after a match (graphics/resultats.bmp).
Image draw_results_screen(const style::Fonts& fonts);
// The pause panel: masked, kPausePanelWidth x kPausePanelHeight.
Image draw_pause_panel(const style::Fonts& fonts);
// A "versus" seal of radius r, speed lines running out of it on both sides.
void versus_seal(Canvas& canvas, const style::Fonts& fonts, double cx, double cy, double r);

// A portrait's frame (results, defeat): a panel edged in metal with the lit
// slot for its band, rays over it, brackets on its corners, laurels under
// the band when asked.
struct FrameTint {
    style::Colour deep;      // the panel
    style::Colour light;     // its halo, the rays, the band's edges
    style::Colour metal[3];  // the frame, top-left to bottom-right; the brackets in the first
    bool laurels;
    bool brackets_right;     // brackets on all four corners (else the left two)
};
void portrait_frame(Canvas& canvas, double x, double y, const FrameTint& tint);
// The dark tray behind a column of buttons, from row `top` to the screen's
// foot, under a rule of `rule` colour.
void button_tray(Canvas& canvas, double top, style::Colour rule);
// A laurel wreath open at the top, in faint gold, of radius r; `strength`
// scales its opacity and its leaves' size scale with r.
void laurels(cairo_t* cr, double cx, double cy, double r, double strength = 1);

// A title centred on `centre_x` from row `top` over a gold rule at row
// `rule_y` from `rule_left` to `rule_right`, a diamond on it `diamond`
// pixels either side of the middle.
void ruled_title(Canvas& canvas, const style::Fonts& fonts, const char* text, double caps, double tracking,
                 double centre_x, double top, double rule_y, double rule_left, double rule_right, double diamond);

// A page's chrome title at the top left, size `size` from row `top`, with a
// gold line at row `line_y` running out of it to the right edge.
void page_title(Canvas& canvas, const style::Fonts& fonts, const char* text, double size, double top, double line_y);

// The game's name as a small masked logo for the selection screen.
constexpr int kSmallLogoWidth = 176, kSmallLogoHeight = 50;
Image draw_small_logo(const style::Fonts& fonts);

// The credits as one tall masked picture, from content/menus/credits.txt:
//
//   [title] QUENDAVORIN FIGHTER 2     the game's name, large
//   [subtitle] TARVENHOLT             under it
//   [heading] Programmation           a role, in gold capitals
//   Studio Pyxelharn                  any other line: an entry, in white
//   [note] moteur maison en C++       a smaller line, in grey-blue
//   (an empty line)                   a gap
//
// Lines starting with # are comments.
struct CreditLine {
    enum Kind { Title, Subtitle, Heading, Entry, Note, Gap } kind;
    std::string text;
};
// Throws, naming the file and line, on an unknown [tag] or an empty tagged line.
std::vector<CreditLine> parse_credits(std::string_view text, const std::string& source_name);
// The rising picture is as wide as the screen; its two columns leave the
// middle [left, right) clear for the game's footer.
constexpr int kCreditsWidth = 640, kCreditsClearLeft = 160, kCreditsClearRight = 480;
constexpr int kCreditsColumnWidth = kCreditsClearLeft - 8;
Image draw_credits_text(const style::Fonts& fonts, const std::vector<CreditLine>& lines);
// The screen behind, with the game's name (the [title] and [subtitle] lines).
Image draw_credits_screen(const style::Fonts& fonts, const std::vector<CreditLine>& lines);

}  // namespace menus

void produce_menu_screens(Context& ctx);
// The pictures drawn from the stages: the stage choice's buttons and the
// story's backdrops.
void produce_story_screens(Context& ctx);
