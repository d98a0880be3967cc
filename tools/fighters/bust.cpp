#include "bust.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "ink.h"

namespace {

double rad(double degrees) { return degrees * M_PI / 180.0; }

// How tall the bust stands, from the cut at the waist to the top of the
// head, in portrait pixels; the fighter's own proportions decide the rest.
constexpr double kBustHeight = 226;

struct Arm {
    Vec shoulder, elbow, wrist, hand;  // hand: the centre of the fist or palm
    double fore = 0;                   // forearm direction, degrees (0 down, 90 forward)
    double r0 = 6, r1 = 5, f0 = 5, f1 = 4, fist = 5;
    bool open = false, near = true;
};

class Bust {
public:
    explicit Bust(const FighterSource& src) : src_(src), look_(src.look), b_(src.bones) {
        pose_ = src.poses.count("portrait") ? src.pose("portrait") : src.pose("stance");
        u_ = kBustHeight / (2 * b_.head + b_.neck + b_.torso * 0.96);
        r_ = b_.head * u_ * 1.1;  // a little larger than life, as portraits are
        T_ = b_.torso * u_;
        W_ = b_.chest_r * u_ * 1.42;
        Ww_ = std::max(b_.waist_r, b_.belly_r * 0.9) * u_ * 1.45;
        nr_ = b_.neck_r * u_ * 1.2;
        lean_ = rad(pose_[J_LEAN] * 0.5);
        tilt_ = rad(pose_[J_HEAD] * 0.6);
        const double neck_len = b_.neck * u_;
        head_ = {r_ * 0.12, -(neck_len + r_ * 0.92)};
        panda_ = look_.has("panda");
        if (panda_) head_ = {r_ * 0.1, -(neck_len + r_ * 0.78)};
        waist_ = T_ * 0.96;
        ink_ = pal("outline", Rgb{26, 20, 24});
        energy_ = pal("energy", Rgb{110, 210, 255});
        energy2_ = pal("energy2", kInkWhite);
        rim_ = blend(energy_, kInkWhite, 0.35);

        auto arm = [&](bool near, bool second) {
            Arm a;
            a.near = near;
            a.shoulder = second ? torso(near ? Vec{-W_ * 0.8, T_ * 0.36} : Vec{W_ * 0.66, T_ * 0.34})
                                : torso(near ? Vec{-W_ * 0.84, T_ * 0.12} : Vec{W_ * 0.74, T_ * 0.1});
            const double k = second ? 0.9 : 1.0;
            const double upper = (second ? b_.upperarm2 : b_.upperarm) * u_ * 0.8;
            const double fore = (second ? b_.forearm2 : b_.forearm) * u_ * 0.8;
            const double s = pose_[second ? (near ? J_S2N : J_S2F) : (near ? J_SN : J_SF)];
            const double e = pose_[second ? (near ? J_E2N : J_E2F) : (near ? J_EN : J_EF)];
            a.open = pose_[near ? J_HANDN : J_HANDF] >= 0.5;
            a.elbow = a.shoulder + dir(s) * upper;
            a.fore = s + e;
            a.wrist = a.elbow + dir(a.fore) * fore;
            a.r0 = b_.upperarm_r0 * u_ * 1.08 * k;
            a.r1 = b_.upperarm_r1 * u_ * 1.08 * k;
            a.f0 = b_.forearm_r0 * u_ * 1.08 * k;
            a.f1 = b_.forearm_r1 * u_ * 1.08 * k;
            a.fist = b_.fist_r * u_ * 1.15 * k;
            a.hand = a.wrist + dir(a.fore) * (a.fist * 0.75);
            return a;
        };
        armN_ = arm(true, false);
        armF_ = arm(false, false);
        if (b_.upperarm2 > 0) {
            arm2N_ = arm(true, true);
            arm2F_ = arm(false, true);
            four_ = true;
        }
    }

    BustMarks marks() const {
        BustMarks m;
        m.head = head_;
        m.head_r = r_;
        m.top = head_.y - r_ * 1.1;
        if (look_.has("crown") || look_.has("topknot")) m.top = head_.y - r_ * 1.62;
        if (look_.has("hood")) m.top = head_.y - r_ * 1.25;
        if (look_.has("ears")) m.top = head_.y - r_ * 1.3;
        m.waist = waist_;
        return m;
    }

    void draw(cairo_t* cr) {
        Pen pen(cr, ink_, rim_);
        pen_ = &pen;
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        // Everything of the fighter goes into one layer, so that light can be
        // laid over it afterwards.
        cairo_push_group(cr);
        behind();
        if (four_) arm(arm2F_);
        arm(armF_);
        body();
        head();
        if (look_.has("scarf")) scarf_wrap();
        if (four_) cast_shadow(arm2N_);
        cast_shadow(armN_);
        if (four_) arm(arm2N_);
        arm(armN_);
        lighting();
        cairo_pattern_t* figure = cairo_pop_group(cr);
        cairo_set_source(cr, figure);
        cairo_paint(cr);
        back_light(figure);
        cairo_pattern_destroy(figure);
        const std::string g = look_.arg("glow", 0);
        if (!g.empty()) energy_ball(glow_point(g), r_ * 0.42);
        pen_ = nullptr;
    }

private:
    const FighterSource& src_;
    const Look& look_;
    const Bones& b_;
    Pose pose_;
    double u_, r_, T_, W_, Ww_, nr_, lean_, tilt_, waist_;
    Vec head_;
    bool panda_ = false, four_ = false;
    Rgb ink_, energy_, energy2_, rim_;
    Arm armN_, armF_, arm2N_, arm2F_;
    Pen* pen_ = nullptr;

    Rgb pal(const std::string& entry, Rgb fallback) const {
        return src_.palette.count(entry) ? src_.colour(entry) : fallback;
    }
    Rgb pal(const std::string& entry, const std::string& fallback = "skin") const {
        return src_.palette.count(entry) ? src_.colour(entry) : src_.colour(fallback);
    }
    Rgb feature_colour(const std::string& feature, std::size_t i, const std::string& fallback) const {
        return pal(look_.arg(feature, i, fallback));
    }

    // Torso coordinates (upright, neck pit at the origin) to bust coordinates.
    Vec torso(Vec p) const { return rotate(p, lean_); }
    // Head coordinates: x towards the face, y down, in head radii.
    Vec at(double x, double y) const { return head_ + rotate(Vec{x * r_, y * r_}, tilt_); }
    std::vector<Vec> at(std::initializer_list<std::pair<double, double>> pts) const {
        std::vector<Vec> out;
        for (auto [x, y] : pts) out.push_back(at(x, y));
        return out;
    }
    std::vector<Vec> tor(std::initializer_list<std::pair<double, double>> pts) const {
        std::vector<Vec> out;
        for (auto [x, y] : pts) out.push_back(torso({x * W_, y * T_}));
        return out;
    }

    Shade shade(double size, double line = 2.4) const {
        Shade s;
        s.shadow = size * 0.3;
        s.light = size * 0.1;
        s.rim = 0;  // the back light catches the whole silhouette instead, at the end
        s.line = line;
        return s;
    }

    Vec glow_point(const std::string& name) const {
        const Arm* a = nullptr;
        if (name == "fistN") a = &armN_;
        else if (name == "fistF") a = &armF_;
        else if (name == "fist2N" && four_) a = &arm2N_;
        else if (name == "fist2F" && four_) a = &arm2F_;
        if (!a) throw std::runtime_error(src_.name + ": the portrait's glow names no hand of it: '" + name + "'");
        return a->open ? a->hand + dir(a->fore) * (a->fist * 0.2) + perp(dir(a->fore)) * (a->fist * 0.9)
                       : a->hand + dir(a->fore) * (a->fist * 1.1);
    }

    // ------------------------------------------------------------ behind the body

