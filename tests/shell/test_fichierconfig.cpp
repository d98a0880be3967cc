// The settings file: what is read, what is kept, what is written, and the
// messages when the file cannot be used.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/fichierconfig.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"

namespace {

class FichierConfig : public ::testing::Test {
protected:
    void SetUp() override
    {
        allegro_sans_systeme();
        volume_sonore = 200;
        volume_musique = 200;
        // Recognisable "previous values" to see which settings a read changes.
        pm.parP1.control = 9;
        pm.parP2.control = 8;
        pm.ModeEvolution = false;
    }
    void TearDown() override
    {
        volume_sonore = 200;
        volume_musique = 200;
    }

    // Reads the file, returning the message boxes shown meanwhile.
    std::string charger(bool attendu = true)
    {
        testing::internal::CaptureStdout();
        EXPECT_EQ(chargerFichierConfig(&pm), attendu);
        return testing::internal::GetCapturedStdout();
    }

    DossierTemp dossier;
    ParamMoteur pm;
};

const char* const CINQ_LIGNES = "j1_control=1\nj2_control=2\nmode_evolution=1\nvolume_sonore=120\nvolume_musique=30\n";

TEST_F(FichierConfig, ReadsTheFiveSettings)
{
    dossier.ecrire("zef.ini", CINQ_LIGNES);
    EXPECT_EQ(charger(), "");
    EXPECT_EQ(pm.parP1.control, 1);
    EXPECT_EQ(pm.parP2.control, 2);
    EXPECT_TRUE(pm.ModeEvolution);
    EXPECT_EQ(volume_sonore, 120u);
    EXPECT_EQ(volume_musique, 30u);
}

TEST_F(FichierConfig, TakesValuesAsTheyAreAndAnyNonZeroSwitchAsOn)
{
    dossier.ecrire("zef.ini", "j1_control=7\nj2_control=0\nmode_evolution=5\nvolume_sonore=200\nvolume_musique=200\n");
    charger();
    EXPECT_EQ(pm.parP1.control, 7);
    EXPECT_TRUE(pm.ModeEvolution);

    ASSERT_TRUE(saveFichierConfig(&pm));
    EXPECT_EQ(dossier.lire("zef.ini"),
              "j1_control=7\nj2_control=0\nmode_evolution=1\nvolume_sonore=200\nvolume_musique=200\n");
}

TEST_F(FichierConfig, AcceptsBlankLinesAndCrLfBetweenSettings)
{
    dossier.ecrire("zef.ini", "j1_control=1\r\n\n\nj2_control= 2\r\n\r\nmode_evolution=1\n  volume_sonore=5\n\n");
    charger();
    EXPECT_EQ(pm.parP1.control, 1);
    EXPECT_EQ(pm.parP2.control, 2);   // white space before a value is fine
    EXPECT_TRUE(pm.ModeEvolution);
    EXPECT_EQ(volume_sonore, 5u);
    EXPECT_EQ(volume_musique, 200u);   // not in the file: kept
}

TEST_F(FichierConfig, ABrokenKeyStopsEveryLaterSetting)
{
    dossier.ecrire("zef.ini", "j1_controlx=1\nj2_control=2\nmode_evolution=1\nvolume_sonore=120\nvolume_musique=30\n");
    EXPECT_EQ(charger(), "");
    EXPECT_EQ(pm.parP1.control, 9);
    EXPECT_EQ(pm.parP2.control, 8);
    EXPECT_FALSE(pm.ModeEvolution);
    EXPECT_EQ(volume_sonore, 200u);
    EXPECT_EQ(volume_musique, 200u);
}

TEST_F(FichierConfig, ASpaceBeforeTheEqualsSignBreaksThatKey)
{
    dossier.ecrire("zef.ini", "j1_control=1\nj2_control =2\nmode_evolution=1\nvolume_sonore=120\nvolume_musique=30\n");
    charger();
    EXPECT_EQ(pm.parP1.control, 1);
    EXPECT_EQ(pm.parP2.control, 8);
    EXPECT_FALSE(pm.ModeEvolution);
    EXPECT_EQ(volume_musique, 200u);
}

TEST_F(FichierConfig, AnEmptyFileChangesNothingAndIsNoError)
{
    dossier.ecrire("zef.ini", "");
    EXPECT_EQ(charger(), "");
    EXPECT_EQ(pm.parP1.control, 9);
    EXPECT_EQ(pm.parP2.control, 8);
    EXPECT_EQ(volume_sonore, 200u);
}

TEST_F(FichierConfig, AMissingFileIsReportedAndChangesNothing)
{
    const std::string messages = charger(false);
    EXPECT_NE(messages.find("impossible d'ouvrir le fichier zef.ini"), std::string::npos) << messages;
    EXPECT_EQ(pm.parP1.control, 9);
    EXPECT_EQ(volume_musique, 200u);
}

TEST_F(FichierConfig, WritesTheFiveLinesInOrderAndReadsThemBack)
{
    pm.parP1.control = 1;
    pm.parP2.control = 0;
    pm.ModeEvolution = true;
    volume_sonore = 77;
    volume_musique = 0;
    ASSERT_TRUE(saveFichierConfig(&pm));
    EXPECT_EQ(dossier.lire("zef.ini"),
              "j1_control=1\nj2_control=0\nmode_evolution=1\nvolume_sonore=77\nvolume_musique=0\n");

    ParamMoteur relu;
    volume_sonore = volume_musique = 1;
    ASSERT_TRUE(chargerFichierConfig(&relu));
    EXPECT_EQ(relu.parP1.control, 1);
    EXPECT_EQ(relu.parP2.control, 0);
    EXPECT_TRUE(relu.ModeEvolution);
    EXPECT_EQ(volume_sonore, 77u);
    EXPECT_EQ(volume_musique, 0u);
}

TEST_F(FichierConfig, AFileThatCannotBeWrittenIsReportedUnderTheOldName)
{
    // A folder in the file's place cannot be opened for writing, even by root
    // (whom a read-only mode would not stop).
    ASSERT_EQ(mkdir("zef.ini", 0755), 0);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(saveFichierConfig(&pm));
    const std::string messages = testing::internal::GetCapturedStdout();
    EXPECT_NE(messages.find("impossible d'ouvrir le fichier zef.cfg"), std::string::npos) << messages;
}

TEST_F(FichierConfig, AReadOnlyFileIsLeftAsItWas)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes through read-only modes";
    dossier.ecrire("zef.ini", CINQ_LIGNES);
    ASSERT_EQ(chmod("zef.ini", 0444), 0);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(saveFichierConfig(&pm));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("zef.cfg"), std::string::npos);
    EXPECT_EQ(dossier.lire("zef.ini"), CINQ_LIGNES);
}

}  // namespace

