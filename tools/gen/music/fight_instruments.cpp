#include "music/fight_instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "audio/synth.h"

namespace {

constexpr std::size_t kControlRate = 16;  // samples between filter sweeps

double semitones(double st) { return std::pow(2.0, st / 12.0); }
double seconds_at(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// ---- the airport: synth rock ---------------------------------------------------

// An overdriven guitar for power chords. Each string is a pair of detuned
// saws; the chord is summed and then driven hard, so its notes grind
// against each other as through an amp, and a speaker cabinet (a band of
// 90 Hz .. 3.4 kHz) takes the fizz off. Short notes are palm-muted: darker
// and thumpier. Left and right are two takes, slightly apart.
Sound gtr(const NoteOn& n, Rng& rng) {
    const Adsr env{0.002, 0.35, 0.75, 0.07};
    Sound s(to_frames(env.length(n.gate)), true);
    const bool muted = n.gate < 0.2;
    struct String {
        Osc l1, l2, r1, r2;
        double hz;
    };
    std::vector<String> strings;
    for (double hz : n.hz) strings.push_back({Osc(rng.uniform()), Osc(rng.uniform()), Osc(rng.uniform()), Osc(rng.uniform()), hz});
    Svf pick_l, pick_r, cab_l, cab_r, hp_l, hp_r;
    hp_l.set(90, 0.1);
    hp_r.set(95, 0.1);
    const double drive = 7.0;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        if (i % kControlRate == 0) {
            const double bright = muted ? 900 + 1800 * decay(t, 0.03) : 2400 + 2500 * decay(t, 0.08);
            pick_l.set(bright, 0.2);
            pick_r.set(bright * 1.05, 0.2);
            cab_l.set(3400, 0.35);
            cab_r.set(3200, 0.35);
        }
        double l = 0, r = 0;
        for (String& st : strings) {
            l += st.l1.saw(st.hz * semitones(-0.06)) + 0.7 * st.l2.saw(st.hz * 0.5);
            r += st.r1.saw(st.hz * semitones(0.07)) + 0.7 * st.r2.saw(st.hz * 0.5 * semitones(-0.04));
        }
        const double e = env.at(t, n.gate) * n.velocity;
        l = std::tanh(drive * pick_l.lowpass(l) * e / strings.size());
        r = std::tanh(drive * pick_r.lowpass(r) * e / strings.size());
        const double level = 0.3 * std::min(1.0, e * 4);  // the drive flattens the envelope; keep the release
        s.left[i] = static_cast<float>(hp_l.highpass(cab_l.lowpass(l)) * level);
        s.right[i] = static_cast<float>(hp_r.highpass(cab_r.lowpass(r)) * level);
    }
    return s;
}

// A noise sweep climbing over the note's whole length, into a section's
// downbeat; the note's pitch rises an octave and a half under it.
Sound riser(const NoteOn& n, Rng& rng) {
    Sound s(to_frames(n.gate + 0.05), true);
    Svf band_l, band_r;
    Osc tone;
    const double hz = n.hz.at(0);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double u = std::min(1.0, seconds_at(i) / n.gate);
        if (i % kControlRate == 0) {
            const double centre = 300 * std::pow(30.0, u);
            band_l.set(centre, 0.5);
            band_r.set(centre * 1.07, 0.5);
        }
        const double e = u * u * n.velocity * (seconds_at(i) > n.gate ? 0.0 : 1.0);
        const double sweep = tone.sine(hz * std::pow(2.0, 1.5 * u)) * 0.12;
        s.left[i] = static_cast<float>((band_l.bandpass(rng.bipolar()) * 0.5 + sweep) * e);
        s.right[i] = static_cast<float>((band_r.bandpass(rng.bipolar()) * 0.5 + sweep) * e);
    }
    return s;
}

// ---- the town: funk ----------------------------------------------------------

