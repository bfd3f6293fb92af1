// Planet messages: lookup with the message-file fallback, the choice among a family, the
// condition codes, the runner (titles, placeholders, codes, effects) and the message timer.
#include <gtest/gtest.h>

#include "datafiles/SolarSystemFiles.h"
#include "explore/Console.h"
#include "support/ConsoleTestSupport.h"

namespace kv::test {
namespace {

// A game in orbit round planet 1 of the test system, the console's copy taken directly.
struct MessageGame : ConsoleGame {
    explicit MessageGame(Random& r) : ConsoleGame(r) {}
    void InOrbit(int n = 1) {
        ConsoleGame::InOrbit(n);
        Console().SSSystemName = "Testar";
    }
};

TEST(PlanetMessagesTest, TheDescriptorFirstTheMessageFileByStateCode) {
    ConstantRandom rng(0.5f);
    MessageGame tg(rng);
    tg.WriteDescriptor("[1]\r\nMessagesBeam=2\r\n");
    tg.WriteMessageFile("[01 00 11]\r\nInfo=Rings_of_ice\r\nMessagesBeam=7\r\n");
    // Planet 2's messages are not in the descriptor: its state code names the section.
    tg.System().Planets[1].PlanetValue4 = 16384 + 3 * 1024 + 2 * 256;
    tg.scratch.Write("program/SSDescriptor/Test.ssd",
                     "[General]\r\nMessages=10\r\n[1]\r\nMessagesBeam=2\r\n[2]\r\nMessagesBeam=9\r\n");
    tg.InOrbit();
    Game& g = tg.game;
    EXPECT_EQ(GetMessage(g, "MessagesBeam", 1), "2");
    EXPECT_EQ(GetMessage(g, "Info", 1), "ERR");  // neither file has it for planet 1's state
    EXPECT_EQ(GetMessage(g, "MessagesBeam", 2), "7");
    EXPECT_EQ(GetMessage(g, "Info", 2), "Rings_of_ice");
    EXPECT_EQ(GetMessage(g, "Missing", 1), "ERR");
    EXPECT_EQ(GetMessage(g, "MessagesBeam", 0), "");
    EXPECT_EQ(PlanetStateCode(16384 + 3 * 1024 + 2 * 256), "01 00 11");
}

TEST(PlanetMessagesTest, ChoosesOnlyAmongMessagesWhoseConditionsHold) {
    // Draws: slot 1's chance, slot 3's chance, then the choice: 0.9 gives slot 4 (empty), 0.6
    // slot 3.
    ScriptedRandom rng{0.4f, 0.0f, 0.9f, 0.6f};
    MessageGame tg(rng);
    tg.WriteDescriptor(
        "[1]\r\nMessageX1=%05\r\nMessageX2=%00Never\r\nMessageX3=%05Kept*-PT3\r\nMessageX4=Damaged*FS3\r\n");
    tg.InOrbit();
    // Slot 1 holds no text; slot 2's code never holds; slot 3's chance and stock hold; slot 4
    // needs a damaged system 3.
    EXPECT_EQ(ChooseMessage(tg.game, "MessageX", 4), 3);
    EXPECT_EQ(rng.Remaining(), 0u);
}

TEST(PlanetMessagesTest, AFamilyWithoutUsableTextGivesMinusOneOnce) {
    ScriptedRandom rng{0.1f};
    MessageGame tg(rng);
    // Code-only texts: a chance, a stock condition, a direction mark and a wait.
    tg.WriteDescriptor("[1]\r\nMessageX1=%05\r\nMessageX2=*-PT1\r\nMessageX3=%GN\r\nMessageX4=%W3   \r\n");
    tg.InOrbit();
    EXPECT_EQ(ChooseMessage(tg.game, "MessageX", 4), -1);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVBASIC0145>"});
    EXPECT_EQ(rng.Remaining(), 0u);

    // Every condition failing: the same.
    ScriptedRandom rng2{0.9f};
    MessageGame tg2(rng2);
    tg2.WriteDescriptor("[1]\r\nMessageX1=%05Chance\r\nMessageX2=%00Never\r\nMessageX3=Too many*-PT99\r\n");
    tg2.InOrbit();
    EXPECT_EQ(ChooseMessage(tg2.game, "MessageX", 3), -1);
    EXPECT_EQ(tg2.host.notices.size(), 1u);
}

TEST(PlanetMessagesTest, ConditionCodes) {
    ConstantRandom rng(0.5f);
    MessageGame tg(rng);
    tg.InOrbit();
    Game& g = tg.game;
    GameState& s = tg.st;
    PlanetEntry& p = tg.Console().CurrentSystem.Planets[0];
    p.PlanetValue4 = 2 * 256;  // energy class 2
    SetPlanetBit(p, 0, 1);     // "A"
    SetPlanetBit(p, 9, 1);     // "I"
    s.UpgradeTable = {0, 1, 2, 1, 1, 3};
    s.TechLevel = 2;
    struct Case {
        const char* code;
        bool holds;
    };
    const Case cases[] = {
        {"00", false}, {"FA", true},  {"fA", false}, {"FB", false}, {"fB", true},  {"FI", true},  {"FH", false},
        {"20", false}, {"22", true},  {"24", true},  {"25", true},  {"10", true},  {"11", false}, {"15", false},
        {"16", true},  {"26", true},  {"27", true},  {"30", false}, {"31", true},  {"32", false}, {"38", false},
        {"39", true},  {"45", false}, {"46", true},  {"47", false}, {"49", false}, {"51", true},  {"52", true},
        {"53", false}, {"54", true},  {"55", true},  {"56", false}, {"GN", true},  {"W3", true},  {"w3", true},
        {"ZZ", false}, {"60", false}, {"05", true},  {"06", true},  {"04", false},
    };
    for (const Case& c : cases) EXPECT_EQ(TestMessageCode(g, c.code), c.holds) << c.code;

    // The damage codes count 1 per damaged system and 10 per system out of action.
    s.SystemDamage[kShortRangeSensors] = 0.5f;
    EXPECT_TRUE(TestMessageCode(g, "47"));
    EXPECT_FALSE(TestMessageCode(g, "48"));
    EXPECT_FALSE(TestMessageCode(g, "51"));
    s.SystemDamage[kLongRangeSensors] = 7.0f;
    EXPECT_TRUE(TestMessageCode(g, "49"));
    EXPECT_FALSE(TestMessageCode(g, "50"));
    s.UpgradesOn = 1;
    EXPECT_FALSE(TestMessageCode(g, "52"));
    SetPlanetBit(p, 7, 1);
    EXPECT_TRUE(TestMessageCode(g, "45"));
    EXPECT_FALSE(TestMessageCode(g, "46"));
}

TEST(PlanetMessagesTest, RunShowsTitleTextAndTakesTheSituation) {
    ConstantRandom rng(0.5f);
    MessageGame tg(rng);
    tg.WriteDescriptor("[1]\r\nResponsesGreet=1\r\nResponseGreet1=Hello\r\n");
    tg.System().Planets[0].PlanetValue4 = 5;
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.Enabled.cmdHail = true;
    c.MessageSection = "Greet";
    RunMessage(tg.game, "%05%10$Envoy$  Welcome, %rk %NM of the %AN; the %an, %MV and %ZL wait.*RGreet ");
    EXPECT_EQ(c.lblMessage, "Envoy");
    EXPECT_EQ(c.Message, "Welcome, Captain Kim of the Alien5; the %an, Morv and Zarvoni wait.");
    EXPECT_TRUE(c.pnlMessageVisible && c.cmdRespondVisible && c.cmdIgnoreVisible);
    EXPECT_FALSE(c.Enabled.cmdHail);
    EXPECT_EQ(c.PendingAction, "Greet");
    EXPECT_EQ(c.cmdRespondCaption, "1");
    EXPECT_EQ(tg.st.InSolarSystem, kFalse);
    EXPECT_FALSE(tg.st.ScoreEligible);  // the test descriptor carries no mark

    // A "$" without its closing "$" is no title; "-" closes the panel.
    RunMessage(tg.game, "$5 credits");
    EXPECT_EQ(c.lblMessage, "<SSCONTRL0027>");
    EXPECT_EQ(c.Message, "$5 credits");
    RunMessage(tg.game, "-");
    EXPECT_FALSE(c.pnlMessageVisible);
    EXPECT_EQ(c.lblMessage, "<SSCONTRL0038>");
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
}

TEST(PlanetMessagesTest, BoxTitleShowsTheTextInAMessageBox) {
    ConstantRandom rng(0.5f);
    MessageGame tg(rng);
    tg.WriteDescriptor("[1]\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.Enabled.cmdHail = true;
    c.MessageSection = "Beam";
    c.PendingAction = "Hall0101";
    RunMessage(tg.game, "$BOX$The party is back.");
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"The party is back."});
    EXPECT_EQ(c.lblMessage, "<SSCONTRL0026>");
    EXPECT_FALSE(c.pnlMessageVisible);
    EXPECT_TRUE(c.Enabled.cmdHail);          // a boxed beam message leaves the hail
    EXPECT_EQ(c.PendingAction, "Hall0101");  // and a beam message the situation
}

TEST(PlanetMessagesTest, EffectsRunBeforeTheFirstStarOnly) {
    ConstantRandom rng(0.2f);
    MessageGame tg(rng);
    tg.WriteDescriptor("[1]\r\n");
    GameState& s = tg.st;
    s.MorvCountdown = 5;  // no Morv arrival test with the grants
    s.UpgradeTable = {0, 1, 1, 1, 1, 1};
    s.TechLevel = 5;
    s.ShieldLevel = 400;
    s.ShipEnergy = 1000;
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    RunMessage(tg.game, "Power at last.^EN");
    EXPECT_EQ(c.Message, "Power at last.<SSCONTRL0028>");
    EXPECT_EQ(s.UpgradeTable[1], 2);
    EXPECT_EQ(s.ShieldLevel, 0);
    EXPECT_EQ(s.ShipEnergy, s.MaxEnergy);

    // After a "*" the pair belongs to the code: no effect.
    s.ShipEnergy = 1000;
    RunMessage(tg.game, "Nothing.*M^EN");
    EXPECT_EQ(c.MessageSection, "^EN");
    EXPECT_EQ(s.ShipEnergy, 1000);
    EXPECT_EQ(s.UpgradeTable[1], 2);

    // "TB" with both stocks full asks for upgrade 4 (here at the technology limit, so it is
    // refused) and changes no stock.
    s.UpgradeTable[4] = 5;
    s.TorpedoStockClass1 = s.MaxTorpedoesClass1;
    s.TorpedoStockClass2 = s.MaxTorpedoesClass2;
    tg.host.notices.clear();
    RunMessage(tg.game, "Full.^TB");
    EXPECT_EQ(c.Message, "Full.");
    EXPECT_EQ(tg.host.notices.size(), 1u);
    EXPECT_EQ(s.TorpedoStockClass1, s.MaxTorpedoesClass1);

    // "TB" tops up the class-1 stock by a share of what is missing.
    s.TorpedoStockClass1 = 2;
    s.MaxTorpedoesClass1 = 10;
    s.TorpedoStockClass2 = s.MaxTorpedoesClass2;
    RunMessage(tg.game, "More.^TB");
    EXPECT_EQ(c.Message, "More.<SSCONTRL0031>");
    EXPECT_EQ(s.TorpedoStockClass1, 4);  // CInt(8 x 0.2 x 1.2 + 2) = 4
}

TEST(PlanetMessagesTest, TimerRunsAPlainLineOnTheFirstTickAndAWaitOnTickNPlusOne) {
    ConstantRandom rng(0.0f);
    MessageGame tg(rng);
    tg.WriteDescriptor(
        "[1]\r\nMessagesNow=1\r\nMessageNow1=At once.\r\nMessagesLater=1\r\nMessageLater1=%W3Later.\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    tg.game.SetTimer(Timer::frmSSControl_tmrMessage, true);
    c.MessageSection = "Now";
    c.MessageStep = 0;
    tg.Tick();
    EXPECT_EQ(c.Message, "At once.");
    EXPECT_EQ(c.MessageStep, kNoMessageStep);
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));

