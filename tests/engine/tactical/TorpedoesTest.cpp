#include <gtest/gtest.h>

#include "engine/tactical/Torpedoes.h"
#include "state/Numeric.h"
#include "support/WeaponsTestSupport.h"

namespace kv::test {
namespace {

// The ship in the corner sector (1, 1), far from the blasts, with class-2 torpedoes that
// detonate in their target sector.
void SelfDetonatingFromTheCorner(WeaponsGame& tg) {
    tg.st.ShipSectorRow = tg.st.ShipSectorCol = 1;
    tg.st.SectorGrid[4][4] = kEmpty;
    tg.st.SectorGrid[1][1] = kShip;
    tg.st.TorpedoStockClass2 = 5;
    tg.st.RetrofitButtonTag[3] = "2";
}

// Class-2 torpedoes on board and 2000 in shields that the player set (the end of the action
// leaves them), taking hits at full strength.
void ShieldsUpWithClass2(WeaponsGame& tg) {
    tg.st.TorpedoStockClass2 = 5;
    tg.st.ShieldLevel = 2000;
    tg.st.ShieldsChanged = kTrue;
    tg.st.ShieldFactor = 1.0f;
}

TEST(TorpedoesTest, AnEmptyPlanCostsNothing) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    FireTorpedo(tg.game);
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<KVBASIC0060>"}));
    EXPECT_TRUE(tg.host.Events("disable:").empty());
    EXPECT_EQ(tg.st.TimeLeft, 30.0f);
}

TEST(TorpedoesTest, OnlyTorpedoesOnBoardAreFiredAndEachCostsTen) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.st.TorpedoStockClass1 = 2;
    tg.st.TorpedoStockClass2 = 0;
    tg.st.TorpedoClass2Power = 2;
    // Three class-1 torpedoes for two on board, a class-2 one with none, an unreadable entry.
    tg.st.TorpedoPlan = {WeaponsGame::Torpedo(1, 4), WeaponsGame::Torpedo(2, 4, 2), "unreadable",
                         WeaponsGame::Torpedo(1, 1), WeaponsGame::Torpedo(8, 8)};
    for (float d : QuietWalk(tg.st)) rng.Push(d);  // the hostiles' turn before the launch
    FireTorpedo(tg.game);
    EXPECT_EQ(Played(tg.host, "TORPEDO.WAV"), 2);
    EXPECT_EQ(tg.st.TorpedoStockClass1, 0);
    EXPECT_EQ(tg.st.TorpedoStockClass2, 0);
    EXPECT_EQ(tg.st.ShipEnergy, 3000 - 20);
    EXPECT_FLOAT_EQ(tg.st.TimeLeft, 29.8f);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"<KVBASIC0062>"}));
}

TEST(TorpedoesTest, TheClassMarkAloneMakesAClassTwoTorpedo) {
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.st.TorpedoStockClass1 = 2;
    tg.st.TorpedoStockClass2 = 1;
    // A mark naming power 1 is still a class-2 torpedo: it takes the class-2 one on board.
    tg.st.TorpedoPlan = {"*1*Torpedo 1.00 at 1,4", WeaponsGame::Torpedo(1, 1), WeaponsGame::Torpedo(8, 8)};
    for (float d : QuietWalk(tg.st)) rng.Push(d);
    FireTorpedo(tg.game);
    EXPECT_EQ(Played(tg.host, "TORPEDO.WAV"), 3);
    EXPECT_EQ(tg.st.TorpedoStockClass1, 0);
    EXPECT_EQ(tg.st.TorpedoStockClass2, 0);
}

