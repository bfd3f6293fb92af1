#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/computer/TargetCalculator.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

const std::string kDeg = "\xC2\xB0";

// A running game with nothing about: the ship at quadrant (4, 4), sector (4, 4), 3000 energy,
// 30 time units.
struct TargetCalculatorTest : ::testing::Test {
    SeededRandom rng{11};
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override {
        s.MissionType = 3;  // no victory to end the game
        s.ComAutoLRS = kFalse;
        At(4, 4, 4, 4);
    }
    void At(int qr, int qc, int sr, int sc) {
        s.SectorGrid = {};
        s.ShipQuadrantRow = static_cast<Integer>(qr), s.ShipQuadrantCol = static_cast<Integer>(qc);
        s.ShipSectorRow = static_cast<Integer>(sr), s.ShipSectorCol = static_cast<Integer>(sc);
        s.TacticalQuadRow = s.ShipQuadrantRow, s.TacticalQuadCol = s.ShipQuadrantCol;
        s.SectorGrid[sr][sc] = kShip;
    }
    // Accepts the target the window shows.
    void Accept(const char* quad, const char* sect) {
        s.TargetQuadText = quad;
        s.TargetSectText = sect;
        TargetSector(tg.game);
    }
    std::vector<std::string> LastOutput(std::size_t n) const {
        const auto& out = tg.host.output;
        return {out.end() - static_cast<long>(std::min(n, out.size())), out.end()};
    }
    void ExpectUnmoved(int qr, int qc, int sr, int sc) {
        EXPECT_EQ(s.ShipQuadrantRow, qr);
        EXPECT_EQ(s.ShipQuadrantCol, qc);
        EXPECT_EQ(s.ShipSectorRow, sr);
        EXPECT_EQ(s.ShipSectorCol, sc);
        EXPECT_EQ(s.SectorGrid[sr][sc], kShip);
        EXPECT_EQ(s.ShipEnergy, 3000);
        EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f);
    }
};

TEST_F(TargetCalculatorTest, TheTargetTextBecomesTheWindowsQuadrantAndSector) {
    struct Case {
        const char* text;
        const char* sectBefore;  // the sector the window showed before
        const char* quad;
        const char* sect;
    };
    // The ship stands at quadrant (2, 6), sector (3, 5): quadrant index 13.
    const Case cases[] = {
        {"", "7,7", "2,6", "3,5"},
        {"Q27", "7,7", "4,4", "1,8"},  // south-west of the ship: its north-east corner
        {"S12Q40", "7,7", "6,1", "2,5"},
        {"S09", "7,7", "2,6", "2,2"},
        {"S00Q07", "7,7", "1,8", "1,1"},
        {"Q13", "7,7", "2,6", "7,7"},  // the ship's own quadrant keeps the sector shown
        {"Q13", "", "2,6", "3,5"},     // ... or takes the ship's when none is shown
        // Malformed parts are ignored; the ship's own position stands in for them.
        {"Q", "7,7", "2,6", "3,5"},
        {"Q7", "7,7", "2,6", "3,5"},
        {"Q64", "7,7", "2,6", "3,5"},
        {"Q-1", "7,7", "2,6", "3,5"},
        {"QAB", "7,7", "2,6", "3,5"},
        {"S", "7,7", "2,6", "3,5"},
        {"S6", "7,7", "2,6", "3,5"},
        {"S99Q40", "7,7", "6,1", "3,5"},
        {"S 9Q40", "7,7", "6,1", "3,5"},
        {"S12Q", "7,7", "2,6", "2,5"},
        {"S12Q4", "7,7", "2,6", "2,5"},
        {"S12Q72", "7,7", "2,6", "2,5"},
        {"S12X40", "7,7", "2,6", "2,5"},
    };
    At(2, 6, 3, 5);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        s.ComTargetText = c.text;
        s.TargetSectText = c.sectBefore;
        s.TargetOptBase = {true, true, true, true};
        s.TargetOptLRS[5] = true;
        s.TargetOptPrev = true;
        s.TargetOptBaseColour = {12, 12, 12, 12};
        TargetCalculator(tg.game);
        EXPECT_EQ(s.TargetQuadText, c.quad);
        EXPECT_EQ(s.TargetSectText, c.sect);
        EXPECT_EQ(s.ComTargetText, "");
        EXPECT_EQ(s.TargetOptBase, (std::array<bool, 4>{}));
        EXPECT_EQ(s.TargetOptLRS, (std::array<bool, 8>{}));
        EXPECT_FALSE(s.TargetOptPrev);
        EXPECT_EQ(s.TargetOptBaseColour, (std::array<Integer, 4>{}));
        EXPECT_EQ(s.TargetShipQuadText, "2,6");
    }
}

