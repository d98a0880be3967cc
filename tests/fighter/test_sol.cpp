// Ground, walls and gravity: jumps, knock-downs with bounces, getting up.
#include <gtest/gtest.h>

#include "support/perso_test.h"

namespace {

class Sol : public ::testing::Test {
protected:
    void SetUp() override { combat.preparer(p, 1, 640); }
    void TearDown() override { p.DestroyPerso(); }
    // One game step of the fighter's own: environment, animation, motion.
    void pas()
    {
        Combat::attendre(3);
        p.TesteEnvir(combat.lvl);
        p.NewAnim(combat.lvl);
        p.NewPos();
    }
    Combat combat;
    PersoOuvert p;
};

TEST_F(Sol, ExactlyOnTheGroundIsNeitherAirborneNorFalling)
{
    EXPECT_TRUE(p.touchesol(combat.lvl));
    EXPECT_FALSE(p.enlair(combat.lvl));
    EXPECT_FALSE(p.retombe(combat.lvl));
    EXPECT_TRUE(p.BienEnLAir(combat.lvl));
    p.poser(640, 249);
    EXPECT_TRUE(p.BienEnLAir(combat.lvl));
    p.poser(640, 250);
    EXPECT_FALSE(p.BienEnLAir(combat.lvl));
}

TEST_F(Sol, AJumpRisesFallsAndLandsStill)
{
    p.sauter();
    EXPECT_EQ(p.GetVy(), p.Cvitdesaut);
    int sommet = 0;
    int pas_faits = 0;
    while ((p.status.estdans(saute) || pas_faits == 0) && pas_faits < 200) {
        pas();
        sommet = std::max(sommet, p.GetY());
        ++pas_faits;
    }
    EXPECT_LT(pas_faits, 200);
    EXPECT_GT(sommet, 250);   // about 330 pixels above the ground at effective 12
    EXPECT_EQ(p.GetY(), 50);
    EXPECT_TRUE(p.status.estdans(repos));
    EXPECT_EQ(p.GetVx(), 0);
    EXPECT_EQ(p.GetVy(), 0);
    EXPECT_EQ(p.Ay, 0);
}

TEST_F(Sol, AKnockDownBouncesThenGetsUp)
{
    p.status.ajouter(touchetombe);
    p.poser(640, 45);
    p.vitesse(0, -40);
    p.TesteEnvir(combat.lvl);
    EXPECT_EQ(p.GetY(), 50);
    EXPECT_EQ(p.GetVy(), 13);   // a third of the fall, upward

    p.poser(640, 45);
    p.vitesse(0, -14);
    p.TesteEnvir(combat.lvl);
    EXPECT_EQ(p.GetVy(), 4);
    EXPECT_FALSE(p.status.estdans(releve));
    p.TesteEnvir(combat.lvl);   // on the ground at 5 or less: up again
    EXPECT_TRUE(p.status.estdans(releve));
    EXPECT_EQ(p.slot(), SLOT_RELEVE);
}

TEST_F(Sol, ABeatenFighterStaysDown)
{
    p.dVie = 0;
    p.Vie = -5;
    p.status.ajouter(aterre);
    p.vitesse(0, 3);
    for (int i = 0; i < 10; ++i)
        p.TesteEnvir(combat.lvl);
    EXPECT_EQ(p.GetVy(), 0);
    EXPECT_TRUE(p.status.estdans(aterre));
    EXPECT_FALSE(p.status.estdans(releve));
}

TEST_F(Sol, WallsStopOnlyTheMotionIntoThem)
{
    combat.lvl.scrollx = 0;
    p.poser(30, 50);
    p.dx = 29;   // the sprite's left edge at 1
    p.vitesse(-20, 0);
    EXPECT_TRUE(p.touchegauche(combat.lvl));
    EXPECT_EQ(p.GetX(), 30);
    p.TesteEnvir(combat.lvl);
    EXPECT_EQ(p.GetVx(), 0);
    p.vitesse(20, 0);
    p.TesteEnvir(combat.lvl);
    EXPECT_EQ(p.GetVx(), 20);

    p.poser(700, 50);   // beyond the screen's right edge
    EXPECT_TRUE(p.touchedroit(combat.lvl));
    EXPECT_EQ(p.GetX(), 640);
}

}  // namespace