TEST(TorpedoesTest, TheHostilesFireFirstThenTheTorpedoesFly) {
    // The Zarvoni ship two sectors east aims at the ship (0.0) and hits (0.0), takes no step
    // (0.0, 0.0); after the walk over the galaxy the torpedo finds it where it was: no
    // deflection (0.5), 111 damage (0.5).
    ScriptedRandom rng;
    WeaponsGame tg(rng);
    tg.st.ShieldLevel = 1000;
    tg.st.ShieldFactor = 1.0f;
    tg.Zarvoni(1, 4, 6);
    for (float d : Draws({{0.0f, 0.0f, 0.0f, 0.0f}, QuietWalk(tg.st), {0.5f, 0.5f}})) rng.Push(d);
    tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 6)};
    FireTorpedo(tg.game);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{
                                  "** 370<KVBASIC0116><KVBASIC0120> 4 , 6 **",
                                  "<KVBASIC0133> 630<KVBASIC0134>",
                                  "<KVBASIC0062>",
                                  "<KVBASIC0074>Zarvoni<KVBASIC0075> 4 , 6 <KVBASIC0076><KVBASIC0079>",
                                  "<KVBASIC0176>",
                              }));
    // The hostiles' turn gave the shields back to the ship's own handling: with the quadrant
    // cleared, the refresh lowers them into the energy.
    EXPECT_EQ(tg.st.ShieldLevel, 0);
    EXPECT_EQ(tg.st.ShipEnergy, 3000 - 10 + 630);
    EXPECT_EQ(tg.st.ZarvoniEnergy[1], -1000);
    EXPECT_EQ(tg.st.TorpedoStockClass1, 9);
    EXPECT_FLOAT_EQ(tg.st.TimeLeft, 29.8f);
    EXPECT_EQ(rng.Remaining(), 0u);
}

TEST(TorpedoesTest, AShipLostToTheHostilesFireLaunchesNothing) {
    // Every system already out of action and the ship at the edge of its loss: the hit ends it.
    ConstantRandom rng(0.0f);
    WeaponsGame tg(rng);
    for (int i = 1; i <= 8; ++i) tg.st.SystemDamage[i] = 8.0f;
    tg.st.SystemDamage[kHull] = 6.99f;
    tg.st.ShieldFactor = 1.0f;
    tg.Zarvoni(1, 4, 6);
    tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 6)};
    FireTorpedo(tg.game);
    EXPECT_TRUE(tg.st.ShipLost);
    EXPECT_FALSE(tg.st.GameRunning);
    EXPECT_EQ(tg.st.ZarvoniEnergy[1], 100);
    EXPECT_EQ(Played(tg.host, "TORPEDO.WAV"), 0);
    EXPECT_FALSE(tg.host.Saw("log:<KVBASIC0062>"));
    EXPECT_TRUE(tg.host.Saw("modal:frmShip"));
}

TEST(TorpedoesTest, WorkingShieldsPayAnEnergyDeficit) {
    struct Case {
        Long energy;
        Integer shields;
        float shieldDamage;
        Long energyAfter;
        Integer shieldsAfter;
    };
    // Shields that cannot pay (damaged, or too weak) leave the ship out of energy: the game
    // ends, and its end blanks the stores.
    const Case cases[] = {{20, 100, 0, 0, 90}, {20, 100, 0.5f, 0, 0}, {20, 5, 0, 0, 0}};
    for (const auto& c : cases) {
        ScriptedRandom rng;
        WeaponsGame tg(rng);
        tg.st.ShipEnergy = c.energy;
        tg.st.ShieldLevel = c.shields;
        tg.st.ShieldsChanged = kTrue;  // the player's own shields: the refresh leaves them
        tg.st.SystemDamage[kShields] = c.shieldDamage;
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(1, 4), WeaponsGame::Torpedo(1, 4), WeaponsGame::Torpedo(1, 4)};
        TorpedoVolley(tg.game);
        EXPECT_EQ(tg.st.ShipEnergy, c.energyAfter) << c.shields;
        EXPECT_EQ(tg.st.ShieldLevel, c.shieldsAfter) << c.shields;
        const bool paid = c.shieldsAfter > 0;
        EXPECT_EQ(tg.host.Saw("notice:<KVBASIC0061>"), paid) << c.shields;
        EXPECT_EQ(tg.st.GameRunning != 0, paid) << c.shields;
        EXPECT_EQ(tg.host.Saw("show:frmFinalReport"), !paid) << c.shields;
    }
}

