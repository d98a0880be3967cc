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

const std::vector<std::string>& instrument_names();
Sound play_instrument(const std::string& name, const NoteOn& note, Rng& rng);
