#pragma once
// The patches written for the stages' music, beside the studio synth of
// instruments.h: a driven guitar and a riser for the airport, funk bass,
// clavinet, brass and electric piano for the town, and the temple's sitar,
// tanpura and bansuri flute. Played through play_instrument like the others.

#include <string>
#include <vector>

#include "audio.h"
#include "instruments.h"
#include "rng.h"

const std::vector<std::string>& stage_instrument_names();

// Plays a stage patch; returns an empty sound for a name it doesn't know.
Sound play_stage_instrument(const std::string& name, const NoteOn& note, Rng& rng);
