#include "screens/Placement.h"

#include <algorithm>
#include <tuple>

namespace kv {

long long CoveredArea(const WindowBox& a, const WindowBox& b) {
    const long long w = std::min(a.Right(), b.Right()) - std::max(a.left, b.left);
    const long long h = std::min(a.Bottom(), b.Bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

WindowBox KeptOnScreen(WindowBox box, const WindowBox& screen) {
    if (box.Right() > screen.Right()) box.left = screen.Right() - box.width;
    if (box.Bottom() > screen.Bottom()) box.top = screen.Bottom() - box.height;
    if (box.left < screen.left) box.left = screen.left;
    if (box.top < screen.top) box.top = screen.top;
    return box;
}

WindowBox NearestFreePlace(const WindowBox& wanted, const std::vector<StandingWindow>& standing,
                           const WindowBox& screen) {
    const WindowBox first = KeptOnScreen(wanted, screen);
    auto covers = [&](const WindowBox& place, bool givingWay) {
        long long area = 0;
        for (const StandingWindow& s : standing)
            if (s.givesWay == givingWay) area += CoveredArea(place, s.box);
        return area;
    };
    if (covers(first, false) == 0 && covers(first, true) == 0) return first;

    // Lefts and tops that line the window up with an edge of the screen or of a standing window.
    std::vector<long> lefts{first.left, screen.left, screen.Right() - wanted.width};
    std::vector<long> tops{first.top, screen.top, screen.Bottom() - wanted.height};
    for (const StandingWindow& s : standing) {
        const WindowBox& b = s.box;
        lefts.insert(lefts.end(), {b.Right(), b.left - wanted.width, b.left, b.Right() - wanted.width});
        tops.insert(tops.end(), {b.Bottom(), b.top - wanted.height, b.top, b.Bottom() - wanted.height});
    }
    // Free places first, then the least covering; the nearest of those, the earlier on a tie.
    using Cost = std::tuple<long long, long long, long long>;
    WindowBox best = first;
    Cost bestCost{covers(first, false), covers(first, true), 0};
    for (long top : tops)
        for (long left : lefts) {
            const WindowBox place = KeptOnScreen({left, top, wanted.width, wanted.height}, screen);
            const long long dx = place.left - first.left, dy = place.top - first.top;
            const Cost cost{covers(place, false), covers(place, true), dx * dx + dy * dy};
            if (cost < bestCost) best = place, bestCost = cost;
        }
    return best;
}

long LogWidthLeavingRoom(long screenWidth, long besideWidth, long madeWidth, long least) {
    return std::max(std::min(madeWidth, screenWidth - besideWidth), std::min(least, madeWidth));
}

}  // namespace kv
