// Writes the menus' pictures and, when previews are asked for, each screen
// put together as the game shows it: buttons in their places and states,
// the pointer, and stand-ins for the text the game prints itself.

#include <cmath>
#include <string>

#include "audio/synth.h"  // kPi
#include "common/output.h"
#include "hud/hud_art.h"
#include "menus/menu_art.h"
#include "menus/screen_texts.h"
#include "producers.h"

namespace menus {

namespace {

// Composites a transparent layer over a picture.
void overlay(Image& dst, const Canvas& layer) {
    each_stored_pixel(layer, 0, 0, dst.width, dst.height, [&](int x, int y, std::uint32_t& p) {
        const unsigned a = p >> 24;
        if (a == 0) return;
        const Rgb d = dst.at(x, y);
        auto over = [a](unsigned premultiplied, unsigned below) {
            return static_cast<std::uint8_t>(std::min(255u, premultiplied + (below * (255 - a) + 127) / 255));
        };
        dst.set(x, y, {over((p >> 16) & 0xff, d.r), over((p >> 8) & 0xff, d.g), over(p & 0xff, d.b)});
    });
}

// Text the way the game prints it: a font at a pixel size, the top of the
// line at `y`, aligned left, centred or right of `x`.
void game_text(Image& screen, const FontFile& font, double size, const std::string& text, double x, double y, int align,
               Rgb colour, bool shadow) {
    Canvas layer(screen.width, screen.height);
    layer.use_font(font, size);
    const TextRun run = layer.layout(text);
    cairo_font_extents_t fe;
    cairo_font_extents(layer.cr(), &fe);
    const double left = align < 0 ? x : align == 0 ? x - run.advance / 2 : x - run.advance;
    auto draw = [&](double dx, double dy, Rgb c) {
        layer.text_path(run, left + dx, y + fe.ascent + dy);
        cairo_set_source_rgb(layer.cr(), c.r / 255.0, c.g / 255.0, c.b / 255.0);
        cairo_fill(layer.cr());
    };
    if (shadow) {
        draw(-1, -1, {0, 0, 0});
        draw(1, 1, {0, 0, 0});
    }
    draw(0, 0, colour);
    overlay(screen, layer);
}

void place(Image& screen, const style::Fonts& fonts, const Placement& p, State state) {
    style::draw_sprite(screen, draw_button(fonts, button(p.name), state).image, p.x, p.y);
}

// The results screen with a stand-in for the portrait's band and the
// game's texts, a button under the pointer; the pause panel over a fight.
void write_fight_screen_previews(const Output& out, const style::Fonts& fonts, const Image& results,
                                 const Image& pause) {
    const Image cursor = draw_cursor();
    Image screen = results;
    {
        Canvas band(kPortraitWidth, kPortraitBandBottom - kPortraitBandTop);
        scenery::linear_source(band.cr(), 0, 0, kPortraitWidth, 0,
                               {{0, scenery::hex(0x203a6a)}, {0.5, scenery::hex(0x4a9ad8)}, {1, scenery::hex(0x203a6a)}});
        cairo_paint(band.cr());
        style::blit(screen, band.to_image(), kResultsPortraitX, kResultsPortraitY + kPortraitBandTop);
    }
    for (const GameText& t : results_texts())
        game_text(screen, fonts.bold, t.size, t.text, t.x, t.y, t.align, {255, 255, 255}, t.shadow);
    for (const Placement& p : results_placements())
        place(screen, fonts, p, p.name == std::string("changer") ? State::Hover : State::Normal);
    style::draw_sprite(screen, cursor, 330, 412);
    style::preview_screen(out, "results", screen);

    screen = hud::stage_view("aeroport");
    style::draw_sprite(screen, pause, kPausePanelX, kPausePanelY);
    for (const Placement& p : pause_placements())
        place(screen, fonts, p, p.name == std::string("reprendre") ? State::Hover : State::Normal);
    style::draw_sprite(screen, cursor, 300, 200);
    style::preview_screen(out, "pause", screen);
}

// The enhanced edition's screens: the options with both sliders part way,
// the pointer on the music's knob; the lost fight with its buttons.
void write_enhanced_previews(const Output& out, const style::Fonts& fonts, const Image& options_plus,
                             const Image& defeat) {
    Image screen = options_plus;
    for (const Placement& p : options_placements()) {
        const std::string name = p.name;
        place(screen, fonts, p, name == "clavier" || name == "oui" || name == "ameliore" ? State::Selected : State::Normal);
    }
    const Image groove = draw_slider_track(false), lit = draw_slider_track(true);
    const auto rows = option_rows(true);
    for (std::size_t i = 4; i < rows.size(); ++i) {
        const int top = rows[i].top + 7, knob_x = 282 + (i == 4 ? 180 : 90);
        const bool hover = i == 5;
        style::draw_sprite(screen, groove, 282, top + (kKnobHeight - kSliderHeight) / 2);
        Image part = lit;
        for (int y = 0; y < part.height; ++y)
            for (int x = knob_x - 282; x < part.width; ++x) part.set(x, y, kMaskColour);
        style::draw_sprite(screen, part, 282, top + (kKnobHeight - kSliderHeight) / 2);
        style::draw_sprite(screen, draw_slider_knob(hover), knob_x - kKnobWidth / 2, top);
        if (hover) style::draw_sprite(screen, draw_cursor(), knob_x + 2, top + 14);
    }
    style::preview_screen(out, "options-plus", screen);

    screen = defeat;
    for (const Placement& p : defeat_placements())
        place(screen, fonts, p, p.name == std::string("continuer") ? State::Hover : State::Normal);
    style::preview_screen(out, "defeat", screen);
}

void write_previews(Context& ctx, const style::Fonts& fonts, const Image& title, const Image& options,
                    const Image& select, const Image& credits, const Image& credits_text) {
    const Image cursor = draw_cursor();
    const Output& out = ctx.out;

    Image screen = title;
    for (const Placement& p : title_placements()) place(screen, fonts, p, State::Normal);
    style::draw_sprite(screen, cursor, 560, 250);
    style::preview_screen(out, "title", screen);
    screen = title;
    for (const Placement& p : title_placements())
        place(screen, fonts, p, p.name == std::string("histoire") ? State::Hover : State::Normal);
    style::draw_sprite(screen, cursor, 210, 240);
    style::preview_screen(out, "title-hover", screen);

    // Player 1 on the keyboard, player 2 the computer, progression on, the
    // classic edition; the pointer over player 2's gamepad.
    const State states[] = {State::Normal, State::Selected, State::Normal, State::Selected, State::Normal,
                            State::Hover,  State::Selected, State::Normal, State::Selected, State::Normal,
                            State::Normal};
    static_assert(sizeof states / sizeof states[0] == 11, "one state for each of the options' buttons");
    screen = options;
    for (std::size_t i = 0; i < options_placements().size(); ++i)
        place(screen, fonts, options_placements()[i], states[i]);
    style::draw_sprite(screen, cursor, 470, 160);
    style::preview_screen(out, "options", screen);
    screen = options;
    for (std::size_t i = 0; i < options_placements().size(); ++i) {
        const Placement& p = options_placements()[i];
        const std::string name = p.name;
        State s = name == "retour" ? State::Hover
                  : name == "non" || name == "ameliore" ? State::Selected
                                                        : State::Normal;
        if (i == 0 || i == 4) s = State::Selected;
        if (i == 1) s = State::Hover;
        place(screen, fonts, p, s);
    }
    style::draw_sprite(screen, cursor, 100, 436);
    style::preview_screen(out, "options-back", screen);

    // The selection screen with both fighters chosen, their names and
    // statistics, and the prompt, where the game prints them.
    screen = select;
    style::draw_sprite(screen, draw_small_logo(fonts), 232, 14);
    const FontFile& names = fonts.bold;
    game_text(screen, names, 28, "VISHVAKARMAN", 53, 270, -1, {255, 255, 255}, true);
    game_text(screen, names, 28, "LE PANDA", 582, 270, 1, {255, 255, 255}, true);
    const char* stats[] = {"niveau 3", "FOR 10", "DEX 11", "VIG  9", "CON 10", "XP  42"};
    for (int i = 0; i < 6; ++i) {
        game_text(screen, fonts.condensed, 16, stats[i], 53, 170 + 16 * i, -1, {255, 255, 255}, true);
        game_text(screen, fonts.condensed, 16, stats[i], 582, 170 + 16 * i, 1, {255, 255, 255}, true);
    }
    game_text(screen, fonts.condensed, 16, "pressez une touche pour continuer", 320, 65, 0, {255, 255, 255}, true);
    style::draw_sprite(screen, cursor, 260, 330);
    style::preview_screen(out, "select", screen);
    screen = select;
    style::draw_sprite(screen, draw_small_logo(fonts), 232, 14);
    style::preview_screen(out, "select-empty", screen);

    // The credits near their start and further up, with the game's prompt.
    const FontFile prompt_font(ctx.fonts.path("lobster"));
    for (const int top : {40, -560}) {
        screen = credits;
        style::draw_sprite(screen, credits_text, (640 - credits_text.width) / 2, top);
        game_text(screen, prompt_font, 20, "Pressez une touche pour continuer", 320, 460, 0, {100, 100, 100}, false);
        style::preview_screen(out, top > 0 ? "credits" : "credits-later", screen);
    }
}

}  // namespace

void page_title(Canvas& canvas, const style::Fonts& fonts, const char* text, double size, double top, double line_y) {
    using namespace scenery;
    cairo_t* cr = canvas.cr();
    const style::Lettering look = style::title_look(size);
    style::Placed t = style::place_text(canvas, fonts.black, text, size, 3, 0, top, look.slant);
    const style::Span s = style::ink_span(t, look);
    t.x += 40 - s.left;
    horizontal_source(cr, 40, 620, {{0, style::kGold, 0.95}, {0.7, style::kGold, 0.5}, {1, style::kGold, 0}});
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 40, line_y);
    cairo_line_to(cr, 620, line_y);
    cairo_stroke(cr);
    set(cr, style::kGoldLight);
    polygon(cr, {40, line_y - 4, 44, line_y, 40, line_y + 4, 36, line_y});
    cairo_fill(cr);
    style::draw_lettering(canvas, t, look);
}

