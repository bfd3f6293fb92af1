#include <gtest/gtest.h>

#include <functional>

#include "engine/tactical/Hostiles.h"
#include "state/Numeric.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

// Draws of one shot at the ship that hits: the target draw (not the starbase), the hit test.
const std::vector<float> kHitDraws{0.0f, 0.0f};

// The draws of the hostiles' shots that a test scripts, then 0.5 for each draw of the movement
// turn that follows them (the movement's own tests script that).
class ShotDraws : public Random {
public:
    ShotDraws(std::initializer_list<float> v) : scripted_(v) {}
    explicit ShotDraws(std::vector<float> v) : scripted_(std::move(v)) {}
    float Rnd() override {
        if (used_ < scripted_.size()) return scripted_[used_++];
        ++beyond_;
        return 0.5f;
    }
    size_t Used() const { return used_; }
    size_t Beyond() const { return beyond_; }
    size_t Scripted() const { return scripted_.size(); }

private:
    std::vector<float> scripted_;
    size_t used_ = 0, beyond_ = 0;
};

// What the shots left, seen as the movement turn begins (it first clears the galaxy chart and
// repaints the background).
struct AfterTheShots {
    bool reached = false;
    std::vector<std::string> output, events;
    GameState st;
};

// The hostiles' turn: fails the test unless the shots used exactly the scripted draws.
AfterTheShots HitShipShots(HostileGame& hg, ShotDraws& rng) {
    AfterTheShots after;
    size_t used = 0, beyond = 0;
    const std::function<void(View)> previous = hg.host.onRefresh;
    hg.host.onRefresh = [&](View v) {
        if (previous) previous(v);
        if (v != View::Background || after.reached) return;
        after.reached = true;
        used = rng.Used();
        beyond = rng.Beyond();
        after.output = hg.host.output;
        after.events = hg.host.events;
        after.st = hg.st;
    };
    HitShip(hg.game);
    hg.host.onRefresh = previous;
    EXPECT_TRUE(after.reached) << "the turn ended before the movement";
    EXPECT_EQ(used, rng.Scripted());
    EXPECT_EQ(beyond, 0u);
    return after;
}

std::vector<std::string> Starting(const std::vector<std::string>& events, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
}

TEST(HitShipTest, HitStrengthFallsWithDistanceAndEnergy) {
    struct Case {
        const char* name;
        bool cloaked;
        int row, col, energy;
        long hit;
    };
    // The ship stands at sector (1, 1).
    const Case cases[] = {
        {"distance 1", false, 1, 2, 100, 455},         {"distance 5", false, 4, 5, 100, 175},
        {"distance 9", false, 8, 7, 100, 55},          {"distance 10", false, 8, 8, 100, 50},
        {"half energy", false, 2, 2, 50, 227},         {"cloaked, distance 1", true, 2, 1, 100, 535},
        {"cloaked, distance 5", true, 5, 4, 100, 205}, {"weak cloaked", true, 2, 1, 10, 53},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<float> draws = kHitDraws;
        if (c.cloaked && c.energy >= 20) draws.insert(draws.end(), {0.5f, 0.5f});  // the computer's estimate
        ShotDraws rng(draws);
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SectorGrid[4][4] = kEmpty;
        s.ShipSectorRow = s.ShipSectorCol = 1;
        s.SectorGrid[1][1] = kShip;
        s.ShieldLevel = 2000;
        if (c.cloaked)
            hg.AddCloaked(c.row, c.col, c.energy);
        else
            hg.AddZarvoni(c.row, c.col, c.energy);
        const AfterTheShots after = HitShipShots(hg, rng);
        EXPECT_EQ(after.st.ShieldLevel, 2000 - c.hit);
        ASSERT_FALSE(after.output.empty());
        EXPECT_EQ(after.output[0].rfind("**" + Str(c.hit) + (c.cloaked ? "<KVBASIC0124>" : "<KVBASIC0116>"), 0), 0u)
            << after.output[0];
        EXPECT_EQ(after.output.back(), "<KVBASIC0133>" + Str(after.st.ShieldLevel) + "<KVBASIC0134>");
    }
}

