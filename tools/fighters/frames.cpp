#include "frames.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "render.h"

const char* const kNoPicture = "none";

Vec strike_point(const FighterSource& src, const Body& body, const std::string& name) {
    const Bones& b = src.bones;
    const auto colon = name.find(':');
    if (colon != std::string::npos) {
        return {std::strtod(name.substr(0, colon).c_str(), nullptr), std::strtod(name.substr(colon + 1).c_str(), nullptr)};
    }
    // Claws strike with their tips rather than the knuckles.
    if (src.look.has("claws") && (name == "fistN" || name == "fistF")) return body.point(name == "fistN" ? "clawN" : "clawF", claw_length(src));
    if (name == "fistN") return body.fistN + dir(body.forearmN) * (b.fist_r * 0.8);
    if (name == "fistF") return body.fistF + dir(body.forearmF) * (b.fist_r * 0.8);
    if (name == "fist2N") return body.fist2N + dir(body.forearm2N) * (b.fist_r * 0.7);
    if (name == "fist2F") return body.fist2F + dir(body.forearm2F) * (b.fist_r * 0.7);
    if (name == "footN") return body.toeN + dir(body.footN) * (b.foot_r1 * 0.6);
    if (name == "footF") return body.toeF + dir(body.footF) * (b.foot_r1 * 0.6);
    if (name == "heelN") return body.heelN - dir(body.footN) * (b.foot_r0 * 0.6);
    if (name == "heelF") return body.heelF - dir(body.footF) * (b.foot_r0 * 0.6);
    if (name == "head") return body.head + dir(body.head_angle - 90) * (b.head * 0.9);
    if (name == "shoulder") return body.shoulder + dir(body.torso_angle - 90) * (b.chest_r * 0.9);
    if (name == "belly") {
        const double r = b.belly_r > 0 ? b.belly_r * 1.3 : b.chest_r;
        return body.pelvis + dir(body.torso_angle) * (b.torso * 0.36) + dir(body.torso_angle - 90) * r;
    }
    return body.point(name, claw_length(src));
}

std::vector<Vec> strike_points(const FighterSource& src, const Body& body, const std::vector<std::string>& names) {
    std::vector<Vec> points;
    for (const std::string& n : names) points.push_back(strike_point(src, body, n));
    auto mid = [](Vec a, Vec b) { return (a + b) * 0.5; };
    for (const std::string& n : names) {
        std::vector<Vec> inner;
        const bool near = !n.empty() && n.back() == 'N';
        if (n == "fistN" || n == "fistF" || n == "clawN" || n == "clawF") {
            if (src.look.has("claws")) inner.push_back(near ? body.fistN : body.fistF);
            const Vec wrist = near ? body.wristN : body.wristF, elbow = near ? body.elbowN : body.elbowF;
            inner.push_back(mid(wrist, elbow));
            inner.push_back(elbow);
        } else if (n == "fist2N" || n == "fist2F") {
            const Vec wrist = near ? body.wrist2N : body.wrist2F, elbow = near ? body.elbow2N : body.elbow2F;
            inner.push_back(mid(wrist, elbow));
            inner.push_back(elbow);
        } else if (n == "footN" || n == "footF" || n == "heelN" || n == "heelF") {
            const Vec ankle = near ? body.ankleN : body.ankleF, knee = near ? body.kneeN : body.kneeF;
            inner.push_back(ankle);
            inner.push_back(mid(ankle, knee));
        }
        for (Vec p : inner)
            if (points.size() < 3) points.push_back(p);
    }
    if (points.size() > 3) throw std::runtime_error("a frame strikes with at most 3 points");
    return points;
}

