#pragma once
// The fighters' experience files: their starting characteristics, from the
// table in content/experience.txt. These are player files: created when
// missing, never overwritten.

#include <string>
#include <string_view>
#include <vector>

struct Context;

struct StartingCharacteristics {
    std::string fighter;
    int force = 0, dexterite = 0, constitution = 0, arcanes = 0;
};

constexpr int kCharacteristicsTotal = 40;
constexpr int kCharacteristicMax = 12;

// Parses the table; throws, naming the line, on a malformed row, a repeated
// fighter, or characteristics that break the balance rules above.
std::vector<StartingCharacteristics> parse_characteristics(std::string_view text, const std::string& source_name);

// The file's exact bytes: an empty first line, then one signed decimal a
// line: force, dexterite, constitution, arcanes, their four bonuses (0),
// experience (0) and level (1).
std::string experience_file(const StartingCharacteristics& c);

void produce_experience_files(Context& ctx);
