#pragma once
// The end of a game and the reports that say why it ended. A report never ends the game
// itself: its caller calls EndGame right after it.
#include "state/Game.h"

namespace kv {

// Stops the game (clears GameRunning) and hands over to the final report.
void EndGame(Game& g);
// The victory report, the out-of-time report and the out-of-energy report: one message each.
void ReportMissionComplete(Game& g);
void ReportOutOfTime(Game& g);
void ReportOutOfEnergy(Game& g);

}  // namespace kv