    void behind() {
        Pen& pen = *pen_;
        const double w = pose_[J_WIND];
        if (look_.has("ponytail")) {
            const Rgb hair = feature_colour("ponytail", 0, "hair");
            const Vec root = at(-0.78, -0.72);
            const std::vector<Vec> line = flowing(root, -70 - w * 0.6, r_ * 0.55, 7, 9, 4, 1.3);
            pen.solid({strip(line, r_ * 0.3, r_ * 0.04)}, hair, shade(r_ * 0.6));
            hair_strands(line, r_ * 0.3, hair);
            pen.solid({strip(flowing(root + Vec{0, r_ * 0.1}, -95 - w * 0.4, r_ * 0.5, 6, 12, 5, 2.1), r_ * 0.18,
                             r_ * 0.03)},
                      hair, shade(r_ * 0.4));
        }
        if (look_.has("headband")) {
            const Rgb band = feature_colour("headband", 0, "band");
            const Vec knot = at(-1.0, -0.5);
            pen.solid({strip(flowing(knot, -75 - w * 0.5, r_ * 0.42, 6, 8, 10, 0.4), r_ * 0.12, r_ * 0.1)},
                      scale(band, 0.85), shade(r_ * 0.25, 1.8));
            pen.solid({strip(flowing(knot, -100 - w * 0.4, r_ * 0.4, 5, 14, 10, 2.0), r_ * 0.11, r_ * 0.09)},
                      band, shade(r_ * 0.25, 1.8));
        }
        if (look_.has("scarf")) {
            const Rgb scarf = feature_colour("scarf", 0, "scarf");
            const Vec root = torso({-W_ * 0.35, -T_ * 0.02});
            const int links = static_cast<int>(look_.num("scarf", 1, 5));
            for (int k = 0; k < 2; ++k) {
                const std::vector<Vec> line = flowing(root + Vec{0, r_ * 0.25 * k}, (k ? -98 : -82) - w * 0.45, r_ * 0.5,
                                                      links - k, k ? 10 : 6, 7, 0.5 + 2.1 * k);
                const double w0 = r_ * (k ? 0.3 : 0.26), w1 = r_ * (k ? 0.24 : 0.2);
                // A flat band of cloth, its end cut in a swallowtail.
                std::vector<Vec> left, right;
                for (std::size_t i = 0; i < line.size(); ++i) {
                    const Vec t = unit(i + 1 < line.size() ? line[i + 1] - line[i] : line[i] - line[i - 1]);
                    const double f = static_cast<double>(i) / (line.size() - 1);
                    const double wd = w0 + (w1 - w0) * f;
                    left.push_back(line[i] + perp(t) * wd);
                    right.push_back(line[i] - perp(t) * wd);
                }
                const Vec end = line.back(), t = unit(line.back() - line[line.size() - 2]);
                std::vector<Vec> pts = left;
                pts.push_back(end + t * (w1 * 1.2) + perp(t) * (w1 * 0.9));
                pts.push_back(end + t * (w1 * 0.2));
                pts.push_back(end + t * (w1 * 1.2) - perp(t) * (w1 * 0.9));
                for (auto it = right.rbegin(); it != right.rend(); ++it) pts.push_back(*it);
                const Shape tail{polygon(pts)};
                const Rgb c = k ? scarf : scale(scarf, 0.8);
                pen.solid(tail, c, shade(r_ * 0.35));
                pen.within(tail, [&] {
                    for (std::size_t i = 2; i + 1 < line.size(); i += 2)
                        pen.line({lerp(left[i], line[i], 0.2), lerp(line[i + 1], right[i + 1], 0.6)}, 1.2, shadow_of(c), 0.9);
                });
            }
        }
        if (look_.has("topknot") || (look_.has("hair") && look_.has("crown"))) {
            // Long hair falling behind the neck to the shoulders.
            const Rgb hair = feature_colour("hair", 0, "hair");
            Shape locks{curve(at({{-0.55, -0.7}, {-1.05, -0.35}, {-1.2, 0.5}, {-1.25, 1.35}, {-0.95, 1.8}, {-0.55, 1.55},
                                  {-0.35, 0.9}, {0.1, 0.6}}))};
            pen.solid(locks, hair, shade(r_ * 0.5));
            pen.within(locks, [&] {
                for (double k : {-1.05, -0.85, -0.65})
                    pen.line(at({{k + 0.15, -0.3}, {k - 0.1, 0.6}, {k - 0.05, 1.5}}), 1.2, blend(hair, kInkWhite, 0.22));
            });
        }
    }

    void hair_strands(const std::vector<Vec>& line, double w, Rgb hair) {
        Pen& pen = *pen_;
        pen.within({strip(line, w, w * 0.1)}, [&] {
            for (double k : {-0.45, 0.1, 0.5}) {
                std::vector<Vec> s;
                for (std::size_t i = 0; i < line.size(); ++i) {
                    const Vec t = unit(i + 1 < line.size() ? line[i + 1] - line[i] : line[i] - line[i - 1]);
                    const double f = 1.0 - static_cast<double>(i) / line.size();
                    s.push_back(line[i] + perp(t) * (w * k * f));
                }
                pen.line(s, 1.3, blend(hair, kInkWhite, 0.28), 0.9);
            }
        });
    }

    // ------------------------------------------------------------ arms

    void arm(const Arm& a) {
        Pen& pen = *pen_;
        const double dim = a.near ? 1.0 : 0.82;
        const Rgb upper = scale(src_.part_colour("upperarm"), dim);
        const Rgb lower = scale(src_.part_colour("forearm"), dim);
        const Rgb hand = scale(src_.part_colour("fist"), dim);
        const Vec d = dir(a.fore);
        const Vec n = perp(d);
        // Upper arm and forearm, one outline round both.
        Shape limb{taper(a.shoulder, a.r0, a.elbow, a.r1 * 1.05), taper(a.elbow, a.f0, a.wrist, a.f1)};
        if (upper == lower) {
            pen.solid(limb, upper, shade(a.r0 * 1.6));
        } else {
            pen.outline(limb, 2.4);
            pen.solid({limb[0]}, upper, shade(a.r0 * 1.6, 0));
            pen.solid({limb[1]}, lower, shade(a.f0 * 1.6, 0));
            pen.line({a.elbow - dir(a.fore) * (a.f0 * 0.2) + n * a.f0, a.elbow - n * a.f0}, 1.4, ink_);
        }
        // Muscle and crease lines.
        const Vec ud = unit(a.elbow - a.shoulder);
        if (src_.part_colour("upperarm") == src_.colour("skin") && !panda_) {
            const Vec un = perp(ud);
            pen.line({a.shoulder + ud * (a.r0 * 1.2) + un * (a.r0 * 0.9), a.shoulder + ud * (a.r0 * 1.6),
                      a.shoulder + ud * (a.r0 * 2.3) - un * (a.r0 * 0.5)},
                     1.2, shadow_of(upper), 0.8);
        }
        pen.line({a.elbow + n * (a.f0 * 0.5) - d * (a.f0 * 0.3), a.elbow + n * (a.f0 * 0.1) + d * (a.f0 * 0.4)}, 1.2,
                 shadow_of(lower), 0.8);
        if (look_.has("wraps")) {
            const Rgb wrap = scale(feature_colour("wraps", 0, "wrap"), dim);
            const Vec w0 = a.wrist - d * (length(a.wrist - a.elbow) * 0.5), w1 = a.wrist + d * (a.fist * 0.1);
            Shape band{taper(w0, a.f1 * 1.12 + (a.f0 - a.f1) * 0.5, w1, a.f1 * 1.12)};
            pen.solid(band, wrap, shade(a.f0 * 1.5, 1.6));
            pen.within(band, [&] {
                for (int i = 0; i < 5; ++i) {
                    const Vec c = lerp(w0, w1, (i + 0.5) / 5.0);
                    pen.line({c - n * (a.f0 * 1.3) - d * 2.0, c + n * (a.f0 * 1.3) + d * 2.0}, 1.1, shadow_of(wrap));
                }
            });
        }
        if (look_.has("jewels")) {
            const Rgb gold = scale(feature_colour("jewels", 0, "gold"), dim);
            const Vec c = lerp(a.shoulder, a.elbow, 0.55);
            gold_band(c, ud, (a.r0 + a.r1) * 0.5 + 1.2, a.r0 * 0.55, gold);
            gold_band(a.wrist - d * (a.f1 * 0.8), d, a.f1 + 1.2, a.f1 * 0.55, gold);
        }
        if (a.open) palm(a, hand);
        else fist(a, hand);
        if (look_.has("claws")) claws(a);
    }

