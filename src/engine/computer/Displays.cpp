#include "engine/computer/Displays.h"

namespace kv {

void UpdateBars(Game& g) { g.host.Refresh(View::Bars); }
void UpdateCommandState(Game& g) { g.host.Refresh(View::CommandState); }
void UpdateDamageReport(Game& g) { g.host.Refresh(View::DamageReport); }
void UpdateGeneralReport(Game& g) { g.host.Refresh(View::GeneralReport); }
void UpdateBaseReport(Game& g) { g.host.Refresh(View::BaseReport); }
void UpdateZarvoniReport(Game& g) { g.host.Refresh(View::ZarvoniReport); }
void UpdateGalaxyRecord(Game& g) { g.host.Refresh(View::GalaxyChart); }

}  // namespace kv
