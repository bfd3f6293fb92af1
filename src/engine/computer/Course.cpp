#include "engine/computer/Course.h"

#include <algorithm>
#include <cmath>

#include "state/Numeric.h"

namespace kv {
namespace {

constexpr double kPi = 3.14159265358979;

// Straight distance in sectors between two positions.
double SectorDistance(double row1, double col1, double row2, double col2) {
    double dr = row1 - row2, dc = col1 - col2;
    return std::sqrt(dr * dr + dc * dc);
}

}  // namespace

Single CourseAndDistance(GameState& st, int fromCol, int fromRow, int toCol, int toRow) {
    // North (falling row numbers) counts positive.
    const Single dx = static_cast<Single>(toCol - fromCol);
    const Single dy = static_cast<Single>(fromRow - toRow);
    st.CalcDistance = std::sqrt(dy * dy + dx * dx);
    if (dx == 0) {
        const bool up = dy >= 0;
        st.CalcCourse = static_cast<Single>(up ? kPi / 2 : kPi + kPi / 2);
        return up ? 90.0f : 270.0f;
    }
    Single degrees = static_cast<Single>(std::atan(static_cast<double>(dy) / dx) / kPi * 180.0);
    if (dx < 0) degrees += 180.0f;
    if (degrees < 0) degrees += 360.0f;
    st.CalcCourse = static_cast<Single>(degrees / 180.0 * kPi);
    return degrees;
}

Single CourseAndDistance(Game& g, int fromCol, int fromRow, int toCol, int toRow) {
    return CourseAndDistance(g.st, fromCol, fromRow, toCol, toRow);
}

Integer EstimateShieldNeed(const GameState& st) {
    const int qr = st.ShipQuadrantRow, qc = st.ShipQuadrantCol;
    const double sr = st.ShipSectorRow, sc = st.ShipSectorCol;
    // The threat sum is kept wide and brought back into 16 bits at the end: the game's
    // energies keep it far below the limit, but a corrupted table must not overflow it.
    long long sum = 0;

    // The hostile starbase, unless it is captured, or both guarded by four or more ships and
    // still at half strength or more.
    const auto& zb = st.ZarvoniBase;
    if (zb[1] == qr && zb[2] == qc && zb[0] == 0) {
        const bool guarded = qr >= 1 && qr <= 8 && qc >= 1 && qc <= 8 && st.Galaxy[qr][qc] >= 400;
        const bool strong = zb[5] >= 0.5 * st.ZarvoniBaseStrength;
        if (!(guarded && strong)) {
            double d = std::max(1.0, SectorDistance(zb[3], zb[4], sr, sc));
            sum += static_cast<long long>(Int(110.0 / d + 35.0)) * 8;
        }
    }
    for (int i = 10; i >= 1; --i) {
        if (st.ZarvoniEnergy[i] <= 0) continue;
        double d = SectorDistance(st.ZarvoniShips[1][i], st.ZarvoniShips[2][i], sr, sc);
        sum += static_cast<long long>(Int(((10 - d) * (10 - d) + 10) * (st.ZarvoniEnergy[i] / 20.0))) + 10;
    }
    for (int i = 5; i >= 1; --i) {
        if (st.CloakedEnergy[i] <= 0) continue;
        double d = SectorDistance(st.CloakedShips[1][i], st.CloakedShips[2][i], sr, sc);
        sum += static_cast<long long>(Int(((10 - d) * (10 - d) + 10) * (st.CloakedEnergy[i] / 18.0))) + 10;
    }
    const Integer threat = Clamp16(sum);
    const Long r = CLng(static_cast<double>(threat) * st.ShieldFactor);
    Integer estimate = Clamp16(static_cast<long long>(Int(r / 50.0)) * 50 + 100);
    if (st.MorvShip[1] == qr && st.MorvShip[2] == qc) estimate = st.MaxShields;
    return estimate;
}

Integer EstimateShieldNeed(Game& g) { return EstimateShieldNeed(g.st); }

}  // namespace kv
