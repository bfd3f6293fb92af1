#pragma once
// Setting the shields.
#include "state/Game.h"

namespace kv {

// The shield command. Gives all shield energy back to the ship and opens the shield dialog
// (frmSHE), which sets the new level and charges it to ShipEnergy; then logs the change with
// its sound (SHIELDUP.WAV, SHIELDDN.WAV) and sets ShieldsChanged when the level changed.
// Mode 0: the player's command, refused while docked (KVBASIC0249). Mode 1: the player accepted
// an offer to set shields; never refused.
// The hand-over to the dialog: LibComputerState[0] the level before the command (the dialog's
// starting value, and its fall-back on Cancel or when the energy cannot pay), LibComputerState[1]
// 0 when the dialog may offer its Auto button, 1 when not (mode 1, no hostile present, or the
// short-range sensors or the computer damaged).
void SetShields(Game& g, int mode);

}  // namespace kv
