#pragma once
#include "state/Game.h"

namespace kv {

// Grants one level of upgrade slot 1..5 (or refuses it at the technology limit) and derives
// the capacities that follow from the slot's level.
void StartUpgrade(Game& g, int slot);

// Fill colour of an upgrade indicator for a level 1..9 (-1 = button face).
Long UpgradeLevelColor(int level);

}  // namespace kv
