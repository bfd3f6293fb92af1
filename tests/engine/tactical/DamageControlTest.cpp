#include "engine/tactical/DamageControl.h"

#include <gtest/gtest.h>

#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

struct DamageControlTest : ::testing::Test {
    SeededRandom rng{11};
    TurnGame tg{rng};
};

TEST_F(DamageControlTest, WithEverythingWorking) {
    DamageControl(tg.game);
    EXPECT_TRUE(tg.host.Saw("show:frmDamageReport"));
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<COMMANDS0010>"});
}

TEST_F(DamageControlTest, RepairsItselfOrRefuses) {
    struct Case {
        const char* what;
        int answer;
        float draw;
        long energy;
        long energyAfter;
        float damageAfter;
        std::vector<std::string> notices;
    };
    const Case cases[] = {
        {"No changes nothing", kNo, 0.9f, 1000, 1000, 2.5f, {}},
        {"a repair costs damage x 100",
         kYes,
         0.9f,
         1000,
         750,
         0.0f,
         {"<COMMANDS0005>", "<COMMANDS0006>", "<COMMANDS0010>"}},
        {"too little energy",
         kYes,
         0.9f,
         250,
         250,
         2.5f,
         {"<COMMANDS0005>", "<COMMANDS0007>\r\n<COMMANDS0008> 250<COMMANDS0009>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom draws({c.draw});
        TurnGame g(draws);
        g.game.st.SystemDamage[kDamageControl] = 2.5f;
        g.game.st.ShipEnergy = c.energy;
        g.host.answers = {c.answer};
        DamageControl(g.game);
        EXPECT_EQ(g.game.st.ShipEnergy, c.energyAfter);
        EXPECT_FLOAT_EQ(g.game.st.SystemDamage[kDamageControl], c.damageAfter);
        EXPECT_EQ(g.host.notices, c.notices);
        EXPECT_EQ(g.host.questions, std::vector<std::string>{"SYS7<COMMANDS0001>\r\n<COMMANDS0002>"});
    }
}

TEST_F(DamageControlTest, AFailedRepairDamagesAnotherSystem) {
    // 0.3: the attempt fails; 0.5: 76 hundredths; 0.5: no spread; 0.25: the long-range sensors.
    ScriptedRandom draws({0.3f, 0.5f, 0.5f, 0.25f});
    TurnGame g(draws);
    g.game.st.SystemDamage[kDamageControl] = 2.5f;
    g.game.st.ShipEnergy = 1000;
    g.host.answers = {kYes};
    DamageControl(g.game);
    EXPECT_EQ(draws.Remaining(), 0u);
    EXPECT_FLOAT_EQ(g.game.st.SystemDamage[kLongRangeSensors], 0.76f);
    EXPECT_FLOAT_EQ(g.game.st.SystemDamage[kDamageControl], 2.5f);
    EXPECT_EQ(g.game.st.ShipEnergy, 1000);
    EXPECT_EQ(g.host.notices, std::vector<std::string>{"<COMMANDS0003>SYS3<COMMANDS0004>"});
}

}  // namespace
}  // namespace kv::test
