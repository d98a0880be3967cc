// The options screen: a night-blue board with the title at the top, one
// lit rail per setting whose tag names the row (the game lays its buttons
// along the rails), a panel explaining the choices, and a bar at the
// bottom for the way back.

#include <algorithm>
#include <cmath>

#include "audio/synth.h"  // kPi
#include "common/rng.h"
#include "menus/menu_art.h"

using namespace scenery;

namespace menus {

namespace {

// The game's rows: player 1's buttons on rows 101-140, player 2's on
// 140-180, the progression's on 179-220, the edition's on 228-254; in the
// enhanced edition the sound's and the music's sliders on the next two
// rails, 39 rows apart like the others.
const OptionRow kRows[] = {
    {"JOUEUR 1", 104, 141, style::kFire},
    {"JOUEUR 2", 143, 180, style::kJade},
    {"PROGRESSION", 182, 219, style::kViolet},
    {"ÉDITION", 221, 258, style::kCyan},
    {"SON", 260, 297, style::kGold},
    {"MUSIQUE", 299, 336, style::kAzure},
};

void backdrop(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 0, 480, {{0, hex(0x060820)}, {0.45, hex(0x141a4c)}, {0.8, hex(0x0e1036)}, {1, hex(0x05061a)}});
    cairo_paint(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    radial_source(cr, 560, 60, 360, {{0, hex(0x5a2a9a), 0.45}, {1, hex(0x5a2a9a), 0}});
    cairo_paint(cr);
    radial_source(cr, 80, 470, 300, {{0, hex(0xc0401a), 0.25}, {1, hex(0xc0401a), 0}});
    cairo_paint(cr);
    // Faint diagonal light across the board.
    for (int i = 0; i < 9; ++i) {
        const double x = -200 + i * 110;
        polygon(cr, {x, 480, x + 40, 480, x + 380, 0, x + 340, 0});
        set(cr, hex(0x8aa0ff), 0.018 + 0.01 * (i % 3));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    grain(canvas, 0, 0, 640, 480, 0.018, 5);
}


void rail(Canvas& canvas, const style::Fonts& fonts, const OptionRow& r) {
    cairo_t* cr = canvas.cr();
    const double h = r.bottom - r.top;
    // The rail: dark glass, lit along its top, its colour fading in from the tag.
    rect(cr, 20, r.top, 600, h);
    horizontal_source(cr, 20, 620, {{0, hex(0x0a0c24), 0.85}, {0.6, hex(0x10143a), 0.7}, {1, hex(0x10143a), 0.15}});
    cairo_fill(cr);
    horizontal_source(cr, 20, 620, {{0, r.accent, 0.35}, {0.5, r.accent, 0.12}, {1, r.accent, 0}});
    rect(cr, 20, r.top, 600, 1);
    cairo_fill(cr);
    horizontal_source(cr, 20, 620, {{0, {0, 0, 0}, 0.6}, {1, {0, 0, 0}, 0}});
    rect(cr, 20, r.bottom - 1, 600, 1);
    cairo_fill(cr);

    // The tag naming the row.
    const double tx = 24, tw = 160, ty = r.top + 3, th = h - 6;
    style::blade_path(cr, tx, ty, tw, th, 8, 2);
    set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, tx + 1.5, ty + 1.5, tw - 3, th - 3, 7.5, 1.5);
    vertical_source(cr, ty, ty + th,
                    {{0, hex(0x34407a)}, {0.5, hex(0x1a2152)}, {0.52, hex(0x121840)}, {1, hex(0x0a0e2a)}});
    cairo_fill(cr);
    const double notch_lean = (th - 8) * 8 / th;
    style::blade_path(cr, tx + 5, ty + 4, notch_lean + 5, th - 8, notch_lean, 0);
    set(cr, mix(r.accent, style::kWhite, 0.15));
    cairo_fill(cr);

    style::Lettering look;
    look.top = style::kWhite;
    look.middle = hex(0xe4ebff);
    look.low = hex(0xa8b8e8);
    look.bottom = hex(0xd4defc);
    look.horizon = 0.55;
    look.rim_width = 1.5;
    look.shadow_dx = look.shadow_dy = 1;
    look.bevel = 0;
    look.slant = 0.08;
    const double caps = 17;
    const style::Placed p = style::place_text(canvas, fonts.condensed, r.label, caps, 1.6, tx + 20 + (tw - 20) / 2,
                                              std::round(ty + (th - caps) / 2), look.slant);
    style::draw_lettering(canvas, p, look);
}

struct Entry {
    const char* term;
    const char* meaning;
    Colour colour;
};

// What the choices mean, on a glass panel; with the sliders' rows, a
// shorter panel explains the edition and the sliders only.
void legend(Canvas& canvas, const style::Fonts& fonts, bool volume_rows) {
    static const Entry kClassic[] = {
        {"CPU", "l'ordinateur dirige le combattant", style::kCyan},
        {"CLAVIER", "le joueur se bat au clavier", style::kCyan},
        {"MANETTE", "le joueur se bat à la manette", style::kCyan},
        {"PROGRESSION", "vos combattants gagnent expérience et niveaux", hex(0xc8a8ff)},
        {"ÉDITION", "le jeu d'origine ou sa version améliorée", style::kCyan},
    };
    static const Entry kEnhanced[] = {
        {"ÉDITION", "le jeu d'origine ou sa version améliorée", style::kCyan},
        {"SON · MUSIQUE", "glissez la poignée pour régler le volume", style::kGold},
    };
    const Entry* entries = volume_rows ? kEnhanced : kClassic;
    const int count = volume_rows ? 2 : 5;

    cairo_t* cr = canvas.cr();
    const PixelRect box = options_legend(volume_rows);
    const double x = box.x, y = box.y, w = box.w, h = box.h;
    style::blade_path(cr, x, y, w, h, 0, 10);
    set(cr, hex(0x070920), 0.72);
    cairo_fill_preserve(cr);
    set(cr, style::kGold, 0.55);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    style::Lettering term_look = style::gold_look(15);
    term_look.line_width = 0;
    term_look.rim_width = 1.2;
    term_look.shadow_dx = term_look.shadow_dy = 1;
    term_look.bevel = 0;
    style::Lettering text_look;
    text_look.top = text_look.middle = hex(0xdfe6ff);
    text_look.horizon = 1;
    text_look.rim_width = 0;
    text_look.bevel = 0;
    text_look.shadow_dx = text_look.shadow_dy = 1;
    // The lines 22 rows apart, their terms 15 tall, a little above the
    // panel's middle (the lines' shadows and descenders weigh down).
    const double first = y + (h - 22 * (count - 1) - 12) / 2;
    for (int i = 0; i < count; ++i) {
        const double row = first + i * 22;
        style::Placed term = style::place_text(canvas, fonts.condensed, entries[i].term, 15, 1.5, 0, row);
        term.x += x + 24 - (term.x + term.run.ink_left);
        style::draw_lettering(canvas, term, term_look);
        set(cr, entries[i].colour, 0.9);
        polygon(cr, {x + 150, row + 4, x + 156, row + 7.5, x + 150, row + 11});
        cairo_fill(cr);
        style::Placed text = style::place_text(canvas, fonts.sans, entries[i].meaning, 9.5, 0.3, 0, row + 2.5);
        text.x += x + 170 - (text.x + text.run.ink_left);
        style::draw_lettering(canvas, text, text_look);
    }
}

void bottom_bar(Canvas& canvas, const style::Fonts& fonts, const char* texte) {
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 408, 480, {{0, hex(0x04050f), 0}, {0.2, hex(0x04050f), 0.75}, {1, hex(0x04050f), 0.9}});
    rect(cr, 0, 408, 640, 72);
    cairo_fill(cr);
    horizontal_source(cr, 0, 640, {{0, style::kGold, 0}, {0.3, style::kGold, 0.6}, {1, style::kGold, 0}});
    rect(cr, 0, 412, 640, 1);
    cairo_fill(cr);
    style::Lettering note;
    note.top = note.middle = hex(0x8a98c8);
    note.horizon = 1;
    note.rim_width = 0;
    note.bevel = 0;
    style::Placed p = style::place_text(canvas, fonts.sans, texte, 8, 0.4, 0, 434);
    p.x += 600 - (p.x + p.run.ink_right);
    style::draw_lettering(canvas, p, note);
}

}  // namespace

