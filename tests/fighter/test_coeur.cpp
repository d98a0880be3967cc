// The fighter's core: frames with its own speed, what follows the end of
// each animation, and its motion step.
#include <gtest/gtest.h>

#include "support/perso_test.h"

namespace {

class Coeur : public ::testing::Test {
protected:
    void SetUp() override { combat.preparer(p, 1, 400); }
    void TearDown() override { p.DestroyPerso(); }

    // Lets the animation run out: NewAnim every tick for n ticks.
    void jouer(int n)
    {
        for (int i = 0; i < n; ++i) {
            Combat::attendre(1);
            p.NewAnim(combat.lvl);
        }
    }
    Combat combat;
    PersoOuvert p;
};

TEST_F(Coeur, DexterityShortensOnlyLongFrames)
{
    ImgAnim img = p.ChAnim.premier->cont;
    p.donneesperso.rapidite = 6;
    p.ChAnim.premier->cont.tpimg = 20;
    p.SynchroTimeAnim();
    Combat::attendre(14);
    EXPECT_EQ(p.NewAnim(combat.lvl), 0);
    Combat::attendre(1);
    EXPECT_EQ(p.NewAnim(combat.lvl), 1);
    EXPECT_EQ(p.image(), 1);

    p.ChAnim.cour->cont.tpimg = 12;   // 12 - 6 leaves too little: the full 12 stands
    Combat::attendre(12);
    EXPECT_EQ(p.NewAnim(combat.lvl), 0);
    Combat::attendre(1);
    EXPECT_EQ(p.NewAnim(combat.lvl), 1);
    p.ChAnim.premier->cont = img;
}

TEST_F(Coeur, EndsOfAnimationsLeadBackToRestOrToTheCrouch)
{
    p.baisser();
    jouer(30);
    EXPECT_TRUE(p.status.estdans(bas));
    EXPECT_EQ(p.slot(), SLOT_BAS);

    p.Punchbas();   // an attack from the crouch ends crouched
    EXPECT_EQ(p.slot(), 23);
    jouer(40);
    EXPECT_EQ(p.slot(), SLOT_BAS);
    EXPECT_TRUE(p.status.estdans(bas));
    EXPECT_FALSE(p.status.estdans(donnecoup));

    p.sereleve();
    jouer(30);
    EXPECT_EQ(p.slot(), SLOT_REPOS);
    EXPECT_TRUE(p.status.estdans(repos));

    p.Taunt();
    jouer(30);
    EXPECT_TRUE(p.status.estdans(repos));
    p.PunchP();
    jouer(40);
    EXPECT_TRUE(p.status.estdans(repos));
    EXPECT_EQ(p.GetVx(), 0);
}

TEST_F(Coeur, AHitInTheAirHoldsItsPoseUntilLanding)
{
    p.poser(400, 200);
    p.EstTouche(Degat{10, 20, 0, false}, 0, 0);
    EXPECT_EQ(p.slot(), SLOT_TOUCHE);
    jouer(60);
    EXPECT_EQ(p.slot(), SLOT_TOUCHE);
    EXPECT_TRUE(p.status.estdans(touche));
    p.poser(400, 50);
    jouer(11);
    EXPECT_EQ(p.slot(), SLOT_REPOS);
    EXPECT_TRUE(p.status.estdans(repos));

    // Knocked down on the ground: lying once the fall has played.
    p.EstTouche(Degat{10, 20, 30, true}, 0, 0);
    jouer(30);
    EXPECT_EQ(p.slot(), SLOT_A_TERRE);
    EXPECT_TRUE(p.status.estdans(aterre));
}

TEST_F(Coeur, GettingUpDizzyStaysDizzy)
{
    p.status.ajouter(pommes);
    p.sereleve();
    jouer(30);
    EXPECT_EQ(p.slot(), SLOT_POMMES);
    EXPECT_TRUE(p.status.estdans(pommes));
    EXPECT_TRUE(p.status.estdans(repos));
}

TEST_F(Coeur, AFramesOwnSpeedOverridesTheFightersAndFollowsItsFacing)
{
    p.ChAnim.cour->cont.mvtx = 8;
    p.BmpFlip();   // facing left
    p.vitesse(50, 0);
    p.SynchroTime();
    Combat::attendre(10);
    p.NewPos();
    EXPECT_EQ(p.GetVx(), -8);
    EXPECT_EQ(p.GetX(), 392);
    p.ChAnim.cour->cont.mvtx = 0;
}

TEST_F(Coeur, TheMotionStepKeepsTheFighterOnTheStage)
{
    p.vitesse(-1000, 0);
    p.SynchroTime();
    Combat::attendre(10);
    p.NewPos();
    EXPECT_EQ(p.GetX(), p.dx);
    p.vitesse(5000, 5000);
    Combat::attendre(10);
    p.NewPos();
    EXPECT_EQ(p.GetX(), 1280 - p.dx);
    EXPECT_EQ(p.GetY(), 600);
    p.vitesse(0, -9000);
    Combat::attendre(10);
    p.NewPos();
    EXPECT_EQ(p.GetY(), 0);
}

TEST_F(Coeur, TheCpuSeesBothFighters)
{
    p.SetMana(42);
    CETAT adv;
    adv.initCETAT();
    adv.ajouter(saute);
    p.getInfo(adv, 250);
    EXPECT_EQ(p.info.mana, 42);
    EXPECT_EQ(p.info.Position, 400);
    EXPECT_EQ(p.info.adv.dist, 150);
    EXPECT_EQ(p.info.adv.Position, 250);
    EXPECT_TRUE(p.info.adv.status.estdans(saute));
    EXPECT_TRUE(p.info.status.estdans(repos));
}

}  // namespace