TEST(TorpedoesTest, ATorpedoStopsAtTheFirstOccupiedSectorOnItsCourse) {
    struct Case {
        const char* what;
        int targetRow, targetCol;
        std::vector<std::pair<int, int>> ships;
        const char* hit;  // the sector the impact line names ("" none)
    };
    // Ships of 100 energy; draws 0.5 (no deflection) and 0.5 (111 damage): destroyed.
    const Case cases[] = {
        {"east along the row", 4, 8, {{4, 6}, {4, 7}}, " 4 , 6 "},
        {"past an empty target", 4, 5, {{4, 7}}, " 4 , 7 "},
        {"north-west diagonal", 1, 1, {{2, 2}}, " 2 , 2 "},
        {"a shallow course rounds to its cells", 3, 8, {{3, 7}}, " 3 , 7 "},
        {"out of the quadrant without a hit", 8, 1, {{4, 6}}, ""},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        WeaponsGame tg(rng);
        int slot = 0;
        for (auto [r, col] : c.ships) tg.Zarvoni(++slot, r, col);
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(c.targetRow, c.targetCol)};
        TorpedoVolley(tg.game);
        const auto lines = tg.host.Events("log:<KVBASIC0074>");
        if (*c.hit) {
            ASSERT_EQ(lines.size(), 1u) << c.what;
            EXPECT_EQ(lines[0],
                      std::string("log:<KVBASIC0074>Zarvoni<KVBASIC0075>") + c.hit + "<KVBASIC0076><KVBASIC0079>")
                << c.what;
        } else {
            EXPECT_TRUE(lines.empty()) << c.what;
        }
        EXPECT_TRUE(tg.host.Events("draw:").size() >= 1u) << c.what;  // the torpedo's track
    }
}

TEST(TorpedoesTest, ADirectHitOnAShipByPowerAndDraw) {
    struct Case {
        const char* what;
        int power, energy;
        float deflectDraw, damageDraw;
        int expected;  // energy left (-1000 destroyed)
        const char* result;
    };
    // A class-1 torpedo takes Int(R x 60 + 81) = 81..140; power k multiplies it. A ship of 71 or
    // more deflects it when R <= 0.4 - 0.1 k, losing Int(R x 15 + 6) x k.
    const Case cases[] = {
        {"least damage", 1, 100, 0.5f, 0.0f, 19, "<KVBASIC0076><KVBASIC0077>"},
        {"exactly spent: disabled", 1, 100, 0.5f, 0.32f, 0, "<KVBASIC0076><KVBASIC0078>"},
        {"most damage", 1, 100, 0.5f, 0.99f, -1000, "<KVBASIC0076><KVBASIC0079>"},
        {"weak ship survives little", 1, 70, 0.0f, 0.0f, -1000, "<KVBASIC0076><KVBASIC0079>"},
        {"class 1 deflected", 1, 100, 0.29f, 0.0f, 94, "<KVBASIC0081>"},
        {"power 2 not deflected at 0.3", 2, 100, 0.3f, 0.0f, -1000, "<KVBASIC0076><KVBASIC0079>"},
        {"power 2 deflected below 0.2", 2, 100, 0.19f, 0.0f, 88, "<KVBASIC0081>"},
        {"power 4 only at 0", 4, 100, 0.01f, 0.0f, -1000, "<KVBASIC0076><KVBASIC0079>"},
    };
    for (const auto& c : cases) {
        // Deflection draw, damage draw; a class-2 torpedo's blast around (4, 7) finds nothing.
        ScriptedRandom rng({c.deflectDraw, c.damageDraw});
        WeaponsGame tg(rng);
        tg.st.TorpedoStockClass2 = 5;
        tg.Zarvoni(1, 4, 7, c.energy);
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 7, c.power)};
        TorpedoVolley(tg.game);
        EXPECT_EQ(tg.st.ZarvoniEnergy[1], c.expected) << c.what;
        EXPECT_EQ(tg.host.Events("log:<KVBASIC0074>").at(0),
                  std::string("log:<KVBASIC0074>Zarvoni<KVBASIC0075> 4 , 7 ") + c.result)
            << c.what;
        EXPECT_EQ(rng.Remaining(), 0u) << c.what;
    }
}

