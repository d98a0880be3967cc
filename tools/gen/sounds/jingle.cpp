#include "sounds/jingle.h"

#include <cmath>

#include "audio/effects.h"
#include "audio/synth.h"
#include "common/rng.h"
#include "producers.h"

namespace {

constexpr double kLength = 3.4;

// A glassy chime: an FM tone whose brightness fades fast, over two quieter
// inharmonic partials that give it the ring of struck metal.
std::vector<float> chime(double hz, double velocity, double seconds) {
    std::vector<float> out(to_frames(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double w = kTwoPi * hz * t;
        const double x = std::sin(w + 1.5 * decay(t, 0.14) * std::sin(w)) * decay(t, 0.9) +
                         0.22 * std::sin(2.76 * w) * decay(t, 0.32) + 0.1 * std::sin(5.4 * w) * decay(t, 0.11);
        out[i] = static_cast<float>(x * std::min(1.0, t / 0.0015) * velocity);
    }
    return out;
}

}  // namespace

Sound studio_jingle() {
    Sound dry(to_frames(kLength), true);
    Rng rng(0x9E11'D00D'0002ull);

    // Rising arpeggio on the subdominant, A major ninth...
    const double arpeggio[][2] = {{0.00, 69}, {0.08, 73}, {0.16, 76}, {0.24, 80}, {0.32, 83}};
    for (int i = 0; i < 5; ++i) {
        const double pan = -0.5 + 0.25 * i;
        mix_in(dry, chime(midi_to_hz(arpeggio[i][1]), 0.55 + 0.06 * i, 1.6), to_frames(arpeggio[i][0]), 1.0, pan);
    }

    // ...a soft swell of filtered noise leading into the resolution...
    {
        const double rise = 0.56;
        std::vector<float> swell(to_frames(rise + 0.2));
        Svf band;
        for (std::size_t i = 0; i < swell.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            band.set(800 + 5000 * std::min(t, rise) / rise, 0.5);
            const double env = t < rise ? std::pow(t / rise, 2.5) : decay(t - rise, 0.035);
            swell[i] = static_cast<float>(band.bandpass(rng.bipolar()) * env * 0.18);
        }
        mix_in(dry, swell, to_frames(0.1), 1.0, 0.0);
    }

    // ...which lands on the tonic, E major, strummed lightly...
    const double resolve_at = 0.66;
    const int chord[] = {64, 68, 71, 76};
    for (int i = 0; i < 4; ++i)
        mix_in(dry, chime(midi_to_hz(chord[i]), 0.6, kLength - resolve_at), to_frames(resolve_at + 0.018 * i), 1.0,
               -0.3 + 0.2 * i);

    // ...over a warm pad that blooms and fades.
    {
        const int pad_notes[] = {40, 52, 56, 59};
        std::vector<float> pad(to_frames(kLength - resolve_at + 0.05));
        std::vector<Osc> osc;
        for (int k = 0; k < 8; ++k) osc.emplace_back(rng.uniform());
        Svf filter;
        filter.set(1200, 0.1);
        for (std::size_t i = 0; i < pad.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            double x = 0;
            for (int k = 0; k < 8; ++k) {
                const double hz = midi_to_hz(pad_notes[k % 4] + (k < 4 ? -0.06 : 0.06));
                x += k % 4 == 0 ? 1.4 * osc[k].sine(hz) : osc[k].triangle(hz);
            }
            const double env = (1.0 - decay(t, 0.18)) * decay(t, 1.1);
            pad[i] = static_cast<float>(filter.lowpass(x) * env * 0.09);
        }
        mix_in(dry, pad, to_frames(resolve_at - 0.05), 1.0, 0.0);
    }

    // A shimmer of tiny high notes from the E major pentatonic scale,
    // thinning out as the chord dies away.
    const int sparkle_notes[] = {88, 90, 92, 95, 97, 100, 102, 104};
    double at = 0.3;
    while (at < 2.4) {
        const int note = sparkle_notes[static_cast<int>(rng.uniform() * 8)];
        std::vector<float> grain(to_frames(0.4));
        Osc o;
        for (std::size_t i = 0; i < grain.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            grain[i] = static_cast<float>(o.sine(midi_to_hz(note)) * decay(t, 0.09) * std::min(1.0, t / 0.003));
        }
        const double fade = 1.0 - (at - 0.3) / 2.3;
        mix_in(dry, grain, to_frames(at), 0.12 * fade + 0.03, rng.bipolar() * 0.8);
        at += 0.035 + 0.09 * rng.uniform() * (1.5 - fade);
    }

    Sound wet = reverb(dry, {0.86, 0.35, 1.0, 0.015});
    const Sound echoes = ping_pong_delay(dry, 0.19, 0.35, 5000);
    Sound out = dry;
    mix_in(out, echoes, 0, 0.28);
    mix_in(out, wet, 0, 0.55);
    fade_out(out, 0.6);
    normalise(out, -1.0);
    return out;
}

void produce_studio_jingle(Context& ctx) { ctx.out.write_wav("wav/Pyxelharn.wav", studio_jingle()); }
