// Fonts as screens hold them, and the taunt lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "story/texte.h"
#include "support/allegro_env.h"

namespace {

std::set<std::string> tirages(PERSO p, int n, Edition e = Edition::classique)
{
    dialogue d;
    std::set<std::string> vus;
    for (int i = 0; i < n; ++i)
        vus.insert(d.dialoguer(p, e));
    return vus;
}

TEST(Repliques, EachFighterSaysOnlyItsOwnTenLines)
{
    std::srand(42);
    EXPECT_EQ(tirages(panda, 2000), (std::set<std::string>{"Grrrr", "Rrroaaaa", "Wooaaarrr", "RrrRr", "Grrrgrr",
                                                            "RrrraOOoo", "Grraaoo", "Grrgrr", "Rrooaarr",
                                                            "Hehehe"}));
    EXPECT_EQ(tirages(talon, 2000),
              (std::set<std::string>{"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10"}));
    const std::set<std::string> shiz_dit = tirages(shiz, 2000);
    EXPECT_EQ(shiz_dit.size(), 10u);
    // Stored as Latin-1 for the text layer: one byte per accented letter.
    EXPECT_TRUE(shiz_dit.count("Laisse tomb\xe9 t'as aucune chance"));
}

TEST(Repliques, TheEnhancedEditionsLinesAreTheirOwnAndFreeOfInsults)
{
    std::srand(7);
    std::set<std::string> toutes;
    for (PERSO p : {shiz, talon, vishvakarman, panda}) {
        const std::set<std::string> dit = tirages(p, 2000, Edition::amelioree);
        EXPECT_EQ(dit.size(), 10u) << p;
        for (const std::string& l : dit) {
            toutes.insert(l);
            EXPECT_GE(l.size(), 4u) << "not a placeholder: " << l;
            for (const char* mot : {"merde", "niquer"})
                EXPECT_EQ(l.find(mot), std::string::npos) << l;
            // Latin-1, as the text layer reads it: no UTF-8 sequences.
            for (unsigned char c : l)
                EXPECT_FALSE(c >= 0x80 && c < 0xA0) << l;
        }
    }
    EXPECT_EQ(toutes.size(), 40u) << "every line belongs to one fighter";
}

TEST(Police, AMissingFileIsReportedAndLeavesTheFontEmpty)
{
    allegro_sans_systeme();
    ASSERT_EQ(alfont_init(), ALFONT_OK);
    FontClass f;
    testing::internal::CaptureStdout();
    f.charger("graphics/absent.ttf");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Cannot load the font graphics/absent.ttf"),
              std::string::npos);
    EXPECT_EQ(f.font, nullptr);
    f.taille(20);   // harmless on an empty font
    f.destroy();

    testing::internal::CaptureStdout();
    f.charger(ZEF_TEST_FONT);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_NE(f.font, nullptr);
    f.taille(60);
    EXPECT_EQ(alfont_get_font_size(f.font), 60);
    f.destroy();
    EXPECT_EQ(f.font, nullptr);
}

}  // namespace
