// The engine's side of the port: window enabling during an action, the busy guard, timers and
// the answer of a question closed through its frame.
#include <gtest/gtest.h>

#include "state/NullHost.h"
#include "support/TestGame.h"

namespace kv {
namespace {

TEST(Port, AQuestionClosedThroughItsFrameAnswersCancelElseNoElseOK) {
    struct Case {
        long style;
        int answer;
    };
    const Case cases[] = {{kOKOnly, kOK},
                          {kOKCancel, kCancel},
                          {kYesNoCancel, kCancel},
                          {kRetryCancel, kCancel},
                          {kYesNo | kQuestion, kNo},
                          {kOKOnly | kCritical, kOK},
                          {kAbortRetryIgnore, kIgnore}};
    NullHost host;
    for (const auto& c : cases) {
        EXPECT_EQ(CloseAnswer(c.style), c.answer) << c.style;
        EXPECT_EQ(host.AskQuestion("?", c.style, true), c.answer) << c.style;
    }
}

TEST(Port, SetFormsEnabledTouchesTheCommandWindowsAndTogglesOnlyTheBusyPointer) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    SetFormsEnabled(tg.game, false);
    std::vector<std::string> expected;
    for (int i : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 22, 23, 24, 29})
        expected.push_back(std::string("disable:") + Name(static_cast<Form>(i)));
    EXPECT_EQ(tg.host.Events("disable:"), expected);
    EXPECT_TRUE(tg.host.Events("enable:").empty());
    EXPECT_EQ(tg.host.pointer, Pointer::ArrowHourglass);
    SetFormsEnabled(tg.game, true);
    EXPECT_EQ(tg.host.Events("enable:").size(), 18u);
    EXPECT_EQ(tg.host.pointer, Pointer::Default);

    // Another shape that a dialog has set is kept either way.
    tg.host.pointer = Pointer::Hourglass;
    SetFormsEnabled(tg.game, false);
    EXPECT_EQ(tg.host.pointer, Pointer::Hourglass);
    SetFormsEnabled(tg.game, true);
    EXPECT_EQ(tg.host.pointer, Pointer::Hourglass);
}

TEST(Port, OnlyOneEngineActionRunsAtATime) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    EXPECT_FALSE(tg.game.Busy());
    {
        EngineAction outer(tg.game);
        ASSERT_TRUE(outer);
        EXPECT_TRUE(tg.game.Busy());
        // A click or tick during a pause of the running action is turned away.
        EngineAction inner(tg.game);
        EXPECT_FALSE(inner);
        EXPECT_TRUE(tg.game.Busy());
    }
    EXPECT_FALSE(tg.game.Busy());
    EngineAction next(tg.game);
    EXPECT_TRUE(next);
}

TEST(Port, AModalWindowOfAnActionRunsItsOwnHandlersOneAtATime) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    EngineAction outer(tg.game);
    {
        ModalLevel window(tg.game);  // the action waits for the window it opened
        EXPECT_TRUE(tg.game.CanStartAction());
        {
            EngineAction handler(tg.game);
            EXPECT_TRUE(handler);
            EXPECT_FALSE(tg.game.CanStartAction());  // a second click while it runs
            EXPECT_FALSE(EngineAction(tg.game));
            {
                ModalLevel box(tg.game);  // the handler's own question, and so on down
                EXPECT_TRUE(EngineAction(tg.game));
            }
            EXPECT_FALSE(tg.game.CanStartAction());
        }
        EXPECT_TRUE(tg.game.CanStartAction());
    }
    EXPECT_FALSE(tg.game.CanStartAction());  // closed: the opening action holds the game again
    EXPECT_TRUE(tg.game.Busy());
}

TEST(Port, TimersAreKeptByTheGameAndTheHostHearsOfEachChange) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor));
    tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);
    tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);  // no change, no news
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor));
    tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, false);
    EXPECT_EQ(tg.host.events,
              (std::vector<std::string>{"timer:frmSRS_tmrMorvTractor:on", "timer:frmSRS_tmrMorvTractor:off"}));
}

}  // namespace
}  // namespace kv
