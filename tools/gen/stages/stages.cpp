#include "stages/stages.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "common/bmp_writer.h"
#include "common/output.h"
#include "producers.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// A folder of its own under the system's temporary folder, removed afterwards.
class Scratch {
public:
    Scratch() : path_(fs::temp_directory_path() / ("zefgen-stages-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Runs a program to completion, its output going to `log`; throws with that
// output when it fails.
void run(const fs::path& program, const std::vector<std::string>& args, const fs::path& log) {
    std::vector<char*> argv;
    std::string name = program.string();
    argv.push_back(name.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int err = posix_spawn(&pid, name.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (err != 0) throw std::runtime_error("cannot run " + name + ": " + std::strerror(err));
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) throw std::runtime_error("lost track of " + name);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string command = name;
        for (const std::string& a : args) command += " " + a;
        throw std::runtime_error("`" + command + "` failed:\n" + read_text_file(log));
    }
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

const std::vector<StageSpec>& stages() {
    static const std::vector<StageSpec> list{
        {"aeroport", 1600, 720, paint_airport},
        {"iut", 1440, 680, paint_town},
        {"inde", 1520, 720, paint_temple},
    };
    return list;
}

void reduce_to_16bit(Image& image) {
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    auto reduce = [](int v, int bits, double threshold) {
        const int top = (1 << bits) - 1;
        const int level = std::clamp(static_cast<int>(std::floor(v * top / 255.0 + threshold)), 0, top);
        return static_cast<std::uint8_t>((level << (8 - bits)) | (level >> (2 * bits - 8)));
    };
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const double t = (kBayer[y & 3][x & 3] + 0.5) / 16.0;
            const Rgb c = image.at(x, y);
            image.set(x, y, {reduce(c.r, 5, t), reduce(c.g, 6, t), reduce(c.b, 5, t)});
        }
}

Image render_stage(const StageSpec& stage) {
    Canvas canvas(stage.width, stage.height);
    stage.paint(canvas);
    Image image = canvas.to_image();
    reduce_to_16bit(image);
    return image;
}

const StageSpec& stage_named(const std::string& name) {
    for (const StageSpec& s : stages())
        if (name == s.name) return s;
    throw std::logic_error("no stage named " + name);
}

const Image& rendered_stage(const std::string& name) {
    static std::mutex guard;
    static std::map<std::string, Image> done;
    const StageSpec& decor = stage_named(name);
    const std::lock_guard<std::mutex> lock(guard);
    auto it = done.find(name);
    if (it == done.end()) it = done.emplace(name, render_stage(decor)).first;
    return it->second;
}

fs::path find_program(const std::string& name, const std::string& search_path, const std::string& package) {
    std::istringstream dirs(search_path);
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (dir.empty()) continue;
        const fs::path candidate = fs::path(dir) / name;
        if (::access(candidate.c_str(), X_OK) == 0 && fs::is_regular_file(candidate)) return candidate;
    }
    throw std::runtime_error("the program `" + name + "` was not found on PATH: install the Debian package " + package);
}

void produce_stages(Context& ctx) {
    const char* path = std::getenv("PATH");
    const fs::path dat = find_program("dat", path ? path : "", "liballegro4-dev");
    const Scratch scratch;
    const fs::path pak = scratch.path() / "stage.pak", log = scratch.path() / "dat.log";

    // Grab every picture as a 16-bit bitmap, without the grabber's notes
    // (file names and dates), which would make the bytes vary between runs;
    // then give each object its name (grabbing x.bmp names it X_BMP).
    std::vector<std::string> grab{"-a", "-t", "BMP", "-bpp", "16", "-s1", "-c0", pak.string()};
    for (const StageSpec& stage : stages()) {
        const Image& image = rendered_stage(stage.name);
        const fs::path bmp = scratch.path() / (std::string(stage.name) + ".bmp");
        const auto bytes = encode_bmp(image);
        std::ofstream(bmp, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        grab.push_back(bmp.string());
        if (ctx.out.preview_dir()) {
            const fs::path png = *ctx.out.preview_dir() / "stage" / (std::string(stage.name) + ".png");
            fs::create_directories(png.parent_path());
            save_png(image, png.string());
        }
    }
    run(dat, grab, log);
    for (const StageSpec& stage : stages())
        run(dat, {pak.string(), upper(stage.name) + "_BMP", std::string("NAME=") + stage.name}, log);
    ctx.out.write_asset("stage/stage.pak", read_file(pak));
}
