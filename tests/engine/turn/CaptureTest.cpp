#include <gtest/gtest.h>

#include "engine/turn/Capture.h"
#include "engine/turn/Condition.h"
#include "platform/Profile.h"
#include "support/TestGame.h"
#include "support/TurnTestSupport.h"

namespace kv {
namespace {

// The hostile base in sector (4, 4) of quadrant (5, 6), full strength 10000.
struct CaptureTest : ::testing::Test {
    ScriptedRandom rng;
    test::TestGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override {
        s.GameRunning = kTrue;
        s.EnemyText = "Zarvoni";
        s.EnemysText = "Zarvonis";
        s.ZarvoniBaseStrength = 10000;
        s.ZarvoniBase = {0, 5, 6, 4, 4, 1000};
        s.ShipQuadrantRow = 5;
        s.ShipQuadrantCol = 6;
        s.ShipSectorRow = 4;
        s.ShipSectorCol = 5;
        // The hostiles have had their turn in this quadrant: the scan's redraw starts none.
        s.TacticalQuadRow = 5;
        s.TacticalQuadCol = 6;
        s.SectorGrid[4][4] = kZarvoniStarbase;
        s.SectorGrid[4][5] = kShip;
        s.TotalTime = s.TimeLeft = 30;
        s.RepairRate = 50;
    }
    void ShipElsewhere() { s.ShipQuadrantRow = 1; }
    // The draws of the hostiles' turn that a docked ship cast off by the lost base asks for: a
    // walk over the galaxy in which nothing moves, no traffic at the base (three draws in each of
    // eight directions), then the base's shot at the ship (hit and power), which the shields take.
    void HostileTurnAtTheBase() {
        for (float d : test::QuietWalk(s)) rng.Push(d);
        rng.Push(24, 0.0f);
        rng.Push(2, 0.0f);
        s.ShieldLevel = 5000;
    }
};

TEST_F(CaptureTest, CaptureOfAnUndefendedWeakBase) {
    s.Galaxy[5][6] = 2;  // two star systems, no Zarvoni ship
    s.ZarvoniBaseShips = 2;
    s.HyperspaceFlag = 1;
    rng.Push(0.5f);  // the stores: number Int(0.5 x 5) + 1 = 3
    rng.Push(0.9f);  // time given back: Int(0.9 x 5 + 3) = 7
    CaptureEnemyStarbase(tg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.ZarvoniBase[0], -1);
    EXPECT_TRUE(GetStatusItem(s, 5));
    EXPECT_EQ(s.ScoreCounterB, 1);
    EXPECT_EQ(s.HyperspaceFlag, 0);
    EXPECT_EQ(s.ZarvoniBaseShips, 0);
    EXPECT_FLOAT_EQ(s.TimeOffset, 7.0f);
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f);
    ASSERT_EQ(tg.host.notices.size(), 3u);
    EXPECT_EQ(tg.host.notices[0], "<KVGAME0105>Zarvoni<KVGAME0106>\r\n<KVGAME0107>");
    EXPECT_EQ(tg.host.notices[1], "<KVGAME0108>Zarvonis<KVGAME0109>\r\n<KVGAME0110>");
    EXPECT_EQ(tg.host.notices[2],
              "<KVGAME0111> 3\r\n<KVGAME0112>\r\n<KVGAME0113>ZARVONI<KVGAME0114>\r\n<KVGAME0115>\r\n");
    // Everything said is also in the log.
    EXPECT_EQ(tg.host.output.front(), "<KVGAME0105>Zarvoni<KVGAME0106>");
    EXPECT_EQ(tg.host.output.size(), 4u + 5u);

