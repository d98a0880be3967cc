// The title screen: Tarvenholt at dusk, its skyline black against a huge
// setting sun, embers drifting up; the game's name across the top in chrome
// and fire. The menu's blades sit on the calm sky at the left, so nothing
// busy is painted there. Also the game's small logo, the same lettering
// shrunk, for the fighter selection screen.

#include <algorithm>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "common/rng.h"
#include "menus/menu_art.h"

using namespace scenery;

namespace menus {

namespace {

// The game's name in three layers: QUENDAVORIN in chrome over FIGHTER in
// fire, a huge gold 2 beside both, and TARVENHOLT on a ribbon under them.
// `glow`, when given, receives the letters' shapes for a halo.
void draw_game_title(Canvas& canvas, const style::Fonts& fonts, double centre_x, double top, Canvas* glow) {
    const double slant = 0.1;
    const double name_caps = 38, fighter_caps = 56, two_caps = 118;

    style::Lettering name_look = style::chrome_look(name_caps);
    style::Lettering fighter_look = style::fire_look(fighter_caps);
    style::Lettering two_look = style::gold_look(two_caps);
    two_look.line = hex(0xfff4c0);
    two_look.line_width = std::max(1.0, two_caps * 0.03);
    for (style::Lettering* l : {&name_look, &fighter_look, &two_look}) l->slant = slant;

    style::Placed name = style::place_text(canvas, fonts.black, "QUENDAVORIN", name_caps, 2.2, 0, top, slant);
    style::Placed fighter =
        style::place_text(canvas, fonts.black, "FIGHTER", fighter_caps, 3, 0, top + 50, slant);
    style::Placed two = style::place_text(canvas, fonts.black, "2", two_caps, 0, 0, top - 4, slant);
    const style::Span ns = style::ink_span(name, name_look), fs = style::ink_span(fighter, fighter_look),
                      ts = style::ink_span(two, two_look);
    const double words = std::max(ns.right - ns.left, fs.right - fs.left), gap = 6;
    const double left = centre_x - (words + gap + (ts.right - ts.left)) / 2;
    // The words centred on each other, the 2 after the longer one.
    name.x += left + (words - (ns.right - ns.left)) / 2 - ns.left;
    fighter.x += left + (words - (fs.right - fs.left)) / 2 - fs.left;
    two.x += left + words + gap - ts.left;

    if (glow) {
        cairo_t* g = glow->cr();
        for (const style::Placed* p : {&name, &fighter, &two}) {
            style::use_caps(*glow, fonts.black, p->caps_height);
            cairo_save(g);
            cairo_matrix_t m;
            cairo_matrix_init(&m, 1, 0, -slant, 1, p->x, p->baseline);
            cairo_transform(g, &m);
            glow->text_path(p->run, 0, 0);
            cairo_restore(g);
            cairo_set_line_width(g, 10);
            set(g, p == &name ? style::kAzure : style::kFire);
            cairo_stroke_preserve(g);
            cairo_fill(g);
        }
    }
    style::draw_lettering(canvas, two, two_look);
    style::draw_lettering(canvas, name, name_look);
    style::draw_lettering(canvas, fighter, fighter_look);

    // TARVENHOLT on a dark ribbon with gold edges, hairlines running out of it.
    cairo_t* cr = canvas.cr();
    const double caps = 20, ribbon_top = top + 124, ribbon_h = caps + 12;
    style::Lettering gold = style::gold_look(caps);
    gold.shadow_dx = gold.shadow_dy = 1;
    gold.line_width = 0;
    gold.rim_width = 1.6;
    const style::Placed sub = style::place_text(canvas, fonts.condensed, "TARVENHOLT", caps, 9, centre_x,
                                                ribbon_top + (ribbon_h - caps) / 2);
    const style::Span ss = style::ink_span(sub, gold);
    const double rl = ss.left - 26, rr = ss.right + 26;
    style::blade_path(cr, rl, ribbon_top, rr - rl, ribbon_h, ribbon_h * 0.5, 0);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, rl + 2, ribbon_top + 2, rr - rl - 4, ribbon_h - 4, (ribbon_h - 4) * 0.5, 0);
    vertical_source(cr, ribbon_top, ribbon_top + ribbon_h,
                    {{0, hex(0x3a2a6a)}, {0.5, hex(0x1a1440)}, {1, hex(0x0c0a24)}});
    cairo_fill_preserve(cr);
    set(cr, style::kGold);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    const double y = std::floor(ribbon_top + ribbon_h / 2) + 0.5;
    for (const auto& [from, to] : {std::pair{rl - 150, rl - 6}, std::pair{rr + 150, rr + 6}}) {
        horizontal_source(cr, from, to, {{0, style::kGold, 0}, {1, style::kGold, 0.9}});
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, from, y);
        cairo_line_to(cr, to, y);
        cairo_stroke(cr);
        set(cr, style::kGoldLight);
        polygon(cr, {to, y - 3, to + (to > from ? 3 : -3), y, to, y + 3, to + (to > from ? -3 : 3), y});
        cairo_fill(cr);
    }
    style::draw_lettering(canvas, sub, gold);
}

