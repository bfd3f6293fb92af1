#include "engine/tactical/ShortRangeScan.h"

#include <cstdlib>

namespace kv {

void DrawSector(Game& g, int row, int col, int icon) {
    if (!InGrid(row) || !InGrid(col)) return;
    g.host.DrawSector(row, col, icon);
}

bool InSensorWindow(const GameState& s, int row, int col) {
    return std::abs(row - s.ShipSectorRow) <= 2 && std::abs(col - s.ShipSectorCol) <= 2;
}

// Placeholder until the scan's drawing is built.
void SRS(Game& g) { g.host.Refresh(View::ShortRangeScan); }

}  // namespace kv
