#include "engine/tactical/SolarSystemEntry.h"

#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Refresh.h"
#include "state/ConsoleState.h"

namespace kv {
namespace {

std::string TrimBlanks(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

void EnterSolarSystem(Game& g) {
    GameState& s = g.st;
    const int n = FindSolarSystem(s, s.ShipSectorRow, s.ShipSectorCol);
    if (n == 0) {
        RefreshAll(g);
        return;
    }
    const SolarSystemRecord& rec = s.StarSystem(s.ShipQuadrantRow, s.ShipQuadrantCol, n);
    PrintOutput(g, g.Text("KVBASIC0027") + TrimBlanks(rec.Name));
    g.host.HideForm(Form::frmSRS);
    s.EnteringSystem = kTrue;
    g.host.SetMousePointer(Pointer::Default);
    g.host.RunModal(Form::frmSSControl);
    // However the visit ended, the console keeps no picture of this system.
    g.console.DrawingsCleared = true;
    g.host.Refresh(View::SSConsole);
    if (!s.GameRunning) return;
    g.host.ShowForm(Form::frmSRS);
    RefreshAll(g);
}

}  // namespace kv