constexpr double kHorizon = 404;
constexpr double kSunX = 486, kSunY = 396;

void paint_sky(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 0, kHorizon,
                    {{0, hex(0x05071e)}, {0.3, hex(0x12144a)}, {0.55, hex(0x34185e)}, {0.72, hex(0x7a2458)},
                     {0.86, hex(0xd84a3c)}, {0.95, hex(0xff8a42)}, {1, hex(0xffb460)}});
    cairo_paint(cr);
    Rng rng(7);
    for (int i = 0; i < 170; ++i) {
        const double x = rng.uniform() * 640, y = std::pow(rng.uniform(), 1.5) * 260;
        const double fade = 1 - y / 260;
        set(cr, {1, 0.95, 0.9}, rng.range(0.25, 0.9) * fade);
        const double s = rng.uniform() < 0.07 ? 1.6 : 1.0;
        rect(cr, x, y, s, s);
        cairo_fill(cr);
        if (s > 1) glow(cr, x + 0.8, y + 0.8, 5, {0.7, 0.8, 1}, 0.35 * fade);
    }
}

void paint_sun(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double cx = kSunX, cy = kSunY, r = 112;
    // The halo and long rays first, then the disc.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    radial_source(cr, cx, cy, 330, {{0, hex(0xff8a3a), 0.75}, {0.35, hex(0xc0306a), 0.3}, {1, hex(0x400a40), 0}});
    cairo_paint(cr);
    for (int i = 0; i < 13; ++i) {
        const double a = kPi + kPi * (i + 0.5) / 13, spread = 0.045;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a - spread) * 700, cy + std::sin(a - spread) * 700);
        cairo_line_to(cr, cx + std::cos(a + spread) * 700, cy + std::sin(a + spread) * 700);
        cairo_close_path(cr);
        radial_source(cr, cx, cy, 520, {{0.2, hex(0xffb070), 0.16}, {1, hex(0xffb070), 0}});
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    vertical_source(cr, cy - r, cy + r * 0.2,
                    {{0, hex(0xfff6cc)}, {0.45, hex(0xffd27a)}, {0.8, hex(0xff8a3a)}, {1, hex(0xff5a30)}});
    cairo_fill(cr);
    // Long thin clouds drawn across it, lit from below.
    Rng rng(21);
    for (int i = 0; i < 7; ++i) {
        const double y = cy - r * 0.55 + i * 13 + rng.range(-3, 3), h = rng.range(2.0, 4.5);
        const double x0 = cx - r - rng.range(40, 160), x1 = cx + r + rng.range(20, 120);
        cairo_move_to(cr, x0, y);
        cairo_curve_to(cr, x0 + 60, y - h, x1 - 60, y - h, x1, y);
        cairo_curve_to(cr, x1 - 80, y + h, x0 + 80, y + h, x0, y);
        linear_source(cr, x0, 0, x1, 0, {{0, hex(0x5a1e52), 0}, {0.3, hex(0x6a2250), 0.85}, {0.8, hex(0x8a3050), 0.85},
                                         {1, hex(0x8a3050), 0}});
        cairo_fill(cr);
    }
}

