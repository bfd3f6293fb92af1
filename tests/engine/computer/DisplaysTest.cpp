#include "engine/computer/Displays.h"

#include <gtest/gtest.h>

#include "state/DisplayData.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

constexpr Integer kBlack = 0, kGreen = 2, kCyan = 3, kLightRed = 12, kYellow = 14;

// A running game of mission type 0 in quadrant (4, 4) with full stores.
struct DisplayGame : TurnGame {
    explicit DisplayGame(Random& r) : TurnGame(r) {
        st.MaxEnergy = 5000;
        st.ShipEnergy = 5000;
        st.MaxShields = 2000;
        st.ShieldLevel = 0;
        st.MaxTorpedoesClass1 = 10;
        st.TorpedoStockClass1 = 10;
        st.InitialZarvonis = 30;
        st.ZarvonisLeft = 30;
    }
};

// ---- Status bars ---------------------------------------------------------------------------------

TEST(UpdateBarsTest, GaugeColourAndFillFollowTheShareOfTheMaximum) {
    struct Case {
        Long energy, maxEnergy;
        Integer colour;
        const char* tag;
    };
    const Case cases[] = {
        {4000, 5000, kGreen, "80"},    {2500, 5000, kYellow, "50"},
        {1500, 5000, kLightRed, "30"}, {1000, 3000, kLightRed, "33"},  // exactly one third
        {1001, 3000, kYellow, "33"},                                   // just above
        {0, 5000, kBlack, "0"},        {7000, 5000, kGreen, "100"},    // above the maximum: full
        {-50, 5000, kBlack, "0"},
    };
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        DisplayGame tg(rng);
        tg.st.MaxEnergy = c.maxEnergy;
        tg.st.ShipEnergy = c.energy;
        UpdateBars(tg.game);
        const BarsDisplay& b = tg.game.displays.bars;
        EXPECT_EQ(b.BackColor[0], c.colour) << c.energy << " of " << c.maxEnergy;
        EXPECT_EQ(b.Tag[0], c.tag) << c.energy << " of " << c.maxEnergy;
    }
}

TEST(UpdateBarsTest, MissionBarsByMissionType) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    const BarsDisplay& b = tg.game.displays.bars;

    s.InitialZarvonis = 30;
    s.ZarvonisLeft = 12;
    s.TimeLeft = -3;  // negative time left: an empty black time bar
    UpdateBars(tg.game);
    EXPECT_EQ(b.Tag[4], "40");
    EXPECT_EQ(b.BackColor[4], kCyan);
    EXPECT_EQ(b.Tag[3], "0");
    EXPECT_EQ(b.BackColor[3], kBlack);
    EXPECT_EQ(b.Caption[3], "<BarInitials4>");
    EXPECT_TRUE(b.Marker[3].visible);
    EXPECT_DOUBLE_EQ(b.Marker[3].y, 1.0);
    EXPECT_NEAR(b.Marker[4].y, 0.6, 1e-6);

    // Mission type 2: the goal still open.
    s.MissionType = 2;
    s.MissionGoal = 10;
    s.GoalBySystems = 1;
    s.GoalSystemsDone = 4;
    s.GoalProgress = 9;  // not the goal's counter here
    UpdateBars(tg.game);
    EXPECT_EQ(b.Tag[4], "60");

    // Mission type 3: the time bar shows the share of the charted star systems explored.
    s.MissionType = 3;
    s.KnownGalaxy[1][1] = 3;
    s.KnownGalaxy[2][5] = 102;  // two ships, no base, two systems
    s.GoalProgress = 1;
    s.ZarvonisCounted = 20;
    s.ZarvonisLeft = 15;
    UpdateBars(tg.game);
    EXPECT_EQ(b.Tag[3], "20");
    EXPECT_EQ(b.BackColor[3], kCyan);
    EXPECT_EQ(b.Caption[3], "<BarInitials4b>");
    EXPECT_EQ(b.Tag[4], "25");
    EXPECT_EQ(b.Caption[4], "<BarInitials5b>");
    EXPECT_FALSE(b.Marker[3].visible);
    EXPECT_FALSE(b.Marker[4].visible);
}

