#include <gtest/gtest.h>

#include <filesystem>

#include "state/SavedGame.h"
#include "support/SaveTestSupport.h"
#include "support/TurnTestSupport.h"

namespace kv {
namespace {

TEST(ReportError, BuildsTheReportFromLanguageTextsAndRaisesTheFlag) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.host.ExpectErrors(1);
    ReportError(tg.game, 6, "KVGAME : RefreshAll", "Upgrades");
    ASSERT_EQ(tg.host.errors.size(), 1u);
    const std::string& text = tg.host.errors[0];
    EXPECT_EQ(text.rfind("<KVMAIN0001>\r\n<KVMAIN0002>\r\n<KVMAIN0003>\r\n\r\n<KVMAIN0004>\r\n\r\n", 0), 0u);
    EXPECT_NE(text.find("<KVMAIN0005>Overflow\r\n<KVMAIN0006>KVGAME : RefreshAll\r\n<KVMAIN0007>Upgrades\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("<KVMAIN0012>\r\n<KVMAIN0013>"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 12), "<KVMAIN0013>");  // the last line has no line end
    EXPECT_EQ(tg.game.st.ErrorReported, kTrue);
    EXPECT_FALSE(tg.host.Saw("endprogram"));  // Ignore goes on
    EXPECT_TRUE(tg.host.questions.empty());
}

TEST(ReportError, AbortEndsTheProgramWithoutAskingToSave) {
    ConstantRandom rng(0.5f);
    test::TurnGame tg(rng);
    tg.host.ExpectErrors(1, kAbort);
    ReportError(tg.game, 5, "KVBASIC:HitShip", "<none>");
    EXPECT_TRUE(tg.host.Saw("endprogram"));
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(tg.scratch.Saves() + "EMERGNCY.KVW"));
}

TEST(ReportError, RetryDuringAGameSavesEmergncyAndGoesOnWhenThePlayerSaysYes) {
    ConstantRandom rng(0.5f);
    test::TurnGame tg(rng);
    tg.host.ExpectErrors(1, kRetry);
    tg.host.output = {"first line", "second line"};
    tg.host.answers = {kYes};
    ReportError(tg.game, 9, "KVGAME : RefreshAll", "Update");
    EXPECT_TRUE(std::filesystem::exists(tg.scratch.Saves() + "EMERGNCY.KVW"));
    EXPECT_EQ(savetest::ReadAll(tg.scratch.Saves() + "EMERGNCY.LOG"), "first line\r\nsecond line\r\n");
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<KVMAIN0014>"}));
    EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<KVMAIN0015>"}));
    EXPECT_EQ(tg.host.styles.back(), kYesNo | 256);  // No is the default
    EXPECT_FALSE(tg.host.Saw("endprogram"));
    EXPECT_EQ(tg.game.st.ErrorReported, kTrue);
}

TEST(ReportError, RetryWithoutAGameSavesNothingAndNoEndsTheProgram) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.host.ExpectErrors(1, kRetry);
    tg.host.answers = {kNo};
    ReportError(tg.game, 53, "KVMAIN : LoadArrayConsts", "aliens.txt");
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<KVMAIN0016>"}));
    EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<KVMAIN0017>"}));
    EXPECT_TRUE(tg.host.Saw("endprogram"));
    EXPECT_FALSE(std::filesystem::exists(tg.scratch.Saves() + "EMERGNCY.KVW"));
}

TEST(ReportError, RetryDuringAFailingSaveActsAsIgnore) {
    ConstantRandom rng(0.5f);
    test::TurnGame tg(rng);
    tg.host.ExpectErrors(1, kRetry);
    // An error reported from inside a save: another save would only fail the same way.
    ReportError(tg.game, 61, "KVMAIN : SaveGame", "KVW");
    EXPECT_FALSE(std::filesystem::exists(tg.scratch.Saves() + "EMERGNCY.KVW"));
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_FALSE(tg.host.Saw("endprogram"));

    // A save that fails inside reports it once; its Retry starts no second save.
    tg.host.ExpectErrors(1, kRetry);
    struct Failing : SaveFileSystem {
        int writes = 0;
        bool WriteFlushed(const std::string&, const std::string&) override {
            ++writes;
            throw std::runtime_error("disk gone");
        }
        bool Read(const std::string&, std::string&) override { return false; }
        bool Rename(const std::string&, const std::string&) override { return false; }
        bool Remove(const std::string&) override { return true; }
        bool Exists(const std::string&) override { return false; }
        bool SyncFolder(const std::string&) override { return true; }
    } failing;
    EXPECT_FALSE(SaveGame(tg.game, "Mine", {}, &failing));
    EXPECT_EQ(failing.writes, 1);
    EXPECT_EQ(tg.host.errors.size(), 2u);
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_FALSE(std::filesystem::exists(tg.scratch.Saves() + "EMERGNCY.KVW"));
}

TEST(ReportError, AFailedEmergencySaveIsNotAnnouncedAsSaved) {
    ConstantRandom rng(0.5f);
    test::TurnGame tg(rng);
    tg.host.ExpectErrors(1, kRetry);
    tg.host.answers = {kYes};
    std::filesystem::remove_all(tg.scratch.Saves());
    savetest::WriteAll(tg.scratch.Path() + "saves", "a file where the folder should be");
    ReportError(tg.game, 9, "KVGAME : RefreshAll", "Update");
    for (const std::string& n : tg.host.notices) EXPECT_NE(n, "<KVMAIN0014>");
    EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<KVMAIN0015>"}));
}

}  // namespace
}  // namespace kv
