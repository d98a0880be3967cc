// The sounds of a fight as the game loads them: every file it names is
// there, a valid 16-bit WAV, as long and as loud as its use needs; each
// fighter sounds like himself; the stage loops differ in mood and loop
// without a seam; and the sound designs and announcer script report
// mistakes by line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>

#include "audio/synth.h"
#include "file_reading.h"
#include "common/output.h"
#include "music/fight_music.h"
#include "music/music.h"
#include "producers.h"
#include "sound_checks.h"
#include "sounds/fight_announcer.h"
#include "sounds/fight_sounds.h"
#include "sounds/fight_voice.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kContent = ZEFGEN_CONTENT_DIR;

double peak_db(const std::vector<float>& v) {
    float p = 0;
    for (float x : v) p = std::max(p, std::fabs(x));
    return 20 * std::log10(std::max(p, 1e-9f));
}

// The typical fundamental, between 60 and 600 Hz: the median over the loud
// 40 ms windows of the best-correlating period (the shortest of the nearly
// best, so a growl's doubled period doesn't count as an octave down).
// Worked out at a quarter of the rate, which is plenty below 600 Hz.
double pitch_of(const std::vector<float>& v, int rate) {
    std::vector<float> d;
    for (std::size_t i = 0; i + 4 <= v.size(); i += 4) d.push_back((v[i] + v[i + 1] + v[i + 2] + v[i + 3]) / 4);
    const int r = rate / 4;
    const std::size_t window = r * 40 / 1000, hop = r * 15 / 1000;
    const double loud = [&] {
        double m = 0;
        for (std::size_t at = 0; at + window < d.size(); at += hop) m = std::max(m, rms_of(d, at, at + window));
        return m;
    }();
    std::vector<double> found;
    for (std::size_t at = 0; at + window + r / 60 < d.size(); at += hop) {
        if (rms_of(d, at, at + window) < 0.3 * loud) continue;
        std::vector<double> score;
        for (int lag = r / 600; lag <= r / 60; ++lag) {
            double num = 0, a = 1e-12, b = 1e-12;
            for (std::size_t i = at; i < at + window; ++i) {
                num += d[i] * d[i + lag];
                a += d[i] * d[i];
                b += d[i + lag] * d[i + lag];
            }
            score.push_back(num / std::sqrt(a * b));
        }
        const double best = *std::max_element(score.begin(), score.end());
        if (best < 0.3) continue;  // no pitch here: a hiss or a burst
        for (std::size_t k = 0; k < score.size(); ++k)
            if (score[k] >= 0.9 * best && (k == 0 || score[k] >= score[k - 1]) && (k + 1 == score.size() || score[k] >= score[k + 1])) {
                found.push_back(static_cast<double>(r) / (r / 600 + static_cast<int>(k)));
                break;
            }
    }
    if (found.empty()) return 0;
    std::nth_element(found.begin(), found.begin() + found.size() / 2, found.end());
    return found[found.size() / 2];
}

// How regular the loudest 60 ms are: the autocorrelation at the best period
// (1 for a steady tone, near 0 for a hiss).
double periodicity_of(const std::vector<float>& v, int rate) {
    const std::size_t window = rate * 60 / 1000, hop = window / 2;
    std::size_t best_at = 0;
    double best = -1;
    for (std::size_t at = 0; at + window < v.size(); at += hop) {
        const double e = rms_of(v, at, at + window);
        if (e > best) best = e, best_at = at;
    }
    double score = 0;
    for (int lag = rate / 600; lag <= rate / 60; ++lag) {
        double num = 0, a = 1e-12, b = 1e-12;
        for (std::size_t i = best_at; i < best_at + window && i + lag < v.size(); ++i) {
            num += v[i] * v[i + lag];
            a += v[i] * v[i];
            b += v[i + lag] * v[i + lag];
        }
        score = std::max(score, num / std::sqrt(a * b));
    }
    return score;
}

