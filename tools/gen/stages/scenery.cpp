#include "stages/scenery.h"

#include "audio/synth.h"  // kPi, kTwoPi

namespace scenery {

namespace {

double smoothstep(double t) { return t * t * (3 - 2 * t); }
double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

std::uint32_t hash32(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// Walks the painted pixels of a canvas in premultiplied form: f may change
// the colour channels, never the coverage.
template <class F>
void each_pixel(Canvas& canvas, int x0, int y0, int x1, int y1, F f) {
    each_stored_pixel(canvas, x0, y0, x1, y1, [&f](int x, int y, std::uint32_t& p) {
        const int a = static_cast<int>(p >> 24);
        if (a == 0) return;
        int c[3] = {static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff), static_cast<int>(p & 0xff)};
        f(x, y, a, c);
        for (int& v : c) v = std::clamp(v, 0, a);  // stay a valid premultiplied colour
        p = (static_cast<std::uint32_t>(a) << 24) | (c[0] << 16) | (c[1] << 8) | c[2];
    });
}

}  // namespace

void set(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

namespace {
void use_pattern(cairo_t* cr, cairo_pattern_t* p, std::initializer_list<Stop> stops) {
    for (const Stop& s : stops) cairo_pattern_add_color_stop_rgba(p, s.at, s.colour.r, s.colour.g, s.colour.b, s.alpha);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}
}  // namespace

void linear_source(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops) {
    use_pattern(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

void radial_source(cairo_t* cr, double x, double y, double radius, std::initializer_list<Stop> stops) {
    use_pattern(cr, cairo_pattern_create_radial(x, y, 0, x, y, radius), stops);
}

void rect(cairo_t* cr, double x, double y, double w, double h) { cairo_rectangle(cr, x, y, w, h); }

void sky(cairo_t* cr, double width, double horizon, double bottom, std::initializer_list<Stop> stops) {
    vertical_source(cr, 0, horizon, stops);
    rect(cr, 0, 0, width, bottom);
    cairo_fill(cr);
}

void band(cairo_t* cr, double width, double y0, double y1, std::initializer_list<Stop> stops) {
    vertical_source(cr, y0, y1, stops);
    rect(cr, 0, y0, width, y1 - y0);
    cairo_fill(cr);
}

void strip(cairo_t* cr, double width, double y, double height, Colour c, double alpha) {
    set(cr, c, alpha);
    rect(cr, 0, y, width, height);
    cairo_fill(cr);
}

void hills(cairo_t* cr, double width, double start, double bottom, const std::function<double(double)>& top) {
    cairo_move_to(cr, 0, start);
    for (int x = 0; x <= width; x += 4) cairo_line_to(cr, x, top(x));
    cairo_line_to(cr, width, bottom);
    cairo_line_to(cr, 0, bottom);
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, std::initializer_list<double> xy) {
    const double* v = xy.begin();
    cairo_move_to(cr, v[0], v[1]);
    for (std::size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr, v[i], v[i + 1]);
    cairo_close_path(cr);
}

// ---- noise ----------------------------------------------------------------

double hash01(int x, int y, std::uint32_t seed) {
    const std::uint32_t h = hash32(static_cast<std::uint32_t>(x) * 0x9E3779B1U ^ hash32(static_cast<std::uint32_t>(y) + seed * 0x85EBCA77U));
    return (h >> 8) * (1.0 / 16777216.0);
}

double value_noise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = smoothstep(x - fx), ty = smoothstep(y - fy);
    const double a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
    const double c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double fbm(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * value_noise(x, y, seed + i * 1013);
        total += amplitude;
        x = x * 2.03 + 17.1;
        y = y * 2.03 + 3.7;
        amplitude *= 0.5;
    }
    return sum / total;
}

// ---- per-pixel work ----------------------------------------------------------

void grain(Canvas& canvas, int x0, int y0, int x1, int y1, double amount, std::uint32_t seed) {
    each_pixel(canvas, x0, y0, x1, y1, [&](int x, int y, int a, int* c) {
        const int n = static_cast<int>(std::lround((hash01(x, y, seed) - 0.5) * 2 * amount * a));
        for (int i = 0; i < 3; ++i) c[i] += n;
    });
}

void mottle(Canvas& canvas, int x0, int y0, int x1, int y1, double cell, double amount, std::uint32_t seed) {
    each_pixel(canvas, x0, y0, x1, y1, [&](int x, int y, int, int* c) {
        const double k = 1 + (fbm(x / cell, y / cell, seed, 3) - 0.5) * 2 * amount;
        for (int i = 0; i < 3; ++i) c[i] = static_cast<int>(std::lround(c[i] * k));
    });
}

void haze(Canvas& layer, Colour air, double y_top, double amount_top, double y_bottom, double amount_bottom) {
    const int air_c[3] = {static_cast<int>(air.r * 255), static_cast<int>(air.g * 255), static_cast<int>(air.b * 255)};
    each_pixel(layer, 0, 0, layer.width(), layer.height(), [&](int, int y, int a, int* c) {
        const double t = clamp01((y - y_top) / (y_bottom - y_top));
        const double k = amount_top + (amount_bottom - amount_top) * t;
        for (int i = 0; i < 3; ++i) c[i] = static_cast<int>(std::lround(c[i] * (1 - k) + air_c[i] * a / 255.0 * k));
    });
}

// ---- light ------------------------------------------------------------------

void glow(cairo_t* cr, double x, double y, double radius, Colour c, double strength) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    // Roughly 1 / (1 + (4d)^2), faded to nothing at the radius.
    radial_source(cr, x, y, radius,
                  {{0, c, strength}, {0.08, c, strength * 0.6}, {0.2, c, strength * 0.28}, {0.45, c, strength * 0.09},
                   {1, c, 0}});
    cairo_arc(cr, x, y, radius, 0, kTwoPi);
    cairo_fill(cr);
    cairo_restore(cr);
}

void contact_shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha, Colour c) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    radial_source(cr, 0, 0, 1, {{0, c, alpha}, {0.55, c, alpha * 0.7}, {1, c, 0}});
    cairo_arc(cr, 0, 0, 1, 0, kTwoPi);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---- masses -----------------------------------------------------------------

void mass(Canvas& canvas, const std::vector<Puff>& puffs, const MassLook& look) {
    if (puffs.empty()) return;
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const Puff& p : puffs) {
        left = std::min(left, p.x - p.r);
        right = std::max(right, p.x + p.r);
        top = std::min(top, p.y - p.r);
        bottom = std::max(bottom, p.y + p.r);
    }
    const int margin = static_cast<int>(look.blend) + 4;
    const int x0 = static_cast<int>(left) - margin, y0 = static_cast<int>(top) - margin;
    const int bw = static_cast<int>(right) + margin - x0, bh = static_cast<int>(bottom) + margin - y0;

