#pragma once
// The game's version as the changer reads it: the file "kestrava.version" that the build puts
// beside the game program "kestrava" ("major.minor.build.revision"), in the game's data folder.
#include <QString>

namespace vernalect {

// The game's data folder (LANGUAGE and the version file), ending in "/", for the programs in
// `programFolder` (ending in "/"): beside the programs when it is there (a build folder), else
// "../share/kestrava/" from them when it is there (an installed game), else the programs' folder.
QString DataFolder(const QString& programFolder);

// The version text of the game program in `programFolder` (ending in "/"), read from its data
// folder; "0" when the game program or its version is missing.
QString KestravaVersion(const QString& programFolder);

// True when the version is at least major.minor, comparing each part as a whole number
// (1.10 is newer than 1.2).
bool VersionAtLeast(const QString& version, int major, int minor);

}  // namespace vernalect
