// The start of a visit, the selection and its information panel, the pick in the system
// picture and the planet-flag display.
#include <gtest/gtest.h>

#include <cmath>

#include "datafiles/SolarSystemFiles.h"
#include "explore/Console.h"
#include "support/ConsoleTestSupport.h"

namespace kv::test {
namespace {

TEST(ConsoleEntryTest, AVisitStartsOnTheStarAndCountsTheFirstVisitOnce) {
    ScriptedRandom rng{0.25f, 0.5f};  // the two planets' angles
    ConsoleGame tg(rng);
    GameState& s = tg.st;
    tg.WriteDescriptor("[1]\r\n");
    tg.System().Planets[1].PlanetValue4 = 2 * 16384;  // a goal planet
    tg.System().Notes = "Seen before.";
    tg.Enter();
    ConsoleState& c = tg.Console();
    EXPECT_EQ(s.EnteringSystem, kFalse);
    EXPECT_EQ(c.SSPlanetCount, 2);
    EXPECT_EQ(c.SSSystemName, "Testar");
    EXPECT_DOUBLE_EQ(c.PlanetAngle[1], 0.25 * 2 * 3.14159265358979);
    EXPECT_EQ(c.PlanetOrbitRadius[2], 700);
    EXPECT_EQ(c.PlanetDrawSize[2], 6);
    EXPECT_EQ(c.PlanetColour[1], 9);
    EXPECT_EQ(c.SelectTag, "Star");
    EXPECT_EQ(c.txtNotes, "Seen before.");
    EXPECT_EQ(c.lblName, "Testar");
    EXPECT_EQ(c.lblM0Title, "<SSCONTRL0058>Testar");
    EXPECT_EQ(c.lblM1Text, "<SSCONTRL0060>2\r\n<SSCONTRL0061>Testar Sun");
    EXPECT_EQ(c.lblM2Text, "<SSCONTRL0063>");
    EXPECT_FALSE(c.Enabled.cmdEnterOrbit || c.Enabled.cmdHail || c.Enabled.cmdPhoton);
    EXPECT_EQ(s.GoalProgress, 1);
    EXPECT_EQ(s.GoalSystemsDone, 1);
    EXPECT_FLOAT_EQ(s.TimeLeft, 49.98f);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSSControl_tmrFlag));

    // A second activation during the visit does nothing; a later visit to the system, once its
    // visit time is set, counts no more.
    ActivateConsole(tg.game);
    EXPECT_EQ(rng.Remaining(), 0u);
    tg.System().SystemValue3 = 6000;
    rng.Push(0.1f);
    rng.Push(0.2f);
    tg.Enter();
    EXPECT_EQ(s.GoalProgress, 1);
    EXPECT_EQ(tg.Console().lblM2Text, "10.020<SSCONTRL0064>");
}

TEST(ConsoleEntryTest, ASystemWithoutPlanetsIsLeftUnlessItsMessageIsSwitchedOff) {
    ScriptedRandom rng{0.9f, 0.9f};  // the exit's step
    ConsoleGame tg(rng);
    tg.WriteDescriptor("");
    tg.System().PlanetCount = 0;
    tg.Enter();
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<SSCONTRL0033>"});
    EXPECT_TRUE(tg.host.Saw("hide:frmSSControl"));
    EXPECT_EQ(tg.st.ShipSectorRow, 5);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));

    ConstantRandom rng2(0.5f);
    ConsoleGame tg2(rng2);
    tg2.WriteDescriptor("");
    tg2.System().PlanetCount = 0;
    tg2.game.MessageSuppressed[9] = kTrue;
    tg2.Enter();
    EXPECT_EQ(tg2.host.output, std::vector<std::string>{"<SSCONTRL0033>"});
    EXPECT_FALSE(tg2.host.Saw("hide:frmSSControl"));
    EXPECT_FALSE(tg2.game.TimerEnabled(Timer::frmSSControl_tmrMessage));

    // No system at the ship's sector: the console closes at once.
    ScriptedRandom rng3{0.9f, 0.9f};
    ConsoleGame tg3(rng3);
    tg3.st.ShipSectorRow = 2;
    tg3.Enter();
    EXPECT_TRUE(tg3.host.Saw("hide:frmSSControl"));
    EXPECT_EQ(tg3.st.GoalProgress, 0);
}

