#include <gtest/gtest.h>

#include "engine/tactical/GalaxyMoves.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

// Every quadrant draws, whether or not it has ships to move: the walk's draws are the same
// whatever the galaxy holds, so one quadrant's moves never change another's chances.
TEST(GalaxyMovesTest, EveryQuadrantDrawsItsMoversAndABesiegedBaseItsAttack) {
    struct Case {
        const char* name;
        Integer skill;
        size_t draws;
    };
    // 64 quadrants: the Zarvoni movers (above the lowest skill) and the cloaked ships' two; the
    // quadrant of starbase 2 draws only for its attackers.
    const Case cases[] = {{"skill 4", 4, 63 * 3 + 1}, {"the lowest skill", 1, 63 * 2 + 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConstantRandom rng(0.9f);
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SkillLevel = c.skill;
        for (auto& row : s.Galaxy) row.fill(0);
        s.Galaxy[6][2] = 20;
        MoveAcrossGalaxy(hg.game);
        EXPECT_EQ(rng.Count(), c.draws);
    }
}

TEST(GalaxyMovesTest, ZarvoniGroupsMoveToANeighbour) {
    struct Case {
        const char* name;
        Integer skill;
        int from, fromCode;  // quadrant (from / 10, from % 10)
        int to, toCode;
        std::vector<float> move;  // the movers, then per axis two for the pull to the base and one step
        int fromAfter, toAfter;
    };
    const std::vector<float> southOn{0.99f, 0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.5f};
    const Case cases[] = {
        {"three ships move on", 4, 22, 300, 32, 0, southOn, 0, 300},
        {"the lowest skill: nobody moves", 1, 22, 300, 32, 0, {}, 300, 0},
        {"no more than there are", 4, 22, 101, 32, 0, southOn, 1, 100},
        {"a full quadrant takes no more", 4, 22, 100, 32, 801, southOn, 100, 801},
        {"nine ships and no more", 4, 22, 100, 32, 800, southOn, 0, 900},
        {"never into the player's quadrant", 4, 43, 200, 44, 0, {0.99f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.99f}, 200, 0},
        {"around the edge", 4, 11, 100, 88, 0, {0.99f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SkillLevel = c.skill;
        s.Galaxy[c.from / 10][c.from % 10] = static_cast<Integer>(c.fromCode);
        s.Galaxy[c.to / 10][c.to % 10] = static_cast<Integer>(c.toCode);
        // The group's quadrant: its movers and their course, then its cloaked ships' two draws.
        std::vector<float> from = c.move;
        from.insert(from.end(), {0.0f, 0.0f});
        for (float d : QuietWalk(s, {{c.from, from}})) rng.Push(d);
        MoveAcrossGalaxy(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.Galaxy[c.from / 10][c.from % 10], c.fromAfter);
        EXPECT_EQ(s.Galaxy[c.to / 10][c.to % 10], c.toAfter);
    }
}

TEST(GalaxyMovesTest, WithThePlayerAtTheirBaseShipsHeadForIt) {
    ScriptedRandom rng;
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddZarvoniBase(2, 2, 20000);
    s.Galaxy[2][2] = 100;
    // The movers, then per axis the pull to the base (0.9 > 0.4) and the captured base's draw.
    for (float d : QuietWalk(s, {{22, {0.99f, 0.9f, 0.0f, 0.9f, 0.0f, 0.0f, 0.0f}}})) rng.Push(d);
    MoveAcrossGalaxy(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.Galaxy[2][2], 0);
    EXPECT_EQ(s.Galaxy[3][3], 100);
}

TEST(GalaxyMovesTest, TheZarvoniBaseAwayTakesInAndSendsOutShips) {
    struct Case {
        const char* name;
        float t;
        Integer docked;
        int code, dockedAfter;
        Long strength;
    };
    const Case cases[] = {
        {"a ship docks", 0.0f, 2, 200, 3, 8999},
        {"a ship leaves", 0.99f, 2, 400, 1, 10000},
        {"a full dock takes no more", 0.0f, 6, 300, 6, 8999},
        {"an empty dock sends none", 0.99f, 0, 300, 0, 10000},
        {"nothing happens", 0.5f, 2, 300, 2, 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<float> draws{0.5f, c.t};
        if (c.t == 0.0f) draws.push_back(0.0f);   // what the docking costs the base
        draws.push_back(0.0f);                    // the remaining ships stay
        draws.insert(draws.end(), {0.0f, 0.0f});  // and no cloaked ship moves
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.ZarvoniBase = {0, 2, 2, 3, 3, 10000};
        s.ZarvoniBaseShips = c.docked;
        s.Galaxy[2][2] = 300;
        for (float d : QuietWalk(s, {{22, draws}})) rng.Push(d);
        MoveAcrossGalaxy(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.Galaxy[2][2], c.code);
        EXPECT_EQ(s.ZarvoniBaseShips, c.dockedAfter);
        EXPECT_EQ(s.ZarvoniBase[5], c.strength);
    }
}

TEST(GalaxyMovesTest, AStarbaseUnderAttackMayDestroyAnAttacker) {
    struct Case {
        const char* name;
        int code;
        Integer known;
        float draw;
        int after;
        std::string last;  // the report's last line; "" for no report
        int lost;
        Integer flag;
    };
    const Case cases[] = {
        {"the last attacker falls", 113, 113, 0.1f, 13, "<KVBASIC0219>", 1, 0},
        {"the attack goes on", 213, 213, 0.1f, 113, "<KVBASIC0220>", 0, -1},
        {"its guns miss", 213, 213, 0.3f, 213, "", 0, -1},
        {"an uncharted quadrant sends no report", 213, -1, 0.1f, 113, "", 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng;
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.Galaxy[2][6] = static_cast<Integer>(c.code);
        s.KnownGalaxy[2][6] = c.known;
        s.StarbaseFlags[1] = -1;
        for (float d : QuietWalk(s, {{26, {c.draw}}})) rng.Push(d);
        MoveAcrossGalaxy(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.Galaxy[2][6], c.after);
        EXPECT_EQ(s.StarbasesLost, c.lost);
        EXPECT_EQ(s.StarbaseFlags[1], c.flag);
        if (c.last.empty()) {
            EXPECT_TRUE(hg.host.notices.empty());
        } else {
            EXPECT_EQ(s.KnownGalaxy[2][6], c.after);
            EXPECT_EQ(hg.host.notices,
                      std::vector<std::string>{"<KVBASIC0215> 1<KVBASIC0216>\r\n<KVBASIC0217> 2 , 6 :\r\n"
                                               "<KVBASIC0218>\r\n" +
                                               c.last});
        }
    }
}

}  // namespace
}  // namespace kv::test
