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

TEST(InitFormTable, MakesTheTableInItsOrderThenTheShipAndTheOtherWindows) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    InitFormTable(tg.game);
    const std::vector<std::string> loads = tg.host.Events("load:");
    ASSERT_GE(loads.size(), 33u);
    for (int i = 1; i <= 31; ++i) EXPECT_EQ(loads[i - 1], std::string("load:") + Name(FormTable(i)));
    EXPECT_EQ(loads[31], "load:frmShip");
    EXPECT_EQ(loads[32], "load:frmStars");
    for (Form f : {Form::frmFile, Form::frmGetNumber, Form::frmQuiet, Form::frmShowMessage, Form::frmLanguage})
        EXPECT_TRUE(tg.host.Saw(std::string("load:") + Name(f))) << Name(f);
}

TEST(RestoreFormsAfterMenu, BringsBackWhatWasOpenAndTheReportsTheOptionsAskFor) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    GameState& s = tg.game.st;
    tg.host.visible = {Form::frmMenu, Form::frmNAV, Form::frmGeneralReport};
    s.FormVisible[static_cast<int>(Form::frmSRS)] = kTrue;
    s.FormVisible[static_cast<int>(Form::frmOutput)] = kTrue;
    s.FormVisible[static_cast<int>(Form::frmMenu)] = kFalse;  // the menu itself is left alone
    s.FormVisible[static_cast<int>(Form::frmGeneralReport)] = kTrue;
    // The check boxes have the last word on the reports.
    tg.game.options.chkGeneral = tg.game.options.chkZarvoni = tg.game.options.chkStarbase = 0;
    tg.game.options.chkDamage = 1;
    RestoreFormsAfterMenu(tg.game);
    EXPECT_EQ(tg.host.visible, (std::set<Form>{Form::frmMenu, Form::frmSRS, Form::frmOutput, Form::frmDamageReport}));
    // From the top of the table down, then the reports in their order.
    const std::vector<std::string> shown = tg.host.Events("show:");
    EXPECT_EQ(shown, (std::vector<std::string>{"show:frmSRS", "show:frmGeneralReport", "show:frmOutput",
                                               "show:frmDamageReport"}));
    EXPECT_EQ(tg.host.events.front(), "hide:frmBackground");
    EXPECT_FALSE(tg.host.Saw("hide:frmMenu"));
}

TEST(ReturnToMainWindows, HidesTheComputerPanelWhenTheComputerIsDamaged) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.host.visible = {Form::frmCOM};
    ReturnToMainWindows(tg.game, 0);
    EXPECT_TRUE(tg.host.visible.count(Form::frmCOM));
    tg.game.st.SystemDamage[kComputer] = 0.1f;
    ReturnToMainWindows(tg.game, 2);
    EXPECT_FALSE(tg.host.visible.count(Form::frmCOM));
}

TEST(ReturnToMainWindows, SwitchesTheAutomaticTargetCalculatorOffUnlessCtrlAloneIsHeld) {
    struct Case {
        int shift;
        bool keepsRunning;
    };
    // 1 Shift, 2 Ctrl, 3 Ctrl and Shift, 4 Alt.
    const Case cases[] = {{0, false}, {1, false}, {2, true}, {3, false}, {4, false}};
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        test::TestGame tg(rng);
        tg.game.SetTimer(Timer::frmCOM_tmrTC, true);
        tg.st.ComTargetText = "S09";
        ReturnToMainWindows(tg.game, c.shift);
        EXPECT_EQ(tg.game.TimerEnabled(Timer::frmCOM_tmrTC), c.keepsRunning) << c.shift;
        EXPECT_EQ(tg.st.ComTargetText, c.keepsRunning ? "S09" : "") << c.shift;
    }
}

TEST(ReturnToMainWindows, HidesTheScanHoverLabelAndRedrawsTheScanOnlyWhenItShowed) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    ReturnToMainWindows(tg.game, 0);  // no label: the scan is not drawn again on every move
    EXPECT_FALSE(tg.host.Saw("refresh:ShortRangeScan"));

    tg.st.ScanHover.Visible = true;
    tg.st.ScanHover.TimerRunning = true;
    tg.st.ScanHover.Text = "Star";
    ReturnToMainWindows(tg.game, 2);  // Ctrl alone keeps the calculator, not the label
    EXPECT_FALSE(tg.st.ScanHover.Visible);
    EXPECT_FALSE(tg.st.ScanHover.TimerRunning);
    EXPECT_EQ(tg.host.Events("refresh:ShortRangeScan").size(), 1u);
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
