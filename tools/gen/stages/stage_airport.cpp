// The airport apron on a clear afternoon: a control tower and a glass
// terminal on the left, a hangar on the right, airliners at their stands,
// and a concrete apron with its painted lines running up to the horizon.

#include <array>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "stages/scenery.h"
#include "stages/stages.h"

using namespace scenery;

namespace {

constexpr double kHorizon = 505;  // eye level
constexpr double kApronTop = 548;  // where the buildings stand

const Colour kSkyTop = hex(0x2f6cb8), kSkyMid = hex(0x6fa6d9), kSkyLow = hex(0xb7d4ea), kAir = hex(0xd6e4ee);
const Colour kConcrete = hex(0xa3a39e), kConcreteNear = hex(0xb1afa8), kJoint = hex(0x4a4a48);
const Colour kYellow = hex(0xf0c030), kWhiteLine = hex(0xf2f2ee);

struct Livery {
    Colour body, belly, tail, tail_mark, stripe, engine;
};

// A twin-engined airliner seen from the side, standing on ground_y; drawn
// nose to the right in its own frame (x from the tail tip, y up from the
// ground) and mirrored when it faces left.
void airliner(Canvas& canvas, double x_tail, double ground_y, double length, bool nose_right, const Livery& l) {
    cairo_t* cr = canvas.cr();
    const double L = length, D = L * 0.1, hg = D * 0.8;
    const double belly = -hg, top = -hg - D, yc = -hg - D / 2;

    // Shadow on the apron first: the sun is high on the left.
    cairo_save(cr);
    cairo_translate(cr, x_tail, ground_y);
    if (!nose_right) {
        cairo_translate(cr, L, 0);
        cairo_scale(cr, -1, 1);
    }
    contact_shadow(cr, L * 0.55, 1, L * 0.5, D * 0.22, 0.45);
    contact_shadow(cr, L * 0.5, 2, L * 0.2, D * 0.35, 0.25);

    auto fuselage = [&] {
        cairo_move_to(cr, L * 0.0, yc - D * 0.24);
        cairo_curve_to(cr, L * 0.02, top + D * 0.1, L * 0.06, top, L * 0.14, top);
        cairo_line_to(cr, L * 0.86, top);
        cairo_curve_to(cr, L * 0.93, top + D * 0.0, L * 0.975, yc - D * 0.18, L * 0.995, yc + D * 0.08);
        cairo_curve_to(cr, L * 1.0, yc + D * 0.3, L * 0.97, belly, L * 0.9, belly);
        cairo_line_to(cr, L * 0.32, belly);
        cairo_curve_to(cr, L * 0.2, belly, L * 0.08, yc + D * 0.05, L * 0.0, yc - D * 0.24);
        cairo_close_path(cr);
    };

    // The far engine and main gear, behind the body.
    auto engine = [&](double cx, double cy, double shade) {
        const double el = L * 0.15, er = D * 0.33;
        vertical_source(cr, cy - er, cy + er, {{0, l.engine * (1.05 * shade)}, {0.45, l.engine * shade}, {1, l.engine * (0.55 * shade)}});
        cairo_move_to(cr, cx + el * 0.5, cy - er);
        cairo_line_to(cr, cx - el * 0.35, cy - er * 0.92);
        cairo_curve_to(cr, cx - el * 0.55, cy - er * 0.7, cx - el * 0.55, cy + er * 0.7, cx - el * 0.35, cy + er * 0.92);
        cairo_line_to(cr, cx + el * 0.5, cy + er);
        cairo_curve_to(cr, cx + el * 0.56, cy + er * 0.6, cx + el * 0.56, cy - er * 0.6, cx + el * 0.5, cy - er);
        cairo_fill(cr);
        // Intake lip and the exhaust cone.
        set(cr, hex(0x30343a) * shade);
        cairo_save(cr);
        cairo_translate(cr, cx + el * 0.52, cy);
        cairo_scale(cr, er * 0.18, er * 0.95);
        cairo_arc(cr, 0, 0, 1, 0, kTwoPi);
        cairo_restore(cr);
        cairo_fill(cr);
        set(cr, hex(0x8a8c90) * shade);
        polygon(cr, {cx - el * 0.5, cy - er * 0.5, cx - el * 0.72, cy, cx - el * 0.5, cy + er * 0.5});
        cairo_fill(cr);
        set(cr, {1, 1, 1}, 0.35 * shade);
        rect(cr, cx - el * 0.3, cy - er * 0.75, el * 0.7, er * 0.18);
        cairo_fill(cr);
    };
    auto wheel = [&](double cx, double r) {
        radial_source(cr, cx - r * 0.2, -r - r * 0.2, r, {{0, hex(0x3a3a3c)}, {1, hex(0x111113)}});
        cairo_arc(cr, cx, -r, r, 0, kTwoPi);
        cairo_fill(cr);
        set(cr, hex(0x9a9c9e));
        cairo_arc(cr, cx, -r, r * 0.45, 0, kTwoPi);
        cairo_fill(cr);
    };
    auto strut = [&](double x, double from, double to, double w) {
        horizontal_source(cr, x - w, x + w, {{0, hex(0xc8cacc)}, {1, hex(0x6c6e70)}});
        rect(cr, x - w / 2, from, w, to - from);
        cairo_fill(cr);
    };
    engine(L * 0.61, belly + D * 0.14, 0.6);
    strut(L * 0.47, belly, -D * 0.3, D * 0.08);
    wheel(L * 0.455, D * 0.22);

    // Body, shaded as a cylinder lit from above.
    fuselage();
    vertical_source(cr, top, belly,
                    {{0, l.body * 0.92}, {0.12, l.body * 1.04}, {0.35, l.body}, {0.7, l.body * 0.9}, {1, l.belly * 0.7}});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Belly paint, the stripe under the windows, and a line of reflected light low down.
    vertical_source(cr, yc + D * 0.2, belly, {{0, l.belly}, {1, l.belly * 0.65}});
    rect(cr, 0, yc + D * 0.2, L, D);
    cairo_fill(cr);
    set(cr, l.stripe);
    rect(cr, 0, yc + D * 0.04, L, D * 0.1);
    cairo_fill(cr);
    set(cr, {1, 1, 1}, 0.18);
    rect(cr, 0, belly - D * 0.1, L, D * 0.05);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);