    // Captured and unthreatened: nothing more happens.
    tg.host.notices.clear();
    CaptureEnemyStarbase(tg.game);
    EXPECT_TRUE(tg.host.notices.empty());
}

TEST_F(CaptureTest, SwitchedOffReportAndNoShipsAtTheBase) {
    s.Galaxy[5][6] = 0;
    tg.game.MessageSuppressed[11] = kTrue;
    rng.Push(0.0f);
    rng.Push(0.0f);
    CaptureEnemyStarbase(tg.game);
    EXPECT_EQ(tg.host.notices.size(), 1u);  // no ships taken, the report only logged
    EXPECT_FLOAT_EQ(s.TimeOffset, 3.0f);
    EXPECT_EQ(tg.host.output.back(), "");  // the report ends with a line break
}

TEST_F(CaptureTest, NothingWithoutAWeakStandingBaseOrAway) {
    struct Case {
        const char* name;
        std::array<Long, 6> base;
        bool shipHere;
    };
    const Case cases[] = {
        {"no hostile base", {0, 0, 0, 0, 0, 0}, true},       {"destroyed base", {0, 0, 0, 0, 0, -1000}, true},
        {"base at 30 percent", {0, 5, 6, 4, 4, 3000}, true}, {"base at exactly a quarter", {0, 5, 6, 4, 4, 2500}, true},
        {"ship elsewhere", {0, 5, 6, 4, 4, 1000}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.ZarvoniBase = c.base;
        s.ShipQuadrantRow = c.shipHere ? 5 : 2;
        s.Galaxy[5][6] = 0;
        CaptureEnemyStarbase(tg.game);
        EXPECT_EQ(s.ZarvoniBase[0], 0);
        EXPECT_TRUE(tg.host.notices.empty());
    }
}

TEST_F(CaptureTest, DefendedBaseWarnsOnce) {
    s.Galaxy[5][6] = 200;
    s.HyperspaceFlag = 0;
    CaptureEnemyStarbase(tg.game);
    ASSERT_EQ(tg.host.notices.size(), 1u);
    EXPECT_EQ(tg.host.notices[0],
              "<KVGAME0116>Zarvoni<KVGAME0117>\r\n<KVGAME0118>Zarvonis<KVGAME0119>\r\n<KVGAME0120>Zarvoni<KVGAME0121>");
    EXPECT_EQ(s.HyperspaceFlag, 1);
    EXPECT_EQ(s.ZarvoniBase[0], 0);
    CaptureEnemyStarbase(tg.game);
    EXPECT_EQ(tg.host.notices.size(), 1u);
}

TEST_F(CaptureTest, CapturedBaseHoldsOrFalls) {
    // Strength fraction 0.1: away it holds up to 3 ships; with the ship in the quadrant up to
    // a code of 699, docked up to 899.
    struct Case {
        const char* name;
        bool shipHere;
        Flag docked;
        Integer code;
        bool lost;
    };
    const Case cases[] = {
        {"away, three ships", false, 0, 312, false},        {"away, four ships", false, 0, 400, true},
        {"in the quadrant, code 699", true, 0, 699, false}, {"in the quadrant, code 700", true, 0, 700, true},
        {"docked, code 899", true, 1, 899, false},          {"docked, nine ships", true, 1, 900, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.ZarvoniBase[0] = -1;
        s.Galaxy[5][6] = c.code;
        s.ShipQuadrantRow = c.shipHere ? 5 : 1;
        s.Docked = c.docked;
        s.HyperspaceFlag = 0;
        tg.host.notices.clear();
        if (c.lost && c.docked) HostileTurnAtTheBase();
        CaptureEnemyStarbase(tg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ZarvoniBase[0], c.lost ? 0 : -1);
        EXPECT_EQ(tg.host.notices.size(), c.lost ? 1u : 0u);
        EXPECT_EQ(s.HyperspaceFlag, c.lost ? 1 : 0);
    }
}

TEST_F(CaptureTest, LossCastsOffTheDockedShip) {
    s.ZarvoniBase[0] = -1;
    s.Galaxy[5][6] = 900;
    s.Docked = 1;
    HostileTurnAtTheBase();
    CaptureEnemyStarbase(tg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(tg.host.notices.at(0),
              "<KVGAME0122>Zarvoni<KVGAME0123>\r\n<KVGAME0124>\r\n<KVGAME0125>\r\n\r\n<KVGAME0126>Zarvoni"
              "<KVGAME0127>Zarvonis!");
    EXPECT_EQ(s.Docked, 0);
    EXPECT_EQ(s.ShipSectorCol, 6);
    EXPECT_EQ(s.SectorGrid[4][6], kShip);
    EXPECT_EQ(s.SectorGrid[4][5], kEmpty);
    // The scan that follows gave the hostiles the turn the cast-off asked for.
    EXPECT_EQ(s.HostileTurnFlag, 0);
    EXPECT_EQ(s.TacticalQuadRow, 5);

    // From the last column the ship goes to column 7; an occupied sector is avoided. The base
    // stands in a corner, out of the way.
    s.ZarvoniBase[3] = s.ZarvoniBase[4] = 1;
    struct Case {
        int col;
        int blocked;
        int expected;
    };
    const Case cases[] = {{8, 0, 7}, {5, 6, 4}, {2, 3, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.col);
        s.SectorGrid = {};
        s.SectorGrid[1][1] = kZarvoniStarbase;
        s.ShipSectorCol = static_cast<Integer>(c.col);
        s.SectorGrid[4][c.col] = kShip;
        if (c.blocked) s.SectorGrid[4][c.blocked] = kStar;
        s.ZarvoniBase[0] = -1;
        s.Docked = 1;
        HostileTurnAtTheBase();
        CaptureEnemyStarbase(tg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.ShipSectorCol, c.expected);
        EXPECT_EQ(s.SectorGrid[4][c.expected], kShip);
    }
}

TEST_F(CaptureTest, AShipDockedElsewhereStaysDocked) {
    ShipElsewhere();
    s.ZarvoniBase[0] = -1;
    s.Galaxy[5][6] = 900;
    s.Docked = 1;
    CaptureEnemyStarbase(tg.game);
    EXPECT_EQ(s.ZarvoniBase[0], 0);
    EXPECT_EQ(s.Docked, 1);
    EXPECT_EQ(s.ShipSectorCol, 5);
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// The English texts joined around names keep their blanks (a text with an outer blank must be
// quoted in the language file).
TEST(CaptureTexts, EnglishTextsJoinAroundTheNames) {
    const std::string file = std::string(KESTRAVA_DATA_DIR) + "/LANGUAGE/English.lng";
    auto text = [&](const char* key) { return GetPrivateProfileString("Language", key, "", file); };
    EXPECT_EQ(text("KVGAME0105") + "Zarvoni" + text("KVGAME0106"), "You have captured the Zarvoni starbase!");
    EXPECT_EQ(text("KVGAME0129") + " 3 Shields" + text("KVGAME0130"), "Level 3 Shields upgrade:");
    EXPECT_EQ(text("KVGAME0161") + "Shields" + text("KVGAME0162"),
              "The Shields cannot be upgraded beyond the present technology level.");
    EXPECT_EQ(text("KVCOM0089") + " 450 *", "Computer: shields raised to 450 *");
}

}  // namespace
}  // namespace kv
