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

// Moved back onto the screen, edge by edge in the order left, top, right, bottom (so a window
// larger than the screen keeps its right and bottom edges on it), as the stored window places are.
WindowBox KeptOnScreen(WindowBox box, const WindowBox& screen);

// Of the places a window may stand in, the first (kept on the screen) that covers none of the
// other windows; when each covers some, the one that covers least, the earlier on a tie. No
// candidate at all leaves the window where a zero box is.
WindowBox LeastCoveringPlace(const std::vector<WindowBox>& candidates, const std::vector<WindowBox>& others,
                             const WindowBox& screen);

}  // namespace kv
