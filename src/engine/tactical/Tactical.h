#pragma once
// Tactical set-up of the quadrant the player's ship is in.
#include "state/Game.h"

namespace kv {

// Builds SectorGrid and the current quadrant's hostile tables (ZarvoniShips/Energy with every
// slot's kill flag cleared, CloakedShips/Energy) from the galaxy records: the ship, the stars
// of the quadrant's star systems, the friendly starbase (on a fresh sector), the Zarvoni
// starbase and the Morv ship when their records name this quadrant, then the Zarvoni ships
// and the cloaked ships, each on a fresh random sector with a fresh energy (weakened ones once
// the Zarvoni starbase is destroyed or captured). Later objects only take empty sectors; a
// star may stand on the ship's own sector. Sets QuadZarvonis, QuadStarbase, QuadStars,
// PrevQuadRow/Col and clears QuadrantChanged. Unexpected errors are reported
// ("KVBASIC : MakeTactical").
void MakeTactical(Game& g);

}  // namespace kv