    EndMessage(tg.game);
    c.MessageSection = "Later";
    c.MessageStep = 0;
    for (int tick = 1; tick <= 3; ++tick) {
        tg.Tick();
        EXPECT_EQ(c.Message, "") << "tick " << tick;
    }
    tg.Tick();
    EXPECT_EQ(c.Message, "Later.");
    EXPECT_EQ(c.LineCode, "LAT");
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    // Nothing more runs until a new message is due.
    c.Message = "unchanged";
    tg.Tick(3);
    EXPECT_EQ(c.Message, "unchanged");
}

TEST(PlanetMessagesTest, TimerWaitsForAnOrbitAFamilyAndTheResponsesDialog) {
    ConstantRandom rng(0.0f);
    MessageGame tg(rng);
    tg.WriteDescriptor("[1]\r\nMessages=1\r\nMessage1=Hello.\r\nMessagesEmpty=1\r\nMessageEmpty1=%00No\r\n");
    ConsoleState& c = tg.Console();
    tg.InOrbit();
    c.OrbitPlanet = 0;
    c.MessageStep = 0;
    tg.Tick();
    EXPECT_EQ(c.Message, "");
    c.OrbitPlanet = 1;
    tg.host.visible.insert(Form::frmRespond);
    tg.Tick();
    EXPECT_EQ(c.Message, "");
    tg.host.visible.erase(Form::frmRespond);
    c.MessageSection = "None";  // no family: the tick plays nothing, and nothing stays due
    tg.Tick();
    EXPECT_EQ(c.MessageStep, kNoMessageStep);
    tg.game.SetTimer(Timer::frmSSControl_tmrMessage, true);
    c.MessageSection = "Empty";  // a family without a usable message: the box once, timer off
    c.MessageStep = 0;
    tg.Tick();
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<KVBASIC0145>"});
    EXPECT_FALSE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    EXPECT_EQ(c.MessageStep, kNoMessageStep);
    c.MessageSection = "";
    c.MessageStep = 0;
    tg.Tick();
    EXPECT_EQ(c.Message, "Hello.");
}

