#pragma once
// A headless captain: plays whole games through the engine's procedures only, as the command
// bar, the computer panel, the main menu and the dialogs would call them, and answers the
// questions and modal windows itself. It chooses its orders with a generator of its own seeded
// from the game's seed, so that a game replays exactly from its seed. After every action it
// checks that the state is consistent; every game must end by one of the ways a game ends.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/captain/HeadlessGame.h"

namespace kv::test {

// How a game ended.
enum class Ending {
    Unfinished,       // still running when the captain's actions ran out
    MissionComplete,  // the mission's goal was met
    TimeOut,          // the time allowed ran out
    EnergyOut,        // the energy ran out (or the captain gave up at the warp check)
    ShipDestroyed,    // the ship was lost to the hostiles, a star, a planet or its own weapons
    SelfDestructed,   // the captain blew the ship up
    Resigned,         // the captain ended the mission from the main menu
    Unexplained,      // the game stopped without any of these
};
inline constexpr int kEndingCount = static_cast<int>(Ending::Unexplained) + 1;
const char* EndingName(Ending e);

// What one game did.
struct GameRecord {
    uint32_t seed = 0;
    GameSetup setup;
    Ending ending = Ending::Unfinished;
    long actions = 0;
    Integer score = 0;
    std::map<std::string, long> actionCounts;  // actions by kind
    // Broken rules and run-time errors, each with the action after which it was seen. The
    // game stops at the first action that breaks a rule.
    std::vector<std::string> failures;
};

struct CaptainOptions {
    // The most actions a game may take; one that is still running then has failed to end.
    long maxActions = 4000;
    // The most work (random draws and host calls) one action may do before it counts as one
    // that never ends.
    long long maxWorkPerAction = 2'000'000;
    // Each action as it is taken, with the message log and the rules broken line by line (a
    // replay's trace), when set.
    std::function<void(const std::string&)> trace;
    // Called before every action with its number and kind (a watchdog's view of the game).
    std::function<void(long action, const std::string& what)> onAction;
};

// The set-up of the game of a seed: mission type, skill level and game length cycle through
// every combination (120 seeds cover them all); one game in four has no upgrades.
GameSetup SetupForSeed(uint32_t seed);

// Plays the game of the seed to its end.
GameRecord PlayGame(uint32_t seed, const CaptainOptions& options = {});

// One line for a record: seed, set-up, ending, actions and score.
std::string Describe(const GameRecord& record);

}  // namespace kv::test
