#pragma once
// The ship's computer's display updaters: each brings one display up to date with the game
// state. Until the displays are built they only ask the host to redraw the named display.
#include <string>

#include "state/Game.h"

namespace kv {

void UpdateBars(Game& g);           // the status bars
void UpdateCommandState(Game& g);   // the command buttons' colours by system damage
void UpdateDamageReport(Game& g);   // the damage report
void UpdateGeneralReport(Game& g);  // the general report (with the running score line)
void UpdateBaseReport(Game& g);     // the starbase report
void UpdateZarvoniReport(Game& g);  // the hostile-ship report
void UpdateGalaxyRecord(Game& g);   // the galaxy chart from the player's chart
// The status panel's updater, which also runs the capture check of the hostile starbase (that
// in turn calls the updaters here), is engine/computer/StatusPanel.h.

// A one-line judgement of the fight in the ship's quadrant for the info window's starbase line:
// the text of KVCOM0045 with no Zarvoni ship there, else one of KVCOM0046 (most comfortable) to
// KVCOM0053 (hopeless) by the margin the ship's energy and shields leave over the shields the
// quadrant calls for, the hostiles' cost (torpedoes short of one per ship cost 200 each) and
// the damage of its systems. A quadrant not yet set up counts its hostiles half again.
std::string QuadrantSituationText(Game& g);

}  // namespace kv
