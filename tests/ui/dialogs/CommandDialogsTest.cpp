// The command dialogs opened on a prepared game, driven as the player would: their buttons,
// boxes and close boxes reach the game through the desktop host.
#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QTabBar>
#include <functional>
#include <optional>
#include <set>

#include "engine/turn/Retrofit.h"
#include "screens/Relabel.h"
#include "screens/dialogs/TransferDialog.h"
#include "ui/dialogs/frmDES.h"
#include "ui/dialogs/frmMorvReport.h"
#include "ui/dialogs/frmRetrofit.h"
#include "ui/dialogs/frmTargetCalculator.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// Entry texts that fit the fire plans' layouts (prefix and middle 18 characters together).
const std::map<std::string, std::string> kTexts = {
    {"Z", "Z"},
    {"PHA0034", "Target at: "},
    {"PHA0035", " Power:"},
    {"PHA0021", "Kill shot: "},
    {"PHA0022", " Power:"},
    {"PHA0004", "Disabling: "},
    {"PHA0005", " Power:"},
    {"TOR0029", "Torpedo at range "},
    {"TOR0030", " to sector "},
};

struct CommandDialogs : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng, kTexts};
    GameState& s = dg.st;

    void SetUp() override {
        s.GameRunning = kTrue;
        s.SpeedFactor = 0.01f;
        s.ShipQuadrantRow = 4, s.ShipQuadrantCol = 4;
        s.ShipSectorRow = 4, s.ShipSectorCol = 4;
        s.SectorGrid[4][4] = kShip;
    }
    void Zarvoni(int slot, int row, int col, int energy) {
        s.ZarvoniEnergy[static_cast<size_t>(slot)] = static_cast<Integer>(energy);
        s.ZarvoniShips[1][static_cast<size_t>(slot)] = static_cast<Integer>(row);
        s.ZarvoniShips[2][static_cast<size_t>(slot)] = static_cast<Integer>(col);
        s.SectorGrid[row][col] = kZarvoni;
    }
    void Mark(int row, int col, int width = 2, long colour = 13) {
        s.SectorFrames[static_cast<size_t>((row - 1) * 8 + col - 1)] = {true, width, colour};
    }
    bool Visible(Form f) { return dg.host.IsFormVisible(f); }
    QString Shown(Form f, const char* control) const { return dg.Shown(f, QString::fromLatin1(control)); }
    // Selects the whole text of a box and types over it.
    void TypeOver(Form f, const char* box, const QString& text) {
        dg.Key(f, box, Qt::Key_A, Qt::ControlModifier);
        dg.Keys(f, box, text);
    }
};

// The relabelling run finds every control it names on these windows.
TEST_F(CommandDialogs, EveryControlTheRelabellingNamesIsThere) {
    const std::set<Form> ours = {
        Form::frmPRO,        Form::frmSHE, Form::frmDAM, Form::frmDES,        Form::frmRetrofit,
        Form::frmMorvReport, Form::frmPHA, Form::frmTOR, Form::frmLibOptions, Form::frmTargetCalculator,
        Form::frmStars};
    int rows = 0;
    for (const RelabelRow& row : RelabelTable()) {
        if (!ours.count(row.window) || row.control.empty()) continue;
        ++rows;
        QWidget* w = dg.host.FormWindow(row.window);
        ASSERT_TRUE(w) << Name(row.window);
        EXPECT_TRUE(w->findChild<QObject*>(QString::fromStdString(row.control)))
            << Name(row.window) << "." << row.control;
    }
    EXPECT_GT(rows, 80);
}

