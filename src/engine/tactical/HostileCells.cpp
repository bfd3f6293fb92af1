#include "engine/tactical/HostileCells.h"

#include <cstdlib>

#include "state/Numeric.h"

namespace kv {
namespace {

// Random sectors drawn before the search falls back to the quadrant's first empty sector.
constexpr int kMaxDraws = 100;

}  // namespace

bool NearShip(const GameState& s, int row, int col) {
    return std::abs(row - s.ShipSectorRow) < 3 && std::abs(col - s.ShipSectorCol) < 3;
}

bool SeenOnScan(const GameState& s, int row, int col) {
    if (!InGalaxy(row, col)) return false;
    return s.SystemDamage[2] == 0 || NearShip(s, row, col);
}

void DrawIfSeen(Game& g, int row, int col, int code) {
    if (SeenOnScan(g.st, row, col)) g.host.DrawSector(row, col, code);
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

int WrapQuadrant(int v) {
    if (v < 1) return v + 8;
    if (v > 8) return v - 8;
    return v;
}

bool IsShipQuadrant(const GameState& s, long row, long col) {
    return InGalaxy(row, col) && row == s.ShipQuadrantRow && col == s.ShipQuadrantCol;
}

}  // namespace kv
