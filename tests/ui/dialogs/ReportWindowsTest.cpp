// The report windows of a game played through the desktop host: the damage report's repairs,
// the final report's cover, and what the reports show after a game ends and after a move of the
// target calculator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <functional>

#include "engine/computer/Displays.h"
#include "engine/turn/Condition.h"
#include "engine/turn/FinalReport.h"
#include "screens/main/MainMenu.h"
#include "state/SavedGame.h"
#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

using test::PlaySurfaceGame;

struct ReportWindowsOnTheDesktop : ::testing::Test {
    SeededRandom rng{5};
    PlaySurfaceGame dg{rng};
    Game& g = dg.game;
    GameState& s = dg.st;

    bool Visible(Form form) { return dg.host.IsFormVisible(form); }
    bool Visible(Form form, const QString& control) {
        QWidget* c = dg.Control(form, control);
        return c && c->isVisibleTo(dg.Window(form));
    }
    // The rows the hostile-ship report shows: each visible row's sector, strength and status.
    std::vector<std::string> HostileRows() {
        std::vector<std::string> rows;
        for (int i = 0; i < 9; ++i) {
            if (!Visible(Form::frmZarvoniReport, QStringLiteral("pnlZarvoni(%1)").arg(i))) continue;
            rows.push_back((dg.Shown(Form::frmZarvoniReport, QStringLiteral("lblSector(%1)").arg(i)) + " " +
                            dg.Shown(Form::frmZarvoniReport, QStringLiteral("lblStrength(%1)").arg(i)) + " " +
                            dg.Shown(Form::frmZarvoniReport, QStringLiteral("lblStatus(%1)").arg(i)))
                               .toStdString());
        }
        return rows;
    }
    // A Zarvoni ship in slot i of the ship's quadrant.
    void Zarvoni(int i, int row, int col, Integer energy) {
        s.ZarvoniShips[1][i] = static_cast<Integer>(row), s.ZarvoniShips[2][i] = static_cast<Integer>(col);
        s.ZarvoniEnergy[i] = energy;
        s.SectorGrid[row][col] = 2;
        if (s.QuadZarvonis < i) s.QuadZarvonis = static_cast<Integer>(i);
    }
};

// The player comes to the command bar, gives DAM and clicks a damaged system's row: the energy
// transfer opens for that system and repairs it.
TEST_F(ReportWindowsOnTheDesktop, DamageControlRepairsTheRowClickedAfterDam) {
    s.SystemDamage[kPhasers] = 2.5f;
    UpdateCommandState(g);
    dg.host.ShowForm(Form::frmCommands);
    QApplication::processEvents();
    ASSERT_TRUE(dg.Window(Form::frmCommands)->isActiveWindow());

    dg.Click(Form::frmCommands, "cmdDAM");
    ASSERT_TRUE(Visible(Form::frmDamageReport));
    ASSERT_EQ(dg.script.notices.size(), 1u);  // the damage summary
    std::string system;
    dg.script.modal[Form::frmDAM] = [&](QDialog&) {
        system = dg.Shown(Form::frmDAM, "lblSystem").toStdString();
        EXPECT_EQ(dg.Shown(Form::frmDAM, "txtPower"), "250");
        dg.Click(Form::frmDAM, "cmdAccept");
    };
    dg.Click(Form::frmDamageReport, "lblSysDamage(3)");
    EXPECT_EQ(dg.script.modals, std::vector<std::string>{"frmDAM"});
    EXPECT_EQ(system, "SYS4");
    EXPECT_EQ(s.SystemDamage[kPhasers], 0);
    EXPECT_EQ(s.ShipEnergy, 3000 - 250);
    EXPECT_EQ(dg.script.notices.back(), "SYS4<DREPORT0002>");
    EXPECT_EQ(dg.Shown(Form::frmDamageReport, "lblSysDamage(3)"), "0");

    // A working system's row says it needs no repair.
    dg.Click(Form::frmDamageReport, "lblSystemName(0)");
    EXPECT_EQ(dg.script.notices.back(), "<DREPORT0001>");
    EXPECT_EQ(dg.script.modals.size(), 1u);
}