TEST(ConsoleEntryTest, ThePlanetPanel) {
    ConstantRandom rng(0.5f);
    ConsoleGame tg(rng);
    tg.WriteDescriptor("[1]\r\nInfo=Glass_reed_forests\r\n[2]\r\n");
    tg.st.SSTextPairs[9] = {"Ice world.", "Cold."};
    tg.System().Planets[0].PlanetValue4 = 2 * 16384 + 3 * 1024 + 2 * 256;
    tg.System().Planets[1].PlanetValue5 = 0;
    tg.System().Planets[1].PlanetValue2 = 0;
    tg.Enter();
    ConsoleState& c = tg.Console();
    c.SelectTag = "1";
    UpdateSelect(tg.game);
    EXPECT_EQ(c.lblM0Title, "<SSCONTRL0050>Alpha");
    EXPECT_EQ(c.lblM0Text, "<SSCONTRL0046>I<SSCONTRL0047> 1");
    EXPECT_EQ(c.lblLib, "<SSCONTRL0048>I:\r\nIce world. Cold.");
    EXPECT_EQ(c.lblM1Text, "Glass reed forests");
    EXPECT_EQ(c.lblM2Text, "<SSCONTRL0056>\r\n<SSCONTRL0057>");
    EXPECT_TRUE(c.Enabled.cmdEnterOrbit);
    EXPECT_FALSE(c.Enabled.cmdLeaveOrbit || c.Enabled.cmdPhaser);
    EXPECT_TRUE(c.shpNoHSVisible);  // the test descriptor carries no mark
    EXPECT_EQ(c.DrawTag, "1");
    // In orbit: the rate, divided by the divisor of a state-class-2 planet.
    c.OrbitPlanet = 1;
    UpdateSelect(tg.game);
    EXPECT_EQ(c.lblM2Text, "<SSCONTRL0053>.10<SSCONTRL0054>");
    EXPECT_TRUE(c.Enabled.cmdLeaveOrbit && c.Enabled.cmdPhaser && c.Enabled.cmdPhoton);
    EXPECT_FALSE(c.Enabled.cmdEnterOrbit);
    EXPECT_EQ(tg.host.Events("refresh:SSPlanetView").size(), 1u);  // drawn once for planet 1

    // A belt: class letter "-", no frame, no weapons.
    c.OrbitPlanet = 0;
    c.SelectTag = "2";
    UpdateSelect(tg.game);
    EXPECT_EQ(c.lblM0Text, "<SSCONTRL0046>-<SSCONTRL0047> 0");
    EXPECT_FALSE(c.shpSelectVisible);
    EXPECT_EQ(c.lblM2Text, "<SSCONTRL0055>");
}

TEST(ConsoleEntryTest, ArrowsStepThroughTheBodies) {
    ConstantRandom rng(0.5f);
    ConsoleGame tg(rng);
    tg.WriteDescriptor("[1]\r\n[2]\r\n");
    tg.Enter();
    ConsoleState& c = tg.Console();
    lblPlanet_Click(tg.game, 2);
    EXPECT_EQ(c.SelectTag, "1");
    lblPlanet_Click(tg.game, 2);
    EXPECT_EQ(c.SelectTag, "2");
    const auto before = tg.host.events.size();
    lblPlanet_Click(tg.game, 2);  // the last planet: nothing
    EXPECT_EQ(tg.host.events.size(), before);
    lblPlanet_Click(tg.game, 0);
    lblPlanet_Click(tg.game, 0);
    EXPECT_EQ(c.SelectTag, "Star");
    c.Enabled.cmdLeaveOrbit = true;  // in orbit the arrows do nothing
    lblPlanet_Click(tg.game, 2);
    EXPECT_EQ(c.SelectTag, "Star");
}

TEST(ConsoleEntryTest, ThePickMeasuresFromTheStarsCentre) {
    ConstantRandom rng(0.5f);
    ConsoleGame tg(rng);
    tg.WriteDescriptor("[1]\r\n[2]\r\n");
    tg.Enter();
    ConsoleState& c = tg.Console();
    c.PlanetAngle[1] = 3.14159265358979;  // planet 1: orbit 600, on the left of the star
    c.PlanetAngle[2] = 0;                 // planet 2: orbit 700, size 6, on the right
    const double cx = kStarPictureLeft + kStarPictureSize / 2;
    const double cy = kStarPictureTop + kStarPictureSize / 2;
    picSolarSystem_MouseDown(tg.game, 1, 0, cx + 700 - 80, cy);
    EXPECT_EQ(c.SelectTag, "2");
    // Between the orbits, off both planets: the nearer orbit; exactly between: the lower number.
    picSolarSystem_MouseDown(tg.game, 1, 0, cx, cy + 640);
    EXPECT_EQ(c.SelectTag, "1");
    picSolarSystem_MouseDown(tg.game, 1, 0, cx, cy - 660);
    EXPECT_EQ(c.SelectTag, "2");
    picSolarSystem_MouseDown(tg.game, 1, 0, cx, cy + 650);
    EXPECT_EQ(c.SelectTag, "1");
    // Only the left button alone, and not in orbit.
    picSolarSystem_MouseDown(tg.game, 2, 0, cx + 700, cy);
    picSolarSystem_MouseDown(tg.game, 1, 1, cx + 700, cy);
    EXPECT_EQ(c.SelectTag, "1");
    c.OrbitPlanet = 1;
    picSolarSystem_MouseDown(tg.game, 1, 0, cx + 700, cy);
    picStar_Click(tg.game);
    EXPECT_EQ(c.SelectTag, "1");
}

TEST(ConsoleEntryTest, FlagDisplayInDebugMode) {
    ConstantRandom rng(0.5f);
    ConsoleGame tg(rng);
    tg.WriteDescriptor("[1]\r\n");
    ConsoleState& c = tg.Console();
    c.CurrentSystem = tg.System();
    c.OrbitPlanet = 1;
    tg.st.DebugMode = true;
    SetPlanetBit(c.CurrentSystem.Planets[0], 0, 1);
    SetPlanetBit(c.CurrentSystem.Planets[0], 7, 1);
    tmrFlag_Timer(tg.game);
    EXPECT_TRUE(c.pnlFlagsVisible);
    EXPECT_EQ(c.FlagColour[0], 64);
    EXPECT_EQ(c.FlagColour[1], static_cast<Long>(0x8000000F));
    EXPECT_EQ(c.FlagColour[7], 255);
    tg.game.SetTimer(Timer::frmSSControl_tmrFlag, true);
    c.OrbitPlanet = 0;
    tmrFlag_Timer(tg.game);
    EXPECT_FALSE(c.pnlFlagsVisible);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSSControl_tmrFlag));
}

}  // namespace
}  // namespace kv::test
