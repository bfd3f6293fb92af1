#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>

#include "engine/turn/Condition.h"
#include "engine/turn/Refresh.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

// A running mission-type-0 game with nothing hostile about: the refresh draws only the first
// technology threshold (upgrades off).
void Calm(GameState& s) {
    s.MissionType = 0;
    s.InitialZarvonis = s.ZarvonisLeft = 5;
    s.ShieldsChanged = kTrue;
}

const std::set<std::string> kStageMarkers = {"refresh:UpgradeIndicators",
                                             "refresh:MorvTimer",
                                             "front:frmBars",
                                             "front:frmInfo",
                                             "pointer:11",
                                             "refresh:Condition",
                                             "refresh:ShortRangeScan",
                                             "refresh:CommandState",
                                             "refresh:GalaxyChart",
                                             "refresh:GeneralReport",
                                             "refresh:BaseReport",
                                             "refresh:ZarvoniReport",
                                             "refresh:DamageReport",
                                             "refresh:Bars",
                                             "refresh:StatusPanel",
                                             "pointer:0",
                                             "enable:frmCommands",
                                             "refresh:StarbaseLine",
                                             "timer:frmSSControl_tmrMessage:off",
                                             "show:frmCommands",
                                             "refresh:RetrofitPanel"};

std::vector<std::string> Stages(const std::vector<std::string>& events) {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (kStageMarkers.count(e)) out.push_back(e);
    return out;
}

size_t Count(const std::vector<std::string>& events, const std::string& e) {
    return static_cast<size_t>(std::count(events.begin(), events.end(), e));
}

TEST(RefreshTest, StagesRunInOrder) {
    ScriptedRandom rng{0.0f};
    TurnGame tg(rng);
    Calm(tg.game.st);
    tg.host.visible = {Form::frmCommands};
    tg.game.st.ShipQuadrantRow = 5;                     // the ship has entered another quadrant
    for (float d : QuietWalk(tg.game.st)) rng.Push(d);  // the hostiles' walk over the galaxy
    tg.game.SetTimer(Timer::frmSSControl_tmrMessage, true);
    tg.host.events.clear();
    RefreshAll(tg.game);
    EXPECT_EQ(Stages(tg.host.events),
              (std::vector<std::string>{
                  "refresh:UpgradeIndicators", "refresh:MorvTimer", "front:frmBars", "front:frmInfo", "pointer:11",
                  // The scan of a new quadrant runs the hostiles' turn, which clears
                  // ShieldsChanged; the automatic shields then act. The status bars repaint the
                  // general report's energy figures, and the general report ends with the bars.
                  "refresh:Condition", "refresh:ShortRangeScan", "refresh:GeneralReport", "refresh:Bars",
                  "refresh:CommandState", "refresh:GalaxyChart", "refresh:GeneralReport", "refresh:GeneralReport",
                  "refresh:Bars", "refresh:BaseReport", "refresh:ZarvoniReport", "refresh:DamageReport",
                  "refresh:GeneralReport", "refresh:Bars", "refresh:StatusPanel", "pointer:0", "enable:frmCommands",
                  "refresh:StarbaseLine", "pointer:0", "timer:frmSSControl_tmrMessage:off", "show:frmCommands",
                  "refresh:RetrofitPanel"}));
    EXPECT_TRUE(tg.host.errors.empty());
    EXPECT_EQ(tg.game.st.GameChanged, kTrue);
    EXPECT_EQ(tg.game.st.TurnPassedWarp, 1);
    EXPECT_EQ(rng.Remaining(), 0u);
}

