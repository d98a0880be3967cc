#pragma once
// Time-based effects, applied to a send bus; each returns only the wet
// signal, stereo and as long as its input, for the caller to mix back in.

#include "common/audio.h"

struct ReverbSettings {
    double room = 0.8;       // 0..1: how long the tail rings
    double damping = 0.4;    // 0..1: how fast the highs die away
    double width = 1.0;      // 0 = mono tail, 1 = fully decorrelated sides
    double predelay = 0.02;  // seconds before the tail starts
};

// A Schroeder-Moorer hall in the classic Freeverb arrangement: parallel
// damped combs into series allpasses, the right side slightly detuned.
Sound reverb(const Sound& send, const ReverbSettings& settings);

// Echoes bouncing between left and right, each one darker than the last.
Sound ping_pong_delay(const Sound& send, double seconds, double feedback, double tone_hz);
