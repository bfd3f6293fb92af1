// Trailing codes of planet messages: as conditions while a message is chosen and as combat and
// state codes while it runs.
#include <gtest/gtest.h>

#include "datafiles/SolarSystemFiles.h"
#include "explore/Console.h"
#include "support/ConsoleTestSupport.h"

namespace kv::test {
namespace {

struct CombatGame : ConsoleGame {
    explicit CombatGame(Random& r) : ConsoleGame(r) { InOrbit(); }
    PlanetEntry& Planet() { return Console().CurrentSystem.Planets[0]; }
};

TEST(PlanetCombatTest, Conditions) {
    ConstantRandom rng(0.5f);
    CombatGame tg(rng);
    Game& g = tg.game;
    GameState& s = tg.st;
    // "FS": damaged but working; "F!S": out of action; a system outside 0..8 never holds.
    const Single damage[] = {0.0f, 2.5f, 6.99f, 7.0f};
    const bool working[] = {false, true, true, false};
    const bool out[] = {false, false, false, true};
    for (int i = 0; i < 4; ++i) {
        s.SystemDamage[kLongRangeSensors] = damage[i];
        EXPECT_EQ(TestCondition(g, "FS3"), working[i]) << damage[i];
        EXPECT_EQ(TestCondition(g, "F!S3"), out[i]) << damage[i];
    }
    s.SystemDamage[kLongRangeSensors] = 8.0f;
    EXPECT_FALSE(TestCondition(g, "FS9"));
    EXPECT_FALSE(TestCondition(g, "F!S12"));
    EXPECT_FALSE(TestCondition(g, "F!S-1"));

    // Stock conditions: the amount must not exceed the stock its field names.
    s.TorpedoStockClass1 = 2;
    s.TorpedoStockClass2 = 5;
    s.MaxEnergy = 2000;
    struct Case {
        const char* condition;
        bool holds;
    };
    const Case cases[] = {
        {"-PT3", false},    {"-PT2", true},      {"-PTU3", true},     {"-PTU6", false},
        {"-PO2", true},     {"-PO3", false},     {"-EN3000", true},   {"-EN3001", false},
        {"-ENM2000", true}, {"-ENM2001", false}, {"-XY99", true},     {"-", true},
        {"-99", true},      {"", true},          {"RHall0101", true}, {"TREATY", true},
    };
    for (const Case& c : cases) EXPECT_EQ(TestCondition(g, c.condition), c.holds) << c.condition;
}

TEST(PlanetCombatTest, SituationMessageAndAllowanceCodes) {
    ConstantRandom rng(0.5f);
    CombatGame tg(rng);
    ConsoleState& c = tg.Console();
    PlanetCombat(tg.game, "MHall0101");
    PlanetCombat(tg.game, "RHall0102");
    EXPECT_EQ(c.MessageSection, "Hall0101");
    EXPECT_EQ(c.PendingAction, "Hall0102");
    EXPECT_EQ(tg.st.InSolarSystem, kTrue);
    PlanetCombat(tg.game, "A5");
    EXPECT_EQ(c.EnergyTaken, 5);
    EXPECT_TRUE(c.Enabled.cmdEnergy);
    PlanetCombat(tg.game, "A99999999");
    EXPECT_EQ(c.EnergyTaken, 32767);
    PlanetCombat(tg.game, "A-3");
    EXPECT_EQ(c.EnergyTaken, 0);
}

TEST(PlanetCombatTest, PlanetFireOnTheShieldsAndTheSystems) {
    // "H": a hit on the shields, kept within 0..32767.
    {
        ConstantRandom rng(0.5f);
        CombatGame tg(rng);
        GameState& s = tg.st;
        s.ShieldFactor = 1.0f;
        s.ShieldLevel = 500;
        PlanetCombat(tg.game, "H100");
        EXPECT_EQ(s.ShieldLevel, 400);
        PlanetCombat(tg.game, "H-500");
        EXPECT_EQ(s.ShieldLevel, 400);
        s.ShieldLevel = 32767;
        PlanetCombat(tg.game, "H99999999");
        EXPECT_EQ(s.ShieldLevel, 0);
        for (int i = 1; i <= 8; ++i) EXPECT_EQ(s.SystemDamage[i], 0.0f) << i;
        EXPECT_EQ(rng.Count(), 0u);
        EXPECT_EQ(tg.Sounds(), (std::vector<std::string>{"ZHIT.WAV", "ZHIT.WAV", "ZHIT.WAV"}));
    }
    // "DS": damage of 50..299 hundredths (before the damage's own spread) to the named system;
    // "D!S": the system out of action. Systems outside 0..8 are ignored.
    {
        // Draws: the amount (50), the spread (0), the random system the damage does not need.
        ScriptedRandom rng{0.0f, 0.5f, 0.9f, 0.9f};
        CombatGame tg(rng);
        GameState& s = tg.st;
        PlanetCombat(tg.game, "DS4");
        EXPECT_FLOAT_EQ(s.SystemDamage[kPhasers], 0.5f);
        PlanetCombat(tg.game, "DS9");
        PlanetCombat(tg.game, "D!S-1");
        EXPECT_EQ(rng.Remaining(), 1u);
        PlanetCombat(tg.game, "D!S3");
        EXPECT_EQ(s.SystemDamage[kLongRangeSensors], 8.0f);
        EXPECT_EQ(tg.Sounds(), (std::vector<std::string>{"PHASER.WAV", "ZSBSHOOT.WAV"}));
    }
}

TEST(PlanetCombatTest, AMessageStopsWhenTheShipIsLost) {
    ConstantRandom rng(0.5f);
    CombatGame tg(rng);
    GameState& s = tg.st;
    tg.WriteDescriptor("[1]\r\n");
    for (int i = 1; i <= 8; ++i) s.SystemDamage[i] = 8.0f;
    tg.host.modal[Form::frmShip] = [] { return kOK; };
    RunMessage(tg.game, "The planet fires.*D!S0*+PT1");
    EXPECT_EQ(s.GameRunning, kFalse);
    EXPECT_EQ(s.TorpedoStockClass1, 0);  // emptied by the end of the game; "+PT1" never ran
    EXPECT_TRUE(tg.host.Saw("hide:frmSSControl"));
}

TEST(PlanetCombatTest, RetrofitSlotsOnlyZeroToFive) {
    ConstantRandom rng(0.5f);
    CombatGame tg(rng);
    GameState& s = tg.st;
    PlanetCombat(tg.game, "SP2");
    PlanetCombat(tg.game, "SP2");
    PlanetCombat(tg.game, "SP0");
    EXPECT_EQ(s.RetrofitSlots[2], 2);
    EXPECT_EQ(s.RetrofitSlots[0], 1);
    const auto before = s.RetrofitSlots;
    PlanetCombat(tg.game, "SP6");
    PlanetCombat(tg.game, "SP-1");
    PlanetCombat(tg.game, "SP40000");
    EXPECT_EQ(s.RetrofitSlots, before);
}

TEST(PlanetCombatTest, Repairs) {
    GameState* st = nullptr;
    {
        // "FALL" mends everything.
        ConstantRandom rng(0.5f);
        CombatGame tg(rng);
        st = &tg.st;
        st->SystemDamage = {0, 1, 2, 3, 7, 8, 0, 0.5f, 9};
        PlanetCombat(tg.game, "FALL");
        for (Single d : st->SystemDamage) EXPECT_EQ(d, 0.0f);
        EXPECT_EQ(tg.host.output, std::vector<std::string>{"<SSCONTRL0039>"});
    }
    {
        // A named system is repaired fully, whatever its damage.
        ConstantRandom rng(0.5f);
        CombatGame tg(rng);
        tg.st.SystemDamage[kLongRangeSensors] = 7.5f;
        PlanetCombat(tg.game, "F!S3");
        EXPECT_EQ(tg.st.SystemDamage[kLongRangeSensors], 0.0f);
        EXPECT_EQ(tg.host.output, std::vector<std::string>{"SYS3<SSCONTRL0041>"});
        PlanetCombat(tg.game, "FS9");  // no such system: nothing
        EXPECT_EQ(tg.host.output.size(), 1u);
    }
    {
        // "FS" with no damaged working system changes nothing and prints nothing.
        ConstantRandom rng(0.5f);
        CombatGame tg(rng);
        tg.st.SystemDamage[kTorpedoes] = 7.5f;
        PlanetCombat(tg.game, "FS");
        EXPECT_EQ(tg.st.SystemDamage[kTorpedoes], 7.5f);
        EXPECT_TRUE(tg.host.output.empty());
        EXPECT_EQ(rng.Count(), 0u);
    }
    {
        // The random repair draws until it meets a candidate; entry 0 is never one, even when
        // it holds damage.
        ScriptedRandom rng{0.0f, 0.3f, 0.8f};  // Int(x 8.99): 0, 2, 7
        CombatGame tg(rng);
        tg.st.SystemDamage[kHull] = 3.0f;
        tg.st.SystemDamage[kShortRangeSensors] = 7.0f;
        tg.st.SystemDamage[kDamageControl] = 1.5f;
        PlanetCombat(tg.game, "FS0");
        EXPECT_EQ(tg.st.SystemDamage[kDamageControl], 0.0f);
        EXPECT_EQ(tg.st.SystemDamage[kShortRangeSensors], 7.0f);
        EXPECT_EQ(tg.host.output, std::vector<std::string>{"SYS7<SSCONTRL0040>"});
        EXPECT_EQ(rng.Remaining(), 0u);
    }
}

TEST(PlanetCombatTest, FlagBits) {
    ConstantRandom rng(0.5f);
    CombatGame tg(rng);
    PlanetEntry& p = tg.Planet();
    PlanetCombat(tg.game, "SFA");
    EXPECT_EQ(TestPlanetBit(p, 0), 1);
    PlanetCombat(tg.game, "SFI");
    EXPECT_EQ(TestPlanetBit(p, 9), 1);
    EXPECT_EQ(TestPlanetBit(p, 8), 0);
    PlanetCombat(tg.game, "SF0");
    EXPECT_EQ(TestPlanetBit(p, 27), 1);
    PlanetCombat(tg.game, "CFA");
    EXPECT_EQ(TestPlanetBit(p, 0), 0);
    PlanetCombat(tg.game, "TFA");
    EXPECT_EQ(TestPlanetBit(p, 0), 1);
    PlanetCombat(tg.game, "TFA");
    EXPECT_EQ(TestPlanetBit(p, 0), 0);
    const int64_t bits = p.PlanetBits;
    PlanetCombat(tg.game, "XFA");  // another operation letter: nothing
    PlanetCombat(tg.game, "SF");   // no bit named: nothing
    EXPECT_EQ(p.PlanetBits, bits);
}

TEST(PlanetCombatTest, ATreatyIsMadeAndBrokenOnce) {
    ScriptedRandom rng{0.5f, 0.0f};  // 7 x 0.5 + 8 = 11 back; then 8 charged
    CombatGame tg(rng);
    GameState& s = tg.st;
    // A negative state word still names an alien within the table (here -3 names 253).
    tg.Planet().PlanetValue4 = -3;
    PlanetCombat(tg.game, "TREATY");
    PlanetCombat(tg.game, "TREATY");
    EXPECT_EQ(TestPlanetBit(tg.Planet(), 7), 1);
    EXPECT_EQ(s.TimeOffset, 11.0f);
    ASSERT_EQ(tg.host.notices.size(), 1u);
    EXPECT_EQ(tg.host.notices[0], "<SSCONTRL0034>Alien253.\r\n<SSCONTRL0035>\r\n<SSCONTRL0036>\r\n<SSCONTRL0037>");
    PlanetCombat(tg.game, "NOTREATY");
    PlanetCombat(tg.game, "NOTREATY");
    EXPECT_EQ(TestPlanetBit(tg.Planet(), 7), 0);
    ASSERT_EQ(tg.host.notices.size(), 2u);
    EXPECT_EQ(tg.host.notices[1], "<SSCONTRL0043>Alien253<SSCONTRL0044>\r\n<SSCONTRL0045>");
    EXPECT_EQ(s.TimeLeft, 50.0f - 8.0f);
    EXPECT_EQ(AlienNameIndex(-3), 253);
    EXPECT_EQ(AlienNameIndex(-256), 0);
    EXPECT_EQ(AlienNameIndex(300), 44);
}

TEST(PlanetCombatTest, StockChangesStayInTheirFieldsRange) {
    ConstantRandom rng(0.5f);
    CombatGame tg(rng);
    GameState& s = tg.st;
    struct Case {
        const char* code;
        Integer pt, ptu, po;
        Long en, enm;
    };
    // Start: 6 class-1 (max 10), 2 class-2 (max 4), 2 probes (max 3), 3000 energy, 5000 max.
    const Case cases[] = {
        {"+PT3", 9, 2, 2, 3000, 5000},    {"+PT30", 10, 2, 2, 3000, 5000},        {"-PT99", 0, 2, 2, 3000, 5000},
        {"+PTU1", 6, 3, 2, 3000, 5000},   {"-PTU5", 6, 0, 2, 3000, 5000},         {"+PO1.6", 6, 2, 3, 3000, 5000},
        {"-EN5000", 6, 2, 2, 0, 5000},    {"+EN1e40", 6, 2, 2, 2147483647, 5000}, {"-ENM99999", 6, 2, 2, 3000, 1000},
        {"+ENM2.5", 6, 2, 2, 3000, 5002}, {"+XY5", 6, 2, 2, 3000, 5000},
    };
    for (const Case& k : cases) {
        s.TorpedoStockClass1 = 6;
        s.TorpedoStockClass2 = 2;
        s.Probes = 2;
        s.ShipEnergy = 3000;
        s.MaxEnergy = 5000;
        PlanetCombat(tg.game, k.code);
        EXPECT_EQ(s.TorpedoStockClass1, k.pt) << k.code;
        EXPECT_EQ(s.TorpedoStockClass2, k.ptu) << k.code;
        EXPECT_EQ(s.Probes, k.po) << k.code;
        EXPECT_EQ(s.ShipEnergy, k.en) << k.code;
        EXPECT_EQ(s.MaxEnergy, k.enm) << k.code;
    }
    EXPECT_TRUE(tg.host.notices.empty());
    PlanetCombat(tg.game, "+pt3");
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<SSCONTRL0042>+pt3"});

    // Time: "+" gives it back, "-" charges it.
    PlanetCombat(tg.game, "+TI2");
    EXPECT_EQ(s.TimeOffset, 2.0f);
    PlanetCombat(tg.game, "-TI3");
    EXPECT_EQ(s.TimeLeft, 47.0f);
}

}  // namespace
}  // namespace kv::test
