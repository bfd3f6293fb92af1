#pragma once
// The final report of an ended game: the mission's verdict, the score, the game's statistics
// in the final report window and the message log, the Morv report's figures, and the offers
// of the score to the two high-score lists.
#include "state/Game.h"

namespace kv {

// Works out the rating and the score and fills the final report's data (GameState's Final...
// fields and MorvReportTag), writing the same lines to the message log; offers the score to
// the captain list and, when the Morv were on their way in this game, the Morv ships destroyed
// to the badguy list; then shows the final report window, hides the game windows and starts
// the window's return to the menu. Called only by EndGame.
void ShowFinalReport(Game& g);

}  // namespace kv
