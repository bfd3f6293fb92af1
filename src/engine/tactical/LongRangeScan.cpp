#include "engine/tactical/LongRangeScan.h"

#include <algorithm>

#include "engine/computer/Displays.h"

namespace kv {
namespace {

struct ScanBox {
    int rowLo, rowHi, colLo, colHi;
};

// The rectangle of quadrants LRSRange around the ship, kept inside the galaxy.
ScanBox Box(const GameState& s) {
    const int L = s.LRSRange;
    return {std::max(1, s.ShipQuadrantRow - L), std::min(8, s.ShipQuadrantRow + L), std::max(1, s.ShipQuadrantCol - L),
            std::min(8, s.ShipQuadrantCol + L)};
}

}  // namespace

bool WithinScanRange(const GameState& st, int row, int col) {
    // The limit is a multiple of one half, so comparing squares is exact; a quadrant at exactly
    // the limit distance counts.
    const double limit = st.LRSRange / 2.0 + 1.0;
    if (limit < 0) return false;
    const double dr = static_cast<double>(st.ShipQuadrantRow) - row;
    const double dc = static_cast<double>(st.ShipQuadrantCol) - col;
    return dr * dr + dc * dc <= limit * limit;
}

void MarkScanRange(Game& g) {
    const ScanBox b = Box(g.st);
    for (int r = b.rowLo; r <= b.rowHi; ++r) {
        for (int c = b.colLo; c <= b.colHi; ++c) {
            const int i = LabelIndex(r, c);
            if (WithinScanRange(g.st, r, c) && i >= 0 && i <= 63) SetChartQuadrantColor(g, i, kChartScanned);
        }
    }
}

void LRS(Game& g) {
    GameState& s = g.st;
    const ScanBox b = Box(s);
    // The first scan of a game counts its quadrants: the score leaves them out.
    const bool counts = s.StatCounterH == 0;
    MarkScanRange(g);
    for (int r = b.rowLo; r <= b.rowHi; ++r) {
        for (int c = b.colLo; c <= b.colHi; ++c) {
            if (!WithinScanRange(s, r, c)) continue;
            s.KnownGalaxy[r][c] = s.Galaxy[r][c];
            if (counts) ++s.StatCounterH;
            if (s.MorvShip[1] == r && s.MorvShip[2] == c) SetChartQuadrantColor(g, LabelIndex(r, c), kChartRed);
        }
    }
    UpdateGalaxyRecord(g);
    s.LRSDone = kTrue;
}

}  // namespace kv
