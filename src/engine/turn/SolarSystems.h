#pragma once
// Star systems of a new galaxy.
#include <string>

#include "state/Game.h"

namespace kv {

// The game's source of star systems (the program folder's files unless a test set another).
StarSystemSource& StarSystems(Game& g);

// Creates the star systems of a new galaxy after ResetGameState: decides how many there are
// by game length (SystemsCount), spreads them over the quadrants (units digit of each Galaxy
// code, at most 4 per quadrant), gives each its own sector, fills the records from the
// star-system list SOLARSYS.TXT in the program folder and from the ".ssd" descriptors, and
// counts the systems holding a goal planet (SpecialSystems). MissionGoal is left equal to the
// number distributed. When the list runs out, the systems not read are removed again, so every
// quadrant's systems stay in records 1..count. Unexpected errors are reported through
// ReportError ("KVGAME : SetupSolarSystems").
void SetupSolarSystems(Game& g);
// The same with another source of systems (tests).
void SetupSolarSystems(Game& g, StarSystemSource& source);

// True when any of the system's planets in use carries the goal code
// (Int(PlanetValue4 / 16384) Mod 4 = 2).
bool HasGoalPlanet(const SolarSystemRecord& rec);

}  // namespace kv
