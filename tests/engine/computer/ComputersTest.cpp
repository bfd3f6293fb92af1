#include <gtest/gtest.h>

#include <vector>

#include "engine/computer/FirePlan.h"
#include "engine/computer/PhaserComputer.h"
#include "engine/computer/TorpedoComputer.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

// A running game with the ship at sector (4, 4) of quadrant (4, 4) and the computers' entry
// texts in place.
struct ComputerGame : TurnGame {
    explicit ComputerGame(Random& r) : TurnGame(r) {
        UseKeyTexts(
            {{"KVCOM0042", "Computer:"}, {"KVCOM0043", " at"}, {"KVCOM0086", "Computer at:"}, {"KVCOM0087", " Eng:"}});
        st.TorpedoStockClass1 = 20;
    }
    void Ship(int slot, int row, int col, int energy = 100) {
        st.ZarvoniEnergy[slot] = static_cast<Integer>(energy);
        st.ZarvoniShips[1][slot] = static_cast<Integer>(row);
        st.ZarvoniShips[2][slot] = static_cast<Integer>(col);
    }
    void Base(int row, int col, Long strength = 30000) {
        st.ZarvoniBase = {0, 4, 4, row, col, strength};
        st.ZarvoniBaseStrength = 40000;
    }
    // The targets of the torpedo plan as "row,col".
    std::vector<std::string> TorpedoTargets() const {
        std::vector<std::string> out;
        for (const auto& e : st.TorpedoPlan) {
            auto t = ReadTorpedoEntry(e);
            out.push_back(t ? std::to_string(t->row) + "," + std::to_string(t->col) : "?");
        }
        return out;
    }
};

using Targets = std::vector<std::string>;

TEST(TorpedoComputerTest, AimedFireByMode) {
    struct Case {
        const char* what;
        int mode, ships, stock;
        bool base;
        int baseAmount;
        Targets expected;
    };
    // Ships in slots 1..5 at (1,1), (1,2), (1,3), (1,5), (1,6); the base at (7,7).
    const Case cases[] = {
        {"one each", 0, 3, 20, false, 0, {"1,1", "1,2", "1,3"}},
        {"two each", 1, 3, 20, false, 0, {"1,1", "1,2", "1,3", "1,1", "1,2", "1,3"}},
        {"three ships share the tubes", 2, 3, 20, false, 0, {"1,1", "1,2", "1,3", "1,1", "1,2", "1,3", "1,1", "1,2"}},
        {"five ships share the tubes", 2, 5, 20, false, 0, {"1,1", "1,2", "1,3", "1,5", "1,6", "1,1", "1,2", "1,3"}},
        {"the base shares as a ship", 2, 3, 20, true, 2, {"1,1", "1,2", "1,3", "1,1", "1,2", "1,3", "7,7", "7,7"}},
        {"the base takes the places left", 0, 3, 20, true, 0, {"1,1", "1,2", "1,3", "7,7", "7,7", "7,7", "7,7", "7,7"}},
        {"the base only", 0, 3, 20, true, 1, {"7,7", "7,7", "7,7", "7,7", "7,7", "7,7", "7,7", "7,7"}},
        {"five torpedoes left", 1, 3, 5, false, 0, {"1,1", "1,2", "1,3", "1,1", "1,2"}},
        {"five torpedoes left, the base after the ships", 0, 3, 5, true, 0, {"1,1", "1,2", "1,3", "7,7", "7,7"}},
        {"no torpedoes", 2, 3, 0, true, 0, {}},
        {"no ships, no base", 2, 0, 20, false, 0, {}},
        {"no ships, the base shares the tubes alone",
         2,
         0,
         20,
         true,
         2,
         {"7,7", "7,7", "7,7", "7,7", "7,7", "7,7", "7,7", "7,7"}},
    };
    const int cols[] = {0, 1, 2, 3, 5, 6};
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        ComputerGame tg(rng);
        for (int k = 1; k <= c.ships; ++k) tg.Ship(k, 1, cols[k]);
        if (c.base) tg.Base(7, 7);
        tg.st.LibTorZarvonis = static_cast<Integer>(c.mode);
        tg.st.LibTorZSBAmount = static_cast<Integer>(c.baseAmount);
        tg.st.TorpedoStockClass1 = static_cast<Integer>(c.stock);
        TorpedoAutoTarget(tg.game);
        EXPECT_EQ(tg.TorpedoTargets(), c.expected) << c.what;
        EXPECT_EQ(tg.host.pointer, Pointer::Default) << c.what;
    }
}