TEST(TorpedoesTest, ADirectHitOnACloakedShipByDraw) {
    struct Case {
        const char* what;
        int energy;
        float deflectDraw, damageDraw;
        int expected;  // energy left (-1000 destroyed)
        std::vector<std::string> lines;
    };
    const std::string at = "<KVBASIC0082>Zarvoni<KVBASIC0083> 4 , 7 ";
    // As for a Zarvoni ship, but a cloaked ship at 0 is gone, and one left below 20 is seen.
    const Case cases[] = {
        {"deflected", 100, 0.29f, 0.0f, 94, {at + "<KVBASIC0089>"}},
        {"its cloak fails", 100, 0.5f, 0.0f, 19, {at + "<KVBASIC0084><KVBASIC0085>", "Zarvoni<KVBASIC0086> 4 , 7"}},
        {"exactly spent: gone", 81, 0.5f, 0.0f, -1000, {at + "<KVBASIC0084><KVBASIC0087>"}},
        {"fights on", 110, 0.5f, 0.0f, 29, {at + "<KVBASIC0084><KVBASIC0088>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom rng({c.deflectDraw, c.damageDraw});
        WeaponsGame tg(rng);
        tg.Cloaked(1, 4, 7, c.energy);
        const Integer left = tg.st.ZarvonisLeft;
        // The energy the hit leaves (the time the action takes drains a cloaked ship further).
        Integer atHit = -5;
        tg.host.onRefresh = [&](View v) {
            if (v == View::ZarvoniReport && atHit == -5) atHit = tg.st.CloakedEnergy[1];
        };
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 7)};
        TorpedoVolley(tg.game);
        EXPECT_EQ(atHit, c.expected);
        std::vector<std::string> lines;
        for (const auto& line : tg.host.output)
            if (line.find("4 , 7") != std::string::npos) lines.push_back(line);
        EXPECT_EQ(lines, c.lines);
        const bool gone = c.expected == -1000;
        EXPECT_EQ(tg.st.CloakedKilled, gone ? 1 : 0);
        EXPECT_EQ(tg.st.ZarvonisLeft, gone ? left - 1 : left);
        EXPECT_EQ(tg.host.Saw("draw:4,7:9"), c.expected > 0 && c.expected < 20);
        EXPECT_EQ(rng.Remaining(), 0u);
    }
}

TEST(TorpedoesTest, ADirectHitOnAStarOrTheZarvoniStarbase) {
    ConstantRandom rng(0.5f);
    {
        // The star flares (towards the west at 0.5) and may harm its neighbour.
        WeaponsGame tg(rng);
        tg.st.StarSystem(4, 4, 1).SectorRow = 4, tg.st.StarSystem(4, 4, 1).SectorCol = 6;
        tg.st.SectorGrid[4][6] = kStar;
        tg.st.Galaxy[4][4] = 1, tg.st.QuadStars = 1;
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 6)};
        TorpedoVolley(tg.game);
        EXPECT_TRUE(tg.host.Saw("log:<KVBASIC0063>"));
        EXPECT_FALSE(tg.host.Events("flare:4,6:").empty());
        EXPECT_EQ(tg.st.SectorGrid[4][6], kStar);
    }
    for (Long strength : {Long{20000}, Long{2000}}) {
        SCOPED_TRACE(strength);
        WeaponsGame tg(rng);
        tg.ZarvoniBase(4, 6, strength);
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 6)};
        TorpedoVolley(tg.game);
        const bool destroyed = strength < 2250;
        EXPECT_EQ(tg.host.Saw("log:Zarvoni<KVBASIC0067>"), !destroyed);
        EXPECT_EQ(tg.st.ZarvoniBaseDestroyed != 0, destroyed);
        if (!destroyed) {
            EXPECT_EQ(tg.st.ZarvoniBase[5], 20000 - 2250);
            EXPECT_EQ(Played(tg.host, "ZSBHIT.WAV"), 1);
            EXPECT_TRUE(tg.host.Saw("marker:ZarvoniShield:4,6"));
        }
    }
}

