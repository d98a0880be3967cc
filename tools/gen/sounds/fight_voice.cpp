#include "sounds/fight_voice.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <set>
#include <sstream>

#include "audio/effects.h"
#include "audio/synth.h"
#include "common/rng.h"

namespace {

// ---- phones ----------------------------------------------------------------

enum class Manner { Vowel, Glide, Nasal, Aspirate, Fricative, Stop, VoicedStop, Glottal, Pause };

struct PhoneSpec {
    const char* symbol;
    Manner manner;
    std::array<double, 3> formants;  // Hz for a grown man's tract; zero: borrowed from the neighbours
    double noise_hz = 0;             // frication band (fricatives, and the burst of a stop)
    double noise_q = 0;
    double noise_level = 0;
};

// Vowel formants after the classic measurements of American English vowels,
// opened a little for shouting; consonants as the mouth shapes them.
const std::vector<PhoneSpec>& phone_table() {
    static const std::vector<PhoneSpec> table{
        {"a", Manner::Vowel, {760, 1180, 2500}},   // father
        {"ae", Manner::Vowel, {680, 1720, 2410}},  // cat
        {"e", Manner::Vowel, {540, 1840, 2480}},   // bed
        {"i", Manner::Vowel, {290, 2250, 2950}},   // see
        {"ih", Manner::Vowel, {400, 1920, 2560}},  // sit
        {"o", Manner::Vowel, {480, 840, 2450}},    // go
        {"aw", Manner::Vowel, {620, 920, 2450}},   // law
        {"u", Manner::Vowel, {320, 800, 2250}},    // boot
        {"uh", Manner::Vowel, {640, 1200, 2400}},  // cut
        {"er", Manner::Vowel, {480, 1330, 1650}},  // her: a growl's vowel
        {"y", Manner::Glide, {270, 2200, 3000}},
        {"w", Manner::Glide, {300, 650, 2200}},
        {"r", Manner::Glide, {420, 1250, 1550}},
        {"m", Manner::Nasal, {260, 1000, 2200}},
        {"n", Manner::Nasal, {260, 1500, 2500}},
        {"h", Manner::Aspirate, {0, 0, 0}},
        {"s", Manner::Fricative, {0, 0, 0}, 6800, 0.75, 1.0},
        {"sh", Manner::Fricative, {0, 0, 0}, 3100, 0.5, 0.9},
        {"f", Manner::Fricative, {0, 0, 0}, 5500, 0.05, 0.35},
        {"x", Manner::Fricative, {0, 0, 0}, 1900, 0.4, 0.7},  // the rasp at the back of the throat
        {"p", Manner::Stop, {0, 0, 0}, 900, 0.2, 1.0},
        {"t", Manner::Stop, {0, 0, 0}, 4600, 0.35, 1.0},
        {"k", Manner::Stop, {0, 0, 0}, 2300, 0.45, 1.0},
        {"b", Manner::VoicedStop, {0, 0, 0}, 900, 0.2, 0.5},
        {"d", Manner::VoicedStop, {0, 0, 0}, 4000, 0.35, 0.5},
        {"g", Manner::VoicedStop, {0, 0, 0}, 2100, 0.45, 0.5},
        {"q", Manner::Glottal, {0, 0, 0}},  // a catch in the throat: silence, then a hard onset
        {"_", Manner::Pause, {0, 0, 0}},
    };
    return table;
}

const PhoneSpec* find_phone(const std::string& symbol) {
    for (const PhoneSpec& p : phone_table())
        if (symbol == p.symbol) return &p;
    return nullptr;
}

bool has_formants(const PhoneSpec& p) { return p.formants[0] > 0; }

// ---- the source ------------------------------------------------------------

// The vocal folds: the derivative of a polynomial glottal flow pulse (rising
// slowly, closing abruptly), which is what the mouth radiates. A shorter
// open phase closes harder and sounds brighter and more strained.
class Glottis {
public:
    Glottis(Rng& rng, double jitter, double shimmer, double growl, double start)
        : rng_(rng), jitter_(jitter), shimmer_(shimmer), growl_(growl), phase_(start) {}

