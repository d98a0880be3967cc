#pragma once
// The synthesiser patches a score can play. Each note is rendered on its
// own, release tail included, and mixed onto its instrument's bus.

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
