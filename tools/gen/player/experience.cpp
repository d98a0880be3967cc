#include "player/experience.h"

#include <set>
#include <sstream>
#include <stdexcept>

#include "common/output.h"
#include "producers.h"

std::vector<StartingCharacteristics> parse_characteristics(std::string_view text, const std::string& source_name) {
    std::vector<StartingCharacteristics> table;
    std::set<std::string> seen;
    std::istringstream lines{std::string(text)};
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string where = source_name + ":" + std::to_string(number) + ": ";
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        StartingCharacteristics c;
        if (!(fields >> c.fighter)) continue;  // blank or comment
        std::string extra;
        if (!(fields >> c.force >> c.dexterite >> c.constitution >> c.arcanes) || (fields >> extra))
            throw std::runtime_error(where + "expected a fighter and four whole numbers");
        if (!seen.insert(c.fighter).second) throw std::runtime_error(where + c.fighter + " is listed twice");
        for (int v : {c.force, c.dexterite, c.constitution, c.arcanes})
            if (v < 0 || v > kCharacteristicMax)
                throw std::runtime_error(where + c.fighter + ": every characteristic is between 0 and " +
                                         std::to_string(kCharacteristicMax));
        if (c.force + c.dexterite + c.constitution + c.arcanes != kCharacteristicsTotal)
            throw std::runtime_error(where + c.fighter + ": the characteristics must add up to " +
                                     std::to_string(kCharacteristicsTotal));
        table.push_back(c);
    }
    return table;
}

std::string experience_file(const StartingCharacteristics& c) {
    std::string out = "\n";
    for (int v : {c.force, c.dexterite, c.constitution, c.arcanes, 0, 0, 0, 0, 0, 1}) out += std::to_string(v) + "\n";
    return out;
}

void produce_experience_files(Context& ctx) {
    const auto path = ctx.content_dir / "experience.txt";
    for (const StartingCharacteristics& c : parse_characteristics(read_text_file(path), path.string())) {
        const std::string bytes = experience_file(c);
        ctx.out.write_player_file(c.fighter + "/" + c.fighter + ".xp", {bytes.begin(), bytes.end()});
    }
}
