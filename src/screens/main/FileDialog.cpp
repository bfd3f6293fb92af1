#include "screens/main/FileDialog.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "platform/Files.h"
#include "platform/Strings.h"
#include "screens/MessageLog.h"
#include "state/SavedGame.h"
#include "state/ScreenData.h"

namespace kv {
namespace {

// The patterns of a ";"-separated list.
std::vector<std::string> Patterns(const std::string& list) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos <= list.size()) {
        const size_t end = std::min(list.find(';', pos), list.size());
        if (end > pos) out.push_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

std::string ModifiedText(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "";
    std::tm local{};
    if (!::localtime_r(&info.st_mtime, &local)) return "";
    char text[32];
    return std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) ? std::string(text) : std::string();
}

// The file of the saved-games folder whose name differs from `file` at most in letter case, as
// a full path; "" when there is none.
std::string ExistingInFolder(const std::string& folder, const std::string& file) {
    return file.find_first_of("*?") == std::string::npos ? FindFile(folder, file) : std::string();
}

// The path without its extension.
std::string Stem(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(0, dot) : path;
}

void RemoveFile(const std::string& path) {
    if (!path.empty()) std::remove(path.c_str());
}

}  // namespace

std::vector<SavedGameEntry> ListSavedGames(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    for (const std::string& p : Patterns(pattern))
        for (std::string& n : ListFiles(folder, p))
            if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(std::move(n));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = UpperCase(a), ub = UpperCase(b);
        return ua != ub ? ua < ub : a < b;
    });
    std::vector<SavedGameEntry> out;
    for (const std::string& n : names) out.push_back({n, ModifiedText(folder + n)});
    return out;
}

void FileDialogActivate(Game& g) {
    FileDialogData& d = g.screens.file;
    d.Entries = ListSavedGames(SavedGameFolder(g), d.Pattern);
    d.Selected = -1;
    d.lblDate.clear();
    d.lblTime.clear();
}

void FileDialogListClick(Game& g, int index) {
    FileDialogData& d = g.screens.file;
    if (index < 0 || index >= static_cast<int>(d.Entries.size())) {
        d.Selected = -1;
        return;
    }
    d.Selected = index;
    const SavedGameEntry& e = d.Entries[static_cast<size_t>(index)];
    FileDialogNameChange(g, e.Name);
    const size_t blank = e.DateTime.find(' ');
    d.lblDate = e.DateTime.substr(0, blank);
    d.lblTime = blank == std::string::npos ? std::string() : e.DateTime.substr(blank + 1);
}

bool FileDialogListDoubleClick(Game& g, int index) {
    FileDialogListClick(g, index);
    return FileDialogOK(g);
}

void FileDialogNameChange(Game& g, const std::string& text) {
    g.screens.file.txtFile = text;
    g.screens.file.cmdOKEnabled = !text.empty();
}

bool FileDialogKeyAccepted(int code) {
    if (code == 8) return true;
    if (code < 32 || code >= 127) return false;
    return code != '*' && code != '"' && code != '/' && code != '\\';
}

bool FileDialogOK(Game& g) {
    FileDialogData& d = g.screens.file;
    const std::string& name = d.txtFile;
    if (name.empty()) {
        d.cmdOKEnabled = false;
        return false;
    }
    if (!SavedGameNameAllowed(name)) {
        RefuseSavedGameName(g);
        return false;
    }
    if (d.Mode == FileDialogMode::Load) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(SavedGameLoadPath(g, name), ec)) {
            MessageBox(g, -1, g.Text("FILE0003"), kOKOnly);
            return false;
        }
    } else if (d.Pattern == kLogPattern) {
        // The message log's save writes name.LOG (or the name as typed, with its own extension):
        // that is the file whose overwriting is asked about. A saved game's own log is named so.
        const std::string file = LogFileName(name);
        std::error_code ec;
        if (!file.empty() && std::filesystem::exists(SavedGameFolder(g) + file, ec)) {
            std::string question = g.Text("OutOverwrite") + file + "?";
            const bool companion = UpperCase(file.substr(Stem(file).size())) == ".LOG";
            if (companion && !ExistingInFolder(SavedGameFolder(g), Stem(file) + ".KVW").empty())
                question += g.st.NewLine + g.Text("OutGameLog");
            if (MessageQuery(g, -1, question, kYesNo | kQuestion) == kNo) return false;
        }
    } else {
        const std::string base = SaveTargetBase(g, name);
        const std::string file = base.substr(base.find_last_of('/') + 1) + ".KVW";
        if (!base.empty() && !ExistingInFolder(SavedGameFolder(g), file).empty() &&
            MessageQuery(g, -1, g.Text("FILE0004") + name, kYesNo | kQuestion) == kNo)
            return false;
    }
    return true;
}

void FileDialogCancel(Game& g) { g.screens.file.txtFile.clear(); }

void FileDialogDelete(Game& g) {
    FileDialogData& d = g.screens.file;
    const std::string name = d.txtFile;
    if (name.empty()) return;
    if (!SavedGameNameAllowed(name)) {
        RefuseSavedGameName(g);
        return;
    }
    constexpr long kStyle = kYesNo | kExclamation;
    if (MessageQuery(g, -1, g.Text("FILE0001") + name + "?", kStyle) == kYes) {
        const std::string game = SavedGameLoadPath(g, name);
        std::error_code ec;
        if (std::filesystem::is_regular_file(game, ec)) RemoveFile(game);
        if (MessageQuery(g, -1, g.Text("FILE0002"), kStyle) == kYes) {
            const std::string log = Stem(game) + ".LOG";
            RemoveFile(ExistingInFolder(SavedGameFolder(g), log.substr(log.find_last_of('/') + 1)));
        }
    }
    FileDialogActivate(g);
    FileDialogNameChange(g, "");
    g.screens.Focus = "txtFile";
}

}  // namespace kv
