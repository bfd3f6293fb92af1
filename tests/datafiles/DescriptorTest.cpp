// Descriptor files: the list that hands each descriptor out once, the sequential part read into
// a star-system record, the [General] flags, message texts, planet names and the flag word.
#include <gtest/gtest.h>

#include "datafiles/SolarSystemFiles.h"
#include "datafiles/Verify.h"
#include "state/Random.h"
#include "support/ExploreTestSupport.h"
#include "support/TestGame.h"

namespace kv {
namespace {

using test::ExploreFixtures;
using test::ScratchFolder;

std::string Padded(const std::string& s) { return s + std::string(20 - s.size(), ' '); }

class DescriptorTest : public ::testing::Test {
protected:
    DescriptorTest() : tg(rng) {
        g.st.SSDescriptorPath = ExploreFixtures() + "SSDescriptor/";
        g.st.AppPath = ExploreFixtures();
        files.ListDescriptors(g);
    }
    int FindSolarSystemFile(const std::string& name) const { return files.Descriptors().Find(name); }
    void LoadSolarSystem(Game& game, SolarSystemRecord& rec) { files.LoadDescriptor(game, rec); }
    FileStarSystemSource files;
    ConstantRandom rng{0.5f};
    test::TestGame tg;
    Game& g = tg.game;
};

TEST_F(DescriptorTest, ListsDescriptorsWithoutRegardToTheCaseOfTheExtension) {
    const SolarSystemFileList& list = files.Descriptors();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Entry(1), "4Vega");
    EXPECT_EQ(list.Entry(2), "Bare");
    EXPECT_EQ(list.Entry(3), "Clamp");
    EXPECT_EQ(list.Entry(0), "");
    EXPECT_EQ(list.Entry(4), "");

    SolarSystemFileList none;
    none.List("/nonexistent/folder/");
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.Find(""), 0);
    SolarSystemRecord rec;
    EXPECT_FALSE(none.Load(rec));
    EXPECT_EQ(rec, SolarSystemRecord{});
}

TEST_F(DescriptorTest, EachDescriptorServesOneSystem) {
    EXPECT_EQ(FindSolarSystemFile("4Vega"), 1);
    EXPECT_EQ(FindSolarSystemFile("Clamp"), 3);
    EXPECT_EQ(FindSolarSystemFile("4vega"), 0);  // names match exactly
    EXPECT_EQ(FindSolarSystemFile(""), 1);

    SolarSystemRecord vega;
    vega.DescriptorName = "4Vega";
    vega.SetName("Vega");
    vega.PlanetCount = 1;
    LoadSolarSystem(g, vega);
    EXPECT_EQ(vega.DescriptorName, "4Vega");
    EXPECT_EQ(vega.Name, Padded("Vega"));
    EXPECT_EQ(vega.SystemValue2, 3);
    EXPECT_EQ(vega.PlanetCount, 4);
    EXPECT_EQ(vega.Planets[0].PlanetValue1, 40);
    EXPECT_EQ(vega.Planets[0].PlanetValue4, 32768);
    EXPECT_EQ(vega.Planets[0].PlanetFlag, 7);
    EXPECT_EQ(vega.Planets[2].PlanetValue5, 14);
    EXPECT_EQ(vega.Planets[3].PlanetValue4, 16384);

    // Taken: the same name now finds nothing, and a second record keeps what it had.
    EXPECT_EQ(FindSolarSystemFile("4Vega"), 0);
    SolarSystemRecord again;
    again.DescriptorName = "4Vega";
    again.SetName("Vega");
    const SolarSystemRecord before = again;
    LoadSolarSystem(g, again);
    EXPECT_EQ(again, before);

    // An empty name takes the first free descriptor; one without a sequential part is used up
    // all the same and only gives its name.
    SolarSystemRecord any;
    any.SetName("Deneb #");
    any.PlanetCount = 2;
    LoadSolarSystem(g, any);
    EXPECT_EQ(any.DescriptorName, "Bare");
    EXPECT_EQ(any.Name, Padded("Deneb #"));
    EXPECT_EQ(any.PlanetCount, 2);
    EXPECT_EQ(FindSolarSystemFile(""), 3);
}

