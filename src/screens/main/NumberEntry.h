#pragma once
// The number-entry dialog frmGetNumber's handlers over Game::numberDialog (state/NumberDialog.h,
// which also opens it): the text box and the flipped scroll bar follow each other, in scroll
// units of the dialog's scale factor (value = factor x (Max + Min - position)).
//
// A scale factor of 0 or less (a ScaleFactor caption that does not read as a positive number)
// is refused: the text box and the scroll bar then change nothing and OK does not close the
// dialog; Cancel still does.
#include <optional>
#include <string>

#include "state/Game.h"

namespace kv {

// The dialog's scale factor, or nothing when it is refused.
std::optional<double> NumberEntryFactor(const NumberDialogData& d);

// The text box changed: a number above the maximum or below the minimum is replaced at once by
// that bound, and the scroll bar moves to the position that stands for the number. The number
// taken falls on a step of the factor; the box shows it where it differs from what was typed,
// and otherwise keeps the player's text (an empty box stays empty, and reads as 0).
void NumberTextChange(Game& g, const std::string& text);
// The scroll bar moved to `position`: the number and the text box show its value.
void NumberScroll(Game& g, int position);
// OK: true when the dialog closes (the number stands in lblNumber).
bool NumberOK(Game& g);
// Cancel: the entry is cancelled (a number above the maximum is left, as the caller expects);
// the dialog closes.
void NumberCancel(Game& g);

}  // namespace kv
