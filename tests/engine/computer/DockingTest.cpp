#include <gtest/gtest.h>

#include <algorithm>

#include "engine/computer/Docking.h"
#include "engine/tactical/Movement.h"
#include "engine/turn/Condition.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

// Quadrant (4, 4) holds friendly starbase 1 at sector (4, 5), full strength; the ship at (4, 4)
// with 3000 energy and 500 in the shields, two systems damaged. Upgrades stand at the technology
// level (nothing to offer), no refresh draws and the bases do not recover.
struct DockScene {
    ScriptedRandom rng;
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    DockScene() {
        AddSounds(tg, {"DOCK.WAV", "MESSAGE.WAV", "RED.WAV"});
        s.MissionType = 3;
        s.TechRiseThreshold = 100;
        s.RepairRate = 0;  // the bases do not recover while time passes
        s.Galaxy[4][4] = 10;
        s.QuadStarbase = 1;
        s.Starbases[1][1] = 4, s.Starbases[2][1] = 4, s.Starbases[3][1] = 50000;
        s.StarbaseSectors[1][1] = 4, s.StarbaseSectors[2][1] = 5;
        s.SectorGrid[4][4] = kShip;
        s.SectorGrid[4][5] = kStarbase;
        s.ShieldLevel = 500;
        s.Probes = 5, s.MaxProbes = 10;
        s.TorpedoStockClass1 = 15, s.MaxTorpedoesClass1 = 30;
        s.TorpedoStockClass2 = 2, s.MaxTorpedoesClass2 = 10, s.TorpedoClass2Power = 2;
        s.SystemDamage[kPhasers] = 1.0f, s.SystemDamage[kDamageControl] = 2.0f;
        s.UpgradeTable = {0, 3, 3, 3, 3, 3};
        for (int i = 0; i < 5; ++i) s.UpgradeNames[i] = "U" + std::to_string(i + 1);
        s.MorvCountdown = 3;  // a countdown runs: upgrades draw no arrival test
        s.StrongEnemyText = "Morv";
        s.ShieldsChanged = kTrue;
    }
    // The draws of a friendly docking that offers nothing: the two refusal draws, the hostiles'
    // walk over the galaxy in their turn, the five offer thresholds and the price, and the walk
    // of the hostiles' turn in the refresh that ends the action.
    void PushQuietDraws() {
        rng.Push(0.0f), rng.Push(0.0f);
        PushWalk();
        rng.Push(5, 0.5f);
        rng.Push(0.5f);
        PushWalk();
    }
    // The hostiles' walk over the galaxy, in which nothing moves.
    void PushWalk() {
        for (float d : QuietWalk(s)) rng.Push(d);
    }
    bool Logged(const std::string& line) const {
        return std::find(tg.host.output.begin(), tg.host.output.end(), line) != tg.host.output.end();
    }
};

struct DockingTest : ::testing::Test, DockScene {};

TEST_F(DockingTest, ADockingAfterAMoveRefillsRestocksRepairsAndChargesItsTime) {
    s.MovedFlag = 1;
    PushQuietDraws();
    DockAtStarbase(tg.game);

    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.Docked, 1);
    EXPECT_EQ(s.MovedFlag, 0);
    EXPECT_TRUE(GetStatusItem(s, 4));
    EXPECT_EQ(s.ConditionIndex, kDocked);
    EXPECT_EQ(s.ShipSectorCol, 5);
    EXPECT_EQ(s.DockCount, 1);
    EXPECT_EQ(s.ShieldLevel, 0);
    EXPECT_EQ(s.ShipEnergy, 5000);
    EXPECT_EQ(s.Starbases[3][1], 50000 - 1500);
    EXPECT_EQ(s.Probes, 7);
    EXPECT_EQ(s.TorpedoStockClass1, 30);
    EXPECT_EQ(s.TorpedoStockClass2, 5);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(s.SystemDamage[i], 0.0f) << i;
    // 1 + 1500 / 5000 / 10 for the energy, (1 + 2) / 4 for the repairs: 1.78 time units.
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 1.78f);
    EXPECT_TRUE(Logged("<KVCOM0019>"));
    EXPECT_TRUE(Logged("<KVCOM0030>"));
    EXPECT_TRUE(Logged("<KVCOM0031> 1<KVCOM0032> 1.78<KVCOM0033>"));
    EXPECT_FALSE(Logged("<KVCOM0034>"));
    EXPECT_TRUE(tg.host.questions.empty());                  // nothing to offer: no question
    EXPECT_TRUE(tg.host.Events("log:<KVCOM0009>").empty());  // no flight, no tow
    EXPECT_EQ(s.HostileTurnFlag, 0);                         // the close asked for a turn, the refresh gave it
    EXPECT_EQ(tg.host.Events("refresh:RetrofitPanel").size(), 1u);
}

