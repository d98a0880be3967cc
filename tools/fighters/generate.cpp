#include "generate.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <mutex>
#include <ostream>
#include <set>
#include <thread>

#include "common/bmp_writer.h"
#include "common/output.h"
#include "portraits.h"
#include "render.h"

namespace fs = std::filesystem;

namespace {

IPoint to_ipoint(Vec v) { return {static_cast<int>(std::lround(v.x)), static_cast<int>(std::lround(v.y))}; }

// Frame pictures, each distinct picture written once.
class PictureStore {
public:
    PictureStore(const fs::path& data_dir, GenerateCounts& counts) : out_(data_dir), counts_(counts) {}

    std::string put(const std::string& wanted_path, const Image& image) {
        std::vector<std::uint8_t> bytes = encode_bmp(image);
        const std::string key(bytes.begin(), bytes.end());
        const auto it = seen_.find(key);
        if (it != seen_.end()) return it->second;
        out_.write_asset(wanted_path, bytes);
        seen_.emplace(key, wanted_path);
        written_.insert(wanted_path);
        return wanted_path;
    }

    void write_picture(const std::string& path, const Image& image) { out_.write_asset(path, encode_bmp(image)); }

    void write_text(const std::string& path, const std::string& text) {
        out_.write_asset(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    }

    // Removes the pictures of `dir` (relative) that this run did not write.
    void sweep(const std::string& dir) {
        const fs::path full = out_.data_dir() / dir;
        std::error_code ec;
        if (!fs::is_directory(full, ec)) return;
        std::vector<fs::path> stale;
        for (const auto& entry : fs::directory_iterator(full)) {
            if (entry.path().extension() != ".bmp") continue;
            const std::string rel = dir + "/" + entry.path().filename().string();
            if (!written_.count(rel)) stale.push_back(entry.path());
        }
        for (const fs::path& p : stale) {
            fs::remove(p);
            ++counts_.removed;
        }
    }

    int distinct() const { return static_cast<int>(seen_.size()); }

    void finish() {
        counts_.written += out_.counts().written;
        counts_.unchanged += out_.counts().unchanged;
    }

private:
    Output out_;
    GenerateCounts& counts_;
    std::map<std::string, std::string> seen_;
    std::set<std::string> written_;
};

}  // namespace

const std::vector<std::string>& fighter_names() {
    static const std::vector<std::string> names = {"shiz", "talon", "vishvakarman", "panda"};
    return names;
}

FighterFiles generate_fighter(const FighterSource& src, const fs::path& data_dir, GenerateCounts& counts) {
    FighterFiles files;
    PictureStore store(data_dir, counts);
    const std::string& name = src.name;

    for (const auto& [slot, anim] : src.anims) {
        std::vector<FrameRecord>& records = files.anims[slot];
        std::optional<Body> previous;
        for (std::size_t k = 0; k < anim.frames.size(); ++k) {
            const FrameDef& f = anim.frames[k];
            const Pose pose = src.pose(f.pose);
            const Sprite sprite = render_frame(src, pose, f, previous, slot * 7 + static_cast<int>(k));
            previous = sprite.body;

            FrameRecord r;
            r.path = store.put(name + "/img/" + std::to_string(slot) + "-" + std::to_string(k) + ".bmp", sprite.image);
            r.anchor = {sprite.ox, sprite.oy};
            r.mvtx = f.mvtx;
            r.mvty = f.mvty;
            if (f.hits.size() > 3)
                throw std::runtime_error(name + " slot " + std::to_string(slot) + ": at most 3 attack points");
            for (Vec p : strike_points(src, sprite.body, f.hits)) r.attacks.push_back(to_ipoint(p));
            const bool attack = slot >= 20 && slot <= 47;
            r.dmg = attack ? static_cast<int>(std::lround(f.dmg * src.power)) : f.dmg;
            r.kx = f.kx;
            r.ky = f.ky;
            r.down = f.down;
            r.zones = body_zones(src.bones, sprite.body);
            r.time = attack ? std::max(1, static_cast<int>(std::lround(f.time * src.tempo))) : f.time;
            r.loop = f.loop;
            r.mana = f.mana;
            r.fx = f.fx;
            if (f.fx >= 0) {
                if (!src.fx.count(f.fx))
                    throw std::runtime_error(name + " slot " + std::to_string(slot) + " launches projectile " +
                                             std::to_string(f.fx) + ", which is not defined");
                r.fx_at = to_ipoint(strike_point(src, sprite.body, f.fx_at));
            }
            records.push_back(r);
        }
    }

    for (const auto& [slot, fx] : src.fx) {
        std::vector<FrameRecord>& records = files.fx[slot];
        for (int k = 0; k < fx.frames; ++k) {
            const FxSprite sprite = render_fx(src, fx, k);
            FrameRecord r;
            r.path = store.put(name + "/fx/" + std::to_string(slot) + "-" + std::to_string(k) + ".bmp", sprite.image);
            r.anchor = {sprite.ox, sprite.oy};
            r.mvtx = fx.speed;
            r.attacks.push_back(to_ipoint(sprite.tip));
            r.dmg = fx.dmg;
            r.kx = fx.kx;
            r.ky = fx.ky;
            r.down = fx.down;
            r.time = fx.time;
            r.loop = k == 0;
            records.push_back(r);
        }
    }

    // The portrait and the selection button, for the menus; the story's ending.
    const PortraitArt art = draw_portraits(src);
    store.write_picture(portrait_path(name), art.portrait);
    store.write_picture(button_path(name, false), art.button);
    store.write_picture(button_path(name, true), art.button_lit);
    store.write_picture(ending_path(name), draw_ending(src));

    store.write_text(name + "/" + name + ".p", anim_file_text(files.anims));
    store.write_text(name + "/fx/fx.p", anim_file_text(files.fx));
    store.sweep(name + "/img");
    store.sweep(name + "/fx");
    store.finish();
    files.pictures = store.distinct();
    return files;
}

GenerateCounts generate_fighters(const fs::path& content_dir, const fs::path& data_dir,
                                 const std::vector<std::string>& only, std::ostream& log) {
    std::vector<std::string> names = only.empty() ? fighter_names() : only;
    std::vector<GenerateCounts> counts(names.size());
    std::vector<std::string> lines(names.size());
    std::vector<std::exception_ptr> errors(names.size());
    std::atomic<std::size_t> next{0};

    auto worker = [&]() {
        for (std::size_t i; (i = next++) < names.size();) {
            try {
                const auto start = std::chrono::steady_clock::now();
                const FighterSource src = parse_fighter(content_dir / "fighters" / (names[i] + ".txt"));
                if (src.name != names[i])
                    throw std::runtime_error(names[i] + ".txt describes '" + src.name + "'");
                const FighterFiles files = generate_fighter(src, data_dir, counts[i]);
                const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
                int frames = 0;
                for (const auto& [slot, recs] : files.anims) frames += static_cast<int>(recs.size());
                char line[200];
                std::snprintf(line, sizeof line, "  %-13s %2zu slots, %3d frames, %3d pictures, %zu projectiles, %.2f s\n",
                              names[i].c_str(), files.anims.size(), frames, files.pictures, files.fx.size(),
                              took.count());
                lines[i] = line;
            } catch (...) {
                errors[i] = std::current_exception();
            }
        }
    };
    const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (std::thread& t : pool) t.join();

    GenerateCounts total;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (errors[i]) std::rethrow_exception(errors[i]);
        log << lines[i];
        total.written += counts[i].written;
        total.unchanged += counts[i].unchanged;
        total.removed += counts[i].removed;
    }
    return total;
}