    // 1. The outline field (the union of the spheres, made ragged by noise)
    //    and the height of the front-most surface at every pixel.
    std::vector<double> field(static_cast<std::size_t>(bw) * bh), height(field.size());
    for (int j = 0; j < bh; ++j)
        for (int i = 0; i < bw; ++i) {
            const double x = x0 + i + 0.5, y = y0 + j + 0.5;
            double f = -1e9, z = 0;
            for (const Puff& p : puffs) {
                const double dx = (x - p.x) / p.r, dy = (y - p.y) / p.r;
                const double s = 1 - dx * dx - dy * dy;
                f = std::max(f, s);
                if (s > 0) z = std::max(z, std::sqrt(s) * p.r + p.r * 0.3);
            }
            if (f > -look.edge_noise - look.softness) {
                f += (fbm(x * look.noise_scale, y * look.noise_scale, look.seed) - 0.5) * 2 * look.edge_noise;
                // Bumps a little smaller than the raggedness: clumps of leaves, the cauliflower of a cloud.
                z += (fbm(x * look.noise_scale * 2.1, y * look.noise_scale * 2.1, look.seed + 77, 3) - 0.5) * look.bumps;
            }
            field[j * bw + i] = f;
            height[j * bw + i] = z;
        }
    // 2. Smooth the surface so neighbouring puffs melt into each other.
    const int radius = std::max(1, static_cast<int>(look.blend / 2));
    std::vector<double> tmp(height.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (int j = 0; j < bh; ++j) {
            double sum = 0;
            for (int i = -radius; i <= radius; ++i) sum += height[j * bw + std::clamp(i, 0, bw - 1)];
            for (int i = 0; i < bw; ++i) {
                tmp[j * bw + i] = sum / (2 * radius + 1);
                sum += height[j * bw + std::min(i + radius + 1, bw - 1)] - height[j * bw + std::max(i - radius, 0)];
            }
        }
        for (int i = 0; i < bw; ++i) {
            double sum = 0;
            for (int j = -radius; j <= radius; ++j) sum += tmp[std::clamp(j, 0, bh - 1) * bw + i];
            for (int j = 0; j < bh; ++j) {
                height[j * bw + i] = sum / (2 * radius + 1);
                sum += tmp[std::min(j + radius + 1, bh - 1) * bw + i] - tmp[std::max(j - radius, 0) * bw + i];
            }
        }
    }
    // 3. Light the surface.
    double lx = look.light_x, ly = look.light_y, lz = look.light_z;
    const double ln = std::sqrt(lx * lx + ly * ly + lz * lz);
    lx /= ln;
    ly /= ln;
    lz /= ln;
    shade(canvas, x0, y0, x0 + bw, y0 + bh, [&](int px, int py) -> Rgba {
        const int i = px - x0, j = py - y0;
        double alpha = std::clamp(field[j * bw + i] / look.softness, 0.0, 1.0);
        const double y = py + 0.5;
        if (y > look.flat_base) alpha *= std::clamp(1 - (y - look.flat_base) / look.base_fade, 0.0, 1.0);
        alpha *= look.opacity;
        if (alpha <= 0) return {};
        auto h = [&](int a, int b) { return height[std::clamp(b, 0, bh - 1) * bw + std::clamp(a, 0, bw - 1)]; };
        const double hx = (h(i + 1, j) - h(i - 1, j)) * 0.5, hy = (h(i, j + 1) - h(i, j - 1)) * 0.5;
        double nx = -hx, ny = -hy, nz = 1;
        const double nn = std::sqrt(nx * nx + ny * ny + nz * nz);
        nx /= nn;
        ny /= nn;
        nz /= nn;
        const double diffuse = nx * lx + ny * ly + nz * lz;
        const double t = std::clamp(0.5 + 0.6 * diffuse - 0.25 * (1 - nz) * (diffuse < 0.2 ? 1 : 0), 0.0, 1.0);
        Colour c = t < 0.5 ? mix(look.shadow, look.mid, t * 2) : mix(look.mid, look.lit, (t - 0.5) * 2);
        if (look.rim_strength > 0) {
            const double facing = std::max(0.0, nx * lx + ny * ly) / std::max(1e-6, std::sqrt(lx * lx + ly * ly));
            c = mix(c, look.rim, std::clamp(look.rim_strength * std::pow(1 - nz, 2) * facing, 0.0, 1.0));
        }
        return {c.r, c.g, c.b, alpha};
    });
}

