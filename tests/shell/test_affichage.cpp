// The display at any scale: where the picture lands, how it is scaled, the
// pointer brought back to 640x480, and the choices kept or asked for.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "shell/affichage.h"
#include "shell/ligne_de_commande.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"

namespace {

TEST(Cadrage, WindowsAreWholeFactorsAndFullScreenKeepsTheShapeCentred)
{
    const Cadrage deux = cadre_fenetre(2);
    EXPECT_EQ(deux.largeur, 1280);
    EXPECT_EQ(deux.hauteur, 960);
    EXPECT_EQ(cadre_fenetre(7).largeur, 1920) << "at most 3x";
    EXPECT_TRUE(cadre_fenetre(0).a_l_echelle_un());

    struct Cas {
        int w, h, x, y, largeur, hauteur;
    };
    for (const Cas c : {Cas{1920, 1080, 240, 0, 1440, 1080}, Cas{1280, 1024, 0, 32, 1280, 960},
                        Cas{3840, 2160, 480, 0, 2880, 2160}, Cas{640, 480, 0, 0, 640, 480},
                        Cas{800, 1280, 0, 340, 800, 600}}) {
        const Cadrage p = cadre_plein_ecran(c.w, c.h);
        EXPECT_EQ(p.x, c.x) << c.w << "x" << c.h;
        EXPECT_EQ(p.y, c.y) << c.w << "x" << c.h;
        EXPECT_EQ(p.largeur, c.largeur) << c.w << "x" << c.h;
        EXPECT_EQ(p.hauteur, c.hauteur) << c.w << "x" << c.h;
    }

    // Desktops without their panels; a window also needs its title bar.
    EXPECT_EQ(facteur_qui_tient(1920, 1040), 2);
    EXPECT_EQ(facteur_qui_tient(1366, 728), 1);
    EXPECT_EQ(facteur_qui_tient(2560, 1400), 2);
    EXPECT_EQ(facteur_qui_tient(3840, 2120), 3);
    EXPECT_EQ(facteur_qui_tient(7680, 4320), 3);
    EXPECT_EQ(facteur_qui_tient(600, 400), 1) << "even when nothing fits";
}

TEST(Cadrage, ThePointerComesBackToTheGamesPixelsAndStaysInsideThePicture)
{
    for (const int f : {1, 2, 3}) {
        const Cadrage c = cadre_fenetre(f);
        for (const int jeu : {0, 123, 479})
            for (int d = 0; d < f; ++d) {
                int x = jeu * f + d, y = jeu * f + d;
                vers_le_jeu(c, x, y);
                EXPECT_EQ(x, jeu) << f << "x";
                EXPECT_EQ(y, jeu) << f << "x";
            }
    }
    for (const Cadrage c : {cadre_fenetre(2), cadre_plein_ecran(1920, 1080), cadre_plein_ecran(1280, 1024)}) {
        int x = 0, y = 0;   // over the top-left bar
        vers_le_jeu(c, x, y);
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
        x = c.x + c.largeur + 200, y = c.y + c.hauteur + 200;
        vers_le_jeu(c, x, y);
        EXPECT_EQ(x, 639);
        EXPECT_EQ(y, 479);
    }
}

class Agrandissement : public ::testing::Test {
protected:
    void SetUp() override
    {
        allegro_sans_systeme();
        source = create_bitmap_ex(16, 640, 480);
        std::mt19937 alea(7);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                pixel(source, x, y) = static_cast<uint16_t>(alea());
    }
    void TearDown() override { destroy_bitmap(source); }
    static uint16_t& pixel(BITMAP* b, int x, int y) { return reinterpret_cast<uint16_t*>(b->line[y])[x]; }

