#include <gtest/gtest.h>

#include "engine/tactical/SelfDestruct.h"
#include "engine/turn/Warp.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

// Ship at quadrant (4, 4), sector (4, 4): absolute (36, 36). Friendly starbase 1 at quadrant
// (4, 5), sector (5, 1): absolute (37, 41), sqrt(26) = 5.1 sectors away, 5 tow steps.
void PlaceBase(GameState& s, int base, int qr, int qc, int sr, int sc, Long strength = 30000, bool charted = true) {
    s.Starbases[1][base] = qr;
    s.Starbases[2][base] = qc;
    s.Starbases[3][base] = strength;
    s.StarbaseSectors[1][base] = static_cast<Integer>(sr);
    s.StarbaseSectors[2][base] = static_cast<Integer>(sc);
    s.Galaxy[qr][qc] = static_cast<Integer>(10 * base);
    s.KnownGalaxy[qr][qc] = charted ? s.Galaxy[qr][qc] : -1;
}

TEST(WarpTest, CheckAsksOnlyWhileWarpEnginesAreOut) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    tg.game.st.SystemDamage[kWarpEngines] = 6.99f;
    EXPECT_FALSE(CheckWarp(tg.game));
    EXPECT_TRUE(tg.host.questions.empty());

    tg.game.st.SystemDamage[kWarpEngines] = 7.0f;
    tg.host.answers = {kIgnore};
    EXPECT_FALSE(CheckWarp(tg.game));
    ASSERT_EQ(tg.host.questions.size(), 1u);
    EXPECT_EQ(tg.host.questions[0],
              "SYS1<KVGAME0022>\r\n\r\n<KVGAME0023>\r\n<KVGAME0024><KVGAME0018>\r\n<KVGAME0019>\r\n"
              "<KVGAME0020>\r\n<KVGAME0021>");
    EXPECT_EQ(tg.host.styles, (std::vector<long>{kAbortRetryIgnore}));
}

TEST(WarpTest, HostilesInTheQuadrantOfferOnlySelfDestruct) {
    struct Case {
        const char* what;
        int zarvoniCode;
        bool morv, base;
    };
    const Case cases[] = {{"a Zarvoni ship", 100, false, false},
                          {"the Morv ship", 0, true, false},
                          {"the Zarvoni starbase", 0, false, true}};
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        s.SystemDamage[kWarpEngines] = 8.0f;
        s.Galaxy[4][4] = static_cast<Integer>(c.zarvoniCode);
        if (c.morv) s.MorvShip[1] = s.MorvShip[2] = 4;
        if (c.base) s.ZarvoniBase[1] = s.ZarvoniBase[2] = 4;
        s.ZarvonisLeft = 10;
        // OK chooses the self-destruct: it asks once more and runs its countdown to the end.
        tg.host.answers = {kOK, kYes};
        tg.host.modal[Form::frmDES] = [&] {
            StartSelfDestructCountdown(tg.game);
            while (!SelfDestructCountdownTick(tg.game)) {
            }
            return kOK;
        };
        // What the blast has left when the ship is lost (the end of the game then blanks the
        // panels and their counts).
        Integer left = -1;
        float engines = -1;
        tg.host.modal[Form::frmShip] = [&] {
            left = s.ZarvonisLeft;
            engines = s.SystemDamage[kWarpEngines];
            return kOK;
        };
        EXPECT_TRUE(CheckWarp(tg.game)) << c.what;  // the blast ended the game
        EXPECT_EQ(tg.host.styles, (std::vector<long>{kOKCancel, kYesNo + kExclamation})) << c.what;
        EXPECT_NE(tg.host.questions[0].find("<KVGAME0013>Zarvonis<KVGAME0014>"), std::string::npos);
        EXPECT_EQ(tg.host.questions[1], "<KVBASIC0026>") << c.what;
        EXPECT_TRUE(EventsStarting(tg.host.events, "tow:").empty()) << c.what;  // self-destruct, no tow
        // The blast took what stood in the quadrant.
        EXPECT_EQ(left, c.zarvoniCode ? 9 : 10) << c.what;
        EXPECT_EQ(s.MorvShipsDestroyed, c.morv ? 1 : 0) << c.what;
        EXPECT_EQ(s.ZarvoniBaseDestroyed, c.base ? 1 : 0) << c.what;
        EXPECT_EQ(engines, 8.0f) << c.what;  // no tow repaired the engines
        EXPECT_TRUE(s.ShipLost) << c.what;
        EXPECT_FALSE(s.GameRunning) << c.what;
    }
}

