#include "engine/tactical/StarFlare.h"

namespace kv {

int FlareColumnSign(int d) {
    if (d > 3 && d < 7) return -1;
    if (d == 3 || d == 7) return 0;
    return 1;
}

int FlareRowSign(int d) {
    if (d > 1 && d < 5) return -1;
    if (d == 1 || d == 5 || d == 9) return 0;
    return 1;
}

void StarFlare(Game& g, int col, int row, int direction) {
    // The flare travels twice as far with the scan's large pictures.
    const double speed = (g.st.SRSDrawOption & 1) ? 3.0 : 1.5;
    const int cs = FlareColumnSign(direction), rs = FlareRowSign(direction);
    PlaySound(g, "FLARE.WAV");
    for (int k = 2; k <= 12; ++k) {
        g.host.Scan().ShowFlare(row, col, cs * k * speed, rs * k * speed, k);
        Pause(g, 0.02);
    }
    g.host.Scan().ShowFlare(row, col, 0, 0, 0);
    Pause(g, 0.3);
}

}  // namespace kv
