#include <gtest/gtest.h>

#include "engine/turn/Retrofit.h"
#include "screens/dialogs/RetrofitPanel.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

struct RetrofitPanelTest : ::testing::Test {
    ScriptedRandom rng;
    TurnGame tg{rng};
    GameState& s = tg.st;

    void SetUp() override {
        s.SystemNames = {"", "Warp", "SRS", "LRS", "Phasers", "Torpedoes", "Shields", "DC", "Computer"};
        for (int kind = 1; kind <= 5; ++kind) Offered(kind, 2);
    }
    // A kind offered with `uses` held, its cover open.
    void Offered(int kind, Integer uses) {
        s.RetrofitSlots[kind] = uses;
        s.RetrofitCoverOpen[kind - 1] = true;
    }
};

TEST_F(RetrofitPanelTest, EnginePowerStaysWithinTheCapacityAndNeverBelowNone) {
    struct Case {
        Long energy, max;
        Integer shields;
        Long after;
    };
    const Case cases[] = {{4900, 5000, 500, 4500}, {3000, 5000, 0, 3250}, {0, 1000, 1500, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        s.RetrofitButtonTag[0].clear();
        s.ShipEnergy = c.energy;
        s.MaxEnergy = c.max;
        s.ShieldLevel = c.shields;
        RetrofitButtonClick(tg.game, 0);
        EXPECT_EQ(s.ShipEnergy, c.after);
        EXPECT_EQ(s.RetrofitButtonTag[0], "6");  // two uses x 3
        EXPECT_EQ(RetrofitLampColour(s, 0), 10);
        EXPECT_TRUE(tg.host.Saw("refresh:Bars"));
    }
}

TEST_F(RetrofitPanelTest, EachButtonEngagesWithItsOwnTag) {
    s.RetrofitSlots[5] = 3;
    s.ShieldLevel = 200;
    s.SystemDamage[kLongRangeSensors] = 8;
    tg.host.answers = {kYes};
    const char* tags[] = {"6", "4", "3", "2", "7"};
    for (int i = 1; i <= 4; ++i) {
        RetrofitButtonClick(tg.game, i);
        EXPECT_EQ(s.RetrofitButtonTag[static_cast<size_t>(i)], tags[i]);
    }
    EXPECT_EQ(s.RetrofitSystem, 3);
}

TEST_F(RetrofitPanelTest, RefusalsLeaveTheButtonOff) {
    // No shields: the frequency cannot be rotated.
    RetrofitButtonClick(tg.game, 1);
    EXPECT_EQ(s.RetrofitButtonTag[1], "");
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<RETROFIT0001>"});
    EXPECT_EQ(RetrofitLampColour(s, 1), 12);

    // Systems 3 and 6 destroyed: 6 is offered first; declining both leaves nothing chosen.
    s.SystemDamage[kLongRangeSensors] = 8;
    s.SystemDamage[kShields] = 7;
    tg.host.answers = {kNo, kNo};
    RetrofitButtonClick(tg.game, 4);
    EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<RETROFIT0002>Shields?", "<RETROFIT0002>LRS?"}));
    EXPECT_EQ(tg.host.notices.back(), "<RETROFIT0003>");
    EXPECT_EQ(s.RetrofitButtonTag[4], "");
    EXPECT_EQ(s.RetrofitSystem, 0);

    // A covered button does nothing.
    s.RetrofitCoverOpen[2] = false;
    RetrofitButtonClick(tg.game, 2);
    EXPECT_EQ(s.RetrofitButtonTag[2], "");
}

TEST_F(RetrofitPanelTest, SwitchingOffSpendsAUseAndTheLastOneClosesTheCover) {
    s.RetrofitSlots[3] = 2;
    s.RetrofitButtonTag[2] = "3";
    RetrofitButtonClick(tg.game, 2);
    EXPECT_EQ(s.RetrofitButtonTag[2], "");
    EXPECT_EQ(s.RetrofitSlots[3], 1);
    EXPECT_EQ(RetrofitCountCaption(s, 3), "");
    EXPECT_TRUE(s.RetrofitCoverOpen[2]);

    s.RetrofitButtonTag[2] = "3";
    RetrofitButtonClick(tg.game, 2);
    EXPECT_EQ(s.RetrofitSlots[3], 0);
    EXPECT_FALSE(s.RetrofitCoverOpen[2]);
    EXPECT_NEAR(tg.host.waited, 0.8, 1e-6);  // the cover slid shut in eight steps
    EXPECT_EQ(s.RetrofitCoverTop[2], 0);
}

TEST_F(RetrofitPanelTest, EngagedLampsBlink) {
    s.RetrofitButtonTag[0] = "3";
    std::vector<int> seen;
    for (int tick = 0; tick < 3; ++tick) {
        RetrofitBlinkTick(tg.game);
        seen.push_back(RetrofitLampColour(s, 0));
        EXPECT_EQ(RetrofitLampColour(s, 1), 12);
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 10, 2}));
}

// A lamp lights light green as it is engaged, whichever colour the blink stands at, and blinks
// with the others from the next tick on.
TEST_F(RetrofitPanelTest, AnEngagedLampLightsGreenAtOnce) {
    s.RetrofitButtonTag[0] = "3";
    RetrofitBlinkTick(tg.game);
    ASSERT_EQ(RetrofitLampColour(s, 0), 2);
    RetrofitButtonClick(tg.game, 2);
    EXPECT_EQ(RetrofitLampColour(s, 2), 10);
    EXPECT_EQ(RetrofitLampColour(s, 0), 2);
    for (int expected : {10, 2}) {
        RetrofitBlinkTick(tg.game);
        EXPECT_EQ(RetrofitLampColour(s, 2), expected);
        EXPECT_EQ(RetrofitLampColour(s, 0), expected);
    }
}

TEST_F(RetrofitPanelTest, CoversSlideTenPixelsATenthOfASecond) {
    EXPECT_EQ(RetrofitSlideSteps(55, true), (std::vector<int>{0, -10, -20, -30, -40, -50, -60}));
    EXPECT_EQ(RetrofitSlideSteps(55, false), (std::vector<int>{-65, -55, -45, -35, -25, -15, -5}));

    s.RetrofitCoverOpen = {};
    s.RetrofitCoverOpen[1] = true;
    SlideRetrofitCover(tg.game, 2, true, 55);
    EXPECT_EQ(s.RetrofitCoverTop[1], -60);
    EXPECT_NEAR(tg.host.waited, 0.7, 1e-6);  // seven steps of 0.1 s
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmRetrofit));
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmRetrofit_tmrBlink));

    // Closing the last open cover hides the panel and stops the blinking.
    s.RetrofitCoverOpen[1] = false;
    SlideRetrofitCover(tg.game, 2, false, 55);
    EXPECT_EQ(s.RetrofitCoverTop[1], 0);
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmRetrofit));
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmRetrofit_tmrBlink));
}

}  // namespace
}  // namespace kv::test
