#pragma once
// Earlier releases kept the option settings in an initialisation file, "KESTRAVA.INI", with
// one section per configuration and a section "Names" listing the configuration names. The
// file lies in the user's configuration folder; it is only read, never written.
#include <string>

namespace kv {

struct Game;

// The legacy settings file: "KESTRAVA.INI" in the user's configuration folder (its name
// matched without regard to case).
std::string LegacyIniPath(const Game& g);

// One value of the legacy file ("Not Used" when the file, section or key is missing), as
// UTF-8 text cut at its first NUL.
std::string ReadLegacyValue(const Game& g, const std::string& section, const std::string& key);

// Carries the section of a configuration over into the option data, the window positions and
// the option globals, where the following SaveSettings writes them into the store. Without a
// "Sound" value for the configuration it only saves the options as they stand.
void ImportIniSettings(Game& g, const std::string& config);

}  // namespace kv
