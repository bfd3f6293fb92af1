#include <gtest/gtest.h>

#include "engine/tactical/CloakedShips.h"
#include "engine/tactical/GalaxyMoves.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(CloakedShipsTest, MovesInsideTheQuadrantAndFlickers) {
    struct Case {
        const char* name;
        int energy;
        bool showFlag;
        Single sensors;
        std::vector<float> draws;  // steps, dash, (two per step), flicker
        int row, col;
        std::vector<std::string> drawn;
    };
    const Case cases[] = {
        {"too weak to move", 19, false, 0, {0.9f, 0.9f, 0.5f}, 6, 6, {"draw:6,6:0"}},
        {"a step, then a flicker",
         100,
         false,
         0,
         {0.3f, 0.0f, 0.99f, 0.0f, 0.9f},
         7,
         5,
         {"draw:6,6:0", "draw:7,5:10", "draw:7,5:0"}},
        {"the debug switch shows it", 19, true, 0, {0.0f, 0.0f, 0.0f}, 6, 6, {"draw:6,6:10", "draw:6,6:0"}},
        {"unseen far from the ship with damaged sensors", 19, true, 1.0f, {0.0f, 0.0f, 0.9f}, 6, 7, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.ShowCloakFlag = c.showFlag;
        s.SystemDamage[kShortRangeSensors] = c.sensors;
        const int j = hg.AddCloaked(6, c.sensors > 0 ? 7 : 6, c.energy);
        MoveCloakedShips(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.CloakedShips[1][j], c.row);
        EXPECT_EQ(s.CloakedShips[2][j], c.col);
        EXPECT_EQ(s.SectorGrid[c.row][c.col], kCloaked);
        EXPECT_EQ(hg.host.Events("draw:"), c.drawn);
    }
}

TEST(CloakedShipsTest, ArrivalsTakeFreeSectorsThatTheirSlotsRecord) {
    for (int ships : {1, 2}) {
        SCOPED_TRACE(ships);
        // From (4, 5) to the player's (4, 4): the movers, then row and column (no pull to a
        // starbase, a random step, no following), then a free sector for each.
        std::vector<float> draws{
            0.0f, ships == 1 ? 0.6f : 0.9f, 0.5f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.99f};
        if (ships == 2) draws.insert(draws.end(), {0.99f, 0.0f});
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.CloakedPerQuadrant[3][4] = static_cast<Integer>(ships);
        for (float d : QuietWalk(s, {{45, draws}})) rng.Push(d);
        s.ComAutoShields = kFalse;  // the arrival raises no shields: the log shows the warning alone
        MoveAcrossGalaxy(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.CloakedPerQuadrant[3][4], 0);
        EXPECT_EQ(s.CloakedPerQuadrant[3][3], ships);
        EXPECT_EQ(s.CloakedShips[1][1], 1);
        EXPECT_EQ(s.CloakedShips[2][1], 8);
        EXPECT_EQ(s.SectorGrid[1][8], kCloaked);
        EXPECT_EQ(s.CloakedEnergy[1], 100);
        if (ships == 2) {
            EXPECT_EQ(s.CloakedShips[1][2], 8);
            EXPECT_EQ(s.CloakedShips[2][2], 1);
            EXPECT_EQ(s.SectorGrid[8][1], kCloaked);
        }
        EXPECT_EQ(hg.host.output, std::vector<std::string>{ships > 1 ? "<KVBASIC0213>" : "<KVBASIC0214>"});
        EXPECT_TRUE(hg.Played("WARNCLOK.WAV"));
    }
}

TEST(CloakedShipsTest, AShipLeavesThePlayersQuadrantUnlessTooWeak) {
    struct Case {
        const char* name;
        float pick;
        bool leaves;
    };
    for (const Case c : {Case{"the strong one leaves", 0.3f, true}, Case{"the weak one stays", 0.7f, false}}) {
        SCOPED_TRACE(c.name);
        // One of the two moves to (5, 4) (where it moves no further later in the walk).
        const std::vector<float> draws{0.0f, 0.5f, 0.5f, 0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, c.pick};
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        hg.AddCloaked(2, 2, 100);
        hg.AddCloaked(6, 6, 15);
        for (float d : QuietWalk(s, {{44, draws}})) rng.Push(d);
        s.ComAutoShields = kFalse;  // no automatic shields: the log shows the departure alone
        MoveAcrossGalaxy(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.CloakedPerQuadrant[3][3], c.leaves ? 1 : 2);
        EXPECT_EQ(s.CloakedPerQuadrant[4][3], c.leaves ? 1 : 0);
        EXPECT_EQ(s.SectorGrid[2][2], c.leaves ? kEmpty : kCloaked);
        EXPECT_EQ(s.CloakedShips[1][1], c.leaves ? 6 : 2);  // the table closed the gap
        EXPECT_EQ(s.CloakedEnergy[1], c.leaves ? 15 : 100);
        EXPECT_EQ(hg.host.output, std::vector<std::string>{"<KVBASIC0212>"});
        EXPECT_TRUE(hg.host.Saw("refresh:ShortRangeScan"));
    }
}

TEST(CloakedShipsTest, NoQuadrantTakesMoreThanFive) {
    ScriptedRandom rng;
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.CloakedPerQuadrant[3][4] = 1;
    s.CloakedPerQuadrant[3][5] = 5;
    // The one ship of (4, 5) heads east, into the full (4, 6).
    for (float d : QuietWalk(s, {{45, {0.0f, 0.6f, 0.5f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.99f, 0.0f}}}))
        rng.Push(d);
    MoveAcrossGalaxy(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.CloakedPerQuadrant[3][4], 1);
    EXPECT_EQ(s.CloakedPerQuadrant[3][5], 5);
}

TEST(CloakedShipsTest, LeavingTheRightEdgeComesInAtTheLeft) {
    ScriptedRandom rng;
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.CloakedPerQuadrant[1][7] = 1;  // quadrant (2, 8)
    for (float d : QuietWalk(s, {{28, {0.0f, 0.6f, 0.5f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.99f, 0.0f}}}))
        rng.Push(d);
    // (2, 1) comes earlier in the walk; the ship arrives there after its turn has passed.
    MoveAcrossGalaxy(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.CloakedPerQuadrant[1][7], 0);
    EXPECT_EQ(s.CloakedPerQuadrant[1][0], 1);
}

}  // namespace
}  // namespace kv::test
