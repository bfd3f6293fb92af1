#pragma once
// The flare of a star struck by a weapon, drawn on the short-range scan.
#include "state/Game.h"

namespace kv {

// The signs of a flare's travel for a direction 1..9 (the courses: 1 and 9 east, 3 north,
// 5 west, 7 south, the even numbers the diagonals between).
int FlareColumnSign(int direction);
int FlareRowSign(int direction);

// Plays FLARE.WAV and grows a spot of light from the star's sector (col, row) towards the
// direction in eleven frames of 0.02 s (sizes 2..12 pixels, travelling 1.5 pixels per size step,
// 3 with the scan's large pictures), hides it and waits 0.3 s. Changes no game state.
void StarFlare(Game& g, int col, int row, int direction);

}  // namespace kv