// A finger-style funk bass: a round sub and a filtered saw with a quick
// envelope. Accented notes are slapped: a thumb's click and a brighter snap.
Sound fbass(const NoteOn& n, Rng& rng) {
    const Adsr env{0.002, 0.22, 0.55, 0.035};
    const double gate = n.gate * 0.85;
    const double hz = n.hz.at(0);
    const bool slap = n.velocity >= 0.95;
    Sound s(to_frames(env.length(gate)), true);
    Osc saw, sq(0.3), sub;
    Svf filter, click_hp;
    click_hp.set(2500, 0.1);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        if (i % 4 == 0) filter.set(220 + hz * 2 + (slap ? 3600 : 1300) * decay(t, slap ? 0.045 : 0.07), 0.35);
        double x = filter.lowpass(0.6 * saw.saw(hz) + 0.35 * sq.square(hz, 0.5)) + 0.75 * sub.sine(hz);
        if (slap) x += click_hp.highpass(rng.bipolar()) * decay(t, 0.003) * 0.9;
        x = std::tanh(1.3 * x) * env.at(t, gate) * n.velocity * 0.55;
        s.left[i] = s.right[i] = static_cast<float>(x);
    }
    return s;
}

// A clavinet: a narrow pulse through a resonant filter that snaps shut, a
// dry, percussive "quack" for sixteenth-note comping.
Sound clav(const NoteOn& n, Rng&) {
    const Adsr env{0.001, 0.16, 0.3, 0.03};
    Sound s(to_frames(env.length(n.gate)), true);
    const double per_key = 0.3 / std::sqrt(static_cast<double>(n.hz.size()));
    for (double hz : n.hz) {
        Osc pulse, saw(0.5);
        Svf fl, fr;
        for (std::size_t i = 0; i < s.frames(); ++i) {
            const double t = seconds_at(i);
            if (i % kControlRate == 0) {
                const double cutoff = 600 + hz + 3800 * n.velocity * decay(t, 0.09);
                fl.set(cutoff, 0.62);
                fr.set(cutoff * 1.08, 0.62);
            }
            const double x = pulse.square(hz, 0.22) + 0.3 * saw.saw(hz * 1.002);
            const double e = env.at(t, n.gate) * n.velocity * per_key;
            s.left[i] += static_cast<float>(fl.lowpass(x) * e);
            s.right[i] += static_cast<float>(fr.lowpass(x) * e);
        }
    }
    return s;
}

// A synth brass section: three detuned saws a note whose filter swells open
// as the players blow, then settles.
Sound brass(const NoteOn& n, Rng& rng) {
    const Adsr env{0.02, 0.25, 0.7, 0.12};
    Sound s(to_frames(env.length(n.gate)), true);
    const double per_key = 0.2 / std::sqrt(static_cast<double>(n.hz.size()));
    for (double hz : n.hz) {
        std::array<Osc, 3> o{Osc(rng.uniform()), Osc(rng.uniform()), Osc(rng.uniform())};
        Svf fl, fr;
        for (std::size_t i = 0; i < s.frames(); ++i) {
            const double t = seconds_at(i);
            if (i % kControlRate == 0) {
                const double swell = std::min(1.0, t / 0.045) * (0.55 + 0.45 * decay(t, 0.16));
                const double cutoff = 500 + hz * 1.5 + 3600 * swell * n.velocity;
                fl.set(cutoff, 0.2);
                fr.set(cutoff, 0.2);
            }
            const double a = o[0].saw(hz * semitones(-0.09)), b = o[1].saw(hz), c = o[2].saw(hz * semitones(0.1));
            const double e = env.at(t, n.gate) * n.velocity * per_key;
            s.left[i] += static_cast<float>(std::tanh(1.5 * fl.lowpass(a + 0.8 * b)) * e);
            s.right[i] += static_cast<float>(std::tanh(1.5 * fr.lowpass(c + 0.8 * b)) * e);
        }
    }
    return s;
}

