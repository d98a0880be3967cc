// Replays: a match recorded with a human's keys plays again headless to the
// same checksums and winner; a changed record is caught at the tick it
// changes; damaged, foreign and newer files are refused with a reason; the
// game keeps its newest replays and never stops for a folder it cannot use.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <cstdio>
#include <fstream>

#include "engine/simulateur.h"
#include "support/dossier_temp.h"

namespace {

namespace fs = std::filesystem;

// Side 1 at the keyboard: walks in, jumps, punches and kicks, and throws
// shiz's ki blast (down, forward, punch); side 2 is the computer. With
// progression on; the experience goes to files of the test's own.
Rejeu enregistrer_un_match(uint64_t graine)
{
    static const std::string xp1 = (fs::temp_directory_path() / "zef-test-rejeu-1.xp").string();
    static const std::string xp2 = (fs::temp_directory_path() / "zef-test-rejeu-2.xp").string();
    ParamMoteur pm;
    pm.Parlvl.stage = aeroport;
    pm.ModeEvolution = true;
    pm.parP1.control = CONTROLE_CLAVIER;
    pm.parP2.control = CONTROLE_CPU;
    pm.parP1.SetPersoSansXp(shiz);
    pm.parP2.SetPersoSansXp(panda);
    pm.parP1.carac = {10, 11, 10, 10, 2, 0, 0, 0, 2800, 3};
    pm.parP2.carac = {10, 10, 10, 10, 0, 0, 0, 0, 0, 1};
    pm.parP1.set_xp_path(xp1.c_str());
    pm.parP2.set_xp_path(xp2.c_str());
    SimulateurMatch sim(pm);
    Rejeu r;
    sim.moteur().enregistrement = &r;
    const int* touches = sim.parametres().parP1.pkeys;
    sim.script = [touches](int64_t tick) {
        for (int role = 0; role < NB_TOUCHES; ++role)
            key[touches[role]] = 0;
        const int64_t phase = tick % 240;
        if (phase < 60)
            key[touches[TOUCHE_DROITE]] = 1;
        else if (phase < 64)
            key[touches[TOUCHE_HAUT]] = 1;
        else if (phase >= 100 && phase < 104)
            key[touches[TOUCHE_PUNCH_FORT]] = 1;
        else if (phase >= 130 && phase < 134)
            key[touches[TOUCHE_KICK_LEGER]] = 1;
        else if (phase >= 160 && phase < 178)
            key[touches[TOUCHE_BAS]] = 1;
        else if (phase >= 178 && phase < 196)
            key[touches[TOUCHE_DROITE]] = 1;
        else if (phase >= 196 && phase < 200)
            key[touches[TOUCHE_PUNCH_FORT]] = 1;
        return true;
    };
    const RapportMatch rapport = sim.jouer(graine);
    for (int role = 0; role < NB_TOUCHES; ++role)
        key[touches[role]] = 0;
    EXPECT_EQ(r.winner, rapport.winner);
    EXPECT_EQ(r.somme_finale, rapport.somme);
    fs::remove(xp1);
    fs::remove(xp2);
    return r;
}

class Rejeux : public ::testing::Test {
protected:
    DansLesDonnees donnees;
};

TEST_F(Rejeux, ARecordedHumanMatchPlaysAgainAsItWasTwice)
{
    const Rejeu r = enregistrer_un_match(77);
    ASSERT_GT(r.winner, 0);
    ASSERT_EQ(r.entrees.size(), r.sommes.size());
    int ticks_tenus = 0;
    for (uint32_t e : r.entrees)
        ticks_tenus += (e & 0xFFFF) != 0 ? 1 : 0;
    EXPECT_GT(ticks_tenus, 1000) << "side 1's keys are in the record";
    EXPECT_EQ(r.entrees[0] >> 16, 0u) << "the computer side records no keys";

    // Through the file and back, played twice.
    const std::string octets = ecrire_rejeu(r);
    Rejeu relu;
    ASSERT_EQ(lire_rejeu(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), relu), nullptr);
    EXPECT_LT(octets.size(), r.entrees.size() * 5 + 200) << "the keys are compressed";
    for (int fois = 0; fois < 2; ++fois) {
        const VerificationRejeu v = verifier_rejeu(relu);
        EXPECT_TRUE(v.conforme);
        EXPECT_EQ(v.premier_ecart, -1);
        EXPECT_EQ(v.winner, r.winner);
        EXPECT_EQ(v.somme_finale, r.somme_finale);
    }
}

