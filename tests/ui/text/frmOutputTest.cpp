#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <deque>

#include "support/SaveTestSupport.h"
#include "ui/text/frmOutput.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

std::vector<std::string> Items(const frmOutput& w) {
    std::vector<std::string> out;
    for (const QString& line : w.lines->Lines()) out.push_back(line.toStdString());
    return out;
}

TEST(frmOutput, ShowsEveryLineOfTheLogSplitAtLineEnds) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng, {{"OutCap", "Message Log"}}, false);
    PrintOutput(dg.game, "Kestrava 1.3.0");  // before the window is made: it shows it too
    dg.host.LoadForm(Form::frmOutput);
    auto& w = *dg.Window<frmOutput>(Form::frmOutput);
    PrintOutput(dg.game, "Red alert!\r\n\r\nShields up.");
    PrintOutput(dg.game, "");
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Kestrava 1.3.0", "Red alert!", "", "Shields up.", ""}));
    EXPECT_EQ(dg.host.OutputLines(), Items(w));
    EXPECT_EQ(dg.Shown(Form::frmOutput, ""), "Message Log");
    EXPECT_FALSE(w.mnuSave->isVisible());  // offered only while the final report is open
    EXPECT_FALSE(w.menuBar->isVisibleTo(&w));
    w.SetLogCommandsVisible(true);
    EXPECT_TRUE(w.menuBar->isVisibleTo(&w));

    // The list is for reading: a click keeps no selection.
    w.show();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w.lstOutput->viewport(), &click);
    EXPECT_FALSE(w.lstOutput->selectionModel()->hasSelection());
    w.hide();

    dg.host.ClearOutputLog();
    EXPECT_TRUE(Items(w).empty());
    EXPECT_TRUE(dg.host.OutputLines().empty());
}

TEST(frmOutput, EveryLineIsShownWholeAndTheListScrollsSidewaysToALongOne) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    auto& w = *dg.Window<frmOutput>(Form::frmOutput);
    w.resize(200, 160);
    w.show();
    const QStringList shown = {"Ok.", "Phaser shot 1 -> Zarvoni ship at sector 3,4 disabled; its quadrant is clear",
                               "Its quadrant holds 2 stars.", ""};
    for (const QString& line : shown) w.AddLine(line);
    QListView* list = w.lstOutput;
    // Each font size the options give: every row is as wide as its text, the list scrolls
    // sideways, and scrolled to its end the longest line's last letter is in view.
    for (double points : {10.0, 18.0}) {
        dg.game.options.lblPreviewSize = points;
        dg.host.Refresh(View::OutputFont);
        list->doItemsLayout();
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < shown.size(); ++row) {
            const QRect r = list->visualRect(list->model()->index(row, 0));
            EXPECT_GE(r.width(), metrics.horizontalAdvance(shown[row]) + 4) << points << " pt, row " << row;
        }
        QScrollBar* across = list->horizontalScrollBar();
        EXPECT_GT(across->maximum(), 0) << points;
        across->setValue(across->maximum());
        const QRect longest = list->visualRect(list->model()->index(1, 0));
        EXPECT_LE(longest.left() + metrics.horizontalAdvance(shown[1]), list->viewport()->width()) << points;
        EXPECT_GE(longest.right(), 0) << points;
        across->setValue(0);
    }
    w.hide();
}

TEST(frmOutput, KeepsAtMost65535Lines) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    auto& w = *dg.Window<frmOutput>(Form::frmOutput);
    for (int i = 0; i < 65536; ++i) w.AddLine(QString::number(i));
    EXPECT_EQ(w.lines->rowCount(), 65535);
    EXPECT_EQ(w.lines->Lines().front(), "1");
    EXPECT_EQ(w.lstOutput->model()->index(65534, 0).data().toString(), "65535");
}

TEST(frmOutput, SaveWritesTheLogThroughTheSaveDialogInTheSavedGamesFolder) {
    ConstantRandom rng(0.5f);
    test::DesktopGame dg(rng);
    PrintOutput(dg.game, "Docked at starbase 2.\r\nRepairs complete.");
    const std::string base = dg.scratch.Saves() + "voyage";
    dg.script.files = {base};
    dg.Choose(Form::frmOutput, "mnuSave");
    EXPECT_EQ(dg.script.fileFolders, std::vector<std::string>{dg.scratch.Saves()});
    const std::string text = savetest::ReadAll(base + ".LOG");
    const size_t firstLine = text.find("\r\n");
    ASSERT_NE(firstLine, std::string::npos);
    EXPECT_GT(firstLine, 0u);  // the date and time
    EXPECT_EQ(text.substr(firstLine + 2), "Docked at starbase 2.\r\nRepairs complete.\r\n");
}

// Through the saved-games dialog: the question is about the log file the save would replace,
// and says when that is a saved game's own log; a saved game of the name alone asks nothing.
TEST(frmOutput, SaveAsksAboutTheLogFileItWouldReplace) {
    struct Case {
        const char* typed;
        std::deque<int> answers;
        std::string question;  // "" when none
        const char* file;      // the log file of the name
        bool written;
    };
    const Case cases[] = {
        {"voyage", {kNo}, "<OutOverwrite>voyage.LOG?\r\n<OutGameLog>", "voyage.LOG", false},
        {"voyage", {kYes}, "<OutOverwrite>voyage.LOG?\r\n<OutGameLog>", "voyage.LOG", true},
        {"notes", {kYes}, "<OutOverwrite>notes.LOG?", "notes.LOG", true},
        {"fresh", {}, "", "fresh.LOG", true},
    };
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        test::DesktopGame dg(rng);
        dg.st.NewLine = "\r\n";
        dg.script.fileWindow = true;
        dg.scratch.Write("saves/voyage.KVW", "a saved game");
        dg.scratch.Write("saves/voyage.LOG", "its log");
        dg.scratch.Write("saves/notes.LOG", "old notes");
        dg.scratch.Write("saves/fresh.KVW", "another saved game");
        PrintOutput(dg.game, "Shields up.");
        dg.script.answers = c.answers;
        dg.script.modal[Form::frmFile] = [&](QDialog& f) {
            dg.Keys(Form::frmFile, "txtFile", c.typed);
            dg.Click(Form::frmFile, "cmdOK");
            if (f.isVisible()) dg.Click(Form::frmFile, "cmdCancel");
        };
        dg.Choose(Form::frmOutput, "mnuSave");
        EXPECT_EQ(dg.script.questions, c.question.empty() ? std::vector<std::string>{}
                                                          : std::vector<std::string>{c.question})
            << c.typed;
        const std::string text = savetest::ReadAll(dg.scratch.Saves() + c.file);
        EXPECT_EQ(text.find("Shields up.") != std::string::npos, c.written) << c.typed << ": " << text;
        EXPECT_EQ(savetest::ReadAll(dg.scratch.Saves() + "voyage.KVW"), "a saved game");
        EXPECT_EQ(savetest::ReadAll(dg.scratch.Saves() + "fresh.KVW"), "another saved game");
    }
}

}  // namespace
}  // namespace kv
