#pragma once
// The last stage of the hostiles' movement turn: the tractor pull-in of the quadrant's Zarvoni
// ships and the Morv ship's turn.
#include <string>

#include "state/Game.h"

namespace kv {

// With the Morv ship, a friendly starbase or the captured Zarvoni starbase in the player's
// quadrant, each Zarvoni ship there may be pulled in by tractor beam (an even chance each).
void TractorPullIn(Game& g);

// The Morv ship's turn. Far from the player's quadrant it wipes out the Zarvoni ships and the
// friendly starbase of its own quadrant and travels towards the player; in the player's
// quadrant it closes in on the ship and, beside it, strikes its systems (turned aside while the
// shield-frequency retrofit is active), taking or consuming whatever stands in its way; beside
// the ship its tractor beam holds it; between quadrants it consumes star systems. The Morv ship
// never takes a cell that something else still holds. With no Morv ship left after a countdown,
// its records are cleared. `step` names the stage under way for the error report. False when
// the player's ship was lost.
bool MorvShipTurn(Game& g, std::string& step);

// The Morv ship that has just come into the galaxy in the player's quadrant takes its sector
// there as on entering the quadrant: what stands on it is destroyed or consumed, and it steps
// aside from the player's ship. Does nothing while the quadrant's grid is not set up.
void MorvArrivesInPlayersQuadrant(Game& g);

}  // namespace kv
