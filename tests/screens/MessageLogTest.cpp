#include <gtest/gtest.h>

#include <filesystem>

#include "screens/MessageLog.h"
#include "support/SaveTestSupport.h"
#include "support/TestGame.h"

namespace kv {
namespace {

TEST(PrintOutput, SplitsAtNewLineOnly) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    PrintOutput(tg.game, "");
    PrintOutput(tg.game, "first\r\n\r\nsecond");
    PrintOutput(tg.game, "ends\r\n");
    PrintOutput(tg.game, "cr\ronly\nlf");
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"", "first", "", "second", "ends", "", "cr\ronly\nlf"}));
}

TEST(MessageLog, KeepsAtMost65535LinesDroppingTheOldest) {
    MessageLog log;
    for (size_t i = 0; i < MessageLog::kMaxLines; ++i) log.Add(std::to_string(i));
    EXPECT_EQ(log.Size(), 65535u);
    log.Add("new");
    EXPECT_EQ(log.Size(), 65535u);
    EXPECT_EQ(log.Lines().front(), "1");
    EXPECT_EQ(log.Lines().back(), "new");
}

TEST(LogFileName, AddsLogToABareNameAndNeverGivesASavedGame) {
    struct Case {
        std::string chosen, file;
    };
    const Case cases[] = {
        {"", ""},
        {"/home/jo/mission", "/home/jo/mission.LOG"},
        {"/home/jo/.local/share/kestrava/mission", "/home/jo/.local/share/kestrava/mission.LOG"},
        {"/home/jo/mission.txt", "/home/jo/mission.txt"},
        {"/home/jo/mission.log", "/home/jo/mission.log"},
        {"/home/jo/mission.KVW", ""},
        {"/home/jo/mission.kvw", ""},
        {"mission", "mission.LOG"},
    };
    for (const Case& c : cases) EXPECT_EQ(LogFileName(c.chosen), c.file) << c.chosen;
}

TEST(SaveMessageLog, WritesTheDateLineThenEveryLine) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    const std::string base = tg.scratch.Saves() + "voyage";
    tg.host.files = {base};
    EXPECT_TRUE(SaveMessageLog(tg.game, {"Shields raised.", "Caf\xC3\xA9"}, "12/10/2026 00:51"));
    EXPECT_EQ(tg.host.Events("savefile:"), (std::vector<std::string>{"savefile:*.LOG"}));  // save mode
    EXPECT_EQ(savetest::ReadAll(base + ".LOG"), "12/10/2026 00:51\r\nShields raised.\r\nCaf\xE9\r\n");
}

TEST(SaveMessageLog, CancelWritesNothingAndASavedGameIsNeverReplaced) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.host.files = {std::nullopt};
    EXPECT_FALSE(SaveMessageLog(tg.game, {"x"}, "now"));
    EXPECT_TRUE(tg.host.notices.empty());

    const std::string game = tg.scratch.Saves() + "voyage.KVW";
    savetest::WriteAll(game, "the saved game");
    tg.host.files = {game};
    EXPECT_FALSE(SaveMessageLog(tg.game, {"x"}, "now"));
    EXPECT_EQ(savetest::ReadAll(game), "the saved game");
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<OutNoKVW>"}));

    // A file that cannot be written (a folder stands in its place) is reported.
    std::filesystem::create_directory(tg.scratch.Saves() + "taken.LOG");
    tg.host.files = {tg.scratch.Saves() + "taken"};
    EXPECT_FALSE(SaveMessageLog(tg.game, {"x"}, "now"));
    ASSERT_EQ(tg.host.notices.size(), 2u);
    EXPECT_EQ(tg.host.notices[1].rfind("<OutSaveError>\r\n", 0), 0u);

    // A name that would leave the saved-games folder is refused as the dialog refuses it.
    tg.host.files = {tg.scratch.Saves() + "no/such/folder/log"};
    EXPECT_FALSE(SaveMessageLog(tg.game, {"x"}, "now"));
    ASSERT_EQ(tg.host.notices.size(), 3u);
    EXPECT_EQ(tg.host.notices[2], "<FileBadName>");
}

TEST(LayOutPrintedLog, PagesOfHeightLessEightLinesWithHeaderAndFooters) {
    // A page 60 characters wide and 12 lines high holds 4 log lines.
    std::vector<std::string> lines = {"a", "b", "c", "d", "e"};
    const PrintedLog out = LayOutPrintedLog(lines, 60, 12, "12-10-2026", "00:51:00", "Kestrava", "Page ", " of ");
    EXPECT_EQ(out.pageCount, 2);
    ASSERT_EQ(out.pages.size(), 2u);
    // Header: 30 - 10 - 4 - 8 = 8 blanks before the title, 30 - 8 - 4 - 1 - 8 = 9 after it.
    EXPECT_EQ(out.pages[0][0], "12-10-2026" + std::string(8, ' ') + "Kestrava" + std::string(9, ' ') + "00:51:00");
    EXPECT_EQ(out.pages[0][1], "");
    EXPECT_EQ(std::vector<std::string>(out.pages[0].begin() + 2, out.pages[0].end()),
              (std::vector<std::string>{"a", "b", "c", "d", "", std::string(16, ' ') + "Page 1 of 2"}));
    EXPECT_EQ(out.pages[1], (std::vector<std::string>{"e", "", "", "", "", std::string(16, ' ') + "Page 2 of 2"}));

    // A page too narrow for its header gets no blanks there.
    EXPECT_EQ(LayOutPrintedLog(lines, 20, 12, "12-10-2026", "00:51:00", "Kestrava", "P", "/").pages[0][0],
              "12-10-2026Kestrava00:51:00");
    const PrintedLog empty = LayOutPrintedLog({}, 40, 12, "12-10-2026", "00:51:00", "Kestrava", "Page ", " of ");
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_EQ(empty.pages[0].size(), 2u);  // the header only
    EXPECT_EQ(PrintedLogPages(4, 12), 1);
    EXPECT_EQ(PrintedLogPages(5, 12), 2);
}

TEST(PrepareLogPrint, AsksWithThePageCountAndNoPrintsNothing) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    const std::vector<std::string> lines(9, "line");  // 4 lines a page at 12 lines high: 3 pages
    tg.host.answers = {kNo, kYes};
    EXPECT_FALSE(PrepareLogPrint(tg.game, lines, 60, 12, "12-10-2026", "00:51:00"));
    EXPECT_EQ(tg.host.questions, std::vector<std::string>{"<OUTPUT0001>3<OUTPUT0002>"});
    EXPECT_EQ(tg.host.styles.back(), kYesNo);

    const auto log = PrepareLogPrint(tg.game, lines, 60, 12, "12-10-2026", "00:51:00");
    ASSERT_TRUE(log);
    EXPECT_EQ(log->pageCount, 3);
    ASSERT_EQ(log->pages.size(), 3u);
    EXPECT_EQ(log->pages[2].back(), std::string(16, ' ') + "<OUTPUT0003>3<OUTPUT0004>3");
}

}  // namespace
}  // namespace kv
