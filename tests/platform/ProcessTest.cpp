#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Process.h"
#include "support/Scratch.h"

namespace kv {
namespace {

TEST(ShellAndWait, PassesEachArgumentAsItIsAndWaitsForTheProgram) {
    test::ScratchFolder d;
    // Blanks, quotes, a semicolon and a dollar sign reach the program untouched: no shell reads them.
    const std::string odd = d.Path() + "my \"odd\"; $HOME name";
    EXPECT_EQ(ShellAndWait({"/bin/sh", "-c", "sleep 0.2; printf '%s' \"$1\" > \"$1\"", "sh", odd}), 0);
    std::ifstream in(odd);
    ASSERT_TRUE(in.good());  // it waited until the program had written the file
    std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, odd);
    EXPECT_EQ(ShellAndWait({"sh", "-c", "exit 3"}), 3);  // a bare name is looked up in PATH
}

TEST(ShellAndWait, ReturnsAtOnceWhenTheProgramCannotStart) {
    test::ScratchFolder d;
    EXPECT_EQ(ShellAndWait({d.Path() + "no-such-program"}), -1);
    EXPECT_EQ(ShellAndWait({"no-such-program-anywhere-kv"}), -1);
    EXPECT_EQ(ShellAndWait({}), -1);
    EXPECT_EQ(ShellAndWait({""}), -1);
}

}  // namespace
}  // namespace kv
