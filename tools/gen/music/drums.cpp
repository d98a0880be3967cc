#include "music/drums.h"

#include <array>
#include <cmath>

#include "audio/synth.h"

namespace {

template <typename SampleAt>
std::vector<float> render(double seconds, SampleAt sample_at) {
    std::vector<float> out(to_frames(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<float>(sample_at(static_cast<double>(i) / kSampleRate));
    return out;
}

// The six detuned square waves of classic analogue hats and cymbals: a
// clangorous, inharmonic cluster that noise alone doesn't give.
class Metal {
public:
    double next() {
        static constexpr std::array<double, 6> kHz{205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
        double sum = 0;
        for (std::size_t i = 0; i < kHz.size(); ++i) sum += osc_[i].square(kHz[i] * 1.6);
        return sum / 6.0;
    }

private:
    std::array<Osc, 6> osc_{Osc(0.1), Osc(0.7), Osc(0.3), Osc(0.9), Osc(0.5), Osc(0.2)};
};

std::vector<float> kick(double v, Rng& rng) {
    Osc body;
    Svf click_hp;
    click_hp.set(1800, 0.1);
    return render(0.5, [&](double t) {
        const double hz = 46 + 130 * decay(t, 0.032) + 120 * decay(t, 0.005);
        const double amp = std::min(1.0, t / 0.0015) * (0.75 * decay(t, 0.14) + 0.25 * decay(t, 0.05));
        const double click = click_hp.highpass(rng.bipolar()) * decay(t, 0.0025) * 0.6;
        return std::tanh(1.8 * (body.sine(hz) * amp + click)) / std::tanh(1.8) * v;
    });
}

std::vector<float> snare(double v, Rng& rng) {
    Osc a, b;
    Svf band, high;
    band.set(3800, 0.25);
    high.set(1200, 0.0);
    return render(0.38, [&](double t) {
        const double tone = 0.55 * a.sine(190 + 60 * decay(t, 0.01)) * decay(t, 0.055) + 0.3 * b.sine(335) * decay(t, 0.035);
        const double n = rng.bipolar();
        const double noise = (0.7 * band.bandpass(n) + 0.6 * high.highpass(n)) * decay(t, 0.12);
        return (tone + noise) * std::min(1.0, t / 0.001) * v;
    });
}

std::vector<float> clap(double v, Rng& rng) {
    Svf band;
    band.set(1300, 0.45);
    return render(0.32, [&](double t) {
        // A few hands hitting a few milliseconds apart, then the room.
        double env = 0;
        for (double at : {0.0, 0.009, 0.019}) env += t >= at ? decay(t - at, 0.006) : 0;
        env += 0.6 * (t >= 0.025 ? decay(t - 0.025, 0.1) : 0);
        return band.bandpass(rng.bipolar()) * env * 1.6 * v;
    });
}

std::vector<float> hat(double seconds, double tau, double v, Rng& rng) {
    Metal metal;
    Svf band, high;
    band.set(9500, 0.3);
    high.set(7000, 0.1);
    return render(seconds, [&](double t) {
        const double x = 0.6 * metal.next() + 0.5 * rng.bipolar();
        return high.highpass(band.bandpass(x)) * decay(t, tau) * std::min(1.0, t / 0.0008) * 2.2 * v;
    });
}

std::vector<float> crash(double v, Rng& rng) {
    Metal metal;
    Svf high, band;
    high.set(3500, 0.05);
    band.set(6500, 0.15);
    return render(2.6, [&](double t) {
        const double x = 0.45 * metal.next() + 0.7 * rng.bipolar();
        const double env = std::min(1.0, t / 0.002) * (0.65 * decay(t, 0.7) + 0.35 * decay(t, 0.12));
        return (high.highpass(x) + 0.6 * band.bandpass(x)) * env * v;
    });
}

std::vector<float> tom(double hz, double v, Rng& rng) {
    Osc body;
    Svf band;
    band.set(hz * 4, 0.2);
    return render(0.55, [&](double t) {
        const double pitch = hz * (1.0 + 0.45 * decay(t, 0.06));
        const double skin = band.bandpass(rng.bipolar()) * decay(t, 0.02) * 0.4;
        return (body.sine(pitch) * decay(t, 0.2) + skin) * std::min(1.0, t / 0.001) * v;
    });
}

// A side stick: the rim's click and the shell's short knock.
std::vector<float> rim(double v, Rng& rng) {
    Osc knock, ring;
    Svf click;
    click.set(1800, 0.4);
    return render(0.12, [&](double t) {
        const double x = click.bandpass(rng.bipolar()) * decay(t, 0.008) * 1.2 + knock.sine(420) * decay(t, 0.02) * 0.6 +
                         ring.sine(1650) * decay(t, 0.01) * 0.3;
        return x * std::min(1.0, t / 0.0005) * v;
    });
}

// Seeds in a gourd: a short swell of bright noise, thrown then stopped.
std::vector<float> shaker(double v, Rng& rng) {
    Svf high, band;
    high.set(5200, 0.1);
    band.set(8000, 0.3);
    return render(0.12, [&](double t) {
        const double env = t < 0.014 ? t / 0.014 : decay(t - 0.014, 0.03);
        const double n = rng.bipolar();
        return (high.highpass(n) * 0.7 + band.bandpass(n) * 0.5) * env * v;
    });
}

// The dayan is tuned to the music's home note, D, and its black spot makes
// its overtones nearly harmonic: it rings with a pitch, unlike other drums.
constexpr double kDayanHz = 293.66;

std::vector<float> dayan(bool rim_stroke, double v, Rng& rng) {
    struct Mode {
        double ratio, amp_rim, amp_open, tau;
    };
    static constexpr std::array<Mode, 5> kModes{{
        {1.0, 0.6, 1.0, 0.3}, {2.0, 0.7, 0.4, 0.2}, {3.0, 0.5, 0.18, 0.13}, {4.0, 0.35, 0.1, 0.08}, {5.03, 0.25, 0.05, 0.05},
    }};
    // Each mode is a decaying phasor: a rotation and a shrink a sample, far
    // cheaper than a sine and an exponential, and a tabla part has hundreds
    // of strokes.
    struct Ring {
        double re, im, step_re, step_im, shrink;
    };
    std::array<Ring, kModes.size()> rings;
    for (std::size_t m = 0; m < kModes.size(); ++m) {
        const double w = kTwoPi * kDayanHz * kModes[m].ratio / kSampleRate;
        const double amp = rim_stroke ? kModes[m].amp_rim : kModes[m].amp_open;
        const double tau = kModes[m].tau * (rim_stroke ? 0.7 : 1.0);
        rings[m] = {amp, 0.0, std::cos(w), std::sin(w), std::exp(-1.0 / (tau * kSampleRate))};  // starts as a sine, at zero
    }
    Svf click;
    click.set(rim_stroke ? 3400 : 1800, 0.3);
    const double length = rim_stroke ? 0.45 : 0.6;
    return render(length, [&](double t) {
        double x = 0;
        for (Ring& r : rings) {
            const double re = (r.re * r.step_re - r.im * r.step_im) * r.shrink;
            r.im = (r.re * r.step_im + r.im * r.step_re) * r.shrink;
            r.re = re;
            x += r.im;
        }
        x = x * 0.45 + click.bandpass(rng.bipolar()) * decay(t, 0.006) * (rim_stroke ? 1.6 : 0.6);
        // The hand comes down on the skin at the end: no ring is cut short.
        const double stop = std::min(1.0, (length - t) / (0.3 * length));
        return x * std::min(1.0, t / 0.0006) * stop * v;
    });
}

// The baya's open stroke: a deep boom whose pitch the heel of the hand
// pushes up as it rings, the tabla's singing bass.
std::vector<float> baya_open(double v, Rng& rng) {
    Osc boom, second;
    Svf slap;
    slap.set(700, 0.2);
    return render(0.6, [&](double t) {
        const double glide = 1.0 + 0.22 * (1.0 - decay(t, 0.06));
        const double hz = 88 * glide;
        double x = boom.sine(hz) * decay(t, 0.24) + 0.25 * second.sine(hz * 2.02) * decay(t, 0.1);
        x += slap.lowpass(rng.bipolar()) * decay(t, 0.01) * 0.5;
        return x * std::min(1.0, t / 0.001) * std::min(1.0, (0.6 - t) / 0.15) * v;
    });
}

// The baya slapped flat: a dead, dry knock.
std::vector<float> baya_closed(double v, Rng& rng) {
    Osc thud;
    Svf dull;
    dull.set(900, 0.2);
    return render(0.1, [&](double t) {
        const double x = dull.lowpass(rng.bipolar()) * decay(t, 0.012) * 1.2 + thud.sine(150) * decay(t, 0.018) * 0.6;
        return x * std::min(1.0, t / 0.0005) * v;
    });
}

}  // namespace

const std::vector<std::string>& drum_names() {
    static const std::vector<std::string> names{"kick", "snare", "clap", "hat",    "openhat", "crash", "tomhi",
                                                "tomlo", "rim",  "shaker", "na", "tin",     "ge",    "ke"};
    return names;
}

// Each piece's level within the kit, balanced by ear like a drum machine's
// pad volumes: the kick and snare lead, cymbals sit behind them.
std::vector<float> drum_hit(Drum drum, double velocity, Rng& rng) {
    switch (drum) {
        case Drum::Kick: return kick(velocity * 0.95, rng);
        case Drum::Snare: return snare(velocity * 0.75, rng);
        case Drum::Clap: return clap(velocity * 0.6, rng);
        case Drum::ClosedHat: return hat(0.12, 0.03, velocity * 0.55, rng);
        case Drum::OpenHat: return hat(0.5, 0.2, velocity * 0.45, rng);
        case Drum::Crash: return crash(velocity * 0.4, rng);
        case Drum::TomHigh: return tom(185, velocity * 0.6, rng);
        case Drum::TomLow: return tom(118, velocity * 0.65, rng);
        case Drum::RimShot: return rim(velocity * 0.55, rng);
        case Drum::Shaker: return shaker(velocity * 0.4, rng);
        case Drum::TablaNa: return dayan(true, velocity * 0.6, rng);
        case Drum::TablaTin: return dayan(false, velocity * 0.55, rng);
        case Drum::BayaGe: return baya_open(velocity * 0.8, rng);
        case Drum::BayaKe: return baya_closed(velocity * 0.6, rng);
    }
    return {};
}

double drum_pan(Drum drum) {
    switch (drum) {
        case Drum::ClosedHat:
        case Drum::OpenHat: return 0.3;
        case Drum::Crash: return -0.35;
        case Drum::TomHigh: return 0.25;
        case Drum::TomLow: return -0.25;
        case Drum::Clap: return 0.05;
        case Drum::RimShot: return 0.1;
        case Drum::Shaker: return 0.4;
        case Drum::TablaNa:
        case Drum::TablaTin: return 0.2;
        case Drum::BayaGe:
        case Drum::BayaKe: return -0.2;
        default: return 0.0;
    }
}
