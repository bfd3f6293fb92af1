#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/tactical/Hyperspace.h"
#include "support/WeaponsTestSupport.h"

namespace kv::test {
namespace {

// The draws a test names, then seeded ones for whatever the damage and the refresh draw.
class ScriptThenSeeded : public Random {
public:
    explicit ScriptThenSeeded(std::vector<float> v) : v_(std::move(v)) {}
    float Rnd() override { return next_ < v_.size() ? v_[next_++] : (++next_, rest_.Rnd()); }
    size_t Used() const { return next_; }

private:
    std::vector<float> v_;
    size_t next_ = 0;
    SeededRandom rest_{7};
};

// The draws a test names, then always the same one.
class ScriptThenConstant : public Random {
public:
    ScriptThenConstant(std::vector<float> v, float rest) : v_(std::move(v)), rest_(rest) {}
    float Rnd() override { return next_ < v_.size() ? v_[next_++] : rest_; }

private:
    std::vector<float> v_;
    size_t next_ = 0;
    float rest_;
};

// The flash's eight colour draws, then the draws a test names.
std::vector<float> AfterFlash(std::vector<float> v) {
    std::vector<float> all(8, 0.5f);
    all.insert(all.end(), v.begin(), v.end());
    return all;
}

// Draw giving Int(r x 8 + 1) = n.
float Coord(int n) { return (n - 1) / 8.0f + 0.01f; }
// Draw giving Int(r x 4.999) = n hits.
float Hits(int n) { return n / 4.999f + 0.01f; }

int SystemsOut(const GameState& s) {
    int n = 0;
    for (int i = 1; i <= 8; ++i)
        if (s.SystemDamage[i] >= 8.0f) ++n;
    return n;
}

TEST(HyperspaceTest, NoAtEitherQuestionChangesNothing) {
    for (std::deque<int> answers : {std::deque<int>{kNo}, std::deque<int>{kYes, kNo}}) {
        ScriptedRandom rng;
        WeaponsGame tg(rng);
        tg.host.answers = answers;
        Hyperspace(tg.game);
        EXPECT_EQ(tg.host.questions.size(), answers.size());
        EXPECT_EQ(tg.host.questions[0], "<KVBASIC0146>\r\n<KVBASIC0147>");
        EXPECT_EQ(tg.host.styles[0], kYesNo + kExclamation);
        EXPECT_EQ(tg.st.ShipQuadrantRow, 4);
        EXPECT_EQ(tg.st.ShipEnergy, 3000);
        EXPECT_EQ(tg.st.TimeLeft, 30.0f);
        EXPECT_TRUE(tg.host.Events("disable:").empty());
    }
}

TEST(HyperspaceTest, AJumpLandsOffTheStarSystemsAndCostsFiveEnergy) {
    // The flash's colours (RGB(255, CInt(R x 255), 0) in each frame); quadrant (3, 5), with no
    // hostiles to meet the ship there; its first system at (1, 2), another at (5, 5): the start
    // is redrawn until free; no damage.
    const std::vector<float> flash{0.0f, 0.5f, 0.1f, 0.999f, 0.2f, 0.7f, 0.4f, 0.6f};
    std::vector<float> draws = flash;
    for (float d : {Coord(3), Coord(5), Coord(5), Coord(5), Coord(2), Coord(7), Hits(0)}) draws.push_back(d);
    ScriptThenSeeded rng(draws);
    WeaponsGame tg(rng);
    tg.host.answers = {kYes, kYes};
    tg.st.StarSystemTable.resize(8 * 8 * 4);
    tg.st.StarSystem(3, 5, 1).SectorRow = 1, tg.st.StarSystem(3, 5, 1).SectorCol = 2;
    tg.st.StarSystem(3, 5, 2).SectorRow = 5, tg.st.StarSystem(3, 5, 2).SectorCol = 5;
    tg.st.Galaxy[3][5] = 2;
    tg.st.ComAutoLRS = kFalse;
    tg.st.Docked = 1;
    Hyperspace(tg.game);
    // The flash, the jump and the hostiles' walk over the galaxy in the refresh.
    EXPECT_EQ(rng.Used(), 15u + QuietWalk(tg.st).size());
    EXPECT_EQ(tg.st.ShipQuadrantRow, 3);
    EXPECT_EQ(tg.st.ShipQuadrantCol, 5);
    EXPECT_EQ(tg.st.ShipSectorRow, 2);
    EXPECT_EQ(tg.st.ShipSectorCol, 7);
    EXPECT_FALSE(tg.st.Docked);
    EXPECT_EQ(tg.st.KnownGalaxy[3][5], 2);
    // The jump's caption of the hostile lamp, rewritten by the status panel at the refresh.
    EXPECT_EQ(tg.st.LampCaption[2], " ZARVONIS<KVCOM0076>");
    EXPECT_EQ(tg.st.ShipEnergy, 3000 - 5);
    EXPECT_FLOAT_EQ(tg.st.TimeLeft, 29.8f);
    EXPECT_EQ(SystemsOut(tg.st), 0);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(tg.st.SystemDamage[i], 0.0f);
    EXPECT_TRUE(tg.host.Saw("log:<KVBASIC0152> 3 , 5"));
    // The flash: eight frames, each in its own colour and with its sound, then the scan comes
    // back. Green halves round to even: 0.5 x 255 = 127.5 gives 128, 0.1 x 255 = 25.5 gives 26.
    const int green[] = {0, 128, 26, 255, 51, 178, 102, 153};
    std::vector<std::string> frames;
    for (int f = 1; f <= 8; ++f)
        frames.push_back("hyperflash:" + std::to_string(f) + ":" + std::to_string(255 + 256 * green[f - 1]));
    frames.push_back("hyperflash:0");
    EXPECT_EQ(tg.host.Events("hyperflash:"), frames);
    EXPECT_EQ(Played(tg.host, "HYP.WAV"), 8);
    EXPECT_FALSE(tg.host.Saw("modal:frmEgg"));
    EXPECT_FALSE(tg.host.Events("enable:frmCOM").empty());  // the refresh ran
}

TEST(HyperspaceTest, EveryJumpDamagesUpToFourSystems) {
    for (int hits : {0, 1, 4}) {
        ScriptThenSeeded rng(AfterFlash({Coord(2), Coord(2), Coord(1), Coord(1), Hits(hits)}));
        WeaponsGame tg(rng);
        tg.host.answers = {kYes, kYes};
        tg.st.StarSystemTable.resize(8 * 8 * 4);
        tg.st.ComAutoLRS = kFalse;
        Hyperspace(tg.game);
        int damaged = 0;
        for (int i = 1; i <= 8; ++i)
            if (tg.st.SystemDamage[i] > 0) ++damaged;
        // Each hit of 100..399 (and its spread) logs the system it struck; time repairs 0.2.
        EXPECT_EQ(damaged > 0, hits > 0) << hits;
        EXPECT_EQ(tg.host.Events("log:SYS").size(), static_cast<size_t>(hits)) << hits;
    }
}

TEST(HyperspaceTest, OutOfTheTractorBeamOnlyOneQuestionAndSystemsDestroyed) {
    for (float second : {0.5f, 0.51f}) {
        // The destroyed system's draw (3), the second destruction's test, its system's draw (6).
        ScriptThenSeeded rng(AfterFlash({Coord(2), Coord(2), Coord(1), Coord(1), Coord(3), second, Coord(6), Hits(0)}));
        WeaponsGame tg(rng);
        tg.host.answers = {kYes};
        tg.st.StarSystemTable.resize(8 * 8 * 4);
        tg.st.ComAutoLRS = kFalse;
        tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);
        Hyperspace(tg.game);
        EXPECT_EQ(tg.host.questions, (std::vector<std::string>{"<KVBASIC0148>\r\n<KVBASIC0149>"}));
        EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor));
        EXPECT_EQ(SystemsOut(tg.st), second > 0.5f ? 2 : 1) << second;
    }
}

