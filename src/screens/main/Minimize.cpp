#include "screens/main/Minimize.h"

#include "state/WindowTable.h"

namespace kv {

std::string MinimizeLoadCaption(const Game& g) { return g.st.ShipPrefix; }

std::string MinimizeCaption(const Game& g) { return g.st.ShipPrefix + " - " + g.st.ConfigName; }

MinimizeResize MinimizeResized(Game& g, MinimizeState& state, bool minimised) {
    MinimizeResize r;
    if (state.firstResize) {
        state.firstResize = false;
        state.minimised = minimised;
        return r;
    }
    r.caption = MinimizeCaption(g);
    if (!minimised && state.minimised) {
        for (int k = kFormTableSize - 1; k >= 1; --k) {
            if (g.st.FormVisible[static_cast<size_t>(k)] != 0)
                g.host.ShowForm(FormTable(k));
            else
                g.host.HideForm(FormTable(k));
        }
        g.host.ShowForm(Form::frmCommands);
    }
    if (minimised && !state.minimised) {
        for (int k = 1; k < kFormTableSize; ++k) {
            g.st.FormVisible[static_cast<size_t>(k)] = ToFlag(g.host.IsFormVisible(FormTable(k)));
            g.host.HideForm(FormTable(k));
        }
    }
    state.minimised = minimised;
    r.animate = minimised;
    if (!minimised) r.icon = kMinimizeStillFrame;
    return r;
}

std::optional<int> MinimizeAnimationTick(MinimizeState& state, bool windowVisible) {
    if (!windowVisible) return std::nullopt;
    state.frame = state.frame + 1 >= kMinimizeFrames ? 0 : state.frame + 1;
    return state.frame;
}

}  // namespace kv
