// ssmark: checks or writes the ";Mark=" line of the exploration data files (solar-system
// descriptors, SOLARSYS.TXT, the planet message files), so that a data author can fix a file
// after editing it. It also lists every value the game would clamp when reading the file.
//
//   ssmark verify FILE...   exit status 0 when every file carries its right mark, 1 otherwise
//   ssmark stamp FILE...    writes the right mark into every file (exit 1 when one fails)
#include <cstdio>
#include <cstring>
#include <string>

#include "datafiles/SolarSystemFiles.h"
#include "datafiles/Verify.h"
#include "platform/Files.h"
#include "platform/Strings.h"

namespace {

// The longest game reads up to 168 star systems from the list.
constexpr int kSystemsForLongestGame = 168;

void Usage() {
    std::fprintf(stderr,
                 "usage: ssmark verify FILE...\n"
                 "       ssmark stamp FILE...\n"
                 "Checks or writes the ;Mark= line of descriptor (.ssd), SOLARSYS.TXT and planet message files.\n");
}

// Lists the clamped values, and for the star-system list how many systems it holds.
void ReportValues(const std::string& path) {
    for (const kv::DataNote& n : kv::CheckDataFileValues(path))
        std::printf("%s:%d: %s\n", n.file.c_str(), n.line, n.text.c_str());
    const size_t slash = path.find_last_of('/');
    if (kv::LowerCase(slash == std::string::npos ? path : path.substr(slash + 1)) != "solarsys.txt") return;
    kv::StarSystemListReader reader;
    if (!reader.Open(path)) return;
    int count = 0;
    kv::SolarSystemRecord rec;
    while (reader.ReadSystem(rec)) {
        ++count;
        rec = kv::SolarSystemRecord{};
    }
    std::printf("%s: %d star systems%s\n", path.c_str(), count,
                count < kSystemsForLongestGame ? " (too few for the longest game: it needs 168)" : "");
}

bool Verify(const std::string& path) {
    std::string bytes;
    if (!kv::ReadFileBytes(path, bytes)) {
        std::printf("%s: cannot read\n", path.c_str());
        return false;
    }
    const std::string mark = kv::ReadMark(path);
    const std::string expected = kv::MarkForChecksum(kv::DataFileChecksum(path));
    bool good = false;
    if (mark.empty())
        std::printf("%s: BAD - no mark (expected ;Mark=%s)\n", path.c_str(), expected.c_str());
    else if (mark != expected)
        std::printf("%s: BAD - mark %s, expected %s\n", path.c_str(), mark.c_str(), expected.c_str());
    else {
        std::printf("%s: good (%s)\n", path.c_str(), mark.c_str());
        good = true;
    }
    ReportValues(path);
    return good;
}

bool Stamp(const std::string& path) {
    std::string error;
    if (!kv::StampDataFile(path, &error)) {
        std::printf("%s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    std::printf("%s: stamped %s\n", path.c_str(), kv::ReadMark(path).c_str());
    ReportValues(path);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (std::strcmp(argv[1], "verify") != 0 && std::strcmp(argv[1], "stamp") != 0)) {
        Usage();
        return 2;
    }
    const bool stamp = std::strcmp(argv[1], "stamp") == 0;
    bool allGood = true;
    for (int i = 2; i < argc; ++i) allGood = (stamp ? Stamp(argv[i]) : Verify(argv[i])) && allGood;
    return allGood ? 0 : 1;
}