TEST_F(CommandDialogs, PhaserPlanFromPicksWithKillDisableAndTotal) {
    Zarvoni(1, 4, 7, 100);
    Zarvoni(2, 5, 5, 60);
    Mark(2, 2);
    Mark(4, 7);
    Mark(5, 5);
    s.SectorPickMode = kPhaserPick;  // back from picking on the scan
    dg.host.ShowForm(Form::frmPHA);
    ASSERT_TRUE(Visible(Form::frmPHA));
    EXPECT_EQ(Shown(Form::frmPHA, "lstFire"),
              "Target at: 2,2 --"
              " Power:1\nTarget at: 4,7 Z1 Power:155\nTarget at: 5,5 Z2 Power:45");
    EXPECT_EQ(Shown(Form::frmPHA, "Total"), "201");
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_FALSE(dg.Control<QPushButton>(Form::frmPHA, "cmdKill")->isEnabled());

    dg.Click(Form::frmPHA, "cmdSelectAll");
    EXPECT_TRUE(dg.Control<QPushButton>(Form::frmPHA, "cmdKill")->isEnabled());
    EXPECT_TRUE(dg.Control<QPushButton>(Form::frmPHA, "cmdDisable")->isEnabled());
    dg.Click(Form::frmPHA, "cmdDisable");
    EXPECT_EQ(Shown(Form::frmPHA, "Total"), "159");  // 1 + 127 + 31

    // Only the empty sector selected: no ship to kill or disable.
    auto* list = dg.Control<QListWidget>(Form::frmPHA, "lstFire");
    list->item(1)->setSelected(false);
    list->item(2)->setSelected(false);
    EXPECT_EQ(s.PhaserDialog.Selected, (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(dg.Control<QPushButton>(Form::frmPHA, "cmdKill")->isEnabled());
    EXPECT_TRUE(dg.Control<QPushButton>(Form::frmPHA, "cmdOther")->isEnabled());

    // The close box does what Cancel does: the plan stays for the next visit.
    dg.Window(Form::frmPHA)->close();
    EXPECT_FALSE(Visible(Form::frmPHA));
    EXPECT_EQ(s.PhaserPlan.size(), 3u);
}

// Moving the pointer over a dialog switches the automatic target calculator off; Ctrl alone
// keeps it running.
TEST_F(CommandDialogs, APointerMovingOverADialogEndsTheAutomaticCalculator) {
    dg.host.ShowForm(Form::frmPHA);
    QWidget* w = dg.Window(Form::frmPHA);
    const auto move = [&](Qt::KeyboardModifiers mods) {
        const QPointF at(4, 300);
        QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, mods);
        QApplication::sendEvent(w, &e);
    };
    dg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    move(Qt::ControlModifier);
    EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmCOM_tmrTC));
    move(Qt::NoModifier);
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmCOM_tmrTC));
}

TEST_F(CommandDialogs, TorpedoPlanRefusedBeyondTheClassTwoStock) {
    s.TorpedoStockClass1 = 5, s.TorpedoStockClass2 = 2, s.TorpedoClass2Power = 3;
    Mark(6, 7, 4, 14);  // three class-2 torpedoes at 6,7
    s.SectorPickMode = kTorpedoPick;
    dg.host.ShowForm(Form::frmTOR);
    EXPECT_EQ(Shown(Form::frmTOR, "lstFire"),
              "*3*Torpedo at range 3.61 to sector 6,7\n*3*Torpedo at range 3.61 to sector 6,7\n"
              "*3*Torpedo at range 3.61 to sector 6,7");
    EXPECT_TRUE(dg.Control<QPushButton>(Form::frmTOR, "cmdSwitchClass")->isVisible());
    dg.Click(Form::frmTOR, "cmdAccept");
    EXPECT_EQ(dg.script.notices, (std::vector<std::string>{"<TOR0002> 3<TOR0003>"}));
    EXPECT_TRUE(Visible(Form::frmTOR));
    EXPECT_TRUE(s.TorpedoPlanPrevious.empty());

    // One switched to class 1: the plan keeps class 2 first.
    auto* list = dg.Control<QListWidget>(Form::frmTOR, "lstFire");
    list->item(1)->setSelected(true);
    dg.Click(Form::frmTOR, "cmdSwitchClass");
    EXPECT_EQ(list->item(2)->text(), "Torpedo at range 3.61 to sector 6,7");
    dg.Click(Form::frmTOR, "cmdCancel");
    EXPECT_FALSE(Visible(Form::frmTOR));
}

