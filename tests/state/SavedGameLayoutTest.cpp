#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "state/SavedGameLayout.h"
#include "support/SaveTestSupport.h"

namespace kv {
namespace {

TEST(SavedGameLayout, TextRoundTripsWithoutAnyFile) {
    GameState s;
    savetest::FillKnownState(s);
    const std::string text = SavedGameText(s);

    GameState back;
    SavedGameHeader header;
    ASSERT_EQ(ReadSavedGameText(text, back, header), SavedTextResult::Read);
    EXPECT_EQ(header.configName, "Jane Doe");
    EXPECT_TRUE(header.version.AtLeast(1300));
    // The levels as stored; what follows from them is the loader's to rebuild.
    EXPECT_EQ(back.UpgradeTable, s.UpgradeTable);
    EXPECT_EQ(back.CaptainName, s.CaptainName);
    EXPECT_EQ(back.StarSystem(4, 4, 1), s.StarSystem(4, 4, 1));
    back.ConfigName = s.ConfigName;
    EXPECT_EQ(SavedGameText(back), text);
}

TEST(SavedGameLayout, ResultsAndTheItemsAnOlderVersionLacks) {
    GameState s;
    savetest::FillKnownState(s);
    const std::string text = SavedGameText(s);
    const std::string items = text.substr(text.find("\r\n"));
    struct Case {
        std::string text;
        SavedTextResult result;
    };
    const Case cases[] = {
        {"", SavedTextResult::NotASavedGame},
        {"Just a letter\r\n", SavedTextResult::NotASavedGame},
        {"*WINV14* Jane" + items, SavedTextResult::Newer},
        {text.substr(0, text.size() / 2), SavedTextResult::Damaged},
        {text + "1\r\n", SavedTextResult::Damaged},
    };
    for (const Case& c : cases) {
        GameState st;
        SavedGameHeader header;
        EXPECT_EQ(ReadSavedGameText(c.text, st, header), c.result) << c.text.substr(0, 20);
    }

    // A file of version 1.0 has no mission line: the state read into keeps its own.
    const std::string v10 = savetest::ReadAll(std::string(KESTRAVA_TEST_DATA_DIR) + "/saves/v10.txt");
    GameState st;
    st.MissionType = 3;
    st.MorvTimerScale = 4.5f;
    SavedGameHeader header;
    ASSERT_EQ(ReadSavedGameText(v10, st, header), SavedTextResult::Read);
    EXPECT_EQ(header.configName, "Jane");
    EXPECT_FALSE(header.version.AtLeast(1100));
    EXPECT_EQ(st.MissionType, 3);
    EXPECT_EQ(st.MorvTimerScale, 4.5f);
    EXPECT_EQ(st.ConditionIndex, kRed);  // from the stored word
}

TEST(SavedGameLayout, EveryTextReadsBackExactly) {
    // Quotes and commas anywhere, doubled quotes, blanks at either end, letters beyond ASCII,
    // words the reader knows as items of their own.
    const std::vector<std::string> texts = {
        "a\",b",       "\",",        "\"",
        "\"\"",        "x\"",        "\"start",
        ", , ,",       "  padded  ", "Caf\xC3\xA9 \xC3\xBC\xC3\x9F",
        "tab\there",   "#TRUE#",     "\"quoted\", \"twice\"",
        "back\\slash", "",           "it's, \"fine\"\" ,\"",
    };
    for (const std::string& t : texts) {
        SCOPED_TRACE(t);
        GameState s;
        savetest::FillKnownState(s);
        s.CaptainName = t;
        s.ConfigName = t;
        // A star-system name counts 20 characters of the file: single-byte ones here.
        const bool ascii = std::all_of(t.begin(), t.end(), [](char c) { return c >= 0; });
        const std::string name = ascii ? t : "Plain";
        SolarSystemRecord& first = s.StarSystem(1, 1, 1);
        first.SetName(name);
        first.DescriptorName = t;
        // A name that fills its 20 characters and ends in a quote.
        SolarSystemRecord& second = s.StarSystem(1, 1, 2);
        second.SetName(("Corvane the " + name + "\"\"\"\"\"\"\"\"").substr(0, 19) + "\"");
        second.DescriptorName = t + ".ssd";

        GameState back;
        SavedGameHeader header;
        ASSERT_EQ(ReadSavedGameText(SavedGameText(s), back, header), SavedTextResult::Read);
        EXPECT_EQ(header.configName, t);
        EXPECT_EQ(back.CaptainName, t);
        EXPECT_EQ(back.StarSystem(1, 1, 1), first);
        EXPECT_EQ(back.StarSystem(1, 1, 2), second);
    }
}

TEST(SavedGameLayout, TextsWithQuotesAsOlderVersionsWroteThemStillRead) {
    // Before quotes were doubled they stood in the file as they were.
    std::string v12 = savetest::ReadAll(std::string(KESTRAVA_TEST_DATA_DIR) + "/saves/v12.txt");
    auto replace = [&](const std::string& from, const std::string& to) {
        const size_t at = v12.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        v12.replace(at, from.size(), to);
    };
    replace("\"Commander\"", "\"Kapit\xE4n \"Ace\", Esq.\"");
    replace("\"Aldebrin            \"", "\"Alde\"brin\" x       \"");
    replace("\"Corvane             \"", "\"Corvane the \"Second\"\"");
    GameState st;
    SavedGameHeader header;
    ASSERT_EQ(ReadSavedGameText(v12, st, header), SavedTextResult::Read);
    EXPECT_EQ(st.CaptainName, "Kapit\xC3\xA4n \"Ace\", Esq.");
    EXPECT_EQ(st.StarSystem(1, 1, 1).Name, "Alde\"brin\" x        ");
    EXPECT_EQ(st.StarSystem(1, 1, 2).Name, "Corvane the \"Second\"");
    EXPECT_EQ(st.StarSystem(1, 1, 2).PlanetCount, 2);
}

}  // namespace
}  // namespace kv
