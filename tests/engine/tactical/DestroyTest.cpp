#include <gtest/gtest.h>

#include "engine/tactical/Destroy.h"
#include "engine/tactical/Tactical.h"
#include "engine/turn/Morv.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(DestroyTest, ZarvoniShipCountsOnceWhetherOrNotItWasDisabledFirst) {
    struct Case {
        Integer flag;
        Integer energy;
        int code, left, flagged, energyAfter;
    };
    // Two ships and a star in the quadrant (code 201), 5 ships left, 2 counted as disabled.
    const Case cases[] = {{0, 100, 101, 4, 2, -1000}, {1, 0, 201, 5, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag);
        ScriptedRandom none;
        HostileGame hg(none);
        GameState& s = hg.st;
        hg.AddStar(1, 8, 8);
        hg.AddZarvoni(2, 2);
        const int i = hg.AddZarvoni(3, 6, c.energy);
        s.ZarvoniFlags[i] = c.flag;
        s.ZarvonisLeft = 5;
        s.FlaggedZarvonis = 2;
        DestroyZarvoniShip(hg.game, i);
        EXPECT_EQ(s.SectorGrid[3][6], kEmpty);
        EXPECT_EQ(s.ZarvoniShips[1][i], 0);
        EXPECT_EQ(s.ZarvoniShips[2][i], 0);
        EXPECT_EQ(s.ZarvoniEnergy[i], c.energyAfter);
        EXPECT_EQ(s.ZarvoniFlags[i], 0);
        EXPECT_EQ(s.Galaxy[4][4], c.code);
        EXPECT_EQ(s.ZarvonisLeft, c.left);
        EXPECT_EQ(s.FlaggedZarvonis, c.flagged);
        EXPECT_EQ(hg.Sounds(), std::vector<std::string>{"EXPLODE.WAV"});
        EXPECT_FALSE(hg.host.Events("ring:3,6").empty());
        EXPECT_TRUE(hg.host.Saw("draw:3,6:0"));
        EXPECT_TRUE(hg.host.output.empty());
    }
}

TEST(DestroyTest, AFreeSlotHoldsNothingToCount) {
    ScriptedRandom none;
    HostileGame hg(none);
    GameState& s = hg.st;
    hg.AddZarvoni(2, 2);
    s.ZarvoniShips[1][2] = s.ZarvoniShips[2][2] = 0;  // towed away: the slot is free
    s.ZarvoniEnergy[2] = -1000;
    s.ZarvonisLeft = 4;
    DestroyZarvoniShip(hg.game, 2);
    DestroyCloakedShip(hg.game, 1);
    EXPECT_EQ(s.Galaxy[4][4], 100);
    EXPECT_EQ(s.ZarvonisLeft, 4);
    EXPECT_EQ(s.CloakedKilled, 0);
    EXPECT_TRUE(hg.host.sounds.empty());
}

TEST(DestroyTest, CloakedShipLowersTheHostilesLeft) {
    ScriptedRandom none;
    HostileGame hg(none);
    GameState& s = hg.st;
    hg.AddCloaked(1, 1);
    const int j = hg.AddCloaked(7, 2, 15);
    s.CloakedKilled = 1;
    const Integer left = s.ZarvonisLeft;
    DestroyCloakedShip(hg.game, j);
    EXPECT_EQ(s.SectorGrid[7][2], kEmpty);
    EXPECT_EQ(s.CloakedShips[1][j], 0);
    EXPECT_EQ(s.CloakedEnergy[j], -1000);
    EXPECT_EQ(s.ZarvonisLeft, left - 1);
    EXPECT_EQ(s.CloakedKilled, 2);
    EXPECT_EQ(s.CloakedPerQuadrant[3][3], 2);  // the table is compacted later
    EXPECT_EQ(s.Galaxy[4][4], 0);
}