// A building's silhouette with windows, some of them lit.
void tower(cairo_t* cr, Rng& rng, double x, double w, double top, double ground, Colour body, double lit_chance) {
    set(cr, body);
    rect(cr, x, top, w, ground - top);
    cairo_fill(cr);
    for (double wy = top + 6; wy < ground - 6; wy += 7)
        for (double wx = x + 3; wx < x + w - 4; wx += 6)
            if (rng.uniform() < lit_chance) {
                set(cr, mix(hex(0xffb050), hex(0xffe0a0), rng.uniform()), rng.range(0.5, 0.95));
                rect(cr, wx, wy, 2, 3);
                cairo_fill(cr);
            }
}

// A temple spire: a curved tower with horizontal ribs and a pot on top.
void spire(cairo_t* cr, double cx, double w, double top, double ground, Colour body) {
    set(cr, body);
    cairo_move_to(cr, cx - w / 2, ground);
    cairo_curve_to(cr, cx - w / 2, top + (ground - top) * 0.4, cx - w * 0.2, top + 8, cx, top);
    cairo_curve_to(cr, cx + w * 0.2, top + 8, cx + w / 2, top + (ground - top) * 0.4, cx + w / 2, ground);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, cx, top - 3, 3.5, 0, 2 * kPi);
    cairo_fill(cr);
    rect(cr, cx - 0.6, top - 12, 1.2, 10);
    cairo_fill(cr);
}

void paint_city(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double ground = 452;
    // The far hills, hazed into the glow.
    cairo_move_to(cr, 0, kHorizon);
    for (int x = 0; x <= 640; x += 8)
        cairo_line_to(cr, x, kHorizon - 14 - 16 * fbm(x * 0.006, 0.5, 5, 4) - 8 * std::sin(x * 0.012));
    cairo_line_to(cr, 640, 480);
    cairo_line_to(cr, 0, 480);
    cairo_close_path(cr);
    vertical_source(cr, kHorizon - 40, kHorizon + 10, {{0, hex(0x8a3a62)}, {1, hex(0x5a2454)}});
    cairo_fill(cr);

    // The far city: the temple's spires, the university's clock tower, the
    // airport's control tower, blocks between them.
    Rng rng(33);
    const Colour far = hex(0x3a1a4a), near = hex(0x150b22);
    for (double x = 0; x < 640;) {
        const double w = rng.range(14, 34), h = rng.range(18, 58);
        tower(cr, rng, x, w, kHorizon - h + 14, 480, far, 0.1);
        x += w + rng.range(-4, 6);
    }
    spire(cr, 548, 46, 300, 480, far);
    spire(cr, 508, 26, 338, 480, far);
    spire(cr, 590, 26, 342, 480, far);
    // The control tower: a shaft and a glass cab.
    set(cr, far);
    rect(cr, 404, 318, 9, 160);
    cairo_fill(cr);
    polygon(cr, {394, 318, 423, 318, 419, 304, 398, 304});
    cairo_fill(cr);
    set(cr, hex(0xffc070), 0.8);
    rect(cr, 399, 308, 19, 5);
    cairo_fill(cr);
    // The clock tower.
    set(cr, far);
    rect(cr, 96, 330, 22, 150);
    cairo_fill(cr);
    polygon(cr, {94, 330, 120, 330, 107, 306});
    cairo_fill(cr);
    cairo_arc(cr, 107, 344, 6, 0, 2 * kPi);
    set(cr, hex(0xffd890), 0.85);
    cairo_fill(cr);

    // The near rooftops, almost black, with a few late windows.
    for (double x = -10; x < 650;) {
        const double w = rng.range(26, 60), h = rng.range(10, 44);
        tower(cr, rng, x, w, ground - h, 480, near, 0.16);
        x += w + rng.range(0, 4);
    }
    vertical_source(cr, ground - 10, 480, {{0, near, 0}, {0.4, hex(0x0a0614)}, {1, hex(0x05030c)}});
    rect(cr, 0, ground - 10, 640, 480 - ground + 10);
    cairo_fill(cr);
}

