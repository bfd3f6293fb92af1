#pragma once
#include <string>
#include <vector>

namespace kv {

// Starts a program with the given argument list (args[0] is the program: a path, or a bare name
// looked up in PATH) as a new process with the caller's environment and current folder, and
// (unless noWait) waits until it ends. No shell is involved, so blanks, quotes and other
// characters in the arguments reach the program as they are. A program that cannot be started
// returns at once and nothing is reported. Returns the exit status, or -1 when it did not start
// (0 when not waited for).
int ShellAndWait(const std::vector<std::string>& args, bool noWait = false);

}  // namespace kv
