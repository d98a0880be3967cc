#pragma once
// The fight stages: wide painted backgrounds that the camera scrolls over,
// packed into the stage datafile (stage/stage.pak) with Allegro's `dat`.
//
// Every stage has its ground line, where the fighters' feet stand, exactly
// kGroundMargin pixels above its bottom edge; the strip below it is the near
// floor. Each painter guarantees a lit edge (a kerb, a painted line, a step)
// starting on the ground line, so the floor reads at a glance.

#include <filesystem>
#include <string>
#include <vector>

#include "common/canvas.h"
#include "common/image.h"

struct Context;

constexpr int kGroundMargin = 50;
constexpr int kScreenWidth = 640, kScreenHeight = 480;

struct StageSpec {
    const char* name;  // the object's name in the datafile
    int width, height;
    void (*paint)(Canvas& canvas);  // paints the whole picture, opaque
    int ground_y() const { return height - kGroundMargin; }
};

// The young moon in the temple's sky, in the stage's pixels.
constexpr double kTempleMoonX = 1080, kTempleMoonY = 110;

void paint_airport(Canvas& canvas);
void paint_town(Canvas& canvas);
void paint_temple(Canvas& canvas);

const std::vector<StageSpec>& stages();

// The stage as the game shows it: painted, then reduced to the 16-bit
// colours of the datafile with an ordered dither (no bands in the skies).
Image render_stage(const StageSpec& stage);

// The stage of that name in the datafile; throws when there is none.
const StageSpec& stage_named(const std::string& name);
// The stage rendered once per run and kept: the datafile, the previews and
// the menus' pictures of the stages all start from the same pixels.
const Image& rendered_stage(const std::string& name);

// Rounds every pixel to a colour that 16-bit (5-6-5) mode holds exactly,
// spread with a 4 x 4 Bayer pattern; the values are the ones Allegro gives
// back when it widens those colours again, so a 24 -> 16 -> 24 trip is exact.
void reduce_to_16bit(Image& image);

// The full path of a program found on a PATH-style list of folders, or an
// error naming the Debian package that provides it.
std::filesystem::path find_program(const std::string& name, const std::string& search_path, const std::string& package);

// Paints every stage and writes stage/stage.pak (only when its bytes change).
void produce_stages(Context& ctx);
