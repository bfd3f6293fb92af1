#pragma once
// What the phaser and torpedo dialogs share: the selection beside a plan, and the Info text on
// a sector of the current quadrant.
#include <string>
#include <vector>

#include "state/Game.h"

namespace kv {

// Whether entry i of a plan is selected (an entry past the selection's end is not).
bool IsSelected(const FirePlanDialogData& d, size_t i);
// Selects every entry of a plan of n entries, or none.
void SelectAll(FirePlanDialogData& d, size_t n, bool selected);
// Takes the selected entries out of a plan (last to first); none stays selected.
void RemoveSelected(std::vector<std::string>& plan, FirePlanDialogData& d);

// The Info message on sector (row, col): what stands there, its position and the course to it
// from the ship, then the hostile ship's energy, the Zarvoni starbase's strength (percent of
// its full strength) or that nothing hostile stands there. The fifteen texts are `prefix` and
// the numbers from `first` up (PHA 6..20 for the phasers, TOR 9..23 for the torpedoes).
std::string SectorInfoText(Game& g, int row, int col, const std::string& prefix, int first);

}  // namespace kv
