#pragma once
// The tractor beam that pulls a hostile ship of the current quadrant to the Morv ship or a
// starbase.
#include "state/Game.h"

namespace kv {

// Pulls hostile ship `ship` (slot of the current quadrant); `base` is the friendly starbase
// 1..3 that pulls, 0 for none.
void TractorTow(Game& g, int ship, int base);

}  // namespace kv