// How much of the energy lies above `hz`: a one-pole high-pass's share.
double share_above(const std::vector<float>& v, int rate, double hz) {
    const double a = std::exp(-2 * M_PI * hz / rate);
    double prev_x = 0, y = 0, high = 0, all = 1e-12;
    for (float x : v) {
        y = a * (y + x - prev_x);
        prev_x = x;
        high += y * y;
        all += static_cast<double>(x) * x;
    }
    return high / all;
}

// Magnitude of one frequency over a stretch of samples (a single DFT bin).
double level_at(const std::vector<float>& v, int rate, double hz, std::size_t from, std::size_t to) {
    std::complex<double> sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(v[i]) * std::polar(1.0, -2 * M_PI * hz * i / rate);
    return std::abs(sum) / static_cast<double>(to - from);
}

// An in-place radix-2 FFT, enough for a spectrum now and then.
void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const auto w = std::polar(1.0, -2 * M_PI / static_cast<double>(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> z = 1;
            for (std::size_t k = 0; k < len / 2; ++k, z *= w) {
                const auto u = a[i + k], t = a[i + k + len / 2] * z;
                a[i + k] = u + t;
                a[i + k + len / 2] = u - t;
            }
        }
    }
}

// Where the spectrum's weight sits: the magnitude-weighted mean frequency
// of 2048-sample frames taken all through the loop.
double spectral_centroid(const std::vector<float>& v, int rate) {
    constexpr std::size_t kFrame = 2048;
    double weighted = 0, total = 0;
    for (std::size_t at = 0; at + kFrame < v.size(); at += v.size() / 200) {
        std::vector<std::complex<double>> frame(kFrame);
        for (std::size_t i = 0; i < kFrame; ++i) frame[i] = v[at + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / kFrame));
        fft(frame);
        for (std::size_t k = 1; k < kFrame / 2; ++k) {
            const double m = std::abs(frame[k]);
            weighted += m * static_cast<double>(k) * rate / kFrame;
            total += m;
        }
    }
    return weighted / total;
}

// How strongly the music pulses at a tempo: the autocorrelation of its
// attacks (rises of the 10 ms log energy) one, two and four beats apart.
double pulse_at(const std::vector<float>& v, int rate, double bpm) {
    const std::size_t hop = rate / 100;
    std::vector<double> level;
    for (std::size_t at = 0; at + hop < v.size(); at += hop) level.push_back(std::log(rms_of(v, at, at + hop) + 1e-6));
    std::vector<double> attack(level.size(), 0.0);
    for (std::size_t i = 1; i < level.size(); ++i) attack[i] = std::max(0.0, level[i] - level[i - 1]);
    const double mean = std::accumulate(attack.begin(), attack.end(), 0.0) / attack.size();
    for (double& a : attack) a -= mean;
    double total = 0;
    for (int beats : {1, 2, 4}) {
        const double lag = 6000.0 / bpm * beats;  // in 10 ms frames
        const auto whole = static_cast<std::size_t>(lag);
        const double part = lag - static_cast<double>(whole);
        double sum = 0;
        for (std::size_t i = 0; i + whole + 1 < attack.size(); ++i)
            sum += attack[i] * ((1 - part) * attack[i + whole] + part * attack[i + whole + 1]);
        total += sum / static_cast<double>(attack.size() - whole);
    }
    return total;
}

struct Expected {
    std::string file;
    double min_seconds, max_seconds;
};

std::vector<Expected> fight_files() {
    std::vector<Expected> files{{"wav/hit1.wav", 0.15, 0.35}, {"wav/hit2.wav", 0.15, 0.35}, {"wav/PROTECT.wav", 0.2, 0.3}};
    const std::map<std::string, std::vector<std::string>> per_fighter{
        {"shiz", {"11", "18", "20", "21", "22", "27", "30", "32", "40", "41", "43", "44", "45", "46", "47", "50", "53", "mvt1", "mvt2", "5", "fireball"}},
        {"talon", {"18", "20", "30", "40", "41", "42", "43", "44", "45", "47", "50", "53", "mvt1", "mvt2", "5"}},
        {"vishvakarman", {"2", "5", "11", "18", "20", "21", "22", "30", "31", "32", "33", "35", "40", "41", "42", "44", "45", "46", "47", "50", "53", "mvt1", "mvt2"}},
        {"panda", {"0", "10", "22", "23", "40", "41", "50", "53"}},
    };
    for (const auto& [fighter, names] : per_fighter)
        for (const auto& n : names) files.push_back({fighter + "/wav/" + n + ".wav", 0.1, 2.5});
    for (const char* line : {"round1", "round2", "finalround", "fight", "ko", "perfect", "timeup"})
        files.push_back({std::string("wav/") + line + ".wav", 0.8, 4.0});
    return files;
}

