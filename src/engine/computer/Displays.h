#pragma once
// The ship's computer's display updaters: each computes what one display shows into the game's
// display data (Game::displays, state/DisplayData.h) and asks the display to repaint. They may
// run whether or not their window is shown.
#include <string>

#include "state/Game.h"

namespace kv {

// The status bars: each gauge's colour, fill and caption and the marker lines, the
// short-range scan's shield animation, and the energy and shield figures of the general
// report. Does nothing before a game is set up (MaxEnergy 0).
void UpdateBars(Game& g);
// The damage report: a row per ship system, disabled when the system is out of action (7 or
// more), raised when damaged, with its figure; while damage control is damaged the figures of
// damaged systems read "???".
void UpdateDamageReport(Game& g);
// The general report: the current mission's frame and its figures, stocks, position, game
// length, skill and the running rating; ends with UpdateBars.
void UpdateGeneralReport(Game& g);
// The starbase report: quadrant, strength and state of the Zarvoni starbase (row 0) and the
// player's bases (rows 1..3), each shown once it has been seen; marks the bases seen.
void UpdateBaseReport(Game& g);
// The hostile-ship report: the first nine Zarvoni ships of the quadrant that stand, or only the
// notice that the short-range sensors are damaged.
void UpdateZarvoniReport(Game& g);
// The starbase report with no row shown, as before the first game: a new or loaded game starts
// from it, since the report keeps a row's last texts while its base is gone or missing.
void BlankBaseReport(Game& g);
// The chart with no quadrant highlighted by a scan: the highlights belong to the game that
// scanned, and a new or loaded game starts with none.
void ClearChartScanHighlights(Game& g);
// The reports as they read when no game runs: no hostile ship and no starbase listed, every
// damage figure "0", the general report's figures and condition blank (its frames and panels
// keep their look). The game's state is left as it is.
void BlankReports(Game& g);
// The command buttons' colours and enabled states by the damage of the systems they need:
// damaged red (light red for the strong ones), out of action (7.0 or more) also disabled; the
// computer panel's buttons and boxes, its calculator and phaser-mode panels and the bars'
// minimum-shield line likewise; the computer panel is hidden once the computer is out of action.
void UpdateCommandState(Game& g);
// The galaxy chart from the player's chart: every scanned quadrant's code, the ship's quadrant
// (copied from the galaxy and bordered), the Zarvoni starbase's mark, and the colours of the
// selected tab (1 bases, 2 hostiles, 3 star systems, 4 none), dimmed by 8 on a label of the
// last scan; the debug switch colours quadrants with cloaked ships.
void UpdateGalaxyRecord(Game& g);
// Sets a chart label's background (kChartCleared, kChartScanned or a palette colour) and shows it.
void SetChartQuadrantColor(Game& g, int index, long color);
// The chart's blink: the label of every standing friendly starbase that calls for help turns
// between light red and red (the target calculator's entry for that base with it, when that
// window is showing). True when a label changed.
bool ChartBlinkTick(Game& g);

// Summaries of two systems' damage: 7.0 when either is out of action, else 0.1 when either is
// damaged, else 0.
Single CombinedDamage(Single first, Single second);
// The status panel's updater, which also runs the capture check of the hostile starbase (that
// in turn calls the updaters here), is engine/computer/StatusPanel.h.

// The star systems in the quadrants the player has charted (the units digits of the charted
// KnownGalaxy codes).
int KnownSystemCount(const GameState& st);

// A one-line judgement of the fight in the ship's quadrant for the info window's starbase line:
// the text of KVCOM0045 with no Zarvoni ship there, else one of KVCOM0046 (most comfortable) to
// KVCOM0053 (hopeless) by the margin the ship's energy and shields leave over the shields the
// quadrant calls for, the hostiles' cost (torpedoes short of one per ship cost 200 each) and
// the damage of its systems. A quadrant not yet set up counts its hostiles half again.
std::string QuadrantSituationText(Game& g);

}  // namespace kv
