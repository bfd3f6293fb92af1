#pragma once
// The about window: the version, and the credits rising through a box one pixel a tick; a
// right-click on a small spot of its picture opens the hidden picture window.
#include <string>

namespace kv {

// The credits, one line after another, each followed by NewLine. `languageTesters` is the
// language text of "Credits": the testers of the language pack separated by "|" (empty: no
// section for them).
std::string CreditsText(const std::string& languageTesters, const std::string& newLine);

// The caption of lblVersion: "v " and the game's version.
std::string AboutVersionCaption();

// The scroll of the credits (tmrScroll, every 75 ms) and the stop that OK asks for.
inline constexpr int kAboutTickMs = 75;
struct AboutScroll {
    int ticks = 0;               // ticks since the credits last started from the bottom edge
    bool stopRequested = false;  // OK was pressed: the next tick stops the scroll
};
// What a tick asks of the window: stop (timer off, window hidden), or print the credits with
// their top `top` pixels below the top of the box (negative once they rise past it).
struct AboutTick {
    bool stop = false;
    int top = 0;
};
// Once the credits have risen wholly out of view (their top above -creditsHeight) they start
// again from the bottom edge, however long the window stays open.
AboutTick AboutScrollTick(AboutScroll& scroll, int boxHeightPixels, int creditsHeightPixels);
// OK: the next tick stops the scroll and hides the window; the next opening starts from the bottom.
void RequestAboutStop(AboutScroll& scroll);

// The hidden spot of Picture1: a right-click (button 2) strictly inside 150 < x < 270 and
// 270 < y < 390 twips opens frmEgg.
bool AboutHotSpot(int button, double xTwips, double yTwips);
// The same for a point in pixels (15 twips a pixel).
bool AboutHotSpotPixels(int button, int x, int y);

}  // namespace kv
