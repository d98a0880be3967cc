// The fighters' name plates: a dark steel blade under the life bar with the
// name in silver capitals. The same picture serves both sides, so it is
// symmetrical: the name in the middle, gold slashes at both ends where the
// plate is longer than the name.

#include <algorithm>
#include <cmath>

#include "hud/hud_art.h"

namespace hud {

namespace {

constexpr double kLean = 7;
constexpr double kCaps = 13;
constexpr double kTracking = 1.6;

}  // namespace

const std::vector<Plate>& plates() {
    static const std::vector<Plate> list{
        {"graphics/shiz.bmp", "SHIZ", 530},
        {"graphics/talon.bmp", "TALON", 500},
        {"graphics/vishvakarman.bmp", "VISHVAKARMAN", 375},
        {"graphics/panda.bmp", "LE PANDA", 480},
    };
    return list;
}

Image draw_plate(const style::Fonts& fonts, const Plate& plate) {
    const int w = plate.width(), h = kPlateHeight;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();

    // The blade: a dark rim, then steel darkening downwards, lit along its top.
    style::blade_path(cr, 0.5, 0.5, w - 1, h - 1, kLean, 2);
    scenery::set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, 1.5, 1.5, w - 3, h - 3, kLean - 0.5, 1.5);
    scenery::vertical_source(cr, 1.5, h - 1.5,
                             {{0, scenery::hex(0x4a5a8c)},
                              {0.18, scenery::hex(0x2a3560)},
                              {0.55, scenery::hex(0x161c3a)},
                              {1, scenery::hex(0x0c1028)}});
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    scenery::set(cr, style::kGold, 0.9);
    cairo_move_to(cr, kLean + 2, 2);
    cairo_line_to(cr, w - 3, 2);
    cairo_stroke(cr);

    const style::Placed name = style::place_text(canvas, fonts.condensed, plate.name, kCaps, kTracking, w / 2.0,
                                                 std::round((h - kCaps) / 2), 0.12);
    style::Lettering look;
    look.top = style::kWhite;
    look.middle = scenery::hex(0xdce6ff);
    look.low = scenery::hex(0x8ea4dc);
    look.bottom = scenery::hex(0xc8d6ff);
    look.horizon = 0.55;
    look.rim_width = 1.2;
    look.shadow_dx = 1;
    look.shadow_dy = 1;
    look.bevel = 0;
    look.slant = 0.12;
    const style::Span span = style::ink_span(name, look);

    // Gold slashes in the room left at each end.
    const double room = std::min(span.left, w - span.right) - kLean;
    const int slashes = std::clamp(static_cast<int>(room / 9), 0, 3);
    for (int i = 0; i < slashes; ++i)
        for (const bool right : {false, true}) {
            const double x = right ? span.right + 4 + i * 7 : span.left - 9 - i * 7;
            cairo_move_to(cr, x + 4, 5);
            cairo_line_to(cr, x + 7, 5);
            cairo_line_to(cr, x + 3, h - 5);
            cairo_line_to(cr, x, h - 5);
            cairo_close_path(cr);
            const double fade = 1.0 - 0.3 * i;
            scenery::set(cr, scenery::mix(style::kGoldDeep, style::kGold, fade));
            cairo_fill(cr);
        }

    style::draw_lettering(canvas, name, look);
    return style::to_sprite(canvas);
}

}  // namespace hud
