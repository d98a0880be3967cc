#include "menus/logo.h"

#include <array>
#include <cmath>

#include "audio/synth.h"
#include "common/canvas.h"
#include "producers.h"

namespace {

struct Point {
    double x, y;
};
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }

struct Colour {
    double r, g, b;
};
Colour mix(Colour a, Colour b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Colour scale(Colour c, double k) { return {c.r * k, c.g * k, c.b * k}; }

void stop(cairo_pattern_t* p, double at, Colour c, double alpha = 1.0) {
    cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, alpha);
}

// The emblem is an isometric cube built of 3 x 3 "pixels" a face: the
// studio's name made visible. One pixel has broken loose and floats off the
// top-right corner, which gives the mark its movement.
struct Cube {
    Point centre;
    double radius;  // centre to any corner of the outline

    Point corner(int i) const {  // 0 = top, then clockwise
        const double a = (-90.0 + 60.0 * i) * kPi / 180.0;
        return {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
    }
};

struct Face {
    Point origin, u, v;
    Colour light, dark;  // across the face, from its lit edge to its shaded one
};

void parallelogram(cairo_t* cr, Point o, Point u, Point v) {
    cairo_move_to(cr, o.x, o.y);
    cairo_line_to(cr, o.x + u.x, o.y + u.y);
    cairo_line_to(cr, o.x + u.x + v.x, o.y + u.y + v.y);
    cairo_line_to(cr, o.x + v.x, o.y + v.y);
    cairo_close_path(cr);
}

// Per-pixel brightness, fixed by hand so the faces shimmer rather than look
// flat, with the brightest pixels towards the light (top left).
constexpr std::array<std::array<double, 3>, 3> kTopLift{{{1.18, 1.05, 0.97}, {1.06, 1.0, 0.92}, {0.98, 0.93, 0.88}}};
constexpr std::array<std::array<double, 3>, 3> kLeftLift{{{1.12, 1.0, 0.9}, {1.04, 0.95, 0.86}, {0.97, 0.9, 0.82}}};
constexpr std::array<std::array<double, 3>, 3> kRightLift{{{1.1, 0.98, 0.88}, {1.0, 0.93, 0.84}, {0.94, 0.87, 0.8}}};

void draw_face(cairo_t* cr, const Face& f, const std::array<std::array<double, 3>, 3>& lift, int skip_a = -1,
               int skip_b = -1) {
    const double gap = 0.085;  // between pixels, as a fraction of a pixel's span
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b) {
            if (a == skip_a && b == skip_b) continue;
            const double a0 = (a + gap * 0.5) / 3.0, a1 = (a + 1 - gap * 0.5) / 3.0;
            const double b0 = (b + gap * 0.5) / 3.0, b1 = (b + 1 - gap * 0.5) / 3.0;
            const Point o = f.origin + f.u * a0 + f.v * b0;
            const Point du = f.u * (a1 - a0), dv = f.v * (b1 - b0);
            const double k = lift[a][b];
            const double t0 = (a0 + b0) / 2, t1 = (a1 + b1) / 2;
            cairo_pattern_t* g = cairo_pattern_create_linear(o.x, o.y, o.x + du.x + dv.x, o.y + du.y + dv.y);
            stop(g, 0, scale(mix(f.light, f.dark, t0), k * 1.08));
            stop(g, 1, scale(mix(f.light, f.dark, t1), k * 0.94));
            parallelogram(cr, o, du, dv);
            cairo_set_source(cr, g);
            cairo_fill_preserve(cr);
            cairo_pattern_destroy(g);
            // A hairline of light on each pixel's upper edges, like a bevel.
            cairo_set_source_rgba(cr, 1, 1, 1, 0.16 * k);
            cairo_set_line_width(cr, 0.6);
            cairo_stroke(cr);
        }
    }
}

void sparkle(cairo_t* cr, Point at, double size, double alpha) {
    cairo_pattern_t* halo = cairo_pattern_create_radial(at.x, at.y, 0, at.x, at.y, size * 0.9);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 1, 1, 0.55 * alpha);
    cairo_pattern_add_color_stop_rgba(halo, 1, 0.55, 0.85, 1, 0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, at.x, at.y, size, 0, kTwoPi);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    // Four thin rays, long vertically and horizontally.
    cairo_set_source_rgba(cr, 1, 1, 1, alpha);
    const double w = size * 0.12;
    cairo_move_to(cr, at.x, at.y - size);
    cairo_curve_to(cr, at.x + w, at.y - w, at.x + w, at.y - w, at.x + size, at.y);
    cairo_curve_to(cr, at.x + w, at.y + w, at.x + w, at.y + w, at.x, at.y + size);
    cairo_curve_to(cr, at.x - w, at.y + w, at.x - w, at.y + w, at.x - size, at.y);
    cairo_curve_to(cr, at.x - w, at.y - w, at.x - w, at.y - w, at.x, at.y - size);
    cairo_fill(cr);
}

