// Hundreds of hostile turns in a crowded quadrant over many seeds: after every turn the sector
// grid, the ship tables and the quadrant codes must agree, and no count may go negative.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "engine/tactical/Destroy.h"
#include "engine/tactical/Hostiles.h"
#include "engine/tactical/Tactical.h"
#include "engine/turn/Refresh.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

std::string Where(int r, int c) { return "(" + std::to_string(r) + "," + std::to_string(c) + ")"; }

void ExpectConsistent(const GameState& s) {
    std::array<int, 8> cells{};
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            const int code = s.SectorGrid[r][c];
            ASSERT_TRUE(code >= 0 && code <= 7) << Where(r, c);
            ++cells[code];
        }
    ASSERT_EQ(cells[kShip], 1);
    ASSERT_EQ(s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol], kShip);

    // Zarvoni ships: each occupied slot on its own cell, free slots above the count.
    ASSERT_GE(s.QuadZarvonis, 0);
    ASSERT_LE(s.QuadZarvonis, 10);
    std::set<std::pair<int, int>> seen;
    int zarvonis = 0, uncounted = 0;
    for (int i = 1; i <= 10; ++i) {
        const int r = s.ZarvoniShips[1][i], c = s.ZarvoniShips[2][i];
        if (r == 0) continue;
        ASSERT_LE(i, s.QuadZarvonis) << "slot " << i;
        ASSERT_TRUE(InGalaxy(r, c)) << "slot " << i;
        ASSERT_EQ(s.SectorGrid[r][c], kZarvoni) << "slot " << i << " at " << Where(r, c);
        ASSERT_TRUE(seen.insert({r, c}).second) << Where(r, c);
        ++zarvonis;
        if (s.ZarvoniFlags[i] == 0) ++uncounted;
    }
    ASSERT_EQ(cells[kZarvoni], zarvonis);
    const int code = s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol];
    ASSERT_EQ(code / 100, uncounted) << "quadrant code " << code;

    // Cloaked ships.
    const int cloakedCount = s.CloakedPerQuadrant[s.ShipQuadrantRow - 1][s.ShipQuadrantCol - 1];
    int cloaked = 0;
    for (int j = 1; j <= 5; ++j) {
        const int r = s.CloakedShips[1][j], c = s.CloakedShips[2][j];
        if (r == 0) continue;
        ASSERT_LE(j, cloakedCount) << "cloaked slot " << j;
        ASSERT_EQ(s.SectorGrid[r][c], kCloaked) << "cloaked slot " << j << " at " << Where(r, c);
        ASSERT_TRUE(seen.insert({r, c}).second) << Where(r, c);
        ++cloaked;
    }
    ASSERT_EQ(cells[kCloaked], cloaked);

    // The starbases, the stars and the Morv ship.
    ASSERT_EQ(s.QuadStarbase, (code / 10) % 10);
    ASSERT_EQ(cells[kStarbase], s.QuadStarbase > 0 ? 1 : 0);
    if (s.QuadStarbase > 0) {
        ASSERT_EQ(s.SectorGrid[s.StarbaseSectors[1][s.QuadStarbase]][s.StarbaseSectors[2][s.QuadStarbase]], kStarbase);
    }
    ASSERT_EQ(s.QuadStars, code % 10);
    ASSERT_EQ(cells[kStar], s.QuadStars);
    for (int n = 1; n <= s.QuadStars; ++n) {
        const SolarSystemRecord& rec = s.StarSystem(s.ShipQuadrantRow, s.ShipQuadrantCol, n);
        ASSERT_EQ(s.SectorGrid[rec.SectorRow][rec.SectorCol], kStar) << "system " << n;
    }
    const bool baseHere = s.ZarvoniBase[1] == s.ShipQuadrantRow && s.ZarvoniBase[2] == s.ShipQuadrantCol;
    ASSERT_EQ(cells[kZarvoniStarbase], baseHere ? 1 : 0);
    if (baseHere) {
        ASSERT_EQ(s.SectorGrid[s.ZarvoniBase[3]][s.ZarvoniBase[4]], kZarvoniStarbase);
    }
    const bool morvHere = s.MorvShip[1] == s.ShipQuadrantRow && s.MorvShip[2] == s.ShipQuadrantCol;
    ASSERT_EQ(cells[kMorv], morvHere ? 1 : 0);
    if (morvHere) {
        ASSERT_EQ(s.SectorGrid[s.MorvShip[3]][s.MorvShip[4]], kMorv);
    }

    // Counts.
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            const int q = s.Galaxy[r][c];
            ASSERT_GE(q, 0) << Where(r, c);
            ASSERT_LE(q / 100, 9) << Where(r, c);
            ASSERT_LE((q / 10) % 10, 3) << Where(r, c);
            ASSERT_LE(q % 10, 4) << Where(r, c);
            ASSERT_GE(s.CloakedPerQuadrant[r - 1][c - 1], 0);
            ASSERT_LE(s.CloakedPerQuadrant[r - 1][c - 1], 5);
        }
    ASSERT_GE(s.ZarvonisLeft, 0);
    ASSERT_GE(s.FlaggedZarvonis, 0);
    ASSERT_GE(s.InitialZarvonis, 0);
    ASSERT_GE(s.ZarvoniBaseShips, 0);
    ASSERT_LE(s.ZarvoniBaseShips, 6);
    ASSERT_TRUE(s.ZarvoniBase[5] >= 0 || s.ZarvoniBase[5] == -1000);
    ASSERT_GE(s.GoalProgress, 0);
    ASSERT_GE(s.StarbasesLost, 0);
}

