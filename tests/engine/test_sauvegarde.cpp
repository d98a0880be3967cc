// A match saved and restored plays on exactly as it would have, drawn or
// not; the checksum sees every part of the saved state.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/simulateur.h"
#include "support/dossier_temp.h"

namespace {

class Sauvegarde : public ::testing::Test {
protected:
    void SetUp() override
    {
        pm.Parlvl.stage = elbeuf;
        pm.parP1.control = pm.parP2.control = CONTROLE_CPU;
        pm.parP1.SetPerso(vishvakarman);
        pm.parP2.SetPerso(shiz);
        sim = std::make_unique<SimulateurMatch>(pm);
        sim->jouer(5);   // fresh clocks and fighters, as a match starts
        m().alea.semer(9);
        m().NewRound(P());
        m().DebutRound(P(), 60);
    }
    Moteur& m() { return sim->moteur(); }
    ParamMoteur* P() { return &sim->parametres(); }
    std::vector<uint64_t> jouer(int ticks, bool dessiner)
    {
        std::vector<uint64_t> sommes;
        for (int i = 0; i < ticks && m().RoundEnCours(); ++i) {
            m().TickCombat(P());
            if (dessiner) {
                m().ImageCombat(P());
                clear_bitmap(m().buffer);
            }
            sommes.push_back(m().SommeEtat(P()));
        }
        return sommes;
    }

    DansLesDonnees donnees;
    ParamMoteur pm;
    std::unique_ptr<SimulateurMatch> sim;
};

TEST_F(Sauvegarde, RestoringThenSteppingReplaysTheSameTicksDrawnOrNot)
{
    jouer(400, false);
    const EtatMatch e = m().Sauver(P());
    const uint64_t avant = m().SommeEtat(P());
    const std::vector<uint64_t> premiere = jouer(600, false);
    ASSERT_EQ(premiere.size(), 600u) << "the round ended too soon to compare";
    EXPECT_NE(m().SommeEtat(P()), avant);

    m().Restaurer(e, P());
    EXPECT_EQ(m().SommeEtat(P()), avant);
    EXPECT_EQ(jouer(600, true), premiere) << "drawing every frame changed the match";
    m().Restaurer(e, P());
    EXPECT_EQ(jouer(600, false), premiere);
}

TEST_F(Sauvegarde, TheChecksumCoversEveryPartOfTheState)
{
    jouer(300, false);
    const EtatMatch e = m().Sauver(P());
    const uint64_t base = m().SommeEtat(P());
    struct Groupe {
        const char* nom;
        std::function<void(EtatMatch&)> changer;
    };
    const Groupe groupes[] = {
        {"place", [](EtatMatch& c) { c.p1.SetX(c.p1.GetX() + 1); }},
        {"facing", [](EtatMatch& c) { c.p2.BmpFlip(); }},
        {"speed", [](EtatMatch& c) { c.p2.SetVy(c.p2.GetVy() + 3); }},
        {"animation", [](EtatMatch& c) { c.p1.SetAnim(c.p1.Slot() == 5 ? 6 : 5); }},
        {"animation cursor", [](EtatMatch& c) { c.p2.ChAnim.suivant(); }},
        {"state set", [](EtatMatch& c) { c.p1.status.ajouter(taunt); }},
        {"key history", [](EtatMatch& c) { c.p2.clav.keys[0] += 1; }},
        {"combo table", [](EtatMatch& c) { c.p1.clav.combos[2].touches[0] += 1; }},
        {"CPU strategy", [](EtatMatch& c) { c.p1.ai.timestrat += 1; }},
        {"projectile", [](EtatMatch& c) { c.p2.Obj.SetX(c.p2.Obj.GetX() + 7); }},
        {"special move", [](EtatMatch& c) { c.p1.Speencour = !c.p1.Speencour; }},
        {"life", [](EtatMatch& c) { c.p2.Vie -= 1; }},
        {"drain", [](EtatMatch& c) { c.p1.dVie -= 0.25; }},
        {"mana", [](EtatMatch& c) { c.p2.Mana += 1; }},
        {"experience", [](EtatMatch& c) { c.p1.donneesperso.carac.experience += 1; }},
        {"countdown", [](EtatMatch& c) { c.stimer -= 1; }},
        {"round wins", [](EtatMatch& c) { c.nbwinp2 += 1; }},
        {"hit flags", [](EtatMatch& c) { c.p1touche = !c.p1touche; }},
        {"shake", [](EtatMatch& c) { c.ftremb = -c.ftremb; }},
        {"draw tie-break", [](EtatMatch& c) { c.priorP = 1 - c.priorP; }},
        {"camera", [](EtatMatch& c) { c.scrollx += 1; }},
        {"clocks", [](EtatMatch& c) { c.t += 1; }},
        {"seconds", [](EtatMatch& c) { c.s += 1; }},
        {"tick clock", [](EtatMatch& c) { c.horloge.avancer(); }},
        {"slow motion", [](EtatMatch& c) { c.vitesse += 6; }},
        {"generator", [](EtatMatch& c) { c.alea.tirer(); }},
        {"round end", [](EtatMatch& c) { c.stade += 1; }},
    };
    for (const Groupe& g : groupes) {
        EtatMatch change = e;
        g.changer(change);
        m().Restaurer(change, P());
        EXPECT_NE(m().SommeEtat(P()), base) << g.nom;
        m().Restaurer(e, P());
        ASSERT_EQ(m().SommeEtat(P()), base) << g.nom;
    }
}

}  // namespace
