#pragma once
#include "state/Game.h"

namespace kv {

// Stores the alert condition (a value outside 0..3 becomes green, 2) and its text.
void SetCondition(Game& g, long index);

}  // namespace kv
