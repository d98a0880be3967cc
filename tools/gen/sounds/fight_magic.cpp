#include "sounds/fight_magic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "audio/synth.h"
#include "common/rng.h"

Sound fireball_launch(double seconds, double pitch, std::uint64_t seed) {
    Sound s(to_frames(seconds), false);
    Rng rng(seed);
    const double length = seconds;

    // Crackles: short bright ticks, thick at first, thinning as the flame
    // leaves. Placed beforehand so the flame loop stays simple.
    std::vector<float> crackle(s.frames(), 0.0f);
    {
        Svf tick_bp;
        tick_bp.set(3200 * pitch, 0.3);
        for (std::size_t i = 0; i < s.frames(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double density = 0.0025 * std::exp(-t / (0.45 * length));
            const double spark = rng.uniform() < density ? rng.range(0.4, 1.0) * (rng.uniform() < 0.5 ? -1 : 1) : 0.0;
            crackle[i] = static_cast<float>(tick_bp.bandpass(spark * 6.0));
        }
    }

    Svf blast_lp, flame_lp, flame_bp;
    blast_lp.set(1500, 0.1);
    Osc thump, vibrato;
    // The spell: three detuned FM voices gliding up a fifth and a half.
    std::array<Osc, 3> carrier{Osc(0.0), Osc(0.33), Osc(0.66)}, modulator{Osc(0.1), Osc(0.5), Osc(0.8)};
    static constexpr std::array<double, 3> kDetune{1.0, 1.0072, 0.9931};
    // Sparkles: brief high sine grains scattered over the first half.
    struct Grain {
        double at, hz, amp;
    };
    std::vector<Grain> grains;
    for (int k = 0; k < 22; ++k)
        grains.push_back({rng.range(0.02, 0.55 * length), rng.range(2600, 6200) * pitch, rng.range(0.3, 1.0)});

    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double u = t / length;
        const double n = rng.bipolar();

        // The push of air from the hands.
        double x = thump.sine(45 + 40 * decay(t, 0.03)) * decay(t, 0.12) * 0.9;
        x += blast_lp.lowpass(n) * decay(t, 0.07) * 1.4;

        // The flame: a roar whose brightness closes down as it travels away.
        if (i % 16 == 0) {
            const double open = 3200 * pitch * std::exp(-u * 1.6) + 500;
            flame_lp.set(open, 0.25);
            flame_bp.set(open * 0.6, 0.4);
        }
        const double roar_env = std::min(1.0, t / 0.04) * std::pow(1 - u, 1.4);
        x += (flame_lp.lowpass(n) * 1.1 + flame_bp.bandpass(n) * 0.6) * roar_env;
        x += crackle[i] * roar_env * 0.8;

        // The spell's shimmer.
        const double glide = std::min(1.0, t / 0.22);
        const double base = 220 * pitch * std::pow(2.0, 1.6 * glide * glide * (3 - 2 * glide)) *
                            (1 + 0.012 * vibrato.sine(7.0));
        const double index = 1.8 * decay(t, 0.25) + 0.4;
        const double tone_env = std::min(1.0, t / 0.015) * std::pow(1 - u, 2.0) * 0.25;
        for (std::size_t k = 0; k < carrier.size(); ++k) {
            const double hz = base * kDetune[k];
            x += carrier[k].sine(hz + index * hz * 2.0 * modulator[k].sine(hz * 2.0)) * tone_env;
        }
        for (const Grain& g : grains) {
            const double d = t - g.at;
            if (d >= 0 && d < 0.04) x += std::sin(kTwoPi * g.hz * d) * std::sin(kPi * d / 0.04) * g.amp * 0.12;
        }
        s.left[i] = static_cast<float>(std::tanh(1.3 * x) * std::min(1.0, t / 0.001));
    }
    remove_dc(s, 30.0);
    fade_out(s, 0.08);
    normalise(s, -1.0);
    return s;
}
