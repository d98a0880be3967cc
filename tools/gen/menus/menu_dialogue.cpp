// The story's dialogue backdrop (graphics/blackscreen.bmp; the end screens
// use it too). The game draws over it: player 1's portrait at (40, 20) and
// player 2's at (331, 183), their close-up bands on rows 93 to 160 and 256
// to 323; player 1's taunt across row 68 and player 2's across row 325;
// player 1's statistics from (53, 170) with their "+" buttons; the
// opponent's level at the right of row 419; a prompt at row 465; the end
// screens' large lines around the middle (menus/screen_texts.h). So it is a
// quiet night with a ribbon for each taunt, a lit slot for each portrait
// band, a plate for the statistics and the versus seal where nothing is
// printed, all in flat, soft colour.

#include "menus/menu_art.h"
#include "menus/screen_texts.h"

using namespace scenery;

namespace menus {

namespace {

// A ribbon across the screen for a line of text: dark and even inside,
// edged with the player's colour.
void ribbon(cairo_t* cr, double y, double h, Colour accent) {
    vertical_source(cr, y, y + h, {{0, hex(0x0a0c26), 0.9}, {0.5, hex(0x121538), 0.9}, {1, hex(0x0a0c26), 0.9}});
    rect(cr, 0, y, 640, h);
    cairo_fill(cr);
    for (const double ry : {y - 2, y + h}) {
        horizontal_source(cr, 0, 640, {{0, accent, 0}, {0.5, accent, 0.85}, {1, accent, 0}});
        rect(cr, 0, ry, 640, 2);
        cairo_fill(cr);
    }
}

// The slot behind a portrait's band, lit in the player's colour.
void slot(Canvas& canvas, double x, double y, Colour accent, Colour deep) {
    cairo_t* cr = canvas.cr();
    const double w = kPortraitWidth, h = kPortraitBandBottom - kPortraitBandTop;
    Canvas halo(640, 480);
    rect(halo.cr(), x - 2, y - 2, w + 4, h + 4);
    set(halo.cr(), accent, 0.9);
    cairo_set_line_width(halo.cr(), 5);
    cairo_stroke(halo.cr());
    halo.blur(8);
    canvas.paint(halo, CAIRO_OPERATOR_ADD, 0.6);
    rect(cr, x, y, w, h);
    radial_source(cr, x + w / 2, y + h / 2, w * 0.6, {{0, mix(deep, style::kWhite, 0.12)}, {1, hex(0x05061a)}});
    cairo_fill(cr);
}

}  // namespace

Image draw_dialogue_screen(const style::Fonts& fonts) {
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 0, 480, {{0, hex(0x07081e)}, {0.5, hex(0x101238)}, {1, hex(0x05060f)}});
    cairo_paint(cr);
    // Each side's light, soft and wide: player 1's from the top left, player
    // 2's from the bottom right.
    radial_source(cr, 120, 60, 420, {{0, style::kFire, 0.16}, {1, style::kFire, 0}});
    cairo_paint(cr);
    radial_source(cr, 520, 420, 420, {{0, style::kJade, 0.14}, {1, style::kJade, 0}});
    cairo_paint(cr);

    ribbon(cr, 62, 34, style::kFire);
    ribbon(cr, 319, 34, style::kJade);
    slot(canvas, 40, 20 + kPortraitBandTop, style::kFire, hex(0x6a1e10));
    slot(canvas, 331, 183 + kPortraitBandTop, style::kJade, hex(0x0a4a3a));

    // A plate under player 1's statistics, soft towards the middle.
    horizontal_source(cr, 40, 200, {{0, {0, 0, 0}, 0.45}, {0.6, {0, 0, 0}, 0.45}, {1, {0, 0, 0}, 0}});
    rect(cr, 40, 164, 160, 110);
    cairo_fill(cr);
    // Between the two portraits, clear of every text: the versus seal.
    versus_seal(canvas, fonts, 470, 180, 34);
    // A band along the foot for the prompt.
    vertical_source(cr, 452, 480, {{0, hex(0x020208), 0}, {0.4, hex(0x020208), 0.8}, {1, hex(0x020208), 0.9}});
    rect(cr, 0, 452, 640, 28);
    cairo_fill(cr);
    return style::to_opaque(canvas);
}

}  // namespace menus
