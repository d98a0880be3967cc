#include "render.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "colour.h"
#include "geometry.h"

namespace {

// ---------------------------------------------------------------- colours

// Scaled by k and rounded down, where scale() rounds to the nearest.
Rgb dim(Rgb c, double k) {
    auto f = [k](std::uint8_t v) { return static_cast<std::uint8_t>(std::clamp(v * k, 0.0, 255.0)); };
    return {f(c.r), f(c.g), f(c.b)};
}

double rad(double degrees) { return degrees * M_PI / 180.0; }

// ---------------------------------------------------------------- shapes

struct Shape {
    enum Kind { Taper, Ellipse, Poly, Curve } kind = Taper;
    Vec a, b;              // taper ends; ellipse centre in a
    double ra = 0, rb = 0;  // taper radii; ellipse radii (along `angle`, across)
    double angle = 0;       // ellipse axis, radians
    std::vector<Vec> pts;   // polygon, or the points a closed smooth curve runs through
    Rgb fill;
    Rgb line{26, 20, 24};
    double line_w = 2.0;
    bool shade = true;   // lit from the front and above
    bool stroke = true;
    bool body = true;    // part of the fighter (stands on the ground, gets the aura)
    int group = 0;       // consecutive shapes of one group share a single outline
};

void add_path(cairo_t* cr, const Shape& s) {
    switch (s.kind) {
    case Shape::Taper:
        taper_path(cr, s.a, s.ra, s.b, s.rb);
        break;
    case Shape::Ellipse:
        ellipse_path(cr, s.a, s.ra, s.rb, s.angle);
        break;
    case Shape::Poly:
        polygon_path(cr, s.pts);
        break;
    case Shape::Curve:
        closed_curve(cr, s.pts);
        break;
    }
}

Shape taper(Vec a, double ra, Vec b, double rb, Rgb fill) {
    Shape s;
    s.kind = Shape::Taper;
    s.a = a;
    s.b = b;
    s.ra = ra;
    s.rb = rb;
    s.fill = fill;
    return s;
}

Shape ellipse(Vec c, double ra, double rb, double angle_rad, Rgb fill) {
    Shape s;
    s.kind = Shape::Ellipse;
    s.a = c;
    s.ra = ra;
    s.rb = rb;
    s.angle = angle_rad;
    s.fill = fill;
    return s;
}

Shape circle(Vec c, double r, Rgb fill) { return ellipse(c, r, r, 0, fill); }

Shape poly(std::vector<Vec> pts, Rgb fill, bool smooth = false) {
    Shape s;
    s.kind = smooth ? Shape::Curve : Shape::Poly;
    s.pts = std::move(pts);
    s.fill = fill;
    return s;
}

// A strip of cloth or hair along a line, tapering from w0 to w1 (half-widths).
Shape ribbon(const std::vector<Vec>& line, double w0, double w1, Rgb fill) {
    return poly(strip_outline(line, w0, w1), fill, true);
}

std::vector<Vec> star_points(Vec c, double r, double turn, int tips = 5, double inner = 0.45) {
    std::vector<Vec> pts;
    for (int i = 0; i < tips * 2; ++i) {
        const double a = turn + i * M_PI / tips;
        const double rr = (i % 2 == 0) ? r : r * inner;
        pts.push_back({c.x + std::sin(a) * rr, c.y - std::cos(a) * rr});
    }
    return pts;
}

// ---------------------------------------------------------------- the body

class BodyPainter {
public:
    BodyPainter(const FighterSource& src, const Body& body, const Pose& pose, int phase)
        : src_(src), b_(src.bones), body_(body), pose_(pose), phase_(phase) {
        outline_ = src.palette.count("outline") ? src.colour("outline") : Rgb{26, 20, 24};
    }

    std::vector<Shape> shapes;

    void build() {
        back_tails();
        if (body_.four_arms) arm(false, true);
        arm(false, false);
        leg(false);
        torso();
        leg(true);
        head();
        if (body_.four_arms) arm(true, true);
        arm(true, false);
    }

private:
    const FighterSource& src_;
    const Bones& b_;
    const Body& body_;
    const Pose& pose_;
    int phase_;
    Rgb outline_;

    Rgb col(const std::string& part, bool near = true) const {
        const Rgb c = src_.part_colour(part);
        return near ? c : dim(c, 0.74);
    }
    Rgb pal(const std::string& entry, const std::string& fallback = "skin") const {
        return src_.palette.count(entry) ? src_.colour(entry) : src_.colour(fallback);
    }
    void add(Shape s, double line_w = 2.0) {
        s.line = outline_;
        s.line_w = line_w;
        shapes.push_back(std::move(s));
    }
    void flat(Shape s, double line_w = 1.4) {
        s.shade = false;
        add(std::move(s), line_w);
    }
    const Look& look() const { return src_.look; }

    // Head-local coordinates: x toward the face, y down the head's axis.
    Vec at_head(double lx, double ly) const {
        const Vec up = dir(body_.head_angle);
        const Vec fwd = dir(body_.head_angle - 90);
        return body_.head + fwd * (lx * b_.head) + up * (-ly * b_.head);
    }
    double head_rad() const { return rad(90 - body_.head_angle + 180); }  // x axis of the head, cairo angle

