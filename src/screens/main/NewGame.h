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

}  // namespace kv