// A first orbit of a planet without arrival messages, then a beam: the beam's message (and its
// gift) comes once, not again on the next tick.
TEST(PlanetMessagesTest, ABeamAfterAnOrbitWithoutGreetingRunsItsMessageOnce) {
    ConstantRandom rng(0.0f);
    MessageGame tg(rng);
    tg.WriteDescriptor("[1]\r\nMessagesBeam=1\r\nMessageBeam1=$Landing$Crystals.*+EN150\r\n");
    ConsoleState& c = tg.Console();
    GameState& s = tg.st;
    tg.Enter();
    tg.Orbit(1);
    ASSERT_EQ(c.OrbitPlanet, 1);
    tg.Tick();  // no greeting
    const Long energy = s.ShipEnergy;
    cmdBeam_Click(tg.game);
    EXPECT_EQ(c.Message, "Crystals.");
    EXPECT_EQ(s.ShipEnergy, energy + 150);
    tg.Tick(3);
    EXPECT_EQ(s.ShipEnergy, energy + 150);
}

TEST(PlanetMessagesTest, TimerWaitsUntilTheGamesMessageWindowHasClosed) {
    ConstantRandom rng(0.0f);
    MessageGame tg(rng);
    tg.WriteDescriptor("[1]\r\nMessages=1\r\nMessage1=Hello.\r\n");
    ConsoleState& c = tg.Console();
    tg.InOrbit();
    c.MessageStep = 0;
    // Out of orbit the tick neither waits nor plays.
    c.OrbitPlanet = 0;
    tg.Tick();
    EXPECT_TRUE(tg.host.Events("waitmessage").empty());
    c.OrbitPlanet = 1;
    // The message plays only once the window has closed: nothing of it has run during the wait.
    tg.host.onWaitMessage = [&] { EXPECT_EQ(c.Message, ""); };
    tg.Tick();
    EXPECT_EQ(tg.host.Events("waitmessage").size(), 1u);
    EXPECT_EQ(c.Message, "Hello.");

    // An orbit left while the window showed plays nothing.
    EndMessage(tg.game);
    c.MessageStep = 0;
    tg.host.onWaitMessage = [&] { c.OrbitPlanet = 0; };
    tg.Tick();
    EXPECT_EQ(c.Message, "");
    EXPECT_EQ(c.MessageStep, 0);
}

}  // namespace
}  // namespace kv::test
