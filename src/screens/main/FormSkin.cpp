#include "screens/main/FormSkin.h"

#include "state/Numeric.h"
#include "state/Options.h"

namespace kv {

namespace {
constexpr int kLeftButton = 1;
constexpr int kPressShift = 2;
}  // namespace

std::vector<PixelRect> RegionFromPicture(const PixelGrid& picture, long& transparent) {
    std::vector<PixelRect> region;
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height))
        return region;
    if (transparent == -1) transparent = picture.At(0, 0);
    for (int y = 0; y < picture.height; ++y) {
        int x = 0;
        while (x < picture.width) {
            while (x < picture.width && picture.At(x, y) == transparent) ++x;
            if (x >= picture.width) break;
            const int start = x;
            while (x < picture.width && picture.At(x, y) != transparent) ++x;
            region.push_back({start, y, x, y + 1});
        }
    }
    return region;
}

bool PointInRegion(const std::vector<PixelRect>& region, int x, int y) {
    for (const PixelRect& r : region)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}

bool PointInShapedButton(const std::vector<PixelRect>& region, double xTwips, double yTwips) {
    return PointInRegion(region, CLng(xTwips / kTwipsPerPixel), CLng(yTwips / kTwipsPerPixel));
}

ShapedButtons::Action ShapedButtons::Down(Control control, int button) {
    if (button != kLeftButton || (control == control_ && pressed_)) return {};
    control_ = control;
    pressed_ = true;
    return {kPressShift, false};
}

ShapedButtons::Action ShapedButtons::Move(Control control, int buttons, bool inside) {
    if ((buttons & kLeftButton) == 0 || control == nullptr || control != control_) return {};
    if (!pressed_ && inside) {
        pressed_ = true;
        return {kPressShift, false};
    }
    if (pressed_ && !inside) {
        pressed_ = false;
        return {-kPressShift, false};
    }
    return {};
}

ShapedButtons::Action ShapedButtons::Up(Control control, int button) {
    if (button != kLeftButton || control == nullptr || control != control_) return {};
    Action a;
    if (pressed_) a = {-kPressShift, true};
    control_ = nullptr;
    pressed_ = false;
    return a;
}

}  // namespace kv
