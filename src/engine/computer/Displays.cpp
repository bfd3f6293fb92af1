#include "engine/computer/Displays.h"

namespace kv {

void UpdateBars(Game& g) { g.host.Refresh(View::Bars); }
void UpdateDamageReport(Game& g) { g.host.Refresh(View::DamageReport); }
void UpdateGeneralReport(Game& g) { g.host.Refresh(View::GeneralReport); }
void UpdateBaseReport(Game& g) { g.host.Refresh(View::BaseReport); }
void UpdateZarvoniReport(Game& g) { g.host.Refresh(View::ZarvoniReport); }

}  // namespace kv
