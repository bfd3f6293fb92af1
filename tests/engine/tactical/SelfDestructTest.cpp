#include <gtest/gtest.h>

#include "engine/tactical/SelfDestruct.h"
#include "support/WeaponsTestSupport.h"

namespace kv::test {
namespace {

// Quadrant (4, 4) holds three Zarvoni ships, one of them already counted, the Zarvoni
// starbase with two ships docked, friendly starbase 2 and the ruins of friendly starbase 3.
struct DestructGame : TurnGame {
    explicit DestructGame(Random& r) : TurnGame(r) {
        AddSounds(*this, {"DESWARN.WAV", "COUNTDN.WAV"});
        st.Galaxy[4][4] = 321;
        st.ZarvonisLeft = 20;
        st.FlaggedZarvonis = 4;
        st.ZarvoniFlags[2] = -1;
        st.ZarvoniBase = {0, 4, 4, 2, 2, 30000};
        st.ZarvoniBaseShips = 2;
        st.Starbases[1][2] = 4, st.Starbases[2][2] = 4, st.Starbases[3][2] = 40000;
        st.Starbases[1][3] = 4, st.Starbases[2][3] = 4, st.Starbases[3][3] = -1000;
        st.Starbases[1][1] = 6, st.Starbases[2][1] = 6, st.Starbases[3][1] = 50000;
        host.modal[Form::frmShip] = [] { return kOK; };
    }
    // The countdown window left alone: it runs to 0:00.
    void CountdownRunsOut() {
        host.modal[Form::frmDES] = [this] {
            StartSelfDestructCountdown(game);
            int ticks = 0;
            while (!SelfDestructCountdownTick(game) && ++ticks < 20) {
            }
            return kOK;
        };
    }
};

TEST(SelfDestructTest, NoOrAnAbortChangesNothing) {
    for (bool abort : {false, true}) {
        ConstantRandom rng(0.5f);
        DestructGame tg(rng);
        tg.host.answers = abort ? std::deque<int>{kYes, kYes} : std::deque<int>{kNo};
        tg.host.modal[Form::frmDES] = [&] {
            StartSelfDestructCountdown(tg.game);
            SelfDestructCountdownTick(tg.game);
            SelfDestructCountdownTick(tg.game);
            EXPECT_EQ(tg.st.SelfDestructTime, "0:08");
            EXPECT_TRUE(AbortSelfDestruct(tg.game));
            return kCancel;
        };
        SelfDestruct(tg.game);
        EXPECT_EQ(tg.host.questions.front(), "<KVBASIC0026>");
        EXPECT_EQ(tg.host.styles.front(), kYesNo + kExclamation);
        EXPECT_EQ(tg.st.ZarvonisLeft, 20);
        EXPECT_EQ(tg.st.Starbases[3][2], 40000);
        EXPECT_EQ(tg.st.ZarvoniBase[5], 30000);
        EXPECT_TRUE(tg.st.GameRunning);
        EXPECT_EQ(tg.host.Saw("modal:frmDES"), abort);
        EXPECT_EQ(tg.host.Saw("show:frmStatus"), abort);
        if (abort) {
            EXPECT_EQ(tg.st.SelfDestructTime, "0:10");
            EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmDES_tmrCount));
            EXPECT_EQ(tg.host.questions[1], "<DES0003>");
            EXPECT_EQ(tg.host.output, (std::vector<std::string>{"", "<DES0001>", "<DES0004>"}));
        }
    }
}

TEST(SelfDestructTest, TheCountdownRunsTenSecondsAndTheBlastTakesTheQuadrant) {
    ConstantRandom rng(0.5f);
    DestructGame tg(rng);
    tg.CountdownRunsOut();
    tg.host.answers = {kYes};
    // What the blast has left when the ship is lost (the end of the game then blanks the
    // panels and their counts).
    Integer left = -1, flagged = -1;
    tg.host.modal[Form::frmShip] = [&] {
        left = tg.st.ZarvonisLeft;
        flagged = tg.st.FlaggedZarvonis;
        return kOK;
    };
    SelfDestruct(tg.game);
    EXPECT_EQ(Played(tg.host, "DESWARN.WAV"), 1);
    EXPECT_EQ(Played(tg.host, "COUNTDN.WAV"), 10);
    EXPECT_EQ(tg.st.SelfDestructTime, "0:00");
    EXPECT_FALSE(tg.st.SelfDestructActive);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmDES_tmrCount));
    // Three ships and the two docked at the Zarvoni starbase; the counted ship's flag.
    EXPECT_EQ(left, 15);
    EXPECT_EQ(flagged, 3);
    EXPECT_EQ(tg.st.ZarvoniBaseDestroyed, 1);
    EXPECT_EQ(tg.st.ZarvoniBase, (std::array<Long, 6>{0, 0, 0, 0, 0, -1000}));
    // The standing starbase is lost in battle; the ruins are not counted again; the one
    // elsewhere stands.
    EXPECT_EQ(tg.st.StatCounterG, 1);
    EXPECT_EQ(tg.st.Starbases[3][2], -1000);
    EXPECT_EQ(tg.st.Starbases[1][2], 0);
    EXPECT_EQ(tg.st.Starbases[3][1], 50000);
    // The ship goes with it, and the game ends.
    EXPECT_EQ(tg.st.ShipEnergy, 0);
    EXPECT_EQ(tg.st.TorpedoStockClass1, 0);
    EXPECT_TRUE(tg.st.ShipLost);
    EXPECT_FALSE(tg.st.GameRunning);
    EXPECT_TRUE(tg.host.Saw("modal:frmShip"));
}

