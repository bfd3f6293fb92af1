#pragma once
// Setting the shields.
#include "state/Game.h"

namespace kv {

// Mode 0: the player's shield command (refused while docked); mode 1: after the player accepted
// an offer to set shields.
void SetShields(Game& g, int mode);

}  // namespace kv
