#pragma once
// Where a window places itself on the screen, in twips (15 to a pixel): the arithmetic of the
// windows' load handlers, so that it is tested without a screen.

namespace kv {

struct WindowPosition {
    long left = 0, top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// Centred on a screen of the given size.
inline WindowPosition CentredOnScreen(long screenWidth, long screenHeight, long width, long height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

}  // namespace kv
