#include "state/Numeric.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
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
    if (mant.rfind("0.", 0) == 0) mant.erase(0, 1);
    else if (mant.rfind("-0.", 0) == 0) mant.erase(1, 1);
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
    if (s.rfind(".", 0) == 0) s = "0" + s;
    else if (s.rfind("-.", 0) == 0) s.insert(1, "0");
    return s;
}
std::string CStr(double x) {
    std::string s = NumberText(x, 15);
    if (s.rfind(".", 0) == 0) s = "0" + s;
    else if (s.rfind("-.", 0) == 0) s.insert(1, "0");
    return s;
}

std::string Format(double value, std::string_view pattern) {
    // Split the pattern into prefix literals, the numeric part and suffix literals.
    size_t first = pattern.find_first_of("0#.");
    if (first == std::string_view::npos) return std::string(pattern);
    size_t last = pattern.find_last_of("0#.,");
    std::string_view prefix = pattern.substr(0, first);
    std::string_view body = pattern.substr(first, last - first + 1);
    std::string_view suffix = pattern.substr(last + 1);
    if (pattern.find('%') != std::string_view::npos) value *= 100.0;

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

    bool negative = value < 0;
    double a = std::fabs(value);
    double scale = std::pow(10.0, fracMax);
    // The scaled value as its 15-digit decimal text reads it (so 2.005 x 100, held as
    // 200.4999..., counts as the half it stands for), then halves away from zero.
    char digits15[64];
    std::snprintf(digits15, sizeof digits15, "%.14e", a * scale);
    double scaled = std::floor(std::strtod(digits15, nullptr) + 0.5);
    double whole = std::floor(scaled / scale);
    long long fracDigits = static_cast<long long>(scaled - whole * scale + 0.5);

    char buf[400];  // room for the digits of any double
    std::snprintf(buf, sizeof buf, "%.0f", whole);
    std::string intText = buf;
    if (intText == "0") intText = "";
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
    std::string fracText;
    if (fracMax > 0) {
        std::snprintf(buf, sizeof buf, "%0*lld", fracMax, fracDigits);
        fracText = buf;
        while (static_cast<int>(fracText.size()) > fracMin && fracText.back() == '0') fracText.pop_back();
    }
    std::string out;
    if (negative && (whole != 0 || fracDigits != 0)) out += '-';
    out += prefix;
    out += intText;
    if (dot != std::string_view::npos) {
        if (!fracText.empty() || fracMin > 0 || fracPat.empty()) out += '.';
        out += fracText;
    }
    out += suffix;
    return out;
}

}  // namespace kv
