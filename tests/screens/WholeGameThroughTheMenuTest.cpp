// A short game played through the core handlers of the windows alone: a new game from the main
// menu, moves, a scan, a save and a load through the file dialog, the end of the mission from
// the menu, and the final report with its score and its return to the menu.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/computer/Navigation.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Score.h"
#include "screens/dialogs/FinalReportWindow.h"
#include "screens/main/MainMenu.h"
#include "state/SavedGame.h"
#include "state/ScreenData.h"
#include "support/captain/HeadlessGame.h"

namespace kv::test {
namespace {

TEST(WholeGameThroughTheMenu, NewGameMovesSaveLoadAndEndShowTheScore) {
    HeadlessGame hg(2024);
    Game& g = hg.game;
    GameState& s = hg.st;
    std::optional<std::string> pick;
    hg.host.onChooseFile = [&](FileDialogMode) { return pick; };

    // The main menu: the player's name, skill 3, a short game, the first mission.
    MenuLoad(g);
    MenuActivate(g);
    MenuNameChange(g, "Ann");
    MenuSkillChange(g, 8);
    MenuLengthChange(g, 3);
    MenuMissionTypeChange(g, 0);
    MenuNewClose(g);
    ASSERT_TRUE(s.GameRunning);
    ASSERT_EQ(s.SkillLevel, 3);
    ASSERT_EQ(s.GameLength, 1);
    ReturnFromMenu(g);  // the first refresh

    // Two short moves and a long-range scan.
    for (const char* course : {"1.0", "5.0"}) {
        SetupNavDialog(g, 8.0f);
        AcceptNavOrder(g, course, "0.25");
        if (!s.GameRunning) break;
    }
    ASSERT_TRUE(s.GameRunning);
    LRS(g);

    // Save through the file dialog, then change the game and load the save back.
    pick = "voyage";
    MenuSaveGame(g);
    ASSERT_TRUE(std::filesystem::exists(SavedGameFolder(g) + "voyage.KVW"));
    const Long savedEnergy = s.ShipEnergy;
    const Single savedTime = s.TimeLeft;
    s.ShipEnergy = 1;
    s.GameChanged = kFalse;
    pick = "voyage.KVW";
    MenuLoadGame(g);
    ASSERT_TRUE(s.GameRunning);
    EXPECT_EQ(s.ShipEnergy, savedEnergy);
    EXPECT_EQ(s.TimeLeft, savedTime);

    // End the mission from the menu: the final report shows the score of this state.
    const Integer expected = FinalScore(s);
    const std::optional<Integer> running = ComputeScore(s);
    ASSERT_TRUE(running.has_value());
    const Integer rating = RateMission(s).rating;
    MenuEndMission(g);
    EXPECT_FALSE(s.GameRunning);
    EXPECT_EQ(s.FinalScore, expected);
    EXPECT_EQ(s.FinalScore, rating + *running);
    EXPECT_EQ(s.FinalRating, RatingText(expected));
    EXPECT_TRUE(g.TimerEnabled(Timer::frmFinalReport_tmrMenu));

    // The player closes the report: the saved game may go, and the main menu comes back.
    FinalReportCloseBox(g);
    hg.host.onQuestion = [](const std::string&, long) { return kNo; };
    int menus = 0;
    hg.host.onModal = [&](Form f) {
        menus += f == Form::frmMenu;
        return kOK;
    };
    FinalReportMenuTick(g);
    EXPECT_EQ(menus, 1);
    EXPECT_EQ(g.screens.menu.cmdNewCloseCaption, g.Text("FINLRPRT0003"));
    EXPECT_TRUE(std::filesystem::exists(SavedGameFolder(g) + "voyage.KVW"));
    EXPECT_TRUE(hg.host.errors.empty());
}

}  // namespace
}  // namespace kv::test
