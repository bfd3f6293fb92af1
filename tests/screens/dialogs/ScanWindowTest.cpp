#include "screens/dialogs/ScanWindow.h"

#include <gtest/gtest.h>

#include "engine/tactical/ShortRangeScan.h"
#include "screens/dialogs/ScanEffects.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

struct ScanWindowTest : ::testing::Test {
    SeededRandom rng{9};
    TurnGame tg{rng};
    GameState& s = tg.game.st;
    static int Cell(int row, int col) { return (row - 1) * 8 + col - 1; }
    ScanHoverMetrics Metrics(int cell) const {
        ScanHoverMetrics m;
        m.cell = {180.0 + 300 * (cell % 8), 240.0 + 300 * (cell / 8), 255, 255};
        m.windowWidth = 2700;
        m.windowHeight = 2900;
        m.labelSize = [](const std::string& t) { return std::pair<double, double>(60.0 * t.size(), 200); };
        return m;
    }
};

TEST(ScanLayout, DisplayOptionsScaleTheCellsAndAddTheMargins) {
    struct Case {
        int option, scale;
        bool coords;
        long shield, morvShield;
    };
    const Case cases[] = {
        {0, 1, false, 345, 435}, {1, 2, false, 690, 870}, {2, 1, true, 345, 435}, {3, 2, true, 690, 870}};
    for (const Case& c : cases) {
        ScanLayoutInput in;
        in.drawOption = c.option;
        in.iconWidth = in.iconHeight = 480;  // a 32-pixel strip cell
        in.coordhWidth = 100;
        in.coordvHeight = 200;
        in.frameWidth = 120;
        in.frameHeight = 400;
        const ScanLayout l = LayOutScan(in);
        SCOPED_TRACE(c.option);
        EXPECT_EQ(l.scale, c.scale);
        EXPECT_EQ(l.coords, c.coords);
        const double cell = 480.0 * c.scale, left = c.coords ? 180 : 0, top = c.coords ? 240 : 0;
        EXPECT_EQ(l.cellWidth, cell);
        EXPECT_EQ(l.frames[0], (TwipRect{left, top, cell + 30, cell + 30}));
        EXPECT_EQ(l.frames[63], (TwipRect{7 * cell + left, 7 * cell + top, cell + 30, cell + 30}));
        // The cell sits centred in its frame, one pixel up and left.
        EXPECT_EQ(l.cells[9], (TwipRect{cell + left + 15 - 15, cell + top + 15 - 15, cell, cell}));
        EXPECT_EQ(l.coordhLeft[2], 2 * cell + left + (cell + 30) / 2 - 50);
        EXPECT_EQ(l.coordvTop[1], cell + top + (cell + 30) / 2 - 100);
        EXPECT_EQ(l.shieldSize, c.shield);
        EXPECT_EQ(l.morvShieldSize, c.morvShield);
        EXPECT_EQ(l.coverWidth, 8 * cell + 30 + left);
        EXPECT_EQ(l.outerHeight, 400 + 8 * cell + 30 + top);
    }
}

TEST_F(ScanWindowTest, DescriptionsByContentAndPicture) {
    s.EnemyText = "Z";
    s.StrongEnemyText = "M";
    struct Case {
        Integer code;
        int icon;
        const char* text;
    };
    const Case cases[] = {
        {kEmpty, kIconEmpty, "<SRS0002>"},
        {kShip, kIconShip, "<SRS0003>"},
        {kZarvoni, kIconZarvoni, "<SRS0004>Z<SRS0005>"},
        {kZarvoni, kIconZarvoniSpent, "<SRS0006>Z<SRS0007>"},
        {kStar, kIconStar, "<SRS0010>"},
        {kStar, kIconStarVisited, "<SRS0010><SRS0011>"},
        {kStarbase, kIconStarbase, "<SRS0012>"},
        {kZarvoniStarbase, kIconZarvoniBase, "<SRS0014>Z<SRS0015><SRS0013><SRS0016>"},
        {kCloaked, kIconCloakedWeak, "<SRS0017>Z<SRS0018>"},
        {kCloaked, kIconEmpty, "<SRS0019>"},
        {kMorv, kIconMorv, "<SRS0008>M<SRS0009>"},
        {kZarvoni, kIconOutOfRange, "<SRS0001>"},  // unreadable, whatever stands there
        {9, kIconEmpty, ""},
    };
    for (const Case& c : cases) {
        s.SectorGrid[2][3] = c.code;
        EXPECT_EQ(ScanDescription(tg.game, Cell(2, 3), c.icon), std::optional<std::string>(c.text)) << c.text;
    }
    // A torpedo frame or no picture is none of the strip cells: nothing to describe.
    EXPECT_EQ(ScanDescription(tg.game, Cell(2, 3), kNotAStripCell), std::nullopt);
}

