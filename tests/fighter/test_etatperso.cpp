// The state set: which states a new one replaces, and drawing priorities.
#include <gtest/gtest.h>

#include "fighter/etatperso.h"

namespace {

CETAT neuf()
{
    CETAT c;
    c.initCETAT();
    return c;
}

TEST(EtatPerso, StartsIdleOnlyWithPriorityZero)
{
    const CETAT c = neuf();
    for (int e = 0; e < NB_ETATS; ++e)
        EXPECT_EQ(c.estdans(static_cast<ETAT>(e)), e == repos) << e;
    EXPECT_EQ(c.Prior, 0);
    EXPECT_EQ(c.SetPrior(), -1);
}

TEST(EtatPerso, CrouchingJumpingAndDizzinessLastUntilRemoved)
{
    CETAT c = neuf();
    c.ajouter(bas);
    c.ajouter(protection);
    EXPECT_TRUE(c.estdans(bas));
    EXPECT_TRUE(c.estdans(protection));
    EXPECT_EQ(c.petat, protection);
    EXPECT_EQ(c.Prior, -1);

    CETAT d = neuf();
    d.ajouter(protection);
    d.ajouter(bas);
    EXPECT_FALSE(d.estdans(protection));
    EXPECT_TRUE(d.estdans(bas));

    CETAT e = neuf();
    e.ajouter(saute);
    e.ajouter(donnecoup);
    EXPECT_TRUE(e.estdans(saute));
    EXPECT_EQ(e.Prior, 0);
    e.enlever(saute);
    EXPECT_TRUE(e.estdans(donnecoup));
    EXPECT_EQ(e.Prior, 1);

    CETAT f = neuf();
    f.ajouter(pommes);
    f.ajouter(repos);
    EXPECT_TRUE(f.estdans(pommes));
    EXPECT_TRUE(f.estdans(repos));
}

TEST(EtatPerso, RemovingTheLastStateKeepsItsNameForTheNextAdd)
{
    CETAT c = neuf();
    c.ajouter(marche);
    c.enlever(marche);
    EXPECT_EQ(c.petat, marche);
    EXPECT_FALSE(c.estdans(marche));
    c.ajouter(taunt);
    EXPECT_TRUE(c.estdans(taunt));
    EXPECT_FALSE(c.estdans(marche));
    c.ajouter(taunt);   // adding the state already last leaves it set
    EXPECT_TRUE(c.estdans(taunt));
}

TEST(EtatPerso, PriorityRanksIdleBelowMovingBelowAttacking)
{
    CETAT c = neuf();
    c.ajouter(course);
    EXPECT_FALSE(c.estdans(repos));
    EXPECT_EQ(c.Prior, 1);
    c.ajouter(marche);
    EXPECT_EQ(c.Prior, 0);
    c.ajouter(bas);
    c.ajouter(donnecoup);   // a crouched attacker stays behind
    EXPECT_EQ(c.Prior, -1);
    CETAT vide;
    EXPECT_EQ(vide.SetPrior(), 0);
}

}  // namespace
