// Draws one glyph's coverage onto a bitmap, honouring its clipping rectangle.
#ifndef ZEF_GLYPH_BLIT_H
#define ZEF_GLYPH_BLIT_H

#include <allegro.h>

#include "glyph_cache.h"

namespace ttf {

// (x, y) is the glyph bitmap's top-left corner on the destination.
// Smooth: every covered pixel is blended with the colour by its coverage.
// Otherwise: pixels of coverage 128 or more are set to the colour.
void blit_glyph(BITMAP* bmp, const Glyph& g, int x, int y, int color, bool smooth);

// Blends a 5-6-5 pixel towards a 5-6-5 colour by alpha 0..255.
inline unsigned short blend565(unsigned short dst, unsigned short src, unsigned alpha)
{
    const unsigned a = alpha + (alpha >> 7);   // 0..256
    const int dr = dst >> 11, dg = (dst >> 5) & 0x3F, db = dst & 0x1F;
    const int sr = src >> 11, sg = (src >> 5) & 0x3F, sb = src & 0x1F;
    const int r = dr + (((sr - dr) * static_cast<int>(a)) >> 8);
    const int gg = dg + (((sg - dg) * static_cast<int>(a)) >> 8);
    const int b = db + (((sb - db) * static_cast<int>(a)) >> 8);
    return static_cast<unsigned short>((r << 11) | (gg << 5) | b);
}

}  // namespace ttf

#endif