TEST(RefreshTest, HostilesGetTheirTurnOnlyWhenItIsDue) {
    ScriptedRandom rng{0.0f};
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    Calm(s);
    // Each of the three turns walks the galaxy.
    for (int turn = 0; turn < 3; ++turn)
        for (float d : QuietWalk(s)) rng.Push(d);
    struct Action {
        const char* what;
        void (*act)(GameState&);
        bool hostileTurn;
    };
    const Action actions[] = {
        {"a move into another quadrant", [](GameState& st) { st.ShipQuadrantRow = 5; }, true},
        {"phasers in the same quadrant", [](GameState&) {}, false},
        {"a move inside the quadrant", [](GameState& st) { st.HostileTurnFlag = 1; }, true},
        {"the hostiles have just fired", [](GameState& st) { st.HostileTurnFlag = -32767; }, false},
        {"a move back", [](GameState& st) { st.ShipQuadrantRow = 4; }, true},
    };
    for (const auto& a : actions) {
        tg.host.events.clear();
        s.HostileTurnFlag = 0;  // only a move (1) or another quadrant asks for a turn
        a.act(s);
        const Integer before = s.HostileTurnFlag;
        RefreshAll(tg.game);
        EXPECT_EQ(s.HostileTurnFlag, a.hostileTurn ? 0 : before) << a.what;
        EXPECT_EQ(s.TacticalQuadRow, s.ShipQuadrantRow) << a.what;
        EXPECT_EQ(Count(tg.host.events, "refresh:RetrofitPanel"), 1u) << a.what;
    }
    EXPECT_TRUE(tg.host.errors.empty());
    EXPECT_EQ(rng.Remaining(), 0u);
}

TEST(RefreshTest, AnEndingSkipsTheLaterStages) {
    struct Case {
        const char* what;
        void (*setup)(GameState&, RecordingHost&);
        bool ends;
    };
    const Case cases[] = {
        {"time used up", [](GameState& s, RecordingHost&) { s.TimeLeft = 0; }, true},
        {"time used up in mission type 3",
         [](GameState& s, RecordingHost&) {
             s.TimeLeft = 0;
             s.MissionType = 3;
         },
         false},
        {"time given back",
         [](GameState& s, RecordingHost&) {
             s.TimeLeft = -1;
             s.TimeOffset = 2;
         },
         false},
        {"negative energy that the shields cover",
         [](GameState& s, RecordingHost&) {
             s.ShipEnergy = -100;
             s.ShieldLevel = 100;
         },
         false},
        {"negative energy beyond the shields",
         [](GameState& s, RecordingHost&) {
             s.ShipEnergy = -100;
             s.ShieldLevel = 99;
         },
         true},
        {"negative energy with damaged shields",
         [](GameState& s, RecordingHost&) {
             s.ShipEnergy = -100;
             s.ShieldLevel = 1000;
             s.SystemDamage[6] = 0.1f;
         },
         true},
        {"mission complete", [](GameState& s, RecordingHost&) { s.ZarvonisLeft = 0; }, true},
        {"warp given up",
         [](GameState& s, RecordingHost& h) {
             s.SystemDamage[1] = 8.0f;
             h.answers = {kAbort};
         },
         true},
        {"warp question ignored",
         [](GameState& s, RecordingHost& h) {
             s.SystemDamage[1] = 8.0f;
             h.answers = {kIgnore};
         },
         false},
    };
    for (const auto& c : cases) {
        ScriptedRandom rng{0.0f};
        TurnGame tg(rng);
        Calm(tg.game.st);
        tg.host.visible = {Form::frmCommands};
        c.setup(tg.game.st, tg.host);
        RefreshAll(tg.game);
        EXPECT_EQ(!tg.game.st.GameRunning, c.ends) << c.what;
        const auto& e = tg.host.events;
        // The windows come back either way, and once more as the game ends.
        EXPECT_EQ(Count(e, "enable:frmCommands"), c.ends ? 2u : 1u) << c.what;
        EXPECT_EQ(Count(e, "show:frmFinalReport"), c.ends ? 1u : 0u) << c.what;
        EXPECT_EQ(Count(e, "show:frmCommands"), c.ends ? 0u : 1u) << c.what;
        // The retrofit panel is refreshed once: by the last stage, or by the end that puts it
        // away after the final report (the last stage does not run then).
        EXPECT_EQ(Count(e, "refresh:RetrofitPanel"), 1u) << c.what;
        if (c.ends) {
            const auto report = std::find(e.begin(), e.end(), "show:frmFinalReport");
            EXPECT_EQ(std::count(report, e.end(), "refresh:RetrofitPanel"), 1) << c.what;
        }
        EXPECT_TRUE(tg.host.errors.empty()) << c.what;
        if (!c.ends) {
            const auto stages = Stages(e);
            ASSERT_FALSE(stages.empty());
            EXPECT_EQ(stages.back(), "refresh:RetrofitPanel") << c.what;
        }
        if (c.ends) {
            // After the end the refresh only resets the technology clock.
            tg.host.events.clear();
            RefreshAll(tg.game);
            EXPECT_TRUE(tg.host.events.empty()) << c.what;
            EXPECT_EQ(tg.game.st.TechRiseThreshold, 0) << c.what;
        }
    }
}