    double tail_angle(double base) const { return base - pose_[J_WIND]; }

    void back_tails() {
        const double r = b_.head;
        if (look().has("ponytail")) {
            const Rgb hair = pal(look().arg("ponytail", 0, "hair"));
            const Vec root = at_head(-0.75, -0.55);
            add(ribbon(flowing(root, tail_angle(-95), r * 0.85, 4, 10, 5, phase_), r * 0.32, r * 0.12, hair));
            add(circle(root, r * 0.3, pal(look().arg("headband", 0, "hair"))), 1.5);
        }
        if (look().has("headband")) {
            const Rgb band = pal(look().arg("headband", 0, "band"));
            const Vec knot = at_head(-0.92, -0.28);
            add(ribbon(flowing(knot, tail_angle(-75), r * 0.75, 3, 12, 8, phase_ + 1), r * 0.18, r * 0.14, band),
                1.5);
            add(ribbon(flowing(knot, tail_angle(-100), r * 0.7, 3, 16, 8, phase_ + 2), r * 0.16, r * 0.12,
                       dim(band, 0.8)),
                1.5);
        }
        if (look().has("scarf")) {
            const Rgb scarf = pal(look().arg("scarf", 0, "scarf"));
            const double len = look().num("scarf", 1, 5);
            const Vec root = body_.neck + dir(body_.torso_angle + 180) * 2;
            add(ribbon(flowing(root, tail_angle(-100), 10, static_cast<int>(len), 7, 9, phase_), 4.5, 3.0, scarf));
            add(ribbon(flowing(root, tail_angle(-85), 9, static_cast<int>(len) - 1, 9, 9, phase_ + 2), 3.5, 2.4,
                       dim(scarf, 0.78)));
        }
        if (look().has("belt")) {
            const Rgb belt = pal(look().arg("belt", 0, "belt"));
            const Vec knot = body_.pelvis + dir(body_.torso_angle) * 4 + dir(body_.torso_angle - 90) * (b_.waist_r * 0.6);
            add(ribbon(flowing(knot, tail_angle(-25), 7, 3, 5, 6, phase_), 2.6, 2.0, belt), 1.4);
            add(ribbon(flowing(knot, tail_angle(-5), 7, 3, 3, 6, phase_ + 1), 2.6, 2.0, dim(belt, 0.85)), 1.4);
        }
    }

    // A strip around a limb between two points on its axis.
    void band(Vec a, Vec b, double r, Rgb c) {
        const Vec n = perp(unit(b - a)) * r;
        add(poly({a + n, b + n, b - n, a - n}, c), 1.2);
    }
    int next_group_ = 0;
    void begin_group() { ++next_group_; }
    void limb(Shape s) {
        s.group = next_group_;
        add(std::move(s));
    }

    void arm(bool near, bool second) {
        const Vec shoulder = second ? body_.shoulder2 : body_.shoulder;
        const Vec elbow = second ? (near ? body_.elbow2N : body_.elbow2F) : (near ? body_.elbowN : body_.elbowF);
        const Vec wrist = second ? (near ? body_.wrist2N : body_.wrist2F) : (near ? body_.wristN : body_.wristF);
        const Vec fist = second ? (near ? body_.fist2N : body_.fist2F) : (near ? body_.fistN : body_.fistF);
        const double fore = second ? (near ? body_.forearm2N : body_.forearm2F) : (near ? body_.forearmN : body_.forearmF);
        const double k = second ? 0.85 : 1.0;
        const bool open = (near ? pose_[J_HANDN] : pose_[J_HANDF]) >= 0.5;
        begin_group();
        limb(taper(shoulder, b_.upperarm_r0 * k, elbow, b_.upperarm_r1 * k, col("upperarm", near)));
        limb(taper(elbow, b_.forearm_r0 * k, wrist, b_.forearm_r1 * k, col("forearm", near)));
        const Rgb hand = col("fist", near);
        if (open) {
            limb(ellipse(wrist + dir(fore) * (b_.fist_r * 0.9), b_.fist_r * 1.35 * k, b_.fist_r * 0.85 * k,
                         rad(90 - fore), hand));
        } else {
            limb(circle(fist, b_.fist_r * k, hand));
        }
        if (look().has("jewels")) {
            const Rgb gold = dim(pal(look().arg("jewels", 0, "gold")), near ? 1.0 : 0.8);
            const Vec w0 = wrist - dir(fore) * 3.0, w1 = wrist - dir(fore) * 0.5;
            band(w0, w1, b_.forearm_r1 * k + 1.0, gold);
            const Vec u = shoulder + (elbow - shoulder) * 0.55;
            band(u, u + unit(elbow - shoulder) * 2.5, b_.upperarm_r1 * k + 1.3, gold);
        }
        if (look().has("wraps")) {
            const Rgb wrap = dim(pal(look().arg("wraps", 0, "wrap")), near ? 1.0 : 0.8);
            band(wrist - dir(fore) * 6.0, wrist - dir(fore) * 0.5, b_.forearm_r1 * k + 0.8, wrap);
        }
        if (open) {
            // A thumb.
            add(ellipse(wrist + dir(fore) * (b_.fist_r * 0.5) + dir(fore - 90) * (b_.fist_r * 0.75),
                        b_.fist_r * 0.55 * k, b_.fist_r * 0.3 * k, rad(90 - fore + 40), hand),
                1.3);
        } else {
            // The knuckles.
            Shape knuckle = taper(fist + dir(fore - 90) * (b_.fist_r * 0.45), b_.fist_r * 0.18 * k,
                                  fist + dir(fore) * (b_.fist_r * 0.55) + dir(fore - 90) * (b_.fist_r * 0.1),
                                  b_.fist_r * 0.16 * k, dim(hand, 0.7));
            knuckle.stroke = false;
            knuckle.shade = false;
            shapes.push_back(knuckle);
        }
        if (look().has("claws")) {
            const int n = static_cast<int>(look().num("claws", 0, 3));
            const double len = look().num("claws", 1, 18);
            const Rgb steel = dim(pal(look().arg("claws", 2, "steel")), near ? 1.0 : 0.75);
            for (int i = 0; i < n; ++i) {
                const double spread = (i - (n - 1) / 2.0) * 7.0;
                const Vec base = fist + dir(fore + 90) * (spread * 0.25);
                const Vec tip = base + dir(fore + spread * 0.6) * (len + b_.fist_r);
                const Vec mid = base + dir(fore + spread * 0.6 - 6) * ((len + b_.fist_r) * 0.55);
                const Vec side = perp(unit(tip - base));
                Shape blade = poly({base + side * 1.8, mid + side * 1.2, tip, mid - side * 0.9, base - side * 1.8},
                                   steel, true);
                add(blade, 1.2);
            }
        }
    }

