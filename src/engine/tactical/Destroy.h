#pragma once
// The destruction of ships and starbases: each handler clears the object's cell, takes it out
// of the tables and counters, and tells the player.
#include "state/Game.h"

namespace kv {

void DestroyZarvoniShip(Game& g, int slot);   // Zarvoni ship 1..10 of the current quadrant
void DestroyCloakedShip(Game& g, int slot);   // cloaked ship 1..5 of the current quadrant
void DestroyMorvShip(Game& g);                // the Morv ship
void DestroyFriendlyStarbase(Game& g);        // the friendly starbase of the current quadrant
void DestroyZarvoniBase(Game& g);             // the Zarvoni starbase
void DestroyStarbase(Game& g, int n);         // by the Morv ship: friendly base n >= 1, else the Zarvoni base

}  // namespace kv
