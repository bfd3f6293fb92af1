#include "engine/computer/StatusPanel.h"

#include "engine/turn/Capture.h"

namespace kv {

void UpdateStatusPanel(Game& g) {
    g.host.Refresh(View::StatusPanel);
    CaptureEnemyStarbase(g);
}

}  // namespace kv
