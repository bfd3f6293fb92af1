#include <gtest/gtest.h>

#include <cmath>

#include "engine/computer/Navigation.h"
#include "engine/turn/EndGame.h"
#include "state/DisplayData.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

// A running game with nothing about: quadrant (4, 4), sector (4, 4), 3000 energy, 30 time units.
struct NavigationTest : ::testing::Test {
    SeededRandom rng{7};
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override {
        s.MissionType = 3;  // no victory to end the game
        s.SectorGrid[4][4] = kShip;
        s.ComAutoLRS = kFalse;
    }
    void At(int qr, int qc, int sr, int sc) {
        s.SectorGrid = {};
        s.ShipQuadrantRow = static_cast<Integer>(qr), s.ShipQuadrantCol = static_cast<Integer>(qc);
        s.ShipSectorRow = static_cast<Integer>(sr), s.ShipSectorCol = static_cast<Integer>(sc);
        s.TacticalQuadRow = s.ShipQuadrantRow, s.TacticalQuadCol = s.ShipQuadrantCol;
        s.SectorGrid[sr][sc] = kShip;
    }
};

// What the report windows show: the general report's figures, the starbase report's rows and the
// hostile-ship report's ships.
std::vector<std::string> ReportTexts(const Game& g) {
    const DisplayData& d = g.displays;
    const GeneralReportDisplay& r = d.general;
    std::vector<std::string> out{r.Initial,  r.Time,   r.Left,    r.Destroyed,
                                 r.Captured, r.Torpedoes + " colour " + std::to_string(r.TorpedoColour),
                                 r.Probes,   r.Quadrant, r.Sector, r.Rating};
    for (const BaseRow& row : d.bases.Rows)
        out.push_back((row.Enabled ? "base " : "no base ") + row.Quad + " " + row.Strength + " " + row.Status);
    for (const ZarvoniRow& row : d.zarvoni.Rows)
        if (row.Visible) out.push_back("ship " + row.Sector);
    return out;
}

// A hunt under way with class-2 torpedoes, 12 of 17 hostile ships destroyed and a starbase seen
// in quadrant (2, 2).
void HuntUnderWay(GameState& s) {
    s.MissionType = 0;
    s.InitialZarvonis = 17;
    s.ZarvonisLeft = 5;
    s.TorpedoClass2Power = 2;
    s.MaxTorpedoesClass1 = s.TorpedoStockClass1 = 8;
    s.MaxTorpedoesClass2 = s.TorpedoStockClass2 = 4;
    s.Starbases[0][1] = 1;
    s.Starbases[1][1] = s.Starbases[2][1] = 2;
    s.Starbases[3][1] = s.MaxStarbaseStrength;
    s.SectorGrid[4][4] = kShip;
    s.ComAutoLRS = kFalse;
}

TEST_F(NavigationTest, AnOrderThatEndsTheGameLeavesTheReportsAsEndMissionDoes) {
    struct Case {
        const char* what;
        Single time;
        Long energy;
        const char* report;  // a key of the report that says why the game ended
    };
    const Case cases[] = {{"the time runs out", 0.05f, 3000, "<KVGAME0049>"},
                          {"the energy runs out", 30.0f, 5, "<KVGAME0060>"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SeededRandom r1{7}, r2{7};
        TurnGame ended(r1), endMission(r2);
        for (TurnGame* t : {&ended, &endMission}) {
            HuntUnderWay(t->st);
            t->st.TimeLeft = c.time;
            t->st.ShipEnergy = c.energy;
        }
        EndGame(endMission.game);  // the main menu's End Mission

        AcceptNavOrder(ended.game, "1.0", "0.25");  // two sectors east
        ASSERT_FALSE(ended.st.GameRunning);
        ASSERT_EQ(ended.host.notices.size(), 1u);
        EXPECT_NE(ended.host.notices[0].find(c.report), std::string::npos);
        EXPECT_EQ(ReportTexts(ended.game), ReportTexts(endMission.game));
    }
}

TEST_F(NavigationTest, CourseOneWarpOneCrossesIntoTheNextQuadrant) {
    AcceptNavOrder(tg.game, "1.0", "1.0");
    EXPECT_EQ(s.ShipQuadrantRow, 4);
    EXPECT_EQ(s.ShipQuadrantCol, 5);
    EXPECT_EQ(s.ShipSectorRow, 4);
    EXPECT_EQ(s.ShipSectorCol, 4);
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.32f);
    EXPECT_EQ(s.ShipEnergy, 3000 - 18);
    // The hostiles' turn in the new quadrant takes the warp factor as the ship's cover.
    EXPECT_FLOAT_EQ(s.HitChance, 0.5f);
    EXPECT_FLOAT_EQ(s.WarpFactor, 0.0f);
    EXPECT_EQ(std::vector<std::string>(tg.host.output.begin(), tg.host.output.begin() + 5),
              (std::vector<std::string>{"", "<NAV0001>", "", "<NAV0002>1.0", "<NAV0003>1.0"}));
    EXPECT_TRUE(tg.host.Saw("hide:frmNAV"));
    EXPECT_TRUE(tg.host.notices.empty());
}