TEST(TorpedoesTest, TheBlastByWhatStandsBesideTheImpact) {
    struct Case {
        const char* what;
        Integer code;
        int energy;  // of a ship, or a starbase's strength
        float draw;  // every draw
        std::vector<std::string> lines;
        int after;  // the ship's energy or the base's strength after (-1000 destroyed)
    };
    // A self-detonating power-2 torpedo at (5, 5); the object at (5, 6) is hit at F = 3.
    const std::string z = "<KVBASIC0096>Zarvoni<KVBASIC0097> 5 , 6 ", c = "<KVBASIC0103>Zarvoni<KVBASIC0104> 5 , 6 ";
    const Case cases[] = {
        {"a Zarvoni ship turns it aside", kZarvoni, 100, 0.1f, {z + "<KVBASIC0102>"}, 98},
        {"a cloaked ship turns it aside", kCloaked, 100, 0.1f, {c + "<KVBASIC0110>"}, 98},
        {"a cloaked ship is seen",
         kCloaked,
         40,
         0.0f,
         {c + "<KVBASIC0105><KVBASIC0106>", "Zarvoni<KVBASIC0107> 5 , 6"},
         13},
        {"a cloaked ship is gone", kCloaked, 20, 0.0f, {c + "<KVBASIC0105><KVBASIC0108>"}, -1000},
        {"a cloaked ship fights on", kCloaked, 60, 0.0f, {c + "<KVBASIC0105><KVBASIC0109>"}, 33},
        {"the Zarvoni starbase", kZarvoniStarbase, 20000, 0.5f, {"Zarvoni<KVBASIC0094>"}, 19250},
        {"the friendly starbase",
         kStarbase,
         40000,
         0.5f,
         {"<KVBASIC0090> 2<KVBASIC0091>", "<KVBASIC0092>", "<KVBASIC0093>"},
         39250},
        {"a star flares", kStar, 0, 0.5f, {"<KVBASIC0095>"}, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        ConstantRandom rng(k.draw);
        WeaponsGame tg(rng);
        SelfDetonatingFromTheCorner(tg);
        switch (k.code) {
            case kZarvoni: tg.Zarvoni(1, 5, 6, k.energy); break;
            case kCloaked: tg.Cloaked(1, 5, 6, k.energy); break;
            case kZarvoniStarbase: tg.ZarvoniBase(5, 6, k.energy); break;
            case kStarbase: tg.Starbase(2, 5, 6, k.energy); break;
            default:
                tg.st.StarSystem(4, 4, 1).SectorRow = 5, tg.st.StarSystem(4, 4, 1).SectorCol = 6;
                tg.st.SectorGrid[5][6] = kStar;
                tg.st.Galaxy[4][4] = 1, tg.st.QuadStars = 1;
                break;
        }
        Integer cloakedAtHit = -5;  // the time the action takes drains a cloaked ship further
        tg.host.onRefresh = [&](View v) {
            if (v == View::ZarvoniReport && cloakedAtHit == -5) cloakedAtHit = tg.st.CloakedEnergy[1];
        };
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(5, 5, 2)};
        TorpedoVolley(tg.game);
        std::vector<std::string> lines;
        for (const auto& line : tg.host.output)
            if (line != "<KVBASIC0062>") lines.push_back(line);
        EXPECT_EQ(lines, k.lines);
        switch (k.code) {
            case kZarvoni: EXPECT_EQ(tg.st.ZarvoniEnergy[1], k.after); break;
            case kCloaked: EXPECT_EQ(cloakedAtHit, k.after); break;
            case kZarvoniStarbase: EXPECT_EQ(tg.st.ZarvoniBase[5], k.after); break;
            case kStarbase:
                EXPECT_EQ(tg.st.Starbases[3][2], k.after);
                EXPECT_EQ(tg.st.ScoreCounterE, 1);
                break;
            default: EXPECT_FALSE(tg.host.Events("flare:5,6:").empty()); break;
        }
    }
}

