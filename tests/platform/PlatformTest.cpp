#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/SettingsStore.h"
#include "support/Scratch.h"

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
        ForgetFileStamps();
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
    struct Case {
        const char* pattern;
        const char* found;
    };
    const Case cases[] = {
        {"space.wav", "Space.WAV"}, {"SPACE.WAV", "Space.WAV"}, {"intro.*", "INTRO.PNG"}, {"*.wav", "Space.WAV"},
        {"?ntro.w?v", "intro.wav"}, {"missing.wav", ""},        {"folder.wav", ""},       {".hidden.wav", ""},
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
    EXPECT_TRUE(WildcardMatch("ÉTÉ?.SSD", "été2.ssd"));  // accented letters match without case too
}

// Sets a file's or folder's modification time (seconds since 1970), as an edit at that time would.
void SetTime(const std::string& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    ForgetFileStamps();
}

TEST(FolderListings, AFolderIsListedOnceAndAgainOnlyWhenItChanges) {
    TempDir d;
    d.Write("PHASER.WAV");
    SetTime(d.path, 1000000000);
    const size_t reads = FolderReadCount();
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(FindFile(d.path, "phaser.wav"), d.path + "PHASER.WAV");
        ASSERT_EQ(FindFile(d.path, "TORPEDO.WAV"), "");
        ASSERT_EQ(ListFiles(d.path, "*.wav").size(), 1u);
    }
    EXPECT_EQ(FolderReadCount(), reads + 1);
    // The stamp read again, unchanged: the listing stands.
    ForgetFileStamps();
    EXPECT_EQ(FindFile(d.path, "TORPEDO.WAV"), "");
    EXPECT_EQ(FolderReadCount(), reads + 1);
    // A file added (the folder's time moves): listed afresh once the stamp is read again.
    d.Write("TORPEDO.WAV");
    SetTime(d.path, 1000000100);
    EXPECT_EQ(FindFile(d.path, "torpedo.wav"), d.path + "TORPEDO.WAV");
    EXPECT_EQ(FolderReadCount(), reads + 2);
    // A folder put in the place of the old one, with the same time: another folder, listed afresh.
    fs::rename(d.path, d.path.substr(0, d.path.size() - 1) + ".old");
    fs::create_directory(d.path);
    d.Write("SHIELDS.WAV");
    SetTime(d.path, 1000000100);
    EXPECT_EQ(ListFiles(d.path, "*.WAV"), std::vector<std::string>{"SHIELDS.WAV"});
    fs::remove_all(d.path.substr(0, d.path.size() - 1) + ".old");
}

TEST(FolderListings, AChangeWithinTheClockTickOfTheListingIsSeen) {
    TempDir d;
    const time_t now = std::time(nullptr);
    d.Write("A.WAV");
    SetTime(d.path, now);
    EXPECT_EQ(FindFile(d.path, "B.WAV"), "");
    // The file system's clock did not move on: the folder keeps its stamp, yet it changed.
    d.Write("B.WAV");
    SetTime(d.path, now);
    EXPECT_EQ(FindFile(d.path, "B.WAV"), d.path + "B.WAV");
}

TEST(FolderListings, AMissingFolderFindsNothingUntilItIsMade) {
    TempDir d;
    const std::string sounds = d.path + "SOUNDS/";
    EXPECT_EQ(FindFile(sounds, "ERROR.WAV"), "");
    EXPECT_TRUE(ListFiles(sounds, "*").empty());
    fs::create_directory(sounds);
    d.Write("SOUNDS/ERROR.WAV");
    EXPECT_EQ(FindFile(sounds, "ERROR.WAV"), sounds + "ERROR.WAV");
}

TEST(FindNamedFile, TakesTheNameAsItStandsWithoutRegardToCase) {
    TempDir d;
    for (const char* name : {"Deep.ssd", "DEEP.SSD", "deep.ssd", "Star?.ssd", "Stars.ssd"}) d.Write(name);
    EXPECT_EQ(FindNamedFile(d.path, "deep.ssd"), d.path + "deep.ssd");  // the exact spelling first
    EXPECT_EQ(FindNamedFile(d.path, "Deep.SSD"), d.path + "DEEP.SSD");  // else the first in order
    EXPECT_EQ(FindNamedFile(d.path, "star?.SSD"), d.path + "Star?.ssd");
    EXPECT_EQ(FindNamedFile(d.path, "Star*.ssd"), "");  // no wildcards
    EXPECT_EQ(FindNamedFile(d.path, ""), "");
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
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");   // a cut sequence
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));  // overlong
}

TEST(MemorySettingsStore, NamesMatchWithoutCaseAndKeepSlashesApart) {
    MemorySettingsStore s;
    s.SaveSetting("App\\Configs", "Jo", "Sound", "True");
    s.SaveSetting("App\\Configs", "Jo/Ann", "Sound", "False");
    s.SaveSetting("App", "Notes", "a/b", "slash");
    s.SaveSetting("App", "Notes", "a\\b", "backslash");
    s.SaveSetting("App", "Notes", "Mixed", "1");
    s.SaveSetting("app", "NOTES", "MIXED", "2");  // the same key, first spelling kept
    EXPECT_EQ(s.GetSetting("app\\configs", "JO", "sound"), "True");
    s.SaveSetting("App", "Équipage", "Clé", "1");
    EXPECT_EQ(s.GetSetting("app", "éQUIPAGE", "CLÉ"), "1");
    EXPECT_EQ(s.GetSetting("App\\Configs", "Jo/Ann", "Sound"), "False");
    EXPECT_EQ(s.GetSetting("App", "Notes", "a/b"), "slash");
    EXPECT_EQ(s.GetSetting("App", "Notes", "a\\b"), "backslash");
    EXPECT_EQ(s.GetAllSettings("App", "Notes"), (std::vector<std::pair<std::string, std::string>>{
                                                    {"a/b", "slash"}, {"a\\b", "backslash"}, {"Mixed", "2"}}));
    s.DeleteSetting("App\\Configs", "Jo");
    EXPECT_EQ(s.GetSetting("App\\Configs", "Jo/Ann", "Sound", "none"), "False");
    EXPECT_EQ(s.GetSetting("App\\Configs", "Jo", "Sound", "none"), "none");
}

