// A town street in daylight in front of the university: a long brick
// building with stone dressings, a slate roof and a clock in its pediment,
// trees and lamp posts along a paved forecourt, bikes at their rack, and the
// kerb of the street on the ground line.

#include <array>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "stages/scenery.h"
#include "stages/stages.h"

using namespace scenery;

namespace {

constexpr double kHorizon = 455;
constexpr double kFacadeBase = 500;  // where the building meets the forecourt

const Colour kSkyTop = hex(0x3b7fd0), kSkyLow = hex(0xa9cdee), kAir = hex(0xc9dcec);
const Colour kBrick = hex(0xa4523a), kMortar = hex(0xc9b9a4), kStone = hex(0xe6dcc6), kStoneShade = hex(0xa9a08e);
const Colour kSlate = hex(0x56606e), kPaving = hex(0xb4afa4), kKerb = hex(0xdcd8d0), kAsphalt = hex(0x4e4f52);

// Brick courses with staggered joints, each brick a little different, fired
// darker here and there, sooted towards the top.
void brickwork(Canvas& canvas, int x0, int y0, int x1, int y1) {
    shade(canvas, x0, y0, x1, y1, [&](int x, int y) -> Rgba {
        const int course = y / 5, offset = (course % 2) * 6;
        const int col = (x + offset) / 12;
        const bool joint = (y % 5) == 4 || ((x + offset) % 12) == 11;
        Colour c = kBrick * (0.9 + 0.2 * hash01(col, course, 51));
        if (hash01(col, course, 52) < 0.08) c = c * 0.78;                 // an over-fired header
        c = c * (0.94 + 0.12 * fbm(x * 0.02, y * 0.02, 53, 3));             // weathering
        if (joint) c = kMortar * (0.85 + 0.1 * hash01(x, y, 54));
        const double soot = std::clamp(1 - (y - y0) / 90.0, 0.0, 1.0) * 0.12;
        c = c * (1 - soot);
        return {c.r, c.g, c.b, 1};
    });
}

// A window with its stone lintel and sill, and the shadow of the reveal.
void dressed_window(cairo_t* cr, Rng& rng, double x, double y, double w, double h, bool arched, const WindowLook& look) {
    // Stone surround.
    set(cr, kStone);
    rect(cr, x - 4, y - 6, w + 8, 6);                  // lintel
    rect(cr, x - 5, y + h, w + 10, 4);                 // sill
    cairo_fill(cr);
    set(cr, kStoneShade);
    rect(cr, x - 5, y + h + 4, w + 10, 1.5);
    cairo_fill(cr);
    if (arched) {
        set(cr, kStone);
        cairo_arc(cr, x + w / 2, y, w / 2 + 5, kPi, 2 * kPi);
        cairo_fill(cr);
        set(cr, kStoneShade);
        cairo_set_line_width(cr, 1);
        for (int i = 1; i < 7; ++i) {  // voussoirs
            const double a = kPi + kPi * i / 7;
            cairo_move_to(cr, x + w / 2 + std::cos(a) * w / 2, y + std::sin(a) * w / 2);
            cairo_line_to(cr, x + w / 2 + std::cos(a) * (w / 2 + 5), y + std::sin(a) * (w / 2 + 5));
            cairo_stroke(cr);
        }
        set(cr, look.frame);
        cairo_arc(cr, x + w / 2, y, w / 2, kPi, 2 * kPi);
        cairo_fill(cr);
        vertical_source(cr, y - w / 2, y, {{0, look.glass_top * 0.8}, {1, look.glass_top}});
        cairo_arc(cr, x + w / 2, y, w / 2 - look.frame_width, kPi, 2 * kPi);
        cairo_fill(cr);
    } else {
        set(cr, kStone * 1.02);
        rect(cr, x + w / 2 - 3, y - 7, 6, 8);  // keystone
        cairo_fill(cr);
    }
    window(cr, rng, x, y, w, h, look);
    // The reveal: shadow down the right side and under the lintel (sun from the upper left).
    set(cr, {0.05, 0.05, 0.1}, 0.35);
    rect(cr, x, y, w, 3);
    rect(cr, x + w - 3, y, 3, h);
    cairo_fill(cr);
}

void slate_roof(Canvas& canvas, Rng& rng, double x0, double x1, double eave_y, double ridge_y) {
    cairo_t* cr = canvas.cr();
    const double inset = (eave_y - ridge_y) * 0.35;
    polygon(cr, {x0, eave_y, x0 + inset, ridge_y, x1 - inset, ridge_y, x1, eave_y});
    vertical_source(cr, ridge_y, eave_y, {{0, kSlate * 1.15}, {1, kSlate * 0.85}});
    cairo_fill(cr);
    // Courses of slates.
    shade(canvas, static_cast<int>(x0), static_cast<int>(ridge_y), static_cast<int>(x1), static_cast<int>(eave_y), [&](int x, int y) -> Rgba {
        const double t = (y - ridge_y) / (eave_y - ridge_y);
        const double left = x0 + inset * (1 - t), right = x1 - inset * (1 - t);
        if (x < left || x > right) return {};
        const int course = static_cast<int>((y - ridge_y) / 4);
        const int col = (x + (course % 2) * 4) / 8;
        if ((static_cast<int>(y - ridge_y) % 4) == 3) return {0.1, 0.12, 0.16, 0.35};
        const double v = (hash01(col, course, 61) - 0.5) * 0.12;
        return {v > 0 ? 1.0 : 0.0, v > 0 ? 1.0 : 0.0, v > 0 ? 1.0 : 0.0, std::fabs(v)};
    });
    // Dormers with little windows, and chimneys.
    WindowLook look{hex(0xf0ece4), hex(0x40556c), hex(0x8aa6c0), hex(0xe8e0cc)};
    look.frame_width = 1.5;
    for (double x = x0 + 70; x < x1 - 60; x += 112) {
        const double dw = 26, dy = ridge_y + (eave_y - ridge_y) * 0.3;
        set(cr, kStone);
        rect(cr, x - dw / 2 - 3, dy, dw + 6, eave_y - dy - 2);
        cairo_fill(cr);
        polygon(cr, {x - dw / 2 - 6, dy + 1, x, dy - 12, x + dw / 2 + 6, dy + 1});
        set(cr, kSlate * 0.9);
        cairo_fill(cr);
        window(cr, rng, x - dw / 2 + 2, dy + 4, dw - 4, eave_y - dy - 10, look);
    }
    for (double x : {x0 + 40.0, x1 - 60.0, (x0 + x1) / 2 - 180, (x0 + x1) / 2 + 160}) {
        horizontal_source(cr, x, x + 18, {{0, kBrick * 1.05}, {1, kBrick * 0.7}});
        rect(cr, x, ridge_y - 26, 18, 30);
        cairo_fill(cr);
        set(cr, kStone);
        rect(cr, x - 2, ridge_y - 29, 22, 4);
        cairo_fill(cr);
        set(cr, hex(0x8a5a46));
        rect(cr, x + 3, ridge_y - 35, 5, 6);
        rect(cr, x + 10, ridge_y - 34, 5, 5);
        cairo_fill(cr);
    }
}

void bicycle(cairo_t* cr, double x, double ground, double s, Colour frame) {
    const double r = 9 * s;
    cairo_set_line_width(cr, 1.3 * s);
    set(cr, hex(0x1e1e20));
    for (double wx : {x, x + 26 * s}) {
        cairo_arc(cr, wx, ground - r, r, 0, kTwoPi);
        cairo_stroke(cr);
    }
    set(cr, hex(0x8a8c90), 0.6);
    cairo_set_line_width(cr, 0.5);
    for (double wx : {x, x + 26 * s})
        for (int i = 0; i < 6; ++i) {
            const double a = i * kPi / 6;
            cairo_move_to(cr, wx - std::cos(a) * r, ground - r - std::sin(a) * r);
            cairo_line_to(cr, wx + std::cos(a) * r, ground - r + std::sin(a) * r);
            cairo_stroke(cr);
        }
    set(cr, frame);
    cairo_set_line_width(cr, 1.8 * s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double bx = x + 12 * s, by = ground - r;            // bottom bracket
    const double sx = x + 9 * s, sy = ground - r - 13 * s;     // seat
    const double hx = x + 22 * s, hy = ground - r - 14 * s;    // head
    cairo_move_to(cr, x, ground - r);
    cairo_line_to(cr, bx, by);
    cairo_line_to(cr, sx, sy);
    cairo_line_to(cr, x, ground - r);
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, hx, hy);
    cairo_line_to(cr, sx, sy);
    cairo_move_to(cr, hx, hy);
    cairo_line_to(cr, x + 26 * s, ground - r);
    cairo_stroke(cr);
    set(cr, hex(0x222224));
    cairo_set_line_width(cr, 1.5 * s);
    cairo_move_to(cr, hx - 1 * s, hy - 2 * s);
    cairo_line_to(cr, hx + 4 * s, hy - 3 * s);
    cairo_stroke(cr);
    rect(cr, sx - 3 * s, sy - 2 * s, 7 * s, 2 * s);
    cairo_fill(cr);
}

void lamp_post(cairo_t* cr, double x, double ground, double height) {
    const Colour iron = hex(0x26332c), iron_lit = hex(0x4a5e52);
    contact_shadow(cr, x + 6, ground, 14, 3, 0.35);
    // Fluted base, tapering column, a crook and the lantern.
    horizontal_source(cr, x - 7, x + 7, {{0, iron_lit}, {1, iron}});
    polygon(cr, {x - 7, ground, x - 5, ground - 24, x + 5, ground - 24, x + 7, ground});
    cairo_fill(cr);
    horizontal_source(cr, x - 3, x + 3, {{0, iron_lit}, {1, iron}});
    polygon(cr, {x - 3.2, ground - 24, x - 2, ground - height + 20, x + 2, ground - height + 20, x + 3.2, ground - 24});
    cairo_fill(cr);
    set(cr, iron);
    rect(cr, x - 10, ground - height + 24, 20, 2);
    cairo_fill(cr);
    const double ly = ground - height;
    set(cr, iron);
    polygon(cr, {x - 10, ly + 4, x + 10, ly + 4, x + 6, ly + 20, x - 6, ly + 20});
    cairo_fill(cr);
    vertical_source(cr, ly + 5, ly + 19, {{0, hex(0xf4f0e0)}, {1, hex(0xc8c0a8)}});
    polygon(cr, {x - 8, ly + 6, x + 8, ly + 6, x + 5, ly + 18, x - 5, ly + 18});
    cairo_fill(cr);
    set(cr, iron);
    polygon(cr, {x - 12, ly + 5, x, ly - 4, x + 12, ly + 5});
    cairo_fill(cr);
    rect(cr, x - 1, ly - 8, 2, 5);
    cairo_fill(cr);
}

void bench(cairo_t* cr, double x, double ground, double w) {
    contact_shadow(cr, x + w / 2 + 6, ground, w * 0.6, 3, 0.35);
    set(cr, hex(0x2c2c2e));
    rect(cr, x + 4, ground - 10, 3, 10);
    rect(cr, x + w - 7, ground - 10, 3, 10);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        vertical_source(cr, ground - 22 + i * 4, ground - 19 + i * 4, {{0, hex(0xa0703e)}, {1, hex(0x6e4a28)}});
        rect(cr, x, ground - 22 + i * 4 - (i == 2 ? -2 : 0), w, 3);
        cairo_fill(cr);
    }
}

}  // namespace

