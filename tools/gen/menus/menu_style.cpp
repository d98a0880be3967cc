#include "menus/menu_style.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "audio/synth.h"  // kPi
#include "common/output.h"
#include "stages/stages.h"  // reduce_to_16bit

namespace style {

Fonts::Fonts(const FontTable& table)
    : black(table.path("spartan-black")),
      bold(table.path("spartan-bold")),
      condensed(table.path("bebas-bold")),
      sans(table.path("dejavu-bold")) {}

void use_caps(Canvas& canvas, const FontFile& font, double caps) {
    canvas.use_font(font, 100.0);
    const TextRun probe = canvas.layout("H");
    canvas.use_font(font, 100.0 * caps / (probe.ink_bottom - probe.ink_top));
}

Placed place_text(Canvas& canvas, const FontFile& font, const std::string& text, double caps, double tracking,
                  double centre_x, double caps_top, double slant) {
    use_caps(canvas, font, caps);
    Placed p;
    p.run = canvas.layout(text, tracking);
    p.font = &font;
    p.caps_top = caps_top;
    p.caps_height = caps;
    p.baseline = caps_top + caps;
    // The shear moves the capitals' middle right by half their slanted height.
    p.x = centre_x - (p.run.ink_left + p.run.ink_right) / 2 - slant * caps / 2;
    return p;
}

Span ink_span(const Placed& p, const Lettering& look) {
    const double outline = look.rim_width + look.line_width;
    const double up = -p.run.ink_top, down = p.run.ink_bottom;
    return {p.x + p.run.ink_left - look.slant * down - outline + std::min(0.0, look.shadow_dx),
            p.x + p.run.ink_right + look.slant * up + outline + std::max(0.0, look.shadow_dx)};
}

namespace {

void text_path(Canvas& canvas, const Placed& t, double slant, double dx, double dy) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_matrix_t m;
    cairo_matrix_init(&m, 1, 0, -slant, 1, t.x + dx, t.baseline + dy);
    cairo_transform(cr, &m);
    canvas.text_path(t.run, 0, 0);
    cairo_restore(cr);  // the path keeps its place: cairo stores it in device space
}

}  // namespace

void draw_lettering(Canvas& canvas, const Placed& t, const Lettering& look) {
    if (t.font) use_caps(canvas, *t.font, t.caps_height);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double outline = 2 * (look.rim_width + look.line_width);

    if (look.shadow_dx != 0 || look.shadow_dy != 0) {
        text_path(canvas, t, look.slant, look.shadow_dx, look.shadow_dy);
        scenery::set(cr, look.shadow);
        cairo_set_line_width(cr, outline);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    text_path(canvas, t, look.slant, 0, 0);
    scenery::set(cr, look.rim);
    cairo_set_line_width(cr, outline);
    cairo_stroke_preserve(cr);
    cairo_fill_preserve(cr);
    if (look.line_width > 0) {
        scenery::set(cr, look.line);
        cairo_set_line_width(cr, 2 * look.line_width);
        cairo_stroke_preserve(cr);
    }

    const double top = t.caps_top, bottom = t.caps_top + t.caps_height;
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, top, 0, bottom);
    auto stop = [&](double at, Colour c) { cairo_pattern_add_color_stop_rgb(fill, at, c.r, c.g, c.b); };
    stop(0, look.top);
    if (look.horizon < 1) {
        stop(look.horizon, look.middle);
        stop(look.horizon + 0.02, look.low);
        stop(1, look.bottom);
    } else {
        stop(1, look.middle);
    }
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);

    if (look.bevel > 0) {
        // Inside the letters only: a light edge under their tops, a shaded
        // one above their bottoms.
        text_path(canvas, t, look.slant, 0, 0);
        cairo_clip(cr);
        cairo_set_line_width(cr, look.bevel * 1.3);
        text_path(canvas, t, look.slant, 0, look.bevel);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
        cairo_stroke(cr);
        text_path(canvas, t, look.slant, 0, -look.bevel);
        cairo_set_source_rgba(cr, 0.05, 0.0, 0.1, 0.35);
        cairo_stroke(cr);
        cairo_reset_clip(cr);
    }
    cairo_restore(cr);
}

