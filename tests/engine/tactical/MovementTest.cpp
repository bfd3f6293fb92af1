#include <gtest/gtest.h>

#include <algorithm>

#include "engine/computer/Navigation.h"
#include "engine/tactical/Movement.h"
#include "engine/tactical/SolarSystemEntry.h"
#include "engine/turn/Condition.h"
#include "state/Numeric.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

// A running game (no victory possible) with the ship in sector (4, 4) of quadrant (4, 4), the
// hostiles' last turn there, an empty galaxy, shields set by hand and no automatic scan.
struct MoveScene {
    SeededRandom rng{11};
    TurnGame tg{rng};
    GameState& s = tg.game.st;

    MoveScene() {
        AddSounds(tg, {"RED.WAV", "SHIELDUP.WAV", "SHIELDDN.WAV", "DOCK.WAV"});
        s.MissionType = 3;
        s.SectorGrid[4][4] = kShip;
        s.ComAutoLRS = kFalse;
        s.LibShieldFrequency = 2;  // never raised automatically
        s.StrongEnemyText = "Morv";
        s.CaptainName = "Captain";
        s.ConfigName = "Vell";
    }
    // The order's own step: the ship leaves its cell, then moves.
    void Move(int qr, int qc, int sr, int sc) {
        if (s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] == kShip)
            s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kEmpty;
        MoveShip(tg.game, qr, qc, sr, sc);
    }
    int Count(Integer code) const {
        int n = 0;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) n += s.SectorGrid[r][c] == code;
        return n;
    }
    bool Logged(const std::string& line) const {
        return std::find(tg.host.output.begin(), tg.host.output.end(), line) != tg.host.output.end();
    }
    // Snapshots the hostile-turn flag when the galaxy record is first redrawn (right after the
    // move has put the ship at its destination).
    Integer flagAtArrival = -5;
    void WatchArrival() {
        tg.host.onRefresh = [this](View v) {
            if (v == View::GalaxyChart && flagAtArrival == -5) flagAtArrival = s.HostileTurnFlag;
        };
    }
};

struct MovementTest : ::testing::Test, MoveScene {};

TEST_F(MovementTest, AMoveInsideTheQuadrant) {
    WatchArrival();
    Move(4, 4, 4, 7);
    EXPECT_EQ(flagAtArrival, 1);
    EXPECT_EQ(s.ShipSectorCol, 7);
    EXPECT_EQ(s.SectorGrid[4][7], kShip);
    EXPECT_EQ(s.SectorGrid[4][4], kEmpty);
    EXPECT_EQ(Count(kShip), 1);
    EXPECT_TRUE(Logged("<KVBASIC0231> 4 , 7"));
    EXPECT_EQ(s.QuadrantChanged, kFalse);
    EXPECT_EQ(s.LibComputerState[3], 0);
    EXPECT_TRUE(tg.host.questions.empty());
    // The move ended with the refresh, which gave the hostiles the turn the move asked for.
    EXPECT_EQ(s.HostileTurnFlag, 0);
    EXPECT_EQ(s.TurnPassedWarp, 1);
}

