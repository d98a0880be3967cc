// One round of the engine driven by hand: results, experience, countdown,
// camera, shake, facing, pushes and hits.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/moteur.h"
#include "support/fichier_anim_test.h"
#include "support/fichiers_son.h"
#include "support/perso_test.h"

namespace {

class Arene : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* son : {"wav/hit1.wav", "wav/hit2.wav", "wav/PROTECT.wav"})
            combat.dossier.ecrire(son, wav_ton(0.5));
        combat.preparer(m.p1, 1, 600);
        combat.preparer(m.p2, 2, 700);
        m.p2.BmpFlip();
        pm.Parlvl = combat.lvl;
        pm.parP1 = combat.par1;
        pm.parP2 = combat.par2;
        m.buffer = create_bitmap_ex(16, 640, 480);
    }
    void TearDown() override
    {
        destroy_bitmap(m.buffer);
        m.p1.DestroyPerso();
        m.p2.DestroyPerso();
        m.p1.sonperso.Destroy();
        m.p2.sonperso.Destroy();
    }
    // Gives the frame side `p` shows a strike point at (x, y) from its anchor.
    static void frappe(Perso& p, int x, int y, Degat d)
    {
        ImgAnim& img = p.ChAnim.cour->cont;
        img.nbattaque = 1;
        img.attaque[0] = {x, y};
        img.deg = d;
    }
    Combat combat;
    Moteur m{Horloge(false)};
    ParamMoteur pm;
};

TEST_F(Arene, TheRoundResultFollowsTheDisplayedLives)
{
    struct Cas {
        double v1, v2;
        int stimer;
        int resultat;
    };
    const Cas cas[] = {
        {100, 0, 30, KO_J1},    {0, 100, 30, KO_J2},     {0, -20, 30, ROUND_NUL}, {300, 200, -1, TEMPS_J1},
        {200, 201, -1, TEMPS_J2}, {250, 250, -1, ROUND_NUL}, {0.5, 100, 0, KO_J2},
    };
    for (const Cas& c : cas) {
        m.p1.dVie = c.v1;
        m.p2.dVie = c.v2;
        m.stimer = c.stimer;
        EXPECT_FALSE(m.RoundEnCours());
        EXPECT_EQ(m.FinRound(&pm), c.resultat) << c.v1 << " " << c.v2;
    }
    m.p1.dVie = m.p2.dVie = 100;
    m.stimer = 0;
    EXPECT_TRUE(m.RoundEnCours());   // the round ends by time one second after 0
}

TEST_F(Arene, BeatingAStrongerOpponentEarnsMoreAndIsRemembered)
{
    pm.ModeEvolution = true;
    m.p1.ModeEvolution = m.p2.ModeEvolution = true;
    m.p1.calculdonneesperso(pm.parP1.carac);   // INT 10: a quarter of 2 added to every gain
    pm.parP1.carac.niveau = 3;
    pm.parP2.carac.niveau = 5;
    m.RecompenseRound(&pm, KO_J1);
    EXPECT_EQ(m.p1.bonusxp, 1000);
    EXPECT_EQ(m.p1.donneesperso.carac.experience, 1002u);

    pm.parP2.carac.niveau = 2;
    m.RecompenseRound(&pm, KO_J1);
    EXPECT_EQ(m.p1.bonusxp, 1000);   // the fixed award is not remembered
    EXPECT_EQ(m.p1.donneesperso.carac.experience, 1002u + 402);

    pm.parP2.carac.niveau = 3;
    m.RecompenseRound(&pm, TEMPS_J1);
    EXPECT_EQ(m.p1.bonusxp, 500);
    m.RecompenseRound(&pm, ROUND_NUL);
    EXPECT_EQ(m.p2.bonusxp, 0);

    pm.ModeEvolution = false;
    const uint32_t avant = m.p1.donneesperso.carac.experience;
    m.RecompenseRound(&pm, KO_J1);
    EXPECT_EQ(m.p1.donneesperso.carac.experience, avant);
}

