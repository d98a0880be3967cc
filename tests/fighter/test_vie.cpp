// Taking hits in the three guard modes, the dizzy series, the drain of the
// displayed life, and mana.
#include <gtest/gtest.h>

#include "support/perso_test.h"

namespace {

class Vie : public ::testing::Test {
protected:
    void SetUp() override
    {
        combat.preparer(p, 1, 400);
        p.Vie = 300;
        p.dVie = 300;
    }
    void TearDown() override { p.DestroyPerso(); }
    // Runs the drain until it stops, one tick at a time.
    void drainer()
    {
        for (int i = 0; i < 5000 && p.dVie > p.Vie; ++i) {
            Combat::attendre(1);
            p.TesteEnvir(combat.lvl);
        }
    }
    Combat combat;
    PersoOuvert p;
};

TEST_F(Vie, ACleanHitTakesLifePushesBackAndDrainsInSteps)
{
    p.EstTouche(Degat{10, 20, 0, false}, 4, 0);
    EXPECT_EQ(p.Vie, 286);
    EXPECT_EQ(p.GetVie(), 300);
    EXPECT_EQ(p.GetVx(), -20);   // facing right: pushed left
    EXPECT_TRUE(p.status.estdans(touche));
    EXPECT_EQ(p.slot(), SLOT_TOUCHE);
    drainer();
    EXPECT_EQ(p.GetVie(), 285);
}

TEST_F(Vie, GuardsChipSpecialsAndStopPlainAttacks)
{
    p.donneesperso.coefprotect = 9;
    p.EstTouche(Degat{30, 20, 10, true}, 6, 1);
    EXPECT_EQ(p.Vie, 295);
    EXPECT_EQ(p.GetVx(), 0);
    EXPECT_FALSE(p.status.estdans(touchetombe));
    p.EstTouche(Degat{30, 20, 10, true}, 6, 2);
    EXPECT_EQ(p.Vie, 295);
    EXPECT_TRUE(p.status.estdans(repos));
}

TEST_F(Vie, ASeriesOfHitsWhileTheLifeDrainsKnocksDownAndDazes)
{
    p.donneesperso.nbcoupspommes = 4;
    const Degat leger{5, 0, 0, false};
    p.EstTouche(leger, 0, 0);
    EXPECT_EQ(p.nbcoup, 0);
    for (int i = 1; i <= 3; ++i) {
        p.EstTouche(leger, 0, 0);
        EXPECT_EQ(p.nbcoup, i);
    }
    p.EstTouche(leger, 0, 0);
    EXPECT_EQ(p.nbcoup, 0);
    EXPECT_TRUE(p.status.estdans(pommes));
    EXPECT_TRUE(p.status.estdans(touchetombe));
    EXPECT_EQ(p.slot(), SLOT_TOMBE);

    // Another hit wakes the fighter before counting.
    p.EstTouche(leger, 0, 0);
    EXPECT_FALSE(p.status.estdans(pommes));
    EXPECT_EQ(p.nbcoup, 1);
}

TEST_F(Vie, DizzinessEndsOnceTheDisplayedLifeHasCaughtUp)
{
    p.status.ajouter(pommes);
    p.Vie = 280;
    p.TesteEnvir(combat.lvl);
    EXPECT_TRUE(p.status.estdans(pommes));
    drainer();
    p.TesteEnvir(combat.lvl);   // the dizziness test runs before the drain step
    EXPECT_FALSE(p.status.estdans(pommes));
    EXPECT_TRUE(p.status.estdans(repos));
}

TEST_F(Vie, AKnockedOutFighterDrainsFast)
{
    p.Vie = -5;
    p.dVie = 40;
    for (int pas = 0; pas < 2; ++pas) {
        Combat::attendre(61);
        p.TesteEnvir(combat.lvl);
    }
    EXPECT_EQ(p.GetVie(), 0);   // two steps of 20
    drainer();
    EXPECT_EQ(p.dVie, -20.0);   // one step past the real life, no more
}

TEST_F(Vie, ASpecialMoveIsNotInterruptedByALightHit)
{
    p.SetMana(100);
    p.SpecialPunch1();
    p.EstTouche(Degat{10, 20, 0, false}, 0, 0);
    EXPECT_EQ(p.slot(), 40);
    EXPECT_FALSE(p.status.estdans(touche));
    EXPECT_EQ(p.Vie, 290);
}

TEST_F(Vie, ManaStaysBetweenZeroAndItsCap)
{
    p.SetMana(10);
    p.RemMana(25);
    EXPECT_EQ(p.Mana, 0);
    p.AddMana(1000);
    EXPECT_EQ(p.Mana, p.donneesperso.ManaMax);
    p.Taunt();
    EXPECT_EQ(p.Mana, 152);
}

}  // namespace
