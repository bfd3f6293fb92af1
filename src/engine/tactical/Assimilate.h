#pragma once
// The Morv ship consumes a star system.
#include "state/Game.h"

namespace kv {

// Removes star system `system` (1..4) of quadrant (row, col): the quadrant's count and the
// records after it move down, the loss is counted (and taken from the mission's progress for a
// visited system). When one of its planets was inhabited the player hears its last call, with
// an even chance or always in the ship's own quadrant, and the quadrant turns red on the chart.
// In the ship's quadrant the scan is redrawn. A system number outside the quadrant's systems is
// ignored. Unexpected errors are reported ("KVBASIC:AssimilateStar").
void AssimilateStar(Game& g, int row, int col, int system);

}  // namespace kv
