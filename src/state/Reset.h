#pragma once
#include "state/Game.h"

namespace kv {

// Fills the constant and text tables once at start (reads "aliens.txt" from the program folder).
void LoadArrayConsts(Game& g);

// Prepares the state for a new game or a load: empties the game tables, draws the size of the
// hostile force and the time allowed, grants the starting upgrades and fills the ship's stores.
// Reads SkillLevel, GameLength, TechLevel, MissionType and UpgradeAllFlag, set by the caller.
void ResetGameState(Game& g);

}  // namespace kv
