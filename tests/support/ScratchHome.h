#pragma once
// Every test runs in the build's own scratch home (CTest sets HOME, and empties the XDG folder
// variables), so no test can read or write a player's settings, saved games or logs. Each test
// program checks this once; the run's last test checks that the scratch home is still empty.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Files.h"

#ifndef KESTRAVA_TEST_HOME
#error "KESTRAVA_TEST_HOME names the tests' scratch home"
#endif

namespace kv::test {

inline void ExpectScratchHome() {
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    ASSERT_EQ(std::string(home), KESTRAVA_TEST_HOME) << "the tests run through ctest, in the scratch home";
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DESKTOP_DIR"}) {
        const char* value = std::getenv(var);
        EXPECT_TRUE(value == nullptr || *value == '\0') << var << "=" << value;
    }
    const UserFolders user = UserFoldersFrom([](const char* var) { return std::getenv(var); });
    EXPECT_EQ(user.config, KESTRAVA_TEST_HOME "/.config/kestrava/");
    EXPECT_EQ(user.data, KESTRAVA_TEST_HOME "/.local/share/kestrava/");
}

}  // namespace kv::test
