// The results screen after a match. The game draws over it: the winner's
// portrait (270 x 240, its close-up band on its rows 73 to 140) at
// (40, 110), the winner's name and the rounds on the right between rows
// 112 and 214 (menus/screen_texts.h), and three buttons stacked at the
// bottom from row 364. So the backdrop gives the portrait a gold frame with
// a lit slot for its band, the texts a calm plate, the buttons a tray, and
// fills the rest with the winner's seal under a golden light.

#include <algorithm>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "menus/menu_art.h"
#include "menus/screen_texts.h"

using namespace scenery;

namespace menus {

namespace {

const Colour kDeepGold = hex(0x5a3408);

void backdrop(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 0, 480, {{0, hex(0x05061a)}, {0.5, hex(0x141440)}, {0.78, hex(0x0c0c2a)}, {1, hex(0x040410)}});
    cairo_paint(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    // A golden spotlight on the winner, a fainter one over the seal.
    for (const auto& [x, strength] : {std::pair{175.0, 0.2}, std::pair{471.0, 0.1}}) {
        polygon(cr, {x - 30, 0, x + 30, 0, x + 200, 480, x - 200, 480});
        vertical_source(cr, 0, 480, {{0, style::kGold, strength}, {1, style::kGold, 0.0}});
        cairo_fill(cr);
    }
    radial_source(cr, 600, 40, 300, {{0, hex(0x5a2a9a), 0.3}, {1, hex(0x5a2a9a), 0}});
    cairo_paint(cr);
    cairo_restore(cr);
    grain(canvas, 0, 0, 640, 480, 0.015, 13);
}


// The tag over the plate, and the plate: dark and even where the texts go.
void plate(Canvas& canvas, const style::Fonts& fonts) {
    cairo_t* cr = canvas.cr();
    const ScreenBox a = kResultsTextArea;
    const double x = a.x0, y = a.y0, w = a.x1 - a.x0, h = a.y1 - a.y0;
    style::blade_path(cr, x - 2, y - 2, w + 4, h + 4, 0, 10);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, x, y, w, h, 0, 9);
    set(cr, hex(0x0b0d2a));
    cairo_fill(cr);
    // Gold edging along its top and bottom, fading out towards its ends.
    for (const double ry : {y + 2, y + h - 3.5}) {
        horizontal_source(cr, x, x + w, {{0, style::kGold, 0}, {0.5, style::kGold, 0.9}, {1, style::kGold, 0}});
        rect(cr, x + 10, ry, w - 20, 1.5);
        cairo_fill(cr);
    }

    style::Lettering tag = style::gold_look(12);
    tag.line_width = 0;
    tag.rim_width = 1.3;
    tag.shadow_dx = tag.shadow_dy = 1;
    tag.bevel = 0;
    tag.slant = 0.1;
    tag.top = tag.middle = tag.bottom = style::kWhite;
    tag.low = style::kGoldLight;
    style::Placed t = style::place_text(canvas, fonts.bold, "VAINQUEUR", 11, 2, 0, y - 16, tag.slant);
    const style::Span span = style::ink_span(t, tag);
    const double tw = span.right - span.left + 22, tx = x + 14;
    style::blade_path(cr, tx, y - 20, tw, 19, 6, 0);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, tx + 1.5, y - 18.5, tw - 3, 16, 5, 0);
    vertical_source(cr, y - 19, y - 2,
                    {{0, style::kGoldLight}, {0.5, style::kGold}, {0.55, style::kGoldDeep}, {1, kDeepGold}});
    cairo_fill(cr);
    t.x += tx + 11 - span.left;
    style::draw_lettering(canvas, t, tag);
}