// A row's number has no click of its own: only the row, its name and its figure start a repair.
TEST_F(ReportWindowsOnTheDesktop, ARowsNumberStartsNoRepair) {
    s.SystemDamage[kPhasers] = 2.5f;
    UpdateCommandState(g);
    dg.host.ShowForm(Form::frmCommands);
    QApplication::processEvents();
    dg.Click(Form::frmCommands, "cmdDAM");
    ASSERT_TRUE(Visible(Form::frmDamageReport));
    const auto mode = s.DamageReportMode;
    ASSERT_NE(mode, 0);

    dg.Click(Form::frmDamageReport, "lblNumber(3)");
    EXPECT_TRUE(dg.script.modals.empty());
    EXPECT_EQ(s.DamageReportMode, mode);
    EXPECT_EQ(s.SystemDamage[kPhasers], 2.5f);

    dg.script.modal[Form::frmDAM] = [&](QDialog&) { dg.Click(Form::frmDAM, "cmdCancel"); };
    dg.Click(Form::frmDamageReport, "pnlSystem(3)");
    EXPECT_EQ(dg.script.modals, std::vector<std::string>{"frmDAM"});
    EXPECT_EQ(s.DamageReportMode, 4);
    EXPECT_EQ(s.SystemDamage[kPhasers], 2.5f);
}

// A ship lost: the cover hides exactly the rows of what was left on board (energy, torpedoes,
// probes), and the Morv report's button stays in sight, greyed, in a game without the Morv.
TEST_F(ReportWindowsOnTheDesktop, TheShipDestroyedCoverLiesOverWhatWasLeftOnBoard) {
    s.ShipLost = kTrue;
    s.SkillLevel = 5;
    s.MorvCountdownStarted = kFalse;
    ShowFinalReport(g);
    g.SetTimer(Timer::frmFinalReport_tmrMenu, false);
    QWidget* report = dg.Window(Form::frmFinalReport);
    ASSERT_TRUE(report->isVisible());
    auto place = [&](const QString& name) {
        QWidget* w = dg.Control(Form::frmFinalReport, name);
        return QRect(w->mapTo(report, QPoint(0, 0)), w->size());
    };
    ASSERT_TRUE(Visible(Form::frmFinalReport, "Cover"));
    const QRect cover = place("Cover");
    for (int i = 12; i <= 14; ++i)
        for (const char* column : {"Line", "Num"}) {
            const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(column)).arg(i);
            EXPECT_TRUE(cover.contains(place(name))) << name.toStdString();
        }
    for (int i : {11, 15}) {
        const QString name = QStringLiteral("Line(%1)").arg(i);
        EXPECT_FALSE(cover.intersects(place(name))) << name.toStdString();
        EXPECT_FALSE(dg.Shown(Form::frmFinalReport, name).isEmpty()) << name.toStdString();
    }
    auto* morv = dg.Control<QPushButton>(Form::frmFinalReport, "cmdMorvReport");
    EXPECT_TRUE(morv->isVisible());
    EXPECT_FALSE(morv->isEnabled());
    report->hide();
}

