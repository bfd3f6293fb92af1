#include "engine/tactical/CloakedShips.h"

#include <algorithm>

#include "engine/computer/Displays.h"
#include "engine/computer/StatusPanel.h"
#include "engine/tactical/HostileCells.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Refresh.h"
#include "state/Numeric.h"

namespace kv {
namespace {

Integer& CloakedCount(GameState& s, int row, int col) { return s.CloakedPerQuadrant[row - 1][col - 1]; }

// The quadrant row or column the cloaked ships head for from q: towards the Zarvoni starbase's
// `baseQ` when the player's ship is at the base or holds it, else a random neighbour; after the
// player's ship when they are where it has just been.
int Destination(Game& g, int q, long baseQ, int shipQ, bool leftBehind) {
    const GameState& s = g.st;
    const bool shipAtBase = IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]);
    const bool drawnToBase = g.Rnd() > 0.6f;
    const double held = s.ZarvoniBaseStrength != 0 ? static_cast<double>(s.ZarvoniBase[5]) / s.ZarvoniBaseStrength : 0;
    const bool drawnToCaptured = g.Rnd() > held + 0.4;
    int d;
    if (((shipAtBase && drawnToBase) || (drawnToCaptured && s.ZarvoniBase[0] != 0)) && InGrid(baseQ))
        d = q + Sgn(baseQ - q);
    else
        d = q + static_cast<int>(Int(g.RndExact() * 3 - 1));
    const bool follow = g.Rnd() > 0.5f;
    if (follow && leftBehind) d = q + Sgn(shipQ - q);
    return WrapQuadrant(d);
}

// `m` ships leave the player's quadrant for (dr, dc); a ship too weak to fly stays.
void LeavePlayersQuadrant(Game& g, int qr, int qc, int dr, int dc, int c0, int m) {
    GameState& s = g.st;
    CloakedCount(s, qr, qc) = static_cast<Integer>(c0);
    CloakedCount(s, dr, dc) = static_cast<Integer>(CloakedCount(s, dr, dc) - m);
    int left = m;
    for (int t = 0; t < m; ++t) {
        const int j = static_cast<int>(Int(g.RndExact() * CloakedCount(s, qr, qc) + 0.999));
        if (j < 1 || j > 5 || s.CloakedEnergy[j] < 20) {
            --left;
            continue;
        }
        const int r = s.CloakedShips[1][j], c = s.CloakedShips[2][j];
        if (InGalaxy(r, c)) {
            s.SectorGrid[r][c] = kEmpty;
            DrawIfSeen(g, r, c, kIconEmpty);
        }
        s.CloakedShips[1][j] = 0;
        s.CloakedShips[2][j] = 0;
        s.CloakedEnergy[j] = -1000;
        CompactEnemyTable(g);
    }
    CloakedCount(s, dr, dc) = static_cast<Integer>(CloakedCount(s, dr, dc) + left);
    PrintOutput(g, g.Text(left > 1 ? "KVBASIC0211" : "KVBASIC0212"));
    SRS(g);
}

// `m` ships arrive in the player's quadrant from (qr, qc): the last m slots of its count.
void EnterPlayersQuadrant(Game& g, int qr, int qc, int m) {
    GameState& s = g.st;
    Integer& count = CloakedCount(s, s.ShipQuadrantRow, s.ShipQuadrantCol);
    const int first = count - m + 1;
    int arrived = 0;
    for (int j = first; j <= count; ++j) {
        if (j < 1 || j > 5) continue;
        // The search starts at the ship's sector with row and column exchanged.
        int row = s.ShipSectorCol, col = s.ShipSectorRow;
        if (!FindFreeSector(g, row, col)) break;
        s.SectorGrid[row][col] = kCloaked;
        s.CloakedShips[1][j] = static_cast<Integer>(row);
        s.CloakedShips[2][j] = static_cast<Integer>(col);
        DrawIfSeen(g, row, col, kIconEmpty);
        s.CloakedEnergy[j] = 100;
        ++arrived;
    }
    if (arrived < m) {
        // No room for the rest: they stay where they were.
        count = static_cast<Integer>(count - (m - arrived));
        CloakedCount(s, qr, qc) = static_cast<Integer>(CloakedCount(s, qr, qc) + (m - arrived));
    }
    PrintOutput(g, g.Text(m > 1 ? "KVBASIC0213" : "KVBASIC0214"));
    PlaySound(g, "WARNCLOK.WAV");
    UpdateStatusPanel(g);
    SRS(g);
}

}  // namespace

void MoveCloakedShips(Game& g) {
    GameState& s = g.st;
    if (!InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol)) return;
    const int n = std::min<int>(CloakedCount(s, s.ShipQuadrantRow, s.ShipQuadrantCol), 5);
    for (int i = 1; i <= n; ++i) {
        const int steps = StepsAllowed(g, s.CloakedEnergy[i]);
        for (int step = 0; step < steps; ++step) {
            const int r = s.CloakedShips[1][i], c = s.CloakedShips[2][i];
            if (!InGalaxy(r, c)) break;
            DrawIfSeen(g, r, c, kIconEmpty);
            s.SectorGrid[r][c] = kEmpty;
            int nr, nc;
            if (!ChooseStep(g, r, c, nr, nc)) {
                s.SectorGrid[r][c] = kCloaked;  // boxed in
                continue;
            }
            PlaySound(g, "CZMOVE.WAV");
            Pause(g, 0.4);
            s.SectorGrid[nr][nc] = kCloaked;
            s.CloakedShips[1][i] = static_cast<Integer>(nr);
            s.CloakedShips[2][i] = static_cast<Integer>(nc);
        }
        // Now and then the cloak flickers.
        const bool flicker = g.Rnd() > 0.8f;
        const int r = s.CloakedShips[1][i], c = s.CloakedShips[2][i];
        if ((s.ShowCloakFlag || flicker) && SeenOnScan(s, r, c)) DrawSector(g, r, c, kIconCloakedShown);
        DrawIfSeen(g, r, c, kIconEmpty);
        Pause(g, 0.4);
        ShowStarbaseStatus(g);
    }
}

void MoveCloakedShipsFrom(Game& g, int qr, int qc) {
    GameState& s = g.st;
    // Both draws are made in every quadrant, with ships to move or none.
    const int c0 = CloakedCount(s, qr, qc);
    int m = static_cast<int>(Int(g.RndExact() * (c0 + 0.999)));
    if (g.Rnd() < 0.25f) m = 0;
    if (m <= 0) return;

    CloakedCount(s, qr, qc) = static_cast<Integer>(c0 - m);
    const bool leftBehind = qr == s.PrevQuadRow && qc == s.PrevQuadCol;
    const int dr = Destination(g, qr, s.ZarvoniBase[1], s.ShipQuadrantRow, leftBehind);
    const int dc = Destination(g, qc, s.ZarvoniBase[2], s.ShipQuadrantCol, leftBehind);
    Integer& dest = CloakedCount(s, dr, dc);
    dest = static_cast<Integer>(dest + m);
    if (dest > 5 || s.Galaxy[dr][dc] < 0) {
        dest = static_cast<Integer>(dest - m);
        CloakedCount(s, qr, qc) = static_cast<Integer>(CloakedCount(s, qr, qc) + m);
    }
    if (CloakedCount(s, qr, qc) == c0) return;  // nobody moved
    if (IsShipQuadrant(s, qr, qc))
        LeavePlayersQuadrant(g, qr, qc, dr, dc, c0, m);
    else if (IsShipQuadrant(s, dr, dc))
        EnterPlayersQuadrant(g, qr, qc, m);
}

}  // namespace kv
