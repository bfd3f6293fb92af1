#include "engine/turn/EndGame.h"

namespace kv {

// Placeholders until the end of game, its reports and the final report are built: the game
// stops, and nothing is shown yet.
void EndGame(Game& g) { g.st.GameRunning = kFalse; }
void ReportMissionComplete(Game&) {}
void ReportOutOfTime(Game&) {}
void ReportOutOfEnergy(Game&) {}

}  // namespace kv