    // Cabin windows, doors, cockpit.
    const double wy = yc - D * 0.14;
    for (double x = L * 0.2; x < L * 0.85; x += L * 0.0135) {
        if (std::fabs(x - L * 0.82) < L * 0.02 || std::fabs(x - L * 0.55) < L * 0.015 || std::fabs(x - L * 0.24) < L * 0.02)
            continue;
        set(cr, hex(0x22303e));
        cairo_rectangle(cr, x, wy, std::max(1.5, L * 0.0055), D * 0.13);
        cairo_fill(cr);
    }
    set(cr, hex(0x7f858c), 0.9);
    cairo_set_line_width(cr, 1);
    for (double dx : {0.82, 0.55, 0.24}) {
        cairo_rectangle(cr, L * dx - L * 0.009, yc - D * 0.32, L * 0.018, D * 0.62);
        cairo_stroke(cr);
    }
    set(cr, hex(0x1c242e));
    polygon(cr, {L * 0.925, yc - D * 0.2, L * 0.958, yc - D * 0.22, L * 0.975, yc - D * 0.06, L * 0.935, yc - D * 0.05});
    cairo_fill(cr);
    set(cr, {1, 1, 1}, 0.5);
    polygon(cr, {L * 0.94, yc - D * 0.19, L * 0.955, yc - D * 0.2, L * 0.96, yc - D * 0.14, L * 0.945, yc - D * 0.13});
    cairo_fill(cr);