TEST(WarpTest, AbortGivesUpTheGame) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    tg.game.st.SystemDamage[kWarpEngines] = 7.5f;
    tg.host.answers = {kAbort};
    EXPECT_TRUE(CheckWarp(tg.game));
    EXPECT_FALSE(tg.game.st.GameRunning);
}

TEST(WarpTest, TowChargesTimeAndEnergyPerSector) {
    struct Case {
        Long energy, expected;
    };
    // 5 steps: 175 energy, then 500 more at 1000 or above, 800 below.
    const Case cases[] = {{3000, 3000 - 175 + 500}, {1175, 1000 + 500}, {1174, 999 + 800}, {900, 725 + 800}};
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        s.SystemDamage[kWarpEngines] = 8.0f;
        s.SystemDamage[kPhasers] = 1.5f;
        s.ShipEnergy = c.energy;
        PlaceBase(s, 1, 4, 5, 5, 1);
        tg.host.answers = {kRetry};
        EXPECT_FALSE(CheckWarp(tg.game));
        EXPECT_EQ(s.ShipEnergy, c.expected) << c.energy;
        EXPECT_EQ(s.TimeLeft, 29.0f);               // 5 x 0.2
        EXPECT_EQ(s.SystemDamage[kPhasers], 0.5f);  // time repairs as it passes
        EXPECT_EQ(s.SystemDamage[kWarpEngines], 6.0f);
        EXPECT_EQ(tg.host.output.front(), "<KVGAME0025>");
        EXPECT_EQ(tg.host.notices.front(), "<KVGAME0026>\r\n<KVGAME0027>4,4.\r\n<KVGAME0028>");
        EXPECT_EQ(EventsStarting(tg.host.events, "focus:").size(), 1u);
    }
}

TEST(WarpTest, TowIconCrossesTheScanToTheShip) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    s.SystemDamage[kWarpEngines] = 8.0f;
    PlaceBase(s, 1, 4, 5, 5, 1);
    int row = 0, col = 0;
    ASSERT_TRUE(TowEntrySector(tg.game, 37, 41, row, col));
    EXPECT_EQ(row, 5);
    EXPECT_EQ(col, 8);
    WarpSequence(tg.game);
    EXPECT_EQ(EventsStarting(tg.host.events, "tow:"),
              (std::vector<std::string>{"tow:5,7", "tow:5,6", "tow:4,5", "tow:4,4"}));
    EXPECT_EQ(EventsStarting(tg.host.events, "resetsector:"),
              (std::vector<std::string>{"resetsector:5,7", "resetsector:5,6", "resetsector:4,5"}));
    EXPECT_EQ(EventsStarting(tg.host.events, "draw:"),
              (std::vector<std::string>{"draw:5,7:13", "draw:5,6:13", "draw:4,5:13"}));
}

TEST(WarpTest, ApproachFromAnyBaseArrivesInTheShipsQuadrant) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.game.st;
    for (int ship : {1, 4, 8}) {
        s.ShipQuadrantRow = s.ShipQuadrantCol = static_cast<Integer>(ship);
        s.ShipSectorRow = static_cast<Integer>(9 - ship);
        s.ShipSectorCol = static_cast<Integer>(ship);
        for (int r = 9; r <= 72; ++r) {
            for (int c = 9; c <= 72; ++c) {
                int row = 0, col = 0;
                ASSERT_TRUE(TowEntrySector(tg.game, r, c, row, col)) << r << "," << c;
                EXPECT_TRUE(row >= 1 && row <= 8 && col >= 1 && col <= 8);
            }
        }
    }
}

