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

struct Rail {
    const char* label;
    double top, bottom;  // rows the rail spans
    Colour accent;
};

// The game's rows: player 1's buttons on rows 101-140, player 2's on
// 140-180, the progression's on 179-220, the edition's on 228-254.
const Rail kRails[] = {
    {"JOUEUR 1", 104, 141, style::kFire},
    {"JOUEUR 2", 143, 180, style::kJade},
    {"PROGRESSION", 182, 219, style::kViolet},
    {"ÉDITION", 221, 258, style::kCyan},
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


void rail(Canvas& canvas, const style::Fonts& fonts, const Rail& r) {
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

// What the choices mean, on a glass panel.
void legend(Canvas& canvas, const style::Fonts& fonts) {
    cairo_t* cr = canvas.cr();
    const double x = 40, y = 268, w = 560, h = 132;
    style::blade_path(cr, x, y, w, h, 0, 10);
    set(cr, hex(0x070920), 0.72);
    cairo_fill_preserve(cr);
    set(cr, style::kGold, 0.55);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    struct Entry {
        const char* term;
        const char* meaning;
        Colour colour;
    };
    const Entry entries[] = {
        {"CPU", "l'ordinateur dirige le combattant", style::kCyan},
        {"CLAVIER", "le joueur se bat au clavier", style::kCyan},
        {"MANETTE", "le joueur se bat à la manette", style::kCyan},
        {"PROGRESSION", "vos combattants gagnent expérience et niveaux", hex(0xc8a8ff)},
        {"ÉDITION", "le jeu d'origine ou sa version améliorée", style::kCyan},
    };
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
    for (int i = 0; i < 5; ++i) {
        const double row = y + 16 + i * 22;
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

void bottom_bar(Canvas& canvas, const style::Fonts& fonts) {
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
    style::Placed p = style::place_text(canvas, fonts.sans, "réglages enregistrés au retour", 8, 0.4, 0, 434);
    p.x += 600 - (p.x + p.run.ink_right);
    style::draw_lettering(canvas, p, note);
}

}  // namespace

Image draw_options_screen(const style::Fonts& fonts) {
    Canvas canvas(640, 480);
    backdrop(canvas);
    page_title(canvas, fonts, "OPTIONS", 40, 30, 86.5);
    for (const Rail& r : kRails) rail(canvas, fonts, r);
    legend(canvas, fonts);
    bottom_bar(canvas, fonts);
    return style::to_opaque(canvas);
}

}  // namespace menus
