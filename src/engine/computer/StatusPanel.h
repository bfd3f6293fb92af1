#pragma once
// The status panel's updater. It stands apart from the other display updaters because it runs
// the capture check of the hostile starbase, which itself calls those updaters.
#include "state/Game.h"

namespace kv {

// Switches the six status lamps from the game state (1 a starbase that still stands calls for
// help, 2 hostiles in the quadrant, 3 damage, 4 docked, 5 the hostile starbase captured, 6 a
// fifth of the time or less left, never in mission type 3), sets the hostile lamp's caption
// (cloaked ships make it read KVCOM0075 and blink, unless it reads KVCOM0074 already), and
// runs the capture check of the hostile starbase before the captured lamp is set.
void UpdateStatusPanel(Game& g);

}  // namespace kv
