#pragma once
// Small shared procedures of the program.
#include <span>
#include <string>
#include <utility>

#include "state/Game.h"

namespace kv {

// 1 when value equals a, else 2 when it equals b, else 3 when it equals c, else 0.
// Texts compare exactly, case included.
template <typename T>
int ChoiceIndex(const T& value, const T& a, const T& b, const T& c) {
    if (value == a) return 1;
    if (value == b) return 2;
    if (value == c) return 3;
    return 0;
}
inline int ChoiceIndex(const std::string& value, const char* a, const char* b, const char* c) {
    return ChoiceIndex<std::string>(value, a, b, c);
}

template <typename T>
void SwapVar(T& a, T& b) {
    std::swap(a, b);
}

template <typename T>
T IIfVar(int condition, const T& a, const T& b) {
    return condition != 0 ? a : b;
}

// "True" gives -1 (true), "False" gives 0; any other text (also "true" or "") gives 32767.
inline constexpr int kNotABool = 32767;
int StrToBool(const std::string& text);

// Sets every value to the next draw of the game's generator.
void FillRandom(Game& g, std::span<Single> values);

// The program's version, "major.minor.revision".
std::string GetVersionString();

// Moves the mouse pointer out of the way (bottom-right corner of the screen).
void CenterMouse(Game& g);

// Text of a Boolean setting: "True" / "False".
inline std::string BoolText(bool b) { return b ? "True" : "False"; }

}  // namespace kv
