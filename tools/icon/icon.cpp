#include "icon.h"

#include <cairo-svg.h>

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "audio/synth.h"  // kPi
#include "menus/menu_style.h"

namespace fs = std::filesystem;
using namespace scenery;
using namespace style;

namespace {

// Everything is laid out on a unit square; `px` turns a width in pixels of
// the finished picture into those units.
struct Pen {
    cairo_t* cr;
    double size;
    IconDetail detail;
    double px(double pixels) const { return pixels / size; }
    // A line `fraction` of the icon wide, never thinner than `least` pixels.
    double line(double fraction, double least) const { return std::max(fraction, px(least)); }
};

constexpr double kCentre = 0.5;
constexpr double kRadius = 0.45;  // the medallion fills 90% of the square

const Colour kDuskViolet = hex(0x5a2a8e), kDuskRose = hex(0xd0407a), kDuskEmber = hex(0xff8a3a);

void disc(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, kTwoPi);
}

// ---- the medallion --------------------------------------------------------

// The dusk sky of the title screen inside a gold ring, a dark rim outside.
void medallion(const Pen& p) {
    cairo_t* cr = p.cr;
    const double rim = p.line(0.022, 1), ring = p.line(0.04, 1.25);
    const double inner = kRadius - rim - ring;

    disc(cr, kCentre, kCentre, kRadius);
    set(cr, kInk);
    cairo_fill(cr);

    disc(cr, kCentre, kCentre, kRadius - rim);
    linear_source(cr, 0, kCentre - kRadius, 0, kCentre + kRadius,
                  {{0, kGoldLight}, {0.35, kGold}, {0.7, kGoldDeep}, {1, kGold}});
    cairo_fill(cr);

    disc(cr, kCentre, kCentre, inner);
    if (p.detail == IconDetail::Small) {
        // Small: a plain dark sky keeps the fists and the flash apart.
        linear_source(cr, 0, kCentre - inner, 0, kCentre + inner, {{0, kNight}, {0.6, kIndigo}, {1, kDuskViolet}});
        cairo_fill(cr);
        return;
    }
    linear_source(cr, 0, kCentre - inner, 0, kCentre + inner,
                  {{0, kNight}, {0.38, kIndigo}, {0.66, kDuskViolet}, {0.86, kDuskRose}, {1, kDuskEmber}});
    cairo_fill_preserve(cr);
    // A hairline of ink just inside the ring.
    set(cr, kInk, 0.8);
    cairo_set_line_width(cr, p.px(1));
    cairo_stroke(cr);

    cairo_save(cr);
    disc(cr, kCentre, kCentre, inner - p.px(0.5));
    cairo_clip(cr);
    if (p.detail == IconDetail::Full) {
        // Rays fanning out of the clash, as from the title screen's sun.
        const int rays = 16;
        for (int i = 0; i < rays; ++i) {
            const double a0 = kTwoPi * i / rays - 0.07, a1 = kTwoPi * i / rays + 0.07;
            cairo_move_to(cr, kCentre, kCentre);
            cairo_line_to(cr, kCentre + std::cos(a0), kCentre + std::sin(a0));
            cairo_line_to(cr, kCentre + std::cos(a1), kCentre + std::sin(a1));
            cairo_close_path(cr);
        }
        radial_source(cr, kCentre, kCentre, inner, {{0, kWhite, 0.3}, {0.5, kFireHot, 0.14}, {1, kFireHot, 0.02}});
        cairo_fill(cr);
        // The sun's stripes low down, where the sky is hottest.
        for (int i = 0; i < 4; ++i) {
            const double y = kCentre + inner * (0.62 + 0.1 * i), h = inner * (0.018 + 0.012 * i);
            rect(cr, 0, y, 1, h);
        }
        set(cr, kNight, 0.55);
        cairo_fill(cr);
    }
    // Light across the top of the sky, like the glass over a badge.
    cairo_arc(cr, kCentre, kCentre - inner * 0.55, inner * 0.95, kPi, kTwoPi);
    cairo_close_path(cr);
    linear_source(cr, 0, kCentre - inner, 0, kCentre, {{0, kWhite, 0.16}, {1, kWhite, 0}});
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---- the burst --------------------------------------------------------------

// A jagged star, its long and short spikes alternating, hot white at heart.
void burst(const Pen& p, double cx, double cy) {
    cairo_t* cr = p.cr;
    const bool small = p.detail == IconDetail::Small;
    const int spikes = small ? 8 : 12;
    const double long_r = small ? 0.36 : 0.33, short_r = small ? 0.27 : 0.24, valley = small ? 0.17 : 0.13;
    for (int i = 0; i < spikes * 2; ++i) {
        const double a = -kPi / 2 + kPi * i / spikes + (small ? kPi / spikes / 2 : 0.05);
        // The spikes pointing down, between the fists, are kept short.
        const double r = i % 2 ? valley : std::sin(a) > 0.4 ? valley * 1.4 : (i / 2) % 2 ? short_r : long_r;
        const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(cr, p.line(0.02, 1.2));
    set(cr, kInk);
    cairo_stroke_preserve(cr);
    if (small)
        radial_source(cr, cx, cy, long_r, {{0, kWhite}, {0.3, kFireHot}, {0.7, kGold}, {1, kFire}});
    else
        radial_source(cr, cx, cy, long_r,
                      {{0, kWhite}, {0.3, kFireHot}, {0.55, kGold}, {0.8, kFire}, {1, kFireDeep}});
    cairo_fill(cr);
}

// ---- the fists ---------------------------------------------------------------

struct Glove {
    Colour light, mid, dark;
};
const Glove kFireGlove{kFireHot, kFire, kFireDeep};
const Glove kJadeGlove{kJadeLight, kJade, kJadeDeep};

// A glove pointing right, its knuckles at u = 0, one unit tall from v = -0.5
// (its top) to 0.5, placed on the icon: raised by `tilt` radians, and
// mirrored when `dir` is -1.
struct GloveFrame {
    double front_x, front_y, height, tilt, dir;
    double x(double u, double v) const { return front_x + dir * height * (u * std::cos(tilt) + v * std::sin(tilt)); }
    double y(double u, double v) const { return front_y + height * (-u * std::sin(tilt) + v * std::cos(tilt)); }
    void move(cairo_t* cr, double u, double v) const { cairo_move_to(cr, x(u, v), y(u, v)); }
    void line(cairo_t* cr, double u, double v) const { cairo_line_to(cr, x(u, v), y(u, v)); }
    void curve(cairo_t* cr, double u1, double v1, double u2, double v2, double u3, double v3) const {
        cairo_curve_to(cr, x(u1, v1), y(u1, v1), x(u2, v2), y(u2, v2), x(u3, v3), y(u3, v3));
    }
    // A gradient across the glove, from its top to its bottom.
    void across(cairo_t* cr, double u, std::initializer_list<Stop> stops) const {
        linear_source(cr, x(u, -0.55), y(u, -0.55), x(u, 0.55), y(u, 0.55), stops);
    }
};

// The mitt: round at the knuckles, fullest just behind them, narrowing to
// the wrist.
void mitt_path(cairo_t* cr, const GloveFrame& f) {
    f.move(cr, -0.95, -0.34);
    f.curve(cr, -0.9, -0.52, -0.76, -0.6, -0.52, -0.6);
    f.curve(cr, -0.22, -0.6, 0.02, -0.44, 0.03, -0.14);
    f.curve(cr, 0.04, 0.18, -0.1, 0.5, -0.42, 0.5);
    f.curve(cr, -0.7, 0.5, -0.9, 0.46, -0.95, 0.34);
    cairo_close_path(cr);
}

void glove(const Pen& p, const GloveFrame& f, const Glove& colours) {
    cairo_t* cr = p.cr;
    const bool small = p.detail == IconDetail::Small;
    const double outline = p.line(0.018, small ? 1.0 : 1.2);

    // The forearm, a steel sleeve running out under the ring.
    f.move(cr, -1.3, -0.3);
    f.line(cr, -4, -0.36);
    f.line(cr, -4, 0.36);
    f.line(cr, -1.3, 0.3);
    cairo_close_path(cr);
    set(cr, kInk);
    cairo_set_line_width(cr, outline * 2);
    cairo_stroke_preserve(cr);
    f.across(cr, -2, {{0, kSteelLight}, {0.3, kSteel}, {1, kSteelDark}});
    cairo_fill(cr);

    // The cuff.
    f.move(cr, -0.8, -0.4);
    f.line(cr, -1.36, -0.42);
    f.line(cr, -1.36, 0.42);
    f.line(cr, -0.8, 0.4);
    cairo_close_path(cr);
    set(cr, kInk);
    cairo_set_line_width(cr, outline * 2);
    cairo_stroke_preserve(cr);
    f.across(cr, -1, {{0, kChromeTop}, {0.45, kChromeMid}, {1, kChromeLow}});
    cairo_fill(cr);

    // The mitt. Each part's outline is stroked twice as wide, then filled
    // over: the line lies wholly outside the shape.
    mitt_path(cr, f);
    set(cr, kInk);
    cairo_set_line_width(cr, outline * 2);
    cairo_stroke_preserve(cr);
    f.across(cr, -0.4, {{0, colours.light}, {0.4, colours.mid}, {1, colours.dark}});
    cairo_fill(cr);

    if (small) return;

    // The thumb: a lobe along the mitt's side, its tip forward.
    f.move(cr, -0.97, -0.22);
    f.curve(cr, -0.8, -0.31, -0.52, -0.31, -0.36, -0.22);
    f.curve(cr, -0.22, -0.14, -0.22, 0.04, -0.38, 0.06);
    f.curve(cr, -0.58, 0.08, -0.82, 0.06, -0.97, 0.04);
    cairo_close_path(cr);
    set(cr, kInk, 0.9);
    cairo_set_line_width(cr, outline);
    cairo_stroke_preserve(cr);
    f.across(cr, -0.6, {{0.2, colours.light}, {0.55, colours.mid}});
    cairo_fill(cr);

    // Gloss on the knuckles.
    const double gx = f.x(-0.28, -0.38), gy = f.y(-0.28, -0.38);
    cairo_save(cr);
    cairo_translate(cr, gx, gy);
    cairo_rotate(cr, -f.dir * f.tilt);
    cairo_scale(cr, f.height * 0.2, f.height * 0.08);
    disc(cr, 0, 0, 1);
    cairo_restore(cr);
    set(cr, kWhite, 0.85);
    cairo_fill(cr);

    if (p.detail == IconDetail::Full) {
        // A seam across the cuff.
        cairo_set_line_width(cr, outline * 0.6);
        set(cr, kInk, 0.7);
        f.move(cr, -1.08, -0.38);
        f.line(cr, -1.08, 0.38);
        cairo_stroke(cr);
    }
}

}  // namespace

IconDetail detail_for(int pixels) {
    if (pixels <= 24) return IconDetail::Small;
    if (pixels <= 48) return IconDetail::Medium;
    return IconDetail::Full;
}

void draw_icon(cairo_t* cr, double size, IconDetail detail) {
    cairo_save(cr);
    cairo_scale(cr, size, size);
    const Pen p{cr, size, detail};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    medallion(p);

    // The fists rise into each other from the lower corners; the burst
    // sits just above where they meet. The arms stop under the ring.
    const bool small = detail == IconDetail::Small;
    const double height = small ? 0.29 : 0.28, tilt = 0.38, y = small ? 0.6 : 0.57;
    burst(p, kCentre, y - (small ? 0.12 : 0.08));
    cairo_save(cr);
    disc(cr, kCentre, kCentre, kRadius - p.line(0.062, 2));
    cairo_clip(cr);
    glove(p, {kCentre, y, height, tilt, 1}, kFireGlove);
    glove(p, {kCentre, y, height, tilt, -1}, kJadeGlove);
    cairo_restore(cr);
    cairo_restore(cr);
}

namespace {

void check(cairo_status_t status, const fs::path& file) {
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string() + ": " + cairo_status_to_string(status));
}

// cairo's PNG writer stores no time nor text: the same drawing gives the
// same bytes.
void write_png(const fs::path& file, int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    draw_icon(cr, size, detail_for(size));
    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    check(status, file);
}

void write_svg(const fs::path& file) {
    cairo_surface_t* surface = cairo_svg_surface_create(file.c_str(), 256, 256);
    cairo_svg_surface_restrict_to_version(surface, CAIRO_SVG_VERSION_1_1);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(surface);
    draw_icon(cr, 256, IconDetail::Full);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    check(status, file);
}

}  // namespace

std::vector<fs::path> write_icons(const fs::path& out) {
    std::vector<fs::path> written;
    for (int size : kIconSizes) {
        const fs::path dir = out / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        fs::create_directories(dir);
        written.push_back(dir / "zef.png");
        write_png(written.back(), size);
    }
    fs::create_directories(out / "scalable" / "apps");
    written.push_back(out / "scalable" / "apps" / "zef.svg");
    write_svg(written.back());
    return written;
}
