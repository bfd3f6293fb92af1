#pragma once
// The offers of an ended game to the two high-score lists: the "captain" list for a high score
// and the "badguy" list for Morv ships destroyed. A qualifying game cheers, asks the player for
// the name to enter and for comments, and hands the record to the submission window.
#include <string>

#include "state/Game.h"

namespace kv {

// A high-score record as the submission window takes it.
struct HighScoreEntry {
    std::string Name, SN, Code, Comments;
};

// Whether the game may enter the lists at all: a game not marked ineligible (a star-system
// file failed its check) and not played in debug mode.
bool HighScoreAllowed(const GameState& st);
// The captain list takes a score of 1000 or more.
bool QualifiesForCaptainList(const GameState& st, long score);
// The badguy list takes any game of mission types 0..2 with a Morv ship destroyed.
bool QualifiesForBadguyList(const GameState& st);

// The record's serial: the game's set-up as letters and digits (mission, skill level, game
// length) and a check value of the set-up and the captain's name.
std::string HighScoreSerial(const GameState& st);
// The record's code: the figure entered (the score, or the Morv ships destroyed) and a check
// value of the list, name, serial and figure, joined by "/".
std::string HighScoreCode(const std::string& kind, const std::string& name, const std::string& serial, long figure);

// Asks for the name (the default ConfigName) and the comments of a record for the list `kind`
// and hands it to the submission window. `prompt` is the name box's prompt; `figure` the value
// the code carries. A cancelled or empty name submits nothing and gives an empty record.
// The comment box comes back, with the cleaned text, until the player gives a text that needs
// no cleaning.
HighScoreEntry EnterHighScore(Game& g, const std::string& kind, const std::string& prompt, long figure);

// The captain list: with a score of 1000 or more in an eligible game, the record is entered.
// `outcome` is the mission's verdict (-1 won, 0 failed, 47 no verdict).
void OfferCaptainHighScore(Game& g, int outcome, int score);
// The badguy list: with a Morv ship destroyed in an eligible game of mission type 0..2, the
// record is entered. Either way the last two rows of the Morv report are filled and written to
// the log with `gap` blanks between title and value: whether the game qualified, and the
// record's code (KVGAME0085 when there is none).
void OfferBadguyHighScore(Game& g, int outcome, int gap);

}  // namespace kv
