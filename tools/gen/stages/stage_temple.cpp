// A temple courtyard at dusk: a carved gateway tower on the left, a curved
// spire over its pillared hall on the right, a cloister between them, strings
// of lanterns just lit, palms against a sky going from gold to indigo, and
// the edge of a stone step on the ground line.

#include <array>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "stages/scenery.h"
#include "stages/stages.h"

using namespace scenery;

namespace {

constexpr double kHorizon = 500;
constexpr double kCourtBack = 522;  // the foot of the cloister wall

const Colour kSkyTop = hex(0x15123a), kSkyViolet = hex(0x3e2660), kSkyRose = hex(0x9a3d6a), kSkyCoral = hex(0xe0666a),
             kSkyGold = hex(0xf7a45a), kSkyLow = hex(0xffcf7e);
const Colour kAir = hex(0xd98a78);          // the haze at dusk, warm
const Colour kStoneLit = hex(0xdc9a68), kStoneMid = hex(0x8e5c5c), kStoneShade = hex(0x4a3052);
const Colour kFlame = hex(0xffb347), kLanternRed = hex(0xe0402a), kGold = hex(0xe8b45a);
const Colour kDark = hex(0x2a1a30);

// Stone lit by the afterglow from the right and by the violet sky from the left.
void stone_source(cairo_t* cr, double x0, double x1, double k = 1.0) {
    horizontal_source(cr, x0, x1, {{0, kStoneShade * k}, {0.45, kStoneMid * k}, {1, kStoneLit * k}});
}

// Thin bands of cloud lit from below by the sun that has just set.
void afterglow_clouds(Canvas& canvas, double y0, double y1, std::uint32_t seed) {
    shade(canvas, 0, static_cast<int>(y0), canvas.width(), static_cast<int>(y1), [&](int x, int y) -> Rgba {
        const double band = std::sin((y - y0) / (y1 - y0) * kPi);
        const double n = fbm(x * 0.0035, y * 0.045, seed, 5);
        const double a = std::clamp((n - 0.52) * 4.0, 0.0, 1.0) * band;
        if (a <= 0) return {};
        const double low = (y - y0) / (y1 - y0);  // lower clouds are lit more golden
        const Colour c = mix(mix(hex(0x6a3a6a), kSkyCoral, low), kSkyLow, std::clamp((n - 0.6) * 3, 0.0, 1.0) * low);
        return {c.r, c.g, c.b, a * 0.85};
    });
}

void stars(cairo_t* cr, Rng& rng, double width, double bottom) {
    for (int i = 0; i < 220; ++i) {
        const double x = rng.uniform() * width, y = std::pow(rng.uniform(), 1.6) * bottom;
        const double fade = 1 - y / bottom;
        const double b = rng.range(0.3, 1.0) * fade;
        set(cr, {1, 0.96, 0.9}, b);
        const double s = rng.uniform() < 0.08 ? 1.6 : 1.0;
        rect(cr, x, y, s, s);
        cairo_fill(cr);
        if (s > 1) glow(cr, x + 0.8, y + 0.8, 5, {0.8, 0.85, 1}, 0.3 * fade);
    }
}

// A carved gateway tower: a solid stone base with its door, tiers of niches
// narrowing upwards, and a barrel-vaulted crown with a row of finials.
void gopuram(Canvas& canvas, Rng& rng, double cx, double base_y, double base_w, double top_y) {
    cairo_t* cr = canvas.cr();
    const double total = base_y - top_y;
    const double plinth_h = total * 0.22, vault_h = total * 0.07;
    const double plinth_top = base_y - plinth_h;
    // Base: two storeys of moulded granite.
    stone_source(cr, cx - base_w / 2, cx + base_w / 2, 0.9);
    rect(cr, cx - base_w / 2, plinth_top, base_w, plinth_h);
    cairo_fill(cr);
    for (double y = plinth_top + 6; y < base_y; y += 11) {
        set(cr, kDark, 0.35);
        rect(cr, cx - base_w / 2, y, base_w, 1.5);
        cairo_fill(cr);
        set(cr, kStoneLit, 0.25);
        rect(cr, cx - base_w / 2, y + 1.5, base_w, 1);
        cairo_fill(cr);
    }
    // Pilasters on the base.
    for (double f = -0.42; f <= 0.43; f += 0.14) {
        if (std::fabs(f) < 0.1) continue;
        const double x = cx + f * base_w;
        stone_source(cr, x - 5, x + 5, 1.05);
        rect(cr, x - 5, plinth_top + 4, 10, plinth_h - 4);
        cairo_fill(cr);
    }
    // The doorway, lamp-lit inside.
    const double dw = base_w * 0.17, dh = plinth_h * 0.82;
    set(cr, kDark);
    rect(cr, cx - dw / 2 - 6, base_y - dh - 6, dw + 12, dh + 6);
    cairo_fill(cr);
    vertical_source(cr, base_y - dh, base_y, {{0, hex(0x3a1c18)}, {0.6, hex(0x8a4420)}, {1, hex(0xd88a3a)}});
    rect(cr, cx - dw / 2, base_y - dh, dw, dh);
    cairo_fill(cr);
    glow(cr, cx, base_y - 10, dw * 1.2, kFlame, 0.35);

    // Tiers.
    const int tiers = 7;
    const double tower_bottom = plinth_top, tower_top = top_y + vault_h;
    const double tier_h = (tower_bottom - tower_top) / tiers;
    for (int i = 0; i < tiers; ++i) {
        const double t0 = static_cast<double>(i) / tiers, t1 = static_cast<double>(i + 1) / tiers;
        const double w0 = base_w * (0.9 - 0.5 * t0), w1 = base_w * (0.9 - 0.5 * t1);
        const double yb = tower_bottom - i * tier_h, yt = yb - tier_h;
        // The tier's wall, stepping in.
        polygon(cr, {cx - w0 / 2, yb, cx - w1 / 2 - 2, yt + 4, cx + w1 / 2 + 2, yt + 4, cx + w0 / 2, yb});
        stone_source(cr, cx - w0 / 2, cx + w0 / 2);
        cairo_fill(cr);
        // Niches with their figures and little pavilion roofs over them.
        const int niches = std::max(3, static_cast<int>(w0 / 26));
        for (int n = 0; n < niches; ++n) {
            const double u = (n + 0.5) / niches - 0.5;
            const double nx = cx + u * (w0 + w1) / 2 * 0.92, nw = (w0 + w1) / 2 / niches * 0.55;
            const double ny = yt + tier_h * 0.32, nh = tier_h * 0.5;
            const double lit = 0.5 + u;  // brighter towards the afterglow
            set(cr, mix(hex(0x1e1028), hex(0x4a2430), lit));
            rect(cr, nx - nw / 2, ny, nw, nh);
            cairo_arc(cr, nx, ny, nw / 2, kPi, 2 * kPi);
            cairo_fill(cr);
            // A figure standing in the niche, caught by the light on one side.
            set(cr, mix(kStoneShade, kStoneLit, lit * 0.8));
            cairo_arc(cr, nx, ny + nh * 0.15, nw * 0.18, 0, kTwoPi);
            cairo_fill(cr);
            polygon(cr, {nx - nw * 0.22, ny + nh, nx - nw * 0.16, ny + nh * 0.3, nx + nw * 0.16, ny + nh * 0.3, nx + nw * 0.22, ny + nh});
            cairo_fill(cr);
            // Kudu roof: a horseshoe arch above.
            set(cr, mix(kStoneShade, kStoneLit, lit), 0.9);
            cairo_set_line_width(cr, 1.5);
            cairo_arc(cr, nx, ny - 1, nw * 0.7, kPi * 1.05, kPi * 1.95);
            cairo_stroke(cr);
            if (rng.uniform() < 0.5) {
                set(cr, kGold, 0.8);
                rect(cr, nx - 0.5, ny - nw * 0.7 - 4, 1.5, 3);
                cairo_fill(cr);
            }
        }
        // The ledge at the foot of the tier: lit on top, shadow under.
        const double lw = w0 + 10;
        set(cr, kDark, 0.55);
        rect(cr, cx - lw / 2, yb - 1, lw, 4);
        cairo_fill(cr);
        horizontal_source(cr, cx - lw / 2, cx + lw / 2, {{0, kStoneMid * 0.8}, {1, kStoneLit * 1.08}});
        rect(cr, cx - lw / 2, yb - 4, lw, 3);
        cairo_fill(cr);
    }
    // Crown: a barrel vault with horn-like ends and a row of finials.
    const double vw = base_w * 0.44, vy = top_y + vault_h;
    cairo_move_to(cr, cx - vw / 2, vy);
    cairo_curve_to(cr, cx - vw / 2 - 8, vy - vault_h * 0.6, cx - vw / 2 + 4, top_y - 4, cx - vw / 2 + 14, top_y + 2);
    cairo_line_to(cr, cx + vw / 2 - 14, top_y + 2);
    cairo_curve_to(cr, cx + vw / 2 - 4, top_y - 4, cx + vw / 2 + 8, vy - vault_h * 0.6, cx + vw / 2, vy);
    cairo_close_path(cr);
    vertical_source(cr, top_y, vy, {{0, kStoneLit * 1.05}, {0.5, kStoneMid}, {1, kStoneShade}});
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        const double fx = cx - vw / 2 + 16 + i * (vw - 32) / 6;
        vertical_source(cr, top_y - 16, top_y + 2, {{0, kSkyLow}, {0.5, kGold}, {1, kGold * 0.6}});
        cairo_arc(cr, fx, top_y - 3, 3.5, 0, kTwoPi);
        cairo_fill(cr);
        polygon(cr, {fx - 1.5, top_y - 5, fx, top_y - 16, fx + 1.5, top_y - 5});
        cairo_fill(cr);
    }
}

