#pragma once
// A synthesised drum kit. Every hit is rendered afresh (the noise differs a
// little each time), which keeps fast hat patterns from sounding mechanical.

#include <string>
#include <vector>

#include "rng.h"

enum class Drum { Kick, Snare, Clap, ClosedHat, OpenHat, Crash, TomHigh, TomLow };

// Names as written in scores, in enum order.
const std::vector<std::string>& drum_names();

std::vector<float> drum_hit(Drum drum, double velocity, Rng& rng);
// Where the kit piece sits in the stereo image, as a drummer's kit would.
double drum_pan(Drum drum);
