#pragma once
// The saved-game file dialog frmFile as the game opens it: SetFileDialogMode prepares the dialog
// (Game::screens.file) for loading or saving, has the player choose and returns the name. The
// dialog's own handlers are screens/main/FileDialog.h.
//
// A name is always a plain file name in the saved-games folder: a name with a path separator,
// a leading dot or a control character is refused, so nothing the dialog returns can reach
// another folder.
#include <string>

#include "state/Game.h"

namespace kv {

inline constexpr const char* kSavedGamePattern = "*.KVW;*.KVA";
// The pattern the message log's save opens the dialog with.
inline constexpr const char* kLogPattern = "*.LOG";

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

// Tells the player that a name was refused (FileBadName).
void RefuseSavedGameName(Game& g);

// Saves the running game, with its message log, under a name the player picks in the dialog.
// False when the player cancelled the dialog or the save failed (the failure is reported).
bool SaveGameThroughDialog(Game& g);

// The question "save first?" (text of `key`, Yes/No/Cancel) before a step that would replace or
// end the running game: true to go on (No, or Yes and the game was saved); false to go back to
// the game (Cancel, a closed question, a cancelled dialog or a failed save), so that no unsaved
// game is ever thrown away without a No.
bool SaveRunningGameFirst(Game& g, const char* key);

}  // namespace kv
