#pragma once
// The game's command line: the switches "/STAR:", "/FAST", "/SLOW", "/NOPIC", "/CACHE1",
// "/DEBUG", "/BADPLANETS" and a saved game ending in ".KVW". A switch counts when its text
// occurs anywhere in the line, in any case. The program joins its arguments back into one line
// (JoinArguments), so a path with blanks stands in double quotes as it would be typed.
#include <string>
#include <vector>

#include "state/GameState.h"

namespace kv {

struct CommandLineSwitches {
    std::string StarTarget;      // the decoded "/STAR:" name ("" without the switch)
    bool FastSwitch = false;     // "/FAST"
    bool SlowSwitch = false;     // "/SLOW"
    Single SpeedFactor = 1.0f;   // 0.5 with "/FAST", 2.0 with "/SLOW" ("/SLOW" wins)
    bool NoPictures = false;     // "/NOPIC": no intro picture, intro sound, pointer move or splash
    bool NoPlanetCache = false;  // "/CACHE1"
    bool Debug = false;          // "/DEBUG"
    bool BadPlanets = false;     // "/BADPLANETS"
    std::string SavedGamePath;   // a saved game to load at start ("" none)
};

CommandLineSwitches ParseCommandLine(const std::string& commandLine);

// True when `name` ("/NOPIC") occurs anywhere in the line, compared without regard to case.
bool HasSwitch(const std::string& commandLine, const std::string& name);

// The name after "/STAR:": its 21 characters (fewer when the line ends first), each stored as
// 255 minus its code, turned back and trimmed. A first character of code 254 is a marker and
// is dropped; any other first character is replaced by its code in decimal. "" without the switch.
std::string DecodeStarTarget(const std::string& commandLine);

// The saved game named on the line: the word that holds the first ".KVW" (any case), from its
// start up to and including those four characters, as typed; a word in double quotes may hold
// blanks and is given without its quotes. "" when the line names none.
std::string SavedGamePathOf(const std::string& commandLine);

// The program's arguments as one command line; an argument holding a blank (or an empty one)
// is put in double quotes.
std::string JoinArguments(const std::vector<std::string>& args);

}  // namespace kv
