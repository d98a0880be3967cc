// Statistics from characteristics, experience, and the bars drawn from them.
#include <gtest/gtest.h>

#include "support/perso_test.h"

namespace {

CARACTERISTIQUES carac(int f, int d, int c, int a)
{
    CARACTERISTIQUES r;
    r.force = f;
    r.dexterite = d;
    r.constitution = c;
    r.arcanes = a;
    return r;
}

TEST(Statistiques, WithoutProgressionEveryoneFightsTwoPointsUp)
{
    Perso p;
    p.ModeEvolution = false;
    CARACTERISTIQUES c = carac(10, 10, 10, 10);
    c.bonusforce = 5;   // ignored
    c.experience = 777;
    p.calculdonneesperso(c);
    const DONNEES_PERSO& d = p.donneesperso;
    EXPECT_EQ(d.PV, 820);
    EXPECT_EQ(d.ManaMax, 152);
    EXPECT_EQ(d.AutoMana, 22);
    EXPECT_EQ(d.ManaTaunt, 36);
    EXPECT_EQ(d.vitesse, 34);
    EXPECT_EQ(d.forcesaut, 89);
    EXPECT_EQ(d.rapidite, 10);
    EXPECT_EQ(d.bonusdegats, 21);
    EXPECT_EQ(d.bonusdegatsmagiques, 12);
    EXPECT_EQ(d.coefprotect, 11);
    EXPECT_EQ(d.nbcoupspommes, 7);
    EXPECT_EQ(d.carac.experience, 777u);
    EXPECT_EQ(d.carac.force, 0);   // not copied without progression
}

TEST(Statistiques, WithProgressionBonusesCountAndTwelveEarnsTheExtras)
{
    Perso p;
    p.ModeEvolution = true;
    CARACTERISTIQUES c = carac(3, 11, 10, 8);
    c.bonusconstitution = 2;
    p.calculdonneesperso(c);
    EXPECT_EQ(p.donneesperso.FOR, 3);
    EXPECT_EQ(p.donneesperso.bonusdegats, 4);
    EXPECT_EQ(p.donneesperso.vitesse, 30);
    EXPECT_EQ(p.donneesperso.rapidite, 7);
    EXPECT_EQ(p.donneesperso.PV, 12 * 50 + 200 + 20);
    EXPECT_EQ(p.donneesperso.carac.bonusconstitution, 2);
}

TEST(Statistiques, ExperienceGrowsByGainsAndTheArcanaQuarterUpToItsCap)
{
    Perso p;
    p.ModeEvolution = true;
    p.calculdonneesperso(carac(10, 10, 10, 8));
    p.ajoutexp(0);
    p.ajoutexp(-3);
    EXPECT_EQ(p.donneesperso.carac.experience, 0u);
    p.ajoutexp(5);
    EXPECT_EQ(p.donneesperso.carac.experience, 7u);

    p.donneesperso.carac.experience = 588700 - 10;
    p.ajoutexp(20);
    EXPECT_EQ(p.donneesperso.carac.experience, 588700u + 12);
    p.ajoutexp(1);
    EXPECT_EQ(p.donneesperso.carac.experience, 588700u);

    Perso sans;
    sans.ModeEvolution = false;
    sans.calculdonneesperso(carac(10, 10, 10, 10));
    sans.ajoutexp(50);
    EXPECT_EQ(sans.donneesperso.carac.experience, 0u);
}

class Barres : public ::testing::Test {
protected:
    void SetUp() override
    {
        ecran = create_bitmap_ex(16, 640, 480);
        clear_to_color(ecran, 0);
    }
    void TearDown() override
    {
        destroy_bitmap(ecran);
        p.DestroyPerso();
    }
    // First and last lit columns of a screen row.
    std::pair<int, int> allume(int rangee) const
    {
        int premier = -1, dernier = -1;
        for (int x = 0; x < 640; ++x)
            if (getpixel(ecran, x, rangee) != 0) {
                if (premier < 0)
                    premier = x;
                dernier = x;
            }
        return {premier, dernier};
    }
    Combat combat;
    PersoOuvert p;
    BITMAP* ecran = nullptr;
};

TEST_F(Barres, PlayerOnesBarsEmptyTowardsTheLeftEdge)
{
    combat.preparer(p, 1, 300);
    EXPECT_EQ(p.BarreFond.GetX(), 30);
    EXPECT_EQ(p.BarreVie.GetX(), 32);
    p.SetMana(p.donneesperso.ManaMax);
    p.AfficheBarre(ecran);
    EXPECT_EQ(allume(12), std::make_pair(30, 231));   // the frame, and the full bar two pixels in
    EXPECT_EQ(allume(36), std::make_pair(30, 231));

    clear_to_color(ecran, 0);
    p.Vie = p.donneesperso.PV / 2;   // half life, displayed life still full
    p.SetMana(0);
    BITMAP* cadre = p.BarreFond.ObjBmp;
    p.BarreFond.ObjBmp = nullptr;   // no frames: the bars alone
    p.AfficheBarre(ecran);
    EXPECT_EQ(allume(12), std::make_pair(32, 231));
    EXPECT_EQ(getpixel(ecran, 32, 12), getpixel(p.BarreVie2.ObjBmp, 0, 0));
    EXPECT_EQ(allume(36), std::make_pair(-1, -1));
    p.BarreFond.ObjBmp = cadre;
}

TEST_F(Barres, PlayerTwosBarsMirrorAndTruncate)
{
    combat.preparer(p, 2, 900);
    EXPECT_EQ(p.BarreFond.GetX(), 410);
    EXPECT_EQ(p.BarreVie.GetX(), 408);
    p.donneesperso.PV = 300;
    p.Vie = 299;
    p.dVie = 0;
    p.SetMana(0);
    BITMAP* cadre = p.BarreFond.ObjBmp;
    p.BarreFond.ObjBmp = nullptr;
    p.AfficheBarre(ecran);
    EXPECT_EQ(allume(12), std::make_pair(408, 408 + 199 - 1));   // 199 pixels from the outer end
    EXPECT_EQ(allume(36), std::make_pair(-1, -1));
    p.BarreFond.ObjBmp = cadre;
}

}  // namespace
