// The star-system list reader: the sequential items of SOLARSYS.TXT, clamping of values out of
// range and the end of the list.
#include <gtest/gtest.h>

#include "datafiles/SolarSystemFiles.h"
#include "support/ExploreTestSupport.h"

namespace kv {
namespace {

using test::ScratchFolder;

std::string Padded(const std::string& s) { return s + std::string(20 - s.size(), ' '); }

PlanetEntry Row(Integer v1, Integer v2, Integer v3, Long v4, Integer v5, Long flag) {
    PlanetEntry p;
    p.PlanetValue1 = v1;
    p.PlanetValue2 = v2;
    p.PlanetValue3 = v3;
    p.PlanetValue4 = v4;
    p.PlanetValue5 = v5;
    p.PlanetFlag = flag;
    return p;
}

class StarSystemListTest : public ::testing::TestWithParam<const char*> {};

TEST_P(StarSystemListTest, ReadsSystemsInOrderWhateverTheLineEnds) {
    const std::string eol = GetParam();
    ScratchFolder dir;
    const std::string path =
        dir.Write("SOLARSYS.TXT", "\"Vega\",3,4" + eol + "40,2,1,32768,5,7" + eol + "55,3,0,0,0,9" + eol +
                                      "70,4,2,1280,14,0" + eol + "90,1,0,16384,9,0" + eol + "  Altair Deep , 2 ,1" +
                                      eol + " 60 , 1 , 0 , 0 , 3 , 0" + eol + "\"A name much longer than twenty\",0,0" +
                                      eol + eol + "; comment" + eol + ";Mark=KV00000000" + eol);
    StarSystemListReader list;
    ASSERT_TRUE(list.Open(path));

    SolarSystemRecord vega;
    vega.Planets[0].PlanetBits = 123;   // not the reader's to touch
    vega.Planets[4].PlanetValue1 = 77;  // above the count: left alone
    ASSERT_TRUE(list.ReadSystem(vega));
    EXPECT_EQ(vega.Name, Padded("Vega"));
    EXPECT_EQ(vega.SystemValue2, 3);
    EXPECT_EQ(vega.PlanetCount, 4);
    PlanetEntry first = Row(40, 2, 1, 32768, 5, 7);
    first.PlanetBits = 123;
    EXPECT_EQ(vega.Planets[0], first);
    EXPECT_EQ(vega.Planets[1], Row(55, 3, 0, 0, 0, 9));
    EXPECT_EQ(vega.Planets[3], Row(90, 1, 0, 16384, 9, 0));
    EXPECT_EQ(vega.Planets[4].PlanetValue1, 77);

    SolarSystemRecord altair;
    ASSERT_TRUE(list.ReadSystem(altair));
    EXPECT_EQ(altair.Name, Padded("Altair Deep"));
    EXPECT_EQ(altair.PlanetCount, 1);
    EXPECT_EQ(altair.Planets[0], Row(60, 1, 0, 0, 3, 0));

    SolarSystemRecord longName;
    ASSERT_TRUE(list.ReadSystem(longName));
    EXPECT_EQ(longName.Name, "A name much longer t");
    EXPECT_EQ(longName.PlanetCount, 0);

    // The comment and the mark line after the list do not make a system.
    SolarSystemRecord none;
    EXPECT_FALSE(list.ReadSystem(none));
    EXPECT_EQ(none, SolarSystemRecord{});
    EXPECT_TRUE(list.Notes().empty());
}

INSTANTIATE_TEST_SUITE_P(LineEnds, StarSystemListTest, ::testing::Values("\r\n", "\n", "\r"));

TEST(StarSystemListClampTest, OutOfRangeValuesAreClampedAndTheListStaysInStep) {
    ScratchFolder dir;
    std::string text = "\"Big\",9,12\r\n";
    for (int i = 1; i <= 12; ++i) {
        const int cls = i == 2 ? 15 : i == 3 ? -1 : 4;
        text += std::to_string(i * 10) + ",1,0,0," + std::to_string(cls) + ",0\r\n";
    }
    text += "\"Small\",-3,-2\r\n\"Next\",1,1\r\n5,6,7,8,9,10\r\n";
    StarSystemListReader list;
    ASSERT_TRUE(list.Open(dir.Write("SOLARSYS.TXT", text)));

    SolarSystemRecord big;
    ASSERT_TRUE(list.ReadSystem(big));
    EXPECT_EQ(big.SystemValue2, 8);
    EXPECT_EQ(big.PlanetCount, 10);
    EXPECT_EQ(big.Planets[1].PlanetValue5, 14);
    EXPECT_EQ(big.Planets[2].PlanetValue5, 0);
    EXPECT_EQ(big.Planets[9].PlanetValue1, 100);

    SolarSystemRecord small;
    ASSERT_TRUE(list.ReadSystem(small));
    EXPECT_EQ(small.SystemValue2, 0);
    EXPECT_EQ(small.PlanetCount, 0);

    // Rows 11 and 12 of "Big" were read and dropped, so "Next" is read as written.
    SolarSystemRecord next;
    ASSERT_TRUE(list.ReadSystem(next));
    EXPECT_EQ(next.Name, Padded("Next"));
    EXPECT_EQ(next.Planets[0], Row(5, 6, 7, 8, 9, 10));

    ASSERT_EQ(list.Notes().size(), 6u);
    const std::vector<std::pair<int, std::string>> expected = {
        {1, "star type of Big 9 clamped to 8"},     {1, "planet count of Big 12 clamped to 10"},
        {3, "planet 2 class 15 clamped to 14"},     {4, "planet 3 class -1 clamped to 0"},
        {14, "star type of Small -3 clamped to 0"}, {14, "planet count of Small -2 clamped to 0"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list.Notes()[i].line, expected[i].first) << i;
        EXPECT_EQ(list.Notes()[i].text, expected[i].second) << i;
    }
}

TEST(StarSystemListBadInputTest, AnUnreadableSystemLineEndsTheListAndLeavesTheRecord) {
    struct Case {
        const char* what;
        const char* text;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"only blank lines", "\r\n  \r\n"},
        {"system line cut short at the end", "\"Vega\",3"},
        {"star type not a number", "\"Vega\",x,4\r\n40,2,1,0,5,0\r\n"},
        {"planet count not a number", "\"Vega\",3,four\r\n"},
        {"mark line where a system should be", ";Mark=KV00000000\r\n"},
    };
    for (const Case& c : cases) {
        ScratchFolder dir;
        StarSystemListReader list;
        ASSERT_TRUE(list.Open(dir.Write("SOLARSYS.TXT", c.text))) << c.what;
        SolarSystemRecord rec;
        EXPECT_FALSE(list.ReadSystem(rec)) << c.what;
        EXPECT_EQ(rec, SolarSystemRecord{}) << c.what;
        EXPECT_FALSE(list.ReadSystem(rec)) << c.what;
    }

