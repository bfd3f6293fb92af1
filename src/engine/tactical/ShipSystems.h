#pragma once
// Ship systems: the shields' lowering and the self-destruct.
#include "state/Game.h"

namespace kv {

// Lowers the shields and gives their energy back to the ship (KVBASIC0176, SHIELDDN.WAV),
// only while shields hold energy and the computer and the shield system are undamaged.
void LowerShields(Game& g);
// The self-destruct command. Not built yet: does nothing.
void SelfDestruct(Game& g);

}  // namespace kv
