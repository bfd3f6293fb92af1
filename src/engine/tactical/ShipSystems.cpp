#include "engine/tactical/ShipSystems.h"

#include "engine/computer/Displays.h"
#include "state/Numeric.h"

namespace kv {

void LowerShields(Game& g) {
    GameState& s = g.st;
    if (s.ShieldLevel == 0 || s.SystemDamage[kComputer] + s.SystemDamage[kShields] != 0.0f) return;
    PrintOutput(g, g.Text("KVBASIC0176"));
    PlaySound(g, "SHIELDDN.WAV");
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) + s.ShieldLevel);
    s.ShieldLevel = 0;
    UpdateBars(g);
}

}  // namespace kv