// Star system n of a quadrant at a sector.
void PlaceSystem(GameState& s, int qr, int qc, int n, int row, int col) {
    SolarSystemRecord& rec = s.StarSystem(qr, qc, n);
    rec.SetName("Sys" + std::to_string(qr) + std::to_string(qc) + std::to_string(n));
    rec.PlanetCount = 2;
    rec.Planets[1].PlanetValue4 = 2048;  // inhabited: calls for help when consumed
    rec.SectorRow = static_cast<Integer>(row);
    rec.SectorCol = static_cast<Integer>(col);
}

// A galaxy of Zarvoni groups, starbases, stars and cloaked ships, with a crowded quadrant
// around the ship at (4, 4).
void SetUpGalaxy(HostileGame& hg, SeededRandom& setup, uint32_t seed) {
    GameState& s = hg.st;
    auto draw = [&](int n) { return static_cast<int>(setup.Rnd() * n); };
    s.SkillLevel = static_cast<Integer>(2 + seed % 8);
    s.MissionType = static_cast<Integer>(seed % 4);
    s.ZarvoniBaseStrength = s.SkillLevel * 5000;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            if (r == 4 && c == 4) continue;
            const int stars = draw(3);
            for (int n = 1; n <= stars; ++n) PlaceSystem(s, r, c, n, n, 8 - n);
            s.Galaxy[r][c] = static_cast<Integer>(100 * draw(6) + stars);
            s.CloakedPerQuadrant[r - 1][c - 1] = static_cast<Integer>(draw(3));
            s.KnownGalaxy[r][c] = static_cast<Integer>(draw(2) ? s.Galaxy[r][c] : -1);
        }
    // Friendly starbases 2 and 3 elsewhere, under attack.
    for (int b = 2; b <= 3; ++b) {
        const int r = b == 2 ? 2 : 7, c = b == 2 ? 6 : 3;
        s.Galaxy[r][c] = static_cast<Integer>(s.Galaxy[r][c] + 10 * b);
        s.Starbases[1][b] = r;
        s.Starbases[2][b] = c;
        s.Starbases[3][b] = 30000;
    }
    // The ship's quadrant.
    hg.AddStar(1, 1, 1);
    hg.AddStar(2, 8, 5);
    PlaceSystem(s, 4, 4, 1, 1, 1);
    PlaceSystem(s, 4, 4, 2, 8, 5);
    hg.AddCloaked(2, 7, 100);
    hg.AddCloaked(7, 7, 15);
    // A quadrant holds the Zarvoni starbase or a friendly one, never both.
    if (seed % 2 == 0) {
        hg.AddZarvoniBase(3, 3, s.ZarvoniBaseStrength, seed % 4 == 0);
        s.ZarvoniBaseShips = 3;
    } else {
        s.ZarvoniBase = {0, 6, 6, 4, 4, s.ZarvoniBaseStrength};
        hg.AddStarbase(1, 6, 2, 40000);
        s.Starbases[1][1] = 4;
        s.Starbases[2][1] = 4;
    }
    for (int k = 0; k < 4 + static_cast<int>(seed % 4); ++k) {
        int r, c;
        do {
            r = 1 + draw(8);
            c = 1 + draw(8);
        } while (s.SectorGrid[r][c] != kEmpty);
        hg.AddZarvoni(r, c, 40 + draw(61));
    }
    // The Morv ship in a corner, coming for the player. It is kept too weak for its tractor beam,
    // so that these turns try its moves, strikes and kills; the tow is tried on its own.
    s.MorvShip = {0, 1, 1, 1, 1};
    s.MorvStrength = 250;
    s.MorvCountdown = -1;
    s.ZarvonisLeft = 200;
    s.InitialZarvonis = 200;
    s.GoalProgress = 3;
}