void ruled_title(Canvas& canvas, const style::Fonts& fonts, const char* text, double caps, double tracking,
                 double centre_x, double top, double rule_y, double rule_left, double rule_right, double diamond) {
    using namespace scenery;
    cairo_t* cr = canvas.cr();
    const style::Lettering look = style::title_look(caps);
    const style::Placed t = style::place_text(canvas, fonts.black, text, caps, tracking, centre_x, top, look.slant);
    horizontal_source(cr, rule_left, rule_right,
                      {{0, style::kGold, 0}, {0.2, style::kGold, 0.9}, {0.8, style::kGold, 0.9}, {1, style::kGold, 0}});
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, rule_left, rule_y);
    cairo_line_to(cr, rule_right, rule_y);
    cairo_stroke(cr);
    set(cr, style::kGoldLight);
    for (const double x : {centre_x - diamond, centre_x + diamond}) {
        polygon(cr, {x, rule_y - 4, x + 4, rule_y, x, rule_y + 4, x - 4, rule_y});
        cairo_fill(cr);
    }
    style::draw_lettering(canvas, t, look);
}

void versus_seal(Canvas& canvas, const style::Fonts& fonts, double cx, double cy, double r) {
    using namespace scenery;
    cairo_t* cr = canvas.cr();
    const double k = r / 33;  // drawn first at radius 33
    for (int i = 0; i < 5; ++i) {
        const double y = cy + (i * 8 - 16) * k, len = (58 - std::abs(i - 2) * 14) * k;
        horizontal_source(cr, cx - r - len, cx - r, {{0, style::kFire, 0}, {1, style::kFire, 0.8}});
        rect(cr, cx - r - len, y, len, 1.5);
        cairo_fill(cr);
        horizontal_source(cr, cx + r, cx + r + len, {{0, style::kJade, 0.8}, {1, style::kJade, 0}});
        rect(cr, cx + r, y, len, 1.5);
        cairo_fill(cr);
    }
    Canvas halo(640, 480);
    cairo_arc(halo.cr(), cx, cy, r, 0, 2 * kPi);
    set(halo.cr(), style::kFire);
    cairo_fill(halo.cr());
    halo.blur(12 * k);
    canvas.paint(halo, CAIRO_OPERATOR_ADD, 0.6);
    cairo_arc(cr, cx, cy, r + 3, 0, 2 * kPi);
    set(cr, style::kInk);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    linear_source(cr, cx - r, cy - r, cx + r, cy + r,
                  {{0, style::kGoldLight}, {0.5, style::kGold}, {1, style::kGoldDeep}});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 4, 0, 2 * kPi);
    radial_source(cr, cx, cy - 8 * k, r, {{0, hex(0x8a1a14)}, {0.7, hex(0x3a0810)}, {1, hex(0x1a040a)}});
    cairo_fill(cr);
    style::Lettering look = style::fire_look(26 * k);
    look.slant = 0.14;
    const style::Placed vs = style::place_text(canvas, fonts.black, "VS", 26 * k, 0, cx, cy - 14 * k, 0.14);
    style::draw_lettering(canvas, vs, look);
}

}  // namespace menus