TEST_F(Arene, TheCountdownShowsTwoDigitsWhenItCan)
{
    // Digit d is 10 + d pixels wide.
    for (int d = 0; d < 10; ++d)
        ecrire_bmp("graphics/s" + std::to_string(d) + ".bmp", 10 + d, 20, 255, 255, 255);
    COMPTEUR_SEC c;
    c.init();
    const auto montre = [&](int valeur) {
        clear_bitmap(m.buffer);
        c.afficher(m.buffer, valeur);
        int dizaine = 0, unite = 0;
        for (int x = 294; x < 320; ++x)
            dizaine += getpixel(m.buffer, x, 15) != 0;
        for (int x = 320; x < 360; ++x)
            unite += getpixel(m.buffer, x, 15) != 0;
        return std::make_pair(dizaine, unite);
    };
    EXPECT_EQ(montre(60), std::make_pair(16, 10));
    EXPECT_EQ(montre(9), std::make_pair(10, 19));
    EXPECT_EQ(montre(0), std::make_pair(10, 10));
    EXPECT_EQ(montre(-1), std::make_pair(10, 0));
    EXPECT_EQ(montre(100), std::make_pair(0, 10));
    c.destroy();
}

TEST_F(Arene, TheCameraFramesBothFightersWithinTheStage)
{
    BITMAP* large = create_bitmap_ex(16, 1600, 600);
    pm.Parlvl.fond = large;
    m.p1.SetX(600);
    m.p2.SetX(1000);
    pm.Parlvl.scrollx = 480;
    m.TesteScrollX(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrollx, 480);
    pm.Parlvl.scrollx = 0;
    m.p1.SetX(100);
    m.p2.SetX(300);
    m.TesteScrollX(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrollx, 0);
    pm.Parlvl.scrollx = 960;
    m.p1.SetX(1550);
    m.p2.SetX(1590);
    m.TesteScrollX(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrollx, 960);

    // Pinned at opposite edges of the view: the camera holds.
    pm.Parlvl.scrollx = 300;
    m.p1.SetX(300);
    m.p2.SetX(940);
    m.TesteScrollX(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrollx, 300);

    // A high jump lifts the view to keep the fighter's top in sight.
    const int ancre = m.p1.CONTENU[SLOT_SAUT_AVANT].cour->cont.O.y;
    m.p1.SetY(481 - ancre);
    pm.Parlvl.scrolly = 0;
    m.TesteScrollY(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrolly, 3);   // risen to 2, then following the airborne fighter's top
    m.p1.SetY(50);
    m.TesteScrollY(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrolly, 3);   // both on the ground: the view stays
    m.p1.SetY(200);
    m.TesteScrollY(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrolly, 0);   // airborne and low: back down

    pm.Parlvl.fond = combat.lvl.fond;
    destroy_bitmap(large);
}

TEST_F(Arene, AShakeSwingsTheViewUntilTheNextSecond)
{
    s = 10;
    m.ftremb = 15;
    m.p1.faitTrembler = true;
    EXPECT_TRUE(m.TestTremble());
    pm.Parlvl.scrollx = 300;
    m.Tremble(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrollx, 285);   // first to the left
    m.Tremble(pm.Parlvl);
    EXPECT_EQ(pm.Parlvl.scrollx, 300);
    EXPECT_FALSE(m.TestTremble());
    EXPECT_TRUE(m.tremble);
    s = 11;
    EXPECT_FALSE(m.TestTremble());
    EXPECT_FALSE(m.tremble);
    EXPECT_FALSE(m.p1.faitTrembler);
}

TEST_F(Arene, FightersTurnToFaceEachOtherOnlyAtTheFirstFrame)
{
    m.p1.SetX(800);   // side 1 jumped over
    m.p1.avancer();
    Combat::attendre(11);
    m.p1.NewAnim(pm.Parlvl);   // second frame of the walk
    m.TestFlip();
    EXPECT_FALSE(m.p1.EstRetourne());
    EXPECT_FALSE(m.p2.EstRetourne());   // side 2 stands at its first frame and faces right now
    m.p1.PunchP();
    m.TestFlip();
    EXPECT_TRUE(m.p1.EstRetourne());
}

