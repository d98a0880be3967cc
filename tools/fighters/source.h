#pragma once
// A fighter's readable source: skeleton, palette, look, named poses, the
// animation of every slot it uses, and its projectiles. The format is
// line-based; see tools/content/fighters/README.md.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/image.h"
#include "rig.h"

// A pose as written: an optional base pose and joint settings, each either
// absolute ("sN=90") or relative to the base ("sN+=10").
struct PoseDef {
    std::string base;
    struct Set {
        int joint;
        double value;
        bool relative;
    };
    std::vector<Set> sets;
};

// Where a frame's pose comes from: a named pose, or a blend of two.
struct PoseRef {
    std::string a, b;
    double f = 0;  // 0 = a, 1 = b
    std::vector<PoseDef::Set> sets;  // applied after the blend
};

// A glow of energy at a body point (special moves, charging).
struct Glow {
    std::string at;
    double radius = 8;
};

struct FrameDef {
    PoseRef pose;
    int time = 10;
    int mvtx = 0, mvty = 0;
    bool loop = false;
    std::vector<std::string> hits;  // body point names or "x:y" offsets from the anchor
    int dmg = 0, kx = 0, ky = 0;
    bool down = false;
    int mana = 0;
    int fx = -1;
    std::string fx_at;
    std::vector<std::string> trails;  // points whose path since the last frame is smeared
    std::vector<Glow> glows;
    bool aura = false;
    bool stars = false;  // dizzy stars around the head
    bool dust = false;   // a puff of dust at the feet
    int line = 0;        // in the source, for messages
};

struct AnimDef {
    int slot = -1;
    std::string title;
    std::vector<FrameDef> frames;
};

// One projectile slot of the fighter's fx file.
struct FxDef {
    int slot = -1;
    std::string kind;  // orb, crescent, wheel, quake, palm
    double size = 20;
    int speed = 30;
    int time = 6;
    int frames = 4;
    int dmg = 40, kx = 20, ky = 0;
    bool down = false;
    std::string colour = "energy", colour2 = "energy2";
};

struct Look {
    std::map<std::string, std::vector<std::string>> features;  // feature -> arguments
    bool has(const std::string& f) const { return features.count(f) != 0; }
    std::string arg(const std::string& f, std::size_t i, const std::string& fallback = "") const;
    double num(const std::string& f, std::size_t i, double fallback) const;
};

struct FighterSource {
    std::string name;
    // Attacks and special moves (slots 20 to 47) last `tempo` times as long
    // and strike `power` times as hard as their frames say.
    double tempo = 1.0;
    double power = 1.0;
    Bones bones;
    std::map<std::string, Rgb> palette;
    std::map<std::string, std::string> paint;  // body part -> palette entry
    Look look;
    std::map<std::string, PoseDef> poses;
    std::map<int, AnimDef> anims;  // by slot; a later definition replaces an earlier one
    std::map<int, FxDef> fx;

    Rgb colour(const std::string& entry) const;  // throws on an unknown entry
    Rgb part_colour(const std::string& part) const;
    // Resolves a named pose through its bases; throws on unknown or circular names.
    Pose pose(const std::string& name) const;
    Pose pose(const PoseRef& ref) const;
};

// Parses a fighter source file (and the files it includes, relative to it).
// Throws std::runtime_error with "file:line: message" on any error.
FighterSource parse_fighter(const std::filesystem::path& file);
FighterSource parse_fighter_text(const std::string& text, const std::filesystem::path& dir,
                                 const std::string& label = "source");
