#pragma once
// Shaped windows and buttons: the outline of a picture as a set of rectangles (the Qt side joins
// them into a QRegion for a window mask), and the press, hover and release of a picture box that
// acts as a shaped push button.
#include <cstddef>
#include <vector>

namespace kv {

// A picture as a grid of colours (0xBBGGRR), row after row.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<long> pixels;  // width x height, row-major
    long At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

// A rectangle of pixels; the right and bottom edges are not part of it.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The opaque pixels of a picture: one rectangle one pixel high per run of pixels whose colour
// differs from `transparent`, row by row from the top, left to right. With -1 the colour of the
// top-left pixel is the transparent one, and it is handed back in `transparent`. A picture with
// no opaque pixel gives no rectangle (a window given that shape shows nothing).
std::vector<PixelRect> RegionFromPicture(const PixelGrid& picture, long& transparent);

// True when the pixel (x, y) lies in one of the rectangles.
bool PointInRegion(const std::vector<PixelRect>& region, int x, int y);
// The same for a point in twips, rounded to the nearest pixel (15 twips a pixel).
bool PointInShapedButton(const std::vector<PixelRect>& region, double xTwips, double yTwips);

// The shaped push buttons share one state for the whole run: the button that took the last
// press of the left button and whether it is shown pressed. A pressed button is drawn 2 pixels
// right and down of its place. Mouse buttons: 1 left, 2 right; `buttons` of a move is the set
// of buttons held.
class ShapedButtons {
public:
    // What the button does: `shift` pixels to move it by (right and down when positive), and
    // whether it was activated (released while pressed).
    struct Action {
        int shift = 0;
        bool activate = false;
        bool operator==(const Action&) const = default;
    };
    using Control = const void*;

    Action Down(Control control, int button);
    Action Move(Control control, int buttons, bool insideShape);
    Action Up(Control control, int button);

    Control Remembered() const { return control_; }
    bool Pressed() const { return pressed_; }

private:
    Control control_ = nullptr;
    bool pressed_ = false;
};

}  // namespace kv
