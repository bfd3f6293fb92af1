#include "engine/computer/TorpedoComputer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/computer/Course.h"
#include "engine/computer/FirePlan.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr int kTubes = 8;
constexpr int kRing = 28;

struct Aim {
    int slot = 0;  // Zarvoni slot, -10 the Zarvoni starbase, 0 none
    int col = 0, row = 0;
};

// The border ring of the quadrant, points 1..28: up the east edge, along the north edge to the
// west, down the west edge, along the south edge to the east.
struct RingPoint {
    int row = 0, col = 0;
};
std::array<RingPoint, kRing + 1> BorderRing() {
    std::array<RingPoint, kRing + 1> p{};
    for (int t = 1; t <= 7; ++t) {
        p[t] = {8 - t, 8};
        p[7 + t] = {1, 8 - t};
        p[14 + t] = {t, 1};
        p[21 + t] = {8, t};
    }
    return p;
}

int Wrap(int i) {
    while (i > kRing) i -= kRing;
    while (i < 1) i += kRing;
    return i;
}

bool SameCourse(double a, double b) { return std::fabs(a - b) < 1e-4; }

// The spread: up to m border points on the side of the quadrant that lies open before the ship.
std::vector<Aim> Spread(Game& g, int m) {
    GameState& s = g.st;
    const int r = s.ShipSectorRow, c = s.ShipSectorCol;

    // Directions 1..8 as the courses, 9..11 copies of 1..3, 12 always closed. A border within two
    // sectors closes the direction towards it and the diagonals beside it.
    std::array<bool, 13> open{};
    for (int d = 1; d <= 11; ++d) open[d] = true;
    if (8 - r <= 2) open[7] = false;
    if (8 - c <= 2) open[1] = false;
    if (r - 1 <= 2) open[3] = false;
    if (c - 1 <= 2) open[5] = false;
    if (!open[1]) open[2] = open[8] = false;
    if (!open[3]) open[4] = open[2] = false;
    if (!open[5]) open[6] = open[4] = false;
    if (!open[7]) open[8] = open[6] = false;
    open[9] = open[1];
    open[10] = open[2];
    open[11] = open[3];
    if (!open[5] && open[3] && open[7]) open[3] = false;
    if (!open[3]) open[2] = false;
    if (!open[2]) open[1] = false;

    const auto ring = BorderRing();
    std::array<double, kRing + 2> course{};
    for (int i = 1; i <= kRing; ++i) course[i] = CourseAndDistance(g, c, r, ring[i].col, ring[i].row) / 180.0 * 4 + 1;
    for (int i = 1; i <= kRing; ++i) {
        if (ring[i].row == r && ring[i].col == c) course[i] = (course[Wrap(i - 1)] + course[Wrap(i + 1)]) / 2;
    }
    course[kRing + 1] = course[1];
    course[0] = course[kRing];

    int start = 1;
    while (start < 12 && !open[start]) ++start;
    int end = 11;
    for (int d = start + 1; d <= 11; ++d) {
        if (!open[d]) {
            end = d;
            break;
        }
    }
    if (start == 1 && end > 9) end = 9;

    auto is = [&](int i, int d) { return SameCourse(course[Wrap(i)], d) || SameCourse(course[Wrap(i)], d - 8); };
    int t1 = 1;
    for (int i = 1; i <= kRing; ++i) {
        if (is(i, start)) {
            t1 = i;
            break;
        }
    }
    int t2 = t1 + kRing;
    for (int j = t1 + 1; j <= t1 + kRing; ++j) {
        if (is(j, end)) {
            t2 = j;
            break;
        }
    }
    for (int k = 0; k < kRing && course[Wrap(t1 + 1)] == course[Wrap(t1)]; ++k) ++t1;
    for (int k = 0; k < kRing && course[Wrap(t2 - 1)] == course[Wrap(t2)]; ++k) --t2;

    std::vector<Aim> out;
    auto take = [&](double x) {
        int i = static_cast<int>(Int(x));
        if (i > kRing) i -= kRing;
        i = Wrap(i);
        out.push_back({0, ring[i].col, ring[i].row});
    };
    if (s.LibTorSpreadType == 0) {
        for (int k = 0; k < m; ++k) take((t2 - t1 + 1) * g.RndExact() + t1);
    } else if (s.LibTorSpreadType == 1 && m > 0) {
        const double step = static_cast<double>(t2 - t1) / m;
        for (double x = t1; static_cast<int>(out.size()) < m && x <= t2 + 1e-9; x += step) take(x);
    }
    return out;
}

}  // namespace

