#include <gtest/gtest.h>

#include "engine/tactical/GalaxyMoves.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(GalaxyMovesTest, ZarvoniGroupsMoveToANeighbour) {
    struct Case {
        const char* name;
        Integer skill;
        int from, fromCode;  // quadrant (from / 10, from % 10)
        int to, toCode;
        std::vector<float> draws;
        int fromAfter, toAfter;
    };
    // Draws: the movers, then per axis two for the pull to the base and one random step; a group
    // that arrives later in the walk draws once more (and stays).
    const Case cases[] = {
        {"three ships move on", 4, 22, 300, 32, 0, {0.99f, 0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.5f, 0.0f}, 0, 300},
        {"the lowest skill: nobody moves", 1, 22, 300, 32, 0, {}, 300, 0},
        {"no more than there are", 4, 22, 101, 32, 0, {0.99f, 0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.5f, 0.0f}, 1, 100},
        {"a full quadrant takes no more",
         4,
         22,
         100,
         32,
         801,
         {0.99f, 0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.5f, 0.0f},
         100,
         801},
        {"nine ships and no more", 4, 22, 100, 32, 800, {0.99f, 0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.5f, 0.0f}, 0, 900},
        {"never into the player's quadrant", 4, 43, 200, 44, 0, {0.99f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.99f}, 200, 0},
        {"around the edge", 4, 11, 100, 88, 0, {0.99f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom rng(std::vector<float>(c.draws));
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.SkillLevel = c.skill;
        s.Galaxy[c.from / 10][c.from % 10] = static_cast<Integer>(c.fromCode);
        s.Galaxy[c.to / 10][c.to % 10] = static_cast<Integer>(c.toCode);
        MoveAcrossGalaxy(hg.game);
        EXPECT_EQ(rng.Remaining(), 0u);
        EXPECT_EQ(s.Galaxy[c.from / 10][c.from % 10], c.fromAfter);
        EXPECT_EQ(s.Galaxy[c.to / 10][c.to % 10], c.toAfter);
    }
}

TEST(GalaxyMovesTest, WithThePlayerAtTheirBaseShipsHeadForIt) {
    ScriptedRandom rng{0.99f, 0.9f, 0.0f, 0.9f, 0.0f, 0.0f};
    HostileGame hg(rng);
    GameState& s = hg.st;
    hg.AddZarvoniBase(2, 2, 20000);
    s.Galaxy[2][2] = 100;
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
        if (c.t == 0.0f) draws.push_back(0.0f);  // what the docking costs the base
        draws.push_back(0.0f);                   // the remaining ships stay
        ScriptedRandom rng(draws);
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.ZarvoniBase = {0, 2, 2, 3, 3, 10000};
        s.ZarvoniBaseShips = c.docked;
        s.Galaxy[2][2] = 300;
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
        ScriptedRandom rng{c.draw};
        HostileGame hg(rng);
        GameState& s = hg.st;
        s.Galaxy[2][6] = static_cast<Integer>(c.code);
        s.KnownGalaxy[2][6] = c.known;
        s.StarbaseFlags[1] = -1;
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