// A curved spire: bands of masonry swelling out and curving in to a ribbed
// cushion stone, a pot finial and a pennant; smaller spires cling to its sides.
void shikhara(Canvas& canvas, double cx, double base_y, double half_w, double top_y, bool main) {
    cairo_t* cr = canvas.cr();
    const double h = base_y - top_y;
    const double cut = 0.9;
    auto hw = [&](double t) { return half_w * std::sqrt(std::max(0.0, 1 - std::pow(t, 2.6))) * (1 - 0.12 * t); };
    cairo_move_to(cr, cx - hw(0), base_y);
    for (int i = 0; i <= 40; ++i) {
        const double t = cut * i / 40;
        cairo_line_to(cr, cx - hw(t), base_y - t * h);
    }
    for (int i = 40; i >= 0; --i) {
        const double t = cut * i / 40;
        cairo_line_to(cr, cx + hw(t), base_y - t * h);
    }
    cairo_close_path(cr);
    stone_source(cr, cx - half_w, cx + half_w);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Courses: each band a shade darker under its lip.
    for (double y = base_y - 8; y > base_y - cut * h; y -= 9) {
        set(cr, kDark, 0.4);
        rect(cr, cx - half_w, y, half_w * 2, 2);
        cairo_fill(cr);
        set(cr, kStoneLit, 0.2);
        rect(cr, cx - half_w, y - 1, half_w * 2, 1);
        cairo_fill(cr);
    }
    // A mesh of little horseshoe arches over the surface, row by row.
    int row = 0;
    for (double y = base_y - 12; y > base_y - cut * h + 10; y -= 18, ++row) {
        const double t = (base_y - y) / h, w = hw(t);
        for (double x = cx - w + (row % 2) * 7; x < cx + w - 4; x += 14) {
            const double lit = (x - cx + w) / (2 * w);
            set(cr, mix(kDark, kStoneMid, lit * 0.6), 0.55);
            cairo_arc(cr, x + 3.5, y, 3.5, kPi, 2 * kPi);
            cairo_line_to(cr, x + 7, y + 5);
            cairo_line_to(cr, x, y + 5);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    }
    // The central spine and two side ribs, following the curve.
    for (double f : {-0.55, 0.0, 0.55}) {
        cairo_move_to(cr, cx + f * hw(0) * 0.5, base_y);
        for (int i = 0; i <= 30; ++i) {
            const double t = cut * i / 30;
            cairo_line_to(cr, cx + f * hw(t) * 0.5, base_y - t * h);
        }
        set(cr, f >= 0 ? kStoneLit * 1.05 : kStoneMid, f == 0 ? 0.55 : 0.35);
        cairo_set_line_width(cr, f == 0 ? half_w * 0.16 : half_w * 0.08);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    // Cushion stone, pot and pennant.
    const double ay = base_y - cut * h, aw = hw(cut) * 1.5;
    cairo_save(cr);
    cairo_translate(cr, cx, ay - 5);
    cairo_scale(cr, aw, 7);
    cairo_arc(cr, 0, 0, 1, 0, kTwoPi);
    cairo_restore(cr);
    stone_source(cr, cx - aw, cx + aw, 1.05);
    cairo_fill(cr);
    set(cr, kDark, 0.5);
    cairo_set_line_width(cr, 1);
    for (double f = -0.8; f <= 0.81; f += 0.2) {
        cairo_move_to(cr, cx + f * aw, ay - 10 + std::fabs(f) * 3);
        cairo_line_to(cr, cx + f * aw, ay + 0 - std::fabs(f) * 3);
        cairo_stroke(cr);
    }
    vertical_source(cr, ay - 30, ay - 10, {{0, kSkyLow}, {0.4, kGold}, {1, kGold * 0.55}});
    cairo_arc(cr, cx, ay - 17, 6, 0, kTwoPi);
    cairo_fill(cr);
    polygon(cr, {cx - 2, ay - 21, cx, ay - 34, cx + 2, ay - 21});
    cairo_fill(cr);
    if (main) {
        set(cr, hex(0x3a2a2a));
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, cx, ay - 30);
        cairo_line_to(cr, cx, ay - 70);
        cairo_stroke(cr);
        cairo_move_to(cr, cx, ay - 70);
        cairo_curve_to(cr, cx + 12, ay - 66, cx + 20, ay - 62, cx + 34, ay - 62);
        cairo_curve_to(cr, cx + 20, ay - 58, cx + 12, ay - 56, cx, ay - 54);
        cairo_close_path(cr);
        horizontal_source(cr, cx, cx + 34, {{0, hex(0xe8702a)}, {1, hex(0xffa040)}});
        cairo_fill(cr);
    }
}

// A pillared hall: a heavy flat roof with a parapet over square pillars, the
// inside glowing with oil lamps.
void mandapa(Canvas& canvas, double x0, double x1, double base_y, double roof_y) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, roof_y, base_y, {{0, hex(0x2a1420)}, {0.6, hex(0x5a2a22)}, {1, hex(0xa0582a)}});
    rect(cr, x0, roof_y, x1 - x0, base_y - roof_y);
    cairo_fill(cr);
    for (double x = x0 + 40; x < x1 - 20; x += 70) glow(cr, x, base_y - 14, 50, kFlame, 0.28);
    const int pillars = static_cast<int>((x1 - x0) / 46);
    for (int i = 0; i <= pillars; ++i) {
        const double x = x0 + (x1 - x0) * i / pillars;
        stone_source(cr, x - 7, x + 7);
        rect(cr, x - 6, roof_y + 12, 12, base_y - roof_y - 12);
        cairo_fill(cr);
        // Bracket capital and carved bands.
        stone_source(cr, x - 12, x + 12, 1.08);
        polygon(cr, {x - 12, roof_y + 12, x + 12, roof_y + 12, x + 7, roof_y + 20, x - 7, roof_y + 20});
        cairo_fill(cr);
        set(cr, kDark, 0.45);
        for (double y : {roof_y + 36, roof_y + 60}) rect(cr, x - 6, y, 12, 3);
        cairo_fill(cr);
    }
    stone_source(cr, x0, x1, 0.95);
    rect(cr, x0 - 8, roof_y - 4, x1 - x0 + 16, 16);
    cairo_fill(cr);
    set(cr, kDark, 0.6);
    rect(cr, x0 - 8, roof_y + 12, x1 - x0 + 16, 2);
    cairo_fill(cr);
    // Parapet of little shrines.
    for (double x = x0; x <= x1; x += 22) {
        stone_source(cr, x - 7, x + 7);
        polygon(cr, {x - 7, roof_y - 4, x - 6, roof_y - 12, x, roof_y - 18, x + 6, roof_y - 12, x + 7, roof_y - 4});
        cairo_fill(cr);
    }
    // Steps up to the hall.
    for (int i = 0; i < 3; ++i) {
        stone_source(cr, x0, x1, 1.0 - i * 0.05);
        rect(cr, x0 - 4 - i * 6, base_y + i * 4, x1 - x0 + 8 + i * 12, 4);
        cairo_fill(cr);
    }
}

