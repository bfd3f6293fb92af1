// The main menu, its dialogs and the background window offscreen, on the paths a player can take
// besides their buttons: Escape, the frame's close, Return, the pointer; the help that cannot be
// opened; the colour pickers' titles; the design fonts the language replaces; where the menu
// stands each time it comes up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "state/Background.h"
#include "screens/main/OptionsDialog.h"
#include "state/Options.h"
#include "state/WindowTable.h"
#include "ui/main/MenuWindowsSupport.h"
#include "ui/main/frmBackground.h"
#include "ui/main/frmEgg.h"
#include "ui/main/frmOptions.h"

namespace kv {
namespace {

using test::MenuGame;

// The frame's close, as the desktop sends it (the native window's close comes as the desktop's).
void CloseThroughTheFrame(QWidget* w) {
    if (QWindow* native = w->windowHandle()) native->close();
}

// A desktop that has no viewer for the help page: the request for it is refused.
class NoViewer : public QObject {
    Q_OBJECT
public:
    // A handler without the slot it names answers the request with false.
    NoViewer() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "NoSuchViewer"); }
    ~NoViewer() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
};

// ---- Escape, the frame's close and Return ----------------------------------------------------

TEST(MenuPaths, EscapeOnTheMenuNeitherEndsTheProgramNorClosesIt) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    frmMenu& m = mg.Menu();
    mg.RunMenu([&] {
        test::DesktopGame::SendKey(&m, Qt::Key_Escape, QString());
        mg.Key(Form::frmMenu, "txtName", Qt::Key_Escape);
        EXPECT_TRUE(m.isVisible());
        EXPECT_EQ(mg.ended, 0);
        EXPECT_TRUE(mg.script.questions.empty());
        m.hide();
    });
    // The close box still ends the program when no game runs.
    mg.RunMenu([&] { CloseThroughTheFrame(&m); });
    EXPECT_EQ(mg.ended, 1);
}

TEST(MenuPaths, ReturnInTheMenusNameBoxStartsNoGame) {
    SeededRandom rng(2024);
    MenuGame mg(rng);
    frmMenu& m = mg.Menu();
    mg.RunMenu([&] {
        mg.TypeName("Ann");
        test::DesktopGame::SendKey(m.txtName->lineEdit(), Qt::Key_Return, QString());
        EXPECT_TRUE(m.isVisible());
        m.hide();
    });
    EXPECT_FALSE(mg.st.GameRunning);
    EXPECT_TRUE(mg.script.notices.empty());
}

// OK is the difficulty dialog's one way out, past its check of the name.
TEST(MenuPaths, NeitherEscapeNorTheFramesCloseTakesTheDifficultyDialogPastItsNameCheck) {
    SeededRandom rng(2024);
    MenuGame mg(rng);
    GameState& s = mg.st;
    s.GameRunning = kTrue;
    s.GameChanged = kFalse;
    s.ConfigName = "Ann";
    auto& d = *mg.Window<QDialog>(Form::frmDifficulty);
    mg.script.modal[Form::frmDifficulty] = [&](QDialog&) {
        auto* name = mg.Control<QLineEdit>(Form::frmDifficulty, "txtName");
        name->selectAll();
        mg.Key(Form::frmDifficulty, "txtName", Qt::Key_Delete);
        mg.Key(Form::frmDifficulty, "txtName", Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        CloseThroughTheFrame(&d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
        mg.Click(Form::frmDifficulty, "cmdOK");
        EXPECT_TRUE(d.isVisible());  // the empty name is refused
        mg.Keys(Form::frmDifficulty, "txtName", "Bea");
        mg.Click(Form::frmDifficulty, "cmdOK");
        EXPECT_FALSE(d.isVisible());
    };
    mg.RunMenu([&] { mg.Choose(Form::frmMenu, "mnuGNew(110)"); });
    EXPECT_EQ(std::count(mg.script.notices.begin(), mg.script.notices.end(), "<DIFFCLTY0001>"), 1);
    EXPECT_EQ(s.ConfigName, "Bea");
}

// Escape on the options dialog does what its close box does: the dialog hides, and neither
// Cancel's restore nor OK's save runs.
TEST(MenuPaths, EscapeOnlyHidesTheOptionsDialogAsItsCloseBoxDoes) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    auto& w = *mg.Window<frmOptions>(Form::frmOptions);
    mg.script.modal[Form::frmOptions] = [&](QDialog&) {
        mg.Tick(Form::frmOptions, "chkKeepTech");
        test::DesktopGame::SendKey(&w, Qt::Key_Escape, QString());
        EXPECT_FALSE(w.isVisible());
    };
    const Integer before = mg.game.options.chkKeepTech;
    mg.RunMenu([&] {
        mg.Choose(Form::frmMenu, "mnuGOptions(150)");
        mg.Menu().hide();
    });
    EXPECT_NE(mg.game.options.chkKeepTech, before);
    EXPECT_TRUE(mg.script.questions.empty());
}

// The hidden picture hides by itself after its time; Escape does not cut it short.
TEST(MenuPaths, EscapeDoesNotCutTheHiddenPictureShort) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    auto& egg = *dg.Window<frmEgg>(Form::frmEgg);
    dg.script.modal[Form::frmEgg] = [&](QDialog& w) {
        test::DesktopGame::SendKey(&w, Qt::Key_Escape, QString());
        EXPECT_TRUE(w.isVisible());
        ASSERT_TRUE(QMetaObject::invokeMethod(egg.tmrHide, "timeout", Qt::DirectConnection));
        EXPECT_FALSE(w.isVisible());
    };
    dg.host.RunModal(Form::frmEgg);
}

