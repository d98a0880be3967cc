#include "music/instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "audio/synth.h"

namespace {

// Filter sweeps are recomputed every few samples: far cheaper, and inaudible.
constexpr std::size_t kControlRate = 16;

double semitones(double st) { return std::pow(2.0, st / 12.0); }

// A bright, slightly detuned saw lead with a plucky filter opening and a
// vibrato that only arrives once the note has settled, like a player's.
Sound lead(const NoteOn& n, Rng&) {
    const Adsr env{0.006, 0.28, 0.62, 0.14};
    const double hz = n.hz.at(0);
    Sound s(to_frames(env.length(n.gate)), true);
    Osc a(0.0), b(0.37), sub(0.61), vib;
    const double detune_down = semitones(-0.09), detune_up = semitones(0.09);
    Svf fl, fr;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double vibrato_depth = 0.14 * std::clamp((t - 0.16) / 0.25, 0.0, 1.0);
        const double f = hz * semitones(vibrato_depth * vib.sine(5.6));
        const double sa = a.saw(f * detune_down), sb = b.saw(f * detune_up);
        const double sq = 0.35 * sub.square(f * 0.5, 0.5);
        if (i % kControlRate == 0) {
            const double cutoff = 600 + hz * 2.5 + 4200 * n.velocity * decay(t, 0.16);
            fl.set(cutoff, 0.3);
            fr.set(cutoff, 0.3);
        }
        const double e = env.at(t, n.gate) * n.velocity * 0.5;
        s.left[i] = static_cast<float>(fl.lowpass(sa + 0.55 * sb + sq) * e);
        s.right[i] = static_cast<float>(fr.lowpass(sb + 0.55 * sa + sq) * e);
    }
    return s;
}

// Saw plus sub sine through a snappy low-pass: the filter blip on each note
// is what makes an eighth-note bass line drive.
Sound bass(const NoteOn& n, Rng&) {
    const Adsr env{0.003, 0.2, 0.72, 0.05};
    const double gate = n.gate * 0.82;
    const double hz = n.hz.at(0);
    Sound s(to_frames(env.length(gate)), true);
    Osc saw, square(0.25), sub;
    Svf filter;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        filter.set(160 + hz * 1.5 + 1500 * n.velocity * decay(t, 0.065), 0.35);
        const double body = filter.lowpass(saw.saw(hz) + 0.3 * square.square(hz, 0.5));
        const double x = std::tanh(1.4 * (body + 0.8 * sub.sine(hz))) * env.at(t, gate) * n.velocity * 0.6;
        s.left[i] = s.right[i] = static_cast<float>(x);
    }
    return s;
}

// Six detuned saws a note, three a side, under a slowly breathing low-pass:
// a wide, soft bed for the chords.
Sound pad(const NoteOn& n, Rng& rng) {
    const Adsr env{0.32, 0.6, 0.8, 0.7};
    Sound s(to_frames(env.length(n.gate)), true);
    static constexpr std::array<double, 3> kLeft{-0.13, 0.02, 0.11}, kRight{-0.07, 0.12, -0.02};
    const double per_key = 0.22 / std::sqrt(static_cast<double>(n.hz.size()));
    for (double hz : n.hz) {
        std::array<Osc, 6> osc{Osc(rng.uniform()), Osc(rng.uniform()), Osc(rng.uniform()),
                               Osc(rng.uniform()), Osc(rng.uniform()), Osc(rng.uniform())};
        Svf fl, fr;
        Osc lfo(rng.uniform());
        std::array<double, 6> detuned;
        for (int k = 0; k < 3; ++k) {
            detuned[k] = hz * semitones(kLeft[k]);
            detuned[k + 3] = hz * semitones(kRight[k]);
        }
        for (std::size_t i = 0; i < s.frames(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double sweep = lfo.sine(0.23);
            if (i % kControlRate == 0) {
                fl.set(1500 + 500 * sweep, 0.15);
                fr.set(1500 + 500 * sweep, 0.15);
            }
            double l = 0, r = 0;
            for (int k = 0; k < 3; ++k) {
                l += osc[k].saw(detuned[k]);
                r += osc[k + 3].saw(detuned[k + 3]);
            }
            const double e = env.at(t, n.gate) * n.velocity * per_key;
            s.left[i] += static_cast<float>(fl.lowpass(l) * e);
            s.right[i] += static_cast<float>(fr.lowpass(r) * e);
        }
    }
    return s;
}

// A short filtered pluck for arpeggios; successive notes lean left and
// right so a run of sixteenths sparkles across the stereo field.
Sound pluck(const NoteOn& n, Rng&) {
    const Adsr env{0.002, 0.22, 0.0, 0.06};
    const double hz = n.hz.at(0);
    Sound s(to_frames(0.3), true);
    Osc sq, saw(0.5);
    Svf filter;
    const double pan = (n.index % 2 == 0 ? -0.45 : 0.45);
    const double gl = std::sqrt(0.5 * (1 - pan)), gr = std::sqrt(0.5 * (1 + pan));
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        filter.set(500 + hz + 5000 * n.velocity * decay(t, 0.045), 0.45);
        const double x = filter.lowpass(0.6 * sq.square(hz, 0.3) + 0.5 * saw.saw(hz)) * env.at(t, 0.25) * n.velocity * 0.45;
        s.left[i] = static_cast<float>(x * gl);
        s.right[i] = static_cast<float>(x * gr);
    }
    return s;
}

// Bell-like FM tone (inharmonic 1 : 3.5 ratio) for sparse counter-melodies.
Sound bell(const NoteOn& n, Rng&) {
    const double hz = n.hz.at(0);
    Sound s(to_frames(n.gate + 1.6), true);
    Osc carrier, modulator;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double index = 2.2 * decay(t, 0.25) + 0.3;
        const double x = carrier.sine(hz + index * hz * 3.5 * modulator.sine(hz * 3.5)) * decay(t, 0.55) *
                         std::min(1.0, t / 0.002) * n.velocity * 0.35;
        s.left[i] = s.right[i] = static_cast<float>(x);
    }
    return s;
}

}  // namespace

const PatchTable& studio_patches() {
    static const PatchTable table{
        {"lead", lead},
        {"bass", bass},
        {"pad", pad},
        {"pluck", pluck},
        {"bell", bell},
    };
    return table;
}
