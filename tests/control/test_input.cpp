// Reading the keys: which code wins, how the history commits and forgets,
// and each fighter's combos in both facings.
#include <gtest/gtest.h>

#include <vector>

#include "control/input.h"

namespace {

class Clavier : public ::testing::Test {
protected:
    void SetUp() override
    {
        t = 1000;
        par.SetJoueur(1);
        par.SetKey();
        par.control = CONTROLE_CLAVIER;
        choisir(shiz);
    }
    void TearDown() override
    {
        relacher();
        t = 0;
    }
    void choisir(PERSO p)
    {
        par.perso = p;
        in.init_combo(par);
    }
    void relacher()
    {
        for (int k = 0; k < KEY_MAX; ++k)
            key[k] = 0;
    }
    // Holds the keys for `ticks` ticks, reading every tick; returns the codes read.
    std::vector<actionperso> tenir(std::initializer_list<int> roles, int ticks, bool gauche = false)
    {
        relacher();
        for (int r : roles)
            key[par.pkeys[r]] = 1;
        std::vector<actionperso> codes;
        for (int i = 0; i < ticks; ++i) {
            ++t;
            codes.push_back(in.GetTouche(par, gauche));
        }
        relacher();
        return codes;
    }
    // Presses a sequence, each key long enough for one commit; the first
    // combo recognised, or else the last code read.
    actionperso sequence(std::initializer_list<int> roles, bool gauche = false)
    {
        actionperso dernier = rien;
        for (int r : roles)
            for (actionperso code : tenir({r}, 16, gauche)) {
                if (code >= PREMIER_COMBO)
                    return code;
                dernier = code;
            }
        return dernier;
    }

    ParamJoueur par;
    INPUT in;
};

TEST_F(Clavier, AttackKeysWinOverDirectionsAndOnlyOneKeyIsStored)
{
    EXPECT_EQ(tenir({TOUCHE_DROITE, TOUCHE_HAUT, TOUCHE_PUNCH_LEGER}, 1)[0], punL);
    EXPECT_EQ(in.keys[in.nbkeys], par.pkeys[TOUCHE_PUNCH_LEGER]);
    EXPECT_EQ(tenir({TOUCHE_KICK_FORT, TOUCHE_KICK_LEGER}, 1)[0], pieL);
    EXPECT_EQ(tenir({TOUCHE_DROITE, TOUCHE_HAUT}, 1)[0], HD);
    EXPECT_EQ(tenir({TOUCHE_SPECIAL, TOUCHE_GAUCHE}, 1)[0], speG);
    EXPECT_EQ(tenir({TOUCHE_SPECIAL}, 1)[0], spe);
    EXPECT_EQ(tenir({TOUCHE_GAUCHE, TOUCHE_BAS}, 1)[0], BG);
    EXPECT_EQ(tenir({TOUCHE_BAS}, 1)[0], B);
    EXPECT_EQ(tenir({}, 1)[0], rien);
}

TEST_F(Clavier, AHeldKeyCommitsEverySixteenTicksAndAPauseForgets)
{
    in.t0 = t;
    tenir({TOUCHE_DROITE}, 15);
    EXPECT_EQ(in.nbkeys, 0);   // pending only
    tenir({TOUCHE_DROITE}, 1);
    EXPECT_EQ(in.nbkeys, 1);
    tenir({TOUCHE_DROITE}, 32);
    EXPECT_EQ(in.nbkeys, 3);
    tenir({}, 35);
    EXPECT_EQ(in.nbkeys, 3);
    tenir({}, 1);
    EXPECT_EQ(in.nbkeys, 0);
}

TEST_F(Clavier, AFullHistoryThatMatchesNothingIsEmptiedByThePause)
{
    tenir({TOUCHE_HAUT}, 16 * 7);
    EXPECT_EQ(in.nbkeys, 7);
    tenir({TOUCHE_HAUT}, 36);   // full: held keys no longer count
    EXPECT_EQ(in.nbkeys, 0);
}

TEST_F(Clavier, ShizsCombosReadForwardWhicheverWayItFaces)
{
    in.t0 = t;
    EXPECT_EQ(sequence({TOUCHE_DROITE, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}), csp1);
    EXPECT_EQ(in.nbkeys, 0);
    tenir({}, 40);
    // Facing left, right, right, P reads back, back, P.
    EXPECT_EQ(sequence({TOUCHE_DROITE, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, true), scv);
    tenir({}, 40);
    EXPECT_EQ(sequence({TOUCHE_GAUCHE, TOUCHE_GAUCHE, TOUCHE_PUNCH_LEGER}, true), csp1);
    tenir({}, 40);
    EXPECT_EQ(sequence({TOUCHE_GAUCHE, TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_KICK_LEGER}), mcv);
}

TEST_F(Clavier, APunchTooSoonAfterACommitWaitsForItsOwnCommit)
{
    in.t0 = t;
    sequence({TOUCHE_DROITE, TOUCHE_DROITE});
    // Pressed at once: not committed yet, the plain punch comes out.
    const std::vector<actionperso> codes = tenir({TOUCHE_PUNCH_FORT}, 16);
    EXPECT_EQ(codes.front(), punF);
    EXPECT_EQ(codes.back(), csp1);
}

TEST_F(Clavier, EveryFighterHasItsOwnSequences)
{
    struct Cas {
        PERSO perso;
        std::initializer_list<int> touches;
        actionperso code;
        bool en_saut;
    };
    const Cas cas[] = {
        {talon, {TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, csp1, false},
        {talon, {TOUCHE_HAUT, TOUCHE_BAS, TOUCHE_KICK_FORT}, csk1, true},
        {talon, {TOUCHE_BAS, TOUCHE_HAUT, TOUCHE_KICK_LEGER}, csk2, true},
        {talon, {TOUCHE_GAUCHE, TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, mcv, false},
        {vishvakarman, {TOUCHE_DROITE, TOUCHE_BAS, TOUCHE_GAUCHE}, csk2, false},
        {vishvakarman, {TOUCHE_BAS, TOUCHE_BAS, TOUCHE_KICK_FORT}, csk1, true},
        {vishvakarman, {TOUCHE_BAS, TOUCHE_GAUCHE, TOUCHE_KICK_FORT}, scc, false},
        {panda, {TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, csp1, false},
        {panda, {TOUCHE_GAUCHE, TOUCHE_DROITE, TOUCHE_KICK_FORT}, csk2, false},
        {panda, {TOUCHE_DROITE, TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, mcc, false},
    };
    for (const Cas& c : cas) {
        choisir(c.perso);
        tenir({}, 40);
        EXPECT_EQ(sequence(c.touches), c.code) << c.perso << " " << c.code;
        EXPECT_EQ(in.peutEnSaut(c.code), c.en_saut);
    }
    // Mirrored, vishvakarman's direction-only combo reads from the other side.
    choisir(vishvakarman);
    tenir({}, 40);
    EXPECT_EQ(sequence({TOUCHE_GAUCHE, TOUCHE_BAS, TOUCHE_DROITE}, true), csk2);
}

TEST_F(Clavier, AFighterWithoutSequencesNeverFiresACombo)
{
    par.perso = static_cast<PERSO>(9);
    in.init_combo(par);
    EXPECT_EQ(in.testcombo(false, par), rien);   // an empty history matches no empty combo
    EXPECT_EQ(sequence({TOUCHE_DROITE, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}), punF);
}

}  // namespace
