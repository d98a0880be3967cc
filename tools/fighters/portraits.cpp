#include "portraits.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bust.h"
#include "ink.h"
#include "menus/menu_art.h"
#include "menus/menu_style.h"
#include "render.h"

namespace {

struct Colours {
    Rgb ink, energy, energy2, accent, deep;
};

Colours colours_of(const FighterSource& src) {
    auto pal = [&](const char* entry, Rgb fallback) { return src.palette.count(entry) ? src.colour(entry) : fallback; };
    Colours c;
    c.ink = pal("outline", Rgb{26, 20, 24});
    c.energy = pal("energy", Rgb{110, 210, 255});
    c.energy2 = pal("energy2", kInkWhite);
    // The costume's loudest colour.
    c.accent = c.energy2;
    for (const char* entry : {"sash", "gold", "scarf", "band"})
        if (src.palette.count(entry)) c.accent = src.colour(entry);
    c.deep = blend(c.energy, c.ink, 0.72);
    return c;
}

// The kind of the fighter's first projectile decides its emblem.
std::string emblem_kind(const FighterSource& src) { return src.fx.empty() ? "orb" : src.fx.begin()->second.kind; }

struct Surface {
    cairo_surface_t* surface;
    cairo_t* cr;
    Surface(int w, int h)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), cr(cairo_create(surface)) {}
    ~Surface() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    Image masked() {
        cairo_surface_flush(surface);
        return to_masked(reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface)),
                         cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface),
                         cairo_image_surface_get_stride(surface) / 4);
    }
};

Vec polar(Vec c, double r, double a) { return {c.x + std::cos(a) * r, c.y + std::sin(a) * r}; }

// A brush stroke along an arc, thin at both ends.
Part brush_arc(Vec c, double r, double a0, double a1, double width) {
    std::vector<Vec> outer, inner;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        const double f = static_cast<double>(i) / n;
        const double a = a0 + (a1 - a0) * f;
        const double w = width * std::pow(std::sin(M_PI * std::min(1.0, f * 1.15)), 0.6) + 0.5;
        outer.push_back(polar(c, r + w * 0.5, a));
        inner.push_back(polar(c, r - w * 0.5, a));
    }
    std::vector<Vec> pts = outer;
    for (auto it = inner.rbegin(); it != inner.rend(); ++it) pts.push_back(*it);
    return polygon(pts);
}

// A four-pointed sparkle.
Part sparkle(Vec c, double r) {
    std::vector<Vec> pts;
    for (int i = 0; i < 8; ++i) pts.push_back(polar(c, i % 2 ? r * 0.22 : r, i * M_PI / 4 - M_PI / 2));
    return polygon(pts);
}

// ---------------------------------------------------------------- emblems