    // One sample at `hz` with the given open quotient (0.3 tense .. 0.8 breathy).
    double next(double hz, double open) {
        const double dt = hz * period_scale_ / kSampleRate;
        phase_ += dt;
        if (phase_ >= 1.0) {
            phase_ -= 1.0;
            new_cycle();
        }
        const double x = phase_ / open;
        flow_ = x < 1.0 ? x * x * (1.0 - x) * 6.75 : 0.0;  // peak 1
        double d = x < 1.0 ? (2.0 * x - 3.0 * x * x) : 0.0;
        double q = phase_ - open;
        q -= std::floor(q);
        d += 0.5 * poly_blep(q, std::min(0.5, dt / 1.0));  // the closing snap from -1 up to 0, band-limited
        return d * amplitude_ / open;
    }
    double flow() const { return flow_ * amplitude_; }

private:
    void new_cycle() {
        ++cycle_;
        const bool odd = (cycle_ & 1) != 0;
        // Gaussian-ish jitter: the sum of three uniforms.
        const double g = (rng_.bipolar() + rng_.bipolar() + rng_.bipolar()) / 1.7;
        period_scale_ = 1.0 + jitter_ * g + (odd ? -0.14 : 0.14) * growl_;
        amplitude_ = (1.0 + shimmer_ * rng_.bipolar()) * (odd ? 1.0 - 0.7 * growl_ : 1.0);
    }

    Rng& rng_;
    double jitter_, shimmer_, growl_;
    double phase_;
    double period_scale_ = 1.0, amplitude_ = 1.0, flow_ = 0;
    unsigned cycle_ = 0;
};

// ---- the tract ---------------------------------------------------------------

// A formant: a two-pole low-pass with unit gain at DC, peaking at its
// frequency. A cascade of them shapes a vowel with the right relative
// formant levels by itself. Built on the state-variable filter, which stays
// clean while the formants glide (a direct-form resonator clicks).
class Resonator {
public:
    void set(double hz, double bandwidth) { svf_.set(hz, 1.0 - 0.5 * bandwidth / hz); }
    double process(double x) { return svf_.lowpass(x); }

private:
    Svf svf_;
};

constexpr int kFormants = 8;  // the three that make the vowel, and the ones above that give it air
constexpr std::size_t kControl = 32;  // samples between parameter updates

struct Params {
    std::array<double, kFormants> f{}, bw{};
    double voice = 0, aspiration = 0, frication = 0, nasal = 0;
    double noise_hz = 3000, noise_q = 0.3;
};

struct Segment {
    const PhoneSpec* desc;
    std::array<double, 3> formants;  // resolved: borrowed from a neighbour when the phone has none
    double start, end;
};

std::vector<Segment> lay_out(const Cry& cry) {
    std::vector<Segment> segs;
    double t = 0;
    for (const Phone& p : cry.phones) {
        const PhoneSpec* desc = find_phone(p.symbol);
        segs.push_back({desc, desc->formants, t, t + p.seconds});
        t += p.seconds;
    }
    // Consonants without a shape of their own take the next vowel's (the
    // mouth is already there), or the previous one's at the end of a cry.
    for (std::size_t i = 0; i < segs.size(); ++i) {
        if (has_formants(*segs[i].desc)) continue;
        const Segment* from = nullptr;
        for (std::size_t j = i + 1; j < segs.size() && !from; ++j)
            if (has_formants(*segs[j].desc)) from = &segs[j];
        for (std::size_t j = i; j-- > 0 && !from;)
            if (has_formants(*segs[j].desc)) from = &segs[j];
        segs[i].formants = from ? from->formants : std::array<double, 3>{500, 1500, 2500};
    }
    return segs;
}

// What the tract is aiming for at time t inside segment s; `burst` gets the
// release of a stop, which must not be smoothed away.
Params target(const Segment& s, double t, const VoiceDesign& v, double effort, double& burst) {
    Params p;
    const double u = (t - s.start) / std::max(1e-6, s.end - s.start);
    const double open_mouth = s.desc->manner == Manner::Vowel ? 1.0 + 0.14 * effort : 1.0;
    p.f = {s.formants[0] * open_mouth, s.formants[1], s.formants[2], 3500, 4500, 5500, 6500, 7600};
    for (double& f : p.f) f *= v.tract;
    p.bw = {70 + 40 * v.growl, 95, 140, 220, 300, 450, 550, 700};
    p.noise_hz = s.desc->noise_hz > 0 ? s.desc->noise_hz * std::sqrt(v.tract) : 3000;
    p.noise_q = s.desc->noise_q;
    burst = 0;
    switch (s.desc->manner) {
        case Manner::Vowel: p.voice = 1.0; break;
        case Manner::Glide: p.voice = 0.75; break;
        case Manner::Nasal:
            p.voice = 0.6;
            p.nasal = 1.0;
            p.bw[0] = 120;
            p.bw[1] = p.bw[2] = 300;
            break;
        case Manner::Aspirate: p.aspiration = 0.9; break;
        case Manner::Fricative:
            p.frication = s.desc->noise_level;
            p.aspiration = s.desc->symbol == std::string("x") ? 0.6 : 0.08;
            break;
        case Manner::Stop:
        case Manner::VoicedStop: {
            const bool voiced = s.desc->manner == Manner::VoicedStop;
            const double release = 0.62;  // closure, then the burst and a puff of breath
            if (voiced) p.voice = u < release ? 0.12 : 0.7;
            if (u >= release) {
                const double since = (u - release) * (s.end - s.start);
                burst = s.desc->noise_level * 1.6 * std::exp(-since / 0.007);
                p.aspiration = voiced ? 0.1 : 0.55;
            }
            break;
        }
        case Manner::Glottal:
        case Manner::Pause: break;
    }
    return p;
}

// A smooth step through the contour points, which sit evenly over the cry.
double contour_at(const std::vector<double>& points, double u) {
    if (points.size() == 1) return points[0];
    const double x = std::clamp(u, 0.0, 1.0) * static_cast<double>(points.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(x), points.size() - 2);
    const double f = x - static_cast<double>(i);
    const double s = f * f * (3.0 - 2.0 * f);
    return points[i] + (points[i + 1] - points[i]) * s;
}

}  // namespace