TEST(RefreshTest, GameEndedDuringTheUpdateOrTheHostilesTurnStopsTheRefresh) {
    struct Case {
        const char* endsOn;  // the request during which the game ends
        const char* lastStage;
    };
    const Case cases[] = {{"ShortRangeScan", "refresh:Bars"},
                          {"DamageReport", "refresh:Bars"},
                          {"StatusPanel", "refresh:StatusPanel"},
                          {"", "refresh:RetrofitPanel"}};
    for (const auto& c : cases) {
        ScriptedRandom rng{0.0f};
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        Calm(s);
        // Automatic shields on: their step after the hostiles' turn (which the scan gives) marks
        // ShieldRaisePending.
        s.ShieldsChanged = kFalse;
        s.ComAutoShields = kTrue;
        s.LibShieldFrequency = 0;
        s.ShipQuadrantRow = 5;  // the hostiles owe a turn
        for (float d : QuietWalk(s)) rng.Push(d);
        tg.host.visible = {Form::frmCommands};
        tg.host.onRefresh = [&](View what) {
            if (std::string(Name(what)) == c.endsOn) s.GameRunning = kFalse;
        };
        RefreshAll(tg.game);
        const auto stages = Stages(tg.host.events);
        ASSERT_FALSE(stages.empty());
        EXPECT_EQ(stages.back(), c.lastStage) << c.endsOn;
        EXPECT_EQ(s.ShieldRaisePending != 0, std::string(c.endsOn) != "ShortRangeScan") << c.endsOn;
        EXPECT_EQ(s.TurnPassedWarp, *c.endsOn == 0 ? 1 : 0) << c.endsOn;
    }
}

TEST(RefreshTest, GateWhileTheBackgroundScrollsOrNoGameRuns) {
    ScriptedRandom rng;  // no draw allowed
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    Calm(s);
    s.TechTurnCounter = 5;
    s.TechRiseThreshold = 9;
    tg.game.SetTimer(Timer::frmBackground_tmrScroll, true);
    tg.host.events.clear();
    RefreshAll(tg.game);
    EXPECT_EQ(s.GameChanged, 0);
    EXPECT_EQ(s.TechTurnCounter, 5);
    EXPECT_TRUE(tg.host.events.empty());

    tg.game.SetTimer(Timer::frmBackground_tmrScroll, false);
    tg.host.events.clear();
    s.GameRunning = kFalse;
    RefreshAll(tg.game);
    EXPECT_EQ(s.GameChanged, 0);
    EXPECT_EQ(s.TechTurnCounter, 0);
    EXPECT_EQ(s.TechRiseThreshold, 0);
    EXPECT_TRUE(tg.host.events.empty());
}

// Technology clock at level 1 with upgrades on: threshold Int(7 + 5 Rnd); no Morv arrival test
// draws while a Morv ship is present.
void TechGame(GameState& s) {
    Calm(s);
    s.TechLevel = 1;
    s.UpgradesOn = kTrue;
    s.MorvCountdown = -1;
}

TEST(RefreshTest, TechnologyRisesWhenTheCountPassesTheThreshold) {
    ScriptedRandom rng{0.0f, 0.5f};
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    TechGame(s);
    for (int i = 0; i < 8; ++i) RefreshAll(tg.game);
    EXPECT_EQ(s.TechLevel, 1);
    EXPECT_EQ(s.TechRiseThreshold, 7);
    EXPECT_EQ(s.TechTurnCounter, 8);
    RefreshAll(tg.game);
    EXPECT_EQ(s.TechLevel, 2);
    EXPECT_EQ(tg.host.notices,
              (std::vector<std::string>{"<KVGAME0001>\r\n\r\n<KVGAME0002>\r\n<KVGAME0003>\r\n<KVGAME0004> "
                                        "2<KVGAME0005>\r\n<KVGAME0006>"}));
    EXPECT_EQ(s.TechRiseThreshold, 19);  // Int(2 x 7 + 2 x 2.5)
    EXPECT_EQ(s.TechTurnCounter, 1);
    EXPECT_EQ(rng.Remaining(), 0u);
}

