#include "state/FileDialogSetup.h"

#include "state/SavedGame.h"
#include "state/ScreenData.h"

namespace kv {

bool SavedGameNameAllowed(const std::string& name) {
    if (name.empty() || name.front() == '.') return false;
    for (unsigned char c : name)
        if (c < 32 || c == 127 || c == '/' || c == '\\' || c == '*' || c == '"') return false;
    return true;
}

void RefuseSavedGameName(Game& g) { MessageBox(g, -1, g.Text("FileBadName"), kOKOnly | kExclamation); }

void PrepareFileDialog(Game& g, FileDialogMode mode, const std::string& pattern) {
    FileDialogData& d = g.screens.file;
    d.Mode = mode;
    d.ListColour = mode == FileDialogMode::Save ? 0 : 8;
    d.cmdOKCaption = g.Text(mode == FileDialogMode::Save ? "KVMAIN0019" : "KVMAIN0018");
    d.Pattern = pattern;
    d.txtFile.clear();
    d.cmdOKEnabled = false;
}

std::string SetFileDialogMode(Game& g, FileDialogMode mode, const std::string& pattern) {
    PrepareFileDialog(g, mode, pattern);
    const std::string folder = SavedGameFolder(g);
    const std::optional<std::string> chosen = g.host.ChooseFile(mode, pattern, folder);
    if (!chosen || chosen->empty()) return "";
    std::string name = *chosen;
    // A path the host hands back counts only when it lies directly in the saved-games folder.
    if (name.size() > folder.size() && name.compare(0, folder.size(), folder) == 0) name.erase(0, folder.size());
    if (!SavedGameNameAllowed(name)) {
        RefuseSavedGameName(g);
        return "";
    }
    return name;
}

bool SaveGameThroughDialog(Game& g) {
    const std::string name = SetFileDialogMode(g, FileDialogMode::Save);
    if (name.empty()) return false;
    return SaveGame(g, name, g.host.OutputLines());
}

bool SaveRunningGameFirst(Game& g, const char* key) {
    const int answer = MessageQuery(g, -1, g.Text(key), kYesNoCancel | kQuestion);
    if (answer == kNo) return true;
    if (answer != kYes) return false;
    return SaveGameThroughDialog(g);
}

}  // namespace kv
