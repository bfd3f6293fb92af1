#pragma once
// The target calculator's window (frmTargetCalculator): the ways of choosing the target quadrant
// and sector (st.TargetQuadText, st.TargetSectText, "row,col"), and the option buttons that say
// how the quadrant was chosen (st.TargetOptBase 0 the Zarvoni starbase, 1..3 the player's
// starbases; st.TargetOptLRS 0..7 the neighbouring quadrants; st.TargetOptPrev the previous
// quadrant; at most one set). The computer's side (reading the pending target, the closest
// sector, accepting) is engine/computer/TargetCalculator.h. Every refusal is silent: the option
// is cleared and the target texts keep their values.
#include <optional>

#include "state/Game.h"

namespace kv {

// What the computer panel's automatic calculator was doing when the panel opened the window
// (its timer running, its tag), and putting it back.
void SaveTCState(Game& g);
void RestoreTCState(Game& g);

// Activation: both pick modes armed (-1) with their timers, the panel's "Manual" mark cleared
// and the automatic calculator switched off.
void TargetCalculatorActivate(Game& g);

// Accept hands the target to TargetSector; Cancel takes the panel's target back, ends both
// picks and their timers and hides the window. Both then restore the automatic calculator.
void TargetCalculatorAccept(Game& g);
void TargetCalculatorCancel(Game& g);

// The help text (TARGET0001..0003).
void TargetCalculatorHelp(Game& g);

// The picker (frmQuadSelect) for the quadrant or the sector: its caption key, the cell that is
// disabled (the ship's own quadrant or sector), and what its closing gives: the picked cell's
// position as the target quadrant (the option buttons cleared) or sector. A picker closed
// without a pick keeps the text it had.
const char* TargetPickerCaptionKey(bool quadrant);
int TargetPickerShipCell(const GameState& s, bool quadrant);
void TakePickedCell(Game& g, bool quadrant, std::optional<int> cell);
// A click on the quadrant (or sector) text: the picker opened modally with its caption and the
// ship's own cell disabled (enabled again afterwards), and its pick taken as above.
void PickTargetCell(Game& g, bool quadrant);

// The option buttons. A base (0 the Zarvoni starbase, 1..3 the player's) is refused while the
// player does not know it (its quadrant not charted as it is and not otherwise known), when it
// is destroyed or when it has no quadrant. A neighbour 0..7 ((r-1,c-1), (r-1,c), (r-1,c+1),
// (r,c-1), (r,c+1), (r+1,c-1), (r+1,c), (r+1,c+1)) is refused outside the galaxy. The previous
// quadrant is refused while there is none (PrevQuadRow 0).
void ChooseTargetBase(Game& g, int index);
void ChooseTargetNeighbour(Game& g, int index);
void ChooseTargetPrevious(Game& g);

// The nearest known base by the exact distance between the absolute positions (quadrant x 8 +
// sector on each axis); the Zarvoni starbase counts only once captured. An equal distance keeps
// the earlier base; with none known every base option is cleared.
void ChooseNearestBase(Game& g);

// The three automatic choices among the neighbours, scored from the player's chart: the most
// known hostile ships (accepted above 0), the most known star systems (above 0), the fewest
// hostile ships (accepted below 9; a never-scanned or outside neighbour scores 10). Ties go to
// the neighbour whose edge lies nearest the ship. With none acceptable the neighbour options
// are cleared.
enum class NeighbourScore { Hostiles, Stars, Safety };
void ChooseBestNeighbour(Game& g, NeighbourScore score);

// The pick timers: a quadrant picked on the galaxy chart (QuadrantPickMode 1..64) becomes the
// target quadrant and the mode is armed again; returns the picked label's index, whose pick
// mark (its border) the chart drops. A sector picked on the short-range scan (SectorPickMode 1..64)
// becomes the target sector, the mode is armed again and the scan redrawn. Both clear the
// option buttons; nothing happens without a pick.
std::optional<int> TakeChartPick(Game& g);
void TakeScanPick(Game& g);

}  // namespace kv
