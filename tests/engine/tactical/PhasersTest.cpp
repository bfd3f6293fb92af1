#include <gtest/gtest.h>

#include <algorithm>

#include "engine/tactical/Phasers.h"
#include "state/Numeric.h"
#include "support/WeaponsTestSupport.h"

namespace kv::test {
namespace {

TEST(PhasersTest, AnEmptyPlanCostsNothing) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    FirePhasers(tg.game);
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<KVBASIC0028>"}));
    EXPECT_TRUE(tg.host.Events("disable:").empty());
    EXPECT_EQ(tg.st.TimeLeft, 30.0f);
}

TEST(PhasersTest, EntriesBeyondTheEnergyAreRefusedButTheActionStillEnds) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.st.ShipEnergy = 100;
    tg.st.PhaserPlan = {WeaponsGame::Phaser(2, 2, "--", 101), WeaponsGame::Phaser(2, 3, "--", 0), "unreadable",
                        WeaponsGame::Phaser(2, 4, "--", 60)};
    for (float d : QuietWalk(tg.st)) rng.Push(d);  // the hostiles' turn before the shots
    FirePhasers(tg.game);
    EXPECT_EQ(tg.host.output,
              (std::vector<std::string>{"<KVBASIC0029> 1 -> <KVBASIC0030>", "<KVBASIC0029> 2 -> <KVBASIC0030>",
                                        "<KVBASIC0029> 4 -> 60<KVBASIC0032>"}));
    EXPECT_EQ(tg.st.ShipEnergy, 40);
    EXPECT_FLOAT_EQ(tg.st.TimeLeft, 29.8f);
    EXPECT_FALSE(tg.host.Events("disable:frmCOM").empty());
    EXPECT_FALSE(tg.host.Events("enable:frmCOM").empty());  // the refresh gives the windows back
}

TEST(PhasersTest, TheHostilesFireFirstThenThePlanIsFired) {
    // The Zarvoni ship two sectors east aims at the ship (0.0) and hits (0.0), then takes one
    // step (0.3, no dash 0.0) a row south (0.9, 0.5); after the walk over the galaxy the
    // phasers, planned at its old sector, track it there within a row's tolerance (0.6, 0.0,
    // 0.0).
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.st.ShieldLevel = 1000;
    tg.st.ShieldFactor = 1.0f;
    tg.Zarvoni(1, 4, 6);
    for (float d : Draws({{0.0f, 0.0f, 0.3f, 0.0f, 0.9f, 0.5f}, QuietWalk(tg.st), {0.6f, 0.0f, 0.0f}})) rng.Push(d);
    tg.st.PhaserPlan = {WeaponsGame::Phaser(4, 6, "Z1", 50)};
    FirePhasers(tg.game);
    // Its shot: Int((8 x 8 + 10) x 100 / 20) = 370 through the shields; then the phasers leave
    // it CInt((CInt(100 / 2 x 2.236) - 50) / 2.236 x 2) = 55 at (5, 6).
    EXPECT_EQ(tg.host.output,
              (std::vector<std::string>{
                  "** 370<KVBASIC0116><KVBASIC0120> 4 , 6 **",
                  "<KVBASIC0133> 630<KVBASIC0134>",
                  "<KVBASIC0029> 1 -> <KVBASIC0053>Zarvoni<KVBASIC0054> 5 , 6<KVBASIC0055><KVBASIC0059>",
              }));
    EXPECT_EQ(tg.st.ShieldLevel, 630);
    EXPECT_EQ(tg.st.ZarvoniEnergy[1], 55);
    EXPECT_EQ(tg.st.ShipEnergy, 3000 - 50);
    EXPECT_EQ(rng.Remaining(), 0u);
    // The windows stay disabled from before the hostiles' fire until the refresh.
    const auto& ev = tg.host.events;
    const auto disabled = std::find(ev.begin(), ev.end(), "disable:frmPHA");
    const auto shot = std::find(ev.begin(), ev.end(), "beam:2:4,6>4,4");
    const auto phasers = std::find(ev.begin(), ev.end(), "beam:3:4,4>5,6");
    const auto enabled = std::find(ev.begin(), ev.end(), "enable:frmPHA");
    EXPECT_TRUE(disabled < shot && shot < phasers && phasers < enabled);
}

