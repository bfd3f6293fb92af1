#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "state/Port.h"
#include "ui/text/frmQuiet.h"
#include "ui/host/WindowArranger.h"

namespace kv {
namespace {

std::string Caption(const std::string& key) { return "[" + key + "]"; }

// Asks through the window and acts on it once it is up; a window still open after two seconds
// is closed so that a failing test cannot hang.
int AskAndAct(frmQuiet& q, const QString& text, long style, const std::function<void()>& act) {
    QTimer::singleShot(0, &q, act);
    QTimer::singleShot(2000, &q, [&q] {
        if (q.isVisible()) q.done(0);
    });
    return q.Ask(text, style);
}

void Key(frmQuiet& q, int key, const QString& text) {
    QWidget* target = q.focusWidget() ? q.focusWidget() : &q;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

// The captions of the visible buttons, left to right.
std::vector<std::string> Shown(const frmQuiet& q) {
    std::vector<std::pair<int, std::string>> buttons;
    for (const auto& [code, b] : q.cmdButton)
        if (b->isVisible()) buttons.emplace_back(b->x(), b->text().toStdString());
    std::sort(buttons.begin(), buttons.end());
    std::vector<std::string> out;
    for (const auto& [x, t] : buttons) out.push_back(t);
    return out;
}

TEST(frmQuiet, LaysOutEachStyleAndAnswersClicksLettersEscapeAndTheFrame) {
    struct Case {
        long style;
        std::vector<std::string> captions;
        int defaultCode, escape, close;
    };
    const Case cases[] = {
        {kOKOnly, {"OK"}, kOK, 0, kOK},
        {kOKCancel, {"OK", "[MSGBOX0001]"}, kOK, kCancel, kCancel},
        {kAbortRetryIgnore | 256, {"[MSGBOX0002]", "[MSGBOX0003]", "[MSGBOX0004]"}, kRetry, 0, kIgnore},
        {kYesNoCancel | kQuestion, {"[MSGBOX0005]", "[MSGBOX0006]", "[MSGBOX0007]"}, kYes, kCancel, kCancel},
        {kYesNo | kQuestion | 256, {"[MSGBOX0008]", "[MSGBOX0009]"}, kNo, 0, kNo},
        {kRetryCancel | kCritical, {"[MSGBOX0010]", "[MSGBOX0011]"}, kRetry, kCancel, kCancel},
    };
    frmQuiet q(Caption);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        std::vector<std::string> captions;
        int defaultCode = -1;
        EXPECT_EQ(AskAndAct(q, "Question text", c.style,
                            [&] {
                                captions = Shown(q);
                                for (const auto& [code, b] : q.cmdButton)
                                    if (b->isVisible() && b->isDefault()) defaultCode = code;
                                q.Button(c.defaultCode)->click();
                            }),
                  c.defaultCode);
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(defaultCode, c.defaultCode);
        // Enter presses the default button.
        EXPECT_EQ(AskAndAct(q, "Question text", c.style, [&] { Key(q, Qt::Key_Return, "\r"); }), c.defaultCode);
        // Escape presses Cancel where the set has one and does nothing otherwise.
        EXPECT_EQ(AskAndAct(q, "Question text", c.style,
                            [&] {
                                Key(q, Qt::Key_Escape, QString());
                                if (q.isVisible()) q.done(0);  // nothing happened: end the wait
                            }),
                  c.escape ? c.escape : CloseAnswer(c.style));
        // The frame's close box answers Cancel, else No, else OK.
        EXPECT_EQ(AskAndAct(q, "Question text", c.style, [&] { q.close(); }), c.close);
        EXPECT_FALSE(q.isVisible());
    }
}

TEST(frmQuiet, LettersPressOnlyTheButtonsShown) {
    frmQuiet q(Caption);
    // Yes/No with the question icon: the text stands right of the icon, "n" answers No.
    int labelLeft = 0;
    bool iconShown = false;
    EXPECT_EQ(AskAndAct(q, "Shall we?", kYesNo | kQuestion,
                        [&] {
                            labelLeft = q.lblMessage->x();
                            iconShown = q.picIcon->isVisible();
                            Key(q, Qt::Key_N, "n");
                        }),
              kNo);
    EXPECT_EQ(labelLeft, 720 / 15);
    EXPECT_TRUE(iconShown);
    // Then OK/Cancel: exactly those two, and "y" does nothing.
    std::vector<std::string> captions;
    bool stillOpen = false;
    EXPECT_EQ(AskAndAct(q, "Go on?", kOKCancel,
                        [&] {
                            captions = Shown(q);
                            Key(q, Qt::Key_Y, "y");
                            stillOpen = q.isVisible();
                            Key(q, Qt::Key_C, "C");
                        }),
              kCancel);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(captions, (std::vector<std::string>{"OK", "[MSGBOX0001]"}));
    EXPECT_FALSE(q.picIcon->isVisible());
    // Abort/Retry/Ignore by letters.
    for (const auto& [letter, code] :
         std::vector<std::pair<QString, int>>{{"a", kAbort}, {"R", kRetry}, {"i", kIgnore}})
        EXPECT_EQ(AskAndAct(q, "Error", kAbortRetryIgnore, [&] { Key(q, 0, letter); }), code);
}

TEST(frmQuiet, SizesItselfAroundItsTextAndCentresOnTheScreen) {
    frmQuiet q(Caption);
    QSize shortSize, longSize;
    int tabs = -1;
    AskAndAct(q, "Hi", kOKOnly, [&] {
        shortSize = q.size();
        q.Button(kOK)->click();
    });
    AskAndAct(q, QString(300, 'W') + "\tend", kOKOnly, [&] {
        longSize = q.size();
        tabs = static_cast<int>(q.lblMessage->text().count('\t'));
        q.Button(kOK)->click();
    });
    EXPECT_EQ(shortSize.width(), (1152 + 120 + 120) / 15);  // at least the button row
    EXPECT_GT(longSize.width(), 1000);                      // no maximum width
    EXPECT_EQ(tabs, 0);                                     // a question's tab is one blank
}

// The box stands in the middle of the desktop's free area (a panel along the top and one down
// the left here), and a box taller than that area keeps its top edge and first lines in sight.
TEST(frmQuiet, StandsWholeInTheMiddleOfTheDesktopsFreeArea) {
    const QRect area(60, 40, 700, 500);
    UseDesktopArea(area);
    frmQuiet q(Caption);
    // Where the box stands once it is up and framed.
    auto boxOf = [&q](const QString& text) {
        QRect box;
        AskAndAct(q, text, kOKOnly, [&] {
            QTimer::singleShot(0, &q, [&] {
                box = q.frameGeometry();
                q.Button(kOK)->click();
            });
        });
        return box;
    };
    const QRect shortBox = boxOf(QStringLiteral("Hi"));
    QStringList lines;
    for (int i = 0; i < 80; ++i) lines << QStringLiteral("line %1").arg(i);
    const QRect tallBox = boxOf(lines.join(QStringLiteral("\r\n")));
    UseDesktopArea(QRect());
    // As much of the area on either side.
    auto leftOver = [&](const QRect& box) { return box.left() - area.left(); };
    auto rightOver = [&](const QRect& box) { return area.right() - box.right(); };
    EXPECT_LE(std::abs(leftOver(shortBox) - rightOver(shortBox)), 1);
    EXPECT_LE(std::abs((shortBox.top() - area.top()) - (area.bottom() - shortBox.bottom())), 1);
    ASSERT_GT(tallBox.height(), area.height());
    EXPECT_EQ(tallBox.top(), area.top());
    EXPECT_LE(std::abs(leftOver(tallBox) - rightOver(tallBox)), 1);
}

}  // namespace
}  // namespace kv