TEST(GetPrivateProfileString, GivesTheDefaultForWhatIsMissingAndCutsTheText) {
    TempDir d;
    d.Write("KESTRAVA.INI", "[Options]\r\nSound=\"True\"\r\nNul=ab" + std::string(1, '\0') +
                                "cd\r\nBare\r\n"
                                "Bare=hidden\r\nLong=" +
                                std::string(300, 'x') +
                                "\r\n[options]\r\nLater=x\r\n"
                                "[\xC9t\xE9]\r\nCl\xE9=oui\r\n");
    const std::string ini = d.path + "KESTRAVA.INI";
    struct Case {
        const char* section;
        const char* key;
        std::string text;
    };
    const Case cases[] = {
        {"OPTIONS", "sound", "True"},
        {"Options", "Nul", "ab"},
        {"Options", "Bare", "Not Used"},
        {"Options", "Long", std::string(254, 'x')},
        {"Options", "Later", "Not Used"},
        {"Other", "Sound", "Not Used"},
        {"ÉTÉ", "clé", "oui"},  // names in the file are Windows-1252, names asked for UTF-8
    };
    for (const auto& c : cases) EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "Not Used", ini), c.text) << c.key;
    EXPECT_EQ(GetPrivateProfileString("Options", "Sound", "Not Used", d.path + "missing.ini"), "Not Used");
    EXPECT_EQ(GetPrivateProfileString("Options", "Sound", std::string(260, 'd'), d.path + "missing.ini").size(), 254u);
}

TEST(UserFolders, ComeFromTheEnvironmentGivenAndCreateNothing) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> env;
        std::string config, data;
    };
    const Case cases[] = {
        {"home only", {{"HOME", "/home/ann"}}, "/home/ann/.config/kestrava/", "/home/ann/.local/share/kestrava/"},
        {"XDG folders",
         {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg/"}, {"XDG_DATA_HOME", "/data"}},
         "/cfg/kestrava/",
         "/data/kestrava/"},
        {"relative XDG folders are ignored",
         {{"HOME", "/h"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""}},
         "/h/.config/kestrava/",
         "/h/.local/share/kestrava/"},
        {"nothing set", {}, "/tmp/.config/kestrava/", "/tmp/.local/share/kestrava/"},
    };
    for (const auto& c : cases) {
        const UserFolders f = UserFoldersFrom([&](const char* var) -> const char* {
            auto it = c.env.find(var);
            return it == c.env.end() ? nullptr : it->second.c_str();
        });
        EXPECT_EQ(f.config, c.config) << c.what;
        EXPECT_EQ(f.data, c.data) << c.what;
    }
    EXPECT_FALSE(std::filesystem::exists("/home/ann/.config/kestrava"));
}

// The data files are found beside the program in a build, in <prefix>/share/kestrava for a game
// installed into <prefix>/games (or <prefix>/bin), and the program's own folder is the answer when
// neither holds them.
TEST(DataFolder, BesideTheProgramElseInTheSharedFolderOfItsPrefix) {
    test::ScratchFolder dir;
    const std::string root = dir.Path();
    const struct {
        const char* what;
        std::vector<std::string> folders;  // made below the scratch folder
        std::string program;
        std::string data;
    } cases[] = {
        {"a build: the data beside the program", {"build/LANGUAGE"}, "build/", "build/"},
        {"installed: games and share/kestrava", {"usr/games", "usr/share/kestrava/LANGUAGE"}, "usr/games/",
         "usr/share/kestrava/"},
        {"installed: bin and share/kestrava", {"usr/bin", "usr/share/kestrava/LANGUAGE"}, "usr/bin/",
         "usr/share/kestrava/"},
        {"both: the program's own folder first", {"both/bin/LANGUAGE", "both/share/kestrava/LANGUAGE"}, "both/bin/",
         "both/bin/"},
        {"a shared folder without the data is not taken", {"bare/bin", "bare/share/kestrava"}, "bare/bin/",
         "bare/bin/"},
        {"neither", {"none/bin"}, "none/bin/", "none/bin/"},
    };
    for (const auto& c : cases) {
        for (const std::string& f : c.folders) fs::create_directories(root + f);
        EXPECT_EQ(DataFolderFor(root + c.program), root + c.data) << c.what;
    }
}

#ifdef KESTRAVA_INSTALL_TEST_PREFIX
// Run after the build was installed into a scratch prefix (the install test sets it up): the
// installed program finds the installed data.
TEST(DataFolder, TheInstalledProgramFindsTheSharedFolder) {
    const std::string prefix = KESTRAVA_INSTALL_TEST_PREFIX;
    ASSERT_TRUE(std::filesystem::is_regular_file(prefix + "/games/kestrava")) << "not installed: " << prefix;
    EXPECT_EQ(DataFolderFor(prefix + "/games/"), prefix + "/share/kestrava/");
}
#endif

}  // namespace
}  // namespace kv
