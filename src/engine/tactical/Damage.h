#pragma once
// Damage to the ship's systems.
#include "state/Game.h"

namespace kv {

// Adds damage (in hundredths of a damage point) to one ship system; system 0 (or one already
// out of action) asks for a random working system. Returns the system 1..8 that took the
// damage, 0 when all eight were already out of action. Not built yet: does nothing, returns 0.
int DamageSystem(Game& g, int amount, int system);

}  // namespace kv
