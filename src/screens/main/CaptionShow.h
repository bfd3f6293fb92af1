#pragma once
// The caption show of the background window: the lines of lblScroll shown one after another on
// the window's black surface, each fading in, holding and fading out. The grey show (tmrScroll)
// centres every line and can be stopped by a click or Escape; the red show (tmrNoMorv) stacks
// its lines down the window and starts after a delay. The window calls CaptionShowTick on each
// tick of the show's timer and draws what it returns.
#include <optional>
#include <string>
#include <vector>

#include "state/Game.h"

namespace kv {

enum class CaptionShowKind { Grey, Red };

// The window and its lines as the window measures them (pixels): the size of each element of
// lblScroll in the show's font (widest line by all its lines' height).
struct CaptionLabelSize {
    int width = 0;
    int height = 0;
};
struct CaptionGeometry {
    int width = 0;
    int height = 0;
    std::vector<CaptionLabelSize> labels;  // one per element of lblScroll, in order
};

// One line printed onto the window: the caption's lines (split at NewLine), each further line
// starting again at `left`, the first at (left, top), in `colour` (0xBBGGRR). Level 0 prints it
// black, which erases it.
struct CaptionPrint {
    int label = 0;
    std::vector<std::string> lines;
    int left = 0;
    int top = 0;
    int level = 0;
    long colour = 0;
};

// What one tick asks of the window, in this order: clear it to black (the show was set up, the
// font of element 0 applies), print a line, then clear and hide it (the show is over: the
// modal wait of the opener returns). `interval` is the timer's interval from now on (ms).
struct CaptionTick {
    bool setUp = false;
    std::optional<CaptionPrint> print;
    bool ended = false;
    int interval = kCaptionTickMs;
};

// The font size of the show (points): 24 on a screen 1024 pixels wide, in proportion otherwise.
double CaptionFontSize(int screenWidthPixels);

// Starts a show of the lines now in lblScroll: switches its timer on (the opener then shows the
// background window modally). The red show's first tick comes after its delay.
void StartCaptionShow(Game& g, CaptionShowKind kind);

// One tick of a show's timer.
CaptionTick CaptionShowTick(Game& g, CaptionShowKind kind, const CaptionGeometry& window);

// A click on the window or Escape: asks a running grey show to stop at its next tick. With no
// grey show running nothing is asked, so a later show runs whole.
void RequestCaptionShowStop(Game& g);

}  // namespace kv