std::vector<OptionRow> option_rows(bool volume_rows) {
    return {std::begin(kRows), std::end(kRows) - (volume_rows ? 0 : 2)};
}

PixelRect options_legend(bool volume_rows) {
    // Under the last rail, above the bottom bar (from row 408).
    return volume_rows ? PixelRect{40, 345, 560, 57} : PixelRect{40, 268, 560, 132};
}

Image draw_options_screen(const style::Fonts& fonts, bool volume_rows) {
    Canvas canvas(640, 480);
    backdrop(canvas);
    page_title(canvas, fonts, "OPTIONS", 40, 30, 86.5);
    for (const OptionRow& r : option_rows(volume_rows)) rail(canvas, fonts, r);
    legend(canvas, fonts, volume_rows);
    bottom_bar(canvas, fonts, "réglages enregistrés au retour");
    return style::to_opaque(canvas);
}

Image draw_online_screen(const style::Fonts& fonts) {
    Canvas canvas(640, 480);
    backdrop(canvas);
    page_title(canvas, fonts, "EN LIGNE", 40, 30, 86.5);
    // The glass panel the game writes the address and what is happening on.
    cairo_t* cr = canvas.cr();
    const PixelRect box = kOnlineStatus;
    style::blade_path(cr, box.x, box.y, box.w, box.h, 0, 10);
    set(cr, hex(0x070920), 0.72);
    cairo_fill_preserve(cr);
    set(cr, style::kGold, 0.55);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    bottom_bar(canvas, fonts, "le port 7000 doit être ouvert chez l'hôte");
    return style::to_opaque(canvas);
}