    // Fin and tailplane.
    cairo_move_to(cr, L * 0.0, yc - D * 0.24);
    cairo_line_to(cr, L * 0.17, top + 1);
    cairo_line_to(cr, L * 0.085, top - L * 0.165);
    cairo_line_to(cr, L * 0.035, top - L * 0.165);
    cairo_close_path(cr);
    linear_source(cr, 0, top - L * 0.17, L * 0.17, top, {{0, l.tail * 1.1}, {1, l.tail * 0.85}});
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // The company's mark: a rising sweep of two bands.
    set(cr, l.tail_mark);
    cairo_set_line_width(cr, L * 0.012);
    for (int i = 0; i < 2; ++i) {
        const double o = i * L * 0.022;
        cairo_move_to(cr, L * 0.0 + o, top + D * 0.1);
        cairo_curve_to(cr, L * 0.06 + o, top - L * 0.03, L * 0.05 + o, top - L * 0.1, L * 0.12 + o, top - L * 0.16);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    linear_source(cr, 0, yc - D * 0.3, 0, yc, {{0, l.body * 1.02}, {1, l.body * 0.75}});
    polygon(cr, {L * 0.15, yc - D * 0.12, L * 0.03, yc - D * 0.34, L * -0.01, yc - D * 0.3, L * 0.1, yc - D * 0.02});
    cairo_fill(cr);

    // Near wing, near engine and gear.
    linear_source(cr, 0, belly - D * 0.1, 0, belly + D * 0.4, {{0, l.body * 1.02}, {1, l.body * 0.7}});
    polygon(cr, {L * 0.62, yc + D * 0.2, L * 0.44, yc + D * 0.3, L * 0.27, belly + D * 0.28, L * 0.33, belly + D * 0.22});
    cairo_fill(cr);
    set(cr, l.tail);
    polygon(cr, {L * 0.27, belly + D * 0.28, L * 0.33, belly + D * 0.22, L * 0.31, belly - D * 0.05, L * 0.285, belly - D * 0.04});
    cairo_fill(cr);
    set(cr, hex(0xa8adb4));
    polygon(cr, {L * 0.6, belly + D * 0.02, L * 0.53, belly + D * 0.06, L * 0.55, belly + D * 0.14, L * 0.62, belly + D * 0.12});
    cairo_fill(cr);
    engine(L * 0.58, belly + D * 0.26, 1.0);
    strut(L * 0.5, belly, -D * 0.3, D * 0.09);
    wheel(L * 0.485, D * 0.22);
    wheel(L * 0.525, D * 0.22);
    strut(L * 0.89, belly, -D * 0.2, D * 0.06);
    wheel(L * 0.89, D * 0.14);
    // Beacon on the belly.
    glow(cr, L * 0.5, belly + 1, D * 0.5, {1, 0.15, 0.1}, 0.6);
    cairo_restore(cr);
}

void control_tower(cairo_t* cr, double x, double base_y, double cab_y) {
    const double w0 = 44, w1 = 32;
    const Colour lit = hex(0xe4e2dc), dark = hex(0x8f949c);
    // Shaft with its vertical fins.
    cairo_move_to(cr, x - w0 / 2, base_y);
    cairo_line_to(cr, x - w1 / 2, cab_y + 40);
    cairo_line_to(cr, x + w1 / 2, cab_y + 40);
    cairo_line_to(cr, x + w0 / 2, base_y);
    cairo_close_path(cr);
    horizontal_source(cr, x - w0 / 2, x + w0 / 2, {{0, lit * 0.96}, {0.3, lit}, {0.65, mix(lit, dark, 0.5)}, {1, dark}});
    cairo_fill(cr);
    for (double f : {-0.3, 0.05, 0.38}) {
        set(cr, f < 0 ? lit * 1.02 : dark * (0.9 + f * 0.2), 0.7);
        cairo_move_to(cr, x + f * w0 / 2 * 2 * 0.5, base_y);
        cairo_line_to(cr, x + f * w1 / 2 * 2 * 0.5, cab_y + 40);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    // A row of small windows up the shaft (the stairwell).
    for (double y = cab_y + 60; y < base_y - 20; y += 26) {
        set(cr, hex(0x3a4656), 0.8);
        rect(cr, x - 3, y, 6, 9);
        cairo_fill(cr);
    }
    // The cab: a deck, slanted dark glazing, a roof, antennas.
    set(cr, dark * 0.9);
    rect(cr, x - 38, cab_y + 34, 76, 8);
    cairo_fill(cr);
    polygon(cr, {x - 50, cab_y + 2, x + 50, cab_y + 2, x + 40, cab_y + 34, x - 40, cab_y + 34});
    linear_source(cr, x - 50, cab_y, x + 50, cab_y + 34, {{0, hex(0x5d7288)}, {0.4, hex(0x2a3a4c)}, {1, hex(0x1a2430)}});
    cairo_fill(cr);
    set(cr, hex(0xb8c8d8), 0.35);
    polygon(cr, {x - 44, cab_y + 4, x - 26, cab_y + 4, x - 30, cab_y + 20, x - 41, cab_y + 20});
    cairo_fill(cr);
    set(cr, dark * 0.7);
    for (double f = -40; f <= 40; f += 16) {
        cairo_move_to(cr, x + f * 1.22, cab_y + 2);
        cairo_line_to(cr, x + f, cab_y + 34);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    horizontal_source(cr, x - 56, x + 56, {{0, lit}, {0.6, lit * 0.9}, {1, dark}});
    polygon(cr, {x - 56, cab_y + 3, x + 56, cab_y + 3, x + 44, cab_y - 8, x - 44, cab_y - 8});
    cairo_fill(cr);
    set(cr, dark);
    rect(cr, x - 20, cab_y - 16, 40, 8);
    cairo_fill(cr);
    set(cr, hex(0x6a6e74));
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + 4, cab_y - 16);
    cairo_line_to(cr, x + 4, cab_y - 70);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x - 12, cab_y - 16);
    cairo_line_to(cr, x - 12, cab_y - 38);
    cairo_stroke(cr);
    // The radar on its mast and the red warning light.
    set(cr, hex(0xd8d8d4));
    rect(cr, x - 26, cab_y - 44, 28, 5);
    cairo_fill(cr);
    glow(cr, x + 4, cab_y - 71, 14, {1, 0.1, 0.05}, 0.9);
}

void terminal(cairo_t* cr, Rng& rng, double x0, double x1, double base_y, double roof_y) {
    const Colour frame = hex(0x5b6570);
    // Roof: a long gentle wave with a deep overhang.
    cairo_move_to(cr, x0, roof_y + 6);
    for (double x = x0; x <= x1; x += 8) cairo_line_to(cr, x, roof_y + 4 * std::sin((x - x0) / (x1 - x0) * kPi * 1.4) - 2);
    cairo_line_to(cr, x1, roof_y + 14);
    cairo_line_to(cr, x0, roof_y + 14);
    cairo_close_path(cr);
    vertical_source(cr, roof_y - 6, roof_y + 14, {{0, hex(0xeef0f0)}, {0.6, hex(0xc6cacd)}, {1, hex(0x7d8388)}});
    cairo_fill(cr);
    // Glass wall reflecting the sky, darker under the overhang.
    const double gy = roof_y + 14;
    vertical_source(cr, gy, base_y, {{0, hex(0x3a4a5c)}, {0.25, hex(0x6f8aa6)}, {0.7, hex(0x8fb0cc)}, {1, hex(0x4d5f70)}});
    rect(cr, x0, gy, x1 - x0, base_y - gy);
    cairo_fill(cr);
    // Reflections of clouds drifting across the glass.
    for (int i = 0; i < 6; ++i) {
        const double cx = x0 + rng.uniform() * (x1 - x0), cy = gy + rng.range(0.3, 0.6) * (base_y - gy);
        cairo_save(cr);
        rect(cr, x0, gy, x1 - x0, base_y - gy);
        cairo_clip(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rng.range(40, 90), 10);
        radial_source(cr, 0, 0, 1, {{0, {1, 1, 1}, 0.35}, {1, {1, 1, 1}, 0}});
        cairo_arc(cr, 0, 0, 1, 0, kTwoPi);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    set(cr, frame);
    for (double x = x0 + 6; x < x1; x += 14) rect(cr, x, gy, 1.5, base_y - gy);
    for (double y : {gy + (base_y - gy) * 0.45, base_y - 14.0}) rect(cr, x0, y, x1 - x0, 2);
    cairo_fill(cr);
    // People-height ground floor in shadow, and a kerb.
    set(cr, hex(0x2c343c), 0.6);
    rect(cr, x0, base_y - 13, x1 - x0, 13);
    cairo_fill(cr);
    set(cr, hex(0x8f9296));
    rect(cr, x0, base_y - 2, x1 - x0, 3);
    cairo_fill(cr);
}

void hangar(cairo_t* cr, double x0, double x1, double base_y, double eave_y, double ridge_y) {
    const Colour clad = hex(0xc8ccd0), shade = hex(0x8d949c);
    // Curved roof over straight walls.
    cairo_move_to(cr, x0, base_y);
    cairo_line_to(cr, x0, eave_y);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.2, ridge_y, x0 + (x1 - x0) * 0.8, ridge_y, x1, eave_y);
    cairo_line_to(cr, x1, base_y);
    cairo_close_path(cr);
    horizontal_source(cr, x0, x1, {{0, clad}, {0.5, mix(clad, shade, 0.3)}, {1, shade}});
    cairo_fill(cr);
    // Roof edge catching the light.
    cairo_move_to(cr, x0, eave_y);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.2, ridge_y, x0 + (x1 - x0) * 0.8, ridge_y, x1, eave_y);
    set(cr, hex(0xf4f4f2));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Ribbed cladding.
    set(cr, shade * 0.8, 0.35);
    for (double x = x0 + 4; x < x1; x += 6) rect(cr, x, eave_y - 10, 1, base_y - eave_y + 10);
    cairo_fill(cr);
    // The open doors: a dark hall with lights in its roof and a tail inside.
    const double dx0 = x0 + 30, dx1 = x1 - 40, dy = eave_y + 12;
    vertical_source(cr, dy, base_y, {{0, hex(0x1a1e24)}, {0.7, hex(0x2a3038)}, {1, hex(0x3c424a)}});
    rect(cr, dx0, dy, dx1 - dx0, base_y - dy);
    cairo_fill(cr);
    for (double x = dx0 + 30; x < dx1 - 10; x += 50) {
        set(cr, hex(0xfff4d8), 0.9);
        rect(cr, x, dy + 6, 16, 2);
        cairo_fill(cr);
        glow(cr, x + 8, dy + 10, 26, {1, 0.95, 0.8}, 0.12);
    }
    // A parked jet's fin and fuselage in the half-light.
    set(cr, hex(0x5a636e));
    polygon(cr, {dx0 + 150, base_y - 40, dx0 + 230, base_y - 44, dx0 + 190, dy + 20, dx0 + 160, dy + 20});
    cairo_fill(cr);
    set(cr, hex(0x4a525c));
    rect(cr, dx0 + 60, base_y - 48, dx1 - dx0 - 60, 18);
    cairo_fill(cr);
    // Door panels pushed aside, and the door rail.
    for (int i = 0; i < 3; ++i) {
        horizontal_source(cr, dx1 + i * 12 - 6, dx1 + i * 12 + 12, {{0, clad * 0.95}, {1, shade}});
        rect(cr, dx1 - 6 + i * 12, dy, 12, base_y - dy);
        cairo_fill(cr);
    }
    set(cr, hex(0x585e66));
    rect(cr, x0, dy - 4, x1 - x0, 4);
    cairo_fill(cr);
}