    void leg(bool near) {
        const Vec knee = near ? body_.kneeN : body_.kneeF;
        const Vec ankle = near ? body_.ankleN : body_.ankleF;
        const Vec heel = near ? body_.heelN : body_.heelF;
        const Vec toe = near ? body_.toeN : body_.toeF;
        const double k = look().has("baggy") ? look().num("baggy", 0, 1.25) : 1.0;
        begin_group();
        limb(taper(body_.pelvis, b_.thigh_r0 * k, knee, b_.thigh_r1 * k, col("thigh", near)));
        limb(taper(knee, b_.shin_r0 * k, ankle, b_.shin_r1 * (k > 1 ? k * 1.05 : 1.0), col("shin", near)));
        limb(taper(heel, b_.foot_r0, toe, b_.foot_r1, col("foot", near)));
        if (look().has("wraps")) {
            const Rgb wrap = dim(pal(look().arg("wraps", 0, "wrap")), near ? 1.0 : 0.8);
            const Vec up = unit(knee - ankle);
            band(ankle + up * 1.0, ankle + up * 6.0, b_.shin_r1 + 0.9, wrap);
        }
        if (look().has("anklets")) {
            const Rgb gold = dim(pal(look().arg("anklets", 0, "gold")), near ? 1.0 : 0.8);
            const Vec up = unit(knee - ankle);
            band(ankle + up * 1.0, ankle + up * 3.0, b_.shin_r1 + 1.0, gold);
        }
    }

    void torso() {
        const Vec up = dir(body_.torso_angle);
        const Vec fwd = dir(body_.torso_angle - 90);
        const double hip_r = std::max(b_.waist_r, b_.thigh_r0 + 1.0);
        add(taper(body_.pelvis + up * 2.0, hip_r, body_.shoulder, b_.chest_r, col("torso")));
        if (look().has("yoke")) {  // dark fur over the shoulders, as a panda has
            const Rgb fur = pal(look().arg("yoke", 0, "fur"));
            add(taper(body_.shoulder + up * (b_.chest_r * 0.05), b_.chest_r * 0.78,
                      body_.shoulder - up * (b_.chest_r * 0.45), b_.chest_r * 0.7, fur));
        }
        if (b_.belly_r > 0) {
            const Vec c = body_.pelvis + up * (b_.torso * 0.34) + fwd * (b_.belly_r * 0.3);
            add(ellipse(c, b_.belly_r * 1.05, b_.belly_r, rad(90 - body_.torso_angle + 90), pal(look().arg("belly", 0, "belly"))));
        }
        if (look().has("vneck")) {
            const Rgb skin = pal("skin");
            const Vec top = body_.shoulder + fwd * (b_.chest_r * 0.55);
            add(poly({top + up * 1.5, top - up * (b_.chest_r * 0.9) + fwd * 1.5, top - fwd * (b_.chest_r * 0.35)}, skin),
                1.2);
        }
        if (look().has("harness")) {
            const Rgb strap = pal(look().arg("harness", 0, "strap"));
            band(body_.shoulder + fwd * (b_.chest_r * 0.7), body_.pelvis + up * 6 - fwd * (b_.waist_r * 0.7), 1.8,
                 strap);
        }
        if (look().has("sash")) {  // a cloth slung across the chest
            const Rgb cloth = pal(look().arg("sash", 0, "sash"));
            band(body_.shoulder - fwd * (b_.chest_r * 0.6), body_.pelvis + up * 8 + fwd * (b_.waist_r * 0.8), 3.0,
                 cloth);
        }
        if (look().has("necklace")) {
            const Rgb gold = pal(look().arg("necklace", 0, "gold"));
            const Vec c = body_.shoulder + fwd * (b_.chest_r * 0.45) - up * 5;
            add(ellipse(c, 2.6, 2.6, 0, gold), 1.2);
            add(ellipse(c - up * 5 + fwd * 1.0, 2.0, 2.0, 0, gold), 1.2);
        }
        if (look().has("belt") || look().has("waistband")) {
            const std::string key = look().has("belt") ? "belt" : "waistband";
            const Rgb belt = pal(look().arg(key, 0, "belt"));
            const Vec c = body_.pelvis + up * 4;
            band(c - fwd * (hip_r * 0.95), c + fwd * (hip_r * 0.95), 3.0, belt);
        }
        if (look().has("loincloth")) {  // a pleat of cloth hanging in front
            const Rgb cloth = pal(look().arg("loincloth", 0, "dhoti"));
            const Vec root = body_.pelvis + up * 2 + fwd * (hip_r * 0.5);
            add(ribbon(flowing(root, tail_angle(15), 8, 3, -4, 3, phase_), 4.5, 3.2, cloth), 1.6);
        }
    }

