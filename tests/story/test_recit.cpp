// The enhanced story: each fighter's tale, its opponents' levels, and the
// dialogue screen's layout, whose text must fit its boxes with the game's
// own fonts and never run over a portrait.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "story/histoire.h"
#include "story/recit.h"
#include "story/texte.h"
#include "support/dossier_temp.h"

namespace {

const PERSO PERSOS[4] = {shiz, talon, vishvakarman, panda};

TEST(Recit, EachTaleMeetsTheOtherThreeThenTheHerosDouble)
{
    std::set<std::string> images;
    for (PERSO heros : PERSOS) {
        const Recit& r = recit_de(heros);
        std::set<PERSO> adversaires;
        for (int i = 0; i < NB_CHAPITRES - 1; ++i) {
            EXPECT_NE(r.chapitres[i].adversaire, heros);
            adversaires.insert(r.chapitres[i].adversaire);
        }
        EXPECT_EQ(adversaires.size(), 3u) << heros;
        EXPECT_EQ(r.chapitres[NB_CHAPITRES - 1].adversaire, heros);
        EXPECT_STREQ(r.chapitres[NB_CHAPITRES - 1].fond, "graphics/recit_final.bmp");
        for (const Chapitre& c : r.chapitres)
            EXPECT_TRUE(c.decor >= aeroport && c.decor <= inde);
        images.insert(r.image_fin);
    }
    EXPECT_EQ(images.size(), 4u) << "an ending of its own for each fighter";
}

TEST(Recit, EveryLineIsFrenchInLatin1WithItsAccentsAndNoPlaceholder)
{
    for (PERSO heros : PERSOS) {
        const Recit& r = recit_de(heros);
        std::vector<const char*> sources = {r.fin};
        for (const Chapitre& c : r.chapitres)
            sources.insert(sources.end(), {c.recit, c.replique_heros, c.replique_adversaire});
        for (const char* source : sources) {
            const std::string t = en_latin1(source);
            EXPECT_GE(t.size(), 6u) << t;
            // Only the text's own question marks: no character Latin-1 lacks.
            EXPECT_EQ(std::count(t.begin(), t.end(), '?'), std::count(source, source + std::strlen(source), '?'))
                << source;
            for (const char* mot : {"merde", "niquer", "TODO", "XXX"})
                EXPECT_EQ(t.find(mot), std::string::npos) << t;
        }
    }
    // The accents are there, as one byte each.
    EXPECT_NE(en_latin1(recit_de(shiz).chapitres[0].recit).find("d\xe9j\xe0"), std::string::npos);
}

TEST(Recit, TheConversionKeepsLatin1AndMarksTheRest)
{
    EXPECT_EQ(en_latin1("été à Noël"), "\xe9t\xe9 \xe0 No\xebl");
    EXPECT_EQ(en_latin1("l\xe2\x80\x99" "arène"), "l'ar\xe8ne") << "the typographic apostrophe";
    EXPECT_EQ(en_latin1("5 \xe2\x82\xac"), "5 ?") << "the euro sign is not Latin-1";
    EXPECT_EQ(en_latin1("a\xc3"), "a?") << "a sequence cut short";
    EXPECT_EQ(en_latin1("\xff" "b"), "?b");
    EXPECT_EQ(en_latin1(nullptr), "");
}

TEST(Recit, LinesAreCutAtSpacesWithinTheWidth)
{
    const auto mesure = [](const std::string& s) { return static_cast<int>(s.size()) * 10; };
    EXPECT_EQ(couper_lignes("un deux trois quatre", 100, mesure),
              (std::vector<std::string>{"un deux", "trois", "quatre"}));
    EXPECT_EQ(couper_lignes("anticonstitutionnellement court", 100, mesure),
              (std::vector<std::string>{"anticonstitutionnellement", "court"}))
        << "a word wider than the line stands alone";
    EXPECT_EQ(couper_lignes("a\nb  c", 100, mesure), (std::vector<std::string>{"a", "b c"}));
    EXPECT_EQ(couper_lignes("", 100, mesure), (std::vector<std::string>{""}));
}

TEST(Recit, OpponentsAreTrainedLikeTheHeroAndTheDoubleIsStronger)
{
    int avant = -100;
    for (int i = 0; i < NB_CHAPITRES; ++i) {
        EXPECT_LE(std::abs(ecart_chapitre(i)), 2);
        EXPECT_GE(ecart_chapitre(i), avant) << "never easier than the fight before";
        avant = ecart_chapitre(i);
    }
    EXPECT_GT(ecart_chapitre(NB_CHAPITRES - 1), 0);

    std::srand(3);
    ParamJoueur heros;
    heros.carac.bonusforce = 3;
    heros.carac.bonusarcanes = 1;
    heros.carac.experience = 700u * 8 * 8;   // level 9: four points left unspent
    ParamJoueur adversaire;
    adversaire.carac.bonusdexterite = 9;   // whatever its own record held
    HISTOIRE::generer_adversaire(adversaire, heros, 1, false);
    EXPECT_EQ(HISTOIRE::niveau_adversaire(adversaire.carac), 6) << "the hero's four points spent, and one";
    EXPECT_EQ(adversaire.carac.niveau, 10) << "shown a level above the hero's";
    ParamJoueur faible;
    HISTOIRE::generer_adversaire(faible, ParamJoueur(), -1, false);
    EXPECT_EQ(HISTOIRE::niveau_adversaire(faible.carac), 1) << "never fewer than no points";
    EXPECT_EQ(faible.carac.niveau, 1) << "nor below the first level";
    ParamJoueur double_du_heros;
    HISTOIRE::generer_adversaire(double_du_heros, heros, 2, true);
    EXPECT_EQ(HISTOIRE::niveau_adversaire(double_du_heros.carac), 7);
    EXPECT_EQ(double_du_heros.carac.niveau, 11);
    EXPECT_GE(double_du_heros.carac.bonusforce, 3) << "the hero's own training, and more";
    EXPECT_GE(double_du_heros.carac.bonusarcanes, 1);
}

TEST(Recit, NoBoxCoversAPortraitAndEveryTextFitsItsBoxInTheGamesFonts)
{
    const MiseEnPage& page = mise_en_page_recit();
    const Cadre ecran = {0, 0, 640, 480};
    std::vector<Cadre> boites = {page.recit, page.replique[0], page.replique[1], page.stats};
    for (const Cadre& b : boites) {
        for (const Cadre& p : page.portrait)
            EXPECT_FALSE(b.touche(p)) << b.x << "," << b.y;
        EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= ecran.w && b.y + b.h <= ecran.h);
    }
    EXPECT_GT(page.y_invite, page.stats.y + page.stats.h - 1);

