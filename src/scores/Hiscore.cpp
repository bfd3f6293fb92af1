#include "scores/Hiscore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/Strings.h"
#include "scores/SMTP.h"
#include "state/Game.h"

namespace kv {
namespace {

const char* const kFormPath = "/cgibin/posths.cgi";
const std::string kSuccess = "Success - ";
const std::string kError = "Error - ";

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// The server's page ends with a line ending in "*", then the status line.
bool WebReplyComplete(std::string_view reply) {
    const size_t star = reply.find("*\n");
    return star != std::string_view::npos && reply.find('\n', star + 2) != std::string_view::npos;
}

// The status line after the "*" line (without its carriage return). A reply without one, or
// whose status line has not been ended by a line feed, is no success: its first line is shown.
std::string WebStatus(const std::string& reply) {
    const size_t star = reply.find("*\n");
    if (star != std::string::npos) {
        const size_t from = star + 2;
        const size_t end = reply.find('\n', from);
        if (end != std::string::npos) {
            std::string line = reply.substr(from, end - from);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        }
    }
    return "Service Temporarily Unavailable: " + reply.substr(0, reply.find('\n'));
}

}  // namespace

SubmitHSData FillSubmitHighScore(Game& g, const HighScoreRecord& record, const std::string& kind) {
    const std::string title = kind == "captain" ? g.Text("Captain") : kind == "badguy" ? g.st.StrongEnemyText : "";
    SubmitHSData d;
    d.lblType = g.Text("KVGAME0073") + title + g.Text("KVGAME0074");
    d.lblLine = {g.Text("KVGAME0076"), g.Text("KVGAME0077"), g.Text("KVGAME0078"), g.Text("KVGAME0079")};
    d.record = record;
    d.cmdSubmit2Caption = g.Text("CommandsSave");
    d.cmdViewCaption = g.Text("ViewList");
    d.ListKind = kind;
    return d;
}

void ShowSubmitHighScore(Game& g, HighScoreState& state, const std::string& name, const std::string& sn,
                         const std::string& code, const std::string& comments, const std::string& kind) {
    state.dialog = FillSubmitHighScore(g, {name, sn, code, comments}, kind);
    g.host.RunModal(Form::frmSubmitHS);
}

std::string HighScoreFormBody(const HighScoreRecord& r) {
    return "Name=" + URLEncode(r.Name, false, true) + "&SN=" + URLEncode(r.SN, false, true) +
           "&Code=" + URLEncode(r.Code, false, true) + "&Comments=" + URLEncode(r.Comments, false, true);
}

std::string HighScoreHTMLForm(const HighScoreRecord& r, const std::string& webHost) {
    auto hidden = [](const char* name, const std::string& value) {
        return std::string("<INPUT type=\"hidden\" name=\"") + name + "\" value=\"" + HTMLEscape(value) + "\">";
    };
    return "<HTML><BODY><FORM method=\"POST\" action=\"" + HTMLEscape("http://" + webHost + kFormPath) + "\">" +
           hidden("Name", r.Name) + hidden("SN", r.SN) + hidden("Code", r.Code) + hidden("Comments", r.Comments) +
           "<INPUT type=\"submit\" value=\"Submit High Score\"></FORM></BODY></HTML>";
}

HighScoreSubmitter::HighScoreSubmitter(Game& g, SubmitHSView& view, ScoreEndpoints endpoints, EnvironmentLookup env)
    : g_(g), view_(view), endpoints_(std::move(endpoints)), env_(std::move(env)) {
    sockets_.SetPump([this] { view_.PumpEvents(); });
    sockets_.SetNotice([this](const std::string& text) { MessageBox(g_, -1, text); });
}

std::string HighScoreSubmitter::PostHighScore(const HighScoreRecord& record) {
    const std::string request =
        BuildHTTPPost("http://" + endpoints_.webHost + kFormPath, HighScoreFormBody(record), "HighScore/1.0");
    std::string status = sockets_.WinsockInit(514);
    if (!status.empty()) return status;
    std::string host = endpoints_.webHost;
    const int sock = sockets_.ConnectToHost(host, endpoints_.webPort, endpoints_.connectTimeout);
    if (sock == -1) {
        status = sockets_.LastWinsockError();
    } else {
        std::string reply;
        const bool sent = sockets_.SocketSend(sock, request) >= 0;
        const bool received =
            sent && sockets_.SocketReceive(sock, reply, endpoints_.webReplyTimeout, WebReplyComplete) >= 0;
        sockets_.SocketClose(sock);
        status = received ? WebStatus(reply) : sockets_.LastWinsockError();
    }
    sockets_.WinsockCleanup();
    return status;
}

std::string HighScoreSubmitter::MailHighScore(const HighScoreRecord& record) {
    std::string status = sockets_.WinsockInit(514);
    if (!status.empty()) return status;
    std::string host = endpoints_.mailHost;
    const int sock = sockets_.ConnectToHost(host, endpoints_.mailPort, endpoints_.connectTimeout);
    if (sock == -1) {
        status = sockets_.LastWinsockError();
        sockets_.WinsockCleanup();
        return status;
    }
    // Each step sends its command and waits for the server's answer; once the connection
    // fails the rest is skipped. The answer to the message's end decides.
    bool connected = true;
    auto step = [&](const std::string& command, double timeout, bool afterData) {
        std::string answer;
        if (!connected) return answer;
        if (!command.empty() && sockets_.SocketSend(sock, command) < 0) {
            connected = false;
            return answer;
        }
        sockets_.SocketReceive(sock, answer, timeout,
                               [afterData](std::string_view r) { return SMTPReplyComplete(r, afterData); });
        return answer;
    };
    SMTPMessage smtp;
    step("", endpoints_.greetingTimeout, false);
    step(smtp.SMTPHelo("localhost"), endpoints_.mailStepTimeout, false);
    step(smtp.SMTPMailFrom(endpoints_.mailbox, Trim(record.Name)), endpoints_.mailStepTimeout, false);
    step(smtp.SMTPRcptTo(endpoints_.mailbox, "High Score Submission"), endpoints_.mailStepTimeout, false);
    const std::string dataAnswer = step(
        smtp.SMTPData("High Score Posting", HighScoreHTMLForm(record, endpoints_.webHost), "Content-Type: text/html"),
        endpoints_.mailStepTimeout, true);
    step(SMTPMessage::SMTPQuit(), endpoints_.mailStepTimeout, false);
    sockets_.SocketClose(sock);
    // Sent only when the answer to the message's end is a whole final reply line with a 2xx
    // code: a "250" cut off by the time-out may stand for anything.
    const bool accepted = SMTPReplyComplete(dataAnswer, true) && SMTPReplyCode(dataAnswer) / 100 == 2;
    status = accepted ? kSuccess + "Email sent" : g_.Text("KVMAIN0005") + " Problem while sending email";
    sockets_.WinsockCleanup();
    return status;
}

std::string HighScoreSubmitter::SaveHighScoreFile(const HighScoreRecord& r, const std::string& typeText) {
    // The desktop's folder, made where the desktop names one that is not there yet (a folder
    // that cannot be made shows as the file's error below). A desktop without a folder gets the
    // file in the home folder, and the notice says where it went.
    std::string folder = GetSpecialFolder("Desktop", env_);
    const bool onDesktop = !folder.empty();
    if (onDesktop) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    } else {
        folder = GetSpecialFolder("User Profile", env_);
    }
    if (folder.empty()) return kError + "no desktop folder was found.";
    const std::string path = folder + "/HISCORE.TXT";
    const std::string crlf = "\r\n";
    const std::string nameLine = g_.Text("KVGAME0076") + r.Name;
    const std::string snLine = g_.Text("KVGAME0077") + r.SN;
    const std::string codeLine = g_.Text("KVGAME0078") + r.Code;
    const std::string block = typeText + crlf + g_.Text("KVGAME0075") + crlf + crlf + nameLine + crlf + snLine + crlf +
                              codeLine + crlf + g_.Text("KVGAME0079") + r.Comments + crlf + crlf;

    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return kError + path + ": " + std::strerror(errno);
    const bool written = std::fwrite(block.data(), 1, block.size(), file) == block.size();
    int err = written ? 0 : errno;
    if (std::fclose(file) != 0 && err == 0) err = errno;
    if (!written || err != 0) return kError + path + ": " + std::strerror(err != 0 ? err : EIO);

