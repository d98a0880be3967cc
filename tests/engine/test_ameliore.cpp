// The enhanced edition's fight, with the generated fighters on keyboards
// that only the test presses: the round's announcement, knock-outs on the
// real life, time-ups on the share of life, the round end's order, hit-stop
// and sparks, bursting projectiles, solid bodies and the camera.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/simulateur.h"
#include "support/dossier_temp.h"

namespace {

class Ameliore : public ::testing::Test {
protected:
    void SetUp() override
    {
        pm.Parlvl.stage = inde;
        pm.parP1.control = pm.parP2.control = CONTROLE_CLAVIER;
        pm.parP1.SetPerso(shiz);
        pm.parP2.SetPerso(talon);
        pm.edition = Edition::amelioree;
        sim = std::make_unique<SimulateurMatch>(pm);
        sim->jouer(1);
        lacher();
    }
    void TearDown() override
    {
        lacher();
        sim.reset();
    }
    static void lacher()
    {
        for (int k = 0; k < KEY_MAX; ++k)
            key[k] = 0;
    }
    Moteur& m() { return sim->moteur(); }
    ParamMoteur* P() { return &sim->parametres(); }
    void tenir(const ParamJoueur& j, int role, bool tenu) { key[j.pkeys[role]] = tenu ? 1 : 0; }
    bool tick()
    {
        ++gamet;
        return m().PasseCombat(P());
    }
    // A round started and its announcement over.
    void round_en_cours(int ecart = 400)
    {
        m().NewRound(P());
        m().DebutRound(P(), 60);
        const int milieu = (m().p1.GetX() + m().p2.GetX()) / 2;
        m().p1.SetX(milieu - ecart / 2);
        m().p2.SetX(milieu + ecart / 2);
        while (m().plus.annonce > 0)
            tick();
    }

