#pragma once
// The status panel's updater. It stands apart from the other display updaters because it runs
// the capture check of the hostile starbase, which itself calls those updaters.
#include "state/Game.h"

namespace kv {

// Switches the six status lamps from the game state, then tries the capture of the hostile
// starbase.
void UpdateStatusPanel(Game& g);

}  // namespace kv