// Sparks rising from the city on the warm air.
void embers(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    Rng rng(91);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 90; ++i) {
        const double x = 330 + std::pow(rng.uniform(), 0.7) * 310, y = 200 + rng.uniform() * 270;
        const double r = rng.range(0.6, 1.6), k = rng.range(0.4, 1.0);
        glow(cr, x, y, r * 5, hex(0xff7a2a), 0.35 * k);
        set(cr, hex(0xffd890), 0.9 * k);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace

Image draw_title_screen(const style::Fonts& fonts) {
    Canvas canvas(640, 480);
    paint_sky(canvas);
    paint_sun(canvas);
    paint_city(canvas);
    embers(canvas);

    // The name's halo, then the name.
    Canvas halo(640, 480), letters(640, 480);
    draw_game_title(letters, fonts, 320, 20, &halo);
    halo.blur(14);
    canvas.paint(halo, CAIRO_OPERATOR_ADD, 0.55);
    canvas.paint(letters);

    // The studio's name, small, in the corner the menu leaves free.
    const style::Placed studio = style::place_text(canvas, fonts.condensed, "PYXELHARN", 10, 3, 592, 462);
    style::Lettering quiet;
    quiet.top = quiet.middle = hex(0xc8b0d8);
    quiet.horizon = 1;
    quiet.rim_width = 0;
    quiet.bevel = 0;
    style::draw_lettering(canvas, studio, quiet);
    return style::to_opaque(canvas);
}

Image draw_small_logo(const style::Fonts& fonts) {
    // Too small for the ribbon: QUENDAVORIN over FIGHTER, the 2 beside
    // FIGHTER, each line as wide as the picture allows.
    Canvas canvas(kSmallLogoWidth, kSmallLogoHeight);
    const double slant = 0.1, width = kSmallLogoWidth - 4;
    auto fit = [&](const std::string& text, double caps, double tracking, double top, style::Lettering (*look)(double),
                   double room) {
        for (;; caps -= 0.25) {
            style::Lettering l = look(caps);
            l.slant = slant;
            l.shadow_dx = 0.5;
            l.shadow_dy = 1.2;
            l.rim_width = 1.4;
            l.line_width = std::min(l.line_width, 0.9);
            style::Placed p = style::place_text(canvas, fonts.black, text, caps, tracking, 0, top, slant);
            const style::Span span = style::ink_span(p, l);
            if (span.right - span.left <= room || caps < 6) return std::pair{p, l};
        }
    };
    auto [name, name_look] = fit("QUENDAVORIN", 14, 1.0, 3.5, style::chrome_look, width);
    auto [fighter, fighter_look] = fit("FIGHTER", 19, 1.2, 22.5, style::fire_look, width - 30);
    auto [two, two_look] = fit("2", 27, 0, 18, style::gold_look, width);
    two_look.line = hex(0xfff4c0);
    const style::Span ns = style::ink_span(name, name_look), fs = style::ink_span(fighter, fighter_look),
                      ts = style::ink_span(two, two_look);
    const double row2 = (fs.right - fs.left) + 3 + (ts.right - ts.left);
    name.x += (kSmallLogoWidth - (ns.right - ns.left)) / 2 - ns.left;
    fighter.x += (kSmallLogoWidth - row2) / 2 - fs.left;
    two.x += (kSmallLogoWidth - row2) / 2 + (fs.right - fs.left) + 3 - ts.left;
    style::draw_lettering(canvas, two, two_look);
    style::draw_lettering(canvas, fighter, fighter_look);
    style::draw_lettering(canvas, name, name_look);
    return style::to_sprite(canvas);
}

}  // namespace menus
