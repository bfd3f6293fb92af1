#include <gtest/gtest.h>

#include <set>

#include "engine/tactical/MorvShip.h"
#include "engine/turn/Morv.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

// The Morv ship at sector (r, c) of the ship's quadrant.
void MorvHere(HostileGame& hg, int r, int c) {
    GameState& s = hg.st;
    s.MorvShip = {0, 4, 4, static_cast<Integer>(r), static_cast<Integer>(c)};
    s.SectorGrid[r][c] = kMorv;
    s.MorvStrength = 1000000;
    s.MorvCountdown = -1;
}

bool Turn(HostileGame& hg) {
    std::string step;
    return MorvShipTurn(hg.game, step);
}

TEST(MorvShipTest, WithoutAMorvShipOnlyAnEndedCountdownIsCleared) {
    for (Integer countdown : {0, 3, -1}) {
        SCOPED_TRACE(countdown);
        ScriptedRandom none;
        HostileGame hg(none);
        GameState& s = hg.st;
        s.MorvCountdown = countdown;
        s.MorvStrength = 5;
        s.MorvRegen = 2;
        s.MorvShip = {0, 0, 3, 2, 2};
        EXPECT_TRUE(Turn(hg));
        const bool cleared = countdown < 0;
        EXPECT_EQ(s.MorvCountdown, cleared ? 0 : countdown);
        EXPECT_EQ(s.MorvStrength, cleared ? 0 : 5);
        EXPECT_EQ(s.MorvRegen, cleared ? 0 : 2);
        EXPECT_EQ(s.MorvShip[2], cleared ? 0 : 3);
    }
}