void produce_menu_screens(Context& ctx) {
    using namespace menus;
    const style::Fonts fonts(ctx.fonts);
    for (const ButtonSpec& b : buttons())
        for (int s = 0; s < b.states(); ++s)
            ctx.out.write_bmp("graphics/" + std::string(b.name) + std::to_string(s) + ".bmp",
                              draw_button(fonts, b, static_cast<State>(s)).image);
    ctx.out.write_bmp("graphics/curseur.bmp", draw_cursor());

    const Image title = draw_title_screen(fonts), options = draw_options_screen(fonts),
                select = draw_select_screen(fonts);
    const auto credit_lines = parse_credits(read_text_file(ctx.content_dir / "menus/credits.txt"), "menus/credits.txt");
    const Image credits = draw_credits_screen(fonts, credit_lines), credits_text = draw_credits_text(fonts, credit_lines);
    ctx.out.write_bmp("graphics/main.bmp", title);
    ctx.out.write_bmp("graphics/options.bmp", options);
    ctx.out.write_bmp("graphics/selectperso2.bmp", select);
    ctx.out.write_bmp("graphics/logo1.bmp", draw_small_logo(fonts));
    ctx.out.write_bmp("graphics/credits.bmp", credits);
    ctx.out.write_bmp("graphics/blackscreen.bmp", draw_dialogue_screen(fonts));
    ctx.out.write_bmp("graphics/txtcredits.bmp", credits_text);
    const Image results = draw_results_screen(fonts), pause = draw_pause_panel(fonts);
    ctx.out.write_bmp("graphics/resultats.bmp", results);
    ctx.out.write_bmp("graphics/pause.bmp", pause);
    // The enhanced edition's: the story's lost fight, the options with the
    // volume sliders, the stage choice's call to action.
    const Image defeat = draw_defeat_screen(fonts), options_plus = draw_options_screen(fonts, true);
    ctx.out.write_bmp("graphics/defaite.bmp", defeat);
    ctx.out.write_bmp("graphics/options_plus.bmp", options_plus);
    const Image online = draw_online_screen(fonts);
    ctx.out.write_bmp("graphics/enligne.bmp", online);
    ctx.out.write_bmp("graphics/glissiere.bmp", draw_slider_track(false));
    ctx.out.write_bmp("graphics/glissiere_pleine.bmp", draw_slider_track(true));
    ctx.out.write_bmp("graphics/poignee0.bmp", draw_slider_knob(false));
    ctx.out.write_bmp("graphics/poignee1.bmp", draw_slider_knob(true));
    ctx.out.write_bmp("graphics/titre_decor.bmp", draw_stage_title_plate(fonts));
    if (ctx.out.preview_dir()) {
        write_previews(ctx, fonts, title, options, select, credits, credits_text);
        write_fight_screen_previews(ctx.out, fonts, results, pause);
        write_enhanced_previews(ctx.out, fonts, options_plus, defeat);
        Image screen = online;
        for (const Placement& p : online_placements())
            place(screen, fonts, p, p.name == std::string("heberger") ? State::Hover : State::Normal);
        style::preview_screen(ctx.out, "online", screen);
    }
}
