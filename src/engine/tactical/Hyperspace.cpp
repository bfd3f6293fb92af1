#include "engine/tactical/Hyperspace.h"

#include <string>

#include "engine/computer/AutoShields.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/Damage.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/tactical/WeaponEffects.h"
#include "engine/turn/Condition.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Time.h"
#include "platform/Strings.h"
#include "state/Numeric.h"

namespace kv {
namespace {

Integer RandomCoordinate(Game& g) { return static_cast<Integer>(Int(g.RndExact() * 8 + 1)); }

// A system hit by the jump: the short-range scan is redrawn when it was its sensors.
void AfterSystemHit(Game& g, int system) {
    if (system == 2) SRS(g);
}

}  // namespace

void Hyperspace(Game& g) {
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    const bool held = g.TimerEnabled(Timer::frmSRS_tmrMorvTractor);
    const long style = kYesNo + kExclamation;
    if (!held && MessageQuery(g, -1, g.Text("KVBASIC0146") + nl + g.Text("KVBASIC0147"), style) == kNo) return;
    if (MessageQuery(g, -1, g.Text("KVBASIC0148") + nl + g.Text("KVBASIC0149"), style) == kNo) return;

    SetFormsEnabled(g, false);
    PrintOutput(g, "");
    PrintOutput(g, g.Text("KVBASIC0150"));
    PrintOutput(g, "");

    HideSRSOverlays(g);
    ResetSRSCells(g);
    if (86400 - g.host.TimeOfDay() < 6) g.host.RunModal(Form::frmEgg);
    for (int frame = 1; frame <= 8; ++frame) {
        // Each frame flashes in its own colour between red and yellow.
        const long green = CInt(g.Rnd() * 255.0f);
        g.host.Scan().HyperspaceFlash(frame, 255 + 256 * green);
        PlaySound(g, "HYP.WAV");
        // The flash keeps its own pace, whatever the game's speed.
        g.host.Wait(0.236);
    }
    g.host.Scan().HyperspaceFlash(0, 0);

    // A "/STAR:" target draws every jump to its quadrant.
    if (!s.StarTarget.empty() && InGalaxy(s.StarTargetRow, s.StarTargetCol)) {
        s.ShipQuadrantRow = s.StarTargetRow;
        s.ShipQuadrantCol = s.StarTargetCol;
    } else {
        s.ShipQuadrantRow = RandomCoordinate(g);
        s.ShipQuadrantCol = RandomCoordinate(g);
    }
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    // Never on a star system: the first system's sector, drawn again while any system names it
    // (or, in a quadrant without systems, while it is no sector at all).
    const SolarSystemRecord& first = s.StarSystem(qr, qc, 1);
    s.ShipSectorRow = first.SectorRow;
    s.ShipSectorCol = first.SectorCol;
    s.Docked = kFalse;
    s.HyperspaceFlag = 0;
    while (!InGrid(s.ShipSectorRow) || !InGrid(s.ShipSectorCol) ||
           FindSolarSystem(g, s.ShipSectorRow, s.ShipSectorCol) > 0) {
        s.ShipSectorRow = RandomCoordinate(g);
        s.ShipSectorCol = RandomCoordinate(g);
    }

    s.LampCaption[2] = " " + UpperCase(s.EnemysText) + g.Text("KVBASIC0151");
    g.host.Refresh(View::Lamps);
    s.QuadrantChanged = kTrue;
    s.KnownGalaxy[qr][qc] = s.Galaxy[qr][qc];
    UpdateGalaxyRecord(g);

    // Tearing free of the tractor beam costs a system, perhaps two.
    if (held) {
        AfterSystemHit(g, DestroySystem(g, 0));
        if (!s.GameRunning) return;
        if (g.Rnd() > 0.5f) {
            AfterSystemHit(g, DestroySystem(g, 0));
            if (!s.GameRunning) return;
        }
    }
    const int hits = static_cast<int>(Int(g.RndExact() * 4.999));
    for (int i = 0; i < hits; ++i) {
        const int amount = static_cast<int>(Int(g.RndExact() * 300 + 100));
        AfterSystemHit(g, DamageSystem(g, amount, 0));
        if (!s.GameRunning) return;
        Pause(g, 0.1);
    }
    if (!s.GameRunning) return;

    PrintOutput(g, "");
    PrintOutput(g, g.Text("KVBASIC0152") + Str(qr) + " ," + Str(qc));
    PrintOutput(g, "");
    // The hostiles met in the new quadrant fire at once: a ship lost to them ends the jump
    // before the alert is sounded.
    SRS(g);
    if (!s.GameRunning) return;
    UpdateCondition(g);
    if (!s.GameRunning) return;

    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - 5);
    RaiseLowerShields(g, 1);
    PassTime(g, 0.2f);

    // The automatic long-range scan, when its option is on and can be used (the long-range
    // sensors not out of action); damaged sensors skip it.
    if (s.ComAutoLRS && s.SystemDamage[kLongRangeSensors] < 7.0f && !s.LRSDone &&
        s.SystemDamage[kLongRangeSensors] <= 0) {
        PrintOutput(g, g.Text("COM0001"));
        PassTime(g, 0.05f);
        LRS(g);
        UpdateGalaxyRecord(g);
        if (g.host.IsFormVisible(Form::frmGalaxy)) g.host.ShowForm(Form::frmGalaxy);
    }
    RefreshAll(g);
}

}  // namespace kv
