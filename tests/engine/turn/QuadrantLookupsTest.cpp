#include <gtest/gtest.h>

#include "engine/turn/QuadrantLookups.h"
#include "support/GalaxyTestSupport.h"

namespace kv::test {
namespace {

TEST(GalaxyLookups, FindersReturnTheFirstMatchingSlotAndNeverAFreeOne) {
    GameState s;
    s.ZarvoniShips[1][3] = 4;
    s.ZarvoniShips[2][3] = 5;
    s.ZarvoniShips[1][7] = 4;
    s.ZarvoniShips[2][7] = 5;
    s.ZarvoniEnergy[3] = -1000;  // the energy is not looked at
    s.CloakedShips[1][2] = 8;
    s.CloakedShips[2][2] = 1;
    EXPECT_EQ(FindEnemyShip(s, 4, 5), 3);
    EXPECT_EQ(FindEnemyShip(s, 5, 4), 0);
    EXPECT_EQ(FindEnemyShip(s, 0, 0), 0);  // free slots hold (0, 0)
    EXPECT_EQ(FindCloakedShip(s, 8, 1), 2);
    EXPECT_EQ(FindCloakedShip(s, 1, 8), 0);
    EXPECT_EQ(FindCloakedShip(s, 0, 0), 0);
}

TEST(GalaxyLookups, FindSolarSystemLooksAtAllFourRecordsOfTheShipsQuadrant) {
    GameState s;
    s.ShipQuadrantRow = 2;
    s.ShipQuadrantCol = 6;
    EXPECT_EQ(FindSolarSystem(s, 0, 0), 0);  // cleared records match nothing
    s.Galaxy[2][6] = 1;
    s.StarSystem(2, 6, 4).SectorRow = 3;  // beyond the count, still found
    s.StarSystem(2, 6, 4).SectorCol = 7;
    s.StarSystem(2, 7, 1).SectorRow = 5;  // another quadrant
    s.StarSystem(2, 7, 1).SectorCol = 5;
    EXPECT_EQ(FindSolarSystem(s, 3, 7), 4);
    EXPECT_EQ(FindSolarSystem(s, 5, 5), 0);
    s.ShipQuadrantRow = 0;  // no quadrant yet
    EXPECT_EQ(FindSolarSystem(s, 3, 7), 0);
}

TEST(GalaxyLookups, CountEnemiesFollowsTheMissionType) {
    struct Case {
        int mission;
        Flag goalBySystems;
        int counted, left, initial, last;  // before
        int wantCounted, wantLeft, wantInitial, wantLast, wantGoal;
    };
    // The galaxy holds 3 + 5 ships, 1 at the Zarvoni base = 9, and 2 + 3 = 5 systems; the
    // quadrant with code -1 is skipped.
    const std::vector<Case> cases = {
        {1, 0, 8, 8, 8, 0, 9, 9, 9, 0, 7},  // an arrival raises the total and the number left
        {3, 0, 9, 9, 9, 0, 9, 9, 9, 0, 5},  // unchanged; goal follows the systems
        {1, 0, 12, 6, 12, 0, 15, 9, 15, 0, 7}, {0, 0, 8, 4, 8, 8, 9, 4, 8, 9, 7},  // ZarvonisLeft is not touched
        {2, 0, 9, 4, 9, 3, 9, 4, 9, 9, 5},                                         // equal: only the last count moves
        {2, 1, 9, 4, 9, 3, 9, 4, 9, 9, 7},  // the goal counts visited systems: kept
    };
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.Galaxy[1][1] = 302;
        s.Galaxy[8][8] = 513;
        s.Galaxy[4][4] = -1;
        s.ZarvoniBaseShips = 1;
        s.MissionType = static_cast<Integer>(c.mission);
        s.GoalBySystems = c.goalBySystems;
        s.MissionGoal = 7;
        s.ZarvonisCounted = static_cast<Integer>(c.counted);
        s.ZarvonisLeft = static_cast<Integer>(c.left);
        s.InitialZarvonis = static_cast<Integer>(c.initial);
        s.LastEnemyCount = c.last;

        CountEnemies(gg.game);

        SCOPED_TRACE("mission " + std::to_string(c.mission) + " counted " + std::to_string(c.counted));
        EXPECT_EQ(s.ZarvonisCounted, c.wantCounted);
        EXPECT_EQ(s.ZarvonisLeft, c.wantLeft);
        EXPECT_EQ(s.InitialZarvonis, c.wantInitial);
        EXPECT_EQ(s.LastEnemyCount, c.wantLast);
        EXPECT_EQ(s.SystemsCount, 5);
        EXPECT_EQ(s.MissionGoal, c.wantGoal);
    }
}

TEST(GalaxyLookups, CountChartedQuadrants) {
    GameState s;
    for (auto& row : s.KnownGalaxy) row.fill(-1);
    s.KnownGalaxy[1][1] = 0;
    s.KnownGalaxy[8][8] = 312;
    s.KnownGalaxy[0][0] = 5;  // not a quadrant
    EXPECT_EQ(CountChartedQuadrants(s), 2);
}

TEST(GalaxyLookups, ADestroyedShipIsCountedOnce) {
    ConstantRandom rng(0.5f);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.ShipQuadrantRow = 3;
    s.ShipQuadrantCol = 4;
    s.Galaxy[3][4] = 312;
    s.ZarvonisLeft = 20;
    s.ZarvoniShips[1][2] = 6;
    s.ZarvoniShips[2][2] = 7;

    RecordEnemyDestroyed(gg.game, 2);
    RecordEnemyDestroyed(gg.game, 2);
    RecordEnemyDestroyed(gg.game, 0);   // no ship in slot 0
    RecordEnemyDestroyed(gg.game, 11);  // outside the table

    EXPECT_EQ(s.ZarvonisLeft, 19);
    EXPECT_EQ(s.FlaggedZarvonis, 1);
    EXPECT_EQ(s.Galaxy[3][4], 212);
    EXPECT_EQ(s.ZarvoniFlags[2], 1);
    EXPECT_EQ(s.ZarvoniFlags[0], 0);
    EXPECT_EQ(gg.host.events, std::vector<std::string>{"draw:6,7:3"});
}

// In mission types 0 and 2 nothing recounts the ships left: once the count has reached 0
// (more ships arrived than were placed), a disabled ship leaves it at 0, as the destroy
// handlers do, instead of taking it below.
TEST(GalaxyLookups, TheShipsLeftNeverFallBelowNone) {
    ConstantRandom rng(0.5f);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.MissionType = 2;
    s.ShipQuadrantRow = 3;
    s.ShipQuadrantCol = 4;
    s.Galaxy[3][4] = 100;
    s.ZarvonisLeft = 0;
    s.ZarvoniShips[1][1] = 6;
    s.ZarvoniShips[2][1] = 7;

    RecordEnemyDestroyed(gg.game, 1);

    EXPECT_EQ(s.ZarvonisLeft, 0);
    EXPECT_EQ(s.FlaggedZarvonis, 1);
    EXPECT_EQ(s.Galaxy[3][4], 0);
}

TEST(GalaxyLookups, CheckMissionCompleteByMissionType) {
    struct Case {
        int mission, left, goal, progress, systemsDone;
        Flag bySystems;
        bool won;
    };
    const std::vector<Case> cases = {
        {0, 0, 5, 0, 0, 0, true}, {0, 1, 5, 9, 9, 0, false}, {1, -2, 5, 0, 0, 0, true}, {2, 0, 5, 4, 9, 0, false},
        {2, 9, 5, 5, 0, 0, true}, {2, 9, 5, 9, 4, 1, false}, {2, 9, 5, 0, 5, 1, true},  {3, 0, 0, 9, 9, 0, false},
    };
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.GameRunning = kTrue;
        s.MissionType = static_cast<Integer>(c.mission);
        s.ZarvonisLeft = static_cast<Integer>(c.left);
        s.MissionGoal = static_cast<Integer>(c.goal);
        s.GoalProgress = static_cast<Integer>(c.progress);
        s.GoalSystemsDone = static_cast<Integer>(c.systemsDone);
        s.GoalBySystems = c.bySystems;
        s.ScoreEligible = false;  // a won game's high-score entry is not what this test is about
        EXPECT_EQ(CheckMissionComplete(gg.game), c.won) << "mission " << c.mission;
        EXPECT_EQ(gg.host.Saw("show:frmFinalReport"), c.won) << "mission " << c.mission;
        EXPECT_EQ(s.GameRunning, c.won ? kFalse : kTrue);
    }
}

