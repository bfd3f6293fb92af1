#pragma once
// The fire plans' entries: one text per phaser shot or torpedo, written by the phaser and
// torpedo dialogs and the ship's computer, read by the weapons. The plans themselves are game
// data (GameState::PhaserPlan, TorpedoPlan and the previous plan beside each).
//
// Phaser entry: a prefix text ending in its only colon (the dialogs' prefixes carry a blank
// after it), the target row, ",", the column, a blank, a label ("Z" and the hostile ship's slot,
// "ZB" the Zarvoni starbase, "MV" the Morv ship, "--" nothing known, "??" out of the damaged
// sensors' reach), a middle text holding one colon, and the energy amount:
//     "Computer at: 3,4 Z10 Eng: 55"
// Torpedo entry: for a class-2 torpedo "*", its power and "*"; a text, the distance "0.00", a
// second text, the target row, one separating character and the column:
//     "*2*Target:  2.24 at 3,4"
// Readers find the fields from the colons (phasers) or from the end (torpedoes) and read whole
// numbers, so a slot of 10 and an amount of any length read as written.
#include <optional>
#include <string>
#include <string_view>

#include "state/Game.h"

namespace kv {

struct PhaserEntry {
    int row = 0, col = 0;  // 0..8 (0 where the damaged sensors give no position)
    std::string kind;      // the label's first two characters ("Z1", "MV", "ZB", "--", "??")
    int slot = 0;          // the Zarvoni slot 1..10 that a "Z" label names, else 0
    long amount = 0;       // the energy after the second colon
};

// Reads a phaser entry; nothing when it has no colon, no second colon, or no sector 0..8
// after the first colon.
std::optional<PhaserEntry> ReadPhaserEntry(std::string_view entry);

// Writes a phaser entry: prefix, row, ",", column, " ", label, middle and amount (numbers without
// blanks; a prefix or middle that wants a blank before the number carries it).
std::string PhaserEntryText(const std::string& prefix, int row, int col, const std::string& label,
                            const std::string& middle, long amount);

struct TorpedoEntry {
    bool classTwo = false;  // the entry begins with the class mark "*"
    int power = 1;          // 1 a class-1 torpedo; else the power in the class mark
    int row = 0, col = 0;
};

// Reads a torpedo entry; nothing when its last or third-last character is not a digit, or a
// class mark holds no power of 1 or more.
std::optional<TorpedoEntry> ReadTorpedoEntry(std::string_view entry);

// Writes a torpedo entry: the class mark for a power of 2 or more (0 or 1: none), the first text,
// the distance "0.00", the second text, row, "," and column.
std::string TorpedoEntryText(int power, const std::string& first, double distance, const std::string& second, int row,
                             int col);

// The torpedo dialog's class switch: takes the class mark off an entry that has one, else puts
// the mark of the given power in front.
std::string SwitchTorpedoClass(const std::string& entry, int power);

// The phaser plan's total: the sum of the amounts of its readable entries, shown as a plain
// number in PhaserPlanTotal.
void ParsePhaserTarget(Game& g);

}  // namespace kv
