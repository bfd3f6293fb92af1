#pragma once
// Docking at the starbase of the ship's quadrant.
#include "state/Game.h"

namespace kv {

void DockAtStarbase(Game& g);

}  // namespace kv
