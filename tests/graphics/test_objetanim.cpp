// Animated objects loaded from real files: which frames make it in, how
// slots loop, fall back and hand back, and how frames advance with t.
#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "graphics/objetanim.h"
#include "graphics/projectile.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"
#include "support/fichier_anim_test.h"

namespace {

class Anim : public ::testing::Test {
protected:
    void SetUp() override
    {
        allegro_sans_systeme();
        t = 0;
        // Picture k is k + 1 pixels wide, so a frame shows which picture it has.
        for (int k = 0; k < 6; ++k)
            ecrire_bmp("shiz/img/" + std::to_string(k) + ".bmp", k + 1, 4, 255, 0, 255);
        par.perso = shiz;
    }
    void TearDown() override
    {
        obj.Destroy();
        t = 0;
    }

    static std::string img(int k) { return "shiz/img/" + std::to_string(k) + ".bmp"; }

    void charger(const std::map<std::pair<int, int>, DONNEES>& images)
    {
        dossier.ecrire("shiz/shiz.p", fichier_anim(images));
        obj.SetPath(par);
        obj.LoadAllAnime(par);
    }

    int montre() const { return obj.ObjBmp ? obj.ObjBmp->w - 1 : -1; }

    // Plays on: one NewAnim per tick for `ticks` ticks, noting each new picture.
    std::vector<int> jouer(int ticks)
    {
        std::vector<int> vus{montre()};
        for (int i = 0; i < ticks; ++i) {
            ++t;
            obj.NewAnim();
            if (montre() != vus.back())
                vus.push_back(montre());
        }
        return vus;
    }

