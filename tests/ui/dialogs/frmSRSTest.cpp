#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <set>

#include <QLineEdit>
#include <QTimer>

#include "engine/computer/Displays.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/EndGame.h"
#include "engine/turn/Refresh.h"
#include "screens/dialogs/ScanWindow.h"
#include "state/SavedGame.h"
#include "ui/dialogs/frmSRS.h"
#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

using test::PlaySurfaceGame;

struct ScanWindowTest : ::testing::Test {
    SeededRandom rng{9};
    PlaySurfaceGame dg{rng};
    GameState& s = dg.st;
    frmSRS* scan = dg.Window<frmSRS>(Form::frmSRS);

    void SetUp() override { dg.host.ShowForm(Form::frmSRS); }
    static int Cell(int row, int col) { return (row - 1) * 8 + col - 1; }
    QWidget* CellWidget(int cell) { return dg.Control(Form::frmSRS, QStringLiteral("picSector(%1)").arg(cell)); }
    void Hover(int cell) {
        QWidget* w = CellWidget(cell);
        const QPointF at = QRectF(w->rect()).center();
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    void ClickCell(int cell) { test::DesktopGame::ClickAt(CellWidget(cell), CellWidget(cell)->rect().center()); }
    QLabel* Label() { return scan->lblName; }
    // The SHE command through the command bar, with the level typed into the shield dialog.
    void SetShieldsTo(const char* level) {
        dg.script.modal[Form::frmSHE] = [&, level](QDialog&) {
            dg.Control<QLineEdit>(Form::frmSHE, "txtShields")->selectAll();
            dg.Keys(Form::frmSHE, "txtShields", QString::fromLatin1(level));
            dg.Click(Form::frmSHE, "cmdAccept");
        };
        dg.Click(Form::frmCommands, "cmdSHE");
    }
    // The Morv ship next to the ship with its tractor beam drawn, and the shields up, as a
    // refresh leaves them.
    void HeldByTheMorvShip() {
        s.MorvShip[1] = s.MorvShip[2] = 4;
        s.MorvShip[3] = 3;
        s.MorvShip[4] = 5;
        s.MorvStrength = 500000;
        s.ShieldLevel = 1000;
        ASSERT_TRUE(dg.host.Run(Form::frmSRS, [&] {
            SRS(dg.game);
            UpdateBars(dg.game);
            dg.game.SetTimer(Timer::frmSRS_tmrShield, true);
            dg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);
            dg.game.SetTimer(Timer::frmGalaxy_tmrBlink, true);  // a starbase called for help
            MorvTractorTick(dg.game);
        }));
        for (int line = 6; line <= 9; ++line) ASSERT_TRUE(scan->BeamVisible(line)) << line;
        ASSERT_TRUE(scan->ShieldRingVisible());
    }
    void ExpectNothingOfTheTractorOrShields(const char* when) {
        for (int line = 0; line < 15; ++line) EXPECT_FALSE(scan->BeamVisible(line)) << when << ": line " << line;
        EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor)) << when;
    }
};

TEST_F(ScanWindowTest, CellsShowWhatTheEngineDrawsAndTheTowAndTorpedoPassOver) {
    dg.host.Scan().DrawSector(2, 3, kIconStar);
    EXPECT_EQ(scan->CellIcon(Cell(2, 3)), kIconStar);
    dg.host.Scan().DrawSector(1, 1, kIconStarbase);
    dg.host.Scan().ShowTowIcon(1, 1);
    EXPECT_EQ(scan->CellIcon(0), 13);
    dg.host.Scan().ResetSectorPicture(1, 1);
    EXPECT_EQ(scan->CellIcon(0), kIconStarbase);
    dg.host.Scan().DrawSector(5, 5, 14);  // a torpedo in flight: no strip cell
    EXPECT_EQ(scan->CellIcon(Cell(5, 5)), kNotAStripCell);
    dg.host.Scan().DrawSector(5, 5, kIconEmpty);
    EXPECT_EQ(scan->CellIcon(Cell(5, 5)), kIconEmpty);
    dg.host.Scan().DrawSector(9, 1, kIconStar);  // outside the grid: nothing
    dg.host.Scan().ResetSRSCells();
    for (int k = 0; k < 64; ++k) EXPECT_EQ(scan->CellIcon(k), kIconEmpty) << k;
    EXPECT_GT(dg.host.Scan().SectorCellPixels(), 0);
}

