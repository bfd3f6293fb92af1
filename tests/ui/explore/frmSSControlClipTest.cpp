// The exploration console with a damaged clip in the picture folder: the clip does not play, the
// planet is drawn instead and the visit goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "explore/Console.h"
#include "ui/explore/frmSSControl.h"
#include "support/AviClips.h"
#include "support/PlanetEntries.h"
#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

// The ship on the star system "Vesta" (descriptor "Test") with two class-5 planets, and the
// console open on the visit.
struct ClipDesk {
    ClipDesk() : dg(rng, {}, false) {
        GameState& s = dg.st;
        s.NewLine = "\r\n";
        s.GameRunning = kTrue;
        s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
        s.ShipSectorRow = s.ShipSectorCol = 4;
        s.MaxEnergy = 5000;
        s.ShipEnergy = 3000;
        s.TotalTime = s.TimeLeft = 50;
        for (int i = 0; i < 15; ++i) s.SSCountTable[i] = i;
        s.SectorGrid[4][4] = kStar;
        s.Galaxy[4][4] = 1;
        SolarSystemRecord& rec = s.StarSystem(4, 4, 1);
        rec.SetName("Vesta");
        rec.DescriptorName = "Test";
        rec.SectorRow = rec.SectorCol = 4;
        rec.SystemValue2 = 3;
        rec.PlanetCount = 2;
        rec.Planets[0] = test::MakePlanet(600, 2, 1, 4096, 5);
        rec.Planets[1] = test::MakePlanet(900, 2, 0, 4096, 5);
        dg.scratch.Write("program/SSDescriptor/Test.ssd",
                         "[General]\r\nPlanetPics=0000\r\nMessages=1111\r\n[Names]\r\nS=Vesta Prime\r\n1=Alpha\r\n");
        std::filesystem::create_directories(dg.scratch.Program() + "PICTURES");
    }
    frmSSControl& Open() {
        dg.st.EnteringSystem = kTrue;
        dg.host.LoadForm(Form::frmSSControl);
        frmSSControl& w = *dg.Window<frmSSControl>(Form::frmSSControl);
        w.show();
        QApplication::processEvents();  // the first activation starts the visit
        return w;
    }
    void Select(const std::string& tag) {
        dg.game.console.SelectTag = tag;
        UpdateSelect(dg.game);
    }

    ConstantRandom rng{0.25f};
    test::DesktopGame dg;
};

TEST(frmSSControl, ADamagedClipIsPassedOverAndThePlanetDrawnInstead) {
    const struct {
        const char* why;
        std::string bytes;
    } clips[] = {
        {"frames beyond the memory budget", test::HugeRepeatedClip()},
        {"lists nested without end", test::NestedListsClip(30000)},
        {"RLE8 jumps out of the frame", test::RunawayJumpsClip(2000)},
    };
    for (const auto& c : clips) {
        SCOPED_TRACE(c.why);
        ClipDesk t;
        t.dg.scratch.Write("program/PICTURES/Test1.avi", c.bytes);
        ForgetFileStamps();
        frmSSControl& w = t.Open();
        t.Select("1");
        EXPECT_FALSE(w.Clip().has_value());
        EXPECT_FALSE(w.AVI->isVisible());
        EXPECT_FALSE(w.pnlM0Title->isVisible());
        EXPECT_TRUE(w.picDraw->isVisible());
        EXPECT_EQ(w.planetDraws, 1);
        EXPECT_TRUE(t.dg.script.errors.empty());
        // The console goes on: another planet is drawn as well.
        t.Select("2");
        EXPECT_EQ(w.planetDraws, 2);
        EXPECT_TRUE(w.picDraw->isVisible());
    }
}

}  // namespace
}  // namespace kv
