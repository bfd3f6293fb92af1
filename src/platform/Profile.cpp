#include "platform/Profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <mutex>
#include <sstream>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Strings.h"

namespace kv {
namespace {

// A section or key name of the file (Windows-1252) as the index holds it: in lower case, as
// UTF-8, so that it meets the names callers ask for (program text, UTF-8) folded alike.
std::string FoldFileName(const std::string& cp1252) { return LowerCase(Cp1252ToUtf8(cp1252)); }

struct CacheEntry {
    FileStamp stamp;
    std::shared_ptr<const ProfileFile> file;
};

std::mutex gCacheMutex;
std::unordered_map<std::string, CacheEntry> gCache;
size_t gParseCount = 0;

}  // namespace

ProfileFile ProfileFile::Parse(const std::string& bytes) {
    ProfileFile pf;
    Section* current = nullptr;
    size_t pos = 0;
    while (pos <= bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        std::string t = Trim(line, kWhiteSpace);
        if (t.empty()) continue;
        if (t.front() == '[') {
            size_t close = t.find(']');
            std::string name =
                Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1), kWhiteSpace);
            // Only the first section of a name is read; the lines of a repeated one are not.
            const std::string folded = FoldFileName(name);
            auto it = pf.sectionIndex_.find(folded);
            if (it == pf.sectionIndex_.end()) {
                pf.sections_.push_back(Section{name, {}, {}});
                pf.sectionIndex_[folded] = pf.sections_.size() - 1;
                current = &pf.sections_.back();
            } else {
                current = nullptr;
            }
            continue;
        }
        if (!current) continue;
        size_t eq = t.find('=');
        if (eq == std::string::npos) {
            // A key with no text: it reads as missing, and as the first occurrence it hides a
            // later line of the same key.
            current->index.emplace(FoldFileName(t), kNoText);
            continue;
        }
        std::string key = Trim(t.substr(0, eq), kWhiteSpace);
        std::string text = Trim(t.substr(eq + 1), kWhiteSpace);
        if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
            text = text.substr(1, text.size() - 2);
        std::string folded = FoldFileName(key);
        if (current->index.count(folded)) continue;  // the first occurrence counts
        current->entries.emplace_back(key, text);
        current->index[folded] = current->entries.size() - 1;
    }
    return pf;
}

std::optional<std::string> ProfileFile::Get(const std::string& section, const std::string& key) const {
    auto s = sectionIndex_.find(LowerCase(Trim(section, kWhiteSpace)));
    if (s == sectionIndex_.end()) return std::nullopt;
    const Section& sec = sections_[s->second];
    auto k = sec.index.find(LowerCase(Trim(key, kWhiteSpace)));
    if (k == sec.index.end() || k->second == kNoText) return std::nullopt;
    return sec.entries[k->second].second;
}

std::vector<std::string> ProfileFile::Sections() const {
    std::vector<std::string> out;
    for (const auto& s : sections_) out.push_back(s.name);
    return out;
}

std::vector<std::pair<std::string, std::string>> ProfileFile::Entries(const std::string& section) const {
    auto s = sectionIndex_.find(LowerCase(Trim(section, kWhiteSpace)));
    if (s == sectionIndex_.end()) return {};
    return sections_[s->second].entries;
}

std::shared_ptr<const ProfileFile> LoadProfileFile(const std::string& path) {
    const FileStamp stamp = path.empty() ? FileStamp{} : StampOf(path);
    if (!stamp.regular) {
        std::lock_guard lock(gCacheMutex);
        gCache.erase(path);
        return nullptr;
    }
    {
        std::lock_guard lock(gCacheMutex);
        auto it = gCache.find(path);
        if (it != gCache.end() && it->second.stamp == stamp) return it->second.file;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return nullptr;
    auto file = std::make_shared<const ProfileFile>(ProfileFile::Parse(ss.str()));
    std::lock_guard lock(gCacheMutex);
    ++gParseCount;
    gCache[path] = CacheEntry{stamp, file};
    return file;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key, const std::string& def,
                                    const std::string& path) {
    auto file = LoadProfileFile(path);
    std::string text = def;
    if (file) {
        if (auto v = file->Get(section, key)) text = *v;
    }
    if (text.size() > kProfileTextLimit) text.resize(kProfileTextLimit);
    text.resize(std::min(text.size(), text.find('\0')));  // the text ends at a null character
    return text;
}

void ClearProfileCache() {
    std::lock_guard lock(gCacheMutex);
    gCache.clear();
    gParseCount = 0;
}

size_t ProfileParseCount() {
    std::lock_guard lock(gCacheMutex);
    return gParseCount;
}

}  // namespace kv