std::vector<Puff> cumulus(Rng& rng, double cx, double base_y, double width, double height) {
    std::vector<Puff> puffs;
    const int count = std::max(3, static_cast<int>(width / (height * 0.55)));
    for (int i = 0; i < count; ++i) {
        const double u = (i + 0.5) / count;                    // across the cloud
        const double peak = std::exp(-std::pow((u - 0.42) / 0.32, 2));  // tallest a little left of the middle
        const double r = height * (0.28 + 0.42 * peak) * rng.range(0.8, 1.15);
        const double x = cx + (u - 0.5) * width + rng.bipolar() * height * 0.15;
        puffs.push_back({x, base_y - r * 0.55, r});
        if (peak > 0.45 && rng.uniform() < 0.8)  // a second tier on the tall part
            puffs.push_back({x + rng.bipolar() * r * 0.4, base_y - r * 1.25, r * rng.range(0.5, 0.7)});
    }
    return puffs;
}

std::vector<Puff> crown(Rng& rng, double cx, double cy, double rx, double ry, int count, double size) {
    std::vector<Puff> puffs;
    for (int i = 0; i < count; ++i) {
        const double a = rng.uniform() * kTwoPi;
        const double d = std::sqrt(rng.uniform()) * 0.78;  // fills the ellipse, denser towards the rim
        const double r = size * rng.range(0.65, 1.0);
        puffs.push_back({cx + std::cos(a) * rx * d, cy + std::sin(a) * ry * d, r});
    }
    return puffs;
}

