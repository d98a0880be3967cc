// The sparks a hit throws off, as strips of frames the game plays from left
// to right. Each look is a handful of cel-shaded shapes (spikes, arcs, a
// ring, particles) whose size, thickness and colours change with the frame:
// a hard bright burst first, then thinner and cooler shapes breaking up.
// Every shape sits on a dark silhouette of the look's own deep colour, so
// the spark reads over a bright sky as over a night street, and its edge
// blends into that colour, never into the mask.

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "audio/synth.h"  // kPi
#include "common/output.h"
#include "common/rng.h"
#include "hud/hud_art.h"
#include "producers.h"

namespace hud {

namespace {

using scenery::Colour;
using scenery::hex;

// A shape of a frame: its path, and either a fill (stroke == 0) or a line
// of that width, with the source that colours it.
struct Shape {
    std::function<void(cairo_t*)> path;
    std::function<void(cairo_t*)> source;
    double stroke = 0;
};

// The silhouettes of all the shapes first, then their colours on top, so
// no rim is ever drawn across another shape.
void paint_shapes(cairo_t* cr, const std::vector<Shape>& shapes, Colour rim, double rim_width) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    scenery::set(cr, rim);
    for (const Shape& s : shapes) {
        s.path(cr);
        cairo_set_line_width(cr, s.stroke + 2 * rim_width);
        if (s.stroke > 0) {
            cairo_stroke(cr);
        } else {
            cairo_stroke_preserve(cr);
            cairo_fill(cr);
        }
    }
    for (const Shape& s : shapes) {
        s.path(cr);
        s.source(cr);
        if (s.stroke > 0) {
            cairo_set_line_width(cr, s.stroke);
            cairo_stroke(cr);
        } else {
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

std::function<void(cairo_t*)> solid(Colour c) {
    return [c](cairo_t* cr) { scenery::set(cr, c); };
}

// A radial gradient around the cell's centre.
std::function<void(cairo_t*)> radial(double radius, Colour inner, Colour outer) {
    return [=](cairo_t* cr) { scenery::radial_source(cr, 0, 0, radius, {{0, inner}, {1, outer}}); };
}

double point_x(double r, double a) { return r * std::cos(a); }
double point_y(double r, double a) { return r * std::sin(a); }

// A thin four-sided blade along angle `a`, from radius r0 to r1, widest
// (half-width `half`) at `widest` of the way out.
std::function<void(cairo_t*)> blade(double a, double r0, double r1, double half, double widest = 0.3) {
    return [=](cairo_t* cr) {
        const double rm = r0 + (r1 - r0) * widest;
        const double px = -std::sin(a), py = std::cos(a);
        cairo_move_to(cr, point_x(r0, a), point_y(r0, a));
        cairo_line_to(cr, point_x(rm, a) + px * half, point_y(rm, a) + py * half);
        cairo_line_to(cr, point_x(r1, a), point_y(r1, a));
        cairo_line_to(cr, point_x(rm, a) - px * half, point_y(rm, a) - py * half);
        cairo_close_path(cr);
    };
}

std::function<void(cairo_t*)> disc(double x, double y, double r) {
    return [=](cairo_t* cr) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
    };
}

// A four-pointed sparkle.
std::function<void(cairo_t*)> sparkle(double x, double y, double r) {
    return [=](cairo_t* cr) {
        const double k = r * 0.3;
        cairo_move_to(cr, x, y - r);
        cairo_line_to(cr, x + k, y - k);
        cairo_line_to(cr, x + r, y);
        cairo_line_to(cr, x + k, y + k);
        cairo_line_to(cr, x, y + r);
        cairo_line_to(cr, x - k, y + k);
        cairo_line_to(cr, x - r, y);
        cairo_line_to(cr, x - k, y - k);
        cairo_close_path(cr);
    };
}

// ---- a clean hit: a white-hot starburst with streaks ---------------------

struct Spike {
    double angle, length;  // length as a fraction of the burst's radius
};

std::vector<Spike> burst_spikes() {
    Rng rng(0x51a7c0);
    std::vector<Spike> spikes;
    const int n = 12;
    for (int i = 0; i < n; ++i)
        spikes.push_back({2 * kPi * i / n + rng.bipolar() * 0.12 - kPi / 2,
                          (i % 2 == 0 ? 1.0 : 0.64) * rng.range(0.88, 1.0)});
    return spikes;
}

std::function<void(cairo_t*)> star(const std::vector<Spike>& spikes, double radius, double inner) {
    return [=](cairo_t* cr) {
        const std::size_t n = spikes.size();
        for (std::size_t i = 0; i < n; ++i) {
            const Spike& s = spikes[i];
            const double next = spikes[(i + 1) % n].angle + (i + 1 == n ? 2 * kPi : 0);
            const double valley = (s.angle + next) / 2;
            if (i == 0) cairo_move_to(cr, point_x(radius * s.length, s.angle), point_y(radius * s.length, s.angle));
            else cairo_line_to(cr, point_x(radius * s.length, s.angle), point_y(radius * s.length, s.angle));
            cairo_line_to(cr, point_x(inner, valley), point_y(inner, valley));
        }
        cairo_close_path(cr);
    };
}

std::vector<Shape> clean_hit(int frame) {
    const std::vector<Spike> spikes = burst_spikes();
    const Colour white = style::kWhite, hot = style::kFireHot, orange = style::kFire, red = hex(0xe0401a);
    std::vector<Shape> shapes;
    // Streaks flying out between the spikes, further and shorter each frame.
    const double streak_from[] = {27, 32, 37, 0}, streak_to[] = {42, 43, 43, 0};
    if (frame < 3)
        for (std::size_t i = 0; i < spikes.size(); i += 2) {
            const double a = (spikes[i].angle + spikes[i + 1].angle) / 2;
            shapes.push_back({blade(a, streak_from[frame], streak_to[frame], frame == 0 ? 1.6 : 1.2, 0.5),
                              solid(frame == 0 ? hot : scenery::mix(hot, orange, 0.5))});
        }
    if (frame == 0) {
        shapes.push_back({star(spikes, 38, 16), radial(38, hot, orange)});
        shapes.push_back({star(spikes, 27, 11), radial(27, white, hot)});
        shapes.push_back({disc(0, 0, 10), solid(white)});
    } else if (frame == 1) {
        shapes.push_back({star(spikes, 42, 7), radial(42, hot, red)});
        shapes.push_back({star(spikes, 29, 5), radial(29, white, orange)});
        shapes.push_back({disc(0, 0, 4.5), solid(white)});
    } else {
        // The burst breaks into separate spikes leaving an empty heart.
        const double from = frame == 2 ? 16 : 30, to = 43, half = frame == 2 ? 2.6 : 1.2;
        for (std::size_t i = 0; i < spikes.size(); ++i) {
            if (frame == 3 && i % 2 == 1) continue;
            const double len = spikes[i].length;
            const Colour c = frame == 2 ? orange : red;
            shapes.push_back({blade(spikes[i].angle, from * len, to * len, half, 0.4),
                              radial(to, frame == 2 ? hot : orange, c)});
        }
    }
    return shapes;
}

// ---- a guarded hit: a cold flash on a curved shield ----------------------

std::vector<Shape> guarded_hit(int frame) {
    const Colour white = style::kWhite, ice = hex(0xc8f4ff), cyan = style::kCyan, azure = style::kAzure;
    std::vector<Shape> shapes;
    // The shield's face: an arc whose apex is the point of impact (the
    // cell's centre), on a circle behind it, flattening as it spreads.
    const double radius[] = {38, 41, 43, 44}, width[] = {9, 6, 3.4, 2};
    const double r = radius[frame], span = 0.9;
    auto arc = [&](double from, double to, double w, const std::function<void(cairo_t*)>& source) {
        shapes.push_back({[=](cairo_t* cr) {
                              cairo_new_sub_path(cr);
                              cairo_arc(cr, r, 0, r, kPi + from, kPi + to);
                          },
                          source, w});
    };
    // Chips flung off the face, further out each frame.
    const double chip_gap[] = {6, 10, 14, 17}, chip_len[] = {9, 8, 6, 4};
    const double chip_angles[] = {-0.25, 0.25, -0.55, 0.55, -0.75, 0.75};
    const int chips = frame == 3 ? 2 : frame == 2 ? 4 : 6;
    for (int i = 0; i < chips; ++i) {
        const double a = kPi + chip_angles[i], from = r + chip_gap[frame], to = from + chip_len[frame];
        shapes.push_back({[=](cairo_t* cr) {
                              cairo_move_to(cr, r + std::cos(a) * from, std::sin(a) * from);
                              cairo_line_to(cr, r + std::cos(a) * to, std::sin(a) * to);
                          },
                          solid(frame < 2 ? ice : cyan), frame == 0 ? 2.4 : frame == 3 ? 1.2 : 1.6});
    }
    if (frame < 2) {
        arc(-span, span, width[frame], solid(frame == 0 ? cyan : azure));
        arc(-span * 0.85, span * 0.85, width[frame] * 0.45, solid(frame == 0 ? white : ice));
    } else {
        // Breaking into pieces.
        const int pieces = frame == 2 ? 3 : 2;
        for (int i = 0; i < pieces; ++i) {
            const double step = 2 * span / pieces, from = -span + step * i + 0.06, to = from + step - 0.12;
            arc(from, to, width[frame], solid(frame == 2 ? cyan : azure));
        }
    }
    // A flat flash where the blow met the shield: a streak along the blow's
    // line across an upright glare, both thinning away.
    const double flare_w[] = {40, 36, 24}, flare_h[] = {5, 2.6, 1.4}, glare_h[] = {28, 30, 0}, glare_w[] = {10, 4, 0};
    if (frame < 3) {
        const double w = flare_w[frame], h = flare_h[frame];
        shapes.push_back({[=](cairo_t* cr) {
                              cairo_move_to(cr, -w, 0);
                              cairo_curve_to(cr, -w * 0.4, -h, -4, -h * 1.4, w * 0.3, 0);
                              cairo_curve_to(cr, -4, h * 1.4, -w * 0.4, h, -w, 0);
                              cairo_close_path(cr);
                          },
                          solid(frame == 0 ? white : ice)});
    }
    if (frame < 2) {
        const double w = glare_w[frame], h = glare_h[frame];
        shapes.push_back({[=](cairo_t* cr) {
                              cairo_move_to(cr, 0, -h);
                              cairo_curve_to(cr, w, -h * 0.3, w, h * 0.3, 0, h);
                              cairo_curve_to(cr, -w, h * 0.3, -w, -h * 0.3, 0, -h);
                              cairo_close_path(cr);
                          },
                          [=](cairo_t* cr) {
                              scenery::vertical_source(cr, -h, h, {{0, ice}, {0.5, white}, {1, ice}});
                          }});
    }
    return shapes;
}

// ---- a projectile bursting: a magic ring with particles ------------------

std::vector<Shape> projectile_burst(int frame) {
    const Colour white = style::kWhite, cyan = style::kCyan, violet = style::kViolet;
    const Colour lilac = hex(0xc4a8ff);
    std::vector<Shape> shapes;
    const double ring_r[] = {27, 33, 37, 40}, ring_w[] = {7, 5, 3, 2};
    const double r = ring_r[frame], w = ring_w[frame];
    if (frame < 3) {
        shapes.push_back({disc(0, 0, r), solid(violet), w});
        shapes.push_back({disc(0, 0, r), solid(frame == 0 ? lilac : scenery::mix(lilac, violet, 0.5)), w * 0.4});
    } else {
        for (int i = 0; i < 6; ++i) {
            const double a = 2 * kPi * i / 6 + 0.3;
            shapes.push_back({[=](cairo_t* cr) {
                                  cairo_new_sub_path(cr);
                                  cairo_arc(cr, 0, 0, r, a, a + 0.5);
                              },
                              solid(violet), w});
        }
    }
    // The core: a blinding orb collapsing into a spark.
    if (frame == 0) {
        shapes.push_back({disc(0, 0, 17), [=](cairo_t* cr) {
                              scenery::radial_source(cr, 0, 0, 17,
                                                     {{0, style::kWhite}, {0.4, hex(0xa8ecff)}, {0.75, lilac},
                                                      {1, violet}});
                          }});
    } else if (frame == 1) {
        shapes.push_back({sparkle(0, 0, 12), radial(12, white, lilac)});
    }
    // Particles thrown around the ring, fewer and smaller each frame.
    const int count[] = {8, 8, 6, 4};
    const double size[] = {4.5, 4, 3, 2.2}, out[] = {36, 39, 40, 41};
    for (int i = 0; i < count[frame]; ++i) {
        const double a = 2 * kPi * i / count[frame] + 0.2 * frame + (i % 2) * 0.12;
        const double pr = out[frame] - (i % 2) * 4;
        const bool blue = i % 2 == 0;
        shapes.push_back({sparkle(point_x(pr, a), point_y(pr, a), size[frame] * (blue ? 1.0 : 0.8)),
                          solid(blue ? (frame == 0 ? white : cyan) : lilac)});
    }
    return shapes;
}

struct SparkStyle {
    std::vector<Shape> (*frame)(int);
    Colour rim;
};

SparkStyle style_of(SparkLook look) {
    switch (look) {
    case SparkLook::Guarded: return {guarded_hit, hex(0x0a1c58)};
    case SparkLook::Projectile: return {projectile_burst, hex(0x1c0c4a)};
    case SparkLook::Clean: break;
    }
    return {clean_hit, hex(0x4a0c06)};
}

}  // namespace

const std::vector<Spark>& sparks() {
    static const std::vector<Spark> list{
        {"graphics/etincelle_coup.bmp", SparkLook::Clean},
        {"graphics/etincelle_garde.bmp", SparkLook::Guarded},
        {"graphics/etincelle_projectile.bmp", SparkLook::Projectile},
    };
    return list;
}

Image draw_spark_strip(SparkLook look) {
    Canvas canvas(kSparkCell * kSparkFrames, kSparkCell);
    cairo_t* cr = canvas.cr();
    const SparkStyle s = style_of(look);
    for (int f = 0; f < kSparkFrames; ++f) {
        cairo_save(cr);
        // Clipped to its cell, so no frame spills into the next.
        cairo_rectangle(cr, f * kSparkCell + 1, 1, kSparkCell - 2, kSparkCell - 2);
        cairo_clip(cr);
        cairo_translate(cr, f * kSparkCell + kSparkCell / 2.0, kSparkCell / 2.0);
        paint_shapes(cr, s.frame(f), s.rim, f < 2 ? 1.6 : 1.2);
        cairo_restore(cr);
    }
    return style::to_sprite(canvas, s.rim);
}

}  // namespace hud

void produce_fight_effects(Context& ctx) {
    using namespace hud;
    const style::Fonts fonts(ctx.fonts);
    std::vector<Image> strips;
    for (const Spark& s : sparks()) {
        strips.push_back(draw_spark_strip(s.look));
        ctx.out.write_bmp(s.file, strips.back());
    }
    const Image won = draw_round_mark(true), empty = draw_round_mark(false), glyphs = draw_glyph_strip(fonts);
    ctx.out.write_bmp("graphics/marque_round.bmp", won);
    ctx.out.write_bmp("graphics/marque_round_vide.bmp", empty);
    ctx.out.write_bmp("graphics/commandes.bmp", glyphs);
    if (!ctx.out.preview_dir()) return;
    // Every frame of every spark over a bright stage and a dusky one, with
    // the marks and the glyphs beside them.
    for (const char* stage : {"aeroport", "inde"}) {
        Image screen = stage_view(stage);
        for (std::size_t i = 0; i < strips.size(); ++i)
            style::draw_sprite(screen, strips[i], 20, 60 + 110 * static_cast<int>(i));
        for (int k = 0; k < 3; ++k) style::draw_sprite(screen, k < 2 ? won : empty, 430 + 24 * k, 80);
        style::draw_sprite(screen, glyphs, 430, 130);
        style::preview_screen(ctx.out, std::string("fight-effects-") + stage, screen);
    }
}
