#include "platform/Strings.h"

#include <algorithm>

namespace kv {
namespace {

// The case partner of a two-byte character (U+0080..U+07FF) within Windows-1252, or the
// character itself.
char32_t ToUpper(char32_t c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    switch (c) {
        case 0xFF: return 0x178;   // ÿ
        case 0x161: return 0x160;  // š
        case 0x153: return 0x152;  // œ
        case 0x17E: return 0x17D;  // ž
        default: return c;
    }
}

char32_t ToLower(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    switch (c) {
        case 0x178: return 0xFF;   // Ÿ
        case 0x160: return 0x161;  // Š
        case 0x152: return 0x153;  // Œ
        case 0x17D: return 0x17E;  // Ž
        default: return c;
    }
}

template <char32_t (*Map)(char32_t)>
std::string ChangeCase(std::string_view text, char asciiFrom, char asciiTo) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (b >= static_cast<unsigned char>(asciiFrom) && b <= static_cast<unsigned char>(asciiFrom + 25)) {
            out[i] = static_cast<char>(b - asciiFrom + asciiTo);
            continue;
        }
        // Every letter beyond ASCII that the code page holds is a two-byte sequence led by
        // 0xC3 (U+00C0..U+00FF) or 0xC5 (U+0140..U+017F), and so is its partner.
        if ((b == 0xC3 || b == 0xC5) && i + 1 < out.size()) {
            const auto b1 = static_cast<unsigned char>(out[i + 1]);
            if ((b1 & 0xC0) != 0x80) continue;
            const char32_t mapped = Map(static_cast<char32_t>(((b & 0x1F) << 6) | (b1 & 0x3F)));
            out[i] = static_cast<char>(0xC0 | (mapped >> 6));
            out[i + 1] = static_cast<char>(0x80 | (mapped & 0x3F));
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string UpperCase(std::string_view utf8) { return ChangeCase<ToUpper>(utf8, 'a', 'A'); }

std::string LowerCase(std::string_view utf8) { return ChangeCase<ToLower>(utf8, 'A', 'a'); }

std::string Trim(std::string_view text, std::string_view blanks) {
    const size_t b = text.find_first_not_of(blanks);
    if (b == std::string_view::npos) return "";
    return std::string(text.substr(b, text.find_last_not_of(blanks) - b + 1));
}

size_t CharCount(std::string_view utf8) {
    return static_cast<size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace kv
