#pragma once
// The command texts of a minimal mail dialogue, and the reply code read out of a server's
// answer. No socket here: the caller sends each text and waits for the answer.
#include <string>
#include <string_view>

namespace kv {

class SMTPMessage {
public:
    // "helo <domain>." CR LF; empties both header values.
    std::string SMTPHelo(const std::string& domain);
    // "mail From: <address>" CR LF. A display name gives the "From: " header its value
    // (name + "<address>"); the "To: " header value is emptied in every case.
    std::string SMTPMailFrom(const std::string& address, const std::string& displayName);
    // "rcpt To: <address>" CR LF; a display name gives the "To: " header its value.
    std::string SMTPRcptTo(const std::string& address, const std::string& displayName);
    // "data" CR LF, the header lines (From, To, Subject and the extra header text, each when
    // not empty), a blank line when there were any, the body with every line that begins
    // with "." given one more, and the end mark CR LF "." CR LF.
    std::string SMTPData(const std::string& subject, const std::string& body, const std::string& extraHeader) const;
    // "quit" CR LF.
    static std::string SMTPQuit();

    // The header values ("" leaves the header line out).
    std::string MailFromHeader, MailToHeader;
};

// The code at the start of the reply's last line: the value of its leading digits among the
// first three characters (0 when there are none).
int SMTPReplyCode(std::string_view reply);

// True when the reply text ends with a whole final reply line ("NNN text" CR LF, not the
// "NNN-" of a line with more to follow). With `afterData` an intermediate 3xx answer (the
// "go ahead" to the data command) does not end it: the answer to the message's end is awaited.
bool SMTPReplyComplete(std::string_view reply, bool afterData);

}  // namespace kv
