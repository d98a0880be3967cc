#include "sounds/fight_announcer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include <sys/wait.h>
#include <unistd.h>

#include "audio/effects.h"
#include "audio/synth.h"
#include "common/output.h"
#include "producers.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgram = "espeak-ng";
constexpr const char* kPackage = "espeak-ng";

bool speakable(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == ',' || c == '.' || c == '!' || c == '?' || c == '-';
    });
}

bool voice_name(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '_';
    });
}

fs::path find_program(const std::string& search_path) {
    std::istringstream dirs(search_path);
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (dir.empty()) continue;
        const fs::path candidate = fs::path(dir) / kProgram;
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    throw std::runtime_error(std::string(kProgram) + " was not found on PATH; the announcer's lines are spoken by it: " +
                             "install the Debian package " + kPackage);
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

// espeak-ng writes its WAV to a pipe before it knows the length, so the
// sizes in the header can't be trusted: the samples run to the end.
Sound decode_pipe_wav(const std::string& bytes, const std::string& what) {
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        throw std::runtime_error(std::string(kProgram) + " gave no WAV for " + what);
    std::size_t at = 12;
    int rate = 0, channels = 0, bits = 0;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = le32(bytes, at + 4);
        if (id == "fmt ") {
            channels = static_cast<unsigned char>(bytes[at + 10]);
            rate = static_cast<int>(le32(bytes, at + 12));
            bits = static_cast<unsigned char>(bytes[at + 22]);
        } else if (id == "data") {
            at += 8;
            break;
        }
        at += 8 + size;
    }
    if (channels != 1 || bits != 16 || rate <= 0)
        throw std::runtime_error(std::string(kProgram) + " gave an unexpected WAV format for " + what);
    Sound s((bytes.size() - at) / 2, false, rate);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const auto lo = static_cast<unsigned char>(bytes[at + 2 * i]);
        const auto hi = static_cast<unsigned char>(bytes[at + 2 * i + 1]);
        s.left[i] = static_cast<float>(static_cast<std::int16_t>(lo | hi << 8) / 32768.0);
    }
    return s;
}

// Catmull-Rom interpolation between samples.
double sample_at(const std::vector<float>& v, double pos) {
    const auto i = static_cast<long>(std::floor(pos));
    const double f = pos - static_cast<double>(i);
    auto at = [&](long k) { return k < 0 || k >= static_cast<long>(v.size()) ? 0.0 : static_cast<double>(v[k]); };
    const double p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    return p1 + 0.5 * f * (p2 - p0 + f * (2 * p0 - 5 * p1 + 4 * p2 - p3 + f * (3 * (p1 - p2) + p3 - p0)));
}

// A feed-forward compressor on the voice's envelope: the quiet ends of
// words come up towards the stressed syllables, as on a stadium's PA.
void compress(Sound& s, double threshold_db, double ratio) {
    const double threshold = db_to_gain(threshold_db) * peak(s);
    const double attack = std::exp(-1.0 / (0.004 * s.rate)), release = std::exp(-1.0 / (0.12 * s.rate));
    double env = 0;
    for (float& v : s.left) {
        const double level = std::fabs(v);
        env = level > env ? attack * env + (1 - attack) * level : release * env + (1 - release) * level;
        if (env > threshold) v = static_cast<float>(v * std::pow(env / threshold, 1.0 / ratio - 1.0));
    }
}

class ScriptParser {
public:
    explicit ScriptParser(const std::string& source) : source_(source) {}

    AnnouncerScript run(std::string_view text) {
        std::istringstream lines{std::string(text)};
        std::string line;
        while (std::getline(lines, line)) {
            ++line_;
            const auto hash = line.find('#');
            if (hash != std::string::npos) line.erase(hash);
            std::istringstream in(line);
            std::string keyword;
            if (!(in >> keyword)) continue;
            std::string rest;
            std::getline(in, rest);
            const auto first = rest.find_first_not_of(" \t");
            rest = first == std::string::npos ? "" : rest.substr(first, rest.find_last_not_of(" \t") + 1 - first);
            statement(keyword, rest);
        }
        if (script_.lines.empty()) throw std::runtime_error(source_ + ": no 'say' line: nothing to speak");
        return std::move(script_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(source_ + ":" + std::to_string(line_) + ": " + what);
    }

    double number(const std::string& text, const std::string& what, double lo, double hi) const {
        try {
            std::size_t used = 0;
            const double v = std::stod(text, &used);
            if (used == text.size() && v >= lo && v <= hi) return v;
        } catch (const std::exception&) {
        }
        std::ostringstream msg;
        msg << what << " must be a number between " << lo << " and " << hi << ", not '" << text << "'";
        fail(msg.str());
    }

    void statement(const std::string& keyword, const std::string& rest) {
        if (keyword == "voice") {
            if (!voice_name(rest)) fail("expected: voice NAME (an espeak-ng voice, e.g. en-us)");
            script_.voice = rest;
        } else if (keyword == "speed") {
            script_.speed = number(rest, "speed", 80, 400);
        } else if (keyword == "pitch") {
            script_.pitch = number(rest, "pitch", 0, 99);
        } else if (keyword == "deepen") {
            script_.deepen = number(rest, "deepen", 0.6, 1.0);
        } else if (keyword == "hall") {
            script_.hall = number(rest, "hall", 0, 1);
        } else if (keyword == "say") {
            const auto space = rest.find(' ');
            if (space == std::string::npos) fail("expected: say NAME WORDS...");
            AnnouncerLine l{rest.substr(0, space), rest.substr(rest.find_first_not_of(' ', space)), line_};
            for (const auto& other : script_.lines)
                if (other.name == l.name) fail("'" + l.name + "' is said twice");
            if (!speakable(l.text)) fail("'" + l.text + "': use letters, digits, spaces and , . ! ? - only");
            script_.lines.push_back(std::move(l));
        } else {
            fail("unknown statement '" + keyword + "' (voice, speed, pitch, deepen, hall or say)");
        }
    }

    std::string source_;
    AnnouncerScript script_;
    int line_ = 0;
};

}  // namespace

