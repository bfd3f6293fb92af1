#pragma once
// Where a new galaxy's star systems come from: the star-system list (read in order, one system
// at a time) and the descriptor files (each serves one system per galaxy). The game holds one
// (Game::starSystems); the program's own reads SOLARSYS.TXT and the ".ssd" files, tests give
// systems from memory.
#include <string>

#include "state/GameState.h"

namespace kv {

struct Game;

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

}  // namespace kv
