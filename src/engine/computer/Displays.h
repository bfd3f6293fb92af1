#pragma once
// The ship's computer's display updaters: each brings one display up to date with the game
// state. Until the displays are built they only ask the host to redraw the named display.
#include <string>

#include "state/Game.h"

namespace kv {

void UpdateBars(Game& g);            // the status bars
void UpdateCommandState(Game& g);    // the command buttons' colours by system damage
void UpdateDamageReport(Game& g);    // the damage report
void UpdateGeneralReport(Game& g);   // the general report (with the running score line)
void UpdateBaseReport(Game& g);      // the starbase report
void UpdateZarvoniReport(Game& g);   // the hostile-ship report
void UpdateGalaxyRecord(Game& g);    // the galaxy chart from the player's chart
// The status panel's updater, which also runs the capture check of the hostile starbase (that
// in turn calls the updaters here), is engine/computer/StatusPanel.h.

// The text that describes the ship's quadrant for the info window's starbase line. Not built
// yet: gives "".
std::string QuadrantSituationText(Game& g);

}  // namespace kv
