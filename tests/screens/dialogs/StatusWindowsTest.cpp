#include "screens/dialogs/StatusWindows.h"

#include <gtest/gtest.h>

#include "engine/computer/Displays.h"
#include "engine/turn/Condition.h"
#include "state/DisplayData.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

TEST(BarExplanationTest, EachGaugeWithItsValueTable) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    s.ShipEnergy = 2500;
    s.MaxEnergy = 5000;
    const std::string nl = "\r\n";
    const std::string table = nl + "<BARS0046>\t<BARS0047>\t<BARS0048>" + nl;
    EXPECT_EQ(BarExplanation(tg.game, 0), "<BARS0001>" + nl + "<BARS0002>" + nl + "<BARS0003>" + nl + "<BARS0004>" +
                                              nl + table + "2500\t5000\t50%" + nl + nl + "<BARS0005>" + nl +
                                              "<BARS0006>");

    // Mission type 2, goal 10 with 4 done: 6 of 10 still to reach; the table ends it.
    s.MissionType = 2;
    s.MissionGoal = 10;
    s.GoalBySystems = 1;
    s.GoalSystemsDone = 4;
    EXPECT_NE(BarExplanation(tg.game, 4).find(table + "6\t10\t60%" + nl + nl + "<BARS0039>"), std::string::npos);

    // Torpedoes with class-2 power: two more lines after the table.
    s.MaxTorpedoesClass1 = 8, s.MaxTorpedoesClass2 = 2;
    s.TorpedoStockClass1 = 3, s.TorpedoStockClass2 = 1;
    s.TorpedoClass2Power = 3;
    const std::string torpedoes = BarExplanation(tg.game, 2);
    EXPECT_NE(torpedoes.find("4\t10\t40%"), std::string::npos);
    EXPECT_TRUE(torpedoes.ends_with("<BARS0018>" + nl + "<BARS0019>3<BARS0020>"));
    s.TorpedoClass2Power = 1;
    EXPECT_TRUE(BarExplanation(tg.game, 2).ends_with("40%" + nl + nl));

    // Time, to the nearest whole unit; in mission type 3 the explored systems.
    s.MissionType = 0;
    s.TimeLeft = 12.5f, s.TotalTime = 30;
    EXPECT_NE(BarExplanation(tg.game, 3).find("12\t30\t40%"), std::string::npos);
    s.MissionType = 3;
    s.GoalProgress = 2, s.SystemsCount = 8;
    EXPECT_NE(BarExplanation(tg.game, 3).find("<BARS0027>"), std::string::npos);
    EXPECT_NE(BarExplanation(tg.game, 3).find("2\t8\t25%"), std::string::npos);
    s.ZarvonisCounted = 20, s.ZarvonisLeft = 5;
    EXPECT_EQ(BarExplanation(tg.game, 4).rfind("<BARS0041>Zarvonis", 0), 0u);

    // No maximum: no percentage; no gauge: nothing.
    s.MaxEnergy = 0;
    EXPECT_NE(BarExplanation(tg.game, 0).find("2500\t0\t-"), std::string::npos);
    EXPECT_EQ(BarExplanation(tg.game, 5), "");
    BarClick(tg.game, 7);
    EXPECT_TRUE(tg.host.notices.empty());
    BarClick(tg.game, 1);
    EXPECT_EQ(tg.host.notices.size(), 1u);
}

TEST(StatusLampsTest, ClicksOpenTheirReports) {
    const struct {
        int lamp;
        const char* shown;
        const char* refreshed;
    } cases[] = {{1, "show:frmBaseReport", "refresh:BaseReport"},
                 {2, "show:frmZarvoniReport", "refresh:ZarvoniReport"},
                 {3, "show:frmDamageReport", "refresh:DamageReport"},
                 {4, "show:frmGeneralReport", "refresh:GeneralReport"}};
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        LampClick(tg.game, c.lamp);
        ASSERT_GE(tg.host.events.size(), 2u);
        EXPECT_EQ(tg.host.events[0], c.shown);
        EXPECT_TRUE(tg.host.Saw(c.refreshed));
    }
    // The captured and time lamps do nothing.
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    LampClick(tg.game, 5);
    LampClick(tg.game, 6);
    EXPECT_TRUE(tg.host.events.empty());
}

