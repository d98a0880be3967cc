// Integer motion against the animation clock: truncation toward zero.
#include <gtest/gtest.h>

#include "graphics/objetmvt.h"

namespace {

class Mouvement : public ::testing::Test {
protected:
    void SetUp() override
    {
        t = 1000;
        o.SynchroTime();
    }
    void TearDown() override { t = 0; }
    void pas(int ticks)
    {
        t += ticks;
        o.NewPos();
    }
    ObjetMvt o;
};

TEST_F(Mouvement, TwoStepsAtTheSameTickChangeNothing)
{
    o.SetVx(50);
    o.SetAy(-12);
    pas(0);
    EXPECT_EQ(o.GetX(), 0);
    EXPECT_EQ(o.GetVy(), 0);
}

TEST_F(Mouvement, SlowSpeedsOnlyMoveWhenStepsAreFarEnoughApart)
{
    o.SetVx(5);
    for (int i = 0; i < 10; ++i)
        pas(1);
    EXPECT_EQ(o.GetX(), 0);
    for (int i = 0; i < 10; ++i)
        pas(2);
    EXPECT_EQ(o.GetX(), 10);

    o.SetVx(-5);   // toward zero on the negative side too
    pas(1);
    EXPECT_EQ(o.GetX(), 10);
    pas(2);
    EXPECT_EQ(o.GetX(), 9);
}

TEST_F(Mouvement, AccelerationAppliesFirstAndTruncatesTowardZero)
{
    o.SetAy(-12);
    pas(3);
    EXPECT_EQ(o.GetVy(), -3);   // -36 / 10, not -4
    EXPECT_EQ(o.GetY(), 0);     // 3 * -3 / 10 = -0.9

    ObjetMvt p;
    p.SynchroTime();
    p.SetAy(-12);
    t += 5;
    p.NewPos();
    EXPECT_EQ(p.GetVy(), -6);
    EXPECT_EQ(p.GetY(), -3);
}

TEST_F(Mouvement, IdleTimeIsForgottenAfterASynchro)
{
    o.SetVx(10);
    t += 500;
    o.SynchroTime();
    pas(4);
    EXPECT_EQ(o.GetX(), 4);
    o.MvtVarInit();
    pas(4);
    EXPECT_EQ(o.GetX(), 4);
}

}  // namespace
