// The generated shiz, played from the keyboard for a few hundred steps:
// walking, crouching, jumping, punching, then a combo into its ki blast.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fighter/perso.h"
#include "support/allegro_env.h"

namespace {

class Scenario : public ::testing::Test {
protected:
    void SetUp() override
    {
        allegro_sans_systeme();
        ancien = std::filesystem::current_path();
        ASSERT_EQ(chdir(ZEF_DATA_DIR), 0);
        t = 0;
        s = 0;
        par.perso = shiz;
        par.control = CONTROLE_CLAVIER;
        par.carac.force = par.carac.dexterite = par.carac.constitution = par.carac.arcanes = 10;
        par.SetJoueur(1);
        par.SetKey();
        fond = create_bitmap_ex(16, 1600, 720);
        lvl.fond = fond;
        lvl.scrollx = 480;
        p.calculdonneesperso(par.carac);
        p.PersoVarInit(par);
        p.SetPath(par);
        p.LoadAllAnime(par);
        p.SetMaxXY(1600, 720);
        p.GraphVarInit();
        p.MvtVarInit();
        p.SetX(600);
        p.SetY(lvl.GetHteurSol());
        p.SynchroTime();
        p.SetAnim(0);
        p.SynchroTimeAnim();
        adversaire.initCETAT();
    }
    void TearDown() override
    {
        relacher();
        p.DestroyPerso();
        p.sonperso.Destroy();
        destroy_bitmap(fond);
        std::filesystem::current_path(ancien);
        t = 0;
    }
    void relacher()
    {
        for (int k = 0; k < KEY_MAX; ++k)
            key[k] = 0;
    }
    // `n` game steps with these keys held, as the fight loop runs them.
    void jouer(std::initializer_list<int> touches, int n)
    {
        relacher();
        for (int r : touches)
            key[par.pkeys[r]] = 1;
        for (int i = 0; i < n; ++i) {
            t += 3;   // a 60 Hz step at 6 ms per count
            p.getInfo(adversaire, 1200);
            p.PlayerInput(par, lvl);
            p.TesteEnvir(lvl);
            p.NewAnim(lvl);
            if (p.Speencour || p.nObj != 0)
                p.SpeEvenSuiv(lvl);
            p.NewPos();
        }
    }
    bool au_sol() const { return p.GetY() == lvl.GetHteurSol(); }

    std::filesystem::path ancien;
    ParamJoueur par;
    ParamLvl lvl;
    BITMAP* fond = nullptr;
    Perso p;
    CETAT adversaire;
};

TEST_F(Scenario, WalkCrouchJumpPunchThenAComboIntoAProjectile)
{
    jouer({TOUCHE_DROITE}, 30);
    EXPECT_TRUE(p.status.estdans(marche));
    EXPECT_GT(p.GetX(), 600 + 100);   // about 8 pixels a step
    jouer({}, 1);
    EXPECT_TRUE(p.status.estdans(repos));
    EXPECT_EQ(p.GetVx(), 0);

    jouer({TOUCHE_BAS}, 40);
    EXPECT_TRUE(p.status.estdans(bas));
    jouer({}, 60);
    EXPECT_FALSE(p.status.estdans(bas));
    EXPECT_TRUE(p.status.estdans(repos));

    jouer({TOUCHE_HAUT}, 1);
    EXPECT_TRUE(p.status.estdans(saute));
    int sommet = 0;
    for (int i = 0; i < 200 && p.status.estdans(saute); ++i) {
        jouer({}, 1);
        sommet = std::max(sommet, p.GetY());
    }
    EXPECT_GT(sommet, 250);
    EXPECT_TRUE(au_sol());
    EXPECT_TRUE(p.status.estdans(repos));

    jouer({TOUCHE_PUNCH_LEGER}, 1);
    EXPECT_TRUE(p.status.estdans(donnecoup));
    jouer({}, 80);
    EXPECT_FALSE(p.status.estdans(donnecoup));

    // Right, right, strong punch: the ki blast, which launches a projectile.
    p.SetMana(100);
    jouer({}, 15);   // a pause forgets any earlier keys...
    p.clav.t0 = t;   // ...and the history starts counting now
    const int x_avant = p.GetX();
    // Right is committed every 16 ticks it is held (steps 6 and 12); the punch
    // must come at least 16 ticks after the last commit to be committed at once.
    jouer({TOUCHE_DROITE}, 17);
    jouer({TOUCHE_PUNCH_FORT}, 1);
    EXPECT_TRUE(p.Speencour);
    EXPECT_LT(p.Mana, 100);
    int depart = -1;
    for (int i = 0; i < 120 && depart < 0; ++i) {
        jouer({}, 1);
        if (p.nObj)
            depart = p.Obj.GetX();
    }
    ASSERT_GT(depart, x_avant);   // in front of shiz, who faces right
    jouer({}, 10);
    EXPECT_GT(p.Obj.GetX(), depart);
    EXPECT_FALSE(p.Obj.EstRetourne());
}

}  // namespace
