#pragma once
// Where a window places itself on the screen, in twips (15 to a pixel): the arithmetic of the
// windows' load handlers, so that it is tested without a screen.

#include <vector>

namespace kv {

struct WindowPosition {
    long left = 0, top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// Centred on a screen of the given size.
inline WindowPosition CentredOnScreen(long screenWidth, long screenHeight, long width, long height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

// A window's outer rectangle (frame included) on the desktop, in any one unit.
struct WindowBox {
    long left = 0, top = 0, width = 0, height = 0;
    long Right() const { return left + width; }
    long Bottom() const { return top + height; }
    bool operator==(const WindowBox&) const = default;
};

// The area two windows share; 0 when they only touch.
long long CoveredArea(const WindowBox& a, const WindowBox& b);

// Moved back onto the screen, edge by edge in the order right, bottom, left, top: a window larger
// than the screen keeps its top-left corner (and so its title bar) on it.
WindowBox KeptOnScreen(WindowBox box, const WindowBox& screen);

// A window already standing on the desktop while another one's place is chosen. One that gives
// way (a report window) is the first to be covered where no place is free.
struct StandingWindow {
    WindowBox box;
    bool givesWay = false;
};

// The place of a window whose rule puts it at `wanted`: that place, kept on the screen, when it
// covers none of the standing windows; else the free place nearest to it (each candidate lines up
// with an edge of the screen, of a standing window or of the wanted place). Where no place is
// free: the one that covers least of the windows that do not give way, then least of those that
// do, then the nearest.
WindowBox NearestFreePlace(const WindowBox& wanted, const std::vector<StandingWindow>& standing,
                           const WindowBox& screen);

// The message log's width at the screen's left edge, outer sizes in one unit: the width it was
// made with, narrowed on a narrow screen so that what stands right of it fits beside it (the
// command bar; the scan with the computer panel beside it), never below `least`.
long LogWidthLeavingRoom(long screenWidth, long besideWidth, long madeWidth, long least);

}  // namespace kv
