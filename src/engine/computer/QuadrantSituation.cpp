#include "engine/computer/Course.h"
#include "engine/computer/Displays.h"
#include "state/Numeric.h"

namespace kv {

std::string QuadrantSituationText(Game& g) {
    const GameState& s = g.st;
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    const long n = InGalaxy(qr, qc) ? static_cast<long>(Int(s.Galaxy[qr][qc] / 100.0)) : 0;
    if (n < 1) return g.Text("KVCOM0045");

    // Hostiles met in a quadrant not yet set up have the surprise.
    const double f = s.TacticalQuadRow == qr && s.TacticalQuadCol == qc ? 1.0 : 1.5;
    // Each step is rounded to a whole number, halves to even.
    long m = CLng(static_cast<double>(s.ShieldLevel) + s.ShipEnergy - EstimateShieldNeed(s) * f);
    const Single hostiles = static_cast<Single>(n * f);
    if (hostiles > s.TorpedoStockClass1)
        m = CLng(m - (static_cast<double>(hostiles) - s.TorpedoStockClass1) * 200);
    else
        m = CLng(m - 10 * n * f);
    m -= 80;
    for (int i = 1; i <= 8; ++i)
        if (s.SystemDamage[i] > 0) m = CLng(m - s.SystemDamage[i] / 2.0);

    const double maxEnergy = s.MaxEnergy, maxShields = s.MaxShields;
    const char* key = "KVCOM0053";
    if (m > maxEnergy - maxShields / 2)
        key = "KVCOM0046";
    else if (m > maxShields)
        key = "KVCOM0047";
    else if (m > maxShields / 2)
        key = "KVCOM0048";
    else if (m > 0.1 * maxEnergy)
        key = "KVCOM0049";
    else if (m >= 0)
        key = "KVCOM0050";
    else if (m > -0.1 * maxEnergy)
        key = "KVCOM0051";
    else if (m > -0.5 * maxEnergy)
        key = "KVCOM0052";
    return g.Text(key);
}

}  // namespace kv
