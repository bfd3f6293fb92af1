#pragma once
// The effects the player's weapons draw on the short-range scan: the phaser beam (line 3),
// the shield markers over a hit target, the class-2 torpedo's blast, and the clearing of the
// weapon and tractor overlays. They change no game state; every wait goes through Pause.
// Also the steps the phasers, torpedoes and probes share.
#include "state/Game.h"

namespace kv {

// The phaser beam line.
inline constexpr int kPhaserBeam = 3;

// Stops the Morv tractor beam's timer, hides beam lines 6..9 and refreshes the scan.
void HideSRSOverlays(Game& g);

// Centres a marker shape on a sector (the caller shows and hides it).
void PlaceSectorMarker(Game& g, SectorMarker marker, int row, int col);

// Shows beam line `line`, waits `firstWait`, hides the Zarvoni shield marker and the line,
// and waits the rest of `total`.
void FlashPhaserBeam(Game& g, int line, double total, double firstWait);

// The phaser beam from the ship to a star (sector col, row), with PHASER.WAV.
void ShowPhaserAtStar(Game& g, int col, int row);

// The blast of a class-2 torpedo of the given power over a sector: rings growing by a pixel
// every 0.02 s to half a cell times the power, then 0.3 s.
void ShowTorpedoBlast(Game& g, int row, int col, int power);

// The Morv ship's glide from one sector to a neighbouring one: in the last six seconds before
// midnight the hidden-picture window first; the old cell drawn empty unless damaged sensors do
// not reach it; then the scan glides the sprite and returns once it has arrived.
void AnimateMorvMove(Game& g, int fromRow, int fromCol, int toRow, int toCol);

// ---- Shared steps of the weapons ---------------------------------------------------------------

// A sector whose grid code names a ship or base that no table records: the code is cleared and
// the cell drawn empty, with no count changed.
void ClearUnrecordedCell(Game& g, int row, int col);

// The end of a volley or a probe launch: 0.2 time units, the automatic shields, the
// end-of-action refresh (which gives the windows back).
void EndWeaponAction(Game& g);

}  // namespace kv
