// New games on the shipped data, each run through many turns of passing time and end-of-action
// refreshes over many seeds: nothing may crash, report an error, or leave the tables in a state
// no game can reach.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/tactical/Tactical.h"
#include "engine/turn/Placement.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/SolarSystems.h"
#include "engine/turn/Time.h"
#include "engine/turn/Upgrades.h"
#include "state/Reset.h"
#include "support/GalaxyTestSupport.h"

namespace kv::test {
namespace {

void ExpectReachable(const GameState& s) {
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            const int code = s.Galaxy[r][c];
            ASSERT_GE(code, 0);
            ASSERT_LE(code % 10, 4);
            ASSERT_LE((code / 10) % 10, 3);
            ASSERT_GE(s.KnownGalaxy[r][c], -1);
        }
    ASSERT_GE(s.ZarvonisLeft, 0);
    ASSERT_GE(s.ShieldLevel, 0);
    ASSERT_TRUE(std::isfinite(s.TimeLeft));
    ASSERT_LE(s.TechLevel, 9);
    for (int slot = 1; slot <= 5; ++slot) ASSERT_LE(s.UpgradeTable[slot], s.TechLevel);
    ASSERT_GE(s.MorvCountdown, -1);
    for (int k = 1; k <= 8; ++k) {
        ASSERT_GE(s.SystemDamage[k], 0.0f);
        ASSERT_LE(s.SystemDamage[k], 8.0f);
    }
    ASSERT_TRUE(s.ShipQuadrantRow >= 1 && s.ShipQuadrantRow <= 8);
    ASSERT_TRUE(s.ShipSectorCol >= 1 && s.ShipSectorCol <= 8);
    ASSERT_EQ(s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol], kShip);
}

TEST(TurnSoak, NewGamesSurviveManyTurnsOverManySeeds) {
    for (uint32_t seed = 1; seed <= 24; ++seed) {
        SeededRandom rng(seed);
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.AppPath = std::string(KESTRAVA_DATA_DIR) + "/";
        s.SSDescriptorPath = s.AppPath + "SSDescriptor/";
        s.SkillLevel = static_cast<Integer>(1 + seed % 10);
        s.GameLength = static_cast<Integer>(1 + seed % 3);
        s.MissionType = static_cast<Integer>(seed % 4);
        s.TechLevel = 3;
        s.UpgradesOn = seed % 2 ? kTrue : kFalse;
        s.UpgradeAllFlag = seed % 3 == 0;  // every level granted: draws the Morv in
        for (int i = 0; i <= 3; ++i) s.ConditionNames[i] = "C" + std::to_string(i);
        SCOPED_TRACE("seed " + std::to_string(seed));

        ResetGameState(gg.game);
        SetupSolarSystems(gg.game);
        PlaceGalaxyObjects(gg.game);
        MakeTactical(gg.game);
        s.GameRunning = kTrue;
        ExpectReachable(s);
        for (int turn = 0; turn < 150 && s.GameRunning; ++turn) {
            PassTime(gg.game, 0.3f + 0.1f * static_cast<float>(turn % 5));
            RefreshAll(gg.game);
            ASSERT_NO_FATAL_FAILURE(ExpectReachable(s)) << "turn " << turn;
        }
        EXPECT_TRUE(gg.host.errors.empty()) << (gg.host.errors.empty() ? "" : gg.host.errors[0]);
    }
}

}  // namespace
}  // namespace kv::test
