// The generator as the build runs it: whole data folders, side by side.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "common/fonts.h"
#include "common/output.h"
#include "player/experience.h"
#include "producers.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::vector<std::uint8_t>> snapshot(const fs::path& root) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files[fs::relative(e.path(), root).generic_string()] = read_file(e.path());
    return files;
}

std::string text_of(const fs::path& p) { return read_text_file(p); }

const char* const kDefaultSettings =
    "j1_control=1\nj2_control=0\nmode_evolution=1\nvolume_sonore=200\nvolume_musique=200\n";

}  // namespace

TEST(Generator, SameSourcesGiveIdenticalFilesAndKeepThePlayersSettings) {
    TempDir a("a"), b("b");
    std::ostringstream log;
    generate_all(a.path(), ZEFGEN_CONTENT_DIR, std::nullopt, log);
    generate_all(b.path(), ZEFGEN_CONTENT_DIR, std::nullopt, log);

    const auto first = snapshot(a.path()), second = snapshot(b.path());
    for (const char* expected : {"graphics/logo.bmp", "graphics/blackscreen.bmp", "graphics/chinese.ttf",
                                 "graphics/chinyen.ttf", "graphics/intsh.ttf", "graphics/Fanjofey.ttf",
                                 "wav/Pyxelharn.wav", "wav/zef.wav", "wav/mouseover.wav", "wav/mouseclic.wav",
                                 "wav/gong.wav", "zef.ini", "graphics/plus.bmp", "stage/stage.pak",
                                 "shiz/shiz.xp", "talon/talon.xp", "vishvakarman/vishvakarman.xp", "panda/panda.xp",
                                 "graphics/etincelle_coup.bmp", "graphics/commandes.bmp", "graphics/resultats.bmp",
                                 "graphics/pause.bmp", "graphics/ameliore2.bmp", "graphics/options_plus.bmp",
                                 "graphics/titre_decor.bmp", "graphics/decor_hasard1.bmp",
                                 "graphics/recit_final.bmp", "graphics/defaite.bmp"})
        EXPECT_TRUE(first.count(expected)) << expected << " was not generated";
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) EXPECT_TRUE(second.at(name) == bytes) << name << " differs between runs";
    EXPECT_EQ(text_of(a.path() / "zef.ini"), kDefaultSettings);
    EXPECT_EQ(text_of(a.path() / "shiz/shiz.xp"), "\n10\n11\n9\n10\n0\n0\n0\n0\n0\n1\n");
    EXPECT_EQ(text_of(a.path() / "panda/panda.xp"), "\n12\n8\n12\n8\n0\n0\n0\n0\n0\n1\n");

    // The player changes a setting and levels a fighter up; regenerating
    // must leave both alone, while a damaged asset is repaired.
    const std::string mine = "j1_control=0\nj2_control=1\nmode_evolution=0\nvolume_sonore=50\nvolume_musique=0\n";
    std::ofstream(a.path() / "zef.ini", std::ios::trunc) << mine;
    const std::string progress = "\n12\n8\n12\n8\n2\n0\n1\n0\n1450\n4\n";
    std::ofstream(a.path() / "panda/panda.xp", std::ios::trunc) << progress;
    fs::remove(a.path() / "talon/talon.xp");
    std::ofstream(a.path() / "graphics/logo.bmp", std::ios::trunc) << "damaged";
    std::ostringstream again;
    const Output::Counts counts = generate_all(a.path(), ZEFGEN_CONTENT_DIR, std::nullopt, again);
    EXPECT_EQ(text_of(a.path() / "zef.ini"), mine);
    EXPECT_EQ(text_of(a.path() / "panda/panda.xp"), progress);
    EXPECT_EQ(read_file(a.path() / "talon/talon.xp"), first.at("talon/talon.xp"));  // a lost file comes back
    EXPECT_EQ(read_file(a.path() / "graphics/logo.bmp"), first.at("graphics/logo.bmp"));
    EXPECT_EQ(counts.written, 2);
    EXPECT_EQ(counts.kept, 4);
}

TEST(Generator, CharacteristicsTableKeepsFightersBalanced) {
    const auto table = parse_characteristics(
        "# fighter force dexterite constitution arcanes\n"
        "\n"
        "ida  12 12 8 8   # comment\n"
        "jo   10 10 10 10\n",
        "t.txt");
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(experience_file(table[0]), "\n12\n12\n8\n8\n0\n0\n0\n0\n0\n1\n");
    auto rejects = [](const char* text, const char* why) {
        try {
            parse_characteristics(text, "t.txt");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("t.txt:"), std::string::npos) << e.what();
        }
    };
    rejects("ida 12 12 8 9\n", "add up to 40");
    rejects("ida 13 11 8 8\n", "between 0 and 12");
    rejects("ida 12 12 8 8\nida 10 10 10 10\n", "twice");
    rejects("ida 12 12 8\n", "four whole numbers");
    rejects("ida 12 12 8 8 1\n", "four whole numbers");
}

TEST(Generator, PlayerFilesAreNeverOverwritten) {
    TempDir dir("player");
    Output out(dir.path());
    EXPECT_TRUE(out.write_player_file("shiz/shiz.xp", {'1'}));
    EXPECT_FALSE(out.write_player_file("shiz/shiz.xp", {'2'}));
    EXPECT_EQ(text_of(dir.path() / "shiz/shiz.xp"), "1");
    fs::create_directories(dir.path() / "odd");  // even something that isn't a file is not replaced
    EXPECT_FALSE(out.write_player_file("odd", {'3'}));
    EXPECT_TRUE(fs::is_directory(dir.path() / "odd"));
}

TEST(Generator, AssetsAreRewrittenOnlyWhenTheirBytesChange) {
    TempDir dir("assets");
    Output out(dir.path());
    out.write_asset("deep/er/file.bin", {1, 2, 3});
    const fs::path file = dir.path() / "deep/er/file.bin";
    const auto first_time = fs::last_write_time(file);
    fs::last_write_time(file, first_time - std::chrono::hours(1));
    out.write_asset("deep/er/file.bin", {1, 2, 3});
    EXPECT_EQ(fs::last_write_time(file), first_time - std::chrono::hours(1)) << "identical bytes were rewritten";
    out.write_asset("deep/er/file.bin", {1, 2, 4});
    EXPECT_EQ(read_file(file), (std::vector<std::uint8_t>{1, 2, 4}));
    EXPECT_EQ(out.counts().written, 2);
    EXPECT_EQ(out.counts().unchanged, 1);
    EXPECT_FALSE(fs::exists(dir.path() / "deep/er/file.bin.tmp"));
}

TEST(Generator, MissingFontNamesItsPackage) {
    TempDir dir("fonts");
    const FontTable table = FontTable::parse(
        "# id  file  package  ships-as\n"
        "gone  /nonexistent/Gone-Bold.otf  fonts-gone  graphics/gone.ttf\n",
        "fonts.txt");
    Output out(dir.path());
    try {
        ship_fonts(table, out);
        FAIL() << "no error for a missing font";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/Gone-Bold.otf"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("install the Debian package fonts-gone"), std::string::npos) << e.what();
    }
    EXPECT_THROW(FontTable::parse("a b c\n", "fonts.txt"), std::runtime_error);
    EXPECT_THROW(FontTable::parse("a /x p -\na /y p -\n", "fonts.txt"), std::runtime_error);
    const FontTable drawn_only = FontTable::parse("a /x p -  # only drawn with\n", "fonts.txt");
    ASSERT_EQ(drawn_only.entries().size(), 1u);
    EXPECT_TRUE(drawn_only.entries()[0].ships_as.empty());
}
