#include "ttftext.h"

#include <cstdarg>
#include <cstdio>
#include <memory>

#include "glyph_blit.h"
#include "glyph_cache.h"

struct ALFONT_FONT {
    std::unique_ptr<ttf::GlyphCache> cache;
};

namespace {

FT_Library library = nullptr;
int background = -1;

enum class Align { Left, Centre, Right };

constexpr int DEFAULT_SIZE = 16;

// Walks the pen along the string, calling visit(glyph, pen_x) for each byte.
template <typename Visit>
int walk(ALFONT_FONT* f, const char* s, ttf::Mode mode, Visit visit)
{
    ttf::GlyphCache& cache = *f->cache;
    const bool kern = cache.has_kerning();
    int pen = 0;
    FT_UInt previous = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p; ++p) {
        const ttf::Glyph& g = cache.glyph(*p, mode);
        if (kern)
            pen += cache.kerning(previous, g.index);
        visit(g, pen);
        pen += g.advance;
        previous = g.index;
    }
    return pen;
}

void draw(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color, Align align, bool smooth)
{
    if (!bmp || !f || !s)
        return;
    const ttf::Mode mode = smooth ? ttf::Mode::Smooth : ttf::Mode::Mono;
    if (align != Align::Left || background >= 0) {
        const int width = walk(f, s, mode, [](const ttf::Glyph&, int) {});
        if (align == Align::Centre)
            x -= width / 2;
        else if (align == Align::Right)
            x -= width;
        if (background >= 0)
            rectfill(bmp, x, y, x + width - 1, y + f->cache->ascent() + f->cache->descent() - 1, background);
    }
    const int baseline = y + f->cache->ascent();
    walk(f, s, mode, [&](const ttf::Glyph& g, int pen) {
        ttf::blit_glyph(bmp, g, x + pen + g.left, baseline - g.top, color, smooth);
    });
}

void drawv(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, Align align, bool smooth,
           const char* fmt, va_list args)
{
    char text[1024];
    std::vsnprintf(text, sizeof text, fmt, args);
    draw(bmp, f, text, x, y, color, align, smooth);
}

}  // namespace

int alfont_init()
{
    if (library)
        return ALFONT_OK;
    return FT_Init_FreeType(&library) == 0 ? ALFONT_OK : ALFONT_ERROR;
}

void alfont_exit()
{
    if (library)
        FT_Done_FreeType(library);
    library = nullptr;
}

int alfont_text_mode(int mode)
{
    const int previous = background;
    background = mode;
    return previous;
}

ALFONT_FONT* alfont_load_font(const char* filepath)
{
    if (!library || !filepath)
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, filepath, 0, &face) != 0)
        return nullptr;
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 || !FT_IS_SCALABLE(face)) {
        FT_Done_Face(face);
        return nullptr;
    }
    auto* f = new ALFONT_FONT;
    f->cache = std::make_unique<ttf::GlyphCache>(face);
    f->cache->set_size(DEFAULT_SIZE);
    return f;
}

void alfont_destroy_font(ALFONT_FONT* f) { delete f; }

int alfont_set_font_size(ALFONT_FONT* f, int h)
{
    if (!f)
        return ALFONT_ERROR;
    return f->cache->set_size(h) ? ALFONT_OK : ALFONT_ERROR;
}

int alfont_get_font_size(const ALFONT_FONT* f) { return f ? f->cache->size() : 0; }

int alfont_text_height(ALFONT_FONT* f) { return f ? f->cache->size() : 0; }

int alfont_text_length(ALFONT_FONT* f, const char* str)
{
    if (!f || !str)
        return 0;
    return walk(f, str, ttf::Mode::Smooth, [](const ttf::Glyph&, int) {});
}

void alfont_textout(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color)
{
    draw(bmp, f, s, x, y, color, Align::Left, false);
}
void alfont_textout_centre(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color)
{
    draw(bmp, f, s, x, y, color, Align::Centre, false);
}
void alfont_textout_right(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color)
{
    draw(bmp, f, s, x, y, color, Align::Right, false);
}
void alfont_textout_aa(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color)
{
    draw(bmp, f, s, x, y, color, Align::Left, true);
}
void alfont_textout_centre_aa(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color)
{
    draw(bmp, f, s, x, y, color, Align::Centre, true);
}
void alfont_textout_right_aa(BITMAP* bmp, ALFONT_FONT* f, const char* s, int x, int y, int color)
{
    draw(bmp, f, s, x, y, color, Align::Right, true);
}

#define ZEF_PRINTF_VARIANT(name, align, smooth)                                              \
    void name(BITMAP* bmp, ALFONT_FONT* f, int x, int y, int color, const char* fmt, ...)   \
    {                                                                                        \
        va_list args;                                                                        \
        va_start(args, fmt);                                                                 \
        drawv(bmp, f, x, y, color, align, smooth, fmt, args);                                \
        va_end(args);                                                                        \
    }

ZEF_PRINTF_VARIANT(alfont_textprintf, Align::Left, false)
ZEF_PRINTF_VARIANT(alfont_textprintf_centre, Align::Centre, false)
ZEF_PRINTF_VARIANT(alfont_textprintf_right, Align::Right, false)
ZEF_PRINTF_VARIANT(alfont_textprintf_aa, Align::Left, true)
ZEF_PRINTF_VARIANT(alfont_textprintf_centre_aa, Align::Centre, true)
ZEF_PRINTF_VARIANT(alfont_textprintf_right_aa, Align::Right, true)