TEST_F(Arene, DrawingOrdersTheFightersWithoutChangingThem)
{
    // Both idle: equal priorities, side 1 behind while the tie-break is 0.
    m.priorP = 0;
    const int32_t prior1 = m.p1.status.Prior, prior2 = m.p2.status.Prior;
    m.AffichPersos(&pm);
    EXPECT_EQ(m.ordre_dessin.prior[0], 0);
    EXPECT_EQ(m.ordre_dessin.prior[1], 1);
    EXPECT_EQ(m.p1.status.Prior, prior1);
    EXPECT_EQ(m.p2.status.Prior, prior2);
    // A settled order stands while the fighters' states do not change...
    m.priorP = 1;
    m.AffichPersos(&pm);
    EXPECT_EQ(m.ordre_dessin.prior[1], 1);
    // ...and is settled again once they do: side 1 attacks (1), side 2
    // keeps the 1 the last frame gave it, a tie broken the other way now.
    m.p1.status.ajouter(donnecoup);
    m.AffichPersos(&pm);
    EXPECT_EQ(m.ordre_dessin.prior[0], 1);
    EXPECT_EQ(m.ordre_dessin.prior[1], 0);
    // A projectile in flight puts its thrower in front.
    m.p2.nObj = 1;
    m.AffichPersos(&pm);
    EXPECT_EQ(m.ordre_dessin.prior[1], 2);
    m.p2.nObj = 0;
}

TEST_F(Arene, OverlappingBodiesArePushedTwoPixelsApart)
{
    m.p1.SetX(690);
    m.p1.avancer();
    m.p2.SetVx(-20);
    m.TestCollision();
    EXPECT_EQ(m.p1.GetX(), 688);
    EXPECT_EQ(m.p2.GetX(), 702);
    EXPECT_EQ(m.p1.GetVx(), 0);
    EXPECT_EQ(m.p2.GetVx(), 0);
    m.p1.SetX(400);
    m.TestCollision();
    EXPECT_EQ(m.p1.GetX(), 400);
}

TEST_F(Arene, AnAttackFrameHitsOnceAndTheNextFrameMayHitAgain)
{
    m.p1.PunchP();
    frappe(m.p1, 100, 50, Degat{10, 20, 0, false});   // reaches side 2 at x 700
    const int vie = m.p2.Vie;
    m.TestAttaqueP1();
    EXPECT_EQ(m.p2.Vie, vie - 10 - m.p1.donneesperso.bonusdegats);
    EXPECT_TRUE(m.p2touche);
    EXPECT_EQ(m.coups[0], 1);
    EXPECT_EQ(m.vitesse, 12);   // a clean hit slows the clock for the tick
    m.TestAttaqueP1();
    EXPECT_EQ(m.coups[0], 1);
    m.FinAttaque(2);
    EXPECT_FALSE(m.p2touche);
    EXPECT_EQ(m.vitesse, 6);
    EXPECT_EQ(m.priorP, 1);
    m.TestAttaqueP1();
    EXPECT_EQ(m.coups[0], 2);

    // On the very edge of the body zone still counts.
    m.p2touche = false;
    frappe(m.p1, 110, 90, Degat{10, 20, 0, false});
    m.TestAttaqueP1();
    EXPECT_EQ(m.coups[0], 3);
    m.p2touche = false;
    frappe(m.p1, 111, 90, Degat{10, 20, 0, false});
    m.TestAttaqueP1();
    EXPECT_EQ(m.coups[0], 3);
}

