#pragma once
// The warp check at the end of every action, and the warp sequence that tows the ship's warp
// engines back to working order from the nearest base.
#include "state/Game.h"

namespace kv {

// While the warp engines (system 1) are out of action (7.0 or more), puts the situation to the
// player: with hostiles in the quadrant OK (self-destruct) or Cancel, else Abort (give up:
// out-of-energy report and end of game), Retry (the warp sequence) or Ignore. True when the
// game ended from the question: given up, or the ship blown up by the self-destruct.
bool CheckWarp(Game& g);

// The tow: picks the nearest base that still stands and that the player may call on (a
// friendly starbase charted as current or flagged, the captured hostile starbase once found),
// charges 0.2 time units and 35 energy per sector of distance, shows the tow icon crossing the
// short-range scan from the base's side, and sets the warp engines to 6.0 with 800 energy more
// (500 at 1000 energy or more).
void WarpSequence(Game& g);

// Where the tow enters the ship's quadrant: from the base's absolute position (quadrant x 8 +
// sector) along the straight line towards the ship, the first point in the ship's quadrant.
// The position is kept exact and rounded only to find its quadrant and sector; the walk is
// bounded. False when it does not reach the ship's quadrant.
bool TowEntrySector(Game& g, int baseAbsRow, int baseAbsCol, int& sectorRow, int& sectorCol);

}  // namespace kv
