#include <gtest/gtest.h>

#include "engine/tactical/HostileBases.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(StarbaseFireTest, TheFriendlyStarbaseHitsTheNearestFitShip) {
    struct Case {
        const char* name;
        int energy;
        float draw;
        Integer after;
        std::string outcome;
        bool down;  // disabled or destroyed
        Integer mission = 1;
    };
    // The base at (6, 2); the target beside it at (6, 3) takes 151..170, one at distance 2 takes 91..110.
    const Case cases[] = {
        {"destroyed", 100, 0.0f, -1000, "<KVBASIC0185>", true},
        {"the strongest hit", 170, 0.99f, 0, "<KVBASIC0184>", true},
        {"nearly disabled", 160, 0.0f, 9, "<KVBASIC0186>", false},
        {"fights on", 200, 0.0f, 49, "<KVBASIC0187>", false},
        // In mission type 3 the ships to destroy stay as many as they were.
        {"destroyed in mission type 3", 100, 0.0f, -1000, "<KVBASIC0185>", true, 3},
        {"disabled in mission type 3", 170, 0.99f, 0, "<KVBASIC0184>", true, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng{c.draw};
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.MissionType = c.mission;
        hg.AddStarbase(1, 6, 2, 40000);
        hg.AddZarvoni(1, 8, 100);  // far
        hg.AddZarvoni(6, 4, 10);   // nearer, but too weak to bother with
        const int target = hg.AddZarvoni(6, 3, c.energy);
        s.InitialZarvonis = 20;
        const Integer left = s.ZarvonisLeft;
        EXPECT_TRUE(StarbaseFire(hg.game));
        EXPECT_EQ(rng.Remaining(), 0u);
        const int h = c.draw == 0.0f ? 151 : 170;
        EXPECT_EQ(s.Starbases[3][1], 40000 - 5 * h);
        EXPECT_EQ(s.ZarvoniEnergy[target], c.after);
        ASSERT_EQ(hg.host.output.size(), 2u);
        EXPECT_EQ(hg.host.output[0], "<KVBASIC0181>");
        EXPECT_EQ(hg.host.output[1], "Zarvoni<KVBASIC0182> 6 , 3<KVBASIC0183>" + c.outcome);
        EXPECT_EQ(s.ZarvonisLeft, c.down ? left - 1 : left);
        EXPECT_EQ(s.Galaxy[4][4], c.down ? 210 : 310);
        EXPECT_EQ(s.InitialZarvonis, c.down && c.mission != 3 ? 19 : 20);
        EXPECT_TRUE(hg.host.Saw("beam:0:6,2>6,3"));
        EXPECT_TRUE(hg.Played("SBSHOOT.WAV"));
    }
}

TEST(StarbaseFireTest, AWeakStarbaseHoldsItsFire) {
    // Below a tenth of its full strength, or below five times its hit (151 here).
    for (auto [strength, full] : {std::pair<Long, Long>{4999, 50000}, std::pair<Long, Long>{700, 5000}}) {
        SCOPED_TRACE(strength);
        ScriptedRandom rng{0.0f};
        HostileGame hg(rng);
        hg.st.MaxStarbaseStrength = full;
        hg.AddStarbase(1, 6, 2, strength);
        hg.AddZarvoni(6, 3);
        EXPECT_TRUE(StarbaseFire(hg.game));
        EXPECT_EQ(hg.st.Starbases[3][1], strength);
        EXPECT_EQ(hg.st.ZarvoniEnergy[1], 100);
        EXPECT_TRUE(hg.host.output.empty());
    }
}

