#pragma once
// A fighter's skeleton seen from the side, facing right, and the joint
// angles that pose it. Angles are in degrees:
// - upper arms and thighs are absolute: 0 hangs straight down, 90 points
//   forward (the way the fighter faces), 180 straight up, -90 backward;
// - elbows bend the forearm forward from the upper arm, knees bend the shin
//   backward from the thigh, ankles point the toes down from square;
// - lean tips the torso forward from upright, head tips the head forward
//   from the torso, rot pitches the whole body forward around the pelvis.
// Points are in picture pixels, x forward and y downward, pelvis at (0, 0)
// until the pose is put on the ground.

#include <array>
#include <map>
#include <string>

enum Joint {
    J_LEAN, J_HEAD, J_SN, J_EN, J_SF, J_EF, J_HN, J_KN, J_HF, J_KF, J_AN, J_AF,
    J_S2N, J_E2N, J_S2F, J_E2F, J_ROT, J_X, J_WIND, J_HANDN, J_HANDF,
    J_COUNT
};

// The source file's name of each joint value ("lean", "sN", ...).
const char* joint_name(int joint);
// -1 when the word names no joint.
int joint_index(const std::string& word);

struct Pose {
    std::array<double, J_COUNT> v{};
    double operator[](int j) const { return v[j]; }
    double& operator[](int j) { return v[j]; }
};

Pose mix(const Pose& a, const Pose& b, double f);

// Bone lengths and limb half-thicknesses (pixels).
struct Bones {
    double head = 11, neck = 5, torso = 46, upperarm = 26, forearm = 24, hand = 5;
    double thigh = 37, shin = 36, foot = 15;
    double upperarm2 = 0, forearm2 = 0;  // a second pair of arms when non-zero
    // Radii: (start, end) of each tapered limb.
    double neck_r = 5, chest_r = 14, waist_r = 11;
    double upperarm_r0 = 6.5, upperarm_r1 = 5, forearm_r0 = 5, forearm_r1 = 4.2, fist_r = 5.5;
    double thigh_r0 = 8.5, thigh_r1 = 6.5, shin_r0 = 6, shin_r1 = 4.5, foot_r0 = 4.5, foot_r1 = 3.5;
    double belly_r = 0;  // a round belly in front of the torso when non-zero
};

struct Vec {
    double x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
// Unit vector of an absolute angle (0 down, 90 forward, 180 up).
Vec dir(double degrees);

// Every named point of a posed skeleton.
struct Body {
    Vec pelvis, chest, neck, head, shoulder, shoulder2;
    Vec elbowN, wristN, fistN, elbowF, wristF, fistF;
    Vec elbow2N, wrist2N, fist2N, elbow2F, wrist2F, fist2F;
    Vec kneeN, ankleN, heelN, toeN, kneeF, ankleF, heelF, toeF;
    double torso_angle = 180, head_angle = 180;  // absolute directions
    double forearmN = 0, forearmF = 0, forearm2N = 0, forearm2F = 0;  // absolute
    double footN = 90, footF = 90;  // absolute
    double rot = 0;
    bool four_arms = false;

    // A point by the name the source files use: "fistN", "footF", "head",
    // "elbowN", "kneeF", "heelN", "clawN", ... Throws on an unknown name.
    Vec point(const std::string& name, double claw_length) const;
    void translate(Vec d);
};

Body pose_body(const Bones& bones, const Pose& pose);