void cloister(Canvas& canvas, double x0, double x1, double base_y, double top_y) {
    cairo_t* cr = canvas.cr();
    // The inner wall, dim, with lamps in alcoves.
    vertical_source(cr, top_y, base_y, {{0, hex(0x2c1626)}, {1, hex(0x6a3428)}});
    rect(cr, x0, top_y, x1 - x0, base_y - top_y);
    cairo_fill(cr);
    for (double x = x0 + 30; x < x1; x += 60) {
        set(cr, hex(0x1a0c14));
        rect(cr, x - 5, base_y - 34, 10, 14);
        cairo_fill(cr);
        glow(cr, x, base_y - 26, 26, kFlame, 0.45);
        set(cr, hex(0xfff0c0));
        cairo_arc(cr, x, base_y - 27, 1.5, 0, kTwoPi);
        cairo_fill(cr);
    }
    // Square pillars along the front, a deep eave above.
    for (double x = x0; x <= x1 + 1; x += 30) {
        stone_source(cr, x - 5, x + 5, 0.9);
        rect(cr, x - 4, top_y + 10, 8, base_y - top_y - 10);
        cairo_fill(cr);
        stone_source(cr, x - 7, x + 7, 1.0);
        rect(cr, x - 7, top_y + 10, 14, 4);
        cairo_fill(cr);
    }
    stone_source(cr, x0, x1, 0.85);
    rect(cr, x0 - 4, top_y, x1 - x0 + 8, 11);
    cairo_fill(cr);
    set(cr, kStoneLit, 0.6);
    rect(cr, x0 - 4, top_y, x1 - x0 + 8, 1.5);
    cairo_fill(cr);
    for (double x = x0; x < x1; x += 16) {
        stone_source(cr, x - 4, x + 4, 0.9);
        polygon(cr, {x - 5, top_y, x - 3, top_y - 6, x, top_y - 9, x + 3, top_y - 6, x + 5, top_y});
        cairo_fill(cr);
    }
    // The plinth it stands on.
    stone_source(cr, x0, x1, 0.8);
    rect(cr, x0 - 4, base_y - 3, x1 - x0 + 8, 6);
    cairo_fill(cr);
}

