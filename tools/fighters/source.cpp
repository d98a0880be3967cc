#include "source.h"

#include <cstdlib>
#include <set>
#include <sstream>
#include <stdexcept>

#include "common/output.h"

namespace fs = std::filesystem;

namespace {

class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

double to_number(const std::string& s) {
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0') throw ParseError("'" + s + "' is not a number");
    return v;
}

int to_int(const std::string& s) {
    const double v = to_number(s);
    if (v != static_cast<int>(v)) throw ParseError("'" + s + "' is not a whole number");
    return static_cast<int>(v);
}

Rgb to_colour(const std::string& s) {
    if (s.size() != 7 || s[0] != '#') throw ParseError("colour '" + s + "' is not #rrggbb");
    auto hex = [&](int i) {
        const std::string part = s.substr(i, 2);
        char* end = nullptr;
        const long v = std::strtol(part.c_str(), &end, 16);
        if (*end != '\0') throw ParseError("colour '" + s + "' is not #rrggbb");
        return static_cast<std::uint8_t>(v);
    };
    return {hex(1), hex(3), hex(5)};
}

// "key=value", "key+=value", "key-=value" or a bare word.
struct Setting {
    std::string key, value;
    char op = 0;  // '=', '+', '-', or 0 for a bare word
};

Setting setting(const std::string& token) {
    Setting s;
    const auto eq = token.find('=');
    if (eq == std::string::npos) {
        s.key = token;
        return s;
    }
    s.value = token.substr(eq + 1);
    if (eq > 0 && (token[eq - 1] == '+' || token[eq - 1] == '-')) {
        s.op = token[eq - 1];
        s.key = token.substr(0, eq - 1);
    } else {
        s.op = '=';
        s.key = token.substr(0, eq);
    }
    return s;
}

bool joint_setting(const Setting& s, std::vector<PoseDef::Set>& sets) {
    const int j = joint_index(s.key);
    if (j < 0 || s.op == 0) return false;
    double v = to_number(s.value);
    if (s.op == '-') v = -v;
    sets.push_back({j, v, s.op != '='});
    return true;
}

void set_bone(Bones& b, const std::string& key, const std::string& value) {
    const std::vector<std::string> parts = split(value, ',');
    auto one = [&](double& field) {
        if (parts.size() != 1) throw ParseError("'" + key + "' takes one number");
        field = to_number(parts[0]);
    };
    if (key == "head") one(b.head);
    else if (key == "neck") one(b.neck);
    else if (key == "torso") one(b.torso);
    else if (key == "upperarm") one(b.upperarm);
    else if (key == "forearm") one(b.forearm);
    else if (key == "upperarm2") one(b.upperarm2);
    else if (key == "forearm2") one(b.forearm2);
    else if (key == "hand") one(b.hand);
    else if (key == "thigh") one(b.thigh);
    else if (key == "shin") one(b.shin);
    else if (key == "foot") one(b.foot);
    else throw ParseError("unknown bone '" + key + "'");
}

void set_thickness(Bones& b, const std::string& key, const std::string& value) {
    const std::vector<std::string> parts = split(value, ',');
    auto one = [&](double& field) {
        if (parts.size() != 1) throw ParseError("'" + key + "' takes one number");
        field = to_number(parts[0]);
    };
    auto two = [&](double& r0, double& r1) {
        if (parts.size() != 2) throw ParseError("'" + key + "' takes two numbers: start,end");
        r0 = to_number(parts[0]);
        r1 = to_number(parts[1]);
    };
    if (key == "neck") one(b.neck_r);
    else if (key == "chest") one(b.chest_r);
    else if (key == "waist") one(b.waist_r);
    else if (key == "belly") one(b.belly_r);
    else if (key == "fist") one(b.fist_r);
    else if (key == "upperarm") two(b.upperarm_r0, b.upperarm_r1);
    else if (key == "forearm") two(b.forearm_r0, b.forearm_r1);
    else if (key == "thigh") two(b.thigh_r0, b.thigh_r1);
    else if (key == "shin") two(b.shin_r0, b.shin_r1);
    else if (key == "foot") two(b.foot_r0, b.foot_r1);
    else throw ParseError("unknown thickness '" + key + "'");
}

PoseRef pose_ref(const std::string& token) {
    PoseRef ref;
    // mix:a:b:fraction
    if (token.rfind("mix:", 0) == 0) {
        const auto parts = split(token, ':');
        if (parts.size() != 4) throw ParseError("a blend is written mix:POSE:POSE:FRACTION");
        ref.a = parts[1];
        ref.b = parts[2];
        ref.f = to_number(parts[3]);
        return ref;
    }
    ref.a = token;
    return ref;
}

void frame_setting(FrameDef& f, const Setting& s) {
    if (joint_setting(s, f.pose.sets)) return;
    auto need = [&]() {
        if (s.op != '=') throw ParseError("'" + s.key + "' needs a value");
    };
    if (s.key == "t") need(), f.time = to_int(s.value);
    else if (s.key == "vx") need(), f.mvtx = to_int(s.value);
    else if (s.key == "vy") need(), f.mvty = to_int(s.value);
    else if (s.key == "loop" && s.op == 0) f.loop = true;
    else if (s.key == "hit") need(), f.hits = split(s.value, ',');
    else if (s.key == "dmg") need(), f.dmg = to_int(s.value);
    else if (s.key == "kx") need(), f.kx = to_int(s.value);
    else if (s.key == "ky") need(), f.ky = to_int(s.value);
    else if (s.key == "down" && s.op == 0) f.down = true;
    else if (s.key == "mana") need(), f.mana = to_int(s.value);
    else if (s.key == "fx") {
        need();
        const auto parts = split(s.value, '@');
        if (parts.size() != 2) throw ParseError("a launch is written fx=SLOT@POINT");
        f.fx = to_int(parts[0]);
        f.fx_at = parts[1];
    } else if (s.key == "trail") need(), f.trails = split(s.value, ',');
    else if (s.key == "glow") {
        need();
        for (const std::string& g : split(s.value, ',')) {
            const auto parts = split(g, ':');
            Glow glow;
            glow.at = parts[0];
            if (parts.size() > 1) glow.radius = to_number(parts[1]);
            f.glows.push_back(glow);
        }
    } else if (s.key == "aura" && s.op == 0) f.aura = true;
    else if (s.key == "stars" && s.op == 0) f.stars = true;
    else if (s.key == "dust" && s.op == 0) f.dust = true;
    else throw ParseError("unknown frame setting '" + s.key + "'");
}

void fx_setting(FxDef& fx, const Setting& s) {
    if (s.key == "down" && s.op == 0) {
        fx.down = true;
        return;
    }
    if (s.op != '=') throw ParseError("'" + s.key + "' needs a value");
    if (s.key == "kind") fx.kind = s.value;
    else if (s.key == "size") fx.size = to_number(s.value);
    else if (s.key == "speed") fx.speed = to_int(s.value);
    else if (s.key == "t") fx.time = to_int(s.value);
    else if (s.key == "frames") fx.frames = to_int(s.value);
    else if (s.key == "dmg") fx.dmg = to_int(s.value);
    else if (s.key == "kx") fx.kx = to_int(s.value);
    else if (s.key == "ky") fx.ky = to_int(s.value);
    else if (s.key == "colour") fx.colour = s.value;
    else if (s.key == "colour2") fx.colour2 = s.value;
    else throw ParseError("unknown projectile setting '" + s.key + "'");
}

class Parser {
public:
    explicit Parser(FighterSource& out) : out_(out) {}