TEST(StarbaseFireTest, TheZarvoniStarbaseFiresAtTheShip) {
    struct Case {
        const char* name;
        Single chance;
        float hitDraw;
        int ships;
        Long strength;
        bool fires, hits;
    };
    // The base at (4, 1), three sectors from the ship: a shot costs it (1 + 56 + 5) x 8 = 496.
    const Case cases[] = {
        {"with HitChance 0.9 it always hits", 0.9f, 0.99f, 0, 10000, true, true},
        {"a miss", 0.2f, 0.5f, 0, 10000, true, false},
        {"four ships guard a strong base: it holds its fire", 0.9f, 0.0f, 4, 10000, false, false},
        {"four ships and a weak base: it fires", 0.9f, 0.0f, 4, 9999, true, true},
        {"too weak for the shot", 0.9f, 0.0f, 0, 495, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<float> draws;
        if (!(c.ships == 4 && c.strength == 10000)) draws = {c.hitDraw, 0.0f};
        ScriptedRandom rng(draws);
        HostileGame hg(rng);
        GameState& s = hg.st;
        hg.AddZarvoniBase(4, 1, c.strength);
        for (int k = 0; k < c.ships; ++k) hg.AddZarvoni(8, 1 + 2 * k, 10);
        s.HitChance = c.chance;
        s.ShieldLevel = 1000;
        EXPECT_TRUE(StarbaseFire(hg.game));
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ZarvoniBase[5], c.fires ? c.strength - 496 : c.strength);
        EXPECT_EQ(s.ShieldLevel, c.hits ? 504 : 1000);
        EXPECT_EQ(hg.Played("ZSBSHOOT.WAV"), c.fires);
        if (c.hits) {
            EXPECT_EQ(hg.host.output, (std::vector<std::string>{"<KVBASIC0188>Zarvoni<KVBASIC0189>",
                                                                "** 496<KVBASIC0192>Zarvoni<KVBASIC0193>",
                                                                "<KVBASIC0194> 504<KVBASIC0195>"}));
        } else if (c.fires) {
            EXPECT_EQ(hg.host.output, std::vector<std::string>{"<KVBASIC0190>Zarvoni<KVBASIC0191>"});
        }
    }
}

