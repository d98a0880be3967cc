#pragma once
// Drawing with cairo. Text always comes from an explicit font file through
// FreeType (never a fontconfig lookup by family name), with hinting off, so
// the artwork depends only on the files named in the font table.

#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

#include "image.h"

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

void save_png(const Image& image, const std::string& path);
