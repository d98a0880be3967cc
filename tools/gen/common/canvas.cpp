#include "common/canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace {

// One FreeType library and face per font file, released by cairo when the
// last scaled font using the face goes away.
struct FtHolder {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

cairo_user_data_key_t ft_holder_key;

void release_ft(void* data) {
    auto* holder = static_cast<FtHolder*>(data);
    FT_Done_Face(holder->face);
    FT_Done_FreeType(holder->library);
    delete holder;
}

void check(cairo_status_t status, const char* what) {
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(std::string(what) + ": " + cairo_status_to_string(status));
}

// Box blur of one row or column of premultiplied ARGB, clamped at the edges.
void box_pass(std::uint32_t* px, int count, int step, int radius, std::vector<std::uint32_t>& scratch) {
    scratch.resize(count);
    for (int i = 0; i < count; ++i) scratch[i] = px[i * step];
    const int window = 2 * radius + 1;
    auto sample = [&](int i, int shift) { return static_cast<int>((scratch[std::clamp(i, 0, count - 1)] >> shift) & 0xff); };
    for (int i = 0; i < count; ++i) px[i * step] = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        int sum = 0;
        for (int i = -radius; i <= radius; ++i) sum += sample(i, shift);
        for (int i = 0; i < count; ++i) {
            px[i * step] |= static_cast<std::uint32_t>((sum + window / 2) / window) << shift;
            sum += sample(i + radius + 1, shift) - sample(i - radius, shift);
        }
    }
}

}  // namespace

FontFile::FontFile(const std::filesystem::path& file) {
    auto* holder = new FtHolder;
    if (FT_Init_FreeType(&holder->library) != 0) {
        delete holder;
        throw std::runtime_error("cannot start FreeType");
    }
    if (FT_New_Face(holder->library, file.c_str(), 0, &holder->face) != 0) {
        FT_Done_FreeType(holder->library);
        delete holder;
        throw std::runtime_error("cannot load font " + file.string());
    }
    face_ = cairo_ft_font_face_create_for_ft_face(holder->face, FT_LOAD_NO_HINTING);
    if (cairo_font_face_set_user_data(face_, &ft_holder_key, holder, release_ft) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(face_);
        release_ft(holder);
        throw std::runtime_error("cannot attach font " + file.string());
    }
}

FontFile::~FontFile() { cairo_font_face_destroy(face_); }

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    check(cairo_surface_status(surface_), "cairo surface");
    check(cairo_status(cr_), "cairo context");
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::use_font(const FontFile& font, double pixel_size) {
    cairo_set_font_face(cr_, font.face());
    cairo_set_font_size(cr_, pixel_size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
}

TextRun Canvas::layout(const std::string& text, double tracking) const {
    cairo_scaled_font_t* font = cairo_get_scaled_font(cr_);
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    check(cairo_scaled_font_text_to_glyphs(font, 0, 0, text.c_str(), static_cast<int>(text.size()), &glyphs, &count,
                                           nullptr, nullptr, nullptr),
          "text layout");
    TextRun run;
    double pen = 0;
    bool first = true;
    for (int i = 0; i < count; ++i) {
        cairo_glyph_t g = glyphs[i];
        g.x = pen;
        g.y = 0;
        cairo_text_extents_t ext;
        cairo_scaled_font_glyph_extents(font, &g, 1, &ext);
        if (ext.width > 0) {
            const double l = pen + ext.x_bearing, r = l + ext.width;
            const double t = ext.y_bearing, b = t + ext.height;
            run.ink_left = first ? l : std::min(run.ink_left, l);
            run.ink_right = first ? r : std::max(run.ink_right, r);
            run.ink_top = first ? t : std::min(run.ink_top, t);
            run.ink_bottom = first ? b : std::max(run.ink_bottom, b);
            first = false;
        }
        pen += ext.x_advance + (i + 1 < count ? tracking : 0);
        run.glyphs.push_back(g);
    }
    run.advance = pen;
    cairo_glyph_free(glyphs);
    return run;
}

void Canvas::text_path(const TextRun& run, double x, double y) const {
    std::vector<cairo_glyph_t> moved = run.glyphs;
    for (auto& g : moved) {
        g.x += x;
        g.y += y;
    }
    cairo_glyph_path(cr_, moved.data(), static_cast<int>(moved.size()));
}

void Canvas::blur(double radius) {
    cairo_surface_flush(surface_);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_));
    const int stride = cairo_image_surface_get_stride(surface_) / 4;
    // Three box passes of this size approach a Gaussian of the given radius.
    const int box = std::max(1, static_cast<int>(std::lround(radius / std::sqrt(3.0))));
    std::vector<std::uint32_t> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height_; ++y) box_pass(data + y * stride, width_, 1, box, scratch);
        for (int x = 0; x < width_; ++x) box_pass(data + x, height_, stride, box, scratch);
    }
    cairo_surface_mark_dirty(surface_);
}

void Canvas::fade_edges(int margin) {
    each_stored_pixel(surface_, 0, 0, width_, height_, [&](int x, int y, std::uint32_t& p) {
        const int edge = std::min({x, y, width_ - 1 - x, height_ - 1 - y});
        if (edge >= margin) return;
        const std::uint32_t k = static_cast<std::uint32_t>(256 * edge / margin);
        std::uint32_t faded = 0;
        for (int shift = 0; shift < 32; shift += 8) faded |= ((((p >> shift) & 0xff) * k) >> 8) << shift;
        p = faded;
    });
}

void Canvas::paint(const Canvas& other, cairo_operator_t op, double alpha) {
    cairo_save(cr_);
    cairo_set_operator(cr_, op);
    cairo_set_source_surface(cr_, other.surface_, 0, 0);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

Image Canvas::to_image(Rgb background) const {
    Image image(width_, height_);
    auto over = [](unsigned premultiplied, unsigned alpha, unsigned bg) {
        return static_cast<std::uint8_t>(std::min(255u, premultiplied + (bg * (255 - alpha) + 127) / 255));
    };
    each_stored_pixel(surface_, 0, 0, width_, height_, [&](int x, int y, std::uint32_t& p) {
        const unsigned a = p >> 24;
        image.set(x, y,
                  {over((p >> 16) & 0xff, a, background.r), over((p >> 8) & 0xff, a, background.g),
                   over(p & 0xff, a, background.b)});
    });
    return image;
}

void put_image(cairo_surface_t* s, const Image& image) {
    each_stored_pixel(s, 0, 0, image.width, image.height, [&](int x, int y, std::uint32_t& p) {
        const Rgb c = image.at(x, y);
        p = 0xff000000u | (c.r << 16) | (c.g << 8) | c.b;
    });
}

void save_png(const Image& image, const std::string& path) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    put_image(s, image);
    const cairo_status_t status = cairo_surface_write_to_png(s, path.c_str());
    cairo_surface_destroy(s);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path + ": " + cairo_status_to_string(status));
}
