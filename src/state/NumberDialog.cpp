#include "state/NumberDialog.h"

#include <cmath>

#include "state/Game.h"
#include "state/Numeric.h"

namespace kv {

double SetupNumberDialog(Game& g, const std::string& prompt, const std::string& title, const std::string& unit,
                         Single& value, Single minimum, Single maximum, Single& factor) {
    NumberDialogData& d = g.numberDialog;
    d.Caption = title;
    d.lblMessage = prompt;
    if (!(factor > 0) || !std::isfinite(factor)) factor = 1;
    // Doubling ends: a finite maximum divided by a growing factor falls to 32767 at last.
    if (std::isfinite(maximum))
        while (static_cast<Single>(maximum / factor) > 32767.0f && std::isfinite(factor * 2)) factor = factor + factor;
    d.ScaleFactor = CStr(factor);
    d.Max = CInt(static_cast<double>(maximum) / factor);
    d.Min = CInt(static_cast<double>(minimum) / factor);
    if (value > maximum) value = maximum;
    if (value < minimum) value = minimum;
    d.Value = CInt(static_cast<double>(maximum - value) / factor);
    d.lblNumber = d.txtNumber = CStr(value);
    d.lblUnit = unit;
    d.Cancelled = false;
    g.host.RunModal(Form::frmGetNumber);
    const double chosen = Val(d.lblNumber);
    if (!d.Cancelled && static_cast<Single>(chosen) <= maximum) return chosen;
    return static_cast<double>(minimum) - 1;
}

}  // namespace kv
