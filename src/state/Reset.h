#pragma once
#include "state/Game.h"

namespace kv {

// Fills the constant and text tables once at start (reads "aliens.txt" from the program folder).
void LoadArrayConsts(Game& g);

// Grants one upgrade level to slot 1..5 during the reset.
using UpgradeGrant = void (*)(Game& g, int slot);

// Prepares the state for a new game or a load: empties the game tables, draws the size of the
// hostile force and the time allowed, grants the starting upgrades and fills the ship's stores;
// the Morv tractor beam of an earlier game lets go. Reads SkillLevel, GameLength, TechLevel, MissionType and UpgradeAllFlag, set by the caller.
// `grant` raises a slot by one level: a new game grants through the turn engine's StartUpgrade
// (engine/turn/Upgrades.h has that reset), a load, whose levels come from the file, only
// through GrantUpgradeLevel (state/ShipValues.h).
void ResetGameState(Game& g, UpgradeGrant grant);

}  // namespace kv
