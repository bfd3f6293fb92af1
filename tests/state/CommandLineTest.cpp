#include <gtest/gtest.h>

#include <string>

#include "state/CommandLine.h"

namespace kv {
namespace {

// A star-system name as a launcher writes it after "/STAR:": a marker (code 1) and the name
// padded to 20 characters, each character stored as 255 minus its code.
std::string EncodeStar(const std::string& name, bool marker = true) {
    std::string padded = name;
    padded.resize(20, ' ');
    std::string raw = marker ? std::string(1, '\x01') : std::string();
    for (unsigned char c : padded) raw += static_cast<char>(255 - c);
    return raw;
}

TEST(ParseCommandLine, SwitchesCountInAnyCaseAnywhereInTheLine) {
    struct Case {
        std::string line;
        Single speed;
        bool noPic, cache1, debug, badPlanets;
    };
    const Case cases[] = {
        {"", 1.0f, false, false, false, false},
        {"/FAST", 0.5f, false, false, false, false},
        {"/slow", 2.0f, false, false, false, false},
        {"/SLOW /FAST", 2.0f, false, false, false, false},  // "/SLOW" wins, whatever the order
        {"/fast/Slow", 2.0f, false, false, false, false},
        {"/FASTER", 0.5f, false, false, false, false},  // a longer word counts too
        {"x/nopicy /Cache1", 1.0f, true, true, false, false},
        {"/debug /BadPlanets", 1.0f, false, false, true, true},
    };
    for (const Case& c : cases) {
        const CommandLineSwitches s = ParseCommandLine(c.line);
        EXPECT_EQ(s.SpeedFactor, c.speed) << c.line;
        EXPECT_EQ(s.NoPictures, c.noPic) << c.line;
        EXPECT_EQ(s.NoPlanetCache, c.cache1) << c.line;
        EXPECT_EQ(s.Debug, c.debug) << c.line;
        EXPECT_EQ(s.BadPlanets, c.badPlanets) << c.line;
    }
}

TEST(ParseCommandLine, FindsTheSavedGameAsTyped) {
    struct Case {
        std::string line, path;
    };
    const Case cases[] = {
        {"", ""},
        {"/FAST", ""},
        {"/home/jo/GAMES/SAVE1.KVW", "/home/jo/GAMES/SAVE1.KVW"},
        {"/FAST /home/jo/Save1.kvw", "/home/jo/Save1.kvw"},
        {"\"/home/jo/My Games/save1.KVW\"", "/home/jo/My Games/save1.KVW"},
        {"/slow \"/home/jo/My Games/save1.KVW\" /NOPIC", "/home/jo/My Games/save1.KVW"},
        {"\"/home/jo/save1.KVW\"", "/home/jo/save1.KVW"},        // quotes without blanks
        {"\"/FAST\" /home/jo/save1.KVW", "/home/jo/save1.KVW"},  // quotes elsewhere
        {"/home/jo/My Games/save1.KVW", "Games/save1.KVW"},      // unquoted: from the last blank
        {"/home/jo/save1.KVW.bak", "/home/jo/save1.KVW"},        // up to ".KVW"
        {"a.kvw b.KVW", "a.kvw"},                                // the first one
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.line).SavedGamePath, c.path) << c.line;
}

TEST(ParseCommandLine, DecodesTheStarName) {
    struct Case {
        std::string line, star;
    };
    const Case cases[] = {
        {"/FAST", ""},
        {"/STAR:" + EncodeStar("Vega"), "Vega"},
        {"/star:" + EncodeStar("Alpha Mensae") + " /FAST", "Alpha Mensae"},  // keeps its own case
        {"/FAST /STAR:" + EncodeStar("Kestrel Prime"), "Kestrel Prime"},
        {"/STAR:" + EncodeStar("Vega", false), "86ega"},       // no marker: the first character's code
        {"/STAR:" + EncodeStar("Vega").substr(0, 6), "Vega"},  // the line ends early
        {"/STAR:", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.line).StarTarget, c.star) << c.star;
}

TEST(JoinArguments, QuotesArgumentsWithBlanksSoTheSavedGameIsFoundAgain) {
    const std::string line = JoinArguments({"/fast", "/home/jo/My Games/save 1.KVW", ""});
    EXPECT_EQ(line, "/fast \"/home/jo/My Games/save 1.KVW\" \"\"");
    EXPECT_EQ(ParseCommandLine(line).SavedGamePath, "/home/jo/My Games/save 1.KVW");
}

}  // namespace
}  // namespace kv