    DansLesDonnees donnees;
    ALFONT_FONT* f = alfont_load_font("graphics/chinyen.ttf");
    ASSERT_NE(f, nullptr);
    alfont_set_font_size(f, 17);   // as the dialogue screen sets it
    const auto mesure = [f](const std::string& s) { return alfont_text_length(f, s.c_str()); };
    const int h = alfont_text_height(f);
    const auto lignes_tenues = [&](const std::string& t, const Cadre& c, int haut) {
        const auto lignes = couper_lignes(t, c.w - 2 * page.marge, mesure);
        for (const std::string& l : lignes)
            EXPECT_LE(mesure(l), c.w - 2 * page.marge) << l;
        return static_cast<int>(lignes.size()) * h <= c.h - page.marge - haut;
    };
    for (PERSO heros : PERSOS)
        for (const Chapitre& c : recit_de(heros).chapitres) {
            EXPECT_TRUE(lignes_tenues(en_latin1(c.recit), page.recit, page.marge)) << c.recit;
            // Each line sits under its speaker's name.
            EXPECT_TRUE(lignes_tenues(en_latin1(c.replique_heros), page.replique[0], 14)) << c.replique_heros;
            EXPECT_TRUE(lignes_tenues(en_latin1(c.replique_adversaire), page.replique[1], 14))
                << c.replique_adversaire;
        }
    alfont_destroy_font(f);
}

}  // namespace