TEST(TorpedoesTest, TheBlastReachesByPower) {
    struct Case {
        int power, dr, dc;
        bool reached;
        int left;  // the energy left by a reached ship (R = 0.5: 111 / F)
    };
    // Impact at (5, 5) by self-detonation; F = 6 d / k.
    const Case cases[] = {
        {2, 0, 1, true, 63},  {2, 1, 1, false, 0}, {2, 0, 2, false, 0}, {3, 1, 1, true, 61}, {3, 0, 2, false, 0},
        {3, -1, 0, true, 44}, {4, 0, 2, true, 63}, {4, 1, 1, true, 48}, {4, 1, 2, false, 0}, {4, 2, 2, false, 0},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        WeaponsGame tg(rng);
        SelfDetonatingFromTheCorner(tg);
        tg.Zarvoni(1, 5 + c.dr, 5 + c.dc);
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(5, 5, c.power)};
        TorpedoVolley(tg.game);
        const std::string what = std::to_string(c.power) + ":" + std::to_string(c.dr) + "," + std::to_string(c.dc);
        EXPECT_EQ(tg.st.ZarvoniEnergy[1], c.reached ? c.left : 100) << what;
        EXPECT_EQ(tg.host.Events("log:<KVBASIC0096>").size(), c.reached ? 1u : 0u) << what;
        size_t rings = 0;  // the blast's rings (the detonation's own flash has other colours)
        for (const auto& e : tg.host.Events("ring:5,5:"))
            if (e.ends_with(":11")) ++rings;
        EXPECT_EQ(rings, static_cast<size_t>(tg.host.cellPixels / 2 * c.power)) << what;
    }
}

TEST(TorpedoesTest, TheBlastHitsStarbasesAndTheShipBeside) {
    ConstantRandom rng(0.5f);
    WeaponsGame tg(rng);
    ShieldsUpWithClass2(tg);
    tg.Starbase(1, 4, 6, 40000);
    // A power-2 torpedo into the starbase two sectors east: the direct hit takes 2250 x 2; the
    // blast reaches (4, 5), (3, 6), (5, 6) and (4, 7), not the ship.
    tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 6, 2)};
    TorpedoVolley(tg.game);
    EXPECT_EQ(tg.st.Starbases[3][1], 40000 - 2250 * 2);
    EXPECT_EQ(tg.st.ScoreCounterE, 1);
    EXPECT_EQ(tg.st.ShieldLevel, 2000);  // the ship stands two sectors off: out of reach

    WeaponsGame near(rng);
    near.st.TorpedoStockClass2 = 5;
    near.st.ShieldLevel = 2000;
    near.st.ShieldFactor = 1.0f;
    near.Zarvoni(1, 4, 5, 200);  // next to the ship: the blast reaches the ship
    near.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 5, 2)};
    TorpedoVolley(near.game);
    EXPECT_TRUE(near.host.Saw("log:<KVBASIC0111>"));
    EXPECT_LT(near.st.ShieldLevel, 2000);
}

// The blast meets the ship's own sector by what the cell holds: a docked ship stands on its
// starbase's sector, so the base takes the blast; a ship stopped on a star gets the star's flare.
TEST(TorpedoesTest, TheBlastOnTheShipsSectorHitsWhatTheCellHolds) {
    enum class Under { Nothing, DockedAtBase, Star };
    struct Case {
        const char* what;
        Under under;
        const char* line;  // the blast's line for the ship's sector
    };
    const Case cases[] = {
        {"in open space", Under::Nothing, "log:<KVBASIC0111>"},
        {"docked at its starbase", Under::DockedAtBase, "log:<KVBASIC0090> 1<KVBASIC0091>"},
        {"stopped on a star", Under::Star, "log:<KVBASIC0095>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConstantRandom rng(0.5f);
        WeaponsGame tg(rng);
        ShieldsUpWithClass2(tg);
        if (c.under == Under::DockedAtBase) {
            tg.Starbase(1, 4, 4, 40000);
            tg.st.Docked = 1;
        } else if (c.under == Under::Star) {
            tg.st.StarSystem(4, 4, 1).SectorRow = 4, tg.st.StarSystem(4, 4, 1).SectorCol = 4;
            tg.st.SectorGrid[4][4] = kStar;
            tg.st.Galaxy[4][4] = 1, tg.st.QuadStars = 1;
        }
        tg.Zarvoni(1, 4, 5, 200);  // a power-2 torpedo into the ship beside: F = 3 at the ship
        const Long base = tg.st.Starbases[3][1];
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 5, 2)};
        TorpedoVolley(tg.game);
        EXPECT_TRUE(tg.host.Saw(c.line));
        EXPECT_EQ(tg.host.Saw("log:<KVBASIC0111>"), c.under == Under::Nothing);
        EXPECT_EQ(tg.st.ShieldLevel < 2000, c.under == Under::Nothing);
        // The base loses Int(0.5 x 1500 + 1500) / 3, and the player's record counts the shot.
        EXPECT_EQ(tg.st.Starbases[3][1], c.under == Under::DockedAtBase ? 39250 : base);
        EXPECT_EQ(tg.st.ScoreCounterE, c.under == Under::DockedAtBase ? 1 : 0);
        EXPECT_EQ(!tg.host.Events("flare:").empty(), c.under == Under::Star);
    }
}

