#pragma once
// The hostiles' turn: the fire of the quadrant's Zarvoni and cloaked ships, their movement turn,
// and the attacks of Zarvoni ships on the friendly starbases of other quadrants.
#include "state/Game.h"

namespace kv {

// The hostiles' turn against the player. Every Zarvoni ship, then every cloaked ship of the
// quadrant fires once, at the ship or at a starbase of the quadrant; the damage taken is
// summed up; the hostiles move (Movem); then, while the game still runs, the Zarvoni ships of
// every other quadrant attack the friendly starbase there, with a warning to the player and
// the loss of the base. Ends at once when the ship is lost. HitChance follows the speed of the
// ship's last move (WarpFactor, which it then clears). Unexpected errors are reported
// ("KVBASIC:HitShip") and the turn goes on with its next step.
void HitShip(Game& g);

// The hostiles' movement turn, in this order: the moves inside the player's quadrant (Zarvoni
// ships, then cloaked ships), the moves across the galaxy, the Zarvoni starbase's traffic in
// the player's quadrant, the starbases' fire, then the tractor pull-in and the Morv ship's
// turn. Returns at once when the ship is lost. Unexpected errors are reported ("KVBASIC:Movem"
// with the stage under way) and the turn goes on.
void Movem(Game& g);

}  // namespace kv
