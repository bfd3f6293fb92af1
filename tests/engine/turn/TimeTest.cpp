#include <gtest/gtest.h>

#include "engine/turn/Time.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

struct RepairCase {
    Single damage, amount, expected;
    bool comesBack;
};

TEST(TimeTest, RepairsKeepDamageToHundredths) {
    const RepairCase cases[] = {
        {0.3f, 0.5f, 0.0f, true},                                   // repaired past zero: back in service
        {0.2f, 0.2f, 0.0f, true},                                   // exactly repaired
        {7.5f, 0.5f, 7.5f, false},                                  // out of action: time does not repair it
        {7.0f, 3.0f, 7.0f, false},   {1.234f, 0.0f, 1.23f, false},  // a charge of 0 still rounds to hundredths
        {1.23f, 0.0f, 1.23f, false},                                // a float just below 1.23 keeps its last digit
        {2.0f, 0.2f, 1.8f, false},   {6.99f, 0.2f, 6.79f, false},
        {0.0f, 0.2f, 0.0f, false},  // working: stays 0, no message
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        tg.game.st.SystemDamage[kLongRangeSensors] = c.damage;
        PassTime(tg.game, c.amount);
        EXPECT_EQ(tg.game.st.SystemDamage[kLongRangeSensors], c.expected) << c.damage << " - " << c.amount;
        if (c.comesBack) {
            EXPECT_EQ(tg.host.output, (std::vector<std::string>{"<KVGAME0166>", "SYS3<KVGAME0167>"}));
            EXPECT_EQ(EventsStarting(tg.host.events, "refresh:CommandState").size(), 1u);
        } else {
            EXPECT_TRUE(tg.host.output.empty()) << c.damage;
        }
        EXPECT_EQ(rng.Count(), 0u);
    }
    // Every one of the eight systems is repaired.
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    for (int i = 1; i <= 8; ++i) tg.game.st.SystemDamage[i] = 1.0f;
    PassTime(tg.game, 0.25f);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(tg.game.st.SystemDamage[i], 0.75f) << i;
}

TEST(TimeTest, TimeLeftIsChargedToHundredths) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    tg.game.st.TimeLeft = 10.0f;
    PassTime(tg.game, 0.32f);
    EXPECT_EQ(tg.game.st.TimeLeft, 9.68f);
    PassTime(tg.game, 0.0f);
    EXPECT_EQ(tg.game.st.TimeLeft, 9.68f);
    EXPECT_EQ(tg.game.st.TimeOffset, 0.0f);
    // The general report and the bars follow every charge (the general report ends with the
    // bars, and the charge brings them up to date itself too).
    EXPECT_EQ(EventsStarting(tg.host.events, "refresh:Bars").size(), 4u);
}

TEST(TimeTest, StarbasesRecoverOnlyWithoutZarvoniShips) {
    struct Case {
        Long strength;
        Integer quadrantCode;
        Single amount;
        Long expected;
    };
    const Case cases[] = {
        {10000, 10, 0.2f, 10400},   // 2 x 0.2 x 50000 / 50
        {10000, 110, 0.2f, 10000},  // a Zarvoni ship in its quadrant
        {-1000, 10, 5.0f, -1000},   // destroyed: never recovers
        {49900, 10, 0.2f, 50000},   // capped at full strength
        {0, 10, 25.0f, 50000},      // empty to full in RepairRate / 2 units
        {10000, 10, 0.0f, 10000},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        s.Starbases[1][2] = 6;
        s.Starbases[2][2] = 7;
        s.Starbases[3][2] = c.strength;
        s.Galaxy[6][7] = c.quadrantCode;
        PassTime(tg.game, c.amount);
        EXPECT_EQ(s.Starbases[3][2], c.expected) << c.strength << " code " << c.quadrantCode;
        EXPECT_EQ(s.Starbases[3][1], -1000);  // never placed
    }
}

