#include "screens/main/NewGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/turn/Refresh.h"
#include "screens/main/MenuTestSupport.h"
#include "state/Configs.h"
#include "state/DisplayData.h"
#include "state/SavedGame.h"
#include "state/ScreenData.h"

namespace kv::test {
namespace {

bool Logged(const RecordingHost& h, const std::string& line) {
    return std::find(h.output.begin(), h.output.end(), line) != h.output.end();
}
bool LoggedStarting(const RecordingHost& h, const std::string& start) {
    return std::any_of(h.output.begin(), h.output.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

TEST(NewGameTest, StartsAGameFromTheMenusChoices) {
    MenuGame m;
    m.st.MissionType = 0;
    m.st.SkillLevel = 3;
    m.st.GameLength = 1;
    m.st.UpgradesOn = kTrue;
    NewGame(m.g);
    EXPECT_TRUE(m.st.GameRunning);
    EXPECT_TRUE(m.st.ScoreEligible);
    EXPECT_TRUE(m.st.NewGamePending);
    EXPECT_TRUE(m.host.Saw("hide:frmMenu"));
    EXPECT_EQ(m.g.screens.MinimizeCaption, "<KV> - Ann");
    EXPECT_EQ(m.g.configNames.storedNames, (std::vector<std::string>{"Ann"}));
    EXPECT_EQ(m.g.options.lblConfigName, "General");
    EXPECT_EQ(m.st.TechLevel, 3);
    // The briefing in the message log.
    EXPECT_TRUE(Logged(m.host, "<KV>"));
    EXPECT_TRUE(Logged(m.host, "<MENU0012><Captain> Ann<MENU0013>"));
    // The count of hostiles and their name stand apart.
    EXPECT_TRUE(Logged(m.host, "<MENU0014>" + std::to_string(m.st.InitialZarvonis) + " <Enemys><MENU0015>"));
    EXPECT_TRUE(LoggedStarting(m.host, "<MENU0030> "));
    EXPECT_TRUE(Logged(m.host, "<MENU0032><Captain><MENU0033>"));
    EXPECT_TRUE(m.g.displays.general.ScoreVisible);
    EXPECT_TRUE(m.g.displays.general.UpgradesVisible);
    EXPECT_TRUE(m.st.LRSDone);
    // A start quadrant without hostiles begins with the shields down, their energy in the ship.
    if (m.st.Galaxy[m.st.ShipQuadrantRow][m.st.ShipQuadrantCol] < 100) {
        EXPECT_EQ(m.st.ShieldLevel, 0);
        EXPECT_EQ(m.st.ShipEnergy, m.st.MaxEnergy);
    }
    // The first refresh comes with the return from the menu.
    ReturnFromMenu(m.g);
    EXPECT_FALSE(m.st.NewGamePending);
    EXPECT_TRUE(m.st.GameRunning);
}

TEST(NewGameTest, RefusesWithoutANameOrAMission) {
    MenuGame m;
    m.st.ConfigName = "   ";
    NewGame(m.g);
    EXPECT_EQ(m.host.notices, (std::vector<std::string>{"<MENU0002>"}));
    EXPECT_EQ(m.g.screens.Focus, "txtName");
    EXPECT_EQ(m.menu.txtName, "");

    m.st.ConfigName = "Ann";
    m.menu.cboMissionType = -1;
    NewGame(m.g);
    EXPECT_EQ(m.host.notices.back(), "<MENU0008>");
    EXPECT_EQ(m.g.screens.Focus, "cboMissionType");
    EXPECT_FALSE(m.st.GameRunning);
    EXPECT_FALSE(m.host.Saw("hide:frmMenu"));

    // Nothing at all while the skill bar's break runs.
    m.menu.cboMissionType = 0;
    m.g.SetTimer(Timer::frmMenu_tmrBreak, true);
    m.host.events.clear();
    NewGame(m.g);
    EXPECT_EQ(m.host.events, (std::vector<std::string>{}));
}

TEST(NewGameTest, AnUnsavedGameIsNeverLostToACancelledSave) {
    MenuGame m;
    NewGame(m.g);
    ASSERT_TRUE(m.st.GameRunning);
    m.st.GameChanged = kTrue;
    const auto galaxy = m.st.Galaxy;
    const Long energy = m.st.ShipEnergy = 1234;

    // Yes to saving, then Cancel in the file dialog: back to the game as it was.
    m.host.answers = {kYes};
    m.host.files = {std::nullopt};
    NewGame(m.g);
    // Cancel in the question itself.
    m.host.answers = {kCancel};
    NewGame(m.g);
    EXPECT_EQ(m.st.Galaxy, galaxy);
    EXPECT_EQ(m.st.ShipEnergy, energy);
    EXPECT_TRUE(m.st.GameChanged);
    EXPECT_EQ(m.host.Events("modal:").size(), 0u);

    // Yes and a name: saved, then the difficulty dialog and the new game.
    m.host.answers = {kYes, kYes};  // save, then clear the message log
    m.host.files = {std::string("before")};
    m.host.modal[Form::frmDifficulty] = [] { return kOK; };
    NewGame(m.g);
    EXPECT_TRUE(std::filesystem::exists(m.scratch.Saves() + "before.KVW"));
    EXPECT_TRUE(m.host.Saw("modal:frmDifficulty"));
    EXPECT_TRUE(m.host.Saw("clearlog"));
    EXPECT_NE(m.st.ShipEnergy, energy);
}

TEST(NewGameTest, TheMessageLogQuestion) {
    struct Case {
        bool switchedOff;
        int answer;
        bool asked, cleared, separator, started;
    };
    const Case cases[] = {
        {false, kYes, true, true, false, true},
        {false, kNo, true, false, true, true},
        {false, kCancel, true, false, false, false},
        {true, 0, false, true, false, true},  // slot 16 switched off: always cleared, never asked
    };
    for (const Case& c : cases) {
        MenuGame m;
        m.host.output = {"an old line"};
        m.g.MessageSuppressed[16] = ToFlag(c.switchedOff);
        if (!c.switchedOff) m.host.answers = {c.answer};
        NewGame(m.g);
        EXPECT_EQ(!m.host.questions.empty(), c.asked);
        EXPECT_EQ(m.host.Saw("clearlog"), c.cleared);
        EXPECT_EQ(Logged(m.host, "<MENU0011>"), c.separator);
        EXPECT_EQ(m.st.GameRunning != 0, c.started);
    }
    // An empty log gets no question and no separator.
    MenuGame m;
    NewGame(m.g);
    EXPECT_TRUE(m.host.questions.empty());
    EXPECT_FALSE(Logged(m.host, "<MENU0011>"));
}

TEST(NewGameTest, FreePlayHasNoTimeLineAndNoScore) {
    MenuGame m;
    m.st.MissionType = 3;
    m.menu.cboMissionType = 3;
    NewGame(m.g);
    EXPECT_FALSE(LoggedStarting(m.host, "<MENU0030>"));
    EXPECT_TRUE(Logged(m.host, "<Captain> Ann<MENU0026>"));
    EXPECT_FALSE(m.g.displays.general.ScoreVisible);
    EXPECT_EQ(m.st.TotalTime, 1.0f);
    EXPECT_EQ(m.st.TimeLeft, 0.0f);
}

TEST(NewGameTest, HiddenSkillLevelBriefsOnTheBackground) {
    MenuGame m;
    m.st.SkillLevel = 20;
    m.host.modal[Form::frmBackground] = [] { return kOK; };
    NewGame(m.g);
    EXPECT_EQ(GetGoodPlayer(m.g), 1);
    EXPECT_TRUE(m.host.Saw("modal:frmBackground"));
    EXPECT_TRUE(m.host.Saw("background:RESET"));
    EXPECT_TRUE(m.host.Saw("background:<MENU0036>"));
    EXPECT_TRUE(m.host.Saw("background:<Enemys><MENU0037>"));  // the first such game: the long briefing
    EXPECT_TRUE(m.host.Saw("background:<MENU0065><Captain> Ann"));
    EXPECT_TRUE(m.g.TimerEnabled(Timer::frmBackground_tmrScroll));
    EXPECT_FALSE(LoggedStarting(m.host, "<MENU0012>"));
    EXPECT_TRUE(Logged(m.host, "<KV><MENU0070>"));
    EXPECT_TRUE(m.st.GameRunning);

    // From the fifth such game on only the short lines remain.
    SaveGoodPlayer(m.g, 4);
    m.st.GameRunning = kFalse;
    m.host.events.clear();
    m.host.output.clear();
    NewGame(m.g);
    EXPECT_EQ(GetGoodPlayer(m.g), 5);
    EXPECT_FALSE(m.host.Saw("background:<MENU0069>"));
    EXPECT_FALSE(m.host.Saw("background:<Enemys><MENU0037>"));
}

}  // namespace
}  // namespace kv::test
