#include <gtest/gtest.h>

#include "engine/computer/FirePlan.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

TEST(FirePlanTest, PhaserEntriesReadTheirFieldsFromTheColons) {
    struct Case {
        const char* entry;
        int row, col, slot;
        const char* kind;
        long amount;
    };
    const Case cases[] = {
        // The computer's entry, the amount at character 25.
        {"Computer at: 3,4 Z1 Eng: 55", 3, 4, 1, "Z1", 55},
        // A slot of 10 and an amount of five digits read whole.
        {"Computer at: 3,4 Z10 Eng: 12345", 3, 4, 10, "Z1", 12345},
        // The dialogs' entries: no blank before the amount, other labels.
        {"Target: 8,1 MV Energy:2000", 8, 1, 0, "MV", 2000},
        {"Target: 2,2 ZB Energy:1000", 2, 2, 0, "ZB", 1000},
        {"Target: 5,6 -- Energy:1", 5, 6, 0, "--", 1},
        {"Target: 5,6 Z9 Energy:0", 5, 6, 9, "Z9", 0},
        // The damaged sensors' sector.
        {"Computer at: 0,0 Z0 Eng: 1", 0, 0, 0, "Z0", 1},
    };
    for (const auto& c : cases) {
        auto e = ReadPhaserEntry(c.entry);
        ASSERT_TRUE(e) << c.entry;
        EXPECT_EQ(e->row, c.row) << c.entry;
        EXPECT_EQ(e->col, c.col) << c.entry;
        EXPECT_EQ(e->slot, c.slot) << c.entry;
        EXPECT_EQ(e->kind, c.kind) << c.entry;
        EXPECT_EQ(e->amount, c.amount) << c.entry;
    }
    for (const char* bad :
         {"", "no colon 3,4 Z1 55", "Target: 3,4 Z1 55", "Target: x,4 Z1 E:5", "Target: 9,4 Z1 E:5", "Target: 3"})
        EXPECT_FALSE(ReadPhaserEntry(bad)) << bad;
}

TEST(FirePlanTest, PhaserEntryWrittenAndReadBack) {
    const std::string e = PhaserEntryText("Target: ", 7, 2, "Z10", " Energy:", 345);
    EXPECT_EQ(e, "Target: 7,2 Z10 Energy:345");
    auto r = ReadPhaserEntry(e);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->slot, 10);
    EXPECT_EQ(r->amount, 345);
}

TEST(FirePlanTest, TorpedoEntriesReadTheirTargetFromTheEnd) {
    struct Case {
        const char* entry;
        int power, row, col;
    };
    const Case cases[] = {
        {"Target:  2.24 at 3,4", 1, 3, 4},
        {"*2*Target:  2.24 at 3,4", 2, 3, 4},
        {"*12*Target: 1.00 at 5,8", 12, 5, 8},
        {"Computer: 0.00 at 0,0", 1, 0, 0},
        {"2 at 1,1", 1, 1, 1},  // no mark: class 1 whatever follows
    };
    for (const auto& c : cases) {
        auto e = ReadTorpedoEntry(c.entry);
        ASSERT_TRUE(e) << c.entry;
        EXPECT_EQ(e->power, c.power) << c.entry;
        EXPECT_EQ(e->row, c.row) << c.entry;
        EXPECT_EQ(e->col, c.col) << c.entry;
    }
    for (const char* bad : {"", "3,", "at 3,x", "** at 3,4", "*0* at 3,4"}) EXPECT_FALSE(ReadTorpedoEntry(bad)) << bad;
}

TEST(FirePlanTest, TorpedoEntryWrittenSwitchedAndSwitchedBack) {
    const std::string e = TorpedoEntryText(0, "Target: ", 2.2360679, " at ", 3, 4);
    EXPECT_EQ(e, "Target: 2.24 at 3,4");
    EXPECT_EQ(TorpedoEntryText(3, "T:", 1, " at ", 1, 2), "*3*T:1.00 at 1,2");
    const std::string two = SwitchTorpedoClass(e, 3);
    EXPECT_EQ(two, "*3*Target: 2.24 at 3,4");
    EXPECT_EQ(ReadTorpedoEntry(two)->power, 3);
    EXPECT_EQ(SwitchTorpedoClass(two, 3), e);
}

TEST(FirePlanTest, PhaserTotalAddsTheReadableAmounts) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    ParsePhaserTarget(tg.game);
    EXPECT_EQ(tg.st.PhaserPlanTotal, "0");
    tg.st.PhaserPlan = {"A: 1,1 Z1 E: 55", "A: 1,2 Z10 E:12345", "unreadable", "A: 1,3 MV E:2000"};
    ParsePhaserTarget(tg.game);
    EXPECT_EQ(tg.st.PhaserPlanTotal, "14400");
    EXPECT_TRUE(tg.host.Saw("refresh:PhaserPlan"));
}

}  // namespace
}  // namespace kv::test
