#include "scores/ShellDirs.h"

#include <filesystem>
#include <fstream>

namespace kv {
namespace {

// How a row's folder is found on this desktop.
enum class Source { None, Desktop, UserDir, ConfigHome, DataHome, CacheHome, Home };

struct Row {
    SpecialFolder folder;
    Source source;
    const char* userDir;  // the name in user-dirs.dirs for Source::UserDir
};

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {{0, "Desktop", "Current User's Windows Desktop."}, Source::Desktop, nullptr},
        {{1, "Internet", "The virtual folder of the Internet."}, Source::None, nullptr},
        {{2, "Start Menu Programs", "The user's program groups of the start menu."}, Source::None, nullptr},
        {{3, "Controls", "The virtual folder of the control panel."}, Source::None, nullptr},
        {{4, "Printers", "The virtual folder of the installed printers."}, Source::None, nullptr},
        {{5, "Personal", "Personal/My Documents folder."}, Source::UserDir, "DOCUMENTS"},
        {{6, "Favorites", "The user's favourite places."}, Source::None, nullptr},
        {{7, "Startup", "Programs started when the user logs on."}, Source::None, nullptr},
        {{8, "Recent Documents", "Shortcuts to the documents used last."}, Source::None, nullptr},
        {{9, "SendTo", "The targets of the send-to menu."}, Source::None, nullptr},
        {{10, "Recycle Bin", "The virtual folder of deleted files."}, Source::None, nullptr},
        {{11, "Start Menu", "The user's start menu."}, Source::None, nullptr},
        {{12, "My Documents", "The user's documents."}, Source::UserDir, "DOCUMENTS"},
        {{13, "My Music", "The user's music."}, Source::UserDir, "MUSIC"},
        {{14, "My Video", "The user's videos."}, Source::UserDir, "VIDEOS"},
        {{16, "Desktop Directory", "Current User's Windows Desktop."}, Source::Desktop, nullptr},
        {{17, "Drives", "The virtual folder of this computer's drives."}, Source::None, nullptr},
        {{18, "Network", "The virtual folder of the network neighbourhood."}, Source::None, nullptr},
        {{19, "NetHood", "Shortcuts of the network neighbourhood."}, Source::None, nullptr},
        {{20, "Fonts", "The installed fonts."}, Source::None, nullptr},
        {{21, "Templates", "The user's document templates."}, Source::UserDir, "TEMPLATES"},
        {{22, "Common Start Menu", "The start menu shared by all users."}, Source::None, nullptr},
        {{23, "Common Start Menu Programs", "The program groups shared by all users."}, Source::None, nullptr},
        {{24, "Common Startup Folder", "Programs started for every user."}, Source::None, nullptr},
        {{25, "Common Desktop Directory", "The desktop shared by all users."}, Source::None, nullptr},
        {{26, "Application Data", "The user's program settings."}, Source::ConfigHome, nullptr},
        {{27, "PrintHood", "Shortcuts of the printers folder."}, Source::None, nullptr},
        {{28, "Local Application Data", "Program data kept on this computer."}, Source::DataHome, nullptr},
        {{29, "AltStartup", "The user's non-localised startup group."}, Source::None, nullptr},
        {{30, "Common Alt Startup Folder", "The non-localised startup group of all users."}, Source::None, nullptr},
        {{31, "Common Favorites", "Favourite places shared by all users."}, Source::None, nullptr},
        {{32, "Internet Cache", "Temporary files of the web."}, Source::CacheHome, nullptr},
        {{33, "Cookies", "The web's cookies."}, Source::None, nullptr},
        {{34, "History", "The web history."}, Source::None, nullptr},
        {{35, "Common Application Data", "Program data shared by all users."}, Source::None, nullptr},
        {{36, "Windows", "The system's own folder."}, Source::None, nullptr},
        {{37, "Windows System", "The system's library folder."}, Source::None, nullptr},
        {{38, "Program Files", "The installed programs."}, Source::None, nullptr},
        {{39, "My Pictures", "The user's pictures."}, Source::UserDir, "PICTURES"},
        {{40, "User Profile", "The user's home folder."}, Source::Home, nullptr},
        {{45, "Common Templates", "Document templates shared by all users."}, Source::None, nullptr},
        {{46, "Common Documents", "Documents shared by all users."}, Source::None, nullptr},
        {{47, "Common Administrative Tools", "Administrative tools of all users."}, Source::None, nullptr},
        {{48, "Administrative Tools", "The user's administrative tools."}, Source::None, nullptr},
        {{49, "Connections", "The virtual folder of network connections."}, Source::None, nullptr},
        {{53, "Common Music", "Music shared by all users."}, Source::None, nullptr},
        {{54, "Common Pictures", "Pictures shared by all users."}, Source::None, nullptr},
        {{55, "Common Video", "Videos shared by all users."}, Source::None, nullptr},
        {{56, "Resources", "resources"}, Source::None, nullptr},
        {{57, "Resources Localized", "Localised resources."}, Source::None, nullptr},
        {{58, "Common OEM Apps", "Programs supplied with the computer."}, Source::None, nullptr},
        {{59, "CD Burn Area", "Files waiting to be written to a disc."}, Source::None, nullptr},
    };
    return rows;
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// An XDG base folder: the variable when it holds an absolute path, else home + the default.
std::string BaseFolder(const EnvironmentLookup& env, const char* var, const char* underHome) {
    const std::string v = env(var);
    if (!v.empty() && v[0] == '/') return v;
    const std::string home = env("HOME");
    return home.empty() ? std::string() : home + "/" + underHome;
}

// The folder that user-dirs.dirs names for XDG_<name>_DIR ("$HOME/..." or an absolute path);
// "" when the file or the line is missing.
std::string UserDir(const EnvironmentLookup& env, const std::string& name) {
    const std::string config = BaseFolder(env, "XDG_CONFIG_HOME", ".config");
    if (config.empty()) return "";
    std::ifstream in(config + "/user-dirs.dirs");
    const std::string key = "XDG_" + name + "_DIR=";
    const std::string home = env("HOME");
    std::string line, found;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string value = line.substr(start + key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/')) {
            if (home.empty()) continue;
            value = home + value.substr(5);
        }
        if (!value.empty() && value[0] == '/') found = value;  // the last assignment counts
    }
    return found;
}

