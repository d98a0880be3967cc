#pragma once
// The music notation the composer writes in content/music/*.txt.
//
//   tempo 136
//   mix lead level=0.5 pan=-0.1 reverb=0.3 delay=0.25
//
//   pattern hook                 # a melodic pattern, whole bars long
//     A4/8. C5/8. E5/8 A5/4 G5/8 E5/8 |
//   end
//
//   beat rock                    # a drum pattern: one grid row per drum,
//     kick  X.....x.X.....x.     # one character per sixteenth:
//     snare ....X.......X...     # X accent, x normal, o soft, . silence
//   end
//
//   section A 8                  # a section of 8 bars; each line names an
//     drums rock                 # instrument and the patterns it plays in
//     bass  riff riff-4 riff+3   # order, repeated to fill the section;
//     lead  hook                 # +N / -N transposes by semitones
//   end
//
//   song A A B A
//
// Notes: letter, optional # or b, octave (C4 is middle C); `r` is a rest,
// `~` holds the previous note longer, A3+C4+E4 is a chord. Durations are
// /1 /2 /4 /8 /16 /32, a dot adds half; a note without one keeps the
// previous duration. A trailing ! accents the note. `|` marks a bar line
// and must fall on one. Comments start with a # standing alone.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

constexpr int kTicksPerBar = 96;  // 4/4 bars; a sixteenth is 6 ticks, so dotted sixteenths work
constexpr int kTicksPerBeat = 24;
constexpr int kTicksPerStep = 6;  // one drum-grid character

struct ScoreNote {
    int start = 0;  // ticks from the start of the pattern
    int length = 0;
    std::vector<int> keys;  // MIDI note numbers; drum indices in a drum pattern
    double velocity = 0.8;
};

struct Pattern {
    std::string name;
    bool drums = false;  // a beat: keys are drum indices
    int bars = 0;
    std::vector<ScoreNote> notes;
};

struct PatternRef {
    std::string pattern;
    int transpose = 0;
};

struct Lane {
    std::string instrument;
    std::vector<PatternRef> sequence;
};

struct Section {
    std::string name;
    int bars = 0;
    std::vector<Lane> lanes;
};

struct MixSettings {
    double level = 1.0;
    double pan = 0.0;
    double reverb = 0.0;  // send amounts
    double delay = 0.0;
    double duck = 0.0;  // how far the kick pushes the instrument down
};

struct Score {
    double tempo = 120;
    std::map<std::string, Pattern> patterns;
    std::map<std::string, Section> sections;
    std::vector<std::string> song;  // section names in playing order
    std::map<std::string, MixSettings> mix;

    int total_ticks() const;
    double seconds_per_tick() const { return 60.0 / tempo / kTicksPerBeat; }
};

// What a score may name: the instruments the renderer can play.
struct ScoreVocabulary {
    std::vector<std::string> instruments;  // melodic ones
    std::string drum_instrument;           // the one that plays beats
    std::vector<std::string> drum_voices;  // index = the key stored in drum notes
};

// Messages read "file:line: what is wrong".
class ScoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Score parse_score(std::string_view text, const std::string& source_name, const ScoreVocabulary& vocabulary);

// A note placed on the song's timeline, transposition applied.
struct PlacedNote {
    std::string instrument;
    int start = 0;
    int length = 0;
    std::vector<int> keys;
    double velocity = 0.8;
};

// Unrolls song, sections and lanes into one list, in a stable order.
std::vector<PlacedNote> arrange(const Score& score);