namespace {

struct FBox {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    void add(Vec p, double r) {
        x0 = std::min(x0, p.x - r);
        y0 = std::min(y0, p.y - r);
        x1 = std::max(x1, p.x + r);
        y1 = std::max(y1, p.y + r);
    }
    bool empty() const { return x0 > x1; }
};

IZone symmetric(const FBox& b) {
    const double m = std::max(std::fabs(b.x0), std::fabs(b.x1));
    IZone z;
    z.x0 = -static_cast<int>(std::ceil(m));
    z.x1 = static_cast<int>(std::ceil(m));
    z.y0 = static_cast<int>(std::floor(b.y0));
    z.y1 = std::min(0, static_cast<int>(std::ceil(b.y1)));
    return z;
}

}  // namespace

std::vector<IZone> body_zones(const Bones& b, const Body& body) {
    std::vector<IZone> zones;
    FBox head;
    head.add(body.head, b.head * 1.05);
    zones.push_back(symmetric(head));

    FBox torso;
    torso.add(body.shoulder, b.chest_r * 0.9);
    torso.add(body.chest, b.chest_r);
    torso.add(body.pelvis, b.waist_r);
    if (b.belly_r > 0)
        torso.add(body.pelvis + dir(body.torso_angle) * (b.torso * 0.36) + dir(body.torso_angle - 90) * (b.belly_r * 0.35),
                  b.belly_r);
    zones.push_back(symmetric(torso));

    // A leg stretched far from the body and off the ground is a weapon
    // rather than a target; the rest of the legs are, out to a stride from
    // the anchor (a foot planted far behind is not worth a blow).
    const double reach = 0.5 * (b.thigh + b.shin);
    FBox legs;
    legs.add(body.pelvis, b.thigh_r0);
    auto add_leg = [&](Vec knee, Vec ankle, Vec heel, Vec toe) {
        for (Vec p : {knee, ankle, heel, toe}) {
            const bool lifted = p.y < -b.shin * 0.45;
            if (lifted && std::fabs(p.x) > reach) continue;
            legs.add({std::clamp(p.x, -reach, reach), p.y}, b.shin_r1);
        }
    };
    add_leg(body.kneeN, body.ankleN, body.heelN, body.toeN);
    add_leg(body.kneeF, body.ankleF, body.heelF, body.toeF);
    zones.push_back(symmetric(legs));
    return zones;
}

std::string anim_file_text(const AnimTable& table) {
    std::ostringstream o;
    for (int slot = 0; slot < 60; ++slot) {
        const auto it = table.find(slot);
        for (int pos = 0; pos < 15; ++pos) {
            FrameRecord r;
            r.path = kNoPicture;
            if (it != table.end() && pos < static_cast<int>(it->second.size())) r = it->second[pos];
            if (r.path.empty()) r.path = kNoPicture;
            if (r.path.size() > 49 || r.path.find_first_of(" \t\r\n") != std::string::npos)
                throw std::runtime_error("picture path '" + r.path + "' is too long or has white space");
            if (r.attacks.size() > 3 || r.zones.size() > 3)
                throw std::runtime_error(r.path + ": at most 3 attack points and 3 zones");
            o << r.path << '\n'
              << r.anchor.x << '\n'
              << r.anchor.y << '\n'
              << r.mvtx << '\n'
              << r.mvty << '\n'
              << 0 << '\n'
              << r.attacks.size() << '\n'
              << r.zones.size() << '\n';
            for (std::size_t i = 0; i < 5; ++i) {
                const IPoint p = i < r.attacks.size() ? r.attacks[i] : IPoint{};
                o << p.x << '\n' << p.y << '\n';
            }
            o << r.dmg << '\n' << (r.down ? 1 : 0) << '\n' << r.kx << '\n' << r.ky << '\n';
            for (std::size_t i = 0; i < 3; ++i) {
                const IZone z = i < r.zones.size() ? r.zones[i] : IZone{};
                o << z.x0 << '\n' << z.y0 << '\n' << z.x1 << '\n' << z.y1 << '\n';
            }
            o << r.time << '\n'
              << (r.loop ? 1 : 0) << '\n'
              << r.mana << '\n'
              << r.fx << '\n'
              << r.fx_at.x << '\n'
              << r.fx_at.y << '\n';
        }
    }
    return o.str();
}