TEST_F(Arene, GuardsStopHighOrLowAttacksOnlyWhenTheyMatch)
{
    const int bonus = m.p1.donneesperso.bonusdegats;
    const auto coup = [&](std::initializer_list<ETAT> attaquant, std::initializer_list<ETAT> defenseur) {
        m.p1.status.initCETAT();
        m.p2.status.initCETAT();
        for (ETAT e : attaquant)
            m.p1.status.ajouter(e);
        for (ETAT e : defenseur)
            m.p2.status.ajouter(e);
        m.p2.Vie = 500;
        m.p2.dVie = 500;
        m.p2touche = false;
        m.TestAttaqueP1();
        return 500 - m.p2.Vie;
    };
    frappe(m.p1, 100, 50, Degat{30, 0, 0, false});
    EXPECT_EQ(coup({donnecoup}, {protection}), 0);                           // guarded
    EXPECT_EQ(m.p1.sonperso.sfx_precedant, 2);                               // the guard's clank
    EXPECT_EQ(coup({bas, donnecoup}, {protection}), 30 + bonus);             // low beats a standing guard
    EXPECT_NE(m.p1.sonperso.sfx_precedant, 2);                               // an impact instead
    EXPECT_EQ(coup({bas, donnecoup}, {bas, protection}), 0);
    EXPECT_EQ(coup({saute, donnecoup}, {bas, protection}), 30 + bonus);      // a jump beats a crouching guard
    EXPECT_EQ(coup({saute, donnecoup}, {protection}), 0);

    // A special move chips through the guard.
    m.p1.Speencour = true;
    const int magie = bonus + m.p1.donneesperso.bonusdegatsmagiques;
    EXPECT_EQ(coup({donnecoup}, {protection}), 1 + (30 + magie) / m.p2.donneesperso.coefprotect);
    m.p1.Speencour = false;
}

TEST_F(Arene, AProjectileChipsAGuardAndHitsCleanOtherwise)
{
    m.p1.nObj = 1;
    m.p1.Obj.SetAnim(1);
    m.p1.Obj.SetX(690);
    m.p1.Obj.SetY(100);
    m.p1.Obj.ChAnim.cour->cont.deg = Degat{40, 10, 0, false};
    m.p2.status.ajouter(protection);
    const int bonus = m.p1.donneesperso.bonusdegats;
    m.p2.Vie = 500;
    // Balancing reports hear of each hit with the projectile's slot and the life it took.
    std::vector<std::tuple<int, int, int, bool>> entendus;
    m.sur_coup = [&entendus](int cote, int slot, int degats, bool garde) {
        entendus.emplace_back(cote, slot, degats, garde);
    };
    m.TestAttaqueP1();
    const int ecorne = 1 + (40 + bonus) / m.p2.donneesperso.coefprotect;
    EXPECT_EQ(m.p2.Vie, 500 - ecorne);
    m.p2.status.initCETAT();
    m.p2touche = false;
    m.TestAttaqueP1();
    EXPECT_LT(m.p2.Vie, 500 - 40);
    ASSERT_EQ(entendus.size(), 2u);
    EXPECT_EQ(entendus[0], std::make_tuple(0, 61, ecorne, true));
    EXPECT_EQ(entendus[1], std::make_tuple(0, 61, 500 - ecorne - m.p2.Vie, false));
}

TEST_F(Arene, ChainedHitsWhileOnesOwnLifeDrainsEarnABonus)
{
    pm.ModeEvolution = m.p1.ModeEvolution = true;
    m.p1.calculdonneesperso(pm.parP1.carac);
    frappe(m.p1, 100, 50, Degat{10, 0, 0, false});
    m.p1.dVie = m.p1.Vie + 50;   // side 1's own bar still runs down
    for (int i = 0; i < 3; ++i) {
        m.p2touche = false;
        m.TestAttaqueP1();
    }
    EXPECT_EQ(m.p1.nbcoupsdonnes, 3);
    const uint32_t avant = m.p1.donneesperso.carac.experience;
    m.p1.dVie = m.p1.Vie;
    m.p2touche = false;
    m.TestAttaqueP1();
    EXPECT_EQ(m.p1.nbcoupsdonnes, 0);
    EXPECT_EQ(m.p1.donneesperso.carac.experience, avant + 10 + m.p1.donneesperso.bonusdegats + 2);
}

}  // namespace
