#include "rig.h"

#include <cmath>
#include <stdexcept>

namespace {

const char* const kJointNames[J_COUNT] = {"lean", "head", "sN",  "eN",  "sF",  "eF",  "hN",
                                          "kN",   "hF",   "kF",  "aN",  "aF",  "s2N", "e2N",
                                          "s2F",  "e2F",  "rot", "x",   "wind", "handN", "handF"};

Vec rotate(Vec p, double degrees) {
    const double a = degrees * M_PI / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

}  // namespace

const char* joint_name(int joint) { return kJointNames[joint]; }

int joint_index(const std::string& word) {
    for (int j = 0; j < J_COUNT; ++j)
        if (word == kJointNames[j]) return j;
    return -1;
}

Pose mix(const Pose& a, const Pose& b, double f) {
    Pose p;
    for (int j = 0; j < J_COUNT; ++j) p[j] = a[j] + (b[j] - a[j]) * f;
    return p;
}

Vec dir(double degrees) {
    const double a = degrees * M_PI / 180.0;
    return {std::sin(a), std::cos(a)};
}

Body pose_body(const Bones& b, const Pose& p) {
    Body body;
    body.four_arms = b.upperarm2 > 0;
    body.rot = p[J_ROT];
    body.pelvis = {0, 0};
    body.torso_angle = 180 - p[J_LEAN];
    body.neck = dir(body.torso_angle) * b.torso;
    body.chest = body.neck * 0.62;
    body.shoulder = body.neck * 0.9;
    body.shoulder2 = body.neck * 0.66;
    body.head_angle = body.torso_angle - p[J_HEAD];
    body.head = body.neck + dir(body.head_angle) * (b.neck + b.head);

    auto arm = [&](Vec shoulder, double upper, double fore, double s, double e, Vec& elbow, Vec& wrist, Vec& fist,
                   double& forearm) {
        elbow = shoulder + dir(s) * upper;
        forearm = s + e;
        wrist = elbow + dir(forearm) * fore;
        fist = wrist + dir(forearm) * b.hand;
    };
    arm(body.shoulder, b.upperarm, b.forearm, p[J_SN], p[J_EN], body.elbowN, body.wristN, body.fistN, body.forearmN);
    arm(body.shoulder, b.upperarm, b.forearm, p[J_SF], p[J_EF], body.elbowF, body.wristF, body.fistF, body.forearmF);
    if (body.four_arms) {
        arm(body.shoulder2, b.upperarm2, b.forearm2, p[J_S2N], p[J_E2N], body.elbow2N, body.wrist2N, body.fist2N,
            body.forearm2N);
        arm(body.shoulder2, b.upperarm2, b.forearm2, p[J_S2F], p[J_E2F], body.elbow2F, body.wrist2F, body.fist2F,
            body.forearm2F);
    }

    auto leg = [&](double h, double k, double a, Vec& knee, Vec& ankle, Vec& heel, Vec& toe, double& foot) {
        knee = body.pelvis + dir(h) * b.thigh;
        const double shin = h - k;
        ankle = knee + dir(shin) * b.shin;
        foot = shin + 90 - a;
        heel = ankle - dir(foot) * (b.foot * 0.22);
        toe = ankle + dir(foot) * b.foot;
    };
    leg(p[J_HN], p[J_KN], p[J_AN], body.kneeN, body.ankleN, body.heelN, body.toeN, body.footN);
    leg(p[J_HF], p[J_KF], p[J_AF], body.kneeF, body.ankleF, body.heelF, body.toeF, body.footF);

    if (body.rot != 0) {
        for (Vec* v : {&body.chest, &body.neck, &body.head, &body.shoulder, &body.shoulder2, &body.elbowN,
                       &body.wristN, &body.fistN, &body.elbowF, &body.wristF, &body.fistF, &body.elbow2N,
                       &body.wrist2N, &body.fist2N, &body.elbow2F, &body.wrist2F, &body.fist2F, &body.kneeN,
                       &body.ankleN, &body.heelN, &body.toeN, &body.kneeF, &body.ankleF, &body.heelF, &body.toeF})
            *v = rotate(*v, body.rot);
        // Absolute directions turn the other way round: an angle measured
        // from "down" towards "forward" grows as the picture turns clockwise.
        for (double* a : {&body.torso_angle, &body.head_angle, &body.forearmN, &body.forearmF, &body.forearm2N,
                          &body.forearm2F, &body.footN, &body.footF})
            *a -= body.rot;
    }
    body.translate({p[J_X], 0});
    return body;
}

void Body::translate(Vec d) {
    for (Vec* v : {&pelvis, &chest, &neck, &head, &shoulder, &shoulder2, &elbowN, &wristN, &fistN, &elbowF, &wristF,
                   &fistF, &elbow2N, &wrist2N, &fist2N, &elbow2F, &wrist2F, &fist2F, &kneeN, &ankleN, &heelN, &toeN,
                   &kneeF, &ankleF, &heelF, &toeF})
        *v = *v + d;
}

Vec Body::point(const std::string& name, double claw_length) const {
    static const std::map<std::string, Vec Body::*> points = {
        {"pelvis", &Body::pelvis}, {"chest", &Body::chest},   {"neck", &Body::neck},     {"head", &Body::head},
        {"elbowN", &Body::elbowN}, {"elbowF", &Body::elbowF}, {"fistN", &Body::fistN},   {"fistF", &Body::fistF},
        {"fist2N", &Body::fist2N}, {"fist2F", &Body::fist2F}, {"elbow2N", &Body::elbow2N}, {"elbow2F", &Body::elbow2F},
        {"kneeN", &Body::kneeN},   {"kneeF", &Body::kneeF},   {"heelN", &Body::heelN},   {"heelF", &Body::heelF},
        {"footN", &Body::toeN},    {"footF", &Body::toeF},    {"ankleN", &Body::ankleN}, {"ankleF", &Body::ankleF},
    };
    if (name == "clawN") return fistN + dir(forearmN) * claw_length;
    if (name == "clawF") return fistF + dir(forearmF) * claw_length;
    const auto it = points.find(name);
    if (it == points.end()) throw std::runtime_error("unknown body point '" + name + "'");
    return this->*(it->second);
}
