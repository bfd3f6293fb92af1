#pragma once
#include <algorithm>
#include <cctype>
#include <string>

namespace kv {

// The text with ASCII letters in lower case: how names compare without regard to case.
inline std::string LowerCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace kv
