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
        {{-10, -10, 1400, 1100}, {0, 0, 1400, 1100}},    // larger than the screen: its title bar stays on it
        {{500, 300, 1400, 100}, {0, 300, 1400, 100}},
    };
    for (const Case& c : cases) EXPECT_EQ(KeptOnScreen(c.box, kScreen), c.kept);
    // A desktop area that does not start at the origin (a panel above it).
    EXPECT_EQ(KeptOnScreen({0, 0, 100, 50}, {0, 30, 1280, 994}), (WindowBox{0, 30, 100, 50}));
}

TEST(WindowPlaces, AWindowKeepsItsRulesPlaceWhileItIsFreeElseTakesTheNearestFreeOne) {
    const StandingWindow log{{0, 0, 482, 263}}, bar{{482, 0, 614, 46}}, tallBar{{482, 0, 155, 122}};
    const WindowBox scan{482, 43, 196, 215};
    struct Case {
        const char* what;
        WindowBox wanted;
        std::vector<StandingWindow> standing;
        WindowBox place;
    } cases[] = {
        {"free", {700, 300, 100, 100}, {log, bar}, {700, 300, 100, 100}},
        {"touching is free", {482, 46, 196, 215}, {log, bar}, {482, 46, 196, 215}},
        {"off the screen, kept on it", {1200, 0, 100, 40}, {}, {1180, 0, 100, 40}},
        // The scan below the info window's height runs under a bar taller than that: just below it.
        {"under a long bar", scan, {log, bar}, {482, 46, 196, 215}},
        {"under a tall bar", scan, {log, tallBar}, {482, 122, 196, 215}},
        // The info window in the top-right corner, where a long bar reaches: below the bar.
        {"in the bar's corner", {960, 0, 320, 43}, {log, {{482, 0, 798, 46}}}, {960, 46, 320, 43}},
        // A report at the right edge over a game window: the nearest place clear of it, which
        // may be over a report.
        {"over a game window", {940, 300, 340, 150}, {{{900, 280, 380, 100}}}, {940, 380, 340, 150}},
        {"reports give way", {940, 300, 340, 150}, {{{900, 0, 380, 1024}}, {{0, 0, 900, 1024}, true}},
         {560, 300, 340, 150}},
    };
    for (const Case& c : cases) EXPECT_EQ(NearestFreePlace(c.wanted, c.standing, kScreen), c.place) << c.what;
}

TEST(WindowPlaces, WhereNoPlaceIsFreeTheReportsAreCoveredFirstThenTheLeast) {
    // A desktop filled by a game window but for a strip at the bottom, and reports at the right.
    const StandingWindow wall{{0, 0, 1280, 900}}, report{{900, 900, 380, 124}, true};
    // Too tall for the strip: over the report rather than the wall, least of the wall, then nearest.
    EXPECT_EQ(NearestFreePlace({100, 800, 300, 200}, {wall, report}, kScreen), (WindowBox{100, 824, 300, 200}));
    // Fits the strip beside the report: there.
    EXPECT_EQ(NearestFreePlace({100, 800, 300, 100}, {wall, report}, kScreen), (WindowBox{100, 900, 300, 100}));
    // Wider than the strip's free part: over as little of the report as it can, not the wall.
    EXPECT_EQ(NearestFreePlace({800, 800, 1000, 124}, {wall, report}, kScreen), (WindowBox{0, 900, 1000, 124}));
    // Larger than the screen: top-left corner on it, covering what it must.
    EXPECT_EQ(NearestFreePlace({200, 200, 1400, 1100}, {wall}, kScreen), (WindowBox{0, 0, 1400, 1100}));
}

TEST(WindowPlaces, TheLogLeavesRoomBesideItOnANarrowDesktop) {
    struct Case {
        long screen, beside, made, least, width;
    } cases[] = {
        {1280, 614, 482, 322, 482},  // room for both
        {1024, 614, 482, 322, 410},  // narrowed to fit the long bar
        {1024, 157, 482, 322, 482},  // a tall bar fits beside it
        {1024, 602, 482, 322, 422},  // a large scan with the panel beside it
        {800, 614, 482, 322, 322},   // never below the readable width
        {1024, 0, 482, 322, 482},    // nothing beside it
        {300, 614, 200, 322, 200},   // already narrower than that: as made
    };
    for (const Case& c : cases)
        EXPECT_EQ(LogWidthLeavingRoom(c.screen, c.beside, c.made, c.least), c.width) << c.screen << " " << c.beside;
}

}  // namespace
}  // namespace kv
