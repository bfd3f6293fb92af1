#pragma once
// The star list (frmStars): the star systems the player has visited (every one while the debug
// switch ShowStarsFlag is on), one line each, sorted by name or by location. A line's position
// in the galaxy is kept beside its text (st.StarList.Rows), so a name may hold any character.
//
// A line: "* " when the system has notes, the trimmed name, 11 blanks after a name of at most
// 8 characters (else 3), then Tab, Str(quadrant row), " ,", Str(quadrant column), Tab,
// Str(sector row), " ,", Str(sector column), Tab, and the time since the visit (visit mark / 100
// - TimeLeft) as "0.00".
#include <string>

#include "state/Game.h"

namespace kv {

// The line of system n (1..4) of quadrant (row, col).
std::string StarListLine(const GameState& s, int row, int col, int n);

// Fills the list (activation, and a click on either sort button): by name the lines in text
// order regardless of case (so the systems with notes come first), by location in quadrant
// order. With nothing to list the window hides and STARS0006 says so; returns false then.
bool FillStarList(Game& g);
void SortStarList(Game& g, bool byName);

// Accept (and a double click): the selected line's quadrant and sector become the target
// calculator's target; the list hides. Nothing happens without a selected line (-1).
void StarListAccept(Game& g, int selected);

// Info: the selected system's name, flagged planets, position and notes (STARS0001..0005).
void StarListInfo(Game& g, int selected);

}  // namespace kv
