#include <gtest/gtest.h>

#include <cmath>

#include "engine/tactical/Damage.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(DamageSystemTest, SpreadsTheAmountAndPicksTheSystem) {
    struct Case {
        const char* name;
        int amount, system;
        std::vector<std::pair<int, Single>> before;  // system damage set beforehand
        std::vector<float> draws;                    // spread, then system draws
        int result;
        Single after;      // damage of the result system afterwards
        std::string line;  // logged line
        bool notice;       // shown as a notice (slot 12)
    };
    const Case cases[] = {
        {"the amount is at least 1 after the spread", 0, 3, {}, {0.5f, 0.0f}, 3, 0.01f, "SYS3<KVBASIC0005>", false},
        {"the lowest spread", 100, 0, {}, {0.0f, 0.5f}, 5, 0.75f, "SYS5<KVBASIC0005>", false},
        {"the highest spread", 100, 6, {}, {0.99f, 0.0f}, 6, 1.24f, "SYS6<KVBASIC0005>", false},
        {"a system out of action gives way to the drawn one",
         100,
         5,
         {{5, 7.2f}},
         {0.5f, 0.25f},
         3,
         1.0f,
         "SYS3<KVBASIC0005>",
         false},
        {"draws again over systems out of action",
         100,
         0,
         {{1, 7.0f}, {5, 8.0f}},
         {0.5f, 0.0f, 0.5f, 0.9f},
         8,
         1.0f,
         "SYS8<KVBASIC0005>",
         false},
        {"a system put out of action is a notice",
         80,
         4,
         {{4, 6.5f}},
         {0.5f, 0.0f},
         4,
         7.3f,
         "SYS4<KVBASIC0001>",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        for (auto [n, d] : c.before) hg.st.SystemDamage[n] = d;
        EXPECT_EQ(DamageSystem(hg.game, c.amount, c.system), c.result);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_NEAR(hg.st.SystemDamage[c.result], c.after, 1e-5);
        EXPECT_EQ(hg.host.output, std::vector<std::string>{c.line});
        EXPECT_EQ(hg.host.notices.size(), c.notice ? 1u : 0u);
        EXPECT_EQ(hg.host.Events("refresh:DamageReport").size(), 1u);
        EXPECT_EQ(hg.host.Events("refresh:CommandState").size(), 1u);
        EXPECT_EQ(hg.host.Saw("hide:frmCOM"), c.result == 8);
    }
}

TEST(DamageSystemTest, AGeneratorStuckOnABrokenSystemFallsBackToTheFirstWorkingOne) {
    // Every draw names system 1, which is out of action: the choice ends, on system 6.
    ConstantRandom rng(0.0f);
    HostileGame hg(rng);
    for (int n = 1; n <= 5; ++n) hg.st.SystemDamage[n] = 7.5f;
    EXPECT_EQ(DamageSystem(hg.game, 100, 0), 6);
    EXPECT_NEAR(hg.st.SystemDamage[kShields], 0.75f, 1e-5);
}

TEST(DamageSystemTest, AnyHitOnTheComputerHidesItsPanelOutsideASolarSystem) {
    ScriptedRandom rng{0.5f, 0.0f, 0.5f, 0.0f};
    HostileGame hg(rng);
    DamageSystem(hg.game, 1, 8);
    EXPECT_TRUE(hg.host.Saw("hide:frmCOM"));
    hg.host.events.clear();
    hg.st.InSolarSystem = kTrue;
    DamageSystem(hg.game, 1, 8);
    EXPECT_FALSE(hg.host.Saw("hide:frmCOM"));
}

TEST(DamageSystemTest, WithEverySystemOutTheDamageGoesToTheHullUntilTheShipIsLost) {
    ScriptedRandom rng{0.5f, 0.5f};
    HostileGame hg(rng);
    for (int n = 1; n <= 8; ++n) hg.st.SystemDamage[n] = 7.0f;
    hg.st.SystemDamage[kHull] = 6.0f;
    EXPECT_EQ(DamageSystem(hg.game, 50, 2), 0);
    EXPECT_FLOAT_EQ(hg.st.SystemDamage[kHull], 6.5f);
    EXPECT_TRUE(hg.st.GameRunning);
    EXPECT_TRUE(hg.host.output.empty());
    EXPECT_TRUE(hg.host.Events("refresh:").empty());

    EXPECT_EQ(DamageSystem(hg.game, 50, 0), 0);
    EXPECT_FLOAT_EQ(hg.st.SystemDamage[kHull], 7.0f);
    EXPECT_FALSE(hg.st.GameRunning);
    EXPECT_TRUE(hg.st.ShipLost);
    EXPECT_TRUE(hg.host.Saw("modal:frmShip"));
}

TEST(DestroySystemTest, PutsTheAskedOrADrawnSystemOutOfAction) {
    struct Case {
        int system;
        std::vector<float> draws;
        int result;
    };
    const Case cases[] = {{6, {0.5f}, 6}, {2, {0.5f}, 5}, {0, {0.0f, 0.99f}, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.system);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        hg.st.SystemDamage[kWarpEngines] = 8.0f;
        hg.st.SystemDamage[kShortRangeSensors] = 7.5f;
        hg.st.InSolarSystem = kTrue;
        EXPECT_EQ(DestroySystem(hg.game, c.system), c.result);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_FLOAT_EQ(hg.st.SystemDamage[c.result], 8.0f);
        EXPECT_EQ(hg.host.notices, std::vector<std::string>{"SYS" + std::to_string(c.result) + "<KVBASIC0001>"});
        EXPECT_EQ(hg.host.Saw("hide:frmCOM"), c.result == 8);  // also inside a solar system
    }

    ScriptedRandom none;
    HostileGame hg(none);
    for (int n = 1; n <= 8; ++n) hg.st.SystemDamage[n] = 7.0f;
    EXPECT_EQ(DestroySystem(hg.game, 0), 0);
    EXPECT_FALSE(hg.st.GameRunning);
    EXPECT_TRUE(hg.host.notices.empty());
}