const std::vector<std::string>& phone_symbols() {
    static const std::vector<std::string> symbols = [] {
        std::vector<std::string> v;
        for (const PhoneSpec& p : phone_table()) v.push_back(p.symbol);
        return v;
    }();
    return symbols;
}

double cry_peak_dbfs(double level) { return -3.0 + 2.0 * std::clamp(level, 0.0, 1.0); }

Sound speak(const VoiceDesign& v, const Cry& cry, std::uint64_t seed) {
    Rng rng(seed);
    const std::vector<Segment> segs = lay_out(cry);
    const double spoken = segs.empty() ? 0.0 : segs.back().end;
    const double tail = 0.06 + (v.reverb > 0 ? 0.25 + 0.9 * v.reverb : 0.0);
    Sound out(to_frames(spoken + tail), false);

    const double growl = cry.growl >= 0 ? cry.growl : v.growl;
    const double rasp = cry.rasp >= 0 ? cry.rasp : v.rasp;
    const double effort = cry.effort;
    // Strain shortens the open phase: a shout is brighter than a sigh.
    const double open = std::clamp(0.72 - 0.34 * effort + 0.08 * v.breath, 0.3, 0.85);

    // The voices: the fighter's own, and for a chant one an octave below and
    // two unisons a few cents apart, each with its own little irregularities.
    struct Singer {
        Glottis glottis;
        double ratio, gain;
    };
    std::vector<Singer> singers;
    singers.push_back({Glottis(rng, v.jitter, v.shimmer, growl, 0.0), 1.0, 1.0});
    if (v.choir > 0) {
        singers.push_back({Glottis(rng, v.jitter, v.shimmer, growl, 0.3), 0.5, 0.8 * v.choir});
        singers.push_back({Glottis(rng, v.jitter * 1.5, v.shimmer, growl, 0.55), std::pow(2.0, 0.1 / 12), 0.5 * v.choir});
        singers.push_back({Glottis(rng, v.jitter * 1.5, v.shimmer, growl, 0.8), std::pow(2.0, -0.12 / 12), 0.5 * v.choir});
    }
    double singers_gain = 0;
    for (const Singer& s : singers) singers_gain += s.gain;

    std::array<Resonator, kFormants> tract;
    Svf hiss, hiss_top, nasal_lp, rasp_band, flutter_lp, lowcut, presence, air;
    presence.set(2400 * v.tract, 0.1);
    air.set(5000 * v.tract, 0.1);
    const double presence_gain = 2.0 + 4.0 * effort, air_gain = 2.0 + 3.0 * effort;
    nasal_lp.set(1300, 0.0);
    rasp_band.set(1100, 0.2);
    flutter_lp.set(32, 0.0);
    lowcut.set(v.lowcut, 0.0);
    Osc wander_a(rng.uniform()), wander_b(rng.uniform()), vibrato(0.0);

    const double ctrl_dt = static_cast<double>(kControl) / kSampleRate;
    const double k_shape = 1.0 - std::exp(-1.0 / (0.016 * kSampleRate));  // formants glide (per sample)
    const double k_nasal = 1.0 - std::exp(-ctrl_dt / 0.016);              // the soft palate as fast (per block)
    const double k_level = 1.0 - std::exp(-ctrl_dt / 0.005);              // levels move faster (per block)
    Params now;
    bool first = true;
    std::size_t seg = 0;
    Params prev_levels;

    for (std::size_t block = 0; block < out.frames(); block += kControl) {
        const double t = static_cast<double>(block) / kSampleRate;
        while (seg + 1 < segs.size() && t >= segs[seg].end) ++seg;
        Params aim;
        double aim_burst = 0;
        if (!segs.empty() && t < spoken) {
            aim = target(segs[seg], t, v, effort, aim_burst);
            // The cry dies away over the last part of its final phone.
            const Segment& last = segs.back();
            const double fade_from = last.start + 0.55 * (last.end - last.start);
            if (seg + 1 == segs.size() && t > fade_from) {
                const double w = std::pow(1.0 - (t - fade_from) / (last.end - fade_from), 1.3);
                aim.voice *= w;
                aim.aspiration *= w;
                aim.frication *= w;
            }
        } else {
            aim = now;
            aim.voice = aim.aspiration = aim.frication = 0;
        }
        prev_levels = now;
        if (first) {
            now = aim;
            now.voice = now.aspiration = now.frication = 0;
            prev_levels = now;
            first = false;
        }
        now.nasal += (aim.nasal - now.nasal) * k_nasal;
        now.noise_hz = aim.noise_hz;
        now.noise_q = aim.noise_q;
        // After a glottal stop the next sound starts hard.
        const bool hard = seg < segs.size() && seg > 0 && (segs[seg - 1].desc->manner == Manner::Glottal) &&
                          t - segs[seg].start < ctrl_dt;
        const double kl = hard ? 1.0 : k_level;
        now.voice += (aim.voice - now.voice) * kl;
        now.aspiration += (aim.aspiration - now.aspiration) * kl;
        now.frication += (aim.frication - now.frication) * kl;
        hiss.set(now.noise_hz, now.noise_q);
        hiss_top.set(now.noise_hz * 2.2, 0.0);  // a fricative's band has a top: the mouth, not white noise

        const double u = spoken > 0 ? t / spoken : 0.0;
        const double base = v.pitch * contour_at(cry.pitch, u);
        const std::size_t end = std::min(out.frames(), block + kControl);
        for (std::size_t i = block; i < end; ++i) {
            const double ts = static_cast<double>(i) / kSampleRate;
            const double r = static_cast<double>(i - block) / kControl;
            const double voice = prev_levels.voice + (now.voice - prev_levels.voice) * r;
            const double aspiration = prev_levels.aspiration + (now.aspiration - prev_levels.aspiration) * r;
            const double frication = prev_levels.frication + (now.frication - prev_levels.frication) * r;
            const double b = aim_burst * std::exp(-(ts - t) / 0.007);

            const double drift = 0.006 * (wander_a.sine(2.3) + 0.6 * wander_b.sine(3.7));
            const double vib = v.vibrato * std::clamp((ts - 0.25) / 0.3, 0.0, 1.0) * vibrato.sine(5.2);
            const double hz = base * (1.0 + drift) * std::pow(2.0, vib / 12.0);

            double source = 0, flow = 0;
            for (Singer& s : singers) {
                source += s.glottis.next(hz * s.ratio, open) * s.gain;
                flow += s.glottis.flow() * s.gain;
            }
            source /= singers_gain;
            flow /= singers_gain;

            const double noise = rng.bipolar();
            // A growl flutters: the false folds rattle at a few tens of hertz.
            const double flutter = std::tanh(28.0 * flutter_lp.lowpass(rng.bipolar()));
            const double rough = 1.0 - growl * 0.45 * (1.0 + flutter);
            const double grit = 1.0 + rasp * 5.0 * rasp_band.bandpass(noise);
            const double breath = (v.breath + 0.5 * rasp + 0.25 * growl) * (0.35 + 0.65 * flow);

            double excitation = source * voice * rough * grit;
            excitation += noise * (aspiration * 0.9 + breath * voice);
            // The formants move every sample: stepping them at the control rate
            // leaves a zipper of sidebands that the presence shelves bring out.
            double x = excitation;
            for (int k = 0; k < kFormants; ++k) {
                now.f[k] += (aim.f[k] - now.f[k]) * k_shape;
                now.bw[k] += (aim.bw[k] - now.bw[k]) * k_shape;
                tract[k].set(now.f[k], now.bw[k]);
                x = tract[k].process(x);
            }
            // A short cascade lacks the effect of the tract's higher resonances,
            // which keep the top of a real voice alive: two shelves put it back.
            x += presence_gain * presence.highpass(x);
            x += air_gain * air.highpass(x);
            x += hiss_top.lowpass(hiss.bandpass(rng.bipolar())) * (frication * 0.6 + b * 0.55);
            x = x * (1.0 - now.nasal) + nasal_lp.lowpass(x) * now.nasal * 1.6;
            out.left[i] = static_cast<float>(lowcut.highpass(x));
        }
    }

    remove_dc(out, 40.0);
    if (rasp > 0 || growl > 0) soft_clip(out, 1.0 + 2.2 * rasp + 1.6 * growl);
    if (v.reverb > 0) {
        const Sound wet = reverb(out, {0.78, 0.45, 0.0, 0.018});
        for (std::size_t i = 0; i < out.frames(); ++i)
            out.left[i] += static_cast<float>(v.reverb * 1.4 * wet.left[i]);
    }
    fade_out(out, std::min(tail, 0.3));
    normalise(out, cry_peak_dbfs(cry.level));
    return out;
}

