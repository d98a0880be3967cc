// Small HUD pictures: the marks under the life bars counting the rounds a
// fighter has won, and the glyphs the move list spells its commands with.
// Both are read at a glance at a few pixels' size: flat bold shapes in a
// dark outline, lit from the top.

#include <array>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "hud/hud_art.h"

namespace hud {

namespace {

using scenery::hex;

void star_path(cairo_t* cr, double cx, double cy, double outer, double inner) {
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + kPi * i / 5, r = i % 2 == 0 ? outer : inner;
        if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

// The points of an arrow pointing right across a square cell of size n,
// turned by `quarter` quarter turns clockwise (0 right, 1 down, 2 left, 3 up).
void arrow_path(cairo_t* cr, double n, int quarter) {
    const double c = n / 2;
    // In units of the cell, around its centre.
    static const std::array<std::array<double, 2>, 7> kPoints{{
        {-0.36, -0.12}, {0.0, -0.12}, {0.0, -0.35}, {0.37, 0.0}, {0.0, 0.35}, {0.0, 0.12}, {-0.36, 0.12},
    }};
    for (std::size_t i = 0; i < kPoints.size(); ++i) {
        double x = kPoints[i][0], y = kPoints[i][1];
        for (int q = 0; q < quarter; ++q) {
            const double t = x;
            x = -y;
            y = t;
        }
        if (i == 0) cairo_move_to(cr, c + x * n, c + y * n);
        else cairo_line_to(cr, c + x * n, c + y * n);
    }
    cairo_close_path(cr);
}

void arrow(Canvas& canvas, double left, int quarter) {
    cairo_t* cr = canvas.cr();
    const double n = kGlyphCell;
    cairo_save(cr);
    cairo_translate(cr, left, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    arrow_path(cr, n, quarter);
    scenery::set(cr, style::kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    cairo_fill_preserve(cr);
    // Gold lit from above, whichever way it points, with a light top edge.
    scenery::vertical_source(cr, 3, n - 3,
                             {{0, style::kGoldLight}, {0.45, style::kGold}, {0.55, hex(0xf0a020)}, {1, style::kGoldDeep}});
    cairo_fill(cr);
    arrow_path(cr, n, quarter);
    cairo_clip(cr);
    arrow_path(cr, n, quarter);
    cairo_translate(cr, 0, 1.2);
    cairo_set_line_width(cr, 1.4);
    scenery::set(cr, hex(0x5a2004), 0.55);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A round arcade button with its letter.
void button(Canvas& canvas, const style::Fonts& fonts, double left, const char* letter, scenery::Colour light,
            scenery::Colour mid, scenery::Colour deep) {
    cairo_t* cr = canvas.cr();
    const double c = kGlyphCell / 2.0, cx = left + c, r = c - 2.2;
    cairo_arc(cr, cx, c, r + 1.6, 0, 2 * kPi);
    scenery::set(cr, style::kInk);
    cairo_fill(cr);
    cairo_arc(cr, cx, c, r, 0, 2 * kPi);
    scenery::linear_source(cr, cx, c - r, cx, c + r, {{0, light}, {0.5, mid}, {1, deep}});
    cairo_fill(cr);
    // A glossy cap on its upper half.
    cairo_save(cr);
    cairo_translate(cr, cx, c - r * 0.42);
    cairo_scale(cr, r * 0.7, r * 0.38);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    scenery::set(cr, style::kWhite, 0.28);
    cairo_fill(cr);

    style::Lettering look;
    look.top = look.middle = style::kWhite;
    look.low = look.bottom = hex(0xe6ecff);
    look.horizon = 0.6;
    look.rim_width = 1.6;
    look.shadow_dx = 0.8;
    look.shadow_dy = 1;
    look.bevel = 0;
    const double caps = 12;
    style::Placed p = style::place_text(canvas, fonts.black, letter, caps, 0, cx, c - caps / 2);
    style::draw_lettering(canvas, p, look);
}

}  // namespace

Image draw_round_mark(bool won) {
    const double n = kMarkSize, c = n / 2;
    Canvas canvas(kMarkSize, kMarkSize);
    cairo_t* cr = canvas.cr();
    // The same silhouette either way: the dark rim around the medallion.
    cairo_arc(cr, c, c, c - 0.6, 0, 2 * kPi);
    scenery::set(cr, style::kInk);
    cairo_fill(cr);
    if (won) {
        // A gold rim around a deep red face carrying a gold star.
        cairo_arc(cr, c, c, c - 1.8, 0, 2 * kPi);
        scenery::linear_source(cr, 2, 2, n - 2, n - 2, {{0, style::kGoldLight}, {0.5, style::kGold}, {1, style::kGoldDeep}});
        cairo_fill(cr);
        cairo_arc(cr, c, c, c - 3.8, 0, 2 * kPi);
        scenery::radial_source(cr, c, c - 2, c, {{0, hex(0xb02418)}, {0.7, hex(0x5a0c10)}, {1, hex(0x2a0408)}});
        cairo_fill(cr);
        star_path(cr, c, c + 0.5, 5.6, 2.4);
        scenery::set(cr, style::kInk);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke_preserve(cr);
        scenery::vertical_source(cr, c - 5, c + 5, {{0, style::kWhite}, {0.45, style::kGoldLight}, {1, style::kGold}});
        cairo_fill(cr);
    } else {
        // An empty socket: a dull steel rim around a recessed dark face,
        // only the star's outline left.
        cairo_arc(cr, c, c, c - 1.8, 0, 2 * kPi);
        scenery::linear_source(cr, 2, 2, n - 2, n - 2, {{0, style::kSteel}, {1, style::kSteelDark}});
        cairo_fill(cr);
        cairo_arc(cr, c, c, c - 3.8, 0, 2 * kPi);
        scenery::vertical_source(cr, 4, n - 4, {{0, hex(0x04050e)}, {1, hex(0x141a38)}});
        cairo_fill(cr);
        star_path(cr, c, c + 0.5, 5.6, 2.4);
        scenery::set(cr, hex(0x2c375e));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    return style::to_sprite(canvas);
}

Image draw_glyph_strip(const style::Fonts& fonts) {
    Canvas canvas(kGlyphCell * kGlyphCount, kGlyphCell);
    auto left = [](Glyph g) { return static_cast<int>(g) * static_cast<double>(kGlyphCell); };
    arrow(canvas, left(Glyph::Forward), 0);
    arrow(canvas, left(Glyph::Back), 2);
    arrow(canvas, left(Glyph::Up), 3);
    arrow(canvas, left(Glyph::Down), 1);
    button(canvas, fonts, left(Glyph::Punch), "P", hex(0xffb060), style::kFire, style::kFireDeep);
    button(canvas, fonts, left(Glyph::Kick), "K", hex(0x9ad8ff), style::kAzure, hex(0x1a3a9a));
    return style::to_sprite(canvas);
}

}  // namespace hud