TEST(UpdateBarsTest, MarkersShieldAnimationAndGeneralReportFigures) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    const BarsDisplay& b = tg.game.displays.bars;
    s.ShipEnergy = 3000;
    s.ShieldLevel = 1000;
    s.MaxTorpedoesClass1 = 8;
    s.MaxTorpedoesClass2 = 2;
    s.TorpedoStockClass2 = 1;
    UpdateBars(tg.game);
    EXPECT_TRUE(b.Marker[0].visible);
    EXPECT_NEAR(b.Marker[0].y, 0.2, 1e-6);  // 4000 of 5000 from the top
    EXPECT_NEAR(b.Marker[1].y, 1 - 100.0 / 2000, 1e-6);
    EXPECT_NEAR(b.Marker[2].y, 0.9, 1e-6);
    EXPECT_EQ(b.ShieldInterval, 500);  // 1000 / Int(2000 / 1000) + 0.5, rounded
    EXPECT_TRUE(b.ShieldOutline);
    const GeneralReportDisplay& r = tg.game.displays.general;
    EXPECT_EQ(r.Energy, "3000");
    EXPECT_EQ(r.Shields, "1000");
    EXPECT_EQ(r.EnergyAndShields, "4000");

    s.ShieldLevel = -5;
    UpdateBars(tg.game);
    EXPECT_FALSE(b.Marker[0].visible);
    EXPECT_EQ(b.ShieldInterval, 0);
    EXPECT_FALSE(b.ShieldOutline);
    EXPECT_EQ(r.Shields, "0");
}

TEST(UpdateBarsTest, DoesNothingBeforeAGameIsSetUp) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    tg.st.MaxEnergy = 0;
    UpdateBars(tg.game);
    EXPECT_TRUE(tg.host.events.empty());
    EXPECT_EQ(tg.game.displays.bars.Tag[0], "0");
}

// ---- Damage report -----------------------------------------------------------------------------

TEST(UpdateDamageReportTest, RowsByDamageAndWhetherDamageControlWorks) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    const auto& rows = tg.game.displays.damage.Rows;

    UpdateDamageReport(tg.game);
    for (const DamageRow& row : rows) {
        EXPECT_TRUE(row.Enabled);
        EXPECT_FALSE(row.Raised);
        EXPECT_EQ(row.Figure, "0");
    }
    EXPECT_TRUE(tg.host.Saw("refresh:DamageReport"));

    s.SystemDamage[kPhasers] = 2.5f;
    s.SystemDamage[kLongRangeSensors] = 7.0f;
    UpdateDamageReport(tg.game);
    EXPECT_TRUE(rows[3].Raised);
    EXPECT_EQ(rows[3].Figure, "2.5<KVCOM0068>");
    EXPECT_FALSE(rows[2].Enabled);  // out of action
    EXPECT_EQ(rows[2].Figure, "7<KVCOM0068>");
    EXPECT_TRUE(rows[3].Enabled);

    // Damaged damage control: the figures of damaged systems are not known.
    s.SystemDamage[kDamageControl] = 1.0f;
    UpdateDamageReport(tg.game);
    EXPECT_EQ(rows[3].Figure, "???<KVCOM0068>");
    EXPECT_EQ(rows[6].Figure, "???<KVCOM0068>");
    EXPECT_EQ(rows[0].Figure, "0");
}

// ---- Starbase report ---------------------------------------------------------------------------

// The player's base 1 in quadrant (3, 5) at `strength`, its quadrant charted as it is.
void BaseAt(GameState& s, Long strength) {
    s.Starbases[1][1] = 3;
    s.Starbases[2][1] = 5;
    s.Starbases[3][1] = strength;
    s.Galaxy[3][5] = 10;
    s.KnownGalaxy[3][5] = 10;
}