    void gold_band(Vec c, Vec along, double r, double half, Rgb gold) {
        Pen& pen = *pen_;
        const Vec n = perp(along);
        Shape band{polygon({c - along * half + n * r, c + along * half + n * r, c + along * half - n * r,
                            c - along * half - n * r})};
        pen.solid(band, gold, shade(r, 1.4));
        pen.line({c + n * r * 0.9, c - n * r * 0.9}, 1.0, blend(gold, kInkWhite, 0.5), 0.8);
    }

    void fist(const Arm& a, Rgb hand) {
        Pen& pen = *pen_;
        const Vec d = dir(a.fore), n = perp(d);
        const double R = a.fist;
        const Vec c = a.hand;
        auto F = [&](double x, double y) { return c + d * (x * R) + n * (y * R); };
        // The back of the hand, then four curled fingers across its front.
        Shape f{curve({F(-0.7, -0.72), F(0.4, -0.86), F(0.8, -0.5), F(0.86, 0.4), F(0.55, 0.86), F(-0.45, 0.8),
                       F(-0.8, 0.05)})};
        for (int i = 0; i < 4; ++i) {
            const double y = -0.6 + 0.4 * i;
            f.push_back(taper(F(0.42, y), R * 0.24, F(0.8, y * 1.05), R * 0.23));
        }
        pen.solid(f, hand, shade(R * 1.8));
        const Rgb crease = panda_ ? blend(hand, kInkWhite, 0.3) : shadow_of(hand);
        pen.within(f, [&] {
            for (int i = 0; i < 3; ++i) {
                const double y = -0.4 + 0.4 * i;
                pen.line({F(0.5, y), F(1.05, y * 1.05)}, 1.2, crease);
            }
            pen.line({F(0.35, -0.8), F(0.3, 0.0), F(0.35, 0.8)}, 1.1, crease, 0.7);
        });
        if (panda_) {
            // Little pale claws over the knuckles.
            const Rgb ivory{232, 224, 204};
            for (int i = 0; i < 4; ++i) {
                const Vec base = F(0.95, -0.6 + 0.4 * i);
                pen.flat({polygon({base + n * (R * 0.1), base + d * (R * 0.34), base - n * (R * 0.1)})}, ivory, 0.9);
            }
            return;
        }
        // The thumb folded over the fingers.
        const double side = n.y > 0 ? 1 : -1;
        Shape thumb{taper(F(-0.2, 0.62 * side), R * 0.27, F(0.48, 0.3 * side), R * 0.22)};
        pen.solid(thumb, hand, shade(R * 0.6, 1.4));
    }

    void palm(const Arm& a, Rgb hand) {
        Pen& pen = *pen_;
        const Vec d = dir(a.fore), n = perp(d);
        const double R = a.fist;
        const Vec c = a.hand;
        const Vec side = n.y > 0 ? n : n * -1.0;
        Shape h{ellipse(c, R * 0.95, R * 0.86, std::atan2(d.y, d.x))};
        std::vector<std::pair<Vec, Vec>> fingers;
        for (int i = 0; i < 4; ++i) {
            const double k = (i - 1.5) * 0.4;
            const Vec base = c + d * (R * 0.55) + n * (R * k);
            const double len = R * (i == 0 || i == 3 ? 1.0 : 1.25);
            const Vec tip = base + dir(a.fore - (i - 1.5) * 9) * len;
            fingers.push_back({base, tip});
            h.push_back(taper(base, R * 0.21, tip, R * 0.16));
        }
        h.push_back(taper(c + side * (R * 0.45), R * 0.25, c + side * (R * 1.15) + d * (R * 0.5), R * 0.17));
        pen.solid(h, hand, shade(R * 1.6));
        pen.within(h, [&] {
            for (std::size_t i = 0; i + 1 < fingers.size(); ++i)
                pen.line({lerp(fingers[i].first, fingers[i + 1].first, 0.5) + d * (R * 0.1),
                          lerp(fingers[i].second, fingers[i + 1].second, 0.5)},
                         1.2, shadow_of(hand));
            pen.line({c - d * (R * 0.3) + side * (R * 0.4), c + d * (R * 0.15) - side * (R * 0.05),
                      c + d * (R * 0.25) - side * (R * 0.55)},
                     1.1, shadow_of(hand));
        });
        if (panda_) pen.flat({ellipse(c, R * 0.45, R * 0.38, std::atan2(d.y, d.x))}, Rgb{74, 66, 76}, 0);
    }

    void claws(const Arm& a) {
        Pen& pen = *pen_;
        const int count = static_cast<int>(look_.num("claws", 0, 3));
        const Rgb steel = scale(feature_colour("claws", 2, "steel"), a.near ? 1.0 : 0.85);
        const Vec n = perp(dir(a.fore));
        const double len = look_.num("claws", 1, 18) * u_ * 0.75;
        for (int i = 0; i < count; ++i) {
            const double k = i - (count - 1) / 2.0;
            const Vec base = a.hand + dir(a.fore) * (a.fist * 0.3) + n * (k * a.fist * 0.55);
            const Vec tip = base + dir(a.fore - k * 11) * (len + a.fist * 0.6);
            const Vec s = perp(unit(tip - base));
            const double w = a.fist * 0.2;
            Shape blade{curve({base + s * w, lerp(base, tip, 0.5) + s * (w * 0.85), tip, lerp(base, tip, 0.55) - s * (w * 0.35),
                               base - s * w})};
            pen.solid(blade, steel, shade(w * 2, 1.4));
            pen.line({lerp(base, tip, 0.15) + s * (w * 0.4), lerp(base, tip, 0.8) + s * (w * 0.15)}, 1.0, kInkWhite, 0.9);
        }
        // The mount across the knuckles.
        pen.solid({taper(a.hand + dir(a.fore) * (a.fist * 0.3) + n * (a.fist * 0.75), a.fist * 0.2,
                         a.hand + dir(a.fore) * (a.fist * 0.3) - n * (a.fist * 0.75), a.fist * 0.2)},
                  scale(steel, 0.7), shade(a.fist * 0.3, 1.4));
    }

    // ------------------------------------------------------------ torso

    Shape torso_shape() const {
        const double nx = nr_ / W_;
        return {curve(tor({{-nx * 1.1, -0.03},
                           {-0.72, 0.03},
                           {-1.0, 0.12},
                           {-0.98, 0.36},
                           {-Ww_ / W_ * 1.0, 0.7},
                           {-Ww_ / W_ * 1.05, 1.2},
                           {Ww_ / W_ * 0.95, 1.2},
                           {Ww_ / W_ * 0.9, 0.7},
                           {0.84, 0.36},
                           {0.86, 0.12},
                           {0.62, 0.02},
                           {nx * 1.1, -0.03}}))};
    }

