#include "glyph_blit.h"

#include <algorithm>

namespace ttf {

namespace {

struct Span {
    int x0, y0, x1, y1;   // clipped destination rectangle, x1/y1 exclusive
};

bool clip(BITMAP* bmp, const Glyph& g, int x, int y, Span& out)
{
    int cl = 0, ct = 0, cr = bmp->w, cb = bmp->h;
    if (bmp->clip) {
        cl = bmp->cl; ct = bmp->ct; cr = bmp->cr; cb = bmp->cb;
    }
    out.x0 = std::max(x, cl);
    out.y0 = std::max(y, ct);
    out.x1 = std::min(x + g.width, cr);
    out.y1 = std::min(y + g.rows, cb);
    return out.x0 < out.x1 && out.y0 < out.y1;
}

// Memory bitmaps at 16 bits are what every screen draws into: walk their rows
// directly.
void blit16(BITMAP* bmp, const Glyph& g, int x, int y, const Span& sp, int color, bool smooth)
{
    const unsigned short c = static_cast<unsigned short>(color);
    for (int py = sp.y0; py < sp.y1; ++py) {
        unsigned short* row = reinterpret_cast<unsigned short*>(bmp->line[py]);
        const uint8_t* cov = g.coverage.data() + static_cast<size_t>(py - y) * g.width;
        for (int px = sp.x0; px < sp.x1; ++px) {
            const unsigned a = cov[px - x];
            if (a == 0)
                continue;
            if (!smooth)
                row[px] = a >= 128 ? c : row[px];
            else
                row[px] = a == 255 ? c : blend565(row[px], c, a);
        }
    }
}

// Any other destination (other depths, video or system bitmaps).
void blit_generic(BITMAP* bmp, const Glyph& g, int x, int y, const Span& sp, int color, bool smooth)
{
    const int depth = bitmap_color_depth(bmp);
    const int sr = getr_depth(depth, color), sg = getg_depth(depth, color), sb = getb_depth(depth, color);
    acquire_bitmap(bmp);
    for (int py = sp.y0; py < sp.y1; ++py) {
        for (int px = sp.x0; px < sp.x1; ++px) {
            const int a = g.coverage[static_cast<size_t>(py - y) * g.width + (px - x)];
            if (a == 0 || (!smooth && a < 128))
                continue;
            if (!smooth || a == 255) {
                putpixel(bmp, px, py, color);
                continue;
            }
            const int d = getpixel(bmp, px, py);
            const int r = (sr * a + getr_depth(depth, d) * (255 - a) + 127) / 255;
            const int gg = (sg * a + getg_depth(depth, d) * (255 - a) + 127) / 255;
            const int b = (sb * a + getb_depth(depth, d) * (255 - a) + 127) / 255;
            putpixel(bmp, px, py, makecol_depth(depth, r, gg, b));
        }
    }
    release_bitmap(bmp);
}

}  // namespace

void blit_glyph(BITMAP* bmp, const Glyph& g, int x, int y, int color, bool smooth)
{
    Span sp;
    if (g.coverage.empty() || !clip(bmp, g, x, y, sp))
        return;
    if (is_memory_bitmap(bmp) && bitmap_color_depth(bmp) == 16)
        blit16(bmp, g, x, y, sp, color, smooth);
    else
        blit_generic(bmp, g, x, y, sp, color, smooth);
}

}  // namespace ttf
