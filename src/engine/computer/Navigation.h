#pragma once
// The navigation order: the data of the navigation dialog and the arithmetic of its Accept.
//
// Directions: course 1 east (columns grow), 3 north (rows fall), 5 west, 7 south; the angle is
// (course - 1) x pi / 4. A warp factor w flies w x 8 sectors. Absolute rows and columns are
// quadrant x 8 + sector (9..72 inside the galaxy).
#include <string>

#include "state/Game.h"

namespace kv {

// Prepares the navigation dialog (st.NavDialog) for a new order and shows it modeless: the
// highest warp maxWarp (8.0, or 0.5 with the warp engines unable), the order at warp 0.0 and
// course 1.0.
void SetupNavDialog(Game& g, Single maxWarp);
// The dialog's scroll bars changed: their texts and gauge fills follow.
void NavCourseChanged(NavDialogData& nav);
void NavWarpChanged(NavDialogData& nav);

// Where a course and a distance in sectors lead from the ship's position.
struct NavDestination {
    int dRow = 0, dCol = 0;                                      // the move in sectors (rows grow southwards)
    bool inside = false;                                         // the destination lies inside the galaxy
    int quadRow = 0, quadCol = 0, sectorRow = 0, sectorCol = 0;  // the destination when inside
};
NavDestination NavigationDestination(const GameState& s, Single course, Single distance);

// Splits a move of d sectors from quadrant q, sector sec into the new quadrant and sector.
void SplitDelta(int q, int sec, int d, int& newQuad, int& newSector);

// The navigation dialog's Accept: logs the order (NAV0001..0003), hides the dialog and
// disables the game windows, charges warp x 8 x 0.04 time units and 10 + the distance in
// energy (Int, may go below 0), then refuses a destination outside the galaxy (NAV0004; the
// charges stay spent, the windows are enabled again) or moves the ship there (MoveShip), brings
// the reports up to date unless the move ended the game, and ends with RefreshAll.
void AcceptNavOrder(Game& g, const std::string& courseText, const std::string& warpText);

}  // namespace kv
