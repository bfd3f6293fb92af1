#pragma once
// A star struck by a weapon flares towards a random neighbouring sector and may harm what
// stands there.
#include "state/Game.h"

namespace kv {

void ResolveSectorHit(Game& g, int col, int row);

}  // namespace kv