const Colour kCyan{0.36, 0.88, 1.0};
const Colour kAzure{0.25, 0.52, 0.98};
const Colour kViolet{0.55, 0.3, 0.95};
const Colour kDeepViolet{0.34, 0.16, 0.7};

void draw_cube(Canvas& canvas, const Cube& cube) {
    cairo_t* cr = canvas.cr();
    const Point t = cube.corner(0), ur = cube.corner(1), lr = cube.corner(2), b = cube.corner(3), ll = cube.corner(4),
                ul = cube.corner(5), c = cube.centre;
    // A dark body under the pixels keeps the gaps between them crisp.
    cairo_move_to(cr, t.x, t.y);
    for (Point p : {ur, lr, b, ll, ul}) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.02, 0.03, 0.09);
    cairo_fill(cr);

    const Face top{t, ul - t, ur - t, {0.78, 0.97, 1.0}, kCyan};
    const Face left{ul, c - ul, ll - ul, mix(kAzure, kCyan, 0.35), mix(kAzure, kDeepViolet, 0.35)};
    const Face right{c, ur - c, b - c, kViolet, kDeepViolet};

    draw_face(cr, top, kTopLift, 0, 2);  // the corner pixel by the top-right edge has floated away
    draw_face(cr, left, kLeftLift);
    draw_face(cr, right, kRightLift);

    // Rim light along the two upper edges of the outline.
    cairo_pattern_t* rim = cairo_pattern_create_linear(ul.x, ul.y, ur.x, ur.y);
    stop(rim, 0, {1, 1, 1}, 0.0);
    stop(rim, 0.45, {1, 1, 1}, 0.85);
    stop(rim, 1, {1, 1, 1}, 0.1);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 0.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, ul.x, ul.y);
    cairo_line_to(cr, t.x, t.y);
    cairo_line_to(cr, t.x + (ur.x - t.x) * 0.62, t.y + (ur.y - t.y) * 0.62);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);
}

// The loose pixel: a tiny cube of its own, up and to the right.
void draw_loose_pixel(Canvas& canvas, Point at, double radius) {
    cairo_t* cr = canvas.cr();
    const Cube small{at, radius};
    const Point t = small.corner(0), ur = small.corner(1), b = small.corner(3), ul = small.corner(5), c = at;
    const Point ll = small.corner(4);
    parallelogram(cr, t, ul - t, ur - t);
    cairo_set_source_rgb(cr, 0.85, 0.99, 1.0);
    cairo_fill(cr);
    parallelogram(cr, ul, c - ul, ll - ul);
    cairo_set_source_rgb(cr, 0.3, 0.7, 1.0);
    cairo_fill(cr);
    parallelogram(cr, c, ur - c, b - c);
    cairo_set_source_rgb(cr, 0.5, 0.32, 0.95);
    cairo_fill(cr);
}

void draw_emblem(Canvas& canvas) {
    const Cube cube{{31.5, 33.5}, 27.0};
    const Point loose{55.0, 9.5};

    // A cool glow behind the mark, blurred from its silhouette.
    Canvas glow(canvas.width(), canvas.height());
    cairo_t* g = glow.cr();
    cairo_set_source_rgba(g, 0.25, 0.55, 1.0, 0.9);
    cairo_arc(g, cube.centre.x, cube.centre.y, cube.radius * 0.9, 0, kTwoPi);
    cairo_fill(g);
    cairo_set_source_rgba(g, 0.45, 0.85, 1.0, 0.9);
    cairo_arc(g, loose.x, loose.y, 4.5, 0, kTwoPi);
    cairo_fill(g);
    glow.blur(9);
    glow.fade_edges(6);
    canvas.paint(glow, CAIRO_OPERATOR_ADD, 0.38);

    draw_cube(canvas, cube);
    draw_loose_pixel(canvas, loose, 5.2);

    // Light catching the cube's top corner and the loose pixel.
    const Point top = cube.corner(0);
    sparkle(canvas.cr(), {top.x - 0.5, top.y + 3.5}, 7.5, 0.9);
    sparkle(canvas.cr(), {loose.x + 3.5, loose.y - 3.0}, 4.0, 0.8);
}

