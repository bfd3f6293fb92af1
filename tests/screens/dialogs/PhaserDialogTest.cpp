#include <gtest/gtest.h>

#include <deque>

#include "engine/computer/FirePlan.h"
#include "screens/dialogs/PhaserDialog.h"
#include "screens/dialogs/TorpedoDialog.h"
#include "support/DialogTestSupport.h"

namespace kv::test {
namespace {

struct PhaserDialogTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    DialogGame tg{rng};
    GameState& s = tg.st;

    // The plan as picked on the scan: one entry per cell, then all of it selected.
    void Pick(std::initializer_list<std::pair<int, int>> cells) {
        s.SectorPickMode = kPhaserPick;
        PhaserDialogActivate(tg.game, DialogGame::Frames(cells));
    }
    void SelectAll() { s.PhaserDialog.Selected.assign(s.PhaserPlan.size(), true); }
    long Amount(size_t i) const { return ReadPhaserEntry(s.PhaserPlan.at(i))->amount; }
};

TEST_F(PhaserDialogTest, KillAndDisableAmountsFollowEnergyAndDistance) {
    struct Case {
        int slot, row, col, energy;
        long kill;
        std::optional<long> disable;
    };
    const Case cases[] = {
        {1, 4, 7, 100, 155, 127},  // distance 3
        {2, 5, 5, 60, 45, 31},     // distance 1.414
        {10, 2, 4, 40, 45, 24},    // slot 10, distance 2
        {3, 6, 6, 18, 30, {}},     // 18 or less: no amount disables it
        {4, 1, 1, 0, 5, {}},       // energy 0: no division
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        s.PhaserPlan.clear();
        tg.Zarvoni(c.slot, c.row, c.col, c.energy);
        Pick({{c.row, c.col}});
        SelectAll();
        PhaserKill(tg.game);
        ASSERT_EQ(s.PhaserPlan.size(), 1u);
        const auto killed = ReadPhaserEntry(s.PhaserPlan[0]);
        EXPECT_EQ(killed->amount, c.kill);
        EXPECT_EQ(killed->slot, c.slot);  // a slot of 10 stays 10
        EXPECT_EQ(s.PhaserPlanTotal, std::to_string(c.kill));

        const std::string before = s.PhaserPlan[0];
        PhaserDisable(tg.game);
        if (c.disable) {
            EXPECT_EQ(Amount(0), *c.disable);
            EXPECT_EQ(ReadPhaserEntry(s.PhaserPlan[0])->slot, c.slot);
            EXPECT_EQ(s.PhaserPlan[0].rfind("Disabling: ", 0), 0u);
        } else {
            EXPECT_EQ(s.PhaserPlan[0], before);
        }
        s.SectorGrid[c.row][c.col] = kEmpty;
        s.ZarvoniShips[1][c.slot] = s.ZarvoniShips[2][c.slot] = 0;
    }
}

TEST_F(PhaserDialogTest, PickedSectorsGetTheirLabelAndDefaultAmount) {
    tg.Zarvoni(1, 4, 7, 100);
    tg.Zarvoni(10, 2, 2, 80);
    tg.ZarvoniBase(6, 6);
    tg.Morv(8, 8, 500000);
    struct Case {
        float sensors, computer;
        int row, col;
        const char* entry;
    };
    const Case cases[] = {
        {0, 0, 4, 7, "Target at: 4,7 Z1 Power:155"},
        {0, 0, 2, 2, "Target at: 2,2 Z10 Power:115"},
        {0, 0, 1, 5, "Target at: 1,5 -- Power:1"},
        {0, 0, 6, 6, "Target at: 6,6 ZB Power:1000"},
        {0, 0, 8, 8, "Target at: 8,8 MV Power:2000"},
        // A damaged computer cannot work out the kill amount.
        {0, 1, 4, 7, "Target at: 4,7 Z1 Power:1"},
        // Damaged sensors: beyond two rows or columns nothing is known.
        {1, 0, 4, 7, "Target at: 4,7 ?? Power:1"},
        {1, 0, 2, 2, "Target at: 2,2 Z10 Power:1"},
        {1, 0, 8, 8, "Target at: 8,8 ?? Power:1"},
    };
    for (const auto& c : cases) {
        s.SystemDamage[kShortRangeSensors] = c.sensors;
        s.SystemDamage[kComputer] = c.computer;
        EXPECT_EQ(PhaserPickedEntry(tg.game, c.row, c.col), c.entry);
    }
}

TEST_F(PhaserDialogTest, APickBeyondThePlansRoomIsNamedAndLeftOut) {
    for (int i = 0; i < 6; ++i) s.PhaserPlan.push_back(WeaponsGame::Phaser(1, i + 1, "--", 1));
    Pick({{2, 3}, {3, 1}, {5, 6}});
    ASSERT_EQ(s.PhaserPlan.size(), 8u);
    EXPECT_EQ(s.PhaserPlan[6], "Target at: 2,3 -- Power:1");
    EXPECT_EQ(s.PhaserPlan[7], "Target at: 3,1 -- Power:1");
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<PHA0031>\r\n<PHA0032> 3<PHA0033> 5,6"});
    EXPECT_EQ(s.SectorPickMode, 0);
    EXPECT_EQ(s.PhaserPlanTotal, "8");
    EXPECT_EQ(tg.host.pointer, Pointer::Default);

    // A full plan takes no more picks.
    PhaserAdd(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<PHA0001>");
    EXPECT_EQ(s.SectorPickMode, 0);
}

TEST_F(PhaserDialogTest, OpeningShowsTheLastPlanUnselected) {
    s.PhaserPlan = {WeaponsGame::Phaser(1, 1, "--", 5)};
    s.PhaserDialog.Selected = {true};
    s.PhaserDialog.SelectAllTag = "1";
    s.SystemDamage[kComputer] = 0.5f;
    PhaserDialogActivate(tg.game, {});
    EXPECT_EQ(s.PhaserPlan.size(), 1u);
    EXPECT_FALSE(s.PhaserDialog.Selected[0]);
    EXPECT_EQ(s.PhaserDialog.SelectAllCaption, "<PHA0036>");
    EXPECT_FALSE(s.PhaserDialog.AutoTargetEnabled);

    PhaserSelectAll(tg.game);
    EXPECT_TRUE(s.PhaserDialog.Selected[0]);
    EXPECT_EQ(s.PhaserDialog.SelectAllCaption, "<PHA0029>");

    // The activation that closing the dialog's own message brings does nothing.
    s.FirePlanMode = 2;
    PhaserDialogActivate(tg.game, {});
    EXPECT_EQ(s.FirePlanMode, 0);
    EXPECT_TRUE(s.PhaserDialog.Selected[0]);

    // The target calculator's pick on the scan is not taken for targets.
    s.SectorPickMode = kCalculatorPick;
    PhaserDialogActivate(tg.game, DialogGame::Frames({{2, 2}}));
    EXPECT_EQ(s.PhaserPlan.size(), 1u);
    EXPECT_EQ(s.SectorPickMode, -1);
}

TEST_F(PhaserDialogTest, TheButtonsFollowWhatIsSelected) {
    tg.Zarvoni(1, 4, 7, 100);
    tg.Zarvoni(2, 5, 5, 20);
    Pick({{4, 7}, {5, 5}, {1, 1}});  // listed in cell order: 1,1 first
    struct Case {
        std::vector<bool> selected;
        float sensors;
        bool kill, disable, other;
    };
    const Case cases[] = {
        {{false, false, false}, 0, false, false, false},
        {{false, true, false}, 0, true, true, true},
        {{false, false, true}, 0, true, false, true},  // energy 20: not disabled
        {{true, false, false}, 0, false, false, true},
        {{true, true, true}, 1, false, false, true},  // damaged sensors
    };
    for (const auto& c : cases) {
        s.PhaserDialog.Selected = c.selected;
        s.SystemDamage[kShortRangeSensors] = c.sensors;
        PhaserSelectionChanged(tg.game);
        EXPECT_EQ(s.PhaserDialog.KillEnabled, c.kill);
        EXPECT_EQ(s.PhaserDialog.DisableEnabled, c.disable);
        EXPECT_EQ(s.PhaserDialog.OtherEnabled, c.other);
    }
}

TEST_F(PhaserDialogTest, OtherAmountsKeepTheLabelAndACancelKeepsTheEntry) {
    tg.Morv(6, 6, 500000);
    tg.Zarvoni(10, 2, 4, 40);
    Pick({{6, 6}, {1, 1}, {2, 4}});
    SelectAll();
    s.ShipEnergy = 5000;
    std::vector<std::string> prompts;
    std::deque<const char*> answers = {"99999", "300", "750"};  // the first one cancelled
    tg.host.modal[Form::frmGetNumber] = [&] {
        prompts.push_back(tg.game.numberDialog.lblMessage);
        tg.game.numberDialog.lblNumber = answers.front();
        answers.pop_front();
        return kOK;
    };
    PhaserOther(tg.game);
    EXPECT_EQ(s.PhaserPlan[0], "Target at: 1,1 -- Power:1");
    EXPECT_EQ(s.PhaserPlan[1], "Your shot: 2,4 Z10 Power:300");
    EXPECT_EQ(ReadPhaserEntry(s.PhaserPlan[1])->slot, 10);
    EXPECT_EQ(s.PhaserPlan[2], "Your shot: 6,6 MV Power:750");
    EXPECT_EQ(prompts[2], "<PHA0023> 6 ,6 (MV)\r\n<PHA0024> 2000\r\n<PHA0025> 2000<PHA0026>");
    EXPECT_EQ(s.PhaserPlanTotal, "1051");
    EXPECT_EQ(s.PhaserDialog.Selected, (std::vector<bool>{true, true, true}));
}

TEST_F(PhaserDialogTest, AcceptKeepsThePlanForPreviousAndFires) {
    s.PhaserPlan = {WeaponsGame::Phaser(2, 2, "--", 40), "b Target: 3,3 -- Energy:60", "A Target: 1,1 -- Energy:5"};
    tg.host.visible.insert(Form::frmPHA);
    PhaserAccept(tg.game);
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmPHA));
    EXPECT_EQ(s.PhaserPlanPrevious, (std::vector<std::string>{"A Target: 1,1 -- Energy:5", "b Target: 3,3 -- Energy:60",
                                                              WeaponsGame::Phaser(2, 2, "--", 40)}));
    EXPECT_EQ(s.ShipEnergy, 3000 - 105);  // fired into empty space

