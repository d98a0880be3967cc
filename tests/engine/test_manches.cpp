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
    void tick()
    {
        m().horloge.tick();
        m().PasseCombat(P());
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
        for (int garde = 0; !fini && garde < 60 * 30; ++garde) {
            m().horloge.tick();
            while (gamet > 0 && !fini) {
                fini = m().TickFinpartie(P());
                --gamet;
            }
        }
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

TEST_F(Manches, TheSecondThatEndsARoundByTimeIsDrawn)
{
    m().NewRound(P());
    m().DebutRound(P(), 1);
    // As the timers do it: the seconds counter moves on its own, between
    // two logic ticks that have both already run.
    bool moins_un_dessine = false;
    for (int seconde = 0; seconde < 3 && m().RoundEnCours(); ++seconde) {
        for (int i = 0; i < 60; ++i) {
            ++gamet;
            m().PasseCombat(P());
        }
        ++s;
        const bool dessine = m().PasseCombat(P());
        moins_un_dessine = moins_un_dessine || (dessine && m().stimer == -1);
    }
    EXPECT_FALSE(m().RoundEnCours());
    EXPECT_TRUE(moins_un_dessine) << "the frame with the countdown past 0";
}

}  // namespace
