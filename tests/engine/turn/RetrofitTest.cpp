#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/turn/Retrofit.h"
#include "support/TestGame.h"

namespace kv {
namespace {

struct RetrofitTest : ::testing::Test {
    ScriptedRandom rng;
    MemorySettingsStore settings;
    test::RecordingHost host;
    test::ScratchFolder scratch;
    Game game{rng, settings, host, scratch.Folders()};
    GameState& s = game.st;

    void SetUp() override {
        game.lang.UseTexts({});
        game.lang.SetEchoMissing(true);
        s.GameRunning = kTrue;
        s.MaxEnergy = 5000;
        s.SystemNames = {"", "Warp", "SRS", "LRS", "Phasers", "Torpedoes", "Shields", "DC", "Computer"};
    }
    // A kind switched on with `uses` held and `turns` to go, its button shown.
    void Active(int kind, Integer uses, const std::string& turns) {
        s.RetrofitSlots[kind] = uses;
        s.RetrofitButtonTag[kind - 1] = turns;
        s.RetrofitCoverOpen[kind - 1] = true;
    }
    bool Has(const std::string& event) const {
        return std::find(host.events.begin(), host.events.end(), event) != host.events.end();
    }
};

TEST_F(RetrofitTest, EnginePowerBoostsEnergyWithinCapacity) {
    struct Case {
        Long energy;
        Integer shields;
        Long after;
    };
    const Case cases[] = {{3000, 0, 3250}, {4900, 0, 5000}, {4900, 500, 4500}, {4000, 750, 4250}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.energy);
        Active(1, 1, "3");
        s.ShipEnergy = c.energy;
        s.ShieldLevel = c.shields;
        Retrofit(game);
        EXPECT_EQ(s.ShipEnergy, c.after);
        EXPECT_EQ(s.RetrofitButtonTag[0], "2");
        EXPECT_TRUE(Has("refresh:Bars"));
    }
}

TEST_F(RetrofitTest, CountdownSpendsAUseAndCoversTheLastOne) {
    // Two uses: the first one ends, the button stays shown with one use left.
    Active(3, 2, "1");
    Retrofit(game);
    EXPECT_EQ(s.RetrofitButtonTag[2], "");
    EXPECT_FALSE(RetrofitIsActive(s, 3));
    EXPECT_EQ(s.RetrofitSlots[3], 1);
    EXPECT_TRUE(s.RetrofitCoverOpen[2]);
    EXPECT_FALSE(Has("slide:close:3"));

    // The last use ends: the cover closes.
    s.RetrofitButtonTag[2] = "1";
    Retrofit(game);
    EXPECT_EQ(s.RetrofitSlots[3], 0);
    EXPECT_FALSE(s.RetrofitCoverOpen[2]);
    EXPECT_TRUE(Has("slide:close:3"));

    // A tag that reads as no number ends the use at once.
    Active(4, 1, "x");
    Retrofit(game);
    EXPECT_EQ(s.RetrofitButtonTag[3], "");
    EXPECT_EQ(s.RetrofitSlots[4], 0);
    EXPECT_EQ(rng.Used(), 0u);
}

TEST_F(RetrofitTest, CoversFollowTheUsesHeld) {
    s.RetrofitSlots = {0, 0, 1, 3, 0, 0};
    s.RetrofitCoverOpen = {false, false, false, true, false};
    s.RetrofitButtonTag[3] = "2";  // kind 4 open but no use held: closed and cleared
    s.RetrofitSlots[4] = 0;
    Retrofit(game);
    EXPECT_TRUE(Has("slide:open:2"));
    EXPECT_TRUE(Has("slide:open:3"));
    EXPECT_TRUE(Has("slide:close:4"));
    EXPECT_FALSE(Has("slide:open:1"));
    EXPECT_EQ(s.RetrofitCoverOpen, (std::array<bool, 5>{false, true, true, false, false}));
    EXPECT_EQ(s.RetrofitButtonTag[3], "");
    EXPECT_EQ(RetrofitCountCaption(s, 2), "");
    EXPECT_EQ(RetrofitCountCaption(s, 3), "3");
    EXPECT_EQ(RetrofitCountCaption(s, 1), "");
}

TEST_F(RetrofitTest, RepairOfADestroyedSystem) {
    struct Case {
        const char* name;
        std::vector<float> draws;
        bool repaired, hit;  // hit: the failure costs a random system 100 hundredths (DamageSystem)
        std::string tagAfter;
    };
    const Case cases[] = {
        {"success ends the use at once", {0.9f}, true, false, ""},
        // The Single draws nearest the thresholds lie just above them.
        {"a draw of 0.85f succeeds", {0.85f}, true, false, ""},
        // The harm: 100 hundredths (spread by a draw of 0.5: none) on a random system (draw 0: 1).
        {"failure that harms the ship", {std::nextafter(0.85f, 0.0f), 0.6f, 0.5f, 0.0f}, false, true, "4"},
        {"failure without harm", {0.5f, std::nextafter(0.6f, 0.0f)}, false, false, "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.events.clear();
        host.notices.clear();
        Active(5, 1, "5");
        s.RetrofitSystem = 3;
        s.SystemDamage[3] = 8.0f;
        for (float d : c.draws) rng.Push(d);
        Retrofit(game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_FLOAT_EQ(s.SystemDamage[3], c.repaired ? 0.0f : 8.0f);
        EXPECT_EQ(host.notices, c.repaired ? std::vector<std::string>{"<KVGAME0032>LRS"} : std::vector<std::string>{});
        EXPECT_EQ(s.RetrofitButtonTag[4], c.tagAfter);
        EXPECT_EQ(s.RetrofitSlots[5], c.repaired ? 0 : 1);
        EXPECT_FLOAT_EQ(s.SystemDamage[1], c.hit ? 1.0f : 0.0f);
        EXPECT_EQ(Has("log:Warp<KVBASIC0005>"), c.hit);
        s.SystemDamage[1] = 0;
    }
}

TEST_F(RetrofitTest, RepairOfTheSensorsRedrawsTheScan) {
    Active(5, 2, "6");
    s.RetrofitSystem = 2;
    s.SystemDamage[2] = 7.5f;
    rng.Push(0.95f);
    Retrofit(game);
    EXPECT_TRUE(Has("refresh:CommandState"));
    EXPECT_TRUE(Has("refresh:DamageReport"));
    EXPECT_EQ(s.RetrofitSlots[5], 1);
    EXPECT_EQ(s.RetrofitButtonTag[4], "");
}

TEST_F(RetrofitTest, AHitThatLosesTheShipStopsTheStep) {
    // Every system is out of action, so the failed repair's harm goes to the hull and loses the
    // ship: the step ends before the turn is counted down.
    host.modal[Form::frmShip] = [] { return kOK; };
    for (int n = 1; n <= 8; ++n) s.SystemDamage[n] = 8.0f;
    s.SystemDamage[0] = 6.5f;
    Active(5, 1, "5");
    s.RetrofitSystem = 1;
    for (float d : {0.1f, 0.9f, 0.5f}) rng.Push(d);
    Retrofit(game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_FLOAT_EQ(s.SystemDamage[0], 7.5f);
    EXPECT_FALSE(s.GameRunning);
    EXPECT_TRUE(Has("modal:frmShip"));
    // The end of the game put the retrofits away (its panel refreshed, then hidden); the step
    // went no further, so nothing of it follows.
    EXPECT_EQ(s.RetrofitButtonTag[4], "");
    const auto& e = host.events;
    const auto hidden = std::find(e.rbegin(), e.rend(), "hide:frmRetrofit");
    ASSERT_NE(hidden, e.rend());
    EXPECT_EQ(std::count(e.begin(), e.end(), "refresh:RetrofitPanel"), 1);
    EXPECT_EQ(std::find(e.rbegin(), hidden, "refresh:RetrofitPanel"), hidden);
}

}  // namespace
}  // namespace kv
