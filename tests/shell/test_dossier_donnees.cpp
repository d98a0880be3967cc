// The game starts only in its data folder, and clears what an interrupted
// save left behind there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "shell/jeu.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"

namespace {

TEST(DossierDeDonnees, StartedElsewhereTheGameSaysWhereToStartIt)
{
    allegro_sans_systeme();
    DossierTemp ailleurs;
    ailleurs.ecrire("zef.ini", "j1_control=1\n");   // a settings file alone is not the data folder
    EXPECT_FALSE(dans_le_dossier_de_donnees());
    EXPECT_EXIT(preparer_dossier_de_donnees(), ::testing::ExitedWithCode(1),
                "dossier de donnees introuvable.*cd data.*zef\\.sh");
}

TEST(DossierDeDonnees, CopiesLeftByAnInterruptedSaveAreRemovedAndTheFilesKept)
{
    allegro_sans_systeme();
    DossierTemp donnees;
    donnees.ecrire("graphics/curseur.bmp", "");
    donnees.ecrire("stage/stage.pak", "");
    for (const char* f : {"zef.ini", "zef.ini.tmp", "shiz/shiz.xp", "shiz/shiz.xp.tmp", "panda/panda.xp.tmp"})
        donnees.ecrire(f, "x");
    preparer_dossier_de_donnees();
    for (const char* reste : {"zef.ini", "shiz/shiz.xp"})
        EXPECT_TRUE(std::filesystem::exists(reste)) << reste;
    for (const char* parti : {"zef.ini.tmp", "shiz/shiz.xp.tmp", "panda/panda.xp.tmp"})
        EXPECT_FALSE(std::filesystem::exists(parti)) << parti;
}

}  // namespace
