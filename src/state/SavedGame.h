#pragma once
// Saved games on disk: name + ".KVW" holds the whole game state as comma-separated text
// (state/SavedGameLayout.h), every byte stored as 255 minus its code; name + ".LOG" beside it
// holds the lines of the message log as plain text. Both are Windows-1252 on disk.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "state/Game.h"
#include "state/SavedGameLayout.h"

namespace kv {

// Writes a whole file; false when it could not be written. The default replaces the file
// atomically (WriteFileAtomic), so a failure leaves any previous file whole.
using SaveFileWriter = std::function<bool(const std::string& path, const std::string& bytes)>;

// The folder of saved games (Game::folders.savedGames), ending in "/".
std::string SavedGameFolder(const Game& g);

// The path without extension that SaveGame writes to for `name`: a leading "*" of the file
// name is dropped, the file name is cut before its first ".", and a name without a folder is
// placed in SavedGameFolder(g). "" when no file name is left.
std::string SaveTargetBase(const Game& g, const std::string& name);

// Saves the game and the message-log lines as name.KVW and name.LOG. The timed save
// ("TIMESAVE") leaves GameChanged as it is; any other successful save clears it. A failure is
// reported to the player, keeps the previous files whole and leaves GameChanged unchanged.
// Returns true when both files were written.
bool SaveGame(Game& g, const std::string& name, const std::vector<std::string>& logLines,
              const SaveFileWriter& writer = {});

// Loads a saved game (".KVW" is added when the last four characters of the file name hold no
// "."; a name without a folder is looked up in SavedGameFolder(g)). The state is reset first; a
// file that is missing, unreadable, damaged or of the older plain layout is refused with one
// message, and a file of a newer version with the error sound only: the reset state stays,
// GameFileName stays empty, no game is running and false is returned. On success the message
// log is replaced by the lines of name.LOG (also returned through `logLines` when given).
bool LoadGame(Game& g, const std::string& name, std::vector<std::string>* logLines = nullptr);

// Tells the player (error sound and one notice) that a saved-game file could not be read or
// written.
void ReportSavedGameFileProblem(Game& g, const std::string& path);

}  // namespace kv
