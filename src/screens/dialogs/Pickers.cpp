#include "screens/dialogs/Pickers.h"

namespace kv {

void QuadSelectActivate(Game& g) { g.st.QuadSelect.Selected = -1; }

void QuadSelectClick(Game& g, int index) {
    QuadrantPicker& picker = g.st.QuadSelect;
    if (index < 0 || index >= 64 || !picker.Enabled[static_cast<size_t>(index)]) return;
    picker.Selected = index;
    g.host.HideForm(Form::frmQuadSelect);
}

void QuadSelectClose(Game& g) {
    g.st.QuadSelect.Selected = -1;
    g.host.HideForm(Form::frmQuadSelect);
}

}  // namespace kv