// An electric piano: an FM tone whose bark fades into a round sine, a
// metallic tine ping at the start, and the amp's tremolo panning it.
Sound epiano(const NoteOn& n, Rng& rng) {
    const double release = 0.18;
    Sound s(to_frames(std::min(n.gate, 2.5) + release), true);
    const double per_key = 0.32 / std::sqrt(static_cast<double>(n.hz.size()));
    Osc tremolo(rng.uniform());
    std::vector<double> pan(s.frames());
    for (double& p : pan) p = 0.28 * tremolo.sine(4.2);
    for (double hz : n.hz) {
        Osc carrier, modulator, tine, tine_mod;
        for (std::size_t i = 0; i < s.frames(); ++i) {
            const double t = seconds_at(i);
            const double index = (1.3 * n.velocity) * decay(t, 0.3) + 0.15;
            double x = carrier.sine(hz + index * hz * modulator.sine(hz));
            x += 0.22 * tine.sine(hz * 4 + 1.5 * hz * decay(t, 0.01) * tine_mod.sine(hz * 14)) * decay(t, 0.025);
            double e = std::min(1.0, t / 0.002) * (0.7 * decay(t, 1.4) + 0.3 * decay(t, 0.25)) * n.velocity * per_key;
            if (t > n.gate) e *= std::max(0.0, 1.0 - (t - n.gate) / release);
            s.left[i] += static_cast<float>(x * e * (1 + pan[i]));
            s.right[i] += static_cast<float>(x * e * (1 - pan[i]));
        }
    }
    return s;
}

// ---- the temple ------------------------------------------------------------------

// A plucked string (Karplus-Strong): a burst of noise circulating in a
// delay line one period long, losing a little of its top on every pass.
// The sitar's and tanpura's bridge is flat, so the string buzzes against
// it while it swings wide: a soft clip inside the loop keeps regenerating
// high partials (the jawari), fading as the string calms down.
class PluckedString {
public:
    PluckedString(double hz, double lowest_hz, double sustain, double brightness, double buzz, Rng& rng)
        : line_(static_cast<std::size_t>(kSampleRate / lowest_hz) + 8, 0.0f),
          feedback_(std::pow(10.0, -3.0 / (sustain * hz))),
          bright_(brightness),
          buzz_(buzz) {
        // Excite with a soft-edged burst, one period long.
        const auto period = static_cast<std::size_t>(kSampleRate / hz);
        Svf shape;
        shape.set(std::min(12000.0, hz * 12 * brightness), 0.0);
        for (std::size_t i = 0; i < period && i < line_.size(); ++i) line_[i] = static_cast<float>(shape.lowpass(rng.bipolar()));
        write_ = period % line_.size();
    }

    double next(double hz) {
        const double delay = kSampleRate / hz - 0.5;  // the averaging filter adds half a sample
        double pos = static_cast<double>(write_) - delay;
        while (pos < 0) pos += static_cast<double>(line_.size());
        const auto i0 = static_cast<std::size_t>(pos) % line_.size();
        const std::size_t i1 = (i0 + 1) % line_.size();
        const double f = pos - std::floor(pos);
        const double out = line_[i0] * (1 - f) + line_[i1] * f;
        double fed = feedback_ * (bright_ * out + (1 - bright_) * last_);
        if (buzz_ > 0) fed = (1 - buzz_) * fed + buzz_ * std::tanh(2.2 * fed) / 2.2 * 1.02;
        last_ = out;
        line_[write_] = static_cast<float>(fed);
        if (++write_ == line_.size()) write_ = 0;
        return out;
    }

private:
    std::vector<float> line_;
    double feedback_, bright_, buzz_;
    double last_ = 0;
    std::size_t write_ = 0;
};

// The sitar: a bright, buzzing plucked string with the "ji" of its bridge, a
// resonance that sweeps upwards after the pluck. An accented note is a
// meend: the string is pulled in from a whole tone below.
Sound sitar(const NoteOn& n, Rng& rng) {
    const double hz = n.hz.at(0);
    // One string under one finger: a note rings a little past its value,
    // then the next stops it.
    const double ring = std::min(n.gate, 1.6) + 0.25;
    const double length = ring + 0.15;
    Sound s(to_frames(length), true);
    const bool meend = n.velocity >= 0.95;
    PluckedString string(hz, hz * semitones(-2.5), 2.2, 0.72, 0.5, rng);
    Svf ji, body, pluck_hp;
    body.set(180, 0.1);
    pluck_hp.set(3000, 0.2);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        const double bend = meend ? -2.0 * (1.0 - std::min(1.0, t / 0.14)) * (1.0 - std::min(1.0, t / 0.14)) : 0.0;
        const double x = string.next(hz * semitones(bend));
        if (i % kControlRate == 0) ji.set(1200 + 2600 * std::min(1.0, t / 0.45) * decay(t, 1.2) + hz, 0.78);
        double y = body.highpass(x) + 0.9 * ji.bandpass(x);
        y += pluck_hp.highpass(rng.bipolar()) * decay(t, 0.004) * 0.25;  // the plectrum
        const double damp = t > ring ? std::max(0.0, 1.0 - (t - ring) / 0.15) : 1.0;
        y *= n.velocity * 1.1 * damp;
        s.left[i] = static_cast<float>(y);
        s.right[i] = static_cast<float>(y);
    }
    return s;
}