TEST_F(DockingTest, RefusalsChangeNothingOrCostAHostileTurn) {
    struct Case {
        const char* what;
        void (*setup)(DockScene&);
        const char* notice;
        bool windowsTouched;  // refused after the windows were disabled: ends with a refresh
    };
    const Case cases[] = {
        {"already docked", [](DockScene& d) { d.s.Docked = 1; }, "<KVCOM0001>", false},
        {"no starbase here", [](DockScene& d) { d.s.QuadStarbase = 0; }, "<KVCOM0002>", false},
        {"the Morv tractor beam", [](DockScene& d) { d.tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true); },
         "<KVCOM0006>Morv<KVCOM0007>", false},
        {"hostiles and a bad first draw",
         [](DockScene& d) {
             d.s.Galaxy[4][4] = 110;
             d.rng.Push(0.61f), d.rng.Push(0.0f);
             d.PushWalk();
         },
         "<KVCOM0004>", true},
        {"hostiles and a weak base",
         [](DockScene& d) {
             d.s.Galaxy[4][4] = 110;
             d.s.Starbases[3][1] = 14999;
             d.rng.Push(0.6f), d.rng.Push(0.41f);
             d.PushWalk();
         },
         "<KVCOM0004>", true},
        {"a base below 5 %",
         [](DockScene& d) {
             d.s.Starbases[3][1] = 2499;
             d.rng.Push(0.9f), d.rng.Push(0.9f);
             d.PushWalk();
         },
         "<KVCOM0005>", true},
        // (A base below 0 is destroyed by the hostiles' turn and no longer counts as here.)
        {"a base shot down to nothing",
         [](DockScene& d) {
             d.s.Starbases[3][1] = 0;
             d.rng.Push(0.0f), d.rng.Push(0.0f);
             d.PushWalk();
         },
         "<KVCOM0005>", true},
        // The hostiles' turn that the refusal costs: no traffic at the base, and the base, too weak
        // to fire, draws its hit and power only.
        {"the Zarvoni base not captured",
         [](DockScene& d) {
             d.s.QuadStarbase = 0;
             d.s.ZarvoniBase = {0, 4, 4, 2, 2, 100};
             d.s.ComAutoShields = kFalse;  // the base calls for no automatic shields here
             d.PushWalk();
             d.rng.Push(24, 0.0f);
             d.rng.Push(2, 0.0f);
         },
         "<KVCOM0003>", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DockScene d;
        c.setup(d);
        DockAtStarbase(d.tg.game);
        EXPECT_EQ(d.rng.Remaining(), 0u);
        EXPECT_EQ(d.tg.host.notices, std::vector<std::string>{c.notice});
        EXPECT_EQ(d.s.Docked, c.notice == std::string("<KVCOM0001>") ? 1 : 0);
        EXPECT_EQ(d.s.ShipEnergy, 3000);
        EXPECT_EQ(d.s.ShieldLevel, 500);
        EXPECT_EQ(d.s.TimeLeft, 30.0f);
        EXPECT_EQ(d.tg.host.Saw("disable:frmCommands"), c.windowsTouched);
        EXPECT_EQ(d.tg.host.Saw("refresh:RetrofitPanel"), c.windowsTouched);
    }

    // Exactly 5 % of the full strength is enough.
    DockScene d;
    d.s.Starbases[3][1] = 2500;
    d.s.MovedFlag = 1;
    d.PushQuietDraws();
    DockAtStarbase(d.tg.game);
    EXPECT_EQ(d.s.Docked, 1);
}

