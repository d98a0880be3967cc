// One FreeType face with its rendered glyphs cached per pixel size and
// rendering mode, so that printing the same text every frame only blits.
#ifndef ZEF_GLYPH_CACHE_H
#define ZEF_GLYPH_CACHE_H

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace ttf {

struct Glyph {
    int width = 0;           // coverage bitmap size
    int rows = 0;
    int left = 0;            // from the pen position to the bitmap's left edge
    int top = 0;             // from the baseline up to the bitmap's top edge
    int advance = 0;         // pen advance in whole pixels
    FT_UInt index = 0;       // glyph index in the face, for kerning
    std::vector<uint8_t> coverage;  // width * rows, 0 transparent .. 255 opaque
};

enum class Mode { Smooth = 0, Mono = 1 };

class GlyphCache {
public:
    explicit GlyphCache(FT_Face face);
    ~GlyphCache();
    GlyphCache(const GlyphCache&) = delete;
    GlyphCache& operator=(const GlyphCache&) = delete;

    bool set_size(int pixels);
    int size() const { return size_; }
    int ascent() const { return ascent_; }
    int descent() const { return descent_; }   // positive, below the baseline
    bool has_kerning() const { return FT_HAS_KERNING(face_) != 0; }
    int kerning(FT_UInt left, FT_UInt right) const;

    // The glyph for a Latin-1 byte at the current size; never null.
    const Glyph& glyph(unsigned char c, Mode mode);

private:
    using Table = std::array<std::unique_ptr<Glyph>, 256>;
    std::unique_ptr<Glyph> render(unsigned char c, Mode mode) const;

    FT_Face face_;
    int size_ = 0;
    int ascent_ = 0;
    int descent_ = 0;
    std::map<int, Table> tables_[2];   // by mode, then by size
    Table* current_[2] = {nullptr, nullptr};
};

}  // namespace ttf

#endif