// The tanpura: the drone behind everything, four strings plucked in turn,
// each ringing for seconds with a slow, shimmering sweep of overtones.
Sound tanpura(const NoteOn& n, Rng& rng) {
    const double length = 3.8;
    Sound s(to_frames(length), true);
    const double hz = n.hz.at(0);
    PluckedString string(hz, hz, 4.5, 0.6, 0.65, rng);
    Svf ji_l, ji_r, soft;
    soft.set(5000, 0.0);
    const double spin = rng.range(0.0, 1.0);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        const double x = string.next(hz);
        if (i % kControlRate == 0) {
            const double sweep = 0.5 + 0.5 * std::sin(kTwoPi * (t / 2.6 + spin));
            ji_l.set(hz * (5 + 9 * sweep), 0.85);
            ji_r.set(hz * (6 + 8 * (1 - sweep)), 0.85);
        }
        const double attack = std::min(1.0, t / 0.03);
        const double fade = t > length - 0.6 ? (length - t) / 0.6 : 1.0;
        const double core = soft.lowpass(x);
        const double e = n.velocity * 0.6 * attack * fade;
        s.left[i] = static_cast<float>((core + 0.8 * ji_l.bandpass(x)) * e);
        s.right[i] = static_cast<float>((core + 0.8 * ji_r.bandpass(x)) * e);
    }
    return s;
}

// A bamboo flute (bansuri): a breathy, nearly pure tone that slides up into
// each note, with a chiff of air at the start and a vibrato that comes in
// once the note is held.
Sound flute(const NoteOn& n, Rng& rng) {
    const Adsr env{0.06, 0.2, 0.85, 0.12};
    const double hz = n.hz.at(0);
    Sound s(to_frames(env.length(n.gate)), true);
    Osc vibrato(rng.uniform());
    Svf breath, chiff, air;
    breath.set(hz * 2, 0.5);
    chiff.set(2200, 0.4);
    air.set(3200, 0.2);
    const double scoop = n.velocity >= 0.95 ? -1.0 : -0.3;
    double ph = 0;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = seconds_at(i);
        const double slide = scoop * decay(t, 0.035);
        const double vib = 0.22 * std::clamp((t - 0.3) / 0.3, 0.0, 1.0) * vibrato.sine(5.3);
        const double f = hz * semitones(slide + vib);
        ph += f / kSampleRate;
        ph -= std::floor(ph);
        const double tone = std::sin(kTwoPi * ph) + 0.2 * std::sin(2 * kTwoPi * ph) + 0.06 * std::sin(3 * kTwoPi * ph);
        const double noise = rng.bipolar();
        double x = tone + breath.bandpass(noise) * 0.5 + air.bandpass(noise) * 0.06;
        x += chiff.bandpass(noise) * decay(t, 0.03) * 0.8;
        x *= env.at(t, n.gate) * n.velocity * 0.35;
        s.left[i] = s.right[i] = static_cast<float>(x);
    }
    return s;
}

}  // namespace

const PatchTable& stage_patches() {
    static const PatchTable table{
        {"gtr", gtr},
        {"riser", riser},
        {"fbass", fbass},
        {"clav", clav},
        {"brass", brass},
        {"epiano", epiano},
        {"sitar", sitar},
        {"tanpura", tanpura},
        {"flute", flute},
    };
    return table;
}
