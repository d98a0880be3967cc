// zeffighters: draws the four fighters and writes their animation files,
// projectile files, frame pictures, portraits and selection buttons into the
// game's data folder, from the readable sources in tools/content/fighters.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "generate.h"

namespace fs = std::filesystem;

namespace {

void usage(std::ostream& out) {
    out << "usage: zeffighters --out DATA_DIR [--content DIR] [--only NAME]...\n"
           "  --out DIR      the game's data folder to fill\n"
           "  --content DIR  the readable sources (default: " ZEFGEN_CONTENT_DIR ")\n"
           "  --only NAME    generate this fighter only (may be repeated)\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<fs::path> out_dir;
    fs::path content_dir = ZEFGEN_CONTENT_DIR;
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            return 0;
        }
        if (i + 1 >= argc || (arg != "--out" && arg != "--content" && arg != "--only")) {
            usage(std::cerr);
            return 2;
        }
        const std::string value = argv[++i];
        if (arg == "--out") out_dir = value;
        else if (arg == "--content") content_dir = value;
        else only.push_back(value);
    }
    if (!out_dir) {
        usage(std::cerr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    try {
        std::cout << "zeffighters: drawing the fighters into " << out_dir->string() << "\n";
        const GenerateCounts counts = generate_fighters(content_dir, *out_dir, only, std::cout);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        char line[160];
        std::snprintf(line, sizeof line, "zeffighters: %d written, %d unchanged, %d stale removed, in %.2f s\n",
                      counts.written, counts.unchanged, counts.removed, took.count());
        std::cout << line;
    } catch (const std::exception& e) {
        std::cerr << "zeffighters: error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
