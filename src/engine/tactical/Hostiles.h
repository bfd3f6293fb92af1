#pragma once
// The hostiles' turn: the fire of the quadrant's Zarvoni and cloaked ships, then their
// movement turn.
#include "state/Game.h"

namespace kv {

// The hostiles' fire, ending with their movement turn (Movem). Not built yet: does nothing.
void HitShip(Game& g);
// The hostiles' movement turn. Not built yet: does nothing.
void Movem(Game& g);

}  // namespace kv
