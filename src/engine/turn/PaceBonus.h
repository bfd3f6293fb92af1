#pragma once
// The running score line of the general report: the score plus a bonus for keeping pace with
// the mission.
#include "state/Game.h"

namespace kv {

// The score plus the pace bonus: with W the work left, W0 the work the mission set, T the time
// left and TotalTime the time allowed, the full bonus S (800, or 1000 in mission type 1) while
// W / T stays below W0 / TotalTime + c (c = 1.0 in mission type 1, else 0.1); beyond that
// |d| x d x S with d = 1 - (W / T - W0 / TotalTime), and 0 once d <= -1. Mission type 3 gives
// the score unchanged; no time left (or no time allowed) gives 0.
double TimeStatusValue(const GameState& st, double score);
inline double TimeStatusValue(Game& g, double score) { return TimeStatusValue(g.st, score); }

}  // namespace kv