// ---- the sound design files ----------------------------------------------------

namespace {

class DesignParser {
public:
    explicit DesignParser(const std::string& source) { sounds_.source = source; }

    FighterSounds run(std::string_view text) {
        // A statement may go on over indented lines of settings.
        std::istringstream lines{std::string(text)};
        std::string line;
        std::vector<std::string> statement_words;
        int number = 0;
        while (std::getline(lines, line)) {
            ++number;
            std::istringstream in(line);
            std::vector<std::string> w;
            for (std::string word; in >> word;) {
                if (word[0] == '#') break;
                w.push_back(word);
            }
            if (w.empty()) continue;
            const bool continues = std::isspace(static_cast<unsigned char>(line[0])) && w[0].find('=') != std::string::npos;
            if (continues && !statement_words.empty()) {
                statement_words.insert(statement_words.end(), w.begin(), w.end());
                continue;
            }
            if (!statement_words.empty()) statement(statement_words);
            statement_words = w;
            line_ = number;
        }
        if (!statement_words.empty()) statement(statement_words);
        if (sounds_.cries.empty() && sounds_.effects.empty())
            throw SoundDesignError(sounds_.source + ": no cry or effect: nothing to make");
        return std::move(sounds_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw SoundDesignError(sounds_.source + ":" + std::to_string(line_) + ": " + what);
    }

    double number(const std::string& text, const std::string& what, double lo, double hi) const {
        double v = 0;
        try {
            std::size_t used = 0;
            v = std::stod(text, &used);
            if (used != text.size()) throw std::invalid_argument(text);
        } catch (const std::exception&) {
            fail("'" + text + "' is not a number (" + what + ")");
        }
        if (v < lo || v > hi) {
            std::ostringstream range;
            range << what << " must lie between " << lo << " and " << hi << ", not " << text;
            fail(range.str());
        }
        return v;
    }

    static std::pair<std::string, std::string> split_setting(const std::string& word) {
        const auto eq = word.find('=');
        return {word.substr(0, eq), eq == std::string::npos ? "" : word.substr(eq + 1)};
    }

    void check_new_name(const std::string& name) {
        const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        });
        if (!plain) fail("a sound's name (its file name) uses only letters, digits and _: '" + name + "'");
        if (!names_.insert(name).second) fail("'" + name + "' is made twice");
    }

