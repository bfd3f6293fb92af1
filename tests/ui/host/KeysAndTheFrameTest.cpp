// Return, Escape and the frame's close on every window of the game, opened as the game opens it
// on a running game: Return presses the window's Accept or OK button (and no other), wherever
// the focus stands; Escape and the close do what the window's Cancel does, or the window's own
// close step, or nothing at all, leaving the game as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "engine/computer/Navigation.h"
#include "scores/Hiscore.h"
#include "scores/ScriptedServer.h"
#include "screens/dialogs/TransferDialog.h"
#include "state/ConsoleState.h"
#include "state/FileDialogSetup.h"
#include "state/NumberDialog.h"
#include "state/SavedGameLayout.h"
#include "ui/scores/frmSubmitHS.h"
#include "ui/support/PlaySurfaceGame.h"

namespace kv {
namespace {

struct Table;

// What a key or the close does: presses a button; or, with none, leaves the window open (or
// hides it, the window's own close step) with the game as it was; `check` stands for the rest
// of a step the window's own description gives it.
struct Does {
    const char* press = nullptr;
    bool stays = true;
    bool sameGame = true;
    std::function<void(Table&)> check = {};
};
const Does kNothing{};
const Does kHides{nullptr, false};
Does Presses(const char* button) { return {button}; }

struct Row {
    Form form;
    // Opens the window as the game does; a modal window's opener returns once it is closed.
    std::function<void(Table&)> open;
    const char* accept;  // the button Return presses; nullptr: none
    Does escape, close;
    // Boxes that take Return themselves.
    std::vector<const char*> takesReturn = {};
    // Sets the game up before the window first opens.
    std::function<void(Table&)> prepare = {};
    // Sets the game and the window up each time the window has opened.
    std::function<void(Table&, QWidget&)> opened = {};
};

// The close of the frame, as the desktop asks for it.
void CloseThroughTheFrame(QWidget* w) {
    if (QWindow* native = w->windowHandle())
        native->close();
    else
        w->close();
}

struct Table {
    ConstantRandom rng{0.5f};
    test::PlaySurfaceGame dg{rng};
    GameState& s = dg.st;
    // The high-score window, whose submissions could only reach a server on this machine.
    std::unique_ptr<frmSubmitHS> scores;

    QWidget* Window(Form f) { return dg.host.FormWindow(f); }

    // Opens the row's window, runs `act` on it while it is open, then closes what is left open.
    void Try(const Row& row, const std::function<void(QWidget&)>& act) {
        bool ran = false;
        QWidget* w = Window(row.form);
        ASSERT_TRUE(w);
        auto trial = [&] {
            ran = true;
            if (row.opened) row.opened(*this, *w);
            act(*w);
            if (w->isVisible()) w->hide();
        };
        dg.script.modal[row.form] = [&](QDialog&) { trial(); };
        row.open(*this);
        if (!ran) {
            ASSERT_TRUE(w->isVisible()) << "the window did not open";
            trial();
        }
        dg.script.modal.erase(row.form);
    }

