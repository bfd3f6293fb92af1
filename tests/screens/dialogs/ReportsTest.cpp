#include "screens/dialogs/Reports.h"

#include <gtest/gtest.h>

#include "engine/computer/Displays.h"
#include "screens/main/Panel.h"
#include "state/DisplayData.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

// The damage report of a running game whose damage control takes the player's choice.
struct DamageReportTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    TurnGame tg{rng};
    GameState& s = tg.st;
    std::vector<RepairTransferRequest> asked;
    std::string typed;  // what the player types into the transfer dialog
    RepairTransferDialog dialog = [this](const RepairTransferRequest& r) {
        asked.push_back(r);
        return typed;
    };
    void SetUp() override {
        s.ShipEnergy = 5000;
        s.DamageReportMode = -1;
    }
};

TEST_F(DamageReportTest, EnergyRepairsAUnitOfDamageForEveryHundred) {
    s.SystemDamage[kPhasers] = 2.5f;
    typed = "100";
    DamageReportClick(tg.game, 3, dialog);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].maximum, 250);  // what a full repair needs
    EXPECT_EQ(asked[0].energy, "5000");
    EXPECT_EQ(asked[0].system, "SYS4");
    EXPECT_FLOAT_EQ(s.SystemDamage[kPhasers], 1.5f);
    EXPECT_EQ(s.ShipEnergy, 4900);
    EXPECT_EQ(s.DamageReportMode, 4);
    EXPECT_NEAR(tg.host.waited, 0.05, 1e-6);  // the row shows pressed for a moment

    typed = "150";
    DamageReportClick(tg.game, 3, dialog);
    EXPECT_EQ(s.SystemDamage[kPhasers], 0.0f);
    EXPECT_EQ(s.ShipEnergy, 4750);
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"SYS4<DREPORT0002>"}));
    EXPECT_EQ(tg.game.displays.damage.Rows[3].Figure, "0");
}

TEST_F(DamageReportTest, TheDamageIsCutDownToHundredths) {
    s.SystemDamage[kTorpedoes] = 2.35f;  // held as a little less
    typed = "100";
    DamageReportClick(tg.game, 4, dialog);
    EXPECT_FLOAT_EQ(s.SystemDamage[kTorpedoes], 1.34f);
}

TEST_F(DamageReportTest, WithDamageControlDamagedTheWholeEnergyMayGo) {
    s.SystemDamage[kDamageControl] = 1.0f;
    s.SystemDamage[kShortRangeSensors] = 0.25f;
    typed = "50";
    DamageReportClick(tg.game, 1, dialog);
    EXPECT_EQ(asked[0].maximum, 5000);
    EXPECT_EQ(s.SystemDamage[kShortRangeSensors], 0.0f);  // 0.25 - 0.5 counts as repaired
    EXPECT_EQ(s.ShipEnergy, 4950);
    // The short-range sensors' repair redraws the scan and sets the shields again.
    EXPECT_TRUE(tg.host.Saw("refresh:ShortRangeScan"));
}

TEST_F(DamageReportTest, NothingHappensForAWorkingSystemACancelOrABlockedRow) {
    typed = "100";
    DamageReportClick(tg.game, 0, dialog);  // system 1 works
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<DREPORT0001>"}));
    EXPECT_TRUE(asked.empty());

    s.SystemDamage[kWarpEngines] = 1.0f;
    typed = "0";
    DamageReportClick(tg.game, 0, dialog);
    EXPECT_EQ(s.SystemDamage[kWarpEngines], 1.0f);
    EXPECT_EQ(s.ShipEnergy, 5000);

    // An amount beyond what the dialog offers is held to it.
    typed = "900";
    DamageReportClick(tg.game, 0, dialog);
    EXPECT_EQ(s.ShipEnergy, 4900);
    EXPECT_EQ(s.SystemDamage[kWarpEngines], 0.0f);

    // While damage control is unavailable the rows do not respond.
    s.DamageReportMode = 0;
    s.SystemDamage[kWarpEngines] = 1.0f;
    asked.clear();
    DamageReportClick(tg.game, 0, dialog);
    EXPECT_TRUE(asked.empty());
}

TEST(ReportWindowsTest, Placement) {
    const long w = 1024 * 15, h = 768 * 15;
    // Damage report: beside the status window on a wide screen, else centred.
    EXPECT_EQ(DamageReportPosition(w, h, 802, 0, 4700, 3000, 2000), (WindowPosition{4700, h - 2000}));
    EXPECT_EQ(DamageReportPosition(12000, 9000, 801, 0, 4700, 3000, 2000), (WindowPosition{4500, 3500}));
    // General report: beside the damage report; 801 pixels still centre it.
    EXPECT_EQ(GeneralReportPosition(w, h, 802, 4700, 3000, 3500, 2500), (WindowPosition{7700, h - 2500}));
    EXPECT_EQ(GeneralReportPosition(12000, 9000, 801, 4700, 3000, 3500, 2500), (WindowPosition{4250, 3250}));
    // Starbase and hostile-ship reports: both centred on an 800 pixel screen.
    const ReportPositions small = BaseAndZarvoniReportPositions(12000, 9000, 800, 4000, 1500, 4000, 3000);
    EXPECT_EQ(small.bases, (WindowPosition{4000, 3750}));
    EXPECT_EQ(small.hostiles, (WindowPosition{4000, 3000}));
    const ReportPositions wide = BaseAndZarvoniReportPositions(w, h, 1024, 4000, 1500, 4200, 3000);
    EXPECT_EQ(wide.hostiles, (WindowPosition{w - 4200, h / 2 - 2000}));
    EXPECT_EQ(wide.bases, (WindowPosition{w - 4000, h / 2 - 2000 - 1500}));
}

