#include "state/FileDialog.h"

#include "state/Game.h"
#include "state/SavedGame.h"

namespace kv {

std::string SetFileDialogMode(Game& g, int mode) {
    if (mode != 0 && mode != 1) return "";
    const bool save = mode == 1;
    g.fileDialog.ListColour = save ? 0 : 8;
    g.fileDialog.OkCaption = g.Text(save ? "KVMAIN0019" : "KVMAIN0018");
    const std::optional<std::string> chosen =
        g.host.ChooseFile(save ? FileDialogMode::Save : FileDialogMode::Load, kSavedGamePatterns);
    return chosen.value_or("");
}

bool SaveGameThroughDialog(Game& g) {
    const std::string name = SetFileDialogMode(g, 1);
    if (name.empty()) return false;
    return SaveGame(g, name, g.host.OutputLines());
}

}  // namespace kv
