// The pause panel, drawn over the stopped fight: a dark box with rounded
// corners in the menus' frame (ink, gold, a thin light line), "PAUSE" in
// chrome at its top over a gold rule, and calm wells where the game stacks
// its three buttons (pause_placements). Masked outside the border.

#include <cmath>

#include "audio/synth.h"  // kPi
#include "menus/menu_art.h"

using namespace scenery;

namespace menus {

Image draw_pause_panel(const style::Fonts& fonts) {
    const double w = kPausePanelWidth, h = kPausePanelHeight, r = 16;
    Canvas canvas(kPausePanelWidth, kPausePanelHeight);
    cairo_t* cr = canvas.cr();

    // The frame: ink, then gold, then the dark inside.
    style::rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, r);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::rounded_rect(cr, 3, 3, w - 6, h - 6, r - 2.5);
    linear_source(cr, 0, 0, w, h, {{0, style::kGoldLight}, {0.5, style::kGold}, {1, style::kGoldDeep}});
    cairo_fill(cr);
    style::rounded_rect(cr, 6, 6, w - 12, h - 12, r - 5);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::rounded_rect(cr, 7.5, 7.5, w - 15, h - 15, r - 6.5);
    vertical_source(cr, 0, h, {{0, hex(0x1a1d52)}, {0.3, hex(0x10133c)}, {1, hex(0x070920)}});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Faint diagonal light, as on the options board.
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 5; ++i) {
        const double x = -120 + i * 120;
        polygon(cr, {x, h, x + 36, h, x + 300, 0, x + 264, 0});
        set(cr, hex(0x8aa0ff), 0.02 + 0.01 * (i % 2));
        cairo_fill(cr);
    }
    radial_source(cr, w / 2, 40, 220, {{0, hex(0x5a2a9a), 0.35}, {1, hex(0x5a2a9a), 0}});
    cairo_paint(cr);
    cairo_restore(cr);
    style::rounded_rect(cr, 9, 9, w - 18, h - 18, r - 8);
    set(cr, style::kWhite, 0.18);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // The title over a gold rule with a diamond at each end.
    ruled_title(canvas, fonts, "PAUSE", 36, 4, w / 2, 26, 88.5, 30, w - 30, 120);

    // A dark well behind each button, a little larger than it.
    for (const Placement& p : pause_placements()) {
        const double bx = p.x - kPausePanelX, by = p.y - kPausePanelY;
        style::blade_path(cr, bx - 10, by - 4, kPauseButtonWidth + 20, 36, 12, 4);
        set(cr, hex(0x04050f), 0.6);
        cairo_fill_preserve(cr);
        set(cr, style::kSteelLight, 0.16);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }

    // A short gold rule to close the panel.
    const double foot = h - 34.5;
    horizontal_source(cr, w / 2 - 90, w / 2 + 90, {{0, style::kGold, 0}, {0.5, style::kGold, 0.8}, {1, style::kGold, 0}});
    cairo_move_to(cr, w / 2 - 90, foot);
    cairo_line_to(cr, w / 2 + 90, foot);
    cairo_stroke(cr);
    set(cr, style::kGoldLight);
    polygon(cr, {w / 2, foot - 4, w / 2 + 4, foot, w / 2, foot + 4, w / 2 - 4, foot});
    cairo_fill(cr);
    return style::to_sprite(canvas);
}

}  // namespace menus
