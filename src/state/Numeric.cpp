#include "state/Numeric.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace kv {

double Int(double x) { return std::floor(x); }

namespace {
long long RoundEven(double x) {
    if (std::isnan(x)) return 0;
    double r = std::nearbyint(x);  // default rounding mode: nearest, ties to even
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        double t = std::trunc(x);
        r = (std::fmod(t, 2.0) == 0.0) ? t : t + (x > 0 ? 1 : -1);
    } else {
        r = std::round(x);
    }
    if (r > 9.0e18) return std::numeric_limits<long long>::max();
    if (r < -9.0e18) return std::numeric_limits<long long>::min();
    return static_cast<long long>(r);
}
}  // namespace

int16_t Clamp16(long long v) {
    if (v > 32767) return 32767;
    if (v < -32768) return -32768;
    return static_cast<int16_t>(v);
}

int32_t Clamp32(long long v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

int16_t CInt(double x) { return Clamp16(RoundEven(x)); }
int32_t CLng(double x) { return Clamp32(RoundEven(x)); }

double Val(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
    if (s.size() >= 2 && s[0] == '&') {
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
        if (base) {
            long long v = 0;
            for (size_t i = 2; i < s.size(); ++i) {
                int d = std::isdigit(static_cast<unsigned char>(s[i])) ? s[i] - '0'
                        : (base == 16 && std::isxdigit(static_cast<unsigned char>(s[i])))
                            ? std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 10
                            : -1;
                if (d < 0 || d >= base) break;
                v = v * base + d;
                if (v > 0xFFFFFFFFLL) break;
            }
            return static_cast<double>(v);
        }
    }
    size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool digits = false, point = false;
    while (i < s.size()) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            num += s[i++];
            digits = true;
        } else if (s[i] == '.' && !point) {
            num += s[i++];
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string ex = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ex += s[j++];
        bool exDigits = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            ex += s[j++];
            exDigits = true;
        }
        if (exDigits) num += ex;
    }
    double v = std::strtod(num.c_str(), nullptr);
    if (std::isinf(v)) return v > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    return v;
}

namespace {
// Text of a number with `digits` significant digits, in the style of the game's Str:
// no leading zero before the point, exponent as "E+20".
std::string NumberText(double x, int digits) {
    if (x == 0) return "0";
    // A whole number that fits the digits reads as its integer (what %G gives it), without printf.
    if (std::fabs(x) < std::pow(10.0, digits) && x == std::trunc(x)) return std::to_string(static_cast<long long>(x));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, x);
    std::string s = buf;
    size_t e = s.find('E');
    std::string mant = e == std::string::npos ? s : s.substr(0, e);
    std::string exp = e == std::string::npos ? "" : s.substr(e);
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0') mant.pop_back();
        if (!mant.empty() && mant.back() == '.') mant.pop_back();
    }
    if (!exp.empty()) {
        // "E+05" -> "E+05" is kept as two digits at least, matching the usual display.
        std::string sign = exp.substr(1, 1);
        std::string d = exp.substr(2);
        while (d.size() > 2 && d[0] == '0') d.erase(0, 1);
        exp = "E" + sign + d;
    }
    if (mant.rfind("0.", 0) == 0)
        mant.erase(0, 1);
    else if (mant.rfind("-0.", 0) == 0)
        mant.erase(1, 1);
    return mant + exp;
}
}  // namespace

std::string Str(double x) { return (x >= 0 ? " " : "") + NumberText(x, 15); }
std::string Str(float x) { return (x >= 0 ? " " : "") + NumberText(x, 7); }
std::string Str(int x) { return (x >= 0 ? " " : "") + std::to_string(x); }
std::string Str(long x) { return (x >= 0 ? " " : "") + std::to_string(x); }
std::string Str(long long x) { return (x >= 0 ? " " : "") + std::to_string(x); }
std::string Str(int16_t x) { return Str(static_cast<int>(x)); }

std::string CStr(long long x) { return std::to_string(x); }
std::string CStr(float x) {
    std::string s = NumberText(x, 7);
    if (s.rfind(".", 0) == 0)
        s = "0" + s;
    else if (s.rfind("-.", 0) == 0)
        s.insert(1, "0");
    return s;
}
std::string CStr(double x) {
    std::string s = NumberText(x, 15);
    if (s.rfind(".", 0) == 0)
        s = "0" + s;
    else if (s.rfind("-.", 0) == 0)
        s.insert(1, "0");
    return s;
}