void disc(Pen& pen, Vec c, double R, Rgb centre, Rgb middle, Rgb edge) {
    cairo_t* cr = pen.cr();
    cairo_pattern_t* g = cairo_pattern_create_radial(c.x - R * 0.15, c.y - R * 0.2, 0, c.x, c.y, R);
    add_stop(g, 0, centre);
    add_stop(g, 0.5, middle);
    add_stop(g, 1, edge);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, R, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void ring(Pen& pen, Vec c, double R, const Colours& k) {
    cairo_t* cr = pen.cr();
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, R, 0, 2 * M_PI);
    set_colour(cr, k.ink);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, c.x, c.y, R - 4, 0, 2 * M_PI);
    set_colour(cr, k.energy2, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// Ki: a glowing sphere with swirling strokes and a brush-stroke ring.
void orb_emblem(Pen& pen, Vec c, double R, const Colours& k) {
    disc(pen, c, R, blend(k.energy, kInkWhite, 0.5), k.energy, k.deep);
    pen.within({circle(c, R)}, [&] {
        for (int s = 0; s < 3; ++s) {
            std::vector<Vec> line;
            for (int i = 0; i <= 10; ++i) {
                const double f = i / 10.0;
                line.push_back(polar(c, R * (0.3 + 0.75 * f), s * 2 * M_PI / 3 + 0.5 + f * 2.0));
            }
            pen.tapered_line(line, R * 0.04, R * 0.2, k.energy2, 0.35);
        }
    });
    ring(pen, c, R, k);
    pen.flat({brush_arc(c, R + 6, M_PI * 0.7, M_PI * 1.3, R * 0.12)}, k.energy, 1.6);
    pen.flat({brush_arc(c, R + 4, M_PI * 1.75, M_PI * 2.2, R * 0.08)}, k.energy2, 1.4);
    const double spark[][3] = {{-0.72, -0.5, 9}, {0.78, -0.42, 7}, {-0.55, 0.68, 6}, {0.66, 0.62, 8}, {0.2, -0.86, 6}};
    for (const auto& s : spark) pen.flat({sparkle(c + Vec{s[0] * R, s[1] * R}, s[2])}, kInkWhite, 1.0);
}

// Claws: a night disc torn by three slashes.
void crescent_emblem(Pen& pen, Vec c, double R, const Colours& k) {
    disc(pen, c, R, blend(k.energy, k.ink, 0.3), blend(k.energy, k.ink, 0.62), blend(k.energy, k.ink, 0.85));
    pen.within({circle(c, R)}, [&] {
        // A pale moon behind the slashes.
        pen.flat({circle(c + Vec{R * 0.38, -R * 0.4}, R * 0.34)}, blend(k.energy2, k.energy, 0.25), 0, 0.55);
        pen.flat({circle(c + Vec{R * 0.48, -R * 0.47}, R * 0.3)}, blend(k.energy, k.ink, 0.55), 0);
    });
    ring(pen, c, R, k);
    for (int i = -1; i <= 1; ++i) {
        const Vec from = c + Vec{R * 0.86, -R * 0.8} + Vec{R * 0.26, R * 0.26} * i;
        const Vec to = c + Vec{-R * 0.8, R * 0.86} + Vec{R * 0.26, R * 0.26} * i;
        const Vec n = perp(unit(to - from));
        const double w = R * (i == 0 ? 0.11 : 0.085);
        std::vector<Vec> pts{from, lerp(from, to, 0.3) + n * (w * 0.9 + R * 0.05), lerp(from, to, 0.6) + n * (w + R * 0.06),
                             to, lerp(from, to, 0.6) - n * (w * 0.6 - R * 0.06), lerp(from, to, 0.3) - n * (w * 0.5 - R * 0.05)};
        pen.flat({curve(pts)}, blend(k.energy, kInkWhite, 0.25), 1.8);
        pen.tapered_line({lerp(from, to, 0.12), lerp(from, to, 0.45) + n * (R * 0.07), lerp(from, to, 0.85) + n * (R * 0.02)},
                         w * 0.3, w * 0.7, k.energy2);
    }
}

// Fire: a halo of flames round a turning wheel.
void wheel_emblem(Pen& pen, Vec c, double R, const Colours& k) {
    const int tongues = 20;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < tongues; ++i) {
            const double a = i * 2 * M_PI / tongues + (pass ? M_PI / tongues : 0);
            const double len = R * (pass ? 0.1 : (i % 2 ? 0.16 : 0.22));
            const double w = 2 * M_PI / tongues * 0.55;
            const Vec tip = polar(c, R * 0.94 + len, a + 0.12);
            std::vector<Vec> pts{polar(c, R * 0.9, a - w), polar(c, R + len * 0.35, a - w * 0.55), tip,
                                 polar(c, R + len * 0.45, a + w * 0.45), polar(c, R * 0.9, a + w)};
            pen.flat({curve(pts)}, pass ? k.energy2 : k.energy, pass ? 0 : 1.6);
        }
    }
    disc(pen, c, R, blend(k.energy2, kInkWhite, 0.3), k.energy, blend(k.energy, k.ink, 0.6));
    ring(pen, c, R, k);
    cairo_t* cr = pen.cr();
    const Rgb gold = k.accent;
    const Vec hub = c + Vec{0, -R * 0.22};
    const double wr = R * 0.58;
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        pen.tapered_line({polar(hub, wr * 0.2, a), polar(hub, wr * 0.95, a)}, 3.5, 2.2, scale(gold, 0.8));
    }
    for (auto [r, w, col] : {std::tuple<double, double, Rgb>{wr, 7.0, k.ink}, {wr, 4.0, gold}, {wr * 0.2, 6.0, k.ink},
                             {wr * 0.2, 3.0, gold}}) {
        cairo_new_path(cr);
        cairo_arc(cr, hub.x, hub.y, r, 0, 2 * M_PI);
        set_colour(cr, col, 0.85);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
    }
}

