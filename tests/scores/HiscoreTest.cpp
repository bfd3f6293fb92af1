#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "scores/Hiscore.h"
#include "scores/ScriptedServer.h"
#include "support/TestGame.h"

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::ScriptedServer;

const HighScoreRecord kRecord{"Ann Lee", "S-1", "12/34", "Hi there!"};
const std::string kBody = "Name=Ann%20Lee&SN=S-1&Code=12%2F34&Comments=Hi%20there%21";

class FakeView : public SubmitHSView {
public:
    void SetSubmitEnabled(bool e) override {
        enabled = e;
        events.push_back(e ? "enable" : "disable");
    }
    void ShowStatus(const std::string& s) override {
        status = s;
        events.push_back("status:" + s);
    }
    void PumpEvents() override { ++pumps; }
    bool OpenInBrowser(const std::string& url) override {
        urls.push_back(url);
        return true;
    }
    bool enabled = true;
    std::string status;
    int pumps = 0;
    std::vector<std::string> events, urls;
};

ScoreEndpoints LocalEndpoints(int webPort, int mailPort) {
    ScoreEndpoints ep;
    ep.webHost = "scores.test";
    ep.webPort = webPort;
    ep.mailHost = "mail.test";
    ep.mailPort = mailPort;
    ep.mailbox = "box@scores.test";
    ep.connectTimeout = 5;
    ep.webReplyTimeout = 5;
    ep.greetingTimeout = 5;
    ep.mailStepTimeout = 1;
    return ep;
}

// A game with the submission's texts, a scratch home folder, a fake window and the submitter.
struct Submission {
    explicit Submission(ScoreEndpoints ep = LocalEndpoints(0, 0)) : tg(rng), sub(tg.game, view, std::move(ep), Env()) {
        tg.UseTexts({{"KVMAIN0005", "Error: "},
                     {"Captain", "Captain"},
                     {"KVGAME0073", "Your score qualifies for the "},
                     {"KVGAME0074", " list."},
                     {"KVGAME0075", "Record"},
                     {"KVGAME0076", "Name: "},
                     {"KVGAME0077", "SN: "},
                     {"KVGAME0078", "Code: "},
                     {"KVGAME0079", "Comments: "},
                     {"KVGAME0080", "Saved."},
                     {"HiscoreFileAt", "Added to this file:"},
                     {"KVGAME0081", "Next:"},
                     {"KVGAME0082", "a"},
                     {"KVGAME0083", "b"},
                     {"KVGAME0084", "c"},
                     {"CommandsSave", "Save"},
                     {"ViewList", "View list"}});
        tg.game.st.StrongEnemyText = "Morv";
        sub.Sockets().SetResolver(test::TestResolver());
        fs::remove_all(home);
        fs::create_directories(home / ".config");
    }
    ~Submission() { fs::remove_all(home); }
    EnvironmentLookup Env() {
        return [this](const std::string& name) { return name == "HOME" ? home.string() : std::string(); };
    }
    bool Click(int index) { return sub.cmdSubmit_Click(index, kRecord, "Your score qualifies for the Captain list."); }

