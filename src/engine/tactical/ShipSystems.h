#pragma once
// Ship systems: the shields' lowering and the self-destruct.
#include "state/Game.h"

namespace kv {

// Lowers the shields and gives their energy back to the ship (KVBASIC0176, SHIELDDN.WAV),
// only while shields hold energy and the computer and the shield system are undamaged.
void LowerShields(Game& g);
// The self-destruct command: asks KVBASIC0026, runs the countdown window (frmDES) modally and,
// unless the player aborts it, blows the ship up with every hostile and starbase of its
// quadrant (and, with a chance that grows with the energy and torpedoes on board, the Morv
// ship there); the ship is lost. Charges no time. The countdown itself: SelfDestruct.h.
void SelfDestruct(Game& g);

}  // namespace kv