TEST(HyperspaceTest, TheStarTargetDrawsEveryJump) {
    ScriptThenSeeded rng(AfterFlash({Coord(3), Coord(3), Hits(0)}));
    WeaponsGame tg(rng);
    tg.host.answers = {kYes, kYes};
    tg.st.StarSystemTable.resize(8 * 8 * 4);
    tg.st.ComAutoLRS = kFalse;
    tg.st.StarTarget = "Vega";
    tg.st.StarTargetRow = 6, tg.st.StarTargetCol = 2;
    Hyperspace(tg.game);
    EXPECT_EQ(tg.st.ShipQuadrantRow, 6);
    EXPECT_EQ(tg.st.ShipQuadrantCol, 2);
    EXPECT_EQ(tg.st.ShipSectorRow, 3);
    EXPECT_EQ(tg.st.ShipSectorCol, 3);
}

TEST(HyperspaceTest, TheAutomaticScanRunsOnlyWithUndamagedSensorsAndTheRefreshAlways) {
    struct Case {
        const char* what;
        Flag option;
        float sensors;
        bool scan;
    };
    const Case cases[] = {
        {"option on, sensors sound", kTrue, 0, true},
        {"option on, sensors damaged", kTrue, 0.5f, false},
        {"option on, sensors out of action", kTrue, 7.5f, false},
        {"option off", kFalse, 0, false},
    };
    for (const auto& c : cases) {
        ScriptThenSeeded rng(AfterFlash({Coord(2), Coord(7), Coord(1), Coord(1), Hits(0)}));
        WeaponsGame tg(rng);
        tg.host.answers = {kYes, kYes};
        tg.st.StarSystemTable.resize(8 * 8 * 4);
        tg.st.ComAutoLRS = c.option;
        tg.st.SystemDamage[kLongRangeSensors] = c.sensors;
        tg.st.Galaxy[1][6] = 300;
        tg.host.visible.insert(Form::frmGalaxy);
        Hyperspace(tg.game);
        EXPECT_EQ(tg.host.Saw("log:<COM0001>"), c.scan) << c.what;
        EXPECT_EQ(tg.st.KnownGalaxy[1][6], c.scan ? 300 : -1) << c.what;
        const float sensorRepair = c.sensors > 0 && c.sensors < 7 ? 0.2f : 0;
        EXPECT_FLOAT_EQ(tg.st.TimeLeft, c.scan ? 29.75f : 29.8f) << c.what;
        EXPECT_FLOAT_EQ(tg.st.SystemDamage[kLongRangeSensors], c.sensors - sensorRepair) << c.what;
        EXPECT_FALSE(tg.host.Events("enable:frmCOM").empty()) << c.what;  // the refresh ran
    }
}