TEST(ShieldHitTest, TheShieldsHoldOrTheOverflowDamagesSystems) {
    struct Case {
        const char* name;
        long hit;
        Integer shields;
        Single factor;
        std::vector<float> draws;  // per damage: amount, spread, system; per pass: the chance
        Integer after;
        int damaged;                   // systems hit
        std::vector<std::string> log;  // lines other than the damage reports
    };
    const Case cases[] = {
        {"held", 100, 300, 1.0f, {}, 200, 0, {}},
        {"held by the factor", 300, 200, 0.5f, {}, 50, 0, {}},
        {"an excess below 50 only empties the shields", 120, 100, 1.0f, {}, 0, 0, {"<KVBASIC0112>"}},
        {"an excess of exactly 50 does nothing more", 150, 100, 1.0f, {}, 0, 0, {}},
        {"a small excess without a further hit", 140, 0, 1.0f, {0.95f}, 0, 0, {"<KVBASIC0113>"}},
        {"a strong hit without a further hit says nothing", 190, 50, 1.0f, {0.95f}, 0, 0, {}},
        {"a small excess with a further hit", 140, 0, 1.0f, {0.5f, 0.5f, 0.5f, 0.0f}, 0, 1, {}},
        {"an excess of 250 damages four times",
         350,
         100,
         1.0f,
         {0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 0.1f, 0.5f, 0.5f, 0.2f, 0.5f, 0.5f, 0.5f, 0.3f},
         0,
         4,
         {}},
        {"the overflow counts in hit units",
         400,
         100,
         0.5f,
         {0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 0.1f, 0.6f},
         0,
         2,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        hg.st.ShieldLevel = c.shields;
        hg.st.ShieldFactor = c.factor;
        ShieldHit(hg.game, c.hit);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(hg.st.ShieldLevel, c.after);
        int damaged = 0;
        std::vector<std::string> log;
        for (const auto& line : hg.host.output) {
            if (line.find("<KVBASIC0005>") != std::string::npos)
                ++damaged;
            else
                log.push_back(line);
        }
        EXPECT_EQ(damaged, c.damaged);
        EXPECT_EQ(log, c.log);
        EXPECT_TRUE(hg.host.Saw("refresh:Bars"));
        EXPECT_TRUE(hg.host.Saw("refresh:StarbaseLine"));
    }
}

TEST(ShieldHitTest, ASystemPutOutOfActionTakesThreePassesOffTheExcess) {
    // Excess 150 hit units beyond the forgiven 50 (E = -150): two damages in the first pass; the
    // second puts system 3 out of action, which settles the rest.
    ScriptedRandom rng{0.5f, 0.5f, 0.0f, 0.1f, 0.5f, 0.5f, 0.25f};
    HostileGame hg(rng);
    hg.st.SystemDamage[kLongRangeSensors] = 6.5f;
    ShieldHit(hg.game, 200);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_FLOAT_EQ(hg.st.SystemDamage[kWarpEngines], 1.25f);
    EXPECT_FLOAT_EQ(hg.st.SystemDamage[kLongRangeSensors], 7.75f);
    EXPECT_EQ(hg.st.ShieldLevel, 0);
}

TEST(ShieldHitTest, TheShortRangeSensorsHitRedrawTheScan) {
    ScriptedRandom rng{0.5f, 0.5f, 0.5f, 0.125f};
    HostileGame hg(rng);
    ShieldHit(hg.game, 140);
    EXPECT_GT(hg.st.SystemDamage[kShortRangeSensors], 0.0f);
    EXPECT_TRUE(hg.host.Saw("refresh:ShortRangeScan"));
}

TEST(ShieldHitTest, AHitThatLosesTheShipEndsAtOnce) {
    ScriptedRandom rng{0.5f, 0.5f};
    HostileGame hg(rng);
    for (int n = 1; n <= 8; ++n) hg.st.SystemDamage[n] = 8.0f;
    hg.st.SystemDamage[kHull] = 6.5f;
    ShieldHit(hg.game, 1000);
    EXPECT_FALSE(hg.st.GameRunning);
    EXPECT_EQ(rng.Remaining(), 0u);
    // Only the end of the game blanks the bars; the hit itself draws nothing more.
    EXPECT_EQ(hg.host.Events("refresh:Bars").size(), 1u);
}

TEST(ZeroShipPowerTest, EmptiesTheShipAndLosesIt) {
    ScriptedRandom none;
    HostileGame hg(none);
    hg.st.ShieldLevel = 500;
    hg.st.TorpedoStockClass1 = 5;
    hg.st.TorpedoStockClass2 = 2;
    hg.st.Probes = 3;
    ZeroShipPower(hg.game);
    EXPECT_EQ(hg.st.ShipEnergy, 0);
    EXPECT_EQ(hg.st.ShieldLevel, 0);
    EXPECT_EQ(hg.st.TorpedoStockClass1 + hg.st.TorpedoStockClass2 + hg.st.Probes, 0);
    EXPECT_FALSE(hg.st.GameRunning);
    EXPECT_TRUE(hg.st.ShipLost);
}

}  // namespace
}  // namespace kv::test
