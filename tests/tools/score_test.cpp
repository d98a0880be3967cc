#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "music/score.h"

namespace {

const ScoreVocabulary kVocabulary{{"lead", "bass"}, "drums", {"kick", "snare", "hat"}};

Score parse(const std::string& text) { return parse_score(text, "test.txt", kVocabulary); }

// Wraps one pattern body in the smallest score that plays it.
Score one_pattern(const std::string& body) {
    return parse("pattern p\n" + body + "\nend\nsection S 1\n  lead p\nend\nsong S\n");
}

std::string error_of(const std::string& text) {
    try {
        parse(text);
    } catch (const ScoreError& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace

TEST(Score, NotesDurationsChordsTiesAndRests) {
    const Score s = one_pattern("C4/8 A4 C#5/16 Bb3/16. r/32 E4+G4+B4/4 ~/8 G4/8! D4/16 |  # comment");
    const Pattern& p = s.patterns.at("p");
    EXPECT_FALSE(p.drums);
    EXPECT_EQ(p.bars, 1);
    struct Expected {
        int start, length;
        std::vector<int> keys;
        double velocity;
    };
    const std::vector<Expected> expected{
        {0, 12, {60}, 0.8},           // C4 is middle C, an eighth
        {12, 12, {69}, 0.8},          // A4 keeps the eighth
        {24, 6, {73}, 0.8},           // sharp
        {30, 9, {58}, 0.8},           // flat, dotted sixteenth
        {42, 36, {64, 67, 71}, 0.8},  // after a 32nd rest; chord tied over an eighth
        {78, 12, {67}, 1.0},          // accent
        {90, 6, {62}, 0.8},
    };
    ASSERT_EQ(p.notes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p.notes[i].start, expected[i].start);
        EXPECT_EQ(p.notes[i].length, expected[i].length);
        EXPECT_EQ(p.notes[i].keys, expected[i].keys);
        EXPECT_DOUBLE_EQ(p.notes[i].velocity, expected[i].velocity);
    }
    EXPECT_EQ(one_pattern("C-1/2 G9/2").patterns.at("p").notes[1].keys[0], 127);
}

TEST(Score, DrumGridsAndArrangement) {
    const Score s = parse(R"(
tempo 150
mix lead level=0.5 pan=-0.25 duck=0.3
beat b
  kick  X...x...o.......|x...............
  hat   x.x.x.x.x.x.x.x.|x.x.x.x.x.x.x.x.
end
pattern p
  A4/1
end
section S 4
  lead p p+12
end
section T 2
  drums b
  bass  p-24
end
song S T
)");
    EXPECT_DOUBLE_EQ(s.tempo, 150);
    EXPECT_DOUBLE_EQ(s.mix.at("lead").pan, -0.25);
    EXPECT_DOUBLE_EQ(s.mix.at("lead").duck, 0.3);
    const Pattern& b = s.patterns.at("b");
    EXPECT_TRUE(b.drums);
    EXPECT_EQ(b.bars, 2);
    ASSERT_EQ(b.notes.size(), 4u + 16u);
    EXPECT_EQ(b.notes[0].keys, std::vector<int>{0});  // kick, accented
    EXPECT_DOUBLE_EQ(b.notes[0].velocity, 1.0);
    EXPECT_EQ(s.total_ticks(), 6 * kTicksPerBar);

    const std::vector<PlacedNote> notes = arrange(s);
    // S: p, p+12 repeated to fill four bars.
    std::vector<int> lead_keys;
    for (const auto& n : notes)
        if (n.instrument == "lead") lead_keys.push_back(n.keys[0]);
    EXPECT_EQ(lead_keys, (std::vector<int>{69, 81, 69, 81}));
    // T starts after S's four bars; the soft kick is the third hit of the beat.
    std::vector<const PlacedNote*> kicks;
    for (const auto& n : notes)
        if (n.instrument == "drums" && n.keys[0] == 0) kicks.push_back(&n);
    ASSERT_EQ(kicks.size(), 4u);
    EXPECT_EQ(kicks[0]->start, 4 * kTicksPerBar);
    EXPECT_EQ(kicks[2]->start, 4 * kTicksPerBar + 8 * kTicksPerStep);
    EXPECT_DOUBLE_EQ(kicks[2]->velocity, 0.45);
    for (const auto& n : notes) {
        if (n.instrument == "bass") {
            EXPECT_EQ(n.keys[0], 45);
        }
    }
}

TEST(Score, MistakesAreReportedWithTheirLine) {
    const std::string song = "section S 1\n  lead p\nend\nsong S\n";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"pattern p\n  H4/1\nend\n" + song, "test.txt:2: bad note 'H4/1'"},
        {"pattern p\n  C/1\nend\n" + song, "test.txt:2: bad note 'C/1' (the octave"},
        {"pattern p\n  C4/3 r/2\nend\n" + song, "test.txt:2: bad duration in 'C4/3'"},
        {"pattern p\n  C4/4 D4 E4\nend\n" + song, "test.txt:3: pattern 'p' lasts 12 sixteenths; it must fill whole bars"},
        {"pattern p\n  C4/4 | D4 E4 F4\nend\n" + song, "test.txt:2: bar line after 4 sixteenths"},
        {"pattern p\n  C4/1 D4/8 | E4/2.\nend\n" + song, "test.txt:2: bar line after 1 bar and 2 sixteenths"},
        {"pattern p\n  ~/4 C4/2.\nend\n" + song, "test.txt:2: '~' must follow a note"},
        {"pattern p\n  G#9/1\nend\n" + song, "test.txt:2: note 'G#9/1' is out of range"},
        {"pattern p\n  C4/1\n" + song, "test.txt:3: pattern 'p' (line 1) has no 'end' before this 'section'"},
        {"pattern p\n  C4/1\nend\nsection S 1\n  lead p\n", "test.txt:4: section 'S' has no 'end'"},
        {"pattern p\n  C4/1\nend\nsection S 1\n  piano p\nend\nsong S\n", "test.txt:5: unknown instrument 'piano'"},
        {"pattern p\n  C4/1\nend\nsection S 1\n  lead q\nend\nsong S\n", "test.txt:5: no pattern named 'q'"},
        {"pattern p\n  C4/1 C4/1\nend\nsection S 3\n  lead p\nend\nsong S\n",
         "test.txt:5: lead's patterns repeat every 2 bars, which doesn't divide section 'S' (3 bars)"},
        {"beat b\n  kick X...\nend\nsection S 1\n  lead b\nend\nsong S\n", "test.txt:3: pattern 'b' lasts 4 sixteenths"},
        {"beat b\n  kick X...............\nend\nsection S 1\n  lead b\nend\nsong S\n",
         "test.txt:5: 'b' is a beat: only drums can play it"},
        {"beat b\n  cowbell X...............\nend\n", "test.txt:2: unknown drum 'cowbell' (kick, snare, hat)"},
        {"beat b\n  kick X.......Y.......\nend\n", "test.txt:2: unexpected 'Y' in drum grid"},
        {"beat b\n  kick X...............\n  hat x.x.x.x.\nend\n", "test.txt:3: row 'hat' is 8 steps long"},
        {"pattern p\n  C4/1\nend\n" + song + "song S X\n", "test.txt:8: no section named 'X'"},
        {"pattern p\n  C4/1\nend\n", "test.txt: no 'song' line"},
        {"tempo fast\n", "test.txt:1: 'fast' is not a number (tempo)"},
        {"\n\nlyrics la la\n", "test.txt:3: unknown statement 'lyrics'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string error = error_of(c.text);
        EXPECT_EQ(error.rfind(c.message, 0), 0u) << "got: " << error;
    }
}
