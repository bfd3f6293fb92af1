#pragma once
// Docking at the starbase of the ship's quadrant.
#include "state/Game.h"

namespace kv {

// Docks the ship at the quadrant's starbase: shields lowered into the ship's energy, the energy
// refilled from the base's strength (what it has; its strength stops at 0), probes and
// torpedoes restocked, every system repaired, and the game time for all of it charged.
//  - Refused with no change: already docked (KVCOM0001), no base in the quadrant (KVCOM0002),
//    held by the Morv tractor beam (KVCOM0006/0007).
//  - A Zarvoni starbase in the quadrant: docked only once captured (else KVCOM0003), with no
//    flight, no tow and no offer.
//  - A friendly base: refused while hostiles share the quadrant (two draws, KVCOM0004) or when
//    it is below 5 % strength (KVCOM0005); unless the ship has just flown beside it
//    (MovedFlag, which every docking past the first refusals clears), a short flight costs 10 + the distance in energy,
//    a deficit covered by the shields (KVCOM0008) or else a tow by the base (KVCOM0009..0018) that costs time, never
//    gives time back; after the hostiles' turn, a priced offer of upgrades paid in game time (KVCOM0021..0029); the
//    closing lines KVCOM0030..0034.
// Every path past the refusals ends with HostileTurnFlag = 1 and RefreshAll, unless the game
// ended or the base fell during the hostiles' turn.
void DockAtStarbase(Game& g);

}  // namespace kv