TEST_F(DockingTest, TheFlightToTheBaseAndItsTow) {
    struct Case {
        const char* what;
        Long energy;
        Integer shields;
        Single engines, shieldDamage;
        bool covered;  // KVCOM0008: the shields cover the deficit
        bool tow;
        const char* towTime;
        Single timeCharged;  // before the docking's own time
    };
    // The ship at (1, 1): five sectors from the base, 15 energy for the flight.
    const Case cases[] = {
        {"an easy flight", 3000, 500, 0, 0, false, false, "", 0},
        {"a deficit the shields cover", 10, 100, 0, 0, true, false, "", 0},
        {"a deficit exactly the shields", 10, 5, 0, 0, false, false, "", 0},
        {"damaged engines: a tow that gives no time back", 3000, 0, 0.5f, 0, false, true, " 0", 0},
        {"no energy and damaged shields", -85, 0, 0, 0.5f, false, true, " 5", 5.0f},
        {"no energy and too little in the shields", -85, 50, 0, 0, false, true, " 5", 5.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DockScene d;
        GameState& st = d.s;
        st.SectorGrid[4][4] = kEmpty;
        st.ShipSectorRow = st.ShipSectorCol = 1;
        st.SectorGrid[1][1] = kShip;
        st.ShipEnergy = c.energy;
        st.ShieldLevel = c.shields;
        st.SystemDamage = {};
        st.SystemDamage[kWarpEngines] = c.engines;
        st.SystemDamage[kShields] = c.shieldDamage;
        d.PushQuietDraws();
        Single timeBefore = -1;
        Long energyBefore = 0;
        Integer shieldsBefore = 0;
        // The docked lamp is the first step after the flight.
        d.tg.host.onRefresh = [&](View v) {
            if (v == View::Lamps && timeBefore < 0)
                timeBefore = st.TimeLeft, energyBefore = st.ShipEnergy, shieldsBefore = st.ShieldLevel;
        };
        DockAtStarbase(d.tg.game);
        EXPECT_EQ(d.Logged("<KVCOM0008>"), c.covered);
        if (c.covered) {
            EXPECT_EQ(energyBefore, 0);
            EXPECT_EQ(shieldsBefore, 95);
        } else if (!c.tow) {
            EXPECT_EQ(energyBefore, c.energy - 15);
        }
        EXPECT_EQ(d.Logged("<KVCOM0009>"), c.tow);
        if (c.tow) {
            EXPECT_TRUE(d.Logged("<KVCOM0011> 1"));
            EXPECT_TRUE(d.Logged(std::string("<KVCOM0014>") + c.towTime + "<KVCOM0015>"));
            EXPECT_TRUE(d.Logged("<KVCOM0017> 1<KVCOM0018>"));
            EXPECT_EQ(d.tg.host.notices.size(), 8u);
            EXPECT_EQ(SoundNames(d.tg.host).front(), "MESSAGE.WAV");
        }
        EXPECT_FLOAT_EQ(timeBefore, 30.0f - c.timeCharged);
        EXPECT_EQ(st.TimeOffset, 0.0f);  // no time given back
        EXPECT_EQ(st.Docked, 1);
        EXPECT_EQ(st.ShipSectorRow, 4);
        EXPECT_EQ(st.ShipSectorCol, 5);
    }
}

TEST_F(DockingTest, AnOfferOfUpgradesPaidInTime) {
    s.MovedFlag = 1;
    s.TechLevel = 5;
    s.UpgradeTable = {0, 1, 1, 1, 1, 5};
    s.MaxEnergy = 5000;
    s.SystemDamage = {};
    s.ShieldLevel = 0;
    s.ShipEnergy = 5000;
    rng.Push(0.0f), rng.Push(0.0f);
    PushWalk();
    // Thresholds 1 / 5 x 0.67 + 0.33 = 0.464 (slots 1-4), 1.0 (slot 5).
    for (float v : {0.9f, 0.9f, 0.5f, 0.1f, 0.1f, 0.99f, 0.7f, 0.99f}) rng.Push(v);
    rng.Push(0.5f);  // price 0.5 x 5 + 2.5, less 1 for more than four levels
    PushWalk();
    tg.host.answers = {kYes};
    DockAtStarbase(tg.game);

    EXPECT_EQ(rng.Remaining(), 0u);
    ASSERT_EQ(tg.host.questions.size(), 1u);
    EXPECT_EQ(tg.host.questions[0],
              "<KVCOM0021>\r\n<KVCOM0022>\r\n\r\n2 U1<KVCOM0023>\r\n1 U2<KVCOM0024>\r\n2 U4<KVCOM0023>\r\n\r\n"
              "<KVCOM0025>\r\n<KVCOM0026>\r\n<KVCOM0027>4.00<KVCOM0028>");
    EXPECT_EQ((std::vector<Integer>(s.UpgradeTable.begin() + 1, s.UpgradeTable.end())),
              (std::vector<Integer>{3, 2, 1, 3, 5}));
    EXPECT_TRUE(Logged("2 U1<KVCOM0029>"));
    EXPECT_TRUE(Logged("1 U2<KVCOM0029>"));
    // The larger capacity is filled from the base: 15000 after two levels.
    EXPECT_EQ(s.MaxEnergy, 15000);
    EXPECT_EQ(s.ShipEnergy, 15000);
    EXPECT_EQ(s.Starbases[3][1], 50000 - 10000);
    // Time: 1 for the docking, 10000 / 15000 / 10 for the new capacity, 4.00 for the upgrades.
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 5.06f);
    EXPECT_TRUE(Logged("<KVCOM0031> 1<KVCOM0032> 5.06<KVCOM0033>"));
}

