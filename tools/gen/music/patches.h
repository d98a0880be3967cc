#pragma once
// The synthesiser patches a score can play, by name: the studio synth the
// menu theme is written for (instruments.h) and the stages' patches
// (fight_instruments.h). Each note is rendered on its own, release tail
// included, and mixed onto its instrument's bus.

#include <string>
#include <vector>

#include "common/audio.h"
#include "common/rng.h"

struct NoteOn {
    double gate = 0.25;             // seconds the note is held
    std::vector<double> hz;         // one frequency, or several for a chord
    double velocity = 0.8;
    int index = 0;                  // position of the note in its part (for alternating effects)
};

using Patch = Sound (*)(const NoteOn&, Rng&);

struct NamedPatch {
    const char* name;
    Patch play;
};

// A family of patches, in the order their names are listed.
using PatchTable = std::vector<NamedPatch>;

// The studio synth's patch names, then the stages'.
const std::vector<std::string>& instrument_names();
const std::vector<std::string>& stage_instrument_names();

// Plays the patch of that name from either family; throws for a name neither knows.
Sound play_instrument(const std::string& name, const NoteOn& note, Rng& rng);
