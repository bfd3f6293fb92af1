#pragma once
// Sector helpers of the hostiles' turn: what the short-range scan shows of a hostile's action,
// the search for a free sector, and the wrap of hostile moves around the galaxy.
#include <functional>

#include "state/Game.h"

namespace kv {

// Within two sectors of the player's ship on both axes.
bool NearShip(const GameState& s, int row, int col);
// Whether a hostile's action at the sector shows on the short-range scan: always while the
// short-range sensors are undamaged, else only near the ship. Sectors outside 1..8 never show.
bool SeenOnScan(const GameState& s, int row, int col);
// Redraws the cell with the drawing code when the action there shows on the scan.
void DrawIfSeen(Game& g, int row, int col, int code);

// Finds an empty sector of the current quadrant, starting from (row, col): while the cell is
// taken, draws a random sector (1..8 each) and passes it through `pin` (which may move it, as
// onto an edge of the quadrant). After a bounded number of draws it takes the first empty
// sector in row order that `pin` leaves in place, else the first empty sector at all. Returns
// false, with (row, col) unchanged, only when every sector is taken.
bool FindFreeSector(Game& g, int& row, int& col, const std::function<void(int&, int&)>& pin = nullptr);

// A hostile's quadrant row or column after a move: below 1 wraps to +8, above 8 to -8.
int WrapQuadrant(int v);

// The ship's quadrant.
bool IsShipQuadrant(const GameState& s, long row, long col);

}  // namespace kv
