#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "state/Numeric.h"

namespace kv {
namespace {

TEST(Numeric, IntRoundsDownAndCIntRoundsHalvesToEven) {
    struct Case {
        double x;
        double intX;
        int cint;
    };
    const Case cases[] = {
        {2.5, 2, 2}, {3.5, 3, 4},    {-2.5, -3, -2}, {-3.5, -4, -4}, {0.5, 0, 0},
        {1.5, 1, 2}, {2.4999, 2, 2}, {2.5001, 2, 3}, {-0.4, -1, 0},  {7.0, 7, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Int(c.x), c.intX) << c.x;
        EXPECT_EQ(CInt(c.x), c.cint) << c.x;
        EXPECT_EQ(CLng(c.x), c.cint) << c.x;
    }
}

TEST(Numeric, ConversionsSaturateInsteadOfWrapping) {
    EXPECT_EQ(CInt(40000.0), 32767);
    EXPECT_EQ(CInt(-40000.0), -32768);
    EXPECT_EQ(CLng(1e12), 2147483647);
    EXPECT_EQ(CLng(-1e12), -2147483647 - 1);
    EXPECT_EQ(CInt(std::nan("")), 0);
    EXPECT_EQ(Clamp16(32768), 32767);
}

TEST(Numeric, ValReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"42", 42},     {"  42abc", 42}, {"1 2 3", 123}, {"-3.5", -3.5}, {"+7", 7},         {".5", 0.5},
        {"1.2.3", 1.2}, {"abc", 0},      {"", 0},        {"1E3", 1000},  {"2.5e-1x", 0.25}, {"1e", 1},
        {"&H1F", 31},   {"&o17", 15},    {"\t12\n", 12}, {"True", 0},    {"-", 0},          {"1d2", 100},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::isfinite(Val("1e999")));
}

TEST(Numeric, StrPutsABlankBeforeNonNegativeNumbers) {
    EXPECT_EQ(Str(5), " 5");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(0.5f), " .5");
    EXPECT_EQ(Str(-0.25f), "-.25");
    EXPECT_EQ(Str(1.1f), " 1.1");  // seven significant digits hide float noise
    EXPECT_EQ(Str(123456.0), " 123456");
    EXPECT_EQ(CStr(0.5f), "0.5");
    EXPECT_EQ(CStr(12LL), "12");
    // Whole numbers up to the digits shown, and the first past them.
    EXPECT_EQ(CStr(9999999.0f), "9999999");
    EXPECT_EQ(CStr(1e7f), "1E+07");
    EXPECT_EQ(Str(-42.0), "-42");
    EXPECT_EQ(CStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(CStr(1e15), "1E+15");
}

TEST(Numeric, FormatAppliesDigitPatterns) {
    struct Case {
        double v;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {3.14159, "0.00", "3.14"},
        {2.005, "0.00", "2.01"},
        {5, "00", "05"},
        {1234567, "#,##0", "1,234,567"},
        {0.5, "0%", "50%"},
        {0.25, "#.##", ".25"},
        {7, "0.0", "7.0"},
        {-1.5, "0", "-2"},
        {2.5, "0", "3"},
        {42, "Sector 0", "Sector 42"},
        {0, "#", ""},
        {-0.001, "0.00", "0.00"},
        // Large whole numbers keep every digit.
        {1e9, "0", "1000000000"},
        {2147483647, "#,##0", "2,147,483,647"},
        {123456.5, "0", "123457"},
        {99999.994, "0.00", "99999.99"},
        // Rounding carries through every digit.
        {9.995, "0.00", "10.00"},
        {-0.5, "0", "-1"},
        {0.999, "#.##", "1"},
        {0.004, "0.00%", "0.40%"},
        // The chart's three-digit codes.
        {0, "000", "000"},
        {7, "000", "007"},
        {310, "000", "310"},
        {1234, "000", "1234"},
        {-3, "000", "-003"},
        {2.5, "000", "003"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.v, c.pattern), c.text) << c.v << " " << c.pattern;
}

TEST(Numeric, FormatShowsNumbersTooLargeForThePatternInFull) {
    const std::string zeros305(305, '0');
    struct Case {
        double v;
        const char* pattern;
        std::string text;
    };
    const Case cases[] = {
        {1.8e306, "0.00", "18" + zeros305 + ".00"},
        {-1.8e306, "0.00", "-18" + zeros305 + ".00"},
        {1.8e306, "0%", "18" + zeros305 + "00%"},  // a hundred times it lies past the largest double
        {std::numeric_limits<double>::max(), "0", "179769313486232" + std::string(294, '0')},
        {1e20, "#,##0.0", "100,000,000,000,000,000,000.0"},
        {12345678901234567.0, "0", "12345678901234600"},            // 15 significant digits, then zeros
        {1.5, "0.00000000000000000000", "1.50000000000000000000"},  // more decimals than a long holds
        {5e-324, "0.00", "0.00"},
        {-5e-324, "0.00", "0.00"},
        {std::nan(""), "0.00", "NaN"},
        {std::numeric_limits<double>::infinity(), "0.00", "Infinity"},
        {-std::numeric_limits<double>::infinity(), "#,##0", "-Infinity"},
        {std::numeric_limits<double>::infinity(), "Sector 0%", "Sector Infinity%"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.v, c.pattern), c.text) << c.v << " " << c.pattern;
}

}  // namespace
}  // namespace kv