TEST(PhasersTest, AShipLostToTheHostilesFireFiresNothing) {
    // Every system already out of action and the ship at the edge of its loss: the hit ends it.
    ConstantRandom rng(0.0f);
    WeaponsGame tg(rng);
    for (int i = 1; i <= 8; ++i) tg.st.SystemDamage[i] = 8.0f;
    tg.st.SystemDamage[kHull] = 6.99f;
    tg.st.ShieldFactor = 1.0f;
    tg.Zarvoni(1, 4, 6);
    tg.st.PhaserPlan = {WeaponsGame::Phaser(4, 6, "Z1", 50)};
    FirePhasers(tg.game);
    EXPECT_TRUE(tg.st.ShipLost);
    EXPECT_FALSE(tg.st.GameRunning);
    EXPECT_EQ(tg.st.ZarvoniEnergy[1], 100);
    EXPECT_EQ(Played(tg.host, "PHASER.WAV"), 0);
    EXPECT_TRUE(tg.host.Events("log:<KVBASIC0029>").empty());
    EXPECT_TRUE(tg.host.Saw("modal:frmShip"));
}

TEST(PhasersTest, DamageFallsWithDistance) {
    struct Case {
        const char* what;
        int row, col, energy;
        long amount;
        int expected;        // the energy left (-1000: destroyed)
        const char* result;  // the last words of the line
    };
    // Energy left = CInt((CInt(E x d / 2) - A) / d x 2).
    const Case cases[] = {
        {"next to the ship", 4, 5, 100, 55, -1000, "<KVBASIC0057>"},  // (50 - 55) x 2 = -10
        {"two sectors, half", 4, 6, 100, 50, 50, "<KVBASIC0059>"},
        {"two sectors, nearly", 4, 6, 100, 90, 10, "<KVBASIC0058>"},
        {"two sectors, exactly", 4, 6, 100, 100, 0, "<KVBASIC0056>"},  // disabled, stays
        {"five sectors", 1, 8, 100, 100, 60, "<KVBASIC0059>"},
        {"diagonal", 3, 5, 100, 20, 72, "<KVBASIC0059>"},  // (71 - 20) / 1.414 x 2
    };
    for (const auto& c : cases) {
        ScriptedRandom rng({0.0f, 0.0f, 0.0f});  // tracking: the ship has not moved
        WeaponsGame tg(rng);
        tg.Zarvoni(1, c.row, c.col, c.energy);
        tg.st.PhaserPlan = {WeaponsGame::Phaser(c.row, c.col, "Z1", c.amount)};
        PhaserVolley(tg.game);
        EXPECT_EQ(tg.st.ZarvoniEnergy[1], c.expected) << c.what;
        ASSERT_FALSE(tg.host.output.empty()) << c.what;
        const std::string line = "<KVBASIC0029> 1 -> <KVBASIC0053>Zarvoni<KVBASIC0054>" + Str(c.row) + " ," +
                                 Str(c.col) + "<KVBASIC0055>" + c.result;
        EXPECT_EQ(tg.host.output.front(), line) << c.what;
        EXPECT_EQ(tg.st.ZarvonisLeft, c.expected < 0 || c.expected == 0 ? 9 : 10) << c.what;
        EXPECT_EQ(tg.st.ShipEnergy, 3000 - c.amount) << c.what;
        EXPECT_EQ(rng.Remaining(), 0u) << c.what;
        EXPECT_EQ(EventsOf(tg.host, {"beam", "marker"}),
                  (std::vector<std::string>{
                      "beam:3:4,4>" + std::to_string(c.row) + "," + std::to_string(c.col), "beams:3-3:on",
                      "marker:ZarvoniShield:" + std::to_string(c.row) + "," + std::to_string(c.col),
                      "marker:ZarvoniShield:on", "marker:ZarvoniShield:off", "beams:3-3:off"}))
            << c.what;
    }
}

TEST(PhasersTest, AMovedShipIsFollowedOnlyWhenTheTrackingHolds) {
    struct Case {
        const char* what;
        int row, col;  // where the ship is now (planned at 4, 6)
        std::vector<float> draws;
        float sensorDamage;
        bool hit;
    };
    // Thresholds with LRSRange 1: a = 0.5, b = 0.6; damaged sensors 0.6 / 0.8, out of action
    // 0.7 / 1.0.
    const Case cases[] = {
        {"still there: always", 4, 6, {0.0f, 0.0f, 0.0f}, 0, true},
        {"a column off, column tolerance", 4, 7, {0.0f, 0.51f, 0.0f}, 0, true},
        {"a column off, no tolerance", 4, 7, {0.9f, 0.5f, 0.6f}, 0, false},
        {"a row and a column off", 3, 7, {0.51f, 0.51f, 0.0f}, 0, true},
        {"far off, any distance", 1, 1, {0.0f, 0.0f, 0.61f}, 0, true},
        {"a column off, damaged sensors", 4, 7, {0.0f, 0.55f, 0.7f}, 0.5f, false},
        {"far off, sensors out of action", 1, 1, {0.0f, 0.0f, 0.99f}, 7.0f, false},
    };
    for (const auto& c : cases) {
        ScriptedRandom rng(c.draws);
        WeaponsGame tg(rng);
        tg.Zarvoni(1, c.row, c.col);
        tg.st.SystemDamage[kShortRangeSensors] = c.sensorDamage;
        tg.st.PhaserPlan = {WeaponsGame::Phaser(4, 6, "Z1", 30)};
        PhaserVolley(tg.game);
        EXPECT_EQ(tg.st.ZarvoniEnergy[1] < 100, c.hit) << c.what;
        EXPECT_EQ(tg.st.ShipEnergy, c.hit ? 2970 : 3000) << c.what;  // a lost track gives the energy back
        if (!c.hit) {
            EXPECT_EQ(tg.host.output.front(), "<KVBASIC0029> 1 -> <KVBASIC0031>") << c.what;
        }
        EXPECT_EQ(rng.Remaining(), 0u) << c.what;
    }
}