TEST_F(MovementTest, AcrossQuadrantBordersTheNewQuadrantIsSetUp) {
    // Two Zarvoni ships and a starbase-less quadrant east; a star system north of it.
    s.Galaxy[4][5] = 200;
    s.Galaxy[3][5] = 1;
    s.StarSystem(3, 5, 1).SectorRow = 2, s.StarSystem(3, 5, 1).SectorCol = 2;
    s.LibShieldFrequency = 0;  // the automatic shields act on arrival
    s.ShipEnergy = 4000;
    s.ShieldFactor = 1.0f;
    WatchArrival();

    AcceptNavOrder(tg.game, "1.0", "0.75");  // six sectors east: quadrant (4, 5), sector (4, 2)
    EXPECT_EQ(flagAtArrival, 1);
    EXPECT_EQ(s.ShipQuadrantCol, 5);
    EXPECT_EQ(s.ShipSectorCol, 2);
    EXPECT_EQ(s.SectorGrid[4][2], kShip);
    EXPECT_EQ(s.SectorGrid[4][4], kEmpty);
    EXPECT_EQ(Count(kShip), 1);
    EXPECT_EQ(Count(kZarvoni), 2);
    EXPECT_EQ(s.QuadZarvonis, 2);
    EXPECT_EQ(s.QuadrantChanged, kFalse);
    EXPECT_EQ(s.KnownGalaxy[4][5], 200);
    EXPECT_EQ(s.TacticalQuadCol, 5);  // the hostiles had their turn here
    EXPECT_EQ(s.HostileTurnFlag, 0);
    EXPECT_EQ(s.PrevQuadCol, 4);
    EXPECT_TRUE(Logged("<KVBASIC0229> 4 , 5<KVBASIC0230> 4 , 2"));
    // The arrival's caption of the hostile lamp, rewritten by the status panel at the refresh.
    EXPECT_EQ(s.LampCaption[2], " ZARVONIS<KVCOM0076>");
    EXPECT_GT(s.ShieldLevel, 0);  // raised by the computer in the arrival's scan
    EXPECT_EQ(s.ConditionIndex, kRed);

    // On into the quadrant north: its star, no hostile.
    AcceptNavOrder(tg.game, "3.0", "0.75");
    EXPECT_EQ(s.ShipQuadrantRow, 3);
    EXPECT_EQ(s.ShipSectorRow, 6);
    EXPECT_EQ(s.SectorGrid[6][2], kShip);
    EXPECT_EQ(Count(kShip), 1);
    EXPECT_EQ(Count(kZarvoni), 0);
    EXPECT_EQ(s.SectorGrid[2][2], kStar);
    EXPECT_EQ(s.TacticalQuadRow, 3);
    EXPECT_EQ(s.PrevQuadRow, 4);
    EXPECT_TRUE(tg.host.errors.empty());
}