TEST_F(ScanWindowTest, AClickDescribesTheSectorInTheInformationBox) {
    SRS(dg.game);
    QString shown;
    bool labelOver = false;
    dg.script.modal[Form::frmSRSInfo] = [&](QDialog&) {
        shown = dg.Shown(Form::frmSRSInfo, "lblMessage");
        labelOver = Label()->isVisible();
        dg.Click(Form::frmSRSInfo, "cmdOK");
    };
    // A star's label goes as its sector is clicked.
    s.SectorGrid[1][1] = 3;
    dg.host.Scan().DrawSector(1, 1, kIconStar);
    Hover(Cell(1, 1));
    ASSERT_EQ(Label()->text(), "<SRS0020>");
    ClickCell(Cell(1, 1));
    EXPECT_EQ(shown, "<SRS0010>");
    EXPECT_FALSE(labelOver);
    s.SectorGrid[1][1] = 0;
    dg.host.Scan().DrawSector(1, 1, kIconEmpty);
    ClickCell(Cell(1, 1));
    EXPECT_EQ(shown, "<SRS0002>");
    ClickCell(Cell(4, 4));
    EXPECT_EQ(shown, "<SRS0003>");
    EXPECT_EQ(dg.script.modals, (std::vector<std::string>{"frmSRSInfo", "frmSRSInfo", "frmSRSInfo"}));

    // While a pick is under way a click marks the cell and opens nothing.
    s.SectorPickMode = kPhaserPick;
    ClickCell(Cell(2, 2));
    EXPECT_EQ(dg.script.modals.size(), 3u);
    EXPECT_TRUE(s.SectorFrames[static_cast<size_t>(Cell(2, 2))].Visible);
}

TEST_F(ScanWindowTest, TheHoverLabelNamesAShipAndGoesOverACellThatShowsNoStripPicture) {
    s.ZarvoniShips[1][3] = 2;
    s.ZarvoniShips[2][3] = 6;
    s.ZarvoniEnergy[3] = 85;
    s.SectorGrid[2][6] = 2;
    dg.host.Scan().DrawSector(2, 6, kIconZarvoni);
    Hover(Cell(2, 6));
    EXPECT_TRUE(Label()->isVisible());
    EXPECT_EQ(Label()->text(), "3 - 85%");
    EXPECT_TRUE(scan->tmrHideLabel->isActive());

    // A torpedo's picture is none of the strip's: no label, and the other cell's label goes.
    dg.host.Scan().DrawSector(2, 7, 14);
    Hover(Cell(2, 7));
    EXPECT_FALSE(Label()->isVisible());
    EXPECT_FALSE(scan->tmrHideLabel->isActive());
    ClickCell(Cell(2, 7));
    EXPECT_TRUE(dg.script.modals.empty());

    // Back on the ship's cell the label shows again, and its timer hides it.
    Hover(Cell(2, 6));
    EXPECT_TRUE(Label()->isVisible());
    scan->tmrHideLabel_Timer();
    EXPECT_FALSE(Label()->isVisible());
}

