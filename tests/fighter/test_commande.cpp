// The input dispatch: the same key walks, guards, drifts or stands up
// depending on the fighter's states and the opponent's attack.
#include <gtest/gtest.h>

#include "support/perso_test.h"

namespace {

class Commande : public ::testing::Test {
protected:
    void SetUp() override
    {
        combat.preparer(p, 1, 400);
        adversaire.initCETAT();
    }
    void TearDown() override { p.DestroyPerso(); }

    void tenir(std::initializer_list<int> roles)
    {
        for (int k = 0; k < KEY_MAX; ++k)
            key[k] = 0;
        for (int r : roles)
            key[combat.par1.pkeys[r]] = 1;
    }
    // One step of input with these keys held.
    void pas(std::initializer_list<int> roles)
    {
        tenir(roles);
        Combat::attendre(3);
        p.getInfo(adversaire, 600);
        p.PlayerInput(combat.par1, combat.lvl);
    }
    void attaque(bool oui)
    {
        adversaire.initCETAT();
        if (oui)
            adversaire.ajouter(donnecoup);
    }
    Combat combat;
    PersoOuvert p;
    CETAT adversaire;
};

TEST_F(Commande, BackGuardsWhileTheOpponentAttacksAndWalksAwayOtherwise)
{
    attaque(true);
    pas({TOUCHE_GAUCHE});
    EXPECT_TRUE(p.status.estdans(protection));
    EXPECT_EQ(p.slot(), SLOT_GARDE);
    pas({TOUCHE_GAUCHE});
    EXPECT_TRUE(p.status.estdans(protection));
    EXPECT_EQ(p.GetVx(), 0);
    pas({TOUCHE_HAUT});   // up needs rest or walking
    EXPECT_TRUE(p.status.estdans(protection));
    attaque(false);
    pas({TOUCHE_GAUCHE});
    EXPECT_TRUE(p.status.estdans(marche));
    EXPECT_FALSE(p.status.estdans(protection));
    EXPECT_EQ(p.GetVx(), -34);
    pas({});
    EXPECT_TRUE(p.status.estdans(repos));
    EXPECT_EQ(p.GetVx(), 0);
}

TEST_F(Commande, UpForwardJumpsEvenFromAGuard)
{
    attaque(true);
    pas({TOUCHE_GAUCHE});
    pas({TOUCHE_HAUT, TOUCHE_DROITE});
    EXPECT_TRUE(p.status.estdans(saute));
    EXPECT_EQ(p.GetVx(), 34);
}

TEST_F(Commande, StatesThatIgnoreInputIgnoreCombosToo)
{
    for (ETAT e : {pommes, donnecoup, releve, taunt, touche, touchetombe, baisse, esquive, aterre}) {
        p.status.initCETAT();
        p.status.ajouter(e);
        p.SetMana(150);
        p.clav.nbkeys = 2;   // right, right already committed: a punch fires csp1
        p.clav.keys[0] = p.clav.keys[1] = combat.par1.pkeys[TOUCHE_DROITE];
        p.clav.t0 = t - 20;
        pas({TOUCHE_PUNCH_FORT});
        EXPECT_EQ(p.clav.nbkeys, 0) << e;   // read and recognised...
        EXPECT_FALSE(p.Speencour) << e;     // ...but not acted on
        EXPECT_EQ(p.Mana, 150) << e;
    }
}

TEST_F(Commande, DownCrouchesAndNoKeyStandsBackUp)
{
    pas({TOUCHE_BAS});
    EXPECT_TRUE(p.status.estdans(baisse));
    for (int i = 0; i < 10; ++i) {
        Combat::attendre(3);
        p.NewAnim(combat.lvl);
    }
    EXPECT_TRUE(p.status.estdans(bas));
    pas({TOUCHE_BAS});
    EXPECT_TRUE(p.status.estdans(bas));
    pas({});
    EXPECT_TRUE(p.status.estdans(releve));
    EXPECT_FALSE(p.status.estdans(bas));
}

TEST_F(Commande, DownBackGuardsCrouchedOnlyOnceCrouchedAndDropsIt)
{
    p.StandBas();
    attaque(true);
    pas({TOUCHE_BAS, TOUCHE_GAUCHE});
    EXPECT_TRUE(p.status.estdans(protection));
    EXPECT_TRUE(p.status.estdans(bas));
    EXPECT_EQ(p.slot(), SLOT_GARDE_BAS);
    attaque(false);
    pas({TOUCHE_BAS, TOUCHE_GAUCHE});
    EXPECT_FALSE(p.status.estdans(protection));
    EXPECT_EQ(p.slot(), SLOT_BAS);
}

TEST_F(Commande, AttacksDependOnPosture)
{
    p.SetMana(50);
    pas({TOUCHE_SPECIAL, TOUCHE_DROITE});   // forward and special runs
    EXPECT_TRUE(p.status.estdans(course));
    pas({TOUCHE_PUNCH_LEGER});
    EXPECT_EQ(p.slot(), SLOT_CHARGE);
    p.status.initCETAT();

    p.StandBas();
    pas({TOUCHE_KICK_FORT});
    EXPECT_EQ(p.slot(), 33);   // the crouching strong kick falls back to the crouching kick
    p.status.initCETAT();

    p.sauter();
    p.vitesse(0, -10);
    p.poser(400, 300);   // falling, too high to attack
    pas({TOUCHE_KICK_LEGER});
    EXPECT_FALSE(p.status.estdans(donnecoup));
    p.poser(400, 200);
    pas({TOUCHE_KICK_LEGER});
    EXPECT_EQ(p.slot(), 35);   // vertical jump kick
}

TEST_F(Commande, NoKeyEndsARunAtOnce)
{
    p.SetMana(50);
    pas({TOUCHE_SPECIAL, TOUCHE_DROITE});
    pas({});
    EXPECT_TRUE(p.status.estdans(repos));
    EXPECT_EQ(p.GetVx(), 0);
    EXPECT_EQ(p.slot(), SLOT_REPOS);
}

TEST_F(Commande, AirborneCombosNeedTheirPermission)
{
    p.SetMana(150);
    p.sauter();
    p.clav.nbkeys = 2;
    p.clav.keys[0] = p.clav.keys[1] = combat.par1.pkeys[TOUCHE_DROITE];
    p.clav.t0 = t - 20;
    pas({TOUCHE_PUNCH_FORT});   // shiz's csp1 is ground-only
    EXPECT_FALSE(p.Speencour);
    EXPECT_EQ(p.slot(), SLOT_SAUT);   // nor the plain jumping punch: the code read was the combo
}

TEST_F(Commande, TheComputerDrivesThroughTheSameDispatch)
{
    ParamJoueur cpu = combat.par1;
    cpu.control = CONTROLE_CPU;
    p.ai.st = taunter;
    p.ai.timestrat = t;
    tenir({});
    Combat::attendre(1);
    p.getInfo(adversaire, 600);
    p.PlayerInput(cpu, combat.lvl);
    EXPECT_TRUE(p.status.estdans(taunt));
}

}  // namespace