Lettering chrome_look(double caps) {
    Lettering l;
    l.top = kChromeTop;
    l.middle = kChromeMid;
    l.low = hex(0x32407a);
    l.bottom = hex(0xc8d6ff);
    l.horizon = 0.52;
    l.line = kGold;
    l.line_width = std::max(1.0, caps * 0.045);
    l.rim_width = std::max(1.5, caps * 0.06);
    l.shadow_dx = caps * 0.04;
    l.shadow_dy = caps * 0.08;
    l.bevel = std::max(0.8, caps * 0.025);
    return l;
}

Lettering gold_look(double caps) {
    Lettering l;
    l.top = kGoldLight;
    l.middle = kGold;
    l.low = hex(0x9a4a08);
    l.bottom = hex(0xffd86a);
    l.horizon = 0.5;
    l.line = hex(0x5a1a04);
    l.line_width = std::max(0.8, caps * 0.03);
    l.rim = kInk;
    l.rim_width = std::max(1.5, caps * 0.06);
    l.shadow_dx = caps * 0.04;
    l.shadow_dy = caps * 0.08;
    l.bevel = std::max(0.8, caps * 0.025);
    return l;
}

Lettering title_look(double caps) {
    Lettering l = chrome_look(caps);
    l.slant = 0.1;
    return l;
}

Lettering fire_look(double caps) {
    Lettering l;
    l.top = kFireHot;
    l.middle = hex(0xffb02a);
    l.low = hex(0xff6a10);
    l.bottom = kFireDeep;
    l.horizon = 0.45;
    l.line = hex(0xffe680);
    l.line_width = std::max(1.0, caps * 0.04);
    l.rim = hex(0x1a0406);
    l.rim_width = std::max(1.5, caps * 0.065);
    l.shadow = hex(0x120206);
    l.shadow_dx = caps * 0.04;
    l.shadow_dy = caps * 0.08;
    l.bevel = std::max(0.8, caps * 0.025);
    return l;
}

void blade_path(cairo_t* cr, double x, double y, double w, double h, double lean, double cut) {
    const double t = std::clamp(cut / h, 0.0, 0.5);
    cairo_move_to(cr, x + lean, y);
    cairo_line_to(cr, x + w - cut, y);
    cairo_line_to(cr, x + w - lean * t, y + h * t);
    cairo_line_to(cr, x + w - lean, y + h);
    cairo_line_to(cr, x + cut, y + h);
    cairo_line_to(cr, x + lean * t, y + h - h * t);
    cairo_close_path(cr);
}

void check_path(cairo_t* cr, double x, double y, double size) {
    cairo_move_to(cr, x + 0.08 * size, y + 0.55 * size);
    cairo_line_to(cr, x + 0.38 * size, y + 0.86 * size);
    cairo_line_to(cr, x + 0.94 * size, y + 0.14 * size);
}