    void face_eye(double lx, double ly, Rgb white, Rgb pupil) {
        const double r = b_.head;
        add(ellipse(at_head(lx, ly), r * 0.2, r * 0.15, head_rad(), white), 1.0);
        shapes.back().shade = false;
        Shape p = circle(at_head(lx + 0.08, ly), r * 0.1, pupil);
        p.stroke = false;
        p.shade = false;
        shapes.push_back(p);
    }

    void head() {
        const double r = b_.head;
        const Rgb skin = col("head");
        // Behind the head.
        if (look().has("ears")) {  // round animal ears
            const Rgb fur = pal(look().arg("ears", 0, "fur"));
            add(circle(at_head(-0.52, -0.8), r * 0.38, fur));
            add(circle(at_head(0.22, -0.92), r * 0.36, fur));
        }
        if (look().has("topknot")) {
            const Rgb hair = pal(look().arg("topknot", 0, "hair"));
            add(circle(at_head(-0.3, -1.08), r * 0.4, hair));
        }
        add(taper(body_.neck - dir(body_.torso_angle) * 3, b_.neck_r, body_.head, b_.neck_r * 0.9, col("neck")));

        if (look().has("hood")) {
            const Rgb hood = pal(look().arg("hood", 0, "hood"));
            const Rgb shadow = pal(look().arg("hood", 1, "mask"));
            // The cowl, pointed at the back, then the face in its shadow.
            add(poly({at_head(0.95, 0.55), at_head(0.9, -0.7), at_head(0.2, -1.18), at_head(-0.75, -0.95),
                      at_head(-1.35, -0.55), at_head(-1.0, 0.4), at_head(-0.6, 1.0), at_head(0.5, 1.05)},
                     hood, true));
            add(ellipse(at_head(0.5, 0.05), r * 0.55, r * 0.7, head_rad(), shadow), 1.2);
            const Rgb glow = pal(look().arg("hood", 2, "eyes"));
            Shape eye = ellipse(at_head(0.62, -0.12), r * 0.26, r * 0.09, head_rad() - 0.12, glow);
            eye.shade = false;
            eye.stroke = false;
            shapes.push_back(eye);
            return;
        }

        add(circle(body_.head, r, skin));
        if (look().has("panda")) {
            const Rgb fur = pal("fur");
            const Rgb white = pal("belly", "skin");
            flat(ellipse(at_head(0.4, 0.0), r * 0.36, r * 0.25, head_rad() + 0.7, fur), 1.0);
            face_eye(0.46, -0.06, kInkWhite, Rgb{20, 16, 20});
            add(ellipse(at_head(0.86, 0.3), r * 0.42, r * 0.3, head_rad() + 0.15, white), 1.4);
            flat(ellipse(at_head(1.16, 0.16), r * 0.15, r * 0.11, head_rad(), fur), 1.0);
            Shape mouth = taper(at_head(0.9, 0.5), 0.8, at_head(1.08, 0.46), 0.8, fur);
            mouth.stroke = false;
            mouth.shade = false;
            shapes.push_back(mouth);
            return;
        }
        // A face seen from the side.
        const Rgb hair = pal(look().arg("hair", 0, "hair"));
        if (look().has("hair")) {
            // The hair covers the back and top of the head.
            add(poly({at_head(0.55, -0.88), at_head(0.1, -1.06), at_head(-0.6, -0.86), at_head(-1.04, -0.2),
                      at_head(-0.88, 0.45), at_head(-0.45, 0.25), at_head(-0.05, -0.38), at_head(0.6, -0.52)},
                     hair, true),
                1.4);
        }
        // Nose and chin.
        add(poly({at_head(0.9, -0.25), at_head(1.18, 0.12), at_head(0.92, 0.22)}, skin), 1.2);
        face_eye(0.5, -0.12, kInkWhite, Rgb{24, 18, 22});
        Shape brow = taper(at_head(0.32, -0.38), r * 0.08, at_head(0.72, -0.32), r * 0.07, hair);
        brow.stroke = false;
        brow.shade = false;
        shapes.push_back(brow);
        Shape mouth = taper(at_head(0.62, 0.5), 0.7, at_head(0.86, 0.45), 0.7, dim(skin, 0.45));
        mouth.stroke = false;
        mouth.shade = false;
        shapes.push_back(mouth);
        if (look().has("beard")) {
            const Rgb b = pal(look().arg("beard", 0, "hair"));
            add(poly({at_head(0.92, 0.45), at_head(0.75, 1.15), at_head(0.35, 0.95), at_head(0.15, 0.55)}, b, true),
                1.2);
        }
        if (look().has("headband")) {
            const Rgb band = pal(look().arg("headband", 0, "band"));
            add(poly({at_head(-1.02, -0.12), at_head(0.9, -0.42), at_head(0.84, -0.7), at_head(-0.98, -0.45)}, band),
                1.3);
        }
        if (look().has("crown")) {
            const Rgb gold = pal(look().arg("crown", 0, "gold"));
            add(poly({at_head(-0.78, -0.55), at_head(-0.9, -1.05), at_head(-0.5, -0.9), at_head(-0.25, -1.45),
                      at_head(0.05, -0.95), at_head(0.4, -1.3), at_head(0.55, -0.85), at_head(0.78, -0.95),
                      at_head(0.72, -0.5)},
                     gold),
                1.3);
            Shape jewel = circle(at_head(-0.05, -0.78), r * 0.12, pal(look().arg("crown", 1, "jewel")));
            jewel.shade = false;
            add(jewel, 1.0);
        }
        if (look().has("thirdeye")) {
            Shape e = ellipse(at_head(0.62, -0.55), r * 0.07, r * 0.15, head_rad(), pal(look().arg("thirdeye", 0, "jewel")));
            e.shade = false;
            e.stroke = false;
            shapes.push_back(e);
        }
        if (look().has("earring")) {
            const Rgb gold = pal(look().arg("earring", 0, "gold"));
            add(circle(at_head(-0.2, 0.38), r * 0.14, gold), 1.0);
        }
    }
};

// ---------------------------------------------------------------- effects

std::vector<Shape> glow_shapes(Vec c, double r, Rgb energy, Rgb light, Rgb line, int phase) {
    std::vector<Shape> out;
    const double turn = phase * 0.45;
    for (int i = 0; i < 8; ++i) {
        const double a = turn + i * M_PI / 4;
        const double l = r * (i % 2 ? 1.25 : 1.55);
        const Vec d{std::cos(a), std::sin(a)};
        const Vec n = perp(d);
        Shape ray = poly({c + d * (r * 0.55) + n * (r * 0.22), c + d * l, c + d * (r * 0.55) - n * (r * 0.22)}, light);
        ray.shade = false;
        ray.line = line;
        ray.line_w = 1.0;
        ray.body = false;
        out.push_back(ray);
    }
    for (auto [k, colour] : {std::pair<double, Rgb>{1.0, energy}, {0.68, light}, {0.38, kInkWhite}}) {
        Shape s = circle(c, r * k, colour);
        s.shade = false;
        s.body = false;
        s.stroke = k == 1.0;
        s.line = line;
        s.line_w = 1.2;
        out.push_back(s);
    }
    return out;
}

}  // namespace

