#include "engine/tactical/WeaponEffects.h"

#include <cstdlib>

#include "engine/computer/AutoShields.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Time.h"
#include "state/Numeric.h"

namespace kv {

void HideSRSOverlays(Game& g) {
    g.SetTimer(Timer::frmSRS_tmrMorvTractor, false);
    g.host.Scan().ShowBeamLines(6, 9, false);
    g.host.Refresh(View::ShortRangeScan);
}

void AnimateMorvMove(Game& g, int fromRow, int fromCol, int toRow, int toCol) {
    const GameState& s = g.st;
    if (86400 - g.host.TimeOfDay() < 6.0) g.host.RunModal(Form::frmEgg);
    const bool seen = s.SystemDamage[kShortRangeSensors] <= 0 ||
                      (std::abs(fromRow - s.ShipSectorRow) < 3 && std::abs(fromCol - s.ShipSectorCol) < 3);
    if (seen) DrawSector(g, fromRow, fromCol, kIconEmpty);
    g.host.Scan().AnimateMorvMove(fromRow, fromCol, toRow, toCol);
}

void PlaceSectorMarker(Game& g, SectorMarker marker, int row, int col) { g.host.Scan().PlaceMarker(marker, row, col); }

void FlashPhaserBeam(Game& g, int line, double total, double firstWait) {
    g.host.Scan().ShowBeamLines(line, line, true);
    g.host.Refresh(View::ShortRangeScan);
    Pause(g, firstWait);
    g.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, false);
    g.host.Scan().ShowBeamLines(line, line, false);
    g.host.Refresh(View::ShortRangeScan);
    Pause(g, total - firstWait);
}

void ShowPhaserAtStar(Game& g, int col, int row) {
    const GameState& s = g.st;
    g.host.Scan().AnimateSectorMove(s.ShipSectorRow, s.ShipSectorCol, row, col, kPhaserBeam);
    g.host.Scan().ShowBeamLines(kPhaserBeam, kPhaserBeam, true);
    g.host.Refresh(View::ShortRangeScan);
    PlaySound(g, "PHASER.WAV");
    Pause(g, 0.6);
    g.host.Scan().ShowBeamLines(kPhaserBeam, kPhaserBeam, false);
    g.host.Refresh(View::ShortRangeScan);
    Pause(g, 0.3);
}

void ShowTorpedoBlast(Game& g, int row, int col, int power) {
    if (!InGrid(row) || !InGrid(col)) return;
    const int end = CInt(g.host.Scan().SectorCellPixels() / 2.0 * power);
    for (int radius = 1; radius <= end; ++radius) {
        g.host.Scan().DrawFlashRing(row, col, radius, 11);
        Pause(g, 0.02);
    }
    g.host.Scan().EndFlash(row, col);
    Pause(g, 0.3);
}

void ClearUnrecordedCell(Game& g, int row, int col) {
    if (!InGrid(row) || !InGrid(col)) return;
    g.st.SectorGrid[row][col] = kEmpty;
    g.host.Scan().DrawSector(row, col, 0);
}

void EndWeaponAction(Game& g) {
    PassTime(g, 0.2f);
    RaiseLowerShields(g, 0);
    RefreshAll(g);
}

}  // namespace kv
