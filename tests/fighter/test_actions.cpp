// Moves: speeds, slots, and the mana rule of the costly ones.
#include <gtest/gtest.h>

#include "support/perso_test.h"

namespace {

class Actions : public ::testing::Test {
protected:
    void SetUp() override { combat.preparer(p, 1, 400); }
    void TearDown() override { p.DestroyPerso(); }
    Combat combat;
    PersoOuvert p;
};

TEST_F(Actions, WalkingAgainChangesSpeedWithoutRestartingTheWalk)
{
    p.avancer();
    EXPECT_EQ(p.GetVx(), 34);
    Combat::attendre(11);
    p.NewAnim(combat.lvl);
    EXPECT_EQ(p.image(), 1);
    p.reculer();
    EXPECT_EQ(p.GetVx(), -34);
    EXPECT_EQ(p.image(), 1);
}

TEST_F(Actions, SidewaysJumpsPickTheirSlotByFacing)
{
    p.BmpFlip();   // facing left
    p.sauterD();
    EXPECT_EQ(p.GetVx(), 34);
    EXPECT_EQ(p.GetVy(), 89);
    // Slot 7 is empty in this file: its fallback, slot 5, shows.
    EXPECT_EQ(p.slot(), SLOT_SAUT);
    p.sauterG();
    EXPECT_EQ(p.slot(), SLOT_SAUT_AVANT);

    p.vitesse(0, 50);
    p.PlanerAvt();
    EXPECT_EQ(p.GetVx(), 10);
    p.PlanerAr();
    EXPECT_EQ(p.GetVx(), 10);   // already drifting
}

TEST_F(Actions, CostlyMovesNeedStrictlyMoreManaThanTheirCost)
{
    p.SetMana(8);   // the dodge costs 8
    p.Esquive();
    EXPECT_FALSE(p.status.estdans(esquive));
    EXPECT_EQ(p.Mana, 8);
    p.SetMana(9);
    p.Esquive();
    EXPECT_TRUE(p.status.estdans(esquive));
    EXPECT_EQ(p.Mana, 1);

    p.SetMana(20);   // the first special costs 20
    p.SpecialPunch1();
    EXPECT_FALSE(p.Speencour);
    p.SetMana(21);
    p.SpecialPunch1();
    EXPECT_TRUE(p.Speencour);
    EXPECT_EQ(p.Mana, 1);
    EXPECT_EQ(p.slot(), 40);
}

TEST_F(Actions, AMoveWhoseSlotIsEmptyIsUnavailable)
{
    p.SetMana(150);
    p.SpecialKick2();   // slot 43 is empty: it would only fall back to another move
    EXPECT_FALSE(p.Speencour);
    EXPECT_EQ(p.Mana, 150);
    EXPECT_EQ(p.slot(), SLOT_REPOS);
}

TEST_F(Actions, RunningAndChargingGoTwiceAsFastForward)
{
    p.SetMana(50);
    p.BmpFlip();
    p.Course();
    EXPECT_EQ(p.GetVx(), -68);
    EXPECT_EQ(p.Mana, 40);
    EXPECT_TRUE(p.status.estdans(course));
    p.Charge();
    EXPECT_EQ(p.GetVx(), -68);
    EXPECT_TRUE(p.status.estdans(donnecoup));
    EXPECT_EQ(p.slot(), SLOT_CHARGE);
}

TEST_F(Actions, AMegaMoveFromACrouchStandsTheFighterUp)
{
    p.SetMana(100);
    p.StandBas();
    p.MegaConcentre();
    EXPECT_FALSE(p.status.estdans(bas));
    EXPECT_TRUE(p.status.estdans(donnecoup));
    EXPECT_EQ(p.faitRalentir, 1);   // shiz slows the game down
}

TEST_F(Actions, TheProjectileLeavesFromTheLaunchFrameAndFliesUntilTheEdge)
{
    p.BmpFlip();   // facing left
    p.SetMana(100);
    p.SpecialPunch1();
    p.SpeEvenSuiv(combat.lvl);
    EXPECT_EQ(p.nObj, 0);   // the first frame launches nothing
    Combat::attendre(11);
    p.NewAnim(combat.lvl);
    p.SpeEvenSuiv(combat.lvl);
    ASSERT_EQ(p.nObj, 1);
    EXPECT_TRUE(p.Obj.EstRetourne());
    EXPECT_EQ(p.Obj.GetY(), 50 + 60);
    const int depart = p.Obj.GetX();
    EXPECT_LE(depart, 400 - 40);
    for (int i = 0; i < 400 && p.nObj; ++i) {
        Combat::attendre(3);
        p.SpeEvenSuiv(combat.lvl);
    }
    EXPECT_EQ(p.nObj, 0);
    EXPECT_LE(p.Obj.GetX(), 0);
}

TEST_F(Actions, TheSpecialMoveEndsOnItsLastFrameAndClearsItsRequests)
{
    p.SetMana(100);
    p.MegaConcentre();
    for (int i = 0; i < 100 && p.Speencour; ++i) {
        Combat::attendre(1);
        p.NewAnim(combat.lvl);
        p.SpeEvenSuiv(combat.lvl);
    }
    EXPECT_FALSE(p.Speencour);
    EXPECT_EQ(p.faitRalentir, 0);
}

}  // namespace