TEST_F(TargetCalculatorTest, ASectorPickUnderWayLeavesTheTargetAlone) {
    tg.game.SetTimer(Timer::frmTargetCalculator_tmrCheckSRS, true);
    s.ComTargetText = "S12Q40";
    s.TargetQuadText = "1,1", s.TargetSectText = "8,8";
    s.TargetOptLRS[2] = true;
    s.TargetOptBaseColour[1] = 12;
    TargetCalculator(tg.game);
    EXPECT_EQ(s.ComTargetText, "S12Q40");
    EXPECT_EQ(s.TargetQuadText, "1,1");
    EXPECT_EQ(s.TargetSectText, "8,8");
    EXPECT_TRUE(s.TargetOptLRS[2]);
    // The captions and the ship's quadrant are set in every case.
    EXPECT_EQ(s.TargetOptBaseColour[1], 0);
    EXPECT_EQ(s.TargetShipQuadText, "4,4");
}

TEST_F(TargetCalculatorTest, TheClosestSectorFacesTheShip) {
    struct Case {
        const char* quad;
        const char* sect;
    };
    // The ship at quadrant (4, 4), sector (3, 6).
    const Case cases[] = {
        {"2,2", "8,8"},  // north-west
        {"4,7", "3,1"},  // due east: the ship's row
        {"6,4", "1,6"},  // due south: the ship's column
        {"7,1", "1,8"},  // south-west
        {"4,4", "5,5"},  // the ship's own quadrant: unchanged
        {"", "5,5"},     // no quadrant: unchanged
    };
    At(4, 4, 3, 6);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quad);
        s.TargetQuadText = c.quad;
        s.TargetSectText = "5,5";
        ClosestSector(tg.game);
        EXPECT_EQ(s.TargetSectText, c.sect);
    }
}

TEST_F(TargetCalculatorTest, AnAcceptedSolutionIsChargedAndFlown) {
    // The automatic calculator and both picks were running.
    tg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    tg.game.SetTimer(Timer::frmTargetCalculator_tmrCheckSRS, true);
    tg.game.SetTimer(Timer::frmTargetCalculator_tmrCheckCOM, true);
    s.SectorPickMode = s.QuadrantPickMode = -1;
    tg.host.answers = {kYes};
    Accept("4,6", "4,4");  // two quadrants due east

    EXPECT_EQ(tg.host.questions,
              std::vector<std::string>{"<KVCOM0079>1.000 (0" + kDeg + ")\r\n<KVCOM0080>2.000\r\n\r\n<KVCOM0081>"});
    EXPECT_EQ(tg.host.styles.front(), kYesNo + kQuestion);
    const std::vector<std::string> report{"", "<KVCOM0077>1.000 (0.0" + kDeg + ")", "<KVCOM0078>2.000"};
    EXPECT_EQ(std::vector<std::string>(tg.host.output.begin(), tg.host.output.begin() + 3), report);
    EXPECT_EQ(s.ShipEnergy, 3000 - 26);
    EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - 0.64f);
    EXPECT_EQ(s.ShipQuadrantRow, 4);
    EXPECT_EQ(s.ShipQuadrantCol, 6);
    EXPECT_EQ(s.ShipSectorRow, 4);
    EXPECT_EQ(s.ShipSectorCol, 4);
    EXPECT_TRUE(tg.host.Saw("hide:frmTargetCalculator"));
    // Every pick of the calculator has ended.
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmTargetCalculator_tmrCheckSRS));
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmTargetCalculator_tmrCheckCOM));
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_EQ(s.QuadrantPickMode, 0);
}

TEST_F(TargetCalculatorTest, ADeclinedSolutionChangesNothing) {
    s.WarpFactor = 0.5f;  // left by an earlier move
    tg.host.answers = {kNo};
    Accept("4,6", "4,4");
    EXPECT_EQ(LastOutput(2), (std::vector<std::string>{"", "<KVCOM0085>"}));
    ExpectUnmoved(4, 4, 4, 4);
    EXPECT_FLOAT_EQ(s.WarpFactor, 0.5f);
}

