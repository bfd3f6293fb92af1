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

// The course gauges' arrow (gagCourse of the navigation and probe dialogs): a black line
// kCourseArrowLength pixels long from the gauge's centre, each half of its size cut to whole
// pixels, at `angle` degrees counter-clockwise from east (screen rows grow downwards, so
// course 3 points up). The window clears the gauge to its compass picture and draws the line.
inline constexpr double kCourseArrowLength = 12;
struct CourseArrowLine {
    int x1 = 0, y1 = 0;     // the gauge's centre
    double x2 = 0, y2 = 0;  // the far end
    int colour = 0;         // palette colour: black
};
CourseArrowLine DrawCourseArrow(int scaleWidth, int scaleHeight, Single angle);
// The angle the gauges' paint handlers draw at: the gauge's tag (the course as a percentage of
// the full circle) in degrees.
Single CourseGaugeAngle(const std::string& courseTag);

}  // namespace kv
