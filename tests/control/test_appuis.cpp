// The enhanced reading of the keys: presses, not samples. A special move's
// sequence is played as a human plays it: presses of any length, gaps of up
// to about 250 ms, an attack key a hair early; and nothing else releases it.
#include <gtest/gtest.h>

#include <vector>

#include "control/appuis_clavier.h"
#include "control/input.h"

namespace {

class Appuis : public ::testing::Test {
protected:
    void SetUp() override
    {
        par.SetJoueur(1);
        par.SetKey();
        par.control = CONTROLE_CLAVIER;
        choisir(shiz);
    }
    void choisir(PERSO p)
    {
        par.perso = p;
        in.init_combo(par);
    }
    static Touches bit(int role) { return static_cast<Touches>(1u << role); }
    // Holds `tenues` for `ticks` reads; the codes read.
    std::vector<actionperso> lire(Touches tenues, int ticks, bool gauche = false)
    {
        std::vector<actionperso> codes;
        for (int i = 0; i < ticks; ++i)
            codes.push_back(in.GetToucheAppuis(par, gauche, tenues));
        return codes;
    }
    // A sequence of taps: each role held `appui` reads, then `ecart` reads
    // with nothing held; every code read.
    std::vector<actionperso> taper(const std::vector<int>& roles, int appui, int ecart, bool gauche = false)
    {
        std::vector<actionperso> codes;
        for (int r : roles) {
            for (actionperso c : lire(bit(r), appui, gauche))
                codes.push_back(c);
            for (actionperso c : lire(0, ecart, gauche))
                codes.push_back(c);
        }
        return codes;
    }
    static int compter(const std::vector<actionperso>& codes, actionperso c)
    {
        int n = 0;
        for (actionperso x : codes)
            n += x == c ? 1 : 0;
        return n;
    }
    ParamJoueur par;
    INPUT in;
};

TEST_F(Appuis, ATapAndAHoldAreEachOnePressAndAnAttackComesOutOnce)
{
    // One read held, or eighteen: one punch either way, on the press.
    EXPECT_EQ(compter(lire(bit(TOUCHE_PUNCH_FORT), 1), punF), 1);
    lire(0, 30);
    const std::vector<actionperso> tenue = lire(bit(TOUCHE_PUNCH_FORT), 18);
    EXPECT_EQ(compter(tenue, punF), 1);
    EXPECT_EQ(tenue.front(), punF);
    // Directions are held, as before: walking lasts as long as the key.
    lire(0, 30);
    EXPECT_EQ(compter(lire(bit(TOUCHE_DROITE), 10), D), 10);
}

TEST_F(Appuis, EachFightersFirstSpecialComesFromTapsAtHumanSpeed)
{
    // Presses of 60-120 ms, gaps of 80-200 ms: 4-7 and 5-12 reads.
    struct Cas {
        PERSO perso;
        std::initializer_list<int> touches;
    };
    const Cas cas[] = {
        {shiz, {TOUCHE_DROITE, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}},
        {talon, {TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_PUNCH_LEGER}},
        {vishvakarman, {TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}},
        {panda, {TOUCHE_BAS, TOUCHE_DROITE, TOUCHE_PUNCH_LEGER}},
    };
    for (const Cas& c : cas)
        for (int appui : {4, 7})
            for (int ecart : {5, 12})
                for (bool gauche : {false, true}) {
                    choisir(c.perso);
                    // Facing left, forward is the left key.
                    std::vector<int> roles(c.touches);
                    if (gauche)
                        for (int& r : roles)
                            r = r == TOUCHE_DROITE ? TOUCHE_GAUCHE : r;
                    EXPECT_EQ(compter(taper(roles, appui, ecart, gauche), csp1), 1)
                        << "fighter " << c.perso << ", press " << appui << ", gap " << ecart << (gauche ? ", facing left" : "");
                }
}

TEST_F(Appuis, ALongPauseOrAStrayKeyBreaksTheSequence)
{
    // 250 ms is the limit between a release and the next press.
    EXPECT_EQ(compter(taper({TOUCHE_DROITE, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, 4, INPUT::ECART_MAX), csp1), 1);
    lire(0, 40);
    EXPECT_EQ(compter(taper({TOUCHE_DROITE, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, 4, INPUT::ECART_MAX + 2), csp1), 0);
    lire(0, 40);
    EXPECT_EQ(compter(taper({TOUCHE_DROITE, TOUCHE_HAUT, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}, 4, 6), csp1), 0);
    // A key still held when the next one comes never breaks it (a rolled
    // down-forward).
    lire(0, 40);
    choisir(talon);
    lire(bit(TOUCHE_BAS), 30);
    lire(bit(TOUCHE_BAS) | bit(TOUCHE_DROITE), 3);
    lire(bit(TOUCHE_DROITE), 4);
    EXPECT_EQ(compter(lire(bit(TOUCHE_DROITE) | bit(TOUCHE_PUNCH_FORT), 2), csp1), 1);
}

TEST_F(Appuis, AnAttackKeyPressedJustBeforeTheLastDirectionStillCounts)
{
    choisir(talon);
    lire(bit(TOUCHE_BAS), 5);
    lire(0, 5);
    // The punch a couple of reads before the forward key: a punch first,
    // then the special move when the sequence completes.
    std::vector<actionperso> codes = lire(bit(TOUCHE_PUNCH_FORT), 2);
    for (actionperso c : lire(bit(TOUCHE_PUNCH_FORT) | bit(TOUCHE_DROITE), 3))
        codes.push_back(c);
    EXPECT_EQ(codes.front(), punF);
    EXPECT_EQ(compter(codes, csp1), 1);
    // Too early is a punch and nothing more.
    lire(0, 40);
    lire(bit(TOUCHE_BAS), 5);
    lire(0, 2);
    codes = lire(bit(TOUCHE_PUNCH_FORT), INPUT::GRACE + 3);
    for (actionperso c : lire(bit(TOUCHE_PUNCH_FORT) | bit(TOUCHE_DROITE), 3))
        codes.push_back(c);
    EXPECT_EQ(compter(codes, csp1), 0);
}

TEST_F(Appuis, ASequenceEndingOnADirectionAndOneFromTheAirAreRecognisedToo)
{
    // Vishvakarman's second special kick is forward, down, back.
    choisir(vishvakarman);
    EXPECT_EQ(compter(taper({TOUCHE_DROITE, TOUCHE_BAS, TOUCHE_GAUCHE}, 5, 6), csk2), 1);
    EXPECT_TRUE(in.peutEnSaut(csk1));
}

TEST_F(Appuis, ATapBetweenTwoReadsIsStillSeenOnce)
{
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    const int poing = par.pkeys[TOUCHE_PUNCH_FORT];
    guetter_appuis(true);
    noter_scancode(poing);
    noter_scancode(poing | 0x80);   // down and up before the tick reads
    EXPECT_EQ(lire_touches(par), bit(TOUCHE_PUNCH_FORT));
    EXPECT_EQ(lire_touches(par), 0);
    // Not caught, the classic way: only what is held when read.
    guetter_appuis(false);
    noter_scancode(poing);
    EXPECT_EQ(lire_touches(par), 0);
}

}  // namespace