double claw_length(const FighterSource& src) {
    return src.look.has("claws") ? src.look.num("claws", 1, 18) + src.bones.fist_r : 0.0;
}

Image to_masked(const std::uint32_t* argb, int width, int height, int stride) {
    Image image(width, height, kMaskColour);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = argb[y * stride + x];
            const unsigned a = p >> 24;
            if (a < 128) continue;
            auto un = [a](unsigned v) { return static_cast<std::uint8_t>(std::min(255u, (v * 255 + a / 2) / a)); };
            Rgb c{un((p >> 16) & 0xff), un((p >> 8) & 0xff), un(p & 0xff)};
            if (c == kMaskColour) c.b = 254;
            image.set(x, y, c);
        }
    }
    return image;
}

namespace {

struct Box {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    void add(double ax0, double ay0, double ax1, double ay1) {
        x0 = std::min(x0, ax0);
        y0 = std::min(y0, ay0);
        x1 = std::max(x1, ax1);
        y1 = std::max(y1, ay1);
    }
    bool empty() const { return x0 > x1; }
};

struct Scratch {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    ~Scratch() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
};

Box extents(const std::vector<Shape>& shapes, bool body_only) {
    Scratch s;
    Box box;
    for (const Shape& shape : shapes) {
        if (body_only && !shape.body) continue;
        cairo_new_path(s.cr);
        add_path(s.cr, shape);
        double x0, y0, x1, y1;
        cairo_path_extents(s.cr, &x0, &y0, &x1, &y1);
        if (x1 > x0 || y1 > y0) box.add(x0, y0, x1, y1);
    }
    return box;
}

void paint_shape(cairo_t* cr, const Shape& s) {
    cairo_new_path(cr);
    add_path(cr, s);
    if (s.shade) {
        double x0, y0, x1, y1;
        cairo_path_extents(cr, &x0, &y0, &x1, &y1);
        const Vec mid{(x0 + x1) / 2, (y0 + y1) / 2};
        Vec light = unit({0.35, -1.0});
        double r = std::max(x1 - x0, y1 - y0) / 2;
        if (s.kind == Shape::Taper) {
            // Across the limb, from the side facing the light.
            Vec n = perp(unit(s.b - s.a));
            if (n.x * light.x + n.y * light.y < 0) n = n * -1.0;
            light = n;
            r = std::max(s.ra, s.rb);
        }
        cairo_pattern_t* p = cairo_pattern_create_linear(mid.x + light.x * r, mid.y + light.y * r, mid.x - light.x * r,
                                                         mid.y - light.y * r);
        add_stop(p, 0.0, blend(s.fill, kInkWhite, 0.3));
        add_stop(p, 0.3, blend(s.fill, kInkWhite, 0.08));
        add_stop(p, 0.62, s.fill);
        add_stop(p, 1.0, dim(s.fill, 0.66));
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
    } else {
        set_colour(cr, s.fill);
        cairo_fill_preserve(cr);
    }
    if (s.stroke) {
        set_colour(cr, s.line);
        cairo_set_line_width(cr, s.line_w);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

Rgb palette_or(const FighterSource& src, const std::string& entry, Rgb fallback) {
    return src.palette.count(entry) ? src.colour(entry) : fallback;
}

// Draws the shapes on a fresh canvas covering `box` and returns the masked picture.
Image draw(const std::vector<Shape>& shapes, int x0, int y0, int w, int h, const std::vector<Shape>* aura,
           Rgb aura_outer, Rgb aura_inner) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, -x0, -y0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (aura) {
        for (auto [width, colour] : {std::pair<double, Rgb>{11.0, aura_outer}, {6.0, aura_inner}}) {
            cairo_new_path(cr);
            for (const Shape& s : *aura)
                if (s.body) add_path(cr, s);
            set_colour(cr, colour);
            cairo_set_line_width(cr, width);
            cairo_stroke(cr);
        }
    }
    for (std::size_t i = 0; i < shapes.size();) {
        std::size_t j = i + 1;
        if (shapes[i].group == 0) {
            paint_shape(cr, shapes[i]);
            i = j;
            continue;
        }
        // One outline round the whole group: every stroke first, twice as
        // wide, then the fills, which cover the strokes inside the group.
        while (j < shapes.size() && shapes[j].group == shapes[i].group) ++j;
        for (std::size_t k = i; k < j; ++k) {
            if (!shapes[k].stroke) continue;
            cairo_new_path(cr);
            add_path(cr, shapes[k]);
            set_colour(cr, shapes[k].line);
            cairo_set_line_width(cr, shapes[k].line_w * 2);
            cairo_stroke(cr);
        }
        for (std::size_t k = i; k < j; ++k) {
            Shape fill_only = shapes[k];
            fill_only.stroke = false;
            paint_shape(cr, fill_only);
        }
        i = j;
    }
    cairo_surface_flush(surface);
    Image out = to_masked(reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface)), w, h,
                          cairo_image_surface_get_stride(surface) / 4);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return out;
}

}  // namespace

