#pragma once
// The text layout of a saved game, without any file: the plain text of a state as the
// program's own version writes it, and the reading of a plain text of any known version into
// a state. The stored ".KVW" holds this text with every byte c turned into 255 - c.
// Texts stand in double quotes with every quote inside them doubled, so that any text reads
// back as it was; the texts of older versions, whose quotes stood as they were, still read.
// A line end inside a text is written as a blank.
#include <string>
#include <string_view>

#include "state/GameState.h"

namespace kv {

// A saved game's version as the exact decimal num / 10^exp (1.3 is 13 / 10, 1.25 is 125 / 100),
// so that comparisons never suffer from binary rounding.
struct SavedGameVersion {
    long long num = 0;
    int exp = 0;
    // True when the version is at least thousandths / 1000 (1200 for version 1.2).
    bool AtLeast(long long thousandths) const;
    bool NewerThan(const SavedGameVersion& other) const;
};

// The version digits of the header ("13" for version 1.3): the program's own version, the
// leading "major.minor" of its version text.
std::string ProgramVersionDigits();

// Turns stored bytes into plain text and back (each byte c becomes 255 - c).
std::string FlipSavedBytes(std::string_view bytes);

// The plain text (Windows-1252) of the state as the program's own version writes it.
std::string SavedGameText(const GameState& s);

struct SavedGameHeader {
    SavedGameVersion version;
    std::string configName;
    // For a damaged text: the line (counted from 1, the header being line 1) where the damage
    // was found; one past the last line when the text ends too soon.
    size_t damagedLine = 0;
};

enum class SavedTextResult {
    Read,           // every item was read
    NotASavedGame,  // no mark of the current kind (the older plain layout, or no saved game)
    Newer,          // written by a newer version than the program's own
    Damaged,        // the mark without a whole header, an item missing, of the wrong kind or
                    // out of range, or text left over (header.damagedLine says where)
};

// Reads the plain text of a saved game into `st`, which holds the state the load starts from
// (the reset state): the header into `header`, every item the file's version has into st; the
// items an older version lacks keep their values. The upgrade levels go into UpgradeTable as
// stored; nothing that follows from them is recomputed here. For files older than 1.2 the
// condition index is taken from the stored condition word. Unless the result is Read, st may
// hold part of the file and must be thrown away.
SavedTextResult ReadSavedGameText(std::string_view plain, GameState& st, SavedGameHeader& header);

// True when the stored bytes (not substituted) begin as a saved game of the oldest plain layout
// does: a line of the configuration's name in quotes and six whole numbers.
bool IsOldPlainLayout(std::string_view bytes);

}  // namespace kv
