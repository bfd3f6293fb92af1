#pragma once
// The end of a game and the reports that say why it ended. A report never ends the game
// itself: its caller calls EndGame right after it.
#include "state/Game.h"

namespace kv {

// Stops the game: the game windows are enabled again, GameRunning is cleared (from now on the
// refresh does nothing), the pointer is the default one, the final report is shown with the
// high-score offers, and the displays are blanked.
void EndGame(Game& g);

// The victory report (mission types 0..2; type 3 has no victory and shows nothing).
void ReportMissionComplete(Game& g);
// The out-of-time report, with a word on the captain's conduct (mission type 3 shows nothing).
void ReportOutOfTime(Game& g);
// The out-of-energy report; the ship's energy is 0 afterwards.
void ReportOutOfEnergy(Game& g);

}  // namespace kv