    // Acts, then checks that the window did `does`.
    void Expect(QWidget& w, const Does& does, const std::function<void()>& key, const std::string& what) {
        SCOPED_TRACE(what);
        std::vector<std::string> pressed;
        std::vector<QMetaObject::Connection> spies;
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            spies.push_back(QObject::connect(b, &QAbstractButton::clicked, [&pressed, b] {
                pressed.push_back(b->objectName().toStdString());
            }));
        const std::string game = SavedGameText(s);
        const size_t notices = dg.script.notices.size(), questions = dg.script.questions.size();
        key();
        for (const auto& c : spies) QObject::disconnect(c);
        if (does.press) {
            EXPECT_EQ(pressed, std::vector<std::string>{does.press});
            return;
        }
        EXPECT_EQ(pressed, std::vector<std::string>{});
        EXPECT_EQ(w.isVisible(), does.stays);
        if (does.sameGame) {
            EXPECT_EQ(SavedGameText(s), game) << "the game changed";
        }
        if (does.check) return does.check(*this);
        EXPECT_EQ(dg.script.notices.size(), notices) << "a notice was shown";
        EXPECT_EQ(dg.script.questions.size(), questions) << "a question was asked";
    }
};

// A key pressed and let go in the control (which the key may have taken away).
void Key(QWidget* c, int key) {
    const QString text = key == Qt::Key_Escape ? QString(QChar(27)) : QStringLiteral("\r");
    const QPointer<QWidget> alive(c);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(c, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    if (alive) QApplication::sendEvent(c, &release);
}

// The controls the player can give the keys to, by name.
std::vector<QString> InputControls(QWidget& w) {
    std::vector<QString> names;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || !(c->focusPolicy() & Qt::TabFocus)) continue;
        if (!c->isVisibleTo(&w) || !c->isEnabled()) continue;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

void Show(Table& t, Form f) { t.dg.host.ShowForm(f); }
std::function<void(Table&)> Shown(Form f) {
    return [f](Table& t) { Show(t, f); };
}
std::function<void(Table&)> Modal(Form f) {
    return [f](Table& t) { t.dg.host.RunModal(f); };
}

void Hostile(GameState& s, int slot, int row, int col) {
    s.ZarvoniEnergy[static_cast<size_t>(slot)] = 300;
    s.ZarvoniShips[1][static_cast<size_t>(slot)] = static_cast<Integer>(row);
    s.ZarvoniShips[2][static_cast<size_t>(slot)] = static_cast<Integer>(col);
    s.SectorGrid[row][col] = kZarvoni;
}

std::vector<Row> Rows() {
    const Does cancel = Presses("cmdCancel");
    return {
        // The window table.
        {Form::frmOutput, Shown(Form::frmOutput), nullptr, kNothing, kNothing},
        {Form::frmBaseReport, Shown(Form::frmBaseReport), nullptr, kNothing, kHides},
        {Form::frmDamageReport, Shown(Form::frmDamageReport), nullptr, kNothing, kHides},
        // Escape on the command bar is its Quit: with unsaved changes it asks first.
        {Form::frmCommands, Shown(Form::frmCommands), nullptr,
         Does{nullptr, true, true,
              [](Table& t) {
                  EXPECT_EQ(t.dg.script.questions, std::vector<std::string>{"<COMMANDS0017>"});
                  t.dg.script.questions.clear();
              }},
         kNothing, {},
         [](Table& t) {
             t.s.GameChanged = kTrue;
             t.dg.script.answers.assign(1, kCancel);
         }},
        {Form::frmCOM, Shown(Form::frmCOM), nullptr, kNothing, kNothing},
        {Form::frmZarvoniReport, Shown(Form::frmZarvoniReport), nullptr, kNothing, kHides},
        {Form::frmGalaxy, Shown(Form::frmGalaxy), nullptr, kNothing, kNothing},
        {Form::frmGeneralReport, Shown(Form::frmGeneralReport), nullptr, kNothing, kHides},
        // The close only hides the options; Escape does the same.
        {Form::frmOptions, Shown(Form::frmOptions), "cmdOK", kHides, kHides},
        {Form::frmStatus, Shown(Form::frmStatus), nullptr, kNothing, kNothing},
        {Form::frmSRS, Shown(Form::frmSRS), nullptr, kNothing, kNothing},
        {Form::frmTOR, Shown(Form::frmTOR), "cmdAccept", cancel, cancel},
        {Form::frmPHA, Shown(Form::frmPHA), "cmdAccept", cancel, cancel},
        {Form::frmSHE, Modal(Form::frmSHE), "cmdAccept", cancel, cancel},
        {Form::frmRetrofit, Shown(Form::frmRetrofit), nullptr, kNothing, kNothing},
        {Form::frmDAM, [](Table& t) { RunTransferDialog(t.dg.game, 250, 3); }, "cmdAccept", cancel, cancel},
        // The countdown has no Cancel: neither Escape nor the close stops it or asks.
        {Form::frmDES, Modal(Form::frmDES), nullptr, kNothing, kNothing},
        {Form::frmDifficulty, Modal(Form::frmDifficulty), "cmdOK", kNothing, kNothing},
        // The close only hides the library options (and may read the saved ones back); it never
        // sets the shields, which OK and Cancel do.
        {Form::frmLibOptions, Shown(Form::frmLibOptions), "cmdOK", kHides, kHides, {},
         [](Table& t) {
             t.s.ComAutoShields = kTrue;
             t.s.LibShieldFrequency = 0;
             t.s.LibShieldLevel = 1;
             Hostile(t.s, 1, 2, 2);
         },
         [](Table& t, QWidget&) {
             t.s.ShipEnergy += t.s.ShieldLevel;
             t.s.ShieldLevel = 0;
         }},
        {Form::frmInfo, Shown(Form::frmInfo), nullptr, kNothing, kNothing},
        // During a game the menu's close takes the player back to it.
        {Form::frmMenu, Modal(Form::frmMenu), nullptr, kNothing, Does{nullptr, false, false}},
        {Form::frmNAV, [](Table& t) { SetupNavDialog(t.dg.game, 8.0f); }, "cmdAccept", cancel, cancel},
        {Form::frmPRO, Modal(Form::frmPRO), "cmdAccept", cancel, cancel},
        // The picker has no Cancel; its close leaves no cell chosen.
        {Form::frmQuadSelect, Modal(Form::frmQuadSelect), nullptr, kNothing,
         Does{nullptr, false, true, [](Table& t) { EXPECT_EQ(t.s.QuadSelect.Selected, -1); }}},
        // The console: neither Escape nor the close ends anything; the notes take Return.
        {Form::frmSSControl, Modal(Form::frmSSControl), nullptr, kNothing, kNothing, {"txtNotes"}},
        {Form::frmBars, Shown(Form::frmBars), nullptr, kNothing, kNothing},
        {Form::frmStars, Modal(Form::frmStars), "cmdAccept", cancel, cancel, {},
         [](Table& t) {
             SolarSystemRecord& r = t.s.StarSystem(3, 5, 1);
             r.SetName("Vesta");
             r.SectorRow = 2, r.SectorCol = 7;
             r.SystemValue3 = 1250;
             t.s.Galaxy[3][5] = 1;
         }},
        // The sector box has OK only; its close hides it.
        {Form::frmSRSInfo, Modal(Form::frmSRSInfo), "cmdOK", kNothing, kHides},
        // Accept offers to set the course at once (answered No here).
        {Form::frmTargetCalculator, Shown(Form::frmTargetCalculator), "cmdAccept", cancel, cancel, {}, {},
         [](Table& t, QWidget&) { t.dg.script.answers.assign(1, kNo); }},
        {Form::frmFinalReport, Shown(Form::frmFinalReport), nullptr, kNothing, kHides},
        // Escape asks the caption show to end; the frame's close does nothing.
        {Form::frmBackground,
         [](Table& t) {
             t.dg.game.background.stopRequested = false;
             t.dg.game.SetTimer(Timer::frmBackground_tmrScroll, true);
             t.dg.host.RunModal(Form::frmBackground);
             t.dg.game.SetTimer(Timer::frmBackground_tmrScroll, false);
         },
         nullptr,
         Does{nullptr, true, true, [](Table& t) { EXPECT_TRUE(t.dg.game.background.stopRequested); }}, kNothing},
        // Outside the table.
        {Form::frmShip, Modal(Form::frmShip), nullptr, kNothing, kNothing},
        {Form::frmFile,
         [](Table& t) {
             t.dg.script.fileWindow = true;
             SetFileDialogMode(t.dg.game, FileDialogMode::Load);
         },
         "cmdOK", cancel, cancel, {}, {},
         [](Table&, QWidget& w) { w.findChild<QLineEdit*>("txtFile")->setText("GAME1"); }},
        {Form::frmGetNumber,
         [](Table& t) {
             Single value = 10, factor = 1;
             SetupNumberDialog(t.dg.game, "How much?", "Energy", "units", value, 0, 100, factor);
         },
         "cmdOK", cancel, cancel},
        {Form::frmMinimize, Shown(Form::frmMinimize), nullptr, kNothing, kNothing},
        // The about window has OK only; its close hides it.
        {Form::frmAbout, Modal(Form::frmAbout), "cmdOK", kNothing, kHides},
        {Form::frmEgg, Modal(Form::frmEgg), nullptr, kNothing, kNothing},
        {Form::frmMorvReport, Modal(Form::frmMorvReport), nullptr, Presses("cmdClose"), Presses("cmdClose")},
        {Form::frmRespond, Modal(Form::frmRespond), "cmdSend", Presses("cmdClose"), Presses("cmdClose"), {},
         [](Table& t) {
             t.dg.game.console.RespondOptions = {{1, "Greetings"}, {2, "Leave"}};
             t.dg.game.console.RespondSendEnabled = true;
         }},
        // The high-score window is closed by its frame only: Escape keeps the chance to submit.
        {Form::frmSubmitHS, Modal(Form::frmSubmitHS), nullptr, kNothing, kHides, {},
         [](Table& t) {
             ScoreEndpoints nowhere;
             nowhere.webHost = nowhere.mailHost = "127.0.0.1";
             nowhere.webPort = nowhere.mailPort = 9;
             t.scores = std::make_unique<frmSubmitHS>(t.dg.game, t.dg.host.HighScores().dialog, nowhere);
             t.scores->openUrl = [](const QUrl&) { return true; };
             t.dg.host.RegisterForm(Form::frmSubmitHS, t.scores.get());
         }},
        {Form::frmShowMessage, Shown(Form::frmShowMessage), nullptr, kNothing, kNothing},
        {Form::frmLanguage, Shown(Form::frmLanguage), nullptr, kNothing, kNothing},
    };
}

void PrintTo(const Row& row, std::ostream* out) { *out << Name(row.form); }

class KeysAndTheFrame : public ::testing::TestWithParam<Row> {};

TEST_P(KeysAndTheFrame, DoWhatTheWindowGivesThem) {
    const Row& row = GetParam();
    Table t;
    if (row.prepare) row.prepare(t);

    std::vector<QString> controls;
    t.Try(row, [&](QWidget& w) { controls = InputControls(w); });
    controls.push_back(QString());  // the window itself
    const Does onReturn = row.accept ? Presses(row.accept) : kNothing;
    for (const QString& name : controls) {
        if (std::find(row.takesReturn.begin(), row.takesReturn.end(), name) != row.takesReturn.end()) continue;
        t.Try(row, [&](QWidget& w) {
            QWidget* c = name.isEmpty() ? &w : w.findChild<QWidget*>(name);
            if (!c || !c->isVisible() || !c->isEnabled()) return;
            c->setFocus();
            t.Expect(w, onReturn, [&] { Key(c, Qt::Key_Return); }, "Return in " + name.toStdString());
        });
    }
    t.Try(row, [&](QWidget& w) {
        QWidget* c = w.focusWidget() ? w.focusWidget() : &w;
        t.Expect(w, row.escape, [&] { Key(c, Qt::Key_Escape); }, "Escape");
    });
    t.Try(row, [&](QWidget& w) { t.Expect(w, row.close, [&] { CloseThroughTheFrame(&w); }, "the frame's close"); });
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, KeysAndTheFrame, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(Name(info.param.form)); });

// A stray Escape while a score is being posted leaves the high-score window open, and with it
// the chance to submit again after the answer.
TEST(KeysAndTheFrameOfTheScores, EscapeWhileAPostWaitsForItsAnswerClosesNothing) {
    test::ScriptedServer server([](int fd) {
        test::ScriptedServer::ReadUntil(fd, "\n\n");
        test::ScriptedServer::Sleep(300);
        test::ScriptedServer::SendAll(fd, "HTTP/1.0 200 OK\r\n\r\n*\nError - Busy\r\n");
    });
    Table t;
    t.dg.host.HighScores().dialog = FillSubmitHighScore(t.dg.game, {"Ann", "S-1", "12/34", "Hi"}, "captain");
    ScoreEndpoints local;
    local.webHost = "scores.test";
    local.webPort = server.Port();
    local.connectTimeout = local.webReplyTimeout = 5;
    frmSubmitHS w(t.dg.game, t.dg.host.HighScores().dialog, local);
    w.Submitter().Sockets().SetResolver(test::TestResolver());
    t.dg.host.RegisterForm(Form::frmSubmitHS, &w);
    bool waiting = false;
    t.dg.script.modal[Form::frmSubmitHS] = [&](QDialog&) {
        QTimer::singleShot(100, &w, [&] {
            waiting = !w.cmdSubmit[0]->isEnabled();
            Key(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_Escape);
        });
        w.cmdSubmit[0]->click();
        EXPECT_TRUE(waiting);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.lblStatus->text(), "<KVMAIN0005>Busy");
        for (QPushButton* b : w.cmdSubmit) EXPECT_TRUE(b->isEnabled());
        CloseThroughTheFrame(&w);
        EXPECT_FALSE(w.isVisible());
    };
    t.dg.host.RunModal(Form::frmSubmitHS);
    server.Join();
}

// The desktop's own box: Return presses its default button; its close answers as a close of
// the game's own message window does.
TEST(KeysAndTheFrameOfTheDesktopsBox, ReturnTakesTheDefaultAndTheCloseTheCloseAnswer) {
    struct Case {
        long style;
        int onReturn;
    };
    const Case cases[] = {
        {kOKOnly, kOK},
        {kOKCancel | 256, kCancel},
        {kYesNo, kYes},
        {kYesNoCancel | 512, kCancel},
        {kAbortRetryIgnore | 256, kRetry},
        {kRetryCancel, kRetry},
    };
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    dg.host.SetScript(nullptr);
    const auto actOnTheBox = [](const std::function<void(QWidget&)>& act) {
        QTimer::singleShot(0, [act] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return ADD_FAILURE() << "no box open";
            act(*box);
            if (box->isVisible()) {
                ADD_FAILURE() << "the box stayed open";
                box->hide();
            }
        });
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        actOnTheBox([](QWidget& box) { Key(box.focusWidget() ? box.focusWidget() : &box, Qt::Key_Return); });
        EXPECT_EQ(dg.host.AskQuestion("Go on?", c.style, false), c.onReturn);
        actOnTheBox([](QWidget& box) { CloseThroughTheFrame(&box); });
        EXPECT_EQ(dg.host.AskQuestion("Go on?", c.style, false), CloseAnswer(c.style));
    }
    dg.host.SetScript(&dg.script);
}

}  // namespace
}  // namespace kv