    void parse(const std::string& text, const fs::path& dir, const std::string& label, int depth) {
        if (depth > 8) throw std::runtime_error(label + ": includes nest too deeply");
        std::istringstream in(text);
        std::string raw;
        int line_no = 0;
        AnimDef* anim = nullptr;
        while (std::getline(in, raw)) {
            ++line_no;
            // A comment starts with '#' at the start of a line or after a
            // blank; colours (skin=#e0a474) keep theirs.
            for (std::size_t i = 0; i < raw.size(); ++i)
                if (raw[i] == '#' && (i == 0 || raw[i - 1] == ' ' || raw[i - 1] == '\t')) {
                    raw.erase(i);
                    break;
                }
            std::istringstream words(raw);
            std::vector<std::string> tok;
            for (std::string w; words >> w;) tok.push_back(w);
            if (tok.empty()) continue;
            try {
                const std::string& cmd = tok[0];
                if (cmd == "frame") {
                    if (!anim) throw ParseError("'frame' outside an 'anim'");
                    if (tok.size() < 2) throw ParseError("'frame' needs a pose");
                    FrameDef f;
                    f.line = line_no;
                    f.pose = pose_ref(tok[1]);
                    for (std::size_t i = 2; i < tok.size(); ++i) frame_setting(f, setting(tok[i]));
                    if (anim->frames.size() >= 15) throw ParseError("an animation holds at most 15 frames");
                    anim->frames.push_back(f);
                    continue;
                }
                anim = nullptr;
                if (cmd == "include") {
                    if (tok.size() != 2) throw ParseError("'include' takes one file name");
                    const fs::path file = dir / tok[1];
                    parse(read_text_file(file), file.parent_path(), file.string(), depth + 1);
                } else if (cmd == "fighter") {
                    if (tok.size() != 2) throw ParseError("'fighter' takes one name");
                    out_.name = tok[1];
                } else if (cmd == "tempo" || cmd == "power") {
                    if (tok.size() != 2) throw ParseError("'" + cmd + "' takes one number");
                    const double v = to_number(tok[1]);
                    if (v <= 0.2 || v > 5) throw ParseError("'" + cmd + "' should be between 0.2 and 5");
                    (cmd == "tempo" ? out_.tempo : out_.power) = v;
                } else if (cmd == "bones" || cmd == "thickness" || cmd == "palette" || cmd == "paint") {
                    for (std::size_t i = 1; i < tok.size(); ++i) {
                        const Setting s = setting(tok[i]);
                        if (s.op != '=') throw ParseError("'" + tok[i] + "' should be name=value");
                        if (cmd == "bones") set_bone(out_.bones, s.key, s.value);
                        else if (cmd == "thickness") set_thickness(out_.bones, s.key, s.value);
                        else if (cmd == "palette") out_.palette[s.key] = to_colour(s.value);
                        else out_.paint[s.key] = s.value;
                    }
                } else if (cmd == "look") {
                    for (std::size_t i = 1; i < tok.size(); ++i) {
                        const Setting s = setting(tok[i]);
                        out_.look.features[s.key] = s.op ? split(s.value, ':') : std::vector<std::string>{};
                    }
                } else if (cmd == "pose") {
                    if (tok.size() < 2) throw ParseError("'pose' needs a name");
                    PoseDef def;
                    for (std::size_t i = 2; i < tok.size(); ++i) {
                        const Setting s = setting(tok[i]);
                        if (s.key == "from" && s.op == '=') def.base = s.value;
                        else if (!joint_setting(s, def.sets)) throw ParseError("unknown joint '" + s.key + "'");
                    }
                    out_.poses[tok[1]] = def;
                } else if (cmd == "anim") {
                    if (tok.size() < 2) throw ParseError("'anim' needs a slot number");
                    const int slot = to_int(tok[1]);
                    if (slot < 0 || slot >= 60) throw ParseError("slots are 0 to 59");
                    AnimDef def;
                    def.slot = slot;
                    for (std::size_t i = 2; i < tok.size(); ++i) def.title += (i > 2 ? " " : "") + tok[i];
                    out_.anims[slot] = def;
                    anim = &out_.anims[slot];
                } else if (cmd == "fx") {
                    if (tok.size() < 2) throw ParseError("'fx' needs a slot number");
                    FxDef fx;
                    fx.slot = to_int(tok[1]);
                    if (fx.slot < 0 || fx.slot >= 60) throw ParseError("slots are 0 to 59");
                    for (std::size_t i = 2; i < tok.size(); ++i) fx_setting(fx, setting(tok[i]));
                    if (fx.frames < 1 || fx.frames > 15) throw ParseError("a projectile has 1 to 15 frames");
                    out_.fx[fx.slot] = fx;
                } else {
                    throw ParseError("unknown directive '" + cmd + "'");
                }
            } catch (const ParseError& e) {
                throw std::runtime_error(label + ":" + std::to_string(line_no) + ": " + e.what());
            }
        }
    }

private:
    FighterSource& out_;
};

}  // namespace

