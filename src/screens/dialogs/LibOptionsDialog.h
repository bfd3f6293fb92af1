#pragma once
// The library options dialog (frmLibOptions). The options themselves are game data (the Lib…
// and Com… members of GameState, see state/LibraryOptions.h); st.LibOptionsDialog holds the tab
// selected and the "General" warning. Three pages: shields, phasers and torpedoes; each tab
// shows the page its caption names.
#include <string>

#include "state/Game.h"

namespace kv {

enum class LibOptionsPage : int { Shields = 0, Phasers = 1, Torpedoes = 2 };

// The page tab 1..3 shows: 1 shields ("LCOShTitle"), 2 torpedoes ("LCOTorTitle"), 3 phasers
// ("LCOPhaTitle"); any other tab the shields.
LibOptionsPage LibOptionsTabPage(int tab);

// Activation: the warning shows while the current configuration is "General".
void LibOptionsActivate(Game& g);

// The cell of the digit strip clpNumZ (9 cells: the digits 9 down to 1) that shows a spread
// count caption: 9 - n for n = 1..9; -1 (no picture) for any other caption ("Not Used").
int SpreadDigitCell(const std::string& caption);

// The spread spinner: the count one higher (at most 9) or lower (at least 1).
void SpreadCountUp(Game& g);
void SpreadCountDown(Game& g);

// The option buttons that act beyond their own value. Shield level 1..3 (3, the energy saver,
// explains itself with LIBOPTN0002..0004 while LibComputerState[2] is 0); shield frequency 0..2
// (2, no automatic raising, greys and clears the computer panel's automatic-shield box; the
// others give it back the player's choice); phaser mode 0 kill, 1 disable (the panel's caption).
void ChooseShieldLevel(Game& g, int level);
void ChooseShieldFrequency(Game& g, int frequency);
void ChoosePhaserMode(Game& g, int mode);

// The scroll bars: the energy reserve (0..1000) and the phaser energy a turn against the
// Zarvoni starbase (0..2000); each caption shows its bar's value.
void ShieldReserveChanged(Game& g, int value);
void StarbaseEnergyChanged(Game& g, int value);

// Apply saves the options under the current configuration (never "General"); OK applies, hides
// the dialog and lets the shield settings act; Cancel reloads the saved options, hides the dialog
// and lets them act. Closing from the frame only hides it.
void LibOptionsApply(Game& g);
void LibOptionsOK(Game& g);
void LibOptionsCancel(Game& g);
void LibOptionsClose(Game& g);

}  // namespace kv