void TorpedoAutoTarget(Game& g) {
    GameState& s = g.st;
    const Pointer before = g.host.MousePointer();
    g.host.SetMousePointer(Pointer::Hourglass);

    int count = 0;
    for (int k = 1; k <= 10; ++k)
        if (s.ZarvoniEnergy[k] > 0) ++count;
    const int mode = s.LibTorZarvonis >= 0 && s.LibTorZarvonis <= 2 ? s.LibTorZarvonis + 1 : 0;
    const auto& zb = s.ZarvoniBase;
    const bool baseHere = zb[1] == s.ShipQuadrantRow && zb[2] == s.ShipQuadrantCol && zb[0] == 0;
    const bool heldBack = zb[5] <= 0.25 * s.ZarvoniBaseStrength && s.LibTorZSBFireDisabled;
    const bool aimAtBase = baseHere && zb[5] >= 0 && s.LibTorZarvoniStarbase && !heldBack;

    // Torpedoes per ship: shared among the ships (and the starbase when it takes a ship's share)
    // in the third mode, rounded up, or down when the starbase shares.
    int perShip = mode == 2 ? 2 : 1;
    if (mode == 3) {
        const int b = baseHere && s.LibTorZarvoniStarbase && s.LibTorZSBAmount == 2 && !heldBack ? 1 : 0;
        // Nothing to share the tubes among: no aimed torpedo at all.
        if (count + b > 0) {
            const double share = static_cast<double>(kTubes) / (count + b);
            perShip = share == std::floor(share) ? static_cast<int>(share) : static_cast<int>(Int(share + 1 - b));
        }
    }
    if (perShip <= 0) perShip = 1;

    std::vector<Aim> aims(static_cast<size_t>(std::max(perShip * count, kTubes) + 1));
    for (int pass = 1; pass <= perShip; ++pass) {
        int k = 0;
        for (int slot = 1; slot <= 10; ++slot) {
            if (s.ZarvoniEnergy[slot] <= 0) continue;
            ++k;
            aims[static_cast<size_t>((pass - 1) * count + k)] = {slot, s.ZarvoniShips[2][slot],
                                                                 s.ZarvoniShips[1][slot]};
        }
    }
    // The sensors cannot place the ships.
    if (s.SystemDamage[kShortRangeSensors] > 0 || count == 0)
        for (auto& a : aims) a = {};

    const int stock = std::max<int>(0, s.TorpedoStockClass1);
    int n = std::min({count * perShip, kTubes, stock});
    int listed = n;
    if (aimAtBase) {
        switch (s.LibTorZSBAmount) {
            case 0: listed = kTubes; break;
            case 1: n = 0, listed = kTubes; break;
            case 2: listed = n + perShip; break;
            default: break;
        }
        for (int i = n + 1; i <= kTubes; ++i)
            aims[static_cast<size_t>(i)] = {-10, static_cast<int>(zb[4]), static_cast<int>(zb[3])};
    }

    // A spread needs ships to spread against.
    if (s.LibTorSpread && count >= 1 && count >= Val(s.LibTorSpreadZarvonis)) {
        const std::vector<Aim> spread = Spread(g, std::min(kTubes, stock));
        for (size_t i = 0; i < spread.size(); ++i) aims[i + 1] = spread[i];
        listed = static_cast<int>(spread.size());
    }

    listed = std::max(0, std::min({listed, kTubes, stock}));
    s.TorpedoPlan.clear();
    const std::string first = g.Text("KVCOM0042"), second = g.Text("KVCOM0043") + " ";
    for (int i = 1; i <= listed; ++i) {
        const Aim& a = aims[static_cast<size_t>(i)];
        const double dr = a.row - s.ShipSectorRow, dc = a.col - s.ShipSectorCol;
        s.TorpedoPlan.push_back(TorpedoEntryText(0, first, std::sqrt(dr * dr + dc * dc), second, a.row, a.col));
    }
    g.host.Refresh(View::TorpedoPlan);
    g.host.SetMousePointer(before);
}

}  // namespace kv
