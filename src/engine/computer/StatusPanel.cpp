#include "engine/computer/StatusPanel.h"

#include "engine/turn/Capture.h"
#include "engine/turn/Condition.h"
#include "platform/Strings.h"
#include "state/DisplayData.h"

namespace kv {

void UpdateStatusPanel(Game& g) {
    GameState& s = g.st;
    const bool inGalaxy = InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol);

    // 1: a starbase that still stands calls for help.
    int calling = 0;
    for (int b = 1; b <= 3; ++b)
        if (s.Starbases[3][b] >= 0 && s.StarbaseFlags[b] != 0) ++calling;
    SetStatusItem(g, 1, calling > 0);

    // 2: hostiles here: the Zarvoni starbase, cloaked ships and Zarvoni ships with energy.
    const int cloaked = inGalaxy ? s.CloakedPerQuadrant[s.ShipQuadrantRow - 1][s.ShipQuadrantCol - 1] : 0;
    int hostiles = cloaked;
    if (s.ZarvoniBase[0] == 0 && s.ZarvoniBase[1] == s.ShipQuadrantRow && s.ZarvoniBase[2] == s.ShipQuadrantCol)
        ++hostiles;
    for (int i = 1; i <= 10; ++i)
        if (s.ZarvoniEnergy[i] > 0) ++hostiles;
    SetStatusItem(g, 2, hostiles > 0);

    // Its caption: cloaked ships make it blink with a warning.
    if (cloaked > 0) {
        if (s.LampCaption[2] != g.Text("KVCOM0074")) {
            s.LampCaption[2] = g.Text("KVCOM0075");
            g.displays.blink.Lamp = 2;
            g.SetTimer(Timer::frmStatus_tmrBlink, true);
        }
    } else {
        s.LampCaption[2] = " " + UpperCase(s.EnemysText) + g.Text("KVCOM0076");
    }

    // 3: damage; 4: docked.
    int damaged = 0;
    for (int i = 1; i <= 8; ++i)
        if (s.SystemDamage[i] > 0) ++damaged;
    SetStatusItem(g, 3, damaged > 0);
    SetStatusItem(g, 4, s.Docked);

    // 5 shows what the capture check decides.
    CaptureEnemyStarbase(g);
    SetStatusItem(g, 5, s.ZarvoniBase[0] != 0);

    // 6: a fifth of the time or less is left; a mission without a time limit never runs short.
    const double share =
        s.TotalTime == 0 ? 1.0 : (static_cast<double>(s.TimeOffset) + s.TimeLeft) / static_cast<double>(s.TotalTime);
    SetStatusItem(g, 6, s.MissionType != 3 && share <= 0.2);

    g.host.Refresh(View::StatusPanel);
}

}  // namespace kv