Sprite render_frame(const FighterSource& src, const Pose& pose, const FrameDef& frame,
                    const std::optional<Body>& previous, int phase) {
    Body body = pose_body(src.bones, pose);
    BodyPainter painter(src, body, pose, phase);
    painter.build();
    std::vector<Shape> shapes = std::move(painter.shapes);

    // Where the ground is: the lowest point of the body.
    const Box body_box = extents(shapes, true);
    const double ground = body_box.y1;
    const double anchor_x = body.pelvis.x;
    const Rgb energy = palette_or(src, "energy", Rgb{110, 210, 255});
    const Rgb outline = palette_or(src, "outline", Rgb{26, 20, 24});
    auto to_world = [&](Vec anchor_relative) { return Vec{anchor_relative.x + anchor_x, anchor_relative.y + ground}; };

    std::vector<Shape> behind, front;
    // Smears along the path a striking limb has just travelled.
    for (const std::string& name : frame.trails) {
        if (!previous) break;
        Body prev = *previous;
        const Vec from = to_world(prev.point(name, claw_length(src)));
        const Vec to = body.point(name, claw_length(src));
        const Vec d = to - from;
        if (length(d) < 6) continue;
        const Vec u = unit(d), n = perp(u);
        const double w = src.bones.fist_r * 1.3;
        const Vec bow = n * (length(d) * 0.18);
        Shape smear = poly({from, from + d * 0.5 + bow + n * (w * 0.5), to + n * w, to + u * (w * 0.6),
                            to - n * (w * 0.9), from + d * 0.55 + bow * 0.4 - n * (w * 0.3)},
                           palette_or(src, "trail", Rgb{246, 242, 228}), true);
        smear.shade = false;
        smear.stroke = false;
        smear.body = false;
        behind.push_back(smear);
    }
    for (const Glow& g : frame.glows) {
        const Vec c = body.point(g.at, claw_length(src));
        for (Shape& s : glow_shapes(c, g.radius, energy, blend(energy, kInkWhite, 0.55), dim(energy, 0.5), phase))
            front.push_back(s);
    }
    if (frame.stars) {
        for (int k = 0; k < 3; ++k) {
            const double a = phase * 1.1 + k * 2 * M_PI / 3;
            const Vec c = body.head + Vec{std::cos(a) * src.bones.head * 1.5,
                                          -src.bones.head * 1.45 + std::sin(a) * src.bones.head * 0.4};
            Shape star = poly(star_points(c, 4.5, a), Rgb{255, 226, 70});
            star.shade = false;
            star.line = outline;
            star.line_w = 1.1;
            star.body = false;
            front.push_back(star);
        }
    }
    if (frame.dust) {
        const Rgb dust = palette_or(src, "dust", Rgb{214, 196, 160});
        int i = 0;
        for (Vec foot : {body.toeN, body.heelF}) {
            for (int k = 0; k < 3; ++k, ++i) {
                const double side = (i % 2 ? -1.0 : 1.0);
                Shape puff = circle({foot.x + side * (5 + k * 6), ground - 3 - k * 2.5}, 5.0 - k, dust);
                puff.shade = false;
                puff.line = dim(dust, 0.6);
                puff.line_w = 1.0;
                puff.body = false;
                front.push_back(puff);
            }
        }
    }

    std::vector<Shape> all = behind;
    all.insert(all.end(), shapes.begin(), shapes.end());
    all.insert(all.end(), front.begin(), front.end());
    Box box = extents(all, false);
    const double aura_pad = frame.aura ? 6.0 : 0.0;
    const int x0 = static_cast<int>(std::floor(std::min(box.x0, body_box.x0 - aura_pad) - 3));
    const int x1 = static_cast<int>(std::ceil(std::max(box.x1, body_box.x1 + aura_pad) + 3));
    const int y0 = static_cast<int>(std::floor(std::min(box.y0, body_box.y0 - aura_pad) - 3));
    const int bottom = static_cast<int>(std::ceil(ground + 1));

    Sprite out;
    out.image = draw(all, x0, y0, x1 - x0, bottom - y0, frame.aura ? &shapes : nullptr, energy,
                     blend(energy, kInkWhite, 0.5));
    out.ox = static_cast<int>(std::lround(anchor_x)) - x0;
    out.oy = bottom - y0;
    body.translate({-static_cast<double>(out.ox + x0), -static_cast<double>(out.oy + y0)});
    out.body = body;
    return out;
}

