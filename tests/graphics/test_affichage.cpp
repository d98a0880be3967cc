// Where pictures land: stage objects through the camera (mirrored or not),
// screen objects, and the part of the stage background on show.
#include <gtest/gtest.h>

#include "graphics/objetgraph.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"
#include "support/fichier_anim_test.h"

namespace {

struct Encre {
    int gauche = 1 << 30, droite = -1, haut = 1 << 30, bas = -1;
};

Encre encre(BITMAP* b)
{
    Encre e;
    for (int y = 0; y < b->h; ++y)
        for (int x = 0; x < b->w; ++x)
            if (getpixel(b, x, y) != 0) {
                e.gauche = std::min(e.gauche, x);
                e.droite = std::max(e.droite, x);
                e.haut = std::min(e.haut, y);
                e.bas = std::max(e.bas, y);
            }
    return e;
}

class Affichage : public ::testing::Test {
protected:
    void SetUp() override
    {
        allegro_sans_systeme();
        ecran = create_bitmap_ex(16, 640, 480);
        clear_to_color(ecran, 0);
        // A 60 x 40 picture, its left half red, its right half green.
        image = create_bitmap_ex(16, 60, 40);
        rectfill(image, 0, 0, 29, 39, makecol16(255, 0, 0));
        rectfill(image, 30, 0, 59, 39, makecol16(0, 255, 0));
        o.SetBitmap(image);
    }
    void TearDown() override
    {
        destroy_bitmap(ecran);
        destroy_bitmap(image);
    }
    BITMAP* ecran = nullptr;
    BITMAP* image = nullptr;
    ObjetGraph o;
    ParamLvl lvl;
};

TEST_F(Affichage, TheAnchorStaysOnItsColumnWhicheverWayThePictureFaces)
{
    o.dx = 10;
    o.dy = 40;
    o.SetX(300);
    o.SetY(0);
    lvl.scrollx = 100;
    o.Affiche(ecran, lvl);
    Encre e = encre(ecran);
    EXPECT_EQ(e.gauche, 190);
    EXPECT_EQ(e.haut, 440);   // feet on the bottom row
    EXPECT_EQ(e.bas, 479);
    EXPECT_EQ(getr16(getpixel(ecran, 190, 450)), 255);

    clear_to_color(ecran, 0);
    o.BmpFlip();
    o.Affiche(ecran, lvl);
    e = encre(ecran);
    EXPECT_EQ(e.gauche, 150);
    EXPECT_EQ(getg16(getpixel(ecran, 150, 450)), 255);   // mirrored: green on the left
    EXPECT_EQ(getr16(getpixel(ecran, 209, 450)), 255);
    o.BmpFlip();
    EXPECT_FALSE(o.EstRetourne());
}

TEST_F(Affichage, TheCameraHeightLiftsTheStageDown)
{
    o.SetX(100);
    o.SetY(200);
    lvl.scrolly = 50;
    o.Affiche(ecran, lvl);
    EXPECT_EQ(encre(ecran).haut, 480 - (200 - 50));
    EXPECT_EQ(o.GetX_scr(100), 0);
    o.SetX(350);
    EXPECT_EQ(o.GetX_scr(100), 250);
}

TEST_F(Affichage, MaskedPixelsAreNotDrawnAndNothingIsDrawnWithoutAPicture)
{
    rectfill(image, 0, 0, 59, 19, makecol16(255, 0, 255));
    o.dy = 40;
    o.Affiche(ecran, lvl);
    EXPECT_EQ(encre(ecran).haut, 480 - 40 + 20);
    ObjetGraph vide;
    clear_to_color(ecran, 0);
    vide.Affiche(ecran, lvl);
    vide.AfficheEcran(ecran);
    vide.AfficheTransp(ecran, lvl, 128);
    vide.AfficheFond(ecran);
    EXPECT_EQ(encre(ecran).droite, -1);
}

TEST_F(Affichage, MenuObjectsSitAtTheirScreenPlace)
{
    DossierTemp dossier;
    ecrire_bmp("bouton.bmp", 101, 20, 0, 0, 255);
    ObjetGraph b;
    b.dx = 5;
    b.SetObjetMenu("bouton.bmp", 123, 282);
    EXPECT_EQ(b.dx, 5);
    b.AfficheEcran(ecran);
    Encre e = encre(ecran);
    EXPECT_EQ(e.gauche, 123);
    EXPECT_EQ(e.haut, 198);
    b.DestroyBitmap();

    b.SetObjetMenuCentre("bouton.bmp", 999, 100);
    EXPECT_EQ(b.dx, 0);
    EXPECT_EQ(b.GetX(), 270);   // 320 - 101 / 2
    b.DestroyBitmap();
    b.SetObjet("bouton.bmp", 7, 9, false);
    EXPECT_EQ(b.GetX(), 7);
    b.DestroyBitmap();
    EXPECT_EQ(b.ObjBmp, nullptr);
}

TEST_F(Affichage, TheBackgroundShowsThePartUnderTheCamera)
{
    // 1280 x 600, each pixel's colour telling its row (red) and its column (green).
    BITMAP* fond = create_bitmap_ex(16, 1280, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 1280; x += 8)
            putpixel(fond, x, y, makecol16(y % 256, (x / 8) % 256, 0));
    lvl.fond = fond;
    lvl.scrollx = 640;
    lvl.scrolly = 120;
    lvl.AfficheDecor(ecran);
    EXPECT_EQ(getpixel(ecran, 0, 0), getpixel(fond, 640, 0));
    EXPECT_EQ(getpixel(ecran, 632, 479), getpixel(fond, 1272, 479));

    lvl.scrolly = 0;
    lvl.AfficheDecor(ecran);
    EXPECT_EQ(getpixel(ecran, 8, 0), getpixel(fond, 648, 120));
    EXPECT_EQ(getpixel(ecran, 8, 479), getpixel(fond, 648, 599));
    lvl.fond = nullptr;
    destroy_bitmap(fond);
}

TEST(Decor, EachStageHasItsDatafileObject)
{
    EXPECT_STREQ(ParamLvl::NomObjet(aeroport), "aeroport");
    EXPECT_STREQ(ParamLvl::NomObjet(elbeuf), "iut");
    EXPECT_STREQ(ParamLvl::NomObjet(inde), "inde");
    EXPECT_EQ(ParamLvl::NomObjet(static_cast<STAGE>(3)), nullptr);
    ParamLvl l;
    l.LoadBitmap(static_cast<STAGE>(7));
    EXPECT_EQ(l.fond, nullptr);
    EXPECT_EQ(l.GetHteurSol(), 50);
    EXPECT_EQ(l.GetGravite(), 12);
}

}  // namespace
