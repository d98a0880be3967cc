#include "common/output.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "common/bmp_writer.h"
#include "common/canvas.h"
#include "common/wav_writer.h"

namespace fs = std::filesystem;

namespace {

// Write beside the target then rename, so an interrupted run never leaves a
// half-written asset (or, worse, a truncated player file) behind.
void replace_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    fs::path tmp = path;
    tmp += ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) throw std::runtime_error("cannot write " + tmp.string());
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!f) throw std::runtime_error("error while writing " + tmp.string());
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) throw std::runtime_error("cannot replace " + path.string() + ": " + ec.message());
}

}  // namespace

std::vector<std::uint8_t> read_file(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string read_text_file(const fs::path& path) {
    const auto bytes = read_file(path);
    return {bytes.begin(), bytes.end()};
}

Output::Output(fs::path data_dir, std::optional<fs::path> preview_dir)
    : data_dir_(std::move(data_dir)), preview_dir_(std::move(preview_dir)) {}

void Output::write_asset(const std::string& rel_path, const std::vector<std::uint8_t>& bytes) {
    const fs::path path = data_dir_ / rel_path;
    std::error_code ec;
    if (fs::is_regular_file(path, ec) && fs::file_size(path, ec) == bytes.size() && read_file(path) == bytes) {
        ++counts_.unchanged;
        return;
    }
    replace_file(path, bytes);
    ++counts_.written;
}

void Output::write_bmp(const std::string& rel_path, const Image& image) {
    write_asset(rel_path, encode_bmp(image));
    if (preview_dir_) {
        fs::path png = *preview_dir_ / rel_path;
        png.replace_extension(".png");
        fs::create_directories(png.parent_path());
        save_png(image, png.string());
    }
}

void Output::write_wav(const std::string& rel_path, const Sound& sound) { write_asset(rel_path, encode_wav(sound)); }

bool Output::write_player_file(const std::string& rel_path, const std::vector<std::uint8_t>& bytes) {
    const fs::path path = data_dir_ / rel_path;
    std::error_code ec;
    if (fs::exists(path, ec) || ec) {
        ++counts_.kept;
        return false;
    }
    replace_file(path, bytes);
    ++counts_.written;
    return true;
}
