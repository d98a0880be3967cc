#include "glyph_cache.h"

namespace ttf {

GlyphCache::GlyphCache(FT_Face face) : face_(face) {}

GlyphCache::~GlyphCache() { FT_Done_Face(face_); }

bool GlyphCache::set_size(int pixels)
{
    if (pixels <= 0 || FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels)) != 0) {
        if (size_ > 0)
            FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(size_));
        return false;
    }
    size_ = pixels;
    ascent_ = static_cast<int>((face_->size->metrics.ascender + 63) >> 6);
    descent_ = static_cast<int>((-face_->size->metrics.descender + 63) >> 6);
    current_[0] = &tables_[0][pixels];
    current_[1] = &tables_[1][pixels];
    return true;
}

int GlyphCache::kerning(FT_UInt left, FT_UInt right) const
{
    FT_Vector k{0, 0};
    if (left == 0 || right == 0 || FT_Get_Kerning(face_, left, right, FT_KERNING_DEFAULT, &k) != 0)
        return 0;
    return static_cast<int>((k.x + 32) >> 6);
}

const Glyph& GlyphCache::glyph(unsigned char c, Mode mode)
{
    Table& table = *current_[static_cast<int>(mode)];
    std::unique_ptr<Glyph>& slot = table[c];
    if (!slot)
        slot = render(c, mode);
    return *slot;
}

std::unique_ptr<Glyph> GlyphCache::render(unsigned char c, Mode mode) const
{
    auto g = std::make_unique<Glyph>();
    // Latin-1 bytes are the first 256 Unicode code points.
    g->index = FT_Get_Char_Index(face_, c);
    const FT_Int32 load = mode == Mode::Mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    if (FT_Load_Glyph(face_, g->index, FT_LOAD_DEFAULT | load) != 0)
        return g;
    FT_GlyphSlot slot = face_->glyph;
    g->advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, mode == Mode::Mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
        return g;

    const FT_Bitmap& bm = slot->bitmap;
    g->width = static_cast<int>(bm.width);
    g->rows = static_cast<int>(bm.rows);
    g->left = slot->bitmap_left;
    g->top = slot->bitmap_top;
    g->coverage.assign(static_cast<size_t>(g->width) * g->rows, 0);
    for (int y = 0; y < g->rows; ++y) {
        const unsigned char* src = bm.buffer + static_cast<long>(y) * bm.pitch;
        uint8_t* dst = &g->coverage[static_cast<size_t>(y) * g->width];
        for (int x = 0; x < g->width; ++x) {
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else
                dst[x] = src[x];
        }
    }
    return g;
}

}  // namespace ttf
