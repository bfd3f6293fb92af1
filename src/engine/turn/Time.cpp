#include "engine/turn/Time.h"

#include <algorithm>
#include <cmath>

#include "engine/computer/Displays.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// Kept to hundredths: rounds down after adding a tenth of a hundredth, so that a value a float
// cannot hold exactly (1.23 as 1.2299999) keeps its last digit.
Single ToHundredths(Single v) {
    const double scaled = static_cast<double>(v * 100.0f) + 0.1;
    return static_cast<Single>(Int(scaled) / 100.0);
}

// A starbase's strength after `amount` units of recovery towards `full`.
Long Recover(Long strength, Single amount, Long full, Single rate) {
    const double gain = static_cast<double>(2.0f * amount) * full / rate;
    const Long v = CLng(static_cast<double>(strength) + gain);
    return v > full ? full : v;
}

}  // namespace

void PassTime(Game& g, Single amount) {
    GameState& s = g.st;
    if (std::isnan(amount)) return;
    if (amount < 0) {
        s.TimeOffset -= amount;
        UpdateGeneralReport(g);
        return;
    }

    // Repairs: a unit of damage per unit of time; systems out of action (7.0 and above) wait
    // for a retrofit or a dock.
    for (int i = 1; i <= 8; ++i) {
        const Single damage = s.SystemDamage[i];
        const Single candidate = damage < 7.0f ? damage - amount : damage;
        if (damage > 0 && candidate <= 0) {
            PrintOutput(g, g.Text("KVGAME0166"));
            PrintOutput(g, s.SystemNames[i] + g.Text("KVGAME0167"));
            s.SystemDamage[i] = 0;
            UpdateCommandState(g);
            UpdateDamageReport(g);
        } else {
            const Single v = ToHundredths(candidate);
            s.SystemDamage[i] = v < 0 ? 0.0f : v;
        }
    }

    // Starbases recover from 0 to full in RepairRate / 2 units; a friendly base only while no
    // Zarvoni ship shares its quadrant.
    const bool rateOk = s.RepairRate > 0;
    for (int j = 1; j <= 3 && rateOk; ++j) {
        const Long row = s.Starbases[1][j], col = s.Starbases[2][j];
        if (row < 0 || row > 8 || col < 0 || col > 8) continue;
        if (s.Galaxy[row][col] < 100 && s.Starbases[3][j] >= 0)
            s.Starbases[3][j] = Recover(s.Starbases[3][j], amount, s.MaxStarbaseStrength, s.RepairRate);
    }
    if (rateOk && s.ZarvoniBase[5] >= 0)
        s.ZarvoniBase[5] = Recover(s.ZarvoniBase[5], amount, s.ZarvoniBaseStrength, s.RepairRate);

    // Cloaked ships of the ship's quadrant lose 5 x amount of energy per hundredth of the
    // charge, both ends included (0.2 gives 21 rounds, 0 one round), until they fall below 20
    // and show themselves. A ship at 20 or less is not drained further.
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    if (qr >= 1 && qr <= 8 && qc >= 1 && qc <= 8) {
        // A charge of a few units gives a few hundred rounds; the count is bounded so that an
        // outsized charge still converts (every ship has fallen below 20 long before).
        const double hundredths = std::min(std::floor(static_cast<double>(amount) * 100.0 + 1e-3), 1e7);
        const long long rounds = static_cast<long long>(hundredths) + 1;
        int ships = s.CloakedPerQuadrant[qr - 1][qc - 1];
        if (ships > 5) ships = 5;
        for (int j = 1; j <= ships; ++j) {
            for (long long k = 0; k < rounds && s.CloakedEnergy[j] > 20; ++k) {
                s.CloakedEnergy[j] = CInt(static_cast<Single>(s.CloakedEnergy[j]) - 5.0f * amount);
                if (s.CloakedEnergy[j] < 20) {
                    const int row = s.CloakedShips[1][j], col = s.CloakedShips[2][j];
                    if (row >= 1 && row <= 8 && col >= 1 && col <= 8) g.host.Scan().DrawSector(row, col, 9);
                    PrintOutput(g, s.EnemyText + g.Text("KVGAME0168") + Str(row) + " ," + Str(col));
                    break;
                }
            }
        }
    }

    s.TimeLeft -= amount;
    s.TimeLeft = ToHundredths(s.TimeLeft);
    UpdateGeneralReport(g);
    UpdateBars(g);
}

}  // namespace kv
