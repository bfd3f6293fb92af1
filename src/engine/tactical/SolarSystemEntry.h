#pragma once
// Entering the solar system of a star the ship has stopped on.
#include "state/Game.h"

namespace kv {

// Hands the game to the exploration console (frmSSControl, shown modally) for a visit to the
// solar system at the ship's sector: logs the system's name (KVBASIC0027), hides the
// short-range scan while the console runs, and afterwards, while the game still runs, shows the
// scan again and ends the action with RefreshAll. With no system at the ship's sector the
// action simply ends with RefreshAll.
void EnterSolarSystem(Game& g);

}  // namespace kv