// The desktop's folder: the one user-dirs.dirs names (whether or not it has been made yet), else
// ~/Desktop where it exists; "" where the desktop has none. A desktop named as the home folder
// itself is none: that is how the user-dirs file switches a folder off.
std::string DesktopFolder(const EnvironmentLookup& env) {
    const std::string home = env("HOME");
    const std::string desktop = WithoutTrailingSlash(UserDir(env, "DESKTOP"));
    if (!desktop.empty() && desktop != WithoutTrailingSlash(home)) return desktop;
    if (home.empty()) return "";
    std::error_code ec;
    if (std::filesystem::is_directory(home + "/Desktop", ec)) return home + "/Desktop";
    return "";
}

std::string FolderOf(const Row& row, const EnvironmentLookup& env) {
    switch (row.source) {
        case Source::Desktop: return DesktopFolder(env);
        case Source::UserDir: return UserDir(env, row.userDir);
        case Source::ConfigHome: return BaseFolder(env, "XDG_CONFIG_HOME", ".config");
        case Source::DataHome: return BaseFolder(env, "XDG_DATA_HOME", ".local/share");
        case Source::CacheHome: return BaseFolder(env, "XDG_CACHE_HOME", ".cache");
        case Source::Home: return env("HOME");
        case Source::None: break;
    }
    return "";
}

// A key made of an optional sign and digits (blanks around it allowed) reads as a number.
bool ReadsAsNumber(const std::string& key, int& number) {
    const size_t b = key.find_first_not_of(' ');
    if (b == std::string::npos) return false;
    const size_t e = key.find_last_not_of(' ');
    std::string t = key.substr(b, e - b + 1);
    size_t digits = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (digits == t.size() || t.size() - digits > 9) return false;
    for (size_t i = digits; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9') return false;
    number = std::stoi(t);
    return true;
}

}  // namespace

std::string EmptyEnvironment(const std::string&) { return {}; }

const std::vector<SpecialFolder>& SpecialFolderTable() {
    static const std::vector<SpecialFolder> table = [] {
        std::vector<SpecialFolder> t;
        for (const Row& r : Rows()) t.push_back(r.folder);
        return t;
    }();
    return table;
}

std::string GetSpecialFolder(int number, const EnvironmentLookup& env) {
    for (const Row& r : Rows())
        if (r.folder.number == number) return WithoutTrailingSlash(FolderOf(r, env));
    return "";
}

std::string GetSpecialFolder(const std::string& key, const EnvironmentLookup& env) {
    int number = 0;
    if (ReadsAsNumber(key, number)) return GetSpecialFolder(number, env);
    for (const Row& r : Rows())
        if (key == r.folder.name) return WithoutTrailingSlash(FolderOf(r, env));
    return "";
}

}  // namespace kv
