#pragma once
// The game's arithmetic rules: Int rounds down, CInt and CLng round halves to even, Val reads a
// leading number, Str puts a blank before a non-negative number, Format applies a digit pattern.
#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

// Rounds towards minus infinity.
double Int(double x);
// Nearest 16-bit integer, halves to even; values outside the range saturate.
int16_t CInt(double x);
// Nearest 32-bit integer, halves to even; values outside the range saturate.
int32_t CLng(double x);
// Clamps a wide value into 16 bits (for sums that the tables keep as Integer).
int16_t Clamp16(long long v);
int32_t Clamp32(long long v);
// Takes `by` off a count that never goes below 0 (ships left, counted ships).
inline void TakeFromCount(int16_t& count, long long by) {
    const long long left = static_cast<long long>(count) - by;
    count = Clamp16(left > 0 ? left : 0);
}

// The number at the start of the text: blanks, tabs and line feeds are skipped anywhere,
// then an optional sign, digits, one decimal point and an exponent ("E" or "D"); "&H" and "&O"
// read hexadecimal and octal. Text that does not start with a number reads as 0.
double Val(std::string_view text);

// The number as text with a leading blank when it is not negative (" 5", "-5", " .5").
// Single values show at most 7 significant digits.
std::string Str(double x);
std::string Str(float x);
std::string Str(int x);
std::string Str(long x);
std::string Str(long long x);
std::string Str(int16_t x);

// The decimal text of a whole number without the leading blank (what string joining gives).
std::string CStr(long long x);
// A Single as text without the leading blank, at most 7 significant digits ("0.5" -> ".5"
// is not used here: joining a number with a text gives "0.5").
std::string CStr(float x);
std::string CStr(double x);

// Formats a number with a digit pattern: "0" a digit always shown, "#" a digit shown when
// significant, "." the decimal point, "," thousands grouping, "%" multiplies by 100 and shows
// a percent sign; any other character is copied. Halves round away from zero. The number's 15
// significant digits are shown, so a number too large for the pattern still shows all of its
// integer digits (zeros past the fifteenth); a NaN shows as "NaN", an infinity as "Infinity"
// or "-Infinity".
// Examples: Format(3.14159, "0.00") = "3.14"; Format(5, "00") = "05"; Format(1234, "#,##0")
// = "1,234"; Format(0.5, "0%") = "50%".
std::string Format(double value, std::string_view pattern);

}  // namespace kv
