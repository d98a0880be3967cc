// Player parameters: fighters, keys, and the experience file on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "progression/paramjoueur.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"
#include "support/fichier_anim_test.h"

namespace {

class Joueur : public ::testing::Test {
protected:
    void SetUp() override { allegro_sans_systeme(); }
    DossierTemp dossier;
    ParamJoueur par;
};

TEST_F(Joueur, ChoosingAFighterReadsItsFile)
{
    dossier.ecrire("talon/talon.xp", "\n3\n4\n5\n6\n0\n0\n0\n0\n0\n1\n");
    par.SetPerso(talon);
    EXPECT_STREQ(par.xp_pathfile, "talon/talon.xp");
    EXPECT_STREQ(par.p_pathfile, "talon/talon.p");
    EXPECT_EQ(par.carac.force, 3);
    EXPECT_EQ(par.carac.dexterite, 4);
    EXPECT_EQ(par.carac.constitution, 5);
    EXPECT_EQ(par.carac.arcanes, 6);
    EXPECT_EQ(par.carac.bonusarcanes, 0);
    EXPECT_EQ(par.carac.experience, 0u);
    EXPECT_EQ(par.carac.niveau, 1);
}

TEST_F(Joueur, CrLfSpacesAndAMissingFirstLineReadTheSame)
{
    dossier.ecrire("panda/panda.xp", "9\r\n8\r\n  7\r\n6\r\n1\r\n2\r\n3\r\n4\r\n2800\r\n2\r\n");
    par.SetPerso(panda);
    EXPECT_EQ(par.carac.force, 9);
    EXPECT_EQ(par.carac.constitution, 7);
    EXPECT_EQ(par.carac.bonusarcanes, 4);
    EXPECT_EQ(par.carac.experience, 2800u);
    EXPECT_EQ(par.carac.niveau, 2);
}

TEST_F(Joueur, AnUnreadableNumberLeavesItAndTheRestAsTheyWere)
{
    dossier.ecrire("shiz/shiz.xp", "\n3\n4\nx\n6\n");
    par.carac.constitution = 11;
    par.carac.arcanes = 12;
    par.SetPerso(shiz);
    EXPECT_EQ(par.carac.dexterite, 4);
    EXPECT_EQ(par.carac.constitution, 11);
    EXPECT_EQ(par.carac.arcanes, 12);
}

TEST_F(Joueur, SavingWritesTheExactBytesWithTheLevelMatchingTheExperience)
{
    dossier.ecrire("shiz/shiz.xp", "\n5\n5\n5\n5\n0\n0\n0\n0\n0\n1\n");
    par.SetPerso(shiz);
    par.carac.experience = 2800;
    par.carac.bonusforce = 1;
    par.carac.force = -2;
    par.save_xp_file();
    EXPECT_EQ(par.carac.niveau, 3);
    EXPECT_EQ(dossier.lire("shiz/shiz.xp"), "\n-2\n5\n5\n5\n1\n0\n0\n0\n2800\n3\n");
    EXPECT_FALSE(std::filesystem::exists("shiz/shiz.xp.tmp"));

    ParamJoueur relu;
    relu.SetPerso(shiz);
    EXPECT_EQ(relu.carac.force, -2);
    EXPECT_EQ(relu.carac.experience, 2800u);
}

TEST_F(Joueur, AFailedSaveEndsTheGameAndKeepsTheOldFile)
{
    const std::string avant = "\n5\n5\n5\n5\n0\n0\n0\n0\n700\n2\n";
    dossier.ecrire("shiz/shiz.xp", avant);
    par.SetPerso(shiz);
    par.carac.experience = 99999;
    // The temporary copy cannot be created: a folder stands in its place.
    ASSERT_EQ(mkdir("shiz/shiz.xp.tmp", 0755), 0);
    EXPECT_EXIT(
        {
            dup2(2, 1);
            par.save_xp_file();
        },
        ::testing::ExitedWithCode(1), "probleme d'ouverture du fichier caracteristique\\.");
    EXPECT_EQ(dossier.lire("shiz/shiz.xp"), avant);
}

TEST_F(Joueur, AMissingFileOrAnUnknownFighterEndsTheGame)
{
    EXPECT_EXIT(
        {
            dup2(2, 1);
            par.SetPerso(talon);
        },
        ::testing::ExitedWithCode(1), "probleme d'ouverture du fichier caracteristique\\.");
    EXPECT_EXIT(par.SetPerso(static_cast<PERSO>(4)), ::testing::ExitedWithCode(1), "");
}

TEST_F(Joueur, EachSideHasItsDefaultKeys)
{
    par.SetJoueur(1);
    par.SetKey();
    EXPECT_EQ(par.pkeys[TOUCHE_SPECIAL], KEY_R);
    EXPECT_EQ(par.pkeys[TOUCHE_GAUCHE], KEY_A);
    EXPECT_EQ(par.pkeys[TOUCHE_BAS], KEY_S);
    par.SetJoueur(2);
    par.SetKey();
    EXPECT_EQ(par.pkeys[TOUCHE_KICK_FORT], KEY_COLON);
    EXPECT_EQ(par.pkeys[TOUCHE_DROITE], KEY_RIGHT);
    EXPECT_EQ(par.pkeys[TOUCHE_PUNCH_LEGER], KEY_O);

    ParamJoueur sans;
    sans.pkeys[3] = 77;
    sans.SetJoueur(0);
    sans.SetKey();
    EXPECT_EQ(sans.pkeys[3], 77);
    EXPECT_EQ(sans.pkeys[0], 0);
}

}  // namespace

namespace {

TEST(MenuXp, TheFourButtonsStandBesideTheirLinesOnEachSide)
{
    allegro_sans_systeme();
    DossierTemp dossier;
    ecrire_bmp("graphics/plus.bmp", 14, 14, 0, 200, 0);
    for (auto [joueur, x] : {std::pair{1, 107}, std::pair{2, 521}, std::pair{0, 521}}) {
        MENU_XP m;
        m.init_MENU_XP(joueur);
        const ObjetGraph* boutons[] = {&m.FORp, &m.DEXp, &m.CONp, &m.INTp};
        for (int i = 0; i < 4; ++i) {
            ASSERT_NE(boutons[i]->ObjBmp, nullptr);
            EXPECT_EQ(boutons[i]->GetX(), x);
            EXPECT_EQ(boutons[i]->GetY(), 292 - 16 * i);   // strength on top
        }
        m.Destroy();
        EXPECT_EQ(m.INTp.ObjBmp, nullptr);
    }
}

}  // namespace
