#include "engine/turn/Placement.h"

#include <algorithm>

#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/SolarSystems.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// A random quadrant or sector coordinate 1..8.
Integer Draw8(Game& g) { return static_cast<Integer>(Int(g.RndExact() * 8 + 1)); }

// Digits of a quadrant code while the galaxy is made (every code is below 1000 then).

bool AnyQuadrantWithoutShips(const GameState& s) {
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            if (s.Galaxy[r][c] <= 99) return true;
    return false;
}

// 1. The Zarvoni groups, each in a quadrant of its own.
void PlaceZarvoniGroups(Game& g) {
    GameState& s = g.st;
    s.ZarvonisCounted = 0;
    const int biggest = s.SkillLevel / 2 + 4;
    for (int group = 1; group <= s.InitialZarvonis; ++group) {
        // More groups than quadrants cannot all find a quadrant of their own; stop rather than
        // draw for ever.
        if (!AnyQuadrantWithoutShips(s)) break;
        int row, col;
        do {
            row = Draw8(g);
            col = Draw8(g);
        } while (s.Galaxy[row][col] > 99);
        int n = static_cast<int>(Int(g.RndExact() * biggest + 1));
        n = std::min(n, 9);
        s.ZarvonisCounted = Clamp16(s.ZarvonisCounted + n);
        s.Galaxy[row][col] = Clamp16(s.Galaxy[row][col] + 100 * n);
    }
}

// 2. The friendly starbases 1..StarbaseCount, each in a quadrant without another starbase.
void PlaceStarbases(Game& g) {
    GameState& s = g.st;
    const double full = s.MaxStarbaseStrength;
    for (int b = 1; b <= 3; ++b) {
        if (b <= s.StarbaseCount) {
            int row, col;
            do {
                row = Draw8(g);
                col = Draw8(g);
            } while (QuadStarbaseNumber(s.Galaxy[row][col]) != 0);
            s.Galaxy[row][col] = Clamp16(s.Galaxy[row][col] + 10 * b);
            s.Starbases[0][b] = 0;
            s.Starbases[1][b] = row;
            s.Starbases[2][b] = col;
            const double strength = Int(g.RndExact() * 25 + 81) * full / 100 - full / 25 * s.SkillLevel;
            s.Starbases[3][b] = std::min<Long>(CLng(strength), s.MaxStarbaseStrength);
            s.StarbaseSectors[1][b] = Draw8(g);
            s.StarbaseSectors[2][b] = Draw8(g);
        } else {
            s.Starbases[0][b] = s.Starbases[1][b] = s.Starbases[2][b] = 0;
            s.Starbases[3][b] = -1000;
            s.StarbaseSectors[1][b] = s.StarbaseSectors[2][b] = 0;
        }
    }
}

// 3. The Zarvoni starbase (skill 3 and above), away from the friendly starbases, with two
// escort ships when its quadrant holds fewer than four.
void PlaceZarvoniBase(Game& g) {
    GameState& s = g.st;
    if (s.SkillLevel <= 2) {
        for (int i = 1; i <= 4; ++i) s.ZarvoniBase[i] = 0;
        s.ZarvoniBase[5] = -1000;
        return;
    }
    s.ZarvoniBaseKnown = kFalse;
    do {
        s.ZarvoniBase[1] = static_cast<Long>(Int(g.Rnd() * 8)) + 1;
        s.ZarvoniBase[2] = static_cast<Long>(Int(g.Rnd() * 8)) + 1;
    } while (QuadStarbaseNumber(s.Galaxy[s.ZarvoniBase[1]][s.ZarvoniBase[2]]) != 0);
    s.ZarvoniBase[3] = static_cast<Long>(Int(g.Rnd() * 8)) + 1;
    s.ZarvoniBase[4] = static_cast<Long>(Int(g.Rnd() * 8)) + 1;
    s.ZarvoniBase[5] = s.ZarvoniBaseStrength;
    Integer& code = s.Galaxy[s.ZarvoniBase[1]][s.ZarvoniBase[2]];
    if (code < 400) code = Clamp16(code + 200);
}

// 6. The start quadrant: as many Zarvoni ships as half the skill level (or, after 60 counted
// draws, no more than that), with no starbase in the 3 x 3 block around it. Only draws whose
// block is clean count towards the limits.
void PlaceStartQuadrant(Game& g) {
    GameState& s = g.st;
    int attempts = 0;
    bool accepted = false;
    const int h = CInt(s.SkillLevel / 2.0);
    while (attempts < 200 && !accepted) {
        s.ShipQuadrantRow = Draw8(g);
        s.ShipQuadrantCol = Draw8(g);
        accepted = true;
        ++attempts;
        const int v = QuadZarvoniCount(s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol]);
        if (!(v == h || (v <= h && attempts > 60))) accepted = false;
        for (int r = std::max(1, s.ShipQuadrantRow - 1); r <= std::min(8, s.ShipQuadrantRow + 1); ++r) {
            for (int c = std::max(1, s.ShipQuadrantCol - 1); c <= std::min(8, s.ShipQuadrantCol + 1); ++c) {
                if (QuadStarbaseNumber(s.Galaxy[r][c]) != 0 || (s.ZarvoniBase[1] == r && s.ZarvoniBase[2] == c)) {
                    accepted = false;
                    --attempts;
                }
            }
        }
    }
}

