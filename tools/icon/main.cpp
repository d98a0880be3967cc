// zef-icone: writes the game's icon for the desktop, every size in the
// hicolor layout (DIR/<N>x<N>/apps/zef.png) and the scalable one
// (DIR/scalable/apps/zef.svg).

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "icon.h"

namespace {

void usage(std::ostream& out) {
    out << "usage: zef-icone --out DIR\n"
           "  --out DIR  where to write DIR/<N>x<N>/apps/zef.png and DIR/scalable/apps/zef.svg\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            return 0;
        }
        if (arg == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else {
            usage(std::cerr);
            return 2;
        }
    }
    if (out.empty()) {
        usage(std::cerr);
        return 2;
    }
    try {
        const auto files = write_icons(out);
        std::cout << "zef-icone: " << files.size() << " files in " << out.string() << "\n";
    } catch (const std::exception& e) {
        std::cerr << "zef-icone: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