TEST(UpdateBaseReportTest, PlayerBaseStatusByStrength) {
    struct Case {
        Long strength;
        const char* percent;
        const char* key;
    };
    const Case cases[] = {{50000, "100%", "<KVCOM0058>"},
                          {5000, "10%", "<KVCOM0057>"},
                          {45001, "90%", "<KVCOM0059>"},
                          {45000, "90%", "<KVCOM0060>"},
                          {0, "0%", "<KVCOM0056>"}};
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        DisplayGame tg(rng);
        BaseAt(tg.st, c.strength);
        UpdateBaseReport(tg.game);
        const BaseRow& row = tg.game.displays.bases.Rows[1];
        EXPECT_TRUE(row.Enabled);
        EXPECT_TRUE(row.DataVisible);
        EXPECT_FALSE(row.UnknownVisible);
        EXPECT_EQ(row.Quad, "3 , 5");
        EXPECT_EQ(row.Strength, c.percent) << c.strength;
        EXPECT_EQ(row.Status, c.key) << c.strength;
        EXPECT_EQ(tg.st.Starbases[0][1], 1);
    }
}

TEST(UpdateBaseReportTest, HostilesInTheBaseQuadrantComeFirst) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    BaseAt(tg.st, 50000);
    tg.st.Galaxy[3][5] = tg.st.KnownGalaxy[3][5] = 210;
    UpdateBaseReport(tg.game);
    EXPECT_EQ(tg.game.displays.bases.Rows[1].Status, "<KVCOM0054>");
    tg.st.StarbaseFlags[1] = 1;
    UpdateBaseReport(tg.game);
    EXPECT_EQ(tg.game.displays.bases.Rows[1].Status, "<KVCOM0055>");
}

TEST(UpdateBaseReportTest, AnUnseenBaseStaysUnknownUntilItsQuadrantIsCharted) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    BaseAt(s, 50000);
    s.KnownGalaxy[3][5] = -1;
    UpdateBaseReport(tg.game);
    const BaseRow& row = tg.game.displays.bases.Rows[1];
    EXPECT_TRUE(row.UnknownVisible);
    EXPECT_FALSE(row.DataVisible);
    EXPECT_TRUE(row.Enabled);

    s.KnownGalaxy[3][5] = 10;
    UpdateBaseReport(tg.game);
    EXPECT_TRUE(row.DataVisible);
    // Once seen it stays known, whatever the chart says later.
    s.KnownGalaxy[3][5] = -1;
    UpdateBaseReport(tg.game);
    EXPECT_TRUE(row.DataVisible);
    EXPECT_FALSE(row.UnknownVisible);

    // A destroyed base keeps what its row last said, disabled.
    s.Starbases[3][1] = -1000;
    UpdateBaseReport(tg.game);
    EXPECT_FALSE(row.Enabled);
    EXPECT_EQ(row.Strength, "100%");
}

TEST(UpdateBaseReportTest, HostileBaseRow) {
    struct Case {
        Long full, strength;
        const char* percent;
        const char* key;
    };
    // A quarter of full strength reads critical, just above it damaged. Unlike the player's
    // rows, the hostile base's percentage is not rounded.
    const Case cases[] = {{20000, 5000, "25%", "<KVCOM0057>"},
                          {20000, 5200, "26%", "<KVCOM0060>"},
                          {20000, 20000, "100%", "<KVCOM0058>"},
                          {20000, 19000, "95%", "<KVCOM0059>"},
                          {30000, 7600, "25.3333333333333%", "<KVCOM0060>"},
                          {30000, 100, ".333333333333333%", "<KVCOM0057>"},
                          {30000, 0, "0%", "<KVCOM0056>"}};
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        DisplayGame tg(rng);
        GameState& s = tg.st;
        s.ZarvoniBaseStrength = c.full;
        s.ZarvoniBase[1] = 6;
        s.ZarvoniBase[2] = 2;
        s.ZarvoniBase[5] = c.strength;
        s.Galaxy[6][2] = s.KnownGalaxy[6][2] = 1;
        UpdateBaseReport(tg.game);
        const BaseRow& row = tg.game.displays.bases.Rows[0];
        EXPECT_EQ(row.Strength, c.percent) << c.strength;
        EXPECT_EQ(row.Status, c.key) << c.strength;
        EXPECT_EQ(row.Quad, "6 , 2");
        EXPECT_TRUE(s.ZarvoniBaseKnown);
    }
    // The ship in the base's quadrant, the base not captured.
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    s.ZarvoniBaseStrength = 20000;
    s.ZarvoniBase[1] = s.ZarvoniBase[2] = 4;
    s.ZarvoniBase[5] = 20000;
    s.Galaxy[4][4] = s.KnownGalaxy[4][4] = 0;
    UpdateBaseReport(tg.game);
    EXPECT_EQ(tg.game.displays.bases.Rows[0].Status, "<KVCOM0054>");
    // No hostile base at all: its row is disabled and nothing else changes.
    s.ZarvoniBase[1] = 0;
    UpdateBaseReport(tg.game);
    EXPECT_FALSE(tg.game.displays.bases.Rows[0].Enabled);
}

