#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/SettingsStore.h"
#include "scores/ScriptedServer.h"
#include "ui/scores/frmSubmitHS.h"
#include "state/Game.h"
#include "state/NullHost.h"

namespace kv {
namespace {

using test::ScriptedServer;

struct WindowGame {
    WindowGame() : game(rng, settings, host) {
        game.lang.UseTexts({{"KVMAIN0005", "Error: "},
                            {"Captain", "Captain"},
                            {"KVGAME0073", "Your score qualifies for the "},
                            {"KVGAME0074", " high-score list."},
                            {"KVGAME0076", "Name: "},
                            {"KVGAME0077", "Serial: "},
                            {"KVGAME0078", "Code: "},
                            {"KVGAME0079", "Comments: "},
                            {"CommandsSave", "Save"},
                            {"ViewList", "View list"}});
    }
    SeededRandom rng{1};
    MemorySettingsStore settings;
    NullHost host;
    Game game;
};

ScoreEndpoints LocalWeb(int port) {
    ScoreEndpoints ep;
    ep.webHost = "scores.test";
    ep.webPort = port;
    ep.connectTimeout = ep.webReplyTimeout = 5;
    return ep;
}

TEST(frmSubmitHS, ShowsTheRecordAndItsList) {
    WindowGame wg;
    HighScoreState state;
    frmSubmitHS w(wg.game, state.dialog);
    EXPECT_EQ(w.windowTitle(), "Kestrava");
    EXPECT_EQ(w.cmdSubmit[0]->objectName(), "cmdSubmit(0)");
    EXPECT_EQ(w.cmdSubmit[0]->text(), "&Internet");
    EXPECT_EQ(w.lblLine[3]->objectName(), "lblLine(3)");
    EXPECT_FALSE(w.cmdSG->isVisibleTo(&w));

    state.dialog = FillSubmitHighScore(wg.game, {"Ann Lee", "S-1", "12/34", "Hi <b>"}, "captain");
    w.show();
    EXPECT_EQ(w.lblType->text(), "Your score qualifies for the Captain high-score list.");
    EXPECT_EQ(w.lblLine[1]->text(), "Serial: ");
    EXPECT_EQ(w.lblComments->text(), "Hi <b>");
    EXPECT_EQ(w.lblComments->textFormat(), Qt::PlainText);
    EXPECT_TRUE(w.lblComments->alignment() & Qt::AlignRight);
    EXPECT_EQ(w.cmdSubmit[2]->text(), "Save");
    EXPECT_EQ(w.cmdView->text(), "View list");
    EXPECT_EQ(w.ListKind(), "captain");

    // A comment wider than its label is left-justified.
    w.Fill(FillSubmitHighScore(wg.game, {"A", "S", "C", std::string(200, 'w')}, "badguy"));
    EXPECT_TRUE(w.lblComments->alignment() & Qt::AlignLeft);

    std::vector<QUrl> opened;
    w.openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    w.cmdView->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), QString("http://") + kScoreWebHost + "/kestrava/badguy.shtml");
}

TEST(frmSubmitHS, AWebPostReadsTheRecordFromTheLabelsAndReportsInTheWindow) {
    std::string request;
    ScriptedServer server([&](int fd) {
        request = ScriptedServer::ReadUntil(fd, "%21\n");
        ScriptedServer::SendAll(fd, "HTTP/1.0 200 OK\r\n\r\n*\n");
        ScriptedServer::Sleep(50);
        ScriptedServer::SendAll(fd, "Success - Added\r\n");
    });
    WindowGame wg;
    HighScoreState state;
    state.dialog = FillSubmitHighScore(wg.game, {"Ann Lee", "S-1", "12/34", "Hi there!"}, "captain");
    frmSubmitHS w(wg.game, state.dialog, LocalWeb(server.Port()));
    w.Submitter().Sockets().SetResolver(test::TestResolver());
    w.show();
    w.cmdSubmit[0]->click();
    server.Join();
    EXPECT_NE(request.find("\n\nName=Ann%20Lee&SN=S-1&Code=12%2F34&Comments=Hi%20there%21\n"), std::string::npos);
    EXPECT_EQ(w.lblStatus->text(), "Added");
    for (QPushButton* b : w.cmdSubmit) EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(w.cmdView->isEnabled());
}

TEST(frmSubmitHS, AFailedSaveBringsTheButtonsBackAndEachOpeningStartsAfresh) {
    QTemporaryDir home;
    const std::string homePath = home.path().toStdString();
    EnvironmentLookup env = [&](const std::string& name) { return name == "HOME" ? homePath : std::string(); };
    WindowGame wg;
    HighScoreState state;
    state.dialog = FillSubmitHighScore(wg.game, {"Ann", "S", "C", "x"}, "captain");
    frmSubmitHS w(wg.game, state.dialog, ScoreEndpoints{}, env);
    w.show();

    // The desktop folder is the home folder here; saving works and the buttons stay off.
    w.cmdSubmit[2]->click();
    EXPECT_TRUE(QFile::exists(home.filePath("HISCORE.TXT")));
    EXPECT_EQ(w.lblStatus->text(), "");
    EXPECT_FALSE(w.cmdSubmit[1]->isEnabled());

    // Opened again for another record: buttons on, the new texts, no status.
    w.hide();
    state.dialog = FillSubmitHighScore(wg.game, {"Bo", "S", "C", "y"}, "badguy");
    w.show();
    EXPECT_EQ(w.lblName->text(), "Bo");
    for (QPushButton* b : w.cmdSubmit) EXPECT_TRUE(b->isEnabled());

    // Once the folder is gone, the failure is shown and the buttons come back.
    ASSERT_TRUE(home.remove());
    w.cmdSubmit[2]->click();
    EXPECT_TRUE(w.lblStatus->text().startsWith("Error: " + QString::fromStdString(homePath)));
    for (QPushButton* b : w.cmdSubmit) EXPECT_TRUE(b->isEnabled());
}

}  // namespace
}  // namespace kv
