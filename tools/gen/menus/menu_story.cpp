// The story's end screens. A lost fight: a dark red room under a single
// light, the title at the top, the loser's portrait framed in the middle
// and the tray of the results screen for the two buttons. A fighter's
// ending: the fighter in triumph before a dawn with rays, in a gold laurel
// wreath, over a calm dark band that the game writes the ending on.

#include <algorithm>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "common/rng.h"
#include "menus/menu_art.h"

using namespace scenery;

namespace menus {

namespace {

const Colour kBlood = hex(0xd8302a), kEmber = hex(0xff6a3a);

void defeat_backdrop(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 0, 480, {{0, hex(0x14030a)}, {0.45, hex(0x2c0a12)}, {0.78, hex(0x16050c)}, {1, hex(0x070205)}});
    cairo_paint(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    // One cold light from above on the portrait, embers' glow from below.
    polygon(cr, {290, 0, 350, 0, 540, 480, 100, 480});
    vertical_source(cr, 0, 480, {{0, kBlood, 0.22}, {1, kBlood, 0.0}});
    cairo_fill(cr);
    radial_source(cr, 320, 520, 420, {{0, kEmber, 0.22}, {1, kEmber, 0}});
    cairo_paint(cr);
    // Faint slashes across the room, like claw marks in the dark.
    for (int i = 0; i < 3; ++i) {
        for (const double side : {-1.0, 1.0}) {
            const double x = 320 + side * (230 + i * 22), y = 120 + i * 26;
            polygon(cr, {x - side * 40, y, x - side * 34, y, x + side * 40, y + 230, x + side * 34, y + 230});
            set(cr, kBlood, 0.07);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    // Embers drifting up at the sides, clear of the title and the portrait.
    Rng rng(0xDEFA17E);
    Canvas sparks(640, 480);
    for (int i = 0; i < 46; ++i) {
        const double side = i % 2 ? 1 : -1;
        const double x = 320 + side * rng.range(175, 310), y = rng.range(120, 360), r = rng.range(0.6, 1.8);
        cairo_arc(sparks.cr(), x, y, r, 0, 2 * kPi);
        set(sparks.cr(), mix(kEmber, style::kFireHot, rng.uniform()), rng.range(0.35, 0.9));
        cairo_fill(sparks.cr());
    }
    Canvas halo(640, 480);
    halo.paint(sparks);
    halo.blur(4);
    canvas.paint(halo, CAIRO_OPERATOR_ADD, 0.9);
    canvas.paint(sparks);
    grain(canvas, 0, 0, 640, 480, 0.015, 17);
}

// The ending's sky: night above, dawn at the horizon, the sun rising
// behind the hero with rays.
void dawn(Canvas& canvas, Colour accent) {
    cairo_t* cr = canvas.cr();
    const double horizon = 338, sun_x = 320, sun_y = 250;
    vertical_source(cr, 0, horizon, {{0, hex(0x1a2466)}, {0.3, hex(0x4a3a8a)}, {0.58, hex(0xc0608a)},
                                     {0.8, hex(0xff9a5a)}, {1, hex(0xffd47a)}});
    cairo_paint(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 24; ++i) {
        const double a = kPi * 2 * i / 24;
        const double half = i % 2 ? 0.035 : 0.06;
        cairo_move_to(cr, sun_x, sun_y);
        cairo_line_to(cr, sun_x + std::cos(a - half) * 700, sun_y + std::sin(a - half) * 700);
        cairo_line_to(cr, sun_x + std::cos(a + half) * 700, sun_y + std::sin(a + half) * 700);
        cairo_close_path(cr);
        radial_source(cr, sun_x, sun_y, 520, {{0, style::kGoldLight, 0.22}, {1, style::kGoldLight, 0}});
        cairo_fill(cr);
    }
    glow(cr, sun_x, horizon, 330, hex(0xffc070), 0.55);
    glow(cr, sun_x, 175, 190, accent, 0.35);
    cairo_restore(cr);
    // Far hills against the dawn, then the plain.
    cairo_new_path(cr);
    hills(cr, 640, horizon - 14, 480, [](double x) {
        return 330 - 16 * std::sin(x / 640 * kPi * 1.6 + 0.7) - 9 * std::sin(x / 57.0) * std::sin(x / 131.0);
    });
    vertical_source(cr, 300, 480, {{0, hex(0x3a2a5a)}, {0.3, hex(0x1a1434)}, {1, hex(0x08071a)}});
    cairo_fill(cr);
    glow(cr, sun_x, horizon + 6, 240, hex(0xffb060), 0.18);
}

}  // namespace

Image draw_defeat_screen(const style::Fonts& fonts) {
    Canvas canvas(640, 480);
    defeat_backdrop(canvas);
    ruled_title(canvas, fonts, "DÉFAITE", 44, 5, 320, 26, 92.5, 40, 600, 170);
    button_tray(canvas, 366, kBlood);
    const PixelRect p = kDefeatPortrait;
    portrait_frame(canvas, p.x, p.y,
                   {hex(0x4a0a10), kBlood, {hex(0xffb4a0), kBlood, hex(0x8a1410)}, false, true});
    return style::to_opaque(canvas);
}

Image draw_ending_screen(const EndingLook& look, const std::function<void(cairo_t*)>& hero) {
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    dawn(canvas, look.accent);
    // The hero in a wreath whose branches rise round its shoulders, both
    // fading out before the band.
    const double wreath_x = 320, wreath_y = 190, wreath_r = 140;
    cairo_save(cr);
    cairo_push_group(cr);
    laurels(cr, wreath_x, wreath_y, wreath_r, 2.2);
    hero(cr);
    cairo_pattern_t* figure = cairo_pop_group(cr);
    cairo_set_source(cr, figure);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, kEndingBandTop - 70, 0, kEndingBandTop - 10);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    cairo_pattern_destroy(figure);
    cairo_restore(cr);
    // A few glints on the wreath.
    Rng rng(0xF1);
    for (int i = 0; i < 9; ++i) {
        const double a = kPi / 2 + (i % 2 ? 1 : -1) * rng.range(0.6, 2.3), r = wreath_r + rng.bipolar() * 8;
        glow(cr, wreath_x + std::cos(a) * r, wreath_y + std::sin(a) * r, rng.range(8, 16), style::kGoldLight, 0.5);
    }
    // The band for the texts: the scene fades into a calm, dark foot.
    const double fade_top = kEndingBandTop - 50;
    vertical_source(cr, fade_top, 480, {{0, hex(0x05061a), 0}, {0.3, hex(0x05061a), 0.92}, {1, hex(0x05061a), 0.97}});
    rect(cr, 0, fade_top, 640, 480 - fade_top);
    cairo_fill(cr);
    horizontal_source(cr, 0, 640, {{0, style::kGold, 0}, {0.5, style::kGold, 0.7}, {1, style::kGold, 0}});
    rect(cr, 0, kEndingBandTop - 2, 640, 1);
    cairo_fill(cr);
    return style::to_opaque(canvas);
}

}  // namespace menus
