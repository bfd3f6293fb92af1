#include "engine/computer/AutoShields.h"

#include "engine/computer/Course.h"
#include "engine/computer/Displays.h"
#include "state/Numeric.h"

namespace kv {
namespace {

double Reserve(const GameState& s) { return Val(s.LibShieldReserve); }

// Hostiles of the ship's quadrant that call for shields: cloaked ships, the hostile starbase
// while it is hostile, the Morv ship and the Zarvoni ships still alive.
int HostilesHere(const GameState& s) {
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    int count = InGalaxy(qr, qc) ? s.CloakedPerQuadrant[qr - 1][qc - 1] : 0;
    if (s.ZarvoniBase[1] == qr && s.ZarvoniBase[2] == qc && s.ZarvoniBase[0] == 0) ++count;
    if (s.MorvShip[1] == qr && s.MorvShip[2] == qc) ++count;
    for (int i = 1; i <= 10; ++i)
        if (s.ZarvoniEnergy[i] > 0) ++count;
    return count;
}

}  // namespace

void AutoShields(Game& g) {
    GameState& s = g.st;
    if (s.Docked) {
        MessageBox(g, -1, g.Text("KVCOM0088"), 0);
        return;
    }
    const int option = s.LibShieldLevel >= 1 && s.LibShieldLevel <= 3 ? s.LibShieldLevel : 0;
    Integer level = 0;
    if (option == 1) {
        level = s.MaxShields;
    } else if (option == 2) {
        level = EstimateShieldNeed(s);
    } else if (option == 3) {
        level = EstimateShieldNeed(s);
        if (s.ShipEnergy - Reserve(s) < level) level = 0;
    }
    if (level > s.MaxShields) level = s.MaxShields;
    if (s.ShipEnergy - Reserve(s) < level) level = CInt(s.ShipEnergy - Reserve(s));
    if (level < 0) level = 0;
    s.ShieldLevel = level;
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - level);
}

void RaiseLowerShields(Game& g, int arrival) {
    GameState& s = g.st;
    if (arrival != 0 && (s.TacticalQuadRow != s.ShipQuadrantRow || s.TacticalQuadCol != s.ShipQuadrantCol))
        s.ShieldRaisePending = kTrue;

    if ((arrival == 0 && s.LibShieldFrequency == 1) || !s.ComAutoShields || s.LibShieldFrequency == 2) return;
    if (s.Docked || s.ShieldsChanged) return;
    if (s.ComAutoShieldsColor != 0 || s.SystemDamage[kComputer] > 0) {
        if (s.ShieldRaisePending) {
            PlaySound(g, "NOTRESP.WAV");
            s.ShieldRaisePending = kFalse;
        }
        return;
    }

    s.ShieldRaisePending = kTrue;
    const Integer oldLevel = s.ShieldLevel;
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) + oldLevel);
    if (s.SystemDamage[kShortRangeSensors] <= 0 && HostilesHere(s) >= 1 && s.SystemDamage[kComputer] <= 0) {
        AutoShields(g);
    } else {
        s.ShieldLevel = oldLevel;
        s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - oldLevel);
    }

    if (s.ShieldLevel != oldLevel) {
        const bool up = s.ShieldLevel > oldLevel;
        PrintOutput(g, "");
        PrintOutput(g, g.Text(up ? "KVCOM0089" : "KVCOM0090") + Str(s.ShieldLevel) + " *");
        PlaySound(g, up ? "SHIELDUP.WAV" : "SHIELDDN.WAV", 16);
    }
    UpdateBars(g);
}

}  // namespace kv
