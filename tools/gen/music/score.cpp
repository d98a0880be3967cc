#include "music/score.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace {

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        if (w[0] == '#') break;  // a comment; '#' inside a word is a sharp
        words.push_back(w);
    }
    return words;
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// "2 bars and 3 sixteenths", for messages about lengths that don't add up.
std::string describe_ticks(int ticks) {
    auto count = [](int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); };
    const int bars = ticks / kTicksPerBar;
    const int rest = ticks % kTicksPerBar;
    const std::string part = rest % kTicksPerStep == 0 ? count(rest / kTicksPerStep, "sixteenth", "sixteenths")
                                                       : count(rest, "96th of a bar", "96ths of a bar");
    if (bars == 0) return part;
    return rest == 0 ? count(bars, "bar", "bars") : count(bars, "bar", "bars") + " and " + part;
}

class Parser {
public:
    Parser(const std::string& source, const ScoreVocabulary& vocabulary) : source_(source), vocab_(vocabulary) {}

    Score run(std::string_view text) {
        std::istringstream lines{std::string(text)};
        std::string line;
        while (std::getline(lines, line)) {
            ++line_;
            const auto words = words_of(line);
            if (!words.empty()) statement(words);
        }
        if (pattern_) fail_at(block_line_, "pattern '" + pattern_->name + "' has no 'end'");
        if (section_) fail_at(block_line_, "section '" + section_->name + "' has no 'end'");
        check_references();
        return std::move(score_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const { fail_at(line_, what); }
    [[noreturn]] void fail_at(int line, const std::string& what) const {
        throw ScoreError(source_ + ":" + std::to_string(line) + ": " + what);
    }

    double number(const std::string& text, const std::string& what) const {
        try {
            std::size_t used = 0;
            const double v = std::stod(text, &used);
            if (used == text.size()) return v;
        } catch (const std::exception&) {
        }
        fail("'" + text + "' is not a number (" + what + ")");
    }

    void statement(const std::vector<std::string>& w) {
        static const std::vector<std::string> kTopLevel{"tempo", "mix", "pattern", "beat", "section", "song"};
        if ((pattern_ || section_) && contains(kTopLevel, w[0])) {
            const std::string open = pattern_ ? "pattern '" + pattern_->name + "'" : "section '" + section_->name + "'";
            fail(open + " (line " + std::to_string(block_line_) + ") has no 'end' before this '" + w[0] + "'");
        }
        if (pattern_) {
            if (w[0] == "end") return close_pattern(w);
            return pattern_->drums ? drum_row(w) : melody(w);
        }
        if (section_) {
            if (w[0] == "end") return close_section(w);
            return lane(w);
        }
        if (w[0] == "tempo") {
            if (w.size() != 2) fail("expected: tempo BEATS-PER-MINUTE");
            score_.tempo = number(w[1], "tempo");
            if (score_.tempo < 30 || score_.tempo > 300) fail("tempo must be between 30 and 300");
        } else if (w[0] == "mix") {
            mix(w);
        } else if (w[0] == "pattern" || w[0] == "beat") {
            open_pattern(w);
        } else if (w[0] == "section") {
            open_section(w);
        } else if (w[0] == "song") {
            for (std::size_t i = 1; i < w.size(); ++i) song_.push_back({w[i], line_});
        } else if (w[0] == "end") {
            fail("'end' without a pattern or section to close");
        } else {
            fail("unknown statement '" + w[0] + "' (expected tempo, mix, pattern, beat, section or song)");
        }
    }

    bool known_instrument(const std::string& name) const {
        return name == vocab_.drum_instrument || contains(vocab_.instruments, name);
    }

    void mix(const std::vector<std::string>& w) {
        if (w.size() < 2) fail("expected: mix INSTRUMENT setting=value...");
        if (!known_instrument(w[1])) fail("unknown instrument '" + w[1] + "'");
        MixSettings& m = score_.mix[w[1]];
        for (std::size_t i = 2; i < w.size(); ++i) {
            const auto eq = w[i].find('=');
            if (eq == std::string::npos) fail("expected setting=value, got '" + w[i] + "'");
            const std::string key = w[i].substr(0, eq);
            const double v = number(w[i].substr(eq + 1), key);
            if (key == "level") m.level = v;
            else if (key == "pan") m.pan = v;
            else if (key == "reverb") m.reverb = v;
            else if (key == "delay") m.delay = v;
            else if (key == "duck") m.duck = v;
            else fail("unknown mix setting '" + key + "' (level, pan, reverb, delay, duck)");
        }
    }

    void open_pattern(const std::vector<std::string>& w) {
        if (w.size() != 2) fail("expected: " + w[0] + " NAME");
        check_name(w[1], "pattern");
        if (score_.patterns.count(w[1])) fail("pattern '" + w[1] + "' is defined twice");
        pattern_ = Pattern{};
        pattern_->name = w[1];
        pattern_->drums = w[0] == "beat";
        block_line_ = line_;
        position_ = 0;
        duration_ = kTicksPerBeat;
        can_tie_ = false;
        grid_rows_.clear();
        grid_length_ = 0;
    }

    void close_pattern(const std::vector<std::string>& w) {
        if (w.size() != 1) fail("'end' takes nothing after it");
        const int length = pattern_->drums ? grid_length_ : position_;
        if (length <= 0) fail("pattern '" + pattern_->name + "' is empty");
        if (length % kTicksPerBar != 0)
            fail("pattern '" + pattern_->name + "' lasts " + describe_ticks(length) + "; it must fill whole bars");
        pattern_->bars = length / kTicksPerBar;
        std::stable_sort(pattern_->notes.begin(), pattern_->notes.end(),
                         [](const ScoreNote& a, const ScoreNote& b) { return a.start < b.start; });
        score_.patterns.emplace(pattern_->name, std::move(*pattern_));
        pattern_.reset();
    }

    // Names are plain words: + and - after a name mean transposition.
    void check_name(const std::string& name, const char* what) const {
        const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        });
        if (!plain) fail(std::string("a ") + what + " name uses only letters, digits and _: '" + name + "'");
    }

