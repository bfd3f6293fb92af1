#include <gtest/gtest.h>

#include "state/BadWords.h"

namespace kv {
namespace {

TEST(BadWords, CleanUserTextRemovesMarkupEscapesStrayBracketsAndMasksListedWords) {
    struct Case {
        const char* text;
        bool skipMarkup;
        const char* cleaned;
        bool unchanged;
    } cases[] = {
        {"<b>Hi</b> class >", false, "Hi cl*** &gt;", false},
        {"a < b", false, "a &lt; b", false},
        {"x > y <z", false, "x &gt; y &lt;z", false},
        {"Fair winds", false, "Fair winds", true},
        {"<b>Fair</b>", true, "<b>Fair</b>", true},
        {"<i>x</i> hell", true, "<i>x</i> ****", false},
        {"Hell and hell", false, "**** and hell", false},  // one mask per word and call
        {"Zo\xC3\xAB said DAMN", false, "Zo\xC3\xAB said ****", false},
        {"", false, "", true},
    };
    for (const Case& c : cases) {
        BadWordList list;
        std::string text = c.text;
        EXPECT_EQ(CleanUserText(list, text, c.skipMarkup), c.unchanged) << c.text;
        EXPECT_EQ(text, c.cleaned);
    }
}

TEST(BadWords, AddedWordsAreMaskedLikeTheBuiltInOnesAndEmptyWordsAreIgnored) {
    BadWordList list;
    list.AddBadWord("Morv");
    list.AddBadWord("");
    ASSERT_EQ(list.BadWords(), std::vector<std::string>{"MORV"});
    std::string text = "The morv fled";
    EXPECT_TRUE(CensorText(list, text));
    EXPECT_EQ(text, "The **** fled");
    EXPECT_TRUE(list.BadWordsLoaded());
    EXPECT_EQ(list.BadWords().size(), 12u);

    // Loaded once: a second censoring does not add the built-in words again.
    std::string clean = "Fine";
    EXPECT_FALSE(CensorText(list, clean));
    EXPECT_EQ(list.BadWords().size(), 12u);
}

TEST(BadWords, AddedWordsWithAccentedLettersAreMaskedWithoutRegardToCase) {
    BadWordList list;
    list.AddBadWord("Žrač");  // č lies outside the game's character set: it must match as it is
    list.AddBadWord("sœur");
    std::string text = "Le žRAč et la SŒUR";
    EXPECT_TRUE(CensorText(list, text));
    EXPECT_EQ(text, "Le **** et la ****");
}

}  // namespace
}  // namespace kv
