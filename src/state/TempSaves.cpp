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

// The most pieces or log lines a copy of a real save can have. The message log holds at most
// 65,535 lines. A game file holds at most 737 lines (the header, 480 lines of items and 256
// star-system lines of under 1.8 KB each), about 450 KB in all, and its pieces are runs of it:
// even runs of eight bytes stay below the same bound. A larger count is no copy of a save but
// a broken one, refused before anything is looked up (a count of a million costs a million
// look-ups in the store and stalls the start).
constexpr double kMaxCount = 65535;

// A stored count: 0 for none (absent, not a number, or below 1), -1 beyond kMaxCount.
int CountOf(const std::string& text) {
    const double n = Val(text);
    if (!(n >= 1)) return 0;
    return n > kMaxCount ? -1 : static_cast<int>(n);
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
    const int n = CountOf(GetTempSave(g, "KVWLines"));
    if (n == 0) return TempSaveResult::None;
    const std::string base = SavedGameFolder(g) + ConfigFileName(g.st.ConfigName) + " Temp";
    const int m = CountOf(GetTempSave(g, "LOGLines"));
    if (n < 0 || m < 0) {
        ReportSavedGameFileProblem(g, base + ".KVW");
        return TempSaveResult::Broken;
    }
    g.host.ShowInfoProgress(g.Text("KVMAIN0077"), true);

    std::string game;
    for (int i = 1; i <= n; ++i) game += StoredBytes(GetTempSave(g, "KVW" + std::to_string(i)));
    std::string log;
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
