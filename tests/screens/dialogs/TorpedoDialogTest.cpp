#include <gtest/gtest.h>

#include "engine/computer/FirePlan.h"
#include "screens/dialogs/TorpedoDialog.h"
#include "support/DialogTestSupport.h"

namespace kv::test {
namespace {

struct TorpedoDialogTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    DialogGame tg{rng};
    GameState& s = tg.st;

    void SetUp() override {
        s.TorpedoStockClass1 = 10;
        s.TorpedoStockClass2 = 4;
        s.TorpedoClass2Power = 3;
    }
    void Return(const SectorFrames& frames) {
        s.SectorPickMode = kTorpedoPick;
        TorpedoDialogActivate(tg.game, frames);
    }
};

TEST_F(TorpedoDialogTest, PickedTorpedoesAreWrittenInTextOrder) {
    SectorFrames frames = DialogGame::Frames({{6, 7}, {4, 5}});
    frames[(2 - 1) * 8 + 2 - 1] = {true, 3, 14};  // two class-2 torpedoes at 2,2
    Return(frames);
    EXPECT_EQ(s.TorpedoPlan, (std::vector<std::string>{
                                 "*3*Torpedo at range 2.83 to sector 2,2", "*3*Torpedo at range 2.83 to sector 2,2",
                                 "Torpedo at range 1.00 to sector 4,5", "Torpedo at range 3.61 to sector 6,7"}));
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_TRUE(s.TorpedoDialog.SwitchClassVisible);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{});
}

