#include <gtest/gtest.h>

#include "screens/dialogs/StarList.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

struct StarListTest : ::testing::Test {
    ScriptedRandom rng;
    TurnGame tg{rng};
    GameState& s = tg.st;

    // Star system n of quadrant (qr, qc) at sector (sr, sc), visited at `mark` (0: never).
    void System(int qr, int qc, int n, const char* name, int sr, int sc, Long mark, const char* notes = "") {
        SolarSystemRecord& r = s.StarSystem(qr, qc, n);
        r.SetName(name);
        r.SectorRow = static_cast<Integer>(sr), r.SectorCol = static_cast<Integer>(sc);
        r.SystemValue3 = mark;
        r.Notes = notes;
        s.Galaxy[qr][qc] = static_cast<Integer>(std::max<int>(s.Galaxy[qr][qc] % 10, n));
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (const auto& r : s.StarList.Rows) out.push_back(r.Text);
        return out;
    }
};

TEST_F(StarListTest, VisitedSystemsByNameOrByLocation) {
    s.TimeLeft = 10.5f;
    System(3, 5, 1, "Al,pha", 2, 7, 1250);
    System(1, 2, 1, "zeta", 4, 4, 2000);
    System(6, 1, 1, "Beta Longername", 8, 1, 1100, "Rich in dilithium");
    System(6, 1, 2, "Gamma", 5, 5, 0);  // never visited
    ASSERT_TRUE(FillStarList(tg.game));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"* Beta Longername   \t 6 , 1\t 8 , 1\t0.50",
                                                 "Al,pha           \t 3 , 5\t 2 , 7\t2.00",
                                                 "zeta           \t 1 , 2\t 4 , 4\t9.50"}));
    SortStarList(tg.game, false);
    EXPECT_EQ(s.StarList.Rows[0].Text.substr(0, 4), "zeta");
    EXPECT_EQ(s.StarList.Rows[1].Text.substr(0, 6), "Al,pha");

    // The debug switch lists every system.
    s.ShowStarsFlag = true;
    FillStarList(tg.game);
    EXPECT_EQ(s.StarList.Rows.size(), 4u);
}

TEST_F(StarListTest, AcceptAndInfoTakeThePositionKeptBesideTheLine) {
    System(3, 5, 2, "Al,pha", 2, 7, 1250, "  Two moons  ");
    s.StarSystem(3, 5, 2).PlanetCount = 3;
    s.StarSystem(3, 5, 2).Planets[0].PlanetValue5 = 4;
    s.StarSystem(3, 5, 2).Planets[2].PlanetValue5 = 9;
    ASSERT_TRUE(FillStarList(tg.game));
    tg.host.visible.insert(Form::frmStars);

    StarListInfo(tg.game, 0);
    EXPECT_EQ(tg.host.notices,
              std::vector<std::string>{"<STARS0001>Al,pha\r\n\r\n<STARS0002> 2\r\n\r\n<STARS0003>3,5\t<STARS0004>2,7"
                                       "\r\n\r\n<STARS0005>\r\nTwo moons"});
    StarListAccept(tg.game, -1);  // nothing selected
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmStars));
    StarListAccept(tg.game, 0);
    EXPECT_EQ(s.TargetQuadText, "3,5");
    EXPECT_EQ(s.TargetSectText, "2,7");
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmStars));
}

TEST_F(StarListTest, NothingVisitedClosesTheList) {
    System(2, 2, 1, "Gamma", 5, 5, 0);
    tg.host.visible.insert(Form::frmStars);
    EXPECT_FALSE(FillStarList(tg.game));
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmStars));
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<STARS0006>"});
}

}  // namespace
}  // namespace kv::test
