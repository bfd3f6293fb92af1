#pragma once
// The photon torpedo command, with the torpedoes' impacts and the class-2 torpedo's blast.
#include "state/Game.h"

namespace kv {

// Fires the torpedo plan (TorpedoPlan). An empty plan is refused (KVBASIC0060) and costs
// nothing. Otherwise the game windows are disabled and the hostiles fire first (HitShip; the
// action stops if the game has ended), then the torpedoes are launched (TorpedoVolley).
void FireTorpedo(Game& g);

// The torpedoes of the plan, once the hostiles have fired. Every entry that can be read and
// whose class still has a torpedo on board is launched, in plan order (at most ten): 10 energy
// each, which working shields pay for when the energy runs short (KVBASIC0061). The torpedoes
// then fly together, a sector's length per round for at most ten rounds, on the straight course
// to their targets, and each stops at the first occupied sector it enters (or, with the
// self-detonating retrofit, explodes at its empty target sector). The impact (power k = 1, or
// the class-2 torpedo's power) takes Int(81..140) x k from a ship, Int(1500..2999) x k from a
// starbase, the Morv ship or the own ship (through its shields); a ship of 71 or more may
// deflect it with chance 0.4 - 0.1 k; a star flares. A class-2 torpedo's blast then reaches the
// cells within k / 2 of the impact, with damage falling as 6 d / k. The flight stops when the
// Morv ship is destroyed, and the action ends as every volley does (0.2 time units, automatic
// shields, the end-of-action refresh); it ends at once when the own ship is lost.
void TorpedoVolley(Game& g);

}  // namespace kv