// Moves the ship to a neighbouring quadrant and sets that quadrant up, away from its stars.
void ChangeQuadrant(Game& g, SeededRandom& setup) {
    GameState& s = g.st;
    const int qr = 1 + static_cast<int>(setup.Rnd() * 8), qc = 1 + static_cast<int>(setup.Rnd() * 8);
    s.ShipQuadrantRow = static_cast<Integer>(qr);
    s.ShipQuadrantCol = static_cast<Integer>(qc);
    s.ShipSectorRow = s.ShipSectorCol = 4;  // the systems stand on the edge rows
    s.Docked = 0;
    MakeTactical(g);
    s.TacticalQuadRow = static_cast<Integer>(qr);
    s.TacticalQuadCol = static_cast<Integer>(qc);
}

TEST(HostileSoak, TheQuadrantStaysConsistentThroughHundredsOfTurns) {
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SeededRandom rng(seed);
        SeededRandom setup(seed * 7919);
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SpeedFactor = 0;  // no waiting
        SetUpGalaxy(hg, setup, seed);
        ASSERT_NO_FATAL_FAILURE(ExpectConsistent(s));
        for (int turn = 0; turn < 250; ++turn) {
            // Keep the ship fighting: shields up, systems repaired.
            s.ShieldLevel = 3000;
            for (int n = 0; n <= 8; ++n) s.SystemDamage[n] = 0;
            s.WarpFactor = static_cast<Single>(turn % 3);
            if (turn % 40 == 39) ChangeQuadrant(hg.game, setup);
            if (turn % 7 == 3 && s.QuadZarvonis > 0) DestroyZarvoniShip(hg.game, s.QuadZarvonis);
            HitShip(hg.game);
            ASSERT_TRUE(s.GameRunning) << "turn " << turn;
            ASSERT_NO_FATAL_FAILURE(ExpectConsistent(s)) << "turn " << turn;
            CompactEnemyTable(hg.game);
            ASSERT_NO_FATAL_FAILURE(ExpectConsistent(s)) << "turn " << turn << " after compaction";
        }
        EXPECT_TRUE(hg.host.errors.empty()) << (hg.host.errors.empty() ? "" : hg.host.errors[0]);
    }
}

}  // namespace
}  // namespace kv::test
