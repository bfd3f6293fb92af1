#include "screens/main/NumberEntry.h"

#include <algorithm>
#include <cmath>

#include "state/Numeric.h"

namespace kv {
namespace {

std::string Plain(double v) { return CStr(v); }

}  // namespace

std::optional<double> NumberEntryFactor(const NumberDialogData& d) {
    const double factor = Val(d.ScaleFactor);
    if (!(factor > 0) || !std::isfinite(factor)) return std::nullopt;
    return factor;
}

void NumberTextChange(Game& g, const std::string& text) {
    NumberDialogData& d = g.numberDialog;
    d.txtNumber = text;
    const std::optional<double> factor = NumberEntryFactor(d);
    if (!factor) return;
    double v = Val(text);
    const double top = d.Max * *factor, bottom = d.Min * *factor;
    if (v > top) {
        v = top;
        d.txtNumber = Plain(top);
    }
    if (v < bottom) {
        v = bottom;
        d.txtNumber = Plain(bottom);
    }
    // The bar and the number follow what was typed. The box is written over only where the
    // number falls on another step of the factor: an emptied box, or one holding no number yet,
    // stays as the player left it (it reads as 0) instead of taking a "0" before what comes next.
    const int position = CInt(static_cast<double>(d.Max) + d.Min - v / *factor);
    const double stepped = *factor * (static_cast<double>(d.Max) + d.Min - position);
    d.Value = static_cast<Integer>(position);
    d.lblNumber = Plain(stepped);
    if (std::fabs(stepped - v) > 1e-9 * std::max(1.0, std::fabs(v))) d.txtNumber = d.lblNumber;
}

void NumberScroll(Game& g, int position) {
    NumberDialogData& d = g.numberDialog;
    const std::optional<double> factor = NumberEntryFactor(d);
    if (!factor) return;
    d.Value = static_cast<Integer>(position);
    const double value = *factor * (static_cast<double>(d.Max) + d.Min - position);
    d.lblNumber = d.txtNumber = Plain(value);
}

bool NumberOK(Game& g) { return NumberEntryFactor(g.numberDialog).has_value(); }

void NumberCancel(Game& g) {
    NumberDialogData& d = g.numberDialog;
    const double factor = NumberEntryFactor(d).value_or(1.0);
    d.lblNumber = Plain((static_cast<double>(d.Max) + 1) * factor);
    d.Cancelled = true;
}

}  // namespace kv
