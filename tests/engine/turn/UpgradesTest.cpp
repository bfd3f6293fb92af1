#include <gtest/gtest.h>

#include "engine/turn/Upgrades.h"
#include "support/TestGame.h"

namespace kv {
namespace {

constexpr Long kGrey = 128 + 256 * 128 + 65536 * 128;

struct UpgradesTest : ::testing::Test {
    ScriptedRandom rng;
    test::TestGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override {
        s.TechLevel = 9;
        s.UpgradesOn = kTrue;
        s.UpgradeNames = {"Energy", "Shields", "Photon", "Tubes", "Sensors"};
        s.TotalTime = 100;
        s.TimeLeft = 100;
    }
    // Grants `times` levels of a slot; every granted level makes the Morv arrival test, whose
    // one draw (0.99) starts no countdown here while the extra levels stay few.
    void Grant(int slot, int times = 1) {
        for (int i = 0; i < times; ++i) {
            rng.Push(0.99f);
            StartUpgrade(tg.game, slot);
        }
    }
    void StandardShip() {
        for (int slot = 1; slot <= 5; ++slot) Grant(slot);
    }
};

TEST_F(UpgradesTest, StandardShipValues) {
    s.TechLevel = 3;
    StandardShip();
    EXPECT_EQ(s.MaxEnergy, 5000);
    EXPECT_EQ(s.MaxShields, 2000);
    EXPECT_FLOAT_EQ(s.ShieldFactor, 1.0f);
    EXPECT_EQ(s.TorpedoClass2Power, 1);
    EXPECT_EQ(s.MaxTorpedoesClass1, 30);
    EXPECT_EQ(s.MaxTorpedoesClass2, 0);
    EXPECT_EQ(s.LRSRange, 1);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(s.UpgradeTable[slot], 1);
        EXPECT_EQ(s.UpgradeFillColor[slot], -1);  // button face at level 1
    }
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_TRUE(tg.host.notices.empty());
}

TEST_F(UpgradesTest, EachSlotDerivesItsCapacities) {
    StandardShip();
    Grant(1, 2);
    EXPECT_EQ(s.MaxEnergy, 15000);
    Grant(2, 2);
    EXPECT_EQ(s.ShieldFactor, 0.64f);  // exactly the Single nearest 0.64
    EXPECT_EQ(s.MaxShields, 2000);
    Grant(5, 3);
    EXPECT_EQ(s.LRSRange, 4);
    // Current stores are left alone.
    EXPECT_EQ(s.ShipEnergy, 0);
    EXPECT_EQ(s.ShieldLevel, 0);
}

TEST_F(UpgradesTest, TorpedoCapacitiesFollowSlotsThreeAndFour) {
    struct Case {
        int l3, l4;
        Integer class1, class2;
    };
    const Case cases[] = {
        {1, 1, 30, 0}, {1, 3, 90, 0}, {2, 1, 20, 10}, {2, 2, 50, 10}, {2, 3, 70, 20}, {4, 5, 110, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "L3 " << c.l3 << " L4 " << c.l4);
        // Either order of grants gives the same capacities.
        for (bool slot3First : {true, false}) {
            s.UpgradeTable = {};
            s.MorvCountdown = 0;
            StandardShip();
            if (slot3First) {
                Grant(3, c.l3 - 1);
                Grant(4, c.l4 - 1);
            } else {
                Grant(4, c.l4 - 1);
                Grant(3, c.l3 - 1);
            }
            EXPECT_EQ(s.TorpedoClass2Power, c.l3);
            EXPECT_EQ(s.MaxTorpedoesClass1, c.class1);
            EXPECT_EQ(s.MaxTorpedoesClass2, c.class2);
        }
    }
}

TEST_F(UpgradesTest, RefusalAtTheTechnologyLimit) {
    s.TechLevel = 2;
    StandardShip();
    Grant(2);  // reaches the limit: grey border, light yellow fill
    EXPECT_EQ(s.UpgradeBorderColor[2], kGrey);
    EXPECT_EQ(s.UpgradeFillColor[2], 255 + 256 * 255);
    EXPECT_EQ(s.UpgradeBorderColor[1], 0);
    const GameState before = s;

    struct Case {
        const char* name;
        Integer countdown;
        std::vector<float> draws;
        Integer countdownAfter;
    };
    const Case cases[] = {
        // A draw above one half starts a countdown (second draw: its length, 5 + Int(0.3 x 10)).
        {"draws the Morv in", 0, {0.6f, 0.3f}, 8},
        {"leaves the Morv away", 0, {0.5f}, 0},
        {"countdown running: no draw", 6, {}, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.MorvCountdown = c.countdown;
        tg.host.notices.clear();
        for (float d : c.draws) rng.Push(d);
        const size_t used = rng.Used();
        StartUpgrade(tg.game, 2);
        EXPECT_EQ(rng.Used() - used, c.draws.size());  // and no arrival test
        EXPECT_EQ(s.MorvCountdown, c.countdownAfter);
        EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVGAME0161>Shields<KVGAME0162>"});
        EXPECT_EQ(s.UpgradeTable, before.UpgradeTable);
        EXPECT_FLOAT_EQ(s.ShieldFactor, before.ShieldFactor);
    }
}

// The arrival test follows the raise: it counts the level just granted.
TEST_F(UpgradesTest, AGrantEndsWithTheArrivalTestOnTheNewLevel) {
    s.TechLevel = 3;
    s.UpgradeTable = {0, 3, 3, 3, 3, 2};
    rng.Push(0.99f);  // x = 0.996: T = Int(9.96) = 9, and E = 10 only after the raise
    rng.Push(0.0f);   // the countdown's length: 5
    StartUpgrade(tg.game, 5);
    EXPECT_EQ(s.UpgradeTable[5], 3);
    EXPECT_EQ(s.MorvCountdown, 5);
    EXPECT_EQ(rng.Remaining(), 0u);
}

TEST_F(UpgradesTest, UpgradesSwitchedOffKeepTheStandardShip) {
    s.TechLevel = 3;
    StandardShip();
    Grant(1);
    s.UpgradesOn = kFalse;
    s.TechLevel = 1;
    Grant(1);
    EXPECT_EQ(s.UpgradeTable[1], 1);
    EXPECT_EQ(s.MaxEnergy, 5000);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVGAME0156>"});
}

TEST_F(UpgradesTest, OtherSlotNumbersChangeNothing) {
    StandardShip();
    const GameState before = s;
    StartUpgrade(tg.game, 0);
    StartUpgrade(tg.game, 6);
    EXPECT_EQ(s.UpgradeTable, before.UpgradeTable);
    EXPECT_EQ(s.MaxEnergy, before.MaxEnergy);
}

TEST_F(UpgradesTest, DescribeListsTheUpgradesAboveStandard) {
    StandardShip();
    Grant(2, 2);
    Grant(5);
    DescribeUpgrade(tg.game, true);
    const std::string e2 = "<KVGAME0129> 3 Shields<KVGAME0130>";
    const std::string e5 = "<KVGAME0129> 2 Sensors<KVGAME0130>";
    EXPECT_EQ(tg.host.output,
              (std::vector<std::string>{"<KVGAME0154>", "", e2, "\t<KVGAME0132>", e5, "\t<KVGAME0135>", ""}));
    ASSERT_EQ(tg.host.notices.size(), 1u);
    EXPECT_EQ(tg.host.notices[0],
              "<KVGAME0154>\r\n\r\n    " + e2 + "\r\n\t<KVGAME0132>\r\n    " + e5 + "\r\n\t<KVGAME0135>");

    // From the general report: the box only.
    tg.host.output.clear();
    DescribeUpgrade(tg.game, false);
    EXPECT_TRUE(tg.host.output.empty());
    EXPECT_EQ(tg.host.notices.size(), 2u);
}

TEST_F(UpgradesTest, DescribeWithoutUpgrades) {
    StandardShip();
    DescribeUpgrade(tg.game, false);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVGAME0154>\r\n\r\n    <KVGAME0136>"});

    tg.host.notices.clear();
    s.UpgradesOn = kFalse;
    DescribeUpgrade(tg.game, true);
    EXPECT_EQ(tg.host.output, std::vector<std::string>{"<KVGAME0128>"});
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVGAME0128>"});
}

TEST_F(UpgradesTest, AnnouncementRevealsBasesOnlyAtLowSkill) {
    struct Case {
        Integer skill;
        bool friendly, hostile;
    };
    const Case cases[] = {{1, true, true}, {2, true, true}, {3, false, true}, {4, false, true}, {5, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "skill " << c.skill);
        s.SkillLevel = c.skill;
        s.UpgradesOn = kFalse;
        for (auto& row : s.KnownGalaxy) row.fill(-1);
        s.ZarvoniBaseKnown = 0;
        s.Starbases[1][2] = 3;  // base 2 in quadrant (3, 4)
        s.Starbases[2][2] = 4;
        s.Galaxy[3][4] = 121;
        s.ZarvoniBase = {0, 6, 7, 1, 1, 5000};
        s.Galaxy[6][7] = 300;
        s.EnemyText = "Zarvoni";
        tg.host.output.clear();
        if (c.friendly) rng.Push(0.5f);  // base Int(0.5 x 3 + 1) = 2
        AnnounceUpgrades(tg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.KnownGalaxy[3][4], c.friendly ? 121 : -1);
        EXPECT_EQ(s.KnownGalaxy[6][7], c.hostile ? 300 : -1);
        EXPECT_EQ(s.ZarvoniBaseKnown, c.hostile ? kTrue : kFalse);
        std::vector<std::string> log{"<KVGAME0128>"};
        if (c.friendly) log.push_back("<KVGAME0098> 2<KVGAME0099>");
        if (c.hostile) log.push_back("Zarvoni<KVGAME0101>");
        EXPECT_EQ(tg.host.output, log);
    }
}

TEST_F(UpgradesTest, AnnouncementWithoutHostileBase) {
    s.SkillLevel = 2;
    s.UpgradesOn = kFalse;
    s.ZarvoniBase = {0, 0, 0, 0, 0, -1000};
    s.Starbases[1][1] = 1;
    s.Starbases[2][1] = 1;
    rng.Push(0.0f);
    AnnounceUpgrades(tg.game);
    EXPECT_FALSE(s.ZarvoniBaseKnown);
    EXPECT_EQ(tg.host.output.size(), 2u);
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Restoring loaded levels gives the values the grants give, with no draw and no notice.
TEST(RestoreUpgrades, MatchesTheGrantsWithoutDrawsOrNotices) {
    ConstantRandom granted(0.99f);
    test::TestGame a(granted);
    a.game.st.TechLevel = 4;
    a.game.st.UpgradesOn = kTrue;
    const int levels[6] = {0, 3, 4, 2, 3, 1};
    for (int slot = 1; slot <= 5; ++slot)
        for (int n = 0; n < levels[slot]; ++n) StartUpgrade(a.game, slot);

    ScriptedRandom none;
    test::TestGame b(none);
    b.game.st.TechLevel = 4;
    b.game.st.UpgradeTable = {0, 3, 4, 2, 3, 1};
    RestoreUpgrades(b.game);
    const GameState& x = a.game.st;
    const GameState& y = b.game.st;
    EXPECT_EQ(y.UpgradeTable, x.UpgradeTable);
    EXPECT_EQ(y.MaxEnergy, 15000);
    EXPECT_EQ(y.MaxEnergy, x.MaxEnergy);
    EXPECT_EQ(y.MaxShields, x.MaxShields);
    EXPECT_FLOAT_EQ(y.ShieldFactor, x.ShieldFactor);
    EXPECT_EQ(y.TorpedoClass2Power, x.TorpedoClass2Power);
    EXPECT_EQ(y.MaxTorpedoesClass1, x.MaxTorpedoesClass1);
    EXPECT_EQ(y.MaxTorpedoesClass2, x.MaxTorpedoesClass2);
    EXPECT_EQ(y.LRSRange, x.LRSRange);
    EXPECT_EQ(y.UpgradeFillColor, x.UpgradeFillColor);
    EXPECT_EQ(y.UpgradeBorderColor[2], x.UpgradeBorderColor[2]);  // at the limit: grey
    EXPECT_EQ(y.UpgradeBorderColor[1], 0);
    EXPECT_EQ(y.MorvCountdown, 0);
    EXPECT_TRUE(b.host.notices.empty());
    EXPECT_EQ(none.Used(), 0u);
}

}  // namespace
}  // namespace kv