    const std::string& nl = g_.st.NewLine;
    const std::string where = onDesktop ? g_.Text("KVGAME0080") : g_.Text("HiscoreFileAt") + nl + path;
    std::string notice = typeText + nl + g_.Text("KVGAME0075") + nl + nl + nameLine + nl + snLine + nl + codeLine + nl +
                         nl + where + nl + g_.Text("KVGAME0081");
    for (const char* key : {"KVGAME0082", "KVGAME0083", "KVGAME0084"}) notice += nl + "\t" + g_.Text(key);
    MessageBox(g_, -1, notice);
    return kSuccess;
}

bool HighScoreSubmitter::cmdSubmit_Click(int index, const HighScoreRecord& record, const std::string& typeText) {
    if (index < 0 || index > 2) return false;
    view_.SetSubmitEnabled(false);
    std::string status = index == 0   ? PostHighScore(record)
                         : index == 1 ? MailHighScore(record)
                                      : SaveHighScoreFile(record, typeText);
    bool success = false;
    if (StartsWith(status, kSuccess)) {
        status.erase(0, kSuccess.size());
        success = true;
    } else if (StartsWith(status, kError)) {
        status = g_.Text("KVMAIN0005") + status.substr(kError.size());
    }
    view_.ShowStatus(status);
    if (!success) view_.SetSubmitEnabled(true);
    return success;
}

bool HighScoreSubmitter::cmdView_Click(const std::string& listKind) {
    const std::string page = listKind.empty() ? "/kestrava" : "/kestrava/" + listKind + ".shtml";
    return OpenURL(endpoints_.webHost + page, [this](const std::string& url) { return view_.OpenInBrowser(url); });
}

}  // namespace kv