void paint_town(Canvas& canvas) {
    const int W = canvas.width(), H = canvas.height();
    const double G = H - kGroundMargin;
    cairo_t* cr = canvas.cr();
    Rng rng(0x10715);

    // ---- sky ----
    sky(cr, W, kHorizon, kHorizon + 60, {{0, kSkyTop}, {0.7, kSkyLow}, {1, kAir}});
    {
        Canvas clouds(W, H);
        MassLook look = daylight_clouds(hex(0xffffff), hex(0xe6edf4), hex(0x98acc4), 16);
        for (const auto& c : {std::array<double, 4>{220, 120, 300, 100}, {980, 80, 380, 120}, {1330, 170, 240, 70}, {640, 210, 200, 50}}) {
            look.flat_base = c[1] - 6;
            look.seed = static_cast<std::uint32_t>(c[0]);
            mass(clouds, cumulus(rng, c[0], c[1], c[2], c[3]), look);
        }
        haze(clouds, kSkyLow, 0, 0.05, 300, 0.3);
        canvas.paint(clouds);
    }

    // ---- far: the town beyond, a spire, hills ----
    {
        Canvas far(W, H);
        cairo_t* f = far.cr();
        set(f, hex(0x7a9a8a));
        hills(f, W, kHorizon, kFacadeBase, [](double x) { return kHorizon - 30 - 40 * fbm(x * 0.003, 2.5, 31, 3); });
        cairo_fill(f);
        // Houses: gables and chimneys.
        for (double x = -20; x < W; x += rng.range(30, 60)) {
            const double w = rng.range(30, 56), h = rng.range(40, 90), base = kFacadeBase;
            const Colour wall = mix(hex(0xd8cbb4), hex(0xb8a890), rng.uniform());
            set(f, wall);
            rect(f, x, base - h, w, h);
            cairo_fill(f);
            set(f, mix(hex(0x8a5a48), hex(0x5a6270), rng.uniform()));
            polygon(f, {x - 3, base - h, x + w / 2, base - h - w * 0.45, x + w + 3, base - h});
            cairo_fill(f);
            set(f, hex(0x5a6470));
            for (double wy = base - h + 8; wy < base - 14; wy += 16)
                for (double wx = x + 6; wx < x + w - 8; wx += 12) rect(f, wx, wy, 5, 8);
            cairo_fill(f);
        }
        // The spire of a church on the right.
        const double sx = 1340;
        set(f, hex(0xcfc4b0));
        rect(f, sx - 16, 250, 32, kFacadeBase - 250);
        cairo_fill(f);
        set(f, hex(0x5e6a78));
        polygon(f, {sx - 18, 252, sx, 120, sx + 18, 252});
        cairo_fill(f);
        set(f, hex(0x4a5058));
        cairo_arc(f, sx, 280, 7, 0, kTwoPi);
        cairo_fill(f);
        haze(far, kAir, 100, 0.55, kFacadeBase, 0.4);
        canvas.paint(far);
    }

    // ---- the university ----
    const double bx0 = 50, bx1 = 1230;
    const double storeys[] = {kFacadeBase, 420, 352, 284, 218};  // floor lines, bottom up
    const double eave = 206, ridge = 150;
    const double px0 = 520, px1 = 720;  // the entrance pavilion
    {
        Canvas b(W, H);
        cairo_t* c = b.cr();
        Rng local(99);
        slate_roof(b, local, bx0 - 6, bx1 + 6, eave, ridge);
        brickwork(b, static_cast<int>(bx0), static_cast<int>(eave), static_cast<int>(bx1), static_cast<int>(kFacadeBase));
        // Rusticated stone ground floor.
        vertical_source(c, storeys[1], kFacadeBase, {{0, kStone}, {1, kStone * 0.92}});
        rect(c, bx0, storeys[1], bx1 - bx0, kFacadeBase - storeys[1]);
        cairo_fill(c);
        set(c, kStoneShade, 0.8);
        for (double y = storeys[1] + 10; y < kFacadeBase; y += 10) rect(c, bx0, y, bx1 - bx0, 1.2);
        cairo_fill(c);
        // String courses, cornice with dentils, quoins at the corners.
        for (int i = 1; i < 4; ++i) {
            set(c, kStone);
            rect(c, bx0 - 2, storeys[i] - 5, bx1 - bx0 + 4, 6);
            cairo_fill(c);
            set(c, kStoneShade * 0.8, 0.8);
            rect(c, bx0 - 2, storeys[i] + 1, bx1 - bx0 + 4, 2);
            cairo_fill(c);
        }
        vertical_source(c, eave, eave + 14, {{0, kStone * 1.03}, {0.6, kStone * 0.9}, {1, kStoneShade * 0.6}});
        rect(c, bx0 - 8, eave, bx1 - bx0 + 16, 14);
        cairo_fill(c);
        set(c, kStoneShade * 0.7);
        for (double x = bx0 - 6; x < bx1 + 6; x += 7) rect(c, x, eave + 10, 4, 4);
        cairo_fill(c);
        for (double qx : {bx0, bx1 - 22})
            for (double y = eave + 14; y < storeys[1]; y += 14) {
                set(c, kStone * ((static_cast<int>(y) / 14) % 2 ? 1.0 : 0.95));
                rect(c, qx + (((static_cast<int>(y) / 14) % 2) ? 0 : (qx < 600 ? 0 : 6)), y, 16 + (((static_cast<int>(y) / 14) % 2) ? 6 : 0), 13);
                cairo_fill(c);
            }
        // Windows, floor by floor.
        WindowLook look{hex(0xf2efe8), hex(0x3c5470), hex(0x9ab8d4), hex(0xeee6d2)};
        look.frame_width = 2;
        look.blind_chance = 0.35;
        for (int floor = 0; floor < 4; ++floor) {
            const double top = storeys[floor + 1], bottom = storeys[floor];
            const double h = (bottom - top) * (floor == 0 ? 0.62 : 0.6), w = floor == 0 ? 30 : 26;
            for (double x = bx0 + 50; x < bx1 - 50; x += 56) {
                if (x + w > px0 - 10 && x < px1 + 10) continue;
                dressed_window(c, local, x, top + (bottom - top) * (floor == 0 ? 0.3 : 0.22), w, h, floor == 0, look);
            }
        }
        // The entrance pavilion: pale ashlar, pilasters, a pediment with a clock.
        vertical_source(c, ridge - 30, kFacadeBase, {{0, kStone * 1.02}, {1, kStone * 0.9}});
        rect(c, px0, eave - 10, px1 - px0, kFacadeBase - eave + 10);
        cairo_fill(c);
        set(c, kStoneShade, 0.7);
        for (double y = eave; y < kFacadeBase; y += 12) rect(c, px0, y, px1 - px0, 1);
        cairo_fill(c);
        const double pc = (px0 + px1) / 2;
        polygon(c, {px0 - 10, eave - 8, pc, ridge - 40, px1 + 10, eave - 8});
        vertical_source(c, ridge - 40, eave, {{0, kStone * 1.05}, {1, kStone * 0.85}});
        cairo_fill(c);
        set(c, kStoneShade * 0.75);
        cairo_set_line_width(c, 2.5);
        polygon(c, {px0 - 10, eave - 8, pc, ridge - 40, px1 + 10, eave - 8});
        cairo_stroke(c);
        // The clock.
        radial_source(c, pc - 3, eave - 48, 22, {{0, hex(0xfaf8f0)}, {1, hex(0xd8d2c0)}});
        cairo_arc(c, pc, eave - 45, 19, 0, kTwoPi);
        cairo_fill(c);
        set(c, hex(0x2a2a2e));
        cairo_set_line_width(c, 2);
        cairo_arc(c, pc, eave - 45, 19, 0, kTwoPi);
        cairo_stroke(c);
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            rect(c, pc + std::cos(a) * 15 - 1, eave - 45 + std::sin(a) * 15 - 1, 2, 2);
        }
        cairo_fill(c);
        cairo_set_line_width(c, 1.8);
        cairo_move_to(c, pc, eave - 45);
        cairo_line_to(c, pc + 9, eave - 49);
        cairo_move_to(c, pc, eave - 45);
        cairo_line_to(c, pc - 2, eave - 59);
        cairo_stroke(c);
        for (double x : {px0 + 6, px0 + 56, px1 - 70, px1 - 20}) {
            horizontal_source(c, x, x + 14, {{0, kStone * 1.06}, {0.6, kStone}, {1, kStoneShade}});
            rect(c, x, eave, 14, kFacadeBase - eave);
            cairo_fill(c);
            set(c, kStone * 1.05);
            rect(c, x - 3, eave, 20, 6);
            cairo_fill(c);
        }
        for (int floor = 1; floor < 4; ++floor) {
            const double top = storeys[floor + 1], bottom = storeys[floor];
            dressed_window(c, local, pc - 16, top + (bottom - top) * 0.2, 32, (bottom - top) * 0.62, floor == 3, look);
        }
        // The doorway: an arch over double doors with a fanlight.
        const double dw = 56, dtop = 438;
        set(c, kStoneShade);
        cairo_arc(c, pc, dtop, dw / 2 + 9, kPi, 2 * kPi);
        rect(c, pc - dw / 2 - 9, dtop, dw + 18, kFacadeBase - dtop);
        cairo_fill(c);
        set(c, hex(0x2a2420));
        cairo_arc(c, pc, dtop, dw / 2, kPi, 2 * kPi);
        rect(c, pc - dw / 2, dtop, dw, kFacadeBase - dtop);
        cairo_fill(c);
        vertical_source(c, dtop, kFacadeBase, {{0, hex(0x5a3420)}, {1, hex(0x3a2214)}});
        rect(c, pc - dw / 2 + 3, dtop + 2, dw / 2 - 4, kFacadeBase - dtop - 2);
        rect(c, pc + 1, dtop + 2, dw / 2 - 4, kFacadeBase - dtop - 2);
        cairo_fill(c);
        set(c, hex(0xd8b060));
        rect(c, pc - 4, dtop + 30, 2, 8);
        rect(c, pc + 2, dtop + 30, 2, 8);
        cairo_fill(c);
        set(c, hex(0xf0d890), 0.55);
        cairo_arc(c, pc, dtop, dw / 2 - 4, kPi, 2 * kPi);
        cairo_fill(c);
        set(c, hex(0x2a2420));
        cairo_set_line_width(c, 1.5);
        for (int i = 1; i < 6; ++i) {
            const double a = kPi + kPi * i / 6;
            cairo_move_to(c, pc, dtop);
            cairo_line_to(c, pc + std::cos(a) * (dw / 2 - 4), dtop + std::sin(a) * (dw / 2 - 4));
            cairo_stroke(c);
        }
        // Wall lanterns either side of the door.
        for (double fx : {pc - dw / 2 - 22, pc + dw / 2 + 22}) {
            set(c, hex(0x26302a));
            rect(c, fx - 1, 452, 2, 10);
            polygon(c, {fx - 6, 440, fx + 6, 440, fx + 4, 454, fx - 4, 454});
            cairo_fill(c);
            set(c, hex(0xf6eccc));
            rect(c, fx - 3.5, 443, 7, 9);
            cairo_fill(c);
        }
        // The pavilion stands forward of the wings: its shadow falls on the
        // brick to its right, and the cornice shades the top floor.
        linear_source(c, px1, 0, px1 + 16, 0, {{0, {0.1, 0.06, 0.12}, 0.45}, {1, {0.1, 0.06, 0.12}, 0}});
        rect(c, px1, eave + 14, 16, kFacadeBase - eave - 14);
        cairo_fill(c);
        vertical_source(c, eave + 14, eave + 34, {{0, {0.1, 0.06, 0.12}, 0.4}, {1, {0.1, 0.06, 0.12}, 0}});
        rect(c, bx0, eave + 14, bx1 - bx0, 20);
        cairo_fill(c);
        // Steps down to the forecourt.
        for (int i = 0; i < 4; ++i) {
            const double y = kFacadeBase + i * 6, half = dw / 2 + 26 + i * 8;
            set(c, kStone * (1.02 - i * 0.01));
            rect(c, pc - half, y, half * 2, 3);
            cairo_fill(c);
            set(c, kStoneShade * 0.9);
            rect(c, pc - half, y + 3, half * 2, 3);
            cairo_fill(c);
        }
        // The building stands a little back: light haze over it.
        haze(b, kAir, 100, 0.14, kFacadeBase, 0.08);
        canvas.paint(b);
    }

    // ---- the forecourt ----
    const Floor floor{kHorizon, G, W / 2.0, 0.16, 90};
    {
        Canvas court(W, H);
        cairo_t* c = court.cr();
        strip(c, W, kFacadeBase + 24, G - kFacadeBase - 24, kPaving);
        slabs(court, floor, kFacadeBase + 24, G, 0, W, kPaving, 0.05, hex(0x6a665e), 0.5, 21);
        // A strip of lawn and a low hedge along the building, broken by the steps.
        strip(c, W, kFacadeBase, 24, hex(0x5d8a3e));
        MassLook hedge{hex(0x7ab04e), hex(0x4a7e34), hex(0x24482a)};
        hedge.edge_noise = 0.3;
        hedge.noise_scale = 0.15;
        hedge.softness = 0.2;
        hedge.blend = 3;
        for (double x0 : {0.0, 700.0}) {
            std::vector<Puff> puffs;
            for (double x = x0 + 10; x < x0 + (x0 == 0 ? 500 : W - 700); x += 9) puffs.push_back({x, kFacadeBase + 8 + rng.bipolar(), rng.range(8, 11)});
            hedge.seed = static_cast<std::uint32_t>(x0 + 3);
            mass(court, puffs, hedge);
        }
        // The steps come down across the lawn.
        set(c, kStone * 0.98);
        rect(c, 620 - 70, kFacadeBase + 20, 140, 4);
        cairo_fill(c);
        set(c, kPaving * 0.98);
        rect(c, 620 - 60, kFacadeBase + 16, 120, 8);
        cairo_fill(c);
        mottle(court, 0, static_cast<int>(kFacadeBase) + 24, W, static_cast<int>(G), 36, 0.05, 22);
        grain(court, 0, static_cast<int>(kFacadeBase), W, static_cast<int>(G), 0.05, 23);
        canvas.paint(court);
    }

    // ---- trees, lamp posts, bikes and a bench, with their shadows ----
    {
        Canvas things(W, H);
        cairo_t* c = things.cr();
        Rng local(2024);
        TreeLook lime{hex(0x6a5a48), hex(0x3a3026), MassLook{hex(0xb4d068), hex(0x5a8a36), hex(0x1c3a22)}};
        lime.leaves.edge_noise = 0.4;
        lime.leaves.noise_scale = 0.16;
        lime.leaves.softness = 0.12;
        lime.leaves.blend = 3;
        lime.leaves.bumps = 12;
        lime.leaves.rim = hex(0xe8f4a0);
        lime.leaves.rim_strength = 0.5;
        const struct {
            double x, ground, height;
        } trees[] = {{150, 548, 330}, {375, 552, 300}, {900, 552, 310}, {1170, 548, 340}, {1380, 546, 330}};
        for (const auto& t : trees) {
            // Dappled shade thrown to the right on the paving, then a grate and the tree.
            for (int i = 0; i < 9; ++i)
                contact_shadow(c, t.x + 60 + local.bipolar() * 60, t.ground + 14 + local.bipolar() * 8, local.range(20, 40), local.range(4, 8), 0.16,
                               hex(0x1a2030));
            set(c, hex(0x4a4844));
            polygon(c, {t.x - 24, t.ground + 4, t.x + 24, t.ground + 4, t.x + 20, t.ground - 2, t.x - 20, t.ground - 2});
            cairo_fill(c);
            lime.leaves.seed = static_cast<std::uint32_t>(t.x);
            tree(things, local, t.x, t.ground, t.height, lime);
        }
        const Colour bikes[] = {hex(0xc03a2a), hex(0x2a5aa0), hex(0x1e1e22), hex(0x3a8a5a), hex(0xd8d4c8)};
        set(c, hex(0x6e7276));
        cairo_set_line_width(c, 2);
        for (double x = 990; x < 1110; x += 20) {
            cairo_arc(c, x, 538, 8, kPi, 2 * kPi);
            cairo_stroke(c);
        }
        for (int i = 0; i < 5; ++i) bicycle(c, 975 + i * 23, 540, 0.95, bikes[i]);
        bench(c, 250, 560, 54);
        bench(c, 1270, 560, 54);
        for (double x : {290.0, 1120.0}) lamp_post(c, x, 600, 250);
        haze(things, kAir, 150, 0.1, G, 0.0);
        canvas.paint(things);
    }

    // ---- the kerb on the ground line, then the street ----
    {
        strip(cr, W, G - 2, 2, hex(0x3e3c38));
        vertical_source(cr, G, G + 8, {{0, kKerb * 1.04}, {0.5, kKerb}, {1, kKerb * 0.8}});
        rect(cr, 0, G, W, 8);
        cairo_fill(cr);
        set(cr, kStoneShade * 0.8);
        for (double x = 0; x < W; x += 74) rect(cr, x, G, 1, 8);
        cairo_fill(cr);
        vertical_source(cr, G + 8, G + 16, {{0, kKerb * 0.55}, {1, kKerb * 0.45}});
        rect(cr, 0, G + 8, W, 8);
        cairo_fill(cr);
        vertical_source(cr, G + 16, H, {{0, kAsphalt * 0.9}, {1, kAsphalt}});
        rect(cr, 0, G + 16, W, H - G - 16);
        cairo_fill(cr);
        // The gutter's setts, a drain, a manhole cover, and a painted edge line.
        set(cr, hex(0x6a6660));
        for (double x = 0; x < W; x += 14) rect(cr, x + 1, G + 16, 12, 7);
        cairo_fill(cr);
        set(cr, hex(0x1c1c1e));
        rect(cr, 420, G + 16, 40, 7);
        cairo_fill(cr);
        set(cr, hex(0x5a5a5c));
        for (double x = 422; x < 458; x += 4) rect(cr, x, G + 17, 2, 5);
        cairo_fill(cr);
        strip(cr, W, G + 36, 3, hex(0xe8e6e0), 0.85);
        cairo_save(cr);
        cairo_translate(cr, 1000, G + 32);
        cairo_scale(cr, 34, 8);
        radial_source(cr, 0, 0, 1, {{0, hex(0x5a5a5a)}, {0.85, hex(0x48484a)}, {1, hex(0x303032)}});
        cairo_arc(cr, 0, 0, 1, 0, kTwoPi);
        cairo_fill(cr);
        cairo_restore(cr);
        mottle(canvas, 0, static_cast<int>(G) + 16, W, H, 24, 0.08, 31);
        grain(canvas, 0, static_cast<int>(G), W, H, 0.07, 32);
    }
}
