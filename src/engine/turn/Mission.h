#pragma once
// The rules a new game starts by: its technology level and its mission's time and goal.
#include "state/Game.h"

namespace kv {

// The technology level a new game starts at: 3 unless the player keeps it (KeepTech); 1 with
// upgrades off, remembering the level in `savedTechLevel` (the menu's SavedTechLevel), which
// the next game with upgrades and KeepTech on starts at again.
void SettleTechLevel(GameState& s, Integer& savedTechLevel);

// The mission's own time and goal after the galaxy is built: mission type 1 counts the
// hostiles there are (its time scaled to them), type 2 sets its goal from the special systems
// and the skill (at least 1) and its time from the goal (one draw), type 3 has no goal and
// counts time from 1.0 down.
void AdjustMission(Game& g);

// Mission type 3 has no goal; its time counts from 1.0 down without limit.
void SetFreePlay(GameState& s);

}  // namespace kv
