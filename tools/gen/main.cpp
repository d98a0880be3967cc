// zefgen: builds the game's data folder (graphics, sounds, music, fonts and
// default settings) from the readable sources in tools/content.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "producers.h"

namespace fs = std::filesystem;

namespace {

void usage(std::ostream& out) {
    out << "usage: zefgen --out DATA_DIR [--content DIR] [--preview DIR]\n"
           "  --out DIR      the game's data folder to fill\n"
           "  --content DIR  the readable sources (default: " ZEFGEN_CONTENT_DIR ")\n"
           "  --preview DIR  also write a PNG of every bitmap there, for review\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<fs::path> out_dir, preview_dir;
    fs::path content_dir = ZEFGEN_CONTENT_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            return 0;
        }
        if (i + 1 >= argc || (arg != "--out" && arg != "--content" && arg != "--preview")) {
            usage(std::cerr);
            return 2;
        }
        const fs::path value = argv[++i];
        if (arg == "--out") out_dir = value;
        else if (arg == "--content") content_dir = value;
        else preview_dir = value;
    }
    if (!out_dir) {
        usage(std::cerr);
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    try {
        std::cout << "zefgen: generating into " << out_dir->string() << "\n";
        const Output::Counts counts = generate_all(*out_dir, content_dir, preview_dir, std::cout);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        char line[160];
        std::snprintf(line, sizeof line, "zefgen: %d written, %d unchanged, %d player files kept, in %.2f s\n",
                      counts.written, counts.unchanged, counts.kept, took.count());
        std::cout << line;
    } catch (const std::exception& e) {
        std::cerr << "zefgen: error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