// End Mission with two hostile ships about, a damaged system and a starbase in sight: once the
// game has ended no report shows a figure of it.
TEST_F(ReportWindowsOnTheDesktop, AfterEndMissionTheReportsShowNoFigureOfTheGameThatEnded) {
    for (Form f : {Form::frmGeneralReport, Form::frmZarvoniReport, Form::frmBaseReport, Form::frmDamageReport})
        dg.host.ShowForm(f);
    s.ShipEnergy = 9995;
    Zarvoni(1, 2, 2, 120);
    Zarvoni(2, 6, 7, 0);
    s.Galaxy[4][4] = 210;
    s.Starbases[1][1] = 4, s.Starbases[2][1] = 4, s.Starbases[3][1] = 50000;
    s.KnownGalaxy[4][4] = s.Galaxy[4][4];
    s.SystemDamage[kLongRangeSensors] = 1.5f;
    s.ConditionNames = {"YELLOW", "DOCKED", "GREEN", "*RED*"};
    UpdateCondition(g);
    for (auto update : {UpdateGeneralReport, UpdateZarvoniReport, UpdateBaseReport, UpdateDamageReport}) update(g);
    ASSERT_EQ(HostileRows().size(), 2u);
    ASSERT_EQ(dg.Shown(Form::frmGeneralReport, "lblCond"), "*RED*");
    ASSERT_EQ(dg.Shown(Form::frmGeneralReport, "lblEN"), "9995");
    ASSERT_EQ(dg.Shown(Form::frmBaseReport, "lblStrength(1)"), "100%");

    MenuEndMission(g);
    g.SetTimer(Timer::frmFinalReport_tmrMenu, false);
    EXPECT_TRUE(HostileRows().empty());
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblCond"), "");
    for (const char* figure : {"lblEN", "lblSH", "lblENSH", "lblPT", "lblPO"})
        EXPECT_EQ(dg.Shown(Form::frmGeneralReport, figure), "0") << figure;
    for (const char* figure : {"lblQ", "lblS", "lblSkill", "lblInitial(3)", "lblLeft(3)"})
        EXPECT_EQ(dg.Shown(Form::frmGeneralReport, figure), "") << figure;
    EXPECT_EQ(dg.Shown(Form::frmGeneralReport, "lblScore"), "---.-%");
    EXPECT_EQ(dg.Shown(Form::frmBaseReport, "lblStrength(1)"), "");
    EXPECT_FALSE(dg.Control(Form::frmBaseReport, "pnlBase(1)")->isEnabled());
    EXPECT_EQ(dg.Shown(Form::frmDamageReport, "lblSysDamage(2)"), "0");
    // The final report still holds what the game left.
    EXPECT_EQ(s.FinalNum[12], "9995 / 5000");
    dg.Window(Form::frmFinalReport)->hide();
}

// A move by the target calculator into a quadrant with hostile ships, with the shields down and
// no automatic raising: while the arrival asks whether to raise the shields, the reports show
// where the ship now is and the ships about it, not the disabled ship of the quadrant it left.
TEST_F(ReportWindowsOnTheDesktop, WhileATargetCalculatorMoveArrivesTheReportsShowTheNewQuadrant) {
    struct Script : test::DesktopScript {
        std::function<void()> onQuestion;
        int Question(const std::string& prompt, long style, bool own) override {
            if (onQuestion) onQuestion();
            return DesktopScript::Question(prompt, style, own);
        }
    } script;
    dg.host.SetScript(&script);
    dg.host.ShowForm(Form::frmZarvoniReport);
    dg.host.ShowForm(Form::frmGeneralReport);
    Zarvoni(1, 2, 2, 0);  // a disabled ship here
    UpdateZarvoniReport(g);
    UpdateGeneralReport(g);
    ASSERT_EQ(HostileRows(), std::vector<std::string>{"2 , 2 0% <KVCOM0071>"});
    s.SkillLevel = 5;
    s.LibShieldFrequency = 2;  // no automatic raising
    s.Galaxy[4][5] = 300;
    dg.host.ShowForm(Form::frmTargetCalculator);
    s.TargetQuadText = "4,5";
    s.TargetSectText = "4,4";
    std::vector<std::vector<std::string>> rows;
    std::vector<QString> quadrants;
    script.onQuestion = [&] {
        rows.push_back(HostileRows());
        quadrants.push_back(dg.Shown(Form::frmGeneralReport, "lblQ"));
    };
    script.answers = {kYes, kNo};  // the move; no shields
    dg.Click(Form::frmTargetCalculator, "cmdAccept");
    ASSERT_EQ(s.ShipQuadrantCol, 5);
    ASSERT_EQ(script.questions.size(), 2u);
    ASSERT_EQ(script.questions[1], "<KVBASIC0233>");
    EXPECT_EQ(quadrants[1], "4,5");
    EXPECT_EQ(rows[1].size(), 3u);
    for (const std::string& row : rows[1]) EXPECT_NE(row, "2 , 2 0% <KVCOM0071>");
    dg.host.SetScript(&dg.script);
}

