#pragma once
// High-score submission: a qualifying record is posted to the score server's web form, mailed
// to the score mailbox, or appended to HISCORE.TXT on the desktop. The window frmSubmitHS
// shows the record and calls in here from its handlers.
#include <array>
#include <string>

#include "scores/HTML.h"
#include "scores/ShellDirs.h"
#include "scores/Winsock.h"

namespace kv {

struct Game;

// The score servers. No high-score server exists for this game: the names lie under the
// reserved ".invalid" domain, so posting or mailing ends with "host not found".
inline constexpr const char* kScoreWebHost = "scores.kestrava.invalid";
inline constexpr const char* kScoreMailHost = "mail.kestrava.invalid";
inline constexpr const char* kScoreMailbox = "highscores@kestrava.invalid";

// Where and how long a submission talks to the servers (time-outs in seconds).
struct ScoreEndpoints {
    std::string webHost = kScoreWebHost;
    int webPort = 80;
    std::string mailHost = kScoreMailHost;
    int mailPort = 25;
    std::string mailbox = kScoreMailbox;
    double connectTimeout = 30;
    double webReplyTimeout = 30;
    double greetingTimeout = 30;
    double mailStepTimeout = 5;
};

// A high-score record, always in this order.
struct HighScoreRecord {
    std::string Name, SN, Code, Comments;
};

// What the submission window shows when it opens.
struct SubmitHSData {
    std::string lblType;                 // the qualification sentence
    std::array<std::string, 4> lblLine;  // the field captions
    HighScoreRecord record;              // lblName, lblSN, lblCode, lblComments
    std::string lblStatus;
    std::string cmdSubmit2Caption, cmdViewCaption;
    std::string ListKind;  // "captain", "badguy" (or anything else: no title word)
};

// What the program keeps of the high-score submission window for the whole run. (The refused
// words are the game's own: Game::badWords.)
struct HighScoreState {
    // What frmSubmitHS shows each time it opens.
    SubmitHSData dialog;
};

// The window's texts for a record and list kind.
SubmitHSData FillSubmitHighScore(Game& g, const HighScoreRecord& record, const std::string& kind);

// Fills the submission window's data for a record and list kind ("captain" or "badguy"),
// shows the window modally and returns when the player closes it.
void ShowSubmitHighScore(Game& g, HighScoreState& state, const std::string& name, const std::string& sn,
                         const std::string& code, const std::string& comments, const std::string& kind);

// What a submission needs of its window.
class SubmitHSView {
public:
    virtual ~SubmitHSView() = default;
    // Enables or disables the three submit buttons.
    virtual void SetSubmitEnabled(bool enabled) = 0;
    virtual void ShowStatus(const std::string& status) = 0;
    // Runs pending window events (called about every 10 ms while a submission waits).
    virtual void PumpEvents() = 0;
    // Opens a page in the desktop's browser; true when it started.
    virtual bool OpenInBrowser(const std::string& url) = 0;
};

// The form body: Name, SN, Code and Comments, each value strictly percent-encoded.
std::string HighScoreFormBody(const HighScoreRecord& record);
// One line of HTML: a form that posts the record to the score server's form handler.
std::string HighScoreHTMLForm(const HighScoreRecord& record, const std::string& webHost = kScoreWebHost);

class HighScoreSubmitter {
public:
    // `env` is the program's environment, where the desktop folder is looked up (none given:
    // no folder is found).
    HighScoreSubmitter(Game& g, SubmitHSView& view, ScoreEndpoints endpoints = {},
                       EnvironmentLookup env = EmptyEnvironment);

    // The socket layer (its resolver can be replaced).
    Winsock& Sockets() { return sockets_; }
    const ScoreEndpoints& Endpoints() const { return endpoints_; }

    // Each returns a status text: "Success - " and a message, "Error - " and the server's
    // reason, or any other text describing a failure.
    std::string PostHighScore(const HighScoreRecord& record);
    std::string MailHighScore(const HighScoreRecord& record);
    // Appends the record to HISCORE.TXT in the desktop folder (made when the desktop names one
    // not made yet; the home folder when the desktop has none, and the notice then names the
    // file) and shows a notice; "Success - ", or "Error - " and the reason when the file cannot
    // be written.
    std::string SaveHighScoreFile(const HighScoreRecord& record, const std::string& typeText);

    // A submit button (0 web, 1 mail, 2 desktop file): the buttons are disabled, the
    // submission runs, the status is shown ("Error - " becomes the text of KVMAIN0005), and
    // after a failure the buttons come back. True after a success.
    bool cmdSubmit_Click(int index, const HighScoreRecord& record, const std::string& typeText);
    // Opens the list page of the list kind (or the lists' folder for "").
    bool cmdView_Click(const std::string& listKind);

private:
    Game& g_;
    SubmitHSView& view_;
    ScoreEndpoints endpoints_;
    EnvironmentLookup env_;
    Winsock sockets_;
};

}  // namespace kv
