#include "state/Background.h"

#include "state/WindowTable.h"

namespace kv {

namespace {
constexpr int kRefusedWhileModal = 401;
}  // namespace

void ApplyBackground(Game& g) {
    if (g.host.IsFormVisible(Form::frmBackground)) g.host.ShowByRegion(Form::frmBackground);
    const int shown = g.host.ShowFormChecked(Form::frmBackground);
    g.st.FormVisible[static_cast<size_t>(Form::frmBackground)] = kTrue;
    if (shown == kRefusedWhileModal) {
        g.background.Tag = BackgroundTag::Show;
        return;
    }
    // Raising the visible game windows in table order leaves the background behind all of them
    // and the highest index on top.
    for (int i = 1; i <= 30; ++i)
        if (g.host.IsFormVisible(FormTable(i))) g.host.BringToFront(FormTable(i));
}

void ReskinBackground(Game& g) {
    g.host.HideByRegion(Form::frmBackground);
    g.background.Tag = BackgroundTag::Hide;
}

void RefreshBackground(Game& g) {
    const BackgroundTag pending = g.background.Tag;
    if (pending == BackgroundTag::None) return;
    // Emptied before acting, so that a show refused once more stays pending.
    g.background.Tag = BackgroundTag::None;
    g.host.ShowByRegion(Form::frmBackground);
    if (pending == BackgroundTag::Hide)
        g.host.HideForm(Form::frmBackground);
    else
        ApplyBackground(g);
}

void HideBackgroundWindow(Game& g) {
    g.host.HideBackground();
    if (g.background.Tag == BackgroundTag::Show) g.background.Tag = BackgroundTag::None;
}

bool BackgroundActive(Game& g) {
    return g.host.IsFormVisible(Form::frmBackground) || g.background.Tag == BackgroundTag::Hide;
}

}  // namespace kv
