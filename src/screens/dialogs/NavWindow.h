#pragma once
// The navigation dialog (frmNAV) beyond its order (engine/computer/Navigation.h): the checks of
// its course and warp boxes, Cancel and Auto, its activation, the course dial and the small
// distance map. The dialog's data is GameState::NavDialog.
#include <string>

#include "state/Game.h"

namespace kv {

// The course box changed: a course outside 1.0..9.0 (other than the cancel mark -32767) is
// refused with NAV0005 and the box and the scroll bar go back to 1.0.
void NavCourseTextChanged(Game& g);
// The warp box changed: a warp below 0 or above the allowed maximum is refused with NAV0006 and
// the box and the scroll bar go back to 0.0.
void NavWarpTextChanged(Game& g);
// Cancel leaves the cancel mark "-32767" in the course box and hides the dialog.
void NavCancel(Game& g);
// Auto hides the dialog and opens the target calculator with the pending target.
void NavAuto(Game& g);

// The target calculator's button is usable only while the computer has no damage.
bool NavAutoEnabled(const GameState& s);
// The distance map (the galaxy as 64 x 64 sectors on a map of width x height units): the
// centre of the ship's sector, where the map's line starts.
void NavMapLineStart(const GameState& s, double width, double height, double& x, double& y);

// The course dial: the arrow at the angle the course gauge's tag gives (percent of a full
// circle; 0 = course 1, east, counter-clockwise on the screen), from the centre of a dial of
// width x height towards its rim, with the two strokes of its head.
struct CourseArrow {
    double angleDegrees = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;                 // the shaft, centre to tip
    double leftX = 0, leftY = 0, rightX = 0, rightY = 0;  // the head's back corners
};
CourseArrow CourseArrowFor(const std::string& courseTag, double width, double height);

}  // namespace kv