    void body() {
        Pen& pen = *pen_;
        const Rgb cloth = src_.part_colour("torso");
        const Shape t = torso_shape();
        // The neck first: the torso's collar covers its foot.
        const Rgb neck = src_.part_colour("neck");
        Shape neck_shape{taper(head_ + Vec{-r_ * 0.05, r_ * 0.2}, nr_ * 0.95, torso({0, T_ * 0.02}), nr_ * 1.1)};
        if (!look_.has("hood")) {
            pen.solid(neck_shape, neck, shade(nr_ * 1.4));
            // The shadow the jaw casts on the neck.
            pen.within(neck_shape, [&] {
                set_colour(pen.cr(), shadow_of(neck));
                cairo_save(pen.cr());
                cairo_translate(pen.cr(), -r_ * 0.08, r_ * 0.22);
                pen.fill_parts(head_outline());
                cairo_restore(pen.cr());
            });
        }
        pen.solid(t, cloth, shade(W_ * 0.55));
        const Rgb skin = pal("skin");
        const Rgb dark = shadow_of(cloth);

        if (look_.has("yoke")) {  // the panda's black shoulders
            const Rgb fur = feature_colour("yoke", 0, "fur");
            pen.within(t, [&] {
                Shape yoke{curve(tor({{-1.3, -0.3}, {1.3, -0.3}, {1.2, 0.42}, {0.5, 0.24}, {0.0, 0.2}, {-0.6, 0.26},
                                      {-1.2, 0.5}}))};
                pen.solid(yoke, fur, shade(W_ * 0.4, 1.8));
            });
        }
        if (b_.belly_r > 0) {
            const Rgb belly = feature_colour("belly", 0, "belly");
            Shape bl{ellipse(torso({W_ * 0.12, T_ * 0.72}), b_.belly_r * u_ * 1.25, b_.belly_r * u_ * 1.05)};
            pen.within(t, [&] { pen.solid(bl, belly, shade(b_.belly_r * u_, 1.6)); });
            pen.within(bl, [&] {
                pen.line({torso({W_ * 0.12, T_ * 0.6}), torso({W_ * 0.16, T_ * 0.78})}, 1.2, shadow_of(belly), 0.7);
            });
        }
        if (look_.has("vneck")) {
            // A wrapped jacket: the skin in the opening, then the lapels.
            Shape opening{polygon(tor({{-0.3, -0.04}, {0.34, -0.04}, {0.16, 0.5}}))};
            pen.within(t, [&] {
                pen.solid(opening, skin, shade(W_ * 0.3, 1.4));
                pen.line(tor({{-0.22, 0.06}, {-0.02, 0.1}}), 1.3, shadow_of(skin), 0.8);
                pen.line(tor({{0.08, 0.1}, {0.28, 0.05}}), 1.3, shadow_of(skin), 0.8);
                pen.line(tor({{0.05, 0.22}, {0.1, 0.4}}), 1.3, shadow_of(skin), 0.6);
                Shape lapel_near{polygon(tor({{-0.3, -0.04}, {-0.45, -0.04}, {0.08, 0.66}, {0.16, 0.5}}))};
                Shape lapel_far{polygon(tor({{0.34, -0.04}, {0.48, -0.02}, {0.24, 0.46}, {0.16, 0.5}}))};
                pen.solid(lapel_far, blend(cloth, dark, 0.25), shade(W_ * 0.1, 1.4));
                pen.solid(lapel_near, blend(cloth, kInkWhite, 0.3), shade(W_ * 0.1, 1.4));
                // Folds of the jacket.
                for (auto [a, b] : {std::pair<Vec, Vec>{{-0.75, 0.3}, {-0.4, 0.6}}, {{0.7, 0.28}, {0.45, 0.62}},
                                    {{-0.55, 0.5}, {-0.2, 0.74}}})
                    pen.line({torso({a.x * W_, a.y * T_}), torso({b.x * W_, b.y * T_})}, 1.3, dark, 0.7);
            });
        }
        if (look_.has("harness")) {
            const Rgb strap = feature_colour("harness", 0, "strap");
            pen.within(t, [&] {
                const Vec a = torso({W_ * 0.62, T_ * 0.0}), b = torso({-Ww_ * 1.1, T_ * 0.82});
                const Vec d = unit(b - a), n = perp(d);
                const double w = T_ * 0.045;
                Shape s{polygon({a + n * w, b + n * w, b - n * w, a - n * w})};
                pen.solid(s, strap, shade(w * 2, 1.6));
                pen.line({a + n * (w * 0.6), b + n * (w * 0.6)}, 0.9, blend(strap, kInkWhite, 0.3), 0.8);
                // A buckle and a pouch on the strap.
                const Vec c = lerp(a, b, 0.32);
                pen.solid({polygon({c + d * (w * 1.3) + n * (w * 1.5), c - d * (w * 1.3) + n * (w * 1.5),
                                    c - d * (w * 1.3) - n * (w * 1.5), c + d * (w * 1.3) - n * (w * 1.5)})},
                          pal("steel", Rgb{200, 200, 210}), shade(w, 1.4));
                pen.flat({polygon({c + d * (w * 0.6) + n * (w * 0.8), c - d * (w * 0.6) + n * (w * 0.8),
                                   c - d * (w * 0.6) - n * (w * 0.8), c + d * (w * 0.6) - n * (w * 0.8)})},
                         strap, 1.0);
                const Vec p = lerp(a, b, 0.62);
                pen.solid({polygon({p + d * (w * 1.8) + n * (w * 1.2), p - d * (w * 1.8) + n * (w * 1.2),
                                    p - d * (w * 1.6) - n * (w * 2.6), p + d * (w * 1.6) - n * (w * 2.6)})},
                          scale(strap, 0.8), shade(w * 2, 1.4));
            });
            // Seams of the suit.
            pen.within(t, [&] {
                pen.line(tor({{0.1, 0.05}, {0.18, 0.4}, {0.1, 0.9}}), 1.2, dark, 0.9);
                pen.line(tor({{-0.6, 0.2}, {-0.62, 0.5}, {-0.5, 0.9}}), 1.2, dark, 0.9);
            });
        }
        if (!look_.has("vneck") && !look_.has("harness") && !panda_ && cloth == skin) {
            // A bare chest: collarbones, the chest and the belly.
            pen.within(t, [&] {
                const Rgb m = shadow_of(skin);
                pen.line(tor({{-0.55, 0.06}, {-0.25, 0.1}, {-0.06, 0.06}}), 1.4, m, 0.8);
                pen.line(tor({{0.1, 0.06}, {0.3, 0.09}, {0.52, 0.05}}), 1.4, m, 0.8);
                pen.line(tor({{-0.7, 0.34}, {-0.35, 0.42}, {0.05, 0.38}, {0.12, 0.2}}), 1.6, m, 0.85);
                pen.line(tor({{0.15, 0.36}, {0.42, 0.38}, {0.66, 0.3}}), 1.6, m, 0.85);
                pen.line(tor({{0.08, 0.45}, {0.1, 0.62}, {0.12, 0.76}}), 1.3, m, 0.6);
                pen.line(tor({{-0.2, 0.56}, {0.08, 0.56}}), 1.2, m, 0.5);
                pen.line(tor({{-0.18, 0.68}, {0.1, 0.67}}), 1.2, m, 0.5);
            });
        }
        if (look_.has("sash")) {
            const Rgb sash = feature_colour("sash", 0, "sash");
            pen.within(t, [&] {
                const Vec a = torso({-W_ * 0.8, T_ * 0.02}), b = torso({Ww_ * 1.1, T_ * 0.78});
                const Vec d = unit(b - a), n = perp(d);
                const double w = T_ * 0.07;
                Shape s{curve({a + n * w, lerp(a, b, 0.5) + n * (w * 1.1) + Vec{0, w * 0.3}, b + n * w, b - n * w,
                               lerp(a, b, 0.5) - n * (w * 0.9) + Vec{0, w * 0.3}, a - n * w})};
                pen.solid(s, sash, shade(w * 1.6, 1.6));
                for (double f : {0.25, 0.5, 0.75})
                    pen.line({lerp(a, b, f) + n * (w * 0.8), lerp(a, b, f + 0.08) - n * (w * 0.6)}, 1.1,
                             shadow_of(sash), 0.9);
            });
        }
        if (look_.has("necklace")) {
            const Rgb gold = feature_colour("necklace", 0, "gold");
            std::vector<Vec> beads;
            for (int i = 0; i <= 12; ++i) {
                const double a = M_PI * (0.08 + 0.84 * i / 12.0);
                beads.push_back(torso({W_ * 0.04 + std::cos(a) * W_ * 0.52, T_ * 0.0 + std::sin(a) * T_ * 0.2}));
            }
            for (const Vec& p : beads) pen.solid({circle(p, T_ * 0.022)}, gold, shade(T_ * 0.03, 1.1));
            const Vec pend = torso({W_ * 0.04, T_ * 0.27});
            pen.solid({polygon({pend + Vec{-T_ * 0.04, -T_ * 0.03}, pend + Vec{T_ * 0.04, -T_ * 0.03},
                                pend + Vec{0, T_ * 0.06}})},
                      gold, shade(T_ * 0.05, 1.3));
            pen.solid({circle(pend + Vec{0, -T_ * 0.005}, T_ * 0.018)}, pal("jewel", energy_), shade(T_ * 0.02, 0.8));
        }
        if (look_.has("loincloth")) {
            const Rgb cloth2 = feature_colour("loincloth", 0, "dhoti");
            pen.within(t, [&] {
                Shape d{curve(tor({{-1.5, 0.86}, {0.0, 0.9}, {1.5, 0.86}, {1.5, 1.4}, {-1.5, 1.4}}))};
                pen.solid(d, cloth2, shade(W_ * 0.4, 1.8));
                const Rgb gold = pal("gold", cloth2);
                pen.line(tor({{-1.4, 0.875}, {0.0, 0.915}, {1.4, 0.875}}), 2.2, gold);
                for (double x : {-0.6, -0.2, 0.3})
                    pen.line(tor({{x, 0.93}, {x + 0.05, 1.2}}), 1.3, shadow_of(cloth2), 0.9);
            });
        }
        if (look_.has("baggy") && !look_.has("loincloth")) {
            // The top of the trousers under the belt.
            const Rgb tr = src_.part_colour("thigh");
            pen.within(t, [&] {
                Shape d{polygon(tor({{-1.5, 0.87}, {1.5, 0.85}, {1.5, 1.4}, {-1.5, 1.4}}))};
                pen.solid(d, tr, shade(W_ * 0.3, 1.8));
            });
        }
        if (look_.has("belt") || look_.has("waistband")) {
            const std::string key = look_.has("belt") ? "belt" : "waistband";
            const Rgb belt = feature_colour(key, 0, "belt");
            const double w = T_ * (look_.has("belt") ? 0.055 : 0.065);
            pen.within(t, [&] {
                Shape band{curve(tor({{-1.4, 0.8 - w / T_}, {0.0, 0.84 - w / T_}, {1.4, 0.8 - w / T_},
                                      {1.4, 0.8 + w / T_}, {0.0, 0.84 + w / T_}, {-1.4, 0.8 + w / T_}}))};
                pen.solid(band, belt, shade(w * 1.5, 1.8));
                pen.line(tor({{-1.2, 0.8 - w / T_ * 0.3}, {0.0, 0.84 - w / T_ * 0.3}, {1.2, 0.8 - w / T_ * 0.3}}),
                         1.0, blend(belt, kInkWhite, 0.25), 0.7);
                if (look_.has("belt")) {
                    // The knot and its two ends.
                    const Vec k = torso({W_ * 0.2, T_ * 0.84});
                    pen.solid({strip({k, k + Vec{-w * 0.8, w * 2.2}, k + Vec{-w * 1.4, w * 4.5}}, w * 0.7, w * 0.6)}, belt,
                              shade(w, 1.6));
                    pen.solid({strip({k, k + Vec{w * 0.9, w * 2.0}, k + Vec{w * 1.2, w * 4.6}}, w * 0.7, w * 0.6)}, belt,
                              shade(w, 1.6));
                    pen.solid({ellipse(k, w * 1.1, w * 0.95)}, belt, shade(w, 1.6));
                }
            });
        }
    }