TEST(TorpedoComputerTest, EntryTextAndTheBaseHeldBack) {
    ConstantRandom rng(0.5f);
    ComputerGame tg(rng);
    tg.Ship(2, 6, 5);
    tg.Base(7, 7, 10000);  // a quarter of 40000
    TorpedoAutoTarget(tg.game);
    EXPECT_EQ(tg.st.TorpedoPlan, (std::vector<std::string>{"Computer:2.24 at 6,5"}));
    tg.st.LibTorZSBFireDisabled = kFalse;
    TorpedoAutoTarget(tg.game);
    EXPECT_EQ(tg.TorpedoTargets(), (Targets{"6,5", "7,7", "7,7", "7,7", "7,7", "7,7", "7,7", "7,7"}));
    tg.st.LibTorZarvoniStarbase = kFalse;
    TorpedoAutoTarget(tg.game);
    EXPECT_EQ(tg.TorpedoTargets(), (Targets{"6,5"}));
}

TEST(TorpedoComputerTest, DamagedSensorsAimTheShipsAtNothing) {
    ConstantRandom rng(0.5f);
    ComputerGame tg(rng);
    tg.Ship(1, 2, 2);
    tg.Ship(3, 6, 6);
    tg.Base(7, 7);
    tg.st.SystemDamage[kShortRangeSensors] = 0.5f;
    TorpedoAutoTarget(tg.game);
    EXPECT_EQ(tg.TorpedoTargets(), (Targets{"0,0", "0,0", "7,7", "7,7", "7,7", "7,7", "7,7", "7,7"}));
}

TEST(TorpedoComputerTest, SpreadFansOverTheOpenBorder) {
    struct Case {
        const char* what;
        int row, col;
        Integer kind;
        std::vector<float> draws;
        Targets expected;
    };
    const Case cases[] = {
        // In the middle every border is open: the fan goes round from the east.
        {"even, middle", 4, 4, 1, {}, {"4,8", "1,8", "1,4", "1,1", "4,1", "7,1", "8,4", "8,7"}},
        // Beside the west border: from south round to north through the east.
        {"even, west border", 4, 2, 1, {}, {"8,2", "8,4", "8,6", "7,8", "4,8", "2,8", "1,7", "1,5"}},
        // Random: ring points Int(29 x r + 4) from the east point round.
        {"random, middle",
         4,
         4,
         0,
         {0.0f, 0.1f, 0.2f, 0.5f, 0.7f, 0.9f, 0.99f, 0.3f},
         {"4,8", "2,8", "1,6", "4,1", "8,3", "6,8", "4,8", "1,3"}},
    };
    for (const auto& c : cases) {
        ScriptedRandom rng(c.draws);
        ComputerGame tg(rng);
        tg.st.ShipSectorRow = static_cast<Integer>(c.row);
        tg.st.ShipSectorCol = static_cast<Integer>(c.col);
        for (int k = 1; k <= 5; ++k) tg.Ship(k, 4 + (k % 2), 5 + k % 3);
        tg.st.LibTorSpread = kTrue;
        tg.st.LibTorSpreadType = c.kind;
        TorpedoAutoTarget(tg.game);
        EXPECT_EQ(tg.TorpedoTargets(), c.expected) << c.what;
        EXPECT_EQ(rng.Remaining(), 0u) << c.what;
    }
}