TEST_F(ScanWindowTest, HoverTextsByPicture) {
    s.ZarvoniShips[1][3] = 2, s.ZarvoniShips[2][3] = 5, s.ZarvoniEnergy[3] = 85;
    s.CloakedShips[1][2] = 2, s.CloakedShips[2][2] = 5, s.CloakedEnergy[2] = 12;
    s.StarSystem(4, 4, 1).SectorRow = 2, s.StarSystem(4, 4, 1).SectorCol = 5;
    s.StarSystem(4, 4, 1).SetName("  Vel Toris");
    s.StrongEnemyText = "M";
    s.MorvStrength = 600000, s.MorvShipsDestroyed = 1;  // of 1 200 000
    s.QuadStarbase = 2, s.Starbases[3][2] = 12345, s.MaxStarbaseStrength = 50000;
    s.ZarvoniBase[5] = 999, s.ZarvoniBaseStrength = 3000;
    struct Case {
        int icon;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {kIconZarvoni, "3 - 85%"},
        {kIconZarvoniSpent, "3<SRS0022>"},
        {kIconStarVisited, "Vel Toris"},
        {kIconStar, "<SRS0020>"},
        {kIconMorv, "M<SRS0021>50%"},
        {kIconStarbase, "<SRS0023>24%"},
        {kIconZarvoniBase, "Zarvoni<SRS0024>33%"},
        {kIconZarvoniBaseCaptured, "Zarvoni<SRS0025>33%"},
        {kIconCloakedWeak, "2 - 12%"},
        {kIconCloakedShown, "<SRS0026>"},
        {kIconShip, std::nullopt},
        {kIconEmpty, std::nullopt},
        {kIconOutOfRange, std::nullopt},
        {13, std::nullopt},  // the tow icon
        {kNotAStripCell, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ScanHoverText(tg.game, Cell(2, 5), c.icon), c.text) << c.icon;
    s.ShowStarsFlag = true;
    EXPECT_EQ(ScanHoverText(tg.game, Cell(2, 5), kIconStar), std::optional<std::string>("Vel Toris"));
}

TEST_F(ScanWindowTest, HoverShowsBesideTheCellUntilItsTimerOrAnotherCell) {
    s.ZarvoniShips[1][1] = 1, s.ZarvoniShips[2][1] = 1, s.ZarvoniEnergy[1] = 50;
    const int cell = Cell(1, 1);
    ScanMouseMove(tg.game, cell, kIconZarvoni, 0, Metrics(cell));
    EXPECT_TRUE(s.ScanHover.Visible);
    EXPECT_EQ(s.ScanHover.Text, "1 - 50%");
    EXPECT_EQ(s.ScanHover.Left, 180 + 255);
    EXPECT_EQ(s.ScanHover.Top, 240 + 255);
    s.ScanHover.Text = "kept";
    ScanMouseMove(tg.game, cell, kIconZarvoni, 0, Metrics(cell));  // the timer runs: nothing new
    EXPECT_EQ(s.ScanHover.Text, "kept");
    HideScanHoverLabel(tg.game);  // the timer hides it; the next move shows it again
    ScanMouseMove(tg.game, cell, kIconZarvoni, 0, Metrics(cell));
    EXPECT_EQ(s.ScanHover.Text, "1 - 50%");
    // Another cell with nothing to name: the label goes, and no stale text comes back.
    for (int icon : {static_cast<int>(kIconEmpty), 13, kNotAStripCell}) {
        ScanMouseMove(tg.game, cell, kIconZarvoni, 0, Metrics(cell));
        ScanMouseMove(tg.game, Cell(3, 3), icon, 0, Metrics(Cell(3, 3)));
        EXPECT_FALSE(s.ScanHover.Visible) << icon;
    }
}

TEST(ScanHover, LabelPlacementKeepsInsideTheWindow) {
    struct Case {
        TwipRect cell;
        double left, top;
    };
    // Label 600 x 200 in a window of 2700 x 2900.
    const Case cases[] = {
        {{180, 240, 255, 255}, 435, 495},    // bottom-right of the cell
        {{2280, 240, 255, 255}, 1680, 495},  // too far right: left of the cell
        {{180, 2340, 255, 255}, 435, 2140},  // too low: above the cell
        {{300, 240, 255, 2000}, 555, 40},    // a tall cell: above it
    };
    for (const Case& c : cases) {
        double left = 0, top = 0;
        PlaceHoverLabel(c.cell, 600, 200, 2700, 2900, left, top);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(top, c.top);
    }
    double left = 0, top = 0;
    PlaceHoverLabel({100, 240, 255, 255}, 2500, 200, 2700, 2900, left, top);  // no room either side
    EXPECT_EQ(left, 2700 / 2 - 2500 / 2);
}

TEST_F(ScanWindowTest, ClickDescribesInTheInformationBox) {
    int shown = 0;
    tg.host.modal[Form::frmSRSInfo] = [&] {
        ++shown;
        return kOK;
    };
    s.ScanHover.Visible = true;
    ScanClick(tg.game, Cell(1, 1), kIconEmpty);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(s.SectorInfo.Message, "<SRS0002>");
    EXPECT_FALSE(s.ScanHover.Visible);
    ScanClick(tg.game, Cell(1, 1), kNotAStripCell);  // a torpedo in flight: no box
    s.SectorPickMode = kPhaserPick;
    ScanClick(tg.game, Cell(1, 1), kIconEmpty);  // a pick under way never opens the box
    EXPECT_EQ(shown, 1);
}

TEST_F(ScanWindowTest, ClicksWhileTheAutomaticCalculatorRuns) {
    tg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    ScanClick(tg.game, 7, kIconEmpty);
    EXPECT_EQ(s.ComTargetText, "S07");
    EXPECT_FALSE(s.SectorFrames[7].Visible);  // flashed, then hidden
    EXPECT_NEAR(tg.host.waited, 0.2, 1e-6);
    EXPECT_TRUE(tg.host.Saw("refresh:ShortRangeScan"));
    tg.host.events.clear();
    tg.host.answers = {kNo};  // the calculator offers the course to the picked sector
    ScanDoubleClick(tg.game, 12);
    EXPECT_EQ(tg.host.questions.size(), 1u);
    EXPECT_TRUE(tg.host.Saw("refresh:TargetCalculator"));
    EXPECT_TRUE(s.ComTargetText.empty());  // taken by the calculator
}

TEST_F(ScanWindowTest, PicksMarkTheFrames) {
    const int cell = 20;
    const SectorFrame& f = s.SectorFrames[cell];
    s.SectorPickMode = kTorpedoPick;
    s.TorpedoStockClass2 = 1;
    for (int width : {2, 3, 4, 5, 6, 7, 8, 9, 2}) {
        ScanMouseDown(tg.game, cell, 1, 1);
        EXPECT_TRUE(f.Visible);
        EXPECT_EQ(f.BorderWidth, width);
    }
    ScanMouseDown(tg.game, cell, 1, 2);  // Ctrl: class 2
    EXPECT_EQ(f.BorderColour, 14);
    ScanMouseDown(tg.game, cell, 1, 2);
    EXPECT_EQ(f.BorderColour, 13);
    ScanMouseDown(tg.game, cell, 2, 0);  // the right button picks nothing
    EXPECT_TRUE(f.Visible);
    ScanMouseDown(tg.game, cell, 1, 0);  // a plain click toggles
    EXPECT_FALSE(f.Visible);
    s.TorpedoStockClass2 = 0;
    ScanMouseDown(tg.game, cell, 1, 0);
    ScanMouseDown(tg.game, cell, 1, 2);  // no class-2 torpedoes: Ctrl toggles like a plain click
    EXPECT_FALSE(f.Visible);

    s.SectorPickMode = kCalculatorPick;  // the target calculator's pick records the cell + 1
    ScanMouseDown(tg.game, 9, 1, 0);
    EXPECT_EQ(s.SectorPickMode, 10);
    EXPECT_EQ(s.SectorFrames[9], (SectorFrame{true, 2, 13}));
}

TEST_F(ScanWindowTest, TheFullScanClearsTheFrames) {
    s.SectorFrames[5].Visible = true;
    s.ScanHover.Visible = true;
    SRS(tg.game);
    EXPECT_FALSE(s.SectorFrames[5].Visible);
    EXPECT_FALSE(s.ScanHover.Visible);
}

TEST_F(ScanWindowTest, ShieldRingRunsThroughColoursOneToSeven) {
    for (int i = 0; i <= 7; ++i) s.ColorTable[static_cast<size_t>(i)] = 100 + i;
    int step = 1;
    std::vector<long> seen;
    for (int i = 0; i < 8; ++i) {
        step = NextShieldStep(step);
        seen.push_back(ShieldRingColour(s, step));
    }
    EXPECT_EQ(seen, (std::vector<long>{102, 103, 104, 105, 106, 107, 101, 102}));
}

TEST_F(ScanWindowTest, TractorBeamOnlyBesideTheShip) {
    s.MorvShip = {0, 4, 4, 5, 5};  // diagonal neighbour of the ship at (4, 4)
    tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);
    EXPECT_TRUE(MorvTractorTick(tg.game));
    EXPECT_EQ(tg.host.Events("beam:").size(), 8u);
    EXPECT_EQ(tg.host.Events("beam:6:5,5>4,4").size(), 2u);
    s.MorvShip = {0, 4, 4, 6, 4};
    EXPECT_FALSE(MorvTractorTick(tg.game));
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor));
    EXPECT_TRUE(tg.host.Saw("beams:6-9:off"));
}