TEST_F(MovementTest, AnOccupiedDestinationSendsTheShipBackAlongItsPath) {
    struct Case {
        const char* what;
        int fromRow, fromCol, toRow, toCol;
        std::vector<std::pair<int, int>> held;
        int row, col;
        bool bumped;
    };
    const Case cases[] = {
        {"one sector short", 4, 4, 4, 8, {{4, 8}}, 4, 7, true},
        {"along a diagonal", 2, 2, 6, 6, {{6, 6}, {5, 5}}, 4, 4, true},
        {"a star is a destination", 4, 4, 7, 4, {}, 7, 4, false},
        {"a shallow path turns towards its start", 4, 1, 5, 6, {{5, 6}, {5, 5}, {5, 4}, {5, 3}}, 4, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MoveScene m;
        m.s.SectorGrid = {};
        m.s.ShipSectorRow = static_cast<Integer>(c.fromRow), m.s.ShipSectorCol = static_cast<Integer>(c.fromCol);
        m.s.SectorGrid[c.fromRow][c.fromCol] = kShip;
        // The scan rebuilds the grid from the tables: the obstacles are Zarvoni ships without
        // energy (they neither fire nor count).
        m.s.QuadZarvonis = static_cast<Integer>(c.held.size());
        for (size_t i = 0; i < c.held.size(); ++i) {
            m.s.ZarvoniShips[1][i + 1] = static_cast<Integer>(c.held[i].first);
            m.s.ZarvoniShips[2][i + 1] = static_cast<Integer>(c.held[i].second);
            m.s.ZarvoniEnergy[i + 1] = 0;
            m.s.SectorGrid[c.held[i].first][c.held[i].second] = kZarvoni;
        }
        if (c.held.empty()) {
            m.s.SectorGrid[7][4] = kStar;
            m.tg.host.modal[Form::frmSSControl] = [] { return static_cast<int>(kCancel); };
        }
        m.Move(4, 4, c.toRow, c.toCol);
        EXPECT_EQ(m.s.ShipSectorRow, c.row);
        EXPECT_EQ(m.s.ShipSectorCol, c.col);
        const std::string at = Str(c.row) + " ," + Str(c.col);
        EXPECT_EQ(m.Logged("<KVBASIC0227>" + at + "<KVBASIC0228>"), c.bumped);
        EXPECT_TRUE(m.Logged("<KVBASIC0231>" + at));
        if (!c.held.empty()) {
            EXPECT_EQ(m.s.SectorGrid[c.row][c.col], kShip);
        }
    }
}

TEST_F(MovementTest, StoppingOnAStarEntersItsSolarSystem) {
    s.Galaxy[4][4] = 1;
    s.QuadStars = 1;
    SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
    rec.SetName("  Tessaly");
    rec.SectorRow = 2, rec.SectorCol = 6;
    s.SectorGrid[2][6] = kStar;
    tg.host.visible = {Form::frmSRS};
    bool scanHidden = false;
    tg.host.modal[Form::frmSSControl] = [&] {
        scanHidden = !tg.host.IsFormVisible(Form::frmSRS);
        EXPECT_EQ(s.EnteringSystem, kTrue);
        return static_cast<int>(kOK);
    };
    Move(4, 4, 2, 6);
    EXPECT_TRUE(scanHidden);
    EXPECT_TRUE(Logged("<KVBASIC0027>Tessaly"));
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmSRS));
    EXPECT_EQ(s.ShipSectorRow, 2);
    EXPECT_EQ(s.SectorGrid[2][6], kStar);
    // One refresh ends the action: the console's, not a second one of the move.
    EXPECT_EQ(tg.host.Events("refresh:RetrofitPanel").size(), 1u);

    // The ship lost inside the system: no scan and no refresh afterwards.
    MoveScene m;
    m.s.StarSystem(4, 4, 1).SectorRow = 4, m.s.StarSystem(4, 4, 1).SectorCol = 4;
    m.tg.host.modal[Form::frmSSControl] = [&] {
        m.s.GameRunning = kFalse;
        return static_cast<int>(kOK);
    };
    EnterSolarSystem(m.tg.game);
    EXPECT_FALSE(m.tg.host.Saw("show:frmSRS"));
    EXPECT_FALSE(m.tg.host.Saw("refresh:RetrofitPanel"));
}

TEST_F(MovementTest, RefusedMovesLeaveTheShipInItsCell) {
    struct Case {
        const char* what;
        void (*setup)(MoveScene&);
        const char* notice;
    };
    const Case cases[] = {
        {"held by the Morv tractor beam", [](MoveScene& m) { m.tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true); },
         "<KVBASIC0221>Morv<KVBASIC0222>"},
        {"away from the target star's quadrant",
         [](MoveScene& m) {
             m.s.StarTarget = "Vega";
             m.s.StarTargetRow = m.s.StarTargetCol = 4;
         },
         "<KVCOM0084>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MoveScene m;
        c.setup(m);
        AcceptNavOrder(m.tg.game, "1.0", "1.0");
        EXPECT_EQ(m.tg.host.notices, std::vector<std::string>{c.notice});
        EXPECT_EQ(m.s.ShipQuadrantCol, 4);
        EXPECT_EQ(m.s.ShipSectorCol, 4);
        EXPECT_EQ(m.s.SectorGrid[4][4], kShip);
        EXPECT_EQ(m.s.ShipEnergy, 3000 - 18);  // the order was charged all the same
        EXPECT_EQ(m.s.HostileTurnFlag, 0);
    }
    // Inside the target star's quadrant a move goes ahead.
    MoveScene m;
    m.s.StarTarget = "Vega";
    m.s.StarTargetRow = m.s.StarTargetCol = 4;
    AcceptNavOrder(m.tg.game, "1.0", "0.25");
    EXPECT_EQ(m.s.ShipSectorCol, 6);
}