// The desktop's own box (the theme sounds on): Escape answers only a box with Cancel.
TEST(MenuPaths, EscapeGivesTheDesktopsBoxNoAnswerWhereItHasNoCancel) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    dg.host.SetScript(nullptr);
    auto pressEscapeThen = [](QMessageBox::StandardButton then, bool stillOpen) {
        QTimer::singleShot(0, [then, stillOpen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return ADD_FAILURE() << "no box open";
            test::DesktopGame::SendKey(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape, QString());
            EXPECT_EQ(box->isVisible(), stillOpen);
            if (box->isVisible()) box->button(then)->click();
        });
    };
    pressEscapeThen(QMessageBox::Yes, true);
    EXPECT_EQ(dg.host.AskQuestion("Quit?", kYesNo | kQuestion, false), kYes);
    pressEscapeThen(QMessageBox::Retry, true);
    EXPECT_EQ(dg.host.AskQuestion("Failed.", kAbortRetryIgnore, false), kRetry);
    pressEscapeThen(QMessageBox::Yes, false);
    EXPECT_EQ(dg.host.AskQuestion("Save first?", kYesNoCancel | kQuestion, false), kCancel);
    dg.host.SetScript(&dg.script);
}

// ---- Where the menu comes up ----------------------------------------------------------------------

// Each showing stands where the first did: the desktop frames the window after its first showing,
// and a move to the same point would then place the frame, a title bar higher than the inside.
TEST(MenuPaths, TheMenuShownAgainStandsWhereItStoodFirst) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    frmMenu& m = mg.Menu();
    std::vector<QRect> inside;
    for (int showing = 0; showing < 3; ++showing) {
        mg.RunMenu([&] {
            QCoreApplication::processEvents();
            inside.push_back(m.geometry());
            m.hide();
        });
    }
    ASSERT_EQ(inside.size(), 3u);
    EXPECT_NE(m.frameGeometry(), m.geometry());  // framed
    EXPECT_EQ(inside[1], inside[0]);
    EXPECT_EQ(inside[2], inside[0]);
    // Placed by its inside, whether or not the desktop has framed it yet.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(inside[0].topLeft(), area.center() - QRect(QPoint(), inside[0].size()).center());
}

// ---- Help that cannot be opened -------------------------------------------------------------------

TEST(MenuPaths, HelpThatTheDesktopCannotOpenSaysWhereThePageLies) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    NoViewer desktop;
    mg.Choose(Form::frmMenu, "mnuHHelpType(2)");
    ASSERT_EQ(mg.script.notices.size(), 1u);
    EXPECT_EQ(mg.script.notices[0], "<HelpNotOpened>\r\n" + mg.scratch.Program() + "kestrava.html");
}

// ---- The colour pickers ---------------------------------------------------------------------------

