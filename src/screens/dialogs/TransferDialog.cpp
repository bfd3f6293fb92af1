#include "screens/dialogs/TransferDialog.h"

#include <algorithm>

#include "state/Numeric.h"

namespace kv {

Long RunTransferDialog(Game& g, Long allowed, int system) {
    GameState& s = g.st;
    TransferDialogData& d = s.TransferDialog;
    d.Max = std::max<Long>(allowed, 0);
    d.Value = std::min(d.Value, d.Max);
    d.lblEnergy = CStr(static_cast<long long>(s.ShipEnergy));
    d.lblSystem = system >= 1 && system <= 8 ? s.SystemNames[static_cast<size_t>(system)] : std::string();
    g.host.RunModal(Form::frmDAM);
    return TransferAmount(d);
}

void TransferDialogActivate(Game& g) {
    TransferDialogData& d = g.st.TransferDialog;
    // Each value is set twice so that the box follows even when the bar stood there.
    if (d.Max == g.st.ShipEnergy) {
        d.Value = 0;
        TransferBarChanged(d);
        d.Value = d.Max;
    } else {
        d.Value = std::min<Long>(1, d.Max);
        TransferBarChanged(d);
        d.Value = 0;
    }
    TransferBarChanged(d);
}

void TransferBarChanged(TransferDialogData& d) {
    d.Value = std::clamp<Long>(d.Value, 0, std::max<Long>(d.Max, 0));
    d.txtPower = CStr(static_cast<long long>(d.Max) - d.Value);
}

void TransferAccept(Game& g) { g.host.HideForm(Form::frmDAM); }

void TransferCancel(Game& g) {
    g.st.TransferDialog.txtPower = "0";
    g.host.HideForm(Form::frmDAM);
}

Long TransferAmount(const TransferDialogData& d) {
    const double v = Val(d.txtPower);
    return static_cast<Long>(std::clamp<double>(CLng(v), 0, std::max<Long>(d.Max, 0)));
}

}  // namespace kv
