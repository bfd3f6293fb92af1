#pragma once
// Named configurations: every player name typed in the main menu names a set of option
// settings. The list of known names is kept in the settings store ("KestravaforWindows9x",
// section "Names": "Number" and "Name1".."NameN") and shown in the two player-name boxes of
// the main menu and the new-game dialog. Each configuration also keeps "GoodPlayer", the count
// of games started under it.
#include <string>
#include <vector>

#include "state/GameState.h"

namespace kv {

struct Game;

// The two player-name boxes as plain data, and the count of names read from the store (it
// lasts for the whole run and is shared by every SaveConfigNames).
struct ConfigNameBoxes {
    std::vector<std::string> menuNames;        // frmMenu.txtName
    std::vector<std::string> difficultyNames;  // frmDifficulty.txtName
    int storedCount = 0;
    std::vector<std::string> storedNames;  // the names the store lists (for SaveConfigNames)
};

// Fills both boxes from the stored list, then merges the legacy file's names.
void LoadConfigNames(Game& g);
// Appends the names of the legacy settings file that are not listed yet (without regard to
// case) to both boxes; they are not stored.
void ImportIniConfigNames(Game& g);
// Adds a name to the stored list and both boxes unless it is empty, "General" or listed
// among the stored names (case counts).
void SaveConfigNames(Game& g, const std::string& name);
// The "GoodPlayer" count of ConfigName; 0 when absent.
double GetGoodPlayer(Game& g);
void SaveGoodPlayer(Game& g, Integer value);

// A configuration name made safe for use inside a file name: "/" and "\" become "_", leading
// dots and control characters are dropped; "Config" when nothing is left.
std::string ConfigFileName(const std::string& config);

}  // namespace kv