TEST(DestroyTest, MorvShipEndsItsThreatAndTheNextOneArrivesStronger) {
    ScriptedRandom rng{0.0f, 0.0f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.MorvShip = {0, 4, 4, 2, 7};
    s.SectorGrid[2][7] = kMorv;
    s.MorvStrength = 900000;
    s.MorvRegen = 13500;
    s.MorvCountdown = -1;
    s.MorvShipsDestroyed = 1;
    DestroyMorvShip(hg.game);
    EXPECT_EQ(s.SectorGrid[2][7], kEmpty);
    EXPECT_EQ(s.MorvShip, (std::array<Integer, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(s.MorvStrength, 0);
    EXPECT_EQ(s.MorvRegen, 0);
    EXPECT_EQ(s.MorvCountdown, 0);
    EXPECT_EQ(s.MorvShipsDestroyed, 2);
    EXPECT_EQ(hg.host.output, std::vector<std::string>{"<KVBASIC0159>Morv<KVBASIC0160>"});
    EXPECT_EQ(hg.host.notices, std::vector<std::string>{"<KVBASIC0161>Morv<KVBASIC0162>"});
    EXPECT_TRUE(hg.Played("MVDESTROYED.WAV"));

    // Each Morv ship destroyed makes the next one 200,000 stronger.
    MorvMove(hg.game);
    EXPECT_EQ(s.MorvStrength, 1400000);
}

TEST(DestroyTest, AMorvShipElsewhereLeavesTheScanAlone) {
    ScriptedRandom none;
    HostileGame hg(none);
    hg.st.MorvShip = {0, 1, 8, 4, 4};
    DestroyMorvShip(hg.game);
    EXPECT_EQ(hg.st.SectorGrid[4][4], kShip);
    EXPECT_TRUE(hg.host.Events("ring:").empty());
}

TEST(DestroyTest, FriendlyStarbaseBookkeeping) {
    struct Case {
        const char* name;
        Integer warned;
        bool underShip;  // the ship stands on the base's sector
        int lost;
    };
    const Case cases[] = {{"warned", -1, false, 1}, {"not warned", 0, false, 0}, {"ship on its sector", 0, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom none;
        HostileGame hg(none);
        GameState& s = hg.st;
        hg.AddStar(1, 1, 1);
        const int row = c.underShip ? 4 : 5;
        hg.AddStarbase(2, row, 5);
        if (c.underShip) s.ShipSectorCol = 5;
        s.Docked = 1;
        s.StarbaseFlags[2] = c.warned;
        s.KnownGalaxy[4][4] = 21;
        DestroyFriendlyStarbase(hg.game);
        EXPECT_EQ(s.SectorGrid[row][5], c.underShip ? kShip : kEmpty);
        EXPECT_EQ(s.StarbaseSectors[1][2], 0);
        EXPECT_EQ(s.StarbaseSectors[2][2], 0);
        EXPECT_EQ(s.Galaxy[4][4], 1);
        EXPECT_EQ(s.KnownGalaxy[4][4], 21);  // the chart is not touched
        EXPECT_EQ(s.Docked, 0);
        EXPECT_EQ(s.Starbases[1][2], 0);
        EXPECT_EQ(s.Starbases[2][2], 0);
        EXPECT_EQ(s.Starbases[3][2], -1000);
        EXPECT_EQ(s.StarbasesLost, c.lost);
        EXPECT_EQ(s.StatCounterG, 1);
        EXPECT_EQ(s.StarbaseFlags[2], 0);
        EXPECT_EQ(s.QuadStarbase, 0);
        EXPECT_EQ(hg.host.output, std::vector<std::string>{"<KVBASIC0155> 2<KVBASIC0156>"});
        EXPECT_EQ(hg.host.notices, std::vector<std::string>{"<KVBASIC0157> 2<KVBASIC0158>"});
        EXPECT_EQ(hg.Sounds(), std::vector<std::string>{"SBDESTRD.WAV"});
    }
}

TEST(DestroyTest, ZarvoniBaseBookkeepingAndTimeGivenBack) {
    struct Case {
        const char* name;
        bool captured;
        float timeDraw;
        int left;
        Single timeBack;
        std::vector<std::string> first;
        std::vector<std::string> keys;  // lines 3 to 6 of the second notice
    };
    const Case cases[] = {
        {"not captured",
         false,
         0.0f,
         10,
         3.0f,
         {"Zarvoni<KVBASIC0163>"},
         {"<KVBASIC0171>", "<KVBASIC0172>ZARVONI<KVBASIC0173>", "<KVBASIC0174>", "<KVBASIC0175>"}},
        {"captured",
         true,
         0.99f,
         7,
         7.0f,
         {"Zarvoni<KVBASIC0163>", "<KVBASIC0164> 3 Zarvonis)"},
         {"<KVBASIC0166>", "<KVBASIC0167>ZARVONI<KVBASIC0168>", "<KVBASIC0169>", "<KVBASIC0170>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng{0.5f, c.timeDraw};
        HostileGame hg(rng);
        GameState& s = hg.st;
        hg.AddZarvoniBase(6, 2, 100, c.captured);
        s.ZarvoniBaseShips = 3;
        s.ZarvonisLeft = 10;
        s.Docked = 1;
        DestroyZarvoniBase(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.SectorGrid[6][2], kEmpty);
        EXPECT_EQ(s.ZarvoniBase, (std::array<Long, 6>{c.captured ? -1 : 0, 0, 0, 0, 0, -1000}));
        EXPECT_EQ(s.ZarvonisLeft, c.left);
        EXPECT_EQ(s.ZarvoniBaseShips, 0);
        EXPECT_EQ(s.Docked, 0);
        EXPECT_EQ(s.ZarvoniBaseDestroyed, 1);
        EXPECT_FLOAT_EQ(s.TimeOffset, c.timeBack);
        EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f);

        std::vector<std::string> log = c.first;
        log.push_back("");
        const std::vector<std::string> second{"<KVBASIC0165> 3", "", c.keys[0], c.keys[1], c.keys[2], c.keys[3]};
        log.insert(log.end(), second.begin(), second.end());
        EXPECT_EQ(hg.host.output, log);
        ASSERT_EQ(hg.host.notices.size(), 2u);
        std::string firstNotice;
        for (const auto& l : c.first) firstNotice += l + "\r\n";
        EXPECT_EQ(hg.host.notices[0], firstNotice);
        EXPECT_EQ(hg.Sounds(), (std::vector<std::string>{"SBDESTRD.WAV", "MESSAGE.WAV"}));
    }
}

TEST(DestroyTest, TheMorvTakesAFriendlyStarbase) {
    ScriptedRandom none;
    HostileGame hg(none);
    GameState& s = hg.st;
    hg.AddStar(1, 1, 1);
    hg.AddStar(2, 1, 2);
    hg.AddStarbase(3, 6, 6);
    s.StarbaseFlags[3] = -1;
    DestroyStarbase(hg.game, s.QuadStarbase);
    EXPECT_EQ(s.MorvBasesTaken, 1);
    EXPECT_EQ(s.Galaxy[4][4], 2);  // the star systems stay
    EXPECT_EQ(s.KnownGalaxy[4][4], 2);
    EXPECT_EQ(s.SectorGrid[6][6], kEmpty);
    EXPECT_EQ(s.Starbases[3][3], -1000);
    EXPECT_EQ(s.StarbasesLost, 1);
    EXPECT_EQ(s.StatCounterG, 1);
    EXPECT_EQ(s.QuadStarbase, 0);
    EXPECT_EQ(hg.host.output, std::vector<std::string>{"<KVBASIC0012> 3<KVBASIC0013>"});
    EXPECT_TRUE(hg.host.notices.empty());
}

TEST(DestroyTest, TheMorvTakesTheZarvoniBase) {
    for (bool captured : {false, true}) {
        SCOPED_TRACE(captured);
        ScriptedRandom rng{0.2f, 0.2f};
        HostileGame hg(rng);
        GameState& s = hg.st;
        hg.AddZarvoniBase(2, 3, 5000, captured);
        s.ZarvoniBaseShips = 4;
        s.ZarvonisLeft = 9;
        DestroyStarbase(hg.game, 0);
        EXPECT_EQ(s.SectorGrid[2][3], kEmpty);
        EXPECT_EQ(s.ZarvoniBase[5], -1000);
        EXPECT_EQ(s.MorvBasesTaken, captured ? 1 : 0);
        EXPECT_EQ(s.ZarvonisLeft, captured ? 5 : 9);
        EXPECT_EQ(s.ZarvoniBaseShips, 0);
        EXPECT_FLOAT_EQ(s.TimeOffset, 4.0f);
        ASSERT_EQ(hg.host.output.size(), 7u);
        EXPECT_EQ(hg.host.output[0], "Zarvoni<KVBASIC0014>");
        EXPECT_EQ(hg.host.output[1], "<KVBASIC0015> 2");
        EXPECT_EQ(hg.host.output[3], captured ? "<KVBASIC0016>" : "<KVBASIC0021>");
        EXPECT_EQ(hg.host.output[4],
                  captured ? "<KVBASIC0017>ZARVONI<KVBASIC0018>" : "<KVBASIC0022>ZARVONI<KVBASIC0023>");
        EXPECT_EQ(hg.host.notices.size(), 1u);
    }
}

TEST(DestroyTest, AFlagLeftInAnotherQuadrantDoesNotHideAKill) {
    // A ship disabled in the last quadrant left its slot's flag set; the first ship of the new
    // quadrant takes that slot and must count when it is destroyed.
    ScriptedRandom rng{0.0f, 0.0f, 0.0f};  // full strength, sector (1, 1)
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.ZarvoniFlags[1] = 1;
    s.FlaggedZarvonis = 1;
    s.Galaxy[4][4] = 100;
    s.ZarvonisLeft = 3;
    MakeTactical(hg.game);
    ASSERT_EQ(s.SectorGrid[1][1], kZarvoni);
    DestroyZarvoniShip(hg.game, 1);
    EXPECT_EQ(s.Galaxy[4][4], 0);
    EXPECT_EQ(s.ZarvonisLeft, 2);
    EXPECT_EQ(s.FlaggedZarvonis, 1);
}

}  // namespace
}  // namespace kv::test
