#pragma once
// The player's ship moving on an accepted navigation order.
#include "state/Game.h"

namespace kv {

// Carries out a move to the destination quadrant and sector (inside the galaxy; the caller has
// charged its time and energy and taken the ship out of its grid cell):
//  - Refused, with the ship put back in its cell, when a command-line target star limits the
//    moves to its quadrant (KVCOM0084) or the Morv ship's tractor beam holds the ship
//    (KVBASIC0221/0222).
//  - The ship is put at the destination; a Morv ship that shared the quadrant follows it, one
//    sector less away on each axis (its full distance when it was adjacent). The hostiles are
//    owed a turn (HostileTurnFlag = 1) and a new quadrant is set up (MakeTactical).
//  - An energy deficit that working shields can cover is taken from them (KVBASIC0223); a docked
//    ship leaves its starbase.
//  - A destination held by anything but a star sends the ship back along its path to the last
//    free sector (KVBASIC0227/0228); the log tells the new position.
//  - On entering a quadrant (or leaving a dock) the automatic shields act with the scan, or the
//    player is offered shields against danger; then the short-range scan, the automatic
//    long-range scan on entering a quadrant (0.05 time units), a solar system entered when the
//    ship stopped on a star, the starbase greetings, or the offer to dock beside a starbase.
//  - Ends with RefreshAll, except on a refusal, on entering a solar system (which ends its own
//    action) and when the game has ended.
// Unexpected errors are reported ("KVBASIC : MoveShip" and the step) and the move goes on.
void MoveShip(Game& g, int destQuadRow, int destQuadCol, int destSectorRow, int destSectorCol);

}  // namespace kv
