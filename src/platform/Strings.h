#pragma once
// Letter case of the game's texts. Texts inside the program are UTF-8; the game's files are
// Windows-1252 (see Codepage.h), so the letters that change case here are those that the code
// page holds: A-Z, the accented Latin letters (À..Þ and à..þ, but for × and ÷), and Š Œ Ž Ÿ
// with š œ ž ÿ. ß and µ have no single upper-case letter in the code page and stay as they are;
// every other character, and any malformed byte, is kept unchanged. Neither function changes
// the text's length in bytes.
#include <string>
#include <string_view>

namespace kv {

// The text with every letter in upper case ("Zarvoni élite" -> "ZARVONI ÉLITE").
std::string UpperCase(std::string_view utf8);

// The text with every letter in lower case: also how names compare without regard to case.
std::string LowerCase(std::string_view utf8);

// The text without the leading and trailing characters of `blanks` (the game's Trim takes
// blanks only; file readers also drop tabs or every white-space character).
inline constexpr std::string_view kBlanks = " ";
inline constexpr std::string_view kBlanksAndTabs = " \t";
inline constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
std::string Trim(std::string_view text, std::string_view blanks = kBlanks);
// The characters of a UTF-8 text (continuation bytes are not counted).
size_t CharCount(std::string_view utf8);

}  // namespace kv
