#pragma once
// The hyperspace jump.
#include "state/Game.h"

namespace kv {

// The HYP command. Asks KVBASIC0146/0147 (not while the Morv tractor beam holds the ship) and
// KVBASIC0148/0149; No to either changes nothing. Then, with the windows disabled: the flash
// on the short-range scan (eight frames with HYP.WAV; the hidden picture just before
// midnight), a jump to a random quadrant (the "/STAR:" target's quadrant when there is one) and
// a sector that no star system of it names. A jump out of the tractor beam destroys one ship
// system, a second with chance 0.5; every jump damages 0..4 systems by 100..399. The arrival is
// logged (KVBASIC0152) and the quadrant charted; the jump costs 5 energy and 0.2 time units,
// plus 0.05 for the automatic long-range scan when that option is on and the long-range
// sensors are undamaged (damaged ones skip it). Ends with the end-of-action refresh, or at
// once when the damage or the fire of the hostiles met on arrival has lost the ship.
void Hyperspace(Game& g);

}  // namespace kv
