#include <gtest/gtest.h>

#include "engine/tactical/GalaxyMoves.h"
#include "engine/tactical/HostileCells.h"
#include "support/HostileTestSupport.h"

namespace kv::test {
namespace {

TEST(HostileCellsTest, TheSearchForAFreeSectorEndsInACrowdedQuadrant) {
    // Every draw lands on (1, 1), which is taken: after its draws the search takes the first free
    // sector, preferring one that the pin leaves in place.
    ConstantRandom rng(0.0f);
    HostileGame hg(rng);
    GameState& s = hg.st;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) s.SectorGrid[r][c] = kStar;
    s.SectorGrid[3][5] = kEmpty;
    s.SectorGrid[6][8] = kEmpty;
    int row = 1, col = 1;
    EXPECT_TRUE(FindFreeSector(hg.game, row, col));
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 5);
    EXPECT_LE(rng.Count(), 200u);

    row = col = 1;
    EXPECT_TRUE(FindFreeSector(hg.game, row, col, [](int&, int& c) { c = 8; }));
    EXPECT_EQ(row, 6);
    EXPECT_EQ(col, 8);

    s.SectorGrid[3][5] = s.SectorGrid[6][8] = kStar;
    row = col = 2;
    EXPECT_FALSE(FindFreeSector(hg.game, row, col));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 2);
}

TEST(HostileCellsTest, AFreeStartNeedsNoDraw) {
    ScriptedRandom none;
    HostileGame hg(none);
    int row = 2, col = 3;
    EXPECT_TRUE(FindFreeSector(hg.game, row, col));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 3);
}

TEST(HostileCellsTest, ShipsDoNotHeadForAStarbaseThatIsGone) {
    // The captured Zarvoni starbase was destroyed: it has no quadrant any more, so the pull
    // towards it gives way to a random step.
    ScriptedRandom rng;
    HostileGame hg(rng);
    GameState& s = hg.st;
    s.ZarvoniBase = {-1, 0, 0, 0, 0, -1000};
    s.Galaxy[2][2] = 100;
    for (float d : QuietWalk(s, {{22, {0.99f, 0.0f, 0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.0f, 0.0f}}})) rng.Push(d);
    MoveAcrossGalaxy(hg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.Galaxy[2][2], 100);  // the random steps were none
    EXPECT_EQ(s.Galaxy[1][1], 0);
}

}  // namespace
}  // namespace kv::test
