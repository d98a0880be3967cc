// Writes the HUD's pictures and, when previews are asked for, the HUD as
// the player sees it: over the temple stage at the start of a round, with
// both bars part drained, the countdown at 60, both plates and a banner.

#include <algorithm>
#include <stdexcept>
#include <string>

#include "common/output.h"
#include "hud/hud_art.h"
#include "producers.h"
#include "stages/stages.h"

namespace hud {

Image stage_view(const std::string& name) {
    const Image& stage = rendered_stage(name);
    Image view(kScreenWidth, kScreenHeight);
    const int left = (stage.width - kScreenWidth) / 2, top = stage.height - kScreenHeight;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) view.set(x, y, stage.at(left + x, top + y));
    return view;
}

namespace {

// The bars as the game draws them: side 1's life keeps its right end at
// the middle of the screen and side 2's its left end; mana the other way.
void draw_bars(Image& screen, double life1, double drain1, double mana1, double life2, double drain2, double mana2) {
    const Image frame = draw_frame();
    const int right = 610 - kFrameWidth, right_bar = 608 - kBarWidth;
    for (int row : {10, 34}) {
        style::blit(screen, frame, 30, row);
        style::blit(screen, frame, right, row);
    }
    const Image drain = draw_bar(Bar::Drain);
    auto cols = [](double k) { return static_cast<int>(k * kBarWidth); };
    style::blit_columns(screen, drain, cols(drain1), 32 + kBarWidth - cols(drain1), 12);
    style::blit_columns(screen, draw_bar(Bar::LifeSide1), cols(life1), 32 + kBarWidth - cols(life1), 12);
    style::blit_columns(screen, draw_bar(Bar::ManaSide1), cols(mana1), 32, 36);
    style::blit_columns(screen, drain, cols(drain2), right_bar, 12);
    style::blit_columns(screen, draw_bar(Bar::LifeSide2), cols(life2), right_bar, 12);
    style::blit_columns(screen, draw_bar(Bar::ManaSide2), cols(mana2), right_bar + kBarWidth - cols(mana2), 36);
}

void draw_centred(Image& screen, const Image& sprite) {
    style::draw_sprite(screen, sprite, (kScreenWidth - sprite.width) / 2, (kScreenHeight - sprite.height) / 2);
}

void write_previews(Context& ctx, const style::Fonts& fonts) {
    const Image temple = stage_view("inde"), airport = stage_view("aeroport");

    Image screen = temple;
    draw_bars(screen, 0.55, 0.72, 0.4, 0.9, 0.9, 0.85);
    style::draw_sprite(screen, draw_digit(fonts, 6), 294, 9);
    style::draw_sprite(screen, draw_digit(fonts, 0), 320, 9);
    const Plate& p1 = plates()[2];
    const Plate& p2 = plates()[3];
    style::draw_sprite(screen, draw_plate(fonts, p1), 30, 53);
    style::draw_sprite(screen, draw_plate(fonts, p2), p2.side2_x, 53);
    draw_centred(screen, draw_banner(fonts, banners()[3]));
    style::preview_screen(ctx.out, "fight-hud", screen);

    // Every banner and plate over the bright airport, a pair at a time.
    for (std::size_t i = 0; i < banners().size(); i += 2) {
        Image sheet = airport;
        draw_bars(sheet, 1, 1, 1, 0.2, 0.35, 0.1);
        style::draw_sprite(sheet, draw_digit(fonts, static_cast<int>(i)), 294, 9);
        style::draw_sprite(sheet, draw_digit(fonts, static_cast<int>(i) + 1), 320, 9);
        const Plate& a = plates()[i / 2 % plates().size()];
        const Plate& b = plates()[(i / 2 + 1) % plates().size()];
        style::draw_sprite(sheet, draw_plate(fonts, a), 30, 53);
        style::draw_sprite(sheet, draw_plate(fonts, b), b.side2_x, 53);
        const Image first = draw_banner(fonts, banners()[i]);
        style::draw_sprite(sheet, first, (kScreenWidth - first.width) / 2, 110);
        if (i + 1 < banners().size()) {
            const Image second = draw_banner(fonts, banners()[i + 1]);
            style::draw_sprite(sheet, second, (kScreenWidth - second.width) / 2, 250);
        }
        style::preview_screen(ctx.out, "fight-banners-" + std::to_string(i / 2 + 1), sheet);
    }
}

}  // namespace

}  // namespace hud

void produce_fight_hud(Context& ctx) {
    using namespace hud;
    const style::Fonts fonts(ctx.fonts);
    ctx.out.write_bmp("graphics/barref.bmp", draw_frame());
    for (const BarArt& b : bars()) ctx.out.write_bmp(b.file, draw_bar(b.bar));
    for (int d = 0; d <= 9; ++d) ctx.out.write_bmp("graphics/s" + std::to_string(d) + ".bmp", draw_digit(fonts, d));
    for (const Plate& p : plates()) ctx.out.write_bmp(p.file, draw_plate(fonts, p));
    for (const Banner& b : banners()) ctx.out.write_bmp(b.file, draw_banner(fonts, b));
    if (ctx.out.preview_dir()) write_previews(ctx, fonts);
}
