#pragma once
// Capture of the hostile starbase by the player, the warning that it is still defended, and
// its loss to the Zarvoni ships that gather in its quadrant.
#include "state/Game.h"

namespace kv {

// Called by the status-panel updater on every refresh and hostile turn. Acts only while the
// hostile base stands (strength >= 0) below a quarter of ZarvoniBaseStrength:
//  - not captured, no Zarvoni ship in its quadrant and the ship there: captured
//    (ZarvoniBase[0] = -1, lamp 5 on, ScoreCounterB + 1, 3..7 time units given back);
//  - not captured, defended and the ship there: a warning once (HyperspaceFlag = 1);
//  - captured: lost (ZarvoniBase[0] = 0) when the Zarvoni ships around it outweigh it,
//    undocking a docked ship.
void CaptureEnemyStarbase(Game& g);

}  // namespace kv
