// The exploration data shipped in data/: every file carries a valid mark, one changed byte
// breaks it, nothing in them needs clamping, and the star-system list is long enough.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "datafiles/SolarSystemFiles.h"
#include "datafiles/Verify.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "state/Random.h"
#include "support/ExploreTestSupport.h"
#include "support/TestGame.h"

namespace kv {
namespace {

using test::ScratchFolder;
using test::ShippedData;

std::vector<std::string> ShippedMarkedFiles() {
    std::vector<std::string> files;
    const std::string list = FindFile(ShippedData(), "SOLARSYS.TXT");
    if (!list.empty()) files.push_back(list);
    for (const std::string& f : ListFiles(ShippedData() + "SSDescriptor/", "*.ssd"))
        files.push_back(ShippedData() + "SSDescriptor/" + f);
    for (const std::string& f : ListFiles(ShippedData() + "LANGUAGE/", "*.msg"))
        files.push_back(ShippedData() + "LANGUAGE/" + f);
    return files;
}

TEST(ShippedDataTest, EveryDataFileVerifiesAndNeedsNoClamping) {
    ClearVerifyCaches();
    const auto files = ShippedMarkedFiles();
    ASSERT_GE(files.size(), 8u);  // the list, the message file and a handful of descriptors
    for (const std::string& path : files) {
        EXPECT_TRUE(VerifyDataFile(path)) << path << ": run ssmark stamp on it after editing";
        for (const DataNote& n : CheckDataFileValues(path)) ADD_FAILURE() << n.file << ":" << n.line << ": " << n.text;
    }
}

// One byte changed in a line that counts (the first character of the first such line) breaks
// the mark of every shipped file; the copy under the same name verifies before the change.
TEST(ShippedDataTest, AChangedByteBreaksEveryMark) {
    ClearVerifyCaches();
    for (const std::string& path : ShippedMarkedFiles()) {
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(path, bytes));
        ScratchFolder dir;
        const std::string name = std::filesystem::path(path).filename().string();
        const std::string copy = dir.Write(name, bytes);
        EXPECT_TRUE(VerifyDataFile(copy)) << name;

        size_t at = 0;
        while (at < bytes.size()) {
            const size_t end = bytes.find_first_of("\r\n", at);
            const std::string line = bytes.substr(at, end == std::string::npos ? std::string::npos : end - at);
            if (!line.empty() && line.find(';') == std::string::npos) break;
            at = end == std::string::npos ? bytes.size() : end + 1;
        }
        ASSERT_LT(at, bytes.size()) << name;
        bytes[at] = bytes[at] == 'Q' ? 'R' : 'Q';
        dir.Write(name, bytes);
        ScratchFolder::Age(copy);
        EXPECT_FALSE(VerifyDataFile(copy)) << name;
    }
}

TEST(ShippedDataTest, TheStarSystemListServesTheLongestGame) {
    StarSystemListReader list;
    ASSERT_TRUE(list.Open(FindFile(ShippedData(), "SOLARSYS.TXT")));
    std::vector<SolarSystemRecord> systems;
    SolarSystemRecord rec;
    while (list.ReadSystem(rec)) {
        EXPECT_TRUE(rec.InUse());
        EXPECT_GE(rec.PlanetCount, 1);
        systems.push_back(rec);
        rec = SolarSystemRecord{};
    }
    // A long game plans at most 165 systems and may place 3 more.
    EXPECT_GE(systems.size(), 170u);

    // Even the shortest game (at least 45 systems, read from the top of the list) hands out
    // every shipped descriptor: by the planet count and name of a system, or to a "#" system.
    SolarSystemFileList descriptors;
    descriptors.List(ShippedData() + "SSDescriptor/");
    ASSERT_GE(descriptors.Count(), 6);
    for (size_t i = 0; i < 45 && i < systems.size(); ++i) {
        SolarSystemRecord& sys = systems[i];
        if (sys.Name.find('#') == std::string::npos)
            sys.DescriptorName =
                std::to_string(sys.PlanetCount) + sys.Name.substr(0, sys.Name.find_last_not_of(' ') + 1);
        descriptors.Load(sys);
    }
    for (int e = 1; e <= descriptors.Count(); ++e)
        EXPECT_EQ(descriptors.Entry(e), "") << "descriptor " << e << " unused";
}

TEST(ShippedDataTest, TheLanguageNamesItsPlanetMessageFile) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    const std::string fileName =
        GetPrivateProfileString("Language", "MessageFile", "", FindFile(ShippedData() + "LANGUAGE/", "English.lng"));
    ASSERT_FALSE(fileName.empty());
    tg.UseTexts({{"MessageFile", fileName}});
    tg.game.st.AppPath = ShippedData();
    tg.game.st.LanguagePath = ShippedData() + "LANGUAGE/";
    const std::string path = PlanetMessageFilePath(tg.game);
    ASSERT_FALSE(path.empty());
    // One section per planet state code: three two-digit binary fields.
    auto file = LoadProfileFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Sections().size(), 64u);
    EXPECT_NE(GetPlanetMessageFileText(tg.game, "10 01 11", "Info"), "ERR");
}

}  // namespace
}  // namespace kv
