#include "screens/dialogs/InfoWindow.h"

#include <algorithm>

#include "state/WindowTable.h"

namespace kv {

void InfoClose(Game& g) { QuitOfferingSave(g, "INFO0001"); }

InfoLines InfoWindowLines(const GameState& s, double starbaseLabelWidth) {
    InfoLines out;
    out.starbase = s.StarbaseLine;
    out.morvLineVisible = s.DebugMode;
    out.morvLineLength = std::clamp(static_cast<double>(s.MorvTimerBar), 0.0, 1.0) * starbaseLabelWidth;
    return out;
}

void PlaceInfoWindow(double screenWidth, double windowWidth, double& left, double& top) {
    left = screenWidth - windowWidth;
    top = 0;
}

}  // namespace kv