TEST(MorvShipTest, BesideTheShipItStrikesInsteadOfMoving) {
    struct Case {
        const char* name;
        std::vector<float> draws;  // system, second strike?, (system), the star draw
        Flag moveFlag;
        bool retrofit;
        int destroyed;
        Integer counterA = 0;  // the turns its tractor beam still rests
    };
    const Case cases[] = {
        {"one strike", {0.5f, 0.2f, 0.9f}, 0, false, 1},
        {"two strikes", {0.5f, 0.3f, 0.0f, 0.9f}, 0, false, 2},
        {"just placed: no strike", {0.9f}, -1, false, 0},
        {"turned aside by the shield-frequency retrofit", {0.2f, 0.9f}, 0, true, 0},
        {"its beam resting: a strike but no tractor", {0.5f, 0.2f, 0.9f}, 0, false, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        GameState& s = hg.st;
        MorvHere(hg, 3, 5);
        s.MorvMoveFlag = c.moveFlag;
        s.MorvCounterA = c.counterA;
        if (c.retrofit) s.RetrofitButtonTag[1] = "3";
        EXPECT_TRUE(Turn(hg));
        EXPECT_EQ(rng.Remaining(), 0u);
        int destroyed = 0;
        for (int n = 1; n <= 8; ++n) destroyed += s.SystemDamage[n] == 8.0f;
        EXPECT_EQ(destroyed, c.destroyed);
        EXPECT_EQ(s.MorvShip[3], 3);
        EXPECT_EQ(s.MorvShip[4], 5);
        EXPECT_EQ(s.SectorGrid[3][5], kMorv);
        EXPECT_EQ(s.MorvMoveFlag, 0);
        EXPECT_EQ(hg.Played("MVSTRIKE.WAV"), c.destroyed > 0);
        EXPECT_EQ(hg.Played("MVSTRKSH.WAV"), c.retrofit);
        if (c.retrofit) {
            EXPECT_EQ(hg.host.notices, std::vector<std::string>{"<KVBASIC0209>"});
        }
        EXPECT_EQ(hg.host.Saw("timer:frmSRS_tmrMorvTractor:on"), c.counterA == 0);
        EXPECT_TRUE(hg.host.Events("morvmove:").empty());
    }
}

TEST(MorvShipTest, AStrikeThatLosesTheShipEndsTheTurn) {
    ScriptedRandom none;
    HostileGame hg(none);
    GameState& s = hg.st;
    MorvHere(hg, 5, 5);
    for (int n = 1; n <= 8; ++n) s.SystemDamage[n] = 8.0f;
    EXPECT_FALSE(Turn(hg));
    EXPECT_FALSE(s.GameRunning);
}

TEST(MorvShipTest, ItClosesInAndTakesWhatStandsInItsWay) {
    struct Case {
        const char* name;
        int met;                   // what stands on (2, 2)
        std::vector<float> draws;  // after the move: the star draw(s)
        bool moves;
    };
    const Case cases[] = {
        {"an empty sector", kEmpty, {0.9f}, true},
        {"a star: consumed", kStar, {0.9f, 0.9f}, true},
        {"a cloaked ship: destroyed", kCloaked, {0.9f}, true},
        {"a friendly starbase: swallowed", kStarbase, {0.9f}, true},
        {"the Zarvoni starbase: swallowed", kZarvoniStarbase, {0.9f, 0.5f, 0.5f}, true},
        {"a Zarvoni ship: pulled in first", kZarvoni, {0.9f}, true},
        {"a Zarvoni ship that is not pulled in blocks the way", kZarvoni, {0.9f}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        GameState& s = hg.st;
        MorvHere(hg, 1, 1);
        if (!c.moves) s.MorvStrength = 250;  // too weak to pull a ship in
        switch (c.met) {
            case kStar: hg.AddStar(1, 2, 2); break;
            case kCloaked: hg.AddCloaked(2, 2); break;
            case kStarbase: hg.AddStarbase(2, 2, 2); break;
            case kZarvoniStarbase: hg.AddZarvoniBase(2, 2, 5000); break;
            case kZarvoni: hg.AddZarvoni(2, 2); break;
            default: break;
        }
        const Integer left = s.ZarvonisLeft;
        EXPECT_TRUE(Turn(hg));
        EXPECT_EQ(rng.Remaining(), 0u);
        const int r = c.moves ? 2 : 1;
        EXPECT_EQ(s.MorvShip[3], r);
        EXPECT_EQ(s.MorvShip[4], r);
        EXPECT_EQ(s.SectorGrid[r][r], kMorv);
        if (c.moves) {
            EXPECT_EQ(s.SectorGrid[1][1], kEmpty);
            EXPECT_TRUE(hg.Played("MVMOVE.WAV"));
            EXPECT_EQ(hg.host.Events("morvmove:"), std::vector<std::string>{"morvmove:1,1>2,2"});
            EXPECT_EQ(s.Galaxy[4][4], 0);
        } else {
            EXPECT_EQ(s.SectorGrid[2][2], kZarvoni);
            EXPECT_EQ(s.ZarvoniShips[1][1], 2);
            EXPECT_EQ(s.Galaxy[4][4], 100);
            EXPECT_FALSE(hg.Played("MVSTRIKE.WAV"));  // not beside the ship: no strike either
        }
        EXPECT_EQ(s.ZarvonisLeft, c.met == kCloaked ? left - 1 : left);
        EXPECT_EQ(s.CloakedKilled, 0);  // what the Morv ship destroys is no kill of the player's
        EXPECT_EQ(s.MorvBasesTaken, c.met == kStarbase ? 1 : 0);
        EXPECT_EQ(s.MorvStarsTaken, c.met == kStar ? 1 : 0);
        if (c.met == kZarvoni && c.moves) {
            EXPECT_EQ(s.ZarvoniShips[1][1], 0);  // towed away, not counted as a kill
            EXPECT_EQ(s.ZarvoniEnergy[1], -1000);
            EXPECT_TRUE(hg.Played("ZDOCK.WAV"));
        }
        EXPECT_FALSE(hg.host.Saw("timer:frmSRS_tmrMorvTractor:on"));
    }
}

TEST(MorvShipTest, FarAwayItWipesOutItsQuadrantAndConsumesAStar) {
    // The Morv ship in quadrant (2, 2), sector (1, 1); the player in (4, 4): six sector steps
    // towards the player leave it in its quadrant, at sector (7, 7).
    ScriptedRandom rng{0.0f, 0.9f, 0.0f, 0.9f};  // steps; the star: hungry, system 1; its call unheard
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.MorvShip = {0, 2, 2, 1, 1};
    s.Galaxy[2][2] = 523;
    s.KnownGalaxy[2][2] = 523;
    s.Starbases[1][2] = 2;
    s.Starbases[2][2] = 2;
    s.Starbases[3][2] = 40000;
    s.StarbaseFlags[2] = -1;
    for (int n = 1; n <= 3; ++n) s.StarSystem(2, 2, n).SetName("S" + std::to_string(n));
    EXPECT_TRUE(Turn(hg));
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.Galaxy[2][2], 2);  // ships and starbase gone, one star system consumed
    EXPECT_EQ(s.KnownGalaxy[2][2], 3);
    EXPECT_EQ(s.Starbases[3][2], -1000);
    EXPECT_EQ(s.Starbases[1][2], 0);
    EXPECT_EQ(s.StarbasesLost, 1);
    EXPECT_EQ(s.StatCounterG, 1);
    EXPECT_EQ(s.MorvBasesTaken, 1);
    EXPECT_EQ(s.MorvStarsTaken, 1);
    EXPECT_EQ(s.StarSystem(2, 2, 1).Name.substr(0, 2), "S2");
    EXPECT_EQ(hg.host.notices, std::vector<std::string>{"<KVBASIC0204>2:\r\n<KVBASIC0205>\r\n<KVBASIC0206>"});
    EXPECT_EQ(hg.host.output, std::vector<std::string>{"<KVBASIC0207>2<KVBASIC0208>Morv!"});
    EXPECT_EQ(s.MorvShip, (std::array<Integer, 5>{0, 2, 2, 7, 7}));
}

TEST(MorvShipTest, InTheSameRowOrColumnItDestroysNothingFarAway) {
    ScriptedRandom rng{0.0f, 0.9f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.MorvShip = {0, 4, 2, 1, 1};
    s.Galaxy[4][2] = 510;
    s.Starbases[3][1] = 40000;
    EXPECT_TRUE(Turn(hg));
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.Galaxy[4][2], 510);
    EXPECT_EQ(s.Starbases[3][1], 40000);
}

TEST(MorvShipTest, ArrivingItDestroysWhatStandsOnItsCellAndStepsAsideFromTheShip) {
    struct Case {
        const char* name;
        int met;
        std::vector<float> draws;  // steps, (sidestep), the star draw
        int row, col;
    };
    // From quadrant (4, 3), sector (4, 6): the third step enters at sector (4, 1).
    const Case cases[] = {
        {"free", kEmpty, {0.0f, 0.9f}, 4, 1},
        {"a Zarvoni ship", kZarvoni, {0.0f, 0.9f}, 4, 1},
        {"a cloaked ship", kCloaked, {0.0f, 0.9f}, 4, 1},
        {"the player's ship", kShip, {0.0f, 0.0f, 0.9f}, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        GameState& s = hg.st;
        if (c.met == kShip) {
            s.SectorGrid[4][4] = kEmpty;
            s.ShipSectorCol = 1;
            s.SectorGrid[4][1] = kShip;
        }
        if (c.met == kZarvoni) hg.AddZarvoni(4, 1);
        if (c.met == kCloaked) hg.AddCloaked(4, 1);
        const Integer left = s.ZarvonisLeft;
        s.MorvShip = {0, 4, 3, 4, 6};
        EXPECT_TRUE(Turn(hg));
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.MorvShip,
                  (std::array<Integer, 5>{0, 4, 4, static_cast<Integer>(c.row), static_cast<Integer>(c.col)}));
        EXPECT_EQ(s.SectorGrid[c.row][c.col], kMorv);
        EXPECT_EQ(s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol], kShip);
        EXPECT_EQ(s.Galaxy[4][4], 0);
        EXPECT_EQ(s.ZarvonisLeft, c.met == kZarvoni || c.met == kCloaked ? left - 1 : left);
        EXPECT_EQ(s.CloakedKilled, 0);
    }
}

