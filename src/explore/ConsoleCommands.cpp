// The exploration console's commands: orbit, leave orbit, leave the system, beam down, hail,
// ignore, respond, phasers, a photon torpedo strike, shields, energy from the planet, notes.
#include <algorithm>
#include <cmath>

#include "datafiles/SolarSystemFiles.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/Shields.h"
#include "engine/turn/Condition.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Time.h"
#include "explore/Console.h"
#include "explore/ConsoleText.h"
#include "state/Notes.h"
#include "state/Numeric.h"

namespace kv {

using namespace console;

namespace {

Long TimeStamp(const GameState& s) { return CLng(static_cast<double>(s.TimeLeft) * 100); }

int SelectedNumber(const ConsoleState& c) { return static_cast<int>(Val(c.SelectTag)); }

// The messages of an event ("Beam", "Phaser"): the family of the event in front of the present
// section, else the bare event; a chosen message runs. False when the event has no message.
bool PlanetMessage(Game& g, const std::string& event) {
    ConsoleState& c = g.console;
    auto countOf = [&] {
        return static_cast<int>(RoundedValue(GetMessage(g, "Messages" + c.MessageSection, c.OrbitPlanet), 0, 32767));
    };
    c.MessageSection = event + c.MessageSection;
    int count = countOf();
    if (count < 1) {
        c.MessageSection = event;
        count = countOf();
    }
    if (count < 1) return false;
    const int chosen = ChooseMessage(g, "Message" + c.MessageSection, count);
    if (chosen >= 1)
        RunMessage(g,
                   GetMessage(g, "Message" + c.MessageSection + CStr(static_cast<long long>(chosen)), c.OrbitPlanet));
    return true;
}

// The ship leaves the star for a neighbouring sector: a random step, turned back at the edge
// of the quadrant. An occupied target gives way, twice at most: the row step is dropped, else
// the column step. Where that leaves no step or a taken sector, the ship takes the first free
// neighbour in the order N, NE, E, SE, S, SW, W, NW; with none free it stays.
void LeaveStar(Game& g) {
    GameState& s = g.st;
    int dr = 0, dc = 0;
    while (dr == 0 && dc == 0) {
        dr = static_cast<int>(Int(g.RndExact() * 3 - 1));
        dc = static_cast<int>(Int(g.RndExact() * 3 - 1));
    }
    const int row = s.ShipSectorRow, col = s.ShipSectorCol;
    if (!InGrid(row + dr)) dr = -dr;
    if (!InGrid(col + dc)) dc = -dc;
    auto freeAt = [&](int r, int k) { return InGrid(r) && InGrid(k) && s.SectorGrid[r][k] <= 0; };
    for (int test = 0; test < 2 && !freeAt(row + dr, col + dc); ++test) {
        if (dr != 0)
            dr = 0;
        else
            dc = 0;
    }
    if ((dr == 0 && dc == 0) || !freeAt(row + dr, col + dc)) {
        static const int kRow[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
        static const int kCol[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        dr = dc = 0;
        for (int i = 0; i < 8; ++i) {
            if (freeAt(row + kRow[i], col + kCol[i])) {
                dr = kRow[i];
                dc = kCol[i];
                break;
            }
        }
    }
    if (dr == 0 && dc == 0) return;
    // The ship's own cell shows the star again; the new cell shows the ship.
    if (s.SectorGrid[row][col] == kShip) s.SectorGrid[row][col] = FindSolarSystem(g, row, col) > 0 ? kStar : kEmpty;
    s.ShipSectorRow = static_cast<Integer>(row + dr);
    s.ShipSectorCol = static_cast<Integer>(col + dc);
    s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kShip;
}

// Every command ends with the keyboard focus on the hidden button cmdGoat, so that no command
// button keeps it and a key does not repeat the command.
void CommandCarriedOut(Game& g) { g.console.GoatFocus = true; }

}  // namespace

void cmdEnterOrbit_Click(Game& g) {
    CommandCarriedOut(g);
    GameState& s = g.st;
    ConsoleState& c = g.console;
    const int n = SelectedNumber(c);
    const PlanetEntry* target = PlanetOf(g, n);
    if (target == nullptr || n > c.SSPlanetCount) return;
    if (target->PlanetValue5 == 0) {
        MessageBox(g, -1, g.Text("SSCONTRL0011"));
        return;
    }
    if (n == c.OrbitPlanet) {
        MessageBox(g, -1, g.Text("SSCONTRL0012"));
        return;
    }
    SolarSystemRecord* rec = VisitedSystem(g);
    if (c.OrbitPlanet != 0 && rec != nullptr) {
        PlanetEntry& left = rec->Planets[c.OrbitPlanet - 1];
        left.PlanetFlag = TimeStamp(s);
        left.PlanetBits = c.CurrentSystem.Planets[c.OrbitPlanet - 1].PlanetBits;
        c.CurrentSystem = *rec;
    }
    c.OrbitPlanet = static_cast<Integer>(n);
    c.EnergyTaken = 0;
    const std::string name = GetPlanetName(g, c.CurrentSystem.DescriptorName, n, c.SSSystemName);
    c.pnlOrbitingCaption = name + g.Text("SSCONTRL0013");
    c.pnlOrbitingVisible = true;
    PrintOutput(g, name + g.Text("SSCONTRL0014"));

    const PlanetEntry& p = c.CurrentSystem.Planets[n - 1];
    if (p.PlanetValue5 >= 9 && PlanetStateField(p.PlanetValue4, 16384) >= 1 && p.PlanetFlag == 0) {
        MessageBox(g, 8, g.Text("SSCONTRL0015") + s.NewLine + g.Text("SSCONTRL0016"));
        s.ScoreCounterC = Clamp16(static_cast<long long>(s.ScoreCounterC) + 1);
    }
    PassTime(g, 0.01f);
    UpdateGeneralReport(g);

    if (p.PlanetFlag == 0)
        c.MessageSection.clear();
    else
        c.MessageSection =
            static_cast<double>(p.PlanetFlag) - static_cast<double>(s.TimeLeft) * 100 >= 100 ? "Returned" : "Back";
    c.PendingAction.clear();
    const bool selected = SelectedNumber(c) == c.OrbitPlanet;
    c.Enabled.cmdHail = c.Enabled.cmdBeam = selected && c.MessageSection != "Back";
    c.Enabled.cmdEnergy = selected;
    c.MessageStep = 0;
    UpdateSelect(g);
    g.SetTimer(Timer::frmSSControl_tmrFlag, s.DebugMode);
}

void cmdLeaveOrbit_Click(Game& g) {
    CommandCarriedOut(g);
    GameState& s = g.st;
    ConsoleState& c = g.console;
    if (c.OrbitPlanet == 0) {
        MessageBox(g, -1, g.Text("SSCONTRL0018"));
        return;
    }
    ShowMap(g, false);
    c.EnergyTaken = 0;
    if (SolarSystemRecord* rec = VisitedSystem(g)) {
        PlanetEntry& left = rec->Planets[c.OrbitPlanet - 1];
        left.PlanetFlag = TimeStamp(s);
        left.PlanetBits = c.CurrentSystem.Planets[c.OrbitPlanet - 1].PlanetBits;
        c.CurrentSystem = *rec;
    }
    c.OrbitPlanet = 0;
    c.pnlOrbitingCaption.clear();
    PrintOutput(g, g.Text("SSCONTRL0019"));
    c.pnlOrbitingVisible = false;
    PassTime(g, 0.01f);
    UpdateGeneralReport(g);
    EndMessage(g);
    const bool selected = SelectedNumber(c) == c.OrbitPlanet;
    c.Enabled.cmdHail = c.Enabled.cmdBeam = c.Enabled.cmdEnergy = selected;
    UpdateSelect(g);
}

void cmdExit_Click(Game& g) {
    CommandCarriedOut(g);
    static const char* const kSource = "SSControl : cmdExit_Click";
    GameState& s = g.st;
    ConsoleState& c = g.console;
    Guarded(g, kSource, "LeaveOrbit", [&] {
        c.DrawTag.clear();
        c.DrawingsCleared = true;
        if (c.OrbitPlanet != 0) cmdLeaveOrbit_Click(g);
        c.EnergyTaken = 0;
        c.pnlOrbitingVisible = false;
    });
    Guarded(g, kSource, "VisitTime", [&] {
        // The time of the visit belongs to the system at the ship's sector, when there is one.
        if (SolarSystemRecord* rec = VisitedSystem(g)) rec->SystemValue3 = TimeStamp(s);
        EndMessage(g);
    });
    Guarded(g, kSource, "Move", [&] { LeaveStar(g); });
    Guarded(g, kSource, "Close", [&] {
        // Nothing of this system stays on the console for the next visit to show.
        ClearConsoleTexts(c);
        c.DrawingsCleared = true;
        g.host.Refresh(View::SSConsole);
        c.Visiting = false;
        g.SetTimer(Timer::frmSSControl_tmrMessage, false);
        g.SetTimer(Timer::frmSSControl_tmrFlag, false);
        g.host.HideForm(Form::frmSSControl);
    });
}

void cmdBeam_Click(Game& g) {
    CommandCarriedOut(g);
    if (g.console.OrbitPlanet == 0) return;
    if (!PlanetMessage(g, "Beam")) {
        MessageBox(g, -1, g.Text("SSCONTRL0001"));
        g.console.Enabled.cmdBeam = false;
    }
}

void cmdHail_Click(Game& g) {
    CommandCarriedOut(g);
    ConsoleState& c = g.console;
    c.Enabled.cmdHail = false;
    if (c.OrbitPlanet == 0) return;
    const long long count = RoundedValue(GetMessage(g, "ResponsesHail", c.OrbitPlanet), 0, 32767);
    if (count > 0) {
        c.PendingAction = "Hail";
        // The hail's own responses are the ones the dialog offers.
        ShowResponses(g);
        cmdRespond_Click(g);
    } else {
        MessageBox(g, -1, g.Text("SSCONTRL0017"));
    }
}

void cmdIgnore_Click(Game& g) {
    CommandCarriedOut(g);
    ConsoleState& c = g.console;
    EndMessage(g);
    c.MessageSection = "Ignore" + c.MessageSection;
    c.PendingAction.clear();
    c.MessageStep = 0;
}

void cmdRespond_Click(Game& g) {
    CommandCarriedOut(g);
    ConsoleState& c = g.console;
    if (Val(c.cmdRespondCaption) == 0) {
        MessageBox(g, -1, g.Text("SSCONTRL0025"));
        return;
    }
    g.host.RunModal(Form::frmRespond);
    if (!c.RespondTag.empty()) ProcessResponse(g);
}

void rcmdAction_Click(Game& g, int index) {
    ConsoleState& c = g.console;
    if (index < 0 || index >= static_cast<int>(c.Actions.size()) || c.Actions[index].Tag.empty()) return;
    c.RespondTag = c.Actions[index].Tag;
    ProcessResponse(g);
}

void cmdPhaser_Click(Game& g) {
    CommandCarriedOut(g);
    GameState& s = g.st;
    ConsoleState& c = g.console;
    if (c.OrbitPlanet == 0) return;
    if (s.SystemDamage[kPhasers] != 0.0f) {
        PlaySound(g, "NOTRESP.WAV");
        return;
    }
    const double reserve = Val(s.LibShieldReserve);
    if (reserve + 500 > s.ShipEnergy) {
        MessageBox(g, -1, g.Text("SSCONTRL0020"));
        return;
    }
    if (MessageQuery(g, -1, g.Text("SSCONTRL0021"), kYesNo + kQuestion) == kNo) return;
    s.ShipEnergy -= 500;
    ResetActions(c);
    c.ChosenAction = -1;
    PlaySound(g, "PHASER.WAV");
    Pause(g, 0.6);
    PlanetMessage(g, "Phaser");
}

void cmdPhoton_Click(Game& g) {
    CommandCarriedOut(g);
    GameState& s = g.st;
    ConsoleState& c = g.console;
    const int p = c.OrbitPlanet;
    if (p == 0) return;
    if (s.SystemDamage[kTorpedoes] != 0.0f) {
        PlaySound(g, "NOTRESP.WAV");
        return;
    }
    const Integer needed = c.CurrentSystem.Planets[p - 1].PlanetValue2;
    if (needed > s.TorpedoStockClass1) {
        MessageBox(g, -1, g.Text("SSCONTRL0022"));
        c.Enabled.cmdPhoton = false;
        return;
    }
    if (MessageQuery(g, -1, g.Text("SSCONTRL0023"), kYesNo + kExclamation) == kNo) return;
    s.TorpedoStockClass1 = static_cast<Integer>(s.TorpedoStockClass1 - needed);
    for (int i = 0; i < needed; ++i) {
        PlaySound(g, "TORPEDO.WAV");
        Pause(g, 0.4);
    }
    if (SolarSystemRecord* rec = VisitedSystem(g)) {
        PlanetEntry& e = rec->Planets[p - 1];
        const Integer size = e.PlanetValue2;
        const int energy = PlanetStateField(e.PlanetValue4, 256);
        e.PlanetValue2 = 0;
        e.PlanetValue5 = size == 1 ? 4 : 0;
        if (size == 1) {
            const double a = g.Rnd(), b = g.Rnd(), d = g.Rnd();
            e.PlanetValue4 = 256 * (static_cast<Long>(Int(a + b + d * energy)) % 3);
        } else {
            e.PlanetValue4 = 0;
        }
        e.PlanetFlag = 0;
        e.PlanetValue3 = 0;
        c.CurrentSystem = *rec;
    }
    c.pnlOrbitingVisible = false;
    PassTime(g, 0.05f);
    const std::string log =
        g.Text("SSCONTRL0024") + GetPlanetName(g, c.CurrentSystem.DescriptorName, p, c.SSSystemName) + "!";
    PlaySound(g, "SBDESTRD.WAV");
    cmdLeaveOrbit_Click(g);
    PrintOutput(g, log);
    c.DrawTag.clear();
    UpdateSelect(g);
}

void cmdShields_Click(Game& g) {
    CommandCarriedOut(g);
    if (g.st.SystemDamage[kShields] == 0.0f)
        SetShields(g, 0);
    else
        PlaySound(g, "NOTRESP.WAV");
}

void cmdEnergy_Click(Game& g) {
    CommandCarriedOut(g);
    GameState& s = g.st;
    ConsoleState& c = g.console;
    const PlanetEntry* p = PlanetOf(g, SelectedNumber(c));
    if (p == nullptr) return;
    const int energyClass = PlanetStateField(p->PlanetValue4, 256);
    if (energyClass == 0) {
        MessageBox(g, -1, g.Text("SSCONTRL0002"));
        c.Enabled.cmdEnergy = false;
        return;
    }
    const long long room = static_cast<long long>(s.MaxEnergy) - (static_cast<long long>(s.ShieldLevel) + s.ShipEnergy);
    if (room <= 0) {
        // Full, the shields' energy counted: there is nothing to draw into.
        MessageBox(g, -1, g.Text("SSCONTRL0003"));
        c.Enabled.cmdEnergy = false;
        return;
    }
    const Single t = s.SSChanceTable[energyClass];
    const int d =
        PlanetStateField(p->PlanetValue4, 16384) == 2 ? std::max(PlanetStateField(p->PlanetValue4, 1024), 1) : 1;
    const Single rate = t / static_cast<Single>(d);
    Single offer = static_cast<Single>(Int(static_cast<double>(t) * room / d + 0.99 + 0.5) / 100);
    bool capped = false;
    if (offer > c.EnergyTaken && c.EnergyTaken > 0) {
        offer = c.EnergyTaken;
        capped = true;
    }
    const std::string& nl = s.NewLine;
    const std::string prompt = g.Text("SSCONTRL0004") + nl + Format(rate, ".00") + g.Text("SSCONTRL0005") + nl +
                               g.Text("SSCONTRL0006") + Trim(Str(static_cast<long>(s.ShieldLevel) + s.ShipEnergy)) +
                               g.Text("SSCONTRL0007");
    Single start = 1, factor = 0.01f;
    const Single amount =
        static_cast<Single>(SetupNumberDialog(g, prompt, "", g.Text("SSCONTRL0008"), start, 0, offer, factor));
    if (!(amount > 0)) {
        g.console.GoatFocus = false;  // nothing drawn: the focus stays where it is
        return;
    }
    if (capped) {
        c.EnergyTaken = CInt(static_cast<double>(c.EnergyTaken) - amount);
        if (c.EnergyTaken <= 0) {
            c.Enabled.cmdEnergy = false;
            c.EnergyTaken = 0;
        }
    }
    PrintOutput(g, g.Text("SSCONTRL0009") + Trim(Str(amount)) + g.Text("SSCONTRL0010"));
    s.ShipEnergy = CLng(static_cast<double>(s.ShipEnergy) + static_cast<double>(amount / rate * 100));
    if (static_cast<long long>(s.ShieldLevel) + s.ShipEnergy > s.MaxEnergy) s.ShipEnergy = s.MaxEnergy - s.ShieldLevel;
    PassTime(g, amount);
    UpdateGeneralReport(g);
    UpdateBaseReport(g);
    ShowStarbaseStatus(g);
    UpdateBars(g);
    UpdateCommandState(g);
}

void cmdRecord_Click(Game& g) {
    CommandCarriedOut(g);
    ConsoleState& c = g.console;
    if (SolarSystemRecord* rec = VisitedSystem(g)) {
        rec->Notes = Trim(c.txtNotes);
        c.txtNotes = rec->Notes;
    }
    c.Enabled.cmdRecord = false;
    if (g.options.chkNotes) SaveNotes(g, g.st.ConfigName);
}

void cmdReset_Click(Game& g) {
    CommandCarriedOut(g);
    ConsoleState& c = g.console;
    const SolarSystemRecord* rec = VisitedSystem(g);
    c.txtNotes = rec != nullptr ? rec->Notes : std::string();
    c.Enabled.cmdRecord = false;
}

}  // namespace kv
