#include "state/CommandLine.h"

#include "platform/Codepage.h"

namespace kv {
namespace {

// ASCII letters in upper case; other bytes (the "/STAR:" value, UTF-8) stay as they are.
std::string AsciiUpper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

bool HasSwitch(const std::string& commandLine, const std::string& name) {
    return AsciiUpper(commandLine).find(AsciiUpper(name)) != std::string::npos;
}

std::string DecodeStarTarget(const std::string& commandLine) {
    const size_t q = AsciiUpper(commandLine).find("/STAR:");
    if (q == std::string::npos) return "";
    std::string name = commandLine.substr(q + 6, 21);
    for (char& c : name) c = static_cast<char>(255 - static_cast<unsigned char>(c));
    const size_t b = name.find_first_not_of(' ');
    if (b == std::string::npos) return "";
    name = name.substr(b, name.find_last_not_of(' ') - b + 1);
    const unsigned char first = static_cast<unsigned char>(name[0]);
    if (first == 254)
        name.erase(0, 1);
    else
        name = std::to_string(first) + name.substr(1);
    return Cp1252ToUtf8(name);
}

std::string SavedGamePathOf(const std::string& commandLine) {
    const size_t p = AsciiUpper(commandLine).find(".KVW");
    if (p == std::string::npos) return "";
    // Find the start of the word that holds ".KVW": blanks part words, except inside quotes.
    size_t start = 0;
    bool inQuotes = false;
    for (size_t i = 0; i < p; ++i) {
        const char c = commandLine[i];
        if (c == '"')
            inQuotes = !inQuotes;
        else if (c == ' ' && !inQuotes)
            start = i + 1;
    }
    std::string path;
    for (size_t i = start; i < p + 4; ++i)
        if (commandLine[i] != '"') path += commandLine[i];
    return path;
}

CommandLineSwitches ParseCommandLine(const std::string& commandLine) {
    CommandLineSwitches s;
    s.StarTarget = DecodeStarTarget(commandLine);
    s.FastSwitch = HasSwitch(commandLine, "/FAST");
    s.SlowSwitch = HasSwitch(commandLine, "/SLOW");
    if (s.FastSwitch) s.SpeedFactor = 0.5f;
    if (s.SlowSwitch) s.SpeedFactor = 2.0f;
    s.NoPictures = HasSwitch(commandLine, "/NOPIC");
    s.NoPlanetCache = HasSwitch(commandLine, "/CACHE1");
    s.Debug = HasSwitch(commandLine, "/DEBUG");
    s.BadPlanets = HasSwitch(commandLine, "/BADPLANETS");
    s.SavedGamePath = SavedGamePathOf(commandLine);
    return s;
}

std::string JoinArguments(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) {
        if (!line.empty()) line += ' ';
        if (a.empty() || a.find(' ') != std::string::npos)
            line += '"' + a + '"';
        else
            line += a;
    }
    return line;
}

}  // namespace kv
