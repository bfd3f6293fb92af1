#pragma once
// The saved-game file dialog (frmFile) as the callers prepare it: the mode travels in the
// colour of its file list (black for a save, dark grey for a load), which the dialog's OK tests,
// and in the caption of its OK button.
#include <string>

namespace kv {

struct Game;

struct FileDialogData {
    long ListColour = 0;   // palette colour of flstSave's text: 0 save, 8 load
    std::string OkCaption;  // cmdOK: the text of KVMAIN0019 (save) or KVMAIN0018 (load)
};

// The saved-game patterns the dialog lists.
inline constexpr const char* kSavedGamePatterns = "*.KVW;*.KVA";

// Prepares the saved-game file dialog for a load (mode 0) or a save (mode 1), shows it modally
// and returns the name chosen, "" after Cancel. Any other mode returns "" and shows nothing.
std::string SetFileDialogMode(Game& g, int mode);

// The save step of a question "save first?": asks for a name in save mode and saves the game
// with the message log. False when the player cancelled the dialog or the save failed (the
// failure is reported), so that the caller goes back to the game instead of throwing it away.
bool SaveGameThroughDialog(Game& g);

}  // namespace kv
