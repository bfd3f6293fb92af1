#pragma once
// The hostiles' moves across the galaxy, outside the player's quadrant.
#include "state/Game.h"

namespace kv {

// Walks the quadrants row by row. The Zarvoni starbase, when the player is elsewhere, takes in
// or sends out a ship; the Zarvoni ships attacking a friendly starbase (or the captured Zarvoni
// base) may lose one to its guns, with a report to the player when the base had called for help;
// elsewhere some Zarvoni ships move to a neighbouring quadrant (towards their starbase when the
// player is there or holds it; never into the player's quadrant and never beyond 9 ships or 900
// in a quadrant's code); then the quadrant's cloaked ships move. Ships moved on may move again
// later in the same walk.
void MoveAcrossGalaxy(Game& g);

}  // namespace kv