    DossierTemp dossier;
    ParamJoueur par;
    ObjetAnim obj;
};

TEST_F(Anim, OnlyFramesWhosePicturesLoadMakeTheSlotInOrder)
{
    charger({{{5, 0}, image(img(1).c_str())}, {{5, 1}, image("shiz/img/absent.bmp")},
             {{5, 2}, image(img(2).c_str())}, {{5, 14}, image(img(3).c_str())}});
    EXPECT_EQ(obj.CONTENU[5].nbelem, 3);
    EXPECT_TRUE(obj.CONTENU[5].estpremier());
    for (int s : {0, 1, 4, 59})
        EXPECT_TRUE(obj.CONTENU[s].EstVide()) << s;
    obj.SetAnim(5);
    EXPECT_EQ(obj.dx, 10);
    EXPECT_EQ(obj.dy, 20);
    // One-shot: 1, 2, 3, then nothing to return to.
    EXPECT_EQ(jouer(60), (std::vector<int>{1, 2, 3, -1}));
    EXPECT_TRUE(obj.ChAnim.EstVide());
}

TEST_F(Anim, TheLastLoopTargetWinsAndTheSlotRepeatsFromIt)
{
    charger({{{0, 0}, image(img(1).c_str())}, {{0, 1}, image(img(2).c_str(), 10, true)},
             {{0, 2}, image(img(3).c_str())}, {{0, 3}, image(img(4).c_str(), 10, true)},
             {{0, 4}, image(img(5).c_str())}});
    obj.SetAnim(0);
    EXPECT_EQ(jouer(11 * 9), (std::vector<int>{1, 2, 3, 4, 5, 4, 5, 4, 5, 4}));
}

TEST_F(Anim, AFrameGivesWayAtTheFirstStepAfterItsTime)
{
    charger({{{0, 0}, image(img(1).c_str(), 10)}, {{0, 1}, image(img(2).c_str(), 10)}});
    t = 500;
    obj.SetAnim(0);
    t = 510;
    obj.NewAnim();
    EXPECT_EQ(montre(), 1);
    t = 511;
    obj.NewAnim();
    EXPECT_EQ(montre(), 2);
}

TEST_F(Anim, EmptySlotsFallBackAlongTheirChains)
{
    charger({{{0, 0}, image(img(0).c_str())}, {{20, 0}, image(img(2).c_str())},
             {{3, 0}, image(img(3).c_str())}, {{40, 0}, image(img(4).c_str())}});
    const std::vector<std::pair<int, int>> attendus = {
        {26, 2}, {25, 2}, {22, 2}, {32, 2}, {4, 3}, {59, 3}, {47, 4}, {12, 0}, {53, 0}, {55, 0}};
    for (auto [slot, image_attendue] : attendus) {
        obj.SetAnim(slot);
        EXPECT_EQ(montre(), image_attendue) << "slot " << slot;
    }
    // Slots outside the object are ignored.
    obj.SetAnim(60);
    obj.SetAnim(-1);
    EXPECT_EQ(montre(), 0);
}

TEST_F(Anim, AnEmptySlotZeroLeavesThePlayingAnimationAlone)
{
    charger({{{20, 0}, image(img(2).c_str())}});
    obj.SetAnim(20);
    obj.SetAnim(0);
    obj.SetAnim(13);   // falls to 0, which is empty too
    EXPECT_EQ(montre(), 2);
}

TEST_F(Anim, ASecondStartRemembersTheFirstWhereItWas)
{
    charger({{{20, 0}, image(img(1).c_str())}, {{20, 1}, image(img(2).c_str())}, {{20, 2}, image(img(3).c_str())}});
    obj.SetAnim(20);
    EXPECT_EQ(jouer(11), (std::vector<int>{1, 2}));
    obj.SetAnim(20);   // from its first frame again
    // The second plays out, then the first resumes at frame 2.
    EXPECT_EQ(jouer(33), (std::vector<int>{1, 2, 3, 2}));
}

TEST_F(Anim, TheSlotOnShowIsKnownThroughFallbacksAndHandBacks)
{
    charger({{{0, 0}, image(img(0).c_str())}, {{20, 0}, image(img(1).c_str())}});
    obj.SetAnim(0);
    obj.SetAnim(26);   // empty: slot 20 plays in its place
    EXPECT_EQ(obj.Slot(), 20);
    jouer(30);
    EXPECT_EQ(obj.Slot(), 0);
    obj.Destroy();
    EXPECT_EQ(obj.Slot(), 0);
}

TEST_F(Anim, LoadingAndReleasingTwiceLeavesNothingBehind)
{
    charger({{{0, 0}, image(img(1).c_str(), 10, true)}, {{1, 0}, image(img(2).c_str())}});
    obj.SetAnim(1);
    obj.Destroy();
    EXPECT_TRUE(obj.ChAnim.EstVide());
    EXPECT_EQ(obj.ObjBmp, nullptr);
    EXPECT_EQ(obj.CONTENU[0].nbelem, 0);
    obj.LoadAllAnime(par);
    EXPECT_EQ(obj.CONTENU[0].nbelem, 1);
}

TEST_F(Anim, AMissingFileEndsTheGameWithItsMessage)
{
    par.perso = talon;
    obj.SetPath(par);
    // The message goes to standard output without a system driver; the
    // child process prints it to standard error instead so it can be checked.
    EXPECT_EXIT(
        {
            dup2(2, 1);
            obj.LoadAllAnime(par);
        },
        ::testing::ExitedWithCode(1), "probleme d'ouverture du fichier perso\\.");
}

TEST_F(Anim, AProjectileLaunchedFacingLeftFliesTowardSmallerX)
{
    DONNEES vol = image(img(1).c_str(), 10, true);
    vol.mvtx = 30;
    dossier.ecrire("shiz/fx/fx.p", fichier_anim({{{4, 0}, vol}}));
    Projectile p;
    p.ProjInit(par);
    EXPECT_EQ(p.GetX(), 0);
    EXPECT_TRUE(p.ChAnim.EstVide());

    // Launch from a fighter at x = 400 facing left, ObjX = 60.
    p.SetAnim(4);
    p.hflip = true;
    p.SetX(400 - 60);
    p.SetY(100);
    p.SynchroTime();
    t += 10;
    p.NewPos();
    EXPECT_EQ(p.GetVx(), -30);
    EXPECT_EQ(p.GetX(), 340 - 30);
    EXPECT_EQ(p.GetY(), 100);
    p.Destroy();
}

}  // namespace