std::string Look::arg(const std::string& f, std::size_t i, const std::string& fallback) const {
    const auto it = features.find(f);
    if (it == features.end() || i >= it->second.size() || it->second[i].empty()) return fallback;
    return it->second[i];
}

double Look::num(const std::string& f, std::size_t i, double fallback) const {
    const std::string s = arg(f, i);
    return s.empty() ? fallback : std::strtod(s.c_str(), nullptr);
}

Rgb FighterSource::colour(const std::string& entry) const {
    const auto it = palette.find(entry);
    if (it == palette.end()) throw std::runtime_error(name + ": no colour '" + entry + "' in the palette");
    return it->second;
}

Rgb FighterSource::part_colour(const std::string& part) const {
    const auto it = paint.find(part);
    return colour(it == paint.end() ? "skin" : it->second);
}

Pose FighterSource::pose(const std::string& name) const {
    std::vector<const PoseDef*> chain;
    std::set<std::string> seen;
    std::string cur = name;
    while (!cur.empty()) {
        if (!seen.insert(cur).second) throw std::runtime_error(this->name + ": pose '" + name + "' is circular");
        const auto it = poses.find(cur);
        if (it == poses.end()) throw std::runtime_error(this->name + ": unknown pose '" + cur + "'");
        chain.push_back(&it->second);
        cur = it->second.base;
    }
    Pose p;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const PoseDef::Set& s : (*it)->sets) p[s.joint] = s.relative ? p[s.joint] + s.value : s.value;
    return p;
}

Pose FighterSource::pose(const PoseRef& ref) const {
    Pose p = pose(ref.a);
    if (!ref.b.empty()) p = mix(p, pose(ref.b), ref.f);
    for (const PoseDef::Set& s : ref.sets) p[s.joint] = s.relative ? p[s.joint] + s.value : s.value;
    return p;
}

FighterSource parse_fighter_text(const std::string& text, const fs::path& dir, const std::string& label) {
    FighterSource src;
    Parser(src).parse(text, dir, label, 0);
    if (src.name.empty()) throw std::runtime_error(label + ": no 'fighter' line");
    return src;
}

FighterSource parse_fighter(const fs::path& file) {
    return parse_fighter_text(read_text_file(file), file.parent_path(), file.string());
}
