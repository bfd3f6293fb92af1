#pragma once
// The target calculator: the player names a quadrant and a sector, the computer works out course
// and warp to it, reports them and, when the player agrees, flies there.
//
// The pending target text (st.ComTargetText), left by clicks on the short-range scan and the
// galaxy chart: an optional sector part "S" and a two-digit cell index, then an optional quadrant
// part "Q" and a two-digit index; an index is (row - 1) x 8 + (column - 1), 0..63. The window
// shows the chosen quadrant and sector as "row,col" (st.TargetQuadText, st.TargetSectText) and
// the ship's quadrant beside them (st.TargetShipQuadText).
#include <string>

#include "state/Game.h"

namespace kv {

// A position as the calculator shows it, "row,col"; and the position of a cell index 0..63.
std::string CellText(int row, int col);
std::string CellIndexText(int index);

// Whether the computer panel's target-calculator button is disabled: the warp engines (ship
// system 1) are out of action.
bool TargetCalculatorDisabled(const GameState& s);

// Prepares the calculator's window. Unless a sector pick on the short-range scan is under way,
// takes the pending target text (empty: the ship's own quadrant and sector; a quadrant alone:
// that quadrant and its sector nearest the ship), empties it and clears the option buttons. A
// malformed part of the text is ignored and the ship's own position stands in for it. Always
// blackens the starbase options' captions and shows the ship's quadrant.
void TargetCalculator(Game& g);

// Proposes the entry sector of the target quadrant: the edge nearest the ship on each axis (the
// ship's own row or column where the quadrant shares it). Nothing changes for the ship's own
// quadrant or a quadrant text that cannot be read.
void ClosestSector(Game& g);

// Accepts the chosen target: hides the window, ends every pick of the calculator, switches the
// automatic calculator off and shows the solution. Does nothing while the button is disabled,
// and stops after hiding the window when the target is the ship's own position while the
// automatic calculator runs. A quadrant or sector text that cannot be read stands for the
// ship's own.
void TargetSector(Game& g);

// Logs course and warp to the absolute target (quadrant x 8 + sector on each axis) and asks the
// player (message slot 1). A damaged warp drive shortens a move beyond 4 sectors to 4 along the
// same course. A destination outside the galaxy is refused (KVCOM0084); a declined move logs
// KVCOM0085; either way nothing changes. An accepted move costs 10 + the distance in energy and
// distance x 0.04 time units, sets the warp factor and moves the ship (MoveShip).
void ShowTargetSolution(Game& g, int targetRow, int targetCol);

}  // namespace kv
