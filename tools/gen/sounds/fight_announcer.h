#pragma once
// The arena announcer ("Round one", "Fight!", "K.O."...). The words are
// spoken by espeak-ng, run as a program found on PATH (Debian package
// espeak-ng), then made into a big arena voice: slowed and deepened,
// thickened, compressed and sent into a hall. The lines and the voice's
// settings are in content/sounds/announcer.txt.

#include <string>
#include <string_view>
#include <vector>

#include "common/audio.h"

struct Context;

struct AnnouncerLine {
    std::string name;  // the file: wav/<name>.wav
    std::string text;
    int line = 0;
};

struct AnnouncerScript {
    std::string voice = "en-us";  // an espeak-ng voice
    double speed = 140;           // words a minute, before deepening slows it down
    double pitch = 30;            // espeak-ng's 0..99
    double deepen = 0.85;         // playback speed: below 1 lowers pitch and throat together
    double hall = 0.4;            // reverb level
    std::vector<AnnouncerLine> lines;
};

// Messages read "file:line: what is wrong".
AnnouncerScript parse_announcer(std::string_view text, const std::string& source_name);

// Speaks `text` with espeak-ng, looked for in the folders of `search_path`
// (a PATH-style list); throws naming the package when it isn't there.
// Mono, at espeak-ng's own rate.
Sound espeak(const std::string& text, const AnnouncerScript& script, const std::string& search_path);

// Raw speech made into the arena voice: mono, 44.1 kHz, peak at -1 dBFS.
Sound arena_voice(const Sound& speech, const AnnouncerScript& script);

void produce_announcer(Context& ctx);