    fs::path home = fs::temp_directory_path() / ("kv-hiscore-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    SeededRandom rng{1};
    test::TestGame tg;
    FakeView view;
    HighScoreSubmitter sub;
};

TEST(Hiscore, TheFormBodyAndTheRequest) {
    EXPECT_EQ(HighScoreFormBody(kRecord), kBody);
    EXPECT_EQ(HighScoreFormBody({"a+b", "x&SN=forged", "1", "see http://x?a&b"}),
              "Name=a%2Bb&SN=x%26SN%3Dforged&Code=1&Comments=see%20http%3A%2F%2Fx%3Fa%26b");

    std::string request;
    ScriptedServer server([&](int fd) {
        request = ScriptedServer::ReadUntil(fd, "%21\n");
        ScriptedServer::SendAll(fd, "HTTP/1.0 200 OK\r\n\r\n*\nSuccess - Added\r\n");
    });
    Submission s(LocalEndpoints(server.Port(), 0));
    EXPECT_EQ(s.sub.PostHighScore(kRecord), "Success - Added");
    server.Join();
    EXPECT_EQ(request,
              "POST /cgibin/posths.cgi HTTP/1.0\nUser-Agent: HighScore/1.0\nHost: scores.test\nAccept: */*\n"
              "Content-type: application/x-www-form-urlencoded\nContent-length: 57\n\n" +
                  kBody + "\n");
}

TEST(Hiscore, TheWebServersAnswerDecidesTheStatusAndTheButtons) {
    struct Case {
        std::vector<std::string> pieces;
        const char* status;
        bool success;
    } cases[] = {
        {{"HTTP/1.0 200 OK\r\n\r\n<p>Thanks *\n", "Success - Added\r\n</p>\n"}, "Added", true},
        {{"HTTP/1.0 200 OK\r\n\r\n*\nError - Bad code\r\n"}, "Error: Bad code", false},
        {{"HTTP/1.0 503 Busy\r\nRetry later\r\n"}, "Service Temporarily Unavailable: HTTP/1.0 503 Busy\r", false},
        {{"*\nSuccess - Added"}, "Service Temporarily Unavailable: *", false},  // status line cut off
        {{"no line feed at all"}, "Service Temporarily Unavailable: no line feed at all", false},
    };
    for (const Case& c : cases) {
        ScriptedServer server([&](int fd) {
            ScriptedServer::ReadUntil(fd, "%21\n");
            for (const std::string& piece : c.pieces) {
                ScriptedServer::SendAll(fd, piece);
                ScriptedServer::Sleep(30);
            }
        });
        Submission s(LocalEndpoints(server.Port(), 0));
        EXPECT_EQ(s.Click(0), c.success) << c.status;
        EXPECT_EQ(s.view.status, c.status);
        const std::vector<std::string> events =
            c.success ? std::vector<std::string>{"disable", "status:" + std::string(c.status)}
                      : std::vector<std::string>{"disable", "status:" + std::string(c.status), "enable"};
        EXPECT_EQ(s.view.events, events);
    }
}

TEST(Hiscore, NoAnswerRefusalAndAnUnknownHostAreFailures) {
    {
        ScriptedServer server([&](int fd) { ScriptedServer::ReadToClose(fd); });
        ScoreEndpoints ep = LocalEndpoints(server.Port(), 0);
        ep.webReplyTimeout = 0.3;
        Submission s(ep);
        EXPECT_FALSE(s.Click(0));
        EXPECT_EQ(s.view.status, "Connection timed out.");
        EXPECT_TRUE(s.view.enabled);
        EXPECT_GT(s.view.pumps, 5);  // the window stayed alive while waiting
    }
    {
        test::RefusingPort refusing;
        Submission s(LocalEndpoints(refusing.Port(), refusing.Port()));
        EXPECT_EQ(s.sub.PostHighScore(kRecord), "Connection refused.");
        EXPECT_EQ(s.sub.MailHighScore(kRecord), "Connection refused.");
    }
    {
        ScoreEndpoints ep = LocalEndpoints(80, 25);
        ep.webHost = ep.mailHost = "nowhere.invalid";
        Submission s(ep);
        EXPECT_FALSE(s.Click(0));
        EXPECT_EQ(s.view.status, "Authoritative answer host not found.");
        EXPECT_TRUE(s.view.enabled);
        EXPECT_EQ(s.sub.MailHighScore(kRecord), "Authoritative answer host not found.");
    }
}

// A mail server that answers every step; `dataAnswer` follows its 354 answer to "data", in
// the same write or a later one.
struct MailServer {
    MailServer(std::string dataAnswer, bool together)
        : server([this, dataAnswer, together](int fd) {
              ScriptedServer::SendAll(fd, "220 mail.test ready\r\n");
              for (const char* answer : {"250 hello\r\n", "250 sender ok\r\n", "250 recipient ok\r\n"}) {
                  transcript += ScriptedServer::ReadUntil(fd, "\r\n");
                  ScriptedServer::SendAll(fd, answer);
              }
              transcript += ScriptedServer::ReadUntil(fd, "\r\n.\r\n");
              if (together) {
                  ScriptedServer::SendAll(fd, "354 go ahead\r\n" + dataAnswer);
              } else {
                  ScriptedServer::SendAll(fd, "354 go ahead\r\n");
                  ScriptedServer::Sleep(50);
                  ScriptedServer::SendAll(fd, dataAnswer);
              }
              transcript += ScriptedServer::ReadUntil(fd, "\r\n");
              ScriptedServer::SendAll(fd, "221 bye\r\n");
          }) {}
    std::string transcript;
    ScriptedServer server;
};

TEST(Hiscore, TheMailDialogueSendsTheExactCommandsAndTheAnswerToTheDataDecides) {
    const std::string expected =
        "helo localhost.\r\nmail From: <box@scores.test>\r\nrcpt To: <box@scores.test>\r\n"
        "data\r\nFrom: Ann Lee<box@scores.test>\r\nTo: High Score Submission<box@scores.test>\r\n"
        "Subject: High Score Posting\r\nContent-Type: text/html\r\n\r\n" +
        HighScoreHTMLForm(kRecord, "scores.test") + "\r\n.\r\nquit\r\n";
    struct Case {
        const char* dataAnswer;
        bool together, sent;
    } cases[] = {
        {"250 queued\r\n", false, true},
        {"250 queued\r\n", true, true},
        {"554 refused\r\n", false, false},  // refused, although quit is answered with 221
        {"", false, false},                 // no answer to the message's end
        {"250", false, false},              // cut off: no line end before the time-out
        {"250 queued", true, false},
        {"250-queued\r\n", false, false},  // a line with more to follow, and nothing follows
    };
    for (const Case& c : cases) {
        MailServer mail(c.dataAnswer, c.together);
        Submission s(LocalEndpoints(0, mail.server.Port()));
        EXPECT_EQ(s.Click(1), c.sent) << c.dataAnswer;
        EXPECT_EQ(s.view.status, c.sent ? "Email sent" : "Error:  Problem while sending email");
        EXPECT_EQ(s.view.enabled, !c.sent);
        mail.server.Join();
        EXPECT_EQ(mail.transcript, expected);
    }
}

TEST(Hiscore, ANameWithALineBreakGivesOneFromLine) {
    MailServer mail("250 queued\r\n", false);
    Submission s(LocalEndpoints(0, mail.server.Port()));
    EXPECT_EQ(s.sub.MailHighScore({"  Ann\r\nBcc: eve@x.invalid ", "S-1", "1", "c"}), "Success - Email sent");
    mail.server.Join();
    std::istringstream lines(mail.transcript);
    int from = 0, bcc = 0;
    for (std::string line; std::getline(lines, line);) {
        from += line.rfind("From:", 0) == 0;
        bcc += line.rfind("Bcc:", 0) == 0;
    }
    EXPECT_EQ(from, 1);
    EXPECT_EQ(bcc, 0);
    EXPECT_NE(mail.transcript.find("From: Ann  Bcc: eve@x.invalid<box@scores.test>\r\n"), std::string::npos);
}

TEST(Hiscore, ASilentMailServerIsAFailure) {
    ScriptedServer server([&](int fd) { ScriptedServer::ReadToClose(fd, 10000); });
    ScoreEndpoints ep = LocalEndpoints(0, server.Port());
    ep.greetingTimeout = ep.mailStepTimeout = 0.1;
    Submission s(ep);
    EXPECT_FALSE(s.Click(1));
    EXPECT_EQ(s.view.status, "Error:  Problem while sending email");
    EXPECT_TRUE(s.view.enabled);
}

TEST(Hiscore, TheHTMLFormEscapesEveryValue) {
    EXPECT_EQ(HighScoreHTMLForm({"A&B", "<1>", "\"q\"", "x\r\ny"}, "scores.test"),
              "<HTML><BODY><FORM method=\"POST\" action=\"http://scores.test/cgibin/posths.cgi\">"
              "<INPUT type=\"hidden\" name=\"Name\" value=\"A&amp;B\">"
              "<INPUT type=\"hidden\" name=\"SN\" value=\"&lt;1&gt;\">"
              "<INPUT type=\"hidden\" name=\"Code\" value=\"&quot;q&quot;\">"
              "<INPUT type=\"hidden\" name=\"Comments\" value=\"x&#13;&#10;y\">"
              "<INPUT type=\"submit\" value=\"Submit High Score\"></FORM></BODY></HTML>");
}

TEST(Hiscore, SavingAppendsEightLinesToTheDesktopFileAndShowsTheNotice) {
    Submission s;
    fs::create_directories(s.home / "Desktop");
    EXPECT_TRUE(s.Click(2));
    EXPECT_EQ(s.view.status, "");
    EXPECT_FALSE(s.view.enabled);
    EXPECT_EQ(s.view.events, (std::vector<std::string>{"disable", "status:"}));
    EXPECT_EQ(s.sub.SaveHighScoreFile(kRecord, "Type"), "Success - ");

    std::ifstream in(s.home / "Desktop" / "HISCORE.TXT", std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string block =
        "\r\nRecord\r\n\r\nName: Ann Lee\r\nSN: S-1\r\nCode: 12/34\r\nComments: Hi there!\r\n\r\n";
    EXPECT_EQ(file, "Your score qualifies for the Captain list." + block + "Type" + block);

    const std::string nl = "\r\n";
    ASSERT_EQ(s.tg.host.notices.size(), 2u);
    EXPECT_EQ(s.tg.host.notices[0], "Your score qualifies for the Captain list." + nl + "Record" + nl + nl +
                                        "Name: Ann Lee" + nl + "SN: S-1" + nl + "Code: 12/34" + nl + nl + "Saved." +
                                        nl + "Next:" + nl + "\ta" + nl + "\tb" + nl + "\tc");
}

TEST(Hiscore, TheRecordGoesToTheDesktopsFolderElseTheNoticeNamesTheFile) {
    struct Case {
        const char* what;
        const char* userDirs;  // nullptr: no user-dirs.dirs
        bool desktopMade;      // ~/Desktop exists
        const char* file;      // under the home folder
        bool onDesktop;
    };
    const Case cases[] = {
        {"the named desktop is made where missing", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", false,
         "Schreibtisch/HISCORE.TXT", true},
        {"the usual Desktop folder", nullptr, true, "Desktop/HISCORE.TXT", true},
        {"no desktop folder", nullptr, false, "HISCORE.TXT", false},
        {"a desktop named as the home folder", "XDG_DESKTOP_DIR=\"$HOME/\"\n", false, "HISCORE.TXT", false},
    };
    const std::string nl = "\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Submission s;
        if (c.userDirs) std::ofstream(s.home / ".config" / "user-dirs.dirs") << c.userDirs;
        if (c.desktopMade) fs::create_directories(s.home / "Desktop");
        EXPECT_TRUE(s.Click(2));
        const fs::path file = s.home / c.file;
        EXPECT_TRUE(fs::is_regular_file(file));
        ASSERT_EQ(s.tg.host.notices.size(), 1u);
        const std::string& notice = s.tg.host.notices[0];
        const std::string where = notice.substr(notice.find("Code: 12/34") + 11);
        EXPECT_EQ(where, nl + nl + (c.onDesktop ? "Saved." : "Added to this file:" + nl + file.string()) + nl +
                             "Next:" + nl + "\ta" + nl + "\tb" + nl + "\tc");
    }
}

TEST(Hiscore, AFailedDesktopWriteIsReportedAndTheButtonsComeBack) {
    Submission s;
    // The desktop's folder cannot be made: a file stands where its parent would be.
    std::ofstream(s.home / "blocked") << "";
    std::ofstream(s.home / ".config" / "user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/blocked/desk\"\n";
    EXPECT_FALSE(s.Click(2));
    EXPECT_EQ(s.view.status, "Error: " + (s.home / "blocked" / "desk" / "HISCORE.TXT").string() + ": Not a directory");
    EXPECT_TRUE(s.view.enabled);
    EXPECT_TRUE(s.tg.host.notices.empty());
}

TEST(Hiscore, TheWindowsTextsFollowTheListKind) {
    Submission s;
    SubmitHSData captain = FillSubmitHighScore(s.tg.game, kRecord, "captain");
    EXPECT_EQ(captain.lblType, "Your score qualifies for the Captain list.");
    EXPECT_EQ(captain.lblLine, (std::array<std::string, 4>{"Name: ", "SN: ", "Code: ", "Comments: "}));
    EXPECT_EQ(captain.record.Comments, "Hi there!");
    EXPECT_EQ(captain.cmdSubmit2Caption, "Save");
    EXPECT_EQ(captain.cmdViewCaption, "View list");
    EXPECT_EQ(captain.ListKind, "captain");
    EXPECT_EQ(captain.lblStatus, "");
    EXPECT_EQ(FillSubmitHighScore(s.tg.game, kRecord, "badguy").lblType, "Your score qualifies for the Morv list.");
    EXPECT_EQ(FillSubmitHighScore(s.tg.game, kRecord, "other").lblType, "Your score qualifies for the  list.");

    EXPECT_TRUE(s.sub.cmdView_Click("captain"));
    EXPECT_TRUE(s.sub.cmdView_Click(""));
    EXPECT_EQ(s.view.urls,
              (std::vector<std::string>{"http://scores.test/kestrava/captain.shtml", "http://scores.test/kestrava"}));
    // A submit button outside the three does nothing.
    EXPECT_FALSE(s.sub.cmdSubmit_Click(3, kRecord, ""));
    EXPECT_TRUE(s.view.events.empty());
}

TEST(Hiscore, ShowSubmitHighScoreFillsTheWindowsDataAndOpensItModally) {
    Submission s;
    HighScoreState state;
    std::string shown;
    s.tg.host.modal[Form::frmSubmitHS] = [&] {
        shown = state.dialog.lblType + "|" + state.dialog.record.Name + "|" + state.dialog.ListKind;
        return kCancel;
    };
    ShowSubmitHighScore(s.tg.game, state, "Ann Lee", "S-1", "12/34", "Hi", "badguy");
    EXPECT_EQ(shown, "Your score qualifies for the Morv list.|Ann Lee|badguy");
}

TEST(Hiscore, TheShippedEnglishTextsMakeWholeSentences) {
    SeededRandom rng{1};
    test::ScratchFolder scratch;
    MemorySettingsStore settings;
    settings.SaveSetting(kAppName, "Language", "Current", "English");
    settings.SaveSetting(kAppName, "Language", "English", "English.lng");
    test::RecordingHost host;
    Game g(rng, settings, host, {std::string(KESTRAVA_DATA_DIR) + "/", scratch.Config(), scratch.Saves()});
    g.st.StrongEnemyText = g.Text("StrongEnemy");
    EXPECT_EQ(FillSubmitHighScore(g, kRecord, "captain").lblType,
              "Your score qualifies for the Captain high-score list.");
    EXPECT_EQ(FillSubmitHighScore(g, kRecord, "badguy").lblType, "Your score qualifies for the Morv high-score list.");
    for (int n = 73; n <= 84; ++n) EXPECT_FALSE(g.Text("KVGAME00" + std::to_string(n)).empty()) << n;
    EXPECT_EQ(g.Text("KVGAME0076"), "Name: ");
    EXPECT_EQ(g.Text("KVMAIN0005"), "Error: ");
}

}  // namespace
}  // namespace kv
