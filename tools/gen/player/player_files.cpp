#include "player/player_files.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "common/output.h"
#include "producers.h"

namespace fs = std::filesystem;

void produce_player_defaults(Context& ctx) {
    const fs::path root = ctx.content_dir / "defaults";
    if (!fs::is_directory(root)) throw std::runtime_error("missing folder " + root.string());
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root));
    std::sort(files.begin(), files.end());  // directory order varies between file systems
    for (const fs::path& rel : files) ctx.out.write_player_file(rel.generic_string(), read_file(root / rel));
}