    PhaserClearAll(tg.game);
    EXPECT_EQ(s.PhaserPlanTotal, "0");
    PhaserPrevious(tg.game);
    EXPECT_EQ(s.PhaserPlan, s.PhaserPlanPrevious);
    EXPECT_EQ(s.PhaserPlanTotal, "105");

    s.PhaserDialog.Selected = {false, true, false};
    PhaserRemove(tg.game);
    EXPECT_EQ(s.PhaserPlan.size(), 2u);
    EXPECT_EQ(s.PhaserPlanTotal, "45");
}

TEST_F(PhaserDialogTest, InfoNamesWhatStandsThere) {
    tg.Zarvoni(1, 4, 7, 100);
    tg.ZarvoniBase(6, 6, 15000);
    s.PhaserPlan = {WeaponsGame::Phaser(4, 7, "Z1", 155), WeaponsGame::Phaser(6, 6, "ZB", 1000),
                    WeaponsGame::Phaser(2, 4, "--", 1)};
    SelectAll();
    PhaserInfo(tg.game);
    EXPECT_EQ(tg.host.notices,
              (std::vector<std::string>{
                  "<PHA0008>Zarvoni\r\n<PHA0013> 4,7<PHA0014>1.000\r\n<PHA0015>Zarvoni<PHA0016>100.0%",
                  "<PHA0011>Zarvoni<PHA0012>\r\n<PHA0013> 6,6<PHA0014>8.000\r\n<PHA0017>Zarvoni<PHA0018>75.0%",
                  "<PHA0006>\r\n<PHA0013> 2,4<PHA0014>3.000\r\n<PHA0019><PHA0020>"}));
}

// The Morv ship's sector has no opening text in either fire dialog's information: the message
// opens on an empty line, then the position, then the neither-ship-nor-base line.
TEST_F(PhaserDialogTest, InfoOnTheMorvShipsSectorHasNoOpeningText) {
    tg.Morv(6, 6, 500000);
    s.PhaserPlan = {WeaponsGame::Phaser(6, 6, "MV", 2000)};
    s.TorpedoPlan = {"Torpedo at range 2.83 to sector 6,6"};
    SelectAll();
    s.TorpedoDialog.Selected = {true};
    PhaserInfo(tg.game);
    TorpedoInfo(tg.game);
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"\r\n<PHA0013> 6,6<PHA0014>8.000\r\n<PHA0019><PHA0020>",
                                                         "\r\n<TOR0016> 6,6<TOR0017>8.000\r\n<TOR0022><TOR0023>"}));
}

}  // namespace
}  // namespace kv::test
