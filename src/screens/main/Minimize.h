#pragma once
// The minimised-state window: it stands for the whole game on the task bar. Minimising it hides
// every game window, keeping which were shown; restoring it brings back exactly those and the
// command bar. While minimised its icon runs through six frames.
#include <optional>
#include <string>

#include "state/Game.h"

namespace kv {

inline constexpr int kMinimizeTickMs = 150;
inline constexpr int kMinimizeFrames = 6;  // Frame(0) .. Frame(5)
inline constexpr int kMinimizeStillFrame = 3;

struct MinimizeState {
    bool firstResize = true;  // set at load, used up by the first resize
    bool minimised = false;
    int frame = 0;  // the icon frame last shown by the animation
};

// The caption at load (the ship-name prefix) and after that ("Kestrava - General").
std::string MinimizeLoadCaption(const Game& g);
std::string MinimizeCaption(const Game& g);

// What a resize asks of the window: its caption (none on the first resize), whether the icon
// animation runs from now on, and the icon frame to show when it stops.
struct MinimizeResize {
    std::optional<std::string> caption;
    bool animate = false;
    std::optional<int> icon;
};
// Form_Resize with the window's new state. A minimise hides windows 1..31 and keeps in
// FormVisible which were shown (a second minimise keeps what the first kept); a restore shows
// from 31 down to 1 exactly those, then the command bar. The first resize after loading changes
// no window.
MinimizeResize MinimizeResized(Game& g, MinimizeState& state, bool minimised);

// A tick of the icon animation: the next frame (after 5 comes 0), or nothing when the window is
// not visible (the timer then switches itself off).
std::optional<int> MinimizeAnimationTick(MinimizeState& state, bool windowVisible);

}  // namespace kv