// A string of paper lanterns sagging between two points; the glows go on
// their own layer so they can be added over everything.
void lantern_string(cairo_t* cr, cairo_t* light, Rng& rng, double xa, double ya, double xb, double yb, double sag, double spacing) {
    auto at = [&](double t, double& x, double& y) {
        x = xa + (xb - xa) * t;
        y = ya + (yb - ya) * t + sag * 4 * t * (1 - t);
    };
    set(cr, hex(0x1a1018), 0.8);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i <= 60; ++i) {
        double x, y;
        at(i / 60.0, x, y);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
    const int count = static_cast<int>(std::hypot(xb - xa, yb - ya) / spacing);
    const Colour colours[] = {kLanternRed, hex(0xf08a20), hex(0xf4c040), hex(0xd02a4a)};
    for (int i = 1; i < count; ++i) {
        double x, y;
        at(static_cast<double>(i) / count, x, y);
        const double drop = 5 + rng.uniform() * 4, w = 7, h = 10;
        set(cr, hex(0x1a1018), 0.8);
        rect(cr, x - 0.5, y, 1, drop);
        cairo_fill(cr);
        const Colour c = colours[static_cast<int>(rng.uniform() * 4)];
        const double ly = y + drop;
        // Ribbed paper body, brightest in the middle where the flame shows through.
        cairo_save(cr);
        cairo_translate(cr, x, ly + h / 2);
        cairo_scale(cr, w / 2, h / 2);
        radial_source(cr, 0.1, 0.1, 1, {{0, mix(c, hex(0xfff2c0), 0.75)}, {0.6, c}, {1, c * 0.6}});
        cairo_arc(cr, 0, 0, 1, 0, kTwoPi);
        cairo_fill(cr);
        cairo_restore(cr);
        set(cr, hex(0x2a1a10));
        rect(cr, x - 2.5, ly - 1, 5, 1.5);
        rect(cr, x - 2.5, ly + h - 0.5, 5, 1.5);
        cairo_fill(cr);
        glow(light, x, ly + h / 2, 30, mix(c, kFlame, 0.5), 0.35);
        // Its reflection in the polished flagstones, as far below the cloister's
        // foot as the lantern hangs above it.
        if (ly < kCourtBack) {
            const double ry = kCourtBack + (kCourtBack - ly) * 0.6;
            cairo_save(light);
            cairo_translate(light, x, ry);
            cairo_scale(light, 0.35, 1.6);
            glow(light, 0, 0, 14, mix(c, kFlame, 0.5), 0.22);
            cairo_restore(light);
        }
    }
}

