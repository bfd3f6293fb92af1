#pragma once
// The probe: launched from the ship along a course, it charts every quadrant it passes.
#include "state/Game.h"

namespace kv {

// The PRO command. With no probe left: KVBASIC0243 (slot 6). Otherwise shows the galaxy chart
// and the probe dialog (frmPRO, modal) at course 1.0; the course comes back in ProbeDialog.CourseText
// ("-32767" after Cancel; anything outside 1.0..9.0 launches nothing). The hostiles fire first
// (when the game ends there, nothing is charged); then a probe and 40 energy are spent, and the
// probe flies a sector's length per step (at most 100 steps) until it leaves the galaxy,
// copying each quadrant it passes into the player's chart and marking it on the galaxy chart
// (PROBE.WAV every fourth step). Ends with 0.2 time units, the automatic shields and the
// end-of-action refresh.
void LaunchProbe(Game& g);

// Marks a probed quadrant (1..8, 1..8) on the galaxy chart with the scanned colour.
void MarkProbedQuadrant(Game& g, int row, int col);

}  // namespace kv
