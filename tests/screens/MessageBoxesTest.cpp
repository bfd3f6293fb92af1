#include <gtest/gtest.h>

#include "screens/MessageBoxes.h"
#include "support/TestGame.h"

namespace kv {
namespace {

std::vector<int> Codes(long style) {
    std::vector<int> out;
    for (const MessageButton& b : MessageButtons(style)) out.push_back(b.code);
    return out;
}

TEST(MessageButtons, EachStyleHasItsButtonsCaptionsAndCancel) {
    struct Case {
        long style;
        std::vector<int> codes;
        std::vector<std::string> keys;
        bool cancel;
    };
    const Case cases[] = {
        {kOKOnly, {kOK}, {""}, false},
        {kOKCancel, {kOK, kCancel}, {"", "MSGBOX0001"}, true},
        {kAbortRetryIgnore, {kAbort, kRetry, kIgnore}, {"MSGBOX0002", "MSGBOX0003", "MSGBOX0004"}, false},
        {kYesNoCancel | kQuestion, {kYes, kNo, kCancel}, {"MSGBOX0005", "MSGBOX0006", "MSGBOX0007"}, true},
        {kYesNo | kQuestion, {kYes, kNo}, {"MSGBOX0008", "MSGBOX0009"}, false},
        {kRetryCancel | 256, {kRetry, kCancel}, {"MSGBOX0010", "MSGBOX0011"}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Codes(c.style), c.codes) << c.style;
        std::vector<std::string> keys;
        for (const MessageButton& b : MessageButtons(c.style)) keys.emplace_back(b.captionKey);
        EXPECT_EQ(keys, c.keys) << c.style;
        EXPECT_EQ(HasCancelButton(c.style), c.cancel) << c.style;
    }
}

TEST(MessageButtons, IconDefaultButtonAndLetters) {
    EXPECT_EQ(MessageIcon(0), -1);
    EXPECT_EQ(MessageIcon(kCritical), 0);
    EXPECT_EQ(MessageIcon(kYesNo | kQuestion), 1);
    EXPECT_EQ(MessageIcon(kExclamation), 2);
    EXPECT_EQ(MessageIcon(kInformation), 3);
    EXPECT_EQ(DefaultButtonSlot(kYesNo), 0);
    EXPECT_EQ(DefaultButtonSlot(kYesNo | 256), 1);
    EXPECT_EQ(DefaultButtonSlot(kYesNoCancel | 512), 2);
    EXPECT_EQ(DefaultButtonSlot(kOKOnly | 512), 0);  // outside the set: the first button

    const auto yesNo = MessageButtons(kYesNo);
    EXPECT_EQ(AnswerForKey('n', yesNo), kNo);
    EXPECT_EQ(AnswerForKey('Y', yesNo), kYes);
    EXPECT_EQ(AnswerForKey('c', yesNo), 0);  // no Cancel in this set
    EXPECT_EQ(AnswerForKey('x', yesNo), 0);
    const auto okCancel = MessageButtons(kOKCancel);
    EXPECT_EQ(AnswerForKey('y', okCancel), 0);
    EXPECT_EQ(AnswerForKey('o', okCancel), kOK);
    EXPECT_EQ(AnswerForKey('C', okCancel), kCancel);
    const auto ari = MessageButtons(kAbortRetryIgnore);
    EXPECT_EQ(AnswerForKey('a', ari), kAbort);
    EXPECT_EQ(AnswerForKey('R', ari), kRetry);
    EXPECT_EQ(AnswerForKey('i', ari), kIgnore);
}

TEST(LayOutMessageDialog, SizesTheWindowAroundTextIconAndButtons) {
    // A short text with one button: at least as wide as the button row.
    MessageDialogGeometry g = LayOutMessageDialog(300, 195, false, 1);
    EXPECT_EQ(g.labelLeft, 120);
    EXPECT_EQ(g.innerWidth, (1152 + 120) * 1 + 120);
    EXPECT_EQ(g.innerHeight, 120 + 195 + 120 + 312 + 120);
    EXPECT_EQ(g.buttonTop, 120 + 195 + 120);
    EXPECT_EQ(g.buttonLeft, (std::vector<long>{g.innerWidth / 2 - 1152 / 2 - 60}));

    // Beside an icon a short text starts at 720, and the window is as high as the icon's bottom
    // plus the button row.
    g = LayOutMessageDialog(3000, 195, true, 2);
    EXPECT_EQ(g.labelLeft, 720);
    EXPECT_EQ(g.innerWidth, 720 + 3000 + 120);
    EXPECT_EQ(g.innerHeight, 120 + 480 + 120 + 312 + 120);
    EXPECT_EQ(g.buttonTop, 720);
    ASSERT_EQ(g.buttonLeft.size(), 2u);
    EXPECT_EQ(g.buttonLeft[1] - g.buttonLeft[0], 1152 + 120);                   // left to right, 120 apart
    EXPECT_EQ(g.buttonLeft[0] + (g.buttonLeft[1] + 1152), g.innerWidth - 120);  // centred

    // A very long line: as wide as the line, no maximum.
    EXPECT_EQ(LayOutMessageDialog(90000, 195, false, 3).innerWidth, 120 + 90000 + 120);
}

TEST(MessageBox, ASwitchedOffSlotOnlyLogsAndASwitchedOffQuestionIsNotAsked) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.game.MessageSuppressed[7] = kTrue;
    tg.game.MessageSuppressed[0] = kTrue;
    MessageBox(tg.game, 7, "line one\r\nline two", kOKOnly);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"line one", "line two"}));
    EXPECT_TRUE(tg.host.notices.empty());
    EXPECT_EQ(MessageQuery(tg.game, 0, "Really?", kYesNo), 0);
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_EQ(tg.host.output.size(), 2u);  // a question is not logged

    tg.game.MessageSuppressed.fill(kTrue);
    MessageBox(tg.game, -1, "always", kOKOnly);  // slot -1 is always shown, and not logged
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"always"}));
    EXPECT_EQ(tg.host.output.size(), 2u);
}

TEST(MessageBox, PicksTheGamesOwnWindowOrThePlatformsBox) {
    struct Host : test::RecordingHost {
        std::vector<bool> own;
        void ShowNotice(const std::string& t, long s, bool o) override {
            own.push_back(o);
            RecordingHost::ShowNotice(t, s, o);
        }
    };
    ConstantRandom rng(0.5f);
    MemorySettingsStore settings;
    Host host;
    Game g(rng, settings, host);
    g.lang.UseTexts({});
    g.UseQuietDialogs = true;
    MessageBox(g, -1, "a", kOKOnly);
    MessageBox(g, -1, "b", kSystemModal);
    g.UseQuietDialogs = false;
    MessageBox(g, -1, "c", kOKOnly);
    EXPECT_EQ(host.own, (std::vector<bool>{true, false, false}));
}

}  // namespace
}  // namespace kv