// A clay lamp with its flame.
void diya(cairo_t* cr, cairo_t* light, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    vertical_source(cr, -4, 2, {{0, hex(0xb8643a)}, {1, hex(0x5a2a1a)}});
    cairo_move_to(cr, -6, -3);
    cairo_curve_to(cr, -5, 2, 5, 2, 6, -3);
    cairo_line_to(cr, 8, -4);
    cairo_close_path(cr);
    cairo_fill(cr);
    radial_source(cr, 5, -7, 5, {{0, hex(0xfffbe0)}, {0.5, kFlame}, {1, kLanternRed, 0}});
    cairo_move_to(cr, 5, -3);
    cairo_curve_to(cr, 2, -6, 5, -9, 6, -12);
    cairo_curve_to(cr, 7, -9, 8, -6, 5, -3);
    cairo_fill(cr);
    cairo_restore(cr);
    glow(light, x + 5 * s, y - 7 * s, 22 * s, kFlame, 0.5);
}

// A tall lamp pillar of brass with rings of flames.
void lamp_pillar(cairo_t* cr, cairo_t* light, double x, double base_y, double height) {
    horizontal_source(cr, x - 10, x + 10, {{0, hex(0x5a3a2a)}, {0.6, hex(0xc08a4a)}, {1, hex(0xf0c070)}});
    polygon(cr, {x - 14, base_y, x - 10, base_y - 14, x + 10, base_y - 14, x + 14, base_y});
    cairo_fill(cr);
    horizontal_source(cr, x - 4, x + 4, {{0, hex(0x5a3a2a)}, {0.6, hex(0xb07a40)}, {1, hex(0xe8b868)}});
    rect(cr, x - 3.5, base_y - height, 7, height - 14);
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
        const double y = base_y - height * 0.3 - i * height * 0.12, r = 16 - i * 2;
        horizontal_source(cr, x - r, x + r, {{0, hex(0x6a4430)}, {1, hex(0xf0c070)}});
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, r, 2.5);
        cairo_arc(cr, 0, 0, 1, 0, kTwoPi);
        cairo_restore(cr);
        cairo_fill(cr);
        for (double f = -1; f <= 1.01; f += 0.5) {
            set(cr, hex(0xfff0b0));
            cairo_arc(cr, x + f * r * 0.85, y - 3, 1.3, 0, kTwoPi);
            cairo_fill(cr);
            glow(light, x + f * r * 0.85, y - 3, 10, kFlame, 0.35);
        }
    }
    set(cr, kGold);
    polygon(cr, {x - 4, base_y - height, x, base_y - height - 12, x + 4, base_y - height});
    cairo_fill(cr);
}

}  // namespace

