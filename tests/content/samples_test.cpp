// Every sound the game names loads with the library, and none is missing.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void demarrer()
{
    static const bool pret = [] { return install_allegro(SYSTEM_NONE, &errno, atexit) == 0; }();
    ASSERT_TRUE(pret);
}

TEST(Samples, EverySoundOfTheDataFolderLoadsWithTheLibrary)
{
    demarrer();
    int lus = 0;
    for (const auto& e : fs::recursive_directory_iterator(ZEF_DATA_DIR)) {
        if (e.path().extension() != ".wav")
            continue;
        SAMPLE* s = load_sample(e.path().c_str());
        EXPECT_NE(s, nullptr) << e.path();
        if (!s)
            continue;
        EXPECT_EQ(s->bits, 16) << e.path();
        EXPECT_GT(s->len, 0u) << e.path();
        destroy_sample(s);
        ++lus;
    }
    EXPECT_GT(lus, 80);   // about 85 files today
}

TEST(Samples, TheFilesTheChannelsNameAreAllThere)
{
    const std::vector<std::string> noms = {
        "wav/zef.wav", "wav/mouseover.wav", "wav/mouseclic.wav", "wav/gong.wav", "wav/Pyxelharn.wav",
        "wav/round1.wav", "wav/round2.wav", "wav/finalround.wav", "wav/fight.wav", "wav/ko.wav",
        "wav/perfect.wav", "wav/timeup.wav", "wav/hit1.wav", "wav/hit2.wav", "wav/PROTECT.wav",
        "stage/music1.wav", "stage/music2.wav", "stage/music3.wav", "shiz/wav/fireball.wav",
        "shiz/wav/mvt1.wav", "talon/wav/45.wav", "vishvakarman/wav/35.wav", "panda/wav/0.wav"};
    for (const std::string& n : noms)
        EXPECT_TRUE(fs::exists(fs::path(ZEF_DATA_DIR) / n)) << n;
}

}  // namespace
