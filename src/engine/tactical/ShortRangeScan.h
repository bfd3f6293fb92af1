#pragma once
// The short-range scan of the ship's quadrant and the drawing of its sector cells.
#include "state/Game.h"

namespace kv {

// The pictures of the scan's sector cells (cells of its icon strip).
enum SrsIcon : int {
    kIconEmpty = 0,              // an empty sector, an unrevealed cloaked ship, a dark sector in
                                 // range of damaged sensors
    kIconShip = 1,               // the player's ship
    kIconZarvoni = 2,            // a Zarvoni ship with energy
    kIconZarvoniSpent = 3,       // a Zarvoni ship with no energy left
    kIconStar = 4,               // a star not visited
    kIconStarVisited = 5,        // a star whose system carries a visit stamp
    kIconStarbase = 6,           // the friendly starbase
    kIconZarvoniBase = 7,        // the Zarvoni starbase
    kIconZarvoniBaseCaptured = 8,
    kIconCloakedWeak = 9,        // a cloaked ship too weak to hide (energy below 20)
    kIconCloakedShown = 10,      // a cloaked ship shown by the debug switch
    kIconOutOfRange = 11,        // out of reach of damaged sensors
    kIconMorv = 12,              // the Morv ship
};

// Sets the picture of one sector cell (row, col 1..8); any other cell is ignored.
void DrawSector(Game& g, int row, int col, int icon);

// True when sector (row, col) lies within reach of damaged short-range sensors: at most 2
// sectors from the ship on both axes.
bool InSensorWindow(const GameState& s, int row, int col);

// Redraws the short-range scan. Not built yet: only asks the window to redraw.
void SRS(Game& g);

}  // namespace kv
