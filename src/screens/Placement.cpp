#include "screens/Placement.h"

#include <algorithm>

namespace kv {

long long CoveredArea(const WindowBox& a, const WindowBox& b) {
    const long long w = std::min(a.Right(), b.Right()) - std::max(a.left, b.left);
    const long long h = std::min(a.Bottom(), b.Bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

WindowBox KeptOnScreen(WindowBox box, const WindowBox& screen) {
    if (box.left < screen.left) box.left = screen.left;
    if (box.top < screen.top) box.top = screen.top;
    if (box.Right() > screen.Right()) box.left = screen.Right() - box.width;
    if (box.Bottom() > screen.Bottom()) box.top = screen.Bottom() - box.height;
    return box;
}

WindowBox LeastCoveringPlace(const std::vector<WindowBox>& candidates, const std::vector<WindowBox>& others,
                             const WindowBox& screen) {
    WindowBox best;
    long long bestCovered = -1;
    for (const WindowBox& c : candidates) {
        const WindowBox place = KeptOnScreen(c, screen);
        long long covered = 0;
        for (const WindowBox& o : others) covered += CoveredArea(place, o);
        if (covered == 0) return place;
        if (bestCovered < 0 || covered < bestCovered) best = place, bestCovered = covered;
    }
    return best;
}

}  // namespace kv