TEST(RefreshTest, ThresholdIsSummedInSinglePrecision) {
    // 5 x Rnd = 0.99999976: at level 1 the sum 7.99999976 is 8 in single precision.
    ScriptedRandom rng{std::bit_cast<float>(0x3e4ccccaU)};
    TurnGame tg(rng);
    TechGame(tg.game.st);
    RefreshAll(tg.game);
    EXPECT_EQ(tg.game.st.TechRiseThreshold, 8);
}

TEST(RefreshTest, TechnologyWaitsWhileTheExplorationConsoleIsOpen) {
    ScriptedRandom rng{0.0f, 0.0f};
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    TechGame(s);
    tg.host.visible = {Form::frmSSControl};
    tg.game.SetTimer(Timer::frmSSControl_tmrMessage, true);
    for (int i = 0; i < 14; ++i) RefreshAll(tg.game);
    EXPECT_EQ(s.TechLevel, 1);
    EXPECT_EQ(rng.Used(), 1u);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));  // the console keeps its messages
    tg.host.visible.clear();
    RefreshAll(tg.game);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    EXPECT_EQ(s.TechLevel, 2);
    EXPECT_EQ(rng.Used(), 2u);
}

TEST(RefreshTest, TechnologyClockStandsStill) {
    struct Case {
        const char* what;
        double level;
        Flag upgrades;
    };
    const Case cases[] = {{"level 9", 9, kTrue}, {"upgrades off", 3, kFalse}};
    for (const auto& c : cases) {
        ScriptedRandom rng{0.0f};
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        TechGame(s);
        s.TechLevel = c.level;
        s.UpgradesOn = c.upgrades;
        for (int i = 0; i < 40; ++i) RefreshAll(tg.game);
        EXPECT_EQ(s.TechLevel, c.level) << c.what;
        EXPECT_EQ(s.TechTurnCounter, 0) << c.what;
        EXPECT_EQ(rng.Used(), 1u) << c.what;  // the threshold is drawn once
    }
}

TEST(RefreshTest, MorvCountdownRunsOutAndTheShipArrives) {
    ScriptedRandom rng{0.0f, 0.0f, 0.9f};
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    Calm(s);
    s.MorvCountdown = 4;
    s.MorvCountdownStarted = kTrue;
    RefreshAll(tg.game);
    EXPECT_EQ(s.MorvCountdown, 3);
    EXPECT_EQ(s.MorvTimerTag, "4");
    EXPECT_FLOAT_EQ(s.MorvTimerBar, 0.75f);
    RefreshAll(tg.game);
    RefreshAll(tg.game);
    EXPECT_EQ(s.MorvCountdown, 1);
    EXPECT_EQ(rng.Used(), 1u);
    RefreshAll(tg.game);  // from 1 to 0: the arrival in the same refresh
    EXPECT_EQ(s.MorvCountdown, -1);
    EXPECT_EQ(s.MorvShip[1], 1);
    EXPECT_EQ(s.MorvShip[2], 8);
    EXPECT_EQ(s.MorvStrength, 1000000);  // regenerated in the same refresh, but at its cap
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_TRUE(tg.host.errors.empty());
}

TEST(RefreshTest, MorvShipRegeneratesUpToItsCap) {
    struct Case {
        Long strength;
        Integer destroyed;
        Long expected;
    };
    const Case cases[] = {
        {500000, 0, 507500},
        {999000, 0, 1000000},
        {1000000, 1, 1012500},
        {100, 0, 102},  // 1.5 rounds to 2
        {300, 0, 304},  // 4.5 rounds half to even
        {2000000000, 3, 1600000},
    };
    for (const auto& c : cases) {
        ScriptedRandom rng{0.0f};
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        Calm(s);
        s.MorvCountdown = -1;
        s.MorvCountdownStarted = kTrue;
        s.MorvStrength = c.strength;
        s.MorvShipsDestroyed = c.destroyed;
        RefreshAll(tg.game);
        EXPECT_EQ(s.MorvStrength, c.expected) << c.strength;
    }
}

