#pragma once
// The self-destruct: the DES command (SelfDestruct, declared with the ship's systems) and its
// ten-second countdown, which the countdown window frmDES runs with its timer
// (Timer::frmDES_tmrCount) and shows from SelfDestructTime ("0:10" .. "0:00").
#include "engine/tactical/ShipSystems.h"
#include "state/Game.h"

namespace kv {

// The countdown window's activation: when a countdown is asked for (SelfDestructActive), clears
// the request, sounds DESWARN.WAV, sets the time to "0:10", starts the timer and logs DES0001.
// Any other activation does nothing.
void StartSelfDestructCountdown(Game& g);

// One second of the countdown: COUNTDN.WAV and the time one second lower. True when it has
// reached 0:00 (the timer is stopped; the window hides itself and the blast follows).
bool SelfDestructCountdownTick(Game& g);

// A click on the time: unless it shows 0:00 or the ship is already lost, the countdown stops
// and the player is asked (DES0003) whether to abort; Yes hides the countdown window, logs and
// shows DES0004 (slot 7), puts the time back to "0:10" and returns true; any other answer lets
// the countdown run on.
bool AbortSelfDestruct(Game& g);

}  // namespace kv
