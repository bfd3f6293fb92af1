#pragma once
// The two small status windows: the bars window frmBars (five gauges, each explained on a
// click) and the status window frmStatus (six lamps, four of which open a report, one of which
// may blink). What the gauges and lamps show is computed by UpdateBars and UpdateStatusPanel
// (engine/computer/) and SetStatusItem (engine/turn/Condition.h).
//
// Lamps are numbered as SetStatusItem numbers them: 1 pnlAttackBase, 2 pnlZarvoni, 3 pnlDamage,
// 4 pnlDocked, 5 pnlBaseCaptured, 6 pnlTimeLow.
#include <string>

#include "screens/Placement.h"
#include "state/Game.h"

namespace kv {

// ---- Bars window -----------------------------------------------------------------------------
// The explanation of gauge 0..4 (energy, shields, torpedoes, time, mission): its lines with a
// small table of the value, the maximum and the percentage; "" for any other gauge. A gauge
// whose maximum is 0 shows "-" for the percentage.
std::string BarExplanation(Game& g, int gauge);
// A click on gauge 0..4 or its caption: the explanation as a notice; other gauges do nothing.
void BarClick(Game& g, int gauge);
// The bars window stands in the bottom-right corner of the screen.
WindowPosition BarsPosition(long screenWidth, long screenHeight, long width, long height);

// What gauge 0..4 paints in a box `width` x `height` pixels, from what UpdateBars computed: the
// fill in the gauge's colour (0xBBGGRR) from `fillTop` down to the bottom, the black marker
// line across the gauge at `markerY` pixels from the top when `marker` is set (the
// minimum-shield line also needs the command-state colours to show it), and the caption under
// the gauge.
struct GaugeLook {
    Long fillColour = 0;
    double fillTop = 0;
    bool marker = false;
    double markerY = 0;
    std::string caption;
    bool operator==(const GaugeLook&) const = default;
};
GaugeLook PaintGauge(const Game& g, int gauge, double width, double height);

// ---- Status window ---------------------------------------------------------------------------
// A lamp's rectangle in the window (twips): 1575 x 600, in three columns at 0, 1560 and 3120 and
// two rows at 0 and 600.
struct LampRect {
    long left = 0, top = 0, width = 1575, height = 600;
    bool operator==(const LampRect&) const = default;
};
LampRect LampGeometry(int lamp);
// The control name of lamp 1..6 ("pnlAttackBase" ...), "" for any other number.
const char* LampControlName(int lamp);
// A click on a lamp: the starbase-attack lamp opens the starbase report, the hostile lamp the
// hostile-ship report, the damage lamp the damage report and the docked lamp the general
// report, each shown and brought up to date; the captured and time lamps do nothing.
void LampClick(Game& g, int lamp);
// A tick of the blink timer (500 ms while on): the lamp named by the blink alternates from its
// state when the blink began and, after 13 ticks, returns to it and the timer stops.
void LampBlinkTick(Game& g);
// What lamp 1..6 paints: its background and text colours (0xBBGGRR) as SetStatusItem left them,
// and its caption: the one the game gave it (GameState::LampCaption), else `ownCaption`, the
// lamp's own (its relabelled tag).
struct LampLook {
    Long back = 0, fore = 0;
    std::string caption;
    bool operator==(const LampLook&) const = default;
};
LampLook PaintLamp(const GameState& s, int lamp, const std::string& ownCaption);

// The status window stands in the bottom-left corner of the screen.
WindowPosition StatusPosition(long screenWidth, long screenHeight, long width, long height);

}  // namespace kv
