#pragma once
// File-system helpers of the program: finding a file by pattern, the program folder and the
// user's own folders.
#include <functional>
#include <string>
#include <vector>

namespace kv {

// True when name matches the wildcard pattern ('*' any run, '?' one character), without
// regard to case.
bool WildcardMatch(const std::string& pattern, const std::string& name);

// The first ordinary file (no folder, no hidden entry) of `folder` whose name matches
// `pattern`, without regard to case, as folder + the name found; "" when none matches.
// `folder` ends with "/". Names are tried in sorted order, so the result is repeatable.
std::string FindFile(const std::string& folder, const std::string& pattern);

// Every ordinary file of `folder` matching `pattern`, sorted.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// The folder of the running program, with a trailing "/".
std::string ProgramFolder();

// The user's own folders for the game, each ending in "/": the configuration folder
// (XDG_CONFIG_HOME, else HOME/.config, + "/kestrava/") and the data folder for saved games and
// logs (XDG_DATA_HOME, else HOME/.local/share, + "/kestrava/"). `env` looks an environment
// variable up (nullptr when it is not set); a relative XDG value is ignored, as the desktop's
// rules say. Nothing is created here.
struct UserFolders {
    std::string config;
    std::string data;
};
UserFolders UserFoldersFrom(const std::function<const char*(const char*)>& env);

// The file name of a path: what follows its last "/" or "\\" (the whole text when it has none).
std::string FileNamePart(const std::string& path);

// Reads a whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& out);

// Writes bytes to path atomically: a temporary file in the same folder is written, flushed
// and renamed over the target, so a failure leaves any previous file whole.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

}  // namespace kv
