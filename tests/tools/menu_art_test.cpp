// The menu screens' art as the game uses it: backgrounds copied whole,
// buttons whose picture is their hit area with the label inside it and a
// highlighted state that stands out, the pointer's hotspot, and credits
// read from their text file. Also the shared drawing rules under all the
// masked art, and what Allegro makes of it.

#include <gtest/gtest.h>

#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include "art_checks.h"
#include "common/bmp_writer.h"
#include "common/output.h"
#include "file_reading.h"
#include "hud/hud_art.h"
#include "menus/menu_art.h"
#include "producers.h"

namespace {

struct Rect {
    int left, top, right, bottom;  // exclusive right and bottom
    bool overlaps(const Rect& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

Rect hit_area(const menus::Placement& p) {
    const menus::ButtonSpec& b = menus::button(p.name);
    return {p.x, p.y, p.x + b.width, p.y + b.height};
}

std::string text_of(const std::vector<menus::CreditLine>& lines) {
    std::string all;
    for (const auto& l : lines) all += l.text + "\n";
    return all;
}

}  // namespace

TEST(MenuArt, EveryPictureTheGameLoadsIsWrittenAs24BitBmp) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zefgen-test-" + std::to_string(::getpid()) + "-art");
    std::filesystem::remove_all(dir);
    {
        Output out(dir);
        Context ctx{out, ZEFGEN_CONTENT_DIR, art::real_fonts()};
        produce_menu_screens(ctx);
        produce_fight_hud(ctx);
        produce_fight_effects(ctx);
        produce_story_screens(ctx);
    }
    // The names the game's menus and fight load.
    std::vector<std::string> names{"main", "options", "enligne", "selectperso2", "credits", "txtcredits", "logo1", "curseur",
                                   "barref", "barrePV", "barrePV1", "barrePV2", "barremana1", "barremana2",
                                   "shiz", "talon", "vishvakarman", "panda", "ko", "perfect", "timeup", "fight",
                                   "roundone", "roundtwo", "finalround", "resultats", "pause", "etincelle_coup",
                                   "etincelle_garde", "etincelle_projectile", "marque_round", "marque_round_vide",
                                   "commandes"};
    for (const char* b : {"versus", "histoire", "enligne", "options", "credits", "quitter", "retour", "revanche",
                          "changer", "menu", "reprendre", "coups", "quitter_combat", "heberger", "rejoindre"})
        for (const char* state : {"0", "1"}) names.push_back(std::string(b) + state);
    for (const char* b : {"cpu", "clavier", "manette", "oui", "non", "classique", "ameliore"})
        for (const char* state : {"0", "1", "2"}) names.push_back(std::string(b) + state);
    for (int d = 0; d <= 9; ++d) names.push_back("s" + std::to_string(d));
    // The enhanced edition's, with their sizes.
    std::vector<std::pair<std::string, std::pair<int, int>>> sized{
        {"options_plus", {640, 480}}, {"glissiere", {250, 14}},       {"glissiere_pleine", {250, 14}},
        {"poignee0", {16, 26}},       {"poignee1", {16, 26}},         {"defaite", {640, 480}},
        {"recit_aeroport", {640, 480}}, {"recit_elbeuf", {640, 480}}, {"recit_inde", {640, 480}},
        {"recit_final", {640, 480}},  {"titre_decor", {menus::kStageTitlePlate.w, menus::kStageTitlePlate.h}}};
    for (const char* b : {"continuer", "abandonner"})
        for (const char* state : {"0", "1"}) sized.push_back({std::string(b) + state, {384, 28}});
    for (const char* stage : {"aeroport", "elbeuf", "inde", "hasard"})
        for (const char* state : {"0", "1"}) sized.push_back({std::string("decor_") + stage + state, {85, 92}});
    for (const auto& [name, size] : sized) names.push_back(name);
    for (const std::string& name : names) {
        const std::filesystem::path file = dir / "graphics" / (name + ".bmp");
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        const auto bytes = read_file(file);
        ASSERT_GT(bytes.size(), 54u);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[14], 40) << name << ": not a classic BMP header";
        EXPECT_EQ(bytes[28], 24) << name << ": not 24 bits a pixel";
    }
    for (const auto& [name, size] : sized) {
        const Image img = read_bmp(dir / "graphics" / (name + ".bmp"));
        EXPECT_EQ(img.width, size.first) << name;
        EXPECT_EQ(img.height, size.second) << name;
    }
    std::filesystem::remove_all(dir);
}

