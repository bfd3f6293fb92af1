#pragma once
// The galaxy chart (frmGalaxy): the places of its 64 quadrant labels, what a click, a Ctrl-click
// or the right button does on a label, and its tab. The labels' captions and colours are
// GameState::Chart, filled by UpdateGalaxyRecord; the blink is ChartBlinkTick.
#include <string>

#include "state/Game.h"

namespace kv {

inline constexpr double kChartCellWidth = 540, kChartCellHeight = 300;  // twips

// Label k (quadrant row k / 8 + 1, column k mod 8 + 1): its top-left corner in twips.
void ChartLabelPlace(int index, double& left, double& top);

// A tab of the display strip (1..4) was chosen: the chart is drawn again for it.
void ChartTabClick(Game& g, int tab);

// A click on a label: a pick while a dialog waits for a quadrant or the automatic target
// calculator runs; otherwise the notice that explains the label's code.
void ChartClick(Game& g, int index);
// Ctrl+left on a label with no quadrant pick under way: the automatic target calculator, then
// the pick. (button 1 left, 2 right; shift 2 Ctrl alone.)
void ChartMouseDown(Game& g, int index, int button, int shift);
// The right button held over the chart (no quadrant pick under way) runs the automatic target
// calculator; otherwise a calculator not started by hand stops.
void ChartMouseMove(Game& g, int button);

// The notice of a label's caption: its three characters explained in a small text picture.
std::string ChartCodeExplanation(Game& g, const std::string& caption);

}  // namespace kv
