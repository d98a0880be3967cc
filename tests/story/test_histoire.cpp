// The story's opponents: a level around the player's and as many points.
#include <gtest/gtest.h>

#include <cstdlib>

#include "story/histoire.h"

namespace {

TEST(Histoire, AFirstLevelPlayerMeetsAnUntrainedOpponent)
{
    HISTOIRE h;
    ParamJoueur adv;
    adv.carac.niveau = 4;
    h.generer_carac(adv, 1);
    EXPECT_EQ(adv.carac.niveau, 4);
    EXPECT_EQ(HISTOIRE::niveau_adversaire(adv.carac), 1);
}

TEST(Histoire, OpponentsGetALevelAroundThePlayersAndThatManyPoints)
{
    HISTOIRE h;
    std::srand(5);
    for (int essai = 0; essai < 200; ++essai) {
        ParamJoueur adv;
        h.generer_carac(adv, 6);
        const CARACTERISTIQUES& c = adv.carac;
        EXPECT_GE(c.niveau, 5);
        EXPECT_LE(c.niveau, 7);
        EXPECT_EQ(c.bonusforce + c.bonusdexterite + c.bonusconstitution + c.bonusarcanes, c.niveau);
    }
    // Points given before a later fight add to the earlier ones.
    ParamJoueur adv;
    h.generer_carac(adv, 3);
    const int avant = HISTOIRE::niveau_adversaire(adv.carac);
    h.generer_carac(adv, 3);
    EXPECT_GE(HISTOIRE::niveau_adversaire(adv.carac), avant + 2);
}

}  // namespace
