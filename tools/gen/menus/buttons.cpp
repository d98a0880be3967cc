#include "menus/buttons.h"

#include <algorithm>
#include <cmath>

#include "common/output.h"
#include "producers.h"

namespace {

Rgb lerp(Rgb a, Rgb b, double t) {
    auto c = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
    return {c(a.r, b.r), c(a.g, b.g), c(a.b, b.b)};
}

}  // namespace

Image draw_plus_button() {
    const int n = kPlusSize;
    const double radius = 3.5;
    // Inside the rounded square when the pixel's centre is.
    auto inside = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= n || y >= n) return false;
        const double px = x + 0.5, py = y + 0.5;
        const double cx = std::clamp(px, radius, n - radius), cy = std::clamp(py, radius, n - radius);
        return std::hypot(px - cx, py - cy) <= radius;
    };
    auto rim = [&](int x, int y) {
        return inside(x, y) && !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1));
    };
    const Rgb kRim{10, 20, 12}, kTop{58, 112, 66}, kBottom{16, 40, 24}, kLight{120, 178, 118}, kShade{8, 24, 14};
    const Rgb kGoldTop{255, 228, 120}, kGoldBottom{222, 150, 28}, kCrossShadow{4, 12, 6};
    auto cross = [&](int x, int y) {
        const bool bar_v = (x == 6 || x == 7) && y >= 3 && y <= 10;
        const bool bar_h = (y == 6 || y == 7) && x >= 3 && x <= 10;
        return bar_v || bar_h;
    };

    Image img(n, n, kMaskColour);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (!inside(x, y)) continue;
            Rgb c;
            if (rim(x, y)) c = kRim;
            else if (rim(x, y - 1) || rim(x - 1, y)) c = lerp(kLight, kTop, 0.25);       // bevel catching the light
            else if (rim(x, y + 1) || rim(x + 1, y)) c = kShade;                          // and the shaded side
            else c = lerp(kTop, kBottom, (y - 2) / static_cast<double>(n - 5));
            if (cross(x - 1, y - 1) && !cross(x, y)) c = kCrossShadow;                    // the cross stands out
            if (cross(x, y)) c = lerp(kGoldTop, kGoldBottom, (y - 3) / 7.0);
            img.set(x, y, c);
        }
    return img;
}

void produce_menu_buttons(Context& ctx) { ctx.out.write_bmp("graphics/plus.bmp", draw_plus_button()); }
