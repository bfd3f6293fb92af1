#include <gtest/gtest.h>

#include "engine/turn/Condition.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

TEST(ConditionTest, SetConditionKeepsIndexInRange) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    for (long index : {7L, -1L, 2L}) {
        SetCondition(tg.game, index);
        EXPECT_EQ(tg.game.st.ConditionIndex, kGreen) << index;
        EXPECT_EQ(tg.game.st.ConditionText, "COND2");
    }
    SetCondition(tg.game, 3);
    EXPECT_EQ(tg.game.st.ConditionIndex, kRed);
    EXPECT_EQ(tg.game.st.ConditionText, "COND3");
}

struct ConditionCase {
    const char* what;
    Long energy;
    Integer shields;
    Flag docked;
    Integer zarvoniEnergy;  // slot 1 of the quadrant
    Integer cloaked;        // cloaked ships in the quadrant
    bool morvHere;
    Long baseFlag, baseStrength;  // the hostile starbase in the ship's quadrant (-2 = elsewhere)
    Long expected;
    int colour;
};

TEST(ConditionTest, RulesAndTheirPrecedence) {
    const ConditionCase cases[] = {
        {"nothing to report", 3000, 0, 0, -1, 0, false, -2, 0, kGreen, 2},
        {"energy low", 300, 100, 0, -1, 0, false, -2, 0, kYellow, 14},
        {"exactly a tenth is not low", 400, 100, 0, -1, 0, false, -2, 0, kGreen, 2},
        {"docked with low energy", 100, 0, 1, -1, 0, false, -2, 0, kDocked, 9},
        {"docked with a Zarvoni ship", 3000, 0, 1, 100, 0, false, -2, 0, kRed, 4},
        {"a disabled Zarvoni ship does not count", 3000, 0, 0, 0, 0, false, -2, 0, kGreen, 2},
        {"a cloaked ship alone", 3000, 0, 0, -1, 1, false, -2, 0, kRed, 4},
        {"the Morv ship", 3000, 0, 0, -1, 0, true, -2, 0, kRed, 4},
        {"the hostile starbase", 3000, 0, 0, -1, 0, false, 0, 100, kRed, 4},
        {"the captured starbase", 3000, 0, 0, -1, 0, false, -1, 100, kGreen, 2},
        {"the destroyed starbase", 3000, 0, 0, -1, 0, false, 0, -1000, kGreen, 2},
        {"low energy among hostiles", 100, 0, 0, 100, 0, false, -2, 0, kRed, 4},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        s.ShipEnergy = c.energy;
        s.ShieldLevel = c.shields;
        s.ShieldsChanged = kTrue;  // the player set them: they stay
        s.Docked = c.docked;
        s.ZarvoniEnergy[1] = c.zarvoniEnergy;
        s.CloakedPerQuadrant[3][3] = c.cloaked;
        if (c.morvHere) s.MorvShip[1] = s.MorvShip[2] = 4;
        if (c.baseFlag != -2) {
            s.ZarvoniBase[0] = c.baseFlag;
            s.ZarvoniBase[1] = s.ZarvoniBase[2] = 4;
            s.ZarvoniBase[5] = c.baseStrength;
        }
        UpdateCondition(tg.game);
        EXPECT_EQ(s.ConditionIndex, c.expected) << c.what;
        EXPECT_EQ(s.ConditionText, "COND" + std::to_string(c.expected)) << c.what;
        EXPECT_EQ(s.ConditionColour, c.colour) << c.what;
        EXPECT_EQ(s.ConditionTextColour, c.colour == 14 ? 0 : 15) << c.what;
        EXPECT_EQ(s.ConditionCaption, s.ConditionText);
        EXPECT_EQ(s.ShieldLevel, c.shields) << c.what;
    }
}

TEST(ConditionTest, DockedConditionIsNotResetByTheRefresh) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    SetCondition(tg.game, kDocked);  // docking set it; Docked itself is already 0
    UpdateCondition(tg.game);
    EXPECT_EQ(tg.game.st.ConditionIndex, kDocked);
}

TEST(ConditionTest, AlarmsSoundOncePerSpell) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.ShieldsChanged = kTrue;
    auto update = [&](Long energy, Integer zarvoni) {
        s.ShipEnergy = energy;
        s.ZarvoniEnergy[1] = zarvoni;
        UpdateCondition(tg.game);
    };
    update(3000, 100);  // red
    update(3000, 100);  // still red: no second alarm
    EXPECT_EQ(SoundNames(tg.host), (std::vector<std::string>{"RED.WAV"}));
    update(100, -1);    // yellow
    update(100, -1);    // still yellow
    update(3000, -1);   // green
    update(100, -1);    // yellow again
    update(3000, 100);  // a new red spell
    EXPECT_EQ(SoundNames(tg.host), (std::vector<std::string>{"RED.WAV", "YELLOW.WAV", "YELLOW.WAV", "RED.WAV"}));
    EXPECT_NEAR(tg.host.waited, 0.5 + 0.7 + 0.7 + 0.5, 1e-6);
}