TEST_F(CommandDialogs, ShieldLevelsTypedPressedAndAccepted) {
    s.MaxShields = 2000;
    s.ShipEnergy = 1103;
    s.LibComputerState[0] = 400;
    s.LibComputerState[1] = 1;
    dg.script.modal[Form::frmSHE] = [&](QDialog&) {
        EXPECT_EQ(Shown(Form::frmSHE, "txtShields"), "400");
        EXPECT_FALSE(dg.Control<QPushButton>(Form::frmSHE, "cmdAuto")->isEnabled());
        dg.Click(Form::frmSHE, "cmdMax");
        EXPECT_EQ(Shown(Form::frmSHE, "txtShields"), "1003");
        dg.Click(Form::frmSHE, "cmdHalf");
        EXPECT_EQ(Shown(Form::frmSHE, "txtShields"), "502");
        TypeOver(Form::frmSHE, "txtShields", "2500");
        EXPECT_EQ(Shown(Form::frmSHE, "txtShields"), "2000");
        TypeOver(Form::frmSHE, "txtShields", "1500");
        s.ShipEnergy = 1000;
        dg.Click(Form::frmSHE, "cmdAccept");
    };
    dg.host.RunModal(Form::frmSHE);
    EXPECT_FALSE(Visible(Form::frmSHE));
    // 1500 cannot be paid from 1000: the old level stands.
    EXPECT_EQ(s.ShieldLevel, 400);
    EXPECT_EQ(s.ShipEnergy, 600);

    // The close box is Cancel: the old level again.
    s.ShipEnergy = 1000;
    dg.script.modal[Form::frmSHE] = [&](QDialog& w) { w.close(); };
    dg.host.RunModal(Form::frmSHE);
    EXPECT_EQ(s.ShieldLevel, 400);
    EXPECT_EQ(s.ShipEnergy, 600);
}

TEST_F(CommandDialogs, TransferAmountOpensAtItsStartAndStaysWithinTheAllowed) {
    struct Case {
        Long energy, allowed;
        const char* opens;
        const char* typed;  // nullptr: Cancel
        Long amount;
    };
    const Case cases[] = {
        {5000, 250, "250", "99999", 250},
        {40000, 40000, "0", "39999", 39999},
        {5000, 0, "0", "10", 0},
        {5000, 250, "250", nullptr, 0},
    };
    s.SystemNames[kLongRangeSensors] = "Long-range sensors";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.allowed);
        s.ShipEnergy = c.energy;
        dg.script.modal[Form::frmDAM] = [&](QDialog&) {
            EXPECT_EQ(Shown(Form::frmDAM, "txtPower"), c.opens);
            EXPECT_EQ(Shown(Form::frmDAM, "lblSystem"), "Long-range sensors");
            auto* bar = dg.Control<QScrollBar>(Form::frmDAM, "vsbPower");
            EXPECT_EQ(bar->maximum(), c.allowed);
            if (!c.typed) {
                dg.Click(Form::frmDAM, "cmdCancel");
                return;
            }
            TypeOver(Form::frmDAM, "txtPower", c.typed);
            dg.Click(Form::frmDAM, "cmdAccept");
        };
        EXPECT_EQ(RunTransferDialog(dg.game, c.allowed, 3), c.amount);
        EXPECT_FALSE(Visible(Form::frmDAM));
    }
    EXPECT_EQ(Shown(Form::frmDAM, "lblEnergyTrans"), "<DamTrans>");
}

TEST_F(CommandDialogs, CountdownTicksAndIsAbortedByAClickOnTheTime) {
    s.SelfDestructActive = kTrue;
    s.SelfDestructTime = "0:10";
    dg.script.answers = {kNo, kYes};
    dg.script.modal[Form::frmDES] = [&](QDialog& w) {
        auto& des = static_cast<frmDES&>(w);
        EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmDES_tmrCount));
        for (int i = 0; i < 3; ++i) dg.host.Run(Form::frmDES, [&] { des.tmrCount_Timer(); });
        EXPECT_EQ(Shown(Form::frmDES, "lblTime"), "0:07");
        EXPECT_EQ(Shown(Form::frmDES, "lblTime2"), "0:07");
        dg.Click(Form::frmDES, "lblTime");  // No: the countdown runs on
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmDES_tmrCount));
        dg.Click(Form::frmDES, "lblTime");  // Yes
    };
    dg.host.RunModal(Form::frmDES);
    EXPECT_EQ(dg.script.questions, (std::vector<std::string>{"<DES0003>", "<DES0003>"}));
    EXPECT_EQ(s.SelfDestructTime, "0:10");
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmDES_tmrCount));
    EXPECT_FALSE(Visible(Form::frmDES));
}

