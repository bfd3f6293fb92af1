#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/tactical/LongRangeScan.h"
#include "support/GalaxyTestSupport.h"

namespace kv::test {
namespace {

struct ScanShape {
    int range;
    int shipRow, shipCol;
    int charted;
};

class GalaxyLRSShape : public ::testing::TestWithParam<ScanShape> {};

// The scan charts the quadrants at most LRSRange / 2 + 1 away (distance equal to the limit
// included), clipped to the galaxy, and marks exactly those on the chart.
TEST_P(GalaxyLRSShape, ChartsTheQuadrantsWithinReach) {
    const ScanShape p = GetParam();
    ConstantRandom rng(0.5f);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    for (int r = 0; r <= 8; ++r)
        for (int c = 0; c <= 8; ++c) {
            s.Galaxy[r][c] = static_cast<Integer>(r * 10 + c + 100);
            s.KnownGalaxy[r][c] = -1;
        }
    s.LRSRange = static_cast<Integer>(p.range);
    s.ShipQuadrantRow = static_cast<Integer>(p.shipRow);
    s.ShipQuadrantCol = static_cast<Integer>(p.shipCol);

    LRS(gg.game);

    const double limit = p.range / 2.0 + 1;
    int charted = 0;
    for (int r = 0; r <= 8; ++r) {
        for (int c = 0; c <= 8; ++c) {
            const int dr = r - p.shipRow, dc = c - p.shipCol;
            const bool inGalaxy = r >= 1 && c >= 1;
            const bool expected =
                inGalaxy && std::abs(dr) <= p.range && std::abs(dc) <= p.range && dr * dr + dc * dc <= limit * limit;
            EXPECT_EQ(s.KnownGalaxy[r][c], expected ? s.Galaxy[r][c] : -1) << r << "," << c;
            if (expected) {
                ++charted;
                EXPECT_EQ(gg.host.chart.at((r - 1) * 8 + c - 1), kChartScanned);
            }
        }
    }
    EXPECT_EQ(charted, p.charted);
    EXPECT_EQ(static_cast<int>(gg.host.chart.size()), p.charted);
    EXPECT_EQ(s.StatCounterH, p.charted);
    EXPECT_EQ(s.LRSDone, kTrue);
    EXPECT_EQ(gg.host.events.back(), "refresh:GalaxyChart");
    EXPECT_EQ(rng.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(GalaxyRanges, GalaxyLRSShape,
                         ::testing::Values(ScanShape{0, 4, 4, 1}, ScanShape{1, 4, 4, 9}, ScanShape{2, 4, 4, 13},
                                           ScanShape{3, 4, 4, 21}, ScanShape{4, 4, 4, 29}, ScanShape{5, 4, 4, 37},
                                           ScanShape{1, 1, 1, 4}, ScanShape{2, 8, 8, 6}, ScanShape{2, 1, 5, 9},
                                           ScanShape{5, 1, 8, 13}, ScanShape{9, 4, 5, 63}));

TEST(GalaxyLRS, WithinScanRangeCountsTheLimitDistance) {
    GameState s;
    s.ShipQuadrantRow = 4;
    s.ShipQuadrantCol = 4;
    s.LRSRange = 2;  // limit 2
    EXPECT_TRUE(WithinScanRange(s, 2, 4));
    EXPECT_TRUE(WithinScanRange(s, 4, 6));
    EXPECT_FALSE(WithinScanRange(s, 2, 5));  // sqrt 5
    s.LRSRange = 1;                          // limit 1.5
    EXPECT_TRUE(WithinScanRange(s, 5, 5));   // sqrt 2
    EXPECT_FALSE(WithinScanRange(s, 6, 4));
    s.LRSRange = 4;  // limit 3
    EXPECT_TRUE(WithinScanRange(s, 7, 4));
    EXPECT_FALSE(WithinScanRange(s, 7, 5));  // sqrt 10
}

TEST(GalaxyLRS, OnlyTheFirstScanOfAGameCountsItsQuadrants) {
    ConstantRandom rng(0.5f);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.LRSRange = 1;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
    LRS(gg.game);
    EXPECT_EQ(s.StatCounterH, 9);
    s.ShipQuadrantRow = 1;
    s.ShipQuadrantCol = 1;
    LRS(gg.game);
    EXPECT_EQ(s.StatCounterH, 9);
}

TEST(GalaxyLRS, MorvQuadrantShowsRedOnlyWhenInRange) {
    ConstantRandom rng(0.5f);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.LRSRange = 1;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
    s.MorvShip[1] = 5;
    s.MorvShip[2] = 5;
    LRS(gg.game);
    const int morv = 4 * 8 + 4;
    EXPECT_EQ(gg.host.chart.at(morv), kChartRed);
    // The scanned colour is set first, the red afterwards.
    auto scanned = std::find(gg.host.events.begin(), gg.host.events.end(),
                             "chart:" + std::to_string(morv) + ":" + std::to_string(kChartScanned));
    auto red = std::find(gg.host.events.begin(), gg.host.events.end(), "chart:" + std::to_string(morv) + ":4");
    EXPECT_LT(scanned, red);

    GalaxyGame far(rng);
    far.game.st.LRSRange = 1;
    far.game.st.ShipQuadrantRow = far.game.st.ShipQuadrantCol = 4;
    far.game.st.MorvShip[1] = 7;
    far.game.st.MorvShip[2] = 7;
    LRS(far.game);
    for (const auto& [index, color] : far.host.chart) EXPECT_EQ(color, kChartScanned) << index;
}

}  // namespace
}  // namespace kv::test
