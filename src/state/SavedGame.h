#pragma once
// Saved games on disk: name + ".KVW" holds the whole game state as comma-separated text
// (state/SavedGameLayout.h), every byte stored as 255 minus its code; name + ".LOG" beside it
// holds the lines of the message log as plain text. Both are Windows-1252 on disk.
#include <string>
#include <string_view>
#include <vector>

#include "state/Game.h"
#include "state/SavedGameLayout.h"

namespace kv {

// The file operations a save is made of, so that a test can stop a save after any of them.
class SaveFileSystem {
public:
    virtual ~SaveFileSystem() = default;
    // Creates or empties `path` and writes all bytes to it, flushed to the disk.
    virtual bool WriteFlushed(const std::string& path, const std::string& bytes) = 0;
    virtual bool Read(const std::string& path, std::string& bytes) = 0;
    // Replaces `to` by `from` in one step.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // True when the file is gone (also when it never was there).
    virtual bool Remove(const std::string& path) = 0;
    // True when a file stands at `path`.
    virtual bool Exists(const std::string& path) = 0;
    // Makes the renames within the folder durable.
    virtual bool SyncFolder(const std::string& folder) = 0;
};

// The files on disk.
SaveFileSystem& DiskSaveFiles();

// While a save runs its new files stand beside the pair as name.KVW.tmp and name.LOG.tmp.
inline constexpr const char* kSavingSuffix = ".tmp";

// The folder of saved games (Game::folders.savedGames), ending in "/".
std::string SavedGameFolder(const Game& g);

// The path without extension that SaveGame writes to for `name`: a leading "*" of the file
// name is dropped, the file name is cut before its first ".", and a name without a folder is
// placed in SavedGameFolder(g). "" when no file name is left.
std::string SaveTargetBase(const Game& g, const std::string& name);

// The file a load of `name` opens: ".KVW" is added when the last four characters of the file
// name hold no ".", a name without a folder is looked up in SavedGameFolder(g), and an existing
// file is found without regard to case (as given when none exists).
std::string SavedGameLoadPath(const Game& g, const std::string& name);

// Saves the game and the message-log lines as name.KVW and name.LOG. Both new files are
// written completely and flushed, and the new game file is read back and read as a load reads
// it, before either replaces its old file; the game file is replaced first, then the log, and
// the folder is synced after the two renames. A save that failed or ended before the game file
// was replaced leaves the previous pair whole; its .tmp files are removed by the next save or
// load of the name. One that ended (or could not rename the log) after it leaves the new log
// beside the new game file as name.LOG.tmp, and the next save or load of the name moves it
// into place: a load never meets a game beside the log of another save. Should that clean-up
// fail (a file cannot be moved or removed), the pair in place stays as it is, the save is
// refused and a load reads the game with the log that belongs to it.
// The timed save ("TIMESAVE") leaves GameChanged as it is; any other successful save clears
// it. A failure is reported to the player (which file, and why) and leaves GameChanged
// unchanged. Returns true when
// both files were written. `files` defaults to DiskSaveFiles().
bool SaveGame(Game& g, const std::string& name, const std::vector<std::string>& logLines,
              SaveFileSystem* files = nullptr);

// Loads a saved game (".KVW" is added when the last four characters of the file name hold no
// "."; a name without a folder is looked up in SavedGameFolder(g)). The file is read into a
// freshly reset state, taken over only once the whole file has been read. A file that is
// missing, unreadable, empty, damaged, of the older plain layout, of a newer version or no
// saved game at all is refused with the error sound and one message that says which
// (ReportSavedGameFileProblem), and false is returned: a game that was running goes on as it
// was (its state, file name, unsaved changes and message log untouched); with none running the
// reset state stays, GameFileName stays empty and no game is running. On success the message
// log is replaced by the lines of name.LOG (also returned through `logLines` when given).
// What an ended save of the name left is finished or removed first (see SaveGame). `files`
// defaults to DiskSaveFiles().
bool LoadGame(Game& g, const std::string& name, std::vector<std::string>* logLines = nullptr,
              SaveFileSystem* files = nullptr);

// Finishes or removes, for every name, what saves ended early left in SavedGameFolder(g), as the
// next save or load of each name would. Start-up runs it. `files` defaults to DiskSaveFiles().
void FinishInterruptedSaves(const Game& g, SaveFileSystem* files = nullptr);

// Tells the player (error sound and one notice) that a saved-game file could not be read or
// written.
void ReportSavedGameFileProblem(Game& g, const std::string& path);

// What kept a saved game from being loaded or saved.
enum class SavedFileProblem {
    NotASavedGame,  // no saved game of this program
    OldLayout,      // a saved game of the oldest plain layout, which is not read
    Newer,          // saved by a newer version of the program
    Empty,          // an empty file
    Damaged,        // damaged: detail is the line where the damage begins (0: not known)
    Unreadable,     // the file could not be read: detail is the system's error number
    Unwritable,     // the file could not be written: detail is the system's error number
    Unverified,     // the game file written did not read back as it was written
};
// Tells the player (error sound and one notice) which of these it is, in the language file's
// words, with the file's path. A missing file, one the player may not use (permission
// denied, a read-only folder) and a full disk are named as such; any other error of the file
// system is given in the system's own words.
void ReportSavedGameFileProblem(Game& g, const std::string& path, SavedFileProblem problem, int detail = 0);

}  // namespace kv
