// Verification marks: the checksum's reading of a line, stamping and verifying, the caches.
#include <gtest/gtest.h>

#include "datafiles/Verify.h"
#include "platform/Files.h"
#include "platform/Strings.h"
#include "support/ExploreTestSupport.h"

namespace kv {
namespace {

using test::ScratchFolder;

// Values pinned by hand-worked folds: "AB" stays below the overflow; "zzzz" overflows at its
// fourth character and takes the reduced folds from there; the third is a small message file.
TEST(ChecksumTest, PinnedValues) {
    EXPECT_EQ(ChecksumOfBytes("AB", ""), 283206);  // (65*65 + 66) * 66
    EXPECT_EQ(ChecksumOfBytes("zzzz", ""), 406901720);
    const std::string file = "[00 00 00]\r\nInfo=Quiet world.\r\nBeam1=%05$Sand$Dust and wind.^SH*X1\r\nA=bc\r\n";
    EXPECT_EQ(ChecksumOfBytes(file, "ENGLISH.MSG"), 321627941);
    EXPECT_EQ(MarkForChecksum(321627941), "KV132BA725");
    EXPECT_EQ(MarkForChecksum(0), "KV00000000");
    EXPECT_LT(ChecksumOfBytes(std::string(5000, '\xff'), "x"), 1 << 30);
}

TEST(ChecksumTest, WhichPartsOfALineCount) {
    struct Case {
        const char* before;
        const char* after;
        bool changes;
    };
    const Case cases[] = {
        {"Beam1=%05$Sand$Dust and wind.^SH*X1", "Beam1=%05$Sand$Other words, longer.^SH*X1", false},  // free text
        {"Beam1=%05$Sand$Dust and wind.^SH*X1", "Beam1=%06$Sand$Dust and wind.^SH*X1", true},         // leading code
        {"Beam1=%05%47$Sand$Dust.^SH", "Beam1=%05%48$Sand$Dust.^SH", true},                           // second code
        {"Beam1=%05$Sand$Dust and wind.^SH*X1", "Beam1=%05$Sand$Dust and wind.^SN*X1", true},         // effect code
        {"Beam1=%05$Sand$Dust and wind.^SH*X1", "Beam1=%05$Sand$Dust and wind.^SH*X2", true},         // trailing code
        {"Beam1=%05$Sand$Dust and wind.^SH*X1", "Beam2=%05$Sand$Dust and wind.^SH*X1", true},         // key
        {"Key=%05^EN", "Key=%05^EM", true},  // a code right after the leading codes counts too
        {"Key=*R1", "Key=*R2", true},        // a value of three characters counts whole
        {"Key=abcd", "Key=abce", false},     // a longer one is free text from its first character
        {"A line without an equals sign", "A line without an equals sigh", true},
        {"Beam1=Text; with a semicolon", "Beam1=Other; with a semicolon", false},  // the line is skipped
        {"; a comment", "; another comment", false},
    };
    for (const Case& c : cases) {
        const std::string head = "[1]\r\n", tail = "\r\nInfo=Fixed.\r\n";
        const bool changed =
            ChecksumOfBytes(head + c.before + tail, "a.ssd") != ChecksumOfBytes(head + c.after + tail, "a.ssd");
        EXPECT_EQ(changed, c.changes) << c.before << " -> " << c.after;
    }
}

TEST(ChecksumTest, CommentsLineEndsAndTheFileName) {
    const std::string crlf = "[1]\r\nInfo=Fixed.\r\n123,4\r\n";
    const int32_t sum = ChecksumOfBytes(crlf, "a.ssd");
    EXPECT_EQ(ChecksumOfBytes("[1]\nInfo=Fixed.\n123,4\n", "a.ssd"), sum);
    EXPECT_EQ(ChecksumOfBytes("[1]\rInfo=Fixed.\r123,4", "a.ssd"), sum);
    EXPECT_EQ(ChecksumOfBytes("; new comment\r\n" + crlf + ";Mark=KV12345678\r\n\r\n", "a.ssd"), sum);
    EXPECT_NE(ChecksumOfBytes(crlf, "b.ssd"), sum);
    EXPECT_NE(ChecksumOfBytes(crlf, "A.ssd"), sum);
    EXPECT_NE(ChecksumOfBytes("[1]\r\nInfo=Fixed.\r\n123,5\r\n", "a.ssd"), sum);
}

class VerifyFileTest : public ::testing::Test {
protected:
    void SetUp() override { ClearVerifyCaches(); }
    ScratchFolder dir;
};

TEST_F(VerifyFileTest, StampThenVerifyAndAChangedByteFails) {
    const std::string text = "; descriptor\r\n[Names]\r\nS=Sun\r\n[SolarSystem]\r\n:\"Vega\",3,1\r\n:40,2,1,0,5,0\r\n";
    const std::string path = dir.Write("4Vega.ssd", text);
    EXPECT_FALSE(VerifyDataFile(path));  // no mark yet
    ASSERT_TRUE(StampDataFile(path));
    std::string stamped;
    ASSERT_TRUE(ReadFileBytes(path, stamped));
    EXPECT_EQ(stamped, text + ";Mark=" + MarkForChecksum(ChecksumOfBytes(text, "4Vega.ssd")) + "\r\n");
    EXPECT_TRUE(VerifyDataFile(path));
    EXPECT_EQ(ReadMark(path), MarkForChecksum(DataFileChecksum(path)));

    // Changed planet value, same length: judged again and found bad.
    std::string changed = stamped;
    changed[changed.find(":40,") + 1] = '5';
    dir.Write("4Vega.ssd", changed);
    ScratchFolder::Age(path);
    EXPECT_FALSE(VerifyDataFile(path));

    // Stamping again replaces the mark in place and keeps every other byte.
    ASSERT_TRUE(StampDataFile(path));
    std::string restamped;
    ASSERT_TRUE(ReadFileBytes(path, restamped));
    EXPECT_EQ(restamped.size(), changed.size());
    EXPECT_EQ(restamped.substr(0, restamped.find(";Mark=")), changed.substr(0, changed.find(";Mark=")));
    EXPECT_TRUE(VerifyDataFile(path));

    // A file with LF line ends gets a mark line ending in LF, after a last line without an end.
    const std::string lf = dir.Write("SOLARSYS.TXT", "\"Vega\",3,0\n\"Rigel\",1,0");
    ASSERT_TRUE(StampDataFile(lf));
    std::string lfText;
    ASSERT_TRUE(ReadFileBytes(lf, lfText));
    EXPECT_EQ(lfText.substr(0, 29), "\"Vega\",3,0\n\"Rigel\",1,0\n;Mark=");
    EXPECT_EQ(lfText.back(), '\n');
    EXPECT_TRUE(VerifyDataFile(lf));
    EXPECT_FALSE(StampDataFile(dir.Path() + "missing.ssd"));
}

TEST_F(VerifyFileTest, TheMarkLineMustStandAsWritten) {
    const std::string body = "[1]\r\nInfo=Fixed.\r\n";
    const std::string mark = MarkForChecksum(ChecksumOfBytes(body, "m.msg"));
    struct Case {
        std::string markLine;
        bool good;
    };
    const Case cases[] = {
        {";Mark=" + mark, true},    {";Mark=   " + mark + "  ", true},    // the mark text is trimmed
        {"  ;Mark=" + mark, false},                                       // a blank before the line
        {";mark=" + mark, false},                                         // another letter case
        {";MARK=" + mark, false},   {";Mark=" + LowerCase(mark), false},  // the mark itself is compared exactly
        {";Mark=", false},          {"", false},
    };
    for (const Case& c : cases) {
        ClearVerifyCaches();
        const std::string path = dir.Write("m.msg", c.markLine + "\r\n" + body);
        EXPECT_EQ(VerifyDataFile(path), c.good) << c.markLine;
    }
    // The first mark line counts.
    ClearVerifyCaches();
    const std::string two = dir.Write("m.msg", ";Mark=KV00000000\r\n" + body + ";Mark=" + mark + "\r\n");
    EXPECT_EQ(ReadMark(two), "KV00000000");
    EXPECT_FALSE(VerifyDataFile(two));
    EXPECT_FALSE(VerifyDataFile(dir.Path() + "missing.msg"));
    EXPECT_EQ(DataFileChecksum(dir.Path() + "missing.msg"), 0);
}

TEST_F(VerifyFileTest, VerdictsAreCachedUntilTheFileChanges) {
    const std::string path = dir.Write("SOLARSYS.TXT", "\"Vega\",3,0\r\n");
    ASSERT_TRUE(StampDataFile(path));
    EXPECT_EQ(CachedVerdict(path), -1);
    EXPECT_TRUE(VerifyDataFile(path));
    EXPECT_EQ(CachedVerdict(path), 1);
    const size_t reads = VerifyFileReads();
    EXPECT_TRUE(VerifyDataFile(path));
    EXPECT_EQ(VerifyFileReads(), reads);  // answered without reading the file

    dir.Write("SOLARSYS.TXT", "\"Vega\",3,0\r\n\"Rigel\",1,0\r\n;Mark=KV00000000\r\n");
    EXPECT_EQ(CachedVerdict(path), -1);
    EXPECT_FALSE(VerifyDataFile(path));
    EXPECT_EQ(CachedVerdict(path), 0);
    EXPECT_GT(VerifyFileReads(), reads);

    // The mark line moved: the remembered place of the old one is not used.
    ASSERT_TRUE(StampDataFile(path));
    EXPECT_EQ(ReadMark(path), MarkForChecksum(DataFileChecksum(path)));
    EXPECT_TRUE(VerifyDataFile(path));

    StoreVerdict(path, false);
    EXPECT_EQ(CachedVerdict(path), 0);
    EXPECT_FALSE(VerifyDataFile(path));
}

}  // namespace
}  // namespace kv
