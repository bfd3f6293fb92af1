// The status bars, the status lamps and the four reports, each opened offscreen on a prepared
// game: what they show is what the updaters computed.
#include <gtest/gtest.h>

#include <QImage>

#include "engine/computer/Displays.h"
#include "engine/computer/StatusPanel.h"
#include "engine/turn/Condition.h"
#include "screens/dialogs/Reports.h"
#include "screens/dialogs/StatusWindows.h"
#include "state/DisplayData.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// The colour the control shows at a point (its picture as it paints itself).
QColor PixelOf(QWidget* w, int x, int y) { return w ? w->grab().toImage().pixelColor(x, y) : QColor(); }

struct StatusDisplaysTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    Game& g = dg.game;
    GameState& s = dg.st;
    void SetUp() override {
        s.NewLine = "\r\n";
        s.MaxEnergy = 5000;
        s.ShipEnergy = 5000;
        s.MaxShields = 2000;
        s.MaxTorpedoesClass1 = 10;
        s.TorpedoStockClass1 = 10;
        s.TotalTime = s.TimeLeft = 30;
        s.InitialZarvonis = s.ZarvonisLeft = 20;
        s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
        for (int i = 1; i <= 8; ++i) s.SystemNames[i] = "System " + std::to_string(i);
    }
};

TEST_F(StatusDisplaysTest, EachEnergyLevelPaintsItsColourToItsHeight) {
    struct Case {
        Long energy;
        QColor colour;
        const char* tag;
        double fraction;
    };
    const Case cases[] = {
        {4000, QColor(0, 128, 0), "80", 0.8},    // green
        {2500, QColor(255, 255, 0), "50", 0.5},  // yellow
        {1500, QColor(255, 0, 0), "30", 0.3},    // light red
    };
    QWidget* bar = dg.Control(Form::frmBars, "pnlBar(0)");
    ASSERT_NE(bar, nullptr);
    for (const Case& c : cases) {
        s.ShipEnergy = c.energy;
        UpdateBars(g);
        EXPECT_EQ(g.displays.bars.Tag[0], c.tag);
        const QImage picture = bar->grab().toImage();
        const int fillTop = static_cast<int>(bar->height() * (1 - c.fraction));
        EXPECT_EQ(picture.pixelColor(bar->width() / 2, fillTop + 3), c.colour) << c.energy;
        EXPECT_EQ(picture.pixelColor(bar->width() / 2, bar->height() - 4), c.colour) << c.energy;
        EXPECT_EQ(picture.pixelColor(bar->width() / 2, fillTop - 3), QColor(192, 192, 192)) << c.energy;
    }
    EXPECT_EQ(dg.Shown(Form::frmBars, "lblEN"), "<BarInitials1>");
}

TEST_F(StatusDisplaysTest, MarkerLinesShowWhereTheBarsUpdatePutsThem) {
    s.ShipEnergy = 2000;
    s.ShieldLevel = 1000;  // energy and shields together: 3000 of 5000, a line at 40 % from the top
    UpdateBars(g);
    QWidget* bar = dg.Control(Form::frmBars, "pnlBar(0)");
    const int y = static_cast<int>(bar->height() * 0.4);
    EXPECT_EQ(PixelOf(bar, bar->width() / 2, y), QColor(Qt::black));
    s.ShieldLevel = 0;  // no shields up: no line
    UpdateBars(g);
    EXPECT_EQ(PixelOf(bar, bar->width() / 2, y), QColor(192, 192, 192));
}

TEST_F(StatusDisplaysTest, AClickOnAGaugeOrItsCaptionExplainsIt) {
    UpdateBars(g);
    dg.Click(Form::frmBars, "lblTI");
    dg.Click(Form::frmBars, "pnlBar(3)");
    dg.Click(Form::frmBars, "pnlBar(0)");
    ASSERT_EQ(dg.script.notices.size(), 3u);
    EXPECT_EQ(dg.script.notices[0], BarExplanation(g, 3));
    EXPECT_EQ(dg.script.notices[1], BarExplanation(g, 3));
    EXPECT_EQ(dg.script.notices[2], BarExplanation(g, 0));
}