// The panda's: a green disc, bamboo and an ink brush circle.
void palm_emblem(Pen& pen, Vec c, double R, const Colours& k) {
    disc(pen, c, R, blend(k.energy, kInkWhite, 0.55), k.energy, blend(k.energy, k.ink, 0.6));
    const Rgb stalk = blend(k.energy, k.ink, 0.42);
    pen.within({circle(c, R)}, [&] {
        for (auto [x, w, top] : {std::array<double, 3>{-0.62, 0.09, -1.0}, {0.7, 0.08, -1.0}, {-0.28, 0.06, -1.0}}) {
            const Vec a = c + Vec{x * R, R * 1.1}, b = c + Vec{x * R + R * 0.06, top * R};
            pen.flat({taper(a, w * R, b, w * R * 0.85)}, stalk, 0);
            for (double f : {0.2, 0.45, 0.7}) {
                const Vec p = lerp(a, b, f);
                pen.line({p - Vec{w * R, 0}, p + Vec{w * R, -1}}, 2.0, blend(stalk, k.ink, 0.4));
            }
        }
        for (auto [x, y, a] : {std::array<double, 3>{-0.5, -0.45, -0.5}, {-0.75, -0.2, 3.5}, {0.62, -0.55, -0.3},
                               {0.85, -0.3, 0.4}}) {
            const Vec p = c + Vec{x * R, y * R};
            const Vec d{std::cos(a), std::sin(a)};
            pen.flat({curve({p, p + d * (R * 0.18) + perp(d) * (R * 0.05), p + d * (R * 0.34), p + d * (R * 0.18) - perp(d) * (R * 0.03)})},
                     stalk, 0);
        }
    });
    ring(pen, c, R, k);
    pen.flat({brush_arc(c, R + 5, M_PI * 0.55, M_PI * 2.35, R * 0.1)}, blend(k.energy, k.ink, 0.8), 1.2);
}

void emblem(Pen& pen, const FighterSource& src, Vec c, double R) {
    const Colours k = colours_of(src);
    const std::string kind = emblem_kind(src);
    if (kind == "crescent") crescent_emblem(pen, c, R, k);
    else if (kind == "wheel") wheel_emblem(pen, c, R, k);
    else if (kind == "palm" || kind == "quake") palm_emblem(pen, c, R, k);
    else orb_emblem(pen, c, R, k);
}

// ---------------------------------------------------------------- pictures

Image draw_portrait(const FighterSource& src, const BustMarks& m) {
    const double W = kPortraitWidth, top = kPortraitBandTop, bottom = kPortraitBandBottom, h = bottom - top;
    Surface s(kPortraitWidth, kPortraitHeight);
    cairo_t* cr = s.cr;
    const Colours k = colours_of(src);
    Pen pen(cr, k.ink, k.energy);
    // Everything stays inside the band: the rows above and below are left to
    // the texts the screens print there.
    cairo_rectangle(cr, 0, top, W, h);
    cairo_clip(cr);
    // The fighter's light behind: deep at the back of the head, bright where
    // the face looks.
    cairo_pattern_t* bg = cairo_pattern_create_linear(0, 0, W, 0);
    add_stop(bg, 0, blend(k.deep, k.ink, 0.55));
    add_stop(bg, 0.55, blend(k.energy, k.deep, 0.55));
    add_stop(bg, 1, blend(k.energy, kInkWhite, 0.25));
    cairo_set_source(cr, bg);
    cairo_paint(cr);
    cairo_pattern_destroy(bg);
    // A close-up: the head fills the band's height, its face a little right
    // of the middle, the emblem behind it cut by the band.
    const double fit = 29.0 / m.head_r;
    const Vec head{W * 0.5, top + h * 0.47};
    emblem(pen, src, head + Vec{-m.head_r * fit * 0.4, m.head_r * fit * 0.6}, 78);
    cairo_save(cr);
    cairo_translate(cr, head.x - m.head.x * fit, head.y - m.head.y * fit);
    cairo_scale(cr, fit, fit);
    draw_bust(cr, src);
    cairo_restore(cr);
    // Darker towards both ends, and a rule of the fighter's colour on each edge.
    cairo_pattern_t* ends = cairo_pattern_create_linear(0, 0, W, 0);
    add_stop(ends, 0, k.ink, 0.7);
    add_stop(ends, 0.2, k.ink, 0);
    add_stop(ends, 0.8, k.ink, 0);
    add_stop(ends, 1, k.ink, 0.6);
    cairo_set_source(cr, ends);
    cairo_paint(cr);
    cairo_pattern_destroy(ends);
    for (const double y : {top, bottom - 3}) {
        cairo_rectangle(cr, 0, y, W, 3);
        set_colour(cr, k.ink);
        cairo_fill(cr);
        cairo_rectangle(cr, 0, y + 1, W, 1);
        set_colour(cr, k.energy);
        cairo_fill(cr);
    }
    return s.masked();
}

