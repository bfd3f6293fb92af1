// The shipped English texts of the fire plans' entries fit the layout the plans are read by.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/computer/FirePlan.h"
#include "platform/Codepage.h"
#include "platform/Files.h"
#include "platform/Profile.h"

namespace kv {
namespace {

std::string Text(const ProfileFile& file, const char* key) {
    const auto t = file.Get("Language", key);
    EXPECT_TRUE(t) << key;
    return t ? Cp1252ToUtf8(*t) : std::string();
}

TEST(FirePlanTextsTest, EntryTextsFitTheLayoutOfThePlans) {
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(std::string(KESTRAVA_DATA_DIR) + "/LANGUAGE/English.lng", bytes));
    const ProfileFile file = ProfileFile::Parse(bytes);

    // Phaser entries: a prefix ending in its only colon and one blank, a middle with one colon,
    // 18 characters together, so a two-character label puts the amount at character 25.
    const std::pair<const char*, const char*> pairs[] = {
        {"PHA0034", "PHA0035"}, {"PHA0021", "PHA0022"}, {"PHA0004", "PHA0005"}, {"PHA0027", "PHA0028"}};
    for (const auto& [p, m] : pairs) {
        SCOPED_TRACE(p);
        const std::string prefix = Text(file, p), middle = Text(file, m);
        EXPECT_EQ(std::count(prefix.begin(), prefix.end(), ':'), 1);
        EXPECT_EQ(prefix.substr(prefix.size() - 2), ": ");
        EXPECT_EQ(std::count(middle.begin(), middle.end(), ':'), 1);
        EXPECT_EQ(prefix.size() + middle.size(), 18u);
        const std::string entry = PhaserEntryText(prefix, 4, 7, "Z1", middle, 155);
        EXPECT_EQ(entry.substr(24), "155");
        const auto read = ReadPhaserEntry(entry);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->slot, 1);
        EXPECT_EQ(read->amount, 155);
    }

    // Torpedo entries: no digit 2..9 second in the first text (the class would read from it),
    // and the position at the end.
    for (const auto& [first, second] : {std::pair{"TOR0029", "TOR0030"}, std::pair{"KVCOM0042", "KVCOM0043"}}) {
        SCOPED_TRACE(first);
        const std::string t = Text(file, first);
        ASSERT_GE(t.size(), 2u);
        EXPECT_FALSE(t[1] >= '2' && t[1] <= '9');
        const auto read = ReadTorpedoEntry(TorpedoEntryText(0, t, 3.6056, Text(file, second), 6, 7));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->row, 6);
        EXPECT_EQ(read->col, 7);
        EXPECT_FALSE(read->classTwo);
    }
}

}  // namespace
}  // namespace kv
