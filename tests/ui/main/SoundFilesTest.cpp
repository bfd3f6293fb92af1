// Every sound the game's source plays is made by the build into the program's SOUNDS folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(Sounds, EverySoundTheGamePlaysIsMadeAsAWaveFile) {
    const fs::path source = fs::path(KESTRAVA_DATA_DIR).parent_path() / "src";
    const fs::path sounds = fs::path(KESTRAVA_BIN_DIR) / "SOUNDS";
    const std::regex name("\"([A-Z0-9_]+\\.WAV)\"");
    std::set<std::string> played;
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        if (!entry.is_regular_file()) continue;
        const std::string code = ReadFile(entry.path());
        for (std::sregex_iterator it(code.begin(), code.end(), name), end; it != end; ++it) played.insert((*it)[1]);
    }
    EXPECT_GE(played.size(), 3u);
    for (const std::string& s : played) {
        const std::string bytes = ReadFile(sounds / s);
        ASSERT_GT(bytes.size(), 44u) << s;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << s;
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << s;
    }
}

}  // namespace
