#pragma once
// The game's windows as one numbered set (1 frmOutput .. 31 frmBackground; the number is also
// the one in the window-position settings) and the helpers that treat them together: hiding
// them all behind the final report, showing the game windows at start, the shared mouse-move
// step of the dialogs and quitting.
#include "state/Game.h"

namespace kv {

// The window of a table index 1..31 (index 0 is never used).
Form FormTable(int index);

// Creates every window the host has, without showing it: the window table in its order, then
// frmShip and frmStars, then the windows outside the table.
void InitFormTable(Game& g);

// Hides the windows 2..29, keeping in FormVisible whether each was shown, so that the step
// that brings them back shows exactly those; frmOutput, frmFinalReport and frmBackground stay.
void HideAllForms(Game& g);

// Shows the game windows at start: frmSRS, frmOutput, frmStatus, frmGalaxy, frmBars, frmInfo,
// frmCOM, in this order.
void ShowGameWindows(Game& g);

// The four report windows follow the options' report check boxes: frmGeneralReport,
// frmZarvoniReport, frmBaseReport, frmDamageReport, in this order.
void ShowReportWindows(Game& g);

// After the main menu: every window of the table but the menu gets back the visibility kept in
// FormVisible (from index 31 down to 1); then the report windows follow their check boxes.
void RestoreFormsAfterMenu(Game& g);

// The shared mouse-move step of the dialogs and reports: the short-range scan's hover label
// goes, the automatic target calculator is
// switched off unless Ctrl alone is held (`shift` is the event's key state, 2 = Ctrl alone), and
// the computer panel goes when the computer is damaged.
void ReturnToMainWindows(Game& g, int shift);

// Ends the program. Unless forced (a caller that asked its own question) or no game runs, the
// player is asked first, and a No changes nothing.
void QuitGame(Game& g, bool force = false);

// The quit of the game's own close buttons: a changed running game asks the question of
// `questionKey` (Yes, No, Cancel). Yes asks for a name and saves, then ends the program; a
// cancelled file dialog or a failed save returns to the game, so nothing unsaved is thrown away
// without a No. No ends the program at once; Cancel returns to the game. Otherwise QuitGame
// asks its own question while a game runs.
void QuitOfferingSave(Game& g, const char* questionKey);

}  // namespace kv