    DansLesDonnees donnees;
    std::unique_ptr<SimulateurMatch> sim;
    ParamMoteur pm;
};

TEST_F(Ameliore, TheRoundIsAnnouncedAndTheControlsWaitForFight)
{
    m().plus = EtatAmeliore();
    m().nbwinp1 = m().nbwinp2 = 0;
    m().NewRound(P());
    m().DebutRound(P(), 60);
    EXPECT_EQ(m().EntreeAnnonce(), 0) << "ROUND 1";
    const int depart = m().p1.GetX();
    tenir(P()->parP1, TOUCHE_DROITE, true);
    for (int i = 1; i < EtatAmeliore::TICKS_ANNONCE; ++i) {
        tick();
        ASSERT_EQ(m().p1.GetX(), depart) << "tick " << i;
        ASSERT_EQ(m().stimer, 60);
    }
    tick();
    EXPECT_EQ(m().plus.annonce, 0);
    EXPECT_GT(m().plus.fight, 0) << "FIGHT is on screen";
    for (int i = 0; i < 30; ++i)
        tick();
    EXPECT_GT(m().p1.GetX(), depart + 20) << "walking once FIGHT is called";
    // The countdown starts with the fight: a whole second before 59.
    EXPECT_EQ(m().stimer, 60);
    for (int i = 0; i < 60; ++i)
        tick();
    EXPECT_EQ(m().stimer, 59);

    m().nbwinp1 = m().nbwinp2 = 1;
    EXPECT_EQ(m().EntreeAnnonce(), 2) << "FINAL ROUND";
}

TEST_F(Ameliore, RoundsEndOnTheRealLifeAndTimeUpsOnTheShareOfIt)
{
    round_en_cours();
    Perso& j1 = m().p1;
    Perso& j2 = m().p2;
    // The bar still shows life: the round is over all the same.
    j2.Vie = 0;
    j2.dVie = 300;
    EXPECT_FALSE(m().RoundEnCours());
    EXPECT_EQ(m().FinRound(P()), KO_J1);

    // Side 1 has more points left, side 2 the larger share of its own.
    j1.donneesperso.PV = 1000;
    j2.donneesperso.PV = 800;
    j1.Vie = 600;
    j2.Vie = 560;
    j1.dVie = j1.Vie;
    j2.dVie = j2.Vie;
    m().stimer = -1;
    EXPECT_EQ(m().FinRound(P()), TEMPS_J2);
    j1.Vie = 700;   // 70 % each
    EXPECT_EQ(m().FinRound(P()), ROUND_NUL);
}

TEST_F(Ameliore, ARoundPlayedToTheEndOfTheTimeGoesToTheLargerShare)
{
    // Played with the keys: light punches until the fighter with less life
    // to begin with has less left but a larger share of it, then nobody
    // touches anything until the time is up.
    round_en_cours(70);
    const bool p1_petit = m().p1.donneesperso.PV < m().p2.donneesperso.PV;
    ASSERT_NE(m().p1.donneesperso.PV, m().p2.donneesperso.PV) << "fighters with different lives";
    Perso& petit = p1_petit ? m().p1 : m().p2;
    Perso& grand = p1_petit ? m().p2 : m().p1;
    const ParamJoueur& j_petit = p1_petit ? P()->parP1 : P()->parP2;
    const ParamJoueur& j_grand = p1_petit ? P()->parP2 : P()->parP1;
    const auto part = [](const Perso& p) { return static_cast<double>(p.Vie) / p.donneesperso.PV; };
    const auto frapper = [this](const ParamJoueur& j, Perso& cible) {
        const int vie = cible.Vie;
        for (int i = 0; i < 90 && cible.Vie == vie; ++i) {
            tenir(j, TOUCHE_PUNCH_LEGER, i % 20 < 3);
            tick();
        }
        tenir(j, TOUCHE_PUNCH_LEGER, false);
        for (int i = 0; i < 60; ++i)
            tick();
    };
    for (int coups = 0; coups < 12 && !(petit.Vie < grand.Vie && part(petit) > part(grand)); ++coups) {
        if (part(petit) <= part(grand))
            frapper(j_petit, grand);
        else
            frapper(j_grand, petit);
    }
    ASSERT_LT(petit.Vie, grand.Vie);
    ASSERT_GT(part(petit), part(grand));
    int ticks = 0;
    while (m().RoundEnCours() && ticks < 60 * 70) {
        tick();
        ++ticks;
    }
    ASSERT_LT(m().stimer, 0) << "ended by the time";
    EXPECT_EQ(m().FinRound(P()), p1_petit ? TEMPS_J1 : TEMPS_J2) << "the share, not the points";
    EXPECT_EQ(m().Avance(), p1_petit ? 1 : -1);
}

TEST_F(Ameliore, TheBannerComesAtOnceAndTheWinnersLineAfterIt)
{
    round_en_cours();
    m().p2.Vie = 0;
    ASSERT_EQ(m().FinRound(P()), KO_J1);
    m().CompterRound(KO_J1);
    m().DebutFinpartie(P());
    EXPECT_TRUE(m().BanniereVisible());
    EXPECT_FALSE(m().LigneVisible());
    int ticks = 0;
    bool fini = false;
    while (!fini && !m().LigneVisible() && ticks < 600) {
        fini = m().TickFinpartie(P());
        ++ticks;
    }
    EXPECT_TRUE(m().LigneVisible());
    EXPECT_FALSE(m().BanniereVisible());
    EXPECT_GE(ticks, 90);
    while (!fini && ticks < 1200) {
        fini = m().TickFinpartie(P());
        ++ticks;
    }
    EXPECT_TRUE(fini);
    EXPECT_LT(ticks, 60 * 6) << "shorter than the classic sequence";
    m().ConclureFinpartie();
}

TEST_F(Ameliore, AHitFreezesTheFightShowsASparkAndCountsTheChain)
{
    round_en_cours(70);
    Perso& j2 = m().p2;
    const int vie = j2.Vie;
    tenir(P()->parP1, TOUCHE_PUNCH_FORT, true);
    int ticks = 0;
    while (j2.Vie == vie && ticks < 120) {
        tick();
        ++ticks;
    }
    ASSERT_LT(j2.Vie, vie) << "the strong punch lands";
    ASSERT_GT(m().plus.arret, 0);
    const Etincelle& e = *std::find_if(std::begin(m().plus.etincelles), std::end(m().plus.etincelles),
                                       [](const Etincelle& x) { return x.age >= 0; });
    EXPECT_EQ(e.genre, ETINCELLE_COUP);
    EXPECT_NEAR(e.x, j2.GetX(), 80) << "at the contact";
    // Drawn there, over the fighters.
    const auto image = [this] {
        m().ImageCombat(P());
        BITMAP* copie = create_bitmap_ex(16, 640, 480);
        blit(m().buffer, copie, 0, 0, 0, 0, 640, 480);
        clear_bitmap(m().buffer);
        return copie;
    };
    BITMAP* avec = image();
    const Etincelle gardee = e;
    const_cast<Etincelle&>(e).age = -1;
    BITMAP* sans = image();
    const_cast<Etincelle&>(e) = gardee;
    const int cx = e.x - P()->Parlvl.scrollx, cy = 480 - (e.y - P()->Parlvl.scrolly);
    int changes = 0;
    for (int y = std::max(0, cy - 48); y < std::min(480, cy + 48); ++y)
        for (int x = std::max(0, cx - 48); x < std::min(640, cx + 48); ++x)
            changes += getpixel(avec, x, y) != getpixel(sans, x, y) ? 1 : 0;
    EXPECT_GT(changes, 500) << "the spark is drawn at the contact";
    if (const char* dossier = std::getenv("ZEF_KEEP_SHOTS"))
        save_bmp((std::string(dossier) + "/etincelle.bmp").c_str(), avec, nullptr);
    destroy_bitmap(avec);
    destroy_bitmap(sans);
    // Frozen: no clock, no motion, while the spark plays on.
    const int32_t horloge = ::t;
    const int x1 = m().p1.GetX(), x2 = j2.GetX();
    const int arret = m().plus.arret;
    for (int i = 0; i < arret; ++i)
        tick();
    EXPECT_EQ(::t.load(), horloge);
    EXPECT_EQ(m().p1.GetX(), x1);
    EXPECT_EQ(j2.GetX(), x2);
    EXPECT_EQ(e.age, arret + 1) << "counted from the tick of the hit";
    tick();
    EXPECT_NE(::t.load(), horloge) << "and the fight goes on";
    EXPECT_EQ(m().plus.series[0].coups, 1);
}

TEST_F(Ameliore, AProjectileBurstsOnWhatItHits)
{
    round_en_cours(300);
    Perso& j1 = m().p1;
    Perso& j2 = m().p2;
    j1.Mana = j1.donneesperso.ManaMax;
    // Forward, forward, punch: shiz's ki ball.
    for (int role : {TOUCHE_DROITE, TOUCHE_DROITE, TOUCHE_PUNCH_FORT}) {
        tenir(P()->parP1, role, true);
        for (int i = 0; i < 5; ++i)
            tick();
        tenir(P()->parP1, role, false);
        for (int i = 0; i < 5; ++i)
            tick();
    }
    bool vole = false;
    int coups = 0, vie = j2.Vie;
    for (int i = 0; i < 240; ++i) {
        tick();
        vole = vole || j1.nObj != 0;
        if (j2.Vie < vie) {
            ++coups;
            vie = j2.Vie;
            EXPECT_EQ(j1.nObj, 0) << "gone once it has hit";
        }
    }
    ASSERT_TRUE(vole) << "the sequence threw the ki ball";
    EXPECT_EQ(coups, 1);
}

TEST_F(Ameliore, BodiesNeverOverlapAndWalkingPushesTheOther)
{
    round_en_cours(200);
    const int depart2 = m().p2.GetX();
    tenir(P()->parP1, TOUCHE_DROITE, true);
    int recouvrements = 0;
    for (int i = 0; i < 120; ++i) {
        tick();
        const ImgAnim a = m().p1.ExtrAnim(), b = m().p2.ExtrAnim();
        for (int z1 = 0; z1 < a.nbstand; ++z1)
            for (int z2 = 0; z2 < b.nbstand; ++z2) {
                const ZONE& u = a.stand[z1];
                const ZONE& v = b.stand[z2];
                const int g1 = u.SupG.x + m().p1.GetX(), d1 = u.InfD.x + m().p1.GetX();
                const int g2 = v.SupG.x + m().p2.GetX(), d2 = v.InfD.x + m().p2.GetX();
                const int h1 = u.SupG.y + m().p1.GetY(), b1 = u.InfD.y + m().p1.GetY();
                const int h2 = v.SupG.y + m().p2.GetY(), b2 = v.InfD.y + m().p2.GetY();
                const bool ensemble = g1 <= d2 && g2 <= d1 && b1 <= h2 && b2 <= h1;
                recouvrements += ensemble ? 1 : 0;
            }
    }
    EXPECT_EQ(recouvrements, 0) << "every tick ends with the bodies apart";
    EXPECT_GT(m().p2.GetX(), depart2 + 20) << "pushed";
}

TEST_F(Ameliore, TheCameraKeepsTheGroundedFightersHeadInViewUnderAJump)
{
    round_en_cours(300);
    const ParamLvl& lvl = P()->Parlvl;
    tenir(P()->parP1, TOUCHE_HAUT, true);
    int sorties = 0, hauteur = 0;
    for (int i = 0; i < 90; ++i) {
        tick();
        const Perso& sol = m().p2;
        const int tete = sol.GetY() + sol.dy - lvl.scrolly;   // rows above the screen's bottom
        sorties += tete > 480 || tete < 0 ? 1 : 0;
        for (const Perso* p : {&m().p1, &m().p2})
            sorties += p->GetX() < lvl.scrollx || p->GetX() > lvl.scrollx + 640 ? 1 : 0;
        hauteur = std::max(hauteur, m().p1.GetY());
    }
    EXPECT_GT(hauteur, 150) << "a real jump";
    EXPECT_EQ(sorties, 0);
}

TEST_F(Ameliore, AnEnhancedMatchIsAPureFunctionOfItsSeedAndKeys)
{
    // A keyboard side that taps at random, twice: the same ticks.
    sim->script = [this](int64_t tick) {
        const uint32_t h = static_cast<uint32_t>(tick * 2654435761u);
        for (int role = 0; role < NB_TOUCHES; ++role)
            key[P()->parP1.pkeys[role]] = (h >> (role + 8) & 7) == 0;
        return true;
    };
    P()->parP2.control = CONTROLE_CPU;
    const RapportMatch a = sim->jouer(7);
    const RapportMatch b = sim->jouer(7);
    EXPECT_EQ(a.somme, b.somme);
    EXPECT_EQ(a.ticks, b.ticks);
    EXPECT_NE(a.winner, 0);
}

}  // namespace