// The winner's seal: a gold medallion with a star, rays behind it.
void seal(Canvas& canvas, double cx, double cy, double r) {
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 5; ++i) {
        const double y = cy + (i * 8 - 16), len = 78 - std::abs(i - 2) * 18;
        horizontal_source(cr, cx - r - len, cx - r, {{0, style::kGold, 0}, {1, style::kGold, 0.7}});
        rect(cr, cx - r - len, y, len, 1.5);
        cairo_fill(cr);
        horizontal_source(cr, cx + r, cx + r + len, {{0, style::kGold, 0.7}, {1, style::kGold, 0}});
        rect(cr, cx + r, y, len, 1.5);
        cairo_fill(cr);
    }
    Canvas halo(640, 480);
    cairo_arc(halo.cr(), cx, cy, r, 0, 2 * kPi);
    set(halo.cr(), style::kGold);
    cairo_fill(halo.cr());
    halo.blur(14);
    canvas.paint(halo, CAIRO_OPERATOR_ADD, 0.5);
    cairo_arc(cr, cx, cy, r + 3, 0, 2 * kPi);
    set(cr, style::kInk);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    linear_source(cr, cx - r, cy - r, cx + r, cy + r,
                  {{0, style::kGoldLight}, {0.5, style::kGold}, {1, style::kGoldDeep}});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 5, 0, 2 * kPi);
    radial_source(cr, cx, cy - 8, r, {{0, hex(0x8a1a14)}, {0.7, hex(0x3a0810)}, {1, hex(0x1a040a)}});
    cairo_fill(cr);
    auto star = [&](double outer, double inner) {
        for (int i = 0; i < 10; ++i) {
            const double a = -kPi / 2 + kPi * i / 5, rr = i % 2 == 0 ? outer : inner;
            if (i == 0) cairo_move_to(cr, cx + rr * std::cos(a), cy + 2 + rr * std::sin(a));
            else cairo_line_to(cr, cx + rr * std::cos(a), cy + 2 + rr * std::sin(a));
        }
        cairo_close_path(cr);
    };
    star(r * 0.62, r * 0.26);
    set(cr, style::kInk);
    cairo_set_line_width(cr, 3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    vertical_source(cr, cy - r * 0.6, cy + r * 0.6, {{0, style::kWhite}, {0.45, style::kGoldLight}, {1, style::kGold}});
    cairo_fill(cr);
}

}  // namespace

Image draw_results_screen(const style::Fonts& fonts) {
    Canvas canvas(640, 480);
    backdrop(canvas);
    page_title(canvas, fonts, "RÉSULTATS", 36, 36, 88.5);
    button_tray(canvas, 352, style::kGold);
    portrait_frame(canvas, kResultsPortraitX, kResultsPortraitY,
                   {kDeepGold, style::kGold, {style::kGoldLight, style::kGold, style::kGoldDeep}, true, false});
    plate(canvas, fonts);
    seal(canvas, (kResultsTextArea.x0 + kResultsTextArea.x1) / 2, 286, 40);
    return style::to_opaque(canvas);
}

// A laurel wreath open at the top: two branches curving up from the
// bottom of a circle, leaves on both sides of each, smaller towards the tips.
void laurels(cairo_t* cr, double cx, double cy, double r, double strength) {
    const double k = r / 36;  // drawn first at radius 36
    for (const double side : {-1.0, 1.0}) {
        const double from = kPi / 2 - side * 0.3, to = kPi / 2 - side * (kPi / 2 + 0.95);
        cairo_new_sub_path(cr);
        if (side < 0) cairo_arc(cr, cx, cy, r, from, to);
        else cairo_arc_negative(cr, cx, cy, r, from, to);
        set(cr, style::kGold, std::min(1.0, 0.35 * strength));
        cairo_set_line_width(cr, 1.6 * k);
        cairo_stroke(cr);
        const int leaves = 7;
        for (int i = 0; i < leaves; ++i) {
            const double t = (i + 0.5) / leaves, a = from + (to - from) * t;
            const double size = (1 - 0.45 * t) * k;
            for (const double out : {-1.0, 1.0}) {
                const double lr = r + out * 5 * size;
                cairo_save(cr);
                cairo_translate(cr, cx + std::cos(a) * lr, cy + std::sin(a) * lr);
                // Along the branch, towards its tip, tilted away from it.
                cairo_rotate(cr, a - side * kPi / 2 + out * side * 0.5);
                cairo_scale(cr, 7 * size, 2.6 * size);
                cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
                cairo_restore(cr);
                set(cr, mix(style::kGoldDeep, style::kGold, 0.3 + 0.5 * t), std::min(1.0, 0.55 * strength));
                cairo_fill(cr);
            }
        }
    }
}