// ---- Effects ------------------------------------------------------------------------------------

std::array<TwipRect, 64> Frames() {
    std::array<TwipRect, 64> f{};
    for (int k = 0; k < 64; ++k) f[static_cast<size_t>(k)] = {300.0 * (k % 8), 300.0 * (k / 8), 285, 285};
    return f;
}

TEST(ScanEffects, BeamEndsAndCellNumbers) {
    const auto frames = Frames();
    const auto beam = BeamEnds(frames, 1, 1, 2, 3, 0.0, 0.999);
    ASSERT_TRUE(beam);
    EXPECT_EQ(*beam, (BeamLine{142, 142, 600 + 142 - 45, 300 + 142 + 44}));
    EXPECT_FALSE(BeamEnds(frames, 0, 4, 2, 3, 0.5, 0.5));
    EXPECT_FALSE(BeamEnds(frames, 2, 3, 9, 1, 0.5, 0.5));
    EXPECT_TRUE(BeamEnds(frames, 2, 9, 2, 3, 0.5, 0.5));  // the number names cell 16
}

TEST(ScanEffects, MarkersCentreOnSectorsOrHide) {
    const auto frames = Frames();
    EXPECT_EQ(CentreOnSector(frames, 345, 345, 2, 3), (std::optional<TwipRect>{{600 - 30, 300 - 30, 345, 345}}));
    for (int bad : {-1, 0, 9}) EXPECT_FALSE(CentreOnSector(frames, 345, 345, bad, 3)) << bad;
}

