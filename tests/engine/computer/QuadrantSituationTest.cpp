#include <gtest/gtest.h>

#include "engine/computer/Displays.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

// One Zarvoni ship of energy 100 two sectors from the ship, in a quadrant already set up: the
// shields it calls for are 450. 5000 energy capacity, 2000 shields, 10 torpedoes, no damage.
struct QuadrantSituationTest : ::testing::Test {
    ScriptedRandom rng;
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override {
        s.Galaxy[4][4] = 100;
        s.ZarvoniShips[1][1] = 6, s.ZarvoniShips[2][1] = 4, s.ZarvoniEnergy[1] = 100;
        s.ShieldFactor = 1.0f;
        s.TorpedoStockClass1 = 10;
        s.ShieldLevel = 0;
    }
    std::string Text() { return QuadrantSituationText(tg.game); }
};

TEST_F(QuadrantSituationTest, TheMarginPicksTheText) {
    struct Case {
        Long energy;  // the margin is energy - 450 - 10 - 80
        const char* key;
    };
    const Case cases[] = {{4541, "<KVCOM0046>"}, {4540, "<KVCOM0047>"}, {2540, "<KVCOM0048>"},
                          {1540, "<KVCOM0049>"}, {1040, "<KVCOM0050>"}, {540, "<KVCOM0050>"},
                          {539, "<KVCOM0051>"},  {40, "<KVCOM0052>"},   {-1960, "<KVCOM0053>"}};
    for (const auto& c : cases) {
        s.ShipEnergy = c.energy;
        EXPECT_EQ(Text(), c.key) << c.energy;
    }
}

TEST_F(QuadrantSituationTest, ShieldsTorpedoesSurpriseAndDamageWeighIn) {
    s.ShipEnergy = 3000;
    s.ShieldLevel = 1000;
    EXPECT_EQ(Text(), "<KVCOM0047>");  // 4000 - 450 - 10 - 80 = 3460

    struct Case {
        const char* what;
        void (*setup)(GameState&);
        const char* key;
    };
    const Case cases[] = {
        // 4541 - 450 - 10 - 80 = 4001: just the best text.
        {"the best margin", [](GameState&) {}, "<KVCOM0046>"},
        {"a damaged system costs half its damage", [](GameState& st) { st.SystemDamage[kTorpedoes] = 2.0f; },
         "<KVCOM0047>"},
        {"no torpedoes: 200 for the ship", [](GameState& st) { st.TorpedoStockClass1 = 0; }, "<KVCOM0047>"},
        // Not yet set up: 675 for the shields, 1.5 ships against 1 torpedo: 100; 3686 left.
        {"a quadrant not yet set up", [](GameState& st) { st.TorpedoStockClass1 = 1, st.TacticalQuadRow = 3; },
         "<KVCOM0047>"},
        // The Morv ship here: the shields called for are the full 2000; 2451 left.
        {"the Morv ship",
         [](GameState& st) {
             st.MorvShip = {0, 4, 4, 1, 1};
         },
         "<KVCOM0047>"},
        {"no Zarvoni ship", [](GameState& st) { st.Galaxy[4][4] = 99, st.ShipEnergy = -5000; }, "<KVCOM0045>"},
    };
    for (const auto& c : cases) {
        ScriptedRandom r;
        TurnGame t(r);
        GameState& st = t.game.st;
        st.Galaxy[4][4] = 100;
        st.ZarvoniShips[1][1] = 6, st.ZarvoniShips[2][1] = 4, st.ZarvoniEnergy[1] = 100;
        st.ShieldFactor = 1.0f;
        st.TorpedoStockClass1 = 10;
        st.ShipEnergy = 4541;
        st.ShieldLevel = 0;
        c.setup(st);
        EXPECT_EQ(QuadrantSituationText(t.game), c.key) << c.what;
    }
}

}  // namespace
}  // namespace kv::test