// The ship that stopped on a star stands on the star's cell: the Morv ship arriving there steps
// aside from the ship as from any other cell of it, and the star stays.
TEST(MorvShipTest, ArrivingItStepsAsideFromTheShipStandingOnAStar) {
    ScriptedRandom rng{0.0f, 0.0f, 0.9f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.SectorGrid[4][4] = kEmpty;
    s.ShipSectorCol = 1;
    s.Galaxy[4][4] = 1;
    s.QuadStars = 1;
    SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
    rec.SetName("Vessa");
    rec.SectorRow = 4, rec.SectorCol = 1;
    s.SectorGrid[4][1] = kStar;
    s.MorvShip = {0, 4, 3, 4, 6};
    EXPECT_TRUE(Turn(hg));
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.MorvShip, (std::array<Integer, 5>{0, 4, 4, 2, 1}));
    EXPECT_EQ(s.SectorGrid[2][1], kMorv);
    EXPECT_EQ(s.SectorGrid[4][1], kStar);
    EXPECT_EQ(s.Galaxy[4][4], 1);
    EXPECT_EQ(s.MorvStarsTaken, 0);
}

// Come into the galaxy at the corner sector of the player's own corner quadrant, the Morv ship
// takes its place there at once, stepping aside from the ship on that sector.
TEST(MorvShipTest, ArrivingInThePlayersCornerQuadrantItStepsAsideFromTheShip) {
    ScriptedRandom rng{0.0f, 0.0f, 0.4f};  // corner (1, 1); a sidestep of one row
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.SectorGrid[4][4] = kEmpty;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 1;
    s.ShipSectorRow = s.ShipSectorCol = 1;
    s.SectorGrid[1][1] = kShip;
    s.QuadrantChanged = kFalse;
    s.MorvCountdown = 0;
    MorvMove(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.MorvShip, (std::array<Integer, 5>{0, 1, 1, 2, 1}));
    EXPECT_EQ(s.SectorGrid[2][1], kMorv);
    EXPECT_EQ(s.SectorGrid[1][1], kShip);
}

