#include "state/SavedGame.h"

#include <cctype>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "state/Notes.h"
#include "state/Reset.h"
#include "state/ShipValues.h"

namespace kv {
namespace {

const char* const kSaveSource = "KVMAIN : SaveGame";
const char* const kLoadSource = "KVMAIN : LoadGame";
constexpr int kInternalError = 51;

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The path of an existing file: as given, or the one in its folder whose name differs only
// in letter case.
std::string ExistingFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return path;
    size_t slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    std::string file = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (file.find_first_of("*?") != std::string::npos) return path;
    std::string found = FindFile(folder, file);
    return found.empty() ? path : found;
}


std::vector<std::string> TextLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(Cp1252ToUtf8(line));
        pos = end + 1;
    }
    return lines;
}

// The path a load opens for `name`: ".KVW" is added when the last four characters of the file
// name hold no "." (a dot in a folder name is no extension), a name without a folder is looked
// up in the saved-games folder, and the file is found without regard to case.
std::string GameFileToLoad(const Game& g, const std::string& name) {
    std::string file = name;
    const size_t slash = file.find_last_of('/');
    const std::string fileName = file.substr(slash == std::string::npos ? 0 : slash + 1);
    const std::string tail = fileName.size() >= 4 ? fileName.substr(fileName.size() - 4) : fileName;
    if (tail.find('.') == std::string::npos) file += ".KVW";
    if (slash == std::string::npos) file = SavedGameFolder(g) + file;
    return ExistingFile(file);
}

// The path without its extension (a dot in a folder name is no extension).
std::string WithoutExtension(const std::string& path) {
    const size_t cut = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    return cut != std::string::npos && (slash == std::string::npos || cut > slash) ? path.substr(0, cut) : path;
}

// Takes a game read from its file into the running state. The values that follow from the
// upgrade levels are rebuilt from the levels, except those the file stores after the levels
// (the capacities, and from version 1.2 the shield factor): as the file is read in order,
// their stored values stand. The condition's word follows from its index.
void ApplyLoadedGame(Game& g, GameState loaded, const SavedGameVersion& version) {
    const Integer maxShields = loaded.MaxShields, maxClass1 = loaded.MaxTorpedoesClass1,
                  maxClass2 = loaded.MaxTorpedoesClass2;
    const Long maxEnergy = loaded.MaxEnergy;
    const Single shieldFactor = loaded.ShieldFactor;
    g.st = std::move(loaded);
    RestoreUpgrades(g);
    GameState& s = g.st;
    s.MaxShields = maxShields;
    s.MaxEnergy = maxEnergy;
    s.MaxTorpedoesClass1 = maxClass1;
    s.MaxTorpedoesClass2 = maxClass2;
    if (version.AtLeast(1200)) s.ShieldFactor = shieldFactor;
    StoreCondition(s, s.ConditionIndex);
}

enum class LoadOutcome { Loaded, Failed, Newer };

LoadOutcome LoadGameFile(Game& g, const std::string& name, const GameState& resetState,
                         std::vector<std::string>* logLines) {
    const std::string file = GameFileToLoad(g, name);
    std::string bytes;
    if (!ReadFileBytes(file, bytes) || bytes.empty()) {
        ReportSavedGameFileProblem(g, file);
        return LoadOutcome::Failed;
    }
    // Decoded in memory (no work file is written) and read once, into a scratch state: the
    // running state changes only once the whole file has been read.
    GameState loaded = resetState;
    SavedGameHeader header;
    switch (ReadSavedGameText(FlipSavedBytes(bytes), loaded, header)) {
        case SavedTextResult::Read:
            break;
        case SavedTextResult::Newer:
            PlaySound(g, "ERROR.WAV");
            return LoadOutcome::Newer;
        case SavedTextResult::NotASavedGame:
        case SavedTextResult::Damaged:
            ReportSavedGameFileProblem(g, file);
            return LoadOutcome::Failed;
    }
    ApplyLoadedGame(g, std::move(loaded), header.version);
    g.st.ConfigName = header.configName;
    g.st.GameFileName = file;
    if (header.version.AtLeast(1200) && g.options.chkNotes) LoadNotes(g, g.st.ConfigName);

    g.st.GameRunning = kTrue;
    g.host.ClearOutputLog();
    g.st.ErrorReported = 0;
    if (logLines) logLines->clear();
    const std::string logPath = ExistingFile(WithoutExtension(file) + ".LOG");
    std::string logBytes;
    if (ReadFileBytes(logPath, logBytes)) {
        for (const std::string& line : TextLines(logBytes)) {
            g.host.AppendOutputLine(line);
            if (logLines) logLines->push_back(line);
        }
        PrintOutput(g, g.Text("KVMAIN0074"));
        g.st.GameChanged = 0;
    } else {
        // The game itself is whole: it stays loaded, with an empty message log.
        ReportSavedGameFileProblem(g, logPath);
    }
    return LoadOutcome::Loaded;
}

}  // namespace

