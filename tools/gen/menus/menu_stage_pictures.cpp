// The pictures drawn from the stages' own scenery: the stage choice's
// buttons (a miniature of each stage under its name, and the random
// choice's mix of all three under a question mark) and the story's
// dialogue backdrops (each stage as a dim, muted illustration under a
// vignette, so that the portraits and the white texts in their dark boxes
// stand out; the last fight's at night under a blood-red sky).

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "audio/synth.h"  // kPi
#include "common/output.h"
#include "menus/menu_art.h"
#include "producers.h"
#include "stages/stages.h"

using namespace scenery;

namespace menus {

namespace {

// A stage's picture as a cairo surface, to paint parts of it scaled.
class StageSurface {
public:
    explicit StageSurface(const std::string& stage) : image_(rendered_stage(stage)) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image_.width, image_.height);
        put_image(surface_, image_);
    }
    ~StageSurface() { cairo_surface_destroy(surface_); }
    StageSurface(const StageSurface&) = delete;
    StageSurface& operator=(const StageSurface&) = delete;

    int width() const { return image_.width; }
    int height() const { return image_.height; }

    // Paints the stage's rectangle (sx, sy, sw, sh) into (x, y, w, h),
    // averaged down with a good filter.
    void paint(cairo_t* cr, double sx, double sy, double sw, double sh, double x, double y, double w, double h) const {
        cairo_save(cr);
        cairo_rectangle(cr, x, y, w, h);
        cairo_clip(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, w / sw, h / sh);
        cairo_set_source_surface(cr, surface_, -sx, -sy);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
    }

private:
    const Image& image_;
    cairo_surface_t* surface_;
};

// What each button shows of its stage: a window `height` rows tall whose
// middle is at `centre` (as a fraction of the stage's width) and whose foot
// is `foot` rows above the stage's; and the stage's colour on the frame and
// the plate.
struct Look {
    const char* button;
    double centre, height, foot;
    Colour accent;
};

const Look kLooks[] = {
    {"aeroport", 0.19, 600, 20, hex(0x5aa8ff)},   // the tower and an airliner at its gate
    {"elbeuf", 0.43, 600, 30, hex(0xe0784a)},     // the hall's clock and door, between the trees
    {"inde", 0.205, 690, 0, hex(0xffa63a)},       // the gateway tower and the lanterns
    {"hasard", 0.5, 0, 0, style::kViolet},
};

const Look& look_of(const StageButton& b) {
    for (const Look& l : kLooks)
        if (std::string(l.button) == b.name) return l;
    throw std::logic_error(std::string("no look for the stage button ") + b.name);
}

// The button's picture of one stage, filling its inside.
void miniature(cairo_t* cr, const StageButton& b, const Look& look) {
    const StageSurface stage(b.stage);
    const double inside_w = kSlotWidth - 2 * style::kSlotInset, inside_h = kSlotHeight - 2 * style::kSlotInset;
    const double sh = look.height, sw = sh * inside_w / inside_h;
    stage.paint(cr, stage.width() * look.centre - sw / 2, stage.height() - look.foot - sh, sw, sh, style::kSlotInset,
                style::kSlotInset, inside_w, inside_h);
}

