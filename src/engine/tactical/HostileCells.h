#pragma once
// Sector helpers of the hostiles' turn: what the short-range scan shows of a hostile's action,
// the search for a free sector, and the wrap of hostile moves around the galaxy.
#include <functional>

#include "state/Game.h"

namespace kv {

// Whether a hostile's action at the sector shows on the short-range scan: always while the
// short-range sensors are undamaged, else only within their reach of the ship (InSensorWindow).
// Sectors outside 1..8 never show.
bool SeenOnScan(const GameState& s, int row, int col);
// Redraws the cell with the scan's icon (SrsIcon) when the action there shows on the scan.
void DrawIfSeen(Game& g, int row, int col, int icon);

// Finds an empty sector of the current quadrant, starting from (row, col): while the cell is
// taken, draws a random sector (1..8 each) and passes it through `pin` (which may move it, as
// onto an edge of the quadrant). After a bounded number of draws it takes the first empty
// sector in row order that `pin` leaves in place, else the first empty sector at all. Returns
// false, with (row, col) unchanged, only when every sector is taken.
bool FindFreeSector(Game& g, int& row, int& col, const std::function<void(int&, int&)>& pin = nullptr);

// The number of steps a hostile ship of the given energy takes this turn (two draws): about
// half its allowance CInt(energy / 10) - 2 (2 less below skill 3), one more above skill 5, where
// a strong ship may also dash nearly its whole allowance; none below energy 20.
int StepsAllowed(Game& g, int energy);
// One step of a hostile ship from (r, c), whose cell the caller has just emptied (two draws): a
// random neighbour or the same cell, a coordinate off the quadrant kept; an occupied target
// gives way to the step along the row, then along the column. False when every choice is
// occupied: the ship stays.
bool ChooseStep(Game& g, int r, int c, int& nr, int& nc);

// A new Zarvoni ship of the player's quadrant at a free sector: the next slot, the cell, the
// quadrant code; its kill flag is clear.
void AddZarvoniShip(Game& g, int row, int col, int energy);

// The captured Zarvoni starbase stands in the ship's quadrant.
bool CapturedBaseHere(const GameState& s);

// The sign of a number: -1, 0 or 1.
inline int Sgn(long v) { return (v > 0) - (v < 0); }

// A hostile's quadrant row or column after a move: below 1 wraps to +8, above 8 to -8.
int WrapQuadrant(int v);

// The ship's quadrant.
bool IsShipQuadrant(const GameState& s, long row, long col);

}  // namespace kv
