#include "engine/tactical/DamageControl.h"

#include "engine/computer/Displays.h"
#include "engine/tactical/Damage.h"
#include "state/Numeric.h"

namespace kv {

void DamageControl(Game& g) {
    GameState& s = g.st;
    g.host.ShowForm(Form::frmDamageReport);
    UpdateDamageReport(g);
    if (s.SystemDamage[kDamageControl] > 0) {
        const std::string ask =
            s.SystemNames[kDamageControl] + g.Text("COMMANDS0001") + s.NewLine + g.Text("COMMANDS0002");
        if (MessageQuery(g, -1, ask, kYesNo | kExclamation) != kYes) return;
        if (g.Rnd() < 0.6f) {
            const int amount = static_cast<int>(Int(g.RndExact() * 150 + 1));
            const int hit = DamageSystem(g, amount, 0);
            const std::string name = hit >= 1 && hit <= kShipSystems ? s.SystemNames[static_cast<size_t>(hit)] : "";
            MessageBox(g, 0, g.Text("COMMANDS0003") + name + g.Text("COMMANDS0004"));
            return;
        }
        MessageBox(g, 0, g.Text("COMMANDS0005"));
        const double cost = static_cast<double>(s.SystemDamage[kDamageControl]) * 100;
        if (cost >= s.ShipEnergy) {
            MessageBox(g, 3,
                       g.Text("COMMANDS0007") + s.NewLine + g.Text("COMMANDS0008") +
                           Str(static_cast<long>(s.ShipEnergy)) + g.Text("COMMANDS0009"));
            UpdateDamageReport(g);
            s.DamageReportMode = kTrue;
            return;
        }
        s.ShipEnergy = CLng(static_cast<double>(s.ShipEnergy) - cost);
        s.SystemDamage[kDamageControl] = 0;
        MessageBox(g, 3, g.Text("COMMANDS0006"));
        UpdateDamageReport(g);
        UpdateCommandState(g);
    }
    double sum = 0;
    for (int i = 1; i <= kShipSystems; ++i) sum += s.SystemDamage[static_cast<size_t>(i)];
    if (sum == 0) {
        MessageBox(g, 2, g.Text("COMMANDS0010"));
        UpdateCommandState(g);
        return;
    }
    UpdateGeneralReport(g);
    MessageBox(g, 2,
               g.Text("COMMANDS0011") + s.NewLine + s.NewLine + g.Text("COMMANDS0012") +
                   Str(static_cast<long>(s.ShipEnergy)) + g.Text("COMMANDS0013"));
}

}  // namespace kv
