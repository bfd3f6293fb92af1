#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/computer/AutoShields.h"
#include "support/TestGame.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// A ship in sector (4, 4) of quadrant (2, 3) with one Zarvoni ship two sectors off: the need
// of the quadrant is 450.
struct AutoShieldsTest : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::TestGame tg{rng};
    GameState& s = tg.game.st;

    void SetUp() override {
        s.ShipQuadrantRow = s.TacticalQuadRow = 2;
        s.ShipQuadrantCol = s.TacticalQuadCol = 3;
        s.ShipSectorRow = s.ShipSectorCol = 4;
        s.ShieldFactor = 1.0f;
        s.MaxShields = 2000;
        s.MaxEnergy = 5000;
        s.ShipEnergy = 5000;
        s.ZarvoniEnergy[3] = 100;
        s.ZarvoniShips[1][3] = 6;
        s.ZarvoniShips[2][3] = 4;
        // Sound files, so that the sounds reach the host.
        const fs::path dir = fs::path(::testing::TempDir()) / "autoshields_sounds";
        fs::create_directories(dir);
        for (const char* f : {"SHIELDUP.WAV", "SHIELDDN.WAV", "NOTRESP.WAV"}) std::ofstream(dir / f) << "x";
        s.SoundsPath = dir.string() + "/";
        s.SoundOn = kTrue;
        s.WaveDevicePresent = 1;
    }
    bool Played(const std::string& file) const {
        return std::any_of(tg.host.sounds.begin(), tg.host.sounds.end(),
                           [&](const std::string& p) { return p.size() >= file.size() && p.ends_with(file); });
    }
    int Count(const std::string& event) const {
        return static_cast<int>(std::count(tg.host.events.begin(), tg.host.events.end(), event));
    }
};

TEST_F(AutoShieldsTest, LevelByOptionEnergyAndReserve) {
    struct Case {
        const char* name;
        Integer option;
        Long energy;
        const char* reserve;
        Integer level;
        Long energyAfter;
    };
    const Case cases[] = {
        {"maximum", 1, 5000, "100", 2000, 3000},
        {"minimum: the need of the quadrant", 2, 5000, "100", 450, 4550},
        {"energy saver with enough energy", 3, 5000, "100", 450, 4550},
        {"energy saver short of energy gives none", 3, 500, "100", 0, 500},
        {"minimum cut to the energy above the reserve", 2, 500, "100", 400, 100},
        {"maximum cut to the energy above the reserve", 1, 1000, "250", 750, 250},
        {"energy below the reserve gives none", 1, 50, "100", 0, 50},
        {"no option selected", 0, 5000, "100", 0, 5000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.LibShieldLevel = c.option;
        s.ShipEnergy = c.energy;
        s.LibShieldReserve = c.reserve;
        s.ShieldLevel = 777;
        AutoShields(tg.game);
        EXPECT_EQ(s.ShieldLevel, c.level);
        EXPECT_EQ(s.ShipEnergy, c.energyAfter);
    }
}

TEST_F(AutoShieldsTest, DockedRefusesAndChangesNothing) {
    s.Docked = 1;
    s.ShieldLevel = 300;
    AutoShields(tg.game);
    EXPECT_EQ(s.ShieldLevel, 300);
    EXPECT_EQ(s.ShipEnergy, 5000);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVCOM0088>"});
}

TEST_F(AutoShieldsTest, RaisingAndLoweringAreReported) {
    s.LibShieldLevel = 2;
    s.ShieldLevel = 0;
    RaiseLowerShields(tg.game, 0);
    EXPECT_EQ(s.ShieldLevel, 450);
    EXPECT_EQ(s.ShipEnergy, 4550);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"", "<KVCOM0089> 450 *"}));
    EXPECT_TRUE(Played("SHIELDUP.WAV"));
    EXPECT_EQ(Count("refresh:Bars"), 1);

    // From full shields down to the need of the quadrant; energy goes back to the ship.
    tg.host.output.clear();
    s.ShieldLevel = 2000;
    s.ShipEnergy = 3000;
    RaiseLowerShields(tg.game, 0);
    EXPECT_EQ(s.ShieldLevel, 450);
    EXPECT_EQ(s.ShipEnergy, 4550);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"", "<KVCOM0090> 450 *"}));
    EXPECT_TRUE(Played("SHIELDDN.WAV"));

    // The same level again: nothing said, nothing played, but the bars are redrawn.
    tg.host.output.clear();
    tg.host.sounds.clear();
    RaiseLowerShields(tg.game, 0);
    EXPECT_TRUE(tg.host.output.empty());
    EXPECT_TRUE(tg.host.sounds.empty());
    EXPECT_EQ(Count("refresh:Bars"), 3);
}