TEST(MenuArt, BackgroundsFillTheScreenWithoutTheMaskColour) {
    const struct {
        const char* what;
        Image image;
    } screens[] = {{"title", menus::draw_title_screen(art::style_fonts())},
                   {"options", menus::draw_options_screen(art::style_fonts())},
                   {"selection", menus::draw_select_screen(art::style_fonts())},
                   {"credits", menus::draw_credits_screen(art::style_fonts(), {{menus::CreditLine::Title, "TITRE"}})},
                   {"dialogue", menus::draw_dialogue_screen(art::style_fonts())},
                   {"results", menus::draw_results_screen(art::style_fonts())}};
    for (const auto& s : screens) {
        EXPECT_EQ(s.image.width, 640) << s.what;
        EXPECT_EQ(s.image.height, 480) << s.what;
        art::expect_opaque(s.image, s.what);
    }
}

TEST(MenuArt, OptionRowLabelsLineUpWithTheGamesRows) {
    // The game lays each setting's buttons on fixed rows; their names are
    // painted left of x 190, each within its own band of rows.
    const Image screen = menus::draw_options_screen(art::style_fonts());
    const struct {
        int top, bottom;
    } bands[] = {{101, 141}, {141, 180}, {180, 220}, {220, 259}};
    auto bright_rows = [&](int top, int bottom) { return art::label_rows(screen, top, bottom); };
    for (const auto& b : bands) EXPECT_GE(bright_rows(b.top + 3, b.bottom - 3), 10) << "no label on rows " << b.top;
    // Nothing as bright just outside the bands, where a label that slipped
    // would land.
    EXPECT_EQ(bright_rows(88, 101), 0);
    EXPECT_EQ(bright_rows(260, 282), 0);
}

TEST(MenuArt, ButtonLabelsSitInsideTheirHitArea) {
    for (const menus::ButtonSpec& b : menus::buttons()) {
        for (int s = 0; s < b.states(); ++s) {
            const std::string what = std::string(b.name) + std::to_string(s);
            SCOPED_TRACE(what);
            const menus::ButtonArt art = menus::draw_button(art::style_fonts(), b, static_cast<menus::State>(s));
            EXPECT_EQ(art.image.width, b.width);
            EXPECT_EQ(art.image.height, b.height);
            art::expect_masked(art.image, what);
            // The label with its outline is inside the picture, below the
            // rows left empty above a button set higher than its neighbours.
            EXPECT_GE(art.label.left, 1);
            EXPECT_LE(art.label.right, b.width - 1);
            EXPECT_GE(art.label.top, b.body_top + 1);
            EXPECT_LE(art.label.bottom, b.height - 1);
            EXPECT_GT(art.label.right - art.label.left, 12) << "no label drawn";
            if (b.kind == menus::ButtonKind::Title) {
                // Room at both ends for the slashes at rest and the chevrons under the pointer.
                EXPECT_GE(art.label.left, 30);
                EXPECT_LE(art.label.right, b.width - 30);
            }
            for (int y = 0; y < b.body_top; ++y)
                for (int x = 0; x < b.width; ++x)
                    ASSERT_TRUE(art::is_mask(art.image.at(x, y)))
                        << "art above the button's shape at " << x << "," << y;
        }
    }
}