TEST(HitShipTest, AHitOnTheShipIsDrawnAndReported) {
    ShotDraws rng(kHitDraws);
    HostileGame hg(rng);
    hg.st.ShieldLevel = 1000;
    hg.AddZarvoni(2, 7);
    // While the hostiles fire, a scan asked for starts no second hostile turn.
    Integer during = 0;
    hg.host.onRefresh = [&](View v) {
        if (v == View::Bars) during = hg.st.HostileTurnFlag;
    };
    const AfterTheShots after = HitShipShots(hg, rng);
    EXPECT_EQ(during, -32767);
    EXPECT_EQ(Starting(after.events, "beam:"), std::vector<std::string>{"beam:2:2,7>4,4"});
    EXPECT_EQ(Starting(after.events, "beams:"), (std::vector<std::string>{"beams:2-2:on", "beams:2-2:off"}));
    EXPECT_TRUE(hg.Played("ZHIT.WAV"));
    // Distance 4: ((10 - 4)^2 + 10) x 100 / 20.
    EXPECT_EQ(after.output.at(0), "** 230<KVBASIC0116><KVBASIC0120> 2 , 7 **");
    EXPECT_EQ(after.st.ShieldsChanged, 0);
}

TEST(HitShipTest, TheSpeedOfTheLastMoveSetsTheChanceToHit) {
    struct Case {
        Single warp;
        Single chance;
    };
    const Case cases[] = {{0.0f, 0.9f}, {0.5f, 0.5f}, {1.0f, 0.5f}, {1.01f, 0.2f}, {6.0f, 0.2f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warp);
        ScriptedRandom walks;  // each turn's walk over the galaxy, where nothing moves
        HostileGame hg(walks);
        for (int turn = 0; turn < 2; ++turn)
            for (float d : QuietWalk(hg.st)) walks.Push(d);
        hg.st.WarpFactor = c.warp;
        HitShip(hg.game);
        EXPECT_FLOAT_EQ(hg.st.HitChance, c.chance);
        EXPECT_EQ(hg.st.WarpFactor, 0.0f);
        // The next turn without a move: 0.9 again.
        HitShip(hg.game);
        EXPECT_FLOAT_EQ(hg.st.HitChance, 0.9f);
        EXPECT_EQ(walks.Remaining(), 0u);
    }
}

