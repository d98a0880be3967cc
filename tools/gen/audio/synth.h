#pragma once
// Sound building blocks shared by every synthesised sound: oscillators,
// filters, envelopes, panning and level control.

#include <cmath>
#include <cstddef>
#include <vector>

#include "common/audio.h"

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

inline double midi_to_hz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }
inline double db_to_gain(double db) { return std::pow(10.0, db / 20.0); }
inline std::size_t to_frames(double seconds, int rate = kSampleRate) {
    return seconds <= 0 ? 0 : static_cast<std::size_t>(std::lround(seconds * rate));
}

// The residual that smooths a unit step at phase 0 of a waveform whose phase
// advances by dt a sample (polyBLEP): add it where the wave jumps up.
double poly_blep(double t, double dt);

// Phase-accumulating oscillator. Saw and square are band-limited with
// polyBLEP so high notes don't alias into a hiss.
class Osc {
public:
    explicit Osc(double start_phase = 0) : phase_(start_phase - std::floor(start_phase)) {}
    double sine(double hz);
    double saw(double hz);
    double square(double hz, double width = 0.5);
    double triangle(double hz);

private:
    double advance(double hz);
    double phase_;
};

// Topology-preserving state-variable filter (Zavalishin): stays stable while
// its cutoff sweeps every sample, which the filter envelopes rely on.
class Svf {
public:
    struct Out {
        double low, band, high;
    };
    void set(double cutoff_hz, double resonance, int rate = kSampleRate);  // resonance 0..~0.95
    Out process(double x);
    double lowpass(double x) { return process(x).low; }
    double bandpass(double x) { return process(x).band; }
    double highpass(double x) { return process(x).high; }

private:
    double g_ = 0, k_ = 2, a1_ = 0, a2_ = 0, a3_ = 0;
    double ic1_ = 0, ic2_ = 0;
};

// Attack-decay-sustain-release; `gate` is how long the note is held.
struct Adsr {
    double attack = 0.005, decay = 0.1, sustain = 0.7, release = 0.1;
    double at(double t, double gate) const;
    double length(double gate) const { return gate + release; }
};

// Exponential decay reaching 1/e after `tau` seconds.
inline double decay(double t, double tau) { return t < 0 ? 0 : std::exp(-t / tau); }

// Adds a mono signal into a stereo (or mono) sound at a frame offset, with an
// equal-power pan position in [-1, 1].
void mix_in(Sound& dst, const std::vector<float>& mono, std::size_t offset, double gain, double pan = 0);
// Adds one sound into another of the same channel count.
void mix_in(Sound& dst, const Sound& src, std::size_t offset = 0, double gain = 1);

double peak(const Sound& s);
double rms(const Sound& s);
// Scales so the loudest sample sits at `peak_dbfs`.
void normalise(Sound& s, double peak_dbfs = -1.0);
void fade_out(Sound& s, double seconds);
// A gentle high-pass well below hearing that removes any DC offset, which
// pulse waves and drive leave behind and which would waste headroom.
void remove_dc(Sound& s, double cutoff_hz = 12.0);
void fade_in(Sound& s, double seconds);
// Gentle saturation on the whole sound: rounds off the few highest peaks so
// normalising leaves the body of the sound loud enough.
void soft_clip(Sound& s, double drive);
