// Frame lists: building, walking, looping, timing and releasing.
#include <gtest/gtest.h>

#include <vector>

#include <cstring>

#include "graphics/listeanim.h"

namespace {

ImgAnim frame(int n, int tpimg = 10)
{
    ImgAnim i;
    i.Init_Img_Anim();
    i.tpimg = tpimg;
    i.mana = n;   // the frame's number, to recognise it
    return i;
}

ListeAnim liste(int n)
{
    ListeAnim l;
    for (int i = 1; i <= n; ++i) {
        l.ajouter(frame(i));
        l.suivant();
    }
    l.Premier();
    return l;
}

std::vector<int> marche(ListeAnim& l, int pas)
{
    std::vector<int> vus;
    for (int i = 0; i < pas && !l.EstVide(); ++i) {
        vus.push_back(l.extraire().mana);
        l.suivant();
    }
    return vus;
}

TEST(ListeAnim, AppendingKeepsTheOrderAndCountsTheNodes)
{
    ListeAnim l = liste(3);
    EXPECT_EQ(l.nbelem, 3);
    EXPECT_TRUE(l.estpremier());
    EXPECT_EQ(marche(l, 10), (std::vector<int>{1, 2, 3}));
    // Run off the end: empty to the cursor, though the nodes are there.
    EXPECT_TRUE(l.EstVide());
    EXPECT_EQ(l.extraire().ObjSpe, -1);
    EXPECT_EQ(l.extraire().O.x, -1);
    l.toutsupprimer();
}

TEST(ListeAnim, InsertingBeforeTheCursor)
{
    ListeAnim l = liste(2);
    l.suivant();              // on frame 2
    l.ajouter(frame(9));      // goes between 1 and 2, becomes the cursor
    EXPECT_EQ(l.extraire().mana, 9);
    l.Premier();
    l.ajouter(frame(7));      // before the first: the new first
    l.Premier();
    EXPECT_EQ(marche(l, 10), (std::vector<int>{7, 1, 9, 2}));
    EXPECT_EQ(l.nbelem, 4);
    l.toutsupprimer();
}

TEST(ListeAnim, LoopingBackToATargetNeverEnds)
{
    ListeAnim l = liste(3);
    l.suivant();
    ItemImgAnim* deux = l.cour;
    l.boucler(deux);
    EXPECT_TRUE(l.estpremier());
    std::vector<int> vus;
    for (int i = 0; i < 7; ++i) {
        vus.push_back(l.extraire().mana);
        EXPECT_FALSE(l.estfindeliste());
        l.suivant();
    }
    EXPECT_EQ(vus, (std::vector<int>{1, 2, 3, 2, 3, 2, 3}));
    l.toutsupprimer();   // counted, so a loop is released once

    ListeAnim fin = liste(2);
    fin.bouclerfin();
    EXPECT_EQ(marche(fin, 5), (std::vector<int>{1, 2, 2, 2, 2}));
    fin.toutsupprimer();
    EXPECT_EQ(fin.nbelem, 0);
    EXPECT_TRUE(fin.EstVide());
}

TEST(ListeAnim, AFrameIsOverStrictlyAfterItsTime)
{
    ListeAnim l;
    l.ajouter(frame(1, 20));
    t = 120;
    EXPECT_FALSE(l.EstTimeImgFini(100));
    t = 121;
    EXPECT_TRUE(l.EstTimeImgFini(100));
    l.toutsupprimer();

    // A bonus shortens a frame only while at least ten ticks remain.
    ListeAnim m;
    m.ajouter(frame(1, 12));
    t = 112;
    EXPECT_FALSE(m.EstTimeImgFini(100, 5));   // 12 - 5 = 7: dropped, 12 stands
    t = 113;
    EXPECT_TRUE(m.EstTimeImgFini(100, 5));
    t = 110;
    EXPECT_FALSE(m.EstTimeImgFini(100, 2));   // 10 stands
    t = 111;
    EXPECT_TRUE(m.EstTimeImgFini(100, 2));
    t = 109;
    EXPECT_FALSE(m.EstTimeImgFini(100, 3));   // 9 is too short: back to 12
    m.toutsupprimer();
    t = 0;
}

TEST(ImgAnim, AFileRecordIsTurnedUpward)
{
    DONNEES d;
    d.O = {30, 90};
    d.mvtx = 7;
    d.mvty = 4;
    d.nb_attaques = 2;
    d.attaque[0] = {40, -60};
    d.attaque[1] = {35, -55};
    d.attaque[2] = {99, 99};   // beyond the count: not taken
    d.nb_touches = 1;
    d.touche[0] = {{-10, -80}, {12, 0}};
    d.dgt = {25, 15, -20, true};
    d.positionFX = {50, -70};
    d.lanceFX = 3;
    d.time = 11;
    d.mana = 30;
    std::strcpy(d.chemin, "shiz/img/a.bmp");

    ImgAnim i;
    i.Init_Img_Anim();
    i.SetDonnee(d);
    EXPECT_EQ(i.O.x, 30);
    EXPECT_EQ(i.O.y, 90);
    EXPECT_EQ(i.mvtx, 7);
    EXPECT_EQ(i.mvty, -4);
    EXPECT_EQ(i.nbattaque, 2);
    EXPECT_EQ(i.attaque[0].y, 60);
    EXPECT_EQ(i.attaque[1].x, 35);
    EXPECT_EQ(i.attaque[2].x, 0);
    EXPECT_EQ(i.nbstand, 1);
    EXPECT_EQ(i.stand[0].SupG.x, -10);
    EXPECT_EQ(i.stand[0].SupG.y, 80);
    EXPECT_EQ(i.stand[0].InfD.x, 12);
    EXPECT_EQ(i.stand[0].InfD.y, 0);
    EXPECT_EQ(i.deg.dmg, 25);
    EXPECT_EQ(i.deg.ForceVx, 15);
    EXPECT_EQ(i.deg.ForceVy, 20);
    EXPECT_TRUE(i.deg.tombe);
    EXPECT_EQ(i.ObjX, 50);
    EXPECT_EQ(i.ObjY, 70);
    EXPECT_EQ(i.ObjSpe, 3);
    EXPECT_EQ(i.tpimg, 11);
    EXPECT_EQ(i.nbdefense, 0);
    EXPECT_STREQ(i.chem, "shiz/img/a.bmp");
    EXPECT_EQ(i.img, nullptr);

    // Counts beyond what a frame holds are cut to fit.
    d.nb_attaques = 5;
    d.nb_touches = -2;
    i.SetDonnee(d);
    EXPECT_EQ(i.nbattaque, 3);
    EXPECT_EQ(i.nbstand, 0);
}

}  // namespace