AnnouncerScript parse_announcer(std::string_view text, const std::string& source_name) {
    return ScriptParser(source_name).run(text);
}

Sound espeak(const std::string& text, const AnnouncerScript& script, const std::string& search_path) {
    const fs::path program = find_program(search_path);
    if (!speakable(text) || !voice_name(script.voice)) throw std::invalid_argument("espeak: unsafe text or voice name");
    char options[96];
    std::snprintf(options, sizeof options, " -v %s -s %d -p %d --stdout ", script.voice.c_str(),
                  static_cast<int>(std::lround(script.speed)), static_cast<int>(std::lround(script.pitch)));
    const std::string command = "'" + program.string() + "'" + options + "'" + text + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + program.string());
    std::string bytes;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) bytes.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status != 0 || bytes.empty())
        throw std::runtime_error(program.string() + " failed (status " + std::to_string(status) + ") saying '" + text + "'");
    return decode_pipe_wav(bytes, "'" + text + "'");
}

Sound arena_voice(const Sound& speech, const AnnouncerScript& script) {
    // Slower playback: the pitch and the throat drop together, a bigger man.
    const double step = static_cast<double>(speech.rate) / kSampleRate * script.deepen;
    const double tail = 1.4;
    const std::size_t spoken = static_cast<std::size_t>(static_cast<double>(speech.frames()) / step);
    Sound voice(spoken + to_frames(tail), false);
    for (std::size_t i = 0; i < spoken; ++i) voice.left[i] = static_cast<float>(sample_at(speech.left, i * step));

    // Chest and presence: a low shelf, a lift where consonants live, no
    // rumble; and nothing above what espeak-ng's rate could hold, where the
    // interpolation leaves mirror images.
    Svf low, presence, rumble, image1, image2;
    low.set(180, 0.1);
    presence.set(2600, 0.3);
    rumble.set(75, 0.1);
    const double top = 0.42 * speech.rate * script.deepen;
    image1.set(top, 0.1);
    image2.set(top, 0.1);
    for (float& v : voice.left) {
        double x = image2.lowpass(image1.lowpass(v));
        x += 0.9 * low.lowpass(x);
        x += 0.6 * presence.bandpass(x);
        v = static_cast<float>(rumble.highpass(x));
    }
    // A second voice 23 ms behind, a touch lower: one man becomes a PA.
    {
        const std::vector<float> dry = voice.left;
        const std::size_t lag = to_frames(0.023);
        Osc wobble;
        for (std::size_t i = 0; i < voice.frames(); ++i) {
            const double pos = static_cast<double>(i) - static_cast<double>(lag) - 25.0 * (1 + wobble.sine(0.7));
            voice.left[i] += static_cast<float>(0.35 * sample_at(dry, pos * 0.997));
        }
    }
    compress(voice, -22, 6.0);
    soft_clip(voice, 2.2);

    // The stadium: an echo off the far stands, then the hall.
    Sound out = voice;
    {
        const std::size_t echo = to_frames(0.19);
        Svf dark;
        dark.set(2200, 0.0);
        for (std::size_t i = echo; i < out.frames(); ++i) out.left[i] += static_cast<float>(0.22 * dark.lowpass(voice.left[i - echo]));
    }
    // The hall blooms in the gaps and ducks under the words, which keeps
    // them clear: a late, dark tail, pushed down while the voice is loud.
    const Sound wet = reverb(voice, {0.88, 0.5, 0.0, 0.06});
    const double loudest = peak(voice);
    const double fall = std::exp(-1.0 / (0.09 * kSampleRate));
    double env = 0;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        env = std::max(static_cast<double>(std::fabs(voice.left[i])) / loudest, env * fall);
        out.left[i] += static_cast<float>(script.hall * 1.5 * wet.left[i] * (1.0 - 0.75 * std::min(1.0, 2.0 * env)));
    }
    remove_dc(out, 30.0);
    fade_out(out, 0.5);
    normalise(out, -1.0);
    return out;
}

void produce_announcer(Context& ctx) {
    const fs::path path = ctx.content_dir / "sounds/announcer.txt";
    const AnnouncerScript script = parse_announcer(read_text_file(path), path.string());
    const char* env = std::getenv("PATH");
    const std::string search_path = env ? env : "/usr/bin:/bin";
    for (const AnnouncerLine& line : script.lines)
        ctx.out.write_wav("wav/" + line.name + ".wav", arena_voice(espeak(line.text, script, search_path), script));
}
