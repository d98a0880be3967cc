#include "ink.h"

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- paths

Part taper(Vec a, double ra, Vec b, double rb) {
    return [=](cairo_t* cr) { taper_path(cr, a, ra, b, rb); };
}

Part ellipse(Vec c, double rx, double ry, double angle) {
    return [=](cairo_t* cr) { ellipse_path(cr, c, rx, ry, angle); };
}

Part circle(Vec c, double r) { return ellipse(c, r, r); }

Part polygon(std::vector<Vec> pts) {
    return [pts = std::move(pts)](cairo_t* cr) { polygon_path(cr, pts); };
}

Part curve(std::vector<Vec> pts) {
    return [pts = std::move(pts)](cairo_t* cr) { closed_curve(cr, pts); };
}

Part strip(const std::vector<Vec>& line, double w0, double w1) { return curve(strip_outline(line, w0, w1)); }

void open_curve(cairo_t* cr, const std::vector<Vec>& pts) {
    const std::size_t n = pts.size();
    if (n < 2) return;
    cairo_move_to(cr, pts[0].x, pts[0].y);
    if (n == 2) {
        cairo_line_to(cr, pts[1].x, pts[1].y);
        return;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Vec p0 = pts[i == 0 ? 0 : i - 1], p1 = pts[i], p2 = pts[i + 1], p3 = pts[std::min(i + 2, n - 1)];
        const Vec c1 = p1 + (p2 - p0) * (1.0 / 6.0);
        const Vec c2 = p2 - (p3 - p1) * (1.0 / 6.0);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
    }
}

// ---------------------------------------------------------------- painting

void Pen::fill_parts(const Shape& s) {
    for (const Part& p : s) {
        cairo_new_path(cr_);
        p(cr_);
        cairo_fill(cr_);
    }
}

void Pen::outline(const Shape& s, double line) {
    if (line <= 0) return;
    cairo_new_path(cr_);
    for (const Part& p : s) p(cr_);
    set_colour(cr_, ink_);
    cairo_set_line_width(cr_, line * 2);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr_);
}

void Pen::clip_to(const Shape& s) {
    // Groups are as large as the clip: keeping them to the shape's box keeps
    // the drawing quick on a large canvas.
    cairo_new_path(cr_);
    for (const Part& p : s) p(cr_);
    double x0, y0, x1, y1;
    cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, x0 - 2, y0 - 2, x1 - x0 + 4, y1 - y0 + 4);
    cairo_clip(cr_);
}

void Pen::crescent(const Shape& s, Vec shift, Rgb colour, double alpha) {
    cairo_save(cr_);
    clip_to(s);
    cairo_push_group(cr_);
    set_colour(cr_, colour);
    fill_parts(s);
    cairo_set_operator(cr_, CAIRO_OPERATOR_DEST_OUT);
    cairo_translate(cr_, shift.x, shift.y);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    fill_parts(s);
    cairo_pop_group_to_source(cr_);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

void Pen::within(const Shape& s, const std::function<void()>& inside) {
    cairo_save(cr_);
    clip_to(s);
    cairo_push_group(cr_);
    inside();
    cairo_pattern_t* content = cairo_pop_group(cr_);
    cairo_push_group_with_content(cr_, CAIRO_CONTENT_ALPHA);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    fill_parts(s);
    cairo_pattern_t* mask = cairo_pop_group(cr_);
    cairo_set_source(cr_, content);
    cairo_mask(cr_, mask);
    cairo_pattern_destroy(mask);
    cairo_pattern_destroy(content);
    cairo_restore(cr_);
}

void Pen::solid(const Shape& s, Rgb fill, const Shade& shade) {
    outline(s, shade.line);
    // The base, a little brighter towards the light.
    cairo_new_path(cr_);
    for (const Part& p : s) p(cr_);
    double x0, y0, x1, y1;
    cairo_path_extents(cr_, &x0, &y0, &x1, &y1);
    cairo_new_path(cr_);
    const Vec mid{(x0 + x1) / 2, (y0 + y1) / 2};
    const double r = std::max(x1 - x0, y1 - y0) / 2 + 1;
    cairo_pattern_t* g = cairo_pattern_create_linear(mid.x + light_.x * r, mid.y + light_.y * r, mid.x - light_.x * r,
                                                     mid.y - light_.y * r);
    add_stop(g, 0, blend(fill, kInkWhite, 0.12));
    add_stop(g, 0.55, fill);
    add_stop(g, 1, blend(fill, shadow_of(fill), 0.35));
    cairo_set_source(cr_, g);
    fill_parts(s);
    cairo_pattern_destroy(g);
    if (shade.shadow > 0) crescent(s, light_ * shade.shadow, shadow_of(fill));
    if (shade.light > 0) crescent(s, light_ * -shade.light, blend(fill, kInkWhite, 0.3), 0.85);
    if (shade.rim > 0) crescent(s, light_ * shade.rim + Vec{shade.rim * 0.4, 0}, rim_, 0.9);
}

void Pen::flat(const Shape& s, Rgb fill, double line, double alpha) {
    outline(s, line);
    set_colour(cr_, fill, alpha);
    fill_parts(s);
}

void Pen::line(const std::vector<Vec>& pts, double width, Rgb colour, double alpha) {
    cairo_new_path(cr_);
    open_curve(cr_, pts);
    set_colour(cr_, colour, alpha);
    cairo_set_line_width(cr_, width);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr_);
}

void Pen::tapered_line(const std::vector<Vec>& pts, double w0, double w1, Rgb colour, double alpha) {
    if (pts.size() < 2) return;
    set_colour(cr_, colour, alpha);
    cairo_new_path(cr_);
    strip(pts, w0 / 2, w1 / 2)(cr_);
    cairo_fill(cr_);
}
