#pragma once
// A star struck by a weapon flares towards a random neighbouring sector and may harm what
// stands there.
#include "state/Game.h"

namespace kv {

// The star at sector (row, col) of the current quadrant flares: a random direction 1..8 whose
// neighbour lies inside the quadrant (drawn again until one does), the flare drawn, then what
// stands on that neighbour is hit:
//  - the player's ship: all power lost, the ship and the game with it (no pause afterwards);
//  - a Zarvoni or cloaked ship (found by its recorded sector): destroyed when its energy is 1
//    or more, untouched otherwise (one draw);
//  - the Zarvoni starbase, the quadrant's friendly starbase, the Morv ship (by the grid code):
//    with strength S destroyed with chance 200000 / S, else S lowers by 200000 (one draw);
//    a strength of 0 or less counts as destroyed.
// Ends with the scan redrawn and a pause of 0.3 s. A star outside the quadrant does nothing.
void ResolveSectorHit(Game& g, int col, int row);

// The column and row step of a flare direction 1..8 (the compass of the courses: 1 east,
// 3 north, 5 west, 7 south); any other direction steps as 1.
void FlareStep(int direction, int& dCol, int& dRow);

}  // namespace kv
