#pragma once
// What the painted stage backgrounds share: colours and gradients, noise,
// per-pixel shading, atmospheric haze, clouds and foliage built from lit
// spheres, glows, windows and floors seen in perspective.
//
// Every stage is painted back to front on separate layers (sky, far, middle,
// near); a layer is pulled towards the colour of the air by its distance
// before it goes down, which is what gives the scene its depth.

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "common/canvas.h"
#include "common/rng.h"

namespace scenery {

// ---- colours ---------------------------------------------------------------

struct Colour {
    double r = 0, g = 0, b = 0;
};

constexpr Colour hex(std::uint32_t v) {
    return {((v >> 16) & 0xff) / 255.0, ((v >> 8) & 0xff) / 255.0, (v & 0xff) / 255.0};
}
inline Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour operator*(Colour c, double k) { return {c.r * k, c.g * k, c.b * k}; }
inline double luminance(Colour c) { return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b; }

void set(cairo_t* cr, Colour c, double alpha = 1.0);

struct Stop {
    double at;
    Colour colour;
    double alpha = 1.0;
};
// Makes a linear gradient from (x0, y0) to (x1, y1) the current source.
void linear_source(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
inline void vertical_source(cairo_t* cr, double y0, double y1, std::initializer_list<Stop> stops) {
    linear_source(cr, 0, y0, 0, y1, stops);
}
inline void horizontal_source(cairo_t* cr, double x0, double x1, std::initializer_list<Stop> stops) {
    linear_source(cr, x0, 0, x1, 0, stops);
}
void radial_source(cairo_t* cr, double x, double y, double radius, std::initializer_list<Stop> stops);

void rect(cairo_t* cr, double x, double y, double w, double h);
void polygon(cairo_t* cr, std::initializer_list<double> xy);  // x0, y0, x1, y1, ... closed

// ---- the passes every stage paints -------------------------------------------

// The sky: a gradient from the top of the picture down to the horizon,
// filled on down to `bottom`, behind where the far scenery will stand.
void sky(cairo_t* cr, double width, double horizon, double bottom, std::initializer_list<Stop> stops);
// A band across the whole width from y0 to y1, shaded from top to bottom:
// the ground's strips (a step, a kerb, a road).
void band(cairo_t* cr, double width, double y0, double y1, std::initializer_list<Stop> stops);
// A flat strip across the whole width: the seam just behind the ground
// line, a painted line on it.
void strip(cairo_t* cr, double width, double y, double height, Colour c, double alpha = 1.0);
// Adds far hills to the path: from the left edge at height `start` along
// the skyline top(x), sampled every 4 pixels, then down to `bottom` on the
// right and back along it to the left.
void hills(cairo_t* cr, double width, double start, double bottom, const std::function<double(double)>& top);

// ---- noise -----------------------------------------------------------------

double hash01(int x, int y, std::uint32_t seed);                         // white noise in [0, 1)
double value_noise(double x, double y, std::uint32_t seed);              // smooth, [0, 1], unit cells
double fbm(double x, double y, std::uint32_t seed, int octaves = 4);     // fractal sum, about [0, 1]

// ---- per-pixel work --------------------------------------------------------

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;  // straight (not premultiplied) alpha
};

// Composites f(x, y) over the canvas at every pixel of [x0, x1) x [y0, y1).
template <class F>
void shade(Canvas& canvas, int x0, int y0, int x1, int y1, F f) {
    each_stored_pixel(canvas, x0, y0, x1, y1, [&f](int x, int y, std::uint32_t& p) {
        const Rgba c = f(x, y);
        if (c.a <= 0) return;
        const double a = std::min(c.a, 1.0);
        auto over = [&](int shift, double src) {
            const double dst = ((p >> shift) & 0xff) / 255.0;
            const double v = std::clamp(src, 0.0, 1.0) * a + dst * (1 - a);
            return static_cast<std::uint32_t>(std::lround(v * 255)) << shift;
        };
        p = over(24, 1.0) | over(16, c.r) | over(8, c.g) | over(0, c.b);
    });
}

// Fine luminance noise over what is already painted (paint, concrete, grit).
void grain(Canvas& canvas, int x0, int y0, int x1, int y1, double amount, std::uint32_t seed);
// Large soft blotches, darker and lighter: weathering, stains, worn stone.
void mottle(Canvas& canvas, int x0, int y0, int x1, int y1, double cell, double amount, std::uint32_t seed);

// Pulls everything on a layer towards the colour of the air, more towards
// the horizon (amount_top at y_top, amount_bottom at y_bottom).
void haze(Canvas& layer, Colour air, double y_top, double amount_top, double y_bottom, double amount_bottom);

// ---- light -----------------------------------------------------------------

// A soft round light added to what is below it (lamps, lanterns, the sun).
void glow(cairo_t* cr, double x, double y, double radius, Colour c, double strength);
// A soft elliptical shadow under something standing on the floor.
void contact_shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha, Colour c = {});

