#include "engine/tactical/ShortRangeScan.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/computer/AutoShields.h"
#include "engine/tactical/Hostiles.h"
#include "engine/tactical/Shields.h"
#include "engine/tactical/Tactical.h"

namespace kv {
namespace {

constexpr const char* kSource = "KVBASIC : SRS";

bool Valid(int row, int col) { return InGrid(row) && InGrid(col); }

// Hostiles that call for shields when the computer cannot set them: Zarvoni ships in the
// quadrant, the Morv ship, the standing Zarvoni starbase.
bool DangerNear(const GameState& s) {
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    if (InGalaxy(qr, qc) && s.Galaxy[qr][qc] > 99) return true;
    if (s.MorvShip[1] == qr && s.MorvShip[2] == qc) return true;
    return s.ZarvoniBase[1] == qr && s.ZarvoniBase[2] == qc && s.ZarvoniBase[0] == 0;
}

bool MorvHere(const GameState& s) {
    return s.MorvShip[1] == s.ShipQuadrantRow && s.MorvShip[2] == s.ShipQuadrantCol &&
           Valid(s.MorvShip[3], s.MorvShip[4]);
}

bool ZarvoniBaseHere(const GameState& s) {
    return s.ZarvoniBase[1] == s.ShipQuadrantRow && s.ZarvoniBase[2] == s.ShipQuadrantCol &&
           Valid(static_cast<int>(s.ZarvoniBase[3]), static_cast<int>(s.ZarvoniBase[4]));
}

int CloakedIcon(const GameState& s, int slot) {
    if (s.CloakedEnergy[slot] < 20) return kIconCloakedWeak;
    return s.ShowCloakFlag ? kIconCloakedShown : kIconEmpty;
}

// The objects of the quadrant drawn over the cells; `seen` limits the drawing to the sectors the
// sensors reach and `writeGrid` writes the grid codes of the full view.
void DrawObjects(Game& g, std::string& step, bool writeGrid) {
    GameState& s = g.st;
    const bool full = writeGrid;
    auto seen = [&](int r, int c) { return full || InSensorWindow(s, r, c); };
    auto put = [&](int r, int c, Integer code, int icon) {
        if (!Valid(r, c)) return;
        if (writeGrid) s.SectorGrid[r][c] = code;
        if (seen(r, c)) DrawSector(g, r, c, icon);
    };
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;

    step = "Quad Setup";
    for (int i = 1; i <= std::min<int>(s.QuadZarvonis, 10); ++i) {
        const int r = s.ZarvoniShips[1][i], c = s.ZarvoniShips[2][i];
        if (r > 0) put(r, c, kZarvoni, s.ZarvoniEnergy[i] > 0 ? kIconZarvoni : kIconZarvoniSpent);
    }
    if (Valid(s.ShipSectorRow, s.ShipSectorCol)) DrawSector(g, s.ShipSectorRow, s.ShipSectorCol, kIconShip);
    if (MorvHere(s)) {
        // The Morv ship's code is written in both views, but never over what holds its cell: a
        // scan made while it is still taking its place in the quadrant (a star it consumes on
        // the way in redraws the scan) would put it over the player's ship.
        Integer& cell = s.SectorGrid[s.MorvShip[3]][s.MorvShip[4]];
        if (cell == kEmpty) cell = kMorv;
        if (cell == kMorv && seen(s.MorvShip[3], s.MorvShip[4])) DrawSector(g, s.MorvShip[3], s.MorvShip[4], kIconMorv);
    }

    step = "Stars";
    if (InGalaxy(qr, qc)) {
        for (int n = 1; n <= std::min<int>(s.QuadStars, 4); ++n) {
            const SolarSystemRecord& rec = s.StarSystem(qr, qc, n);
            if (rec.SectorRow > 0)
                put(rec.SectorRow, rec.SectorCol, kStar, rec.SystemValue3 != 0 ? kIconStarVisited : kIconStar);
        }
    }

    step = "Starbase";
    if (s.QuadStarbase >= 1 && s.QuadStarbase <= 3)
        put(s.StarbaseSectors[1][s.QuadStarbase], s.StarbaseSectors[2][s.QuadStarbase], kStarbase, kIconStarbase);
    if (ZarvoniBaseHere(s)) {
        // The Zarvoni starbase's code is written in both views.
        const int r = static_cast<int>(s.ZarvoniBase[3]), c = static_cast<int>(s.ZarvoniBase[4]);
        s.SectorGrid[r][c] = kZarvoniStarbase;
        if (seen(r, c)) DrawSector(g, r, c, s.ZarvoniBase[0] == 0 ? kIconZarvoniBase : kIconZarvoniBaseCaptured);
    }

    step = "Other";
    if (InGalaxy(qr, qc)) {
        const int cloaked = std::min<int>(s.CloakedPerQuadrant[qr - 1][qc - 1], 5);
        for (int i = 1; i <= cloaked; ++i) {
            const int r = s.CloakedShips[1][i], c = s.CloakedShips[2][i];
            if (r > 0) put(r, c, kCloaked, CloakedIcon(s, i));
        }
    }
}

}  // namespace

void DrawSector(Game& g, int row, int col, int icon) {
    if (!InGrid(row) || !InGrid(col)) return;
    g.host.Scan().DrawSector(row, col, icon);
}

bool InSensorWindow(const GameState& s, int row, int col) {
    return std::abs(row - s.ShipSectorRow) <= 2 && std::abs(col - s.ShipSectorCol) <= 2;
}

void SRS(Game& g) {
    GameState& s = g.st;
    std::string step = "MakeTactical";
    auto run = [&](auto&& statement) { Guarded(g, kSource, step, statement); };
    s.ScanHover.Visible = false;
    s.ScanHover.TimerRunning = false;

    run([&] {
        if (s.QuadrantChanged) MakeTactical(g);
    });

    step = "AutoShields";
    run([&] {
        if (std::labs(static_cast<long>(s.LibComputerState[3])) != 1) return;
        if (s.SystemDamage[kShortRangeSensors] <= 0 && s.SystemDamage[kComputer] <= 0) {
            RaiseLowerShields(g, 1);
        } else if (DangerNear(s) && s.ShieldLevel == 0 && s.SystemDamage[kShields] == 0) {
            if (MessageQuery(g, -1, g.Text("KVBASIC0253"), kYesNo + kQuestion) == kYes) SetShields(g, 1);
        }
    });

    step = "Quad Setup";
    run([&] {
        // A starbase whose quadrant the player has charted shows its current state.
        for (int i = 1; i <= 3; ++i) {
            const long r = s.Starbases[1][i], c = s.Starbases[2][i];
            if (InGalaxy(r, c) && s.KnownGalaxy[r][c] > 9) s.KnownGalaxy[r][c] = s.Galaxy[r][c];
        }
    });

    run([&] {
        if (s.SystemDamage[kShortRangeSensors] > 0) {
            // Damaged sensors: the grid stays as it was; the cells beyond their reach go dark.
            for (int r = 1; r <= 8; ++r)
                for (int c = 1; c <= 8; ++c)
                    DrawSector(g, r, c, InSensorWindow(s, r, c) ? kIconEmpty : kIconOutOfRange);
            DrawObjects(g, step, false);
        } else {
            for (auto& row : s.SectorGrid) row.fill(kEmpty);
            g.host.Scan().ResetSRSCells();
            s.SectorFrames = {};
            if (Valid(s.ShipSectorRow, s.ShipSectorCol)) s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kShip;
            DrawObjects(g, step, true);
        }
    });
    run([&] { g.host.Refresh(View::ShortRangeScan); });

    // The hostiles' turn, never a second one while they act.
    const bool newQuadrant = s.ShipQuadrantRow != s.TacticalQuadRow || s.ShipQuadrantCol != s.TacticalQuadCol;
    if ((newQuadrant || s.HostileTurnFlag != 0) && s.HostileTurnFlag > -32766) {
        s.HostileTurnFlag = 0;
        s.TacticalQuadRow = s.ShipQuadrantRow;
        s.TacticalQuadCol = s.ShipQuadrantCol;
        run([&] { HitShip(g); });
        if (!s.GameRunning) return;
    }
    if (s.LibComputerState[3] != -32767) run([&] { RaiseLowerShields(g, 0); });
}

}  // namespace kv