TEST(WarpTest, ChoosesTheNearestBaseThatStillStands) {
    struct Case {
        const char* what;
        void (*setup)(GameState&);
        const char* firstTow;  // "" = no tow
        const char* notice;    // the notice after the opening one
    };
    const Case cases[] = {
        {"nearest of two",
         [](GameState& s) {
             PlaceBase(s, 1, 4, 6, 4, 4);  // 16 sectors east
             PlaceBase(s, 2, 4, 5, 4, 4);  // 8 sectors east
         },
         "tow:4,7", nullptr},
        {"a tie goes to the lower number",
         [](GameState& s) {
             PlaceBase(s, 2, 4, 5, 4, 4);  // 8 east
             PlaceBase(s, 3, 4, 3, 4, 4);  // 8 west
         },
         "tow:4,7", nullptr},
        {"an uncharted base is no candidate",
         [](GameState& s) {
             PlaceBase(s, 1, 4, 5, 4, 4, 30000, false);
             PlaceBase(s, 2, 4, 3, 4, 4);
         },
         "tow:4,2", nullptr},
        {"unless its call is on record",
         [](GameState& s) {
             PlaceBase(s, 1, 4, 5, 4, 4, 30000, false);
             s.Starbases[0][1] = kTrue;
         },
         "tow:4,7", nullptr},
        {"the captured hostile starbase once found",
         [](GameState& s) {
             PlaceBase(s, 1, 4, 6, 4, 4);
             s.ZarvoniBase = {-1, 3, 4, 4, 4, 1000};
             s.ZarvoniBaseKnown = kTrue;
         },
         "tow:2,4", nullptr},
        {"not while unknown",
         [](GameState& s) {
             PlaceBase(s, 1, 4, 6, 4, 4);
             s.ZarvoniBase = {-1, 3, 4, 4, 4, 1000};
         },
         "tow:4,7", nullptr},
        {"every base destroyed, none captured", [](GameState& s) { PlaceBase(s, 1, 4, 5, 4, 4, -1000); }, "",
         "<KVGAME0029>"},
        {"a destroyed base does not tow",
         [](GameState& s) {
             PlaceBase(s, 1, 4, 5, 4, 4, -1000);
             s.ZarvoniBase = {-1, 3, 4, 4, 4, -1000};
             s.ZarvoniBaseKnown = kTrue;
             s.ShipEnergy = 4000000;  // however much energy is left
         },
         "", "<KVGAME0030>\r\n\r\n<KVGAME0031>"},
        {"a base outside the galaxy does not tow",
         [](GameState& s) {
             s.Starbases[3][2] = 30000;  // strength but no quadrant
         },
         "", "<KVGAME0030>\r\n\r\n<KVGAME0031>"},
        {"only uncharted bases: out of reach", [](GameState& s) { PlaceBase(s, 1, 4, 5, 4, 4, 30000, false); }, "",
         "<KVGAME0030>\r\n\r\n<KVGAME0031>"},
        {"too little energy",
         [](GameState& s) {
             PlaceBase(s, 1, 4, 6, 4, 4);
             s.ShipEnergy = 559;  // 15.97 sectors' worth
         },
         "", "<KVGAME0030>\r\n\r\n<KVGAME0031>"},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.game.st;
        s.SystemDamage[kWarpEngines] = 8.0f;
        c.setup(s);
        WarpSequence(tg.game);
        const auto tows = EventsStarting(tg.host.events, "tow:");
        if (*c.firstTow) {
            ASSERT_FALSE(tows.empty()) << c.what;
            EXPECT_EQ(tows.front(), c.firstTow) << c.what;
            EXPECT_EQ(s.SystemDamage[kWarpEngines], 6.0f) << c.what;
        } else {
            EXPECT_TRUE(tows.empty()) << c.what;
            ASSERT_EQ(tg.host.notices.size(), 2u) << c.what;
            EXPECT_EQ(tg.host.notices[1], c.notice) << c.what;
            EXPECT_EQ(s.SystemDamage[kWarpEngines], 8.0f) << c.what;  // nothing changes, no time passes
            EXPECT_EQ(s.TimeLeft, 30.0f) << c.what;
        }
    }
}

}  // namespace
}  // namespace kv::test
