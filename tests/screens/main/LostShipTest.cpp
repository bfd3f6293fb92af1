#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/main/LostShip.h"
#include "support/TestGame.h"

namespace kv {
namespace {

TEST(LostShipFrameFiles, TakeTheFoundFilesOwnSuffixWhateverItsCase) {
    test::ScratchFolder dir;
    const std::string pictures = dir.Program() + "PICTURES/";
    for (const char* f : {"ship01.JPEG", "SHIP02.jpeg", "Ship03.JPEG", "SHIPDRIFT.png", "STARS.png"})
        dir.Write(std::string("program/PICTURES/") + f, "x");
    const std::vector<std::string> frames = LostShipFrameFiles(pictures);
    EXPECT_EQ(frames, (std::vector<std::string>{"", pictures + "ship01.JPEG", pictures + "SHIP02.jpeg",
                                                pictures + "Ship03.JPEG"}));
}

TEST(LostShipFrameFiles, AGapInTheNumbersLeavesThatFrameEmpty) {
    test::ScratchFolder dir;
    const std::string pictures = dir.Program() + "PICTURES/";
    for (const char* f : {"SHIP01.png", "SHIP03.png"}) dir.Write(std::string("program/PICTURES/") + f, "x");
    EXPECT_EQ(LostShipFrameFiles(pictures), (std::vector<std::string>{"", pictures + "SHIP01.png", ""}));
    EXPECT_EQ(LostShipFrameFiles(dir.Program() + "none/"), (std::vector<std::string>{""}));
}

struct ShipGame : test::TestGame {
    ScriptedRandom none;  // the game's generator: any draw fails the test
    ShipGame() : TestGame(none) { UseTexts({{"SHIP0001", "The ship is lost."}}); }
};

// Runs the animation of n frames to its notice; returns the time it took (ms) and the frame
// shown by each tick.
int Animate(ShipGame& sg, LostShipAnimation& a, int n, std::vector<int>& shown) {
    sg.game.SetTimer(Timer::frmShip_tmrAnimation, true);
    int interval = kShipFrameMs, elapsed = 0;
    for (int i = 0; i < 100; ++i) {
        elapsed += interval;
        const LostShipTick t = LostShipTimerTick(sg.game, a, n);
        interval = t.interval;
        if (t.notice) return elapsed;
        shown.push_back(t.show);
    }
    return -1;
}

TEST(LostShipAnimation, TwelveFramesThenTheLastForASecondThenTheNotice) {
    ShipGame sg;
    LostShipAnimation a;  // the window's, kept for the whole run
    std::vector<int> shown;
    EXPECT_EQ(Animate(sg, a, 12, shown), 13 * 500 + 1000);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, -1}));
    EXPECT_EQ(sg.host.notices, (std::vector<std::string>{"The ship is lost."}));
    EXPECT_FALSE(sg.game.TimerEnabled(Timer::frmShip_tmrAnimation));
    EXPECT_TRUE(sg.host.Saw("hide:frmShip"));

    // A second loss in the same run plays the frames again from the first.
    shown.clear();
    EXPECT_EQ(Animate(sg, a, 12, shown), 7500);
    EXPECT_EQ(shown.front(), 1);
}

TEST(LostShipAnimation, WithoutFramesTheNoticeComesAfterOneAndAHalfSeconds) {
    ShipGame sg;
    LostShipAnimation a;
    std::vector<int> shown;
    EXPECT_EQ(Animate(sg, a, 0, shown), 1500);
    EXPECT_EQ(sg.host.notices.size(), 1u);
}

TEST(LostShipAnimation, KeepsExactlyOneFrameShown) {
    ShipGame sg;
    LostShipAnimation a;
    const LostShipTick first = LostShipTimerTick(sg.game, a, 3);
    EXPECT_EQ(first.show, 1);
    EXPECT_EQ(first.hide, (std::vector<int>{3, 0}));  // the last frame of an earlier loss, and frame 0
    const LostShipTick second = LostShipTimerTick(sg.game, a, 3);
    EXPECT_EQ(second.show, 2);
    EXPECT_EQ(second.hide, (std::vector<int>{1}));
}

TEST(LostShipStars, AHundredStarsOfTheCosmeticGeneratorAtNewPointsEachTime) {
    ShipGame sg;  // a draw of the game's generator would throw
    const std::vector<ShipStar> first = LostShipStars(sg.game, 640, 480);
    ASSERT_EQ(first.size(), 100u);
    int yellow = 0;
    for (const ShipStar& s : first) {
        EXPECT_TRUE(s.x >= 0 && s.x < 640 && s.y >= 0 && s.y < 480);
        EXPECT_TRUE(s.colour == 14 || s.colour == 15);
        yellow += s.colour == 14;
    }
    EXPECT_GT(yellow, 20);
    EXPECT_LT(yellow, 80);
    const std::vector<ShipStar> second = LostShipStars(sg.game, 640, 480);
    EXPECT_NE(first[0].x * 1000 + first[0].y, second[0].x * 1000 + second[0].y);
    EXPECT_EQ(sg.none.Used(), 0u);
}

}  // namespace
}  // namespace kv
