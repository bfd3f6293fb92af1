#pragma once
#include <string>
#include <vector>

namespace kv {

// Splits a command line into words: blanks separate words, double quotes group them.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Starts the program of the command line as a new process with the caller's environment and
// current folder, and (unless noWait) waits until it ends. A program that cannot be started
// returns at once and nothing is reported. Returns the exit status, or -1 when it did not start
// (0 when not waited for).
int ShellAndWait(const std::string& commandLine, bool noWait = false);

}  // namespace kv
