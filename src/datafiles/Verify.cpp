#include "datafiles/Verify.h"

#include <cstdio>
#include <fstream>
#include <mutex>
#include <unordered_map>

#include "platform/Files.h"
#include "platform/Strings.h"

namespace kv {
namespace {

constexpr int64_t kLimit = 1073741824;  // 2^30: the checksum stays below it
constexpr int64_t kLongMax = 2147483647;

// One state of a file on disk (its identity, length and modification time: a file replaced by
// a rename of the same length and time is judged again); anything but an ordinary file counts
// as none.
FileStamp DataFileStamp(const std::string& path) {
    const FileStamp s = StampOf(path);
    return s.regular ? s : FileStamp{};
}

struct MarkLineCache {
    std::string path;
    std::streamoff offset = 0;
    FileStamp stamp;
};

struct Verdict {
    bool good = false;
    FileStamp stamp;
};

std::mutex gMutex;
MarkLineCache gMarkLine;
std::unordered_map<std::string, Verdict> gVerdicts;
size_t gReads = 0;

bool IsMarkLine(const std::string& line) { return line.compare(0, 6, ";Mark=") == 0; }

// The running sum of the checksum.
class Folder {
public:
    void Fold(unsigned char ch) {
        const int64_t a = ch;
        sum_ = (sum_ + a) % kLimit;
        const int64_t product = sum_ * a;
        if (product > kLongMax)
            overflowed_ = true;  // the step is left out; from now on every fold is brought down
        else
            sum_ = product % kLimit;
        if (overflowed_) {
            if (a != 0) sum_ = sum_ % (kLimit / a);
            sum_ = (sum_ * a) % kLimit;
        }
    }
    int32_t Sum() const { return static_cast<int32_t>(sum_); }

private:
    int64_t sum_ = 0;
    bool overflowed_ = false;
};

void FoldLine(Folder& f, const std::string& line) {
    if (line.find(';') != std::string::npos) return;
    int state = 0;
    long counter = 0;
    const size_t n = line.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = line[i];
        switch (state) {
            case 0:
                if (c == '=') {
                    state = 1;
                    counter = 0;
                }
                break;
            case 1:
                if (counter == 0 && n - 1 - i < 3)
                    state = 3;
                else if (counter % 3 != 0 || c == '%')
                    ++counter;
                else
                    // The free text starts here - unless an effect or trailing code follows the
                    // leading codes at once, which counts like every code after the free text.
                    state = (c == '^' || c == '*') ? 3 : 2;
                break;
            case 2:
                if (c == '^' || c == '*') state = 3;
                break;
            default: break;
        }
        if (state != 2) f.Fold(static_cast<unsigned char>(c));
    }
}

// Splits bytes into lines at CR LF, CR or LF; calls fn(line, offsetOfLineStart).
template <typename Fn>
void ForEachLine(const std::string& bytes, Fn fn) {
    size_t pos = 0;
    const size_t n = bytes.size();
    while (pos < n) {
        size_t end = pos;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        if (!fn(bytes.substr(pos, end - pos), pos)) return;
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            pos = end + 2;
        else
            pos = end + 1;
    }
}

// Reads from offset `start` to the end of the file; false when it cannot be opened.
bool ReadFrom(const std::string& path, std::streamoff start, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    ++gReads;
    in.seekg(start);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The first mark line at or after `start`: its offset, and its trimmed text.
bool FindMarkLine(const std::string& bytes, std::streamoff start, std::streamoff& offset, std::string& mark) {
    bool found = false;
    ForEachLine(bytes, [&](const std::string& line, size_t at) {
        if (!IsMarkLine(line)) return true;
        offset = start + static_cast<std::streamoff>(at);
        mark = Trim(line.substr(6), kBlanksAndTabs);
        found = true;
        return false;
    });
    return found;
}

std::string ReadMarkLocked(const std::string& path) {
    const FileStamp stamp = DataFileStamp(path);
    if (!stamp.exists) return "";
    std::string bytes, mark;
    std::streamoff offset = 0;
    // An unchanged file whose mark line was found before is read from that line on.
    if (gMarkLine.path == path && gMarkLine.stamp == stamp && ReadFrom(path, gMarkLine.offset, bytes) &&
        FindMarkLine(bytes, gMarkLine.offset, offset, mark) && offset == gMarkLine.offset)
        return mark;
    if (!ReadFrom(path, 0, bytes)) return "";
    if (!FindMarkLine(bytes, 0, offset, mark)) return "";
    gMarkLine = MarkLineCache{path, offset, stamp};
    return mark;
}

int32_t ChecksumLocked(const std::string& path) {
    std::string bytes;
    if (!ReadFrom(path, 0, bytes)) return 0;
    return ChecksumOfBytes(bytes, FileNamePart(path));
}

int CachedVerdictLocked(const std::string& path) {
    auto it = gVerdicts.find(path);
    if (it == gVerdicts.end()) return -1;
    if (!(it->second.stamp == DataFileStamp(path))) return -1;
    return it->second.good ? 1 : 0;
}

void StoreVerdictLocked(const std::string& path, bool good) { gVerdicts[path] = Verdict{good, DataFileStamp(path)}; }

}  // namespace

int32_t ChecksumOfBytes(const std::string& bytes, const std::string& fileName) {
    Folder f;
    ForEachLine(bytes, [&](const std::string& line, size_t) {
        FoldLine(f, line);
        return true;
    });
    for (unsigned char c : fileName) f.Fold(c);
    return f.Sum();
}

std::string MarkForChecksum(int32_t checksum) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "KV%08X", static_cast<unsigned>(checksum));
    return buf;
}

