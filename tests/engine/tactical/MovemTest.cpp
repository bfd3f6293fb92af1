#include <gtest/gtest.h>

#include "engine/tactical/Hostiles.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(MovemTest, StepsFollowEnergyAndSkill) {
    struct Case {
        const char* name;
        Integer skill;
        int energy;
        std::vector<float> draws;  // steps, dash, then two per step
        int row, col;              // where the ship ends
    };
    // The ship starts at (6, 6).
    const Case cases[] = {
        {"below 20 never moves", 9, 19, {0.99f, 0.99f}, 6, 6},
        {"20 at skill 3 takes no step", 3, 20, {0.99f, 0.99f}, 6, 6},
        {"29 at skill 5 takes no step", 5, 29, {0.99f, 0.99f}, 6, 6},
        {"one step", 4, 100, {0.3f, 0.0f, 0.99f, 0.0f}, 7, 5},
        {"low skill moves less", 2, 100, {0.5f, 0.99f, 0.0f, 0.5f}, 5, 6},
        {"high skill: one more", 6, 40, {0.0f, 0.0f, 0.5f, 0.99f}, 6, 7},
        {"high skill may dash", 6, 60, {0.0f, 0.9f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f}, 8, 8},
        {"a step of nought stays where it is", 4, 100, {0.3f, 0.0f, 0.5f, 0.5f}, 6, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SkillLevel = c.skill;
        const int i = hg.AddZarvoni(6, 6, c.energy);
        for (float d : Draws({c.draws, QuietWalk(s)})) rng.Push(d);
        Movem(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ZarvoniShips[1][i], c.row);
        EXPECT_EQ(s.ZarvoniShips[2][i], c.col);
        EXPECT_EQ(s.SectorGrid[c.row][c.col], kZarvoni);
        if (c.row != 6 || c.col != 6) {
            EXPECT_EQ(s.SectorGrid[6][6], kEmpty);
        }
        EXPECT_EQ(hg.Played("ZMOVE.WAV"), c.draws.size() > 2);
    }
}

TEST(MovemTest, AnOccupiedCellGivesWayAlongTheRowThenTheColumn) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> taken;
        int row, col;
        bool moved;
    };
    // From (6, 6) towards (7, 7).
    const Case cases[] = {
        {"free", {}, 7, 7, true},
        {"along the row", {{7, 7}}, 6, 7, true},
        {"along the column", {{7, 7}, {6, 7}}, 7, 6, true},
        {"boxed in", {{7, 7}, {6, 7}, {7, 6}}, 6, 6, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        for (auto [r, col] : c.taken) s.SectorGrid[r][col] = kStar;
        const int i = hg.AddZarvoni(6, 6);
        for (float d : Draws({{0.3f, 0.0f, 0.99f, 0.99f}, QuietWalk(s)})) rng.Push(d);
        Movem(hg.game);
        EXPECT_EQ(s.ZarvoniShips[1][i], c.row);
        EXPECT_EQ(s.ZarvoniShips[2][i], c.col);
        EXPECT_EQ(s.SectorGrid[c.row][c.col], kZarvoni);
        for (auto [r, col] : c.taken) EXPECT_EQ(s.SectorGrid[r][col], kStar);
        EXPECT_EQ(hg.Played("ZMOVE.WAV"), c.moved);
        EXPECT_EQ(hg.host.Events("draw:").empty(), !c.moved);
        EXPECT_EQ(rng.Remaining(), 0u);
    }
}