TEST_F(DockingTest, ThePriceOfAnOfferFallsForManyLevels) {
    struct Case {
        std::vector<float> offers;  // a draw above the threshold, then the level draw, per slot
        const char* price;
    };
    // Slots 1-4 at level 1 of 5 (threshold 0.464), slot 5 at the limit; a price draw of 0.
    const Case cases[] = {
        {{0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.1f, 0.99f}, "2.00"},              // 4 levels: no discount
        {{0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.1f, 0.99f}, "1.50"},        // 5: less 1
        {{0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.99f}, "1.50"},  // 7: less 2
    };
    for (const auto& c : cases) {
        DockScene d;
        d.s.MovedFlag = 1;
        d.s.TechLevel = 5;
        d.s.UpgradeTable = {0, 1, 1, 1, 1, 5};
        d.rng.Push(0.0f), d.rng.Push(0.0f);
        d.PushWalk();
        for (float v : c.offers) d.rng.Push(v);
        d.rng.Push(0.0f);
        d.PushWalk();
        d.tg.host.answers = {kNo};
        DockAtStarbase(d.tg.game);
        ASSERT_EQ(d.tg.host.questions.size(), 1u) << c.price;
        EXPECT_NE(d.tg.host.questions[0].find(std::string("<KVCOM0027>") + c.price + "<KVCOM0028>"), std::string::npos)
            << c.price;
        EXPECT_EQ(d.s.UpgradeTable[1], 1);  // declined
    }
}