TEST(PhasersTest, StarbasesAndCloakedShips) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.Starbase(2, 4, 6, 40000);
    tg.ZarvoniBase(6, 6, 20000);
    tg.Cloaked(1, 2, 4, 30);  // two sectors off: 30 - 25 = 5 left
    tg.st.PhaserPlan = {WeaponsGame::Phaser(4, 6, "--", 100), WeaponsGame::Phaser(6, 6, "ZB", 1000),
                        WeaponsGame::Phaser(2, 4, "--", 25), WeaponsGame::Phaser(4, 4, "--", 10)};
    PhaserVolley(tg.game);
    EXPECT_EQ(tg.st.Starbases[3][2], 40000 - 4 * 100 / 2);
    EXPECT_EQ(tg.st.ScoreCounterE, 1);
    EXPECT_EQ(tg.st.ZarvoniBase[5], 20000 - 5 * 1000);
    EXPECT_EQ(tg.st.CloakedEnergy[1], 5);
    EXPECT_TRUE(tg.host.Saw("draw:2,4:9"));  // its cloak fails
    EXPECT_EQ(tg.host.output,
              (std::vector<std::string>{
                  "<KVBASIC0029> 1 -> <KVBASIC0036> 2<KVBASIC0037>", "<KVBASIC0029> 2 -> Zarvoni<KVBASIC0038>",
                  "<KVBASIC0029> 3 -> <KVBASIC0040>Zarvoni<KVBASIC0041> 2 , 4<KVBASIC0042><KVBASIC0044>",
                  "Zarvoni<KVBASIC0045> 2 , 4", "<KVBASIC0029> 4 -> <KVBASIC0033>"}));
    EXPECT_EQ(tg.st.ShipEnergy, 3000 - 100 - 1000 - 25);  // the shot at the own ship comes back
}

TEST(PhasersTest, AStarFlaresAndStarbasesAndCloakedShipsAreDestroyed) {
    enum class Target { Star, ZarvoniBase, Starbase, Cloaked };
    struct Case {
        const char* what;
        Target target;
        int row, col;
        const char* kind;
        long amount;
        const char* line;  // the entry's line
    };
    const Case cases[] = {
        {"a star flares", Target::Star, 2, 4, "--", 50, "<KVBASIC0029> 1 -> <KVBASIC0035>"},
        {"the Zarvoni starbase is destroyed", Target::ZarvoniBase, 6, 6, "ZB", 300,
         "<KVBASIC0029> 1 -> Zarvoni<KVBASIC0039>"},
        {"the friendly starbase is destroyed", Target::Starbase, 4, 6, "--", 100, "<KVBASIC0029> 1 -> "},
        {"a cloaked ship is destroyed", Target::Cloaked, 2, 4, "--", 40,
         "<KVBASIC0029> 1 -> <KVBASIC0040>Zarvoni<KVBASIC0041> 2 , 4<KVBASIC0042><KVBASIC0043>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConstantRandom rng(0.5f);
        WeaponsGame tg(rng);
        switch (c.target) {
            case Target::Star:
                tg.st.StarSystem(4, 4, 1).SectorRow = 2, tg.st.StarSystem(4, 4, 1).SectorCol = 4;
                tg.st.SectorGrid[2][4] = kStar;
                tg.st.Galaxy[4][4] = 1, tg.st.QuadStars = 1;
                break;
            case Target::ZarvoniBase: tg.ZarvoniBase(6, 6, 1000); break;  // 5 x 300 takes it
            case Target::Starbase: tg.Starbase(2, 4, 6, 100); break;      // 4 x 100 / 2 takes it
            case Target::Cloaked: tg.Cloaked(1, 2, 4, 30); break;         // two sectors off: 30 - 40
        }
        const Integer left = tg.st.ZarvonisLeft;
        tg.st.PhaserPlan = {WeaponsGame::Phaser(c.row, c.col, c.kind, c.amount)};
        PhaserVolley(tg.game);
        EXPECT_TRUE(tg.host.Saw(std::string("log:") + c.line));
        EXPECT_EQ(tg.st.ShipEnergy, 3000 - c.amount);
        switch (c.target) {
            case Target::Star: EXPECT_FALSE(tg.host.Events("flare:2,4:").empty()); break;
            case Target::ZarvoniBase: EXPECT_NE(tg.st.ZarvoniBaseDestroyed, 0); break;
            case Target::Starbase:
                EXPECT_EQ(tg.st.Starbases[3][2], -1000);
                EXPECT_EQ(tg.st.SectorGrid[4][6], kEmpty);
                EXPECT_EQ(tg.st.ScoreCounterE, 0);  // only a hit it survives counts against the player
                break;
            case Target::Cloaked:
                EXPECT_EQ(tg.st.CloakedEnergy[1], -1000);
                EXPECT_EQ(tg.st.CloakedKilled, 1);
                EXPECT_EQ(tg.st.ZarvonisLeft, left - 1);
                break;
        }
    }
}

TEST(PhasersTest, ACellNamingAShipWithNoRecordIsCleared) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.st.SectorGrid[2][2] = kZarvoni;
    tg.st.SectorGrid[3][3] = kCloaked;
    tg.st.PhaserPlan = {WeaponsGame::Phaser(2, 2, "--", 40), WeaponsGame::Phaser(3, 3, "--", 40)};
    PhaserVolley(tg.game);
    EXPECT_EQ(tg.st.SectorGrid[2][2], kEmpty);
    EXPECT_EQ(tg.st.SectorGrid[3][3], kEmpty);
    EXPECT_TRUE(tg.host.Saw("draw:2,2:0"));
    EXPECT_EQ(tg.st.ZarvonisLeft, 10);
    EXPECT_EQ(tg.st.CloakedKilled, 0);
    EXPECT_EQ(tg.host.output.front(), "<KVBASIC0029> 1 -> Zarvoni<KVBASIC0034>");
}

