#pragma once
// The fighters' voices: a formant synthesiser and the sound designs it
// reads from content/sounds/<fighter>.txt.
//
// A voice is a glottal pulse train (with breath, jitter, and for some
// fighters a growl or a rasp) sent through a cascade of vocal-tract
// resonators whose frequencies glide from phone to phone. A cry is written
// as phones with their durations in milliseconds and a pitch contour:
//
//   voice  pitch=190 tract=1.12 breath=0.05
//   cry 21  h25 y40 a150   pitch=1.3,1.45,1.05  effort=0.7 level=0.8
//
// The same file lists the fighter's other sounds (whooshes, jumps, steps,
// magic), rendered elsewhere:
//
//   effect mvt1  whoosh  seconds=0.2 pitch=1.3 weight=0.2
//
// The format is described in content/sounds/README.md.

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/audio.h"

struct VoiceDesign {
    double pitch = 150;     // Hz at a contour value of 1
    double tract = 1.0;     // formant frequencies are scaled by this: above 1 a smaller, younger throat
    double breath = 0.05;   // aspiration noise under the voicing
    double jitter = 0.01;   // random variation of each glottal period (fraction)
    double shimmer = 0.06;  // random variation of each pulse's strength (fraction)
    double growl = 0;       // 0..1: period doubling and a rough flutter, an animal's roar
    double rasp = 0;        // 0..1: noise riding on the voice and a harsh drive
    double choir = 0;       // 0..1: a voice an octave below and two unisons chanting along
    double vibrato = 0;     // semitones of vibrato on long vowels
    double reverb = 0;      // how much of the voice goes into a hall
    double lowcut = 70;     // Hz: nothing of the voice lies below this
};

struct Phone {
    std::string symbol;
    double seconds = 0;
};

struct Cry {
    std::string name;  // the file: <fighter>/wav/<name>.wav
    std::vector<Phone> phones;
    std::vector<double> pitch{1.0};  // contour, spread evenly over the cry
    double effort = 0.6;             // 0 a sigh .. 1 a full-throated shout
    double level = 0.8;              // 0..1: where its peak sits, -3 .. -1 dBFS
    double growl = -1, rasp = -1;    // per-cry overrides of the voice's own (-1: the voice's)
    int line = 0;
};

// A sound that isn't a voice: the kind names its renderer, the settings
// are checked by it.
struct EffectLine {
    std::string name;
    std::string kind;
    std::map<std::string, double> settings;
    int line = 0;
};

struct FighterSounds {
    std::string source;  // for messages
    VoiceDesign voice;
    std::vector<Cry> cries;
    std::vector<EffectLine> effects;
};

// Messages read "file:line: what is wrong".
class SoundDesignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

FighterSounds parse_fighter_sounds(std::string_view text, const std::string& source_name);

// The phone symbols a cry may use.
const std::vector<std::string>& phone_symbols();

// Renders a cry, mono at 44.1 kHz, its peak where its level puts it. The
// seed only varies the breath and jitter, never the shape of the cry.
Sound speak(const VoiceDesign& voice, const Cry& cry, std::uint64_t seed);

// The peak, in dBFS, a cry of this level is normalised to.
double cry_peak_dbfs(double level);