    void melody(const std::vector<std::string>& w) {
        for (const std::string& token : w) melody_token(token);
    }

    void melody_token(std::string token) {
        if (token == "|") {
            if (position_ % kTicksPerBar != 0)
                fail("bar line after " + describe_ticks(position_) + ": the notes before it don't fill the bar");
            return;
        }
        double velocity = 0.8;
        if (token.size() > 1 && token.back() == '!') {
            velocity = 1.0;
            token.pop_back();
        }
        const auto slash = token.find('/');
        const std::string head = token.substr(0, slash);
        if (slash != std::string::npos) duration_ = parse_duration(token.substr(slash + 1), token);
        if (head == "r") {
            can_tie_ = false;
        } else if (head == "~") {
            if (!can_tie_) fail("'~' must follow a note");
            pattern_->notes.back().length += duration_;
        } else {
            ScoreNote note;
            note.start = position_;
            note.length = duration_;
            note.velocity = velocity;
            std::size_t from = 0;
            while (true) {
                const auto plus = head.find('+', from);
                note.keys.push_back(parse_pitch(head.substr(from, plus - from), token));
                if (plus == std::string::npos) break;
                from = plus + 1;
            }
            pattern_->notes.push_back(std::move(note));
            can_tie_ = true;
        }
        position_ += duration_;
    }

    int parse_duration(const std::string& text, const std::string& token) const {
        std::string digits = text;
        const bool dotted = !digits.empty() && digits.back() == '.';
        if (dotted) digits.pop_back();
        static const std::map<std::string, int> kLengths{{"1", 96}, {"2", 48}, {"4", 24}, {"8", 12}, {"16", 6}, {"32", 3}};
        const auto it = kLengths.find(digits);
        if (it == kLengths.end() || (dotted && it->second % 2 != 0))
            fail("bad duration in '" + token + "' (use /1 /2 /4 /8 /16 /32, optionally dotted)");
        return dotted ? it->second * 3 / 2 : it->second;
    }

