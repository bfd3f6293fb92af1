#include "engine/computer/StatusPanel.h"

#include <gtest/gtest.h>

#include "engine/turn/Condition.h"
#include "state/DisplayData.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

struct StatusPanelTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    TurnGame tg{rng};
    GameState& s = tg.st;
    bool Lamp(int n) const { return GetStatusItem(tg.st, n); }
};

TEST_F(StatusPanelTest, TimeLampLightsAtAFifthOfTheTimeExceptWithoutATimeLimit) {
    struct Case {
        Integer mission;
        Single left, offset;
        bool lit;
    };
    const Case cases[] = {
        {0, 6.0f, 0, true},                                               // exactly 20 percent of 30
        {0, 6.3f, 0, false},                                              // 21 percent
        {0, 4.0f, 2.0f, true}, {2, 1.0f, 0, true}, {3, -5.0f, 0, false},  // no time limit: never
    };
    for (const Case& c : cases) {
        s.MissionType = c.mission;
        s.TimeLeft = c.left;
        s.TimeOffset = c.offset;
        UpdateStatusPanel(tg.game);
        EXPECT_EQ(Lamp(6), c.lit) << c.mission << " " << c.left;
    }
}

TEST_F(StatusPanelTest, AttackLampOnlyForAStandingBaseThatCallsForHelp) {
    s.StarbaseFlags[2] = 1;
    s.Starbases[3][2] = -1000;  // destroyed
    UpdateStatusPanel(tg.game);
    EXPECT_FALSE(Lamp(1));
    s.Starbases[3][2] = 12000;
    UpdateStatusPanel(tg.game);
    EXPECT_TRUE(Lamp(1));
}

TEST_F(StatusPanelTest, HostileLampAndItsCaption) {
    UpdateStatusPanel(tg.game);
    EXPECT_FALSE(Lamp(2));
    EXPECT_EQ(s.LampCaption[2], " ZARVONIS<KVCOM0076>");  // begins with a blank
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmStatus_tmrBlink));

    // Cloaked ships alone light the lamp and make it blink with its warning.
    s.CloakedPerQuadrant[3][3] = 1;
    UpdateStatusPanel(tg.game);
    EXPECT_TRUE(Lamp(2));
    EXPECT_EQ(s.LampCaption[2], "<KVCOM0075>");
    EXPECT_EQ(tg.game.displays.blink.Lamp, 2);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmStatus_tmrBlink));

    // A caption that already reads KVCOM0074 is left as it is, with no new blink.
    tg.game.SetTimer(Timer::frmStatus_tmrBlink, false);
    s.LampCaption[2] = "<KVCOM0074>";
    UpdateStatusPanel(tg.game);
    EXPECT_EQ(s.LampCaption[2], "<KVCOM0074>");
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmStatus_tmrBlink));

    // The hostile starbase of the quadrant and a Zarvoni ship with energy count too.
    s.CloakedPerQuadrant[3][3] = 0;
    s.ZarvoniBase[1] = s.ZarvoniBase[2] = 4;
    UpdateStatusPanel(tg.game);
    EXPECT_TRUE(Lamp(2));
    s.ZarvoniBase[1] = 0;
    s.ZarvoniEnergy[7] = 1;
    UpdateStatusPanel(tg.game);
    EXPECT_TRUE(Lamp(2));
}

TEST_F(StatusPanelTest, DamageDockedAndCapturedLamps) {
    s.SystemDamage[kTorpedoes] = 0.1f;
    s.Docked = 1;
    UpdateStatusPanel(tg.game);
    EXPECT_TRUE(Lamp(3));
    EXPECT_TRUE(Lamp(4));
    EXPECT_FALSE(Lamp(5));
    s.SystemDamage[kTorpedoes] = 0;
    s.Docked = 0;
    s.ZarvoniBase[0] = -1;
    UpdateStatusPanel(tg.game);
    EXPECT_FALSE(Lamp(3));
    EXPECT_FALSE(Lamp(4));
    EXPECT_TRUE(Lamp(5));
    EXPECT_EQ(tg.host.events.back(), "refresh:StatusPanel");
}

}  // namespace
}  // namespace kv::test
