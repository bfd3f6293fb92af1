#pragma once
// The tractor beam that pulls a hostile ship of the current quadrant to the Morv ship or a
// starbase.
#include "state/Game.h"

namespace kv {

// Pulls Zarvoni ship `ship` (slot 1..10, placed on a sector of the current quadrant) sector by
// sector towards its puller, with the beam drawn on the short-range scan; `base` is the friendly
// starbase 1..3 that pulls, 0 for none.
//  - Puller: with a base, the Morv ship when it is in the quadrant and the ship still has
//    energy, else the base; without one, the Zarvoni starbase when the ship has no energy or the
//    Morv ship is away, else the Morv ship.
//  - The payer, who must have a strength of at least 100 per sector of distance + 200 and is
//    charged 100 per step: the base; else, with the Morv ship away, the Zarvoni starbase; else the
//    Morv ship, which also refuses a ship more than 3 sectors away.
//  - A ship that reaches its puller leaves the quadrant (KVBASIC0244..0248 logged, ZDOCK.WAV):
//    its slot is emptied (energy -1000), the quadrant's code loses a ship when it had energy, and
//    a Morv ship in the quadrant gains 10 strength per energy point (up to its cap).
//  - A ship whose path is blocked (anything but a starbase) stays on the last sector it reached,
//    recorded in its slot and in the grid.
// Any other slot or base number does nothing.
void TractorTow(Game& g, int ship, int base);

}  // namespace kv
