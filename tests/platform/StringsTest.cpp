// Upper and lower case of UTF-8 text over the letters of Windows-1252.
#include <gtest/gtest.h>

#include <string>

#include "platform/Codepage.h"
#include "platform/Strings.h"

namespace kv {
namespace {

TEST(LetterCase, MapsTheLettersOfTheCodePage) {
    struct Case {
        const char* lower;
        const char* upper;
    };
    const Case pairs[] = {
        {"zarvoni", "ZARVONI"},
        {"é", "É"},
        {"à", "À"},
        {"þ", "Þ"},
        {"ø", "Ø"},
        {"ÿ", "Ÿ"},
        {"š", "Š"},
        {"œ", "Œ"},
        {"ž", "Ž"},
        {"captain élan œuvre", "CAPTAIN ÉLAN ŒUVRE"},
    };
    for (const auto& c : pairs) {
        EXPECT_EQ(UpperCase(c.lower), c.upper) << c.lower;
        EXPECT_EQ(LowerCase(c.upper), c.lower) << c.upper;
    }
    // No single upper-case form in the code page, not letters, beyond the code page, malformed.
    for (const char* kept : {"ß", "µ", "×", "÷", "ƒ", "1,2 = ?!", "Ω ω ǅ €", "\xC3", "\xC5\xC3(", "\xFF\x80"}) {
        EXPECT_EQ(UpperCase(kept), kept) << kept;
        EXPECT_EQ(LowerCase(kept), kept) << kept;
    }
    EXPECT_EQ(UpperCase("a\xC5"), "A\xC5");
    EXPECT_EQ(LowerCase("Ω ß STRASSE"), "Ω ß strasse");
}

// Every character of the code page: its upper and lower forms are characters of the code page
// again, of the same length, and the two functions undo each other on letters.
TEST(LetterCase, StaysWithinTheCodePage) {
    for (int b = 1; b < 256; ++b) {
        const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        const std::string upper = UpperCase(utf8);
        const std::string lower = LowerCase(utf8);
        EXPECT_EQ(upper.size(), utf8.size()) << b;
        EXPECT_EQ(lower.size(), utf8.size()) << b;
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(upper)), upper) << b;
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(lower)), lower) << b;
        EXPECT_EQ(LowerCase(upper), lower) << b;
        EXPECT_EQ(UpperCase(lower), upper) << b;
    }
}

}  // namespace
}  // namespace kv
