#pragma once
// File-system helpers of the program: finding a file by pattern, the program folder and the
// user's own folders.
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

// The user's data folder for the game (XDG data home + "/kestrava/"), created when missing;
// saved games, logs and the high-score file go there. Trailing "/".
std::string UserDataFolder();
// The user's configuration folder for the game (XDG config home + "/kestrava/"). Trailing "/".
std::string UserConfigFolder();

// Reads a whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& out);

// Writes bytes to path atomically: a temporary file in the same folder is written, flushed
// and renamed over the target, so a failure leaves any previous file whole.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);

}  // namespace kv
