#include "common/fonts.h"

#include <sstream>
#include <stdexcept>

#include "common/output.h"

namespace fs = std::filesystem;

namespace {

void check_installed(const FontEntry& e) {
    std::error_code ec;
    if (!fs::is_regular_file(e.file, ec))
        throw std::runtime_error("font '" + e.id + "' is missing: " + e.file.string() +
                                 " not found (install the Debian package " + e.package + ")");
}

}  // namespace

FontTable FontTable::load(const fs::path& table_file) {
    return parse(read_text_file(table_file), table_file.string());
}

FontTable FontTable::parse(std::string_view text, const std::string& source_name) {
    FontTable table;
    std::istringstream lines{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (w.empty()) continue;
        const std::string where = source_name + ":" + std::to_string(number) + ": ";
        if (w.size() != 4) throw std::runtime_error(where + "expected: id file package ships-as");
        for (const auto& e : table.entries_)
            if (e.id == w[0]) throw std::runtime_error(where + "font '" + w[0] + "' listed twice");
        table.entries_.push_back({w[0], w[1], w[2], w[3] == "-" ? std::string() : w[3]});
    }
    return table;
}

fs::path FontTable::path(const std::string& id) const {
    for (const auto& e : entries_) {
        if (e.id != id) continue;
        check_installed(e);
        return e.file;
    }
    throw std::runtime_error("no font '" + id + "' in the font table");
}

void ship_fonts(const FontTable& fonts, Output& out) {
    for (const auto& e : fonts.entries()) {
        if (e.ships_as.empty()) continue;
        check_installed(e);
        out.write_asset(e.ships_as, read_file(e.file));
    }
}
