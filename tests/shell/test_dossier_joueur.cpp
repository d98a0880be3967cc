// An installed game's player folder: links to the shipped data, the player's
// own files copied once from the defaults and never overwritten, kept up to
// date with the installation.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/dossier_joueur.h"
#include "support/dossier_temp.h"

namespace fs = std::filesystem;

namespace {

class DossierJoueur : public ::testing::Test {
protected:
    void SetUp() override
    {
        partage = d.chemin() + "/usr/share/games/zef";
        joueur = d.chemin() + "/maison/.local/share/zef";
        for (const char* f : {"graphics/logo.bmp", "stage/stage.pak", "shiz/shiz.p", "shiz/img/1.bmp", "wav/a.wav"})
            d.ecrire(std::string("usr/share/games/zef/") + f, f);
        d.ecrire("usr/share/games/zef/shiz/shiz.xp", "xp par defaut");
        d.ecrire("usr/share/games/zef/zef.ini", "j1_control=0\n");
    }
    std::string lire_joueur(const std::string& relatif) const { return d.lire("maison/.local/share/zef/" + relatif); }
    bool peupler()
    {
        raison.clear();
        return peupler_dossier_du_joueur(partage, joueur, raison);
    }

    DossierTemp d;
    std::string partage, joueur, raison;
};

TEST_F(DossierJoueur, MirrorsTheDataWithLinksAndCopiesThePlayersFilesOnce)
{
    ASSERT_TRUE(peupler()) << raison;
    EXPECT_TRUE(fs::is_symlink(joueur + "/graphics"));
    EXPECT_EQ(lire_joueur("graphics/logo.bmp"), "graphics/logo.bmp");
    EXPECT_FALSE(fs::is_symlink(joueur + "/shiz")) << "holds a progress file";
    EXPECT_TRUE(fs::is_symlink(joueur + "/shiz/img"));
    EXPECT_TRUE(fs::is_symlink(joueur + "/shiz/shiz.p"));
    for (const char* propre : {"/shiz/shiz.xp", "/zef.ini"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(joueur + propre))) << propre;
        EXPECT_EQ(fs::status(joueur + propre).permissions() & fs::perms::owner_write, fs::perms::owner_write);
    }

    // The player plays; the installation changes; the game starts again.
    d.ecrire("maison/.local/share/zef/shiz/shiz.xp", "xp du joueur");
    d.ecrire("maison/.local/share/zef/zef-plus.ini", "edition=ameliore\n");
    d.ecrire("maison/.local/share/zef/replays/a.zrp", "match");
    d.ecrire("usr/share/games/zef/shiz/shiz.xp", "nouveau defaut");
    d.ecrire("usr/share/games/zef/shiz/shiz2.p", "nouveau");
    fs::remove(partage + "/wav/a.wav");
    fs::remove(partage + "/shiz/shiz.p");
    ASSERT_TRUE(peupler()) << raison;
    EXPECT_EQ(lire_joueur("shiz/shiz.xp"), "xp du joueur");
    EXPECT_EQ(lire_joueur("zef-plus.ini"), "edition=ameliore\n");
    EXPECT_EQ(lire_joueur("replays/a.zrp"), "match");
    EXPECT_EQ(lire_joueur("shiz/shiz2.p"), "nouveau");
    EXPECT_FALSE(fs::exists(fs::symlink_status(joueur + "/shiz/shiz.p"))) << "a link to nothing is dropped";
    EXPECT_TRUE(fs::is_symlink(joueur + "/wav")) << "the folder is still shipped";
}

TEST_F(DossierJoueur, NeverReplacesWhatThePlayerPutThereAndFollowsAMovedInstallation)
{
    d.ecrire("maison/.local/share/zef/graphics/logo.bmp", "le logo du joueur");
    const std::string ailleurs = d.chemin() + "/opt/zef";
    fs::create_directories(joueur);
    fs::create_directories(ailleurs + "/stage");
    fs::create_symlink(ailleurs + "/stage", joueur + "/stage");
    ASSERT_TRUE(peupler()) << raison;
    EXPECT_EQ(lire_joueur("graphics/logo.bmp"), "le logo du joueur");
    EXPECT_EQ(fs::read_symlink(joueur + "/stage"), fs::path(partage) / "stage");
}

TEST_F(DossierJoueur, AFolderThatCannotBeMadeIsSaidNotCrashedOn)
{
    // Not even root makes a folder inside a file.
    d.ecrire("maison", "un fichier, pas un dossier");
    EXPECT_FALSE(peupler());
    EXPECT_NE(raison.find("cannot make"), std::string::npos) << raison;
    EXPECT_EQ(d.lire("maison"), "un fichier, pas un dossier");
}

TEST_F(DossierJoueur, FoundFromTheProgramsPlaceAndTheEnvironment)
{
    EXPECT_EQ(dossier_installe(d.chemin() + "/usr/games/zef"), partage);
    EXPECT_EQ(dossier_installe(d.chemin() + "/build/src/zef"), "") << "a build has no installed data";
    EXPECT_EQ(dossier_du_joueur("/x/donnees", "/home/a"), "/x/donnees/zef");
    EXPECT_EQ(dossier_du_joueur(nullptr, "/home/a"), "/home/a/.local/share/zef");
    EXPECT_EQ(dossier_du_joueur("relatif", "/home/a"), "/home/a/.local/share/zef") << "ignored as invalid";
    EXPECT_EQ(dossier_du_joueur("", nullptr), "");
    for (const char* propre : {"zef.ini", "zef-plus.ini", "panda/panda.xp"})
        EXPECT_TRUE(est_fichier_du_joueur(propre)) << propre;
    for (const char* autre : {"panda/panda.p", "zef.ini.tmp", "replays", "graphics/zef.ini"})
        EXPECT_FALSE(est_fichier_du_joueur(autre)) << autre;
}

}  // namespace
