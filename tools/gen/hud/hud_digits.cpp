// The countdown's digits: heavy numerals, white-hot at the top cooling to
// gold, in a dark outline with a drop shadow, so they read over a bright
// sky as well as a night one. All ten share one size, the largest at which
// the widest of them still fits.

#include <string>

#include "hud/hud_art.h"

namespace hud {

namespace {

constexpr double kTop = 3.3;   // the capitals' top row, leaving room for the rim
constexpr double kMaxCaps = 25;

style::Lettering digit_look(double caps) {
    style::Lettering l;
    l.top = style::kWhite;
    l.middle = style::kGoldLight;
    l.low = style::kGold;
    l.bottom = style::kGoldDeep;
    l.horizon = 0.5;
    l.rim_width = 2.2;
    l.shadow_dx = 1;
    l.shadow_dy = 2;
    l.bevel = caps * 0.03;
    return l;
}

// The digit's capitals height at which every digit fits the picture's width.
double digit_caps(Canvas& canvas, const style::Fonts& fonts) {
    double caps = kMaxCaps;
    for (int d = 0; d <= 9; ++d) {
        for (;;) {
            const style::Placed p =
                style::place_text(canvas, fonts.black, std::to_string(d), caps, 0, kDigitWidth / 2.0, kTop);
            const style::Span span = style::ink_span(p, digit_look(caps));
            if (span.right - span.left <= kDigitWidth - 2 || caps < 10) break;
            caps -= 0.25;
        }
    }
    return caps;
}

}  // namespace

Image draw_digit(const style::Fonts& fonts, int digit) {
    Canvas canvas(kDigitWidth, kDigitHeight);
    const double caps = digit_caps(canvas, fonts);
    const style::Lettering look = digit_look(caps);
    style::Placed p = style::place_text(canvas, fonts.black, std::to_string(digit), caps, 0, kDigitWidth / 2.0, kTop);
    // Centre the whole drawing, shadow included.
    const style::Span span = style::ink_span(p, look);
    p.x += (kDigitWidth - (span.right - span.left)) / 2 - span.left;
    style::draw_lettering(canvas, p, look);
    return style::to_sprite(canvas, look.rim);
}

}  // namespace hud
