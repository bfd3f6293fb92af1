// The console scripts' text helpers find words without regard to case, accented letters too,
// and keep the positions of the text they search.
#include <gtest/gtest.h>

#include "explore/ConsoleText.h"

namespace kv::console {
namespace {

TEST(ConsoleText, FindsAndReplacesWithoutRegardToCase) {
    EXPECT_EQ(FindNoCase("Le vaisseau ÉCLAIRE", "éclaire"), 12u);
    EXPECT_EQ(FindNoCase("SŒUR", "sœur"), 0u);
    EXPECT_EQ(FindNoCase("abc", ""), std::string::npos);
    EXPECT_EQ(FindNoCase("abc", "x"), std::string::npos);

    std::string text = "Été à %nM, près de %NM!";
    ReplaceFirst(text, "%nm", "Véga");
    EXPECT_EQ(text, "Été à Véga, près de %NM!");
}

}  // namespace
}  // namespace kv::console
