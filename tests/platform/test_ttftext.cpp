// The text layer: placement, measures, blending and clipping, checked on the
// pixels of 16-bit memory bitmaps.
#include <gtest/gtest.h>

#include <set>

#include "platform/ttftext.h"
#include "support/allegro_env.h"

namespace {

struct Encre {
    int gauche = 1 << 30, droite = -1, haut = 1 << 30, bas = -1;
    bool vide() const { return droite < 0; }
    int centre() const { return (gauche + droite) / 2; }
};

// Bounding box of the pixels that differ from the background.
Encre encre(BITMAP* b, int fond)
{
    Encre e;
    for (int y = 0; y < b->h; ++y)
        for (int x = 0; x < b->w; ++x)
            if (getpixel(b, x, y) != fond) {
                e.gauche = std::min(e.gauche, x);
                e.droite = std::max(e.droite, x);
                e.haut = std::min(e.haut, y);
                e.bas = std::max(e.bas, y);
            }
    return e;
}

class Texte : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        allegro_sans_systeme();
        ASSERT_EQ(alfont_init(), ALFONT_OK);
    }

    void SetUp() override
    {
        police = alfont_load_font(ZEF_TEST_FONT);
        ASSERT_NE(police, nullptr);
        ASSERT_EQ(alfont_set_font_size(police, 32), ALFONT_OK);
        bmp = create_bitmap_ex(16, 640, 120);
        fond = makecol16(0, 0, 255);
        clear_to_color(bmp, fond);
        blanc = makecol16(255, 255, 255);
    }

    void TearDown() override
    {
        alfont_text_mode(-1);
        destroy_bitmap(bmp);
        alfont_destroy_font(police);
    }

    ALFONT_FONT* police = nullptr;
    BITMAP* bmp = nullptr;
    int fond = 0;
    int blanc = 0;
};

TEST_F(Texte, CentredAndRightAlignedTextSitAroundTheirAnchor)
{
    const char* mot = "Quendavorin";
    const int largeur = alfont_text_length(police, mot);
    ASSERT_GT(largeur, 100);

    alfont_textout_centre_aa(bmp, police, mot, 320, 10, blanc);
    Encre c = encre(bmp, fond);
    EXPECT_NEAR(c.centre(), 320, 4);
    EXPECT_NEAR(c.droite - c.gauche + 1, largeur, 6);

    clear_to_color(bmp, fond);
    alfont_textout_right_aa(bmp, police, mot, 600, 10, blanc);
    Encre r = encre(bmp, fond);
    EXPECT_LE(r.droite, 600);
    EXPECT_GE(r.droite, 600 - 6);
    EXPECT_NEAR(r.gauche, 600 - largeur, 6);

    clear_to_color(bmp, fond);
    alfont_textout_aa(bmp, police, mot, 40, 10, blanc);
    EXPECT_NEAR(encre(bmp, fond).gauche, 40, 4);
}

TEST_F(Texte, LinesAreTheSizeApartAndTheBoxHoldsTheInk)
{
    // Screens stack lines one text height apart and set buttons beside them
    // on that pitch: it is the size, whatever the face's own line gap.
    EXPECT_EQ(alfont_text_height(police), 32);
    ASSERT_EQ(alfont_set_font_size(police, 48), ALFONT_OK);
    EXPECT_EQ(alfont_text_height(police), 48);
    EXPECT_EQ(alfont_get_font_size(police), 48);

    // Capitals and accents start below y; a background box holds descenders too.
    const int vert = makecol16(0, 255, 0);
    alfont_textout_aa(bmp, police, "\xc9gypte Hgjq", 10, 20, blanc);
    const Encre e = encre(bmp, fond);
    EXPECT_GE(e.haut, 20);
    clear_to_color(bmp, fond);
    alfont_text_mode(vert);
    alfont_textout_aa(bmp, police, "\xc9gypte Hgjq", 10, 20, blanc);
    alfont_text_mode(-1);
    EXPECT_EQ(getpixel(bmp, 12, e.bas), vert);
}

