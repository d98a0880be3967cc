#pragma once
// A synthesised drum kit. Every hit is rendered afresh (the noise differs a
// little each time), which keeps fast hat patterns from sounding mechanical.

#include <string>
#include <vector>

#include "common/rng.h"

enum class Drum {
    Kick, Snare, Clap, ClosedHat, OpenHat, Crash, TomHigh, TomLow,
    RimShot, Shaker,
    // A tabla pair: the small right drum (dayan) rung on its rim (na) or
    // open on its black spot (tin), the big left one (baya) open with the
    // heel pressing the pitch up (ge) or slapped flat (ke). Played together
    // they make the composite strokes: na + ge is "dha", tin + ge "dhin".
    TablaNa, TablaTin, BayaGe, BayaKe,
};

// Names as written in scores, in enum order.
const std::vector<std::string>& drum_names();

std::vector<float> drum_hit(Drum drum, double velocity, Rng& rng);
// Where the kit piece sits in the stereo image, as a drummer's kit would.
double drum_pan(Drum drum);
