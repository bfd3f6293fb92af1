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
