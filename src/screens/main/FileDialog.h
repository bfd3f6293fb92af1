#pragma once
// The saved-game file dialog frmFile: the player picks a saved game of the saved-games folder,
// or types a name, to load or to save; the dialog can also delete a saved game and its log.
// Its state is Game::screens.file; the window shows it and calls the handlers below.
//
// The dialog is opened by SetFileDialogMode (state/FileDialogSetup.h); its names never leave the
// saved-games folder.
#include <string>
#include <vector>

#include "state/FileDialogSetup.h"
#include "state/Game.h"
#include "state/ScreenData.h"

namespace kv {

// The saved games of a folder that match the pattern (";" separates patterns; letter case does
// not count), sorted by name without regard to case, each with its modification date and time
// as "YYYY-MM-DD HH:MM:SS" by the local clock.
std::vector<SavedGameEntry> ListSavedGames(const std::string& folder, const std::string& pattern);

// ---- The dialog's handlers -----------------------------------------------------------------
// Activation: the list is read again, nothing is selected, the date and time are empty.
void FileDialogActivate(Game& g);
// A click on list entry `index`: the name box takes the entry, the date and time show its
// date-and-time text split at the first blank. An index outside the list selects nothing.
void FileDialogListClick(Game& g, int index);
// A double click: the click, then OK. Returns what OK returns.
bool FileDialogListDoubleClick(Game& g, int index);
// The name box changed: OK is enabled exactly while it holds text.
void FileDialogNameChange(Game& g, const std::string& text);
// A character typed into the name box (its code): false when the box refuses it (with a beep):
// "*", the double quote, "/", "\", every control code but Backspace, and codes of 127 and above.
bool FileDialogKeyAccepted(int code);
// OK: true when the dialog closes with the name box's name. It stays open (false) for an empty
// or refused name, a game to load that does not exist (FILE0003) and a save over an existing
// game that the player does not confirm (FILE0004, No).
bool FileDialogOK(Game& g);
// Cancel: the name box is emptied; the dialog closes.
void FileDialogCancel(Game& g);
// Delete: after FILE0001 (Yes) the saved game of the name box is deleted, and after FILE0002
// (Yes) its log; then the list is read again and the name box emptied. Nothing happens for an
// empty or refused name.
void FileDialogDelete(Game& g);

}  // namespace kv
