#pragma once
// The game's icon for the desktop: two gloved fists, the first player's in
// fire, the second's in jade, meeting in a burst on a dusk medallion ringed
// with gold. Drawn in vectors, with less detail the smaller it gets, so that
// at 16 pixels it still reads as two fists and a flash.

#include <cairo.h>

#include <array>
#include <filesystem>
#include <vector>

// The pixel sizes a desktop asks for, each written as <N>x<N>/apps/zef.png.
inline constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

enum class IconDetail {
    Small,   // 16 and 24: bold shapes, one-pixel outlines, a plain dark sky
    Medium,  // 32 and 48: the dusk sky, the gloves' thumbs and gloss
    Full,    // larger: the sky's rays and the sun's stripes, the cuffs' seams
};

IconDetail detail_for(int pixels);

// Draws the icon filling [0, size] x [0, size] of the current user space,
// on a transparent background.
void draw_icon(cairo_t* cr, double size, IconDetail detail);

// Writes every size as a PNG into the hicolor layout under `out`, and the
// full drawing as scalable/apps/zef.svg. Returns the files written.
std::vector<std::filesystem::path> write_icons(const std::filesystem::path& out);
