// The computer player: when strategies end, how they are weighed and drawn,
// and the action each one repeats.
#include <gtest/gtest.h>

#include <numeric>

#include "control/IA.h"

namespace {

CETAT etats(std::initializer_list<ETAT> es)
{
    CETAT c;
    c.initCETAT();
    for (ETAT e : es)
        c.ajouter(e);
    return c;
}

INFO vue(std::initializer_list<ETAT> miens, std::initializer_list<ETAT> siens, int dist, bool gauche = false)
{
    INFO i;
    i.status = etats(miens);
    i.adv.status = etats(siens);
    i.adv.dist = dist;
    i.b = gauche;
    return i;
}

class Cpu : public ::testing::Test {
protected:
    void SetUp() override
    {
        t = 500;
        ia.initIA();
    }
    void TearDown() override { t = 0; }
    // The action of strategy `st` with random number `aleat`.
    actionperso action(Strategie st, int aleat, const INFO& i)
    {
        ia.st = st;
        ia.aleat = aleat;
        ia.timestrat = t;
        return ia.QuelleAction(i);
    }
    IA ia;
};

TEST_F(Cpu, StartsWaitingAndReweighsAfterFiftyTicks)
{
    const INFO i = vue({}, {}, 400);
    EXPECT_EQ(ia.st, attendre);
    t += 50;
    EXPECT_FALSE(ia.FinStrategie(attendre, i));
    t += 1;
    EXPECT_TRUE(ia.FinStrategie(attendre, i));
}

TEST_F(Cpu, EachStrategyEndsOnItsOwnCondition)
{
    ia.timestrat = t;
    EXPECT_TRUE(ia.FinStrategie(donnerAttaque, vue({donnecoup}, {}, 100)));
    EXPECT_FALSE(ia.FinStrategie(donnerCoupSpe, vue({}, {}, 100)));
    EXPECT_TRUE(ia.FinStrategie(approcher, vue({saute}, {}, 100)));
    EXPECT_TRUE(ia.FinStrategie(defendre, vue({}, {}, 100)));
    EXPECT_FALSE(ia.FinStrategie(defendre, vue({}, {donnecoup}, 100)));
    EXPECT_TRUE(ia.FinStrategie(etreDefensif, vue({esquive}, {}, 100)));
    EXPECT_TRUE(ia.FinStrategie(taunter, vue({taunt}, {}, 100)));
    t += 71;
    EXPECT_TRUE(ia.FinStrategie(approcher, vue({}, {}, 100)));
    EXPECT_FALSE(ia.FinStrategie(donnerAttaque, vue({}, {}, 100)));
    t += 230;
    EXPECT_TRUE(ia.FinStrategie(donnerAttaque, vue({}, {}, 100)));
}

TEST_F(Cpu, WeightsFollowDistanceAndTheOpponentsSituation)
{
    const auto poids = [this](const INFO& i) {
        ia.PondererStrategie(i);
        return std::vector<int>(ia.StrategiePonderee, ia.StrategiePonderee + NB_STRATEGIES);
    };
    EXPECT_EQ(poids(vue({touche}, {}, 100)), (std::vector<int>{0, 0, 0, 0, 0, 0, 100}));
    EXPECT_EQ(poids(vue({}, {touchetombe}, 100)), (std::vector<int>{20, 25, 20, 1, 10, 15, 10}));
    EXPECT_EQ(poids(vue({}, {saute, donnecoup}, 149)), (std::vector<int>{20, 5, 15, 44, 10, 2, 2}));
    EXPECT_EQ(poids(vue({}, {bas, protection}, 150)), (std::vector<int>{20, 22, 20, 0, 15, 15, 5}));
    EXPECT_EQ(poids(vue({}, {bas}, 320)), (std::vector<int>{22, 28, 20, 0, 10, 15, 5}));
    EXPECT_EQ(poids(vue({}, {donnecoup}, 321)), (std::vector<int>{10, 23, 10, 10, 22, 15, 10}));
    EXPECT_EQ(poids(vue({}, {pommes}, 10)), (std::vector<int>{50, 10, 28, 0, 5, 2, 5}));
    EXPECT_EQ(poids(vue({}, {protection}, 200)), (std::vector<int>{17, 23, 20, 0, 15, 15, 5}));
    EXPECT_EQ(poids(vue({}, {course}, 500)), (std::vector<int>{15, 10, 15, 25, 25, 5, 5}));
    EXPECT_EQ(poids(vue({}, {marche}, 500)), (std::vector<int>{10, 35, 15, 0, 20, 20, 5}));
}

TEST_F(Cpu, TheDrawWalksTheRunningSumAndShortRowsWait)
{
    ia.SetPond(20, 25, 20, 1, 10, 15, 10);
    // Seeds of the match's generator whose second draw gives the wanted r.
    const auto tirage_pour = [](int r) {
        for (uint64_t graine = 1; graine < 100000; ++graine) {
            Alea a(graine);
            a.tirer();
            if (a.tirer() % 100 + 1 == r)
                return graine;
        }
        return uint64_t(0);
    };
    Alea alea;
    ia.alea = &alea;
    alea.semer(tirage_pour(66));
    EXPECT_EQ(ia.NvlStrategie(), defendre);
    alea.semer(tirage_pour(65));
    EXPECT_EQ(ia.NvlStrategie(), donnerCoupSpe);
    EXPECT_EQ(ia.timestrat, t);

    ia.SetPond(20, 5, 15, 44, 10, 2, 2);   // adds up to 98
    alea.semer(tirage_pour(99));
    EXPECT_EQ(ia.NvlStrategie(), attendre);
}

TEST_F(Cpu, ActionsDependOnTheDrawnNumberAndTheFacing)
{
    const INFO loin = vue({}, {}, 400);
    const INFO loin_g = vue({}, {}, 400, true);
    EXPECT_EQ(action(donnerAttaque, 7, loin), pieF);
    EXPECT_EQ(action(approcher, 0, loin), D);
    EXPECT_EQ(action(approcher, 1, loin_g), G);
    EXPECT_EQ(action(approcher, 2, loin), HD);
    EXPECT_EQ(action(approcher, 2, vue({}, {}, 100)), B);   // too close to jump in
    EXPECT_EQ(action(approcher, 1, vue({bas}, {}, 400)), B);
    EXPECT_EQ(action(taunter, 3, loin), spe);
    EXPECT_EQ(action(etreDefensif, 2, loin), HG);
    EXPECT_EQ(action(etreDefensif, 3, loin_g), speD);

    const INFO attaque = vue({}, {donnecoup}, 100);
    EXPECT_EQ(action(defendre, 0, attaque), G);
    EXPECT_EQ(action(defendre, 3, attaque), BG);
    EXPECT_EQ(action(defendre, 5, attaque), speG);
    EXPECT_EQ(action(defendre, 1, attaque), G);
    EXPECT_EQ(action(defendre, 1, vue({}, {bas, donnecoup}, 100)), BG);   // low attacks call for a low guard
}

TEST_F(Cpu, SpecialMovesFollowTheManaThresholds)
{
    INFO i = vue({}, {}, 200);
    i.mana = 81;
    EXPECT_EQ(action(donnerCoupSpe, 4, i), mcv);
    EXPECT_EQ(action(donnerCoupSpe, 5, i), mcc);
    i.mana = 80;
    EXPECT_EQ(action(donnerCoupSpe, 4, i), scv);
    i.mana = 31;
    EXPECT_EQ(action(donnerCoupSpe, 1, i), csk1);
    EXPECT_EQ(action(donnerCoupSpe, 3, i), csp1);

    // Too little mana: nothing now, a plain attack from the next step, with
    // the same number and start time.
    i.mana = 25;
    EXPECT_EQ(action(donnerCoupSpe, 2, i), rien);
    EXPECT_EQ(ia.st, donnerAttaque);
    EXPECT_EQ(ia.aleat, 2);
    EXPECT_EQ(ia.QuelleAction(i), pieL);
}

}  // namespace
