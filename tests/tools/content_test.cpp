// What the game expects of the generated content: sizes, lengths, levels,
// and the properties that make it work in place (a loop that wraps, a logo
// that blends into the black screen around it).

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "art_checks.h"
#include "audio/synth.h"
#include "common/canvas.h"
#include "common/fonts.h"
#include "common/output.h"
#include "menus/buttons.h"
#include "menus/logo.h"
#include "music/music.h"
#include "sounds/jingle.h"
#include "sounds/sounds_menu.h"

namespace {

const double kMinusOneDb = std::pow(10.0, -1.0 / 20.0);

double rms_between(const Sound& s, double from, double to) {
    Sound part;
    part.left.assign(s.left.begin() + to_frames(from), s.left.begin() + to_frames(to));
    if (s.stereo()) part.right.assign(s.right.begin() + to_frames(from), s.right.begin() + to_frames(to));
    return rms(part);
}

}  // namespace

TEST(Content, SoundsHaveTheirLengthAndLevel) {
    const struct {
        const char* name;
        Sound sound;
        double min_seconds, max_seconds;
        bool stereo;
    } sounds[] = {
        {"jingle", studio_jingle(), 2.0, 4.0, true},
        {"mouseover", mouseover_tick(), 0.02, 0.2, false},
        {"click", mouse_click(), 0.05, 0.3, false},
        {"gong", gong(), 2.0, 4.0, true},
    };
    for (const auto& s : sounds) {
        SCOPED_TRACE(s.name);
        EXPECT_GE(s.sound.seconds(), s.min_seconds);
        EXPECT_LE(s.sound.seconds(), s.max_seconds);
        EXPECT_EQ(s.sound.stereo(), s.stereo);
        EXPECT_NEAR(peak(s.sound), kMinusOneDb, 1e-4);
        EXPECT_GT(rms(s.sound), 0.03) << "barely audible";
        // Every sound ends in silence: no click when it stops.
        EXPECT_LT(std::fabs(s.sound.left.back()), 0.002);
    }
    // The gong rings on: still clearly sounding half-way through.
    const Sound g = gong();
    EXPECT_GT(rms_between(g, 1.8, 2.0), rms_between(g, 0.0, 0.5) * 0.1);
}

TEST(Content, ScoreRendersToASeamlessLoop) {
    // One bar with a single held chord on the last beat: its release and the
    // reverb ring past the end of the loop, so they must reappear at the start.
    const Score score = parse_score(R"(
tempo 120
mix pad reverb=0.5
pattern late
  r/2. A3+C4+E4/4 |
end
section S 1
  pad late
end
song S
)",
                                    "loop.txt", music_vocabulary());
    const Sound song = render_score(score);
    EXPECT_EQ(song.frames(), to_frames(2.0));  // one 4/4 bar at 120 BPM
    EXPECT_TRUE(song.stereo());
    EXPECT_NEAR(peak(song), kMinusOneDb, 1e-4);
    EXPECT_GT(rms_between(song, 0.0, 0.2), 0.01) << "the tail did not wrap onto the start";
    EXPECT_LT(rms_between(song, 1.0, 1.4), rms_between(song, 0.0, 0.2)) << "silence expected before the chord";
}

TEST(Content, MenuMusicIsAFullTrack) {
    const auto path = std::filesystem::path(ZEFGEN_CONTENT_DIR) / "music/menu.txt";
    const Score score = parse_score(read_text_file(path), path.string(), music_vocabulary());
    const Sound song = render_score(score);
    EXPECT_GE(song.seconds(), 30.0);
    EXPECT_LE(song.seconds(), 60.0);
    EXPECT_GE(score.tempo, 120);
    EXPECT_LE(score.tempo, 140);
    EXPECT_NEAR(peak(song), kMinusOneDb, 1e-4);
    EXPECT_GT(rms(song), 0.1);
    EXPECT_LT(rms(song), 0.35);
    // Every instrument plays somewhere.
    std::set<std::string> heard;
    for (const auto& note : arrange(score)) heard.insert(note.instrument);
    EXPECT_EQ(heard.size(), music_vocabulary().instruments.size() + 1);
}