// Stepping aside from the ship onto a star, the Morv ship consumes it; the scan that the
// consumption redraws finds the Morv ship still on its way in and leaves the ship's cell alone.
TEST(MorvShipTest, ArrivingItStepsAsideOntoAStarAndTheShipKeepsItsCell) {
    ScriptedRandom rng{0.0f, 0.0f, 0.9f, 0.9f};  // steps, a sidestep of two rows, the call, the star draw
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.SectorGrid[4][4] = kEmpty;
    s.ShipSectorCol = 1;
    s.SectorGrid[4][1] = kShip;
    s.Galaxy[4][4] = 1;
    s.QuadStars = 1;
    SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
    rec.SetName("Vessa");
    rec.SectorRow = 2, rec.SectorCol = 1;
    s.SectorGrid[2][1] = kStar;
    s.MorvShip = {0, 4, 3, 4, 6};
    EXPECT_TRUE(Turn(hg));
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.MorvShip, (std::array<Integer, 5>{0, 4, 4, 2, 1}));
    EXPECT_EQ(s.SectorGrid[2][1], kMorv);
    EXPECT_EQ(s.SectorGrid[4][1], kShip);
    int morvCells = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) morvCells += s.SectorGrid[r][c] == kMorv;
    EXPECT_EQ(morvCells, 1);
    EXPECT_EQ(s.Galaxy[4][4], 0);
}

TEST(MorvShipTest, FromFarItWandersTowardsThePlayerWithinTheGalaxy) {
    // Two quadrant steps from (1, 1) towards (8, 8): the first row step wanders off the edge.
    ScriptedRandom rng{0.0f, 0.1f, 0.0f, 0.9f, 0.9f, 0.9f, 0.9f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 8;
    s.MorvShip = {0, 1, 1, 5, 5};
    EXPECT_TRUE(Turn(hg));
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.MorvShip, (std::array<Integer, 5>{0, 2, 3, 1, 5}));
}

// With the Morv ship in the quadrant its beam pulls in the ships that still fight; a disabled
// ship goes to the quadrant's starbase instead, and a destroyed one to nobody.
TEST(MorvShipTest, PullInTakesFightingShipsToTheMorvShipAndDisabledOnesToTheStarbase) {
    ScriptedRandom rng{0.6f, 0.6f, 0.6f, 0.4f};  // each ship's chance; the fourth is spared
    HostileGame hg(rng);
    GameState& s = hg.st;
    MorvHere(hg, 1, 1);
    hg.AddStarbase(1, 8, 8);
    hg.AddZarvoni(2, 3);     // fighting
    hg.AddZarvoni(7, 6, 0);  // disabled
    hg.AddZarvoni(5, 5);     // destroyed below
    s.ZarvoniEnergy[3] = -1000;
    s.ZarvoniShips[1][3] = s.ZarvoniShips[2][3] = 0;
    s.SectorGrid[5][5] = kEmpty;
    hg.AddZarvoni(3, 6);  // fighting, but its draw spares it
    TractorPullIn(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    std::set<std::string> pullers;
    for (const auto& e : hg.host.Events("beam:10:")) pullers.insert(e.substr(8, e.find('>') - 8));
    EXPECT_EQ(pullers, (std::set<std::string>{"1,1", "8,8"}));
    EXPECT_EQ(s.ZarvoniShips[1][1], 0);  // both taken out of the quadrant
    EXPECT_EQ(s.ZarvoniShips[1][2], 0);
    EXPECT_EQ(s.ZarvoniEnergy[4], 100);
    EXPECT_EQ(s.SectorGrid[3][6], kZarvoni);
    EXPECT_TRUE(hg.host.Saw("log:<KVBASIC0244>Morv<KVBASIC0245>Zarvoni<KVBASIC0246>"));
    EXPECT_TRUE(hg.host.Saw("log:<KVBASIC0247>Zarvoni<KVBASIC0248>"));
}

TEST(MorvShipTest, PullInByTheQuadrantsStarbase) {
    ScriptedRandom rng{0.6f, 0.4f, 0.6f};
    HostileGame hg(rng);
    hg.AddStarbase(1, 7, 7);
    hg.AddZarvoni(1, 1);
    hg.AddZarvoni(2, 2);
    hg.AddZarvoni(3, 3, 0);
    TractorPullIn(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);

    ScriptedRandom none;
    HostileGame quiet(none);
    quiet.AddZarvoni(1, 1);
    TractorPullIn(quiet.game);  // nothing here pulls: no draws
}

}  // namespace
}  // namespace kv::test
