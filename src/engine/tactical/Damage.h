#pragma once
// Damage to the ship's systems and the shields under fire.
#include "state/Game.h"

namespace kv {

// Adds damage (in hundredths of a damage point) to one ship system; system 0 (or one already
// out of action) asks for a random working system. Returns the system 1..8 that took the
// damage, 0 when all eight were already out of action.
int DamageSystem(Game& g, int amount, int system);
// Puts one ship system out of action (8.0); system 0 (or one already out) a random working one.
// Returns the system 1..8, 0 when all eight were already out of action (the ship is lost).
int DestroySystem(Game& g, int system);
// A hit on the shields (strength before the shield factor); what they cannot hold damages
// systems.
void ShieldHit(Game& g, long hit);
// Empties energy, shields, torpedoes and probes; the ship is lost.
void ZeroShipPower(Game& g);

}  // namespace kv
