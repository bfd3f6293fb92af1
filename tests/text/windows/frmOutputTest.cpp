#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "support/SaveTestSupport.h"
#include "support/TestGame.h"
#include "text/windows/frmOutput.h"
#include "ui/main/QtHost.h"

namespace kv {
namespace {

std::vector<std::string> Items(const frmOutput& w) {
    std::vector<std::string> out;
    for (const QString& line : w.lines->Lines()) out.push_back(line.toStdString());
    return out;
}

TEST(frmOutput, ShowsEveryLineOfTheLogSplitAtLineEnds) {
    ConstantRandom rng(0.5f);
    MemorySettingsStore settings;
    QtHost host;
    Game g(rng, settings, host);
    g.lang.UseTexts({{"OutCap", "Message Log"}});
    frmOutput w(g);
    host.RegisterForm(Form::frmOutput, &w);
    host.onOutputLine = [&](const QString& line) { w.AddLine(line); };
    host.onClearOutput = [&] { w.Clear(); };
    PrintOutput(g, "Red alert!\r\n\r\nShields up.");
    PrintOutput(g, "");
    EXPECT_EQ(Items(w), (std::vector<std::string>{"Red alert!", "", "Shields up.", ""}));
    EXPECT_EQ(host.OutputLines(), Items(w));
    EXPECT_EQ(w.windowTitle(), "Message Log");
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

    host.ClearOutputLog();
    EXPECT_TRUE(Items(w).empty());
    EXPECT_TRUE(host.OutputLines().empty());
}

TEST(frmOutput, KeepsAtMost65535Lines) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    frmOutput w(tg.game);
    for (int i = 0; i < 65536; ++i) w.AddLine(QString::number(i));
    EXPECT_EQ(w.lines->rowCount(), 65535);
    EXPECT_EQ(w.lines->Lines().front(), "1");
    EXPECT_EQ(w.lstOutput->model()->index(65534, 0).data().toString(), "65535");
}

TEST(frmOutput, SaveWritesTheLogThroughTheSaveDialog) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    frmOutput w(tg.game);
    PrintOutput(tg.game, "Docked at starbase 2.\r\nRepairs complete.");
    const std::string base = tg.scratch.Saves() + "voyage";
    tg.host.files = {base};
    w.mnuSave_Click();
    EXPECT_EQ(tg.host.Events("savefile:"), (std::vector<std::string>{"savefile:*.LOG"}));
    const std::string text = savetest::ReadAll(base + ".LOG");
    const size_t firstLine = text.find("\r\n");
    ASSERT_NE(firstLine, std::string::npos);
    EXPECT_GT(firstLine, 0u);  // the date and time
    EXPECT_EQ(text.substr(firstLine + 2), "Docked at starbase 2.\r\nRepairs complete.\r\n");
}

}  // namespace
}  // namespace kv