TEST(MenuArt, HighlightedAndSelectedButtonsStandOut) {
    for (const menus::ButtonSpec& b : menus::buttons()) {
        SCOPED_TRACE(b.name);
        std::vector<Image> states;
        for (int s = 0; s < b.states(); ++s)
            states.push_back(menus::draw_button(art::style_fonts(), b, static_cast<menus::State>(s)).image);
        for (std::size_t i = 0; i < states.size(); ++i)
            for (std::size_t j = i + 1; j < states.size(); ++j)
                EXPECT_GT(art::distance(art::mean_ink(states[i]), art::mean_ink(states[j])), 60)
                    << "states " << i << " and " << j << " look too much alike";
    }
}

TEST(MenuArt, ButtonsOnAScreenDoNotShareTheirHitAreas) {
    for (const auto* screen : {&menus::title_placements(), &menus::options_placements(), &menus::online_placements(),
                               &menus::results_placements(), &menus::pause_placements(),
                               &menus::defeat_placements()}) {
        for (std::size_t i = 0; i < screen->size(); ++i) {
            const Rect a = hit_area((*screen)[i]);
            EXPECT_GE(a.left, 0);
            EXPECT_GE(a.top, 0);
            EXPECT_LE(a.right, 640);
            EXPECT_LE(a.bottom, 480);
            for (std::size_t j = i + 1; j < screen->size(); ++j)
                EXPECT_FALSE(a.overlaps(hit_area((*screen)[j])))
                    << (*screen)[i].name << " at " << a.left << "," << a.top << " overlaps " << (*screen)[j].name;
        }
    }
    // The options' labels are on the background, left of every button.
    for (const menus::Placement& p : menus::options_placements()) {
        if (std::string(p.name) != "retour") {
            EXPECT_GE(p.x, 190) << p.name;
        }
    }
    // The results' buttons share the bottom of the screen, under the
    // portrait's frame (its foot at row 350).
    for (const menus::Placement& p : menus::results_placements()) {
        const Rect a = hit_area(p);
        EXPECT_GE(a.top, 360) << p.name;
        EXPECT_LE(a.bottom, 470) << p.name;
    }
}

TEST(MenuArt, PausePanelHoldsItsButtonsUnderItsTitle) {
    const Image panel = menus::draw_pause_panel(art::style_fonts());
    ASSERT_EQ(panel.width, menus::kPausePanelWidth);
    ASSERT_EQ(panel.height, menus::kPausePanelHeight);
    art::expect_masked(panel, "pause panel");
    const int w = panel.width - 1, h = panel.height - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w, 0}, std::pair{0, h}, std::pair{w, h}})
        EXPECT_TRUE(art::is_mask(panel.at(x, y))) << "the corner at " << x << "," << y << " is not rounded off";
    // A box: solid from one side to the other, top to bottom.
    for (int x = 1; x < w; ++x) ASSERT_FALSE(art::is_mask(panel.at(x, h / 2))) << x;
    for (int y = 1; y < h; ++y) ASSERT_FALSE(art::is_mask(panel.at(w / 2, y))) << y;
    // The title is bright in the panel's top band, which no button enters;
    // every button lies inside the panel, clear of its border.
    int title = 0;
    for (int y = 10; y < 90; ++y)
        for (int x = 10; x < w - 10; ++x) {
            const Rgb c = panel.at(x, y);
            title += c.r > 200 && c.g > 200 && c.b > 200;
        }
    EXPECT_GT(title, 400) << "no title";
    const Rect inside{menus::kPausePanelX + 12, menus::kPausePanelY + 96, menus::kPausePanelX + w - 12,
                      menus::kPausePanelY + h - 12};
    for (const menus::Placement& p : menus::pause_placements()) {
        const Rect a = hit_area(p);
        EXPECT_TRUE(a.left >= inside.left && a.right <= inside.right && a.top >= inside.top &&
                    a.bottom <= inside.bottom)
            << p.name << " is not inside the panel";
    }
    // Centred on the screen.
    EXPECT_EQ(menus::kPausePanelX * 2 + panel.width, 640);
    EXPECT_EQ(menus::kPausePanelY * 2 + panel.height, 480);
}

