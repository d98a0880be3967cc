#include "sounds/fight_impacts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "audio/synth.h"
#include "common/rng.h"

namespace {

double seconds_at(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// A sine whose frequency moves, for thumps that drop in pitch.
class Sweep {
public:
    double next(double hz) {
        phase_ += hz / kSampleRate;
        phase_ -= std::floor(phase_);
        return std::sin(kTwoPi * phase_);
    }

private:
    double phase_ = 0;
};

// Every hit ends in silence and sits at the same peak.
void finish(Sound& s, double peak_dbfs, double fade = 0.03) {
    remove_dc(s, 30.0);
    fade_out(s, fade);
    normalise(s, peak_dbfs);
}

}  // namespace

Sound punch_impact() {
    Sound s(to_frames(0.24), false);
    Rng rng(0x4817'0001ull);
    Svf crack_hp, slap_bp, air_lp;
    crack_hp.set(3200, 0.1);
    slap_bp.set(1150, 0.45);
    air_lp.set(2200, 0.0);
    Sweep body, knock;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        const double n = rng.bipolar();
        // The knuckles' crack, the slap of skin, the thump of the body behind
        // it, a hollow knock, and a breath of air and cloth.
        double x = crack_hp.highpass(n) * decay(t, 0.0025) * 0.9;
        x += slap_bp.bandpass(n) * decay(t, 0.022) * 1.4;
        x += body.next(55 + 110 * decay(t, 0.02)) * decay(t, 0.07) * 1.0;
        x += knock.next(310 * (1 + 0.3 * decay(t, 0.008))) * decay(t, 0.028) * 0.35;
        x += air_lp.lowpass(n) * decay(t, 0.06) * 0.3;
        s.left[i] = static_cast<float>(std::tanh(1.7 * x * std::min(1.0, t / 0.0004)));
    }
    finish(s, -1.5);
    return s;
}

Sound kick_impact() {
    Sound s(to_frames(0.3), false);
    Rng rng(0x4817'0002ull);
    Svf crack_hp, slap_bp, cloth_bp, air_lp;
    crack_hp.set(2300, 0.15);
    slap_bp.set(720, 0.5);
    cloth_bp.set(1800, 0.3);
    air_lp.set(1500, 0.0);
    Sweep body, sub;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        const double n = rng.bipolar();
        // Shin first, the foot 13 ms later: a doubled, heavier impact.
        double strike = decay(t, 0.003);
        const double t2 = t - 0.013;
        if (t2 >= 0) strike += 0.8 * decay(t2, 0.004);
        double x = crack_hp.highpass(n) * strike * 0.8;
        double slap = decay(t, 0.03);
        if (t2 >= 0) slap += 0.7 * decay(t2, 0.035);
        x += slap_bp.bandpass(n) * slap * 1.3;
        x += body.next(46 + 95 * decay(t, 0.03)) * decay(t, 0.11) * 1.1;
        x += sub.next(38) * (1 - decay(t, 0.004)) * decay(t, 0.09) * 0.5;
        // The gi snapping as the leg extends, and air.
        x += cloth_bp.bandpass(n) * decay(t, 0.012) * 0.4;
        x += air_lp.lowpass(n) * decay(t, 0.09) * 0.3;
        s.left[i] = static_cast<float>(std::tanh(1.9 * x * std::min(1.0, t / 0.0004)));
    }
    finish(s, -1.0);
    return s;
}

Sound guard_block() {
    Sound s(to_frames(0.26), false);
    Rng rng(0x4817'0003ull);
    Svf thud_lp, scrape_bp, muffle;
    thud_lp.set(600, 0.1);
    scrape_bp.set(2500, 0.4);
    muffle.set(2600, 0.1);
    Sweep thud;
    // A bracer's plate: inharmonic modes, heavily damped by the arm inside.
    struct Mode {
        double hz, amp, tau;
    };
    static constexpr std::array<Mode, 5> kModes{{
        {540, 0.55, 0.09}, {1290, 0.45, 0.07}, {2170, 0.3, 0.05}, {3010, 0.2, 0.04}, {4120, 0.12, 0.03},
    }};
    std::array<Sweep, kModes.size()> modes;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        const double n = rng.bipolar();
        double x = thud_lp.lowpass(n) * decay(t, 0.03) * 1.6;
        x += thud.next(105 + 80 * decay(t, 0.015)) * decay(t, 0.05) * 0.9;
        double clank = 0;
        const double tc = t - 0.002;
        if (tc >= 0)
            for (std::size_t m = 0; m < kModes.size(); ++m) clank += modes[m].next(kModes[m].hz) * kModes[m].amp * decay(tc, kModes[m].tau);
        x += muffle.lowpass(clank + scrape_bp.bandpass(n) * decay(t, 0.015) * 0.8) * 0.9;
        s.left[i] = static_cast<float>(std::tanh(1.4 * x * std::min(1.0, t / 0.0005)));
    }
    finish(s, -2.0, 0.05);
    return s;
}

Sound whoosh(const Swing& w, std::uint64_t seed) {
    Sound s(to_frames(w.seconds), false);
    Rng rng(seed);
    Svf band, upper, rush, soften;
    constexpr double kPeakAt = 0.42;
    static constexpr std::array<double, 3> kRing{3100, 4720, 6900};
    std::array<Osc, 3> ring{Osc(0.1), Osc(0.4), Osc(0.7)};
    Osc tremolo;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double u = static_cast<double>(i) / s.frames();
        // Swells as the limb speeds up, falls away faster once it's past.
        const double env = u < kPeakAt ? std::pow(u / kPeakAt, 2.0) : std::pow((1 - u) / (1 - kPeakAt), 1.6);
        const double n = rng.bipolar();
        if (i % 16 == 0) {
            const double centre = 900 * w.pitch * (0.5 + 1.1 * env);
            band.set(centre, 0.7);
            upper.set(centre * 2.3, 0.5);
            rush.set(180 + 220 * w.pitch * env, 0.2);
            // Air has no sizzle: the top opens only as far as the speed takes it.
            soften.set((2500 + 5000 * env) * w.pitch, 0.0);
        }
        double x = soften.lowpass(band.bandpass(n) + 0.35 * upper.bandpass(n)) * env;
        x += rush.lowpass(n) * std::pow(env, 1.3) * w.weight * 3.0;
        if (w.ring > 0) {
            double sheen = 0;
            for (std::size_t k = 0; k < ring.size(); ++k) sheen += ring[k].sine(kRing[k] * w.pitch) / (k + 1.0);
            x += sheen * std::pow(env, 1.5) * w.ring * 0.12 * (1 + 0.3 * tremolo.sine(31));
        }
        s.left[i] = static_cast<float>(x);
    }
    fade_in(s, 0.005);
    fade_out(s, 0.01);
    normalise(s, -2.0);
    return s;
}