TEST(PhasersTest, TheMorvShipDestroyedMidVolleyStopsTheFiringButTheActionEnds) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.Morv(6, 6, 1000);
    tg.Zarvoni(1, 4, 6);
    // 1000 - 5 x 150 = 250 after the first shot; the second destroys it; the third never fires.
    tg.st.PhaserPlan = {WeaponsGame::Phaser(6, 6, "MV", 150), WeaponsGame::Phaser(6, 6, "MV", 100),
                        WeaponsGame::Phaser(4, 6, "--", 50)};
    PhaserVolley(tg.game);
    EXPECT_EQ(tg.st.MorvShipsDestroyed, 1);
    EXPECT_EQ(tg.st.ZarvoniEnergy[1], 100);
    EXPECT_EQ(tg.st.ShipEnergy, 3000 - 250);
    EXPECT_EQ(tg.host.output.front(), "<KVBASIC0029> 1 -> <KVBASIC0047>Morv<KVBASIC0048>");
    EXPECT_FLOAT_EQ(tg.st.TimeLeft, 29.8f);
    EXPECT_FALSE(tg.host.Events("enable:frmCOM").empty());
}

TEST(PhasersTest, AMorvEntryWithoutTheMorvShipGivesTheEnergyBack) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.st.PhaserPlan = {WeaponsGame::Phaser(6, 6, "MV", 150)};
    PhaserVolley(tg.game);
    EXPECT_EQ(tg.st.ShipEnergy, 3000);
    EXPECT_EQ(tg.host.output.front(), "<KVBASIC0029> 1 -> <KVBASIC0031>");
}

TEST(PhasersTest, ThePhaserFrequencyRetrofitBreaksTheTractorBeam) {
    struct Case {
        const char* tag;
        float draw;
        bool free;
    };
    // amount 400 x 0.05 x 3 = 60 > Rnd x 1000 with the retrofit; nothing without it.
    const Case cases[] = {{"2", 0.059f, true}, {"2", 0.061f, false}, {"", 0.0f, false}};
    for (const auto& c : cases) {
        ScriptedRandom rng({c.draw, 0.5f});
        WeaponsGame tg(rng);
        tg.Morv(5, 5, 1000000);
        tg.st.RetrofitButtonTag[2] = c.tag;
        tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);
        tg.st.PhaserPlan = {WeaponsGame::Phaser(5, 5, "MV", 400)};
        PhaserVolley(tg.game);
        EXPECT_EQ(tg.st.MorvStrength, 1000000 - static_cast<Long>((5 + (c.tag[0] ? 3 : 0)) * 400)) << c.tag;
        EXPECT_EQ(!tg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor), c.free) << c.draw;
        EXPECT_EQ(tg.host.Saw("log:<KVBASIC0049>Morv<KVBASIC0050>"), c.free) << c.draw;
        EXPECT_EQ(rng.Remaining(), c.free ? 0u : 1u) << c.draw;
    }
}

}  // namespace
}  // namespace kv::test