TEST_F(Texte, SmoothTextBlendsEdgesWithTheBackgroundWhilePlainTextDoesNot)
{
    alfont_textout_aa(bmp, police, "Ombre", 10, 10, blanc);
    std::set<int> couleurs;
    for (int y = 0; y < bmp->h; ++y)
        for (int x = 0; x < bmp->w; ++x)
            couleurs.insert(getpixel(bmp, x, y));
    EXPECT_GT(couleurs.size(), 4u);
    // Every blended pixel lies between blue and white: blue stays full, red
    // and green rise together.
    for (int c : couleurs) {
        EXPECT_EQ(getb16(c), 255) << std::hex << c;
        EXPECT_NEAR(getr16(c), getg16(c), 8) << std::hex << c;
    }

    clear_to_color(bmp, fond);
    alfont_textout(bmp, police, "Ombre", 10, 10, blanc);
    couleurs.clear();
    for (int y = 0; y < bmp->h; ++y)
        for (int x = 0; x < bmp->w; ++x)
            couleurs.insert(getpixel(bmp, x, y));
    EXPECT_EQ(couleurs, (std::set<int>{fond, blanc}));
}

TEST_F(Texte, FormattedPrintingDrawsTheFormattedString)
{
    BITMAP* attendu = create_bitmap_ex(16, bmp->w, bmp->h);
    clear_to_color(attendu, fond);
    alfont_textout_right_aa(attendu, police, "Niveau 12 - 75%", 500, 5, blanc);
    alfont_textprintf_right_aa(bmp, police, 500, 5, blanc, "Niveau %d - %d%%", 12, 75);
    for (int y = 0; y < bmp->h; ++y)
        for (int x = 0; x < bmp->w; ++x)
            ASSERT_EQ(getpixel(bmp, x, y), getpixel(attendu, x, y)) << x << "," << y;
    destroy_bitmap(attendu);
}

TEST_F(Texte, DrawingStaysInsideTheClippingRectangleAndTheBitmap)
{
    set_clip_rect(bmp, 100, 20, 199, 59);
    alfont_textout_aa(bmp, police, "WWWWWWWWWWWW", 60, 0, blanc);
    Encre e = encre(bmp, fond);
    ASSERT_FALSE(e.vide());
    EXPECT_GE(e.gauche, 100);
    EXPECT_LE(e.droite, 199);
    EXPECT_GE(e.haut, 20);
    EXPECT_LE(e.bas, 59);

    set_clip_rect(bmp, 0, 0, bmp->w - 1, bmp->h - 1);
    alfont_textout_aa(bmp, police, "Bord", -15, -10, blanc);
    alfont_textout_aa(bmp, police, "Bord", 620, 110, blanc);
    alfont_textout_centre(bmp, police, "Bord", -5000, 5000, blanc);
}

TEST_F(Texte, ABackgroundModeFillsTheTextBox)
{
    const int vert = makecol16(0, 255, 0);
    alfont_text_mode(vert);
    alfont_textout_aa(bmp, police, "ab", 10, 10, blanc);
    EXPECT_EQ(getpixel(bmp, 10, 10), vert);
    EXPECT_EQ(getpixel(bmp, 10 + alfont_text_length(police, "ab") - 1, 10 + alfont_text_height(police) - 1), vert);
    EXPECT_EQ(getpixel(bmp, 10 + alfont_text_length(police, "ab") + 1, 10), fond);
    EXPECT_EQ(alfont_text_mode(-1), vert);
}

TEST_F(Texte, NoFontOrAnUnusableFileDrawsAndMeasuresNothing)
{
    EXPECT_EQ(alfont_load_font("/nonexistent/font.ttf"), nullptr);
    EXPECT_EQ(alfont_load_font("/etc/hostname"), nullptr);
    alfont_textout_aa(bmp, nullptr, "rien", 10, 10, blanc);
    alfont_textprintf_centre_aa(bmp, nullptr, 10, 10, blanc, "%s", "rien");
    EXPECT_TRUE(encre(bmp, fond).vide());
    EXPECT_EQ(alfont_text_height(nullptr), 0);
    EXPECT_EQ(alfont_text_length(nullptr, "rien"), 0);
    EXPECT_EQ(alfont_set_font_size(police, 0), ALFONT_ERROR);
    EXPECT_EQ(alfont_get_font_size(police), 32);   // a refused size keeps the old one
}

TEST_F(Texte, OtherDepthsAreBlendedToo)
{
    BITMAP* b32 = create_bitmap_ex(32, 200, 60);
    clear_to_color(b32, makecol32(0, 0, 0));
    alfont_textout_aa(b32, police, "Aa", 5, 5, makecol32(255, 0, 0));
    std::set<int> rouges;
    for (int y = 0; y < b32->h; ++y)
        for (int x = 0; x < b32->w; ++x) {
            const int c = getpixel(b32, x, y);
            EXPECT_EQ(getg32(c), 0);
            rouges.insert(getr32(c));
        }
    EXPECT_GT(rouges.size(), 8u);
    EXPECT_TRUE(rouges.count(255));
    destroy_bitmap(b32);
}

}  // namespace
