#pragma once
#include "state/Game.h"

namespace kv {

// Starts the assimilating faction's countdown (turns < 0: a random length).
void StartMorvCountdown(Game& g, int turns = -1);
// The arrival test made after every granted upgrade level and before every rise of the
// technology level.
void ConsiderMorvArrival(Game& g);

}  // namespace kv
