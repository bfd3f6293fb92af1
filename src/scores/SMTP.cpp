#include "scores/SMTP.h"

namespace kv {
namespace {

const std::string kCrLf = "\r\n";

// A player's name goes into a header line: a control character there could end the line
// and start a header of its own, so each becomes a blank.
std::string HeaderSafe(std::string s) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return s;
}

// Every line of the body that begins with "." gets one more, so that no line of the message
// reads as its end mark.
std::string DotStuffed(const std::string& body) {
    std::string out;
    out.reserve(body.size());
    bool lineStart = true;
    for (char c : body) {
        if (lineStart && c == '.') out += '.';
        out += c;
        lineStart = c == '\n';
    }
    return out;
}

// The leading digits among the first three characters of a line.
int CodeOf(std::string_view line) {
    int code = 0;
    for (size_t i = 0; i < 3 && i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        code = code * 10 + (line[i] - '0');
    return code;
}

}  // namespace

std::string SMTPMessage::SMTPHelo(const std::string& domain) {
    MailFromHeader.clear();
    MailToHeader.clear();
    return "helo " + domain + "." + kCrLf;
}

std::string SMTPMessage::SMTPMailFrom(const std::string& address, const std::string& displayName) {
    if (!displayName.empty()) MailFromHeader = HeaderSafe(displayName) + "<" + address + ">";
    MailToHeader.clear();
    return "mail From: <" + address + ">" + kCrLf;
}

std::string SMTPMessage::SMTPRcptTo(const std::string& address, const std::string& displayName) {
    if (!displayName.empty()) MailToHeader = HeaderSafe(displayName) + "<" + address + ">";
    return "rcpt To: <" + address + ">" + kCrLf;
}

std::string SMTPMessage::SMTPData(const std::string& subject, const std::string& body,
                                  const std::string& extraHeader) const {
    std::string header;
    if (!MailFromHeader.empty()) header += "From: " + MailFromHeader + kCrLf;
    if (!MailToHeader.empty()) header += "To: " + MailToHeader + kCrLf;
    if (!subject.empty()) header += "Subject: " + subject + kCrLf;
    if (!extraHeader.empty()) {
        header += extraHeader;
        if (extraHeader.back() != '\n') header += kCrLf;
    }
    if (!header.empty()) header += kCrLf;
    return "data" + kCrLf + header + DotStuffed(body) + kCrLf + "." + kCrLf;
}

std::string SMTPMessage::SMTPQuit() { return "quit" + kCrLf; }

int SMTPReplyCode(std::string_view reply) {
    for (size_t p; (p = reply.find(kCrLf)) != std::string_view::npos && reply.size() >= 2 && p < reply.size() - 2;)
        reply.remove_prefix(p + 2);
    return CodeOf(reply);
}

bool SMTPReplyComplete(std::string_view reply, bool afterData) {
    if (reply.empty() || reply.back() != '\n') return false;
    std::string_view last = reply.substr(0, reply.size() - 1);
    last = last.substr(last.rfind('\n') == std::string_view::npos ? 0 : last.rfind('\n') + 1);
    if (last.size() < 3 || CodeOf(last) < 100) return false;
    if (last.size() > 3 && last[3] == '-') return false;
    return !(afterData && CodeOf(last) / 100 == 3);
}

}  // namespace kv
