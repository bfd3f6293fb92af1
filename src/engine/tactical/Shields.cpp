#include "engine/tactical/Shields.h"

#include "engine/computer/Displays.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// The hostiles that make the Auto button worth offering: the standing hostile starbase of the
// ship's quadrant, and every Zarvoni and cloaked ship of the quadrant with energy left.
int HostilesPresent(const GameState& s) {
    int count =
        s.ZarvoniBase[0] == 0 && s.ZarvoniBase[1] == s.ShipQuadrantRow && s.ZarvoniBase[2] == s.ShipQuadrantCol ? 1 : 0;
    for (int i = 1; i <= 10; ++i)
        if (s.ZarvoniEnergy[i] > 0) ++count;
    for (int i = 1; i <= 5; ++i)
        if (s.CloakedEnergy[i] > 0) ++count;
    return count;
}

}  // namespace

void SetShields(Game& g, int mode) {
    GameState& s = g.st;
    if (mode == 0 && s.Docked) {
        MessageBox(g, -1, g.Text("KVBASIC0249"), 0);
        return;
    }
    UpdateBars(g);

    // Lower the shields: their energy goes back to the ship while the dialog is open.
    const Integer old = s.ShieldLevel;
    s.ShieldLevel = 0;
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) + old);

    const bool autoAllowed = mode != 1 && HostilesPresent(s) > 0 && s.SystemDamage[kShortRangeSensors] <= 0 &&
                             s.SystemDamage[kComputer] <= 0;
    s.LibComputerState[0] = old;
    s.LibComputerState[1] = autoAllowed ? 0 : 1;

    g.host.RunModal(Form::frmSHE);

    PrintOutput(g, "");
    if (s.ShieldLevel > old) {
        PrintOutput(g, g.Text("KVBASIC0250") + Str(s.ShieldLevel) + " *");
        PlaySound(g, "SHIELDUP.WAV");
    } else if (s.ShieldLevel < old) {
        PrintOutput(g, g.Text("KVBASIC0251") + Str(s.ShieldLevel) + " *");
        PlaySound(g, "SHIELDDN.WAV");
    } else {
        PrintOutput(g, g.Text("KVBASIC0252"));
    }
    if (s.ShieldLevel != old) s.ShieldsChanged = kTrue;
    UpdateBars(g);
}

}  // namespace kv