// ---- masses built of lit spheres: clouds, foliage, hedges ------------------

struct Puff {
    double x, y, r;
};

struct MassLook {
    Colour lit, mid, shadow;
    Colour rim{1, 1, 1};
    double rim_strength = 0;          // light caught on the edges facing the sun
    double light_x = -0.45, light_y = -0.75;  // where the light comes from (screen direction)
    double light_z = 0.55;                    // and how much from in front
    double edge_noise = 0.35;         // how ragged the outline is
    double noise_scale = 0.08;        // 1 / size of the raggedness, in pixels
    double softness = 0.12;           // width of the alpha ramp at the outline
    double blend = 6;                 // how far (pixels) neighbouring puffs' surfaces melt together
    double bumps = 8;                 // depth (pixels) of the small clumps on the surface
    double flat_base = 1e9;           // y under which the mass fades out (flat cloud bases)
    double base_fade = 12;
    double opacity = 1.0;
    std::uint32_t seed = 1;
};

void mass(Canvas& canvas, const std::vector<Puff>& puffs, const MassLook& look);

// Daylight cumulus: soft, lit mostly from above, puffs melting together.
inline MassLook daylight_clouds(Colour lit, Colour mid, Colour shadow, double base_fade) {
    MassLook look{lit, mid, shadow};
    look.edge_noise = 0.25;
    look.noise_scale = 0.035;
    look.softness = 0.14;
    look.base_fade = base_fade;
    look.light_z = 0.3;
    look.blend = 10;
    return look;
}

// A cumulus: a row of puffs, tallest a little left of the middle, on a flat base.
std::vector<Puff> cumulus(Rng& rng, double cx, double base_y, double width, double height);
// A rounded crown of foliage around (cx, cy).
std::vector<Puff> crown(Rng& rng, double cx, double cy, double rx, double ry, int count, double size);

// A broadleaf tree: trunk and branches, then a crown lit from the upper left.
struct TreeLook {
    Colour bark, bark_shadow;
    MassLook leaves;
};
void tree(Canvas& canvas, Rng& rng, double x, double ground_y, double height, const TreeLook& look);

// A coconut palm leaning by `lean` (pixels the crown sits right of the foot).
struct PalmLook {
    Colour trunk, trunk_shadow, frond, frond_light;
    double rim = 0;       // rim light on the fronds (backlit at dusk)
    Colour rim_colour{1, 1, 1};
};
void palm(cairo_t* cr, Rng& rng, double x, double ground_y, double height, double lean, const PalmLook& look);

// ---- buildings -------------------------------------------------------------

// A window pane: frame, then glass reflecting `sky_top`..`sky_bottom` with a
// diagonal sheen, and sometimes a blind drawn part way.
struct WindowLook {
    Colour frame, glass_top, glass_bottom, blind;
    double frame_width = 1.5;
    int mullions = 1;      // vertical bars inside the frame
    int transoms = 1;      // horizontal bars
    double blind_chance = 0.3;
    double lit_chance = 0;  // a warm light inside
    Colour lit{1.0, 0.82, 0.5};
};
void window(cairo_t* cr, Rng& rng, double x, double y, double w, double h, const WindowLook& look);

// ---- floors seen in perspective --------------------------------------------

// A floor plane between the horizon and the bottom of the picture: row k of
// slabs sits at y = horizon + (ground - horizon) / (1 + k * depth), so k = 0
// is the ground line; columns converge on (vanish_x, horizon).
struct Floor {
    double horizon, ground, vanish_x;
    double depth;           // one slab's depth, as a fraction of the ground line's distance
    double column_width;    // one slab's width at the ground line
    double row_y(double k) const { return horizon + (ground - horizon) / (1 + k * depth); }
    double x_at(double x_ground, double y) const { return vanish_x + (x_ground - vanish_x) * (y - horizon) / (ground - horizon); }
    // Size on screen of one ground-line pixel at row y.
    double scale_at(double y) const { return (y - horizon) / (ground - horizon); }
};

// A band painted on the floor: `points` are (x at the ground line, row k)
// pairs along its middle, `half_width` is in ground-line pixels.
struct FloorPoint {
    double x, k;
};
void floor_band(cairo_t* cr, const Floor& floor, const std::vector<FloorPoint>& points, double half_width);
// Fills slabs between rows y_top and y_bottom with `base` varied per slab,
// with dark joints and a lighter lip under each, fading with distance.
void slabs(Canvas& canvas, const Floor& floor, double y_top, double y_bottom, double x0, double x1, Colour base,
           double variation, Colour joint, double joint_alpha, std::uint32_t seed);

}  // namespace scenery
