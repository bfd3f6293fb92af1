#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/main/FormSkin.h"

namespace kv {
namespace {

constexpr long kT = 0x00FF00;  // the skin's transparent green
constexpr long kO = 0x202020;  // an opaque grey

// A picture from rows of "T" (transparent) and "O" (opaque) separated by blanks.
PixelGrid Picture(const std::vector<std::string>& rows) {
    PixelGrid p;
    p.height = static_cast<int>(rows.size());
    for (const std::string& row : rows) {
        int w = 0;
        for (char c : row) {
            if (c == ' ') continue;
            p.pixels.push_back(c == 'T' ? kT : kO);
            ++w;
        }
        p.width = w;
    }
    return p;
}

TEST(RegionFromPicture, MakesOneRectanglePerOpaqueRunOfEachRow) {
    struct Case {
        std::vector<std::string> rows;
        long transparent;
        std::vector<PixelRect> rects;
    } cases[] = {
        // The top-left pixel gives the transparent colour; a run can end at the right edge.
        {{"T O O T", "O T O O"}, -1, {{1, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 4, 2}}},
        // A colour given: the other colour is the shape, whatever pixel (0, 0) is.
        {{"T O O T", "O T O O"}, kO, {{0, 0, 1, 1}, {3, 0, 4, 1}, {1, 1, 2, 2}}},
        {{"O O O", "O O O"}, kT, {{0, 0, 3, 1}, {0, 1, 3, 2}}},
        // Nothing opaque: no rectangle at all.
        {{"T T", "T T"}, -1, {}},
    };
    for (const Case& c : cases) {
        long transparent = c.transparent;
        EXPECT_EQ(RegionFromPicture(Picture(c.rows), transparent), c.rects) << c.rows[0];
    }
}

TEST(RegionFromPicture, HandsTheColourOfTheTopLeftPixelBack) {
    long transparent = -1;
    RegionFromPicture(Picture({"T O", "O O"}), transparent);
    EXPECT_EQ(transparent, kT);
    PixelGrid empty;
    transparent = -1;
    EXPECT_TRUE(RegionFromPicture(empty, transparent).empty());
    EXPECT_EQ(transparent, -1);
}

TEST(PointInShapedButton, TestsTheNearestPixelOfAPointInTwips) {
    long transparent = -1;
    const std::vector<PixelRect> region = RegionFromPicture(Picture({"T O O T", "O T O O"}), transparent);
    struct Case {
        double x, y;
        bool inside;
    } cases[] = {
        {15, 0, true},    // pixel (1, 0)
        {0, 0, false},    // pixel (0, 0) is transparent
        {23, 15, true},   // 1.53 pixels round to 2: (2, 1)
        {22, 15, false},  // 1.47 pixels round to 1: (1, 1) is transparent
        {15, 8, false},   // 0.53 pixels down round to row 1: (1, 1)
        {60, 15, false},  // (4, 1) lies past the right edge
    };
    for (const Case& c : cases) EXPECT_EQ(PointInShapedButton(region, c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(ShapedButtons, PressDragOutAndBackInThenRelease) {
    ShapedButtons b;
    int me = 0, other = 0;
    using A = ShapedButtons::Action;
    EXPECT_EQ(b.Down(&me, 2), A{});  // the right button does nothing
    EXPECT_EQ(b.Down(&me, 1), (A{2, false}));
    EXPECT_EQ(b.Down(&me, 1), A{});            // already pressed: no second shift
    EXPECT_EQ(b.Move(&other, 1, false), A{});  // not the pressed button
    EXPECT_EQ(b.Move(&me, 0, false), A{});     // no button held
    EXPECT_EQ(b.Move(&me, 1, false), (A{-2, false}));
    EXPECT_EQ(b.Move(&me, 1, false), A{});
    EXPECT_EQ(b.Move(&me, 1, true), (A{2, false}));
    EXPECT_EQ(b.Up(&other, 1), A{});
    EXPECT_EQ(b.Up(&me, 1), (A{-2, true}));
    EXPECT_EQ(b.Remembered(), nullptr);
    EXPECT_FALSE(b.Pressed());
}

TEST(ShapedButtons, ReleasingOutsideTheShapeDoesNotActivate) {
    ShapedButtons b;
    int me = 0;
    b.Down(&me, 1);
    EXPECT_EQ(b.Move(&me, 1, false).shift, -2);
    EXPECT_EQ(b.Up(&me, 1), ShapedButtons::Action{});
    EXPECT_EQ(b.Remembered(), nullptr);
}

}  // namespace
}  // namespace kv
