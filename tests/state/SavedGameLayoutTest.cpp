#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kv