TEST(StarbaseFireTest, AShotThatLosesTheShipEndsTheStage) {
    ScriptedRandom rng{0.0f, 0.0f, 0.5f, 0.5f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    for (int n = 1; n <= 8; ++n) s.SystemDamage[n] = 8.0f;
    s.SystemDamage[kHull] = 6.9f;
    hg.AddZarvoniBase(4, 1, 10000);
    EXPECT_FALSE(StarbaseFire(hg.game));
    EXPECT_FALSE(s.GameRunning);
}

TEST(StarbaseFireTest, TheCapturedStarbaseFiresAtItsOldFleet) {
    struct Case {
        Long strength;
        bool fires;
    };
    // Target at distance 1: (1 + 130 + 5) = 136, costing the base 680.
    for (const Case c : {Case{10000, true}, Case{2000, false}, Case{2001, true}}) {
        SCOPED_TRACE(c.strength);
        ScriptedRandom rng{0.0f};
        HostileGame hg(rng);
        GameState& s = hg.st;
        hg.AddZarvoniBase(4, 1, c.strength, true);
        hg.AddZarvoni(3, 1, 100);
        EXPECT_TRUE(StarbaseFire(hg.game));
        EXPECT_EQ(s.ZarvoniBase[5], c.fires ? c.strength - 680 : c.strength);
        EXPECT_EQ(s.ZarvoniEnergy[1], c.fires ? -1000 : 100);
        if (c.fires) {
            EXPECT_EQ(hg.host.output,
                      (std::vector<std::string>{"<KVBASIC0196>Zarvoni<KVBASIC0197>",
                                                "Zarvoni<KVBASIC0198> 3 , 1<KVBASIC0199><KVBASIC0201>"}));
        }
        EXPECT_EQ(s.ShieldLevel, 0);
    }
}

TEST(ZarvoniBaseTrafficTest, ACornerBaseHasThreeNeighbours) {
    ScriptedRandom rng(std::vector<float>(9, 0.0f));
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 1;
    s.Galaxy[1][1] = 0;
    s.ZarvoniBase = {0, 1, 1, 2, 2, 20000};
    s.SectorGrid[2][2] = kZarvoniStarbase;
    ZarvoniBaseTraffic(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
}

TEST(ZarvoniBaseTrafficTest, AnArrivalStaysToFightAtTheEdgeFacingItsQuadrant) {
    // Round 1 looks east, to (4, 5). The search for an entry sector draws (1, 1), pinned to
    // column 8.
    std::vector<float> draws{0.9f, 0.9f, 0.0f, 0.0f, 0.0f, 0.5f};
    draws.insert(draws.end(), 21, 0.0f);  // the seven other neighbours: nothing
    ScriptedRandom rng(draws);
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddZarvoniBase(2, 6, 20000);
    s.Galaxy[4][5] = 203;
    EXPECT_EQ(s.QuadZarvonis, 0);
    ZarvoniBaseTraffic(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.Galaxy[4][5], 103);
    EXPECT_EQ(s.Galaxy[4][4], 100);
    EXPECT_EQ(s.QuadZarvonis, 1);
    EXPECT_EQ(s.ZarvoniShips[1][1], 1);
    EXPECT_EQ(s.ZarvoniShips[2][1], 8);
    EXPECT_EQ(s.ZarvoniEnergy[1], 100);
    EXPECT_EQ(s.SectorGrid[1][8], kZarvoni);
    EXPECT_EQ(hg.host.output, std::vector<std::string>{"Zarvoni<KVBASIC0177> 1 , 8"});
}

TEST(ZarvoniBaseTrafficTest, AWeakBaseDrawsArrivalsAtTheLowerThreshold) {
    // r1 = 0.45 clears 0.3 but not 0.6: only a base below a quarter of its strength takes the
    // ship in (it stays to fight: r2 0.9, energy 0.5).
    for (Long strength : {Long{4999}, Long{5000}}) {
        SCOPED_TRACE(strength);
        const bool weak = strength < 5000;
        std::vector<float> draws{0.45f, 0.9f, 0.0f};
        if (weak) draws.insert(draws.end(), {0.0f, 0.0f, 0.5f});
        draws.insert(draws.end(), 21, 0.0f);
        ScriptedRandom rng(draws);
        HostileGame hg(rng);
        GameState& s = hg.st;
        hg.AddZarvoniBase(2, 6, strength);
        s.Galaxy[4][5] = 100;
        ZarvoniBaseTraffic(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.QuadZarvonis, weak ? 1 : 0);
        EXPECT_EQ(s.Galaxy[4][5], weak ? 0 : 100);
    }
}

TEST(ZarvoniBaseTrafficTest, ACapturedBaseKeepsEveryArrivalToFightAndLaunchesNone) {
    // Draws that would send the ship to dock (r2 0.0) and launch one (r3 0.9) in every round.
    std::vector<float> draws{0.9f, 0.0f, 0.9f, 0.0f, 0.0f, 0.5f};
    for (int round = 2; round <= 8; ++round) draws.insert(draws.end(), {0.0f, 0.0f, 0.9f});
    ScriptedRandom rng(draws);
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddZarvoniBase(2, 6, 20000, true);
    s.ZarvoniBaseShips = 2;
    s.Galaxy[4][5] = 100;
    ZarvoniBaseTraffic(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.QuadZarvonis, 1);
    EXPECT_EQ(s.ZarvoniShips[1][1], 1);
    EXPECT_EQ(s.ZarvoniShips[2][1], 8);
    EXPECT_EQ(s.SectorGrid[1][8], kZarvoni);
    EXPECT_EQ(s.ZarvoniBaseShips, 2);
    EXPECT_EQ(s.ZarvoniBase[5], 20000);
}

TEST(ZarvoniBaseTrafficTest, AnArrivalFliesToTheBaseAndDocks) {
    std::vector<float> draws{0.9f, 0.0f, 0.0f, 0.3f, 0.0f, 0.0f};
    draws.insert(draws.end(), 21, 0.0f);
    ScriptedRandom rng(draws);
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddZarvoniBase(2, 6, 20000);
    s.Galaxy[4][5] = 100;
    ZarvoniBaseTraffic(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    // It came in at (3, 8) and flew by (2, 7) into the base.
    EXPECT_EQ(s.Galaxy[4][5], 0);
    EXPECT_EQ(s.Galaxy[4][4], 0);
    EXPECT_EQ(s.QuadZarvonis, 0);
    EXPECT_EQ(s.ZarvoniBaseShips, 1);
    EXPECT_EQ(s.ZarvoniBase[5], 20000 - 1001);
    EXPECT_EQ(s.SectorGrid[2][6], kZarvoniStarbase);
    EXPECT_EQ(s.SectorGrid[3][8], kEmpty);
    EXPECT_EQ(s.SectorGrid[2][7], kEmpty);
    EXPECT_TRUE(hg.host.Saw("draw:2,6:7"));
    EXPECT_TRUE(hg.Played("ZDOCK.WAV"));
}

TEST(ZarvoniBaseTrafficTest, ABlockedFlightEndsInAFight) {
    std::vector<float> draws{0.9f, 0.0f, 0.0f, 0.3f, 0.0f, 0.5f};
    draws.insert(draws.end(), 21, 0.0f);
    ScriptedRandom rng(draws);
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddZarvoniBase(2, 6, 20000);
    hg.AddStar(1, 2, 7);
    s.Galaxy[4][5] = 100;
    ZarvoniBaseTraffic(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.QuadZarvonis, 1);
    EXPECT_EQ(s.ZarvoniShips[1][1], 3);
    EXPECT_EQ(s.ZarvoniShips[2][1], 8);
    EXPECT_EQ(s.ZarvoniEnergy[1], 41);
    EXPECT_EQ(s.SectorGrid[3][8], kZarvoni);
    EXPECT_EQ(s.SectorGrid[2][7], kStar);
    EXPECT_EQ(s.Galaxy[4][4], 101);
}

TEST(ZarvoniBaseTrafficTest, TheBaseLaunchesADockedShip) {
    std::vector<float> draws{0.0f, 0.0f, 0.9f, 0.0f};  // no arrival; launch east
    draws.insert(draws.end(), 21, 0.0f);
    ScriptedRandom rng(draws);
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddZarvoniBase(2, 6, 20000);
    s.ZarvoniBaseShips = 1;
    ZarvoniBaseTraffic(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.ZarvoniBaseShips, 0);
    EXPECT_EQ(s.QuadZarvonis, 1);
    EXPECT_EQ(s.SectorGrid[2][7], kZarvoni);
    EXPECT_EQ(s.ZarvoniEnergy[1], 100);
    EXPECT_EQ(s.Galaxy[4][4], 100);
    EXPECT_EQ(hg.host.output, std::vector<std::string>{"Zarvoni<KVBASIC0179> 2 , 7"});
}

TEST(ZarvoniBaseTrafficTest, NothingComesOrGoesWithNineShipsOrACapturedBase) {
    for (bool captured : {false, true}) {
        SCOPED_TRACE(captured);
        ScriptedRandom rng(std::vector<float>(24, 0.99f));
        HostileGame hg(rng);
        GameState& s = hg.st;
        hg.AddZarvoniBase(2, 6, 20000, captured);
        s.ZarvoniBaseShips = 3;
        if (!captured)
            for (int k = 1; k <= 9; ++k) hg.AddZarvoni(k > 8 ? 7 : 8, k > 8 ? 1 : k, 10 + k);
        for (int r = 3; r <= 5; ++r)
            for (int c = 3; c <= 5; ++c)
                if (r != 4 || c != 4) s.Galaxy[r][c] = 0;
        ZarvoniBaseTraffic(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ZarvoniBaseShips, 3);
        EXPECT_EQ(s.QuadZarvonis, captured ? 0 : 9);
    }
}

}  // namespace
}  // namespace kv::test