TEST_F(StatusDisplaysTest, LampsFollowTheCondition) {
    const QColor on(255, 0, 0), off(128, 0, 0), greenOn(0, 192, 0), greenOff(0, 64, 0);
    s.SystemDamage[kLongRangeSensors] = 2;
    s.Docked = 1;
    UpdateStatusPanel(g);
    EXPECT_EQ(PixelOf(dg.Control(Form::frmStatus, "pnlDamage"), 5, 5), on);
    EXPECT_EQ(PixelOf(dg.Control(Form::frmStatus, "pnlDocked"), 5, 5), greenOn);
    EXPECT_EQ(PixelOf(dg.Control(Form::frmStatus, "pnlTimeLow"), 5, 5), off);
    EXPECT_EQ(PixelOf(dg.Control(Form::frmStatus, "pnlBaseCaptured"), 5, 5), greenOff);

    // Repaired, undocked and short of time.
    s.SystemDamage[kLongRangeSensors] = 0;
    s.Docked = 0;
    s.TimeLeft = 5;
    UpdateStatusPanel(g);
    EXPECT_EQ(PixelOf(dg.Control(Form::frmStatus, "pnlDamage"), 5, 5), off);
    EXPECT_EQ(PixelOf(dg.Control(Form::frmStatus, "pnlDocked"), 5, 5), greenOff);
    EXPECT_EQ(PixelOf(dg.Control(Form::frmStatus, "pnlTimeLow"), 5, 5), on);

    // Each lamp keeps its own caption; the hostile lamp shows the one the game gives it.
    EXPECT_EQ(dg.Control(Form::frmStatus, "pnlDocked")->property("Tag").toString(), "<StatusDK>");
    EXPECT_EQ(PaintLamp(s, 2, "x").caption, s.LampCaption[2]);
}

TEST_F(StatusDisplaysTest, LampClicksOpenTheirReports) {
    struct Case {
        const char* lamp;
        Form report;  // frmStatus: none
    };
    const Case cases[] = {{"pnlAttackBase", Form::frmBaseReport}, {"pnlZarvoni", Form::frmZarvoniReport},
                          {"pnlDamage", Form::frmDamageReport},   {"pnlDocked", Form::frmGeneralReport},
                          {"pnlBaseCaptured", Form::frmStatus},   {"pnlTimeLow", Form::frmStatus}};
    const Form reports[] = {Form::frmBaseReport, Form::frmZarvoniReport, Form::frmDamageReport, Form::frmGeneralReport};
    for (const Case& c : cases) {
        for (Form r : reports) dg.host.HideForm(r);
        dg.Click(Form::frmStatus, c.lamp);
        for (Form r : reports) EXPECT_EQ(dg.host.IsFormVisible(r), r == c.report) << c.lamp << " " << Name(r);
    }
}

TEST_F(StatusDisplaysTest, ADamagedSystemShowsInTheDamageReport) {
    DamageReportLoad(g);
    s.SystemDamage[kPhasers] = 2.5f;
    s.SystemDamage[kShields] = 8.0f;
    UpdateDamageReport(g);
    EXPECT_EQ(dg.Shown(Form::frmDamageReport, "lblSystemName(3)"), "System 4");
    EXPECT_EQ(dg.Shown(Form::frmDamageReport, "lblNumber(3)"), " 4");
    EXPECT_EQ(dg.Shown(Form::frmDamageReport, "lblSysDamage(3)"), "2.5<KVCOM0068>");
    EXPECT_EQ(dg.Shown(Form::frmDamageReport, "lblSysDamage(0)"), "0");
    EXPECT_TRUE(dg.Control(Form::frmDamageReport, "pnlSystem(3)")->isEnabled());
    EXPECT_FALSE(dg.Control(Form::frmDamageReport, "pnlSystem(5)")->isEnabled());  // out of action

    // A click on a working system's figure, while damage control takes a choice: nothing to repair.
    s.DamageReportMode = -1;
    dg.Click(Form::frmDamageReport, "lblSysDamage(0)");
    ASSERT_EQ(dg.script.notices.size(), 1u);
    EXPECT_EQ(dg.script.notices[0], "<DREPORT0001>");
    EXPECT_EQ(s.DamageReportMode, 1);

    // Closing only hides it.
    QWidget* w = dg.Window(Form::frmDamageReport);
    w->show();
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(dg.host.FormWindow(Form::frmDamageReport), w);
}

TEST_F(StatusDisplaysTest, TheStarbaseReportShowsSeenAndUnseenBases) {
    s.MaxStarbaseStrength = 50000;
    for (int b = 1; b <= 3; ++b) s.Starbases[3][b] = -1000;
    s.Starbases[0][1] = 1;  // seen
    s.Starbases[1][1] = 3, s.Starbases[2][1] = 5, s.Starbases[3][1] = 50000;
    s.Starbases[1][2] = 6, s.Starbases[2][2] = 6, s.Starbases[3][2] = 40000;
    s.Galaxy[6][6] = 10;
    s.KnownGalaxy[6][6] = -1;  // not charted
    UpdateBaseReport(g);
    const QWidget* w = dg.Window(Form::frmBaseReport);
    EXPECT_EQ(dg.Shown(Form::frmBaseReport, "lblQuad(1)"), "3 , 5");
    EXPECT_EQ(dg.Shown(Form::frmBaseReport, "lblStrength(1)"), "100%");
    EXPECT_EQ(dg.Shown(Form::frmBaseReport, "lblStatus(1)"), "<KVCOM0058>");
    EXPECT_TRUE(dg.Control(Form::frmBaseReport, "lblQuad(1)")->isVisibleTo(w));
    EXPECT_FALSE(dg.Control(Form::frmBaseReport, "lblUnknown(1)")->isVisibleTo(w));
    EXPECT_TRUE(dg.Control(Form::frmBaseReport, "lblUnknown(2)")->isVisibleTo(w));
    EXPECT_FALSE(dg.Control(Form::frmBaseReport, "lblQuad(2)")->isVisibleTo(w));
    EXPECT_EQ(dg.Shown(Form::frmBaseReport, "lblUnknown(2)"), "<SbrptUnk>");
    EXPECT_FALSE(dg.Control(Form::frmBaseReport, "pnlBase(3)")->isEnabled());  // no third base
    EXPECT_EQ(dg.Shown(Form::frmBaseReport, "lblNum(0)"), "<Z>");
}