TEST(MovemTest, DamagedSensorsShowOnlyMovesNearTheShip) {
    ScriptedRandom rng;
    HostileGame hg(rng);
    hg.st.SystemDamage[kShortRangeSensors] = 1.0f;
    hg.AddZarvoni(2, 2);  // to (1, 1): from near to far
    hg.AddZarvoni(7, 7);  // to (8, 8): far
    for (float d : Draws({{0.3f, 0.0f, 0.0f, 0.0f, 0.3f, 0.0f, 0.99f, 0.99f}, QuietWalk(hg.st)})) rng.Push(d);
    Movem(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(hg.host.Events("draw:"), (std::vector<std::string>{"draw:2,2:0"}));
}

// The draws of a Zarvoni ship's step from (3, 3) to (2, 2) at skill 6, then of the walk over
// the galaxy in which nothing moves and a round at the base with no traffic.
std::vector<float> StepBesideTheBase(const GameState& s) {
    return Draws({{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, QuietWalk(s), QuietTraffic()});
}

TEST(MovemTest, ShipsDockAtTheirStarbase) {
    struct Case {
        const char* name;
        int energy;
        Integer docked;
        Long strength;
        bool docks;
    };
    const Case cases[] = {
        {"docks", 40, 0, 10000, true},
        {"six ships docked already", 40, 6, 10000, false},
        {"the base at a quarter of its strength", 40, 0, 5000, false},
        {"a ship at full energy", 100, 0, 10000, false},
    };
    // The base at (1, 1) fires at the ship at (4, 4) after the traffic round: a miss (0.99) that
    // costs it 424 all the same.
    const std::string miss = "<KVBASIC0190>Zarvoni<KVBASIC0191>";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SkillLevel = 6;
        hg.AddZarvoniBase(1, 1, c.strength);
        s.ZarvoniBaseShips = c.docked;
        const int i = hg.AddZarvoni(3, 3, c.energy);
        const int other = hg.AddZarvoni(8, 1, 10);  // too weak to move
        for (float d : Draws({StepBesideTheBase(s), {0.99f, 0.0f}})) rng.Push(d);
        Movem(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.SectorGrid[3][3], kEmpty);
        if (c.docks) {
            EXPECT_EQ(s.SectorGrid[2][2], kEmpty);
            EXPECT_EQ(s.ZarvoniBaseShips, c.docked + 1);
            EXPECT_EQ(s.ZarvoniBase[5], c.strength - 1200 - 424);
            EXPECT_EQ(s.Galaxy[4][4], 100);
            EXPECT_EQ(s.QuadZarvonis, 1);
            // The table is compacted: the weak ship now holds the first slot.
            EXPECT_EQ(s.ZarvoniShips[1][1], 8);
            EXPECT_EQ(s.ZarvoniEnergy[1], 10);
            EXPECT_EQ(s.ZarvoniShips[1][2], 0);
            EXPECT_EQ(s.ZarvoniEnergy[2], -1000);
            EXPECT_EQ(hg.host.output, (std::vector<std::string>{"Zarvoni<KVBASIC0210>", miss}));
            EXPECT_TRUE(hg.Played("ZDOCK.WAV"));
        } else {
            EXPECT_EQ(s.SectorGrid[2][2], kZarvoni);
            EXPECT_EQ(s.ZarvoniShips[1][i], 2);
            EXPECT_EQ(s.ZarvoniShips[1][other], 8);
            EXPECT_EQ(s.ZarvoniBaseShips, c.docked);
            EXPECT_EQ(s.ZarvoniBase[5], c.strength - 424);
            EXPECT_EQ(s.Galaxy[4][4], 200);
            EXPECT_EQ(hg.host.output, std::vector<std::string>{miss});
        }
    }
}

TEST(MovemTest, AShipBesideACapturedBaseDoesNotDockAndIsShotDown) {
    // The captured base fires at the nearest Zarvoni ship, the one beside it: 136, five times
    // that from its strength; the ship's 40 do not hold it, and it explodes (two draws).
    ScriptedRandom rng;
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.SkillLevel = 6;
    hg.AddZarvoniBase(1, 1, 10000, true);
    const int i = hg.AddZarvoni(3, 3, 40);
    hg.AddZarvoni(8, 1, 10);
    for (float d : Draws({StepBesideTheBase(s), {0.0f, 0.0f, 0.0f}})) rng.Push(d);
    Movem(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.ZarvoniBaseShips, 0);
    EXPECT_EQ(s.ZarvoniBase[5], 10000 - 5 * 136);
    EXPECT_EQ(s.SectorGrid[2][2], kEmpty);
    EXPECT_EQ(s.ZarvoniShips[1][i], 0);
    EXPECT_EQ(s.Galaxy[4][4], 100);
    ASSERT_FALSE(hg.host.output.empty());
    EXPECT_EQ(hg.host.output[0], "<KVBASIC0196>Zarvoni<KVBASIC0197>");
    EXPECT_FALSE(hg.Played("ZDOCK.WAV"));
}

TEST(MovemTest, DockingNeverDrivesTheBaseBelowNothing) {
    // Then nothing moves in the galaxy, no traffic, and a base with nothing left is too weak to fire (hit and power
    // drawn).
    ScriptedRandom rng;
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.SkillLevel = 6;
    s.ZarvoniBaseStrength = 100;
    hg.AddZarvoniBase(1, 1, 30);
    hg.AddZarvoni(3, 3, 30);
    for (float d : Draws({{0.0f, 0.0f, 0.0f, 0.0f}, QuietWalk(s), QuietTraffic(), {0.0f, 0.0f}})) rng.Push(d);
    Movem(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.ZarvoniBaseShips, 1);
    EXPECT_EQ(s.ZarvoniBase[5], 0);
    EXPECT_EQ(hg.host.output, std::vector<std::string>{"Zarvoni<KVBASIC0210>"});
}

TEST(MovemTest, TheTurnClearsTheChartAndTheHostileTurnRequest) {
    ScriptedRandom walk;  // nothing moves in the galaxy
    HostileGame hg(walk);
    for (float d : QuietWalk(hg.st)) walk.Push(d);
    hg.st.HostileTurnFlag = -32767;
    Movem(hg.game);
    EXPECT_EQ(walk.Remaining(), 0u);
    EXPECT_EQ(hg.host.Events("chart:").size(), 128u);
    EXPECT_EQ(hg.host.chart[63], kChartCleared);
    EXPECT_TRUE(hg.host.Saw("refresh:Background"));
    EXPECT_EQ(hg.st.HostileTurnFlag, 0);
}

}  // namespace
}  // namespace kv::test