void tree(Canvas& canvas, Rng& rng, double x, double ground_y, double height, const TreeLook& look) {
    cairo_t* cr = canvas.cr();
    const double trunk_w = height * 0.055, fork_y = ground_y - height * 0.42;
    // Trunk, flaring at the foot, lit from the left.
    horizontal_source(cr, x - trunk_w, x + trunk_w, {{0, look.bark}, {0.45, look.bark}, {1, look.bark_shadow}});
    cairo_move_to(cr, x - trunk_w * 1.1, ground_y);
    cairo_curve_to(cr, x - trunk_w * 0.55, ground_y - height * 0.06, x - trunk_w * 0.5, fork_y + 20, x - trunk_w * 0.45, fork_y);
    cairo_line_to(cr, x + trunk_w * 0.45, fork_y);
    cairo_curve_to(cr, x + trunk_w * 0.5, fork_y + 20, x + trunk_w * 0.55, ground_y - height * 0.06, x + trunk_w * 1.1, ground_y);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Limbs into the crown.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 4; ++i) {
        const double side = (i % 2 ? 1 : -1) * rng.range(0.3, 1.0);
        set(cr, mix(look.bark, look.bark_shadow, 0.4));
        cairo_set_line_width(cr, trunk_w * rng.range(0.35, 0.6));
        cairo_move_to(cr, x, fork_y + 4);
        cairo_curve_to(cr, x + side * height * 0.05, fork_y - height * 0.1, x + side * height * 0.16,
                       fork_y - height * 0.15, x + side * height * 0.22, fork_y - height * rng.range(0.2, 0.36));
        cairo_stroke(cr);
    }
    const double cy = ground_y - height * 0.66, rx = height * 0.34, ry = height * 0.3;
    MassLook leaves = look.leaves;
    // Inner, shadowed foliage first, then the lit outer clumps around it.
    MassLook inner = leaves;
    inner.lit = mix(leaves.mid, leaves.shadow, 0.3);
    inner.mid = mix(leaves.mid, leaves.shadow, 0.6);
    mass(canvas, crown(rng, x, cy + ry * 0.1, rx * 0.8, ry * 0.7, 10, height * 0.16), inner);
    leaves.seed += 5;
    mass(canvas, crown(rng, x, cy, rx, ry, 26, height * 0.13), leaves);
}