TEST(MenuArt, PointerAndSmallLogo) {
    const Image cursor = menus::draw_cursor();
    EXPECT_EQ(cursor.width, menus::kCursorWidth);
    EXPECT_EQ(cursor.height, menus::kCursorHeight);
    art::expect_masked(cursor, "pointer");
    EXPECT_FALSE(art::is_mask(cursor.at(0, 0))) << "the hotspot is not on the arrow";
    EXPECT_TRUE(art::is_mask(cursor.at(cursor.width - 1, 0)));

    const Image logo = menus::draw_small_logo(art::style_fonts());
    EXPECT_EQ(logo.width, menus::kSmallLogoWidth);
    EXPECT_EQ(logo.height, menus::kSmallLogoHeight);
    art::expect_masked(logo, "small logo");
    art::expect_uncut(logo, "small logo", 0);
}

TEST(MenuArt, CreditsFileParsesWithItsLineNumbers) {
    const auto lines = menus::parse_credits(
        "# comment\n"
        "\n"
        "[title]  THE GAME \n"
        "[heading] ROLE\n"
        "Someone\n"
        "\n"
        "\n"
        "[note] small\n"
        "\n",
        "c.txt");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].kind, menus::CreditLine::Title);
    EXPECT_EQ(lines[0].text, "THE GAME");
    EXPECT_EQ(lines[2].kind, menus::CreditLine::Entry);
    EXPECT_EQ(lines[3].kind, menus::CreditLine::Gap);  // two empty lines make one gap, none at the ends
    EXPECT_EQ(lines[4].kind, menus::CreditLine::Note);
    auto rejects = [](const char* text, const char* why) {
        try {
            menus::parse_credits(text, "c.txt");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
        }
    };
    rejects("ok\n[titel] X\n", "c.txt:2: unknown tag [titel]");
    rejects("[heading]\n", "c.txt:1: [heading] with nothing");
    rejects("[note X\n", "c.txt:1: a tag without");
}

TEST(MenuArt, CreditsNameTheRolesFontsAndLibraries) {
    const auto lines = menus::parse_credits(
        read_text_file(std::filesystem::path(ZEFGEN_CONTENT_DIR) / "menus/credits.txt"), "credits.txt");
    const std::string all = text_of(lines);
    for (const char* needed : {"Pyxelharn", "PROGRAMMATION", "COMBATTANTS", "DÉCORS", "MUSIQUE", "League Spartan",
                               "Bebas Neue", "DejaVu Sans", "Lobster", "Open Font License", "Allegro 4", "FreeType",
                               "libmpg123", "cairo", "GoogleTest", "Merci"})
        EXPECT_NE(all.find(needed), std::string::npos) << "the credits do not mention " << needed;

    const Image text = menus::draw_credits_text(art::style_fonts(), lines);
    EXPECT_EQ(text.width, menus::kCreditsWidth);
    EXPECT_GE(text.height, 900);
    EXPECT_LE(text.height, 1400);
    art::expect_masked(text, "credits text");
    art::expect_uncut(text, "credits text");
    // A letter the font lacks is refused rather than drawn as a box.
    EXPECT_THROW(menus::draw_credits_text(art::style_fonts(), {{menus::CreditLine::Heading, "\xe2\x98\x83"}}), std::runtime_error);
}

TEST(MenuStyle, MaskedEdgesAreHardAndBlendIntoTheRim) {
    // A white bar whose right edge covers 30% of one column and 70% of the
    // next row's: the first becomes the mask, the second an opaque blend of
    // white and the rim, never of white and magenta.
    Canvas canvas(16, 4);
    cairo_set_source_rgb(canvas.cr(), 1, 1, 1);
    cairo_rectangle(canvas.cr(), 2, 0, 8.3, 2);
    cairo_rectangle(canvas.cr(), 2, 2, 8.7, 2);
    cairo_fill(canvas.cr());
    const style::Colour rim = style::kInk;
    const Image img = style::to_sprite(canvas, rim);
    EXPECT_TRUE(art::is_mask(img.at(1, 0)));
    EXPECT_FALSE(art::is_mask(img.at(9, 0)));
    EXPECT_TRUE(art::is_mask(img.at(10, 0)));
    const Rgb blended = img.at(10, 2);
    ASSERT_FALSE(art::is_mask(blended));
    // (Within the 16-bit dither's step.)
    EXPECT_NEAR(blended.r, 0.7 * 255 + 0.3 * rim.r * 255, 9);
    EXPECT_NEAR(blended.g, 0.7 * 255 + 0.3 * rim.g * 255, 9);
    EXPECT_NEAR(blended.b, 0.7 * 255 + 0.3 * rim.b * 255, 9);
    // Art in the mask colour itself would vanish in the game: refused.
    Canvas magenta(4, 4);
    cairo_set_source_rgb(magenta.cr(), 1, 0, 1);
    cairo_paint(magenta.cr());
    EXPECT_THROW(style::to_sprite(magenta), std::logic_error);
}

