#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <sstream>
#include <unordered_map>

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

namespace {

// The wildcard rule on texts already folded to lower case.
bool FoldedMatch(const std::string& pattern, const std::string& name) {
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

// ---- Stamps and folder listings -----------------------------------------------------------
// The program's folders and files do not change while it runs, yet sounds, pictures and texts
// are looked up at every turn. So what the disk said is kept: each path's stamp, trusted for a
// second after it was read, and each folder's listing, with the stamp it was taken at and
// taken again only when that stamp changes. A folder changed within the file system's clock
// tick of its listing could keep its stamp: a listing of a folder that had changed only just
// before is not trusted and is taken again at the next look.

using Clock = std::chrono::steady_clock;
constexpr auto kStampTrusted = std::chrono::seconds(1);
constexpr long long kSettledSeconds = 2;

struct KeptStamp {
    FileStamp stamp;
    Clock::time_point read;
};

std::shared_mutex gStampsLock;
std::unordered_map<std::string, KeptStamp> gStamps;

FileStamp ReadStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    FileStamp s;
    s.exists = true;
    s.regular = S_ISREG(st.st_mode);
    s.folder = S_ISDIR(st.st_mode);
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    return s;
}

// The ordinary files of a folder (no folder, no hidden entry), sorted by name; each name folded
// to lower case; and the first name (in that order) of each folded name.
struct FolderNames {
    std::vector<std::string> names;
    std::vector<std::string> folded;
    std::unordered_map<std::string, size_t> firstOf;
};

struct Listing {
    FileStamp stamp;
    bool settled = false;  // the folder had not changed for a while when it was listed
    std::shared_ptr<const FolderNames> names;
};

std::shared_ptr<const FolderNames> ReadFolder(const std::string& folder) {
    auto out = std::make_shared<FolderNames>();
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (!ec) {
        for (const auto& entry : it) {
            std::error_code e2;
            if (!entry.is_regular_file(e2)) continue;
            std::string name = entry.path().filename().string();
            if (name.empty() || name[0] == '.') continue;
            out->names.push_back(std::move(name));
        }
    }
    std::sort(out->names.begin(), out->names.end());
    out->folded.reserve(out->names.size());
    for (size_t i = 0; i < out->names.size(); ++i) {
        out->folded.push_back(LowerCase(out->names[i]));
        out->firstOf.emplace(out->folded.back(), i);
    }
    return out;
}

std::shared_mutex gListingsLock;
std::unordered_map<std::string, Listing> gListings;
size_t gFolderReads = 0;

// The listing of a folder ("" stands for the working folder).
std::shared_ptr<const FolderNames> FolderListing(const std::string& folderText) {
    const std::string folder = folderText.empty() ? std::string(".") : folderText;
    const FileStamp stamp = StampOf(folder);
    {
        std::shared_lock hold(gListingsLock);
        auto it = gListings.find(folder);
        if (it != gListings.end() && it->second.settled && it->second.stamp == stamp) return it->second.names;
    }
    // The stamp was read before the folder, so a change made while it is read shows next time.
    Listing listing;
    listing.stamp = stamp;
    listing.settled = !stamp.folder || std::time(nullptr) - stamp.mtime.tv_sec > kSettledSeconds;
    listing.names = stamp.folder ? ReadFolder(folder) : std::make_shared<const FolderNames>();
    std::unique_lock hold(gListingsLock);
    gListings[folder] = listing;
    if (stamp.folder) ++gFolderReads;
    return listing.names;
}

bool HasWildcard(const std::string& pattern) { return pattern.find_first_of("*?") != std::string::npos; }

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    return FoldedMatch(LowerCase(pattern), LowerCase(name));
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    const auto listing = FolderListing(folder);
    const std::string folded = LowerCase(pattern);
    std::vector<std::string> names;
    for (size_t i = 0; i < listing->names.size(); ++i)
        if (FoldedMatch(folded, listing->folded[i])) names.push_back(listing->names[i]);
    return names;
}

std::string FindFile(const std::string& folder, const std::string& pattern) {
    const auto listing = FolderListing(folder);
    const std::string folded = LowerCase(pattern);
    if (!HasWildcard(folded)) {
        auto it = listing->firstOf.find(folded);
        return it == listing->firstOf.end() ? std::string() : folder + listing->names[it->second];
    }
    for (size_t i = 0; i < listing->names.size(); ++i)
        if (FoldedMatch(folded, listing->folded[i])) return folder + listing->names[i];
    return {};
}

std::string FindNamedFile(const std::string& folder, const std::string& name) {
    if (name.empty()) return {};
    const auto listing = FolderListing(folder);
    const std::string folded = LowerCase(name);
    auto it = listing->firstOf.find(folded);
    if (it == listing->firstOf.end()) return {};
    if (std::binary_search(listing->names.begin(), listing->names.end(), name)) return folder + name;
    return folder + listing->names[it->second];
}

bool FileStamp::operator==(const FileStamp& o) const {
    return exists == o.exists && regular == o.regular && folder == o.folder && device == o.device && inode == o.inode &&
           size == o.size && mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec;
}

FileStamp StampOf(const std::string& path) {
    const Clock::time_point now = Clock::now();
    {
        std::shared_lock hold(gStampsLock);
        auto it = gStamps.find(path);
        if (it != gStamps.end() && now - it->second.read < kStampTrusted) return it->second.stamp;
    }
    const FileStamp stamp = ReadStamp(path);
    std::unique_lock hold(gStampsLock);
    gStamps[path] = KeptStamp{stamp, now};
    return stamp;
}

void ForgetFileStamps() {
    std::unique_lock hold(gStampsLock);
    gStamps.clear();
}

size_t FolderReadCount() {
    std::shared_lock hold(gListingsLock);
    return gFolderReads;
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

std::string DataFolderFor(const std::string& programFolder) {
    std::error_code ec;
    auto holdsData = [&](const fs::path& folder) { return fs::is_directory(folder / "LANGUAGE", ec); };
    const fs::path program = programFolder.empty() ? fs::path(".") : fs::path(programFolder);
    if (holdsData(program)) return programFolder;
    const fs::path shared = (program / ".." / "share" / "kestrava").lexically_normal();
    if (holdsData(shared)) {
        std::string dir = shared.string();
        return dir.back() == '/' ? dir : dir + "/";
    }
    return programFolder;
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
    ForgetFileStamps();
    return ok;
}

}  // namespace kv