    int parse_pitch(const std::string& text, const std::string& token) const {
        static const int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
        if (text.empty() || text[0] < 'A' || text[0] > 'G') fail("bad note '" + token + "' (expected e.g. A4, C#5, Bb3, r or ~)");
        int key = kSemitone[text[0] - 'A'];
        std::size_t i = 1;
        if (i < text.size() && (text[i] == '#' || text[i] == 'b')) key += text[i++] == '#' ? 1 : -1;
        const std::string octave = text.substr(i);
        const bool digits = !octave.empty() && octave.size() <= 2 &&
                            std::all_of(octave.begin() + (octave[0] == '-' ? 1 : 0), octave.end(),
                                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }) &&
                            octave != "-";
        if (!digits) fail("bad note '" + token + "' (the octave number is missing or wrong)");
        const int midi = key + 12 * (std::stoi(octave) + 1);
        if (midi < 0 || midi > 127) fail("note '" + token + "' is out of range");
        return midi;
    }

    void drum_row(const std::vector<std::string>& w) {
        const auto voice = std::find(vocab_.drum_voices.begin(), vocab_.drum_voices.end(), w[0]);
        if (voice == vocab_.drum_voices.end()) {
            std::string known;
            for (const auto& v : vocab_.drum_voices) known += (known.empty() ? "" : ", ") + v;
            fail("unknown drum '" + w[0] + "' (" + known + ")");
        }
        if (contains(grid_rows_, w[0])) fail("drum '" + w[0] + "' has two rows in one pattern");
        grid_rows_.push_back(w[0]);
        if (w.size() < 2) fail("drum '" + w[0] + "' has no grid");
        int step = 0;
        for (std::size_t i = 1; i < w.size(); ++i) {
            for (char c : w[i]) {
                if (c == '|') {
                    if (step % (kTicksPerBar / kTicksPerStep) != 0) fail("bar line in the middle of a bar of '" + w[0] + "'");
                    continue;
                }
                double velocity = 0;
                switch (c) {
                    case 'X': velocity = 1.0; break;
                    case 'x': velocity = 0.8; break;
                    case 'o': velocity = 0.45; break;
                    case '.':
                    case '-': break;
                    default: fail(std::string("unexpected '") + c + "' in drum grid (use X x o . |)");
                }
                if (velocity > 0) {
                    ScoreNote hit;
                    hit.start = step * kTicksPerStep;
                    hit.length = kTicksPerStep;
                    hit.keys = {static_cast<int>(voice - vocab_.drum_voices.begin())};
                    hit.velocity = velocity;
                    pattern_->notes.push_back(hit);
                }
                ++step;
            }
        }
        const int length = step * kTicksPerStep;
        if (grid_rows_.size() > 1 && length != grid_length_)
            fail("row '" + w[0] + "' is " + std::to_string(step) + " steps long but the rows above are " +
                 std::to_string(grid_length_ / kTicksPerStep));
        grid_length_ = length;
    }

    void open_section(const std::vector<std::string>& w) {
        if (w.size() != 3) fail("expected: section NAME BARS");
        check_name(w[1], "section");
        if (score_.sections.count(w[1])) fail("section '" + w[1] + "' is defined twice");
        const double bars = number(w[2], "bars");
        if (bars < 1 || bars != static_cast<int>(bars)) fail("a section lasts a whole number of bars");
        section_ = Section{w[1], static_cast<int>(bars), {}};
        block_line_ = line_;
    }

    void close_section(const std::vector<std::string>& w) {
        if (w.size() != 1) fail("'end' takes nothing after it");
        const std::string name = section_->name;
        score_.sections.emplace(name, std::move(*section_));
        section_.reset();
    }

    void lane(const std::vector<std::string>& w) {
        if (w.size() < 2) fail("expected: INSTRUMENT PATTERN...");
        if (!known_instrument(w[0])) fail("unknown instrument '" + w[0] + "'");
        Lane lane{w[0], {}};
        for (std::size_t i = 1; i < w.size(); ++i) {
            PatternRef ref;
            const auto sign = w[i].find_first_of("+-", 1);
            ref.pattern = w[i].substr(0, sign);
            if (sign != std::string::npos) {
                const std::string amount = w[i].substr(sign);
                const double semis = number(amount, "transposition");
                if (semis != static_cast<int>(semis)) fail("transpose by whole semitones");
                ref.transpose = static_cast<int>(semis);
            }
            lane.sequence.push_back(ref);
        }
        lane_lines_[section_->name].push_back(line_);
        section_->lanes.push_back(std::move(lane));
    }

    void check_references() {
        for (const auto& [name, section] : score_.sections) {
            for (std::size_t i = 0; i < section.lanes.size(); ++i) {
                const Lane& lane = section.lanes[i];
                const int line = lane_lines_[name][i];
                int bars = 0;
                for (const PatternRef& ref : lane.sequence) {
                    const auto p = score_.patterns.find(ref.pattern);
                    if (p == score_.patterns.end()) fail_at(line, "no pattern named '" + ref.pattern + "'");
                    const bool drums = lane.instrument == vocab_.drum_instrument;
                    if (p->second.drums != drums)
                        fail_at(line, drums ? "'" + ref.pattern + "' is a pattern of notes, not a beat for " + lane.instrument
                                            : "'" + ref.pattern + "' is a beat: only " + vocab_.drum_instrument + " can play it");
                    if (drums && ref.transpose != 0) fail_at(line, "beat '" + ref.pattern + "' can't be transposed");
                    bars += p->second.bars;
                }
                if (section.bars % bars != 0)
                    fail_at(line, lane.instrument + "'s patterns repeat every " + std::to_string(bars) +
                                      " bars, which doesn't divide section '" + name + "' (" + std::to_string(section.bars) +
                                      " bars)");
            }
        }
        if (song_.empty()) throw ScoreError(source_ + ": no 'song' line: nothing would play");
        for (const auto& [name, line] : song_) {
            if (!score_.sections.count(name)) fail_at(line, "no section named '" + name + "'");
            score_.song.push_back(name);
        }
    }

    const std::string& source_;
    const ScoreVocabulary& vocab_;
    Score score_;
    int line_ = 0;
    int block_line_ = 0;

    std::optional<Pattern> pattern_;
    int position_ = 0;  // ticks into the melodic pattern being read
    int duration_ = kTicksPerBeat;
    bool can_tie_ = false;
    std::vector<std::string> grid_rows_;
    int grid_length_ = 0;

    std::optional<Section> section_;
    std::map<std::string, std::vector<int>> lane_lines_;  // per section, per lane
    std::vector<std::pair<std::string, int>> song_;
};

}  // namespace

int Score::total_ticks() const {
    int ticks = 0;
    for (const auto& name : song) ticks += sections.at(name).bars * kTicksPerBar;
    return ticks;
}

Score parse_score(std::string_view text, const std::string& source_name, const ScoreVocabulary& vocabulary) {
    return Parser(source_name, vocabulary).run(text);
}

std::vector<PlacedNote> arrange(const Score& score) {
    std::vector<PlacedNote> placed;
    int offset = 0;
    for (const auto& section_name : score.song) {
        const Section& section = score.sections.at(section_name);
        const int end = section.bars * kTicksPerBar;
        for (const Lane& lane : section.lanes) {
            int at = 0;
            while (at < end) {
                for (const PatternRef& ref : lane.sequence) {
                    const Pattern& p = score.patterns.at(ref.pattern);
                    for (const ScoreNote& n : p.notes) {
                        PlacedNote out{lane.instrument, offset + at + n.start, n.length, n.keys, n.velocity};
                        if (!p.drums)
                            for (int& k : out.keys) k += ref.transpose;
                        placed.push_back(std::move(out));
                    }
                    at += p.bars * kTicksPerBar;
                }
            }
        }
        offset += end;
    }
    return placed;
}