// The command bar, the lamps and the bars are the game's to show and hide: a close from their
// frames leaves them where they are.
TEST_F(ReportWindowsOnTheDesktop, TheBarLampsAndGaugesStayWhenClosedFromTheirFrames) {
    for (Form f : {Form::frmCommands, Form::frmStatus, Form::frmBars}) {
        dg.host.ShowForm(f);
        EXPECT_FALSE(dg.Window(f)->close()) << Name(f);
        EXPECT_TRUE(Visible(f)) << Name(f);
    }
}

// A game loaded while another runs has no hostile starbase and no third base of its own: the
// starbase report keeps neither row of the game that ran before (each row disabled and blank).
TEST_F(ReportWindowsOnTheDesktop, AGameLoadedDuringAnotherShowsNoStarbaseOfTheOneBefore) {
    s.ConfigName = "Ann";
    // As in every game set up: the chart's unused row 0 is not marked unscanned.
    s.KnownGalaxy[0][0] = 0;
    ASSERT_TRUE(SaveGame(g, "FEWBASES", {"a line"}));

    dg.host.ShowForm(Form::frmBaseReport);
    s.Starbases[1][3] = 5, s.Starbases[2][3] = 2, s.Starbases[3][3] = 50000;
    s.Galaxy[5][2] = s.KnownGalaxy[5][2] = 30;
    s.ZarvoniBaseStrength = 30000;
    s.ZarvoniBase[1] = 7, s.ZarvoniBase[2] = 7, s.ZarvoniBase[5] = 9000;
    s.Galaxy[7][7] = s.KnownGalaxy[7][7] = 2;
    UpdateBaseReport(g);
    ASSERT_EQ(dg.Shown(Form::frmBaseReport, "lblQuad(0)"), "7 , 7");
    ASSERT_EQ(dg.Shown(Form::frmBaseReport, "lblQuad(3)"), "5 , 2");

    s.GameChanged = kFalse;
    dg.script.files = {std::string("FEWBASES.KVW")};
    dg.Choose(Form::frmCommands, "mnuLoad");
    ASSERT_TRUE(s.GameRunning);
    ASSERT_EQ(s.ZarvoniBase[1], 0);
    ASSERT_LT(s.Starbases[3][3], 0);
    for (int row : {0, 3}) {
        EXPECT_FALSE(dg.Control(Form::frmBaseReport, QStringLiteral("pnlBase(%1)").arg(row))->isEnabled()) << row;
        for (const char* label : {"lblQuad", "lblStrength", "lblStatus"})
            EXPECT_EQ(dg.Shown(Form::frmBaseReport, QStringLiteral("%1(%2)").arg(QLatin1String(label)).arg(row))
                          .toStdString(),
                      "")
                << label << "(" << row << ")";
    }
}

// The chart's highlight of the last long-range scan belongs to the game that scanned: a game
// loaded over it starts with none.
TEST_F(ReportWindowsOnTheDesktop, AGameLoadedDuringAnotherShowsNoScanHighlightOfTheOneBefore) {
    s.ConfigName = "Ann";
    s.KnownGalaxy[0][0] = 0;
    ASSERT_TRUE(SaveGame(g, "NOSCAN", {"a line"}));

    dg.host.ShowForm(Form::frmGalaxy);
    const int scanned = LabelIndex(4, 3);
    SetChartQuadrantColor(g, scanned, kChartScanned);
    ASSERT_EQ(s.Chart.Labels[static_cast<size_t>(scanned)].BackColor, kChartScanned);

    s.GameChanged = kFalse;
    dg.script.files = {std::string("NOSCAN.KVW")};
    dg.Choose(Form::frmCommands, "mnuLoad");
    ASSERT_TRUE(s.GameRunning);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(s.Chart.Labels[static_cast<size_t>(i)].BackColor, kChartCleared) << i;
}

}  // namespace
}  // namespace kv