// ---------------------------------------------------------------- projectiles

FxSprite render_fx(const FighterSource& src, const FxDef& fx, int index) {
    const Rgb c1 = src.colour(fx.colour);
    const Rgb c2 = src.palette.count(fx.colour2) ? src.colour(fx.colour2) : kInkWhite;
    const Rgb line = dim(c1, 0.45);
    const double s = fx.size;
    const double phase = static_cast<double>(index) / std::max(1, fx.frames);
    std::vector<Shape> shapes;
    auto flat = [&](Shape sh, double lw = 1.4) {
        sh.shade = false;
        sh.line = line;
        sh.line_w = lw;
        sh.stroke = lw > 0;
        shapes.push_back(sh);
    };
    Vec tip{s, 0};
    bool grounded = false;

    if (fx.kind == "orb") {
        // A ball of energy with a swirling tail.
        for (int k = 0; k < 3; ++k) {
            const double a = phase * 2 * M_PI + k * 2.1;
            std::vector<Vec> tail{{0, std::sin(a) * s * 0.25}};
            for (int i = 1; i <= 4; ++i)
                tail.push_back({-s * 0.55 * i, std::sin(a + i * 0.9) * s * (0.2 + 0.08 * i)});
            flat(ribbon(tail, s * 0.55, s * 0.12, blend(c1, c2, 0.25 * k)), 1.2);
        }
        flat(circle({0, 0}, s, c1));
        flat(circle({s * 0.12, 0}, s * 0.72, blend(c1, c2, 0.55)), 0);
        for (int k = 0; k < 3; ++k) {
            const double a = phase * 2 * M_PI * 1.0 + k * 2 * M_PI / 3;
            Shape arc = poly({{std::cos(a) * s * 0.2, std::sin(a) * s * 0.2},
                              {std::cos(a + 0.9) * s * 0.62, std::sin(a + 0.9) * s * 0.62},
                              {std::cos(a + 1.5) * s * 0.5, std::sin(a + 1.5) * s * 0.5}},
                             c2, true);
            flat(arc, 0);
        }
        flat(circle({s * 0.18, 0}, s * 0.34, kInkWhite), 0);
    } else if (fx.kind == "crescent") {
        // Three claw slashes flying together.
        const double wob = std::sin(phase * 2 * M_PI) * 0.08;
        for (int k = -1; k <= 1; ++k) {
            const double y = k * s * 0.55;
            const double r = s * (1.0 - 0.12 * std::abs(k)) * (1.0 + wob);
            std::vector<Vec> pts;
            for (int i = 0; i <= 8; ++i) {
                const double a = -1.2 + 2.4 * i / 8.0;
                pts.push_back({std::cos(a) * r, y + std::sin(a) * r * 0.5});
            }
            for (int i = 8; i >= 0; --i) {
                const double a = -1.2 + 2.4 * i / 8.0;
                const double thick = 0.28 * std::cos(a * 1.2);
                pts.push_back({std::cos(a) * r * (1 - thick) - s * 0.1, y + std::sin(a) * r * 0.5 * (1 - thick)});
            }
            flat(poly(pts, k == 0 ? c2 : c1, true), 1.3);
        }
        tip = {s * 1.02, 0};
    } else if (fx.kind == "wheel") {
        // A spinning wheel of fire.
        const double turn = phase * 2 * M_PI / 8;
        for (int i = 0; i < 12; ++i) {
            const double a = turn * 2 + i * M_PI / 6;
            const Vec d{std::cos(a), std::sin(a)};
            const Vec n = perp(d);
            flat(poly({d * (s * 0.85) + n * (s * 0.16), d * (s * 1.3) + n * (s * 0.05), d * (s * 0.85) - n * (s * 0.12)},
                      blend(c1, c2, 0.3)),
                 1.0);
        }
        flat(circle({0, 0}, s, c1));
        flat(circle({0, 0}, s * 0.78, dim(c1, 0.75)), 1.0);
        for (int i = 0; i < 8; ++i) {
            const double a = turn + i * M_PI / 4;
            const Vec d{std::cos(a), std::sin(a)};
            Shape spoke = taper(d * (s * 0.2), s * 0.07, d * (s * 0.78), s * 0.05, c2);
            flat(spoke, 0.8);
        }
        flat(circle({0, 0}, s * 0.24, c2), 1.0);
        flat(circle({0, 0}, s * 0.1, kInkWhite), 0);
        tip = {s * 1.1, 0};
    } else if (fx.kind == "quake") {
        // Rocks and dust thrown up along the ground.
        grounded = true;
        const Rgb dust = src.palette.count("dust") ? src.colour("dust") : Rgb{214, 196, 160};
        for (int i = 0; i < 6; ++i) {
            const double x = -s * 1.1 + i * s * 0.42;
            const double hgt = s * (0.35 + 0.5 * std::fabs(std::sin(phase * 2 * M_PI + i * 1.3))) * (0.6 + i * 0.09);
            flat(circle({x, -hgt * 0.5}, s * 0.22 + i * 0.8, dust), 1.0);
        }
        for (int i = 0; i < 4; ++i) {
            const double x = -s * 0.7 + i * s * 0.45;
            const double hgt = s * (0.5 + 0.45 * std::fabs(std::sin(phase * 2 * M_PI * 1.0 + i * 2.1)));
            const double w = s * 0.22;
            flat(poly({{x - w, 0}, {x - w * 0.6, -hgt}, {x + w * 0.3, -hgt * 1.15}, {x + w, -hgt * 0.4}, {x + w, 0}},
                      i % 2 ? c1 : dim(c1, 0.8)),
                 1.4);
        }
        flat(poly({{-s * 1.3, 0}, {s * 1.2, 0}, {s * 0.9, -s * 0.18}, {-s * 1.1, -s * 0.12}}, c2), 1.2);
        tip = {s * 1.0, -s * 0.4};
    } else if (fx.kind == "palm") {
        // A huge glowing paw print.
        const double pulse = 1.0 + 0.07 * std::sin(phase * 2 * M_PI);
        const double r = s * pulse;
        flat(circle({0, 0}, r * 1.35, dim(c1, 0.8)), 1.2);
        flat(circle({0, 0}, r * 1.15, blend(c1, c2, 0.3)), 0);
        flat(ellipse({-r * 0.2, 0}, r * 0.5, r * 0.62, 0, c2), 1.2);
        for (int i = 0; i < 4; ++i) {
            const double a = -1.05 + i * 0.7;
            flat(ellipse({std::cos(a) * r * 0.72, std::sin(a) * r * 0.72}, r * 0.2, r * 0.16, a, c2), 1.0);
        }
        tip = {r * 1.3, 0};
    } else {
        throw std::runtime_error(src.name + ": unknown projectile kind '" + fx.kind + "'");
    }

    Box box = extents(shapes, false);
    const int x0 = static_cast<int>(std::floor(std::min(box.x0, -1.0) - 2));
    const int x1 = static_cast<int>(std::ceil(std::max(box.x1, 1.0) + 2));
    // Centred kinds are drawn symmetric in height about the anchor.
    double top = box.y0, bottom = box.y1;
    if (!grounded) {
        const double half = std::max(-box.y0, box.y1);
        top = -half;
        bottom = half;
    } else {
        bottom = 0;
    }
    const int y0 = static_cast<int>(std::floor(top - 2));
    const int y1 = static_cast<int>(std::ceil(bottom + (grounded ? 0 : 2)));
    // Centre the anchor horizontally too, so the mirrored picture stays on it.
    const int half_w = std::max(-x0, x1);
    FxSprite out;
    out.image = draw(shapes, -half_w, y0, 2 * half_w, y1 - y0, nullptr, {}, {});
    out.ox = half_w;
    out.oy = -y0;
    out.tip = tip;
    return out;
}
