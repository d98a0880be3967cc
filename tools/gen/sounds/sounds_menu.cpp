#include "sounds/sounds_menu.h"

#include <array>
#include <cmath>

#include "audio/effects.h"
#include "audio/synth.h"
#include "common/rng.h"
#include "producers.h"

Sound mouseover_tick() {
    Sound s(to_frames(0.085), false);
    Osc tone, overtone;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // A short upward glide reads as "something lit up" rather than a click.
        const double hz = 2100 - 600 * decay(t, 0.012);
        const double env = std::min(1.0, t / 0.0015) * decay(t, 0.016);
        s.left[i] = static_cast<float>((tone.sine(hz) + 0.18 * overtone.triangle(hz * 2)) * env);
    }
    fade_out(s, 0.01);
    normalise(s, -1.0);
    return s;
}

Sound mouse_click() {
    Sound s(to_frames(0.16), false);
    Rng rng(0xC11C'0003ull);
    Osc tone, upper, thump;
    Svf snap;
    snap.set(3000, 0.2);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // The press: a sharp snap, a woody tone and a small thump...
        double x = snap.highpass(rng.bipolar()) * decay(t, 0.0016) * 0.9;
        x += tone.sine(1150 - 200 * decay(t, 0.01)) * decay(t, 0.022) * 0.7;
        x += upper.sine(1720) * decay(t, 0.012) * 0.25;
        x += thump.sine(150 + 60 * decay(t, 0.01)) * decay(t, 0.035) * 0.8;
        // ...and the lighter release a moment later.
        const double r = t - 0.048;
        if (r >= 0) x += snap.highpass(rng.bipolar()) * decay(r, 0.0012) * 0.35;
        s.left[i] = static_cast<float>(x * std::min(1.0, t / 0.0004));
    }
    remove_dc(s, 40.0);
    fade_out(s, 0.02);
    normalise(s, -1.0);
    return s;
}

namespace {

// A sine by rotating a phasor: one multiply-add per sample, so a gong can
// afford a hundred partials.
class Phasor {
public:
    Phasor(double hz, double phase) : re_(std::cos(kTwoPi * phase)), im_(std::sin(kTwoPi * phase)) {
        step_re_ = std::cos(kTwoPi * hz / kSampleRate);
        step_im_ = std::sin(kTwoPi * hz / kSampleRate);
    }
    double next() {
        const double re = re_ * step_re_ - im_ * step_im_;
        im_ = re_ * step_im_ + im_ * step_re_;
        re_ = re;
        return im_;
    }

private:
    double re_, im_, step_re_, step_im_;
};

}  // namespace

Sound gong() {
    constexpr double kLength = 3.9;
    constexpr double kFundamental = 66.0;
    Sound dry(to_frames(kLength), true);
    Rng rng(0x6076'0004ull);

    // The low modes give the gong its pitch: an inharmonic set like a large
    // tam-tam's, whose pitch sags a little as the metal settles.
    struct Mode {
        double ratio, amp, tau;
    };
    static constexpr std::array<Mode, 8> kModes{{
        {1.00, 1.00, 2.0}, {1.51, 0.62, 1.8}, {2.03, 0.70, 1.7}, {2.44, 0.50, 1.6},
        {2.92, 0.55, 1.5}, {3.41, 0.45, 1.4}, {3.87, 0.42, 1.3}, {4.48, 0.38, 1.2},
    }};
    for (const Mode& m : kModes) {
        // Each mode is a close pair, so it beats slowly; the pairs differ
        // between the sides, which widens the gong in stereo.
        const double beat_l = rng.range(0.2, 1.1), beat_r = rng.range(0.2, 1.1);
        Osc l1(rng.uniform()), l2(rng.uniform()), r1(rng.uniform()), r2(rng.uniform());
        for (std::size_t i = 0; i < dry.frames(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double hz = kFundamental * m.ratio * (1.0 + 0.012 * decay(t, 0.45));
            const double env = m.amp * (1.0 - decay(t, 0.004)) * decay(t, m.tau) * 0.16;
            dry.left[i] += static_cast<float>((l1.sine(hz) + l2.sine(hz + beat_l)) * env);
            dry.right[i] += static_cast<float>((r1.sine(hz) + r2.sine(hz + beat_r)) * env);
        }
    }

    // Above them a dense cloud of higher modes. Energy cascades upwards after
    // the strike, so the higher a mode, the later it blooms and the sooner it
    // fades: the shimmering roar that swells just after the hit.
    constexpr int kCloud = 110;
    for (int k = 0; k < kCloud; ++k) {
        const double hz = 320.0 * std::pow(7200.0 / 320.0, rng.uniform());
        const double height = std::log(hz / 320.0) / std::log(7200.0 / 320.0);  // 0 .. 1
        const double amp = 0.2 * std::pow(320.0 / hz, 0.3) * rng.range(0.5, 1.0);
        const double tau = 1.5 * std::pow(320.0 / hz, 0.45);
        const double bloom = 0.03 + 0.3 * height;
        const double pan = rng.bipolar();
        const double gl = std::sqrt(0.5 * (1 - pan)), gr = std::sqrt(0.5 * (1 + pan));
        Phasor osc(hz, rng.uniform());
        for (std::size_t i = 0; i < dry.frames(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double x = osc.next() * amp * (1.0 - decay(t, bloom)) * decay(t, tau);
            dry.left[i] += static_cast<float>(x * gl);
            dry.right[i] += static_cast<float>(x * gr);
        }
    }

    // The mallet: a soft low thud and a breath of noise.
    Osc thud;
    Svf soft;
    soft.set(900, 0.1);
    std::vector<float> strike(to_frames(0.4));
    for (std::size_t i = 0; i < strike.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        strike[i] = static_cast<float>(thud.sine(48 + 22 * decay(t, 0.03)) * decay(t, 0.09) * 0.5 +
                                       soft.lowpass(rng.bipolar()) * decay(t, 0.02) * 0.45);
    }
    mix_in(dry, strike, 0, 1.0);

    // Breath in the shimmer: band-limited noise following the cloud's bloom.
    Svf wash_l, wash_r;
    wash_l.set(3000, 0.4);
    wash_r.set(3300, 0.4);
    for (std::size_t i = 0; i < dry.frames(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = (1.0 - decay(t, 0.2)) * decay(t, 0.7) * 0.12;
        dry.left[i] += static_cast<float>(wash_l.bandpass(rng.bipolar()) * env);
        dry.right[i] += static_cast<float>(wash_r.bandpass(rng.bipolar()) * env);
    }

    Sound out = dry;
    mix_in(out, reverb(dry, {0.85, 0.5, 1.0, 0.03}), 0, 0.35);
    remove_dc(out);
    // Fade the last stretch along a cosine so the tail dies away smoothly.
    const std::size_t fade = to_frames(1.3);
    for (std::size_t i = 0; i < fade; ++i) {
        const std::size_t at = out.frames() - fade + i;
        const float w = static_cast<float>(0.5 + 0.5 * std::cos(kPi * static_cast<double>(i) / fade));
        out.left[at] *= w;
        out.right[at] *= w;
    }
    normalise(out, -1.0);
    return out;
}

void produce_menu_sounds(Context& ctx) {
    ctx.out.write_wav("wav/mouseover.wav", mouseover_tick());
    ctx.out.write_wav("wav/mouseclic.wav", mouse_click());
    ctx.out.write_wav("wav/gong.wav", gong());
}