TEST(ConditionTest, ShieldsThePlayerDidNotSetDropWhileGreen) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.ShieldLevel = 300;
    s.ShipEnergy = 3000;
    UpdateCondition(tg.game);
    EXPECT_EQ(s.ShieldLevel, 0);
    EXPECT_EQ(s.ShipEnergy, 3300);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"<KVBASIC0176>"}));

    // Entering yellow drops them once, with the alarm.
    s.ShipEnergy = 200;
    s.ShieldLevel = 100;
    UpdateCondition(tg.game);
    EXPECT_EQ(s.ConditionIndex, kYellow);
    EXPECT_EQ(s.ShieldLevel, 0);
    EXPECT_EQ(s.ShipEnergy, 300);
    s.ShieldLevel = 100;
    s.ShipEnergy = 200;
    UpdateCondition(tg.game);  // same yellow spell: shields stay
    EXPECT_EQ(s.ShieldLevel, 100);
}

TEST(ConditionTest, RelievedStarbaseIsReportedOnce) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.Galaxy[4][4] = 21;  // starbase 2 and one star system
    s.StarbaseFlags[2] = kTrue;
    s.ZarvoniEnergy[1] = 100;
    s.ShieldsChanged = kTrue;
    UpdateCondition(tg.game);  // red: not relieved yet
    EXPECT_EQ(s.StarbaseFlags[2], kTrue);
    s.ZarvoniEnergy[1] = -1;
    UpdateCondition(tg.game);
    UpdateCondition(tg.game);
    EXPECT_EQ(s.StarbaseFlags[2], 0);
    EXPECT_EQ(s.StatCounterF, 1);
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<KVGAME0094> 2<KVGAME0095>"}));
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"<KVGAME0094> 2<KVGAME0095>"}));
}

TEST(ConditionTest, StatusLampsAreGameData) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    for (int lamp = 1; lamp <= 6; ++lamp) EXPECT_FALSE(GetStatusItem(tg.game, lamp));
    SetStatusItem(tg.game, 4, kTrue);
    EXPECT_TRUE(GetStatusItem(tg.game, 4));
    EXPECT_EQ(s.LampBackColor[4], 0xC000);
    EXPECT_EQ(s.LampForeColor[4], 0xFFFFFF);
    SetStatusItem(tg.game, 1, kTrue);
    EXPECT_EQ(s.LampBackColor[1], 0xFF);
    SetStatusItem(tg.game, 4, kFalse);
    EXPECT_FALSE(GetStatusItem(tg.game, 4));
    EXPECT_EQ(s.LampBackColor[4], 0x4000);
    EXPECT_EQ(s.LampForeColor[4], 0xC0C0C0);
    SetStatusItem(tg.game, 9, kTrue);  // no such lamp
    EXPECT_FALSE(GetStatusItem(tg.game, 9));
    EXPECT_FALSE(GetStatusItem(tg.game, 0));
    EXPECT_TRUE(GetStatusItem(tg.game, 1));
}

TEST(ConditionTest, MessageIfEnabledLogsOnceEitherWay) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    MessageIfEnabled(tg.game, -1, "open");
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"open"}));
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"open"}));
    tg.game.MessageSuppressed[13] = kTrue;
    MessageIfEnabled(tg.game, 13, "quiet");
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"open", "quiet"}));
    EXPECT_EQ(tg.host.notices.size(), 1u);
}

TEST(ConditionTest, StarbaseLine) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.QuadStarbase = 1;
    s.Starbases[3][1] = 25000;
    ShowStarbaseStatus(tg.game);  // before the first refresh passed its warp check
    EXPECT_EQ(s.StarbaseLine, "");
    s.TurnPassedWarp = 1;
    ShowStarbaseStatus(tg.game);
    EXPECT_EQ(s.StarbaseLine, "<KVGAME0033> 50%");
    EXPECT_EQ(s.LastTurnPassedWarp, 1);
    s.QuadStarbase = 0;
    s.ZarvoniBase[1] = s.ZarvoniBase[2] = 4;
    s.ZarvoniBaseStrength = 40000;
    s.ZarvoniBase[5] = 1000;  // 2.5 % rounds half to even
    ShowStarbaseStatus(tg.game);
    EXPECT_EQ(s.StarbaseLine, "<KVGAME0034> 2%");
}

TEST(ConditionTest, FlashGrowsRingsOverTheCell) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    FlashSRS(tg.game, 0, 3);  // outside the quadrant
    EXPECT_TRUE(tg.host.events.empty());
    FlashSRS(tg.game, 2, 3);  // 32-pixel cells: radius 1 to 16 in steps of 3
    EXPECT_EQ(EventsStarting(tg.host.events, "ring:"),
              (std::vector<std::string>{"ring:2,3:1:12", "ring:2,3:4:14", "ring:2,3:7:12", "ring:2,3:10:14",
                                        "ring:2,3:13:12", "ring:2,3:16:14"}));
    const auto& e = tg.host.events;
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[e.size() - 2], "draw:2,3:0");
    EXPECT_EQ(e.back(), "endflash:2,3");
    EXPECT_NEAR(tg.host.waited, 6 * 0.01 + 0.5, 1e-6);
}

}  // namespace
}  // namespace kv::test
