#include "music/music.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "audio/effects.h"
#include "audio/synth.h"
#include "common/output.h"
#include "common/rng.h"
#include "music/drums.h"
#include "music/patches.h"
#include "producers.h"

namespace {

constexpr double kTailSeconds = 4.0;
constexpr const char* kDrumInstrument = "drums";

struct Bus {
    Sound sound;
    int notes = 0;  // counts notes so patches can alternate per note
};

// How hard a kick pushes the ducked instruments down over time: a quick dip
// that recovers within a beat, which makes the pads pump with the groove.
void add_duck(std::vector<float>& env, std::size_t at, double velocity) {
    const std::size_t n = std::min(env.size() - std::min(env.size(), at), to_frames(0.35));
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double shape = (t < 0.008 ? t / 0.008 : std::exp(-(t - 0.008) / 0.11)) * velocity;
        env[at + i] = std::max(env[at + i], static_cast<float>(shape));
    }
}

void balance(Sound& s, double pan) {
    const double l = pan > 0 ? 1 - pan : 1, r = pan < 0 ? 1 + pan : 1;
    for (float& v : s.left) v = static_cast<float>(v * l);
    for (float& v : s.right) v = static_cast<float>(v * r);
}

}  // namespace

const ScoreVocabulary& music_vocabulary() {
    static const ScoreVocabulary vocabulary{instrument_names(), kDrumInstrument, drum_names()};
    return vocabulary;
}

const ScoreVocabulary& stage_music_vocabulary() {
    static const ScoreVocabulary vocabulary = [] {
        ScoreVocabulary v = music_vocabulary();
        for (const auto& name : stage_instrument_names()) v.instruments.push_back(name);
        return v;
    }();
    return vocabulary;
}

Sound render_score(const Score& score) {
    const double spt = score.seconds_per_tick();
    const std::size_t loop = to_frames(score.total_ticks() * spt);
    const std::size_t frames = loop + to_frames(kTailSeconds);
    Rng rng(0x5A3F'2024'C0DE'0001ull);

    std::map<std::string, Bus> buses;  // ordered, so the mix order never varies
    std::vector<float> duck(frames, 0.0f);
    for (const PlacedNote& note : arrange(score)) {
        Bus& bus = buses[note.instrument];
        if (bus.sound.frames() == 0) bus.sound = Sound(frames, true);
        const std::size_t at = to_frames(note.start * spt);
        if (note.instrument == kDrumInstrument) {
            for (int key : note.keys) {
                const Drum drum = static_cast<Drum>(key);
                mix_in(bus.sound, drum_hit(drum, note.velocity, rng), at, 1.0, drum_pan(drum));
                if (drum == Drum::Kick) add_duck(duck, at, note.velocity);
            }
            continue;
        }
        NoteOn on;
        on.gate = note.length * spt;
        for (int key : note.keys) on.hz.push_back(midi_to_hz(key));
        on.velocity = note.velocity;
        on.index = bus.notes++;
        mix_in(bus.sound, play_instrument(note.instrument, on, rng), at);
    }

    Sound master(frames, true), reverb_send(frames, true), delay_send(frames, true);
    for (auto& [instrument, bus] : buses) {
        const auto found = score.mix.find(instrument);
        const MixSettings mix = found == score.mix.end() ? MixSettings{} : found->second;
        if (mix.duck > 0)
            for (std::size_t i = 0; i < frames; ++i) {
                const float g = static_cast<float>(1.0 - mix.duck * duck[i]);
                bus.sound.left[i] *= g;
                bus.sound.right[i] *= g;
            }
        balance(bus.sound, mix.pan);
        mix_in(master, bus.sound, 0, mix.level);
        mix_in(reverb_send, bus.sound, 0, mix.level * mix.reverb);
        mix_in(delay_send, bus.sound, 0, mix.level * mix.delay);
    }

    // Dotted-eighth echoes land off the beat, against the straight eighths, and thicken the groove.
    const Sound echoes = ping_pong_delay(delay_send, 0.75 * 60.0 / score.tempo, 0.38, 3200);
    mix_in(reverb_send, echoes, 0, 0.3);
    mix_in(master, echoes);
    mix_in(master, reverb(reverb_send, {0.82, 0.45, 1.0, 0.02}));
    remove_dc(master);

    Sound song(loop, true);
    for (std::size_t i = 0; i < frames; ++i) {
        song.left[i % loop] += master.left[i];
        song.right[i % loop] += master.right[i];
    }
    soft_clip(song, 1.2);
    normalise(song, -1.0);
    return song;
}

void produce_music(Context& ctx) {
    struct Track {
        const char* score;
        const char* wav;
    };
    static constexpr Track kTracks[] = {
        {"music/menu.txt", "wav/zef.wav"},
    };
    for (const Track& track : kTracks) {
        const auto path = ctx.content_dir / track.score;
        const Score score = parse_score(read_text_file(path), path.string(), music_vocabulary());
        ctx.out.write_wav(track.wav, render_score(score));
    }
}
