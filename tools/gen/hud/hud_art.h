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

}  // namespace hud

void produce_fight_hud(Context& ctx);
