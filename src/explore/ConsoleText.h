#pragma once
// Text helpers of the exploration console's scripts (internal to src/explore).
#include <string>

#include "platform/Strings.h"
#include "state/Game.h"

namespace kv::console {

// The text in upper case (the letters of the game's character set; the length stays the same).
inline std::string UCase(const std::string& s) { return UpperCase(s); }

// Position of the first occurrence of what in s, letters compared without regard to case;
// npos when none (or when what is empty).
inline size_t FindNoCase(const std::string& s, const std::string& what) {
    if (what.empty()) return std::string::npos;
    return UCase(s).find(UCase(what));
}

inline bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

inline bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Replaces the first occurrence of a three-character placeholder (found without regard to
// case) by value.
inline void ReplaceFirst(std::string& s, const std::string& placeholder, const std::string& value) {
    const size_t at = FindNoCase(s, placeholder);
    if (at != std::string::npos) s = s.substr(0, at) + value + s.substr(at + placeholder.size());
}

// Splits the trailing codes off a script text: head = the text before the first "*", code =
// what follows it up to the next "*"; the rest (from that next "*" on) stays with the head, so
// repeated calls hand out the codes from left to right. False when the text has no "*".
inline bool NextCode(std::string& text, std::string& code) {
    const size_t star = text.find('*');
    if (star == std::string::npos) return false;
    std::string head = text.substr(0, star);
    std::string rest = text.substr(star + 1);
    const size_t next = rest.find('*');
    if (next != std::string::npos) {
        head += rest.substr(next);
        rest = rest.substr(0, next);
    }
    text = head;
    code = rest;
    return true;
}

// The number the text stands for, rounded to a whole number and kept within lo..hi.
long long RoundedValue(const std::string& text, long long lo, long long hi);

// The visited planet's entry in the console's copy (planet 1..10), null outside.
PlanetEntry* OrbitEntry(Game& g);
PlanetEntry* PlanetOf(Game& g, int planet);

}  // namespace kv::console
