// The exploration console's commands: orbits, energy from a planet, hail, phasers, the photon
// strike, notes and leaving the system.
#include <gtest/gtest.h>

#include "datafiles/SolarSystemFiles.h"
#include "explore/Console.h"
#include "platform/Codepage.h"
#include "platform/Strings.h"
#include "support/ConsoleTestSupport.h"

namespace kv::test {
namespace {

struct CommandGame : ConsoleGame {
    explicit CommandGame(Random& r) : ConsoleGame(r) {}
    // In orbit round planet n, named and selected.
    void InOrbit(int n = 1) {
        ConsoleGame::InOrbit(n);
        Console().SSSystemName = "Testar";
        Console().SelectTag = std::to_string(n);
    }
    // The number dialog answers with `number` and keeps what it was shown.
    void AnswerNumber(const std::string& number) {
        host.modal[Form::frmGetNumber] = [this, number] {
            shown = game.numberDialog;
            game.numberDialog.lblNumber = number;
            return kOK;
        };
    }
    NumberDialogData shown;
};

TEST(ConsoleCommandsTest, EnergyOfferAndDraw) {
    ConstantRandom rng(0.5f);
    CommandGame tg(rng);
    GameState& s = tg.st;
    tg.System().Planets[0].PlanetValue4 = 256;  // energy class 1, state class 0
    s.MaxEnergy = 5000;
    s.ShieldLevel = 200;
    s.ShipEnergy = 3800;  // room 1000
    tg.InOrbit();
    tg.AnswerNumber("5.01");
    cmdEnergy_Click(tg.game);
    // Offer Int(0.5 x 1000 + 0.99 + 0.5) / 100 = 5.01 game time, at 0.50 per 100 units.
    EXPECT_EQ(tg.shown.Max, 501);
    EXPECT_EQ(tg.shown.Min, 0);
    EXPECT_EQ(tg.shown.ScaleFactor, "0.01");
    EXPECT_EQ(tg.shown.lblNumber, "1");
    EXPECT_EQ(tg.shown.lblUnit, "<SSCONTRL0008>");
    EXPECT_EQ(tg.shown.lblMessage, "<SSCONTRL0004>\r\n.50<SSCONTRL0005>\r\n<SSCONTRL0006>4000<SSCONTRL0007>");
    // Spending all of it buys 1002 units, of which the ship keeps what fits beside the shields.
    EXPECT_EQ(s.ShipEnergy, 4800);
    EXPECT_FLOAT_EQ(s.TimeLeft, 44.99f);
    EXPECT_EQ(tg.host.output.back(), "<SSCONTRL0009>5.01<SSCONTRL0010>");
    EXPECT_EQ(tg.host.Events("refresh:").back(), "refresh:CommandState");

    // Part of the offer: 2.5 time units buy 500 units.
    s.ShipEnergy = 3000;
    tg.AnswerNumber("2.5");
    cmdEnergy_Click(tg.game);
    EXPECT_EQ(s.ShipEnergy, 3500);

    EXPECT_TRUE(tg.Console().GoatFocus);  // a draw ends with the focus on the hidden button

    // Cancelled: nothing changes, and the focus is not moved either.
    tg.AnswerNumber("99999");
    const auto output = tg.host.output.size();
    cmdEnergy_Click(tg.game);
    EXPECT_EQ(s.ShipEnergy, 3500);
    EXPECT_EQ(tg.host.output.size(), output);
    EXPECT_FALSE(tg.Console().GoatFocus);
}

TEST(ConsoleCommandsTest, AnAllowanceCapsEachOfferAndRunsOut) {
    ConstantRandom rng(0.5f);
    CommandGame tg(rng);
    GameState& s = tg.st;
    // State class 2 with divisor 2: the rate is halved (0.25 per 100 units).
    tg.System().Planets[0].PlanetValue4 = 2 * 16384 + 2 * 1024 + 256;
    s.ShipEnergy = 1000;
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.EnergyTaken = 3;
    c.Enabled.cmdEnergy = true;
    tg.AnswerNumber("2");
    cmdEnergy_Click(tg.game);
    EXPECT_EQ(tg.shown.Max, 300);
    EXPECT_EQ(c.EnergyTaken, 1);
    EXPECT_EQ(s.ShipEnergy, 1800);
    tg.AnswerNumber("1");
    cmdEnergy_Click(tg.game);
    EXPECT_EQ(c.EnergyTaken, 0);
    EXPECT_FALSE(c.Enabled.cmdEnergy);
}

TEST(ConsoleCommandsTest, EnergyRefusals) {
    struct Case {
        Long state, energy;
        Integer shields;
        const char* notice;
    };
    const Case cases[] = {
        {0, 1000, 0, "<SSCONTRL0002>"},      // energy class 0
        {256, 5000, 0, "<SSCONTRL0003>"},    // full
        {256, 4900, 100, "<SSCONTRL0003>"},  // full with the shields' energy
        {256, 4900, 300, "<SSCONTRL0003>"},  // over full
    };
    for (const Case& k : cases) {
        ConstantRandom rng(0.5f);
        CommandGame tg(rng);
        tg.System().Planets[0].PlanetValue4 = k.state;
        tg.st.ShipEnergy = k.energy;
        tg.st.ShieldLevel = k.shields;
        tg.InOrbit();
        tg.Console().Enabled.cmdEnergy = true;
        cmdEnergy_Click(tg.game);  // no number dialog is scripted: none may open
        EXPECT_EQ(tg.host.notices, std::vector<std::string>{k.notice});
        EXPECT_FALSE(tg.Console().Enabled.cmdEnergy);
        EXPECT_EQ(tg.st.ShipEnergy, k.energy);
    }
}

TEST(ConsoleCommandsTest, LeavingMovesToAFreeNeighbour) {
    // On the star at (1, 1): the draws step to (0, 0), turned back into the grid as (2, 2),
    // where a hostile stands; E (1, 2) holds a star: the first free neighbour is S, (2, 1).
    ScriptedRandom rng{0.0f, 0.0f};
    CommandGame tg(rng);
    GameState& s = tg.st;
    s.SectorGrid[4][4] = kEmpty;
    s.ShipSectorRow = s.ShipSectorCol = 1;
    tg.System().SectorRow = tg.System().SectorCol = 1;
    s.SectorGrid[1][1] = kStar;
    s.SectorGrid[1][2] = kStar;
    s.SectorGrid[2][2] = kZarvoni;
    cmdExit_Click(tg.game);
    EXPECT_EQ(s.ShipSectorRow, 2);
    EXPECT_EQ(s.ShipSectorCol, 1);
    EXPECT_EQ(s.SectorGrid[2][1], kShip);
    EXPECT_EQ(s.SectorGrid[1][1], kStar);
    EXPECT_EQ(tg.System().SystemValue3, 5000);
    EXPECT_TRUE(tg.host.Saw("hide:frmSSControl"));

    // All neighbours taken: the ship stays.
    ScriptedRandom rng2{0.9f, 0.9f};
    CommandGame tg2(rng2);
    for (int r = 3; r <= 5; ++r)
        for (int k = 3; k <= 5; ++k) tg2.st.SectorGrid[r][k] = kStar;
    cmdExit_Click(tg2.game);
    EXPECT_EQ(tg2.st.ShipSectorRow, 4);
    EXPECT_EQ(tg2.st.ShipSectorCol, 4);

    // Both steps 0 are drawn again; the visit time goes only to a system at the ship's sector.
    ScriptedRandom rng3{0.5f, 0.5f, 0.9f, 0.0f};
    CommandGame tg3(rng3);
    tg3.st.ShipSectorRow = tg3.st.ShipSectorCol = 6;
    cmdExit_Click(tg3.game);
    EXPECT_EQ(tg3.st.ShipSectorRow, 7);
    EXPECT_EQ(tg3.st.ShipSectorCol, 5);
    EXPECT_EQ(tg3.System().SystemValue3, 0);
    EXPECT_EQ(rng3.Remaining(), 0u);
}

TEST(ConsoleCommandsTest, LeavingGivesWayOnTheRowThenOnTheColumn) {
    // The ship on the star at (4, 4). An occupied target first drops the row step, then (tested
    // once more) the column step; only where that leaves no step, or a taken sector, does the
    // ship take the first free neighbour (N, NE, E, ...).
    struct Case {
        float drawRow, drawCol;  // 0.9 gives the step +1, 0.5 the step 0, 0.0 the step -1
        std::vector<std::pair<int, int>> taken;
        int row, col;
    };
    const Case cases[] = {
        {0.9f, 0.9f, {{5, 5}}, 4, 5},                  // the diagonal taken: the column step stays
        {0.0f, 0.9f, {{3, 5}}, 4, 5},                  // likewise upwards
        {0.9f, 0.0f, {{5, 3}, {4, 3}}, 3, 4},          // both taken: no step left, the first free neighbour
        {0.9f, 0.5f, {{5, 4}}, 3, 4},                  // a row step alone, taken: no step left
        {0.9f, 0.9f, {}, 5, 5},                        // free: the drawn step
    };
    for (const Case& k : cases) {
        ScriptedRandom rng{k.drawRow, k.drawCol};
        CommandGame tg(rng);
        for (const auto& [r, c] : k.taken) tg.st.SectorGrid[r][c] = kStar;
        cmdExit_Click(tg.game);
        EXPECT_EQ(tg.st.ShipSectorRow, k.row) << k.drawRow << " " << k.drawCol;
        EXPECT_EQ(tg.st.ShipSectorCol, k.col) << k.drawRow << " " << k.drawCol;
    }
}

TEST(ConsoleCommandsTest, OrbitsChooseFirstReturnedOrBackMessages) {
    ConstantRandom rng(0.5f);
    CommandGame tg(rng);
    GameState& s = tg.st;
    tg.WriteDescriptor("[1]\r\n[2]\r\n");
    tg.System().Planets[0].PlanetValue4 = 16384;  // state class 1, class 9: a notable planet
    ConsoleState& c = tg.Console();
    tg.InOrbit();
    c.OrbitPlanet = 0;
    c.SelectTag = "1";
    cmdEnterOrbit_Click(tg.game);
    EXPECT_EQ(c.OrbitPlanet, 1);
    EXPECT_EQ(c.MessageSection, "");
    EXPECT_EQ(c.MessageStep, 0);
    EXPECT_TRUE(c.Enabled.cmdHail && c.Enabled.cmdBeam && c.Enabled.cmdEnergy && c.Enabled.cmdLeaveOrbit);
    EXPECT_FALSE(c.Enabled.cmdEnterOrbit);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<SSCONTRL0015>\r\n<SSCONTRL0016>"});
    EXPECT_EQ(s.ScoreCounterC, 1);
    EXPECT_EQ(c.pnlOrbitingCaption, "Alpha<SSCONTRL0013>");
    EXPECT_EQ(tg.host.output.front(), "Alpha<SSCONTRL0014>");
    cmdEnterOrbit_Click(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<SSCONTRL0012>");

    // Leaving writes the time into the system's record; a quick return gives "Back".
    SetPlanetBit(c.CurrentSystem.Planets[0], 3, 1);
    cmdLeaveOrbit_Click(tg.game);
    EXPECT_EQ(c.OrbitPlanet, 0);
    EXPECT_EQ(tg.System().Planets[0].PlanetFlag, 4999);
    EXPECT_EQ(TestPlanetBit(tg.System().Planets[0], 3), 1);  // the flags go back to the record
    EXPECT_FALSE(c.Enabled.cmdHail || c.Enabled.cmdBeam || c.Enabled.cmdEnergy);
    cmdEnterOrbit_Click(tg.game);
    EXPECT_EQ(c.MessageSection, "Back");
    EXPECT_FALSE(c.Enabled.cmdHail || c.Enabled.cmdBeam);
    EXPECT_TRUE(c.Enabled.cmdEnergy);
    EXPECT_EQ(s.ScoreCounterC, 1);  // only the first orbit counts

    cmdLeaveOrbit_Click(tg.game);
    s.TimeLeft -= 1.0f;
    cmdEnterOrbit_Click(tg.game);
    EXPECT_EQ(c.MessageSection, "Returned");

    // A belt cannot be orbited; leaving without an orbit only says so.
    cmdLeaveOrbit_Click(tg.game);
    tg.System().Planets[1].PlanetValue5 = 0;
    c.CurrentSystem = tg.System();
    c.SelectTag = "2";
    cmdEnterOrbit_Click(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<SSCONTRL0011>");
    const auto events = tg.host.events.size();
    cmdLeaveOrbit_Click(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<SSCONTRL0018>");
    EXPECT_EQ(tg.host.events.size(), events + 1);
}

TEST(ConsoleCommandsTest, HailOffersItsOwnResponsesBeforeTheDialog) {
    ConstantRandom rng(0.0f);
    CommandGame tg(rng);
    tg.WriteDescriptor("[1]\r\nResponsesHail=2\r\nResponseHail1=Peace*MPeace\r\nResponseHail2=War*MWar\r\n[2]\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.Enabled.cmdHail = true;
    std::vector<RespondOption> offered;
    tg.host.modal[Form::frmRespond] = [&] {
        offered = c.RespondOptions;
        c.RespondTag = "2";
        return kOK;
    };
    cmdHail_Click(tg.game);
    EXPECT_FALSE(c.Enabled.cmdHail);
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].Caption, "Peace");
    EXPECT_EQ(c.MessageSection, "War");

    // No hail responses: a notice; nothing to respond to: another.
    tg.InOrbit(2);
    cmdHail_Click(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<SSCONTRL0017>");
    c.cmdRespondCaption = "0";
    cmdRespond_Click(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<SSCONTRL0025>");
}

TEST(ConsoleCommandsTest, IgnoreClosesTheMessageAndPlaysThePlanetsIgnoreMessage) {
    ConstantRandom rng(0.0f);
    CommandGame tg(rng);
    tg.WriteDescriptor("[1]\r\nMessagesIgnoreBack=1\r\nMessageIgnoreBack1=Suit yourself.\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.MessageSection = "Back";
    c.PendingAction = "Hail";
    c.Message = "Welcome back.";
    c.pnlMessageVisible = c.cmdIgnoreVisible = true;
    c.MessageStep = kNoMessageStep;
    cmdIgnore_Click(tg.game);
    EXPECT_EQ(c.Message, "");
    EXPECT_FALSE(c.pnlMessageVisible || c.cmdIgnoreVisible);
    EXPECT_EQ(c.MessageSection, "IgnoreBack");
    EXPECT_EQ(c.PendingAction, "");
    EXPECT_EQ(c.MessageStep, 0);
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmSSControl_tmrMessage));
    tg.Tick();
    EXPECT_EQ(c.Message, "Suit yourself.");
}

TEST(ConsoleCommandsTest, ShieldsAnswerOnlyWithoutAnyDamage) {
    for (float damage : {0.0f, 0.1f, 7.5f}) {
        SCOPED_TRACE(damage);
        ConstantRandom rng(0.0f);
        CommandGame tg(rng);
        tg.InOrbit();
        tg.st.SystemDamage[kShields] = damage;
        tg.host.modal[Form::frmSHE] = [] { return kOK; };
        cmdShields_Click(tg.game);
        EXPECT_EQ(tg.host.Saw("modal:frmSHE"), damage == 0.0f);
        EXPECT_EQ(tg.Sounds(), damage == 0.0f ? std::vector<std::string>{} : std::vector<std::string>{"NOTRESP.WAV"});
    }
}

TEST(ConsoleCommandsTest, BeamFallsBackToTheBareMessageAndIsRefusedWithoutOne) {
    ConstantRandom rng(0.0f);
    CommandGame tg(rng);
    // Planet 1 has only the bare beam message; planet 2 has none.
    tg.WriteDescriptor("[1]\r\nMessagesBeam=1\r\nMessageBeam1=Sand everywhere.\r\n[2]\r\nInfo=Bare.\r\n");
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.MessageSection = "Back";
    c.Enabled.cmdBeam = true;
    cmdBeam_Click(tg.game);
    EXPECT_EQ(c.MessageSection, "Beam");
    EXPECT_EQ(c.Message, "Sand everywhere.");
    EXPECT_TRUE(c.Enabled.cmdBeam);
    EXPECT_TRUE(tg.host.notices.empty());

    tg.InOrbit(2);
    c.Message.clear();
    cmdBeam_Click(tg.game);
    EXPECT_EQ(tg.host.notices, std::vector<std::string>{"<SSCONTRL0001>"});
    EXPECT_FALSE(c.Enabled.cmdBeam);
    EXPECT_EQ(c.Message, "");
}

TEST(ConsoleCommandsTest, PhasersNeedTheSystemAndTheEnergy) {
    ConstantRandom rng(0.0f);
    CommandGame tg(rng);
    GameState& s = tg.st;
    tg.WriteDescriptor("[1]\r\nMessagesPhaser=1\r\nMessagePhaser1=They fire back.*H100\r\n");
    tg.InOrbit();
    s.SystemDamage[kPhasers] = 0.1f;
    cmdPhaser_Click(tg.game);
    EXPECT_EQ(tg.Sounds(), std::vector<std::string>{"NOTRESP.WAV"});
    s.SystemDamage[kPhasers] = 0;
    s.LibShieldReserve = "100";
    s.ShipEnergy = 599;
    cmdPhaser_Click(tg.game);
    EXPECT_EQ(tg.host.notices.back(), "<SSCONTRL0020>");
    s.ShipEnergy = 600;
    tg.host.answers = {kNo};
    cmdPhaser_Click(tg.game);
    EXPECT_EQ(s.ShipEnergy, 600);
    EXPECT_EQ(tg.host.styles.back(), kYesNo + kQuestion);
    tg.host.answers = {kYes};
    cmdPhaser_Click(tg.game);
    EXPECT_EQ(s.ShipEnergy, 100);
    EXPECT_EQ(tg.Console().Message, "They fire back.");
    EXPECT_EQ(tg.Sounds(), (std::vector<std::string>{"NOTRESP.WAV", "PHASER.WAV", "ZHIT.WAV"}));
}

TEST(ConsoleCommandsTest, PhotonStrikeDestroysThePlanet) {
    // Size 1: a class-4 world whose energy class is Int(Rnd + Rnd + Rnd x e) Mod 3.
    ScriptedRandom rng{0.5f, 0.5f, 0.4f};
    CommandGame tg(rng);
    GameState& s = tg.st;
    tg.WriteDescriptor("[1]\r\n[2]\r\n");
    tg.System().Planets[0] = ConsoleGame::Planet(600, 1, 3, 3 * 256 + 16384 + 7, 9);
    SetPlanetBit(tg.System().Planets[0], 5, 1);
    tg.InOrbit();
    tg.host.answers = {kYes};
    cmdPhoton_Click(tg.game);
    const PlanetEntry& p = tg.System().Planets[0];
    EXPECT_EQ(p.PlanetValue2, 0);
    EXPECT_EQ(p.PlanetValue5, 4);
    EXPECT_EQ(p.PlanetValue4, 256 * 2);  // Int(0.5 + 0.5 + 0.4 x 3) Mod 3 = 2, nothing else
    EXPECT_EQ(p.PlanetValue3, 0);
    EXPECT_EQ(TestPlanetBit(p, 5), 1);
    EXPECT_EQ(s.TorpedoStockClass1, 5);
    EXPECT_EQ(tg.Console().OrbitPlanet, 0);
    EXPECT_EQ(tg.host.output.back(), "<SSCONTRL0024>Alpha!");
    EXPECT_EQ(tg.host.styles.front(), kYesNo + kExclamation);

    // A larger planet becomes an asteroid belt; too few torpedoes refuse the strike.
    ConstantRandom rng2(0.5f);
    CommandGame tg2(rng2);
    tg2.WriteDescriptor("[1]\r\n[2]\r\n");
    tg2.InOrbit(2);  // size 6
    tg2.st.TorpedoStockClass1 = 5;
    cmdPhoton_Click(tg2.game);
    EXPECT_EQ(tg2.host.notices.back(), "<SSCONTRL0022>");
    EXPECT_FALSE(tg2.Console().Enabled.cmdPhoton);
    tg2.st.TorpedoStockClass1 = 6;
    tg2.host.answers = {kYes};
    cmdPhoton_Click(tg2.game);
    EXPECT_EQ(tg2.System().Planets[1].PlanetValue5, 0);
    EXPECT_EQ(tg2.System().Planets[1].PlanetValue4, 0);
    EXPECT_EQ(tg2.st.TorpedoStockClass1, 0);
    EXPECT_EQ(rng2.Count(), 0u);
}

TEST(ConsoleCommandsTest, NotesGoToTheSystemsRecord) {
    ConstantRandom rng(0.5f);
    CommandGame tg(rng);
    tg.InOrbit();
    ConsoleState& c = tg.Console();
    c.txtNotes = "  Friendly.  ";
    txtNotes_Change(tg.game);
    EXPECT_TRUE(c.Enabled.cmdRecord);
    cmdRecord_Click(tg.game);
    EXPECT_EQ(tg.System().Notes, "Friendly.");
    EXPECT_EQ(c.txtNotes, "Friendly.");
    EXPECT_EQ(c.CurrentSystem.Notes, "");
    EXPECT_FALSE(c.Enabled.cmdRecord);
    c.txtNotes = "changed";
    cmdReset_Click(tg.game);
    EXPECT_EQ(c.txtNotes, "Friendly.");
}

TEST(ConsoleCommandsTest, NotesHoldTwoHundredCharacters) {
    struct Case {
        size_t length;
        int key;
        size_t after;
        int keyAfter;
        bool beep;
    };
    const Case cases[] = {
        {199, 13, 201, 0, false},                               // Enter adds the line separator
        {200, 13, 200, 0, true},     {199, 9, 200, 0, false},   // Tab adds a tab
        {200, 'a', 200, 0, true},    {205, 'a', 200, 0, true},  // cut back to 200
        {199, 'a', 199, 'a', false}, {200, 8, 200, 8, false},   // control keys pass
    };
    // The limit counts characters: a note of accented letters holds as many as a plain one,
    // and is never cut inside a letter.
    for (const std::string letter : {"x", "\xC3\xA9"}) {
        for (const Case& k : cases) {
            std::string text;
            for (size_t i = 0; i < k.length; ++i) text += letter;
            int key = k.key;
            EXPECT_EQ(txtNotes_KeyPress(text, key, "\r\n"), k.beep) << letter << k.length << " " << k.key;
            EXPECT_EQ(CharCount(text), k.after) << letter << k.length << " " << k.key;
            EXPECT_TRUE(IsValidUtf8(text)) << letter << k.length << " " << k.key;
            EXPECT_EQ(key, k.keyAfter) << letter << k.length << " " << k.key;
        }
    }
}

}  // namespace
}  // namespace kv::test
