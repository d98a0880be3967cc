#pragma once
// The synthesiser patches a score can play. Each note is rendered on its
// own, release tail included, and mixed onto its instrument's bus.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "audio.h"
#include "rng.h"

struct NoteOn {
    double gate = 0.25;             // seconds the note is held
    std::vector<double> hz;         // one frequency, or several for a chord
    double velocity = 0.8;
    int index = 0;                  // position of the note in its part (for alternating effects)
};

// The studio synth: the patches the menu theme is written for.
const std::vector<std::string>& instrument_names();
// Plays one of those, or one of the stage patches (fight_instruments.h).
Sound play_instrument(const std::string& name, const NoteOn& note, Rng& rng);

// A table of patches by name, as each family of instruments keeps its own.
using Patch = Sound (*)(const NoteOn&, Rng&);

struct NamedPatch {
    const char* name;
    Patch play;
};

template <std::size_t N>
std::vector<std::string> patch_names(const std::array<NamedPatch, N>& table) {
    std::vector<std::string> names;
    for (const auto& p : table) names.push_back(p.name);
    return names;
}

// The patch of that name in the table, or null.
template <std::size_t N>
Patch find_patch(const std::array<NamedPatch, N>& table, const std::string& name) {
    for (const auto& p : table)
        if (name == p.name) return p.play;
    return nullptr;
}