TEST(Content, LogoFitsTheIntroScreen) {
    const Image logo = draw_logo(art::real_fonts());
    ASSERT_EQ(logo.width, kLogoWidth);
    ASSERT_EQ(logo.height, kLogoHeight);
    EXPECT_EQ(kLogoWidth, 640 - 2 * 127);  // centred where the intro draws it
    // The border is pure black, so the bitmap's edge vanishes on the screen.
    for (int x = 0; x < logo.width; ++x) {
        ASSERT_EQ(logo.at(x, 0), (Rgb{0, 0, 0}));
        ASSERT_EQ(logo.at(x, logo.height - 1), (Rgb{0, 0, 0}));
    }
    for (int y = 0; y < logo.height; ++y) {
        ASSERT_EQ(logo.at(0, y), (Rgb{0, 0, 0}));
        ASSERT_EQ(logo.at(logo.width - 1, y), (Rgb{0, 0, 0}));
    }
    // Both the emblem and the lettering are there, and bright.
    auto brightest = [&](int x0, int x1) {
        int best = 0;
        for (int y = 0; y < logo.height; ++y)
            for (int x = x0; x < x1; ++x) {
                const Rgb c = logo.at(x, y);
                best = std::max(best, c.r + c.g + c.b);
            }
        return best;
    };
    EXPECT_GT(brightest(0, 70), 600);
    EXPECT_GT(brightest(80, 230), 600);   // PYXEL
    EXPECT_GT(brightest(230, 386), 450);  // HARN, in colour
    EXPECT_FALSE(logo.at(200, 30) == kMaskColour);
}

TEST(Canvas, CompositesOverBackgroundAndTracksText) {
    Canvas canvas(4, 2);
    cairo_set_source_rgba(canvas.cr(), 1, 0, 0, 1);
    cairo_rectangle(canvas.cr(), 0, 0, 2, 2);
    cairo_fill(canvas.cr());
    cairo_set_source_rgba(canvas.cr(), 0, 0, 1, 0.5);
    cairo_rectangle(canvas.cr(), 2, 0, 1, 2);
    cairo_fill(canvas.cr());
    const Image on_grey = canvas.to_image({100, 100, 100});
    EXPECT_EQ(on_grey.at(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(on_grey.at(3, 1), (Rgb{100, 100, 100}));
    const Rgb half = on_grey.at(2, 0);
    EXPECT_NEAR(half.b, 178, 2);
    EXPECT_NEAR(half.r, 50, 2);

    const FontTable fonts = art::real_fonts();
    const FontFile font(fonts.path("dejavu-bold"));
    Canvas text(100, 40);
    text.use_font(font, 20);
    const TextRun tight = text.layout("ABC"), loose = text.layout("ABC", 5);
    EXPECT_NEAR(loose.advance - tight.advance, 10.0, 1e-9);  // tracking goes between letters only
    EXPECT_GT(tight.width(), 20);
    EXPECT_LT(tight.ink_top, -10);  // capitals rise above the baseline
    EXPECT_THROW(FontFile("/nonexistent/font.ttf"), std::runtime_error);
}

TEST(Content, PlusButtonHasHardEdgesOnTheMask) {
    const Image plus = draw_plus_button();
    ASSERT_EQ(plus.width, 14);
    ASSERT_EQ(plus.height, 14);
    for (auto [x, y] : {std::pair{0, 0}, {13, 0}, {0, 13}, {13, 13}}) EXPECT_EQ(plus.at(x, y), kMaskColour);
    EXPECT_FALSE(plus.at(6, 1) == kMaskColour) << "the top edge is cut away";
    // Where the button meets the mask it is dark and opaque: nothing between
    // the button's colours and magenta, which would show as a pink fringe.
    int edge = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x) {
            const Rgb c = plus.at(x, y);
            if (c == kMaskColour) continue;
            EXPECT_FALSE(c.r > 150 && c.b > 150 && c.g < 100) << "a magenta blend at " << x << "," << y;
            const bool touches_mask = x == 0 || y == 0 || x == 13 || y == 13 || plus.at(x - 1, y) == kMaskColour ||
                                      plus.at(x + 1, y) == kMaskColour || plus.at(x, y - 1) == kMaskColour ||
                                      plus.at(x, y + 1) == kMaskColour;
            if (!touches_mask) continue;
            ++edge;
            EXPECT_LT(c.r + c.g + c.b, 120) << "edge pixel " << x << "," << y;
        }
    EXPECT_GT(edge, 30);
    // The cross is bright against the body of the button.
    const Rgb centre = plus.at(7, 7), body = plus.at(3, 10);
    EXPECT_GT(centre.r + centre.g, 2 * (body.r + body.g));
}