// Each swatch's picker carries its own caption and opens on the swatch's colour.
TEST(MenuPaths, EachColourPickerIsTitledWithItsSwatchsCaption) {
    ConstantRandom rng(0.5f);
    MenuGame mg(rng);
    OptionSettings& o = mg.game.options;
    o.lblBackColor = 0x102030;
    o.lblForeColor = 0x405060;
    o.lblColor = 0x708090;
    mg.script.colourWindow = true;
    struct Picked {
        QString title;
        QColor start;
    };
    std::vector<Picked> picked;
    auto answer = [&] {
        QTimer::singleShot(0, [&] {
            auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!picker) return ADD_FAILURE() << "no colour picker open";
            picked.push_back({picker->windowTitle(), picker->currentColor()});
            picker->reject();
        });
    };
    mg.script.modal[Form::frmOptions] = [&](QDialog&) {
        for (const char* button : {"cmdSelBack", "cmdSelFore", "cmdSelectColor"}) {
            answer();
            mg.Click(Form::frmOptions, button);
        }
        mg.Click(Form::frmOptions, "cmdCancel");
    };
    mg.RunMenu([&] {
        mg.Choose(Form::frmMenu, "mnuGOptions(150)");
        mg.Menu().hide();
    });
    ASSERT_EQ(picked.size(), 3u);
    EXPECT_EQ(picked[0].title, "<OPTIONS0007>");
    EXPECT_EQ(picked[1].title, "<OPTIONS0010>");
    EXPECT_EQ(picked[2].title, "<OPTIONS0008>");
    EXPECT_EQ(picked[0].start, QColor(0x30, 0x20, 0x10));
    EXPECT_EQ(picked[1].start, QColor(0x60, 0x50, 0x40));
    EXPECT_EQ(picked[2].start, QColor(0x90, 0x80, 0x70));
}

// ---- The language's fonts ---------------------------------------------------------------------------

// The windows are made in the design fonts the relabelling replaces, and the log keeps the
// language's serif font when the settings give it its size.
TEST(MenuPaths, TheLanguagesFontsReachTheWindowsAndTheLogKeepsItsOwn) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng, {{"Loading", "Loading"}, {"Font", "Kv Sans"}, {"SFont", "Kv Serif"}});
    EXPECT_EQ(dg.Window(Form::frmNAV)->font().family(), "MS Sans Serif");
    auto* log = dg.Control<QListView>(Form::frmOutput, "lstOutput");
    EXPECT_EQ(log->font().family(), "Times New Roman");
    dg.host.ApplyLanguage();
    for (const auto& [form, control] : std::vector<std::pair<Form, QString>>{{Form::frmNAV, "cmdAccept"},
                                                                             {Form::frmMenu, "cmdNewClose"},
                                                                             {Form::frmOptions, "cmdOK"},
                                                                             {Form::frmCommands, "cmdNAV"},
                                                                             {Form::frmQuiet, "lblMessage"}}) {
        EXPECT_EQ(dg.Window(form)->font().family(), "Kv Sans") << Name(form);
        EXPECT_EQ(dg.Control(form, control)->font().family(), "Kv Sans") << Name(form);
    }
    EXPECT_EQ(log->font().family(), "Kv Serif");
    dg.game.options.lblPreviewSize = 14;
    dg.game.options.chkBold = 1;
    dg.host.Refresh(View::OutputFont);  // what the settings do after the run
    EXPECT_EQ(log->font().family(), "Kv Serif");
    EXPECT_EQ(log->font().pointSizeF(), 14.0);
    EXPECT_TRUE(log->font().bold());
}

// ---- The background window --------------------------------------------------------------------------

// A solid background behind a game: the window keeps below the game windows, and a click that
// makes it the active window brings the player back to them at once; the pointer on it keeps
// them there.
TEST(MenuPaths, TheBackgroundStaysBehindAndThePointerOnItReturnsToTheGameWindows) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    ShowGameWindows(dg.game);
    dg.host.ShowForm(Form::frmCommands);
    dg.game.options.optColor = true;
    dg.game.options.optNone = false;
    dg.game.options.optPicture = false;
    dg.game.options.lblColor = 0x00FF00;
    ApplySettings(dg.game);
    auto& bg = *dg.Window<frmBackground>(Form::frmBackground);
    ASSERT_TRUE(bg.isVisible());
    EXPECT_TRUE(bg.windowFlags() & Qt::WindowStaysOnBottomHint);
    bg.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), dg.host.FormWindow(Form::frmCommands));
    const QPointF at(200, 300);
    QMouseEvent move(QEvent::MouseMove, at, bg.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&bg, &move);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), dg.host.FormWindow(Form::frmCommands));
    for (int i = 1; i <= 30; ++i) dg.host.HideForm(FormTable(i));
    dg.host.HideForm(Form::frmBackground);
}

}  // namespace
}  // namespace kv

#include "MenuPathsTest.moc"
