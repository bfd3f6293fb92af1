// New games on the shipped data, flown about by a captain who gives random navigation orders and
// declines every offer: the ship always stands on its grid cell, every quadrant it enters is set
// up, the hostiles get their turn, and nothing reports an error.
#include <gtest/gtest.h>

#include <random>

#include "engine/computer/Navigation.h"
#include "engine/tactical/Tactical.h"
#include "engine/turn/Placement.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/SolarSystems.h"
#include "engine/turn/Upgrades.h"
#include "platform/SettingsStore.h"
#include "state/Game.h"
#include "state/NullHost.h"
#include "state/Numeric.h"
#include "state/Reset.h"
#include "support/Scratch.h"

namespace kv::test {
namespace {

int Count(const GameState& s, Integer code) {
    int n = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) n += s.SectorGrid[r][c] == code;
    return n;
}

void ExpectShipInPlace(const GameState& s) {
    ASSERT_TRUE(InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol));
    ASSERT_TRUE(InGalaxy(s.ShipSectorRow, s.ShipSectorCol));
    const Integer cell = s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol];
    ASSERT_TRUE(cell == kShip || cell == kStar) << cell;
    ASSERT_EQ(Count(s, kShip), cell == kShip ? 1 : 0);
    ASSERT_EQ(s.QuadrantChanged, kFalse);
    ASSERT_EQ(s.TacticalQuadRow, s.ShipQuadrantRow);
    ASSERT_EQ(s.TacticalQuadCol, s.ShipQuadrantCol);
    ASSERT_EQ(s.HostileTurnFlag, 0);
    int placed = 0;
    for (int i = 1; i <= std::min<int>(s.QuadZarvonis, 10); ++i) placed += s.ZarvoniShips[1][i] > 0;
    ASSERT_EQ(Count(s, kZarvoni), placed);
}

TEST(MovementSoak, RandomOrdersKeepTheShipAndItsQuadrantInStep) {
    int total = 0;  // moves made over all the seeds (the hostiles end some games early)
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ScratchFolder scratch;
        MemorySettingsStore settings;
        NullHost host;
        SeededRandom rng(seed);
        Game g(rng, settings, host, scratch.Folders());
        g.lang.UseTexts({});
        g.lang.SetEchoMissing(true);
        GameState& s = g.st;
        s.AppPath = std::string(KESTRAVA_DATA_DIR) + "/";
        s.SSDescriptorPath = s.AppPath + "SSDescriptor/";
        s.SkillLevel = static_cast<Integer>(1 + seed % 10);
        s.GameLength = 3;
        s.MissionType = 3;  // no victory: the orders go on
        s.TechLevel = 3;
        for (int i = 0; i <= 3; ++i) s.ConditionNames[i] = "C" + std::to_string(i);
        ResetGameState(g);
        SetupSolarSystems(g);
        PlaceGalaxyObjects(g);
        MakeTactical(g);
        s.GameRunning = kTrue;
        RefreshAll(g);  // the new game's first refresh

        int moves = 0;
        std::mt19937 captain(seed);
        std::uniform_int_distribution<int> course(10, 89), warp(1, 20);
        for (int order = 0; order < 60 && s.GameRunning; ++order) {
            SCOPED_TRACE("order " + std::to_string(order));
            const std::string c = Format(course(captain) / 10.0, "0.0"), w = Format(warp(captain) / 10.0, "0.0");
            AcceptNavOrder(g, c, w);
            if (!s.GameRunning) break;
            ++moves;
            ASSERT_NO_FATAL_FAILURE(ExpectShipInPlace(s)) << "course " << c << " warp " << w;
        }
        EXPECT_EQ(s.ErrorReported, kFalse);
        total += moves;
    }
    EXPECT_GE(total, 8 * 20);
}

}  // namespace
}  // namespace kv::test
