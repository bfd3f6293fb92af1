#pragma once
// The game's version as the changer reads it: the file "kestrava.version" that the build puts
// beside the game program "kestrava" ("major.minor.build.revision").
#include <QString>

namespace vernalect {

// The game's version text in `programFolder` (ending in "/"); "0" when the game program or
// its version is missing.
QString KestravaVersion(const QString& programFolder);

// True when the version is at least major.minor, comparing each part as a whole number
// (1.10 is newer than 1.2).
bool VersionAtLeast(const QString& version, int major, int minor);

}  // namespace vernalect
