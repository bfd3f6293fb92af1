#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Strings.h"

namespace fs = std::filesystem;

namespace kv {
namespace {

std::string EnvFolder(const std::function<const char*(const char*)>& env, const char* var,
                      const char* fallbackUnderHome) {
    const char* v = env(var);
    std::string base;
    if (v && *v == '/') {
        base = v;
    } else {
        const char* home = env("HOME");
        base = std::string(home && *home ? home : "/tmp") + "/" + fallbackUnderHome;
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/kestrava/";
}

}  // namespace

bool WildcardMatch(const std::string& patternText, const std::string& nameText) {
    const std::string pattern = LowerCase(patternText);
    const std::string name = LowerCase(nameText);
    size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    // "NAME.*" also matches a name without extension, as the desktop's search does.
    if (p + 2 == pattern.size() && pattern[p] == '.' && pattern[p + 1] == '*') return true;
    return p == pattern.size();
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "." : folder, ec);
    if (ec) return names;
    for (const auto& entry : it) {
        std::error_code e2;
        if (!entry.is_regular_file(e2)) continue;
        std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        if (WildcardMatch(pattern, name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string FindFile(const std::string& folder, const std::string& pattern) {
    auto names = ListFiles(folder, pattern);
    return names.empty() ? std::string() : folder + names.front();
}

std::string FileNamePart(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string dir = exe.parent_path().string();
    return dir.empty() || dir.back() != '/' ? dir + "/" : dir;
}

UserFolders UserFoldersFrom(const std::function<const char*(const char*)>& env) {
    return {EnvFolder(env, "XDG_CONFIG_HOME", ".config"), EnvFolder(env, "XDG_DATA_HOME", ".local/share")};
}

bool ReadFileBytes(const std::string& path, std::string& out) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return false;
    out = ss.str();
    return true;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes) {
    fs::path target(path);
    fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(w);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok) ::fchmodat(AT_FDCWD, name.data(), 0644, 0);
    if (ok && std::rename(name.data(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(name.data());
    return ok;
}

}  // namespace kv
