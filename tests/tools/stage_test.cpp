// The stage datafile as the game reads it: Allegro loads each background by
// name, at 16-bit depth, holding exactly the painted picture, with its floor
// where the fighters' feet go.

#include <gtest/gtest.h>

#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include <unistd.h>

#include "common/fonts.h"
#include "common/output.h"
#include "producers.h"
#include "stages/stages.h"

namespace fs = std::filesystem;

namespace {

// A pixel of a 16-bit bitmap, widened back to 8 bits a channel the way the
// library does it (whatever order the channels are packed in).
Rgb pixel(BITMAP* bmp, int x, int y) {
    const int p = reinterpret_cast<const std::uint16_t*>(bmp->line[y])[x];
    return {static_cast<std::uint8_t>(getr16(p)), static_cast<std::uint8_t>(getg16(p)), static_cast<std::uint8_t>(getb16(p))};
}

double luminance(Rgb c) { return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b; }

class StageDatafile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        install_allegro(SYSTEM_NONE, &errno, atexit);
        set_color_depth(16);
        dir_ = new fs::path(fs::temp_directory_path() / ("zefgen-test-" + std::to_string(::getpid()) + "-stages"));
        fs::remove_all(*dir_);
        Output out(*dir_);
        Context ctx{out, ZEFGEN_CONTENT_DIR, FontTable::load(fs::path(ZEFGEN_CONTENT_DIR) / "fonts.txt")};
        produce_stages(ctx);
    }
    static void TearDownTestSuite() {
        fs::remove_all(*dir_);
        delete dir_;
    }
    static std::string pak() { return (*dir_ / "stage/stage.pak").string(); }
    static fs::path* dir_;
};

fs::path* StageDatafile::dir_ = nullptr;

}  // namespace

TEST_F(StageDatafile, HoldsEveryStageByNameAsThePaintedPicture) {
    ASSERT_EQ(stages().size(), 3u);
    for (const char* name : {"aeroport", "iut", "inde"}) {
        SCOPED_TRACE(name);
        const auto stage_def = std::find_if(stages().begin(), stages().end(), [&](const StageSpec& s) { return s.name == std::string(name); });
        ASSERT_NE(stage_def, stages().end());
        DATAFILE* object = load_datafile_object(pak().c_str(), name);
        ASSERT_NE(object, nullptr) << "no object named " << name;
        BITMAP* bmp = static_cast<BITMAP*>(object->dat);
        EXPECT_EQ(object->type, DAT_BITMAP);
        EXPECT_EQ(bitmap_color_depth(bmp), 16);
        EXPECT_GE(bmp->w, 1280);
        EXPECT_LE(bmp->w, 1600);
        EXPECT_GE(bmp->h, 600);
        EXPECT_LE(bmp->h, 720);
        // Pixel for pixel what the painter made: no second dither, no
        // stale or swapped picture.
        const Image painted = render_stage(*stage_def);
        ASSERT_EQ(bmp->w, painted.width);
        ASSERT_EQ(bmp->h, painted.height);
        int differing = 0;
        for (int y = 0; y < bmp->h; ++y)
            for (int x = 0; x < bmp->w; ++x)
                differing += !(pixel(bmp, x, y) == painted.at(x, y));
        EXPECT_EQ(differing, 0);
        unload_datafile_object(object);
    }
    EXPECT_EQ(load_datafile_object(pak().c_str(), "elbeuf"), nullptr);
}

TEST_F(StageDatafile, FloorEdgeRunsAlongTheGroundLine) {
    for (const StageSpec& stage_def : stages()) {
        SCOPED_TRACE(stage_def.name);
        DATAFILE* object = load_datafile_object(pak().c_str(), stage_def.name);
        ASSERT_NE(object, nullptr);
        BITMAP* bmp = static_cast<BITMAP*>(object->dat);
        const int ground = bmp->h - kGroundMargin;
        auto lum = [&](int x, int y) { return luminance(pixel(bmp, x, y)); };
        // Across (nearly) the whole width, the floor's lit edge starts on the
        // ground line: the rows from it are clearly brighter than those just behind.
        int edged = 0;
        for (int x = 0; x < bmp->w; ++x) {
            double above = 0, below = 0;
            for (int i = 1; i <= 4; ++i) above += lum(x, ground - i) / 4;
            for (int i = 0; i < 4; ++i) below += lum(x, ground + i) / 4;
            edged += below - above >= 20;
        }
        EXPECT_GE(edged, bmp->w * 95 / 100);
        // And it is there, not a few rows off: no brighter step between two
        // rows anywhere near it.
        auto step = [&](int y) {
            double sum = 0;
            for (int x = 0; x < bmp->w; ++x) sum += lum(x, y) - lum(x, y - 1);
            return sum / bmp->w;
        };
        const double at_ground = step(ground);
        for (int y = ground - 30; y <= ground + 30; ++y)
            if (y != ground) {
                EXPECT_LT(step(y), at_ground) << "row " << y;
            }
        unload_datafile_object(object);
    }
}

TEST(Stages, SixteenBitColoursAreExactAndDitheredNotBanded) {
    Image flat(16, 16, {100, 150, 37});
    reduce_to_16bit(flat);
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const Rgb c = flat.at(x, y);
            // What Allegro gives back after 24 -> 16 -> 24 is the same colour.
            EXPECT_EQ(c.r, ((c.r >> 3) << 3) | (c.r >> 5));
            EXPECT_EQ(c.g, ((c.g >> 2) << 2) | (c.g >> 6));
            EXPECT_EQ(c.b, ((c.b >> 3) << 3) | (c.b >> 5));
            r += c.r / 256.0;
            g += c.g / 256.0;
            b += c.b / 256.0;
        }
    // A flat colour between two 16-bit levels averages out to itself.
    EXPECT_NEAR(r, 100, 1.5);
    EXPECT_NEAR(g, 150, 1.0);
    EXPECT_NEAR(b, 37, 1.5);
    Image extremes(4, 1);
    extremes.set(1, 0, {255, 255, 255});
    reduce_to_16bit(extremes);
    EXPECT_EQ(extremes.at(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(extremes.at(1, 0), (Rgb{255, 255, 255}));
}

TEST(Stages, DatafileToolIsFoundOrNamesItsPackage) {
    EXPECT_EQ(find_program("sh", "/nonexistent:/bin", "dash"), fs::path("/bin/sh"));
    try {
        find_program("dat", "/nonexistent:/also-missing", "liballegro4-dev");
        FAIL() << "no error for a missing program";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("liballegro4-dev"), std::string::npos) << e.what();
    }
}