TEST_F(AutoShieldsTest, NoHostilesOrBlindSensorsKeepTheLevel) {
    s.LibShieldLevel = 1;
    for (int variant = 0; variant < 2; ++variant) {
        SCOPED_TRACE(variant == 0 ? "no hostiles" : "short-range sensors damaged");
        if (variant == 0)
            s.ZarvoniEnergy[3] = 0;
        else
            s.SystemDamage[kShortRangeSensors] = 0.5f;
        s.ShieldLevel = 300;
        s.ShipEnergy = 4000;
        tg.host.events.clear();
        RaiseLowerShields(tg.game, 0);
        EXPECT_EQ(s.ShieldLevel, 300);
        EXPECT_EQ(s.ShipEnergy, 4000);
        EXPECT_TRUE(tg.host.output.empty());
        EXPECT_EQ(Count("refresh:Bars"), 1);
        s.ZarvoniEnergy[3] = 100;
        s.SystemDamage[kShortRangeSensors] = 0;
    }
}

TEST_F(AutoShieldsTest, EveryHostileKindCallsForShields) {
    s.LibShieldLevel = 1;
    s.ZarvoniEnergy[3] = 0;
    struct Case {
        const char* name;
        void (*setup)(GameState&);
    };
    const Case cases[] = {
        {"cloaked ship", [](GameState& st) { st.CloakedPerQuadrant[1][2] = 1; }},
        {"hostile starbase", [](GameState& st) { st.ZarvoniBase = {0, 2, 3, 1, 1, 100}; }},
        {"Morv ship",
         [](GameState& st) {
             st.MorvShip = {0, 2, 3, 1, 1};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GameState saved = s;
        c.setup(s);
        s.ShieldLevel = 0;
        RaiseLowerShields(tg.game, 0);
        EXPECT_EQ(s.ShieldLevel, 2000);
        s = saved;
    }
    // A captured base is no hostile.
    s.ZarvoniBase = {-1, 2, 3, 1, 1, 100};
    s.ShieldLevel = 0;
    RaiseLowerShields(tg.game, 0);
    EXPECT_EQ(s.ShieldLevel, 0);
}

TEST_F(AutoShieldsTest, FrequencySwitchAndHandSetShieldsDecideWhetherItActs) {
    struct Case {
        const char* name;
        Integer frequency;
        Flag panelSwitch;
        int arrival;
        Flag docked, changedByHand;
        bool acts;
    };
    const Case cases[] = {
        {"constantly", 0, kTrue, 0, 0, 0, true},
        {"constantly, on arrival", 0, kTrue, 1, 0, 0, true},
        {"on entering only, no arrival", 1, kTrue, 0, 0, 0, false},
        {"on entering only, arrival", 1, kTrue, 1, 0, 0, true},
        {"never", 2, kTrue, 1, 0, 0, false},
        {"panel switch off", 0, kFalse, 1, 0, 0, false},
        {"docked", 0, kTrue, 0, 1, 0, false},
        {"shields set by hand", 0, kTrue, 0, 0, kTrue, false},
    };
    s.LibShieldLevel = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s.LibShieldFrequency = c.frequency;
        s.ComAutoShields = c.panelSwitch;
        s.Docked = c.docked;
        s.ShieldsChanged = c.changedByHand;
        s.ShieldLevel = 0;
        s.ShipEnergy = 5000;
        tg.host.events.clear();
        RaiseLowerShields(tg.game, c.arrival);
        EXPECT_EQ(s.ShieldLevel, c.acts ? 2000 : 0);
        EXPECT_EQ(Count("refresh:Bars"), c.acts ? 1 : 0);
        EXPECT_TRUE(tg.host.notices.empty());
    }
}

TEST_F(AutoShieldsTest, DamagedComputerAnswersOncePerArming) {
    s.LibShieldLevel = 1;
    s.SystemDamage[kComputer] = 1.0f;
    // Arriving in a quadrant the grid was not built for arms the shields.
    s.TacticalQuadRow = 5;
    RaiseLowerShields(tg.game, 1);
    EXPECT_EQ(tg.host.sounds.size(), 1u);
    EXPECT_TRUE(Played("NOTRESP.WAV"));
    EXPECT_FALSE(s.ShieldRaisePending);
    // Not armed again: silence.
    RaiseLowerShields(tg.game, 0);
    EXPECT_EQ(tg.host.sounds.size(), 1u);
    EXPECT_EQ(s.ShieldLevel, 0);
    // A switch marked damaged counts the same.
    s.SystemDamage[kComputer] = 0;
    s.ComAutoShieldsColor = 0x0000FF;
    RaiseLowerShields(tg.game, 1);
    EXPECT_EQ(tg.host.sounds.size(), 2u);
    EXPECT_EQ(s.ShieldLevel, 0);
}

}  // namespace
}  // namespace kv