// Head and shoulders before the emblem, as on the selection button: the
// head's centre at `head`, its radius `head_r` pixels.
void bust_before_emblem(Pen& pen, const FighterSource& src, const BustMarks& m, Vec head, double head_r) {
    const double kb = head_r / m.head_r;
    emblem(pen, src, head + Vec{0, m.head_r * kb * 0.8}, 36 * head_r / 19.5);
    cairo_t* cr = pen.cr();
    cairo_save(cr);
    cairo_translate(cr, head.x - m.head.x * kb, head.y - m.head.y * kb);
    cairo_scale(cr, kb, kb);
    draw_bust(cr, src);
    cairo_restore(cr);
}

scenery::Colour colour(Rgb c) { return {c.r / 255.0, c.g / 255.0, c.b / 255.0}; }

Image draw_button(const FighterSource& src, const BustMarks& m, bool lit) {
    const double W = kButtonWidth, H = kButtonHeight;
    Surface s(kButtonWidth, kButtonHeight);
    cairo_t* cr = s.cr;
    const Colours k = colours_of(src);
    Pen pen(cr, k.ink, k.energy);
    // The picture: head and shoulders before the emblem, cut by the frame.
    auto picture = [&] {
        cairo_pattern_t* bg = cairo_pattern_create_linear(0, 0, 0, H);
        add_stop(bg, 0, blend(k.energy, k.ink, 0.55));
        add_stop(bg, 1, blend(k.energy, k.ink, 0.88));
        cairo_set_source(cr, bg);
        cairo_paint(cr);
        cairo_pattern_destroy(bg);
        const double head_r = 19.5;
        bust_before_emblem(pen, src, m, {W * 0.44, std::max(36.0, 8 + (m.head.y - m.top) * (head_r / m.head_r))}, head_r);
        // Darker towards the foot of the frame.
        cairo_pattern_t* shade = cairo_pattern_create_linear(0, H * 0.6, 0, H);
        add_stop(shade, 0, k.ink, 0);
        add_stop(shade, 1, k.ink, 0.55);
        cairo_set_source(cr, shade);
        cairo_paint(cr);
        cairo_pattern_destroy(shade);
    };
    // The frame: steel tinted with the fighter's colour, lit in its light.
    const Rgb steel{112, 118, 140};
    style::SlotLook look;
    look.rim = colour(k.ink);
    look.inner = colour(k.energy);
    look.glow = colour(k.energy2);
    const Rgb metal[3] = {lit ? kInkWhite : blend(steel, kInkWhite, 0.35),
                          lit ? blend(k.energy2, kInkWhite, 0.5) : blend(steel, k.energy, 0.25),
                          lit ? blend(k.energy, kInkWhite, 0.3) : blend(steel, k.ink, 0.55)};
    for (int i = 0; i < 3; ++i) look.metal[i] = colour(metal[i]);
    style::slot_button(cr, W, H, look, lit, picture);
    return s.masked();
}

}  // namespace

PortraitArt draw_portraits(const FighterSource& src) {
    const BustMarks m = bust_marks(src);
    PortraitArt art;
    art.portrait = draw_portrait(src, m);
    art.button = draw_button(src, m, false);
    art.button_lit = draw_button(src, m, true);
    return art;
}

Image draw_ending(const FighterSource& src) {
    const BustMarks m = bust_marks(src);
    const Colours k = colours_of(src);
    return menus::draw_ending_screen({colour(k.energy)}, [&](cairo_t* cr) {
        Pen pen(cr, k.ink, k.energy);
        const menus::HeroPlace at = menus::kEndingHero;
        bust_before_emblem(pen, src, m, {at.x, at.y}, at.head_r);
    });
}

std::string portrait_path(const std::string& fighter) { return "graphics/" + fighter + "2.bmp"; }

std::string ending_path(const std::string& fighter) { return "graphics/fin_" + fighter + ".bmp"; }

std::string button_path(const std::string& fighter, bool lit) {
    return "graphics/" + fighter + (lit ? "1" : "0") + ".bmp";
}