TEST(TimeTest, HostileStarbaseRecoversWheneverItStands) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.ZarvoniBaseStrength = 10000;
    s.ZarvoniBase[1] = s.ZarvoniBase[2] = 2;
    s.Galaxy[2][2] = 500;  // ships around it do not stop it
    s.ZarvoniBase[5] = 5000;
    PassTime(tg.game, 0.5f);
    EXPECT_EQ(s.ZarvoniBase[5], 5200);
    s.ZarvoniBase[5] = 9990;
    PassTime(tg.game, 0.5f);
    EXPECT_EQ(s.ZarvoniBase[5], 10000);
    s.ZarvoniBase[5] = -1000;  // destroyed, or no hostile starbase in this game
    PassTime(tg.game, 5.0f);
    EXPECT_EQ(s.ZarvoniBase[5], -1000);
}

TEST(TimeTest, CloakedShipsDrainUntilTheyShowThemselves) {
    struct Case {
        Integer energy;
        Single amount;
        Integer expected;
        bool shows;
    };
    const Case cases[] = {
        {24, 0.2f, 20, false},       // 1 a round; stops at 20 without showing
        {26, 1.0f, 16, true},        // 21, then 16: shows in the second round
        {60, 0.2f, 39, false},       // 21 rounds of 1
        {20, 5.0f, 20, false},       // at 20 it is not drained
        {100, 0.0f, 100, false},     // one round with no effect
        {-1, 1.0f, -1, false},       // an empty slot
        {100, 1e30f, -32768, true},  // an outsized charge still drains and shows the ship
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        s.CloakedPerQuadrant[3][3] = 1;
        s.CloakedShips[1][1] = 3;
        s.CloakedShips[2][1] = 5;
        s.CloakedEnergy[1] = c.energy;
        s.CloakedEnergy[2] = 90;  // beyond the quadrant's count: untouched
        PassTime(tg.game, c.amount);
        EXPECT_EQ(s.CloakedEnergy[1], c.expected) << c.energy << " / " << c.amount;
        EXPECT_EQ(s.CloakedEnergy[2], 90);
        if (c.shows) {
            EXPECT_EQ(EventsStarting(tg.host.events, "draw:"), (std::vector<std::string>{"draw:3,5:9"}));
            EXPECT_EQ(tg.host.output, (std::vector<std::string>{"Zarvoni<KVGAME0168> 3 , 5"}));
        } else {
            EXPECT_TRUE(tg.host.output.empty());
        }
    }
}

TEST(TimeTest, NegativeChargeGivesTimeBackAndNothingElse) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.TimeLeft = 12.5f;
    s.SystemDamage[kShortRangeSensors] = 1.5f;
    s.Starbases[1][1] = s.Starbases[2][1] = 5;
    s.Starbases[3][1] = 10000;
    s.CloakedPerQuadrant[3][3] = 1;
    s.CloakedShips[1][1] = 2;
    s.CloakedShips[2][1] = 2;
    s.CloakedEnergy[1] = 30;
    PassTime(tg.game, -5.0f);
    EXPECT_EQ(s.TimeOffset, 5.0f);
    EXPECT_EQ(s.TimeLeft, 12.5f);
    EXPECT_EQ(s.SystemDamage[kShortRangeSensors], 1.5f);
    EXPECT_EQ(s.Starbases[3][1], 10000);
    EXPECT_EQ(s.CloakedEnergy[1], 30);
    // Only the general report, with the bars it ends with.
    EXPECT_EQ(tg.host.events,
              (std::vector<std::string>{"refresh:GeneralReport", "refresh:GeneralReport", "refresh:Bars"}));
}

TEST(TimeTest, PauseScalesBySpeedFactor) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    tg.game.st.SpeedFactor = 0.5f;  // "/FAST"
    Pause(tg.game, 2.0);
    EXPECT_DOUBLE_EQ(tg.host.waited, 1.0);
    Pause(tg.game, 0.0);
    Pause(tg.game, -1.0);
    EXPECT_EQ(EventsStarting(tg.host.events, "wait").size(), 1u);
}

}  // namespace
}  // namespace kv::test