TEST_F(DockingTest, ABaseThatFallsDuringTheHostilesTurnEndsTheDockingSilently) {
    s.MovedFlag = 1;
    rng.Push(0.0f), rng.Push(0.0f);
    PushWalk();
    int scans = 0;
    tg.host.onRefresh = [&](View v) {
        if (v == View::ShortRangeScan && ++scans == 2) s.Starbases[3][1] = -1000;
    };
    DockAtStarbase(tg.game);
    EXPECT_EQ(rng.Remaining(), 0u);  // no offer drawn
    EXPECT_EQ(s.TimeLeft, 30.0f);
    EXPECT_FALSE(Logged("<KVCOM0030>"));
    EXPECT_FALSE(tg.host.Saw("refresh:RetrofitPanel"));
}

TEST_F(DockingTest, DockingAtTheCapturedZarvoniStarbase) {
    s.QuadStarbase = 0;
    s.Galaxy[4][4] = 0;
    s.SectorGrid[4][5] = kEmpty;
    s.ZarvoniBase = {-1, 4, 4, 2, 2, 500};  // drained: it gives what it has
    s.SectorGrid[2][2] = kZarvoniStarbase;
    s.MovedFlag = 1;
    // The docking draws nothing; the hostiles' turns of its scan and of the closing refresh
    // each draw a walk over the galaxy in which nothing moves and a traffic round at the base
    // with no traffic (24 draws); with no Zarvoni ship to aim at, the base does not fire.
    for (int turn = 0; turn < 2; ++turn) {
        PushWalk();
        rng.Push(24, 0.0f);
    }
    DockAtStarbase(tg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.Docked, 1);
    EXPECT_EQ(s.MovedFlag, 0);
    EXPECT_EQ(s.ShipSectorRow, 2);
    EXPECT_EQ(s.ShipSectorCol, 2);
    // Docking at the Zarvoni base does not switch the docked lamp itself; the status panel,
    // brought up to date by the hostiles' move, shows the ship docked.
    EXPECT_TRUE(GetStatusItem(s, 4));
    EXPECT_EQ(s.ShipEnergy, 4000);  // 3500 with the shields, 1500 short: the base had 500
    EXPECT_EQ(s.ZarvoniBase[5], 0);
    EXPECT_EQ(s.Probes, 7);
    EXPECT_TRUE(Logged("<KVCOM0035>"));
    // 1 + 1000 / 5000 / 10 for the shortfall, 0.75 for the repairs.
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 1.77f);
    EXPECT_TRUE(Logged("<KVCOM0037>"));
    EXPECT_TRUE(Logged("<KVCOM0038>Zarvoni<KVCOM0039> 1.77<KVCOM0040>"));
    EXPECT_TRUE(tg.host.questions.empty());
}

TEST_F(DockingTest, AMoveBesideTheBaseOffersDocking) {
    for (int answer : {kNo, kYes}) {
        DockScene d;
        d.s.SectorGrid[4][4] = kEmpty;
        d.s.ShipSectorCol = 1;
        d.s.SectorGrid[4][1] = kShip;
        d.s.LibShieldFrequency = 2;
        d.s.ComAutoLRS = kFalse;
        d.tg.host.answers = {answer};
        d.PushWalk();  // the hostiles' turn in the scan after the move
        if (answer == kYes) d.PushQuietDraws();
        d.s.SectorGrid[4][1] = kEmpty;
        MoveShip(d.tg.game, 4, 4, 3, 6);
        EXPECT_EQ(d.tg.host.questions, std::vector<std::string>{"<KVBASIC0241>"});
        EXPECT_EQ(d.s.Docked, answer == kYes ? 1 : 0);
        EXPECT_EQ(d.Logged("<KVCOM0009>"), false);  // no flight after the move
        EXPECT_EQ(d.rng.Remaining(), 0u);
    }
}

}  // namespace
}  // namespace kv::test
