#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "state/CosmeticRandom.h"

namespace kv {
namespace {

std::vector<float> Draw(CosmeticRandom& r, int n) {
    std::vector<float> v;
    for (int i = 0; i < n; ++i) v.push_back(r.Rnd(1.0f));
    return v;
}

TEST(CosmeticRandom, ANegativeArgumentRestartsFromItAndZeroRepeats) {
    CosmeticRandom a, b(12345u);
    const float firstA = a.Rnd(-3.5f);
    const std::vector<float> restA = Draw(a, 5);
    b.Rnd(1.0f);  // wherever b stood before, -3.5 starts the same sequence
    EXPECT_EQ(b.Rnd(-3.5f), firstA);
    EXPECT_EQ(Draw(b, 5), restA);
    EXPECT_EQ(b.Rnd(0.0f), restA.back());
    EXPECT_EQ(b.Rnd(0.0f), restA.back());
    EXPECT_NE(b.Rnd(-2.0f), firstA);  // another seed, another sequence
}

TEST(CosmeticRandom, GivesValuesFromZeroToBelowOne) {
    CosmeticRandom r;
    std::set<float> seen;
    for (float v : Draw(r, 10000)) {
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        seen.insert(v);
    }
    EXPECT_GT(seen.size(), 9900u);
    CosmeticRandom fresh;
    EXPECT_EQ(fresh.Rnd(0.0f), CosmeticRandom().Rnd());  // 0 before any draw gives the first value
}

}  // namespace
}  // namespace kv
