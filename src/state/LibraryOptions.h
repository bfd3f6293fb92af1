#pragma once
// The library options: the standing orders of the ship's computer (how the torpedo and phaser
// computers aim, how the automatic shields choose their level and when they act) and the
// computer panel's automatic functions. They are stored per named configuration, in section
// "Lib" of "KestravaforWindows9x\Configs\<name>", sixteen text values:
//
//   TorZarvonis "1".."3", TorSpread, TorSpreadType "1".."2", TorSpreadZarvonis (number),
//   TorZarvoniStarbase, TorZSBAmount "1".."3", TorZSBFireDisabled, SheLevel "1".."3",
//   SheFrequency "1".."3", SheEnergyReserve (number), PhaKillOrDisable "1".."2",
//   PhaZarvoniStarbase, PhaZSBEnergyFire (number), ComAutoSHE, ComAutoLRS, ComAutoTC
//
// (flags "True"/"False"; an option group as the 1-based position of its selected button, "0"
// for none; numbers as their captions show them). At run time they are game data (the Lib…
// and Com… members of GameState), which the library-options dialog and the computer panel
// show and edit. The configuration "General" never has a "Lib" section.
#include <string>

#include "state/Game.h"

namespace kv {

// Fills the library options from the configuration's "Lib" section. A configuration that has
// none yet (no "TorZarvonis") first gets the current options written as its own. A stored
// value the options cannot take (an option number outside its group, a flag that is neither
// "True" nor "False", a number outside its scroll bar) leaves that option as it was; the three
// numeric captions take whatever text is stored. Ends with the automatic target calculator
// switched by "ComAutoTC" (on unless "False") and the dialog and the panel redrawn. Does
// nothing for "General".
void LoadLibOptions(Game& g, const std::string& name);

// Writes the sixteen values of the current options to the configuration; nothing for "General".
void SaveLibOptions(Game& g, const std::string& name);

// Switches the computer panel's automatic target calculator (its timer) on or off. Off is
// refused while the player switched it on by hand (ComTCTag "Manual"); switching off also
// forgets the pending target text. The new state is stored as "ComAutoTC" of the current
// configuration (options.lblConfigName) unless that is "General", whenever the tag is
// "Manual" or the request was off.
void SetAutoTargetCalculator(Game& g, bool on);

}  // namespace kv