int32_t DataFileChecksum(const std::string& path) {
    std::lock_guard lock(gMutex);
    return ChecksumLocked(path);
}

std::string ReadMark(const std::string& path) {
    std::lock_guard lock(gMutex);
    return ReadMarkLocked(path);
}

int CachedVerdict(const std::string& path) {
    std::lock_guard lock(gMutex);
    return CachedVerdictLocked(path);
}

void StoreVerdict(const std::string& path, bool good) {
    std::lock_guard lock(gMutex);
    StoreVerdictLocked(path, good);
}

bool VerifyDataFile(const std::string& path) {
    std::lock_guard lock(gMutex);
    const int cached = CachedVerdictLocked(path);
    if (cached >= 0) return cached == 1;
    const std::string mark = ReadMarkLocked(path);
    bool good = false;
    if (!mark.empty()) good = mark == MarkForChecksum(ChecksumLocked(path));
    StoreVerdictLocked(path, good);
    return good;
}

bool StampDataFile(const std::string& path, std::string* error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    const std::string mark = MarkForChecksum(ChecksumOfBytes(bytes, FileNamePart(path)));
    std::string out;
    bool replaced = false;
    ForEachLine(bytes, [&](const std::string& line, size_t at) {
        if (!IsMarkLine(line)) return true;
        out = bytes.substr(0, at) + ";Mark=" + mark + bytes.substr(at + line.size());
        replaced = true;
        return false;
    });
    if (!replaced) {
        const std::string eol = bytes.find("\r\n") != std::string::npos ? "\r\n" : "\n";
        out = bytes;
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += eol;
        out += ";Mark=" + mark + eol;
    }
    if (out != bytes && !WriteFileAtomic(path, out)) {
        if (error) *error = "cannot write " + path;
        return false;
    }
    std::lock_guard lock(gMutex);
    gVerdicts.erase(path);
    if (gMarkLine.path == path) gMarkLine = MarkLineCache{};
    return true;
}

void ClearVerifyCaches() {
    std::lock_guard lock(gMutex);
    gVerdicts.clear();
    gMarkLine = MarkLineCache{};
    gReads = 0;
}

size_t VerifyFileReads() {
    std::lock_guard lock(gMutex);
    return gReads;
}

}  // namespace kv
