// Online matches between two games in one process, on a virtual clock, under
// four kinds of network: both sides must end every match on the same winner
// and the same state, which is also the state a local replay of the confirmed
// keys ends on, and the match must have been fought (hits, lives lost,
// rounds ended). Then what breaks a match: a different match on the other
// side, a peer gone silent, garbage on the wire.
//
// ZEF_MATCHS_EN_LIGNE sets the matches per network (100 by default).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/simulateur.h"
#include "sound/son.h"
#include "support/deux_joueurs.h"
#include "support/dossier_temp.h"

namespace {

int matchs_par_reseau()
{
    const char* v = std::getenv("ZEF_MATCHS_EN_LIGNE");
    return v && std::atoi(v) > 0 ? std::atoi(v) : 100;
}

// Match n of a run: every pair of fighters, every stage, both editions,
// progression now and then (with levels apart), both sides at the keyboard.
Rejeu entete(int n)
{
    Rejeu r;
    r.cotes[0].perso = static_cast<PERSO>(n % 4);
    r.cotes[1].perso = static_cast<PERSO>((n / 4) % 4);
    r.cotes[0].control = r.cotes[1].control = CONTROLE_CLAVIER;
    r.stage = static_cast<STAGE>(n % 3);
    r.edition = n % 2 == 0 ? Edition::classique : Edition::amelioree;
    r.evolution = n % 5 == 0;
    r.cotes[0].carac = r.cotes[1].carac = {10, 10, 10, 10, 0, 0, 0, 0, 0, 1};
    if (r.evolution) {
        r.cotes[0].carac = {12, 10, 11, 10, 3, 0, 0, 0, 4000, 4};
        r.cotes[1].carac = {10, 12, 10, 11, 0, 0, 0, 0, 1200, 2};
    }
    r.graine = 0x5EED0000u + static_cast<uint64_t>(n);
    return r;
}

class EnLigne : public ::testing::Test {
protected:
    DansLesDonnees donnees;

