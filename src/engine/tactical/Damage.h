#pragma once
// Damage to the ship's systems and the shields under fire. None of these charges time or runs
// the end-of-action refresh; a caller that can lose the ship through them tests GameRunning
// afterwards.
#include "state/Game.h"

namespace kv {

// Adds damage (in hundredths of a damage point, spread by -25..+24, at least 1) to one ship
// system; system 0 (or one already out of action) asks for a random working system. Reports
// the damage (slot 12 once the system is out of action), hides the computer panel when the
// computer was hit outside a solar system, and refreshes the damage displays. Returns the
// system 1..8 that took the damage; 0 when all eight were already out of action: the damage
// then goes to entry 0, and the ship is lost once that reaches 7.0.
int DamageSystem(Game& g, int amount, int system);
// Puts one ship system out of action (8.0); system 0 (or one already out) a random working one.
// Returns the system 1..8, 0 when all eight were already out of action (the ship is lost).
int DestroySystem(Game& g, int system);
// A hit on the shields (strength before the shield factor). What the shields cannot hold, less
// 50 that is forgiven, damages random systems in passes of 100; the shields end at 0 then.
// Returns at once when the damage loses the ship.
void ShieldHit(Game& g, long hit);
// Empties energy, shields, torpedoes and probes; the ship is lost.
void ZeroShipPower(Game& g);

}  // namespace kv