void chevron_path(cairo_t* cr, double x, double cy, double size, bool right) {
    const double d = right ? 1 : -1, w = size * 0.6, k = size * 0.32;
    cairo_move_to(cr, x, cy - size / 2);
    cairo_line_to(cr, x + d * w, cy);
    cairo_line_to(cr, x, cy + size / 2);
    cairo_line_to(cr, x - d * k, cy + size / 2);
    cairo_line_to(cr, x + d * (w - k), cy);
    cairo_line_to(cr, x - d * k, cy - size / 2);
    cairo_close_path(cr);
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

void slot_button(cairo_t* cr, double w, double h, const SlotLook& look, bool lit,
                 const std::function<void()>& picture) {
    const double inset = kSlotInset;
    cairo_save(cr);
    rounded_rect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 7);
    cairo_clip(cr);
    cairo_push_group(cr);
    picture();
    cairo_pattern_t* painted = cairo_pop_group(cr);
    cairo_set_source(cr, painted);
    cairo_paint(cr);
    if (lit) {
        // Brighter (the picture added onto itself), and lit from the frame inwards.
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_set_source(cr, painted);
        cairo_paint_with_alpha(cr, 0.4);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        for (auto [width, alpha] : {std::pair{14.0, 0.25}, {8.0, 0.35}, {3.5, 0.6}}) {
            rounded_rect(cr, inset, inset, w - 2 * inset, h - 2 * inset, 7);
            scenery::set(cr, look.glow, alpha);
            cairo_set_line_width(cr, width);
            cairo_stroke(cr);
        }
    }
    cairo_pattern_destroy(painted);
    cairo_restore(cr);

    // The frame: a dark outline, the metal, a thin line inside.
    rounded_rect(cr, 1, 1, w - 2, h - 2, 10);
    scenery::set(cr, look.rim);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    rounded_rect(cr, 2.75, 2.75, w - 5.5, h - 5.5, 8.5);
    scenery::linear_source(cr, 0, 0, w * 0.4, h,
                           {{0, look.metal[0]}, {lit ? 0.45 : 0.5, look.metal[1]}, {1, look.metal[2]}});
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    rounded_rect(cr, inset + 0.5, inset + 0.5, w - 2 * inset - 1, h - 2 * inset - 1, 6.5);
    scenery::set(cr, lit ? look.inner : look.rim);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (lit) {
        // Glints on two corners, within the frame's outline: four-pointed stars.
        cairo_save(cr);
        rounded_rect(cr, 1, 1, w - 2, h - 2, 10);
        cairo_clip(cr);
        for (auto [x, y] : {std::pair{7.0, 7.0}, {w - 7, h - 7}}) {
            scenery::set(cr, kWhite);
            cairo_new_path(cr);
            for (int i = 0; i < 8; ++i) {
                const double r = i % 2 ? 7 * 0.22 : 7, a = i * kPi / 4 - kPi / 2;
                cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
            }
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
}

Image to_sprite(const Canvas& canvas, Colour rim, double threshold) {
    Image image(canvas.width(), canvas.height(), kMaskColour);
    const double rim_rgb[3] = {rim.r * 255, rim.g * 255, rim.b * 255};
    std::vector<bool> opaque(static_cast<std::size_t>(image.width) * image.height, false);
    each_stored_pixel(canvas, 0, 0, image.width, image.height, [&](int x, int y, std::uint32_t& p) {
        const double a = (p >> 24) / 255.0;
        if (a < threshold) return;
        std::uint8_t c[3];
        for (int i = 0; i < 3; ++i) {
            const double premultiplied = (p >> (16 - 8 * i)) & 0xff;
            c[i] = static_cast<std::uint8_t>(std::lround(std::min(255.0, premultiplied + rim_rgb[i] * (1 - a))));
        }
        image.set(x, y, {c[0], c[1], c[2]});
        opaque[static_cast<std::size_t>(y) * image.width + x] = true;
    });
    reduce_to_16bit(image);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (opaque[static_cast<std::size_t>(y) * image.width + x] && image.at(x, y) == kMaskColour)
                throw std::logic_error("a masked picture uses the mask colour in its art");
    return image;
}

Image to_opaque(const Canvas& canvas, Colour background) {
    const Rgb bg{static_cast<std::uint8_t>(std::lround(background.r * 255)),
                 static_cast<std::uint8_t>(std::lround(background.g * 255)),
                 static_cast<std::uint8_t>(std::lround(background.b * 255))};
    Image image = canvas.to_image(bg);
    reduce_to_16bit(image);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y) == kMaskColour) image.set(x, y, {255, 4, 255});
    return image;
}

void blit(Image& dst, const Image& src, int x, int y) { blit_columns(dst, src, src.width, x, y); }

void blit_columns(Image& dst, const Image& src, int w, int x, int y) {
    for (int sy = 0; sy < src.height; ++sy)
        for (int sx = 0; sx < std::min(w, src.width); ++sx) {
            const int dx = x + sx, dy = y + sy;
            if (dx >= 0 && dy >= 0 && dx < dst.width && dy < dst.height) dst.set(dx, dy, src.at(sx, sy));
        }
}

void draw_sprite(Image& dst, const Image& src, int x, int y) {
    for (int sy = 0; sy < src.height; ++sy)
        for (int sx = 0; sx < src.width; ++sx) {
            const int dx = x + sx, dy = y + sy;
            const Rgb c = src.at(sx, sy);
            if (!(c == kMaskColour) && dx >= 0 && dy >= 0 && dx < dst.width && dy < dst.height) dst.set(dx, dy, c);
        }
}

void preview_screen(const Output& out, const std::string& name, const Image& screen) {
    if (!out.preview_dir()) return;
    const std::filesystem::path dir = *out.preview_dir() / "screens";
    std::filesystem::create_directories(dir);
    save_png(screen, (dir / (name + ".png")).string());
}

}  // namespace style
