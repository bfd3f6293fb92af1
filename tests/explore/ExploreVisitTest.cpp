// A whole visit on the shipped data, headless: orbit Caeleth in the Kessaril system, hail,
// answer, sign the treaty, beam down, walk three rooms of the Hall of Glass, beam up, leave
// orbit and the system. And the shipped message data's own consistency.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "datafiles/SolarSystemFiles.h"
#include "datafiles/Verify.h"
#include "explore/Console.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "state/Numeric.h"
#include "support/ConsoleTestSupport.h"
#include "support/ExploreTestSupport.h"

namespace kv::test {
namespace {

struct ShippedVisit : ConsoleGame {
    explicit ShippedVisit(Random& r) : ConsoleGame(r) {
        UseKeyTexts({{"MessageFile", "ENGLISH.MSG"}});
        st.AppPath = ShippedData();
        st.SSDescriptorPath = ShippedData() + "SSDescriptor/";
        st.LanguagePath = ShippedData() + "LANGUAGE/";
        SolarSystemRecord& rec = System();
        rec = SolarSystemRecord{};
        rec.DescriptorName = "5Kessaril";
        SolarSystemFileList files;
        files.List(st.SSDescriptorPath);
        EXPECT_TRUE(files.Load(rec));
        rec.SectorRow = rec.SectorCol = 4;
    }
};

TEST(ExploreVisitTest, AVisitToCaelethOnTheShippedData) {
    SeededRandom rng(7);
    ShippedVisit tg(rng);
    GameState& s = tg.st;
    ConsoleState& c = tg.Console();
    ClearVerifyCaches();

    tg.Enter();
    ASSERT_EQ(c.SSPlanetCount, 5);
    EXPECT_EQ(c.SSSystemName, "Kessaril");
    EXPECT_EQ(c.lblM1Text, "<SSCONTRL0060>5\r\n<SSCONTRL0061>Aruis");

    // Orbit the fifth planet: a first orbit of a notable world, and no greeting, so the hail is
    // free.
    tg.Orbit(5);
    ASSERT_EQ(c.OrbitPlanet, 5);
    EXPECT_EQ(c.pnlOrbitingCaption, "Caeleth<SSCONTRL0013>");
    EXPECT_EQ(s.ScoreCounterC, 1);
    EXPECT_TRUE(c.Enabled.cmdHail);
    tg.Tick();
    EXPECT_EQ(c.Message, "");

    // Hail: two of the three hail responses are offered (the Morv are not coming yet).
    std::vector<RespondOption> offered;
    tg.host.modal[Form::frmRespond] = [&] {
        offered = c.RespondOptions;
        c.RespondTag = "1";
        return kOK;
    };
    cmdHail_Click(tg.game);
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].Caption, "Greetings from the Fleet. We come in peace.");
    // The council debates for two ticks before it answers.
    tg.Tick(2);
    EXPECT_EQ(c.Message, "");
    tg.Tick();
    const std::string alien = s.AlienNames[AlienNameIndex(c.CurrentSystem.Planets[4].PlanetValue4)];
    EXPECT_EQ(c.lblMessage, "Council");
    EXPECT_EQ(c.Message, "After a long debate: welcome, Captain Kim. Will you sign a treaty of friendship with the " +
                             alien + "?");

    // Answer: sign. The treaty gives time back, the council's engineers mend the ship and allow
    // energy to be drawn.
    s.SystemDamage[kPhasers] = 2.0f;
    const Single offset = s.TimeOffset;
    tg.AnswerWith(1);
    cmdRespond_Click(tg.game);
    EXPECT_EQ(tg.host.notices.back().rfind("<SSCONTRL0034>" + alien + ".", 0), 0u);
    EXPECT_GT(s.TimeOffset, offset);
    tg.Tick();
    EXPECT_EQ(TestPlanetBit(c.CurrentSystem.Planets[4], 7), 1);
    EXPECT_EQ(s.SystemDamage[kPhasers], 0.0f);
    EXPECT_EQ(c.EnergyTaken, 4);
    EXPECT_TRUE(c.Enabled.cmdEnergy);

    // Beam down: the treaty opens the Hall of Glass, and the room map.
    cmdBeam_Click(tg.game);
    ASSERT_EQ(c.MapMode, kTrue);
    EXPECT_EQ(c.Rooms[0].Tag, "Hall0202");
    EXPECT_EQ(c.Actions[0].Caption, "Climb the stair to the gallery.");
    EXPECT_EQ(c.Actions[1].Caption, "Follow the sound of hammers.");
    EXPECT_EQ(c.Actions[4].Caption, "Beam back to the ship.");
    const Placement hall = c.Rooms[0].Place;

