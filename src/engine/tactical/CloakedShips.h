#pragma once
// The cloaked ships' moves: inside the player's quadrant, where they flicker into view now and
// then, and between quadrants, where they may leave or enter the player's quadrant.
#include "state/Game.h"

namespace kv {

// Each cloaked ship of the player's quadrant takes the steps its energy allows (as a Zarvoni
// ship does) and shows itself for a moment with a chance of one in five (always with the debug
// switch), on the scan only where the sensors can see it.
void MoveCloakedShips(Game& g);

// Some of the cloaked ships of quadrant (qr, qc) move to a neighbouring quadrant (wrapping
// around the galaxy): towards the Zarvoni starbase when the player is there or holds it, after
// the player's ship when it has just left. No quadrant takes more than 5. Ships that leave the
// player's quadrant leave its tables (weak ones stay behind); ships that arrive there take free
// sectors, which their slots record.
void MoveCloakedShipsFrom(Game& g, int qr, int qc);

}  // namespace kv
