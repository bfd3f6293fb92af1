#include <gtest/gtest.h>

#include "scores/HTML.h"

namespace kv {
namespace {

TEST(HTML, URLEncodeKeepsTheSafeSetAndWritesTheRestAsWindows1252Codes) {
    struct Case {
        const char* text;
        bool plus, strict;
        const char* encoded;
    } cases[] = {
        {"a b", false, false, "a%20b"},
        {"a b", true, false, "a+b"},
        {"AZaz09.-*_", false, false, "AZaz09.-*_"},
        {"\xC3\xA9", false, false, "%E9"},      // é, code 233
        {"\xE2\x82\xAC", false, false, "%80"},  // the euro sign's code in the page
        {"\xE6\xBC\xA2", false, false, "%3F"},  // outside the page: "?"
        {"\r\n\x01", false, false, "%0D%0A%01"},
        {"x://a?b&c@d+e", false, false, "x://a?b&c@d+e"},
        {"x://a?b&c@d+e", false, true, "x%3A%2F%2Fa%3Fb%26c%40d%2Be"},
        {"see http://x?a&b", false, true, "see%20http%3A%2F%2Fx%3Fa%26b"},
        {"a&b+c", false, false, "a%26b%2Bc"},
    };
    for (const Case& c : cases) EXPECT_EQ(URLEncode(c.text, c.plus, c.strict), c.encoded) << c.text;
}

TEST(HTML, CleanUserTextRemovesMarkupEscapesStrayBracketsAndMasksListedWords) {
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

TEST(HTML, AddedWordsAreMaskedLikeTheBuiltInOnesAndEmptyWordsAreIgnored) {
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

TEST(HTML, AddedWordsWithAccentedLettersAreMaskedWithoutRegardToCase) {
    BadWordList list;
    list.AddBadWord("Žrač");  // č lies outside the game's character set: it must match as it is
    list.AddBadWord("sœur");
    std::string text = "Le žRAč et la SŒUR";
    EXPECT_TRUE(CensorText(list, text));
    EXPECT_EQ(text, "Le **** et la ****");
}

TEST(HTML, BuildHTTPPostNeedsAHostAndAPath) {
    EXPECT_EQ(BuildHTTPPost("http://host/a/b", "x=1", "Agent/1"),
              "POST /a/b HTTP/1.0\nUser-Agent: Agent/1\nHost: host\nAccept: */*\n"
              "Content-type: application/x-www-form-urlencoded\nContent-length: 3\n\nx=1\n");
    EXPECT_EQ(BuildHTTPPost("http://host", "x=1", "A"), "");
    EXPECT_EQ(BuildHTTPPost("host/a", "x=1", "A"), "");
    EXPECT_EQ(BuildHTTPPost("http:///a", "x=1", "A"), "");
}

TEST(HTML, OpenURLAddsTheSchemeAndReportsWhetherTheBrowserStarted) {
    std::vector<std::string> opened;
    auto browser = [&](const std::string& url) {
        opened.push_back(url);
        return true;
    };
    EXPECT_TRUE(OpenURL("example.invalid/kestrava", browser));
    EXPECT_TRUE(OpenURL("https://example.invalid/", browser));
    EXPECT_EQ(opened, (std::vector<std::string>{"http://example.invalid/kestrava", "https://example.invalid/"}));
    EXPECT_FALSE(OpenURL("x", [](const std::string&) { return false; }));
    EXPECT_FALSE(OpenURL("x", nullptr));
}

TEST(HTML, HTMLEscapeWritesSpecialAndControlCharactersAsReferences) {
    EXPECT_EQ(HTMLEscape("a&b <c> \"d\"\r\n\t\x7F"
                         "\xC3\xA9"),
              "a&amp;b &lt;c&gt; &quot;d&quot;&#13;&#10;&#9;&#127;\xC3\xA9");
}

}  // namespace
}  // namespace kv
