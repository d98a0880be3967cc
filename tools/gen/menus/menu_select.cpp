// The fighter selection backdrop. The game draws over it: each player's
// portrait (270 x 240 at (45, 25) and (325, 25), a close-up band on its
// rows 73 to 140), the names under them at row 270, statistics in the
// panels' lower corners (from row 170), the four fighter buttons (85 x 92)
// in a row from (56, 307) every 89 pixels, the small logo at the top and a
// prompt at row 65 (menus/screen_texts.h). So the backdrop gives each
// player a panel with a lit slot for the portrait's band, a quiet corner
// for the statistics and a name bar, the prompt a plate, the buttons a
// tray with four sockets.

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/synth.h"  // kPi
#include "common/rng.h"
#include "menus/menu_art.h"
#include "menus/screen_texts.h"

using namespace scenery;

namespace menus {

namespace {

struct Side {
    double x;           // the portrait's left edge
    const char* tag;    // over the panel
    const char* mark;   // the faint number in an empty panel
    Colour accent, deep;
    bool right;         // side 2: its statistics are right-aligned
};

constexpr double kPanelTop = 25, kPanelWidth = 270, kPanelHeight = 240;

void backdrop(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 0, 480, {{0, hex(0x05061a)}, {0.55, hex(0x14143e)}, {0.8, hex(0x0c0c2a)}, {1, hex(0x040410)}});
    cairo_paint(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    // Two spotlights from above, one for each player's colour.
    for (const auto& [x, c] : {std::pair{180.0, style::kFire}, std::pair{460.0, style::kJade}}) {
        polygon(cr, {x - 30, 0, x + 30, 0, x + 190, 480, x - 190, 480});
        vertical_source(cr, 0, 480, {{0, c, 0.18}, {1, c, 0.0}});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // A floor of light lines receding under the tray.
    for (int i = 0; i < 9; ++i) {
        const double y = 406 + std::pow(i / 8.0, 1.6) * 74;
        set(cr, style::kSteelLight, 0.05 + 0.05 * i / 8.0);
        rect(cr, 0, std::round(y), 640, 1);
        cairo_fill(cr);
    }
    for (int i = -8; i <= 8; ++i) {
        set(cr, style::kSteelLight, 0.06);
        cairo_move_to(cr, 320 + i * 12, 406);
        cairo_line_to(cr, 320 + i * 90, 480);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    grain(canvas, 0, 0, 640, 480, 0.015, 9);
}

void panel(Canvas& canvas, const style::Fonts& fonts, const Side& s) {
    cairo_t* cr = canvas.cr();
    const double x = s.x, y = kPanelTop, w = kPanelWidth, h = kPanelHeight;

    // A coloured glow around the frame.
    Canvas halo(640, 480);
    rect(halo.cr(), x - 2, y - 2, w + 4, h + 4);
    set(halo.cr(), s.accent, 0.9);
    cairo_set_line_width(halo.cr(), 6);
    cairo_stroke(halo.cr());
    halo.blur(9);
    canvas.paint(halo, CAIRO_OPERATOR_ADD, 0.7);

    // Inside, a quiet gradient of the player's colour: the prompt crosses
    // its top and the statistics sit in its lower corner, on nothing else.
    rect(cr, x, y, w, h);
    vertical_source(cr, y, y + h, {{0, s.deep * 0.5}, {0.45, s.deep * 0.3}, {1, hex(0x06071c)}});
    cairo_fill(cr);
    // The slot where the portrait's close-up band comes: lit from behind,
    // with rays and the side's faint number while it waits for a fighter.
    const double band_top = y + kPortraitBandTop, band_h = kPortraitBandBottom - kPortraitBandTop;
    cairo_save(cr);
    rect(cr, x, band_top, w, band_h);
    cairo_clip(cr);
    radial_source(cr, x + w / 2, band_top + band_h / 2, w * 0.6,
                  {{0, mix(s.deep, style::kWhite, 0.15)}, {0.6, s.deep * 0.6}, {1, hex(0x05061a)}});
    cairo_paint(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = kPi * (1.05 + i / 15.0 * 0.9);
        const double cx = x + w / 2, cy = band_top + band_h + 30;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a - 0.03) * 300, cy + std::sin(a - 0.03) * 300);
        cairo_line_to(cr, cx + std::cos(a + 0.03) * 300, cy + std::sin(a + 0.03) * 300);
        cairo_close_path(cr);
        set(cr, s.accent, 0.07);
        cairo_fill(cr);
    }
    style::Lettering mark;
    mark.top = mark.middle = s.accent;
    mark.horizon = 1;
    mark.rim_width = 0;
    mark.bevel = 0;
    mark.slant = 0.1;
    Canvas ghost(640, 480);
    const style::Placed m = style::place_text(ghost, fonts.black, s.mark, 48, 4, x + w / 2, band_top + 10, 0.1);
    style::draw_lettering(ghost, m, mark);
    canvas.paint(ghost, CAIRO_OPERATOR_OVER, 0.16);
    cairo_restore(cr);
    for (const double ry : {band_top - 2, band_top + band_h}) {
        horizontal_source(cr, x, x + w, {{0, s.accent, 0.1}, {0.5, s.accent, 0.8}, {1, s.accent, 0.1}});
        rect(cr, x, ry, w, 2);
        cairo_fill(cr);
    }
    // A darker plate under the statistics, in the corner on the player's
    // side, soft at its inner edges.
    {
        const double pw = 150, top = band_top + band_h + 4, px = s.right ? x + w - pw : x;
        horizontal_source(cr, px, px + pw,
                          {{0, {0, 0, 0}, s.right ? 0.0 : 0.4}, {0.35, {0, 0, 0}, 0.4}, {0.65, {0, 0, 0}, 0.4},
                           {1, {0, 0, 0}, s.right ? 0.4 : 0.0}});
        rect(cr, px, top, pw, y + h - top);
        cairo_fill(cr);
    }

    // The frame: dark, then the player's colour, then a thin light line.
    rect(cr, x - 3.5, y - 3.5, w + 7, h + 7);
    set(cr, style::kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    rect(cr, x - 1, y - 1, w + 2, h + 2);
    set(cr, s.accent);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    rect(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    set(cr, style::kWhite, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Brackets on the outer corners (the panels' inner sides nearly touch).
    set(cr, mix(s.accent, style::kWhite, 0.4));
    cairo_set_line_width(cr, 3);
    {
        const double cx = s.right ? x + w + 6 : x - 6;
        for (const double cy : {y - 6.0, y + h + 6}) {
            const double dx = cx < x ? 18 : -18, dy = cy < y ? 18 : -18;
            cairo_move_to(cr, cx + dx, cy);
            cairo_line_to(cr, cx, cy);
            cairo_line_to(cr, cx, cy + dy);
            cairo_stroke(cr);
        }
    }

    // The name bar under the panel, over the foot of its frame (the game
    // writes the name from row 270): even inside, its edges clear of the name.
    const double by = 265, bh = 35;
    style::blade_path(cr, x - 4, by, w + 8, bh, 0, 6);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, x - 2, by + 2, w + 4, bh - 4, 0, 5);
    horizontal_source(cr, x, x + w,
                      {{0, s.right ? hex(0x0c1030) : s.deep * 0.6}, {0.5, hex(0x101438)},
                       {1, s.right ? s.deep * 0.6 : hex(0x0c1030)}});
    cairo_fill(cr);
    set(cr, s.accent);
    rect(cr, x - 2, by + bh - 4, w + 4, 2);
    cairo_fill(cr);

    // The tag above the panel, at its outer corner.
    style::Lettering tag = style::gold_look(12);
    tag.line_width = 0;
    tag.rim_width = 1.3;
    tag.shadow_dx = tag.shadow_dy = 1;
    tag.bevel = 0;
    tag.slant = 0.1;
    style::Placed t = style::place_text(canvas, fonts.bold, s.tag, 11, 2, 0, 6, tag.slant);
    const style::Span span = style::ink_span(t, tag);
    const double tw = span.right - span.left + 22;
    const double tx = s.right ? x + w - tw : x;
    style::blade_path(cr, tx, 2, tw, 19, 6, 0);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, tx + 1.5, 3.5, tw - 3, 16, 5, 0);
    vertical_source(cr, 3, 20,
                    {{0, mix(s.accent, style::kWhite, 0.2)}, {0.5, s.accent}, {0.55, s.deep}, {1, s.deep * 0.6}});
    cairo_fill(cr);
    t.x += tx + 11 - span.left;
    tag.top = style::kWhite;
    tag.middle = style::kWhite;
    tag.low = style::kGoldLight;
    tag.bottom = style::kWhite;
    style::draw_lettering(canvas, t, tag);
}

// The tray of fighter buttons: four dark sockets where the game draws them.
void tray(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double x = 44, y = 303, w = 376, h = 102;
    style::blade_path(cr, x, y, w, h, 0, 8);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, x + 2, y + 2, w - 4, h - 4, 0, 7);
    vertical_source(cr, y, y + h, {{0, hex(0x2a3264)}, {0.1, hex(0x161c44)}, {1, hex(0x0a0c26)}});
    cairo_fill(cr);
    horizontal_source(cr, x, x + w, {{0, style::kFire}, {0.5, style::kGold}, {1, style::kJade}});
    rect(cr, x + 8, y + 2, w - 16, 1.5);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double sx = 56 + 89 * i - 2, sy = 305, sh = 96;
        rect(cr, sx, sy, 89, sh);
        vertical_source(cr, sy, sy + sh, {{0, hex(0x03040e)}, {1, hex(0x101436)}});
        cairo_fill(cr);
        rect(cr, sx + 0.5, sy + 0.5, 88, sh - 1);
        set(cr, style::kSteel, 0.8);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

// The plate the game's prompt ("pressez une touche pour continuer", row 65)
// is printed on once both fighters are chosen, across the panels' inner edges.
void prompt_plate(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double w = 236, h = 26, x = 320 - w / 2, y = 61;
    style::blade_path(cr, x - 2, y - 2, w + 4, h + 4, 0, 8);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, x, y, w, h, 0, 7);
    vertical_source(cr, y, y + h, {{0, hex(0x1a1f4a)}, {1, hex(0x0c0f2a)}});
    cairo_fill(cr);
    horizontal_source(cr, x, x + w, {{0, style::kFire}, {0.5, style::kGold}, {1, style::kJade}});
    rect(cr, x + 8, y + h - 1.5, w - 16, 1.5);
    cairo_fill(cr);
}

void call_to_action(Canvas& canvas, const style::Fonts& fonts, const SelectCall& call) {
    const style::Lettering big = style::title_look(20);
    const style::Placed a = style::place_text(canvas, fonts.black, call.title, 20, 1.5, 320, 415, big.slant);
    style::draw_lettering(canvas, a, big);

    style::Lettering note;
    note.top = note.middle = hex(0xaab6e0);
    note.horizon = 1;
    note.rim_width = 0;
    note.bevel = 0;
    note.shadow_dx = note.shadow_dy = 1;
    const style::Placed n = style::place_text(canvas, fonts.sans, call.hint, 8, 0.4, 320, 454);
    style::draw_lettering(canvas, n, note);
}

}  // namespace

const SelectCall kChooseFighter{"CHOISISSEZ VOTRE COMBATTANT",
                                "le joueur 1 choisit d'abord, puis le joueur 2  —  Échap pour annuler"};
const SelectCall kChooseStage{"CHOISISSEZ L'ARÈNE", "flèches ou clic pour choisir  —  VS ou Entrée pour combattre"};

Image draw_select_screen(const style::Fonts& fonts, const SelectCall& call) {
    Canvas canvas(640, 480);
    backdrop(canvas);
    panel(canvas, fonts, {45, "JOUEUR 1", "1P", style::kFire, hex(0x6a1e10), false});
    panel(canvas, fonts, {325, "JOUEUR 2", "2P", style::kJade, hex(0x0a4a3a), true});
    prompt_plate(canvas);
    tray(canvas);
    versus_seal(canvas, fonts, 520, 354, 33);
    call_to_action(canvas, fonts, call);
    return style::to_opaque(canvas);
}

Image draw_stage_title_plate(const style::Fonts& fonts) {
    const Image screen = draw_select_screen(fonts, kChooseStage);
    const PixelRect r = kStageTitlePlate;
    Image plate(r.w, r.h);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) plate.set(x, y, screen.at(r.x + x, r.y + y));
    return plate;
}

}  // namespace menus
