#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/tactical/Tactical.h"
#include "engine/turn/Placement.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/SolarSystems.h"
#include "engine/turn/Upgrades.h"
#include "state/Reset.h"
#include "support/GalaxyTestSupport.h"

namespace kv::test {
namespace {

int ExpectedStarbases(int skill) { return skill <= 3 ? 3 : skill <= 6 ? 2 : skill <= 9 ? 1 : 0; }

// A whole new galaxy, made as the new-game command makes it.
void NewGalaxy(Game& g, MemorySystemSource& src) {
    ResetGameState(g);
    SetupSolarSystems(g, src);
    PlaceGalaxyObjects(g);
}

// Checks that every quadrant code agrees with the objects placed, and that the tactical set-up
// of every quadrant shows exactly what its code says.
void CheckGalaxy(Game& g) {
    GameState& s = g.st;
    const int skill = s.SkillLevel;

    // Quadrant codes and the starbase records.
    int shipsOnChart = 0, systems = 0;
    std::set<int> starbaseNumbers;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const int code = s.Galaxy[r][c];
            ASSERT_GE(code, 0);
            ASSERT_LE(code / 100, 9);
            shipsOnChart += code / 100;
            systems += code % 10;
            ASSERT_LE(code % 10, 4);
            const int b = (code / 10) % 10;
            if (b != 0) {
                ASSERT_LE(b, 3);
                EXPECT_TRUE(starbaseNumbers.insert(b).second);
                EXPECT_EQ(s.Starbases[1][b], r);
                EXPECT_EQ(s.Starbases[2][b], c);
            }
            EXPECT_EQ(s.KnownGalaxy[r][c], -1);
            EXPECT_LE(s.CloakedPerQuadrant[r - 1][c - 1], 5);
        }
    }
    const int bases = ExpectedStarbases(skill);
    EXPECT_EQ(static_cast<int>(starbaseNumbers.size()), bases);
    for (int b = 1; b <= 3; ++b) {
        if (b <= bases) {
            EXPECT_EQ(s.Starbases[0][b], 0);
            EXPECT_LE(s.Starbases[3][b], 50000);
            EXPECT_GE(s.Starbases[3][b], 40500 - 2000 * skill);
            EXPECT_GE(s.StarbaseSectors[1][b], 1);
            EXPECT_GE(s.StarbaseSectors[2][b], 1);
        } else {
            EXPECT_EQ(s.Starbases[3][b], -1000);
            EXPECT_EQ(s.Starbases[1][b], 0);
            EXPECT_EQ(s.StarbaseSectors[1][b], 0);
        }
    }
    EXPECT_EQ(s.Starbases[3][0], -1000);
    EXPECT_EQ(systems, s.SystemsCount);

    // The Zarvoni starbase and its escort.
    const int escort = shipsOnChart - s.ZarvonisCounted;
    if (skill <= 2) {
        EXPECT_EQ(s.ZarvoniBase, (std::array<Long, 6>{0, 0, 0, 0, 0, -1000}));
        EXPECT_EQ(escort, 0);
    } else {
        const int zr = s.ZarvoniBase[1], zc = s.ZarvoniBase[2];
        ASSERT_GE(zr, 1);
        ASSERT_GE(zc, 1);
        EXPECT_EQ((s.Galaxy[zr][zc] / 10) % 10, 0);
        const int ships = s.Galaxy[zr][zc] / 100;
        EXPECT_GE(ships, 2);
        EXPECT_TRUE((escort == 2 && ships <= 5) || (escort == 0 && ships >= 4)) << escort << " " << ships;
        EXPECT_EQ(s.ZarvoniBase[5], skill * 5000);
        EXPECT_EQ(s.ZarvoniBaseKnown, kFalse);
    }

    // The start: away from every starbase, never on a star system.
    for (int r = std::max(1, s.ShipQuadrantRow - 1); r <= std::min(8, s.ShipQuadrantRow + 1); ++r)
        for (int c = std::max(1, s.ShipQuadrantCol - 1); c <= std::min(8, s.ShipQuadrantCol + 1); ++c) {
            EXPECT_EQ((s.Galaxy[r][c] / 10) % 10, 0);
            EXPECT_FALSE(s.ZarvoniBase[1] == r && s.ZarvoniBase[2] == c);
        }
    EXPECT_EQ(FindSolarSystem(s, s.ShipSectorRow, s.ShipSectorCol), 0);
    int cloaked = 0;
    for (const auto& row : s.CloakedPerQuadrant)
        for (Integer n : row) cloaked += n;
    if (skill == 1) {
        EXPECT_EQ(cloaked, 0);
    }
    if (skill <= 10) {
        EXPECT_LE(cloaked, (s.GameLength + 1) * (skill - 1) / 2 + 1);
    }

    // The tactical set-up of every quadrant agrees with its code.
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            s.ShipQuadrantRow = static_cast<Integer>(r);
            s.ShipQuadrantCol = static_cast<Integer>(c);
            s.ShipSectorRow = s.ShipSectorCol = 1;
            while (FindSolarSystem(s, s.ShipSectorRow, s.ShipSectorCol) != 0) ++s.ShipSectorCol;
            MakeTactical(g);
            int count[8] = {};
            for (int sr = 1; sr <= 8; ++sr)
                for (int sc = 1; sc <= 8; ++sc) ++count[s.SectorGrid[sr][sc]];
            const int code = s.Galaxy[r][c];
            SCOPED_TRACE("quadrant " + std::to_string(r) + "," + std::to_string(c));
            EXPECT_EQ(count[kShip], 1);
            EXPECT_EQ(count[kZarvoni], code / 100);
            EXPECT_EQ(count[kStar], code % 10);
            EXPECT_EQ(count[kStarbase], (code / 10) % 10 != 0 ? 1 : 0);
            EXPECT_EQ(count[kZarvoniStarbase], s.ZarvoniBase[1] == r && s.ZarvoniBase[2] == c ? 1 : 0);
            EXPECT_EQ(count[kCloaked], s.CloakedPerQuadrant[r - 1][c - 1]);
            EXPECT_EQ(count[kMorv], 0);
        }
    }
    EXPECT_TRUE(static_cast<test::RecordingHost&>(g.host).errors.empty());
}

TEST(GalaxyConsistency, EveryCodeAgreesWithWhatWasPlaced) {
    for (int skill = 1; skill <= 12; ++skill) {
        for (int length = 1; length <= 3; ++length) {
            for (uint32_t seed = 1; seed <= 8; ++seed) {
                SeededRandom rng(seed * 1000 + static_cast<uint32_t>(skill * 10 + length));
                GalaxyGame gg(rng);
                gg.game.st.SkillLevel = static_cast<Integer>(skill);
                gg.game.st.GameLength = static_cast<Integer>(length);
                MemorySystemSource src;
                src.AddSystems(256);
                NewGalaxy(gg.game, src);
                SCOPED_TRACE("skill " + std::to_string(skill) + " length " + std::to_string(length) + " seed " +
                             std::to_string(seed));
                CheckGalaxy(gg.game);
                if (HasFatalFailure()) return;
            }
        }
    }
}

}  // namespace
}  // namespace kv::test