Image draw_slider_track(bool filled) {
    const double w = kSliderWidth, h = kSliderHeight, r = h / 2;
    Canvas canvas(kSliderWidth, kSliderHeight);
    cairo_t* cr = canvas.cr();
    style::rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, r - 0.5);
    set(cr, style::kInk);
    cairo_fill(cr);
    // The groove: shaded under its upper lip, catching light on its lower
    // one, as if cut into the rail.
    style::rounded_rect(cr, 1.5, 1.5, w - 3, h - 3, r - 1.5);
    if (filled)
        vertical_source(cr, 1.5, h - 1.5,
                        {{0, style::kGoldDeep}, {0.35, style::kGold}, {0.6, style::kGoldLight}, {1, style::kFire}});
    else
        vertical_source(cr, 1.5, h - 1.5, {{0, hex(0x02030c)}, {0.45, hex(0x080b24)}, {1, hex(0x18204e)}});
    cairo_fill(cr);
    cairo_save(cr);
    style::rounded_rect(cr, 1.5, 1.5, w - 3, h - 3, r - 1.5);
    cairo_clip(cr);
    rect(cr, 0, 1.5, w, 2);
    set(cr, {0, 0, 0}, filled ? 0.35 : 0.6);
    cairo_fill(cr);
    rect(cr, 0, h - 3, w, 1.5);
    set(cr, filled ? style::kWhite : style::kSteelLight, filled ? 0.45 : 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    return style::to_sprite(canvas);
}

Image draw_slider_knob(bool hover) {
    const double w = kKnobWidth, h = kKnobHeight;
    Canvas canvas(kKnobWidth, kKnobHeight);
    cairo_t* cr = canvas.cr();
    style::rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, 4);
    set(cr, style::kInk);
    cairo_fill(cr);
    // Steel at rest, ablaze under the pointer, like the buttons.
    style::rounded_rect(cr, 1.75, 1.75, w - 3.5, h - 3.5, 3);
    if (hover)
        vertical_source(cr, 2, h - 2, {{0, style::kFireHot}, {0.48, style::kFire}, {0.52, hex(0xf06418)}, {1, style::kFireDeep}});
    else
        vertical_source(cr, 2, h - 2,
                        {{0, style::kSteelLight}, {0.48, style::kSteel}, {0.52, style::kSteelDark}, {1, hex(0x2a3868)}});
    cairo_fill(cr);
    rect(cr, 3, 2.5, w - 6, 1);
    set(cr, style::kWhite, 0.7);
    cairo_fill(cr);
    // Three grip lines across its middle.
    for (int i = -1; i <= 1; ++i) {
        rect(cr, 4, h / 2 + 4 * i - 1, w - 8, 1);
        set(cr, hover ? hex(0x4a1004) : style::kInk, 0.85);
        cairo_fill(cr);
        rect(cr, 4, h / 2 + 4 * i, w - 8, 1);
        set(cr, style::kWhite, 0.45);
        cairo_fill(cr);
    }
    return style::to_sprite(canvas);
}

}  // namespace menus
