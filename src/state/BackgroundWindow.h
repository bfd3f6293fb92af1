#pragma once
// The data of the full-screen background window: the request the background routines could not
// carry out at once, the lines of its caption show, and the state of its two shows.
#include <string>
#include <vector>

#include "state/GameState.h"

namespace kv {

// What the background routines still owe the window: a show refused while a modal window was
// open, or a hide that so far only emptied the window's region.
enum class BackgroundTag { None, Show, Hide };

// Where a line of the show stands on the window (pixels; set when the show is set up).
struct CaptionPlace {
    int left = 0;
    int top = 0;
};

// The state one show keeps between two ticks of its timer.
struct CaptionShowState {
    Integer ShowIndex = 0;     // the line being shown
    Integer ShowCount = 0;     // the number of lines, read at each tick
    Integer ShowLevel = 0;     // the brightness of the line, 0..255 while it is printed
    Integer ShowStep = 1;      // +1 while fading in, -1 while fading out
    Integer ShowWait = 0;      // ticks to wait before the next step
    bool ShowStarted = false;  // the show has been set up
    Single ShowSpeed = 0.33f;
    std::vector<CaptionPlace> places;  // per line, from the set-up
};

inline constexpr int kCaptionTickMs = 100;    // both shows tick every 100 ms once running
inline constexpr int kRedShowDelayMs = 4438;  // the red show's first tick comes after this

struct BackgroundWindowData {
    BackgroundTag Tag = BackgroundTag::None;
    // The show's lines (the label array lblScroll): element 0 always exists; AddBackgroundLine
    // fills element BackgroundLineCount and adds an empty one after it.
    std::vector<std::string> lblScroll{std::string()};
    Integer BackgroundLineCount = 0;
    // The grey show (tmrScroll) and the red show (tmrNoMorv).
    CaptionShowState grey, red;
    // A click or Escape during a grey show asks it to stop at its next tick.
    bool stopRequested = false;
    // The red show's timer interval: the delay before its first tick, then 100 ms.
    int redInterval = kRedShowDelayMs;
};

}  // namespace kv