    // ------------------------------------------------------------ the head

    Shape head_outline() const {
        if (panda_)
            return {curve(at({{0.0, -1.0}, {0.72, -0.74}, {1.02, -0.15}, {0.98, 0.38}, {0.62, 0.86}, {0.0, 0.98},
                              {-0.66, 0.84}, {-1.02, 0.3}, {-0.98, -0.36}, {-0.62, -0.84}}))};
        if (look_.arg("face", 0) == "soft")
            return {curve(at({{0.05, -1.02}, {0.62, -0.84}, {0.9, -0.38}, {0.92, 0.08}, {0.86, 0.4}, {0.7, 0.68},
                              {0.46, 0.9}, {0.26, 0.93}, {-0.05, 0.8}, {-0.4, 0.58}, {-0.6, 0.3}, {-0.93, 0.0},
                              {-0.86, -0.6}, {-0.5, -0.92}}))};
        return {curve(at({{0.05, -1.02}, {0.64, -0.84}, {0.92, -0.38}, {0.94, 0.1}, {0.9, 0.42}, {0.78, 0.74},
                          {0.52, 0.98}, {0.22, 1.0}, {-0.1, 0.86}, {-0.42, 0.62}, {-0.6, 0.3}, {-0.95, 0.0},
                          {-0.88, -0.6}, {-0.5, -0.92}}))};
    }

    void head() {
        if (look_.has("ears")) {  // round animal ears, behind the head
            Pen& pen = *pen_;
            const Rgb ear = feature_colour("ears", 0, "fur");
            pen.solid({circle(at(-0.6, -0.8), r_ * 0.34)}, ear, shade(r_ * 0.3));
            pen.solid({circle(at(0.48, -0.92), r_ * 0.3)}, ear, shade(r_ * 0.3));
            pen.flat({circle(at(-0.58, -0.8), r_ * 0.17)}, blend(ear, kInkWhite, 0.12), 0);
        }
        if (look_.has("hood")) return hood();
        if (panda_) return panda_head();
        human_head();
    }