    void statement(const std::vector<std::string>& w) {
        if (w[0] == "voice") return voice(w);
        if (w[0] == "cry") return cry(w);
        if (w[0] == "effect") return effect(w);
        fail("unknown statement '" + w[0] + "' (expected voice, cry or effect)");
    }

    void voice(const std::vector<std::string>& w) {
        VoiceDesign& v = sounds_.voice;
        const std::map<std::string, std::tuple<double*, double, double>> keys{
            {"pitch", {&v.pitch, 40, 600}},     {"tract", {&v.tract, 0.5, 1.6}},
            {"breath", {&v.breath, 0, 1}},      {"jitter", {&v.jitter, 0, 0.2}},
            {"shimmer", {&v.shimmer, 0, 0.5}},  {"growl", {&v.growl, 0, 1}},
            {"rasp", {&v.rasp, 0, 1}},          {"choir", {&v.choir, 0, 1}},
            {"vibrato", {&v.vibrato, 0, 2}},    {"reverb", {&v.reverb, 0, 1}},
            {"lowcut", {&v.lowcut, 20, 400}},
        };
        if (w.size() < 2) fail("expected: voice setting=value...");
        for (std::size_t i = 1; i < w.size(); ++i) {
            const auto [key, value] = split_setting(w[i]);
            const auto it = keys.find(key);
            if (it == keys.end() || value.empty())
                fail("unknown voice setting '" + w[i] +
                     "' (pitch, tract, breath, jitter, shimmer, growl, rasp, choir, vibrato, reverb, lowcut)");
            auto [field, lo, hi] = it->second;
            *field = number(value, key, lo, hi);
        }
    }