// A boarding bridge: a glazed box tube on a wheeled leg, from the terminal to
// a door on the far side of an airliner.
void jet_bridge(cairo_t* cr, double x_terminal, double y_terminal, double x_door, double y_door) {
    const double h = 22;
    // Rotunda at the terminal end.
    horizontal_source(cr, x_terminal - 30, x_terminal, {{0, hex(0xdcdedf)}, {1, hex(0x9aa0a6)}});
    rect(cr, x_terminal - 30, y_terminal - 4, 30, h + 40);
    cairo_fill(cr);
    // The tube: a light top edge, a side with a ribbon of windows, a dark underside.
    polygon(cr, {x_terminal - 30, y_terminal, x_door, y_door, x_door, y_door + h, x_terminal - 30, y_terminal + h});
    vertical_source(cr, y_terminal, y_door + h, {{0, hex(0xe2e4e6)}, {0.6, hex(0xbcc1c6)}, {1, hex(0x8a9097)}});
    cairo_fill(cr);
    set(cr, hex(0x2c3a48), 0.85);
    polygon(cr, {x_terminal - 32, y_terminal + 6, x_door + 8, y_door + 6, x_door + 8, y_door + 12, x_terminal - 32, y_terminal + 12});
    cairo_fill(cr);
    set(cr, hex(0x6e747c));
    for (double t = 0.0; t <= 1.0; t += 0.125) {
        const double x = x_terminal - 30 + (x_door - x_terminal + 30) * t, y = y_terminal + (y_door - y_terminal) * t;
        rect(cr, x - 0.5, y, 1.2, h);
    }
    cairo_fill(cr);
    set(cr, hex(0x5e646c));
    polygon(cr, {x_terminal - 30, y_terminal + h, x_door, y_door + h, x_door, y_door + h + 3, x_terminal - 30, y_terminal + h + 3});
    cairo_fill(cr);
    // The cab at the door end, and the wheeled leg holding it up.
    vertical_source(cr, y_door - 3, y_door + h + 3, {{0, hex(0xd0d4d8)}, {1, hex(0x7c838a)}});
    rect(cr, x_door - 14, y_door - 3, 18, h + 6);
    cairo_fill(cr);
    const double leg_x = x_door + 60, leg_y = y_door + h + 2;
    set(cr, hex(0x6a7078));
    rect(cr, leg_x - 3, leg_y, 6, kApronTop + 18 - leg_y);
    rect(cr, leg_x - 16, kApronTop + 14, 32, 6);
    cairo_fill(cr);
    set(cr, hex(0x1c1c1e));
    for (double wx : {leg_x - 10, leg_x + 10}) {
        cairo_arc(cr, wx, kApronTop + 21, 4, 0, kTwoPi);
        cairo_fill(cr);
    }
}

void light_mast(cairo_t* cr, double x, double base_y, double top_y) {
    set(cr, hex(0x8e949a));
    polygon(cr, {x - 3, base_y, x + 3, base_y, x + 1.2, top_y, x - 1.2, top_y});
    cairo_fill(cr);
    set(cr, hex(0x5c626a));
    rect(cr, x - 14, top_y - 10, 28, 10);
    cairo_fill(cr);
    set(cr, hex(0xdfe4e8));
    for (int i = 0; i < 4; ++i) rect(cr, x - 12 + i * 6.5, top_y - 8, 4.5, 6);
    cairo_fill(cr);
}

