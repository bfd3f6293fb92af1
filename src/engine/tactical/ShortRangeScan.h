#pragma once
// The short-range scan of the ship's quadrant and the drawing of its sector cells.
#include "state/Game.h"

namespace kv {

// The pictures of the scan's sector cells (cells of its icon strip).
enum SrsIcon : int {
    kIconEmpty = 0,         // an empty sector, an unrevealed cloaked ship, a dark sector in
                            // range of damaged sensors
    kIconShip = 1,          // the player's ship
    kIconZarvoni = 2,       // a Zarvoni ship with energy
    kIconZarvoniSpent = 3,  // a Zarvoni ship with no energy left
    kIconStar = 4,          // a star not visited
    kIconStarVisited = 5,   // a star whose system carries a visit stamp
    kIconStarbase = 6,      // the friendly starbase
    kIconZarvoniBase = 7,   // the Zarvoni starbase
    kIconZarvoniBaseCaptured = 8,
    kIconCloakedWeak = 9,    // a cloaked ship too weak to hide (energy below 20)
    kIconCloakedShown = 10,  // a cloaked ship shown by the debug switch
    kIconOutOfRange = 11,    // out of reach of damaged sensors
    kIconMorv = 12,          // the Morv ship
};

// Sets the picture of one sector cell (row, col 1..8); any other cell is ignored.
void DrawSector(Game& g, int row, int col, int icon);

// True when sector (row, col) lies within reach of damaged short-range sensors: at most 2
// sectors from the ship on both axes.
bool InSensorWindow(const GameState& s, int row, int col);

// The short-range scan: brings the tactical picture of the ship's quadrant up to date and
// redraws its 64 cells, then gives the hostiles their turn when one is due.
//  - A quadrant not yet set up (QuadrantChanged) is set up first.
//  - LibComputerState[3] = +-1 (a move into a quadrant asks for it): the automatic shields
//    raise the shields; with the short-range sensors or the computer damaged the player is
//    offered to set them (KVBASIC0253) when danger is near and the shields are down.
//  - Working sensors rebuild SectorGrid from the tables: the ship, the Zarvoni ships, the Morv
//    ship, the stars, the starbases and the cloaked ships, each with its icon. Damaged sensors
//    keep the grid (only the Morv ship's and the Zarvoni starbase's codes are written) and show
//    only the sectors at most 2 away from the ship on both axes.
//  - The hostiles' turn (HitShip) when the ship is in another quadrant than at their last turn
//    or HostileTurnFlag asks for one, and never while they act (-32767); then, unless
//    LibComputerState[3] is -32767, the automatic shields' step.
// The scan hides the hover label first, and the full view clears every selection frame. The
// window, asked to redraw the scan as a whole, puts the ship's shield outline on the ship's
// sector.
// Unexpected errors are reported ("KVBASIC : SRS" and the step) and the scan goes on.
void SRS(Game& g);

}  // namespace kv
