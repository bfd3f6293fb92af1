// The fire dialogs, the target calculator and the star list: their captions, and the pointer
// moving over the controls that take the player back to the game windows.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QListWidget>
#include <set>

#include "screens/Relabel.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

struct FireAndTargetDialogs : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    GameState& s = dg.st;

    void SetUp() override {
        s.GameRunning = kTrue;
        s.ShipQuadrantRow = 4, s.ShipQuadrantCol = 4;
        s.ShipSectorRow = 4, s.ShipSectorCol = 4;
        s.SectorGrid[4][4] = kShip;
    }
    QString Caption(Form f, const std::string& control) const {
        if (control.empty()) return dg.Window(f)->windowTitle();
        if (auto* box = qobject_cast<QGroupBox*>(dg.Control(f, QString::fromStdString(control)))) return box->title();
        return dg.Shown(f, QString::fromStdString(control));
    }
};

// Every caption the relabelling gives a key reads that key's text as the window is made (texts
// read "<KEY>" here); the controls it gives none keep their design captions, whatever the
// language calls the enemy.
TEST_F(FireAndTargetDialogs, CaptionsComeFromTheLanguageFileOrTheDesign) {
    const std::set<Form> ours = {Form::frmPHA, Form::frmTOR, Form::frmStars, Form::frmTargetCalculator};
    int rows = 0;
    for (const RelabelRow& row : RelabelTable()) {
        if (!ours.count(row.window) || row.property != LabelProperty::Caption) continue;
        ++rows;
        EXPECT_EQ(Caption(row.window, row.control), QString::fromStdString("<" + row.key + ">"))
            << Name(row.window) << "." << row.control;
    }
    EXPECT_GT(rows, 40);

    s.EnemyText = "Qeth";
    dg.host.ShowForm(Form::frmTargetCalculator);
    const std::pair<const char*, const char*> design[] = {
        {"optBase(0)", "Zarvoni starbase"}, {"optBase(1)", "Starbase 1"}, {"optBase(2)", "Starbase 2"},
        {"optBase(3)", "Starbase 3"},       {"Label4", "Ship:"}};
    for (const auto& [control, caption] : design)
        EXPECT_EQ(Caption(Form::frmTargetCalculator, control), caption) << control;
    for (const Form f : {Form::frmPHA, Form::frmTOR}) EXPECT_EQ(Caption(f, "cmdPrevious"), "Previous");
}

// A pointer moving over the fire lists and over the calculator's Accept switches the automatic
// target calculator off, as over the dialogs themselves; Ctrl held alone keeps it running.
TEST_F(FireAndTargetDialogs, PointerMovesOverTheControlsReturnToTheGameWindows) {
    const std::pair<Form, const char*> controls[] = {
        {Form::frmPHA, "lstFire"}, {Form::frmTOR, "lstFire"}, {Form::frmTargetCalculator, "cmdAccept"}};
    for (const auto& [form, name] : controls) {
        SCOPED_TRACE(std::string(Name(form)) + "." + name);
        dg.host.ShowForm(form);
        QWidget* control = dg.Control(form, QString::fromLatin1(name));
        ASSERT_NE(control, nullptr);
        // Over a list the pointer moves on its viewport.
        if (auto* list = qobject_cast<QListWidget*>(control)) control = list->viewport();
        const auto move = [&](Qt::KeyboardModifiers mods) {
            const QPointF at(5, 5);
            QMouseEvent e(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, mods);
            QApplication::sendEvent(control, &e);
        };
        dg.game.SetTimer(Timer::frmCOM_tmrTC, true);
        move(Qt::ControlModifier);
        EXPECT_TRUE(dg.game.TimerEnabled(Timer::frmCOM_tmrTC));
        move(Qt::NoModifier);
        EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmCOM_tmrTC));
        dg.game.SetTimer(Timer::frmCOM_tmrTC, true);
        move(Qt::ShiftModifier | Qt::ControlModifier);  // not Ctrl alone
        EXPECT_FALSE(dg.game.TimerEnabled(Timer::frmCOM_tmrTC));
        dg.host.HideForm(form);
    }
}

}  // namespace
}  // namespace kv
