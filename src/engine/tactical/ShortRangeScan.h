#pragma once
// The short-range scan of the ship's quadrant.
#include "state/Game.h"

namespace kv {

// Redraws the short-range scan. Not built yet: only asks the window to redraw.
void SRS(Game& g);

}  // namespace kv
