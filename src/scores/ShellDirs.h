#pragma once
// The user's special folders, named by the desktop shell's folder number or a short English
// name, found among the XDG folders of the user's environment.
#include <functional>
#include <string>
#include <vector>

namespace kv {

// Reads an environment variable ("" when unset). The program passes in its own environment;
// tests pass theirs, so no lookup ever reaches the real home folder.
using EnvironmentLookup = std::function<std::string(const std::string& name)>;
// An environment in which no variable is set.
std::string EmptyEnvironment(const std::string& name);

struct SpecialFolder {
    int number;
    const char* name;
    const char* description;
};

// The 52 rows of the special-folder table, in table order.
const std::vector<SpecialFolder>& SpecialFolderTable();

// The path of a special folder, without a trailing "/": the key is a number or an exact
// (case-sensitive) name of the table; the first matching row wins. "Desktop" is the XDG
// desktop folder (or the home folder when there is none); the other rows give their XDG
// folder where one exists, and "" where none does or the key is not in the table.
std::string GetSpecialFolder(const std::string& key, const EnvironmentLookup& env);
std::string GetSpecialFolder(int number, const EnvironmentLookup& env);

}  // namespace kv