void make_fight_sounds(const fs::path& dir) {
    Output out(dir);
    Context ctx{out, kContent, FontTable::load(kContent / "fonts.txt")};
    produce_fight_sounds(ctx);
    produce_announcer(ctx);
}

}  // namespace

TEST(FightSounds, EveryFileTheGameLoadsIsThereAtItsLengthAndLevel) {
    TempDir dir("files"), again("again");
    make_fight_sounds(dir.path());
    for (const Expected& e : fight_files()) {
        SCOPED_TRACE(e.file);
        const fs::path path = dir.path() / e.file;
        ASSERT_TRUE(fs::is_regular_file(path)) << "not generated";
        const Wav w = load_wav(path);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
        EXPECT_GE(w.seconds(), e.min_seconds);
        EXPECT_LE(w.seconds(), e.max_seconds);
        // Loud, never clipped, never lost under the music.
        EXPECT_LE(peak_db(w.samples), -0.9);
        EXPECT_GE(peak_db(w.samples), -3.2);
        EXPECT_GT(rms_of(w.samples), 0.03) << "barely audible";
        EXPECT_LT(std::fabs(w.samples.back()), 0.01) << "ends with a click";
    }
    // Nothing depends on a clock or on the machine's random numbers.
    make_fight_sounds(again.path());
    for (const Expected& e : fight_files())
        EXPECT_TRUE(read_file(dir.path() / e.file) == read_file(again.path() / e.file)) << e.file << " differs between runs";
}

TEST(FightSounds, EachFighterIsKnownByEar) {
    TempDir dir("voices");
    make_fight_sounds(dir.path());
    // Over every cry: the typical pitch, and how much hiss rides on it.
    struct Voice {
        std::vector<double> pitches;
        double hiss = 0, tail = 0, regular = 0;
        int cries = 0;
    };
    std::map<std::string, Voice> voices;
    for (const std::string& fighter : sound_fighters()) {
        const auto path = kContent / "sounds" / (fighter + ".txt");
        const FighterSounds design = parse_fighter_sounds(read_text_file(path), path.string());
        for (const Cry& cry : design.cries) {
            const Wav w = load_wav(dir.path() / fighter / "wav" / (cry.name + ".wav"));
            Voice& v = voices[fighter];
            v.pitches.push_back(pitch_of(w.samples, w.rate));
            v.hiss += share_above(w.samples, w.rate, 4000);
            v.regular += periodicity_of(w.samples, w.rate);
            // How much sound is left once the voice has stopped: the room.
            double spoken = 0;
            for (const Phone& p : cry.phones) spoken += p.seconds;
            const auto stop = static_cast<std::size_t>(spoken * w.rate);
            v.tail += rms_of(w.samples, stop, stop + w.rate / 5) / rms_of(w.samples, 0, stop);
            ++v.cries;
        }
    }
    auto median_pitch = [&](const std::string& f) {
        auto p = voices[f].pitches;
        std::nth_element(p.begin(), p.begin() + p.size() / 2, p.end());
        return p[p.size() / 2];
    };
    auto hiss = [&](const std::string& f) { return voices[f].hiss / voices[f].cries; };
    auto tail = [&](const std::string& f) { return voices[f].tail / voices[f].cries; };
    auto regular = [&](const std::string& f) { return voices[f].regular / voices[f].cries; };
    for (const auto& f : sound_fighters())
        std::cout << f << ": pitch " << median_pitch(f) << " Hz, hiss " << hiss(f) << ", tail " << tail(f) << ", regularity "
                  << regular(f) << "\n";
    // Shiz is the young, high voice; the mystic and the panda are the deep ones.
    for (const char* other : {"talon", "vishvakarman", "panda"}) EXPECT_GT(median_pitch("shiz"), 1.4 * median_pitch(other)) << other;
    EXPECT_LT(median_pitch("vishvakarman"), 0.85 * median_pitch("talon"));
    EXPECT_LT(median_pitch("panda"), 0.85 * median_pitch("talon"));
    // Talon hisses and rasps: far more of his sound lies up where the esses
    // are than the deep voices', and his voice is much rougher than Shiz's
    // clean shouts.
    for (const char* other : {"vishvakarman", "panda"}) EXPECT_GT(hiss("talon"), 2.0 * hiss(other)) << other;
    EXPECT_LT(regular("talon"), 0.75 * regular("shiz"));
    // The mystic chants in a temple: his voice rings on after he stops.
    for (const char* other : {"shiz", "talon", "panda"}) EXPECT_GT(tail("vishvakarman"), 3.0 * tail(other)) << other;
}

