#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

#include "ui/text/frmQuiet.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// A window standing in for one that is not built yet: a button, "cmdGo", whose handler goes
// through the busy guard and counts its runs, and a text box, "txtEntry".
struct StandIn : QDialog {
    StandIn(test::DesktopGame& dg, Form form) {
        setObjectName(Name(form));
        button = new QPushButton(QStringLiteral("Go"), this);
        button->setObjectName("cmdGo");
        entry = new QLineEdit(this);
        entry->setObjectName("txtEntry");
        entry->move(0, 30);
        connect(button, &QPushButton::clicked, this, dg.host.Handler(form, [this] {
            ++runs;
            if (onClick) onClick();
        }));
        dg.host.RegisterForm(form, this);
        resize(120, 60);
        show();
    }
    QPushButton* button;
    QLineEdit* entry;
    int runs = 0;
    std::function<void()> onClick;
};

// A click that waits in the event queue, as the player's does while the engine is busy.
void PostClick(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    QCoreApplication::postEvent(
        w, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        w, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
    QCoreApplication::postEvent(w,
                                new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
}

void PostKey(QWidget* w, const QString& text) {
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, text));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, 0, Qt::NoModifier, text));
}

// Handles events for a while, as the program's event loop does between actions.
void Settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(BusyGuard, AClickQueuedDuringAPauseIsDroppedNotCarriedOutAfterwards) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    dg.st.SpeedFactor = 1.0f;
    StandIn nav(dg, Form::frmNAV);
    bool busyMeanwhile = false;
    EXPECT_TRUE(dg.host.Run(Form::frmCommands, [&] {
        PostClick(nav.button);
        PostKey(nav.entry, "x");
        Pause(dg.game, 0.1);
        busyMeanwhile = dg.game.Busy();
    }));
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_EQ(nav.runs, 0);
    Settle(50);
    EXPECT_EQ(nav.runs, 0);
    EXPECT_EQ(nav.entry->text(), "");
    EXPECT_FALSE(dg.game.Busy());

    // The same click, key press and typing with nothing under way are carried out.
    PostClick(nav.button);
    PostKey(nav.entry, "x");
    Settle(50);
    EXPECT_EQ(nav.runs, 2);
    EXPECT_EQ(nav.entry->text(), "x");
    // A handler called while another runs does nothing either.
    EXPECT_TRUE(dg.host.Run(Form::frmCommands, [&] { EXPECT_FALSE(dg.host.Run(Form::frmNAV, [] { FAIL(); })); }));
}

TEST(BusyGuard, ATimerTickDuringAnActionDoesNothingWhileACosmeticOnePaints) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    dg.st.SpeedFactor = 1.0f;
    StandIn com(dg, Form::frmCOM);
    int engineTicks = 0, blinks = 0;
    dg.host.AddTimer(Timer::frmCOM_tmrTC, &com, 5, [&] { ++engineTicks; });
    dg.host.AddTimer(
        Timer::frmGalaxy_tmrBlink, &com, 5, [&] { ++blinks; }, Tick::Cosmetic);
    dg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    dg.game.SetTimer(Timer::frmGalaxy_tmrBlink, true);
    dg.host.Run(Form::frmNAV, [&] { Pause(dg.game, 0.1); });
    EXPECT_EQ(engineTicks, 0);
    EXPECT_GT(blinks, 0);
    Settle(60);
    EXPECT_GT(engineTicks, 0);  // between actions the timer runs its engine code
    dg.game.SetTimer(Timer::frmCOM_tmrTC, false);
    const int ticks = engineTicks;
    Settle(30);
    EXPECT_EQ(engineTicks, ticks);
}

