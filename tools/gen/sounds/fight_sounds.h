#pragma once
// Every sound of a fight but the music and the announcer: the blows and the
// guard every fighter shares, and each fighter's cries and movements as
// designed in content/sounds/<fighter>.txt.

#include <cstdint>
#include <string>
#include <vector>

#include "common/audio.h"
#include "sounds/fight_voice.h"

struct Context;

// The fighters with a sound design, in the order they are made.
const std::vector<std::string>& sound_fighters();

// A fixed seed per file, so changing one sound never changes another.
std::uint64_t sound_seed(const std::string& fighter, const std::string& name);

// Renders an `effect` line (whoosh, jump, steps, fireball); throws a
// SoundDesignError naming the line for an unknown kind or setting.
Sound render_effect(const EffectLine& effect, const std::string& source, std::uint64_t seed);

void produce_fight_sounds(Context& ctx);
