#include <gtest/gtest.h>

#include "engine/tactical/StarFlare.h"
#include "support/WeaponsTestSupport.h"

namespace kv::test {
namespace {

TEST(StarFlareTest, TheFlareTravelsTowardsItsDirection) {
    struct Case {
        int direction;
        int drawOption;
        const char* second;  // the second frame (size 3)
        const char* last;    // the last frame (size 12)
    };
    const Case cases[] = {
        {1, 0, "flare:4,5:4.5,0:3", "flare:4,5:18,0:12"},        {9, 0, "flare:4,5:4.5,0:3", "flare:4,5:18,0:12"},
        {3, 0, "flare:4,5:0,-4.5:3", "flare:4,5:0,-18:12"},      {7, 0, "flare:4,5:0,4.5:3", "flare:4,5:0,18:12"},
        {4, 0, "flare:4,5:-4.5,-4.5:3", "flare:4,5:-18,-18:12"}, {8, 0, "flare:4,5:4.5,4.5:3", "flare:4,5:18,18:12"},
        {5, 1, "flare:4,5:-9,0:3", "flare:4,5:-36,0:12"},  // the large pictures: twice as far
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        AddSounds(tg, {"FLARE.WAV"});
        tg.st.SRSDrawOption = static_cast<Integer>(c.drawOption);
        StarFlare(tg.game, 5, 4, c.direction);
        const auto frames = tg.host.Events("flare:");
        ASSERT_EQ(frames.size(), 12u) << c.direction;
        EXPECT_EQ(frames[1], c.second) << c.direction;
        EXPECT_EQ(frames[10], c.last) << c.direction;
        EXPECT_EQ(frames[11], "flare:4,5:0,0:0") << c.direction;  // hidden at the end
        EXPECT_EQ(Played(tg.host, "FLARE.WAV"), 1);
        EXPECT_NEAR(tg.host.waited, 11 * 0.02 + 0.3, 1e-6);
    }
}

}  // namespace
}  // namespace kv::test
