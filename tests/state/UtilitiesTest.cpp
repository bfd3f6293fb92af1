#include <gtest/gtest.h>

#include "state/Utilities.h"
#include "support/TestGame.h"

namespace kv {
namespace {

TEST(Utilities, StrToBoolIsExact) {
    EXPECT_EQ(StrToBool("True"), -1);
    EXPECT_EQ(StrToBool("False"), 0);
    for (const char* other : {"TRUE", "true", "", "Not Used", "1", "False "})
        EXPECT_EQ(StrToBool(other), kNotABool) << other;
}

TEST(Utilities, ChoiceIndexFirstMatchWinsAndIsCaseSensitive) {
    EXPECT_EQ(ChoiceIndex(std::string("Long"), "Long", "Tall", "Long"), 1);
    EXPECT_EQ(ChoiceIndex(std::string("Tall"), "Long", "Tall", "Custom"), 2);
    EXPECT_EQ(ChoiceIndex(std::string("Custom"), "Long", "Tall", "Custom"), 3);
    EXPECT_EQ(ChoiceIndex(std::string("long"), "Long", "Tall", "Custom"), 0);
    EXPECT_EQ(ChoiceIndex(3, 1, 2, 3), 3);
}

TEST(Utilities, VersionAndSmallHelpers) {
    EXPECT_EQ(GetVersionString(), "1.3.0");
    int a = 1, b = 2;
    SwapVar(a, b);
    EXPECT_EQ(a * 10 + b, 21);
    EXPECT_EQ(IIfVar(-1, std::string("a"), std::string("b")), "a");
    EXPECT_EQ(IIfVar(0, 1, 2), 2);

    ScriptedRandom rng{0.1f, 0.2f, 0.3f};
    test::TestGame tg(rng);
    std::array<Single, 3> values{};
    FillRandom(tg.game, values);
    EXPECT_EQ(values, (std::array<Single, 3>{0.1f, 0.2f, 0.3f}));
    EXPECT_EQ(rng.Remaining(), 0u);
}

}  // namespace
}  // namespace kv