TEST_F(NavigationTest, DestinationsOfCourseAndDistance) {
    struct Case {
        const char* what;
        int qr, qc, sr, sc;  // from
        Single course, distance;
        int dRow, dCol;
        bool inside;
        int toQr, toQc, toSr, toSc;
    };
    const Case cases[] = {
        {"north at warp 0.5", 3, 4, 2, 5, 3.0f, 4.0f, -4, 0, true, 2, 4, 6, 5},
        {"warp 0: its own sector", 4, 4, 4, 4, 6.3f, 0.0f, 0, 0, true, 4, 4, 4, 4},
        {"south-west across two borders", 4, 4, 1, 1, 6.0f, 8.0f, 6, -6, true, 4, 3, 7, 3},
        {"west across two borders", 2, 3, 3, 3, 5.0f, 11.0f, 0, -11, true, 2, 1, 3, 8},
        {"one sector beyond the east edge", 4, 8, 4, 8, 1.0f, 1.0f, 0, 1, false, 0, 0, 0, 0},
        {"one sector beyond the north edge", 1, 4, 1, 4, 3.0f, 1.0f, -1, 0, false, 0, 0, 0, 0},
        // Exact halves round to even; the angle is held in single precision, so west and north
        // fall just short of a half.
        {"east 2.5 sectors", 4, 4, 4, 4, 1.0f, 2.5f, 0, 2, true, 4, 4, 4, 6},
        {"east 4.5 sectors", 4, 4, 4, 4, 1.0f, 4.5f, 0, 4, true, 4, 4, 4, 8},
        {"east 3.5 sectors", 4, 4, 4, 4, 1.0f, 3.5f, 0, 4, true, 4, 4, 4, 8},
        {"west 3.5 sectors", 4, 4, 4, 4, 5.0f, 3.5f, 0, -3, true, 4, 4, 4, 1},
        {"north 3.5 sectors", 4, 4, 4, 4, 3.0f, 3.5f, -3, 0, true, 4, 4, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        At(c.qr, c.qc, c.sr, c.sc);
        const NavDestination d = NavigationDestination(s, c.course, c.distance);
        EXPECT_EQ(d.dRow, c.dRow);
        EXPECT_EQ(d.dCol, c.dCol);
        ASSERT_EQ(d.inside, c.inside);
        if (!c.inside) continue;
        EXPECT_EQ(d.quadRow, c.toQr);
        EXPECT_EQ(d.quadCol, c.toQc);
        EXPECT_EQ(d.sectorRow, c.toSr);
        EXPECT_EQ(d.sectorCol, c.toSc);
    }
}

TEST_F(NavigationTest, SplittingAMoveIntoQuadrantsAndSectors) {
    struct Case {
        int q, sec, d, quad, sector;
    };
    const Case cases[] = {{3, 2, -4, 2, 6}, {4, 4, 8, 5, 4},   {4, 8, 1, 5, 1}, {4, 1, -1, 3, 8},
                          {4, 4, -3, 4, 1}, {4, 4, -11, 3, 1}, {4, 5, 0, 4, 5}};
    for (const auto& c : cases) {
        int quad = 0, sector = 0;
        SplitDelta(c.q, c.sec, c.d, quad, sector);
        EXPECT_EQ(quad, c.quad) << c.q << "/" << c.sec << " + " << c.d;
        EXPECT_EQ(sector, c.sector) << c.q << "/" << c.sec << " + " << c.d;
    }
}

TEST_F(NavigationTest, ADestinationOutsideTheGalaxyIsRefusedAfterItsCharges) {
    At(4, 8, 4, 8);
    AcceptNavOrder(tg.game, "1.0", "0.125");  // one sector east of the galaxy
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<NAV0004>"});
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.04f);
    EXPECT_EQ(s.ShipEnergy, 3000 - 11);
    EXPECT_FLOAT_EQ(s.WarpFactor, 0.125f);
    EXPECT_EQ(s.ShipQuadrantCol, 8);
    EXPECT_EQ(s.ShipSectorCol, 8);
    EXPECT_EQ(s.SectorGrid[4][8], kShip);
    // The windows are enabled again; no refresh runs.
    EXPECT_TRUE(tg.host.Saw("enable:frmCommands"));
    EXPECT_FALSE(tg.host.Saw("refresh:RetrofitPanel"));
}

TEST_F(NavigationTest, EnergyIsTakenRoundedDownAndMayGoBelowZero) {
    // Orders east from the galaxy's east edge: refused, but charged.
    At(4, 8, 4, 8);
    s.ShipEnergy = 1000;
    AcceptNavOrder(tg.game, "1.0", "1.55");  // 12.4 sectors
    EXPECT_EQ(s.ShipEnergy, 977);
    s.ShipEnergy = 5;
    AcceptNavOrder(tg.game, "1.0", "0.2");  // 1.6 sectors
    EXPECT_EQ(s.ShipEnergy, -7);
}

TEST_F(NavigationTest, TheDialogOpensAtWarpZeroAndCourseOne) {
    s.NavDialog.CourseText = "-32767";  // left by a Cancel
    SetupNavDialog(tg.game, 0.5f);
    const NavDialogData& nav = s.NavDialog;
    EXPECT_EQ(nav.WarpMax, 5);
    EXPECT_EQ(nav.WarpValue, 5);
    EXPECT_EQ(nav.WarpText, "0.0");
    EXPECT_EQ(nav.CourseValue, 10);
    EXPECT_EQ(nav.CourseText, "1.0");
    EXPECT_EQ(nav.CourseTag, "0");
    EXPECT_TRUE(tg.host.Saw("show:frmNAV"));

    SetupNavDialog(tg.game, 8.0f);
    EXPECT_EQ(s.NavDialog.WarpMax, 80);
    s.NavDialog.WarpValue = 60;
    NavWarpChanged(s.NavDialog);
    EXPECT_EQ(s.NavDialog.WarpText, "2.0");
    EXPECT_EQ(s.NavDialog.WarpTag, "25");
}

}  // namespace
}  // namespace kv::test
