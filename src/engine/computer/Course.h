#pragma once
// Course, distance and shield-need arithmetic of the ship's computer.
//
// Grid orientation: columns grow to the east, rows grow to the south (row 1 is the top line).
// Angles are counter-clockwise from east; course = CalcCourse x 4 / pi + 1 (1 east, 3 north,
// 5 west, 7 south).
#include "state/Game.h"

namespace kv {

// Direction and distance from (fromCol, fromRow) to (toCol, toRow), sector or absolute
// coordinates alike. Leaves the distance in st.CalcDistance and the angle in radians
// (0 <= a < 2 pi) in st.CalcCourse; returns the angle in degrees in [0, 360). A target straight
// above or below gives exactly 90 or 270; the same position gives 90.
Single CourseAndDistance(GameState& st, int fromCol, int fromRow, int toCol, int toRow);
Single CourseAndDistance(Game& g, int fromCol, int fromRow, int toCol, int toRow);

// The shield level the hostiles of the ship's quadrant call for: a multiple of 50, at least
// 100 (100 with no hostile); MaxShields while the Morv ship is in the quadrant.
Integer EstimateShieldNeed(const GameState& st);
Integer EstimateShieldNeed(Game& g);

}  // namespace kv