TEST_F(Rejeux, AChangedRecordIsCaughtAtTheTickItChanges)
{
    Rejeu r = enregistrer_un_match(78);
    const size_t change = r.entrees.size() / 2;
    r.entrees[change] ^= 1u << TOUCHE_PUNCH_LEGER;
    const VerificationRejeu v = verifier_rejeu(r);
    EXPECT_FALSE(v.conforme);
    EXPECT_GT(v.premier_ecart, static_cast<int64_t>(change));
    EXPECT_LT(v.premier_ecart, static_cast<int64_t>(change) + 60);
}

TEST_F(Rejeux, DamagedForeignAndNewerFilesAreRefusedWithAReason)
{
    Rejeu r;
    r.cotes[0].perso = talon;
    r.entrees = {1, 1, 1, 5, 0};
    r.sommes = {9, 8, 7, 6, 5};
    r.winner = 2;
    const std::string bon = ecrire_rejeu(r);
    const auto lire = [](const std::string& o) {
        Rejeu sortie;
        return lire_rejeu(reinterpret_cast<const uint8_t*>(o.data()), o.size(), sortie);
    };
    ASSERT_EQ(lire(bon), nullptr);
    for (size_t n = 0; n < bon.size(); ++n)
        EXPECT_NE(lire(bon.substr(0, n)), nullptr) << "cut to " << n << " bytes";
    for (size_t i = 0; i < bon.size(); ++i) {
        std::string abime = bon;
        abime[i] = static_cast<char>(abime[i] ^ 0x10);
        EXPECT_NE(lire(abime), nullptr) << "byte " << i << " changed";
    }
    std::string recent = bon;
    recent[4] = static_cast<char>(VERSION_REJEU + 1);
    EXPECT_STREQ(lire(recent), "made by a newer version of the game");
    EXPECT_STREQ(lire("BM\x36\x00 a picture, not a replay"), "not a replay file");
}

TEST_F(Rejeux, TheNewestHundredAreKeptAndAnUnusableFolderStopsNothing)
{
    DossierTemp dossier;
    Rejeu r;
    r.cotes[1].perso = vishvakarman;
    // 104 older replays, a second apart.
    for (int i = 0; i < 104; ++i) {
        char nom[64];
        std::snprintf(nom, sizeof nom, "replays/20200101-000%03d-shiz-talon.zrp", i);
        dossier.ecrire(nom, "old");
    }
    const int64_t quand = 1765000000;   // December 2025
    const std::string chemin = garder_rejeu(r, quand);
    ASSERT_FALSE(chemin.empty());
    EXPECT_NE(chemin.find("-shiz-vishvakarman.zrp"), std::string::npos);
    Rejeu relu;
    EXPECT_EQ(charger_rejeu(chemin.c_str(), relu), nullptr);
    int restants = 0;
    for (const auto& e : fs::directory_iterator("replays"))
        restants += e.path().extension() == ".zrp" ? 1 : 0;
    EXPECT_EQ(restants, REJEUX_GARDES);
    EXPECT_TRUE(fs::exists(chemin)) << "the newest is kept";
    EXPECT_FALSE(fs::exists("replays/20200101-000000-shiz-talon.zrp")) << "the oldest goes";
    EXPECT_TRUE(fs::exists("replays/20200101-000103-shiz-talon.zrp"));

    DossierTemp autre;
    autre.ecrire("replays", "a file where the folder should be");
    testing::internal::CaptureStderr();
    EXPECT_EQ(garder_rejeu(r, quand), "");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("could not be written"), std::string::npos);
}

}  // namespace
