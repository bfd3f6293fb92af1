#pragma once
// New-galaxy placement of everything that is not a star system.
#include "state/Game.h"

namespace kv {

// Fills a new galaxy after ResetGameState and SetupSolarSystems: the Zarvoni groups (as
// hundreds in the quadrant codes, counted in ZarvonisCounted), the friendly starbases (tens
// digit, Starbases, StarbaseSectors), the Zarvoni starbase (at skill 3 and above, with two
// escort ships), the player's blank chart, the ship's start quadrant (away from every
// starbase), the "/STAR:" target named in StarTarget (StarTargetRow/Col, the chart frame),
// the cloaked ships and the ship's start sector (never on a star system).
void PlaceGalaxyObjects(Game& g);

}  // namespace kv
