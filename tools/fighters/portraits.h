#pragma once
// A fighter's pictures for the menus, drawn from its source like its
// sprites: the large portrait (the selection screen and the story's
// dialogues show it) and the selection button, normal and highlighted.
// All are masked pictures: every pixel opaque or exactly the mask colour.

#include <string>

#include "common/image.h"
#include "menus/screen_texts.h"
#include "source.h"

// The portrait's size and its face band: menus/screen_texts.h.
using menus::kPortraitBandBottom;
using menus::kPortraitBandTop;
using menus::kPortraitHeight;
using menus::kPortraitWidth;
constexpr int kButtonWidth = 85, kButtonHeight = 92;

struct PortraitArt {
    Image portrait;    // a close-up of the face before its emblem, facing right, in a band
    Image button;      // head and shoulders in a rounded frame
    Image button_lit;  // the same under the pointer: a glowing frame, a brighter picture
};

PortraitArt draw_portraits(const FighterSource& src);

// The fighter's ending in the story: the menus' dawn scene with the
// fighter large in its middle, head and shoulders before its emblem.
Image draw_ending(const FighterSource& src);

// Where the game loads them, relative to the data folder.
std::string portrait_path(const std::string& fighter);             // graphics/<fighter>2.bmp
std::string button_path(const std::string& fighter, bool lit);     // graphics/<fighter>1.bmp, <fighter>0.bmp
std::string ending_path(const std::string& fighter);               // graphics/fin_<fighter>.bmp