// The abort hides the countdown before its notice, so the notice never stands over frozen
// digits; the digits then read ten seconds again.
TEST_F(CommandDialogs, AnAbortHidesTheCountdownBeforeItsNotice) {
    struct WatchingScript : test::DesktopScript {
        std::function<void(const std::string&)> seen;
        void Notice(const std::string& text, long style, bool own) override {
            if (seen) seen(text);
            DesktopScript::Notice(text, style, own);
        }
    } watch;
    dg.host.SetScript(&watch);
    s.SelfDestructActive = kTrue;
    s.SelfDestructTime = "0:10";
    std::optional<bool> shownAtNotice;
    watch.seen = [&](const std::string& text) {
        if (text == "<DES0004>") shownAtNotice = Visible(Form::frmDES);
    };
    watch.answers = {kYes};
    watch.modal[Form::frmDES] = [&](QDialog& w) {
        auto& des = static_cast<frmDES&>(w);
        for (int i = 0; i < 3; ++i) dg.host.Run(Form::frmDES, [&] { des.tmrCount_Timer(); });
        dg.Click(Form::frmDES, "lblTime");
    };
    dg.host.RunModal(Form::frmDES);
    dg.host.SetScript(&dg.script);
    EXPECT_EQ(shownAtNotice, std::optional<bool>(false));
    EXPECT_FALSE(Visible(Form::frmDES));
    EXPECT_EQ(Shown(Form::frmDES, "lblTime"), "0:10");
    EXPECT_EQ(Shown(Form::frmDES, "lblTime2"), "0:10");
    EXPECT_EQ(s.SelfDestructTime, "0:10");
}

TEST_F(CommandDialogs, RetrofitCoverSlidesOpenAndItsButtonEngages) {
    s.RetrofitSlots[3] = 2;
    ShowRetrofitSlot(dg.game, 3, true);
    auto* panel = dg.Window<frmRetrofit>(Form::frmRetrofit);
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmRetrofit_tmrBlink));
    EXPECT_EQ(panel->pnlSlide[2]->y(), -(kRetrofitCoverHeight + 10));
    EXPECT_EQ(panel->pnlSlide[0]->y(), 0);
    EXPECT_EQ(Shown(Form::frmRetrofit, "lblClick(2)"), "2");

    EXPECT_EQ(panel->shpButton[2]->Colour(), 12);
    dg.Click(Form::frmRetrofit, "lblClick(2)");
    EXPECT_EQ(s.RetrofitButtonTag[2], "3");
    EXPECT_EQ(panel->shpButton[2]->Colour(), 10);
    // Switched off again: one use spent; the cover stays open while one is left.
    dg.Click(Form::frmRetrofit, "lblClick(2)");
    EXPECT_EQ(s.RetrofitSlots[3], 1);
    EXPECT_EQ(panel->shpButton[2]->Colour(), 12);
    EXPECT_EQ(Shown(Form::frmRetrofit, "lblClick(2)"), "");

    ShowRetrofitSlot(dg.game, 3, false);
    EXPECT_EQ(panel->pnlSlide[2]->y(), 0);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmRetrofit_tmrBlink));
}

TEST_F(CommandDialogs, MorvReportTypesItsRowsAndClosesAtTheNextTick) {
    s.MorvReportTag[0] = "Stars";
    dg.script.modal[Form::frmMorvReport] = [&](QDialog& w) {
        auto& report = static_cast<frmMorvReport&>(w);
        EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmMorvReport_tmrAnim));
        for (int i = 0; i < 3; ++i) dg.host.Run(Form::frmMorvReport, [&] { report.tmrAnim_Timer(); });
        EXPECT_EQ(Shown(Form::frmMorvReport, "lblAnim(0)"), "Sta");
        w.close();  // asks the next tick to end the report
        EXPECT_TRUE(w.isVisible());
        dg.host.Run(Form::frmMorvReport, [&] { report.tmrAnim_Timer(); });
    };
    dg.host.RunModal(Form::frmMorvReport);
    EXPECT_FALSE(Visible(Form::frmMorvReport));
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmMorvReport_tmrAnim));
    // The stopping tick starts the typing over: the first character waits for the next showing.
    EXPECT_EQ(Shown(Form::frmMorvReport, "lblAnim(0)"), "S");
}

