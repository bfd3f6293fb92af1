#include <gtest/gtest.h>

#include "engine/tactical/Shields.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

struct ShieldsTest : ::testing::Test {
    ScriptedRandom rng;  // the shield command draws nothing
    TurnGame tg{rng};
    GameState& s = tg.game.st;
    // What the dialog saw when it opened.
    Integer levelSeen = -1;
    Long energySeen = -1;

    void SetUp() override {
        AddSounds(tg, {"SHIELDUP.WAV", "SHIELDDN.WAV"});
        s.ShipEnergy = 3000;
        s.ShieldLevel = 400;
        s.ZarvoniEnergy[2] = 100;  // one hostile ship in the quadrant
    }
    // The dialog sets `level` (charged to the ship's energy), as its Accept does.
    void DialogSets(Integer level) {
        tg.host.modal[Form::frmSHE] = [this, level] {
            levelSeen = s.ShieldLevel;
            energySeen = s.ShipEnergy;
            s.ShieldLevel = level;
            s.ShipEnergy -= level;
            return static_cast<int>(kOK);
        };
    }
};

TEST_F(ShieldsTest, TheDialogGetsAllTheEnergyAndTheOldLevel) {
    DialogSets(900);
    SetShields(tg.game, 0);
    EXPECT_EQ(levelSeen, 0);
    EXPECT_EQ(energySeen, 3400);
    EXPECT_EQ(s.LibComputerState[0], 400);
    EXPECT_EQ(s.ShieldLevel, 900);
    EXPECT_EQ(s.ShipEnergy, 2500);
    EXPECT_EQ(tg.host.Events("refresh:Bars").size(), 2u);
}

TEST_F(ShieldsTest, RaisingLoweringAndKeepingTheLevel) {
    struct Case {
        const char* what;
        Integer before, after;
        std::vector<std::string> log;
        std::vector<std::string> sounds;
        Flag changed;
    };
    const Case cases[] = {
        {"raised from 0", 0, 500, {"", "<KVBASIC0250> 500 *"}, {"SHIELDUP.WAV"}, kTrue},
        {"lowered", 400, 0, {"", "<KVBASIC0251> 0 *"}, {"SHIELDDN.WAV"}, kTrue},
        {"the same level", 400, 400, {"", "<KVBASIC0252>"}, {}, kFalse},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tg.host.output.clear();
        tg.host.sounds.clear();
        s.ShieldsChanged = kFalse;
        s.ShieldLevel = c.before;
        s.ShipEnergy = 3000;
        DialogSets(c.after);
        SetShields(tg.game, 0);
        EXPECT_EQ(tg.host.output, c.log);
        EXPECT_EQ(SoundNames(tg.host), c.sounds);
        EXPECT_EQ(s.ShieldsChanged, c.changed);
        EXPECT_EQ(s.ShieldLevel + s.ShipEnergy, 3000 + c.before);
    }
}

TEST_F(ShieldsTest, DockedRefusesThePlayersCommandOnly) {
    s.Docked = 1;
    SetShields(tg.game, 0);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVBASIC0249>"});
    EXPECT_TRUE(tg.host.Events("modal:").empty());
    EXPECT_EQ(s.ShieldLevel, 400);
    EXPECT_EQ(s.ShipEnergy, 3000);

    DialogSets(600);
    SetShields(tg.game, 1);  // after a move's offer
    EXPECT_EQ(tg.host.Events("modal:"), std::vector<std::string>{"modal:frmSHE"});
    EXPECT_EQ(s.ShieldLevel, 600);
}

TEST_F(ShieldsTest, TheAutoButtonIsOfferedOnlyAgainstHostilesWithSensorsAndComputerSound) {
    struct Case {
        const char* what;
        int mode;
        void (*setup)(GameState&);
        Long disabled;
    };
    const Case cases[] = {
        {"a hostile ship", 0, [](GameState&) {}, 0},
        {"after an offer", 1, [](GameState&) {}, 1},
        {"no hostile", 0, [](GameState& st) { st.ZarvoniEnergy[2] = 0; }, 1},
        {"a cloaked ship", 0, [](GameState& st) { st.ZarvoniEnergy[2] = 0, st.CloakedEnergy[5] = 30; }, 0},
        {"sensors slightly damaged", 0, [](GameState& st) { st.SystemDamage[kShortRangeSensors] = 0.01f; }, 1},
        {"computer damaged", 0, [](GameState& st) { st.SystemDamage[kComputer] = 3.0f; }, 1},
        {"the hostile base here", 0,
         [](GameState& st) {
             st.ZarvoniEnergy[2] = 0;
             st.ZarvoniBase[1] = st.ZarvoniBase[2] = 4;
         },
         0},
        {"the hostile base elsewhere", 0,
         [](GameState& st) {
             st.ZarvoniEnergy[2] = 0;
             st.ZarvoniBase[1] = 4, st.ZarvoniBase[2] = 5;
         },
         1},
        {"the hostile base captured", 0,
         [](GameState& st) {
             st.ZarvoniEnergy[2] = 0;
             st.ZarvoniBase[0] = -1, st.ZarvoniBase[1] = st.ZarvoniBase[2] = 4;
         },
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom r;
        TurnGame t(r);
        t.game.st.ZarvoniEnergy[2] = 100;
        c.setup(t.game.st);
        Long seen = -5;
        t.host.modal[Form::frmSHE] = [&] {
            seen = t.game.st.LibComputerState[1];
            return static_cast<int>(kCancel);
        };
        SetShields(t.game, c.mode);
        EXPECT_EQ(seen, c.disabled);
    }
}

}  // namespace
}  // namespace kv::test