TEST(MenuStyle, SlantedTextIsCentredWhereAsked) {
    for (const double slant : {0.0, 0.14}) {
        SCOPED_TRACE(slant);
        Canvas canvas(240, 60);
        style::Lettering look = style::chrome_look(30);
        look.slant = slant;
        look.shadow_dx = look.shadow_dy = 0;
        const style::Placed p = style::place_text(canvas, art::style_fonts().black, "HUD", 30, 2, 120, 15, slant);
        style::draw_lettering(canvas, p, look);
        const art::Ink ink = art::ink_of(style::to_sprite(canvas));
        EXPECT_NEAR((ink.left + ink.right + 1) / 2.0, 120, 1.5);
        const double outline = look.rim_width + look.line_width;
        EXPECT_NEAR(ink.top, 15 - outline, 1.5);
        EXPECT_NEAR(ink.bottom + 1, 45 + outline, 1.5);
        // The span used to fit text is never short of the ink, and not
        // much longer.
        const style::Span span = style::ink_span(p, look);
        EXPECT_LE(span.left, ink.left + 0.5);
        EXPECT_GE(span.right, ink.right + 0.5);
        EXPECT_LT((span.right - span.left) - (ink.right + 1 - ink.left), 5);
    }
}

TEST(MenuStyle, TheGameSeesExactlyTheseColoursAndMask) {
    // Loaded by Allegro into a 16-bit screen and drawn as a sprite, the mask
    // is exactly what disappears and every other pixel keeps its colour.
    if (!system_driver) install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("zefgen-test-" + std::to_string(::getpid()) + "-sprite.bmp");
    const struct {
        const char* what;
        Image image;
    } sprites[] = {{"button", menus::draw_button(art::style_fonts(), menus::button("clavier"), menus::State::Selected).image},
                   {"pointer", menus::draw_cursor()},
                   {"digit", hud::draw_digit(art::style_fonts(), 7)},
                   {"banner", hud::draw_banner(art::style_fonts(), hud::banners()[0])}};
    for (const auto& s : sprites) {
        SCOPED_TRACE(s.what);
        const auto bytes = encode_bmp(s.image);
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        BITMAP* loaded = load_bitmap(file.c_str(), nullptr);
        ASSERT_NE(loaded, nullptr);
        BITMAP* screen = create_bitmap_ex(16, loaded->w, loaded->h);
        clear_to_color(screen, makecol16(0, 255, 0));
        draw_sprite(screen, loaded, 0, 0);
        int wrong = 0;
        for (int y = 0; y < loaded->h; ++y)
            for (int x = 0; x < loaded->w; ++x) {
                const Rgb want = art::is_mask(s.image.at(x, y)) ? Rgb{0, 255, 0} : s.image.at(x, y);
                const int c = getpixel(screen, x, y);
                wrong += !(Rgb{static_cast<std::uint8_t>(getr16(c)), static_cast<std::uint8_t>(getg16(c)),
                               static_cast<std::uint8_t>(getb16(c))} == want);
            }
        EXPECT_EQ(wrong, 0);
        destroy_bitmap(screen);
        destroy_bitmap(loaded);
    }
    std::filesystem::remove(file);
}
