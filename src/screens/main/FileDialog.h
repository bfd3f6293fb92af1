#pragma once
// The saved-game file dialog frmFile: the player picks a saved game of the saved-games folder,
// or types a name, to load or to save; the dialog can also delete a saved game and its log.
// Its state is Game::screens.file; the window shows it and calls the handlers below.
//
// A name is always a plain file name in the saved-games folder: a name with a path separator,
// a leading dot or a control character is refused, so nothing the dialog returns can reach
// another folder.
#include <string>
#include <vector>

#include "state/Game.h"

namespace kv {

inline constexpr const char* kSavedGamePattern = "*.KVW;*.KVA";

// Sets the dialog up for a mode: the OK button's caption (KVMAIN0018 load, KVMAIN0019 save),
// the list's colour (grey while loading, black while saving), the file pattern and an empty
// name box.
void PrepareFileDialog(Game& g, FileDialogMode mode, const std::string& pattern = kSavedGamePattern);

// Opens the dialog for a mode and returns the name the player chose: a plain file name, as
// listed (with its extension) or as typed; "" after Cancel. Whatever the host hands back goes
// through the same check as the dialog's OK: a name that would leave the saved-games folder is
// refused with a notice and "" is returned (a path inside the folder gives its file name).
std::string SetFileDialogMode(Game& g, FileDialogMode mode, const std::string& pattern = kSavedGamePattern);

// True when `name` is a plain file name the dialog accepts: not empty, no "/" or "\", no
// leading ".", no control character, "*" or double quote.
bool SavedGameNameAllowed(const std::string& name);

// The saved games of a folder that match the pattern (";" separates patterns; letter case does
// not count), sorted by name without regard to case, each with its modification date and time
// as "YYYY-MM-DD HH:MM" by the local clock.
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
