#include "engine/tactical/Tractor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/tactical/ShortRangeScan.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr int kFirstLine = 10, kLastLine = 14;  // the tractor beam's lines

enum class Payer { Starbase, ZarvoniBase, Morv };

int Sgn(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// Redraws a sector cell, unless damaged short-range sensors cannot see it.
void DrawSeen(Game& g, int row, int col, int icon) {
    if (g.st.SystemDamage[kShortRangeSensors] != 0 && !InSensorWindow(g.st, row, col)) return;
    DrawSector(g, row, col, icon);
}

// The picture of a cell the towed ship leaves: the starbase it passed over, or nothing.
int IconOf(const GameState& s, int row, int col, Integer under) {
    if (under == kStarbase) return kIconStarbase;
    if (under != kZarvoniStarbase) return kIconEmpty;
    const bool captured = s.ZarvoniBase[0] != 0 && s.ZarvoniBase[3] == row && s.ZarvoniBase[4] == col;
    return captured ? kIconZarvoniBaseCaptured : kIconZarvoniBase;
}

}  // namespace

void TractorTow(Game& g, int ship, int base) {
    GameState& s = g.st;
    if (ship < 1 || ship > 10 || base < 0 || base > 3) return;
    int t1 = s.ZarvoniShips[1][ship], t2 = s.ZarvoniShips[2][ship];
    if (!InGrid(t1) || !InGrid(t2)) return;  // a slot with no ship on the grid

    const bool morvHere = s.MorvShip[1] == s.ShipQuadrantRow && s.MorvShip[2] == s.ShipQuadrantCol;
    const bool live = s.ZarvoniEnergy[ship] > 0;

    // Where the beam pulls to, and who pays for it.
    int p1 = 0, p2 = 0;
    int pullerIcon = kIconMorv;
    if (base != 0 && !(live && morvHere)) {
        p1 = s.StarbaseSectors[1][base], p2 = s.StarbaseSectors[2][base];
        pullerIcon = kIconStarbase;
    } else if (base == 0 && (!live || !morvHere)) {
        p1 = static_cast<int>(s.ZarvoniBase[3]), p2 = static_cast<int>(s.ZarvoniBase[4]);
        pullerIcon = s.ZarvoniBase[0] != 0 ? kIconZarvoniBaseCaptured : kIconZarvoniBase;
    } else {
        p1 = s.MorvShip[3], p2 = s.MorvShip[4];
    }
    if (!InGrid(p1) || !InGrid(p2)) return;
    const Payer payer = base != 0 ? Payer::Starbase : !morvHere ? Payer::ZarvoniBase : Payer::Morv;

    const bool morvColours = morvHere && live;
    if (morvColours) g.host.Scan().SetTractorBeamColours(true);
    auto ownColours = [&] {
        if (morvColours) g.host.Scan().SetTractorBeamColours(false);
    };

    const int d = std::max(std::abs(p1 - t1), std::abs(p2 - t2));
    const long long need = d * 100LL + 200;
    switch (payer) {
        case Payer::Starbase:
            if (s.Starbases[3][base] < need) return ownColours();
            break;
        case Payer::ZarvoniBase:
            if (s.ZarvoniBase[5] < need) return ownColours();
            break;
        case Payer::Morv:
            if (s.MorvStrength < need || d > 3) return ownColours();
            break;
    }

    for (int i = kFirstLine; i <= kLastLine; ++i) g.host.Scan().AnimateSectorMove(p1, p2, t1, t2, i);

    // Sector by sector towards the puller; the path is at most seven steps long, the bound only
    // keeps a malformed position from looping.
    int steps = 0;
    bool moving = true;
    // A starbase on the path is passed over: its cell keeps its code while the ship crosses
    // it, and a ship that stops stops on the last sector it held alone.
    Integer under = kEmpty;
    int free1 = t1, free2 = t2;
    for (int round = 0;; ++round) {
        if ((std::abs(t2 - p2) < 2 && std::abs(t1 - p1) < 2) || !moving || round > 64) {
            // The puller pays for the steps made and takes its own cell back.
            const long long cost = steps * 100LL;
            switch (payer) {
                case Payer::Starbase:
                    if (InGrid(s.StarbaseSectors[1][base]) && InGrid(s.StarbaseSectors[2][base]))
                        s.SectorGrid[s.StarbaseSectors[1][base]][s.StarbaseSectors[2][base]] = kStarbase;
                    s.Starbases[3][base] = Clamp32(s.Starbases[3][base] - cost);
                    break;
                case Payer::ZarvoniBase:
                    if (InGrid(s.ZarvoniBase[3]) && InGrid(s.ZarvoniBase[4]))
                        s.SectorGrid[s.ZarvoniBase[3]][s.ZarvoniBase[4]] = kZarvoniStarbase;
                    s.ZarvoniBase[5] = Clamp32(s.ZarvoniBase[5] - cost);
                    break;
                case Payer::Morv:
                    if (InGrid(s.MorvShip[3]) && InGrid(s.MorvShip[4]))
                        s.SectorGrid[s.MorvShip[3]][s.MorvShip[4]] = kMorv;
                    s.MorvStrength = Clamp32(s.MorvStrength - cost);
                    break;
            }
            if (round > 64) moving = false;
            break;
        }
        ++steps;
        s.SectorGrid[t1][t2] = under;
        int n1 = t1 + Sgn(Int((p1 - t1) / std::fabs(p2 - t2 + 0.01) + 0.25));
        int n2 = t2 + Sgn(Int((p2 - t2) / std::fabs(p1 - t1 + 0.01) + 0.25));
        const Integer next = s.SectorGrid[n1][n2];
        if (next >= 1 && next != kStarbase && next != kZarvoniStarbase) {
            // Blocked: the beam strains at the ship where it stands.
            n1 = t1, n2 = t2;
            for (int k = 0; k < 10; ++k) {
                for (int i = kFirstLine; i <= kLastLine; ++i) g.host.Scan().AnimateSectorMove(p1, p2, t1, t2, i);
                g.host.Refresh(View::ShortRangeScan);
                PlaySound(g, "TRACTOR.WAV");
            }
            moving = false;
        } else {
            moving = true;
            PlaySound(g, "TRACTOR.WAV");
            for (int i = kFirstLine; i <= kLastLine; ++i) g.host.Scan().AnimateSectorMove(p1, p2, n1, n2, i);
            DrawSeen(g, t1, t2, IconOf(s, t1, t2, under));
            under = next == kStarbase || next == kZarvoniStarbase ? next : static_cast<Integer>(kEmpty);
            DrawSeen(g, n1, n2, s.ZarvoniEnergy[ship] >= 1 ? kIconZarvoni : kIconZarvoniSpent);
        }
        g.host.Scan().ShowBeamLines(kFirstLine, kLastLine, true);
        g.host.Refresh(View::ShortRangeScan);
        Pause(g, 0.3);
        t1 = n1, t2 = n2;
        if (under == kEmpty) free1 = t1, free2 = t2;
    }
    g.host.Scan().ShowBeamLines(kFirstLine, kLastLine, false);

    if (moving) {
        // The ship reached its puller and leaves the quadrant.
        if (morvHere && base == 0)
            PrintOutput(g, g.Text("KVBASIC0244") + s.StrongEnemyText + g.Text("KVBASIC0245") + s.EnemyText +
                               g.Text("KVBASIC0246"));
        else
            PrintOutput(g, g.Text("KVBASIC0247") + s.EnemyText + g.Text("KVBASIC0248"));
        PlaySound(g, "ZDOCK.WAV");
        s.SectorGrid[t1][t2] = under;
        DrawSeen(g, t1, t2, IconOf(s, t1, t2, under));
        s.ZarvoniShips[1][ship] = 0;
        s.ZarvoniShips[2][ship] = 0;
        const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
        if (s.ZarvoniEnergy[ship] > 0 && InGalaxy(qr, qc)) s.Galaxy[qr][qc] = Clamp16(s.Galaxy[qr][qc] - 100);
        if (morvHere) {
            const long long cap = 1000000LL + 200000LL * s.MorvShipsDestroyed;
            const long long strength = s.MorvStrength + 10LL * s.ZarvoniEnergy[ship];
            s.MorvStrength = Clamp32(std::min(strength, cap));
        }
        s.ZarvoniEnergy[ship] = -1000;
        s.ZarvoniFlags[ship] = 0;
        DrawSeen(g, p1, p2, pullerIcon);
        Pause(g, 0.1);
    } else {
        // Stopped short: the ship stands on its last sector, in its slot and in the grid; over
        // a starbase, on the sector before it.
        if (under != kEmpty) {
            DrawSeen(g, t1, t2, IconOf(s, t1, t2, under));
            t1 = free1, t2 = free2;
            DrawSeen(g, t1, t2, s.ZarvoniEnergy[ship] >= 1 ? kIconZarvoni : kIconZarvoniSpent);
        }
        s.ZarvoniShips[1][ship] = static_cast<Integer>(t1);
        s.ZarvoniShips[2][ship] = static_cast<Integer>(t2);
        s.SectorGrid[t1][t2] = kZarvoni;
    }
    ownColours();
}

}  // namespace kv