TEST_F(CommandDialogs, LibraryOptionsPagesSpinnerAndWarning) {
    dg.game.options.lblConfigName = "General";
    s.LibTorSpreadZarvonis = "9";
    dg.host.ShowForm(Form::frmLibOptions);
    EXPECT_TRUE(dg.Control(Form::frmLibOptions, "lblWarning")->isVisible());
    // Each tab shows the page its caption names: tab 2 the torpedoes (picTab(2)).
    auto* tabs = dg.Control<QTabBar>(Form::frmLibOptions, "TabStrip1");
    EXPECT_EQ(tabs->tabText(1), "<LCOTorTitle>");
    tabs->setCurrentIndex(1);
    EXPECT_TRUE(dg.Control(Form::frmLibOptions, "picTab(2)")->isVisible());
    EXPECT_FALSE(dg.Control(Form::frmLibOptions, "picTab(0)")->isVisible());
    tabs->setCurrentIndex(2);
    EXPECT_TRUE(dg.Control(Form::frmLibOptions, "picTab(1)")->isVisible());

    dg.Click(Form::frmLibOptions, "spnTS_Up");
    EXPECT_EQ(s.LibTorSpreadZarvonis, "9");
    dg.Click(Form::frmLibOptions, "spnTS_Down");
    EXPECT_EQ(Shown(Form::frmLibOptions, "lblTSpresent"), "8");

    // No automatic raising greys the panel's automatic shields.
    tabs->setCurrentIndex(0);
    dg.Control<QRadioButton>(Form::frmLibOptions, "optShFrequency(2)")->click();
    EXPECT_EQ(s.ComAutoShieldsEnabled, kFalse);
    EXPECT_TRUE(dg.Control<QRadioButton>(Form::frmLibOptions, "optShFrequency(2)")->isChecked());
    EXPECT_FALSE(dg.Control<QRadioButton>(Form::frmLibOptions, "optShFrequency(0)")->isChecked());

    dg.Window(Form::frmLibOptions)->close();
    EXPECT_FALSE(Visible(Form::frmLibOptions));
}

TEST_F(CommandDialogs, TargetCalculatorTakesPicksAndThePickerAndCancels) {
    s.TargetQuadText = "7,7", s.TargetSectText = "2,2";
    dg.host.ShowForm(Form::frmTargetCalculator);
    EXPECT_EQ(s.SectorPickMode, -1);
    EXPECT_EQ(s.QuadrantPickMode, -1);
    EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmTargetCalculator_tmrCheckCOM));
    auto* tc = dg.Window<frmTargetCalculator>(Form::frmTargetCalculator);

    // A pick on the galaxy chart and one on the scan.
    s.QuadrantPickMode = 17;
    dg.host.Run(Form::frmTargetCalculator, [&] { tc->tmrCheckCOM_Timer(); });
    EXPECT_EQ(Shown(Form::frmTargetCalculator, "lblQuad"), "3,1");
    s.SectorPickMode = 64;
    dg.host.Run(Form::frmTargetCalculator, [&] { tc->tmrCheckSRS_Timer(); });
    EXPECT_EQ(Shown(Form::frmTargetCalculator, "lblSect"), "8,8");

    // A neighbour, then the picker (a stand-in here) closed without a pick keeps it.
    dg.Click(Form::frmTargetCalculator, "optLRS(7)");
    EXPECT_EQ(Shown(Form::frmTargetCalculator, "lblQuad"), "5,5");
    EXPECT_TRUE(dg.Control<QRadioButton>(Form::frmTargetCalculator, "optLRS(7)")->isChecked());
    QDialog picker;
    picker.setObjectName("frmQuadSelect");
    dg.host.RegisterForm(Form::frmQuadSelect, &picker);
    dg.script.modal[Form::frmQuadSelect] = [&](QDialog& w) { w.hide(); };
    dg.Click(Form::frmTargetCalculator, "lblQuad");
    EXPECT_EQ(Shown(Form::frmTargetCalculator, "lblQuad"), "5,5");
    dg.script.modal[Form::frmQuadSelect] = [&](QDialog& w) {
        s.QuadSelect.Selected = 10;
        w.hide();
    };
    dg.Click(Form::frmTargetCalculator, "lblQuad");
    EXPECT_EQ(Shown(Form::frmTargetCalculator, "lblQuad"), "2,3");
    EXPECT_FALSE(dg.Control<QRadioButton>(Form::frmTargetCalculator, "optLRS(7)")->isChecked());

    dg.Window(Form::frmTargetCalculator)->close();
    EXPECT_FALSE(Visible(Form::frmTargetCalculator));
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_EQ(s.QuadrantPickMode, 0);
    EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmTargetCalculator_tmrCheckCOM));
}

