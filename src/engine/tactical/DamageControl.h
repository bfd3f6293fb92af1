#pragma once
// The damage-control command: the damage report, damage control's repair of itself, and the
// summary of what is left to repair.
#include "state/Game.h"

namespace kv {

// Shows and fills the damage report. While damage control itself is damaged it offers to
// repair it (COMMANDS0001/0002, Yes and No): 60 % of the attempts damage another system
// instead (1..150 hundredths); the others cost damage x 100 energy, refused when the ship
// holds no more than that (the report then lets the player pick the next repair). Ends with
// COMMANDS0010 when nothing is damaged, else the general report and the energy there is.
void DamageControl(Game& g);

}  // namespace kv
