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
// (case-sensitive) name of the table; the first matching row wins. "Desktop" is the folder
// XDG_DESKTOP_DIR of user-dirs.dirs names ($XDG_CONFIG_HOME, else ~/.config), which may not
// have been made yet, else ~/Desktop where it exists; the other rows give their XDG folder
// where one exists. "" where the desktop names none, or the key is not in the table.
std::string GetSpecialFolder(const std::string& key, const EnvironmentLookup& env);
std::string GetSpecialFolder(int number, const EnvironmentLookup& env);

}  // namespace kv
