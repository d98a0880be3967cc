// From one round to the next with the generated fighters: what carries over
// (the state set: the beaten fighter gets up), what a new round ends (a move
// cut short), and the frame of the second that ends a round by time.
#include <gtest/gtest.h>

#include "engine/simulateur.h"
#include "support/dossier_temp.h"

namespace {

class Manches : public ::testing::Test {
protected:
    void SetUp() override
    {
        pm.Parlvl.stage = inde;
        // Keyboards that nobody touches: the fighters do only what a test says.
        pm.parP1.control = pm.parP2.control = CONTROLE_CLAVIER;
        pm.parP1.SetPerso(shiz);
        pm.parP2.SetPerso(talon);
        sim = std::make_unique<SimulateurMatch>(pm);
        sim->jouer(1);   // a fresh clock and fresh fighters, as a match starts
        clear_key_table();
    }
    void TearDown() override
    {
        clear_key_table();
        sim.reset();
    }
    static void clear_key_table()
    {
        for (int k = 0; k < KEY_MAX; ++k)
            key[k] = 0;
    }
    Moteur& m() { return sim->moteur(); }
    ParamMoteur* P() { return &sim->parametres(); }

    void commencer_round()
    {
        m().NewRound(P());
        m().DebutRound(P(), 60);
    }
    // One tick as the game runs it: the 60 Hz timer counts it due, the
    // round's loop plays it. True when it was played.
    bool tick()
    {
        ++gamet;
        return m().PasseCombat(P());
    }
    // Side 2 is knocked out, then the round-end sequence plays to its end.
    void ko_du_j2()
    {
        m().p2.Vie = 0;
        m().p2.dVie = 0;
        ASSERT_FALSE(m().RoundEnCours());
        ASSERT_EQ(m().FinRound(P()), KO_J1);
        m().CompterRound(KO_J1);
        m().DebutFinpartie(P());
        bool fini = false;
        for (int garde = 0; !fini && garde < 60 * 30; ++garde)
            fini = m().TickFinpartie(P());
        m().ConclureFinpartie();
        ASSERT_TRUE(fini);
    }

    DansLesDonnees donnees;
    std::unique_ptr<SimulateurMatch> sim;
    ParamMoteur pm;
};

TEST_F(Manches, TheFighterKnockedOutGetsUpAtTheNextRoundsStart)
{
    commencer_round();
    ko_du_j2();
    const CETAT& etat = m().p2.status;
    ASSERT_TRUE(etat.estdans(touchetombe) || etat.estdans(aterre));

    commencer_round();
    EXPECT_TRUE(etat.estdans(touchetombe) || etat.estdans(aterre)) << "still lying when the round starts";
    bool releve_vu = false;
    for (int i = 0; i < 60 * 4; ++i) {
        tick();
        releve_vu = releve_vu || etat.estdans(releve);
    }
    EXPECT_TRUE(releve_vu) << "the beaten fighter gets up";
    EXPECT_TRUE(etat.estdans(repos));
    EXPECT_FALSE(etat.estdans(aterre) || etat.estdans(touchetombe));
    EXPECT_TRUE(m().RoundEnCours());
}

TEST_F(Manches, AWinnerCaughtMidMoveCanActInTheNextRound)
{
    commencer_round();
    ko_du_j2();
    // The round ended in the middle of side 1's special move.
    Perso& j1 = m().p1;
    j1.status.ajouter(donnecoup);
    j1.Speencour = true;
    j1.nObj = 1;
    j1.faitRalentir = 1;
    j1.status.ajouter(pommes);   // a dizzy fighter stays dizzy: not everything ends

    commencer_round();
    EXPECT_FALSE(j1.status.estdans(donnecoup));
    EXPECT_TRUE(j1.status.estdans(pommes));
    EXPECT_FALSE(j1.Speencour);
    EXPECT_EQ(j1.nObj, 0);
    EXPECT_EQ(j1.faitRalentir, 0);

    j1.status.enlever(pommes);
    j1.status.ajouter(repos);
    const int depart = j1.GetX();
    key[P()->parP1.pkeys[TOUCHE_DROITE]] = 1;   // side 1 walks forward
    for (int i = 0; i < 60; ++i)
        tick();
    EXPECT_GT(j1.GetX(), depart + 20);
}

TEST_F(Manches, TheSecondThatEndsARoundByTimeIsDrawnAndNoTickFollowsIt)
{
    m().NewRound(P());
    m().DebutRound(P(), 1);
    gamet = 0;
    bool moins_un_dessine = false;
    int ticks = 0;
    while (m().RoundEnCours() && ticks < 60 * 5) {
        const bool dessine = tick();
        ticks += dessine ? 1 : 0;
        moins_un_dessine = moins_un_dessine || (dessine && m().stimer == -1);
    }
    EXPECT_TRUE(moins_un_dessine) << "the frame with the countdown past 0";
    // Two seconds of ticks: 1, 0, then -1 ends the round.
    EXPECT_EQ(ticks, 120);
    // Ticks still due once the round is over are not played.
    gamet = 5;
    EXPECT_FALSE(m().PasseCombat(P()));
    EXPECT_EQ(m().stimer, -1);
}

}  // namespace
