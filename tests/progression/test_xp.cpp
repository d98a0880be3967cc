// Experience, levels and unspent points.
#include <gtest/gtest.h>

#include <limits>

#include "progression/xp.h"

namespace {

TEST(Niveaux, EachLevelStartsAtSevenHundredTimesASquare)
{
    GESTION_XP g;
    const std::pair<uint32_t, int> cas[] = {
        {0, 1},      {699, 1},    {700, 2},    {2799, 2},   {2800, 3},  {6300, 4},
        {11200, 5},  {56700, 10}, {252700, 20}, {548799, 28}, {548800, 29}, {588700, 29},
        {std::numeric_limits<uint32_t>::max(), 29}};
    for (auto [xp, niveau] : cas)
        EXPECT_EQ(g.GetNiveau(xp), niveau) << xp;
}

TEST(Niveaux, UnspentPointsNeverGoBelowZeroAndIgnoreTheStoredLevel)
{
    GESTION_XP g;
    CARACTERISTIQUES c;
    c.experience = 11200;   // level 5: four points
    c.bonusforce = c.bonusdexterite = c.bonusconstitution = 1;
    EXPECT_EQ(g.GetBonus(c), 1);
    c.bonusforce = 2;
    EXPECT_EQ(g.GetBonus(c), 0);
    c.bonusforce = 3;
    EXPECT_EQ(g.GetBonus(c), 0);

    CARACTERISTIQUES d;
    d.niveau = 1;
    d.experience = 2800;
    EXPECT_EQ(g.GetBonus(d), 2);
}

}  // namespace
