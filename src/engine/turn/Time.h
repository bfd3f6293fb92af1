#pragma once
// The passing of game time. Every action that costs time charges it here before the
// end-of-action refresh. (The real-time wait, Pause, is in state/Game.h.)
#include "state/Game.h"

namespace kv {

// Charges `amount` units of game time: repairs the ship's systems below 7.0 by the amount
// (kept to hundredths, with a message for each system that comes back), lets the friendly
// starbases without Zarvoni ships in their quadrant and the hostile starbase recover
// 2 x amount / RepairRate of their full strength, drains the cloaked ships of the ship's
// quadrant (one round per hundredth) until they show themselves below 20, and lowers
// TimeLeft (kept to hundredths). A negative amount gives the time back through TimeOffset and
// does nothing else. It never ends the game.
void PassTime(Game& g, Single amount);

}  // namespace kv
