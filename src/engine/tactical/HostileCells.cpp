#include "engine/tactical/HostileCells.h"

#include <cstdlib>

#include "engine/tactical/ShortRangeScan.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// Random sectors drawn before the search falls back to the quadrant's first empty sector.
constexpr int kMaxDraws = 100;

}  // namespace

bool SeenOnScan(const GameState& s, int row, int col) {
    if (!InGalaxy(row, col)) return false;
    return s.SystemDamage[kShortRangeSensors] == 0 || InSensorWindow(s, row, col);
}

void DrawIfSeen(Game& g, int row, int col, int icon) {
    if (SeenOnScan(g.st, row, col)) DrawSector(g, row, col, icon);
}

bool FindFreeSector(Game& g, int& row, int& col, const std::function<void(int&, int&)>& pin) {
    const GameState& s = g.st;
    auto taken = [&](int r, int c) { return !InGalaxy(r, c) || s.SectorGrid[r][c] != kEmpty; };
    int r = row, c = col;
    for (int draws = 0; taken(r, c) && draws < kMaxDraws; ++draws) {
        r = static_cast<int>(Int(g.RndExact() * 8 + 1));
        c = static_cast<int>(Int(g.RndExact() * 8 + 1));
        if (pin) pin(r, c);
    }
    if (!taken(r, c)) {
        row = r;
        col = c;
        return true;
    }
    // A crowded quadrant: the first free sector, where the pin would have put it if possible.
    for (int pass = 0; pass < 2; ++pass) {
        for (int rr = 1; rr <= 8; ++rr) {
            for (int cc = 1; cc <= 8; ++cc) {
                if (taken(rr, cc)) continue;
                if (pass == 0 && pin) {
                    int pr = rr, pc = cc;
                    pin(pr, pc);
                    if (pr != rr || pc != cc) continue;
                }
                row = rr;
                col = cc;
                return true;
            }
        }
    }
    return false;
}

// The number of steps a hostile ship of the given energy takes this turn (two draws).
int StepsAllowed(Game& g, int energy) {
    const GameState& s = g.st;
    long m = CInt(energy / 10.0) - 2;
    if (s.SkillLevel < 3) m -= 2;
    if (m < 0) m = 0;
    long k = static_cast<long>(Int(g.RndExact() * m / 2));
    if (s.SkillLevel > 5) ++k;
    const bool dash = g.Rnd() > 0.8f;
    if (energy > 20 && s.SkillLevel > 5 && dash) k = m - 1;
    if (energy < 20 || k < 0) k = 0;
    return static_cast<int>(k);
}

// One step of a hostile ship from (r, c), whose cell has just been emptied: a random neighbour
// (or the same cell); an occupied one gives way to the step along the row, then along the
// column. False when every choice is occupied: the ship stays.
bool ChooseStep(Game& g, int r, int c, int& nr, int& nc) {
    const GameState& s = g.st;
    nr = r + static_cast<int>(Int(g.RndExact() * 3 - 1));
    nc = c + static_cast<int>(Int(g.RndExact() * 3 - 1));
    if (!InGrid(nr)) nr = r;
    if (!InGrid(nc)) nc = c;
    if (s.SectorGrid[nr][nc] == kEmpty) return true;
    if (s.SectorGrid[r][nc] == kEmpty) {
        nr = r;
        return true;
    }
    if (s.SectorGrid[nr][c] == kEmpty) {
        nc = c;
        return true;
    }
    return false;
}

void AddZarvoniShip(Game& g, int row, int col, int energy) {
    GameState& s = g.st;
    if (s.QuadZarvonis >= 10 || !InGalaxy(row, col) || !InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol)) return;
    const int i = ++s.QuadZarvonis;
    s.SectorGrid[row][col] = kZarvoni;
    s.ZarvoniShips[1][i] = static_cast<Integer>(row);
    s.ZarvoniShips[2][i] = static_cast<Integer>(col);
    s.ZarvoniFlags[i] = 0;
    s.ZarvoniEnergy[i] = static_cast<Integer>(energy);
    Integer& code = s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol];
    code = Clamp16(code + 100LL);
}

bool CapturedBaseHere(const GameState& s) {
    return IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]) && s.ZarvoniBase[0] != 0;
}

int WrapQuadrant(int v) {
    if (v < 1) return v + 8;
    if (v > 8) return v - 8;
    return v;
}

bool IsShipQuadrant(const GameState& s, long row, long col) {
    return InGalaxy(row, col) && row == s.ShipQuadrantRow && col == s.ShipQuadrantCol;
}

}  // namespace kv