TEST(HyperspaceTest, TheHiddenPictureJustBeforeMidnight) {
    ScriptThenSeeded rng(AfterFlash({Coord(2), Coord(2), Coord(1), Coord(1), Hits(0)}));
    WeaponsGame tg(rng);
    tg.host.answers = {kYes, kYes};
    tg.st.StarSystemTable.resize(8 * 8 * 4);
    tg.host.timeOfDay = 86395;
    tg.host.modal[Form::frmEgg] = [] { return kOK; };
    Hyperspace(tg.game);
    EXPECT_TRUE(tg.host.Saw("modal:frmEgg"));
}

TEST(HyperspaceTest, AShipLostToTheHostilesItMeetsEndsTheJump) {
    // The jump lands at sector (5, 5) of quadrant (2, 2) without damage; the Zarvoni ship there
    // (drawn to (1, 1)) fires on arrival, and with every system already out of action its hit
    // loses the ship.
    ScriptThenConstant rng(AfterFlash({Coord(2), Coord(2), Coord(5), Coord(5), Hits(0)}), 0.1f);
    WeaponsGame tg(rng);
    tg.host.answers = {kYes, kYes};
    tg.st.StarSystemTable.resize(8 * 8 * 4);
    tg.st.ComAutoLRS = kFalse;
    tg.st.ShieldFactor = 1.0f;
    tg.st.Galaxy[2][2] = 100;
    for (int i = 1; i <= 8; ++i) tg.st.SystemDamage[i] = 8.0f;
    tg.st.SystemDamage[kHull] = 6.99f;
    Hyperspace(tg.game);
    EXPECT_TRUE(tg.st.ShipLost);
    EXPECT_FALSE(tg.st.GameRunning);
    // Nothing of the jump follows the end of the game: no alert (the condition box is left
    // blank by the end of the game), no charge, no refresh.
    const auto& ev = tg.host.events;
    const auto lost = std::find(ev.begin(), ev.end(), "modal:frmShip");
    ASSERT_NE(lost, ev.end());
    EXPECT_EQ(std::count_if(lost, ev.end(), [](const std::string& e) { return e.ends_with("RED.WAV"); }), 0);
    EXPECT_EQ(tg.st.ConditionCaption, "");
    EXPECT_FLOAT_EQ(tg.st.TimeLeft, 0.0f);  // as the end of the game left it
}

}  // namespace
}  // namespace kv::test