TEST_F(DescriptorTest, ValuesOutOfRangeInADescriptorAreClampedAndReported) {
    SolarSystemRecord rec;
    std::vector<DataNote> notes;
    ASSERT_TRUE(ReadDescriptorSystem(ExploreFixtures() + "SSDescriptor/Clamp.SSD", rec, &notes));
    EXPECT_EQ(rec.Name, "Overfull System Name");
    EXPECT_EQ(rec.SystemValue2, 8);
    EXPECT_EQ(rec.PlanetCount, 10);
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(rec.Planets[p - 1].PlanetValue1, p * 10);
        EXPECT_EQ(rec.Planets[p - 1].PlanetValue5, p + 3);
    }
    // The star type and the planet count are out of range; planets 11..14, whose classes
    // would be too, are never read.
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].text, "star type of Overfull System Name 12 clamped to 8");
    EXPECT_EQ(notes[1].text, "planet count of Overfull System Name 14 clamped to 10");
    EXPECT_EQ(CheckDataFileValues(ExploreFixtures() + "SSDescriptor/Clamp.SSD").size(), 2u);

    SolarSystemRecord untouched;
    EXPECT_FALSE(ReadDescriptorSystem(ExploreFixtures() + "SSDescriptor/Bare.ssd", untouched));
    EXPECT_FALSE(ReadDescriptorSystem(ExploreFixtures() + "SSDescriptor/missing.ssd", untouched));
    EXPECT_EQ(untouched, SolarSystemRecord{});
}

TEST(DescriptorNameTest, TheNameKeepsTwentyCharactersWhateverTheirBytes) {
    // Names as the files hold them (cp1252), and the name the record keeps (UTF-8, padded with
    // blanks to twenty characters).
    const struct {
        const char* file;
        const char* kept;
    } cases[] = {
        {"\xC5lborgs\xF8nderjyllandx", "\xC3\x85lborgs\xC3\xB8nderjyllandx"},         // 20 with two accents
        {"\xC5lborgs\xF8nderjyllandxyz", "\xC3\x85lborgs\xC3\xB8nderjyllandx"},       // 22: cut to 20
        {"Vega", "Vega                "},                                             // padded
        {"\xE9toile", "\xC3\xA9toile              "},                                 // 6 letters, 14 blanks
    };
    ScratchFolder dir;
    for (const auto& k : cases) {
        const std::string path = dir.Write(
            "Name.ssd", std::string("[General]\r\n;x\r\nSolarSystem\r\nx\"") + k.file + "\",3,1\r\nx600,2,0,0,5,0\r\n");
        SolarSystemRecord rec;
        ASSERT_TRUE(ReadDescriptorSystem(path, rec));
        EXPECT_EQ(rec.Name, k.kept) << k.kept;

        StarSystemListReader list;
        ASSERT_TRUE(list.Open(dir.Write("SOLARSYS.TXT", std::string("\"") + k.file + "\",3,1\r\n600,2,0,0,5,0\r\n")));
        SolarSystemRecord listed;
        ASSERT_TRUE(list.ReadSystem(listed));
        EXPECT_EQ(listed.Name, k.kept) << k.kept;
    }
}

TEST_F(DescriptorTest, PlanetFlagsReadOneCharacterPerPlanet) {
    // "1N0Y": set, clear, clear, set; planet 5 has no character and counts as set.
    const int expected[] = {1, 0, 0, 1, 1};
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(GetPlanetFlag(g, "4Vega", "Messages", n), expected[n - 1]) << n;
        EXPECT_EQ(HasPlanetPicture(g, "4Vega", n), expected[n - 1] == 1) << n;
    }
    EXPECT_EQ(GetPlanetFlag(g, "NoSuchSystem", "Messages", 1), -1);
    EXPECT_EQ(GetPlanetFlag(g, "Bare", "PlanetPics", 1), -2);
    EXPECT_TRUE(HasPlanetPicture(g, "Bare", 1));
    EXPECT_TRUE(HasPlanetPicture(g, "NoSuchSystem", 1));
}

