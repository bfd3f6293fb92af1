#include "engine/computer/Displays.h"

#include "engine/turn/Capture.h"

namespace kv {

void UpdateBars(Game& g) { g.host.Refresh("UpdateBars"); }
void UpdateCommandState(Game& g) { g.host.Refresh("UpdateCommandState"); }
void UpdateDamageReport(Game& g) { g.host.Refresh("UpdateDamageReport"); }
void UpdateGeneralReport(Game& g) { g.host.Refresh("UpdateGeneralReport"); }
void UpdateBaseReport(Game& g) { g.host.Refresh("UpdateBaseReport"); }
void UpdateZarvoniReport(Game& g) { g.host.Refresh("UpdateZarvoniReport"); }
void UpdateGalaxyRecord(Game& g) { g.host.Refresh("UpdateGalaxyRecord"); }

void UpdateStatusPanel(Game& g) {
    g.host.Refresh("UpdateStatusPanel");
    CaptureEnemyStarbase(g);
}

std::string QuadrantSituationText(Game&) { return ""; }

}  // namespace kv
