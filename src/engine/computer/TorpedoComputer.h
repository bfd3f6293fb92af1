#pragma once
// The torpedo computer: fills the torpedo plan with class-1 torpedoes by the torpedo page of the
// library options.
#include "state/Game.h"

namespace kv {

// Replaces TorpedoPlan. Aimed fire: the quadrant's Zarvoni ships with energy, in slot order,
// once, twice, or sharing the eight tubes (rounded up; rounded down when the Zarvoni starbase
// shares them), each ship named once per pass; and, when the library options say so, the
// Zarvoni starbase of the quadrant (not once it is down to a quarter of its strength with "hold
// fire" set). With damaged short-range sensors the ships' entries aim at sector 0,0. Spread
// (when allowed and at least the set number of ships is present): the torpedoes fan out over
// the border sectors on the open side of the ship, at random or evenly. At most eight entries
// and never more than the class-1 torpedoes on board; with no ship and no starbase to aim at,
// or no torpedo, the plan is empty. Entries are written with KVCOM0042 / KVCOM0043.
void TorpedoAutoTarget(Game& g);

}  // namespace kv