Sound jump_push(const Swing& w, std::uint64_t seed) {
    Sound s(to_frames(w.seconds), false);
    Rng rng(seed);
    Svf scuff_bp, band, flutter_bp, soften;
    scuff_bp.set(1600, 0.35);
    soften.set(5500 * w.pitch, 0.0);
    flutter_bp.set(1200 * w.pitch, 0.3);
    Sweep thump;
    Osc flap;
    constexpr double kPeakAt = 0.35;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        const double u = static_cast<double>(i) / s.frames();
        const double n = rng.bipolar();
        // The push: a scuff of the sole and a thump through the floor.
        double x = scuff_bp.bandpass(n) * decay(t, 0.02) * 1.2;
        x += thump.next(58 + 35 * decay(t, 0.015)) * decay(t, 0.04) * (0.4 + 0.9 * w.weight);
        // Then the body rising through the air, clothes fluttering.
        const double env = u < kPeakAt ? u / kPeakAt : std::pow((1 - u) / (1 - kPeakAt), 1.4);
        if (i % 16 == 0) band.set(w.pitch * (500 + 1300 * u), 0.65);
        x += band.bandpass(n) * env * 0.9;
        x += flutter_bp.bandpass(n) * env * (0.5 + 0.5 * flap.sine(22)) * 0.35;
        s.left[i] = static_cast<float>(soften.lowpass(x) * std::min(1.0, t / 0.0005));
    }
    remove_dc(s, 30.0);
    fade_out(s, 0.02);
    normalise(s, -2.5);
    return s;
}

Sound running_steps(int count, double pace, double weight, std::uint64_t seed) {
    Rng rng(seed);
    Sound s(to_frames(count * pace + 0.15), false);
    for (int k = 0; k < count; ++k) {
        const std::size_t at = to_frames(k * pace + rng.range(0.0, 0.008));
        const double strength = (k % 2 == 0 ? 1.0 : 0.8) * rng.range(0.9, 1.0);
        Svf heel_lp, scuff_bp;
        heel_lp.set(420, 0.1);
        scuff_bp.set(rng.range(1800, 2400), 0.35);
        Sweep heel;
        std::vector<float> step(to_frames(0.14));
        for (std::size_t i = 0; i < step.size(); ++i) {
            const double t = seconds_at(i);
            const double n = rng.bipolar();
            double x = heel.next(52 + 38 * decay(t, 0.012)) * decay(t, 0.035) * (0.5 + weight);
            x += heel_lp.lowpass(n) * decay(t, 0.02) * (0.8 + weight);
            x += scuff_bp.bandpass(n) * decay(t - 0.006, 0.014) * 0.6;  // the sole slides a moment after the heel
            step[i] = static_cast<float>(x * strength * std::min(1.0, t / 0.0005));
        }
        mix_in(s, step, at, 1.0);
    }
    remove_dc(s, 30.0);
    fade_out(s, 0.03);
    normalise(s, -3.0);
    return s;
}
