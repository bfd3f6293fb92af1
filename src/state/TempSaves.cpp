#include "state/TempSaves.h"

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "state/Configs.h"
#include "state/Game.h"
#include "state/Numeric.h"
#include "state/SavedGame.h"

namespace kv {
namespace {

// The stored text as the single-byte characters it stands for.
std::string StoredBytes(const std::string& text) { return IsValidUtf8(text) ? Utf8ToCp1252(text) : text; }

int CountOf(const std::string& text) {
    double n = Val(text);
    if (n < 1) return 0;
    return n > 1000000 ? 1000000 : static_cast<int>(n);
}

}  // namespace

std::string GetTempSave(Game& g, const std::string& key) {
    try {
        return g.settings.GetSetting(kTempSavesApp, g.st.ConfigName, key, "");
    } catch (const std::exception&) {
        return {};
    }
}

TempSaveResult RecoverTempSaves(Game& g) {
    int n = CountOf(GetTempSave(g, "KVWLines"));
    if (n == 0) return TempSaveResult::None;
    g.host.ShowInfoProgress(g.Text("KVMAIN0077"), true);

    const std::string base = SavedGameFolder(g) + ConfigFileName(g.st.ConfigName) + " Temp";
    std::string game;
    for (int i = 1; i <= n; ++i) game += StoredBytes(GetTempSave(g, "KVW" + std::to_string(i)));
    std::string log;
    int m = CountOf(GetTempSave(g, "LOGLines"));
    for (int i = 1; i <= m; ++i) log += FlipSavedBytes(StoredBytes(GetTempSave(g, "LOG" + std::to_string(i)))) + "\r\n";

    TempSaveResult result = TempSaveResult::Restored;
    for (const auto& [path, bytes] : {std::pair{base + ".KVW", &game}, std::pair{base + ".LOG", &log}}) {
        if (!WriteFileAtomic(path, *bytes)) {
            ReportSavedGameFileProblem(g, path);
            result = TempSaveResult::Failed;
            break;
        }
    }
    g.host.ShowInfoProgress("", false);
    return result;
}

}  // namespace kv