TEST_F(TargetCalculatorTest, ADamagedDriveShortensOnlyMovesBeyondFourSectors) {
    struct Case {
        const char* what;
        const char* quad;
        const char* sect;
        bool shortened;
        int qr, qc, sr, sc;  // where the ship arrives
        Single distance;
    };
    const Case cases[] = {
        {"20 sectors north", "1,4", "8,4", true, 3, 4, 8, 4, 4.0f},
        {"3 sectors north", "4,4", "1,4", false, 4, 4, 1, 4, 3.0f},
        {"10 sectors south-south-east", "5,5", "4,2", true, 4, 4, 7, 6, 4.0f},  // 8 rows, 6 columns
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        At(4, 4, 4, 4);
        s.ShipEnergy = 3000, s.TimeLeft = 30.0f;
        s.SystemDamage[kWarpEngines] = 1.0f;
        tg.host.questions.clear();
        tg.host.answers = {kYes};
        Accept(c.quad, c.sect);
        ASSERT_EQ(tg.host.questions.size(), 1u);
        const std::string note = "\r\n* SYS1<KVCOM0082>\r\n<KVCOM0083>";
        const std::string& q = tg.host.questions[0];
        EXPECT_EQ(q.size() >= note.size() && q.compare(q.size() - note.size(), note.size(), note) == 0, c.shortened)
            << q;
        EXPECT_EQ(s.ShipQuadrantRow, c.qr);
        EXPECT_EQ(s.ShipQuadrantCol, c.qc);
        EXPECT_EQ(s.ShipSectorRow, c.sr);
        EXPECT_EQ(s.ShipSectorCol, c.sc);
        EXPECT_EQ(s.ShipEnergy, static_cast<Long>(3000 - 10 - c.distance));
        EXPECT_FLOAT_EQ(s.TimeLeft, 30.0f - c.distance * 0.04f);
    }
}

TEST_F(TargetCalculatorTest, ADestinationOutsideTheGalaxyIsRefused) {
    // Ten sectors north of absolute row 10: shortened by the damaged drive to four, which still
    // leaves the galaxy; undamaged, the whole move does.
    for (Single damage : {1.0f, 0.0f}) {
        SCOPED_TRACE(damage);
        At(1, 4, 2, 4);
        s.SystemDamage[kWarpEngines] = damage;
        tg.host.notices.clear();
        ShowTargetSolution(tg.game, 0, 36);
        EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVCOM0084>"});
        EXPECT_TRUE(tg.host.questions.empty());
        ExpectUnmoved(1, 4, 2, 4);
    }
}

TEST_F(TargetCalculatorTest, TheShipsOwnPosition) {
    // With the automatic calculator off the solution is still shown and asked; an unreadable
    // quadrant or sector text stands for the ship's own.
    const std::pair<const char*, const char*> texts[] = {{"4,4", "4,4"}, {"", "9,x"}};
    for (const auto& [quad, sect] : texts) {
        SCOPED_TRACE(std::string(quad) + " / " + sect);
        tg.host.output.clear();
        tg.host.answers = {kNo};
        Accept(quad, sect);
        EXPECT_EQ(tg.host.output, (std::vector<std::string>{"", "<KVCOM0077>3.000 (90.0" + kDeg + ")",
                                                            "<KVCOM0078>0.000", "", "<KVCOM0085>"}));
        EXPECT_EQ(tg.host.questions.back(), "<KVCOM0079>3.000 (90" + kDeg + ")\r\n<KVCOM0080>0.000\r\n\r\n<KVCOM0081>");
    }
    ExpectUnmoved(4, 4, 4, 4);

    // With the automatic calculator running, accepting the own position only hides the window.
    tg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    tg.game.SetTimer(Timer::frmTargetCalculator_tmrCheckSRS, true);
    tg.host.events.clear();
    tg.host.output.clear();
    Accept("4,4", "4,4");
    EXPECT_TRUE(tg.host.Saw("hide:frmTargetCalculator"));
    EXPECT_TRUE(tg.host.output.empty());
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmTargetCalculator_tmrCheckSRS));
}

TEST_F(TargetCalculatorTest, NothingHappensWhileTheWarpEnginesAreOutOfAction) {
    s.SystemDamage[kWarpEngines] = 7.0f;
    tg.host.events.clear();
    Accept("4,6", "4,4");
    EXPECT_TRUE(tg.host.events.empty());
    ExpectUnmoved(4, 4, 4, 4);
}

}  // namespace
}  // namespace kv::test
