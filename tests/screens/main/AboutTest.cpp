#include <gtest/gtest.h>

#include <string>

#include "screens/main/About.h"

namespace kv {
namespace {

TEST(CreditsText, NamesEachRoleAndTheLanguageTestersOnlyWhenThereAreAny) {
    const std::string without = CreditsText("", "\r\n");
    EXPECT_EQ(without.rfind("CREDITS\r\n\r\nProgramming, Design, and Animations:\r\n      ", 0), 0u);
    for (const char* part :
         {"\r\nComputer Graphics:\r\n", "\r\nSounds:\r\n", "\r\nSome of the key testers:\r\n",
          "\r\nthe creation of Kestrava for Windows 9x.\r\n\r\n", "\r\nAll Rights Reserved.\r\n\r\n"})
        EXPECT_NE(without.find(part), std::string::npos) << part;
    EXPECT_EQ(without.find("language pack"), std::string::npos);
    EXPECT_EQ(without.substr(without.size() - 4), "\r\n\r\n");

    const std::string with = CreditsText("Ada Quill|Bo Narr", "\r\n");
    EXPECT_NE(with.find("Thanks to all the people who tested this\r\nlanguage pack, especially:\r\n\r\n"
                        "      Ada Quill\r\n      Bo Narr\r\nSome of the key testers:"),
              std::string::npos);
}

TEST(AboutHotSpot, IsARightClickStrictlyInsideItsSquare) {
    struct Case {
        int button;
        double x, y;
        bool opens;
    } cases[] = {
        {2, 151, 271, true}, {1, 151, 271, false}, {2, 150, 300, false}, {2, 200, 390, false},
        {2, 269, 389, true}, {2, 270, 300, false}, {2, 200, 270, false},
    };
    for (const Case& c : cases) EXPECT_EQ(AboutHotSpot(c.button, c.x, c.y), c.opens) << c.x << "," << c.y;
    EXPECT_TRUE(AboutHotSpotPixels(2, 11, 19));
    EXPECT_FALSE(AboutHotSpotPixels(2, 10, 19));
    EXPECT_FALSE(AboutHotSpotPixels(1, 11, 19));
}

TEST(AboutScroll, RisesAPixelATickAndStartsAgainOnceOutOfView) {
    AboutScroll scroll;
    AboutTick t{};
    for (int i = 1; i <= 800; ++i) t = AboutScrollTick(scroll, 200, 600);
    EXPECT_EQ(t.top, -600);  // the last line just leaves the box
    EXPECT_EQ(AboutScrollTick(scroll, 200, 600).top, 199);
    // Left open for hours the credits keep cycling through the box.
    for (int i = 0; i < 100000; ++i) {
        t = AboutScrollTick(scroll, 200, 600);
        ASSERT_FALSE(t.stop);
        ASSERT_GE(t.top, -600);
        ASSERT_LE(t.top, 199);
    }
}

TEST(AboutScroll, OkStopsOnTheNextTickAndTheNextOpeningStartsFromTheBottom) {
    AboutScroll scroll;
    for (int i = 0; i < 50; ++i) AboutScrollTick(scroll, 200, 600);
    RequestAboutStop(scroll);
    EXPECT_TRUE(AboutScrollTick(scroll, 200, 600).stop);
    EXPECT_EQ(AboutScrollTick(scroll, 200, 600).top, 199);
}

}  // namespace
}  // namespace kv
