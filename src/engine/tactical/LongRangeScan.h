#pragma once
// The long-range scan: charts the quadrants around the ship and marks them on the galaxy chart.
#include "state/Game.h"

namespace kv {

// True when the quadrant (row, col) lies within the long-range sensors' reach of the ship's
// quadrant: the straight-line distance is at most LRSRange / 2 + 1. With LRSRange 1 that is
// the ship's quadrant and its eight neighbours; with LRSRange 2 those and the four straight
// two-step neighbours (13 quadrants).
bool WithinScanRange(const GameState& st, int row, int col);

// Marks the quadrants in scan range on the galaxy chart (scanned colour).
void MarkScanRange(Game& g);

// Scans: copies the Galaxy code of every quadrant in range into KnownGalaxy, counts them into
// StatCounterH on the first scan of a game, shows the Morv ship's quadrant red when it is in
// range, refreshes the galactic record and sets LRSDone. Charges no time.
void LRS(Game& g);

}  // namespace kv