    void human_head() {
        Pen& pen = *pen_;
        const Rgb skin = src_.part_colour("head");
        const Rgb hair = feature_colour("hair", 0, "hair");
        const bool soft = look_.arg("face", 0) == "soft";
        const bool crowned = look_.has("crown");
        if (look_.has("topknot")) {
            const Rgb h = feature_colour("topknot", 0, "hair");
            pen.solid({circle(at(-0.2, -1.28), r_ * 0.36)}, h, shade(r_ * 0.5));
            pen.line(at({{-0.45, -1.3}, {-0.25, -1.5}, {0.0, -1.35}}), 1.3, blend(h, kInkWhite, 0.3));
        }
        const Shape face = head_outline();
        pen.solid(face, skin, shade(r_ * 0.9));
        if (look_.has("hair")) {
            // The hair over the top and back of the head.
            Shape mass{curve(at({{0.86, -0.36}, {0.84, -0.74}, {0.2, -1.12}, {-0.6, -1.0}, {-1.06, -0.45}, {-1.0, 0.25},
                                 {-0.74, 0.52}, {-0.58, 0.2}, {-0.46, -0.16}, {-0.2, -0.4}, {0.25, -0.5}, {0.6, -0.46}}))};
            pen.solid(mass, hair, shade(r_ * 0.5));
            // A sheen on dark hair, following the skull.
            pen.within(mass, [&] {
                pen.tapered_line(at({{-0.7, -0.68}, {-0.2, -0.92}, {0.4, -0.86}}), r_ * 0.12, r_ * 0.03,
                                 blend(hair, kInkWhite, 0.35), 0.9);
                pen.line(at({{-0.9, -0.2}, {-0.8, -0.6}, {-0.4, -0.85}}), 1.2, blend(hair, kInkWhite, 0.25));
            });
        }
        // The ear, on the near side.
        const Shape ear{ellipse(at(-0.44, 0.08), r_ * 0.15, r_ * 0.23, tilt_ - 0.15)};
        pen.solid(ear, skin, shade(r_ * 0.2, 1.6));
        pen.line(at({{-0.4, -0.04}, {-0.5, 0.06}, {-0.42, 0.2}}), 1.2, shadow_of(skin));
        if (look_.has("earring")) {
            const Rgb gold = feature_colour("earring", 0, "gold");
            cairo_t* cr = pen.cr();
            const Vec c = at(-0.44, 0.45);
            cairo_new_path(cr);
            cairo_arc(cr, c.x, c.y, r_ * 0.16, 0, 2 * M_PI);
            set_colour(cr, ink_);
            cairo_set_line_width(cr, r_ * 0.09 + 2.4);
            cairo_stroke(cr);
            cairo_arc(cr, c.x, c.y, r_ * 0.16, 0, 2 * M_PI);
            set_colour(cr, gold);
            cairo_set_line_width(cr, r_ * 0.09);
            cairo_stroke(cr);
            cairo_arc(cr, c.x, c.y, r_ * 0.16, -2.4, -1.0);
            set_colour(cr, blend(gold, kInkWhite, 0.55));
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
        // A faint warmth on the cheek.
        pen.within(face, [&] {
            cairo_t* cr = pen.cr();
            const Vec c = at(0.5, 0.3);
            cairo_pattern_t* g = cairo_pattern_create_radial(c.x, c.y, 0, c.x, c.y, r_ * 0.3);
            const Rgb warm = blend(skin, Rgb{214, 96, 82}, 0.5);
            add_stop(g, 0, warm, soft ? 0.35 : 0.15);
            add_stop(g, 1, warm, 0);
            cairo_set_source(cr, g);
            cairo_paint(cr);
            cairo_pattern_destroy(g);
        });

        // The face, turned three-quarters towards the right.
        const Rgb iris = pal("iris", Rgb{92, 58, 40});
        const double lid = crowned ? 0.45 : 0.0;  // a calm, half-closed gaze
        eye({0.28, 0.04}, 0.2, soft ? 0.13 : 0.11, false, iris, lid);
        eye({0.75, 0.02}, 0.11, soft ? 0.12 : 0.1, true, iris, lid);
        const Rgb brow = blend(hair, skin, 0.1);
        if (crowned) {
            pen.tapered_line(at({{0.06, -0.17}, {0.28, -0.24}, {0.5, -0.18}}), r_ * 0.07, r_ * 0.04, brow);
            pen.tapered_line(at({{0.66, -0.18}, {0.78, -0.23}, {0.88, -0.2}}), r_ * 0.05, r_ * 0.03, brow);
        } else {
            // Frowning: the inner ends low, towards the nose.
            pen.tapered_line(at({{0.04, -0.2}, {0.28, -0.24}, {0.52, -0.13}}), r_ * (soft ? 0.06 : 0.09), r_ * 0.05, brow);
            pen.tapered_line(at({{0.66, -0.14}, {0.78, -0.2}, {0.9, -0.24}}), r_ * 0.06, r_ * 0.03, brow);
        }
        // The nose: shadowed on the side away from the light, a nostril.
        const Rgb dark = shadow_of(skin);
        pen.within(face, [&] {
            pen.flat({curve(at({{0.57, -0.02}, {0.66, 0.2}, {0.7, 0.34}, {0.6, 0.36}, {0.56, 0.2}}))}, dark, 0, 0.55);
        });
        pen.line(at({{0.68, 0.14}, {0.76, 0.26}, {0.82, 0.31}}), 1.3, dark);
        pen.line(at({{0.64, 0.37}, {0.72, 0.39}, {0.8, 0.34}}), 1.4, scale(skin, 0.5));
        // The mouth.
        const Rgb lips = soft ? blend(skin, Rgb{170, 60, 62}, 0.45) : scale(skin, 0.45);
        if (crowned)
            pen.line(at({{0.5, 0.56}, {0.62, 0.6}, {0.76, 0.56}}), 1.6, scale(skin, 0.45));
        else
            pen.tapered_line(at({{0.5, 0.6}, {0.62, 0.58}, {0.76, 0.57}}), r_ * 0.07, r_ * 0.035, lips);
        pen.line(at({{0.56, 0.7}, {0.66, 0.71}}), 1.1, dark, 0.7);

        if (look_.has("headband")) headband();
        if (look_.has("hair") && !crowned) fringe(hair);
        if (crowned) crown();
        if (look_.has("thirdeye")) {
            const Rgb j = feature_colour("thirdeye", 0, "jewel");
            pen.solid({ellipse(at(0.54, -0.36), r_ * 0.05, r_ * 0.1, tilt_)}, j, shade(r_ * 0.06, 1.1));
            pen.flat({circle(at(0.53, -0.39), r_ * 0.022)}, kInkWhite, 0);
        }
        if (look_.has("beard")) {
            const Rgb bd = feature_colour("beard", 0, "hair");
            pen.solid({curve(at({{0.84, 0.5}, {0.74, 1.2}, {0.38, 1.05}, {0.16, 0.62}}))}, bd, shade(r_ * 0.4));
        }
    }

    // An eye: the white, the iris looking towards the right, the lids.
    void eye(Vec c, double w, double h, bool far, Rgb iris, double lid) {
        Pen& pen = *pen_;
        cairo_t* cr = pen.cr();
        const double s = far ? -1 : 1;  // the near eye's inner corner is on the right, the far eye's on the left
        auto E = [&](double x, double y) { return at(c.x + x * w * s, c.y + y * h); };
        Shape white{curve({E(-1.0, 0.1), E(-0.35, -0.95), E(0.45, -0.85), E(1.0, 0.05), E(0.3, 0.7), E(-0.5, 0.65)})};
        pen.flat(white, Rgb{248, 244, 238}, 0);
        pen.within(white, [&] {
            const Vec ic = at(c.x + w * 0.25, c.y + h * 0.05);
            pen.flat({circle(ic, h * r_ * 1.0)}, iris, 0);
            pen.flat({circle(ic + Vec{0, h * r_ * 0.25}, h * r_ * 0.65)}, blend(iris, kInkWhite, 0.25), 0, 0.5);
            pen.flat({circle(ic, h * r_ * 0.48)}, Rgb{16, 12, 14}, 0);
            pen.flat({circle(ic + Vec{h * r_ * 0.35, -h * r_ * 0.4}, h * r_ * 0.26)}, kInkWhite, 0);
            // The upper lid's shadow on the eye, and the lid itself when half closed.
            set_colour(cr, shadow_of(src_.part_colour("head")), 0.9);
            cairo_new_path(cr);
            curve({E(-1.2, -1.2), E(1.2, -1.2), E(1.2, -0.6 + lid * 1.2), E(-1.2, -0.6 + lid * 1.1)})(cr);
            cairo_fill(cr);
        });
        // The upper lid and lashes, heavier at the outer corner; the lower lid.
        pen.tapered_line({E(1.0, 0.05), E(0.45, -0.85 + lid), E(-0.35, -0.95 + lid), E(-1.15, -0.1)}, r_ * 0.035,
                         r_ * 0.075, Rgb{24, 16, 20});
        pen.line({E(-0.9, 0.25), E(-0.3, 0.7), E(0.4, 0.66)}, 1.0, scale(src_.part_colour("head"), 0.55), 0.8);
    }

    void headband() {
        Pen& pen = *pen_;
        const Rgb band = feature_colour("headband", 0, "band");
        Shape b{curve(at({{-1.06, -0.62}, {-0.5, -0.8}, {0.2, -0.8}, {0.9, -0.62}, {0.93, -0.42}, {0.2, -0.56},
                          {-0.5, -0.55}, {-1.08, -0.36}}))};
        pen.solid(b, band, shade(r_ * 0.25, 1.8));
        pen.line(at({{-0.9, -0.6}, {-0.3, -0.74}, {0.4, -0.72}, {0.85, -0.6}}), 1.1, blend(band, kInkWhite, 0.4), 0.8);
        // The knot at the back.
        pen.solid({ellipse(at(-1.02, -0.5), r_ * 0.16, r_ * 0.12, tilt_ + 0.6)}, scale(band, 0.9), shade(r_ * 0.15, 1.6));
    }

    void fringe(Rgb hair) {
        Pen& pen = *pen_;
        // Locks swept from under the band towards the face, and one in front of the ear.
        const double locks[][5] = {{-0.22, -0.5, 0.02, -0.22, 0.12}, {0.02, -0.56, 0.46, -0.16, 0.2},
                                   {0.4, -0.56, 0.82, -0.24, 0.15}};
        Shape s;
        for (const auto& l : locks) {
            const Vec root = at(l[0], l[1]), tip = at(l[2], l[3]);
            const Vec n = perp(unit(tip - root));
            const double w = l[4] * r_;
            s.push_back(curve({root - n * w, lerp(root, tip, 0.45) - n * (w * 1.1) + Vec{0, -w * 0.2}, tip,
                               lerp(root, tip, 0.6) + n * (w * 0.15), root + n * (w * 0.9)}));
        }
        const Vec sr = at(-0.3, -0.45), st = at(-0.16, 0.5);
        s.push_back(curve({sr + Vec{r_ * 0.12, 0}, lerp(sr, st, 0.5) + Vec{r_ * 0.12, 0}, st,
                           lerp(sr, st, 0.5) - Vec{r_ * 0.06, 0}, sr - Vec{r_ * 0.1, 0}}));
        pen.solid(s, hair, shade(r_ * 0.2, 1.6));
        pen.within(s, [&] {
            for (const auto& l : locks)
                pen.line({at(l[0] + 0.04, l[1] + 0.04), at((l[0] + l[2]) / 2 + 0.02, (l[1] + l[3]) / 2 - 0.02)}, 1.1,
                         blend(hair, kInkWhite, 0.3));
        });
    }

    void crown() {
        Pen& pen = *pen_;
        const Rgb gold = feature_colour("crown", 0, "gold");
        const Rgb jewel = feature_colour("crown", 1, "jewel");
        // Hair under the crown.
        const Rgb hair = feature_colour("hair", 0, "hair");
        pen.solid({curve(at({{0.84, -0.42}, {0.5, -0.78}, {-0.4, -0.86}, {-0.98, -0.4}, {-0.96, 0.1}, {-0.72, 0.4},
                             {-0.56, 0.1}, {-0.45, -0.2}, {0.0, -0.45}, {0.5, -0.5}}))},
                  hair, shade(r_ * 0.4));
        Shape c{polygon(at({{-0.98, -0.46}, {-1.0, -0.8}, {-0.7, -0.78}, {-0.45, -1.18}, {-0.2, -0.86}, {0.28, -1.5},
                            {0.68, -0.9}, {0.86, -1.08}, {0.96, -0.66}, {0.94, -0.5}, {0.3, -0.6}, {-0.4, -0.58}}))};
        pen.solid(c, gold, shade(r_ * 0.4, 2.0));
        pen.within(c, [&] {
            pen.line(at({{-0.98, -0.56}, {-0.4, -0.68}, {0.3, -0.7}, {0.95, -0.6}}), 1.3, scale(gold, 0.6));
            for (int i = 0; i < 7; ++i)
                pen.flat({circle(at(-0.85 + i * 0.27, -0.64 + (i > 3 ? 0.0 : 0.0)), r_ * 0.035)},
                         blend(gold, kInkWhite, 0.5), 0);
            pen.line(at({{-0.45, -1.05}, {-0.35, -0.82}}), 1.2, blend(gold, kInkWhite, 0.5));
            pen.line(at({{0.28, -1.35}, {0.3, -0.95}}), 1.2, blend(gold, kInkWhite, 0.5));
        });
        pen.solid({ellipse(at(0.28, -0.82), r_ * 0.1, r_ * 0.13, tilt_)}, jewel, shade(r_ * 0.1, 1.3));
        pen.flat({circle(at(0.25, -0.87), r_ * 0.035)}, kInkWhite, 0);
    }

    void hood() {
        Pen& pen = *pen_;
        const Rgb hood = feature_colour("hood", 0, "hood");
        const Rgb mask = feature_colour("hood", 1, "mask");
        const Rgb eyes = feature_colour("hood", 2, "eyes");
        Shape cowl{curve(at({{0.98, -0.28}, {0.84, -0.84}, {0.3, -1.2}, {-0.45, -1.2}, {-1.05, -0.98}, {-1.5, -0.8},
                             {-1.16, -0.38}, {-1.08, 0.35}, {-1.3, 1.0}, {-0.6, 1.3}, {0.3, 1.22}, {0.86, 1.02},
                             {1.04, 0.55}, {1.06, 0.1}}))};
        pen.solid(cowl, hood, shade(r_ * 0.9));
        pen.within(cowl, [&] {
            pen.line(at({{0.3, -1.18}, {-0.3, -0.9}, {-1.0, -0.6}, {-1.4, -0.78}}), 1.4, shadow_of(hood));
            pen.line(at({{-1.0, 0.1}, {-0.85, 0.7}, {-0.6, 1.2}}), 1.3, shadow_of(hood), 0.8);
        });
        // The opening and the shadowed face inside it.
        const std::vector<Vec> rim = at({{0.94, -0.32}, {0.62, -0.66}, {0.18, -0.62}, {-0.08, -0.2}, {-0.02, 0.45},
                                         {0.3, 0.86}, {0.8, 0.84}, {1.03, 0.36}});
        Shape opening{curve(rim)};
        pen.outline({curve(rim)}, r_ * 0.09);
        pen.within(opening, [&] {
            cairo_t* cr = pen.cr();
            const Vec top = at(0.5, -0.6), bottom = at(0.5, 0.8);
            cairo_pattern_t* g = cairo_pattern_create_linear(top.x, top.y, bottom.x, bottom.y);
            add_stop(g, 0, scale(mask, 0.6));
            add_stop(g, 1, blend(mask, hood, 0.35));
            cairo_set_source(cr, g);
            cairo_paint(cr);
            cairo_pattern_destroy(g);
            // A cloth mask over the mouth and nose.
            const Rgb cloth = blend(mask, hood, 0.55);
            Shape m{curve(at({{-0.05, 0.16}, {0.5, 0.1}, {1.05, 0.14}, {1.0, 0.5}, {0.75, 0.9}, {0.25, 0.92}, {-0.05, 0.55}}))};
            pen.solid(m, cloth, shade(r_ * 0.3, 1.4));
            pen.line(at({{0.2, 0.3}, {0.5, 0.36}, {0.9, 0.3}}), 1.1, shadow_of(cloth));
            pen.line(at({{0.25, 0.55}, {0.55, 0.6}, {0.85, 0.52}}), 1.1, shadow_of(cloth));
            // Eyes glowing in the dark.
            for (auto [x, y, w, h] : {std::array<double, 4>{0.3, -0.12, 0.2, 0.08}, {0.77, -0.14, 0.12, 0.07}}) {
                const Vec c = at(x, y);
                cairo_pattern_t* halo = cairo_pattern_create_radial(c.x, c.y, 0, c.x, c.y, r_ * 0.42);
                add_stop(halo, 0, eyes, 0.75);
                add_stop(halo, 1, eyes, 0);
                cairo_set_source(cr, halo);
                cairo_paint(cr);
                cairo_pattern_destroy(halo);
                const bool near = x < 0.5;
                const double s = near ? 1 : -1;
                Shape e{curve({at(x - w * s, y - h * 0.2), at(x - w * 0.2 * s, y - h * 1.1), at(x + w * s, y + h * 0.3),
                               at(x, y + h * 0.9)})};
                pen.flat(e, eyes, 0);
                pen.flat({ellipse(c + Vec{0, -h * r_ * 0.1}, w * r_ * 0.45, h * r_ * 0.45, tilt_)},
                         blend(eyes, kInkWhite, 0.75), 0);
            }
        });
        // The hood's edge folded back round the opening.
        pen.line(rim, r_ * 0.07, blend(hood, kInkWhite, 0.18));
        pen.line({rim[6], rim[7], rim[0], rim[1], rim[2]}, 1.0, blend(hood, kInkWhite, 0.4), 0.8);
    }

    void scarf_wrap() {
        Pen& pen = *pen_;
        const Rgb scarf = feature_colour("scarf", 0, "scarf");
        // A thick roll of cloth round the neck, over the foot of the hood.
        Shape roll{curve({torso({-W_ * 0.62, -T_ * 0.02}), head_ + Vec{-r_ * 0.6, r_ * 0.95}, head_ + Vec{r_ * 0.5, r_ * 1.05},
                          torso({W_ * 0.62, -T_ * 0.0}), torso({W_ * 0.45, T_ * 0.12}), torso({0, T_ * 0.15}),
                          torso({-W_ * 0.5, T_ * 0.12})})};
        pen.solid(roll, scarf, shade(r_ * 0.5));
        pen.within(roll, [&] {
            pen.line({torso({-W_ * 0.5, T_ * 0.02}), torso({0, T_ * 0.07}), torso({W_ * 0.5, T_ * 0.02})}, 1.4,
                     shadow_of(scarf));
            pen.line({head_ + Vec{-r_ * 0.4, r_ * 1.15}, head_ + Vec{r_ * 0.3, r_ * 1.22}, head_ + Vec{r_ * 0.7, r_ * 1.15}},
                     1.2, shadow_of(scarf));
        });
        // The loose end hanging in front.
        const Vec root = torso({-W_ * 0.25, T_ * 0.1});
        pen.solid({strip({root, root + Vec{-r_ * 0.05, r_ * 0.5}, root + Vec{r_ * 0.1, r_ * 1.0}, root + Vec{0.0, r_ * 1.4}},
                         r_ * 0.2, r_ * 0.16)},
                  scale(scarf, 0.9), shade(r_ * 0.3));
    }

    void panda_head() {
        Pen& pen = *pen_;
        const Rgb fur = pal("fur");
        const Rgb white = src_.part_colour("head");
        const Rgb muzzle = pal("belly", "skin");
        const Shape face = head_outline();
        pen.solid(face, white, shade(r_ * 0.8));
        pen.within(face, [&] {
            // Tufts of fur along the cheek.
            for (int i = 0; i < 5; ++i) {
                const double a = 2.3 + i * 0.22;
                const Vec p = at(std::cos(a) * 0.98, std::sin(a) * 0.95);
                pen.line({p, p + rotate(Vec{r_ * 0.12, -r_ * 0.06}, a)}, 1.2, shadow_of(white), 0.8);
            }
            // The dark patches round the eyes, drooping outward.
            pen.solid({ellipse(at(0.2, 0.06), r_ * 0.28, r_ * 0.19, tilt_ - 0.75)}, fur, shade(r_ * 0.15, 1.2));
            pen.solid({ellipse(at(0.72, 0.02), r_ * 0.17, r_ * 0.16, tilt_ + 0.6)}, fur, shade(r_ * 0.1, 1.2));
        });
        // The eyes: small, bright and fierce.
        for (auto [x, y, k] : {std::array<double, 3>{0.26, -0.02, 1.0}, {0.74, -0.04, 0.75}}) {
            Shape e{ellipse(at(x, y), r_ * 0.1 * k, r_ * 0.085, tilt_)};
            pen.flat(e, Rgb{248, 244, 238}, 0);
            pen.flat({circle(at(x + 0.03, y), r_ * 0.065 * k)}, Rgb{58, 40, 30}, 0);
            pen.flat({circle(at(x + 0.03, y), r_ * 0.035 * k)}, Rgb{12, 10, 12}, 0);
            pen.flat({circle(at(x + 0.06, y - 0.03), r_ * 0.022)}, kInkWhite, 0);
            pen.line({at(x - 0.1 * k, y - 0.1), at(x + 0.1 * k, y - 0.05)}, 2.2, Rgb{12, 10, 12});
        }
        // The muzzle, the nose and a grin.
        Shape m{ellipse(at(0.64, 0.44), r_ * 0.38, r_ * 0.27, tilt_ - 0.1)};
        pen.solid(m, muzzle, shade(r_ * 0.3, 1.6));
        pen.solid({curve(at({{0.66, 0.24}, {0.96, 0.2}, {0.88, 0.38}, {0.78, 0.4}}))}, fur, shade(r_ * 0.1, 1.2));
        pen.flat({circle(at(0.8, 0.25), r_ * 0.03)}, Rgb{140, 136, 150}, 0);
        pen.line(at({{0.82, 0.4}, {0.8, 0.5}}), 1.6, fur);
        pen.line(at({{0.6, 0.52}, {0.7, 0.58}, {0.8, 0.5}, {0.9, 0.57}, {0.97, 0.52}}), 1.6, fur);
    }

    // ------------------------------------------------------------ light

    // The shadow an arm in front casts on the chest.
    void cast_shadow(const Arm& a) {
        Pen& pen = *pen_;
        Shape arm{taper(a.shoulder, a.r0, a.elbow, a.r1), taper(a.elbow, a.f0, a.wrist, a.f1), circle(a.hand, a.fist)};
        pen.within(torso_shape(), [&] {
            cairo_t* cr = pen.cr();
            cairo_save(cr);
            const Vec off = pen.to_light() * (-r_ * 0.22);
            cairo_translate(cr, off.x, off.y);
            cairo_push_group(cr);
            cairo_set_source_rgb(cr, 0.08, 0.06, 0.16);
            pen.fill_parts(arm);
            cairo_pop_group_to_source(cr);
            cairo_paint_with_alpha(cr, 0.28);
            cairo_restore(cr);
        });
    }

    void lighting() {
        cairo_t* cr = pen_->cr();
        // Only where the fighter is drawn.
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        // The lower torso falls into shadow towards the cut.
        const Vec a = torso({0, T_ * 0.5}), b = torso({0, waist_});
        cairo_pattern_t* g = cairo_pattern_create_linear(a.x, a.y, b.x, b.y);
        add_stop(g, 0, ink_, 0);
        add_stop(g, 1, ink_, 0.6);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        // The energy held in a hand lights what is near it.
        const std::string glow = look_.arg("glow", 0);
        if (!glow.empty()) {
            const Vec c = glow_point(glow);
            cairo_pattern_t* l = cairo_pattern_create_radial(c.x, c.y, 0, c.x, c.y, r_ * 2.0);
            add_stop(l, 0, energy2_, 0.45);
            add_stop(l, 0.3, energy_, 0.22);
            add_stop(l, 1, energy_, 0);
            cairo_set_source(cr, l);
            cairo_paint(cr);
            cairo_pattern_destroy(l);
        }
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }

    // The fighter's energy behind it catches the edge of the whole figure
    // on the side away from the front light.
    void back_light(cairo_pattern_t* figure) {
        cairo_t* cr = pen_->cr();
        const Vec shift = pen_->to_light() * (r_ * 0.085) + Vec{r_ * 0.03, 0};
        cairo_push_group(cr);
        set_colour(cr, rim_);
        cairo_mask(cr, figure);
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        cairo_translate(cr, shift.x, shift.y);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_mask(cr, figure);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.9);
    }

