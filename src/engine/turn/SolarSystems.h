#pragma once
// Star systems of a new galaxy.
#include <string>

#include "state/Game.h"

namespace kv {

// Where a new galaxy's star systems come from: the star-system list (read in order, one system
// at a time) and the descriptor files (each serves one system per galaxy).
class StarSystemSource {
public:
    virtual ~StarSystemSource() = default;
    // Lists the descriptors afresh, every one unused.
    virtual void ListDescriptors(Game& g) = 0;
    // Opens the star-system list; false when it cannot be opened. `path` receives the list's
    // path (for the error report) either way.
    virtual bool OpenList(Game& g, std::string& path) = 0;
    // Reads the next system of the list into rec (Name, SystemValue2, PlanetCount and the
    // planet rows); false, with rec unchanged, when no further system can be read.
    virtual bool ReadSystem(SolarSystemRecord& rec) = 0;
    // Fills rec from the first unused descriptor named rec.DescriptorName (any unused one when
    // that is ""), sets DescriptorName and marks the descriptor used; rec stays unchanged when
    // there is none.
    virtual void LoadDescriptor(Game& g, SolarSystemRecord& rec) = 0;
};

// The game's own source: SOLARSYS.TXT in the program folder and the ".ssd" descriptors of the
// descriptor folder.
class FileStarSystemSource;

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
