#pragma once
// The flare of a star struck by a weapon, drawn on the short-range scan.
#include "state/Game.h"

namespace kv {

// Direction 1..8 (compass, as the course numbers).
void StarFlare(Game& g, int col, int row, int direction);

}  // namespace kv
