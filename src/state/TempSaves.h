#pragma once
// Temporary saves: a saved game may also exist as a copy in the settings store, per
// configuration ("KestravaforWindows9x\Temp Saves", section = configuration name): "KVWLines"
// pieces "KVW1".. of the game file in its stored form, and "LOGLines" lines "LOG1".. of the
// message log with every character stored as 255 minus its code. At start-up every copy is
// turned back into an ordinary pair of saved-game files, ConfigName + " Temp".
//
// The store holds text: a piece stands for single-byte characters, kept as their UTF-8 form.
#include <string>

namespace kv {

struct Game;

inline constexpr const char* kTempSavesApp = "KestravaforWindows9x\\Temp Saves";

// The value of a key in the section ConfigName of the temporary saves; "" when absent.
std::string GetTempSave(Game& g, const std::string& key);

enum class TempSaveResult { None, Restored, Failed, Broken };

// Turns the copy of ConfigName into the files "<ConfigName> Temp.KVW" and ".LOG" in the
// saved-games folder. None: there is no copy. Failed: a file could not be written (the
// player is told, and the copy must be kept). Broken: the copy counts more pieces or log
// lines than any save has (the player is told as for a file that cannot be read; nothing is
// written, and the copy holds nothing that could be turned into files).
TempSaveResult RecoverTempSaves(Game& g);

}  // namespace kv