TEST_F(ScanWindowTest, EffectsShowAndGoAsTheEngineAsks) {
    // A beam from the ship's sector towards a target, shown and hidden.
    dg.host.Scan().AnimateSectorMove(4, 4, 1, 8, 3);
    dg.host.Scan().ShowBeamLines(3, 3, true);
    EXPECT_TRUE(scan->BeamVisible(3));
    EXPECT_TRUE(QRectF(scan->CellPixels(Cell(4, 4))).adjusted(-2, -2, 2, 2).contains(scan->BeamPixels(3).p1()));
    EXPECT_LT(QLineF(scan->BeamPixels(3).p2(), QRectF(scan->CellPixels(Cell(1, 8))).center()).length(), 4.0);
    dg.host.Scan().ShowBeamLines(0, 14, false);
    EXPECT_FALSE(scan->BeamVisible(3));

    // A marker centred on its sector; a place off the grid hides it.
    dg.host.Scan().PlaceMarker(SectorMarker::ZarvoniShield, 6, 2);
    dg.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, true);
    EXPECT_TRUE(scan->MarkerVisible(SectorMarker::ZarvoniShield));
    EXPECT_LT(
        QLineF(scan->MarkerPixels(SectorMarker::ZarvoniShield).center(), QRectF(scan->CellPixels(Cell(6, 2))).center())
            .length(),
        2.0);
    dg.host.Scan().PlaceMarker(SectorMarker::ZarvoniShield, 9, 2);
    EXPECT_FALSE(scan->MarkerVisible(SectorMarker::ZarvoniShield));

    // A blast hides its cell's picture until the flash ends.
    dg.host.Scan().DrawFlashRing(3, 3, 5, 11);
    EXPECT_TRUE(scan->CellHidden(Cell(3, 3)));
    dg.host.Scan().EndFlash(3, 3);
    EXPECT_FALSE(scan->CellHidden(Cell(3, 3)));

    // The hyperspace flash hides every picture until its frame 0.
    dg.host.Scan().HyperspaceFlash(4, 0x00A0FF);
    EXPECT_EQ(scan->HyperspaceFrame(), 4);
    EXPECT_TRUE(scan->CellHidden(0));
    dg.host.Scan().HyperspaceFlash(0, 0);
    EXPECT_FALSE(scan->CellHidden(0));
    scan->grab();  // every overlay paints
}

TEST_F(ScanWindowTest, TheMorvShipsGlideEndsOnItsNewCellWithTheSpriteHidden) {
    scan->glideSecondsPerCell = 0.02;
    QElapsedTimer clock;
    clock.start();
    dg.host.Scan().AnimateMorvMove(2, 2, 3, 3);
    EXPECT_FALSE(scan->SpriteVisible());
    EXPECT_LT(clock.elapsed(), 2000);
    dg.host.Scan().AnimateMorvMove(5, 5, 5, 5);  // no move at all: at once
    EXPECT_FALSE(scan->SpriteVisible());
}

TEST_F(ScanWindowTest, TheDisplayOptionLaysTheGridOutAgainAndARunningGameIsScannedAtOnce) {
    const QSize natural = scan->size();
    const int cell = dg.host.Scan().SectorCellPixels();
    s.SRSDrawOption = 3;  // double size with coordinates
    dg.host.Refresh(View::SrsColors);
    EXPECT_EQ(dg.host.Scan().SectorCellPixels(), 2 * cell);
    EXPECT_EQ(scan->size(), QSize(2 * natural.width() + 12 - 2, 2 * natural.height() + 16 - 2));
    EXPECT_TRUE(scan->Coordh[0]->isVisible());
    EXPECT_TRUE(scan->Coordv[7]->isVisible());
    // The scan ran again: the ship stands in its cell.
    EXPECT_EQ(scan->CellIcon(Cell(4, 4)), kIconShip);

    s.SRSDrawOption = 0;
    dg.host.Refresh(View::SrsColors);
    EXPECT_EQ(scan->size(), natural);
    EXPECT_FALSE(scan->Coordh[0]->isVisible());
}

