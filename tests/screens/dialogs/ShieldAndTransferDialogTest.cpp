#include <gtest/gtest.h>

#include "screens/dialogs/ShieldDialog.h"
#include "screens/dialogs/TransferDialog.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

struct ShieldDialogTest : ::testing::Test {
    ScriptedRandom rng;
    TurnGame tg{rng};
    GameState& s = tg.st;

    // The dialog as the shield command opens it: the old level given back to the energy.
    void Open(Integer old, Long energy, Integer max = 2000) {
        s.MaxShields = max;
        s.ShieldLevel = 0;
        s.ShipEnergy = energy;
        s.LibComputerState[0] = old;
        s.LibComputerState[1] = 0;
        ShieldDialogActivate(tg.game);
    }
};

TEST_F(ShieldDialogTest, TheButtonsKeepAReserveAndTheBoxKeepsTheRange) {
    struct Case {
        Long energy;
        const char *max, *half;
    };
    const Case cases[] = {{5000, "2000", "1000"}, {1103, "1003", "502"}, {1101, "1001", "500"}, {50, "0", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.energy);
        Open(400, c.energy);
        EXPECT_EQ(s.ShieldDialog.txtShields, "400");
        ShieldMaximum(tg.game);
        EXPECT_EQ(s.ShieldDialog.txtShields, c.max);
        ShieldHalf(tg.game);
        EXPECT_EQ(s.ShieldDialog.txtShields, c.half);
        ShieldDrop(tg.game);
        EXPECT_EQ(s.ShieldDialog.txtShields, "0");
    }
    for (const auto& [typed, shown] :
         std::vector<std::pair<const char*, const char*>>{{"2500", "2000"}, {"-5", "0"}, {"1500", "1500"}}) {
        ShieldTextChanged(tg.game, typed);
        EXPECT_EQ(s.ShieldDialog.txtShields, shown);
    }
}

TEST_F(ShieldDialogTest, AcceptChargesTheLevelOrFallsBackToTheOldOne) {
    struct Case {
        Long energy;
        const char* typed;
        Integer level;
        Long left;
    };
    const Case cases[] = {
        {3000, "1500", 1500, 1500}, {1000, "1500", 400, 600}, {1000, "1000", 1000, 0}, {3000, "700.5", 700, 2300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Open(400, c.energy);
        ShieldTextChanged(tg.game, c.typed);
        ShieldAccept(tg.game);
        EXPECT_EQ(s.ShieldLevel, c.level);
        EXPECT_EQ(s.ShipEnergy, c.left);
    }
    // Cancel puts the old level back and charges it again.
    Open(400, 3400);
    ShieldMaximum(tg.game);
    ShieldCancel(tg.game);
    EXPECT_EQ(s.ShieldLevel, 400);
    EXPECT_EQ(s.ShipEnergy, 3000);
}

TEST_F(ShieldDialogTest, TheBarFollowsTheLevel) {
    s.ShieldDialog.BarHeight = 204;
    Open(500, 3000);
    EXPECT_EQ(s.ShieldDialog.BarTag, "25");
    EXPECT_EQ(s.ShieldDialog.DragLineTop, 152);  // 204 - (200 x 0.25 + 2)
    // A drop near the top is about the capacity, one at the bottom is none.
    ShieldBarDropped(tg.game, 4);
    EXPECT_EQ(s.ShieldDialog.txtShields, "1995");
    ShieldBarDropped(tg.game, 204);
    EXPECT_EQ(s.ShieldDialog.txtShields, "0");
    EXPECT_EQ(s.ShieldDialog.DragLineTop, 202);
    // No capacity: no division, an empty bar.
    Open(0, 3000, 0);
    EXPECT_EQ(s.ShieldDialog.BarTag, "0");
}

TEST_F(ShieldDialogTest, AutoOffersTheComputersLevelForAcceptToTake) {
    s.LibShieldLevel = 1;  // maximum
    s.LibShieldReserve = "100";
    Open(0, 3000);
    s.LibComputerState[1] = 1;
    ShieldDialogActivate(tg.game);
    EXPECT_FALSE(s.ShieldDialog.AutoEnabled);
    ShieldAuto(tg.game);
    EXPECT_EQ(s.ShieldDialog.txtShields, "2000");
    EXPECT_EQ(s.ShipEnergy, 3000);
    ShieldAccept(tg.game);
    EXPECT_EQ(s.ShieldLevel, 2000);
    EXPECT_EQ(s.ShipEnergy, 1000);
}

TEST(TransferDialogTest, TheAmountOpensAtTheAllowedOneAndStaysWithinIt) {
    ScriptedRandom rng;
    TurnGame tg(rng);
    GameState& s = tg.st;
    struct Case {
        Long energy, allowed;
        const char* opens;
        const char* typed;
        Long amount;
    };
    const Case cases[] = {
        {5000, 250, "250", "99999", 250},     // a repair needs less than the energy
        {40000, 40000, "0", "39999", 39999},  // the whole energy: beyond 16 bits
        {5000, 0, "0", "12", 0},
        {0, 0, "0", "-5", 0},
        {5000, 250, "250", "100.6", 101},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.allowed);
        s.ShipEnergy = c.energy;
        std::string opened;
        tg.host.modal[Form::frmDAM] = [&] {
            TransferDialogActivate(tg.game);
            opened = s.TransferDialog.txtPower;
            s.TransferDialog.txtPower = c.typed;
            TransferAccept(tg.game);
            return kOK;
        };
        EXPECT_EQ(RunTransferDialog(tg.game, c.allowed, 6), c.amount);
        EXPECT_EQ(opened, c.opens);
    }
    // The bar, and Cancel.
    s.TransferDialog.Max = 300;
    s.TransferDialog.Value = 120;
    TransferBarChanged(s.TransferDialog);
    EXPECT_EQ(s.TransferDialog.txtPower, "180");
    TransferCancel(tg.game);
    EXPECT_EQ(TransferAmount(s.TransferDialog), 0);
}

}  // namespace
}  // namespace kv::test