// The random choice: the three stages in slanted slices, dimmed under a
// big question mark.
void mix_of_stages(Canvas& canvas, const style::Fonts& fonts) {
    cairo_t* cr = canvas.cr();
    const double w = kSlotWidth, h = kSlotHeight, lean = 26;
    int slice = 0;
    for (const StageButton& b : stage_buttons()) {
        if (!*b.stage) continue;
        const double x0 = -lean / 2 + slice * w / 3, x1 = x0 + w / 3;
        cairo_save(cr);
        polygon(cr, {x0 + lean, 0, x1 + lean, 0, x1, h, x0, h});
        cairo_clip(cr);
        miniature(cr, b, look_of(b));
        cairo_restore(cr);
        ++slice;
    }
    set(cr, hex(0x0a0618), 0.45);
    cairo_paint(cr);
    for (int i = 1; i < 3; ++i) {
        const double x = -13 + i * w / 3;
        cairo_move_to(cr, x + lean, 0);
        cairo_line_to(cr, x, h);
        set(cr, style::kInk);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    const double caps = 40;
    const style::Lettering look = style::title_look(caps);
    const style::Placed q = style::place_text(canvas, fonts.black, "?", caps, 0, w / 2, 13, look.slant);
    style::draw_lettering(canvas, q, look);
}

// The name plate across the foot of the picture.
void name_plate(Canvas& canvas, const style::Fonts& fonts, const StageButton& b, const Look& look, bool lit) {
    cairo_t* cr = canvas.cr();
    const double w = kSlotWidth, bottom = kSlotHeight - style::kSlotInset, top = bottom - 19;
    vertical_source(cr, top, bottom, {{0, hex(0x05061a), 0.78}, {1, hex(0x05061a), 0.92}});
    rect(cr, 0, top, w, bottom - top);
    cairo_fill(cr);
    horizontal_source(cr, 0, w, {{0, look.accent, 0.1}, {0.5, look.accent, 0.95}, {1, look.accent, 0.1}});
    rect(cr, 0, top, w, 1.5);
    cairo_fill(cr);
    style::Lettering label;
    label.top = style::kWhite;
    label.middle = lit ? style::kGoldLight : hex(0xe4ebff);
    label.low = lit ? style::kGold : hex(0xa8b8e8);
    label.bottom = lit ? style::kGoldLight : hex(0xd4defc);
    label.rim_width = 1.2;
    label.shadow_dx = label.shadow_dy = 1;
    label.bevel = 0;
    label.slant = 0.08;
    const double caps = 10;
    const style::Placed p = style::place_text(canvas, fonts.condensed, b.label, caps, 1.2, w / 2 - 0.5,
                                              std::round(top + 5.5), label.slant);
    style::draw_lettering(canvas, p, label);
}

// The story's backdrops: the stage's picture from (sx, sy), `sh` rows of
// it, scaled to the screen.
void illustration(Canvas& canvas, const std::string& stage_name, double sx, double sy, double sh) {
    const StageSurface stage(stage_name);
    stage.paint(canvas.cr(), sx, sy, sh * kScreenWidth / kScreenHeight, sh, 0, 0, kScreenWidth, kScreenHeight);
}

// Muted and dimmed: each pixel pulled towards its own grey by `mute`, then
// towards `tint` by `tint_amount`, then scaled by `dim`.
void grade(Canvas& canvas, double mute, Colour tint, double tint_amount, double dim) {
    each_stored_pixel(canvas, 0, 0, canvas.width(), canvas.height(), [&](int, int, std::uint32_t& p) {
        Colour c{((p >> 16) & 0xff) / 255.0, ((p >> 8) & 0xff) / 255.0, (p & 0xff) / 255.0};
        const double l = luminance(c);
        c = mix(mix(c, {l, l, l}, mute), tint * (0.35 + l), tint_amount) * dim;
        auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
        p = 0xff000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
    });
}

// Darker towards the screen's edges and corners.
void vignette(cairo_t* cr, double strength) {
    cairo_pattern_t* v = cairo_pattern_create_radial(320, 230, 120, 320, 230, 470);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 0.6, 0, 0, 0, 0.45 * strength);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.9 * strength);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
}

}  // namespace

const std::vector<StageButton>& stage_buttons() {
    static const std::vector<StageButton> list{
        {"aeroport", "AÉROPORT", "aeroport"},
        {"elbeuf", "ELBEUF", "iut"},
        {"inde", "INDE", "inde"},
        {"hasard", "HASARD", ""},
    };
    return list;
}

Image draw_stage_button(const style::Fonts& fonts, const StageButton& b, bool lit) {
    const Look& look = look_of(b);
    Canvas canvas(kSlotWidth, kSlotHeight);
    cairo_t* cr = canvas.cr();
    // The frame: steel tinted with the stage's colour at rest, gold lit.
    const Colour steel = hex(0x70768c);
    style::SlotLook frame;
    frame.rim = style::kInk;
    frame.inner = style::kGold;
    frame.glow = style::kGoldLight;
    if (lit) {
        frame.metal[0] = style::kWhite;
        frame.metal[1] = mix(style::kGoldLight, style::kWhite, 0.3);
        frame.metal[2] = mix(style::kGold, style::kWhite, 0.15);
    } else {
        frame.metal[0] = mix(steel, style::kWhite, 0.35);
        frame.metal[1] = mix(steel, look.accent, 0.25);
        frame.metal[2] = mix(steel, style::kInk, 0.55);
    }
    style::slot_button(cr, kSlotWidth, kSlotHeight, frame, lit, [&] {
        if (*b.stage) miniature(cr, b, look);
        else mix_of_stages(canvas, fonts);
        name_plate(canvas, fonts, b, look, lit);
    });
    return style::to_sprite(canvas);
}

