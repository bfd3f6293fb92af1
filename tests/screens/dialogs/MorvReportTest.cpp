#include <gtest/gtest.h>

#include "screens/dialogs/MorvReport.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

TEST(MorvReportTest, TypesEachLabelACharacterATick) {
    ScriptedRandom rng;
    TestGame tg(rng);
    GameState& s = tg.st;
    s.MorvReportTag = {"Stars", "12", "", "3", "Strength", "45%", "", "", "", "", "", "\xC3\xA9t\xC3\xA9"};
    MorvReportActivate(tg.game);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmMorvReport_tmrAnim));

    MorvReportTick(tg.game);
    EXPECT_EQ(s.MorvReport.Caption[0], "S");
    for (int i = 0; i < 5; ++i) MorvReportTick(tg.game);  // "tars" and the step to label 1
    EXPECT_EQ(s.MorvReport.Caption[0], "Stars");
    EXPECT_EQ(s.MorvReport.Caption[1], "");
    MorvReportTick(tg.game);
    EXPECT_EQ(s.MorvReport.Caption[1], "1");

    // The whole report takes the sum of (length + 1) ticks; one more marks it finished.
    int ticks = 7;
    while (s.MorvReport.Run != 7 && ticks < 100) {
        MorvReportTick(tg.game);
        ++ticks;
    }
    EXPECT_EQ(ticks, 6 + 3 + 1 + 2 + 9 + 4 + 5 * 1 + 4 + 1);
    EXPECT_EQ(s.MorvReport.Caption, s.MorvReportTag);  // a character is a whole letter
    EXPECT_FALSE(MorvReportTick(tg.game));
}

TEST(MorvReportTest, CloseEmptiesTheReportAtTheNextTick) {
    ScriptedRandom rng;
    TestGame tg(rng);
    GameState& s = tg.st;
    s.MorvReportTag[0] = "Stars";
    s.MorvReportTag[1] = "12";
    tg.host.visible.insert(Form::frmMorvReport);
    MorvReportActivate(tg.game);
    for (int i = 0; i < 8; ++i) MorvReportTick(tg.game);
    MorvReportClose(tg.game);
    EXPECT_TRUE(MorvReportTick(tg.game));
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmMorvReport));
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmMorvReport_tmrAnim));
    // Typing has started over: the next showing opens with the first character.
    EXPECT_EQ(s.MorvReport.Caption[0], "S");
    EXPECT_EQ(s.MorvReport.Caption[1], "");
}

}  // namespace
}  // namespace kv::test