TEST(GalaxyLookups, LosingTheShipInOrbitClosesTheConsoleFirst) {
    ConstantRandom rng(0.5f);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.GameRunning = kTrue;
    s.InSolarSystem = kTrue;
    gg.game.console.Visiting = true;
    gg.game.SetTimer(Timer::frmSSControl_tmrMessage, true);
    gg.host.events.clear();
    gg.host.modal[Form::frmShip] = [] { return kOK; };
    s.ZarvonisLeft = 3;
    LoseShip(gg.game);
    const auto& ev = gg.host.events;
    ASSERT_GE(ev.size(), 4u);
    // The visit ends with the console: its message queue stops.
    EXPECT_EQ(std::vector<std::string>(ev.begin(), ev.begin() + 4),
              (std::vector<std::string>{"hide:frmSSControl", "timer:frmSSControl_tmrMessage:off",
                                        "timer:frmShip_tmrAnimation:on", "modal:frmShip"}));
    EXPECT_FALSE(gg.game.console.Visiting);
    EXPECT_FALSE(gg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    EXPECT_EQ(s.InSolarSystem, kFalse);
    EXPECT_EQ(s.GameRunning, kFalse);
    EXPECT_EQ(s.ShipLost, kTrue);
    // Then the game ends: the final report shows the ship destroyed.
    EXPECT_TRUE(gg.host.Saw("show:frmFinalReport"));
    EXPECT_TRUE(s.FinalShipDestroyed);

    GalaxyGame open(rng);
    open.game.st.GameRunning = kTrue;
    open.host.modal[Form::frmShip] = [] { return kOK; };
    LoseShip(open.game);
    ASSERT_GE(open.host.events.size(), 2u);
    EXPECT_EQ(open.host.events[0], "timer:frmShip_tmrAnimation:on");
    EXPECT_EQ(open.host.events[1], "modal:frmShip");
}

}  // namespace
}  // namespace kv::test
