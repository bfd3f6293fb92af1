#include "engine/turn/Morv.h"

#include <cmath>

#include "engine/tactical/MorvShip.h"
#include "state/Numeric.h"

namespace kv {

void StartMorvCountdown(Game& g, int turns) {
    GameState& s = g.st;
    s.MorvCountdown = turns >= 0 ? Clamp16(turns) : static_cast<Integer>(Int(g.Rnd() * 10.0) + 5);
    s.MorvTimerScale = static_cast<Single>(5 - 0.3 * s.MorvShipsDestroyed);
    s.MorvTimerTag = " " + CStr(static_cast<long long>(s.MorvCountdown));
    s.MorvTimerBar = 1.0f;
    g.host.Refresh(View::MorvTimer);
    s.MorvCountdownStarted = kTrue;
}

void ConsiderMorvArrival(Game& g) {
    GameState& s = g.st;
    if (s.MorvCountdown != 0) return;
    long long extra = 0;
    for (int slot = 1; slot <= 5; ++slot) extra += s.UpgradeTable[slot] - 1;

    // Late in a timed game a smaller share of the allowed extra levels draws the Morv in.
    const Single timeLeft = s.TimeOffset + s.TimeLeft;
    Single f = 1.0f;
    if (timeLeft > 0 && s.MissionType != 3 && s.TotalTime > 0) f = std::sqrt(timeLeft / s.TotalTime);
    const double x = 0.4 * g.Rnd() + 0.6 * f;
    const double threshold = Int(x * (s.TechLevel - 1) * 5);
    if (static_cast<double>(extra) > threshold) StartMorvCountdown(g);
}

void MorvMove(Game& g) {
    GameState& s = g.st;
    s.MorvCountdown = -1;
    s.MorvShip[1] = static_cast<Integer>(Int(g.Rnd() * 1.99) * 7 + 1);
    s.MorvShip[2] = static_cast<Integer>(Int(g.Rnd() * 1.99) * 7 + 1);
    s.MorvShip[3] = s.MorvShip[1];
    s.MorvShip[4] = s.MorvShip[2];
    s.MorvStrength = Clamp32(1000000LL + 200000LL * s.MorvShipsDestroyed);
    // Come into the player's own quadrant, it takes its place there at once: the scan would
    // otherwise write it over whatever holds its corner sector, the ship itself too.
    MorvArrivesInPlayersQuadrant(g);
}

}  // namespace kv