TEST_F(TorpedoDialogTest, TheRoomIsEightAndNeverMoreThanTheTorpedoesAboard) {
    struct Case {
        Integer class1, class2;
        size_t kept;
    };
    for (const auto& c : {Case{3, 2, 5}, Case{20, 0, 8}}) {
        SCOPED_TRACE(c.class1);
        s.TorpedoPlan.clear();
        tg.host.notices.clear();
        s.TorpedoStockClass1 = c.class1;
        s.TorpedoStockClass2 = c.class2;
        Return(DialogGame::Frames({{1, 1}, {3, 8}}, 9));  // eight torpedoes at each
        EXPECT_EQ(s.TorpedoPlan.size(), c.kept);
        // The first torpedo left out is named with its sector.
        const std::string at = c.kept == 5 ? "1,1" : "3,8";
        EXPECT_EQ(tg.host.notices,
                  std::vector<std::string>{"<TOR0026><TOR0027> " + std::to_string(c.kept + 1) + "<TOR0028> " + at});
        // The message is answered: the next activation is a real one again.
        EXPECT_EQ(s.FirePlanMode, 0);
        TorpedoDialogActivate(tg.game, {});
        EXPECT_EQ(s.TorpedoPlan.size(), c.kept);
        EXPECT_EQ(TorpedoPlanRoom(s), 0);
    }
    TorpedoAdd(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<TOR0004>");
}

TEST_F(TorpedoDialogTest, AcceptChecksEachClassAgainstItsStock) {
    const std::string one = "Torpedo at range 1.00 to sector 4,5", two = "*3*" + one;
    struct Case {
        std::vector<std::string> plan;
        Integer class1, class2;
        const char* refusal;  // nullptr: fired
    };
    const Case cases[] = {
        {{two, two, two}, 10, 2, "<TOR0002> 3<TOR0003>"},
        {{one, one}, 1, 4, "<TOR0001>"},
        // The class is the mark, whatever power it names.
        {{"*1*" + one}, 5, 0, "<TOR0002> 3<TOR0003>"},
        {{two, one}, 1, 1, nullptr},
    };
    for (const auto& c : cases) {
        tg.host.notices.clear();
        s.TorpedoPlan = c.plan;
        s.TorpedoPlanPrevious.clear();
        s.TorpedoStockClass1 = c.class1;
        s.TorpedoStockClass2 = c.class2;
        tg.host.visible.insert(Form::frmTOR);
        TorpedoAccept(tg.game);
        if (c.refusal) {
            EXPECT_EQ(tg.host.notices, std::vector<std::string>{c.refusal});
            EXPECT_EQ(s.TorpedoPlan, c.plan);
            EXPECT_TRUE(s.TorpedoPlanPrevious.empty());
            EXPECT_TRUE(tg.host.IsFormVisible(Form::frmTOR));
            EXPECT_EQ(s.TorpedoStockClass2, c.class2);
        } else {
            EXPECT_FALSE(tg.host.IsFormVisible(Form::frmTOR));
            EXPECT_EQ(s.TorpedoPlanPrevious, c.plan);
            EXPECT_EQ(s.TorpedoStockClass1, 0);
            EXPECT_EQ(s.TorpedoStockClass2, 0);
        }
    }
}

TEST_F(TorpedoDialogTest, SwitchingTheClassTwiceGivesTheEntryBack) {
    Return(DialogGame::Frames({{6, 7}, {4, 5}}));
    const std::vector<std::string> plan = s.TorpedoPlan;
    s.TorpedoDialog.Selected = {false, true};
    TorpedoSwitchClass(tg.game);
    // The switched entry moves to the front, still selected.
    EXPECT_EQ(s.TorpedoPlan[0], "*3*Torpedo at range 3.61 to sector 6,7");
    EXPECT_EQ(s.TorpedoDialog.Selected, (std::vector<bool>{true, false}));
    TorpedoSwitchClass(tg.game);
    EXPECT_EQ(s.TorpedoPlan, plan);
}

// Each opening shows the plan unselected, and the select button's first click selects it all,
// whatever the button was left at.
TEST_F(TorpedoDialogTest, OpeningOffersToSelectAllAfresh) {
    s.TorpedoPlan = {"Torpedo at range 1.00 to sector 4,5", "Torpedo at range 3.61 to sector 6,7"};
    TorpedoSelectAll(tg.game);
    ASSERT_EQ(s.TorpedoDialog.Selected, (std::vector<bool>{true, true}));
    TorpedoDialogActivate(tg.game, {});
    EXPECT_EQ(s.TorpedoDialog.Selected, (std::vector<bool>{false, false}));
    EXPECT_EQ(s.TorpedoDialog.SelectAllCaption, "<TOR0031>");
    TorpedoSelectAll(tg.game);
    EXPECT_EQ(s.TorpedoDialog.Selected, (std::vector<bool>{true, true}));
    EXPECT_EQ(s.TorpedoDialog.SelectAllCaption, "<TOR0024>");
}

TEST_F(TorpedoDialogTest, EditShowsThePlanOnTheScan) {
    s.TorpedoPlan = {"*3*Torpedo at range 2.83 to sector 2,2", "Torpedo at range 1.00 to sector 4,5",
                     "Torpedo at range 1.00 to sector 4,5", "Torpedo at range 1.00 to sector 4,5"};
    const SectorFrames frames = TorpedoEdit(tg.game);
    SectorFrames expected{};
    expected[9] = {true, 2, 14};
    expected[28] = {true, 4, 13};
    EXPECT_EQ(frames, expected);
    EXPECT_TRUE(s.TorpedoPlan.empty());
    EXPECT_EQ(s.SectorPickMode, -3);
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmSRS));

    // Coming back rebuilds the same plan.
    TorpedoDialogActivate(tg.game, frames);
    EXPECT_EQ(s.TorpedoPlan.size(), 4u);
    EXPECT_EQ(s.TorpedoPlan[0], "*3*Torpedo at range 2.83 to sector 2,2");
}

TEST_F(TorpedoDialogTest, InfoGivesTheShipsEnergyAndTheBasesStrengthInPercent) {
    tg.Zarvoni(1, 4, 7, 100);
    tg.ZarvoniBase(6, 6, 15000);
    s.TorpedoPlan = {WeaponsGame::Torpedo(4, 7), WeaponsGame::Torpedo(6, 6)};
    s.TorpedoDialog.Selected = {true, true};
    TorpedoInfo(tg.game);
    EXPECT_EQ(tg.host.notices,
              (std::vector<std::string>{
                  "<TOR0011>Zarvoni\r\n<TOR0016> 4,7<TOR0017>1.000\r\n<TOR0018>Zarvoni<TOR0019>100.0%",
                  "<TOR0014>Zarvoni<TOR0015>\r\n<TOR0016> 6,6<TOR0017>8.000\r\n<TOR0020>Zarvoni<TOR0021>75.0%"}));
}

}  // namespace
}  // namespace kv::test