void paint_temple(Canvas& canvas) {
    const int W = canvas.width(), H = canvas.height();
    const double G = H - kGroundMargin;
    cairo_t* cr = canvas.cr();
    Rng rng(0x1DE);
    Canvas light(W, H);  // lamplight, added last
    cairo_t* lc = light.cr();

    // ---- sky ----
    sky(cr, W, kHorizon, kHorizon + 40, {{0, kSkyTop}, {0.3, kSkyViolet}, {0.55, kSkyRose}, {0.75, kSkyCoral}, {0.9, kSkyGold}, {1, kSkyLow}});
    stars(cr, rng, W, 260);
    // The last of the sun, just below the horizon between the towers.
    glow(cr, 820, kHorizon + 30, 700, hex(0xffb060), 0.45);
    // A young moon in the violet.
    {
        const double mx = kTempleMoonX, my = kTempleMoonY, r = 14;
        glow(cr, mx, my, 60, hex(0xfff4dc), 0.12);
        cairo_save(cr);
        cairo_arc(cr, mx, my, r, 0, kTwoPi);
        cairo_clip(cr);
        set(cr, hex(0xfff2d8));
        cairo_arc(cr, mx, my, r, 0, kTwoPi);
        cairo_fill(cr);
        set(cr, hex(0x2c1e4e));
        cairo_arc(cr, mx - 6, my - 4, r, 0, kTwoPi);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    {
        Canvas clouds(W, H);
        afterglow_clouds(clouds, 230, 330, 5);
        afterglow_clouds(clouds, 360, 440, 6);
        canvas.paint(clouds);
    }

    // ---- far: hills, far temples, palms ----
    {
        Canvas far(W, H);
        cairo_t* f = far.cr();
        set(f, hex(0x5a3058));
        hills(f, W, kCourtBack, kCourtBack, [](double x) { return kHorizon - 8 - 22 * fbm(x * 0.005, 4.5, 91, 3); });
        cairo_fill(f);
        for (const auto& t : {std::array<double, 3>{640, 60, 150}, {960, 40, 110}, {1460, 50, 140}, {40, 40, 100}}) {
            const double x = t[0], w = t[1], h = t[2];
            set(f, hex(0x4a2850));
            cairo_move_to(f, x - w / 2, kHorizon);
            cairo_curve_to(f, x - w / 2, kHorizon - h * 0.6, x - w * 0.2, kHorizon - h * 0.95, x, kHorizon - h);
            cairo_curve_to(f, x + w * 0.2, kHorizon - h * 0.95, x + w / 2, kHorizon - h * 0.6, x + w / 2, kHorizon);
            cairo_close_path(f);
            cairo_fill(f);
            rect(f, x - 1, kHorizon - h - 10, 2, 10);
            cairo_fill(f);
        }
        PalmLook far_palm{hex(0x3e2448), hex(0x2e1a3a), hex(0x3a2246), hex(0x4a2e52)};
        for (const auto& p : {std::array<double, 3>{560, 150, 14}, {760, 120, -10}, {1000, 130, 16}, {1400, 110, -8}})
            palm(f, rng, p[0], kHorizon + 10, p[1], p[2], far_palm);
        haze(far, kAir, 300, 0.45, kCourtBack, 0.35);
        canvas.paint(far);
    }

    // ---- the temple ----
    {
        Canvas t(W, H);
        Rng local(7);
        cloister(t, 430, 1060, kCourtBack, 448);
        // Small spires flanking the main one, then the spire, then its hall.
        shikhara(t, 1140, 450, 50, 300, false);
        shikhara(t, 1380, 450, 50, 300, false);
        shikhara(t, 1260, 450, 100, 150, true);
        mandapa(t, 1090, 1430, kCourtBack - 6, 430);
        gopuram(t, local, 250, kCourtBack + 4, 310, 60);
        mottle(t, 0, 0, W, static_cast<int>(kCourtBack) + 10, 22, 0.08, 8);
        grain(t, 0, 0, W, static_cast<int>(kCourtBack) + 10, 0.02, 9);
        haze(t, kAir, 50, 0.2, kCourtBack, 0.1);
        canvas.paint(t);
    }

    // ---- the courtyard ----
    const Floor floor{kHorizon, G, W / 2.0, 0.14, 110};
    {
        Canvas court(W, H);
        cairo_t* c = court.cr();
        const Colour flag = hex(0x80585e);
        strip(c, W, kCourtBack + 2, G - kCourtBack - 2, flag);
        slabs(court, floor, kCourtBack + 2, G, 0, W, flag, 0.06, hex(0x2a1620), 0.6, 41);
        mottle(court, 0, static_cast<int>(kCourtBack), W, static_cast<int>(G), 30, 0.08, 42);
        // The bright sky shines in the polished stone far off; nearer, it darkens.
        vertical_source(c, kCourtBack, G, {{0, kSkyGold, 0.35}, {0.5, kSkyCoral, 0.1}, {1, kStoneShade, 0.25}});
        rect(c, 0, kCourtBack, W, G - kCourtBack);
        cairo_fill(c);
        grain(court, 0, static_cast<int>(kCourtBack), W, static_cast<int>(G), 0.025, 43);
        canvas.paint(court);
    }

    // ---- palms, the lamp pillar, lanterns ----
    {
        Canvas near(W, H);
        cairo_t* n = near.cr();
        Rng local(33);
        PalmLook palm_look{hex(0x4a2c34), hex(0x24141e), hex(0x2c2030), hex(0x4a3840), 0.55, hex(0xffa860)};
        contact_shadow(n, 70, 560, 40, 6, 0.5, kDark);
        palm(n, local, 60, 560, 380, 70, palm_look);
        contact_shadow(n, 1475, 556, 40, 6, 0.5, kDark);
        palm(n, local, 1470, 556, 400, -80, palm_look);
        contact_shadow(n, 1030, 586, 30, 5, 0.45, kDark);
        lamp_pillar(n, lc, 1030, 586, 170);
        lantern_string(n, lc, local, 330, 300, 760, 420, 40, 26);
        lantern_string(n, lc, local, 760, 420, 1200, 330, 40, 26);
        lantern_string(n, lc, local, 230, 470, 1300, 450, 50, 30);
        canvas.paint(near);
        // Pools of lamplight on the flagstones under the strings.
        for (double x = 300; x < 1300; x += 120) {
            cairo_save(lc);
            cairo_translate(lc, x + rng.bipolar() * 20, 560 + rng.bipolar() * 10);
            cairo_scale(lc, 1, 0.22);
            glow(lc, 0, 0, 130, kFlame, 0.3);
            cairo_restore(lc);
        }
    }

    // ---- the step on the ground line and the near flagstones ----
    {
        strip(cr, W, G - 2, 2, kDark, 0.9);
        horizontal_source(cr, 0, W, {{0, kStoneLit * 0.95}, {0.5, kStoneLit * 1.05}, {1, kStoneLit * 0.95}});
        rect(cr, 0, G, W, 5);
        cairo_fill(cr);
        vertical_source(cr, G + 5, G + 14, {{0, kStoneMid * 0.8}, {1, kStoneShade * 0.8}});
        rect(cr, 0, G + 5, W, 9);
        cairo_fill(cr);
        vertical_source(cr, G + 14, H, {{0, hex(0x7a5258)}, {1, hex(0x5a3a46)}});
        rect(cr, 0, G + 14, W, H - G - 14);
        cairo_fill(cr);
        slabs(canvas, floor, G + 14, H, 0, W, hex(0x704a52), 0.06, hex(0x1e1018), 0.6, 44);
        set(cr, kDark, 0.5);
        for (double x = 0; x < W; x += 96) rect(cr, x, G, 1, 14);
        cairo_fill(cr);
        mottle(canvas, 0, static_cast<int>(G), W, H, 20, 0.08, 45);
        grain(canvas, 0, static_cast<int>(G), W, H, 0.03, 46);
        // Oil lamps and marigolds at the far ends.
        for (double x : {40.0, 90.0, 140.0, 1380.0, 1430.0, 1480.0}) diya(cr, lc, x, H - 18, 1.4);
        for (int i = 0; i < 40; ++i) {
            const double x = i < 20 ? rng.range(10, 220) : rng.range(1300, 1510), y = rng.range(G + 20, H - 4);
            set(cr, rng.uniform() < 0.5 ? hex(0xf09020) : hex(0xf4c030));
            cairo_arc(cr, x, y, rng.range(1.5, 2.5), 0, kTwoPi);
            cairo_fill(cr);
        }
    }
    canvas.paint(light, CAIRO_OPERATOR_ADD);
}