TEST(TorpedoComputerTest, SpreadOnlyWithEnoughShips) {
    ConstantRandom rng(0.5f);
    ComputerGame tg(rng);
    tg.st.LibTorSpread = kTrue;
    tg.st.LibTorSpreadZarvonis = "0";
    TorpedoAutoTarget(tg.game);
    EXPECT_TRUE(tg.st.TorpedoPlan.empty());  // no ship: no spread
    for (int k = 1; k <= 4; ++k) tg.Ship(k, 1, k);
    tg.st.LibTorSpreadZarvonis = "5";
    TorpedoAutoTarget(tg.game);
    EXPECT_EQ(tg.TorpedoTargets(), (Targets{"1,1", "1,2", "1,3", "1,4"}));  // four: aimed
}

TEST(PhaserComputerTest, EnergyToKillOrDisableByDistance) {
    struct Case {
        const char* what;
        Integer mode;
        int energy, row, col;
        const char* entry;
    };
    const Case cases[] = {
        {"kill at distance 1", 0, 100, 4, 5, "Computer at: 4,5 Z1 Eng: 55"},
        {"disable at distance 1", 1, 100, 4, 5, "Computer at: 4,5 Z1 Eng: 45"},
        {"kill at distance 5", 0, 100, 1, 8, "Computer at: 1,8 Z1 Eng: 255"},
        {"kill a weak ship", 0, 30, 6, 4, "Computer at: 6,4 Z1 Eng: 35"},
        {"disable a ship already below the mark", 1, 15, 4, 5, "Computer at: 4,5 Z1 Eng: 0"},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        ComputerGame tg(rng);
        tg.Ship(1, c.row, c.col, c.energy);
        tg.st.LibPhaKillOrDisable = c.mode;
        PhaserAutoTarget(tg.game);
        EXPECT_EQ(tg.st.PhaserPlan, (std::vector<std::string>{c.entry})) << c.what;
        EXPECT_EQ(tg.st.PhaserPlanTotal, std::to_string(ReadPhaserEntry(c.entry)->amount)) << c.what;
        EXPECT_EQ(tg.host.pointer, Pointer::Default);
    }
}

TEST(PhaserComputerTest, EightShipsAtMostAndTheBaseLast) {
    ConstantRandom rng(0.5f);
    ComputerGame tg(rng);
    tg.Base(8, 8);
    tg.st.LibPhaZarvoniStarbase = kTrue;
    tg.st.LibPhaZSBEnergyFire = "1500";
    for (int k = 1; k <= 3; ++k) tg.Ship(k, 1, k);
    tg.Ship(10, 2, 2);
    PhaserAutoTarget(tg.game);
    ASSERT_EQ(tg.st.PhaserPlan.size(), 5u);
    EXPECT_EQ(ReadPhaserEntry(tg.st.PhaserPlan[3])->slot, 10);
    EXPECT_EQ(tg.st.PhaserPlan[4], "Computer at: 8,8 ZB Eng: 1500");

    for (int k = 4; k <= 9; ++k) tg.Ship(k, 7, k - 2);
    PhaserAutoTarget(tg.game);
    ASSERT_EQ(tg.st.PhaserPlan.size(), 8u);  // slots 1..8, no base
    EXPECT_EQ(ReadPhaserEntry(tg.st.PhaserPlan[7])->slot, 8);
}

TEST(PhaserComputerTest, DamagedSensorsAndAnEmptyQuadrant) {
    ConstantRandom rng(0.5f);
    ComputerGame tg(rng);
    PhaserAutoTarget(tg.game);
    EXPECT_TRUE(tg.st.PhaserPlan.empty());
    EXPECT_EQ(tg.st.PhaserPlanTotal, "0");

    tg.Ship(2, 6, 6);
    tg.Base(8, 8);
    tg.st.LibPhaZarvoniStarbase = kTrue;
    tg.st.SystemDamage[kShortRangeSensors] = 1.0f;
    PhaserAutoTarget(tg.game);
    EXPECT_EQ(tg.st.PhaserPlan,
              (std::vector<std::string>{"Computer at: 0,0 Z0 Eng: 1", "Computer at: 8,8 ZB Eng: 1000"}));
    EXPECT_EQ(tg.st.PhaserPlanTotal, "1001");
}

}  // namespace
}  // namespace kv::test