TEST(BusyGuard, AModalWindowOpenedByAnActionTakesItsClicksAsANestedAction) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    dg.st.SpeedFactor = 1.0f;
    StandIn nav(dg, Form::frmNAV);
    StandIn pro(dg, Form::frmPRO);
    // The modal window's own handler pauses: a second click on it meanwhile is dropped.
    pro.onClick = [&] {
        PostClick(pro.button);
        Pause(dg.game, 0.05);
        pro.done(kOK);
    };
    int timerTicks = 0;
    dg.host.AddTimer(Timer::frmCOM_tmrTC, &nav, 1, [&] { ++timerTicks; });
    dg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    dg.script.modal[Form::frmPRO] = [&](QDialog&) {
        dg.Click(Form::frmNAV, "cmdGo");  // the game window below it takes nothing
        Settle(20);                       // nor do the timers of other windows tick
        dg.Click(Form::frmPRO, "cmdGo");
    };
    int result = 0;
    dg.host.Run(Form::frmCommands, [&] { result = dg.host.RunModal(Form::frmPRO); });
    EXPECT_EQ(result, kOK);
    EXPECT_EQ(pro.runs, 1);
    EXPECT_EQ(nav.runs, 0);
    EXPECT_EQ(timerTicks, 0);
    EXPECT_EQ(dg.script.modals, std::vector<std::string>{"frmPRO"});
    EXPECT_FALSE(dg.game.Busy());
}

TEST(BusyGuard, TheGamesOwnMessageWindowTakesItsAnswerDuringAnAction) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    StandIn nav(dg, Form::frmNAV);
    auto* quiet = dg.Window<frmQuiet>(Form::frmQuiet);
    ASSERT_NE(quiet, nullptr);
    dg.host.SetScript(nullptr);  // the real window this time
    QTimer::singleShot(0, quiet, [&] {
        test::DesktopGame::ClickAt(nav.button, nav.button->rect().center());
        test::DesktopGame::ClickAt(quiet->Button(kNo), quiet->Button(kNo)->rect().center());
    });
    QTimer::singleShot(2000, quiet, [quiet] { quiet->done(0); });  // a failing test cannot hang
    int answer = 0;
    dg.host.Run(Form::frmCommands, [&] { answer = dg.host.AskQuestion("Go on?", kYesNo | kQuestion, true); });
    dg.host.SetScript(&dg.script);
    EXPECT_EQ(answer, kNo);
    EXPECT_EQ(nav.runs, 0);
}

TEST(RunModal, AWindowNotBuiltOrNotADialogIsAFaultThatTheGuardReports) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    QWidget plain;
    dg.host.RegisterForm(Form::frmDES, &plain);
    EXPECT_THROW(dg.host.RunModal(Form::frmDES), std::logic_error);

    // A handler that reaches it: the player is told, the action ends, the program goes on.
    dg.script.errorAnswers = {kIgnore};
    EXPECT_TRUE(dg.host.Run(Form::frmCommands, [&] { dg.host.RunModal(Form::frmDES); }));
    ASSERT_EQ(dg.script.errors.size(), 1u);
    EXPECT_NE(dg.script.errors[0].find("frmCommands"), std::string::npos);
    EXPECT_FALSE(dg.game.Busy());
    EXPECT_TRUE(dg.game.CanStartAction());

    // A window that is not built at all.
    for (int f = 1; f <= static_cast<int>(Form::frmLanguage); ++f) {
        if (dg.host.FormWindow(static_cast<Form>(f))) continue;
        EXPECT_THROW(dg.host.RunModal(static_cast<Form>(f)), std::logic_error) << Name(static_cast<Form>(f));
        break;
    }
}

TEST(QtHost, RefreshesADisplayOnlyWhileItsWindowLives) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    int shown = 0;
    {
        QWidget owner;
        dg.host.OnView(View::Bars, &owner, [&] { ++shown; });
        EXPECT_TRUE(dg.host.HasView(View::Bars));
        dg.host.Refresh(View::Bars);
        EXPECT_EQ(shown, 1);
    }
    EXPECT_FALSE(dg.host.HasView(View::Bars));
    dg.host.Refresh(View::Bars);
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace kv