TEST(HitShipTest, MissesNameThePositionOnlyWhenTheShooterShowsItself) {
    struct Case {
        const char* name;
        bool cloaked;
        int energy;
        Single sensorDamage;
        std::string line;
    };
    const Case cases[] = {
        {"Zarvoni ship", false, 100, 0, "Zarvoni<KVBASIC0114><KVBASIC0115> 3 , 6"},
        {"Zarvoni ship, sensors damaged", false, 100, 0.5f, "Zarvoni<KVBASIC0114>"},
        {"strong cloaked ship", true, 20, 0, "<KVBASIC0121>Zarvoni<KVBASIC0122>"},
        {"weak cloaked ship", true, 19, 0, "Zarvoni<KVBASIC0122><KVBASIC0123> 3 , 6"},
        {"weak cloaked ship, sensors damaged", true, 19, 0.5f, "Zarvoni<KVBASIC0122>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShotDraws rng{0.0f, 0.95f};  // at the ship; a miss
        HostileGame hg(rng);
        hg.st.SystemDamage[kShortRangeSensors] = c.sensorDamage;
        hg.st.ShieldLevel = 500;
        if (c.cloaked)
            hg.AddCloaked(3, 6, c.energy);
        else
            hg.AddZarvoni(3, 6, c.energy);
        const AfterTheShots after = HitShipShots(hg, rng);
        EXPECT_EQ(after.output, std::vector<std::string>{c.line});
        EXPECT_EQ(after.st.ShieldLevel, 500);
        EXPECT_TRUE(hg.Played("ZMISS.WAV"));
        EXPECT_TRUE(Starting(after.events, "beam:").empty());
    }
}

TEST(HitShipTest, ACloakedShipsHitIsPlacedByTheComputer) {
    struct Case {
        const char* name;
        Integer range;
        Single computerDamage;
        int energy;
        std::vector<float> draws;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"range 1: off by one",
         1,
         0,
         100,
         {0.0f, 0.0f, 0.0f, 0.99f},
         {"** 347<KVBASIC0124><KVBASIC0129>", "\t<KVBASIC0130> 1 , 7"}},
        {"range 2: off by a half, rounded to even",
         2,
         0,
         100,
         {0.0f, 0.0f, 0.0f, 0.99f},
         {"** 347<KVBASIC0124><KVBASIC0129>", "\t<KVBASIC0130> 2 , 6"}},
        {"range 3: exact",
         3,
         0,
         100,
         {0.0f, 0.0f, 0.0f, 0.99f},
         {"** 347<KVBASIC0124><KVBASIC0129>", "\t<KVBASIC0130> 2 , 6"}},
        {"computer damaged", 1, 0.1f, 100, {0.0f, 0.0f}, {"** 347<KVBASIC0124><KVBASIC0131>"}},
        {"weak: its cloak fails", 1, 0, 19, {0.0f, 0.0f}, {"** 65<KVBASIC0124><KVBASIC0128> 2 , 6 **"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShotDraws rng(c.draws);
        HostileGame hg(rng);
        hg.st.LRSRange = c.range;
        hg.st.SystemDamage[kComputer] = c.computerDamage;
        hg.st.ShieldLevel = 2000;
        hg.AddCloaked(2, 6, c.energy);  // distance 3 from the ship
        const AfterTheShots after = HitShipShots(hg, rng);
        ASSERT_FALSE(after.output.empty());
        std::vector<std::string> lines(after.output.begin(), after.output.end() - 1);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(Starting(after.events, "beam:"), std::vector<std::string>{"beam:4:2,6>4,4"});
    }
}

TEST(HitShipTest, ShotsAtStarbasesCostThemStrength) {
    struct Case {
        const char* name;
        bool docked, captured;
        float targetDraw;
        std::string line;  // the report of the shot
        Long friendlyAfter, capturedAfter;
    };
    // Skill 4: a hit h costs the base h x 2. The Zarvoni ship stands at (6, 6), the friendly base
    // at (7, 7) (distance 1: 455), the captured base at (6, 4) (distance 2: 370).
    const Case cases[] = {
        {"docked: always the base", true, false, 0.0f, "** 455<KVBASIC0116><KVBASIC0119> 1 **", 50000 - 910, 0},
        {"undocked, an even chance", false, false, 0.6f, "** 455<KVBASIC0116><KVBASIC0119> 1 **", 50000 - 910, 0},
        {"captured base, docked", true, true, 0.0f, "** 370<KVBASIC0116><KVBASIC0117>Zarvoni<KVBASIC0118>", 0,
         15000 - 740},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShotDraws rng{c.targetDraw};
        HostileGame hg(rng);
        GameState& s = hg.st;
        if (c.captured)
            hg.AddZarvoniBase(6, 4, 15000, true);
        else
            hg.AddStarbase(1, 7, 7);
        s.Docked = c.docked ? 1 : 0;
        s.ShieldLevel = 800;
        hg.AddZarvoni(6, 6);
        const AfterTheShots after = HitShipShots(hg, rng);
        EXPECT_EQ(after.output, std::vector<std::string>{c.line});
        EXPECT_EQ(after.st.ShieldLevel, 800);
        if (c.captured) {
            EXPECT_EQ(after.st.ZarvoniBase[5], c.capturedAfter);
            EXPECT_TRUE(hg.host.Saw("marker:ZarvoniShield:6,4"));
        } else {
            EXPECT_EQ(after.st.Starbases[3][1], c.friendlyAfter);
            EXPECT_TRUE(hg.host.Saw("marker:StarbaseShield:7,7"));
        }
    }
}

TEST(HitShipTest, AnUndockedShipIsTheOnlyTargetBesideTheCapturedBase) {
    ShotDraws rng{0.99f, 0.0f};
    HostileGame hg(rng);
    hg.AddZarvoniBase(6, 4, 15000, true);
    hg.st.ShieldLevel = 1000;
    hg.AddZarvoni(6, 6);
    const AfterTheShots after = HitShipShots(hg, rng);
    EXPECT_EQ(after.st.ZarvoniBase[5], 15000);
    EXPECT_LT(after.st.ShieldLevel, 1000);
}

TEST(HitShipTest, ABaseNotWorthHittingDrawsNoFire) {
    // Docked beside a captured base down to a tenth of its strength: the ship holds its fire.
    ShotDraws rng{0.0f};
    HostileGame hg(rng);
    hg.AddZarvoniBase(6, 4, 2000, true);
    hg.st.Docked = 1;
    hg.AddZarvoni(6, 6);
    const AfterTheShots after = HitShipShots(hg, rng);
    EXPECT_TRUE(after.output.empty());
    EXPECT_EQ(after.st.ZarvoniBase[5], 2000);
}

TEST(HitShipTest, AStarbaseShotDownIsDestroyed) {
    // The first shot destroys the base; the ship is no longer docked, so the second ship fires
    // at it (and misses).
    ShotDraws rng{0.0f, 0.0f, 0.95f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddStarbase(2, 7, 7, 500);
    s.Docked = 1;
    hg.AddZarvoni(6, 6);
    hg.AddZarvoni(1, 1);
    HitShipShots(hg, rng);
    EXPECT_EQ(s.QuadStarbase, 0);
    EXPECT_EQ(s.Starbases[3][2], -1000);
    EXPECT_EQ(s.SectorGrid[7][7], kEmpty);
    EXPECT_EQ(s.Galaxy[4][4], 200);
    EXPECT_EQ(s.Docked, 0);
    EXPECT_EQ(s.StatCounterG, 1);
}

TEST(HitShipTest, TwoShipsOrMoreGiveTheTotal) {
    ShotDraws rng{0.0f, 0.0f, 0.0f, 0.0f};
    HostileGame hg(rng);
    hg.st.ShieldLevel = 2000;
    hg.AddZarvoni(4, 5);  // 455
    hg.AddZarvoni(4, 8);  // distance 4: 230
    const std::vector<std::string> out = HitShipShots(hg, rng).output;
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[2], "<KVBASIC0132> 685");
    EXPECT_EQ(out[3], "<KVBASIC0133> 1315<KVBASIC0134>");
}

TEST(HitShipTest, AShotThatLosesTheShipEndsTheTurn) {
    ScriptedRandom rng{0.0f, 0.0f, 0.5f, 0.5f};  // the first shot, and the hull damage it does
    HostileGame hg(rng);
    GameState& s = hg.st;
    for (int n = 1; n <= 8; ++n) s.SystemDamage[n] = 8.0f;
    s.SystemDamage[kHull] = 6.5f;
    hg.AddZarvoni(4, 5);
    hg.AddZarvoni(4, 6);
    hg.AddCloaked(5, 5);
    // A starbase elsewhere under attack: untouched, since the turn has ended.
    s.Galaxy[1][1] = 310;
    s.Starbases[3][1] = 1000;
    HitShip(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_FALSE(s.GameRunning);
    EXPECT_EQ(s.Starbases[3][1], 1000);
    EXPECT_EQ(hg.host.Events("beam:").size(), 1u);
}

TEST(HitShipTest, AShipLostInTheMovementTurnEndsTheTurnBeforeTheAttacksElsewhere) {
    // The movement turn: the walk over the galaxy, where the starbase elsewhere misses its
    // attackers; the Zarvoni starbase's traffic draws nothing in; then its shot (hit, strength
    // 496) damages the hull past saving.
    ScriptedRandom rng;
    HostileGame hg(rng);
    GameState& s = hg.st;
    for (int n = 1; n <= 8; ++n) s.SystemDamage[n] = 8.0f;
    s.SystemDamage[kHull] = 6.5f;
    hg.AddZarvoniBase(2, 2, 20000);
    s.Galaxy[2][7] = 310;
    s.Starbases[3][1] = 1000;
    for (float d : Draws({QuietWalk(s),
                          std::vector<float>(24, 0.0f),
                          {0.0f, 0.0f, 0.5f, 0.5f},
                          std::vector<float>(3, 0.0f)}))  // the last: what an attack elsewhere would draw
        rng.Push(d);
    HitShip(hg.game);
    EXPECT_EQ(rng.Remaining(), 3u);
    EXPECT_FALSE(s.GameRunning);
    EXPECT_EQ(s.Starbases[3][1], 1000);  // not attacked this turn
    EXPECT_TRUE(hg.host.errors.empty());
    EXPECT_EQ(s.ZarvoniBase[5], 20000 - 496);
}

TEST(HitShipTest, ZarvoniShipsElsewhereAttackTheirStarbase) {
    struct Case {
        const char* name;
        int code;
        Long strength;
        Integer warned;
        std::vector<float> draws;  // one per ship: 100..349 each
        Long after;
        bool warning, loss;
        int lost, codeAfter;
    };
    // Skill 4: each attack point costs the base 2.
    const Case cases[] = {
        {"no ships: no cost", 12, 30000, 0, {}, 30000, false, false, 0, 12},
        {"one ship", 110, 30000, 0, {0.0f}, 29800, false, false, 0, 110},
        {"three ships, strong base: no warning", 310, 30000, 0, {0.0f, 0.0f, 0.0f}, 29400, false, false, 0, 310},
        {"three ships, weak base: a warning", 310, 20000, 0, {0.0f, 0.0f, 0.0f}, 19400, true, false, 0, 310},
        {"already warned", 310, 20000, -1, {0.0f, 0.0f, 0.0f}, 19400, false, false, 0, 310},
        {"two ships destroy it without warning", 213, 500, 0, {0.99f, 0.0f}, -394, false, true, 0, 203},
        {"destroyed after a warning", 310, 500, -1, {0.0f, 0.0f, 0.0f}, -100, false, true, 1, 300},
        {"warned and destroyed in one turn", 410, 500, 0, {0.0f, 0.0f, 0.0f, 0.0f}, -300, true, true, 1, 400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // First the movement turn, whose walk over the galaxy finds the base's guns missing
        // its attackers.
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.Galaxy[2][7] = static_cast<Integer>(c.code);
        s.Starbases[1][1] = 2;
        s.Starbases[2][1] = 7;
        s.Starbases[3][1] = c.strength;
        s.StarbaseFlags[1] = c.warned;
        for (float d : Draws({QuietWalk(s), c.draws})) rng.Push(d);
        HitShip(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.Starbases[3][1], c.after);
        EXPECT_EQ(s.Galaxy[2][7], c.codeAfter);
        EXPECT_EQ(s.StarbasesLost, c.lost);
        EXPECT_EQ(s.StatCounterG, c.loss ? 1 : 0);
        const size_t notices = (c.warning ? 1 : 0) + (c.loss ? 1 : 0);
        EXPECT_EQ(hg.host.notices.size(), notices);
        if (c.warning) {
            EXPECT_EQ(hg.host.notices[0],
                      "<KVBASIC0135> 1<KVBASIC0136>\r\n<KVBASIC0137> 2 , 7 :\r\n<KVBASIC0138>\r\n"
                      "<KVBASIC0139> 2 , 7");
        }
        if (c.loss) {
            EXPECT_EQ(hg.host.notices.back().rfind("<KVBASIC0140> 1<KVBASIC0141>\r\n<KVBASIC0142> 2 , 7 :", 0), 0u);
            EXPECT_EQ(s.KnownGalaxy[2][7], c.codeAfter);
            EXPECT_EQ(s.Starbases[1][1], 0);
            EXPECT_EQ(s.StarbaseFlags[1], 0);
        } else {
            EXPECT_EQ(s.StarbaseFlags[1], c.warning || c.warned ? -1 : 0);
            EXPECT_EQ(s.KnownGalaxy[2][7], c.warning ? c.codeAfter : -1);
        }
    }
}

}  // namespace
}  // namespace kv::test