void palm(cairo_t* cr, Rng& rng, double x, double ground_y, double height, double lean, const PalmLook& look) {
    const double top_x = x + lean, top_y = ground_y - height;
    const double bend_x = x + lean * 0.15, bend_y = ground_y - height * 0.55;
    auto trunk_at = [&](double t, double& px, double& py) {  // quadratic curve from the foot to the crown
        const double u = 1 - t;
        px = u * u * x + 2 * u * t * bend_x + t * t * top_x;
        py = u * u * ground_y + 2 * u * t * bend_y + t * t * top_y;
    };
    // Trunk: a tapering ribbon along the curve, then ring scars.
    const int steps = 40;
    std::vector<double> lx, ly, rx, ry;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        double px, py;
        trunk_at(t, px, py);
        // Direction of the curve: the derivative of the quadratic.
        double dx = 2 * (1 - t) * (bend_x - x) + 2 * t * (top_x - bend_x);
        double dy = 2 * (1 - t) * (bend_y - ground_y) + 2 * t * (top_y - bend_y);
        const double len = std::hypot(dx, dy);
        dx /= len;
        dy /= len;
        const double w = height * (0.035 - 0.014 * t) * (t < 0.06 ? 1.3 - 5 * t : 1.0);
        lx.push_back(px + dy * w);
        ly.push_back(py - dx * w);
        rx.push_back(px - dy * w);
        ry.push_back(py + dx * w);
    }
    cairo_move_to(cr, lx[0], ly[0]);
    for (int i = 1; i <= steps; ++i) cairo_line_to(cr, lx[i], ly[i]);
    for (int i = steps; i >= 0; --i) cairo_line_to(cr, rx[i], ry[i]);
    cairo_close_path(cr);
    horizontal_source(cr, x - height * 0.05 + lean * 0.3, x + height * 0.05 + lean * 0.3,
                      {{0, look.trunk}, {0.4, look.trunk}, {1, look.trunk_shadow}});
    cairo_fill(cr);
    set(cr, look.trunk_shadow, 0.55);
    cairo_set_line_width(cr, 1.0);
    for (int i = 2; i < steps; i += 1) {
        if (i % 2) continue;
        cairo_move_to(cr, lx[i], ly[i]);
        cairo_curve_to(cr, lx[i] * 0.6 + rx[i] * 0.4, ly[i] + 1.5, lx[i] * 0.4 + rx[i] * 0.6, ry[i] + 1.5, rx[i], ry[i]);
        cairo_stroke(cr);
    }

    // Fronds: each arches out from the crown and droops under its own
    // weight, its leaflets hanging from both sides like a long feather.
    // Back fronds are drawn first and darker.
    const double frond_len = height * 0.42;
    const double elevations[] = {-0.55, 0.95, -0.2, 0.6, 0.15, 0.35, -0.4, 0.8, 0.0};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        for (int f = 0; f < 18; ++f) {
            const bool back = f < 9;
            if ((pass == 0) != back) continue;
            const double side = (f % 2) ? 1.0 : -1.0;
            const double e = elevations[f % 9] + rng.bipolar() * 0.1;
            const double len = frond_len * rng.range(0.8, 1.05) * (back ? 0.85 : 1.0);
            const double px = top_x + side * len * 0.5 * (1 - 0.3 * e), py = top_y - len * (0.25 + 0.35 * e);
            const double tx = top_x + side * len * (0.95 - 0.35 * e), ty = top_y + len * (0.35 - 0.45 * e);
            auto spine = [&](double t, double& x, double& y) {
                const double u = 1 - t;
                x = u * u * top_x + 2 * u * t * px + t * t * tx;
                y = u * u * top_y + 2 * u * t * py + t * t * ty;
            };
            const Colour base = back ? look.frond * 0.7 : look.frond;
            const int leaflets = 26;
            cairo_set_line_width(cr, std::max(1.0, height * 0.005));
            for (int i = 2; i < leaflets; ++i) {
                if (rng.uniform() < 0.15) continue;  // gaps: torn or missing leaflets
                const double t = static_cast<double>(i) / leaflets;
                double x, y, qx, qy;
                spine(t, x, y);
                spine(t + 0.01, qx, qy);
                double ux = qx - x, uy = qy - y;
                const double ul = std::hypot(ux, uy);
                ux /= ul;
                uy /= ul;
                const double leaf = len * 0.27 * std::sqrt(std::sin(kPi * std::min(0.98, t))) * rng.range(0.75, 1.1);
                for (int k = -1; k <= 1; k += 2) {
                    // Out to the side, swept towards the tip, pulled down.
                    double ox = -uy * k * 0.6 + ux * 0.5 + rng.bipolar() * 0.15, oy = ux * k * 0.6 + uy * 0.5 + 1.0;
                    const double ol = std::hypot(ox, oy);
                    ox /= ol;
                    oy /= ol;
                    set(cr, mix(base, look.frond_light, k < 0 ? 0.3 : 0.0));
                    cairo_move_to(cr, x, y);
                    cairo_curve_to(cr, x + ox * leaf * 0.4 + ux * leaf * 0.2, y + oy * leaf * 0.2, x + ox * leaf * 0.8,
                                   y + oy * leaf * 0.7, x + ox * leaf, y + oy * leaf + leaf * 0.15);
                    cairo_stroke(cr);
                }
            }
            // The rib itself, and the light caught along its top.
            for (int i = 0; i <= 24; ++i) {
                double x, y;
                spine(i / 24.0, x, y);
                if (i == 0) cairo_move_to(cr, x, y);
                else cairo_line_to(cr, x, y);
            }
            cairo_set_line_width(cr, std::max(1.2, height * 0.009));
            set(cr, mix(base, look.trunk, 0.4));
            cairo_stroke_preserve(cr);
            if (look.rim > 0) {
                set(cr, look.rim_colour, look.rim * (back ? 0.4 : 1.0));
                cairo_set_line_width(cr, 1.0);
                cairo_translate(cr, 0.5, -0.5);
                cairo_stroke(cr);
                cairo_translate(cr, -0.5, 0.5);
            }
            cairo_new_path(cr);
        }
    }
    // Coconuts under the crown.
    for (int i = 0; i < 4; ++i) {
        const double cx = top_x + (i - 1.5) * height * 0.018, cy = top_y + height * 0.025 + (i % 2) * height * 0.01;
        radial_source(cr, cx - 1, cy - 1, height * 0.02, {{0, mix(look.trunk, look.frond, 0.5)}, {1, look.trunk_shadow}});
        cairo_arc(cr, cx, cy, height * 0.015, 0, kTwoPi);
        cairo_fill(cr);
    }
}

