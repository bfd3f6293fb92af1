#pragma once
// The starbases in the hostiles' turn: the Zarvoni starbase's traffic when it shares the
// player's quadrant, and the fire of the quadrant's starbases.
#include "state/Game.h"

namespace kv {

// When the Zarvoni starbase is in the player's quadrant: for each neighbouring quadrant, a
// Zarvoni ship from there may come in (at the edge facing it) and stay to fight or fly to the
// base and dock, or the base may launch a docked ship next to itself. A captured base takes in
// no ship and launches none; the quadrant never holds more than 9 Zarvoni ships.
void ZarvoniBaseTraffic(Game& g);

// The friendly starbase of the player's quadrant fires at the nearest fit Zarvoni ship; then
// the Zarvoni starbase there fires at the player's ship, or, once captured, at a Zarvoni ship.
// Every shot costs the firing base strength; a base too weak holds its fire. False when the
// player's ship was lost.
bool StarbaseFire(Game& g);

}  // namespace kv