TEST_F(MovementTest, ShieldsCoverAnEnergyDeficit) {
    struct Case {
        Long energy;
        Integer shields;
        Single damage;
        Long energyAfter;
        Integer shieldsAfter;
    };
    const Case cases[] = {{-40, 300, 0, 0, 260}, {-40, 40, 0, -40, 40}, {-40, 300, 0.5f, -40, 300}};
    for (const auto& c : cases) {
        MoveScene m;
        m.s.ShipEnergy = c.energy;
        m.s.ShieldLevel = c.shields;
        m.s.ShieldsChanged = kTrue;  // set by the player: not lowered while green
        m.s.SystemDamage[kShields] = c.damage;
        Long energy = 1;
        Integer shields = -1;
        m.tg.host.onRefresh = [&](View v) {
            if (v == View::Condition && shields == -1) energy = m.s.ShipEnergy, shields = m.s.ShieldLevel;
        };
        m.Move(4, 4, 4, 5);
        EXPECT_EQ(energy, c.energyAfter) << c.energy << "/" << c.shields << "/" << c.damage;
        EXPECT_EQ(shields, c.shieldsAfter) << c.energy << "/" << c.shields << "/" << c.damage;
        EXPECT_EQ(m.Logged("<KVBASIC0223>"), c.shieldsAfter != c.shields);
    }
}

TEST_F(MovementTest, LeavingADockAndEnteringAQuadrant) {
    s.Docked = 1;
    SetCondition(tg.game, kDocked);
    s.ZarvoniFlags[3] = 1;
    Move(4, 4, 4, 6);
    EXPECT_EQ(s.Docked, 0);
    EXPECT_NE(s.ConditionIndex, kDocked);
    EXPECT_EQ(s.ZarvoniFlags[3], 1);  // kept when leaving a dock inside the quadrant

    s.ZarvoniFlags[3] = 1;
    Move(4, 5, 4, 6);
    EXPECT_EQ(s.ZarvoniFlags[3], 0);  // cleared in a new quadrant
}