struct Vehicle {
    double x, ground;  // front-left corner at ground level
};

void baggage_train(Canvas& canvas, Rng& rng, double x, double ground, double scale) {
    cairo_t* cr = canvas.cr();
    const double s = scale;
    contact_shadow(cr, x + 100 * s, ground + 1, 120 * s, 5 * s, 0.4);
    // Tug.
    vertical_source(cr, ground - 20 * s, ground - 4 * s, {{0, hex(0xf2c63a)}, {1, hex(0xb88a1a)}});
    polygon(cr, {x, ground - 5 * s, x, ground - 14 * s, x + 8 * s, ground - 15 * s, x + 10 * s, ground - 24 * s,
                 x + 22 * s, ground - 24 * s, x + 24 * s, ground - 14 * s, x + 32 * s, ground - 13 * s, x + 32 * s, ground - 5 * s});
    cairo_fill(cr);
    set(cr, hex(0x24303c));
    polygon(cr, {x + 11 * s, ground - 22 * s, x + 21 * s, ground - 22 * s, x + 22.5 * s, ground - 15 * s, x + 10 * s, ground - 15 * s});
    cairo_fill(cr);
    for (double wx : {x + 7 * s, x + 25 * s}) {
        set(cr, hex(0x18181a));
        cairo_arc(cr, wx, ground - 4 * s, 4 * s, 0, kTwoPi);
        cairo_fill(cr);
    }
    // Carts with a load of suitcases.
    const Colour bags[] = {hex(0x2d5f9a), hex(0x9a2d2d), hex(0x3c7a46), hex(0x2a2a2e), hex(0xc87a2a), hex(0x6a4a8a)};
    for (int c = 0; c < 3; ++c) {
        const double cx = x + 38 * s + c * 44 * s;
        set(cr, hex(0x444a52));
        rect(cr, cx - 4 * s, ground - 6 * s, 4 * s, 1.5 * s);
        cairo_fill(cr);
        set(cr, hex(0x7a828c));
        rect(cr, cx, ground - 9 * s, 40 * s, 3 * s);
        cairo_fill(cr);
        double bx = cx + 1 * s;
        while (bx < cx + 37 * s) {
            const double bw = rng.range(6, 11) * s, bh = rng.range(7, 12) * s;
            const Colour b = bags[static_cast<int>(rng.uniform() * 6)];
            vertical_source(cr, ground - 9 * s - bh, ground - 9 * s, {{0, b * 1.15}, {1, b * 0.75}});
            rect(cr, bx, ground - 9 * s - bh, std::min(bw, cx + 39 * s - bx), bh);
            cairo_fill(cr);
            bx += bw + 0.5 * s;
        }
        for (double wx : {cx + 6 * s, cx + 34 * s}) {
            set(cr, hex(0x18181a));
            cairo_arc(cr, wx, ground - 3 * s, 3 * s, 0, kTwoPi);
            cairo_fill(cr);
        }
    }
}

void fuel_truck(cairo_t* cr, double x, double ground, double s) {
    contact_shadow(cr, x + 50 * s, ground + 1, 60 * s, 5 * s, 0.4);
    set(cr, hex(0xe8e8e4));
    cairo_new_path(cr);
    cairo_move_to(cr, x + 22 * s, ground - 8 * s);
    cairo_line_to(cr, x + 22 * s, ground - 26 * s);
    cairo_curve_to(cr, x + 22 * s, ground - 32 * s, x + 28 * s, ground - 32 * s, x + 30 * s, ground - 32 * s);
    cairo_line_to(cr, x + 96 * s, ground - 32 * s);
    cairo_curve_to(cr, x + 102 * s, ground - 32 * s, x + 102 * s, ground - 26 * s, x + 102 * s, ground - 26 * s);
    cairo_line_to(cr, x + 102 * s, ground - 8 * s);
    cairo_close_path(cr);
    vertical_source(cr, ground - 32 * s, ground - 8 * s, {{0, hex(0xf4f4f2)}, {0.5, hex(0xdcdcd8)}, {1, hex(0x9a9a98)}});
    cairo_fill(cr);
    set(cr, hex(0x2a7a3a));
    rect(cr, x + 22 * s, ground - 18 * s, 80 * s, 3 * s);
    cairo_fill(cr);
    // Cab.
    vertical_source(cr, ground - 30 * s, ground - 6 * s, {{0, hex(0x2f8a44)}, {1, hex(0x1a5228)}});
    polygon(cr, {x, ground - 6 * s, x, ground - 22 * s, x + 4 * s, ground - 30 * s, x + 20 * s, ground - 30 * s, x + 20 * s, ground - 6 * s});
    cairo_fill(cr);
    set(cr, hex(0x26323e));
    polygon(cr, {x + 2 * s, ground - 20 * s, x + 5 * s, ground - 27 * s, x + 17 * s, ground - 27 * s, x + 17 * s, ground - 20 * s});
    cairo_fill(cr);
    set(cr, hex(0x303438));
    rect(cr, x, ground - 9 * s, 104 * s, 3 * s);
    cairo_fill(cr);
    for (double wx : {x + 10 * s, x + 72 * s, x + 88 * s}) {
        set(cr, hex(0x161618));
        cairo_arc(cr, wx, ground - 5 * s, 5 * s, 0, kTwoPi);
        cairo_fill(cr);
        set(cr, hex(0x8a8c8e));
        cairo_arc(cr, wx, ground - 5 * s, 2 * s, 0, kTwoPi);
        cairo_fill(cr);
    }
}

