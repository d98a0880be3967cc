// The menus' buttons and the pointer. One family of slanted blades: at
// rest a dark glassy steel with a silver label; under the pointer, on every
// screen, the blade swells to its full size and catches fire; the current
// choice of an option glows jade with a check mark.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "menus/menu_art.h"

namespace menus {

namespace {

using scenery::hex;
using style::Colour;

struct Fill {
    Colour top, upper, lower, bottom;  // the glass: a break between upper and lower
    Colour edge;                       // the line just inside the rim
    double edge_alpha;
};

const Fill kSteel{hex(0x3a4a86), hex(0x1e2858), hex(0x121840), hex(0x0a0e28), hex(0x8fa4e0), 0.55};
const Fill kFire{hex(0xffe27a), hex(0xffa424), hex(0xf06418), hex(0xa8240e), hex(0xfff2b8), 1.0};
const Fill kJadeFill{hex(0xd0ffd8), hex(0x62f09a), hex(0x30c874), hex(0x138c4c), hex(0xeafff0), 1.0};

void fill_blade(cairo_t* cr, double x, double y, double w, double h, double lean, double cut, const Fill& f) {
    style::blade_path(cr, x, y, w, h, lean, cut);
    scenery::vertical_source(cr, y, y + h, {{0, f.top}, {0.48, f.upper}, {0.52, f.lower}, {1, f.bottom}});
    cairo_fill(cr);
    // A highlight along the top and a line of the fill's edge colour around it.
    cairo_save(cr);
    style::blade_path(cr, x, y, w, h, lean, cut);
    cairo_clip(cr);
    style::blade_path(cr, x, y, w, h, lean, cut);
    scenery::set(cr, f.edge, f.edge_alpha);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    scenery::vertical_source(cr, y, y + h * 0.45, {{0, {1, 1, 1}, 0.35}, {1, {1, 1, 1}, 0.0}});
    cairo_rectangle(cr, x, y, w, h * 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
}

style::Lettering label_look(State state, ButtonKind kind) {
    style::Lettering l;
    l.horizon = 0.55;
    l.rim_width = 1.6;
    l.shadow_dx = 1;
    l.shadow_dy = 1;
    l.bevel = 0;
    l.slant = kind == ButtonKind::Choice ? 0.1 : 0.14;
    if (state == State::Normal) {
        l.top = style::kWhite;
        l.middle = hex(0xd2dcf8);
        l.low = hex(0x96a8dc);
        l.bottom = hex(0xc0cef4);
    } else {
        l.top = style::kWhite;
        l.middle = style::kWhite;
        l.low = hex(0xfff0c8);
        l.bottom = style::kWhite;
        l.rim_width = 2;
        // Outlined in a deep shade of the blade's own colour.
        l.rim = l.shadow = state == State::Selected ? hex(0x04361c) : hex(0x4a1004);
    }
    if (state == State::Selected) {
        l.low = hex(0xe0ffe8);
    }
    return l;
}

Box label_box(const style::Placed& p, const style::Lettering& look) {
    const style::Span s = style::ink_span(p, look);
    const double outline = look.rim_width + look.line_width;
    return {s.left, p.baseline + p.run.ink_top - outline, s.right,
            p.baseline + p.run.ink_bottom + outline + std::max(0.0, look.shadow_dy)};
}

}  // namespace

const std::vector<ButtonSpec>& buttons() {
    static const std::vector<ButtonSpec> list{
        {"versus", "VERSUS", ButtonKind::Title, 200, 28},
        {"histoire", "HISTOIRE", ButtonKind::Title, 200, 28},
        {"enligne", "EN LIGNE", ButtonKind::Title, 200, 28},
        {"options", "OPTIONS", ButtonKind::Title, 200, 28},
        {"credits", "CREDITS", ButtonKind::Title, 200, 28},
        {"quitter", "QUITTER", ButtonKind::Title, 200, 28},
        // The game sets "clavier" and "oui" ten rows above their neighbours:
        // their shapes start ten rows down so a row's buttons line up.
        {"cpu", "CPU", ButtonKind::Choice, 88, 26},
        {"clavier", "CLAVIER", ButtonKind::Choice, 120, 36, 10},
        {"manette", "MANETTE", ButtonKind::Choice, 120, 27, 1},
        {"oui", "OUI", ButtonKind::Choice, 68, 36, 10},
        {"non", "NON", ButtonKind::Choice, 68, 26},
        {"classique", "CLASSIQUE", ButtonKind::Choice, 134, 26},
        {"ameliore", "AMÉLIORÉE", ButtonKind::Choice, 134, 26},
        {"retour", "RETOUR", ButtonKind::Back, 150, 30},
        // The results screen's and the pause panel's.
        {"revanche", "REVANCHE", ButtonKind::Title, kResultsButtonWidth, 28},
        {"changer", "CHANGER DE COMBATTANT", ButtonKind::Title, kResultsButtonWidth, 28},
        {"menu", "MENU", ButtonKind::Title, kResultsButtonWidth, 28},
        {"reprendre", "REPRENDRE", ButtonKind::Title, kPauseButtonWidth, 28},
        {"coups", "LISTE DES COUPS", ButtonKind::Title, kPauseButtonWidth, 28},
        {"quitter_combat", "QUITTER LE COMBAT", ButtonKind::Title, kPauseButtonWidth, 28},
        // The online screen's; HÉBERGER two rows taller for its accent.
        {"heberger", "HÉBERGER", ButtonKind::Title, 200, 30},
        {"rejoindre", "REJOINDRE", ButtonKind::Title, 200, 28},
        // The story's lost fight.
        {"continuer", "CONTINUER", ButtonKind::Title, kResultsButtonWidth, 28},
        {"abandonner", "ABANDONNER", ButtonKind::Title, kResultsButtonWidth, 28},
    };
    return list;
}

const ButtonSpec& button(const std::string& name) {
    for (const ButtonSpec& b : buttons())
        if (name == b.name) return b;
    throw std::logic_error("no button named " + name);
}

const std::vector<Placement>& title_placements() {
    static const std::vector<Placement> list{
        {"versus", 123, 198},  {"histoire", 87, 227}, {"enligne", 98, 273},
        {"options", 110, 320}, {"credits", 154, 371}, {"quitter", 220, 412},
    };
    return list;
}

const std::vector<Placement>& options_placements() {
    static const std::vector<Placement> list{
        {"cpu", 198, 111}, {"clavier", 290, 101}, {"manette", 417, 111},  // player 1
        {"cpu", 198, 150}, {"clavier", 290, 140}, {"manette", 418, 148},  // player 2
        {"oui", 307, 179}, {"non", 377, 189},                             // progression
        {"classique", 282, 228}, {"ameliore", 420, 228},                  // edition
        {"retour", 39, 422},
    };
    return list;
}

const std::vector<Placement>& online_placements() {
    static const std::vector<Placement> list{
        {"heberger", 220, 120},
        {"rejoindre", 220, 166},
        {"retour", 39, 422},
    };
    return list;
}

const std::vector<Placement>& results_placements() {
    static const std::vector<Placement> list{
        {"revanche", 128, 364},
        {"changer", 128, 400},
        {"menu", 128, 436},
    };
    return list;
}

const std::vector<Placement>& defeat_placements() {
    static const std::vector<Placement> list{
        {"continuer", 128, 380},
        {"abandonner", 128, 420},
    };
    return list;
}

const std::vector<Placement>& pause_placements() {
    const int x = kPausePanelX + (kPausePanelWidth - kPauseButtonWidth) / 2;
    static const std::vector<Placement> list{
        {"reprendre", x, 190},
        {"coups", x, 250},
        {"quitter_combat", x, 310},
    };
    return list;
}

ButtonArt draw_button(const style::Fonts& fonts, const ButtonSpec& desc, State state) {
    const double w = desc.width, top = desc.body_top, h = desc.height - desc.body_top;
    Canvas canvas(desc.width, desc.height);
    cairo_t* cr = canvas.cr();
    const bool choice = desc.kind == ButtonKind::Choice;
    const double lean = choice ? 6 : 10, cut = choice ? 2 : 3;
    // At rest the blade is two pixels smaller all round: under the pointer
    // it swells to the whole picture.
    const double inset = state == State::Normal ? (choice ? 1 : 2) : 0;
    const double x0 = inset + 0.5, y0 = top + inset + 0.5, bw = w - 2 * inset - 1, bh = h - 2 * inset - 1;

    style::blade_path(cr, x0, y0, bw, bh, lean, cut);
    scenery::set(cr, style::kInk);
    cairo_fill(cr);
    const Fill& fill = state == State::Selected ? kJadeFill
                       : state == State::Hover  ? kFire
                                                : kSteel;
    const double rim = state == State::Normal ? 1.2 : 1.6;
    fill_blade(cr, x0 + rim, y0 + rim, bw - 2 * rim, bh - 2 * rim, lean - rim * lean / bh, cut, fill);

    // The label, and what flanks it: a check for the current choice, an
    // arrow to go back, chevrons under the pointer on the title screen.
    const double caps = choice ? 11 : 13;
    double left = lean + 2, right = w - lean - 2;
    const double mid_y = top + h / 2;
    const std::string text = desc.label;
    const style::Lettering look = label_look(state, desc.kind);
    if (state == State::Selected) {
        // The check and the label centred together on the blade.
        const double size = w < 80 ? 10 : 12, gap = 4;
        const style::Placed probe = style::place_text(canvas, fonts.bold, text, caps, 1.2, 0, 0, look.slant);
        const style::Span ps = style::ink_span(probe, look);
        const double cx = (w - (size + gap + ps.right - ps.left)) / 2;
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        style::check_path(cr, cx, mid_y - size / 2, size);
        scenery::set(cr, style::kInk);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        style::check_path(cr, cx, mid_y - size / 2, size);
        scenery::set(cr, style::kWhite);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
        left = cx + size + gap;
        right = left + ps.right - ps.left;
    }
    if (desc.kind == ButtonKind::Back) {
        const double size = h * 0.42, x = lean + 8;
        style::chevron_path(cr, x, mid_y, size, false);
        scenery::set(cr, state == State::Normal ? style::kGold : style::kInk);
        cairo_fill(cr);
        left = x + 4;
    }
    style::Placed p = style::place_text(canvas, fonts.bold, text, caps, choice ? 1.2 : 2.4, (left + right) / 2,
                                        std::floor(mid_y - caps / 2), look.slant);
    if (state == State::Hover && desc.kind == ButtonKind::Title) {
        const style::Span s = style::ink_span(p, look);
        for (const bool toward_right : {true, false}) {
            const double x = toward_right ? s.left - 14 : s.right + 14;
            style::chevron_path(cr, x, mid_y, 11, toward_right);
            scenery::set(cr, hex(0x3a0a06));
            cairo_fill(cr);
        }
    } else if (state == State::Normal && desc.kind == ButtonKind::Title) {
        // Two thin gold slashes at the blade's leading edge.
        const double nh = bh - 2 * rim - 6, nl = nh * lean / bh;
        for (int i = 0; i < 2; ++i) {
            style::blade_path(cr, x0 + rim + 6 + 8 * i, y0 + rim + 3, 5, nh, nl, 0);
            scenery::set(cr, i == 0 ? style::kGold : style::kGoldDeep);
            cairo_fill(cr);
        }
    }
    style::draw_lettering(canvas, p, look);
    return {style::to_sprite(canvas), label_box(p, look)};
}

Image draw_cursor() {
    Canvas canvas(kCursorWidth, kCursorHeight);
    cairo_t* cr = canvas.cr();
    auto arrow = [&](double k, double dx, double dy) {
        const double pts[][2] = {{0, 0}, {0, 19.5}, {4.8, 15}, {8.6, 23}, {12.2, 21.4}, {8.6, 13.6}, {15, 13.6}};
        cairo_move_to(cr, dx + pts[0][0] * k, dy + pts[0][1] * k);
        for (const auto& p : pts) cairo_line_to(cr, dx + p[0] * k, dy + p[1] * k);
        cairo_close_path(cr);
    };
    // A hard-edged dark silhouette, then the gold arrow inside it.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    arrow(1.0, 0, 0);
    scenery::set(cr, style::kInk);
    cairo_fill(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    cairo_save(cr);
    arrow(1.0, 0, 0);
    cairo_clip(cr);
    arrow(0.84, 1.35, 2.6);
    scenery::linear_source(cr, 0, 0, 10, 20, {{0, style::kGoldLight}, {0.5, style::kGold}, {1, style::kGoldDeep}});
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 1.8, 4);
    cairo_line_to(cr, 1.8, 15);
    scenery::set(cr, style::kWhite, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
    Image image = style::to_sprite(canvas);
    image.set(0, 0, {8, 8, 24});  // the hotspot is always drawn (a colour 16-bit mode holds exactly)
    return image;
}

}  // namespace menus
