#pragma once
// The font table (content/fonts.txt): which system font files the generator
// draws with or ships, and which Debian package each comes from.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct FontEntry {
    std::string id;
    std::filesystem::path file;
    std::string package;
    std::string ships_as;  // empty when the font is only drawn with
};

class FontTable {
public:
    static FontTable load(const std::filesystem::path& table_file);
    static FontTable parse(std::string_view text, const std::string& source_name);

    // The font's file, after checking it is installed; throws naming the
    // package to install otherwise.
    std::filesystem::path path(const std::string& id) const;

    const std::vector<FontEntry>& entries() const { return entries_; }

private:
    std::vector<FontEntry> entries_;
};

class Output;

// Copies every shipped font into the data folder.
void ship_fonts(const FontTable& fonts, Output& out);