void stair_truck(cairo_t* cr, double x, double ground, double door_y, double s) {
    contact_shadow(cr, x + 20 * s, ground + 1, 34 * s, 4 * s, 0.4);
    set(cr, hex(0xdadad6));
    polygon(cr, {x - 10 * s, ground - 10 * s, x + 40 * s, door_y + 4, x + 46 * s, door_y + 4, x + 46 * s, door_y + 9,
                 x - 4 * s, ground - 6 * s});
    cairo_fill(cr);
    set(cr, hex(0x9a9c9e));
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 9; ++i) {
        const double t = i / 9.0;
        cairo_move_to(cr, x - 10 * s + t * 50 * s, ground - 10 * s + t * (door_y + 4 - ground + 10 * s));
        cairo_line_to(cr, x - 10 * s + t * 50 * s, ground - 10 * s + t * (door_y + 4 - ground + 10 * s) - 6 * s);
        cairo_stroke(cr);
    }
    vertical_source(cr, ground - 16 * s, ground - 4 * s, {{0, hex(0xf0c830)}, {1, hex(0xa88418)}});
    rect(cr, x - 14 * s, ground - 14 * s, 52 * s, 9 * s);
    cairo_fill(cr);
    for (double wx : {x - 6 * s, x + 30 * s}) {
        set(cr, hex(0x161618));
        cairo_arc(cr, wx, ground - 4 * s, 4 * s, 0, kTwoPi);
        cairo_fill(cr);
    }
}

// A row of cargo containers on their dollies, the contoured kind that fits
// under an airliner's floor.
void containers(cairo_t* cr, double x, double ground, int count, double s) {
    contact_shadow(cr, x + count * 11 * s, ground + 1, count * 12 * s, 3 * s, 0.35);
    for (int i = 0; i < count; ++i) {
        const double cx = x + i * 22 * s;
        set(cr, hex(0x3a3e44));
        rect(cr, cx, ground - 4 * s, 20 * s, 2 * s);
        cairo_fill(cr);
        horizontal_source(cr, cx, cx + 20 * s, {{0, hex(0xd4d8dc)}, {0.7, hex(0xb4bac0)}, {1, hex(0x8a9098)}});
        polygon(cr, {cx + 1 * s, ground - 4 * s, cx + 1 * s, ground - 18 * s, cx + 15 * s, ground - 18 * s, cx + 19 * s, ground - 12 * s,
                     cx + 19 * s, ground - 4 * s});
        cairo_fill(cr);
        set(cr, hex(0x6a7078), 0.8);
        for (double f : {0.35, 0.7}) rect(cr, cx + 1 * s, ground - 18 * s + f * 14 * s, 18 * s, 0.8);
        cairo_fill(cr);
        set(cr, hex(0x161618));
        for (double wx : {cx + 4 * s, cx + 16 * s}) {
            cairo_arc(cr, wx, ground - 1.5 * s, 1.8 * s, 0, kTwoPi);
            cairo_fill(cr);
        }
    }
}

void cone(cairo_t* cr, double x, double ground, double h) {
    contact_shadow(cr, x + h * 0.15, ground, h * 0.45, h * 0.1, 0.35);
    set(cr, hex(0x2a2a2a));
    rect(cr, x - h * 0.32, ground - h * 0.08, h * 0.64, h * 0.08);
    cairo_fill(cr);
    horizontal_source(cr, x - h * 0.25, x + h * 0.25, {{0, hex(0xff7a2a)}, {0.4, hex(0xf06018)}, {1, hex(0xa03a0a)}});
    polygon(cr, {x - h * 0.25, ground - h * 0.08, x - h * 0.06, ground - h, x + h * 0.06, ground - h, x + h * 0.25, ground - h * 0.08});
    cairo_fill(cr);
    set(cr, hex(0xf4f4f0));
    polygon(cr, {x - h * 0.17, ground - h * 0.4, x - h * 0.12, ground - h * 0.62, x + h * 0.12, ground - h * 0.62, x + h * 0.17, ground - h * 0.4});
    cairo_fill(cr);
}

}  // namespace