TEST(StatusLampsTest, ABlinkEndsInTheStateItBeganWith) {
    for (bool on : {true, false}) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        SetStatusItem(tg.game, 2, on);
        tg.game.displays.blink.Lamp = 2;
        tg.game.SetTimer(Timer::frmStatus_tmrBlink, true);
        std::vector<bool> states;
        while (tg.game.TimerEnabled(Timer::frmStatus_tmrBlink)) {
            LampBlinkTick(tg.game);
            states.push_back(GetStatusItem(tg.game, 2));
        }
        ASSERT_EQ(states.size(), 13u);
        EXPECT_EQ(states[0], on);
        EXPECT_EQ(states[1], !on);
        EXPECT_EQ(states.back(), on);
        EXPECT_EQ(tg.game.displays.blink.Count, 0);
    }
}

TEST(StatusLampsTest, LampsAndWindowsTakeTheirPlaces) {
    EXPECT_EQ(LampGeometry(1), (LampRect{0, 0, 1575, 600}));
    EXPECT_EQ(LampGeometry(2), (LampRect{1560, 0, 1575, 600}));
    EXPECT_EQ(LampGeometry(3), (LampRect{3120, 0, 1575, 600}));
    EXPECT_EQ(LampGeometry(4), (LampRect{0, 600, 1575, 600}));
    EXPECT_EQ(LampGeometry(6), (LampRect{3120, 600, 1575, 600}));
    EXPECT_STREQ(LampControlName(5), "pnlBaseCaptured");
    EXPECT_STREQ(LampControlName(0), "");
    EXPECT_EQ(BarsPosition(15360, 11520, 3000, 2000), (WindowPosition{12360, 9520}));
    EXPECT_EQ(StatusPosition(15360, 11520, 4700, 1300), (WindowPosition{0, 10220}));
}

// What a gauge paints follows UpdateBars: the fill's height and colour from the level, the
// marker from the fraction, the minimum-shield line only while the command-state colours show it.
TEST(PaintGaugeTest, TheGaugePaintsWhatTheBarsUpdateComputed) {
    struct Case {
        Long energy;
        Long colour;  // 0xBBGGRR
        double fillTop;
    };
    const Case cases[] = {
        {4000, 0x008000, 20},  // green, 80 percent of a box 100 high
        {2500, 0x00FFFF, 50},  // yellow
        {1500, 0x0000FF, 70},  // light red
        {0, 0x000000, 100},    // empty
    };
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        tg.st.MaxEnergy = 5000;
        tg.st.ShipEnergy = c.energy;
        tg.st.ShieldLevel = 500;
        UpdateBars(tg.game);
        const GaugeLook look = PaintGauge(tg.game, 0, 20, 100);
        EXPECT_EQ(look.fillColour, c.colour) << c.energy;
        EXPECT_DOUBLE_EQ(look.fillTop, c.fillTop) << c.energy;
        EXPECT_TRUE(look.marker);
        // Energy and shields together against the maximum, from the top.
        EXPECT_NEAR(look.markerY, (1 - (c.energy + 500) / 5000.0) * 100, 1e-3) << c.energy;
        EXPECT_EQ(look.caption, "<BarInitials1>");
    }

    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    UpdateBars(tg.game);
    EXPECT_FALSE(PaintGauge(tg.game, 0, 20, 100).marker);  // no shields up: no total line
    EXPECT_TRUE(PaintGauge(tg.game, 1, 20, 100).marker);
    tg.st.CommandLook.MinShieldLine = false;
    EXPECT_FALSE(PaintGauge(tg.game, 1, 20, 100).marker);
    EXPECT_EQ(PaintGauge(tg.game, 5, 20, 100), GaugeLook{});
}

TEST(PaintLampTest, ColoursFollowTheLampAndTheGameCaptionWinsOverTheLampsOwn) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    SetStatusItem(tg.game, 4, true);
    SetStatusItem(tg.game, 3, false);
    EXPECT_EQ(PaintLamp(tg.st, 4, "DOCKED"), (LampLook{0xC000, 0xFFFFFF, "DOCKED"}));
    EXPECT_EQ(PaintLamp(tg.st, 3, "DAMAGE"), (LampLook{0x80, 0xC0C0C0, "DAMAGE"}));
    tg.st.LampCaption[2] = " CLOAKED SHIPS";
    EXPECT_EQ(PaintLamp(tg.st, 2, "HOSTILES").caption, " CLOAKED SHIPS");
    EXPECT_EQ(PaintLamp(tg.st, 7, "X"), LampLook{});
}

}  // namespace
}  // namespace kv::test
