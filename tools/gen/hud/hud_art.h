#pragma once
// What the fight shows over the stage: the life and mana bars in their
// frames, the countdown's digits, the fighters' name plates and the big
// banners that open and close a round.
//
// Where the game puts them on its 640 x 480 screen (left edge, top row):
// the frames at (30, 10) and (30, 34) for side 1 and at 610 - their width
// for side 2; the life bars two pixels inside, at row 12, the mana bars at
// row 36; the digits at (294, 9) and (320, 9); the plates at row 53, side
// 1's at x 30 and side 2's where it ends at x 610; banners centred.
//
// The fight's effects and small marks: hit sparks centred on the point of
// impact, round marks beside the plates, and the move list's glyphs.

#include <string>
#include <vector>

#include "common/image.h"
#include "menus/menu_style.h"

struct Context;

namespace hud {

// Bars are copied whole (no mask). The game shows a partly full bar as the
// leftmost columns of its picture, so nothing in them depends on where the
// bar ends.
constexpr int kFrameWidth = 250, kFrameHeight = 14;
constexpr int kBarWidth = kFrameWidth - 4, kBarHeight = 10;

enum class Bar { LifeSide1, LifeSide2, Drain, ManaSide1, ManaSide2 };

struct BarArt {
    const char* file;
    Bar bar;
};
const std::vector<BarArt>& bars();

Image draw_frame();
Image draw_bar(Bar bar);

// Masked digits, two side by side make the countdown.
constexpr int kDigitWidth = 26, kDigitHeight = 34;
Image draw_digit(const style::Fonts& fonts, int digit);

// Masked name plates, as wide as side 2's place allows.
constexpr int kPlateHeight = 22;
struct Plate {
    const char* file;
    const char* name;
    int side2_x;  // where the game puts side 2's plate
    int width() const { return 610 - side2_x; }
};
const std::vector<Plate>& plates();
Image draw_plate(const style::Fonts& fonts, const Plate& plate);

// Masked banners, centred on the screen.
enum class BannerLook { Impact, Gold, Steel, Fire, Round };
struct Banner {
    const char* file;
    const char* text;
    BannerLook look;
    int width, height;
};
const std::vector<Banner>& banners();
Image draw_banner(const style::Fonts& fonts, const Banner& banner);

// Hit sparks: a strip of kSparkFrames square cells, played left to right
// from the blow's first frame, the spark centred in each cell. Masked.
constexpr int kSparkCell = 96, kSparkFrames = 4;
enum class SparkLook {
    Clean,       // a hit that lands: a white-hot starburst with streaks
    Guarded,     // a blocked hit: a cold flash on a curved shield
    Projectile,  // a projectile bursting: a magic ring with particles
};
struct Spark {
    const char* file;
    SparkLook look;
};
const std::vector<Spark>& sparks();
Image draw_spark_strip(SparkLook look);

// A round won (a gold medallion with a star) and one still to win (the
// same medallion, an empty socket): masked, the same silhouette.
constexpr int kMarkSize = 20;
Image draw_round_mark(bool won);

// The move list's glyphs, one square cell each, in this order in the strip.
constexpr int kGlyphCell = 28;
enum class Glyph { Forward, Back, Up, Down, Punch, Kick };
constexpr int kGlyphCount = 6;
Image draw_glyph_strip(const style::Fonts& fonts);

// For previews: the screen at the start of a round on a stage (its name in
// stages()), the stage's bottom, centred.
Image stage_view(const std::string& stage);

}  // namespace hud

void produce_fight_hud(Context& ctx);
// Sparks, round marks and the move list's glyphs.
void produce_fight_effects(Context& ctx);
