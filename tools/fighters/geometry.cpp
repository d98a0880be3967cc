#include "geometry.h"

#include <algorithm>
#include <cmath>

double length(Vec v) { return std::hypot(v.x, v.y); }

Vec unit(Vec v) {
    const double l = length(v);
    return l > 1e-9 ? v * (1.0 / l) : Vec{1, 0};
}

Vec perp(Vec v) { return {-v.y, v.x}; }

Vec rotate(Vec v, double a) {
    const double c = std::cos(a), s = std::sin(a);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Vec lerp(Vec a, Vec b, double f) { return a + (b - a) * f; }

std::vector<Vec> flowing(Vec start, double angle, double link, int links, double curl, double sway, double phase) {
    std::vector<Vec> line{start};
    double a = angle;
    for (int i = 0; i < links; ++i) {
        a += curl + sway * std::sin(phase * 1.7 + i * 0.9);
        line.push_back(line.back() + dir(a) * link);
    }
    return line;
}

std::vector<Vec> strip_outline(const std::vector<Vec>& line, double w0, double w1) {
    std::vector<Vec> left, right;
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec t = unit(i + 1 < n ? line[i + 1] - line[i] : line[i] - line[i - 1]);
        const double w = w0 + (w1 - w0) * (n > 1 ? static_cast<double>(i) / (n - 1) : 0);
        left.push_back(line[i] + perp(t) * w);
        right.push_back(line[i] - perp(t) * w);
    }
    std::vector<Vec> pts = left;
    pts.push_back(line.back() + unit(line.back() - line[n - 2]) * (w1 * 0.8));
    for (auto it = right.rbegin(); it != right.rend(); ++it) pts.push_back(*it);
    return pts;
}

void closed_curve(cairo_t* cr, const std::vector<Vec>& pts) {
    const long n = static_cast<long>(pts.size());
    if (n < 3) return;
    auto P = [&](long i) { return pts[static_cast<std::size_t>((i % n + n) % n)]; };
    cairo_move_to(cr, P(0).x, P(0).y);
    for (long i = 0; i < n; ++i) {
        const Vec p0 = P(i - 1), p1 = P(i), p2 = P(i + 1), p3 = P(i + 2);
        const Vec c1 = p1 + (p2 - p0) * (1.0 / 6.0);
        const Vec c2 = p2 - (p3 - p1) * (1.0 / 6.0);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
    }
    cairo_close_path(cr);
}

void taper_path(cairo_t* cr, Vec a, double ra, Vec b, double rb) {
    const Vec d = b - a;
    const double L = length(d);
    cairo_new_sub_path(cr);
    if (L < 1e-6 || L <= std::fabs(ra - rb)) {
        const Vec c = ra >= rb ? a : b;
        cairo_arc(cr, c.x, c.y, std::max(ra, rb), 0, 2 * M_PI);
    } else {
        const double th = std::atan2(d.y, d.x);
        const double phi = std::acos((ra - rb) / L);
        cairo_arc(cr, a.x, a.y, ra, th + phi, th + 2 * M_PI - phi);
        cairo_arc(cr, b.x, b.y, rb, th - phi, th + phi);
    }
    cairo_close_path(cr);
}

void ellipse_path(cairo_t* cr, Vec c, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void polygon_path(cairo_t* cr, const std::vector<Vec>& pts) {
    if (pts.empty()) return;
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
    cairo_close_path(cr);
}
