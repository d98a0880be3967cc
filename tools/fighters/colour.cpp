#include "colour.h"

#include <algorithm>
#include <cmath>

Rgb scale(Rgb c, double k) {
    auto f = [k](std::uint8_t v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v * k), 0L, 255L)); };
    return {f(c.r), f(c.g), f(c.b)};
}

Rgb blend(Rgb a, Rgb b, double f) {
    auto m = [f](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(x + (y - x) * f), 0L, 255L));
    };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

void set_colour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void add_stop(cairo_pattern_t* p, double at, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, at, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

Rgb shadow_of(Rgb c) { return blend(scale(c, 0.64), Rgb{34, 30, 78}, 0.16); }
