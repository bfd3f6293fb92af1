#pragma once
// The game's files (language files, saved games, descriptor and message files) are
// Windows-1252 on disk; inside the program all text is UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// Decodes single-byte Windows-1252 text to UTF-8. Bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same number.
std::string Cp1252ToUtf8(std::string_view bytes);

// Encodes UTF-8 text as Windows-1252. A character the code page cannot hold, and any
// malformed UTF-8 sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// The lines of a Windows-1252 text file's bytes, each decoded to UTF-8: lines end at "\n", a
// "\r" before it is dropped, and a last line without an end counts.
std::vector<std::string> Cp1252TextLines(const std::string& bytes);

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace kv