Image draw_story_backdrop(const std::string& stage) {
    // Where the fight happens, from a step back: 640 of the stage's rows
    // down to the near floor, around what stands left of its middle.
    const StageSpec& decor = stage_named(stage);
    const double sh = 640, sw = sh * kScreenWidth / kScreenHeight;
    Canvas canvas(kScreenWidth, kScreenHeight);
    illustration(canvas, stage, std::max(0.0, decor.width * 0.3 - sw / 2), decor.height - 20 - sh, sh);
    grade(canvas, 0.5, hex(0x1a2250), 0.18, 0.45);
    vignette(canvas.cr(), 1);
    return style::to_opaque(canvas);
}

Image draw_final_backdrop() {
    // The temple at nightfall under a sky on fire: everything turned to a
    // duotone of night and blood red, its young moon grown full and red at
    // the top of the screen between the portraits, rays out of it.
    const double sh = 640, k = kScreenHeight / sh, moon_x = 320, moon_y = 45;
    Canvas canvas(kScreenWidth, kScreenHeight);
    illustration(canvas, "inde", kTempleMoonX - moon_x / k, kTempleMoonY - moon_y / k, sh);
    grade(canvas, 0.85, hex(0x8a1a24), 0.45, 0.55);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 18; ++i) {
        const double a = kPi * 2 * i / 18 + 0.08;
        cairo_move_to(cr, moon_x, moon_y);
        cairo_line_to(cr, moon_x + std::cos(a - 0.05) * 700, moon_y + std::sin(a - 0.05) * 700);
        cairo_line_to(cr, moon_x + std::cos(a + 0.05) * 700, moon_y + std::sin(a + 0.05) * 700);
        cairo_close_path(cr);
        radial_source(cr, moon_x, moon_y, 460, {{0, hex(0xff4a2a), 0.16}, {1, hex(0xff4a2a), 0}});
        cairo_fill(cr);
    }
    glow(cr, moon_x, moon_y, 240, hex(0xff3a1a), 0.4);
    cairo_restore(cr);
    radial_source(cr, moon_x - 6, moon_y - 6, 30, {{0, hex(0xffd0a0)}, {0.6, hex(0xf05a30)}, {1, hex(0xa01e18)}});
    cairo_arc(cr, moon_x, moon_y, 26, 0, 2 * kPi);
    cairo_fill(cr);
    vignette(cr, 1.25);
    return style::to_opaque(canvas);
}

}  // namespace menus

void produce_story_screens(Context& ctx) {
    using namespace menus;
    const style::Fonts fonts(ctx.fonts);
    for (const StageButton& b : stage_buttons())
        for (const bool lit : {false, true})
            ctx.out.write_bmp("graphics/decor_" + std::string(b.name) + (lit ? "1" : "0") + ".bmp",
                              draw_stage_button(fonts, b, lit));
    for (const StageButton& b : stage_buttons())
        if (*b.stage) ctx.out.write_bmp("graphics/recit_" + std::string(b.name) + ".bmp", draw_story_backdrop(b.stage));
    ctx.out.write_bmp("graphics/recit_final.bmp", draw_final_backdrop());
    if (!ctx.out.preview_dir()) return;
    // The selection screen once both fighters are chosen: the stage choice
    // over the fighters' row, the pointer on the temple.
    Image screen = draw_select_screen(fonts);
    style::draw_sprite(screen, draw_small_logo(fonts), 232, 14);
    for (std::size_t i = 0; i < stage_buttons().size(); ++i)
        style::draw_sprite(screen, draw_stage_button(fonts, stage_buttons()[i], i == 2), 56 + 89 * static_cast<int>(i), 307);
    style::blit(screen, draw_stage_title_plate(fonts), kStageTitlePlate.x, kStageTitlePlate.y);
    style::draw_sprite(screen, draw_cursor(), 56 + 89 * 2 + 50, 350);
    style::preview_screen(ctx.out, "select-stage", screen);
}
