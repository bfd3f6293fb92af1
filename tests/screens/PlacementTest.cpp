#include "screens/Placement.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

const WindowBox kScreen{0, 0, 1280, 1024};

TEST(WindowPlaces, CoveredAreaCountsOnlyWhatTwoWindowsShare) {
    struct Case {
        WindowBox a, b;
        long long area;
    } cases[] = {
        {{0, 0, 100, 100}, {50, 50, 100, 100}, 2500},
        {{0, 0, 100, 100}, {100, 0, 50, 50}, 0},     // touching edges
        {{0, 0, 100, 100}, {0, 200, 100, 100}, 0},   // apart
        {{10, 10, 20, 20}, {0, 0, 100, 100}, 400},   // inside
        {{0, 0, 0, 100}, {0, 0, 100, 100}, 0},       // no width
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CoveredArea(c.a, c.b), c.area);
        EXPECT_EQ(CoveredArea(c.b, c.a), c.area);
    }
}

TEST(WindowPlaces, KeptOnScreenEdgeByEdge) {
    struct Case {
        WindowBox box, kept;
    } cases[] = {
        {{10, 20, 100, 50}, {10, 20, 100, 50}},
        {{-30, -5, 100, 50}, {0, 0, 100, 50}},
        {{1250, 1000, 100, 50}, {1180, 974, 100, 50}},  // a frame reaching past the bottom-right corner
        {{0, 990, 313, 121}, {0, 903, 313, 121}},       // a bottom window whose frame was not counted
        {{-10, -10, 1400, 1100}, {-120, -76, 1400, 1100}},  // larger than the screen: right and bottom win
    };
    for (const Case& c : cases) EXPECT_EQ(KeptOnScreen(c.box, kScreen), c.kept);
    // A desktop area that does not start at the origin (a panel above it).
    EXPECT_EQ(KeptOnScreen({0, 0, 100, 50}, {0, 30, 1280, 994}), (WindowBox{0, 30, 100, 50}));
}

TEST(WindowPlaces, LeastCoveringPlaceTakesTheFirstFreeCandidate) {
    const WindowBox scan{480, 46, 196, 214}, bar{480, 0, 613, 46};
    const WindowBox centred{687, 56, 198, 258}, rightOfScan{676, 56, 198, 258}, belowScan{480, 260, 198, 258};
    // The panel under the middle of the bar is clear of a small scan: it stays.
    EXPECT_EQ(LeastCoveringPlace({centred, rightOfScan, belowScan}, {scan, bar}, kScreen), centred);
    // A large scan under it: the first clear alternative.
    const WindowBox largeScan{480, 46, 390, 404};
    EXPECT_EQ(LeastCoveringPlace({centred, {870, 56, 198, 258}, {480, 450, 198, 258}}, {largeScan, bar}, kScreen),
              (WindowBox{870, 56, 198, 258}));
    // Every place covers something: the one that covers least; a candidate off the screen is
    // judged where it is kept on it.
    const WindowBox wall{0, 0, 1280, 500};
    EXPECT_EQ(LeastCoveringPlace({{0, 400, 100, 200}, {0, 2000, 100, 200}}, {wall}, kScreen),
              (WindowBox{0, 824, 100, 200}));
    EXPECT_EQ(LeastCoveringPlace({{0, 400, 100, 200}, {0, 450, 100, 200}}, {wall}, kScreen),
              (WindowBox{0, 450, 100, 200}));
    EXPECT_EQ(LeastCoveringPlace({{0, 0, 10, 10}, {5, 0, 10, 10}}, {wall}, kScreen), (WindowBox{0, 0, 10, 10}));
    EXPECT_EQ(LeastCoveringPlace({}, {wall}, kScreen), WindowBox{});
}

}  // namespace
}  // namespace kv