TEST_F(StatusDisplaysTest, TheHostileShipReportListsTheShipsOrTheSensorsNotice) {
    s.QuadZarvonis = 2;
    s.ZarvoniShips[1][1] = 2, s.ZarvoniShips[2][1] = 3, s.ZarvoniEnergy[1] = 0;
    s.ZarvoniShips[1][2] = 5, s.ZarvoniShips[2][2] = 6, s.ZarvoniEnergy[2] = 50;
    UpdateZarvoniReport(g);
    const QWidget* w = dg.Window(Form::frmZarvoniReport);
    EXPECT_EQ(dg.Shown(Form::frmZarvoniReport, "lblSector(0)"), "2 , 3");
    EXPECT_EQ(dg.Shown(Form::frmZarvoniReport, "lblStrength(0)"), "0%");
    EXPECT_EQ(dg.Shown(Form::frmZarvoniReport, "lblStatus(0)"), "<KVCOM0071>");
    EXPECT_EQ(dg.Shown(Form::frmZarvoniReport, "lblStatus(1)"), "<KVCOM0073>");
    EXPECT_TRUE(dg.Control(Form::frmZarvoniReport, "pnlZarvoni(1)")->isVisibleTo(w));
    EXPECT_FALSE(dg.Control(Form::frmZarvoniReport, "pnlZarvoni(2)")->isVisibleTo(w));
    EXPECT_FALSE(dg.Control(Form::frmZarvoniReport, "lblSensorsDown")->isVisibleTo(w));

    s.SystemDamage[kShortRangeSensors] = 1;
    UpdateZarvoniReport(g);
    EXPECT_TRUE(dg.Control(Form::frmZarvoniReport, "lblSensorsDown")->isVisibleTo(w));
    EXPECT_FALSE(dg.Control(Form::frmZarvoniReport, "pnlZarvoni(0)")->isVisibleTo(w));
}

TEST_F(StatusDisplaysTest, TheGeneralReportShowsTheCurrentMission) {
    s.ZarvonisLeft = 12;
    s.Probes = 0;
    s.ShieldLevel = 400;
    s.ShipEnergy = 3000;
    s.UpgradesOn = kTrue;
    s.UpgradeInitials = {"EN", "SH", "PT", "TB", "SN"};
    s.UpgradeTable[1] = 2;
    UpdateGeneralReport(g);
    const QWidget* w = dg.Window(Form::frmGeneralReport);
    EXPECT_TRUE(dg.Control(Form::frmGeneralReport, "fraMission(0)")->isVisibleTo(w));
    EXPECT_FALSE(dg.Control(Form::frmGeneralReport, "fraMission(2)")->isVisibleTo(w));
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblLeft(0)"), "12");
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblDestroyed(0)"), "8");
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblEN"), "3000");
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblENSH"), "3400");
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblPO"), "0");
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblQ"), "4,4");
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblScore"), QString::fromStdString(g.displays.general.Rating));
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "LabelM2(0)"), "<Grpt0M2>");
    EXPECT_TRUE(dg.Control(Form::frmGeneralReport, "pnlUpgrades")->isVisibleTo(w));
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblUpgrade(1)"), "EN");
    s.UpgradeInitials[0] = "XY";
    dg.host.Refresh(View::UpgradeInitials);
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblUpgrade(1)"), "XY");

    s.MissionType = 2;
    s.MissionGoal = 10;
    s.GoalBySystems = 1;
    s.GoalSystemsDone = 4;
    UpdateGeneralReport(g);
    EXPECT_TRUE(dg.Control(Form::frmGeneralReport, "fraMission(2)")->isVisibleTo(w));
    EXPECT_FALSE(dg.Control(Form::frmGeneralReport, "fraMission(0)")->isVisibleTo(w));
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblGoalCaption(2)"), "<KVCOM0069>");
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblRemaining(2)"), "6");

    s.ConditionCaption = "RED";
    s.ConditionColour = 4;
    dg.host.Refresh(View::Condition);
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblCond"), "RED");
    EXPECT_EQ(PixelOf(dg.Control(Form::frmGeneralReport, "shpCond"), 2, 2), QColor(128, 0, 0));

    dg.Click(Form::frmGeneralReport, "lblUpgrade(1)");
    ASSERT_EQ(dg.script.notices.size(), 1u);
    EXPECT_EQ(dg.script.notices[0], UpgradeExplanation(g, 1));
}

}  // namespace
}  // namespace kv
