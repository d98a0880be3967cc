#pragma once
// Where generated files go. Two kinds of file live in the data folder:
// - assets, rebuilt from the sources on every run (rewritten only when their
//   bytes change, so file times stay meaningful);
// - player files (settings, progress): written once as defaults and never
//   touched again, because from then on they belong to the player.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/audio.h"
#include "common/image.h"

class Output {
public:
    explicit Output(std::filesystem::path data_dir, std::optional<std::filesystem::path> preview_dir = {});

    void write_asset(const std::string& rel_path, const std::vector<std::uint8_t>& bytes);
    void write_bmp(const std::string& rel_path, const Image& image);  // also a PNG preview when asked
    void write_wav(const std::string& rel_path, const Sound& sound);

    // Returns false (and leaves the file alone) when the player already has one.
    bool write_player_file(const std::string& rel_path, const std::vector<std::uint8_t>& bytes);

    const std::filesystem::path& data_dir() const { return data_dir_; }
    const std::optional<std::filesystem::path>& preview_dir() const { return preview_dir_; }

    struct Counts {
        int written = 0;    // new or changed
        int unchanged = 0;  // same bytes as already on disk
        int kept = 0;       // player files left as the player has them
    };
    const Counts& counts() const { return counts_; }

private:
    std::filesystem::path data_dir_;
    std::optional<std::filesystem::path> preview_dir_;
    Counts counts_;
};

// Reads a whole file; throws with the path in the message when it can't.
std::vector<std::uint8_t> read_file(const std::filesystem::path& path);
std::string read_text_file(const std::filesystem::path& path);
