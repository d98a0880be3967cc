// The banners that open and close a round. Heavy slanted capitals with a
// double outline and a solid shadow, over a dark ribbon whose edges carry
// the banner's colour; the knock-out bursts out of a jagged star instead.

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/synth.h"  // kPi
#include "hud/hud_art.h"

namespace hud {

namespace {

constexpr double kSlant = 0.14;

struct Theme {
    style::Lettering (*lettering)(double caps);
    style::Colour edge, edge_dark;  // the ribbon's edges
};

style::Lettering steel_look(double caps) {
    style::Lettering l = style::chrome_look(caps);
    l.line = style::kCyan;
    return l;
}

Theme theme(BannerLook look) {
    switch (look) {
    case BannerLook::Gold: return {style::gold_look, style::kGold, style::kGoldDeep};
    case BannerLook::Steel: return {steel_look, style::kCyan, style::kAzure};
    case BannerLook::Round: return {style::chrome_look, style::kGold, style::kGoldDeep};
    case BannerLook::Impact:
    case BannerLook::Fire: break;
    }
    return {style::fire_look, style::kFire, style::kFireDeep};
}

// A dark slanted ribbon across the middle, edged top and bottom.
void ribbon(cairo_t* cr, double w, double y, double h, const Theme& t) {
    const double lean = h * 0.5;
    style::blade_path(cr, 2, y, w - 4, h, lean, 0);
    scenery::set(cr, style::kInk);
    cairo_fill(cr);
    style::blade_path(cr, 5, y + 3, w - 10, h - 6, lean, 0);
    scenery::vertical_source(cr, y + 3, y + h - 3,
                             {{0, t.edge}, {0.09, t.edge}, {0.1, t.edge_dark}, {0.16, scenery::hex(0x1a1f4a)},
                              {0.84, scenery::hex(0x0c0f2a)}, {0.9, t.edge_dark}, {0.91, t.edge}, {1, t.edge}});
    cairo_fill(cr);
    // Speed lines running out of the ribbon's ends.
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 3; ++i) {
        const double ly = y + h * (0.32 + 0.18 * i);
        scenery::set(cr, t.edge, 0.55);
        cairo_move_to(cr, 12 + lean * (1 - (ly - y) / h) + 8 * i, ly);
        cairo_line_to(cr, w * 0.2 - 14 * i, ly);
        cairo_move_to(cr, w * 0.8 + 14 * i, ly);
        cairo_line_to(cr, w - 12 - lean * ((ly - y) / h) - 8 * i, ly);
        cairo_stroke(cr);
    }
}

// A jagged star behind the knock-out, dark red at its heart.
void burst(cairo_t* cr, double cx, double cy, double rx, double ry) {
    const int points = 22;
    auto star = [&](double k) {
        for (int i = 0; i < points * 2; ++i) {
            const double a = kPi * i / points - kPi / 2;
            const double r = (i % 2 == 0 ? 1.0 : 0.72 - 0.08 * ((i / 2) % 3 == 1)) * k;
            const double px = cx + std::cos(a) * rx * r, py = cy + std::sin(a) * ry * r;
            if (i == 0) cairo_move_to(cr, px, py);
            else cairo_line_to(cr, px, py);
        }
        cairo_close_path(cr);
    };
    star(1.0);
    scenery::set(cr, style::kInk);
    cairo_fill(cr);
    star(0.965);
    scenery::set(cr, style::kFire);
    cairo_fill(cr);
    star(0.93);
    scenery::radial_source(cr, cx, cy, rx,
                           {{0, scenery::hex(0xd8281a)}, {0.55, scenery::hex(0x8a0c12)}, {1, scenery::hex(0x3a0410)}});
    cairo_fill(cr);
}

style::Lettering slanted(const Theme& t, double caps) {
    style::Lettering l = t.lettering(caps);
    l.slant = kSlant;
    return l;
}

// The largest capitals up to `caps` at which the text fits the width.
style::Placed fit(Canvas& canvas, const FontFile& font, const std::string& text, double caps, double width,
                  double centre_x, double caps_top, const Theme& t) {
    for (;;) {
        style::Placed p = style::place_text(canvas, font, text, caps, caps * 0.04, centre_x, caps_top, kSlant);
        const style::Span s = style::ink_span(p, slanted(t, caps));
        if (s.right - s.left <= width || caps < 12) return p;
        caps -= 1;
    }
}

}  // namespace

const std::vector<Banner>& banners() {
    static const std::vector<Banner> list{
        {"graphics/ko.bmp", "K.O.", BannerLook::Impact, 420, 140},
        {"graphics/perfect.bmp", "PERFECT", BannerLook::Gold, 460, 110},
        {"graphics/timeup.bmp", "TIME UP", BannerLook::Steel, 440, 110},
        {"graphics/fight.bmp", "FIGHT!", BannerLook::Fire, 440, 120},
        {"graphics/roundone.bmp", "ROUND 1", BannerLook::Round, 420, 110},
        {"graphics/roundtwo.bmp", "ROUND 2", BannerLook::Round, 420, 110},
        {"graphics/finalround.bmp", "FINAL ROUND", BannerLook::Fire, 480, 110},
    };
    return list;
}

Image draw_banner(const style::Fonts& fonts, const Banner& b) {
    Canvas canvas(b.width, b.height);
    cairo_t* cr = canvas.cr();
    const Theme t = theme(b.look);
    const double w = b.width, h = b.height;

    if (b.look == BannerLook::Impact) burst(cr, w / 2, h / 2, w * 0.38, h * 0.5 - 1);
    else ribbon(cr, w, h * 0.3, h * 0.46, t);

    const double caps = b.look == BannerLook::Impact ? h * 0.68 : h * 0.6;
    const double top = (h - caps) / 2 - caps * 0.04;
    const std::string text = b.text;
    if (b.look == BannerLook::Round) {
        // "ROUND" in chrome, its number larger, in fire.
        const std::size_t space = text.rfind(' ');
        const std::string word = text.substr(0, space), number = text.substr(space + 1);
        const Theme fire = theme(BannerLook::Fire);
        style::Placed r, n;
        double size = caps, big = 0, left = 0, gap = 0;
        style::Span rs{}, ns{};
        for (;; size -= 1) {
            big = size * 1.3;
            n = style::place_text(canvas, fonts.black, number, big, 0, 0, (h - big) / 2 - big * 0.04, kSlant);
            ns = style::ink_span(n, slanted(fire, big));
            r = style::place_text(canvas, fonts.black, word, size, size * 0.04, 0, (h - size) / 2 - size * 0.04,
                                  kSlant);
            rs = style::ink_span(r, slanted(t, size));
            gap = size * 0.12;
            const double total = (rs.right - rs.left) + gap + (ns.right - ns.left);
            left = (w - total) / 2;
            const style::Lettering nl = slanted(fire, big);
            const double tall = big + 2 * (nl.rim_width + nl.line_width) + nl.shadow_dy;
            if ((total <= w - 12 && tall <= h - 2) || size < 12) break;
        }
        r.x += left - rs.left;
        n.x += left + (rs.right - rs.left) + gap - ns.left;
        style::draw_lettering(canvas, r, slanted(t, size));
        style::draw_lettering(canvas, n, slanted(fire, big));
    } else {
        const style::Placed p = fit(canvas, fonts.black, text, caps, w - 12, w / 2, top, t);
        style::draw_lettering(canvas, p, slanted(t, p.caps_height));
    }
    return style::to_sprite(canvas);
}

}  // namespace hud
