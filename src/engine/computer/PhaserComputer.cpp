#include "engine/computer/PhaserComputer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/computer/FirePlan.h"
#include "state/Numeric.h"

namespace kv {

void PhaserAutoTarget(Game& g) {
    GameState& s = g.st;
    g.host.SetMousePointer(Pointer::Hourglass);

    struct Aim {
        int slot = 0;  // Zarvoni slot, -10 the Zarvoni starbase, 0 unknown
        int col = 0, row = 0;
    };
    std::array<Aim, 11> aims{};
    int count = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        if (s.ZarvoniEnergy[slot] <= 0) continue;
        ++count;
        aims[static_cast<size_t>(count)] = {slot, s.ZarvoniShips[2][slot], s.ZarvoniShips[1][slot]};
    }
    // The sensors cannot place the ships.
    if (s.SystemDamage[kShortRangeSensors] > 0 || count == 0) aims = {};

    int n = std::min(count, 8);
    const auto& zb = s.ZarvoniBase;
    if (n < 8 && zb[1] == s.ShipQuadrantRow && zb[2] == s.ShipQuadrantCol && zb[0] == 0 && s.LibPhaZarvoniStarbase) {
        ++n;
        aims[static_cast<size_t>(n)] = {-10, static_cast<int>(zb[4]), static_cast<int>(zb[3])};
    }

    s.PhaserPlan.clear();
    const std::string prefix = g.Text("KVCOM0086") + " ", middle = g.Text("KVCOM0087") + " ";
    for (int j = 1; j <= n; ++j) {
        const Aim& a = aims[static_cast<size_t>(j)];
        const double dc = s.ShipSectorCol - a.col, dr = s.ShipSectorRow - a.row;
        const double d = static_cast<Single>(std::sqrt(dc * dc + dr * dr));
        double amount = 0;
        std::string slotText;
        if (a.slot > 0) {
            const double e = s.ZarvoniEnergy[static_cast<size_t>(a.slot)];
            amount = 5 * Int((e / 2 * d + 5) / 5);
            if (s.LibPhaKillOrDisable == 1) amount = Int(amount / e * (e - 18));
            slotText = std::to_string(a.slot);
        } else if (a.slot == 0) {
            amount = 1;
            slotText = "0";
        } else {
            amount = Int(Val(s.LibPhaZSBEnergyFire));
            slotText = "B";
        }
        // A ship already weaker than the disable mode leaves it gets nothing, never a negative
        // amount.
        amount = std::clamp(amount, 0.0, 2147483647.0);
        s.PhaserPlan.push_back(
            PhaserEntryText(prefix, a.row, a.col, "Z" + slotText, middle, static_cast<long>(amount)));
    }
    ParsePhaserTarget(g);
    g.host.SetMousePointer(Pointer::Default);
}

}  // namespace kv
