#pragma once
// The destruction of ships and starbases: each handler clears the object's cell of the
// short-range scan, takes it out of the tables and counters, and tells the player. The callers
// decide that the object is destroyed; none of these tests strength or energy itself.
#include "state/Game.h"

namespace kv {

// Zarvoni ship 1..10 of the current quadrant. A ship already counted as destroyed (its flag set
// when it was disabled) only gives up its flag; otherwise the quadrant code and ZarvonisLeft
// lose one ship. A free slot (no ship) is left alone. No message: the caller reports the kill.
void DestroyZarvoniShip(Game& g, int slot);
// Cloaked ship 1..5 of the current quadrant: ZarvonisLeft -1, and CloakedKilled +1 when the
// player destroyed it (`byPlayer`; not when the Morv ship did); a free slot is left alone. No
// message.
void DestroyCloakedShip(Game& g, int slot, bool byPlayer = true);
// The Morv ship: its record and strength cleared, MorvShipsDestroyed +1, with a notice.
void DestroyMorvShip(Game& g);
// The friendly starbase of the current quadrant (QuadStarbase), with a notice; the ship docked
// there is undocked and stays drawn.
void DestroyFriendlyStarbase(Game& g);
// The Zarvoni starbase, with two notices; a captured base takes its docked ships with it. Gives
// the player 3 to 7 time units back.
void DestroyZarvoniBase(Game& g);
// A starbase taken by the Morv ship: friendly base n (1..3) of the current quadrant, or the
// Zarvoni starbase when n < 1.
void DestroyStarbase(Game& g, int n);

}  // namespace kv