void portrait_frame(Canvas& canvas, double x, double y, const FrameTint& tint) {
    cairo_t* cr = canvas.cr();
    const double w = kPortraitWidth, h = kPortraitHeight;
    Canvas halo(640, 480);
    rect(halo.cr(), x - 2, y - 2, w + 4, h + 4);
    set(halo.cr(), tint.light, 0.9);
    cairo_set_line_width(halo.cr(), 6);
    cairo_stroke(halo.cr());
    halo.blur(9);
    canvas.paint(halo, CAIRO_OPERATOR_ADD, 0.6);

    rect(cr, x, y, w, h);
    vertical_source(cr, y, y + h, {{0, tint.deep * 0.45}, {0.45, tint.deep * 0.3}, {1, hex(0x06071c)}});
    cairo_fill(cr);
    const double band_top = y + kPortraitBandTop, band_h = kPortraitBandBottom - kPortraitBandTop;
    rect(cr, x, band_top, w, band_h);
    radial_source(cr, x + w / 2, band_top + band_h / 2, w * 0.6,
                  {{0, mix(tint.deep, style::kWhite, 0.2)}, {0.6, tint.deep * 0.6}, {1, hex(0x05061a)}});
    cairo_fill(cr);
    // Rays rising from under the band across the panel's upper part.
    cairo_save(cr);
    rect(cr, x, y, w, band_h + band_top - y);
    cairo_clip(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = kPi * (1.05 + i / 15.0 * 0.9);
        const double cx = x + w / 2, cy = band_top + band_h + 30;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a - 0.03) * 300, cy + std::sin(a - 0.03) * 300);
        cairo_line_to(cr, cx + std::cos(a + 0.03) * 300, cy + std::sin(a + 0.03) * 300);
        cairo_close_path(cr);
        set(cr, tint.light, 0.08);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    for (const double ry : {band_top - 2, band_top + band_h}) {
        horizontal_source(cr, x, x + w, {{0, tint.light, 0.1}, {0.5, tint.light, 0.8}, {1, tint.light, 0.1}});
        rect(cr, x, ry, w, 2);
        cairo_fill(cr);
    }
    if (tint.laurels) laurels(cr, x + w / 2, band_top + band_h + 52, 36);

    rect(cr, x - 3.5, y - 3.5, w + 7, h + 7);
    set(cr, style::kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    rect(cr, x - 1, y - 1, w + 2, h + 2);
    linear_source(cr, x, y, x + w, y + h, {{0, tint.metal[0]}, {0.5, tint.metal[1]}, {1, tint.metal[2]}});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    rect(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    set(cr, style::kWhite, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Brackets on the corners (on the results screen, the left ones only,
    // clear of the plate on the right).
    set(cr, tint.metal[0]);
    cairo_set_line_width(cr, 3);
    for (const double cx : {x - 6.0, x + w + 6}) {
        if (cx > x && !tint.brackets_right) continue;
        const double dx = cx < x ? 18 : -18;
        for (const double cy : {y - 6.0, y + h + 6}) {
            const double dy = cy < y ? 18 : -18;
            cairo_move_to(cr, cx + dx, cy);
            cairo_line_to(cr, cx, cy);
            cairo_line_to(cr, cx, cy + dy);
            cairo_stroke(cr);
        }
    }
}

void button_tray(Canvas& canvas, double top, Colour rule) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, top, 480, {{0, hex(0x04050f), 0}, {0.1, hex(0x04050f), 0.7}, {1, hex(0x04050f), 0.9}});
    rect(cr, 0, top, 640, 480 - top);
    cairo_fill(cr);
    horizontal_source(cr, 0, 640, {{0, rule, 0}, {0.5, rule, 0.7}, {1, rule, 0}});
    rect(cr, 0, top + 3, 640, 1);
    cairo_fill(cr);
    // Light lines receding under the buttons, as on the selection screen.
    for (int i = 0; i < 7; ++i) {
        const double y = top + 8 + std::pow(i / 6.0, 1.6) * (470 - top);
        set(cr, style::kSteelLight, 0.04 + 0.04 * i / 6.0);
        rect(cr, 0, std::round(y), 640, 1);
        cairo_fill(cr);
    }
}

}  // namespace menus