TEST(FightSounds, VowelsHaveTheirFormants) {
    // "a" opens the mouth (a high first formant), "i" spreads it (a high second).
    VoiceDesign plain;
    plain.pitch = 120;
    plain.jitter = plain.shimmer = plain.breath = 0;
    auto vowel = [&](const char* symbol) {
        Cry c;
        c.name = symbol;
        c.phones = {{symbol, 0.3}};
        return speak(plain, c, 1);
    };
    const Sound a = vowel("a"), i = vowel("i");
    const std::size_t from = to_frames(0.1), to = to_frames(0.2);
    auto at = [&](const Sound& s, double hz) { return level_at(s.left, kSampleRate, hz, from, to); };
    // Harmonics of 120 Hz near each formant.
    EXPECT_GT(at(a, 840), 3 * at(i, 840));
    EXPECT_GT(at(i, 2280), 3 * at(a, 2280));
    EXPECT_GT(at(i, 240), 2 * at(a, 240));
}

TEST(StageMusic, ThreeLoopsWithTheirOwnMoods) {
    TempDir dir("music");
    Output out(dir.path());
    Context ctx{out, kContent, FontTable::load(kContent / "fonts.txt")};
    produce_stage_music(ctx);
    std::map<std::string, double> centroid, tempo;
    std::map<std::string, std::vector<float>> audio;
    std::set<std::string> heard;
    for (const StageTrack& track : stage_tracks()) {
        SCOPED_TRACE(track.wav);
        const Wav w = load_wav(dir.path() / track.wav);
        EXPECT_EQ(w.channels, 2);
        EXPECT_EQ(w.rate, 44100);
        EXPECT_EQ(w.bits, 16);
        EXPECT_GE(w.seconds(), 60.0);
        EXPECT_LE(w.seconds(), 90.0);
        EXPECT_NEAR(peak_db(w.samples), -1.0, 0.05);
        EXPECT_GT(rms_of(w.samples), 0.15);
        EXPECT_LT(rms_of(w.samples), 0.25);
        // The loop's end runs into its start like any two neighbouring samples.
        std::vector<double> steps;
        for (std::size_t i = 2; i < w.samples.size(); i += 2) steps.push_back(std::fabs(w.samples[i] - w.samples[i - 2]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 999 / 1000, steps.end());
        EXPECT_LE(std::fabs(w.samples.front() - w.samples[w.samples.size() - 2]), steps[steps.size() * 999 / 1000]);

        audio[track.wav] = w.mono();
        centroid[track.wav] = spectral_centroid(audio[track.wav], w.rate);
        const auto path = kContent / track.score;
        const Score score = parse_score(read_text_file(path), path.string(), stage_music_vocabulary());
        tempo[track.wav] = score.tempo;
        for (const auto& note : arrange(score)) heard.insert(note.instrument);
        std::cout << track.wav << ": " << score.tempo << " BPM, centroid " << centroid[track.wav] << " Hz\n";
    }
    // The airport drives fastest, the temple is slowest; and what comes out
    // really pulses at its own score's tempo, not at the others'.
    EXPECT_GT(tempo["stage/music2.wav"], tempo["stage/music1.wav"] + 10);
    EXPECT_GT(tempo["stage/music1.wav"], tempo["stage/music3.wav"] + 10);
    for (const auto& [track, samples] : audio)
        for (const auto& [other, bpm] : tempo)
            if (other != track) {
                EXPECT_GT(pulse_at(samples, 44100, tempo[track]), 1.5 * pulse_at(samples, 44100, bpm))
                    << track << " pulses at " << other << "'s tempo";
            }
    // The temple at dusk is the darkest of the three.
    EXPECT_GT(centroid["stage/music2.wav"], 1.5 * centroid["stage/music3.wav"]);
    EXPECT_GT(centroid["stage/music1.wav"], 1.5 * centroid["stage/music3.wav"]);
    // Every stage instrument is played somewhere.
    for (const auto& name : stage_music_vocabulary().instruments) EXPECT_TRUE(heard.count(name)) << name << " never plays";
}

TEST(SoundDesign, MistakesAreReportedWithTheirLine) {
    auto rejects = [](const std::string& text, const std::string& why) {
        try {
            const FighterSounds s = parse_fighter_sounds(text, "f.txt");
            for (const EffectLine& e : s.effects) render_effect(e, s.source, 1);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const SoundDesignError& e) {
            EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
        }
    };
    rejects("cry 20 h30 zz100\n", "f.txt:1: bad phone 'zz100'");
    rejects("cry 20 h30 a\n", "f.txt:1: bad phone 'a'");
    rejects("voice pitch=190\n\ncry 20 a100 pitch=1,9\n", "f.txt:3: a pitch contour point must lie between");
    rejects("cry 20 a100\ncry 20 o100\n", "f.txt:2: '20' is made twice");
    rejects("cry 20 a100 loud=1\n", "f.txt:1: unknown cry setting 'loud=1'");
    rejects("voice colour=3\ncry 1 a100\n", "f.txt:1: unknown voice setting");
    rejects("shout 20 a100\n", "f.txt:1: unknown statement 'shout'");
    rejects("effect mvt1 whoosh seconds=0.2 ring=2\n", "f.txt:1: ring must lie between 0 and 1");
    rejects("effect 2 steps count=2.5\n", "f.txt:1: count is a whole number");
    rejects("effect 5 jump ring=0.3\n", "f.txt:1: a jump has no setting 'ring'");
    rejects("effect f laser\n", "f.txt:1: unknown effect 'laser'");
    rejects("# nothing\n", "f.txt: no cry or effect");
    // A cry's settings may go on over indented lines.
    const FighterSounds ok = parse_fighter_sounds("cry 46 h30 a400\n      pitch=1,1.5 level=0.9\n", "f.txt");
    ASSERT_EQ(ok.cries.size(), 1u);
    EXPECT_EQ(ok.cries[0].pitch, (std::vector<double>{1, 1.5}));
    EXPECT_EQ(ok.cries[0].level, 0.9);
}

TEST(Announcer, NeedsEspeakAndAReadableScript) {
    const AnnouncerScript script = parse_announcer(read_text_file(kContent / "sounds/announcer.txt"), "announcer.txt");
    EXPECT_EQ(script.lines.size(), 7u);
    try {
        espeak("Fight!", script, "/nonexistent-zef-a:/nonexistent-zef-b");
        FAIL() << "no error without espeak-ng";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("espeak-ng was not found on PATH"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("install the Debian package espeak-ng"), std::string::npos) << e.what();
    }
    auto rejects = [](const std::string& text, const std::string& why) {
        try {
            parse_announcer(text, "a.txt");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
        }
    };
    rejects("say fight Fight!\nsay fight Go!\n", "a.txt:2: 'fight' is said twice");
    rejects("say fight Fight; rm -rf /\n", "a.txt:1: 'Fight; rm -rf /': use letters");
    rejects("say fight it's on\n", "use letters");
    rejects("voice en us\nsay a b\n", "a.txt:1: expected: voice NAME");
    rejects("deepen 0.2\nsay a b\n", "a.txt:1: deepen must be a number between");
    rejects("speed 150\n", "a.txt: no 'say' line");
}
