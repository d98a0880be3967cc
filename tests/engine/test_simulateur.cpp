// Whole matches played headless: they end, they repeat exactly, they keep
// every fighter on the stage, and they save experience as they should.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "engine/simulateur.h"
#include "support/perso_test.h"

namespace {

class Simulation : public ::testing::Test {
protected:
    void SetUp() override
    {
        combat.ecrire_decor(aeroport, 1280, 600);
        pm.Parlvl.stage = aeroport;
        pm.parP1 = combat.par1;
        pm.parP2 = combat.par2;
        pm.parP1.control = pm.parP2.control = CONTROLE_CPU;
        std::ifstream police(ZEF_TEST_FONT, std::ios::binary);
        const std::string octets((std::istreambuf_iterator<char>(police)), std::istreambuf_iterator<char>());
        combat.dossier.ecrire("graphics/chinese.ttf", octets);
        combat.dossier.ecrire("graphics/intsh.ttf", octets);
        alfont_init();
    }

    Combat combat;
    ParamMoteur pm;
};

TEST_F(Simulation, TwoComputerPlayersFightAMatchToItsEnd)
{
    SimulateurMatch sim(pm);
    const RapportMatch r = sim.jouer(7);
    EXPECT_FALSE(r.abandonne);
    EXPECT_TRUE(r.winner == 1 || r.winner == 2);
    EXPECT_GE(r.rounds, 2);
    EXPECT_EQ(r.ko + r.temps + r.nuls, r.rounds);
    EXPECT_GT(r.coups[0] + r.coups[1], 0);
    EXPECT_EQ(sim.parametres().winner, r.winner);
}

TEST_F(Simulation, TheSameSeedPlaysTheSameMatchTickForTick)
{
    SimulateurMatch sim(pm);
    std::vector<uint64_t> premiere, seconde;
    sim.apres_tick = [&](int64_t, uint64_t somme) { premiere.push_back(somme); };
    const RapportMatch a = sim.jouer(3);
    sim.apres_tick = [&](int64_t, uint64_t somme) { seconde.push_back(somme); };
    const RapportMatch b = sim.jouer(3);
    EXPECT_EQ(premiere, seconde);
    EXPECT_EQ(a.somme, b.somme);
    EXPECT_EQ(a.ticks, b.ticks);

    std::vector<uint64_t> autre;
    sim.apres_tick = [&](int64_t, uint64_t somme) { autre.push_back(somme); };
    sim.jouer(4);
    EXPECT_NE(premiere, autre);
}

TEST_F(Simulation, FightersLivesAndManaStayWithinTheirBounds)
{
    SimulateurMatch sim(pm);
    sim.dessiner = true;
    Moteur& m = sim.moteur();
    int ecarts = 0;
    sim.apres_tick = [&](int64_t, uint64_t) {
        for (const Perso* p : {&m.p1, &m.p2}) {
            const bool dedans = p->GetX() - p->dx >= 0 && p->GetX() + p->dx <= 1280 && p->GetY() >= 0 &&
                                p->GetY() <= 600 && p->Mana >= 0 && p->Mana <= p->donneesperso.ManaMax &&
                                p->Vie <= p->donneesperso.PV && p->dVie <= p->donneesperso.PV;
            ecarts += dedans ? 0 : 1;
        }
    };
    for (unsigned graine = 1; graine <= 3; ++graine)
        sim.jouer(graine);
    EXPECT_EQ(ecarts, 0);
}

TEST_F(Simulation, EscapeAbandonsWithoutAWinnerOrSavedExperience)
{
    combat.dossier.ecrire("shiz/shiz.xp", "\n10\n10\n10\n10\n0\n0\n0\n0\n0\n1\n");
    pm.ModeEvolution = true;
    pm.winner = 2;
    SimulateurMatch sim(pm);
    sim.script = [](int64_t tick) { return tick < 1000; };
    const RapportMatch r = sim.jouer(5);
    EXPECT_TRUE(r.abandonne);
    EXPECT_EQ(sim.parametres().winner, 2);
    EXPECT_EQ(combat.dossier.lire("shiz/shiz.xp"), "\n10\n10\n10\n10\n0\n0\n0\n0\n0\n1\n");
}

TEST_F(Simulation, ProgressionSavesBothFilesInVersusAndOnlyTheFirstInTheStory)
{
    const std::string neuf = "\n10\n10\n10\n10\n0\n0\n0\n0\n0\n1\n";
    pm.parP2.perso = talon;
    pm.parP2.xp_pathfile = "talon/talon.xp";
    pm.parP1.xp_pathfile = "shiz/shiz.xp";
    for (const char* f : {"shiz/shiz.xp", "talon/talon.xp"})
        combat.dossier.ecrire(f, neuf);
    combat.dossier.ecrire("talon/talon.p", combat.dossier.lire("shiz/shiz.p"));
    combat.dossier.ecrire("talon/fx/fx.p", combat.dossier.lire("shiz/fx/fx.p"));
    pm.ModeEvolution = true;
    {
        SimulateurMatch sim(pm);
        sim.jouer(11);
    }
    EXPECT_NE(combat.dossier.lire("shiz/shiz.xp"), neuf);
    EXPECT_NE(combat.dossier.lire("talon/talon.xp"), neuf);

    for (const char* f : {"shiz/shiz.xp", "talon/talon.xp"})
        combat.dossier.ecrire(f, neuf);
    pm.ModeDeJeu = mode_histoire;
    {
        SimulateurMatch sim(pm);
        sim.jouer(11);
    }
    EXPECT_NE(combat.dossier.lire("shiz/shiz.xp"), neuf);
    EXPECT_EQ(combat.dossier.lire("talon/talon.xp"), neuf);

    pm.ModeEvolution = false;
    pm.ModeDeJeu = mode_versus;
    for (const char* f : {"shiz/shiz.xp", "talon/talon.xp"})
        combat.dossier.ecrire(f, neuf);
    {
        SimulateurMatch sim(pm);
        sim.jouer(11);
    }
    EXPECT_EQ(combat.dossier.lire("shiz/shiz.xp"), neuf);
    EXPECT_EQ(combat.dossier.lire("talon/talon.xp"), neuf);
}

TEST_F(Simulation, AFighterOnBothSidesKeepsWhatEachSideGained)
{
    // Level 3 to begin with: 2800 points.
    combat.dossier.ecrire("shiz/shiz.xp", "\n10\n10\n10\n10\n0\n0\n0\n0\n2800\n3\n");
    pm.parP1.xp_pathfile = pm.parP2.xp_pathfile = "shiz/shiz.xp";
    pm.parP2.perso = pm.parP1.perso;
    pm.parP1.carac.experience = pm.parP2.carac.experience = 2800;
    pm.ModeEvolution = true;
    SimulateurMatch sim(pm);
    sim.jouer(11);
    const uint32_t cote1 = sim.moteur().p1.donneesperso.carac.experience;
    const uint32_t cote2 = sim.moteur().p2.donneesperso.carac.experience;
    ASSERT_GT(cote1, 2800u);
    ASSERT_GT(cote2, 2800u);
    std::istringstream fichier(combat.dossier.lire("shiz/shiz.xp"));
    std::vector<long> valeurs;
    for (long v; fichier >> v;)
        valeurs.push_back(v);
    ASSERT_EQ(valeurs.size(), 10u);
    EXPECT_EQ(valeurs[8], static_cast<long>(cote1 + cote2 - 2800)) << "both gains, neither lost";
    EXPECT_EQ(sim.parametres().parP1.carac.experience, sim.parametres().parP2.carac.experience);

    EXPECT_EQ(experience_des_deux(100, 150, 120), 170u);
    EXPECT_EQ(experience_des_deux(100, 100, 100), 100u);
    EXPECT_EQ(experience_des_deux(GESTION_XP::EXPERIENCE_MAX - 10, GESTION_XP::EXPERIENCE_MAX + 5,
                                  GESTION_XP::EXPERIENCE_MAX),
              GESTION_XP::EXPERIENCE_MAX + 5)
        << "capped, but never below what a side reached";
}

}  // namespace
