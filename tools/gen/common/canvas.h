#pragma once
// Drawing with cairo. Text always comes from an explicit font file through
// FreeType (never a fontconfig lookup by family name), with hinting off, so
// the artwork depends only on the files named in the font table.

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/image.h"

class FontFile {
public:
    explicit FontFile(const std::filesystem::path& file);
    ~FontFile();
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    cairo_font_face_t* face() const { return face_; }

private:
    cairo_font_face_t* face_ = nullptr;
};

// A laid-out line of text: glyphs plus its ink box, for placing it precisely.
struct TextRun {
    std::vector<cairo_glyph_t> glyphs;
    double advance = 0;            // pen travel, tracking included
    double ink_left = 0, ink_right = 0, ink_top = 0, ink_bottom = 0;  // relative to the origin
    double width() const { return ink_right - ink_left; }
};

class Canvas {
public:
    Canvas(int width, int height);  // transparent to start with
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Selects a font at a pixel size, greyscale-antialiased and unhinted.
    void use_font(const FontFile& font, double pixel_size);

    // Lays text out with the current font, `tracking` extra pixels after each
    // letter, with the baseline origin at (0, 0).
    TextRun layout(const std::string& text, double tracking = 0) const;
    // Adds the glyph outlines of a run, its origin moved to (x, y), to the path.
    void text_path(const TextRun& run, double x, double y) const;

    // Approximately Gaussian blur (three box passes), for glows.
    void blur(double radius);
    // Fades the picture out towards its borders, so a glow never ends in a
    // hard edge where the bitmap meets the screen around it.
    void fade_edges(int margin);
    // Paints another canvas on this one with a cairo operator and opacity.
    void paint(const Canvas& other, cairo_operator_t op = CAIRO_OPERATOR_OVER, double alpha = 1.0);

    // The picture composited over a solid background colour.
    Image to_image(Rgb background = {}) const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Calls f(x, y, pixel) for every pixel of [x0, x1) x [y0, y1) inside an
// image surface, with the pixel as cairo stores it (premultiplied ARGB32).
template <class F>
void each_stored_pixel(cairo_surface_t* s, int x0, int y0, int x1, int y1, F f) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, cairo_image_surface_get_width(s));
    y1 = std::min(y1, cairo_image_surface_get_height(s));
    cairo_surface_flush(s);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s));
    const int stride = cairo_image_surface_get_stride(s) / 4;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) f(x, y, data[y * stride + x]);
    cairo_surface_mark_dirty(s);
}

template <class F>
void each_stored_pixel(const Canvas& canvas, int x0, int y0, int x1, int y1, F f) {
    each_stored_pixel(canvas.surface(), x0, y0, x1, y1, f);
}

// Copies an opaque picture into an image surface of at least its size.
void put_image(cairo_surface_t* s, const Image& image);

void save_png(const Image& image, const std::string& path);
