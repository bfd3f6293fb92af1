#include <gtest/gtest.h>

#include "scores/SMTP.h"

namespace kv {
namespace {

TEST(SMTP, CommandsAndTheMessageBlock) {
    SMTPMessage m;
    m.MailFromHeader = "stale";
    EXPECT_EQ(m.SMTPHelo("localhost"), "helo localhost.\r\n");
    EXPECT_EQ(m.MailFromHeader, "");
    EXPECT_EQ(m.SMTPMailFrom("box@x.invalid", "Ann Lee"), "mail From: <box@x.invalid>\r\n");
    EXPECT_EQ(m.SMTPRcptTo("box@x.invalid", "Scores"), "rcpt To: <box@x.invalid>\r\n");
    EXPECT_EQ(m.SMTPData("Subj", "<p>body</p>", "Content-Type: text/html"),
              "data\r\nFrom: Ann Lee<box@x.invalid>\r\nTo: Scores<box@x.invalid>\r\nSubject: Subj\r\n"
              "Content-Type: text/html\r\n\r\n<p>body</p>\r\n.\r\n");
    EXPECT_EQ(SMTPMessage::SMTPQuit(), "quit\r\n");

    // No display name: no From line; no headers at all: no blank line; an extra header that
    // ends with its own line feed gets no second one.
    SMTPMessage bare;
    bare.SMTPHelo("h");
    bare.SMTPMailFrom("a@b", "");
    EXPECT_EQ(bare.SMTPData("", "x", ""), "data\r\nx\r\n.\r\n");
    EXPECT_EQ(bare.SMTPData("", "x", "X-A: 1\r\n"), "data\r\nX-A: 1\r\n\r\nx\r\n.\r\n");
}

TEST(SMTP, ControlCharactersInADisplayNameBecomeBlanksAndBodyDotsAreDoubled) {
    SMTPMessage m;
    m.SMTPMailFrom("a@b", "Ann\r\nBcc: c@d");
    m.SMTPRcptTo("a@b", "Tab\there");
    EXPECT_EQ(m.MailFromHeader, "Ann  Bcc: c@d<a@b>");
    EXPECT_EQ(m.MailToHeader, "Tab here<a@b>");
    EXPECT_EQ(m.SMTPData("", ".start\r\n.\r\nmid.dle\n..two", ""),
              "data\r\nFrom: Ann  Bcc: c@d<a@b>\r\nTo: Tab here<a@b>\r\n\r\n"
              "..start\r\n..\r\nmid.dle\n...two\r\n.\r\n");
}

TEST(SMTP, ReplyCodeIsReadFromTheLastLine) {
    struct Case {
        const char* reply;
        int code;
    } cases[] = {
        {"250-a\r\n250 ok\r\n", 250},
        {"354 go\r\n250 ok\r\n", 250},
        {"250 ok\r\n221 bye", 221},
        {"554 no\r\n", 554},
        {"", 0},
        {"ab", 0},
        {"25", 25},
        {"2x5 odd\r\n", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(SMTPReplyCode(c.reply), c.code) << c.reply;
}

TEST(SMTP, AReplyIsCompleteOnAWholeFinalLine) {
    struct Case {
        const char* reply;
        bool afterData, complete;
    } cases[] = {
        {"220 hi\r\n", false, true},
        {"220-hi\r\n", false, false},
        {"220-hi\r\n220 there\r\n", false, true},
        {"220 hi", false, false},
        {"354 go\r\n", false, true},
        {"354 go\r\n", true, false},
        {"354 go\r\n250 ok\r\n", true, true},
        {"554 no\r\n", true, true},
        {"hello\r\n", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) EXPECT_EQ(SMTPReplyComplete(c.reply, c.afterData), c.complete) << c.reply;
}

}  // namespace
}  // namespace kv