    // Walk: north to the gallery, east to the archive, south down the ramp to the workshop.
    rcmdAction_Click(tg.game, 0);
    tg.Tick();
    EXPECT_EQ(c.lblMessage, "Gallery");
    EXPECT_EQ(TestPlanetBit(c.CurrentSystem.Planets[4], 1), 1);
    rcmdAction_Click(tg.game, 1);
    tg.Tick();
    EXPECT_EQ(c.lblMessage, "Archive");
    EXPECT_EQ(c.Actions[6].Caption, "Scan the crystal records.");
    const Long energy = s.ShipEnergy;
    rcmdAction_Click(tg.game, 2);
    tg.Tick();
    EXPECT_EQ(c.lblMessage, "Workshop");
    EXPECT_EQ(s.ShipEnergy, energy + 300);
    EXPECT_EQ(s.RetrofitSlots[1], 1);
    ASSERT_EQ(c.Rooms.size(), 4u);
    EXPECT_EQ(c.CurrentRoom, 3);
    EXPECT_EQ(c.Rooms[1].Place.Top, hall.Top - kRoomCellSize);
    EXPECT_EQ(c.Rooms[2].Place.Left, hall.Left + kRoomCellSize);
    EXPECT_EQ(c.Rooms[3].Place.Top, hall.Top);
    EXPECT_EQ(c.Rooms[3].Place.Left, hall.Left + kRoomCellSize);
    EXPECT_EQ(c.Rooms[0].Door[0], kDoorOpen);
    EXPECT_EQ(c.Rooms[1].Door[1], kDoorOpen);
    EXPECT_EQ(c.Rooms[2].Door[2], kDoorOpen);
    EXPECT_EQ(c.Rooms[3].Door[1], kDoorClosed);  // the sealed door
    EXPECT_EQ(c.Rooms[3].Door[3], kDoorClosed);  // the way back to the hall

    // Beam up.
    rcmdAction_Click(tg.game, 4);
    tg.Tick();
    EXPECT_EQ(tg.host.notices.back(), "The landing party is back aboard.");
    EXPECT_FALSE(c.picYouAreHere.Visible);

    // Leave orbit and the system: the planet keeps its flags, the system its visit time.
    cmdLeaveOrbit_Click(tg.game);
    const PlanetEntry& caeleth = tg.System().Planets[4];
    EXPECT_EQ(TestPlanetBit(caeleth, 7), 1);
    EXPECT_EQ(TestPlanetBit(caeleth, 3), 1);
    EXPECT_GT(caeleth.PlanetFlag, 0);
    EXPECT_EQ(c.MapMode, kFalse);
    cmdExit_Click(tg.game);
    EXPECT_TRUE(tg.host.Saw("hide:frmSSControl"));
    EXPECT_NE(tg.System().SystemValue3, 0);
    EXPECT_FALSE(s.ShipSectorRow == 4 && s.ShipSectorCol == 4);

    // The shipped files carry valid marks: the visit kept the game eligible for high scores.
    EXPECT_TRUE(s.ScoreEligible);
}

// Every shipped message family and response list has the entries its count promises, and a
// response that speaks of a direction leads somewhere (a room code or a direction mark), so
// the map never shows a move that goes nowhere by accident.
TEST(ExploreVisitTest, ShippedMessagesAreConsistent) {
    std::vector<std::string> files;
    for (const std::string& f : ListFiles(ShippedData() + "SSDescriptor/", "*.ssd"))
        files.push_back(ShippedData() + "SSDescriptor/" + f);
    for (const std::string& f : ListFiles(ShippedData() + "LANGUAGE/", "*.msg"))
        files.push_back(ShippedData() + "LANGUAGE/" + f);
    ASSERT_GE(files.size(), 9u);
    const std::regex count("^(Messages|Responses)(.*)$", std::regex::icase);
    const std::regex direction("north|east|south|west", std::regex::icase);
    for (const std::string& path : files) {
        auto file = LoadProfileFile(path);
        ASSERT_TRUE(file) << path;
        for (const std::string& section : file->Sections()) {
            if (section == "General") continue;  // its "Messages" is the planets' flag string
            for (const auto& [key, text] : file->Entries(section)) {
                std::smatch m;
                if (std::regex_match(key, m, count)) {
                    const std::string entry = m[1].str() == "Messages" ? "Message" : "Response";
                    const int n = static_cast<int>(Val(text));
                    for (int i = 1; i <= n; ++i)
                        EXPECT_TRUE(file->Get(section, entry + m[2].str() + std::to_string(i)))
                            << path << " [" << section << "] " << key << " entry " << i;
                }
                if (key.rfind("Response", 0) == 0 && key.rfind("Responses", 0) != 0) {
                    const std::string shown = text.substr(0, text.find('*'));
                    if (std::regex_search(shown, direction)) {
                        EXPECT_TRUE(text.find("*R") != std::string::npos || text.rfind("%G", 0) == 0)
                            << path << " [" << section << "] " << key;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace kv::test
