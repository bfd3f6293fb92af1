#include <gtest/gtest.h>

#include "state/WindowTable.h"
#include "support/TestGame.h"

namespace kv {
namespace {

TEST(FormTable, NumbersTheGameWindowsFromOne) {
    EXPECT_EQ(FormTable(1), Form::frmOutput);
    EXPECT_EQ(FormTable(4), Form::frmCommands);
    EXPECT_EQ(FormTable(11), Form::frmSRS);
    EXPECT_EQ(FormTable(21), Form::frmMenu);
    EXPECT_EQ(FormTable(31), Form::frmBackground);
    EXPECT_THROW(FormTable(0), std::out_of_range);
    EXPECT_THROW(FormTable(32), std::out_of_range);
}

TEST(HideAllForms, KeepsWhatWasShownAndLeavesTheLogTheFinalReportAndTheBackground) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.host.visible = {Form::frmOutput, Form::frmSRS, Form::frmNAV, Form::frmFinalReport, Form::frmBackground};
    tg.game.st.FormVisible.fill(kTrue);
    HideAllForms(tg.game);
    EXPECT_EQ(tg.host.visible, (std::set<Form>{Form::frmOutput, Form::frmFinalReport, Form::frmBackground}));
    for (int i = 2; i <= 29; ++i) {
        const bool wasShown = FormTable(i) == Form::frmSRS || FormTable(i) == Form::frmNAV;
        EXPECT_EQ(tg.game.st.FormVisible[i], wasShown ? kTrue : kFalse) << i;
    }
    EXPECT_EQ(tg.game.st.FormVisible[1], kTrue);  // entries outside 2..29 untouched
    EXPECT_EQ(tg.game.st.FormVisible[30], kTrue);
}

TEST(ShowGameWindows, ShowsTheGameWindowsInTheirOrder) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    ShowGameWindows(tg.game);
    EXPECT_EQ(tg.host.Events("show:"),
              (std::vector<std::string>{"show:frmSRS", "show:frmOutput", "show:frmStatus", "show:frmGalaxy",
                                        "show:frmBars", "show:frmInfo", "show:frmCOM"}));
}

TEST(ReturnToMainWindows, HidesTheComputerPanelWhenTheComputerIsDamaged) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.host.visible = {Form::frmCOM};
    ReturnToMainWindows(tg.game, 0);
    EXPECT_TRUE(tg.host.visible.count(Form::frmCOM));
    tg.game.st.SystemDamage[8] = 0.1f;
    ReturnToMainWindows(tg.game, 2);
    EXPECT_FALSE(tg.host.visible.count(Form::frmCOM));
}

TEST(QuitGame, AsksOnlyDuringAGameWhenNotForced) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    QuitGame(tg.game);  // no game: no question
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_EQ(tg.host.Events("endprogram").size(), 1u);

    tg.game.st.GameRunning = kTrue;
    QuitGame(tg.game, true);  // forced: no question
    EXPECT_TRUE(tg.host.questions.empty());
    EXPECT_EQ(tg.host.Events("endprogram").size(), 2u);

    tg.host.answers = {kNo, kYes};
    QuitGame(tg.game);
    EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<KVMAIN0020>"}));
    EXPECT_EQ(tg.host.styles.back(), kYesNo | kQuestion);
    EXPECT_EQ(tg.host.Events("endprogram").size(), 2u);  // No changes nothing
    QuitGame(tg.game);
    EXPECT_EQ(tg.host.Events("endprogram").size(), 3u);
}

}  // namespace
}  // namespace kv