// Fills the current path with a metallic look: a base colour ramp across
// the letters, a bright top half and a gently darker bottom.
void metal_fill(cairo_t* cr, double top, double bottom, double left, double right, Colour from, Colour to) {
    cairo_pattern_t* across = cairo_pattern_create_linear(left, 0, right, 0);
    stop(across, 0, from);
    stop(across, 1, to);
    cairo_set_source(cr, across);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(across);

    cairo_pattern_t* shade = cairo_pattern_create_linear(0, top, 0, bottom);
    stop(shade, 0.0, {1, 1, 1}, 0.55);
    stop(shade, 0.48, {1, 1, 1}, 0.12);
    stop(shade, 0.52, {0, 0, 0}, 0.0);
    stop(shade, 1.0, {0, 0.02, 0.1}, 0.32);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

struct Layout {
    double left, right;     // where the text block may go
    double word_top = 8;    // the wordmark's capitals span word_top .. word_top + word_caps
    double word_caps = 31;
    double tag_top = 48;
    double tag_caps = 7;
};

// Picks the font size whose capitals are exactly `caps` pixels tall, so the
// flat tops and bottoms of the letters land on pixel edges.
double size_for_caps(Canvas& canvas, const FontFile& font, const std::string& text, double caps) {
    canvas.use_font(font, 100.0);
    const TextRun probe = canvas.layout(text);
    return 100.0 * caps / (probe.ink_bottom - probe.ink_top);
}

void draw_wordmark(Canvas& canvas, const FontTable& fonts, const Layout& at) {
    cairo_t* cr = canvas.cr();
    const FontFile word_font(fonts.path("spartan-bold"));
    const std::string first = "PYXEL", second = "HARN";
    canvas.use_font(word_font, size_for_caps(canvas, word_font, first + second, at.word_caps));

    // Spread the letters so the wordmark fills the text block exactly.
    const TextRun plain = canvas.layout(first + second);
    const double tracking = (at.right - at.left - plain.width()) / (first.size() + second.size() - 1);
    const TextRun one = canvas.layout(first, tracking), two = canvas.layout(second, tracking);
    const TextRun whole = canvas.layout(first + second, tracking);
    const double x = at.left - whole.ink_left;
    const double baseline = at.word_top - whole.ink_top;
    const double x2 = x + one.advance + tracking;

    // Soft coloured glow under the letters.
    Canvas glow(canvas.width(), canvas.height());
    glow.use_font(word_font, size_for_caps(glow, word_font, first + second, at.word_caps));
    glow.text_path(whole, x, baseline);
    cairo_set_source_rgba(glow.cr(), 0.3, 0.6, 1.0, 1.0);
    cairo_fill(glow.cr());
    glow.blur(6);
    glow.fade_edges(6);
    canvas.paint(glow, CAIRO_OPERATOR_ADD, 0.32);

    const double top = at.word_top, bottom = at.word_top + at.word_caps;
    canvas.text_path(one, x, baseline);
    metal_fill(cr, top, bottom, x, x2, {0.93, 0.96, 1.0}, {0.82, 0.88, 0.98});
    canvas.text_path(two, x2, baseline);
    metal_fill(cr, top, bottom, x2, at.right, kCyan, mix(kViolet, kAzure, 0.25));
}

void draw_tagline(Canvas& canvas, const FontTable& fonts, const Layout& at) {
    cairo_t* cr = canvas.cr();
    const FontFile tag_font(fonts.path("spartan-semibold"));
    const std::string text = "GAME STUDIO";
    canvas.use_font(tag_font, size_for_caps(canvas, tag_font, text, at.tag_caps));
    const TextRun run = canvas.layout(text, 4.6);
    const double centre = std::round((at.left + at.right) / 2);
    const double x = centre - run.width() / 2 - run.ink_left;
    const double baseline = at.tag_top - run.ink_top;
    canvas.text_path(run, x, baseline);
    cairo_set_source_rgb(cr, 0.62, 0.74, 0.92);
    cairo_fill(cr);

    // Hairlines either side of the tagline, fading out towards the ends.
    const double y = std::floor(at.tag_top + at.tag_caps / 2) + 0.5;
    const double gap = 9;
    const double inner_left = x + run.ink_left - gap, inner_right = x + run.ink_right + gap;
    for (const auto& [from, to] : {std::pair{at.left, inner_left}, std::pair{at.right, inner_right}}) {
        cairo_pattern_t* fade = cairo_pattern_create_linear(from, 0, to, 0);
        stop(fade, 0, kAzure, 0.0);
        stop(fade, 1, kCyan, 0.85);
        cairo_set_source(cr, fade);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, from, y);
        cairo_line_to(cr, to, y);
        cairo_stroke(cr);
        cairo_pattern_destroy(fade);
        // A small diamond caps each line next to the words.
        const double d = 2.2;
        cairo_set_source_rgb(cr, kCyan.r, kCyan.g, kCyan.b);
        cairo_move_to(cr, to, y - d);
        cairo_line_to(cr, to + d, y);
        cairo_line_to(cr, to, y + d);
        cairo_line_to(cr, to - d, y);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

}  // namespace

Image draw_logo(const FontTable& fonts) {
    Canvas canvas(kLogoWidth, kLogoHeight);
    draw_emblem(canvas);
    const Layout layout{78, kLogoWidth - 3.0};
    draw_wordmark(canvas, fonts, layout);
    draw_tagline(canvas, fonts, layout);
    return canvas.to_image({0, 0, 0});  // drawn over the game's black intro screen
}

void produce_intro_screens(Context& ctx) {
    ctx.out.write_bmp("graphics/logo.bmp", draw_logo(ctx.fonts));
}