TEST(ScanEffects, FlareBlastAndFlash) {
    const TwipRect cell{300, 300, 255, 255};
    EXPECT_EQ(FlareSpot(cell, 3, -3, 2, 15), (TwipRect{428 + 45 - 15, 428 - 45 - 15, 30, 30}));
    EXPECT_EQ(BlastRing(cell, 4, 15), (TwipRect{428 - 60, 428 - 60, 120, 120}));
    EXPECT_EQ(HyperspaceFlashColour(0), 255);
    EXPECT_EQ(HyperspaceFlashColour(0.999), 255 + 256 * 255);
}

TEST(ScanEffects, MorvGlideEndsOnTheNewCell) {
    SeededRandom r(1);
    TurnGame tg(r);
    std::array<TwipRect, 64> cells{};
    for (int k = 0; k < 64; ++k) cells[static_cast<size_t>(k)] = {300.0 * (k % 8), 300.0 * (k / 8), 255, 255};
    struct Case {
        int fromRow, fromCol, toRow, toCol, steps;
    };
    const Case cases[] = {{2, 2, 2, 3, 20}, {2, 2, 3, 3, 20}, {2, 2, 2, 2, 0}, {2, 2, 4, 3, 40}};
    for (const Case& c : cases) {
        MorvGlide glide = PlanMorvGlide(tg.game.st, cells, c.fromRow, c.fromCol, c.toRow, c.toCol, 15, 15);
        EXPECT_NEAR(glide.stepTime, 4.438 / 20, 1e-9);
        int steps = 0;
        while (GlideStep(glide) && steps < 1000) ++steps;
        EXPECT_EQ(steps, c.steps) << c.toRow << "," << c.toCol;
        EXPECT_EQ(glide.left, cells[static_cast<size_t>((c.toRow - 1) * 8 + c.toCol - 1)].left);
        EXPECT_EQ(glide.top, cells[static_cast<size_t>((c.toRow - 1) * 8 + c.toCol - 1)].top);
    }
    MorvGlide row = PlanMorvGlide(tg.game.st, cells, 2, 2, 2, 3, 15, 15);
    EXPECT_EQ(row.stepY, 0);
    EXPECT_EQ(row.stepX, 15);
    // Damaged sensors hide a glide far from the ship at (4, 4).
    tg.game.st.SystemDamage[kShortRangeSensors] = 1;
    EXPECT_FALSE(PlanMorvGlide(tg.game.st, cells, 8, 8, 8, 7, 15, 15).visible);
    EXPECT_TRUE(PlanMorvGlide(tg.game.st, cells, 7, 7, 6, 6, 15, 15).visible);
}

}  // namespace
}  // namespace kv::test
