#pragma once
// The assimilating faction's arrival: the test after each upgrade level and before each rise of
// the technology level, the countdown start and the arrival of a Morv ship in a corner of the
// galaxy. The countdown itself is counted down by the end-of-action refresh.
//
// Countdown display (the info window's countdown bar), kept as game data:
//   st.MorvTimerTag - the countdown's starting count as text (" 7"); Val() reads it back.
//   st.MorvTimerBar - the bar's length as a fraction of the starbase line (1.0 = full).
// StartMorvCountdown sets both (full bar); the refresh sets MorvTimerBar to
// MorvCountdown / Val(MorvTimerTag) after each step and asks the MorvTimer view to show it.
#include "state/Game.h"

namespace kv {

// Starts (or restarts) the countdown: `turns` refreshes, or with turns < 0 a random 5..14
// (one draw). Sets MorvTimerScale = 5 - 0.3 x MorvShipsDestroyed, the countdown display and
// MorvCountdownStarted.
void StartMorvCountdown(Game& g, int turns = -1);

// The arrival test: only while MorvCountdown is 0. Starts a countdown when the extra upgrade
// levels exceed Int(x x (TechLevel - 1) x 5), x = 0.4 Rnd + 0.6 f, f = sqrt(time left / total
// time) in a timed game with time left, else 1 (one draw).
void ConsiderMorvArrival(Game& g);

// The arrival, when the countdown has run out: MorvCountdown = -1, the ship in the corner
// sector of a corner quadrant (two draws), MorvStrength = 1,000,000 + 200,000 per Morv ship
// destroyed so far.
void MorvMove(Game& g);

}  // namespace kv
