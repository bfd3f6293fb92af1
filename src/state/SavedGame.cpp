#include "state/SavedGame.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <utility>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Strings.h"
#include "state/Notes.h"
#include "state/Reset.h"
#include "state/ShipValues.h"

namespace kv {
namespace {

const char* const kSaveSource = "KVMAIN : SaveGame";
const char* const kLoadSource = "KVMAIN : LoadGame";
constexpr int kInternalError = 51;

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

// The result of fsync: done, or a file system that has nothing to flush (some network and
// user-space file systems refuse it).
bool Flushed(int result) { return result == 0 || errno == EINVAL || errno == EOPNOTSUPP; }

// Each change also has the program look at the disk afresh (ForgetFileStamps).
class DiskFiles final : public SaveFileSystem {
public:
    bool WriteFlushed(const std::string& path, const std::string& bytes) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        int error = 0;
        for (size_t done = 0; !error && done < bytes.size();) {
            const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (w > 0)
                done += static_cast<size_t>(w);
            else if (w < 0 && errno == EINTR)
                continue;
            else
                error = w < 0 ? errno : ENOSPC;
        }
        if (!error && !Flushed(::fsync(fd))) error = errno;
        if (::close(fd) != 0 && !error) error = errno;
        ForgetFileStamps();
        errno = error;
        return error == 0;
    }
    bool Read(const std::string& path, std::string& bytes) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        struct stat st {};
        int error = ::fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EISDIR;
        std::string out;
        char buffer[65536];
        while (!error) {
            const ssize_t r = ::read(fd, buffer, sizeof buffer);
            if (r > 0)
                out.append(buffer, static_cast<size_t>(r));
            else if (r == 0)
                break;
            else if (errno != EINTR)
                error = errno;
        }
        ::close(fd);
        errno = error;
        if (error) return false;
        bytes = std::move(out);
        return true;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        const bool renamed = std::rename(from.c_str(), to.c_str()) == 0;
        const int error = errno;
        ForgetFileStamps();
        errno = renamed ? 0 : error;
        return renamed;
    }
    bool Remove(const std::string& path) override {
        const bool removed = ::unlink(path.c_str()) == 0 || errno == ENOENT;
        ForgetFileStamps();
        return removed;
    }
    bool Exists(const std::string& path) override {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0;
    }
    bool SyncFolder(const std::string& folder) override {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool ok = Flushed(::fsync(fd));
        const int error = errno;
        ::close(fd);
        errno = ok ? 0 : error;
        return ok;
    }
};

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Finishes or clears what a save of `base` that ended early left. A save writes and flushes
// both new files before it replaces either old one, and replaces the game file first. So a new
// log without a new game file beside it is whole and belongs to the game file in place: it is
// moved into place. With both new files there nothing was replaced yet, and they go: the log
// first, and the game only once the log is gone, so that neither an end nor a failed removal
// between the two ever leaves a lone log that may be torn. A lone new game file goes too.
// Returns "" when nothing of the ended save is left, else the file that could not be moved or
// removed; what is in place then stays as it is.
std::string FinishInterruptedSave(SaveFileSystem& files, const std::string& base) {
    const std::string newGame = base + ".KVW" + kSavingSuffix, newLog = base + ".LOG" + kSavingSuffix;
    const bool log = files.Exists(newLog), game = files.Exists(newGame);
    // Each step starts with no error number, so that a failure's own (if any) is what stays.
    if (log && !game) {
        errno = 0;
        if (!files.Rename(newLog, base + ".LOG")) return newLog;
        files.SyncFolder(FolderOf(base));
        return {};
    }
    errno = 0;
    if (log && !files.Remove(newLog)) return newLog;
    errno = 0;
    if (game && !files.Remove(newGame)) return newGame;
    return {};
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// What stopped a save: the file, and the system's error number (0 when the file system gave
// none); or the game file written did not read back as it was written.
struct SaveFailure {
    std::string path;
    int error = 0;
    bool unverified = false;
};

// Writes the pair base.KVW / base.LOG. Returns nothing when both are in place, else the file
// that could not be written. Nothing replaces an old file before both new ones are complete
// and the new game file has been read back as a load would read it.
std::optional<SaveFailure> WriteSavedPair(SaveFileSystem& files, const std::string& base, const std::string& stored,
                                          const std::string& log) {
    const std::string game = base + ".KVW", logFile = base + ".LOG";
    const std::string newGame = game + kSavingSuffix, newLog = logFile + kSavingSuffix;
    // Until an ended save is finished or cleared, nothing is written over what it left.
    if (const std::string stuck = FinishInterruptedSave(files, base); !stuck.empty()) return SaveFailure{stuck, errno};
    // A folder standing in a file's place would stop the second rename after the first.
    for (const std::string& target : {game, logFile})
        if (IsFolder(target)) return SaveFailure{target, EISDIR};
    // Each step's error number, taken as the step fails.
    int error = 0;
    auto step = [&](bool done) {
        error = done ? 0 : errno;
        return done;
    };
    // Until the game file is replaced a failure takes the new files away: the previous pair stands.
    // The log goes first, and the game only once it is gone (see FinishInterruptedSave).
    auto failed = [&](const std::string& path) {
        const int kept = error;
        if (files.Remove(newLog)) files.Remove(newGame);
        return SaveFailure{path, kept};
    };
    errno = 0;
    if (!step(files.WriteFlushed(newGame, stored))) return failed(game);
    std::string back;
    GameState check;
    SavedGameHeader header;
    if (!step(files.Read(newGame, back))) return failed(game);
    if (back != stored || ReadSavedGameText(FlipSavedBytes(back), check, header) != SavedTextResult::Read) {
        SaveFailure f = failed(game);
        f.error = 0;
        f.unverified = true;
        return f;
    }
    if (!step(files.WriteFlushed(newLog, log))) return failed(logFile);
    if (!step(files.Rename(newGame, game))) return failed(game);
    // The new log now belongs with the game file in place: should it not go into place, it stays
    // beside, and the next save or load of the name puts it there.
    if (!step(files.Rename(newLog, logFile))) return SaveFailure{logFile, error};
    if (!step(files.SyncFolder(FolderOf(base)))) return SaveFailure{game, error};
    return std::nullopt;
}

enum class LoadOutcome { Loaded, Failed, Newer };

LoadOutcome LoadGameFile(Game& g, const std::string& name, const GameState& resetState,
                         std::vector<std::string>* logLines, SaveFileSystem& files) {
    const std::string file = GameFileToLoad(g, name);
    // A new log that could not be moved into place still belongs to the game in place.
    const std::string base = WithoutExtension(file), newLog = base + ".LOG" + kSavingSuffix;
    const bool logBeside = !FinishInterruptedSave(files, base).empty() && files.Exists(newLog) &&
                           !files.Exists(base + ".KVW" + kSavingSuffix);
    std::string bytes;
    errno = 0;
    if (!files.Read(file, bytes)) {
        ReportSavedGameFileProblem(g, file, SavedFileProblem::Unreadable, errno);
        return LoadOutcome::Failed;
    }
    if (bytes.empty()) {
        ReportSavedGameFileProblem(g, file, SavedFileProblem::Empty);
        return LoadOutcome::Failed;
    }
    // Decoded in memory (no work file is written) and read once, into a scratch state: the
    // running state changes only once the whole file has been read.
    GameState loaded = resetState;
    SavedGameHeader header;
    switch (ReadSavedGameText(FlipSavedBytes(bytes), loaded, header)) {
        case SavedTextResult::Read: break;
        case SavedTextResult::Newer:
            ReportSavedGameFileProblem(g, file, SavedFileProblem::Newer);
            return LoadOutcome::Newer;
        case SavedTextResult::NotASavedGame:
            ReportSavedGameFileProblem(
                g, file, IsOldPlainLayout(bytes) ? SavedFileProblem::OldLayout : SavedFileProblem::NotASavedGame);
            return LoadOutcome::Failed;
        case SavedTextResult::Damaged:
            ReportSavedGameFileProblem(g, file, SavedFileProblem::Damaged, static_cast<int>(header.damagedLine));
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
    const std::string logPath = logBeside ? newLog : ExistingFile(base + ".LOG");
    std::string logBytes;
    errno = 0;
    if (files.Read(logPath, logBytes)) {
        for (const std::string& line : Cp1252TextLines(logBytes)) {
            g.host.AppendOutputLine(line);
            if (logLines) logLines->push_back(line);
        }
        PrintOutput(g, g.Text("KVMAIN0074"));
        g.st.GameChanged = 0;
    } else {
        // The game itself is whole: it stays loaded, with an empty message log.
        ReportSavedGameFileProblem(g, logPath, SavedFileProblem::Unreadable, errno);
    }
    return LoadOutcome::Loaded;
}

}  // namespace

SaveFileSystem& DiskSaveFiles() {
    static DiskFiles disk;
    return disk;
}

void FinishInterruptedSaves(const Game& g, SaveFileSystem* files) {
    SaveFileSystem& fs = files ? *files : DiskSaveFiles();
    const std::string folder = SavedGameFolder(g);
    std::set<std::string> bases;
    for (const char* kind : {".KVW", ".LOG"}) {
        const std::string suffix = kind + std::string(kSavingSuffix);
        for (const std::string& name : ListFiles(folder, "*" + suffix))
            if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                bases.insert(folder + name.substr(0, name.size() - suffix.size()));
    }
    for (const std::string& base : bases) FinishInterruptedSave(fs, base);
}

void ReportSavedGameFileProblem(Game& g, const std::string& path) {
    PlaySound(g, "ERROR.WAV");
    MessageBox(g, -1, g.Text("KVMAIN0005") + g.Text("KVMAIN0071") + g.st.NewLine + path, kOKOnly);
}

void ReportSavedGameFileProblem(Game& g, const std::string& path, SavedFileProblem problem, int detail) {
    const std::string& nl = g.st.NewLine;
    std::string text;
    switch (problem) {
        case SavedFileProblem::NotASavedGame: text = g.Text("LoadNotOurs") + nl + path; break;
        case SavedFileProblem::OldLayout: text = g.Text("LoadOldLayout") + nl + path; break;
        case SavedFileProblem::Newer: text = g.Text("LoadNewer") + nl + path; break;
        case SavedFileProblem::Empty: text = g.Text("LoadEmpty") + nl + path; break;
        case SavedFileProblem::Damaged:
            text = g.Text("LoadDamaged") + nl + path;
            if (detail > 0) text += nl + g.Text("LoadDamagedLine") + std::to_string(detail);
            break;
        case SavedFileProblem::Unverified: text = g.Text("SaveUnverified") + nl + path; break;
        case SavedFileProblem::Unreadable:
        case SavedFileProblem::Unwritable:
            switch (detail) {
                case ENOENT: text = g.Text("FileMissing") + nl + path; break;
                case EACCES:
                case EPERM:
                case EROFS: text = g.Text("FileDenied") + nl + path; break;
                case ENOSPC:
                case EDQUOT: text = g.Text("FileDiskFull") + nl + path; break;
                default:
                    text = g.Text(problem == SavedFileProblem::Unreadable ? "FileNotRead" : "FileNotWritten") + nl + path;
                    // The system's own words for any other failure, as the detail.
                    if (detail != 0) text += nl + std::strerror(detail);
            }
            break;
    }
    PlaySound(g, "ERROR.WAV");
    MessageBox(g, -1, text, kOKOnly | kCritical);
}

std::string SavedGameFolder(const Game& g) { return g.folders.savedGames; }

std::string SavedGameLoadPath(const Game& g, const std::string& name) { return GameFileToLoad(g, name); }

std::string SaveTargetBase(const Game& g, const std::string& name) {
    size_t slash = name.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
    std::string file = name.substr(slash == std::string::npos ? 0 : slash + 1);
    file = file.substr(0, file.find('.'));
    if (!file.empty() && file.front() == '*') file.erase(0, 1);
    if (file.empty()) return {};
    return (folder.empty() ? SavedGameFolder(g) : folder) + file;
}

bool SaveGame(Game& g, const std::string& name, const std::vector<std::string>& logLines, SaveFileSystem* files) {
    const std::string base = SaveTargetBase(g, name);
    if (base.empty()) return false;
    SaveFileSystem& fs = files ? *files : DiskSaveFiles();
    size_t slash = name.find_last_of('/');
    std::string shown = base.substr(base.find_last_of('/') + 1);
    std::string fileName = (slash == std::string::npos ? std::string() : name.substr(0, slash + 1)) + shown;

    g.host.ShowInfoProgress(g.Text("KVMAIN0075"), false);
    bool saved = false;
    std::string step = "Notes";
    try {
        if (g.options.chkNotes) SaveNotes(g, g.st.ConfigName);
        step = "KVW";
        const std::string stored = FlipSavedBytes(SavedGameText(g.st));
        std::string log;
        for (const std::string& line : logLines) log += Utf8ToCp1252(line) + "\r\n";
        const std::optional<SaveFailure> failed = WriteSavedPair(fs, base, stored, log);
        if (failed) {
            ReportSavedGameFileProblem(g, failed->path,
                                       failed->unverified ? SavedFileProblem::Unverified : SavedFileProblem::Unwritable,
                                       failed->error);
        } else {
            g.st.GameFileName = fileName;
            saved = true;
            if (UpperCase(shown) != "TIMESAVE") g.st.GameChanged = 0;
        }
    } catch (const std::exception&) {
        ReportError(g, kInternalError, kSaveSource, step);
        saved = false;
    }
    g.host.ShowInfoProgress("", false);
    return saved;
}

bool LoadGame(Game& g, const std::string& name, std::vector<std::string>* logLines, SaveFileSystem* files) {
    if (name.empty()) return false;
    g.host.ShowInfoProgress(g.Text("KVMAIN0072"), false);
    // The game that runs stays whole until the whole file has been read: a refused file gives it
    // back as it was, with the Morv tractor beam that the reset lets go.
    std::optional<GameState> running;
    if (g.st.GameRunning) running = g.st;
    const bool tractorHeld = g.TimerEnabled(Timer::frmSRS_tmrMorvTractor);
    // The levels of a loaded game come from its file: the reset grants them as plain data,
    // without the Morv arrival tests or notices of a new game.
    ResetGameState(g, GrantUpgradeLevel);
    g.st.GameFileName.clear();
    const GameState resetState = g.st;
    LoadOutcome outcome = LoadOutcome::Failed;
    try {
        outcome = LoadGameFile(g, name, resetState, logLines, files ? *files : DiskSaveFiles());
    } catch (const std::exception&) {
        ReportError(g, kInternalError, kLoadSource, "<none>");
        outcome = LoadOutcome::Failed;
    }
    if (outcome != LoadOutcome::Loaded) {
        if (running) {
            g.st = std::move(*running);
            g.SetTimer(Timer::frmSRS_tmrMorvTractor, tractorHeld);
            g.host.Refresh(View::GeneralReport);
        } else {
            // No game goes on with empty tables.
            g.st = resetState;
            g.st.GameRunning = kFalse;
        }
    }
    g.host.ShowInfoProgress("", false);
    return outcome == LoadOutcome::Loaded;
}

}  // namespace kv