    StarSystemListReader missing;
    EXPECT_FALSE(missing.Open("/nonexistent/folder/SOLARSYS.TXT"));
    SolarSystemRecord rec;
    EXPECT_FALSE(missing.ReadSystem(rec));
    EXPECT_EQ(rec, SolarSystemRecord{});
}

TEST(StarSystemListBadInputTest, BadItemsInPlanetRowsAreSkipped) {
    ScratchFolder dir;
    StarSystemListReader list;
    ASSERT_TRUE(list.Open(dir.Write("SOLARSYS.TXT",
                                    "\"Vega\",3,2\r\n40,zz,1,5,5,0\r\n41,2,2,6,6,0\r\n"
                                    "\"Cut\",1,3\r\n40,2,1\r\n")));
    SolarSystemRecord vega;
    ASSERT_TRUE(list.ReadSystem(vega));
    EXPECT_EQ(vega.Planets[0], Row(40, 0, 1, 5, 5, 0));
    EXPECT_EQ(vega.Planets[1], Row(41, 2, 2, 6, 6, 0));

    // Rows that stop short at the end of the file: what is there is kept.
    SolarSystemRecord cut;
    ASSERT_TRUE(list.ReadSystem(cut));
    EXPECT_EQ(cut.PlanetCount, 3);
    EXPECT_EQ(cut.Planets[0], Row(40, 2, 1, 0, 0, 0));
    EXPECT_FALSE(list.ReadSystem(cut));
    EXPECT_TRUE(list.AtEnd());
}

TEST(StarSystemListNumberTest, NumbersAreRoundedHalfToEvenAndSaturated) {
    ScratchFolder dir;
    StarSystemListReader list;
    ASSERT_TRUE(list.Open(dir.Write("SOLARSYS.TXT",
                                    "\"Odd\",2.5,1\r\n3.5,\"7\",1e1,99999999999,7.5,-4\r\n"
                                    "\"Wide\",1,1\r\n99999,-99999,+3,2147483648,1,0\r\n")));
    SolarSystemRecord odd;
    ASSERT_TRUE(list.ReadSystem(odd));
    EXPECT_EQ(odd.SystemValue2, 2);
    EXPECT_EQ(odd.Planets[0], Row(4, 7, 10, 2147483647, 8, -4));
    SolarSystemRecord wide;
    ASSERT_TRUE(list.ReadSystem(wide));
    EXPECT_EQ(wide.Planets[0], Row(32767, -32768, 3, 2147483647, 1, 0));
}

}  // namespace
}  // namespace kv
