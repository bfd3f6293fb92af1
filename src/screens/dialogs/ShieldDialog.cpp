#include "screens/dialogs/ShieldDialog.h"

#include <algorithm>

#include "engine/computer/AutoShields.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// The level Max and Half start from: the capacity, but never more than leaves 100 energy.
long long ReserveCeiling(const GameState& s) {
    return std::min<long long>(s.MaxShields, static_cast<long long>(s.ShipEnergy) - 100);
}

// Takes the old level (from before the dialog) from the energy again.
void ChargeOldLevel(GameState& s) {
    s.ShieldLevel = Clamp16(s.LibComputerState[0]);
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - s.ShieldLevel);
}

}  // namespace

void ShieldDialogActivate(Game& g) {
    GameState& s = g.st;
    s.ShieldDialog.AutoEnabled = s.LibComputerState[1] == 0;
    // A drag cut short by the dialog's closing left the bar in its drag-over colour: each
    // showing starts with nothing dragged over it.
    s.ShieldDialog.DragOver = false;
    ShieldTextChanged(g, CStr(static_cast<long long>(s.LibComputerState[0])));
}

void ShieldTextChanged(Game& g, const std::string& text) {
    GameState& s = g.st;
    ShieldDialogData& d = s.ShieldDialog;
    d.txtShields = text;
    double v = Val(text);
    // Out of range the box shows the nearest end, and the bar follows that.
    if (v > s.MaxShields) {
        v = s.MaxShields;
        d.txtShields = CStr(static_cast<long long>(s.MaxShields));
    }
    if (v < 0) {
        v = 0;
        d.txtShields = "0";
    }
    // No capacity at all: an empty bar, the line at the bottom.
    const double share = s.MaxShields > 0 ? v / s.MaxShields : 0.0;
    const int h = d.BarHeight;
    d.BarTag = CStr(share * 100);
    d.DragLineTop = static_cast<int>(h - ((h - 4) * share + 2));
}

void ShieldBarDragOver(Game& g, int state) {
    if (state == 0) g.st.ShieldDialog.DragOver = true;
    if (state == 1) g.st.ShieldDialog.DragOver = false;
}

void ShieldBarDropped(Game& g, int y) {
    GameState& s = g.st;
    ShieldDialogData& d = s.ShieldDialog;
    d.DragOver = false;
    const int h = d.BarHeight;
    if (h <= 4) return;  // no bar to measure against
    const double level = Int(static_cast<double>(h - y) * s.MaxShields / (h - 4) - 5);
    ShieldTextChanged(g, CStr(static_cast<long long>(level)));
}

void ShieldMaximum(Game& g) {
    GameState& s = g.st;
    s.ShieldLevel = Clamp16(ReserveCeiling(s));
    ShieldTextChanged(g, CStr(static_cast<long long>(s.ShieldLevel)));
}

void ShieldHalf(Game& g) {
    GameState& s = g.st;
    s.ShieldLevel = CInt(static_cast<double>(ReserveCeiling(s)) / 2);
    ShieldTextChanged(g, CStr(static_cast<long long>(s.ShieldLevel)));
}

void ShieldDrop(Game& g) { ShieldTextChanged(g, "0"); }

void ShieldAuto(Game& g) {
    GameState& s = g.st;
    AutoShields(g);
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) + s.ShieldLevel);
    ShieldTextChanged(g, CStr(static_cast<long long>(s.ShieldLevel)));
}

void ShieldAccept(Game& g) {
    GameState& s = g.st;
    const Long before = s.ShipEnergy;
    s.ShieldLevel = CInt(Val(s.ShieldDialog.txtShields));
    const long long left = static_cast<long long>(before) - s.ShieldLevel;
    if (left < 0) {
        s.ShipEnergy = before;
        ChargeOldLevel(s);
    } else {
        s.ShipEnergy = Clamp32(left);
    }
    g.host.HideForm(Form::frmSHE);
}

void ShieldCancel(Game& g) {
    ChargeOldLevel(g.st);
    g.host.HideForm(Form::frmSHE);
}

}  // namespace kv