// 7. The "/STAR:" target: the quadrant of the system whose descriptor name is StarTarget (the
// last one found), or else a system created for it as system 1 of quadrant (4, 4). The ship
// starts in the target's quadrant, and the galaxy chart frames it.
void PlaceStarTarget(Game& g) {
    GameState& s = g.st;
    s.StarTargetCol = 0;
    s.StarTargetRow = 0;
    if (s.StarTarget.empty()) return;
    const Long stamp = CLng(static_cast<double>(s.TimeLeft) * 100);
    for (int row = 1; row <= 8; ++row) {
        for (int col = 1; col <= 8; ++col) {
            const int count = std::min(QuadStarCount(s.Galaxy[row][col]), 4);
            for (int n = 1; n <= count; ++n) {
                SolarSystemRecord& rec = s.StarSystem(row, col, n);
                if (rec.DescriptorName != s.StarTarget) continue;
                s.StarTargetCol = static_cast<Integer>(col);
                s.StarTargetRow = static_cast<Integer>(row);
                s.ShipQuadrantRow = static_cast<Integer>(row);
                s.ShipQuadrantCol = static_cast<Integer>(col);
                rec.SystemValue3 = stamp;
            }
        }
    }
    if (s.StarTargetCol == 0 || s.StarTargetRow == 0) {
        SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
        rec.DescriptorName = s.StarTarget;
        rec.SectorRow = 8;
        rec.SectorCol = 8;
        rec.SystemValue3 = stamp;
        StarSystems(g).LoadDescriptor(g, rec);
        // A target without a descriptor still needs a name to be shown by.
        if (!rec.InUse()) rec.SetName(s.StarTarget);
        if (QuadStarCount(s.Galaxy[4][4]) < 1) s.Galaxy[4][4] = Clamp16(s.Galaxy[4][4] + 1);
        // Another system of the quadrant standing on the target's sector moves to a free one,
        // so that no two systems share a sector.
        const int count = std::min(QuadStarCount(s.Galaxy[4][4]), 4);
        for (int m = 2; m <= count; ++m) {
            SolarSystemRecord& other = s.StarSystem(4, 4, m);
            auto taken = [&](int r, int c) {
                for (int k = 1; k <= count; ++k) {
                    if (k == m) continue;
                    const SolarSystemRecord& o = s.StarSystem(4, 4, k);
                    if (o.SectorRow == r && o.SectorCol == c) return true;
                }
                return false;
            };
            while (taken(other.SectorRow, other.SectorCol)) {
                other.SectorRow = static_cast<Integer>(CInt(Int(g.Rnd() * 8) + 1));
                other.SectorCol = static_cast<Integer>(CInt(Int(g.Rnd() * 8) + 1));
            }
        }
        s.StarTargetRow = s.StarTargetCol = s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
    }
    g.host.FrameChartQuadrant(LabelIndex(s.StarTargetRow, s.StarTargetCol));
}

// 8. The cloaked ships, at most five per quadrant; a draw on a full quadrant is lost.
void PlaceCloakedShips(Game& g) {
    GameState& s = g.st;
    int per = std::max(s.SkillLevel - 1, 0);
    if (s.SkillLevel > 10) per = CInt(Int(g.Rnd() * 4.99) + 16);
    const int n = CInt((s.GameLength + 1) * static_cast<double>(per) / 2);
    for (int i = 1; i <= n; ++i) {
        const int row = CInt(Int(g.Rnd() * 8) + 1);
        const int col = CInt(Int(g.Rnd() * 8) + 1);
        Integer& here = s.CloakedPerQuadrant[row - 1][col - 1];
        here = static_cast<Integer>(std::min(here + 1, 5));
    }
}

}  // namespace

void PlaceGalaxyObjects(Game& g) {
    GameState& s = g.st;
    PlaceZarvoniGroups(g);
    PlaceStarbases(g);
    PlaceZarvoniBase(g);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) s.KnownGalaxy[r][c] = -1;
    s.Starbases[3][0] = -1000;
    PlaceStartQuadrant(g);
    PlaceStarTarget(g);
    PlaceCloakedShips(g);
    // 9. The start sector never holds a star system.
    do {
        s.ShipSectorRow = Draw8(g);
        s.ShipSectorCol = Draw8(g);
    } while (FindSolarSystem(s, s.ShipSectorRow, s.ShipSectorCol) != 0);
}

}  // namespace kv
