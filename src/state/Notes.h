#pragma once
// The player's notes on star systems, kept per configuration in the settings store
// ("KestravaforWindows9x\Configs\<configuration>", section "Notes") so that a star system
// carries its note into later games played under that configuration. A system's key is its
// descriptor name, or its trimmed name when it has none.
#include <string>

#include "state/GameState.h"

namespace kv {

struct Game;

// The settings key of a star system's note.
std::string NoteKey(const SolarSystemRecord& rec);

// Stores the trimmed note of every star system of the galaxy; an empty note removes a stored
// one. Systems that share a key keep the first note written in the walk.
void SaveNotes(Game& g, const std::string& config);

// Gives every star system of the galaxy its stored note (or an empty one).
void LoadNotes(Game& g, const std::string& config);

}  // namespace kv