TEST_F(DescriptorTest, MessagesComeFromTheDescriptorOnlyForFlaggedPlanets) {
    EXPECT_EQ(GetSSMessage(g, "4Vega", 1, "Info"), "A planet of ash.");
    EXPECT_EQ(GetSSMessage(g, "4Vega", 1, "Beam1"), "%05$Title$Hot ground.^EN*X1");
    EXPECT_EQ(GetSSMessage(g, "4Vega", 1, "Hail1"), "ERR");
    EXPECT_EQ(GetSSMessage(g, "4Vega", 2, "Info"), "NO");
    EXPECT_EQ(GetSSMessage(g, "4Vega", 2, "Info", true), "Never read: the flag is clear.");
    EXPECT_EQ(GetSSMessage(g, "NoSuchSystem", 1, "Info"), "NO");
}

TEST_F(DescriptorTest, PlanetNamesFallBackToTheSystemNameAndARomanNumeral) {
    EXPECT_EQ(GetPlanetName(g, "4Vega", 1, "Vega"), "Cinder");
    EXPECT_EQ(GetPlanetName(g, "4Vega", 2, Padded("Vega")), "Vega II");  // empty name
    EXPECT_EQ(GetPlanetName(g, "4Vega", 4, Padded("Vega")), "Vega IV");  // no key
    EXPECT_EQ(GetPlanetName(g, "4Vega", 0, "Vega"), "Vega Major");
    EXPECT_EQ(GetPlanetName(g, "Bare", 0, "Vega"), "Not Used");
    EXPECT_EQ(GetPlanetName(g, "NoSuchSystem", 10, "  Far Reach "), "Far Reach X");
    EXPECT_EQ(RomanNumeral(9), "IX");
    EXPECT_EQ(RomanNumeral(12), "XII");
    EXPECT_EQ(RomanNumeral(13), "");
}

TEST(PlanetBitsTest, BitsSetAndClearInTheFixedPointWord) {
    PlanetEntry p;
    SetPlanetBit(p, 0, 1);
    EXPECT_EQ(p.PlanetBits, 1 * 10000);
    SetPlanetBit(p, 40, 5);
    EXPECT_EQ(p.PlanetBits, ((int64_t{1} << 40) + 1) * 10000);
    SetPlanetBit(p, 40, -1);  // already set: no change
    EXPECT_EQ(p.PlanetBits, ((int64_t{1} << 40) + 1) * 10000);
    EXPECT_EQ(TestPlanetBit(p, 40), 1);
    EXPECT_EQ(TestPlanetBit(p, 39), 0);
    SetPlanetBit(p, 49, 1);
    EXPECT_EQ(TestPlanetBit(p, 49), 1);
    SetPlanetBit(p, 0, 0);
    SetPlanetBit(p, 3, 0);  // already clear: no change
    EXPECT_EQ(p.PlanetBits, ((int64_t{1} << 49) + (int64_t{1} << 40)) * 10000);
    // Bits outside 0..49 do not exist.
    SetPlanetBit(p, 50, 1);
    SetPlanetBit(p, -1, 1);
    EXPECT_EQ(TestPlanetBit(p, 50), 0);
    EXPECT_EQ(p.PlanetBits, ((int64_t{1} << 49) + (int64_t{1} << 40)) * 10000);

    // The word holds less than 2^50: a bit that would carry it beyond is left unset.
    SetPlanetBit(p, 48, 1);
    const int64_t full = ((int64_t{1} << 49) + (int64_t{1} << 48) + (int64_t{1} << 40)) * 10000;
    EXPECT_EQ(p.PlanetBits, full);
    SetPlanetBit(p, 47, 1);
    EXPECT_EQ(p.PlanetBits, full);
    EXPECT_EQ(TestPlanetBit(p, 47), 0);
    EXPECT_EQ(TestPlanetBit(p, 49), 1);
    SetPlanetBit(p, 49, 0);
    EXPECT_EQ(p.PlanetBits, ((int64_t{1} << 48) + (int64_t{1} << 40)) * 10000);
}