    void cry(const std::vector<std::string>& w) {
        if (w.size() < 3) fail("expected: cry NAME PHONES... [setting=value...]");
        check_new_name(w[1]);
        Cry c;
        c.name = w[1];
        c.line = line_;
        double total = 0;
        for (std::size_t i = 2; i < w.size(); ++i) {
            if (w[i].find('=') != std::string::npos) {
                cry_setting(c, w[i]);
                continue;
            }
            const auto digit = w[i].find_first_of("0123456789");
            const std::string symbol = w[i].substr(0, digit);
            if (!find_phone(symbol) || digit == std::string::npos) {
                std::string known;
                for (const auto& s : phone_symbols()) known += (known.empty() ? "" : " ") + s;
                fail("bad phone '" + w[i] + "': a symbol (" + known + ") then milliseconds, e.g. a120");
            }
            const double ms = number(w[i].substr(digit), "a phone's milliseconds", 5, 3000);
            c.phones.push_back({symbol, ms / 1000.0});
            total += ms / 1000.0;
        }
        if (c.phones.empty()) fail("cry '" + c.name + "' has no phones");
        if (total > 4.0) fail("cry '" + c.name + "' lasts more than 4 seconds");
        sounds_.cries.push_back(std::move(c));
    }

    void cry_setting(Cry& c, const std::string& word) {
        const auto [key, value] = split_setting(word);
        if (key == "pitch") {
            c.pitch.clear();
            std::istringstream in(value);
            for (std::string p; std::getline(in, p, ',');) c.pitch.push_back(number(p, "a pitch contour point", 0.25, 4));
            if (c.pitch.empty()) fail("pitch= needs at least one value");
        } else if (key == "effort") {
            c.effort = number(value, key, 0, 1);
        } else if (key == "level") {
            c.level = number(value, key, 0, 1);
        } else if (key == "growl") {
            c.growl = number(value, key, 0, 1);
        } else if (key == "rasp") {
            c.rasp = number(value, key, 0, 1);
        } else {
            fail("unknown cry setting '" + word + "' (pitch, effort, level, growl, rasp)");
        }
    }

    void effect(const std::vector<std::string>& w) {
        if (w.size() < 3) fail("expected: effect NAME KIND [setting=value...]");
        check_new_name(w[1]);
        EffectLine e{w[1], w[2], {}, line_};
        for (std::size_t i = 3; i < w.size(); ++i) {
            const auto [key, value] = split_setting(w[i]);
            if (value.empty()) fail("expected setting=value, got '" + w[i] + "'");
            e.settings[key] = number(value, key, -1e6, 1e6);
        }
        sounds_.effects.push_back(std::move(e));
    }

    FighterSounds sounds_;
    std::set<std::string> names_;
    int line_ = 0;
};

}  // namespace

FighterSounds parse_fighter_sounds(std::string_view text, const std::string& source_name) {
    return DesignParser(source_name).run(text);
}
