#include <gtest/gtest.h>

#include "screens/dialogs/ProbeDialog.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

TEST(ProbeDialogTest, TheOrderIsLoggedAndTheProbesLeftShownBeforeClosing) {
    ScriptedRandom rng;
    TurnGame tg(rng);
    GameState& s = tg.st;
    s.Probes = 10;
    s.ProbeDialog.CourseText = "3.5";
    tg.host.visible.insert(Form::frmPRO);
    ProbeAccept(tg.game);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"", "<PRO0001>3.5"}));
    EXPECT_EQ(s.ProbesLeftCaption, "9");
    EXPECT_EQ(s.Probes, 10);  // the launch spends it
    // The count is shown, then held a tenth of a second, then the dialog closes.
    const auto& e = tg.host.events;
    const auto shown = std::find(e.begin(), e.end(), "refresh:ProbeDialog");
    ASSERT_NE(shown, e.end());
    EXPECT_EQ(*(shown + 1), "wait");
    EXPECT_EQ(*(shown + 2), "hide:frmPRO");
    EXPECT_NEAR(tg.host.waited, 0.1, 1e-6);

    ProbeCancel(tg.game);
    EXPECT_EQ(s.ProbeDialog.CourseText, "-32767");
}

TEST(ProbeDialogTest, ACourseOutsideTheDialIsRefused) {
    ScriptedRandom rng;
    TurnGame tg(rng);
    GameState& s = tg.st;
    for (const char* typed : {"0", "9.5", "abc"}) {
        tg.host.notices.clear();
        s.ProbeDialog.CourseValue = 50;
        ProbeCourseTyped(tg.game, typed);
        EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<PRO0002>"}) << typed;
        EXPECT_EQ(s.ProbeDialog.CourseText, "1.0");
        EXPECT_EQ(s.ProbeDialog.CourseValue, 10);
    }
    for (const char* typed : {"1", "9", "4.5", "-32767"}) {
        ProbeCourseTyped(tg.game, typed);
        EXPECT_EQ(s.ProbeDialog.CourseText, typed);
    }
    EXPECT_EQ(tg.host.notices.size(), 1u);
}

}  // namespace
}  // namespace kv::test