void ReportSavedGameFileProblem(Game& g, const std::string& path) {
    PlaySound(g, "ERROR.WAV");
    MessageBox(g, -1, g.Text("KVMAIN0005") + g.Text("KVMAIN0071") + g.st.NewLine + path, kOKOnly);
}

std::string SavedGameFolder(const Game& g) { return g.folders.savedGames; }

std::string SaveTargetBase(const Game& g, const std::string& name) {
    size_t slash = name.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
    std::string file = name.substr(slash == std::string::npos ? 0 : slash + 1);
    file = file.substr(0, file.find('.'));
    if (!file.empty() && file.front() == '*') file.erase(0, 1);
    if (file.empty()) return {};
    return (folder.empty() ? SavedGameFolder(g) : folder) + file;
}

bool SaveGame(Game& g, const std::string& name, const std::vector<std::string>& logLines,
              const SaveFileWriter& writer) {
    const std::string base = SaveTargetBase(g, name);
    if (base.empty()) return false;
    const SaveFileWriter write = writer ? writer : SaveFileWriter(WriteFileAtomic);
    size_t slash = name.find_last_of('/');
    std::string shown = base.substr(base.find_last_of('/') + 1);
    std::string fileName = (slash == std::string::npos ? std::string() : name.substr(0, slash + 1)) + shown;

    g.host.ShowInfoProgress(g.Text("KVMAIN0075"), false);
    bool saved = false;
    std::string step = "Notes";
    try {
        if (g.options.chkNotes) SaveNotes(g, g.st.ConfigName);
        step = "KVW";
        if (!write(base + ".KVW", FlipSavedBytes(SavedGameText(g.st)))) {
            ReportSavedGameFileProblem(g, base + ".KVW");
        } else {
            g.st.GameFileName = fileName;
            step = "LOG";
            std::string log;
            for (const std::string& line : logLines) log += Utf8ToCp1252(line) + "\r\n";
            if (!write(base + ".LOG", log)) {
                ReportSavedGameFileProblem(g, base + ".LOG");
            } else {
                saved = true;
                if (Upper(shown) != "TIMESAVE") g.st.GameChanged = 0;
            }
        }
    } catch (const std::exception&) {
        ReportError(g, kInternalError, kSaveSource, step);
        saved = false;
    }
    g.host.ShowInfoProgress("", false);
    return saved;
}

bool LoadGame(Game& g, const std::string& name, std::vector<std::string>* logLines) {
    if (name.empty()) return false;
    g.host.ShowInfoProgress(g.Text("KVMAIN0072"), false);
    // The levels of a loaded game come from its file: the reset grants them as plain data,
    // without the Morv arrival tests or notices of a new game.
    ResetGameState(g, GrantUpgradeLevel);
    g.st.GameFileName.clear();
    const GameState resetState = g.st;
    LoadOutcome outcome = LoadOutcome::Failed;
    try {
        outcome = LoadGameFile(g, name, resetState, logLines);
    } catch (const std::exception&) {
        ReportError(g, kInternalError, kLoadSource, "<none>");
        outcome = LoadOutcome::Failed;
    }
    if (outcome != LoadOutcome::Loaded) {
        // The reset has already ended any game that was running: none goes on with empty tables.
        g.st = resetState;
        g.st.GameRunning = kFalse;
    }
    g.host.ShowInfoProgress("", false);
    return outcome == LoadOutcome::Loaded;
}

}  // namespace kv