TEST_F(CommandDialogs, StarListTargetsTheSystemEvenWithACommaInItsName) {
    s.TimeLeft = 10.5f;
    SolarSystemRecord& r = s.StarSystem(3, 5, 1);
    r.SetName("Al,pha");
    r.SectorRow = 2, r.SectorCol = 7;
    r.SystemValue3 = 1250;
    s.Galaxy[3][5] = 1;
    dg.script.modal[Form::frmStars] = [&](QDialog&) {
        auto* list = dg.Control<QListWidget>(Form::frmStars, "lstStars");
        ASSERT_EQ(list->count(), 1);
        EXPECT_TRUE(list->item(0)->text().startsWith("Al,pha"));
        EXPECT_TRUE(list->item(0)->text().endsWith("2.00"));
        list->setCurrentRow(0);
        dg.Click(Form::frmStars, "cmdAccept");
    };
    dg.host.RunModal(Form::frmStars);
    EXPECT_FALSE(Visible(Form::frmStars));
    EXPECT_EQ(s.TargetQuadText, "3,5");
    EXPECT_EQ(s.TargetSectText, "2,7");

    // Nothing visited: the list says so and never opens.
    r.SystemValue3 = 0;
    EXPECT_EQ(dg.host.RunModal(Form::frmStars), kCancel);
    EXPECT_EQ(dg.script.notices, (std::vector<std::string>{"<STARS0006>"}));
    EXPECT_FALSE(Visible(Form::frmStars));
}

// Tabbing into the list makes its first line current without selecting it: Accept and Info
// then have no line to act on.
TEST_F(CommandDialogs, StarListAcceptAndInfoWaitForASelectedLine) {
    SolarSystemRecord& r = s.StarSystem(3, 5, 1);
    r.SetName("Alpha");
    r.SectorRow = 2, r.SectorCol = 7;
    r.SystemValue3 = 1250;
    s.Galaxy[3][5] = 1;
    s.TargetQuadText = "1,1", s.TargetSectText = "1,1";
    dg.script.modal[Form::frmStars] = [&](QDialog& w) {
        auto* list = dg.Control<QListWidget>(Form::frmStars, "lstStars");
        QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &tab);
        ASSERT_EQ(list->currentRow(), 0);
        ASSERT_TRUE(list->selectedItems().isEmpty());
        dg.Click(Form::frmStars, "cmdAccept");
        dg.Click(Form::frmStars, "cmdInfo");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(s.TargetQuadText, "1,1");
        EXPECT_EQ(s.TargetSectText, "1,1");
        EXPECT_TRUE(dg.script.notices.empty());
        dg.Click(Form::frmStars, "cmdCancel");
    };
    dg.host.RunModal(Form::frmStars);
    EXPECT_FALSE(Visible(Form::frmStars));
}

TEST_F(CommandDialogs, ProbeCourseCheckedAndAccepted) {
    s.Probes = 10;
    s.ProbesLeftCaption = "10";
    dg.script.modal[Form::frmPRO] = [&](QDialog&) {
        EXPECT_EQ(Shown(Form::frmPRO, "lblProbes"), "10");
        TypeOver(Form::frmPRO, "txtCourse", "0");
        EXPECT_EQ(dg.script.notices, (std::vector<std::string>{"<PRO0002>"}));
        EXPECT_EQ(Shown(Form::frmPRO, "txtCourse"), "1.0");
        dg.Control<QScrollBar>(Form::frmPRO, "hsbCourse")->setValue(35);
        EXPECT_EQ(Shown(Form::frmPRO, "txtCourse"), "3.5");
        dg.Click(Form::frmPRO, "cmdAccept");
    };
    dg.host.RunModal(Form::frmPRO);
    EXPECT_EQ(s.ProbeDialog.CourseText, "3.5");
    EXPECT_EQ(Shown(Form::frmPRO, "lblProbes"), "9");
    EXPECT_EQ(dg.host.OutputLines().back(), "<PRO0001>3.5");

    dg.script.modal[Form::frmPRO] = [&](QDialog& w) { w.close(); };
    dg.host.RunModal(Form::frmPRO);
    EXPECT_EQ(s.ProbeDialog.CourseText, "-32767");
}

}  // namespace
}  // namespace kv