TEST(SelfDestructTest, TheBlastNeverTakesTheCountsBelowZero) {
    ConstantRandom rng(0.5f);
    DestructGame tg(rng);
    tg.CountdownRunsOut();
    tg.host.answers = {kYes};
    tg.st.ZarvonisLeft = 2;  // fewer than the quadrant's three ships and the base's two
    tg.st.FlaggedZarvonis = 0;
    Integer left = -1, flagged = -1;
    tg.host.modal[Form::frmShip] = [&] {
        left = tg.st.ZarvonisLeft;
        flagged = tg.st.FlaggedZarvonis;
        return kOK;
    };
    SelfDestruct(tg.game);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(flagged, 0);
}

TEST(SelfDestructTest, TheMorvShipIsTakenAlongByTheBlastsShare) {
    struct Case {
        const char* what;
        Long energy, strength;
        Integer shields, class1, class2, power;
        float draw;
        bool taken;
    };
    // An empty ship's blast is 300000.
    const Case cases[] = {
        {"empty ship, half chance, draw below", 0, 600000, 0, 0, 0, 0, 0.49f, true},
        {"empty ship, half chance, draw at it", 0, 600000, 0, 0, 0, 0, 0.5f, false},
        {"empty ship, stronger Morv", 0, 1000000, 0, 0, 0, 0, 0.299f, true},
        {"blast at least the strength", 1000, 1000000, 500, 20, 2, 3, 0.999f, true},  // 3 x 361500
        {"a spent Morv ship", 0, 0, 0, 0, 0, 0, 0.999f, true},
        {"below zero", 0, -5, 0, 0, 0, 0, 0.999f, true},
    };
    for (const auto& c : cases) {
        ScriptedRandom rng({c.draw});
        DestructGame tg(rng);
        tg.CountdownRunsOut();
        tg.host.answers = {kYes};
        tg.st.MorvShip = {0, 4, 4, 6, 6};
        tg.st.MorvCountdown = -1;
        tg.st.MorvStrength = c.strength;
        tg.st.ShipEnergy = c.energy;
        tg.st.ShieldLevel = c.shields;
        tg.st.TorpedoStockClass1 = c.class1;
        tg.st.TorpedoStockClass2 = c.class2;
        tg.st.TorpedoClass2Power = c.power;
        SelfDestruct(tg.game);
        EXPECT_EQ(tg.st.MorvShipsDestroyed, c.taken ? 1 : 0) << c.what;
        EXPECT_EQ(tg.st.MorvCountdown, c.taken ? 0 : -1) << c.what;
        EXPECT_EQ(rng.Remaining(), 0u) << c.what;
    }
}

TEST(SelfDestructTest, ClickingTheTimeAtZeroOrAnsweringNoLetsTheCountdownRun) {
    ConstantRandom rng(0.5f);
    DestructGame tg(rng);
    tg.st.SelfDestructActive = kTrue;
    StartSelfDestructCountdown(tg.game);
    tg.host.answers = {kNo};
    EXPECT_FALSE(AbortSelfDestruct(tg.game));
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmDES_tmrCount));
    EXPECT_EQ(tg.st.SelfDestructTime, "0:10");
    tg.st.SelfDestructTime = "0:00";
    EXPECT_FALSE(AbortSelfDestruct(tg.game));
    EXPECT_EQ(tg.host.questions.size(), 1u);
    // A second activation of the same showing starts nothing.
    StartSelfDestructCountdown(tg.game);
    EXPECT_EQ(tg.st.SelfDestructTime, "0:00");
}

}  // namespace
}  // namespace kv::test