namespace {

// The game killed at any moment of a save, over and over: the file is
// always one of the two whole versions, never empty or cut.
TEST_F(FichierConfig, AKillDuringASaveNeverLeavesTheFileEmptyOrCut)
{
    const std::string ancien = "j1_control=1\nj2_control=1\nmode_evolution=1\nvolume_sonore=11\nvolume_musique=11\n";
    const std::string nouveau = "j1_control=0\nj2_control=0\nmode_evolution=0\nvolume_sonore=99\nvolume_musique=99\n";
    dossier.ecrire("zef.ini", ancien);
    int coupe = 0;
    for (int essai = 0; essai < 300; ++essai) {
        const pid_t enfant = fork();
        ASSERT_GE(enfant, 0);
        if (enfant == 0) {
            pm.parP1.control = pm.parP2.control = 0;
            pm.ModeEvolution = false;
            volume_sonore = volume_musique = 99;
            for (;;)
                saveFichierConfig(&pm);
        }
        usleep(200 + essai * 37 % 3000);
        kill(enfant, SIGKILL);
        waitpid(enfant, nullptr, 0);
        const std::string lu = dossier.lire("zef.ini");
        coupe += lu == ancien || lu == nouveau ? 0 : 1;
        dossier.ecrire("zef.ini", ancien);
    }
    EXPECT_EQ(coupe, 0) << "saves left a file that was neither the old one nor the new one";
}

}  // namespace