TEST(ReportWindowsTest, UpgradeExplanations) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    s.UpgradeTable = {0, 2, 1, 1, 3, 2};
    s.MaxEnergy = 10000;
    s.ShieldFactor = 0.8f;
    s.TorpedoClass2Power = 1;
    s.MaxTorpedoesClass1 = 10;
    s.MaxTorpedoesClass2 = 0;
    s.LRSRange = 2;
    EXPECT_EQ(UpgradeExplanation(tg.game, 1), "(2) <GREPORT0001> 10000<GREPORT0002>");
    EXPECT_EQ(UpgradeExplanation(tg.game, 2), "(1) <GREPORT0003>80%<GREPORT0004>");
    EXPECT_EQ(UpgradeExplanation(tg.game, 3), "(1) <GREPORT0008>");
    EXPECT_EQ(UpgradeExplanation(tg.game, 4), "(3) <GREPORT0009> 10<GREPORT0010>");
    EXPECT_EQ(UpgradeExplanation(tg.game, 5), "(2) <GREPORT0013> 2.");
    s.TorpedoClass2Power = 3;
    s.TorpedoStockClass2 = 2;
    s.MaxTorpedoesClass2 = 4;
    EXPECT_EQ(UpgradeExplanation(tg.game, 3), "(1) <GREPORT0005> 2<GREPORT0006>3<GREPORT0007>");
    EXPECT_EQ(UpgradeExplanation(tg.game, 4), "(3) <GREPORT0009> 14<GREPORT0010>\r\n(4<GREPORT0011>3<GREPORT0012>)");
    EXPECT_EQ(UpgradeExplanation(tg.game, 6), "");
    UpgradeLabelClick(tg.game, 0);
    EXPECT_TRUE(tg.host.notices.empty());
}

TEST(ReportWindowsTest, DamageReportRowsAreNamedOnLoad) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    DamageReportLoad(tg.game);
    EXPECT_EQ(tg.game.displays.damage.Rows[0].Number, " 1");
    EXPECT_EQ(tg.game.displays.damage.Rows[7].Name, "SYS8");
}

// A row is drawn by the damage of its system: flat when working, raised when damaged, greyed
// when out of action, sunken while it shows pressed; unknown figures while damage control is down.
TEST(ReportWindowsTest, DamageRowsByTheDamageOfTheirSystem) {
    struct Case {
        Single damage;
        int edge;
        bool enabled;
        const char* figure;
    };
    const Case cases[] = {
        {0, kEdgeNone, true, "0"},
        {2.5f, kEdgeRaised, true, "2.5<KVCOM0068>"},
        {7.0f, kEdgeRaised, false, "7<KVCOM0068>"},
    };
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        DamageReportLoad(tg.game);
        tg.st.SystemDamage[kPhasers] = c.damage;
        UpdateDamageReport(tg.game);
        const DamageRowLook look = PaintDamageRow(tg.game, 3);
        EXPECT_EQ(look.edge, c.edge) << c.damage;
        EXPECT_EQ(look.singleBorder, c.edge == kEdgeNone) << c.damage;
        EXPECT_EQ(look.enabled, c.enabled) << c.damage;
        EXPECT_EQ(look.figure, c.figure) << c.damage;
        EXPECT_EQ(look.number, " 4");
        EXPECT_EQ(look.name, "SYS4");
    }
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    tg.game.displays.damage.Rows[2].Pressed = true;
    EXPECT_EQ(PaintDamageRow(tg.game, 2).edge, kEdgeSunken);
    tg.st.SystemDamage[kDamageControl] = 1;  // damage control damaged: a damaged system's figure is unknown
    tg.st.SystemDamage[kShortRangeSensors] = 3;
    UpdateDamageReport(tg.game);
    EXPECT_EQ(PaintDamageRow(tg.game, 1).figure,
              "???"
              "<KVCOM0068>");
    EXPECT_EQ(PaintDamageRow(tg.game, 8), DamageRowLook{});
}

TEST(ReportWindowsTest, UpgradeIndicatorsAndConditionBox) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    s.UpgradeInitials = {"EN", "SH", "PT", "TB", "SN"};
    s.UpgradeFillColor[1] = -1;        // standard level: the button face
    s.UpgradeFillColor[2] = 0xFFFF00;  // cyan: black text
    s.UpgradeFillColor[3] = 0xFF0000;  // blue: white text
    s.UpgradeBorderColor[3] = 0x808080;
    EXPECT_EQ(PaintUpgradeIndicator(s, 1), (UpgradeIndicatorLook{"EN", 0xC0C0C0, 0, 0}));
    EXPECT_EQ(PaintUpgradeIndicator(s, 2), (UpgradeIndicatorLook{"SH", 0xFFFF00, 0, 0}));
    EXPECT_EQ(PaintUpgradeIndicator(s, 3), (UpgradeIndicatorLook{"PT", 0xFF0000, 0x808080, 0xFFFFFF}));
    EXPECT_EQ(PaintUpgradeIndicator(s, 0), UpgradeIndicatorLook{});

    s.ConditionCaption = "RED";
    s.ConditionColour = 4;
    s.ConditionTextColour = 15;
    EXPECT_EQ(PaintCondition(s), (ConditionLook{"RED", 0x000080, 0xFFFFFF}));
}

}  // namespace
}  // namespace kv::test
