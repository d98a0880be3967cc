#include "music/patches.h"

#include <stdexcept>

#include "music/fight_instruments.h"
#include "music/instruments.h"

namespace {

std::vector<std::string> names_of(const PatchTable& table) {
    std::vector<std::string> names;
    for (const auto& p : table) names.push_back(p.name);
    return names;
}

}  // namespace

const std::vector<std::string>& instrument_names() {
    static const std::vector<std::string> names = names_of(studio_patches());
    return names;
}

const std::vector<std::string>& stage_instrument_names() {
    static const std::vector<std::string> names = names_of(stage_patches());
    return names;
}

Sound play_instrument(const std::string& name, const NoteOn& note, Rng& rng) {
    for (const PatchTable* table : {&studio_patches(), &stage_patches()})
        for (const auto& p : *table)
            if (name == p.name) return p.play(note, rng);
    throw std::invalid_argument("no instrument named " + name);
}
