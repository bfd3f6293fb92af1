#pragma once
// The lost-ship window: over a field of stars the ship's frames play one after another every
// 500 ms, the last stays a second, then the loss notice is shown and the window hides.
#include <string>
#include <vector>

#include "state/Game.h"

namespace kv {

// The frame files of the pictures folder: element i (1..N) is the file of frame i, "SHIP" and
// the two-digit frame number with the suffix of the first file that matches "ship??.*" (found
// without regard to case, so ship01.JPEG, SHIP02.jpeg ... all count); N is the number of files
// matching that pattern, and a frame whose file is missing is "" (it shows empty). Element 0
// stands for the window's own first frame and is always "".
std::vector<std::string> LostShipFrameFiles(const std::string& picturesFolder);

// One star of the field: a point in palette colour 14 (yellow) or 15 (white).
struct ShipStar {
    int x = 0;
    int y = 0;
    int colour = 15;
};
// The 100 stars drawn each time the window is activated, at new points of a window of that
// inner size (pixels); drawn with the cosmetic generator, never the game's.
std::vector<ShipStar> LostShipStars(Game& g, int width, int height);

inline constexpr int kShipFrameMs = 500;
inline constexpr int kShipLastFrameMs = 1000;

// The animation's state between ticks (tmrAnimation): the frame shown, 0 before the first tick.
struct LostShipAnimation {
    int frame = 0;
    int designInterval = kShipFrameMs;
};
// What a tick asks of the window: show frame `show` and hide the frames listed (numbers of
// imgShip, 0 the window's own), and run the timer at `interval` from now on. `notice` is set on
// the tick that ends the animation: the timer is off, the notice has been shown and the window
// hidden.
struct LostShipTick {
    int show = -1;
    std::vector<int> hide;
    int interval = kShipFrameMs;
    bool notice = false;
};
LostShipTick LostShipTimerTick(Game& g, LostShipAnimation& animation, int frameCount);

}  // namespace kv