void paint_airport(Canvas& canvas) {
    const int W = canvas.width(), H = canvas.height();
    const double G = H - kGroundMargin;
    cairo_t* cr = canvas.cr();
    Rng rng(0xA1A9027);

    // ---- sky ----
    sky(cr, W, kHorizon, kHorizon + 40, {{0, kSkyTop}, {0.45, kSkyMid}, {0.85, kSkyLow}, {1, kAir}});
    glow(cr, -80, -120, 1100, {1.0, 0.95, 0.82}, 0.22);
    {
        // A contrail, high up, spreading as it ages.
        Canvas trail(W, H);
        cairo_t* t = trail.cr();
        cairo_set_line_cap(t, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 3; ++i) {
            set(t, {1, 1, 1}, 0.25 - i * 0.06);
            cairo_set_line_width(t, 2 + i * 3);
            cairo_move_to(t, 760 + i * 60, 96 - i * 2);
            cairo_curve_to(t, 1000, 70, 1250, 40, 1430, 22);
            cairo_stroke(t);
        }
        trail.blur(2);
        canvas.paint(trail);
        set(cr, hex(0xe8ecf0));
        polygon(cr, {1432, 21, 1442, 19, 1444, 20, 1434, 23});
        cairo_fill(cr);
    }
    {
        Canvas clouds(W, H);
        MassLook look = daylight_clouds(hex(0xffffff), hex(0xe2eaf2), hex(0x90a6bf), 18);
        const struct {
            double x, base, w, h;
        } big[] = {{330, 285, 440, 150}, {1180, 235, 520, 175}, {760, 130, 260, 70}, {1560, 120, 200, 60}};
        for (const auto& c : big) {
            look.flat_base = c.base - 8;
            look.seed = static_cast<std::uint32_t>(c.x);
            mass(clouds, cumulus(rng, c.x, c.base, c.w, c.h), look);
        }
        haze(clouds, kSkyLow, 0, 0.05, 300, 0.3);
        canvas.paint(clouds);
        // Low, flat, far-off clouds sitting on the horizon haze.
        Canvas low(W, H);
        look.softness = 0.35;
        look.shadow = hex(0xb0c2d4);
        for (const auto& c : {std::array<double, 4>{160, 460, 300, 40}, {700, 470, 380, 34}, {1320, 462, 340, 46}}) {
            look.flat_base = c[1] - 4;
            look.seed = static_cast<std::uint32_t>(c[0] + 5);
            mass(low, cumulus(rng, c[0], c[1], c[2], c[3]), look);
        }
        haze(low, kAir, 400, 0.45, 505, 0.6);
        canvas.paint(low);
    }

    // ---- far: hills, a town, the runway ----
    {
        Canvas far(W, H);
        cairo_t* f = far.cr();
        hills(f, W, kHorizon, kHorizon + 10, [](double x) { return kHorizon - 10 - 26 * fbm(x * 0.004, 1.5, 71, 4) - 10 * std::sin(x * 0.002); });
        set(f, hex(0x5d7a8c));
        cairo_fill(f);
        // A distant town: small blocks along the horizon.
        for (int i = 0; i < 70; ++i) {
            const double x = rng.uniform() * W, w = rng.range(8, 26), h = rng.range(4, 18);
            set(f, mix(hex(0x6e8698), hex(0xa8b8c4), rng.uniform()));
            rect(f, x, kHorizon - h, w, h + 2);
            cairo_fill(f);
        }
        // Grass and the runway, with its edge lights, and a line of trees beyond.
        vertical_source(f, kHorizon - 2, kApronTop, {{0, hex(0x7d9a70)}, {1, hex(0x6d8a5a)}});
        rect(f, 0, kHorizon - 2, W, kApronTop - kHorizon + 2);
        cairo_fill(f);
        strip(f, W, kHorizon + 8, 7, hex(0x70767a));
        set(f, hex(0xeeeeea), 0.7);
        for (double x = 10; x < W; x += 36) rect(f, x, kHorizon + 11, 16, 1);
        cairo_fill(f);
        MassLook trees{hex(0x6f8a5c), hex(0x4d6a44), hex(0x2f4a34)};
        trees.edge_noise = 0.4;
        trees.noise_scale = 0.2;
        trees.softness = 0.3;
        trees.blend = 2;
        for (double x = -20; x < W + 20; x += rng.range(60, 200)) {
            std::vector<Puff> clump;
            const int n = static_cast<int>(rng.range(3, 9));
            for (int i = 0; i < n; ++i) clump.push_back({x + i * 7 + rng.bipolar() * 3, kHorizon - rng.range(2, 7), rng.range(5, 9)});
            trees.seed = static_cast<std::uint32_t>(x + 40);
            mass(far, clump, trees);
        }
        strip(f, W, kApronTop - 3, 3, hex(0x6b7c5a));
        haze(far, kAir, kHorizon - 40, 0.5, kApronTop, 0.15);
        canvas.paint(far);
        for (double x = 20; x < W; x += 28) glow(cr, x, kHorizon + 16, 5, {1, 0.9, 0.6}, 0.45);
        // A jet climbing away, far off.
        set(cr, hex(0x9aa8b6));
        cairo_save(cr);
        cairo_translate(cr, 930, 412);
        cairo_rotate(cr, -0.12);
        rect(cr, -14, -1.5, 28, 3);
        polygon(cr, {-4, 0, 3, 0, -3, 6, -7, 6});
        polygon(cr, {-14, -1.5, -10, -1.5, -13, -7, -15, -7});
        cairo_fill(cr);
        cairo_restore(cr);
    }

    // ---- middle: tower, terminal, hangar, masts ----
    {
        Canvas mid(W, H);
        cairo_t* m = mid.cr();
        Rng local(77);
        // Low cargo sheds between the terminal and the hangar.
        for (int i = 0; i < 4; ++i) {
            const double x = 600 + i * 140, w = 120, h = 20 + (i % 2) * 8;
            vertical_source(m, kApronTop - h, kApronTop, {{0, hex(0xd8d6cc)}, {1, hex(0xa09e96)}});
            rect(m, x, kApronTop - h, w, h);
            cairo_fill(m);
            set(m, hex(0x58606a));
            rect(m, x + 10, kApronTop - h + 8, w - 20, h - 8);
            cairo_fill(m);
        }
        control_tower(m, 232, kApronTop - 20, 160);
        terminal(m, local, -10, 620, kApronTop, 458);
        hangar(m, 1150, 1610, kApronTop + 2, 440, 398);
        light_mast(m, 700, kApronTop, 352);
        light_mast(m, 1040, kApronTop, 344);
        jet_bridge(m, 612, 498, 372, 514);
        haze(mid, kAir, 150, 0.18, kApronTop, 0.22);
        canvas.paint(mid);
    }

    // ---- the apron ----
    const Floor floor{kHorizon, G, W / 2.0, 0.12, 150};
    {
        Canvas apron(W, H);
        cairo_t* a = apron.cr();
        vertical_source(a, kApronTop, H, {{0, kConcrete * 1.04}, {1, kConcrete * 0.92}});
        rect(a, 0, kApronTop, W, H - kApronTop);
        cairo_fill(a);
        slabs(apron, floor, kApronTop, G, 0, W, kConcrete, 0.035, kJoint, 0.55, 11);
        mottle(apron, 0, static_cast<int>(kApronTop), W, static_cast<int>(G), 40, 0.06, 5);
        // Tyre scuffs and oil, stretched by perspective.
        for (int i = 0; i < 26; ++i) {
            const double k = rng.range(0.3, 9), y = floor.row_y(k), x = floor.x_at(rng.range(-200, W + 200), y);
            const double s = floor.scale_at(y);
            contact_shadow(a, x, y, rng.range(20, 60) * s, rng.range(3, 7) * s, 0.18, hex(0x2a2622));
        }
        // Painted lines: the taxi line sweeping in to the right-hand stand, stand
        // edges and the safety line around it.
        set(a, kYellow, 0.95);
        std::vector<FloorPoint> lead;
        for (int i = 0; i <= 60; ++i) {  // a cubic curve in floor space
            const double t = i / 60.0, u = 1 - t;
            const double x = u * u * u * -300 + 3 * u * u * t * 700 + 3 * u * t * t * 900 + t * t * t * 1750;
            const double k = u * u * u * 10 + 3 * u * u * t * 9 + 3 * u * t * t * 2.2 + t * t * t * 2.2;
            lead.push_back({x, k});
        }
        floor_band(a, floor, lead, 16);
        set(a, kWhiteLine, 0.85);
        floor_band(a, floor, {{-200, 3.2}, {1700, 3.2}}, 10);
        floor_band(a, floor, {{-200, 6.0}, {2000, 6.0}}, 9);
        set(a, hex(0xd03a2a), 0.85);
        floor_band(a, floor, {{960, 1.0}, {960, 5.0}}, 6);
        floor_band(a, floor, {{960, 5.0}, {1800, 5.0}}, 12);
        floor_band(a, floor, {{-100, 8.5}, {560, 8.5}}, 12);
        grain(apron, 0, static_cast<int>(kApronTop), W, H, 0.05, 3);
        canvas.paint(apron);
    }

    // ---- the far side of the apron: a pier with airliners at its gates ----
    {
        Canvas pier(W, H);
        cairo_t* p = pier.cr();
        const double x0 = 640, x1 = 1130, base = kApronTop + 4, top = base - 30;
        vertical_source(p, top, base, {{0, hex(0xe6e8ea)}, {0.15, hex(0xb0b8c0)}, {0.2, hex(0x5c7288)}, {0.8, hex(0x7f9ab2)}, {1, hex(0x46525e)}});
        rect(p, x0, top, x1 - x0, base - top);
        cairo_fill(p);
        set(p, hex(0x4c5864), 0.6);
        for (double x = x0 + 4; x < x1; x += 9) rect(p, x, top + 6, 1, base - top - 6);
        cairo_fill(p);
        const Livery green{hex(0xf2f3f2), hex(0xaab2b8), hex(0x2e7d5a), hex(0xe8e2c8), hex(0x2e7d5a), hex(0xd0d4d6)};
        const Livery orange{hex(0xf4f2ee), hex(0xb2aca4), hex(0xe07a22), hex(0xfff4e0), hex(0x51565c), hex(0xd6d2cc)};
        airliner(pier, 660, base + 16, 230, true, green);
        airliner(pier, 905, base + 18, 250, false, orange);
        haze(pier, kAir, 0, 0.32, H, 0.32);
        canvas.paint(pier);
    }

    // ---- on the apron: airliners and their ground crew's machines ----
    {
        Canvas things(W, H);
        Rng local(404);
        const Livery blue{hex(0xf4f5f6), hex(0xb9c0c8), hex(0x1f4f96), hex(0xf2b630), hex(0x1f4f96), hex(0xdadde0)};
        const Livery red{hex(0xf2f2ef), hex(0x9aa2aa), hex(0xb8352c), hex(0xf6f2ea), hex(0x3a3f46), hex(0xc9ccd0)};
        airliner(things, 30, 566, 360, true, red);
        airliner(things, 1010, 606, 560, false, blue);
        haze(things, kAir, 500, 0.14, 620, 0.05);
        canvas.paint(things);
        Canvas crew(W, H);
        cairo_t* c = crew.cr();
        stair_truck(c, 1080, 618, 531, 1.05);
        fuel_truck(c, 1320, 626, 1.0);
        baggage_train(crew, local, 330, 612, 0.95);
        containers(c, 700, 572, 5, 0.8);
        for (double x : {985.0, 1585.0, 420.0}) cone(c, x, x < 500 ? 578 : 622, 12);
        haze(crew, kAir, 500, 0.08, 640, 0.0);
        canvas.paint(crew);
    }

    // ---- the near floor: the service road edge line on the ground line ----
    {
        cairo_t* n = cr;
        vertical_source(n, G, H, {{0, kConcreteNear}, {1, kConcreteNear * 0.9}});
        rect(n, 0, G, W, H - G);
        cairo_fill(n);
        slabs(canvas, floor, G + 6, H, 0, W, kConcreteNear, 0.03, kJoint, 0.5, 12);
        // Rubber and dust gather in the joint just behind the line.
        strip(n, W, G - 2, 2, hex(0x5a5854));
        strip(n, W, G, 4, kYellow);
        strip(n, W, G + 4, 1, kYellow * 0.8);
        for (int i = 0; i < 10; ++i)
            contact_shadow(n, rng.range(0, W), rng.range(G + 14, H - 8), rng.range(30, 80), rng.range(3, 7), 0.14, hex(0x2a2622));
        mottle(canvas, 0, static_cast<int>(G) + 5, W, H, 30, 0.05, 8);
        grain(canvas, 0, static_cast<int>(G) + 5, W, H, 0.06, 9);
        // A drain channel and a pair of chocks at the far ends.
        set(n, hex(0x3a3a38));
        rect(n, 120, H - 22, 180, 8);
        cairo_fill(n);
        set(n, hex(0x6a6a66));
        for (double x = 124; x < 300; x += 6) rect(n, x, H - 21, 3, 6);
        cairo_fill(n);
        cone(n, 1560, H - 10, 34);
        cone(n, 40, H - 14, 30);
    }
}
