#pragma once
// The number-entry dialog frmGetNumber, shared by the commands that ask for an amount (the
// exploration console's energy draw, the phaser dialog's free amount). Its data is kept here;
// the window shows it, lets the player pick a number and leaves the number in lblNumber.
//
// The dialog works in scroll-bar units: one position of vsbNumber is `factor` units, and the
// bar is flipped (its top stands for the maximum): value = factor x (Max + Min - position).
#include <string>

#include "state/GameState.h"

namespace kv {

struct Game;

struct NumberDialogData {
    std::string Caption;                  // the window's caption
    std::string lblMessage;               // the prompt
    std::string lblUnit;                  // the unit beside the number
    std::string ScaleFactor;              // the factor as text (the window reads it back)
    Integer Max = 0, Min = 0, Value = 0;  // vsbNumber's range ends and position
    // The number chosen: set from the proposed value, changed by the window; Cancel leaves a
    // number above the maximum in it.
    std::string lblNumber, txtNumber;
    // Set by the dialog's Cancel: the entry counts as cancelled whatever lblNumber says.
    bool Cancelled = false;
};

// Prepares frmGetNumber for a number between minimum and maximum, shows it modally and
// returns the number chosen, or minimum - 1 when the player cancelled (Cancelled, or a number
// above the maximum left in lblNumber). `value` (the proposed
// number) is written back clamped into the range; `factor` (the scroll step) is written back
// doubled as often as needed for maximum / factor to fit a scroll bar (32767). A factor that is
// not above 0 counts as 1.
double SetupNumberDialog(Game& g, const std::string& prompt, const std::string& title, const std::string& unit,
                         Single& value, Single minimum, Single maximum, Single& factor);

}  // namespace kv