// ---- Hostile-ship report ---------------------------------------------------------------------------

TEST(UpdateZarvoniReportTest, ListsTheFirstNineStandingShips) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    s.QuadZarvonis = 10;
    for (int i = 1; i <= 10; ++i) {
        s.ZarvoniShips[1][i] = static_cast<Integer>(1 + (i - 1) % 8);
        s.ZarvoniShips[2][i] = static_cast<Integer>(i <= 8 ? 2 : 3);
        s.ZarvoniEnergy[i] = static_cast<Integer>(10 * i);
    }
    s.ZarvoniEnergy[1] = 0;      // standing at 0: listed as disabled
    s.ZarvoniEnergy[2] = -1000;  // destroyed: not listed
    s.ZarvoniEnergy[3] = 15;     // weak
    UpdateZarvoniReport(tg.game);
    const ZarvoniReportDisplay& r = tg.game.displays.zarvoni;
    EXPECT_FALSE(r.SensorsDown);
    EXPECT_EQ(r.Rows[0].Sector, "1 , 2");
    EXPECT_EQ(r.Rows[0].Strength, "0%");
    EXPECT_EQ(r.Rows[0].Status, "<KVCOM0071>");
    EXPECT_EQ(r.Rows[1].Sector, "3 , 2");  // slot 3
    EXPECT_EQ(r.Rows[1].Status, "<KVCOM0072>");
    EXPECT_EQ(r.Rows[2].Status, "<KVCOM0073>");
    EXPECT_TRUE(r.Rows[8].Visible);
    EXPECT_EQ(r.Rows[8].Sector, "2 , 3");  // slot 10: nine standing ships fill the rows

    // Damaged short-range sensors: only the notice.
    s.SystemDamage[kShortRangeSensors] = 0.5f;
    UpdateZarvoniReport(tg.game);
    EXPECT_TRUE(r.SensorsDown);
    for (const ZarvoniRow& row : r.Rows) EXPECT_FALSE(row.Visible);
}

TEST(UpdateZarvoniReportTest, TenStandingShipsShowNine) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    s.QuadZarvonis = 10;
    for (int i = 1; i <= 10; ++i) {
        s.ZarvoniShips[1][i] = 1;
        s.ZarvoniShips[2][i] = static_cast<Integer>(i % 8 + 1);
        s.ZarvoniEnergy[i] = 50;
    }
    UpdateZarvoniReport(tg.game);
    int shown = 0;
    for (const ZarvoniRow& row : tg.game.displays.zarvoni.Rows) shown += row.Visible;
    EXPECT_EQ(shown, 9);
    EXPECT_EQ(tg.game.displays.zarvoni.Rows[8].Sector, "1 , 2");  // slot 9, not slot 10
}

// ---- General report ----------------------------------------------------------------------------