    void energy_ball(Vec c, double r) {
        cairo_t* cr = pen_->cr();
        for (int i = 0; i < 10; ++i) {
            const double a = i * M_PI / 5 + 0.3;
            const double l = r * (i % 2 ? 1.45 : 1.9);
            const Vec d{std::cos(a), std::sin(a)};
            const Vec n = perp(d);
            cairo_new_path(cr);
            polygon({c + d * (r * 0.5) + n * (r * 0.16), c + d * l, c + d * (r * 0.5) - n * (r * 0.16)})(cr);
            set_colour(cr, blend(energy_, kInkWhite, 0.5), 0.9);
            cairo_fill(cr);
        }
        cairo_pattern_t* g = cairo_pattern_create_radial(c.x, c.y, 0, c.x, c.y, r * 1.3);
        add_stop(g, 0, kInkWhite);
        add_stop(g, 0.3, energy2_);
        add_stop(g, 0.62, energy_, 0.95);
        add_stop(g, 1, energy_, 0);
        cairo_set_source(cr, g);
        cairo_new_path(cr);
        cairo_arc(cr, c.x, c.y, r * 1.3, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
};

}  // namespace

BustMarks bust_marks(const FighterSource& src) { return Bust(src).marks(); }

void draw_bust(cairo_t* cr, const FighterSource& src) { Bust(src).draw(cr); }
