#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace fs = std::filesystem;

namespace kv {
namespace {

struct TempDir {
    TempDir() {
        char tmpl[] = "/tmp/kestrava-test-XXXXXX";
        path = ::mkdtemp(tmpl);
        path += "/";
    }
    ~TempDir() { fs::remove_all(path); }
    void Write(const std::string& name, const std::string& bytes = "x") const {
        std::ofstream(path + name, std::ios::binary) << bytes;
    }
    std::string path;
};

TEST(FindFile, MatchesPatternsWithoutRegardToCase) {
    TempDir d;
    d.Write("INTRO.PNG");
    d.Write("intro.wav");
    d.Write("Space.WAV");
    d.Write(".hidden.wav");
    fs::create_directory(d.path + "folder.wav");
    struct Case { const char* pattern; const char* found; };
    const Case cases[] = {
        {"space.wav", "Space.WAV"}, {"SPACE.WAV", "Space.WAV"}, {"intro.*", "INTRO.PNG"},
        {"*.wav", "Space.WAV"},     {"?ntro.w?v", "intro.wav"}, {"missing.wav", ""},
        {"folder.wav", ""},         {".hidden.wav", ""},
    };
    for (const auto& c : cases) {
        std::string expected = *c.found ? d.path + c.found : "";
        EXPECT_EQ(FindFile(d.path, c.pattern), expected) << c.pattern;
    }
    EXPECT_EQ(FindFile(d.path + "nowhere/", "*"), "");
}

TEST(FindFile, WildcardRules) {
    EXPECT_TRUE(WildcardMatch("*", ""));
    EXPECT_TRUE(WildcardMatch("a*b*c", "aXXbYYc"));
    EXPECT_FALSE(WildcardMatch("a*b*c", "aXXbYY"));
    EXPECT_TRUE(WildcardMatch("PLANET??.*", "planet07.png"));
    EXPECT_FALSE(WildcardMatch("PLANET??.*", "planet7.png"));
    EXPECT_TRUE(WildcardMatch("README.*", "readme"));
}

TEST(WriteFileAtomic, ReplacesWholeOrLeavesTheOldFile) {
    TempDir d;
    const std::string target = d.path + "game.kvw";
    ASSERT_TRUE(WriteFileAtomic(target, "first"));
    ASSERT_TRUE(WriteFileAtomic(target, "second version"));
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(target, bytes));
    EXPECT_EQ(bytes, "second version");
    // A folder that does not exist: the write fails and reports it.
    EXPECT_FALSE(WriteFileAtomic(d.path + "missing/game.kvw", "x"));
    // No temporary file is left behind.
    size_t count = 0;
    for (auto& e : fs::directory_iterator(d.path)) (void)e, ++count;
    EXPECT_EQ(count, 1u);
    EXPECT_FALSE(ReadFileBytes(d.path, bytes));  // a folder is not a file
}

TEST(Codepage, RoundTripsWindows1252) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80 \xE9\xFF"), "\u20AC \u00E9\u00FF");
    EXPECT_EQ(Utf8ToCp1252("\u65E5 ok"), "? ok");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");  // a cut sequence
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));  // overlong
}

TEST(ShellAndWait, WaitsForTheProgramAndReturnsAtOnceWhenItCannotStart) {
    TempDir d;
    const std::string marker = d.path + "done";
    EXPECT_EQ(ShellAndWait("/bin/sh -c \"sleep 0.2; echo x > " + marker + "\""), 0);
    EXPECT_TRUE(fs::exists(marker));  // it waited until the program ended
    EXPECT_EQ(ShellAndWait(d.path + "no-such-program"), -1);
    EXPECT_EQ(ShellAndWait("no-such-program-anywhere-kv"), -1);
    EXPECT_EQ(ShellAndWait(""), -1);
    EXPECT_EQ(SplitCommandLine("\"a b\" c  \"\""), (std::vector<std::string>{"a b", "c", ""}));
}

}  // namespace
}  // namespace kv