TEST(PlanetCountTest, CountsPlanetsWithAClass) {
    SolarSystemRecord rec;
    rec.PlanetCount = 4;
    rec.Planets[0].PlanetValue5 = 3;
    rec.Planets[2].PlanetValue5 = 14;
    rec.Planets[5].PlanetValue5 = 2;  // above the count
    EXPECT_EQ(CountFlaggedPlanets(rec), 2);
    rec.PlanetCount = 30000;  // a count out of range reads at most ten planets
    EXPECT_EQ(CountFlaggedPlanets(rec), 3);
}

// The message files of a planet: the descriptor when it carries the planet's messages, else
// SOLARSYS.TXT and the language's message file, both of which must carry valid marks.
TEST(MessageFilesTest, VerificationAsksTheFilesThatHoldThePlanetsMessages) {
    ClearVerifyCaches();
    ScratchFolder dir;
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    tg.UseTexts({{"MessageFile", "planets.msg"}});
    Game& g = tg.game;
    g.st.AppPath = dir.Path();
    g.st.LanguagePath = dir.Path() + "LANGUAGE/";
    g.st.SSDescriptorPath = dir.Path() + "SSDescriptor/";
    const std::string list = dir.Write("SOLARSYS.TXT", "\"Vega\",1,1\r\n1,1,0,0,3,0\r\n");
    const std::string messages =
        dir.Write("LANGUAGE/Planets.MSG", "[00 00 00]\r\nInfo=Quiet.\r\nBeam1=%05Sand.^SH\r\n");
    const std::string desc = dir.Write("SSDescriptor/1Vega.ssd", "[General]\r\nMessages=10\r\n[1]\r\nInfo=Own.\r\n");
    for (const std::string& p : {list, messages, desc}) ASSERT_TRUE(StampDataFile(p));

    EXPECT_EQ(PlanetMessageFilePath(g), messages);
    EXPECT_EQ(GetPlanetMessageFileText(g, "00 00 00", "Info"), "Quiet.");
    EXPECT_EQ(GetPlanetMessageFileText(g, "00 00 00", "Hail1"), "ERR");
    EXPECT_EQ(GetPlanetMessageFileText(g, "11 11 11", "Info"), "ERR");
    EXPECT_TRUE(VerifyMessageFiles(g, "1Vega", 1));
    EXPECT_TRUE(VerifyMessageFiles(g, "1Vega", 2));

    // A changed list breaks planet 2 (its messages come from the message file), not planet 1.
    dir.Write("SOLARSYS.TXT", "\"Vega\",2,1\r\n1,1,0,0,3,0\r\n");
    ScratchFolder::Age(list);  // the same length: only the time tells the edit apart
    EXPECT_TRUE(VerifyMessageFiles(g, "1Vega", 1));
    EXPECT_FALSE(VerifyMessageFiles(g, "1Vega", 2));
    ASSERT_TRUE(StampDataFile(list));
    EXPECT_TRUE(VerifyMessageFiles(g, "1Vega", 2));

    // A changed descriptor breaks planet 1.
    dir.Write("SSDescriptor/1Vega.ssd", "[General]\r\nMessages=10\r\n[1]\r\nInfo=Own.\r\nBeam1=x\r\n");
    EXPECT_FALSE(VerifyMessageFiles(g, "1Vega", 1));

    // Without a message file nothing passes for planets that need it.
    tg.UseTexts({{"MessageFile", "none.msg"}});
    EXPECT_EQ(PlanetMessageFilePath(g), "");
    EXPECT_EQ(GetPlanetMessageFileText(g, "00 00 00", "Info"), "ERR");
    EXPECT_FALSE(VerifyMessageFiles(g, "1Vega", 2));
}

}  // namespace
}  // namespace kv
