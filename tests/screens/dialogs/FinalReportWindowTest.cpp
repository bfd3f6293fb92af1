#include "screens/dialogs/FinalReportWindow.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "state/ScreenData.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

// A game that has just ended: its final report was closed, the main menu answers at once.
struct FinalReportWindowTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    TurnGame tg{rng};
    GameState& s = tg.st;
    MainMenuData& menu = tg.game.screens.menu;
    void SetUp() override {
        tg.host.modal[Form::frmMenu] = [] { return kOK; };
        tg.game.SetTimer(Timer::frmFinalReport_tmrMenu, true);
        s.FormVisible[11] = kTrue;  // the short-range scan showed before the report
        tg.host.events.clear();
    }
    std::string Save(const std::string& name) { return tg.scratch.Write("saves/" + name, "x"); }
};

TEST_F(FinalReportWindowTest, NothingWhileTheReportShows) {
    tg.host.visible = {Form::frmFinalReport};
    FinalReportMenuTick(tg.game);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmFinalReport_tmrMenu));
    EXPECT_TRUE(tg.host.events.empty());
}

TEST_F(FinalReportWindowTest, WithoutASavedGameItReturnsToTheMenuAskingNothing) {
    s.SkillLevel = 12;
    FinalReportMenuTick(tg.game);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmFinalReport_tmrMenu));
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_TRUE(tg.host.Saw("show:frmSRS"));
    EXPECT_TRUE(tg.host.Saw("hide:frmGalaxy"));
    EXPECT_TRUE(tg.host.Saw("show:frmCommands"));
    EXPECT_TRUE(tg.host.Saw("modal:frmMenu"));
    EXPECT_FALSE(s.GameRunning);
    // The menu is ready for a new game; above skill 10 its skill bar stays locked.
    EXPECT_EQ(menu.cmdNewCloseCaption, "<FINLRPRT0003>");
    EXPECT_FALSE(menu.mnuGSaveEnabled || menu.mnuGEndMissionEnabled);
    EXPECT_FALSE(menu.vsbSkill.Enabled);
    EXPECT_TRUE(menu.vsbLength.Enabled && menu.txtNameEnabled && menu.cboMissionTypeEnabled && menu.chkUpgradesEnabled);
}

TEST_F(FinalReportWindowTest, TheSavedGameAndItsLogMayBeDeleted) {
    Save("mission.KVW");
    Save("mission.LOG");
    s.GameFileName = "mission.KVW";  // its extension is taken off first
    tg.host.answers = {kYes, kYes};
    FinalReportMenuTick(tg.game);
    EXPECT_FALSE(fs::exists(tg.scratch.Saves() + "mission.KVW"));
    EXPECT_FALSE(fs::exists(tg.scratch.Saves() + "mission.LOG"));
    EXPECT_EQ(s.GameFileName, "");
}

TEST_F(FinalReportWindowTest, KeepingTheLogOffersToShowIt) {
    // A desktop without a viewer for the log says nothing itself, nor is there anything to open
    // when the log is gone: the player is told so, and where the log lies or was looked for.
    const struct {
        const char* what;
        bool viewer, logThere;
        const char* notice;  // "" none
    } cases[] = {
        {"the desktop opens the log", true, true, ""},
        {"the desktop has no viewer", false, true, "<LogNotOpened>"},
        {"the log is missing", true, false, "<LogMissing>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConstantRandom r(0.5f);
        TurnGame t(r);
        t.host.modal[Form::frmMenu] = [] { return kOK; };
        t.host.openFails = !c.viewer;
        t.scratch.Write("saves/trip.KVW", "x");
        const std::string log =
            c.logThere ? t.scratch.Write("saves/trip.log", "x") : t.scratch.Saves() + "trip.LOG";
        t.st.GameFileName = "trip";
        t.host.answers = {kYes, kNo, kYes};
        FinalReportMenuTick(t.game);
        EXPECT_FALSE(fs::exists(t.scratch.Saves() + "trip.KVW"));
        EXPECT_EQ(fs::exists(log), c.logThere);
        EXPECT_EQ(t.host.Events("open:"),
                  c.logThere ? std::vector<std::string>{"open:" + log} : std::vector<std::string>{});
        if (*c.notice)
            EXPECT_EQ(t.host.notices, (std::vector<std::string>{c.notice + std::string("\r\n") + log}));
        else
            EXPECT_TRUE(t.host.notices.empty());
        EXPECT_TRUE(t.host.Saw("modal:frmMenu"));
    }
}

TEST_F(FinalReportWindowTest, NoToDeletingKeepsBothAndAsksNoMore) {
    Save("keep.KVW");
    Save("keep.LOG");
    s.GameFileName = "keep";
    tg.host.answers = {kNo};
    FinalReportMenuTick(tg.game);
    EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<FINLRPRT0004>"}));
    EXPECT_TRUE(fs::exists(tg.scratch.Saves() + "keep.KVW"));
    EXPECT_TRUE(fs::exists(tg.scratch.Saves() + "keep.LOG"));
}

TEST_F(FinalReportWindowTest, AWonGameAtSkillTenBreaksTheSkillBarUnlessThePlayerDeclines) {
    for (int answer : {kNo, kYes}) {
        ConstantRandom r(0.5f);
        TurnGame t(r);
        t.host.modal[Form::frmMenu] = [] { return kOK; };
        t.st.FinalReportFlag = kTrue;
        t.host.answers = {answer};
        FinalReportMenuTick(t.game);
        EXPECT_EQ(t.host.questions.size(), 1u);
        EXPECT_EQ(t.game.TimerEnabled(Timer::frmMenu_tmrBreak), answer == kNo);
        EXPECT_EQ(t.game.screens.menu.picHandVisible, answer == kNo);
        EXPECT_FALSE(t.st.FinalReportFlag);
    }
    // A bar broken already starts no animation; the flag is cleared all the same.
    s.FinalReportFlag = kTrue;
    menu.picBrokenVisible = true;
    ReturnToMenuAfterGame(tg.game);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmMenu_tmrBreak));
    EXPECT_FALSE(s.FinalReportFlag);
    EXPECT_TRUE(tg.host.Saw("modal:frmMenu"));
}

TEST_F(FinalReportWindowTest, TheWindowsOwnControls) {
    s.StrongEnemyText = "Morv";
    FinalReportLoad(tg.game);
    EXPECT_EQ(tg.game.screens.finalReport.cmdMorvReportCaption, "&Morv<FINLRPRT0002>");
    FinalReportActivate(tg.game);
    EXPECT_EQ(tg.game.screens.finalReport.cmdMorvReportCaption, "&Morv<FINLRPRT0001>");
    EXPECT_TRUE(tg.game.screens.finalReport.LogMenuItemsVisible);
    FinalReportCloseBox(tg.game);
    EXPECT_FALSE(tg.game.screens.finalReport.LogMenuItemsVisible);
    EXPECT_EQ(tg.host.events, (std::vector<std::string>{"hide:frmFinalReport", "show:frmCommands"}));
}

}  // namespace
}  // namespace kv::test