TEST(UpdateGeneralReportTest, FiguresOfTheCurrentMission) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    s.MissionType = 0;
    s.UpgradesOn = kTrue;
    s.InitialZarvonis = 30;
    s.ZarvonisLeft = 12;
    s.CloakedKilled = 2;
    s.FlaggedZarvonis = 3;
    s.TimeLeft = 12.345f;
    s.GameLength = 3;
    s.SkillLevel = 7;
    s.ShipQuadrantRow = 2;
    s.ShipSectorCol = 8;
    s.Probes = 0;
    UpdateGeneralReport(tg.game);
    const GeneralReportDisplay& r = tg.game.displays.general;
    EXPECT_TRUE(r.FrameVisible[0]);
    EXPECT_FALSE(r.FrameVisible[1]);
    EXPECT_TRUE(r.UpgradesVisible);
    EXPECT_EQ(r.Initial, "30");
    EXPECT_EQ(r.Left, "12");
    EXPECT_EQ(r.Destroyed, "18 (2)");
    EXPECT_EQ(r.Captured, "3");
    EXPECT_EQ(r.Time, " 12.34");  // cut to hundredths
    EXPECT_EQ(r.Length, "<Long>");
    EXPECT_EQ(r.Skill, "7");
    EXPECT_EQ(r.Quadrant, "2,4");
    EXPECT_EQ(r.Sector, "4,8");
    EXPECT_EQ(r.Probes, "0");
    EXPECT_EQ(r.ProbeColour, 12);
    EXPECT_EQ(r.Rating.back(), '%');
    // It ends with the status bars.
    EXPECT_EQ(tg.host.events.back(), "refresh:Bars");

    // Mission type 3: no rating, and the time counts up from its start.
    s.MissionType = 3;
    s.TimeLeft = -2.345f;
    UpdateGeneralReport(tg.game);
    EXPECT_EQ(r.Rating, "<NA>");
    EXPECT_EQ(r.Time, " 2.35");
    EXPECT_TRUE(r.FrameVisible[3]);
}

TEST(UpdateGeneralReportTest, TorpedoColoursAndTexts) {
    struct Case {
        Integer stock1, stock2, power;
        Integer colour;
        const char* text;
    };
    // Capacities 12 and 6: low below 12 / 6 + 1 = 3 and 6 / 6 + 1 = 2.
    const Case cases[] = {
        {12, 0, 1, 0, "12"},    {2, 0, 1, 6, "2"},
        {0, 0, 1, 12, "0"},     {12, 1, 2, 6, "12/1"},  // class 2 in use and low
        {12, 0, 2, 12, "12/0"}, {12, 0, 1, 0, "12"},    // class 2 not in use: its stock does not count
    };
    for (const Case& c : cases) {
        ConstantRandom rng(0.5f);
        DisplayGame tg(rng);
        GameState& s = tg.st;
        s.MaxTorpedoesClass1 = 12;
        s.MaxTorpedoesClass2 = 6;
        s.TorpedoStockClass1 = c.stock1;
        s.TorpedoStockClass2 = c.stock2;
        s.TorpedoClass2Power = c.power;
        UpdateGeneralReport(tg.game);
        EXPECT_EQ(tg.game.displays.general.TorpedoColour, c.colour) << c.text;
        EXPECT_EQ(tg.game.displays.general.Torpedoes, c.text);
    }
}

TEST(UpdateGeneralReportTest, GoalLineOfMissionTypeTwo) {
    ConstantRandom rng(0.5f);
    DisplayGame tg(rng);
    GameState& s = tg.st;
    s.MissionType = 2;
    s.MissionGoal = 10;
    s.GoalBySystems = 1;
    s.GoalSystemsDone = 4;
    s.GoalProgress = 7;
    UpdateGeneralReport(tg.game);
    const GeneralReportDisplay& r = tg.game.displays.general;
    EXPECT_EQ(r.GoalCaption, "<KVCOM0069>");
    EXPECT_EQ(r.Done, "4");
    EXPECT_EQ(r.Remaining, "6");
    EXPECT_EQ(r.Goal, "10");
    s.GoalBySystems = 0;
    UpdateGeneralReport(tg.game);
    EXPECT_EQ(r.GoalCaption, "<KVCOM0070>");
    EXPECT_EQ(r.Done, "7");
}

}  // namespace
}  // namespace kv::test