    BITMAP* source = nullptr;
};

TEST_F(Agrandissement, SharpMakesEverySourcePixelABlockOfWholeDisplayPixels)
{
    for (const int f : {2, 3}) {
        BITMAP* dest = create_bitmap_ex(16, 640 * f, 480 * f);
        agrandir(source, dest, Lissage::net);
        int differents = 0;
        for (int y = 0; y < dest->h; ++y)
            for (int x = 0; x < dest->w; ++x)
                differents += pixel(dest, x, y) != pixel(source, x / f, y / f);
        EXPECT_EQ(differents, 0) << f << "x";
        destroy_bitmap(dest);
    }
    // At 2.25x each source pixel covers 2 or 3 display pixels a side, in
    // order (the columns told apart by their numbers).
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            pixel(source, x, y) = static_cast<uint16_t>(x + 1000 * (y % 3));
    BITMAP* plein = create_bitmap_ex(16, 1440, 1080);
    agrandir(source, plein, Lissage::net);
    for (const int y : {0, 539, 1079}) {
        int x_source = 0, largeur = 0;
        for (int x = 0; x < 1440; ++x) {
            if (pixel(plein, x, y) != pixel(source, x_source, (2 * y + 1) * 480 / 2160)) {
                ASSERT_TRUE(largeur == 2 || largeur == 3) << "column " << x;
                ++x_source;
                largeur = 0;
                ASSERT_EQ(pixel(plein, x, y), pixel(source, x_source, (2 * y + 1) * 480 / 2160)) << "column " << x;
            }
            ++largeur;
        }
        EXPECT_EQ(x_source, 639) << "every column shown, the last at the right edge";
    }
    destroy_bitmap(plein);
}

TEST_F(Agrandissement, ThePointerPointsAtTheGamePixelDrawnUnderIt)
{
    // Each pixel holds its own column (or row) number.
    for (const bool colonnes : {true, false}) {
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                pixel(source, x, y) = static_cast<uint16_t>(colonnes ? x : y);
        for (const Cadrage c : {cadre_fenetre(3), cadre_plein_ecran(1920, 1080), cadre_plein_ecran(1280, 1024)}) {
            BITMAP* dest = create_bitmap_ex(16, c.largeur, c.hauteur);
            agrandir(source, dest, Lissage::net);
            int faux = 0;
            for (int i = 0; i < (colonnes ? c.largeur : c.hauteur); ++i) {
                int x = c.x + (colonnes ? i : 5), y = c.y + (colonnes ? 5 : i);
                vers_le_jeu(c, x, y);
                faux += pixel(dest, colonnes ? i : 5, colonnes ? 5 : i) != (colonnes ? x : y);
            }
            EXPECT_EQ(faux, 0) << c.largeur << "x" << c.hauteur << (colonnes ? " columns" : " rows");
            destroy_bitmap(dest);
        }
    }
}

TEST_F(Agrandissement, SmoothKeepsFlatColoursExactAndBlendsOnlyBetweenNeighbours)
{
    BITMAP* dest = create_bitmap_ex(16, 1440, 1080);
    for (const int couleur : {0xFFFF, 0x0000, 0xF800, 0x07E0, 0x001F, 0x8410}) {
        clear_to_color(source, couleur);
        agrandir(source, dest, Lissage::lisse);
        int differents = 0;
        for (int y = 0; y < dest->h; y += 7)
            for (int x = 0; x < dest->w; ++x)
                differents += pixel(dest, x, y) != couleur;
        EXPECT_EQ(differents, 0) << std::hex << couleur;
    }
    // Black left half, white right half: black and white far from the edge,
    // grey levels rising across it, and never a colour cast.
    clear_to_color(source, 0);
    rectfill(source, 320, 0, 639, 479, 0xFFFF);
    agrandir(source, dest, Lissage::lisse);
    EXPECT_EQ(pixel(dest, 700, 500), 0);
    EXPECT_EQ(pixel(dest, 740, 500), 0xFFFF);
    int gris_avant = -1;
    for (int x = 700; x <= 740; ++x) {
        const uint16_t p = pixel(dest, x, 500);
        const int r = p >> 11, g = (p >> 5) & 63, b = p & 31;
        EXPECT_EQ(r, b) << x;
        EXPECT_NEAR(g, 2 * r, 2) << x;
        EXPECT_GE(r, gris_avant) << x;
        gris_avant = r;
    }
    destroy_bitmap(dest);
}

TEST(ReglageAffichage, KeptBesideTheEditionAndReadBackWithDefaultsForAnythingOdd)
{
    DossierTemp d;
    const ReglageAffichage defaut = lire_reglage_affichage();
    EXPECT_FALSE(defaut.plein_ecran);
    EXPECT_EQ(defaut.facteur, 0);
    EXPECT_EQ(defaut.lissage, Lissage::net);

    ASSERT_TRUE(ecrire_edition(Edition::amelioree));
    d.ecrire(FICHIER_EDITION, d.lire(FICHIER_EDITION) + "souffle=7\n");   // a newer version's key
    ReglageAffichage r;
    r.plein_ecran = false;
    r.facteur = 3;
    r.lissage = Lissage::lisse;
    ASSERT_TRUE(ecrire_reglage_affichage(r));
    EXPECT_EQ(d.lire(FICHIER_EDITION), "edition=ameliore\nsouffle=7\naffichage=fenetre\nechelle=3\nlissage=oui\n");
    const ReglageAffichage relu = lire_reglage_affichage();
    EXPECT_FALSE(relu.plein_ecran);
    EXPECT_EQ(relu.facteur, 3);
    EXPECT_EQ(relu.lissage, Lissage::lisse);
    ASSERT_TRUE(ecrire_edition(Edition::classique));
    EXPECT_EQ(lire_reglage_affichage().facteur, 3) << "the edition's line alone changed";

    d.ecrire(FICHIER_EDITION, "affichage=plein-ecran\r\nechelle=9\nlissage=peut-etre\n");
    const ReglageAffichage bizarre = lire_reglage_affichage();
    EXPECT_TRUE(bizarre.plein_ecran) << "CRLF";
    EXPECT_EQ(bizarre.facteur, 0);
    EXPECT_EQ(bizarre.lissage, Lissage::net);
    d.ecrire(FICHIER_EDITION, "affichage=plein-ecran\n" + std::string(8000, '#'));
    EXPECT_FALSE(lire_reglage_affichage().plein_ecran) << "a file too long to be ours";
}

LigneDeCommande lire(std::vector<const char*> args)
{
    args.insert(args.begin(), "zef");
    return lire_ligne_de_commande(static_cast<int>(args.size()), args.data());
}

TEST(LigneDeCommande, TakesEachChoiceOnceAndRefusesTheRest)
{
    const LigneDeCommande l = lire({"--fenetre", "2", "--edition", "ameliore", "--lisse"});
    ASSERT_TRUE(l.valide);
    EXPECT_EQ(l.edition, Edition::amelioree);
    ReglageAffichage r;
    l.affichage.appliquer(r);
    EXPECT_FALSE(r.plein_ecran);
    EXPECT_EQ(r.facteur, 2);
    EXPECT_EQ(r.lissage, Lissage::lisse);

    const LigneDeCommande plein = lire({"--plein-ecran", "--revoir", "a.zrp"});
    ASSERT_TRUE(plein.valide);
    EXPECT_STREQ(plein.rejeu, "a.zrp");
    r.facteur = 3;
    plein.affichage.appliquer(r);
    EXPECT_TRUE(r.plein_ecran);
    EXPECT_EQ(r.facteur, 3) << "the window's size is kept for F11";
    EXPECT_TRUE(lire({}).affichage.vide());

    for (const std::vector<const char*>& faux :
         {std::vector<const char*>{"--fenetre"}, {"--fenetre", "4"}, {"--fenetre", "0"}, {"--fenetre", "2x"},
          {"--fenetre", "2", "--plein-ecran"}, {"--lisse", "--net"}, {"--edition", "moderne"}, {"--revoir"},
          {"--plein"}, {"fichier.zrp"}})
        EXPECT_FALSE(lire(faux).valide) << faux[0];
}

TEST(LigneDeCommande, OnlineMatchesHostedOrJoinedOverANetworkMadeWorse)
{
    const LigneDeCommande hote = lire({"--heberger", "--fenetre", "1"});
    ASSERT_TRUE(hote.valide);
    EXPECT_TRUE(hote.en_ligne.heberger);
    EXPECT_EQ(hote.en_ligne.port, 0) << "the default port";
    EXPECT_EQ(lire({"--heberger", "7100"}).en_ligne.port, 7100);

    const LigneDeCommande invite = lire({"--rejoindre", "192.168.1.20:7100", "--reseau", "delai=75,perte=5"});
    ASSERT_TRUE(invite.valide);
    EXPECT_EQ(invite.en_ligne.rejoindre, "192.168.1.20:7100");
    ASSERT_TRUE(invite.en_ligne.reseau);
    EXPECT_EQ(invite.en_ligne.reseau->delai_ms, 75);
    EXPECT_EQ(invite.en_ligne.reseau->perte_pct, 5);

    for (const std::vector<const char*>& faux :
         {std::vector<const char*>{"--heberger", "70000"}, {"--heberger", "--rejoindre", "a"}, {"--rejoindre"},
          {"--rejoindre", "a b"}, {"--rejoindre", "h:"}, {"--reseau", "vite"}})
        EXPECT_FALSE(lire(faux).valide) << faux[0] << " " << (faux.size() > 1 ? faux[1] : "");
}

}  // namespace
