// The animation file reader: token order, and what it makes of broken files.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "graphics/fichieranim.h"
#include "support/fichier_anim_test.h"

namespace {

struct Lu {
    std::unique_ptr<TableAnim> table = std::make_unique<TableAnim>();
    int n = 0;
};

Lu lire(const std::string& texte)
{
    Lu lu;
    std::FILE* f = fmemopen(const_cast<char*>(texte.data()), texte.size(), "r");
    lu.n = lire_fichier_anim(f, *lu.table);
    std::fclose(f);
    return lu;
}

TEST(FichierAnim, TokensAreReadInTheFileOrder)
{
    // Each token numbered by its place in the record, so a swap shows.
    std::string rec = "p.bmp\n";
    for (int i = 2; i <= 40; ++i)
        rec += std::to_string(i) + "\n";
    std::string texte = rec;
    for (int i = 1; i < NB_ENREGISTREMENTS; ++i)
        texte += enregistrement(DONNEES());
    const Lu lu = lire(texte);
    ASSERT_EQ(lu.n, NB_ENREGISTREMENTS);
    const DONNEES& d = lu.table->rec[0][0];
    EXPECT_STREQ(d.chemin, "p.bmp");
    EXPECT_EQ(d.O.x, 2);
    EXPECT_EQ(d.O.y, 3);
    EXPECT_EQ(d.mvtx, 4);
    EXPECT_EQ(d.mvty, 5);
    EXPECT_TRUE(d.grav);
    EXPECT_EQ(d.nb_attaques, 5);   // 7, as many as a record holds
    EXPECT_EQ(d.nb_touches, 3);    // 8, likewise
    EXPECT_EQ(d.attaque[0].x, 9);
    EXPECT_EQ(d.attaque[4].y, 18);
    // Damage: dmg, then the knock-down flag, then the two forces.
    EXPECT_EQ(d.dgt.dmg, 19);
    EXPECT_TRUE(d.dgt.tombe);
    EXPECT_EQ(d.dgt.ForceVx, 21);
    EXPECT_EQ(d.dgt.ForceVy, 22);
    EXPECT_EQ(d.touche[0].SupG.x, 23);
    EXPECT_EQ(d.touche[0].InfD.y, 26);
    EXPECT_EQ(d.touche[2].InfD.y, 34);
    EXPECT_EQ(d.time, 35);
    EXPECT_TRUE(d.boucl);
    EXPECT_EQ(d.mana, 37);
    EXPECT_EQ(d.lanceFX, 38);
    EXPECT_EQ(d.positionFX.x, 39);
    EXPECT_EQ(d.positionFX.y, 40);
}

TEST(FichierAnim, SlotsComeSlotMajorAndWhiteSpaceIsFree)
{
    DONNEES d = image("a.bmp");
    d.dgt = {5, 15, -20, true};
    std::string texte = fichier_anim({{{2, 3}, d}});
    // CR LF line ends and several tokens on one line read the same.
    std::string crlf;
    for (char c : texte)
        crlf += c == '\n' ? std::string(" \r\n") : std::string(1, c);
    for (const std::string& t : {texte, crlf}) {
        const Lu lu = lire(t);
        ASSERT_EQ(lu.n, NB_ENREGISTREMENTS);
        EXPECT_STREQ(lu.table->rec[2][3].chemin, "a.bmp");
        EXPECT_EQ(lu.table->rec[2][3].dgt.ForceVy, -20);
        EXPECT_TRUE(lu.table->rec[2][3].dgt.tombe);
        EXPECT_STREQ(lu.table->rec[2][2].chemin, "none");
    }
}

TEST(FichierAnim, ABrokenFileKeepsWhatWasReadBeforeTheBreak)
{
    const std::string complet = fichier_anim({{{0, 0}, image("a.bmp")}, {{0, 1}, image("b.bmp")},
                                              {{0, 2}, image("c.bmp")}});
    const std::string deux = enregistrement(image("a.bmp")) + enregistrement(image("b.bmp"));

    // Cut in the middle of the third record.
    Lu lu = lire(complet.substr(0, deux.size() + 20));
    EXPECT_EQ(lu.n, 2);
    EXPECT_STREQ(lu.table->rec[0][1].chemin, "b.bmp");
    EXPECT_STREQ(lu.table->rec[0][2].chemin, "");   // the partial record is not kept

    // A word where a number should be.
    std::string casse = complet;
    casse.replace(deux.size() + 6, 2, "xx");   // the third record's anchor x
    lu = lire(casse);
    EXPECT_EQ(lu.n, 2);
    EXPECT_STREQ(lu.table->rec[0][2].chemin, "");

    // Numbers too large for 32 bits, or with trailing letters, are broken too.
    for (const char* mauvais : {"99999999999", "12abc", "-"}) {
        std::string s = complet;
        s.replace(deux.size() + 6, 2, mauvais);
        EXPECT_EQ(lire(s).n, 2) << mauvais;
    }

    EXPECT_EQ(lire("").n, 0);
    EXPECT_EQ(lire("   \n\n").n, 0);
}

TEST(FichierAnim, ATooLongPathLeavesItsRecordUnusedAndReadingGoesOn)
{
    const std::string long_chemin(60, 'x');
    std::string texte = fichier_anim({{{0, 1}, image("b.bmp")}});
    texte.replace(0, 4, long_chemin);   // "none" of record 0 becomes 60 characters
    const Lu lu = lire(texte);
    EXPECT_EQ(lu.n, NB_ENREGISTREMENTS);
    EXPECT_STREQ(lu.table->rec[0][0].chemin, "");
    EXPECT_STREQ(lu.table->rec[0][1].chemin, "b.bmp");

    std::string juste(49, 'y');
    texte.replace(0, 60, juste);
    EXPECT_EQ(std::string(lire(texte).table->rec[0][0].chemin), juste);
}

}  // namespace