    // Plays the run and checks each match; the totals for the network's own checks.
    struct Totaux {
        int rollbacks = 0;
        int ralentissements = 0;
        int aller_retour_max = 0;
        int delai = 0;
    };
    void jouer_la_serie(const char* nom, const Conditions& c, Totaux& tot)
    {
        const int n = matchs_par_reseau();
        for (int i = 0; i < n; ++i) {
            const Rejeu e = entete(i);
            const MatchDeuxJoueurs m = jouer_deux_joueurs(e, c, 1000 + static_cast<uint64_t>(i));
            const CoteEnLigne& a = m.cotes[0];
            const CoteEnLigne& b = m.cotes[1];
            const std::string quoi = std::string(nom) + ", match " + std::to_string(i);
            ASSERT_EQ(a.issue, Issue::fini) << quoi;
            ASSERT_EQ(b.issue, Issue::fini) << quoi;
            ASSERT_NE(a.winner, 0) << quoi;
            EXPECT_EQ(a.winner, b.winner) << quoi;
            EXPECT_EQ(a.somme, b.somme) << quoi;
            EXPECT_GT(a.sommes_comparees + b.sommes_comparees, 0) << quoi;

            // Both sides confirmed the same keys, and playing them again
            // here is the same match.
            ASSERT_EQ(a.rejeu.entrees, b.rejeu.entrees) << quoi;
            const VerificationRejeu v = verifier_rejeu(a.rejeu);
            EXPECT_TRUE(v.conforme) << quoi << ": first tick apart " << v.premier_ecart;
            EXPECT_EQ(v.winner, a.winner) << quoi;
            EXPECT_EQ(v.somme_finale, a.somme) << quoi;

            // Fought: hits on both sides, rounds ended by the fight.
            const RapportMatch& r = v.rapport;
            EXPECT_GE(r.rounds, 2) << quoi;
            EXPECT_GT(r.coups[0], 0) << quoi;
            EXPECT_GT(r.coups[1], 0) << quoi;
            bool vie_perdue = false;
            for (const RapportMatch::Vies& vies : r.vies)
                vie_perdue = vie_perdue || vies.vie[0] < vies.pv[0] || vies.vie[1] < vies.pv[1];
            EXPECT_TRUE(vie_perdue) << quoi;

            tot.rollbacks += a.rollbacks + b.rollbacks;
            tot.ralentissements += a.ralentissements + b.ralentissements;
            tot.aller_retour_max = std::max({tot.aller_retour_max, a.aller_retour_ms, b.aller_retour_ms});
            tot.delai = m.delai;
            if (HasFailure())
                return;
        }
    }
};

// The four networks of the matrix, and what each must show besides.
struct Reseau {
    const char* nom;
    Conditions conditions;   // each way
    int delai;               // the key delay its round trip gives
    bool corrections;        // keys are bound to come late and be corrected
    int aller_retour_min;    // the round trip measured, at least
};
const Reseau RESEAUX[] = {
    {"NoDelay", {}, 0, false, 0},
    {"SixtyMillisecondRoundTrip", {30}, 1, true, 50},
    {"LongRoundTripWithJitterAndLoss", {75, 10, 5}, 2, true, 140},
    {"BurstsOfTotalLoss", {10, 0, 0, 0, 0, 300, 2000}, 0, true, 0},
};

class Matrice : public EnLigne, public ::testing::WithParamInterface<Reseau> {};

TEST_P(Matrice, EveryMatchEndsAlikeOnBothSidesAndAsItsReplaySays)
{
    const Reseau& r = GetParam();
    Totaux t;
    jouer_la_serie(r.nom, r.conditions, t);
    EXPECT_EQ(t.delai, r.delai);
    if (r.corrections) {
        EXPECT_GT(t.rollbacks, 0);
    }
    EXPECT_GE(t.aller_retour_max, r.aller_retour_min);
}

INSTANTIATE_TEST_SUITE_P(Reseaux, Matrice, ::testing::ValuesIn(RESEAUX),
                         [](const ::testing::TestParamInfo<Reseau>& i) { return std::string(i.param.nom); });

TEST_F(EnLigne, TheGameThatStartedFirstWaitsAndBothPlayInStep)
{
    // Side 2 starts a third of a second late: side 1 plays its window's
    // worth of ticks, waits, then sits out frames until both are in step.
    Conditions c;
    c.delai_ms = 30;
    Accidents a;
    a.decalage_ms = 333;
    const MatchDeuxJoueurs m = jouer_deux_joueurs(entete(4), c, 13, a);
    ASSERT_EQ(m.cotes[0].issue, Issue::fini);
    ASSERT_EQ(m.cotes[1].issue, Issue::fini);
    EXPECT_EQ(m.cotes[0].somme, m.cotes[1].somme);
    EXPECT_GE(m.cotes[0].ralentissements, 3);
    EXPECT_LE(m.cotes[1].ralentissements, 2) << "the late side never slows";
    // In step: the two sides' ticks at the end differ by little more than
    // the ticks the network holds.
    EXPECT_LE(std::abs(m.cotes[0].ticks - m.cotes[1].ticks), 6);
}

TEST_F(EnLigne, AGameSteppingOutOfStepIsStoppedOnBothSidesAtTheSameTick)
{
    // The other side's copy of the match gives side 1 more strength: the
    // first hit it lands takes another life there.
    const Rejeu e = entete(1);
    Rejeu autre = e;
    autre.cotes[0].carac.force += 5;
    Accidents a;
    a.entete_cote2 = &autre;
    Conditions c;
    c.delai_ms = 20;
    const MatchDeuxJoueurs m = jouer_deux_joueurs(e, c, 7, a);
    EXPECT_EQ(m.cotes[0].issue, Issue::desynchronise);
    EXPECT_EQ(m.cotes[1].issue, Issue::desynchronise);
    EXPECT_GT(m.cotes[0].ticks, 0);
    // Well before the match could have ended.
    EXPECT_LT(m.duree_ms, 60 * 1000);
    // The keys both agreed on are kept: played again here, side 1's copy
    // of the match goes as it went there.
    const VerificationRejeu v = verifier_rejeu(m.cotes[0].rejeu);
    EXPECT_FALSE(m.cotes[0].rejeu.entrees.empty());
    EXPECT_EQ(v.premier_ecart, -1) << "played again as far as it was confirmed";
}

TEST_F(EnLigne, APeerGoneSilentEndsTheMatchAfterThreeSeconds)
{
    Conditions c;
    c.delai_ms = 20;
    Accidents a;
    a.silence_des_ms = 5000;
    const MatchDeuxJoueurs m = jouer_deux_joueurs(entete(2), c, 9, a);
    EXPECT_EQ(m.cotes[0].issue, Issue::perdue);
    EXPECT_GE(m.duree_ms, 5000 + SILENCE_MAX_MS);
    EXPECT_LT(m.duree_ms, 5000 + SILENCE_MAX_MS + 200);
}

TEST_F(EnLigne, GarbageOnTheWireIsCountedAndTheMatchGoesOn)
{
    Conditions c;
    c.delai_ms = 15;
    Accidents a;
    a.dechets_tous_ms = 40;
    const MatchDeuxJoueurs m = jouer_deux_joueurs(entete(3), c, 11, a);
    EXPECT_EQ(m.cotes[0].issue, Issue::fini);
    EXPECT_EQ(m.cotes[1].issue, Issue::fini);
    EXPECT_EQ(m.cotes[0].somme, m.cotes[1].somme);
    EXPECT_GT(m.cotes[0].malformes, 100);
}

TEST_F(EnLigne, TicksPlayedAgainAreNotHeardAgain)
{
    // The enhanced edition's "FIGHT" and the hits of a punching side 1.
    MatchEnLigne m(entete(1));
    const auto jouer = [&m] {
        for (int tick = 0; tick < 400; ++tick)
            m.jouer_tick(tick % 20 < 3 ? Touches(1u << TOUCHE_PUNCH_FORT) : Touches(1u << TOUCHE_DROITE), 0);
    };
    m.sauver(0);
    const long avant = SON::departs;
    jouer();
    const uint64_t somme = m.somme();
    EXPECT_GT(SON::departs, avant + 2);
    m.restaurer(0);
    m.rejouer(true);
    const long entendus = SON::departs;
    jouer();
    m.rejouer(false);
    EXPECT_EQ(SON::departs, entendus);
    EXPECT_EQ(m.somme(), somme);
}

}  // namespace
