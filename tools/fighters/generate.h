#pragma once
// Generating the fighters' animation files, projectile files, frame
// pictures, portraits and selection buttons into the game's data folder.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "frames.h"
#include "source.h"

// The game's four fighters, in the game's order.
const std::vector<std::string>& fighter_names();

struct FighterFiles {
    AnimTable anims;  // <name>/<name>.p
    AnimTable fx;     // <name>/fx/fx.p
    int pictures = 0;  // distinct frame pictures written
};

struct GenerateCounts {
    int written = 0, unchanged = 0, removed = 0;
};

// Renders one fighter and writes its files under `data_dir`; frame pictures
// of that fighter that are no longer used are removed.
FighterFiles generate_fighter(const FighterSource& src, const std::filesystem::path& data_dir,
                              GenerateCounts& counts);

// Generates the given fighters (all four when empty) from
// `content_dir`/fighters/<name>.txt, two at a time, printing a line with
// the time taken for each.
GenerateCounts generate_fighters(const std::filesystem::path& content_dir, const std::filesystem::path& data_dir,
                                 const std::vector<std::string>& only, std::ostream& log);