TEST(TorpedoesTest, TheMorvShipDestroyedMidVolleyStopsTheFlightButTheActionEnds) {
    ConstantRandom rng(0.5f);
    WeaponsGame tg(rng);
    tg.Morv(4, 6, 1000);
    tg.Zarvoni(1, 2, 4);
    // The Morv ship is hit in round 2; the torpedo towards (1, 4) would hit the ship in round 2
    // too, after it: it is stopped before it flies on.
    tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 6), WeaponsGame::Torpedo(1, 4)};
    TorpedoVolley(tg.game);
    EXPECT_EQ(tg.st.MorvShipsDestroyed, 1);
    EXPECT_EQ(tg.st.ZarvoniEnergy[1], 100);
    EXPECT_FLOAT_EQ(tg.st.TimeLeft, 29.8f);
    EXPECT_FALSE(tg.host.Events("enable:frmCOM").empty());
    // The other torpedo's picture is taken off the scan.
    EXPECT_TRUE(tg.host.Saw("draw:3,4:14"));
    EXPECT_TRUE(tg.host.Saw("draw:3,4:0"));
}

TEST(TorpedoesTest, ACellNamingAShipWithNoRecordIsCleared) {
    ConstantRandom rng(0.5f);
    WeaponsGame tg(rng);
    tg.st.SectorGrid[4][6] = kZarvoni;
    tg.st.SectorGrid[2][4] = kCloaked;
    tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 6), WeaponsGame::Torpedo(2, 4)};
    TorpedoVolley(tg.game);
    EXPECT_EQ(tg.st.SectorGrid[4][6], kEmpty);
    EXPECT_EQ(tg.st.SectorGrid[2][4], kEmpty);
    EXPECT_EQ(tg.st.ZarvonisLeft, 10);
    EXPECT_EQ(tg.st.ZarvoniEnergy[0], -1);  // no slot 0 written
    EXPECT_EQ(tg.st.CloakedEnergy[0], -1);
}

TEST(TorpedoesTest, ATorpedoBreaksTheTractorBeamByItsPower) {
    struct Case {
        int power;
        float draw;
        bool free;
    };
    // Free when R x 100 < k + 9.
    const Case cases[] = {{1, 0.099f, true}, {1, 0.1f, false}, {3, 0.119f, true}, {3, 0.121f, false}};
    for (const auto& c : cases) {
        // Damage draw, the break-out draw, and the Morv counter's draw when free.
        ScriptedRandom rng({0.5f, c.draw, 0.5f});
        WeaponsGame tg(rng);
        tg.st.TorpedoStockClass2 = 5;
        tg.Morv(4, 7, 2000000);  // beyond the blast's reach of the ship
        tg.game.SetTimer(Timer::frmSRS_tmrMorvTractor, true);
        tg.st.TorpedoPlan = {WeaponsGame::Torpedo(4, 5, c.power)};
        TorpedoVolley(tg.game);
        EXPECT_EQ(tg.st.MorvStrength, 2000000 - 2250 * c.power) << c.draw;
        EXPECT_EQ(!tg.game.TimerEnabled(Timer::frmSRS_tmrMorvTractor), c.free) << c.draw;
        EXPECT_EQ(tg.host.Saw("notice:<KVBASIC0072>Morv<KVBASIC0073>"), c.free) << c.draw;
    }
}

}  // namespace
}  // namespace kv::test