// A docked ship sits on its base's sector. An order that brings it back there (too short to
// leave the sector, or backed off an occupied destination all the way) leaves it docked, not
// parked on the base's cell undocked, and offers no docking.
TEST_F(MovementTest, AMoveThatEndsWhereItStartedLeavesTheShipDocked) {
    struct Case {
        const char* what;
        int toRow, toCol;
    };
    const Case cases[] = {{"no distance", 4, 4}, {"beside it, held", 4, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MoveScene m;
        m.s.Galaxy[4][4] = 110;
        m.s.QuadStarbase = 1;
        m.s.Starbases[1][1] = 4, m.s.Starbases[2][1] = 4, m.s.Starbases[3][1] = 50000;
        m.s.StarbaseSectors[1][1] = 4, m.s.StarbaseSectors[2][1] = 4;
        m.s.SectorGrid[4][4] = kStarbase;
        m.s.QuadZarvonis = 1;
        m.s.ZarvoniShips[1][1] = 4, m.s.ZarvoniShips[2][1] = 5;
        m.s.SectorGrid[4][5] = kZarvoni;
        m.s.Docked = 1;
        SetCondition(m.tg.game, kDocked);
        m.Move(4, 4, c.toRow, c.toCol);
        EXPECT_EQ(m.s.ShipSectorRow, 4);
        EXPECT_EQ(m.s.ShipSectorCol, 4);
        EXPECT_EQ(m.s.Docked, 1);
        EXPECT_EQ(m.s.SectorGrid[4][4], kStarbase);
        EXPECT_EQ(m.Count(kShip), 0);
        EXPECT_TRUE(m.tg.host.errors.empty());
    }
}

TEST_F(MovementTest, TheMorvShipFollowsTheShipOutOfItsQuadrant) {
    struct Case {
        int row, col;          // the Morv ship's sector in quadrant (4, 4)
        int toQc, toSr, toSc;  // the ship's destination in row 4 of quadrants
        int mQc, mSr, mSc;     // where the Morv ship ends
    };
    const Case cases[] = {
        {6, 7, 5, 4, 1, 5, 3, 3},  // keeps one sector less of its distance; mirrored at the edge
        {5, 5, 5, 4, 4, 5, 3, 3},  // adjacent: its full distance
    };
    for (const auto& c : cases) {
        MoveScene m;
        m.s.MorvShip = {0, 4, 4, static_cast<Integer>(c.row), static_cast<Integer>(c.col)};
        m.s.SectorGrid[c.row][c.col] = kMorv;
        m.s.MorvStrength = 1000000;
        m.Move(4, c.toQc, c.toSr, c.toSc);
        EXPECT_EQ(m.s.MorvShip[1], 4);
        EXPECT_EQ(m.s.MorvShip[2], c.mQc);
        EXPECT_EQ(m.s.MorvShip[3], c.mSr);
        EXPECT_EQ(m.s.MorvShip[4], c.mSc);
        // The follow counted as the Morv ship's move: its own turn in the new quadrant
        // spent the flag and left it where it followed to.
        EXPECT_EQ(m.s.MorvMoveFlag, 0);
        EXPECT_EQ(m.s.SectorGrid[c.mSr][c.mSc], kMorv);
    }
}

// Inside its quadrant the Morv ship follows the ship too, onto a free cell only (never onto a
// star), and that counts as its move: in the hostiles' turn of the action it neither moves nor
// strikes.
TEST_F(MovementTest, TheMorvShipFollowsInsideItsQuadrantAndThenHoldsStill) {
    struct Case {
        const char* what;
        int row, col;  // the Morv ship's sector; the ship moves from (6, 5) to (7, 6)
        bool star;     // a star on the cell the Morv ship would take, (5, 6)
        int mSr, mSc;  // where the Morv ship ends the action
    };
    const Case cases[] = {
        {"one sector less of its distance", 3, 5, false, 5, 6},
        {"adjacent: its full distance, beside the ship", 5, 5, false, 6, 6},
        {"a star in the way: it keeps its cell", 3, 5, true, 3, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MoveScene m;
        GameState& st = m.s;
        AddSounds(m.tg, {"MVMOVE.WAV", "MVSTRIKE.WAV"});
        if (c.star) {
            st.Galaxy[4][4] = 1;
            st.QuadStars = 1;
            SolarSystemRecord& rec = st.StarSystem(4, 4, 1);
            rec.SetName("Vessa");
            rec.SectorRow = 5, rec.SectorCol = 6;
            st.SectorGrid[5][6] = kStar;
        }
        st.SectorGrid[4][4] = kEmpty;
        st.ShipSectorRow = 6, st.ShipSectorCol = 5;
        st.SectorGrid[6][5] = kShip;
        st.MorvShip = {0, 4, 4, static_cast<Integer>(c.row), static_cast<Integer>(c.col)};
        st.SectorGrid[c.row][c.col] = kMorv;
        st.MorvStrength = 1000000;
        m.Move(4, 4, 7, 6);
        EXPECT_EQ(st.MorvShip[1], 4);
        EXPECT_EQ(st.MorvShip[2], 4);
        EXPECT_EQ(st.MorvShip[3], c.mSr);
        EXPECT_EQ(st.MorvShip[4], c.mSc);
        EXPECT_EQ(m.Count(kMorv), 1);
        EXPECT_EQ(st.SectorGrid[c.mSr][c.mSc], kMorv);
        if (c.star) {
            EXPECT_EQ(st.SectorGrid[5][6], kStar);
        }
        EXPECT_EQ(st.MorvMoveFlag, 0);  // spent by its turn
        const auto played = SoundNames(m.tg.host);
        EXPECT_EQ(std::count(played.begin(), played.end(), "MVMOVE.WAV"), 0);
        EXPECT_EQ(std::count(played.begin(), played.end(), "MVSTRIKE.WAV"), 0);
    }
}

TEST_F(MovementTest, ArrivalGreetingsAtStarbases) {
    // Friendly starbase 2 in quadrant (4, 5).
    {
        MoveScene m;
        m.s.Galaxy[4][5] = 20;
        m.s.Starbases[1][2] = 4, m.s.Starbases[2][2] = 5, m.s.Starbases[3][2] = 50000;
        m.s.StarbaseSectors[1][2] = 1, m.s.StarbaseSectors[2][2] = 1;
        m.Move(4, 5, 4, 4);
        EXPECT_EQ(m.tg.host.notices, std::vector<std::string>{"<KVBASIC0236> 2<KVBASIC0237>"});
        EXPECT_TRUE(m.Logged("<KVBASIC0236> 2<KVBASIC0237>"));
    }
    // The same greeting switched off goes to the log once.
    {
        MoveScene m;
        m.tg.game.MessageSuppressed[15] = kTrue;
        m.s.Galaxy[4][5] = 20;
        m.s.Starbases[3][2] = 50000;
        m.s.StarbaseSectors[1][2] = 1, m.s.StarbaseSectors[2][2] = 1;
        m.Move(4, 5, 4, 4);
        EXPECT_TRUE(m.tg.host.notices.empty());
        EXPECT_EQ(std::count(m.tg.host.output.begin(), m.tg.host.output.end(), "<KVBASIC0236> 2<KVBASIC0237>"), 1);
    }
    // A captured Zarvoni starbase still at strength greets and warns.
    {
        MoveScene m;
        m.s.ZarvoniBase = {-1, 4, 5, 1, 1, 6000};
        m.s.ZarvoniBaseStrength = 20000;
        m.Move(4, 5, 4, 4);
        EXPECT_EQ(m.tg.host.notices,
                  (std::vector<std::string>{"<KVBASIC0238>Zarvoni<KVBASIC0239>", "Zarvoni<KVBASIC0240>Captain Vell!"}));
    }
}

TEST_F(MovementTest, ShieldsAreOfferedOnEnteringDangerWhenTheComputerWillNot) {
    s.Galaxy[4][5] = 100;
    tg.host.answers = {kYes};
    bool dialog = false;
    tg.host.modal[Form::frmSHE] = [&] {
        dialog = true;
        EXPECT_EQ(s.LibComputerState[1], 1);  // offered: no Auto button
        return static_cast<int>(kCancel);
    };
    Move(4, 5, 4, 4);
    EXPECT_EQ(tg.host.questions, std::vector<std::string>{"<KVBASIC0233>"});
    EXPECT_TRUE(dialog);
}

TEST_F(MovementTest, TheAutomaticLongRangeScanRunsOnEnteringAQuadrant) {
    struct Case {
        const char* what;
        bool on;
        Single damage;
        int toQc;
        bool scans;
    };
    const Case cases[] = {{"entering a quadrant", true, 0, 5, true},
                          {"switched off", false, 0, 5, false},
                          {"sensors damaged", true, 0.2f, 5, false},
                          {"inside the quadrant", true, 0, 4, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MoveScene m;
        m.s.ComAutoLRS = ToFlag(c.on);
        m.s.SystemDamage[kLongRangeSensors] = c.damage;
        m.s.LRSRange = 1;
        m.Move(4, c.toQc, 4, 4);
        EXPECT_EQ(m.Logged("<COM0001>"), c.scans);
        EXPECT_EQ(m.s.KnownGalaxy[3][6] == 0, c.scans && c.toQc == 5);
    }
}

}  // namespace
}  // namespace kv::test