TEST_F(ScanWindowTest, TheShieldRingShowsWhileTheShieldsHoldEnergyAtThePaceTheBarsGive) {
    // Shields raised to 1000 of 2000, then a refresh: the ring stands on the ship's sector and
    // its colours turn every 1000 / Int(2000 / 1000) = 500 ms.
    s.ShieldLevel = 1000;
    s.ShieldsChanged = kTrue;
    ASSERT_TRUE(dg.host.Run(Form::frmCommands, [&] { RefreshAll(dg.game); }));
    ASSERT_TRUE(s.GameRunning);
    EXPECT_TRUE(scan->ShieldRingVisible());
    EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmSRS_tmrShield));
    EXPECT_LT(QLineF(scan->ShieldRingPixels().center(), QRectF(scan->CellPixels(Cell(4, 4))).center()).length(), 2.0);
    EXPECT_TRUE(scan->ShieldTimer()->isActive());
    EXPECT_EQ(scan->ShieldTimer()->interval(), 500);

    // SHE to 0 (no refresh follows a shield command): the ring goes at once, its timer stops.
    SetShieldsTo("0");
    ASSERT_EQ(s.ShieldLevel, 0);
    EXPECT_FALSE(scan->ShieldRingVisible());
    EXPECT_FALSE(scan->ShieldTimer()->isActive());

    // SHE from 0 to 300: the ring is back at once, turning every CLng(300 / 2 + 0.5) = 150 ms.
    SetShieldsTo("300");
    ASSERT_EQ(s.ShieldLevel, 300);
    EXPECT_TRUE(scan->ShieldRingVisible());
    EXPECT_TRUE(scan->ShieldTimer()->isActive());
    EXPECT_EQ(scan->ShieldTimer()->interval(), 150);
    scan->grab();  // the ring paints
}

TEST_F(ScanWindowTest, TheTractorBeamAndShieldRingOfAnEndedGameStayNeitherAtTheMenuNorThroughALoad) {
    HeldByTheMorvShip();
    const std::string saved = dg.scratch.Saves() + "held";
    ASSERT_TRUE(SaveGame(dg.game, saved, {}));

    // The game ends: the grid is empty, and neither the beam nor the ring stays over it.
    ASSERT_TRUE(dg.host.Run(Form::frmCommands, [&] { EndGame(dg.game); }));
    ASSERT_FALSE(s.GameRunning);
    for (int k = 0; k < 64; ++k) ASSERT_EQ(scan->CellIcon(k), kIconEmpty) << k;
    ExpectNothingOfTheTractorOrShields("after the end");
    EXPECT_FALSE(scan->ShieldRingVisible());
    EXPECT_FALSE(scan->ShieldTimer()->isActive());
    // Nor does the chart go on blinking a base of the ended game.
    auto* blink = dg.Control<QTimer>(Form::frmGalaxy, "tmrBlink");
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmGalaxy_tmrBlink));
    ASSERT_NE(blink, nullptr);
    EXPECT_FALSE(blink->isActive());

    // A game held by the beam when another is loaded: the load lets go of the earlier beam.
    HeldByTheMorvShip();
    ASSERT_TRUE(dg.host.Run(Form::frmCommands, [&] { ASSERT_TRUE(LoadGame(dg.game, saved)); }));
    ExpectNothingOfTheTractorOrShields("after the load");
}

TEST_F(ScanWindowTest, RandomPicsGivesEveryCellOneOfTheSectorPictures) {
    SeededRandom before = rng;
    scan->RandomPics();
    std::set<int> shown;
    for (int k = 0; k < 64; ++k) {
        const int icon = scan->CellIcon(k);
        EXPECT_GE(icon, 0) << k;
        EXPECT_LE(icon, 12) << k;  // never the tow icon
        shown.insert(icon);
    }
    EXPECT_GT(shown.size(), 5u);
    // The game's own generator is left alone.
    EXPECT_EQ(rng.Rnd(), before.Rnd());
}

}  // namespace
}  // namespace kv
