#include "engine/tactical/SectorHit.h"

#include "engine/tactical/Damage.h"
#include "engine/tactical/Destroy.h"
#include "engine/tactical/StarFlare.h"
#include "engine/turn/QuadrantLookups.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// The damage of a flare against an object of strength S: destroyed when 200000 / S beats the
// draw; a strength of 0 or less (an object already spent whose code still stands) is destroyed.
bool FlareDestroys(Game& g, double strength) {
    const Single r = g.Rnd();
    if (strength <= 0) return true;
    return static_cast<Single>(200000.0 / strength) > r;
}

Long Weakened(Long strength) { return Clamp32(static_cast<long long>(strength) - 200000); }

}  // namespace

void FlareStep(int direction, int& dCol, int& dRow) {
    switch (direction) {
        case 2: dCol = 1, dRow = -1; break;
        case 3: dCol = 0, dRow = -1; break;
        case 4: dCol = -1, dRow = -1; break;
        case 5: dCol = -1, dRow = 0; break;
        case 6: dCol = -1, dRow = 1; break;
        case 7: dCol = 0, dRow = 1; break;
        case 8: dCol = 1, dRow = 1; break;
        default: dCol = 1, dRow = 0; break;
    }
}

void ResolveSectorHit(Game& g, int col, int row) {
    GameState& s = g.st;
    // Only a star inside the quadrant has neighbours to flare at.
    if (!InGrid(col) || !InGrid(row)) return;

    int direction = 0, dCol = 0, dRow = 0;
    do {
        direction = static_cast<int>(Int(g.RndExact() * 8 + 1));
        FlareStep(direction, dCol, dRow);
    } while (!InGrid(col + dCol) || !InGrid(row + dRow));
    StarFlare(g, col, row, direction);

    const int nCol = col + dCol, nRow = row + dRow;
    if (nRow == s.ShipSectorRow && nCol == s.ShipSectorCol) {
        ZeroShipPower(g);
        return;
    }

    // Each test reads the tables afresh: a handler that has cleared the cell keeps the later
    // tests from matching.
    if (const int slot = FindEnemyShip(s, nRow, nCol); slot > 0) {
        const Single r = g.Rnd();
        if (static_cast<Single>(2000.0 * s.ZarvoniEnergy[slot]) > r) DestroyZarvoniShip(g, slot);
    }
    if (const int slot = FindCloakedShip(s, nRow, nCol); slot > 0) {
        const Single r = g.Rnd();
        if (static_cast<Single>(2000.0 * s.CloakedEnergy[slot]) > r) DestroyCloakedShip(g, slot);
    }
    if (s.SectorGrid[nRow][nCol] == kZarvoniStarbase) {
        if (FlareDestroys(g, s.ZarvoniBase[5]))
            DestroyZarvoniBase(g);
        else
            s.ZarvoniBase[5] = Weakened(s.ZarvoniBase[5]);
    }
    if (s.SectorGrid[nRow][nCol] == kStarbase && s.QuadStarbase >= 1 && s.QuadStarbase <= 3) {
        Long& strength = s.Starbases[3][s.QuadStarbase];
        if (FlareDestroys(g, strength))
            DestroyFriendlyStarbase(g);
        else
            strength = Weakened(strength);
    }
    if (s.SectorGrid[nRow][nCol] == kMorv) {
        if (FlareDestroys(g, s.MorvStrength))
            DestroyMorvShip(g);
        else
            s.MorvStrength = Weakened(s.MorvStrength);
    }

    g.host.Refresh(View::ShortRangeScan);
    Pause(g, 0.3);
}

}  // namespace kv