namespace {
// A non-negative number as decimal digits: the integer part (at least one digit) and exactly
// `decimals` digits after the point, rounded half away from zero.
struct DecimalDigits {
    std::string integer;
    std::string fraction;
};

// Reads the 15 significant digits of a finite, non-negative `a`, moves the point `shift` places
// to the right (2 for a percentage), and rounds to `decimals` places.
DecimalDigits RoundedDigits(double a, int shift, int decimals) {
    char buf[64];
    // "d.dddddddddddddde+XX", correctly rounded (as printf's %.14e gives it, at a fraction of its cost).
    const std::to_chars_result written = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific, 14);
    *written.ptr = '\0';
    const char* e = std::strchr(buf, 'e');
    std::string digits(buf, 1);
    digits.append(buf + 2, static_cast<size_t>(e - (buf + 2)));
    long point = std::strtol(e + 1, nullptr, 10) + 1 + shift;  // integer digits before the point
    if (point < 0) {
        digits.insert(0, static_cast<size_t>(-point), '0');
        point = 0;
    }
    if (static_cast<size_t>(point) > digits.size()) digits.append(static_cast<size_t>(point) - digits.size(), '0');
    const size_t keep = static_cast<size_t>(point) + static_cast<size_t>(decimals);
    bool roundUp = false;
    if (digits.size() > keep) {
        roundUp = digits[keep] >= '5';
        digits.resize(keep);
    } else {
        digits.append(keep - digits.size(), '0');
    }
    if (roundUp) {
        size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(0, 1, '1');
            ++point;
        } else {
            ++digits[i - 1];
        }
    }
    DecimalDigits out;
    out.integer = point > 0 ? digits.substr(0, static_cast<size_t>(point)) : "0";
    out.fraction = digits.substr(static_cast<size_t>(point));
    return out;
}
}  // namespace

std::string Format(double value, std::string_view pattern) {
    // The chart's codes: a whole number against a pattern of zeros only ("000") is the number
    // padded with zeros, which needs none of the general work below.
    if (!pattern.empty() && pattern.find_first_not_of('0') == std::string_view::npos && value >= 0 &&
        value < 1e15 && value == std::trunc(value)) {
        std::string digits = std::to_string(static_cast<long long>(value));
        if (digits.size() < pattern.size()) digits.insert(0, pattern.size() - digits.size(), '0');
        return digits;
    }
    // Split the pattern into prefix literals, the numeric part and suffix literals.
    size_t first = pattern.find_first_of("0#.");
    if (first == std::string_view::npos) return std::string(pattern);
    size_t last = pattern.find_last_of("0#.,");
    std::string_view prefix = pattern.substr(0, first);
    std::string_view body = pattern.substr(first, last - first + 1);
    std::string_view suffix = pattern.substr(last + 1);
    bool grouping = body.find(',') != std::string_view::npos;
    size_t dot = body.find('.');
    std::string_view intPat = dot == std::string_view::npos ? body : body.substr(0, dot);
    std::string_view fracPat = dot == std::string_view::npos ? std::string_view() : body.substr(dot + 1);
    int minInt = 0;
    for (char c : intPat) minInt += c == '0';
    int fracMax = 0, fracMin = 0;
    for (char c : fracPat) {
        if (c == '0' || c == '#') ++fracMax;
        if (c == '0') fracMin = fracMax;
    }

    const bool negative = value < 0;
    const bool percent = pattern.find('%') != std::string_view::npos;
    std::string intText, fracText;
    bool nonZero = false;
    if (!std::isfinite(value)) {
        // No digits to show: the number's name stands in their place.
        intText = std::isnan(value) ? "NaN" : "Infinity";
        nonZero = true;
    } else {
        // The value's 15 significant digits, rounded in decimal, so that no size of number or of
        // pattern can overflow: 2.005 (held as 2.00499...) reads as the half it stands for,
        // and 1.8E+306 gives all of its 307 integer digits.
        DecimalDigits d = RoundedDigits(std::fabs(value), percent ? 2 : 0, fracMax);
        intText = std::move(d.integer);
        fracText = std::move(d.fraction);
        nonZero =
            intText.find_first_not_of('0') != std::string::npos || fracText.find_first_not_of('0') != std::string::npos;
        intText.erase(0, std::min(intText.find_first_not_of('0'), intText.size()));
        while (static_cast<int>(intText.size()) < minInt) intText = "0" + intText;
        if (grouping && intText.size() > 3) {
            std::string g;
            int n = 0;
            for (auto it = intText.rbegin(); it != intText.rend(); ++it) {
                if (n && n % 3 == 0) g = ',' + g;
                g = *it + g;
                ++n;
            }
            intText = g;
        }
        while (static_cast<int>(fracText.size()) > fracMin && fracText.back() == '0') fracText.pop_back();
    }
    std::string out;
    if (negative && nonZero) out += '-';
    out += prefix;
    out += intText;
    if (dot != std::string_view::npos && std::isfinite(value)) {
        if (!fracText.empty() || fracMin > 0 || fracPat.empty()) out += '.';
        out += fracText;
    }
    out += suffix;
    return out;
}

}  // namespace kv