// ---- buildings ----------------------------------------------------------------

void window(cairo_t* cr, Rng& rng, double x, double y, double w, double h, const WindowLook& look) {
    const double f = look.frame_width;
    set(cr, look.frame);
    rect(cr, x, y, w, h);
    cairo_fill(cr);
    const double gx = x + f, gy = y + f, gw = w - 2 * f, gh = h - 2 * f;
    const bool lit = rng.uniform() < look.lit_chance;
    if (lit)
        vertical_source(cr, gy, gy + gh, {{0, look.lit * 0.85}, {1, look.lit}});
    else
        vertical_source(cr, gy, gy + gh, {{0, look.glass_top}, {1, look.glass_bottom}});
    rect(cr, gx, gy, gw, gh);
    cairo_fill(cr);
    // A blind pulled down part of the way.
    if (rng.uniform() < look.blind_chance) {
        const double drop = gh * rng.range(0.2, 0.75);
        vertical_source(cr, gy, gy + drop, {{0, look.blind}, {1, look.blind * 0.9}});
        rect(cr, gx, gy, gw, drop);
        cairo_fill(cr);
        set(cr, look.blind * 0.7);
        rect(cr, gx, gy + drop - 1, gw, 1);
        cairo_fill(cr);
    }
    // Sheen: a pale diagonal band across the glass.
    cairo_save(cr);
    rect(cr, gx, gy, gw, gh);
    cairo_clip(cr);
    const double s = rng.range(0.1, 0.6);
    linear_source(cr, gx, gy, gx + gw, gy + gh,
                  {{0, {1, 1, 1}, 0}, {s, {1, 1, 1}, 0}, {s + 0.08, {1, 1, 1}, lit ? 0.05 : 0.22}, {s + 0.2, {1, 1, 1}, 0}});
    cairo_paint(cr);
    cairo_restore(cr);
    // Glazing bars.
    set(cr, look.frame);
    for (int i = 1; i <= look.mullions; ++i) rect(cr, gx + gw * i / (look.mullions + 1) - f * 0.4, gy, f * 0.8, gh);
    for (int i = 1; i <= look.transoms; ++i) rect(cr, gx, gy + gh * i / (look.transoms + 1) * 0.8 - f * 0.4, gw, f * 0.8);
    cairo_fill(cr);
}

// ---- floors -----------------------------------------------------------------