TEST(RefreshTest, UnexpectedErrorIsReportedAndTheRefreshGoesOn) {
    ScriptedRandom rng;  // the threshold's draw fails
    TurnGame tg(rng);
    Calm(tg.game.st);
    tg.host.ExpectErrors(1);
    RefreshAll(tg.game);
    ASSERT_EQ(tg.host.errors.size(), 1u);
    EXPECT_NE(tg.host.errors[0].find("KVGAME : RefreshAll"), std::string::npos);
    EXPECT_NE(tg.host.errors[0].find("Increment Timers"), std::string::npos);
    EXPECT_EQ(Count(tg.host.events, "refresh:RetrofitPanel"), 1u);
}

TEST(RefreshTest, CompactEnemyTableMovesSlotsDownOnePlaceACall) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.ZarvoniShips[1][3] = 5;
    s.ZarvoniShips[2][3] = 6;
    s.ZarvoniEnergy[3] = 70;
    s.ZarvoniFlags[3] = 1;
    s.QuadZarvonis = 3;
    s.CloakedShips[1][2] = 7;
    s.CloakedShips[2][2] = 8;
    s.CloakedEnergy[2] = 40;
    s.CloakedPerQuadrant[3][3] = 2;
    CompactEnemyTable(tg.game);
    EXPECT_EQ(s.ZarvoniShips[1][2], 5);
    EXPECT_EQ(s.ZarvoniShips[1][3], 0);
    EXPECT_EQ(s.QuadZarvonis, 2);
    EXPECT_EQ(s.CloakedShips[1][1], 7);
    EXPECT_EQ(s.CloakedShips[2][1], 8);
    EXPECT_EQ(s.CloakedEnergy[1], 40);
    EXPECT_EQ(s.CloakedPerQuadrant[3][3], 1);
    CompactEnemyTable(tg.game);
    EXPECT_EQ(s.ZarvoniShips[1][1], 5);
    EXPECT_EQ(s.ZarvoniShips[2][1], 6);
    EXPECT_EQ(s.ZarvoniEnergy[1], 70);
    EXPECT_EQ(s.ZarvoniFlags[1], 1);
    EXPECT_EQ(s.QuadZarvonis, 1);

    // Only free slots at the top are trimmed: [A, free, B] -> [A, B, free].
    s.ZarvoniShips[1][3] = 2;
    s.QuadZarvonis = 3;
    CompactEnemyTable(tg.game);
    EXPECT_EQ(s.ZarvoniShips[1][2], 2);
    EXPECT_EQ(s.QuadZarvonis, 2);
}

TEST(RefreshTest, ReturnFromMenuGivesANewGameItsFirstRefresh) {
    ScriptedRandom rng{0.0f};
    TurnGame tg(rng);
    Calm(tg.game.st);
    tg.game.background.Tag = BackgroundTag::Hide;  // the background still to be hidden properly
    ReturnFromMenu(tg.game);
    // The background is put right first; then the windows come back as they were.
    ASSERT_GE(tg.host.events.size(), 2u);
    EXPECT_EQ(tg.host.events[0], "regionshow:frmBackground");
    EXPECT_EQ(tg.host.events[1], "hide:frmBackground");
    EXPECT_EQ(Count(tg.host.events, "refresh:RetrofitPanel"), 0u);  // no game started: no refresh
    tg.game.st.NewGamePending = kTrue;
    ReturnFromMenu(tg.game);
    EXPECT_EQ(tg.game.st.NewGamePending, 0);
    EXPECT_EQ(Count(tg.host.events, "refresh:RetrofitPanel"), 1u);
}

TEST(RefreshTest, ResetDisplaysBlanksThePanels) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    SetStatusItem(tg.game, 2, kTrue);
    s.SystemDamage[5] = 3;
    s.TorpedoStockClass1 = 9;
    s.UpgradeFillColor[3] = 0xFF;
    s.StarbaseLine = "x";
    ResetDisplays(tg.game);
    for (int lamp = 1; lamp <= 6; ++lamp) EXPECT_FALSE(GetStatusItem(tg.game, lamp));
    EXPECT_EQ(s.SystemDamage[5], 0);
    EXPECT_EQ(s.ShipEnergy, 0);
    EXPECT_EQ(s.TorpedoStockClass1, 0);
    EXPECT_EQ(s.TimeLeft, 0);
    EXPECT_EQ(s.UpgradeFillColor[3], -1);
    EXPECT_EQ(s.StarbaseLine, "");
}

}  // namespace
}  // namespace kv::test
