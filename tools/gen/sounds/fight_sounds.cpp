#include "sounds/fight_sounds.h"

#include <cmath>
#include <map>
#include <set>

#include "common/output.h"
#include "producers.h"
#include "sounds/fight_impacts.h"
#include "sounds/fight_magic.h"

namespace {

// Takes the settings an effect may have, with their defaults and limits,
// and rejects anything else.
class Settings {
public:
    Settings(const EffectLine& e, const std::string& source) : e_(e), source_(source) {}

    double get(const std::string& key, double fallback, double lo, double hi) {
        used_.insert(key);
        const auto it = e_.settings.find(key);
        if (it == e_.settings.end()) return fallback;
        if (it->second < lo || it->second > hi) {
            char range[128];
            std::snprintf(range, sizeof range, "%s must lie between %g and %g", key.c_str(), lo, hi);
            fail(range);
        }
        return it->second;
    }

    void done() const {
        for (const auto& [key, value] : e_.settings) {
            if (used_.count(key)) continue;
            std::string known;
            for (const auto& k : used_) known += (known.empty() ? "" : ", ") + k;
            fail("a " + e_.kind + " has no setting '" + key + "' (" + known + ")");
        }
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw SoundDesignError(source_ + ":" + std::to_string(e_.line) + ": " + what);
    }

private:
    const EffectLine& e_;
    const std::string& source_;
    std::set<std::string> used_;
};

}  // namespace

const std::vector<std::string>& sound_fighters() {
    static const std::vector<std::string> fighters{"shiz", "talon", "vishvakarman", "panda"};
    return fighters;
}

std::uint64_t sound_seed(const std::string& fighter, const std::string& name) {
    std::uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a
    for (char c : fighter + "/" + name) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    return h;
}

Sound render_effect(const EffectLine& e, const std::string& source, std::uint64_t seed) {
    Settings s(e, source);
    Sound out;
    if (e.kind == "whoosh" || e.kind == "jump") {
        Swing swing;
        swing.seconds = s.get("seconds", 0.25, 0.05, 1.5);
        swing.pitch = s.get("pitch", 1.0, 0.3, 3.0);
        swing.weight = s.get("weight", 0.5, 0, 1);
        if (e.kind == "whoosh") swing.ring = s.get("ring", 0, 0, 1);
        s.done();
        out = e.kind == "whoosh" ? whoosh(swing, seed) : jump_push(swing, seed);
    } else if (e.kind == "steps") {
        const double count = s.get("count", 4, 1, 12);
        if (count != std::floor(count)) s.fail("count is a whole number of steps");
        const double pace = s.get("pace", 0.15, 0.05, 0.5);
        const double weight = s.get("weight", 0.5, 0, 1);
        s.done();
        out = running_steps(static_cast<int>(count), pace, weight, seed);
    } else if (e.kind == "fireball") {
        const double seconds = s.get("seconds", 1.1, 0.3, 3.0);
        const double pitch = s.get("pitch", 1.0, 0.3, 3.0);
        s.done();
        out = fireball_launch(seconds, pitch, seed);
    } else {
        s.fail("unknown effect '" + e.kind + "' (whoosh, jump, steps, fireball)");
    }
    return out;
}

void produce_fight_sounds(Context& ctx) {
    ctx.out.write_wav("wav/hit1.wav", punch_impact());
    ctx.out.write_wav("wav/hit2.wav", kick_impact());
    ctx.out.write_wav("wav/PROTECT.wav", guard_block());
    for (const std::string& fighter : sound_fighters()) {
        const auto path = ctx.content_dir / "sounds" / (fighter + ".txt");
        const FighterSounds design = parse_fighter_sounds(read_text_file(path), path.string());
        const std::string folder = fighter + "/wav/";
        for (const Cry& cry : design.cries)
            ctx.out.write_wav(folder + cry.name + ".wav", speak(design.voice, cry, sound_seed(fighter, cry.name)));
        for (const EffectLine& effect : design.effects)
            ctx.out.write_wav(folder + effect.name + ".wav", render_effect(effect, design.source, sound_seed(fighter, effect.name)));
    }
}
