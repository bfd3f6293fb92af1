#pragma once
// The main menu's New game: from the player's choices to a fresh galaxy with its briefing.
#include "state/Game.h"

namespace kv {

// Starts a new game from the menu's choices (or, while a game runs, the difficulty dialog's):
// refused without a player name (MENU0002) or a mission type (MENU0008); a running game with
// unsaved changes is offered a save first (MENU0009; Cancel, a cancelled file dialog or a
// failed save keep it), and a message log with lines may be cleared (MENU0010, message slot 16;
// Cancel keeps the old game). Then the player's configuration is loaded, the technology level
// settled, the galaxy built, the mission set and briefed (in the message log, or above skill
// 10 on the scrolling background), the upgrades announced, the start quadrant's shields
// lowered when it holds no hostile, the first long-range scan made and the first refresh left
// to the return from the menu (NewGamePending). Nothing happens while the skill bar's break
// runs.
void NewGame(Game& g);

// The technology level a new game starts at: 3 unless the player keeps it (KeepTech); 1 with
// upgrades off, remembering the level in the menu's SavedTechLevel, which the next game with
// upgrades and KeepTech on starts at again.
void SettleTechLevel(Game& g);

// The mission's own time and goal after the galaxy is built: mission type 1 counts the
// hostiles there are (its time scaled to them), type 2 sets its goal from the special systems
// and the skill (at least 1) and its time from the goal (one draw), type 3 has no goal and
// counts time from 1.0 down.
void AdjustMission(Game& g);

}  // namespace kv
