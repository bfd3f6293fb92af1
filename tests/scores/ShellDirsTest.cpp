#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "scores/ShellDirs.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

// A scratch home folder and an environment that names it.
struct ScratchHome {
    ScratchHome() {
        home = fs::temp_directory_path() / ("kv-shelldirs-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home);
        fs::create_directories(home / ".config");
        vars["HOME"] = home.string();
    }
    ~ScratchHome() { fs::remove_all(home); }
    EnvironmentLookup Env() const {
        return [this](const std::string& name) {
            auto it = vars.find(name);
            return it == vars.end() ? std::string() : it->second;
        };
    }
    void UserDirs(const std::string& text) { std::ofstream(home / ".config" / "user-dirs.dirs") << text; }

    fs::path home;
    std::map<std::string, std::string> vars;
};

TEST(ShellDirs, TheTableHasItsRowsInOrder) {
    const auto& t = SpecialFolderTable();
    ASSERT_EQ(t.size(), 52u);
    EXPECT_EQ(t.front().number, 0);
    EXPECT_STREQ(t.front().name, "Desktop");
    EXPECT_STREQ(t.front().description, "Current User's Windows Desktop.");
    EXPECT_EQ(t[15].number, 16);
    EXPECT_STREQ(t[15].description, "Current User's Windows Desktop.");
    EXPECT_STREQ(t.back().name, "CD Burn Area");
    EXPECT_EQ(t.back().number, 59);
}

TEST(ShellDirs, TheDesktopIsTheXdgDesktopFolder) {
    ScratchHome s;
    const std::string home = s.home.string();
    // No user-dirs file and no Desktop folder: the desktop has no folder.
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), "");
    // A desktop named as the home folder itself is none either.
    s.UserDirs("XDG_DESKTOP_DIR=\"$HOME/\"\n");
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), "");
    s.UserDirs("XDG_DESKTOP_DIR=\"$HOME\"\n");
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), "");
    // A folder named but not made yet is still the desktop's folder.
    s.UserDirs("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), home + "/Bureau");
    fs::remove(s.home / ".config" / "user-dirs.dirs");
    // The usual Desktop folder once it exists.
    fs::create_directories(s.home / "Desktop");
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), home + "/Desktop");
    // The folder that user-dirs.dirs names, by name or by number, without a trailing "/".
    s.UserDirs("# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch/\"\nXDG_MUSIC_DIR=\"/srv/music\"\n");
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), home + "/Schreibtisch");
    EXPECT_EQ(GetSpecialFolder("0", s.Env()), home + "/Schreibtisch");
    EXPECT_EQ(GetSpecialFolder(0, s.Env()), home + "/Schreibtisch");
    EXPECT_EQ(GetSpecialFolder("Desktop Directory", s.Env()), home + "/Schreibtisch");
    EXPECT_EQ(GetSpecialFolder("My Music", s.Env()), "/srv/music");
    // The config file follows XDG_CONFIG_HOME.
    s.vars["XDG_CONFIG_HOME"] = (s.home / "elsewhere").string();
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), home + "/Desktop");
    EXPECT_EQ(GetSpecialFolder("Application Data", s.Env()), home + "/elsewhere");
}

TEST(ShellDirs, KeysAreExactAndFoldersWithoutAPlaceHereAreEmpty) {
    ScratchHome s;
    EXPECT_EQ(GetSpecialFolder("desktop", s.Env()), "");
    EXPECT_EQ(GetSpecialFolder("15", s.Env()), "");
    EXPECT_EQ(GetSpecialFolder(15, s.Env()), "");
    EXPECT_EQ(GetSpecialFolder("Recycle Bin", s.Env()), "");
    EXPECT_EQ(GetSpecialFolder("My Pictures", s.Env()), "");  // not set up in user-dirs.dirs
    EXPECT_EQ(GetSpecialFolder("User Profile", s.Env()), s.home.string());
    EXPECT_EQ(GetSpecialFolder("Local Application Data", s.Env()), s.home.string() + "/.local/share");
    // Without a home folder there is no desktop either.
    s.vars.erase("HOME");
    EXPECT_EQ(GetSpecialFolder("Desktop", s.Env()), "");
}

}  // namespace
}  // namespace kv
