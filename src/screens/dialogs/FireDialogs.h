#pragma once
// What the phaser and torpedo dialogs share: the selection beside a plan, and the Info text on
// a sector of the current quadrant.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/Game.h"

namespace kv {

// Whether entry i of a plan is selected (an entry past the selection's end is not).
bool IsSelected(const FirePlanDialogData& d, size_t i);
// Selects every entry of a plan of n entries, or none.
void SelectAll(FirePlanDialogData& d, size_t n, bool selected);
// Takes the selected entries out of a plan (last to first); none stays selected.
void RemoveSelected(std::vector<std::string>& plan, FirePlanDialogData& d);

// The select button: the next click selects every entry of a plan of n entries (its tag "0")
// or none ("1"); its caption then names what the click after does (`selectKey` or
// `deselectKey`, as texts).
void ToggleSelectAll(Game& g, FirePlanDialogData& d, size_t n, const char* deselectKey, const char* selectKey);

// Info: the Info message (below) on the sector of each selected entry whose position `where`
// reads, one after the other.
void InfoOnSelected(Game& g, const std::vector<std::string>& plan, const FirePlanDialogData& d,
                    const std::function<std::optional<std::pair<int, int>>(const std::string&)>& where,
                    const std::string& prefix, int first);

// The Info message on sector (row, col): what stands there, its position and the course to it
// from the ship, then the hostile ship's energy or the Zarvoni starbase's strength (percent of
// its full strength), each as "0.0" followed by "%", or that nothing hostile stands there. The fifteen texts are `prefix` and
// the numbers from `first` up (PHA 6..20 for the phasers, TOR 9..23 for the torpedoes).
std::string SectorInfoText(Game& g, int row, int col, const std::string& prefix, int first);

}  // namespace kv