void slabs(Canvas& canvas, const Floor& floor, double y_top, double y_bottom, double x0, double x1, Colour base,
           double variation, Colour joint, double joint_alpha, std::uint32_t seed) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    rect(cr, x0, y_top, x1 - x0, y_bottom - y_top);
    cairo_clip(cr);
    // Rows k with row_y(k) in [y_top, y_bottom]: k = ((ground - horizon) / (y - horizon) - 1) / depth.
    auto k_at = [&](double y) { return ((floor.ground - floor.horizon) / (y - floor.horizon) - 1) / floor.depth; };
    const int k_near = static_cast<int>(std::floor(k_at(y_bottom))) - 1;
    const int k_far = static_cast<int>(std::ceil(k_at(std::max(y_top, floor.horizon + 0.5))));
    const double span = (floor.ground - floor.horizon);
    for (int k = k_near; k <= k_far; ++k) {
        const double ya = floor.row_y(k + 1), yb = floor.row_y(k);  // far and near edge of the row
        if (yb < y_top || ya > y_bottom) continue;
        const double stagger = (k & 1) ? 0.5 : 0.0;
        // Ground-line x range that this row needs to cover the clip rectangle.
        const double scale = span / (yb - floor.horizon);
        const int j0 = static_cast<int>(std::floor(((x0 - floor.vanish_x) * scale) / floor.column_width - stagger)) - 1;
        const int j1 = static_cast<int>(std::ceil(((x1 - floor.vanish_x) * scale) / floor.column_width - stagger)) + 1;
        const double distance = clamp01((yb - floor.horizon) / span);  // 0 at the horizon, 1 at the ground line
        for (int j = j0; j <= j1; ++j) {
            const double ga = floor.vanish_x + (j + stagger) * floor.column_width;
            const double gb = ga + floor.column_width;
            const double v = (hash01(j, k, seed) - 0.5) * 2 * variation;
            const double warm = (hash01(j, k, seed + 9) - 0.5) * variation * 0.5;
            const Colour c{base.r * (1 + v + warm), base.g * (1 + v), base.b * (1 + v - warm)};
            set(cr, c);
            polygon(cr, {floor.x_at(ga, ya), ya, floor.x_at(gb, ya), ya, floor.x_at(gb, yb), yb, floor.x_at(ga, yb), yb});
            cairo_fill(cr);
            // Joint down the left side of the slab.
            const double fade = joint_alpha * (0.25 + 0.75 * distance);
            set(cr, joint, fade);
            cairo_set_line_width(cr, 0.6 + 0.9 * distance);
            cairo_move_to(cr, floor.x_at(ga, ya), ya);
            cairo_line_to(cr, floor.x_at(ga, yb), yb);
            cairo_stroke(cr);
        }
        // Joint along the far edge of the row, with a lighter lip just in front.
        const double fade = joint_alpha * (0.25 + 0.75 * distance);
        const double lw = 0.6 + 0.9 * distance;
        set(cr, joint, fade);
        rect(cr, x0, ya - lw * 0.5, x1 - x0, lw);
        cairo_fill(cr);
        set(cr, {1, 1, 1}, fade * 0.25);
        rect(cr, x0, ya + lw * 0.5, x1 - x0, std::max(0.5, lw * 0.7));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void floor_band(cairo_t* cr, const Floor& floor, const std::vector<FloorPoint>& points, double half_width) {
    if (points.size() < 2) return;
    // Offset the middle line sideways in floor space, then project both edges.
    std::vector<double> lx, lk, rx, rk;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const FloorPoint& a = points[i == 0 ? 0 : i - 1];
        const FloorPoint& b = points[i + 1 < points.size() ? i + 1 : i];
        // Floor space: x in ground pixels, depth in ground pixels too (one row = column_width deep, roughly square slabs).
        const double dx = b.x - a.x, dz = (b.k - a.k) * floor.column_width;
        const double len = std::max(1e-9, std::hypot(dx, dz));
        const double ox = -dz / len * half_width, ok = dx / len * half_width / floor.column_width;
        lx.push_back(points[i].x + ox);
        lk.push_back(points[i].k + ok);
        rx.push_back(points[i].x - ox);
        rk.push_back(points[i].k - ok);
    }
    auto to = [&](double x, double k, bool first) {
        const double y = floor.row_y(k);
        if (first) cairo_move_to(cr, floor.x_at(x, y), y);
        else cairo_line_to(cr, floor.x_at(x, y), y);
    };
    for (std::size_t i = 0; i < lx.size(); ++i) to(lx[i], lk[i], i == 0);
    for (std::size_t i = rx.size(); i-- > 0;) to(rx[i], rk[i], false);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace scenery
