// The exploration console: the start of a visit, the selection of a body and the information
// panel, the pick in the system picture, the planet-flag display and the notes box.
#include <algorithm>
#include <cmath>
#include <limits>

#include "datafiles/SolarSystemFiles.h"
#include "engine/computer/Displays.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Time.h"
#include "explore/Console.h"
#include "explore/ConsoleText.h"
#include "state/CommandLine.h"
#include "state/Numeric.h"

namespace kv {

using console::OrbitEntry;
using console::PlanetOf;

// ---- Helpers shared by the console's files ------------------------------------------------------

namespace console {

long long RoundedValue(const std::string& text, long long lo, long long hi) {
    const double v = Val(text);
    if (std::isnan(v)) return lo < 0 && hi > 0 ? 0 : lo;
    if (v <= static_cast<double>(lo)) return lo;
    if (v >= static_cast<double>(hi)) return hi;
    // Halves to even, as the game rounds.
    return static_cast<long long>(std::nearbyint(v));
}

PlanetEntry* PlanetOf(Game& g, int planet) {
    if (planet < 1 || planet > 10) return nullptr;
    return &g.console.CurrentSystem.Planets[planet - 1];
}

PlanetEntry* OrbitEntry(Game& g) { return PlanetOf(g, g.console.OrbitPlanet); }

}  // namespace console

int PlanetStateField(Long word, Long weight) {
    const long long q = static_cast<long long>(std::floor(static_cast<double>(word) / weight));
    return static_cast<int>(((q % 4) + 4) % 4);
}

int AlienNameIndex(Long word) { return static_cast<int>(((word % 256) + 256) % 256); }

std::string PlanetStateCode(Long word) {
    static const char* const kDigits[4] = {"00", "01", "10", "11"};
    return std::string(kDigits[PlanetStateField(word, 16384)]) + " " + kDigits[PlanetStateField(word, 4096)] + " " +
           kDigits[PlanetStateField(word, 1024)];
}

int NamedBit(char c) {
    int i = static_cast<unsigned char>(c) - 'A';
    if (i < 0) i = static_cast<int>(Val(std::string(1, c))) + 26;
    if (i >= 8) i = i + 1;
    return i;
}

SolarSystemRecord* VisitedSystem(Game& g) {
    GameState& s = g.st;
    if (!InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol)) return nullptr;
    const int n = FindSolarSystem(g, s.ShipSectorRow, s.ShipSectorCol);
    if (n < 1) return nullptr;
    return &s.StarSystem(s.ShipQuadrantRow, s.ShipQuadrantCol, n);
}

// ---- The visit ---------------------------------------------------------------------------------

void ClearConsoleTexts(ConsoleState& c) {
    c.lblM0Title.clear();
    c.lblM1Title.clear();
    c.lblM2Title.clear();
    c.lblM0Text.clear();
    c.lblM1Text.clear();
    c.lblM2Text.clear();
    c.lblLib.clear();
    c.lblName.clear();
}

void ConsoleFormLoad(Game& g) {
    ConsoleState& c = g.console;
    ClearConsoleTexts(c);
    c.DrawingsCleared = true;
    c.BadPlanets = ToFlag(!HasSwitch(g.commandLine, "/BADPLANETS"));
}

void ActivateConsole(Game& g) {
    GameState& s = g.st;
    ConsoleState& c = g.console;
    if (!s.EnteringSystem) return;
    s.EnteringSystem = kFalse;
    c.Visiting = true;
    InitSS(g);
    g.host.Refresh(View::SSConsole);
    if (!c.Visiting) return;  // no system here: already left
    if (c.CurrentSystem.PlanetCount == 0) {
        MessageBox(g, 9, g.Text("SSCONTRL0033"));
        if (g.MessageSuppressed[9]) {
            // The player stays on the empty system until the exit command.
            c.OrbitPlanet = 0;
            return;
        }
        cmdExit_Click(g);
        return;  // the visit has ended; the exit stopped the console's timers
    }
    c.OrbitPlanet = 0;
    c.EnergyTaken = 0;
    g.SetTimer(Timer::frmSSControl_tmrMessage, true);
    g.SetTimer(Timer::frmSSControl_tmrFlag, s.DebugMode);
}

void InitSS(Game& g) {
    static const char* const kSource = "SSCONTROL : InitSS";
    GameState& s = g.st;
    ConsoleState& c = g.console;
    Guarded(g, kSource, "Start", [&] {
        ShowMap(g, false);
        c.pnlM0Visible = false;
        c.plblM0Title.clear();
        c.plblM0Text.clear();
        // A new visit starts without a message, a situation or responses of an earlier one.
        c.OrbitPlanet = 0;
        c.EnergyTaken = 0;
        c.MessageStep = kNoMessageStep;
        c.MessageSection.clear();
        c.PendingAction.clear();
        c.ResponseCodes.assign(1, std::string());
        c.RespondOptions.clear();
        c.RespondTag.clear();
        c.cmdRespondCaption.clear();
        c.ChosenAction = -1;
        c.TickCounter = c.WaitTicks = 0;
        c.pnlMessageVisible = c.cmdRespondVisible = c.cmdIgnoreVisible = false;
        c.pnlOrbitingVisible = false;
        c.pnlOrbitingCaption.clear();
        ResetActions(c);
    });
    const SolarSystemRecord* rec = VisitedSystem(g);
    if (rec == nullptr) {
        cmdExit_Click(g);
        return;
    }
    Guarded(g, kSource, "Copy", [&] {
        c.CurrentSystem = *rec;
        c.SSStarType = c.CurrentSystem.SystemValue2;
        c.SSPlanetCount = std::clamp<Integer>(c.CurrentSystem.PlanetCount, 0, 10);
    });
    Guarded(g, kSource, "Angles", [&] {
        // Every visit finds the planets at new places on their orbits.
        for (int i = 1; i <= c.SSPlanetCount; ++i)
            c.PlanetAngle[i] = static_cast<double>(g.Rnd()) * 2 * 3.14159265358979;
    });
    Guarded(g, kSource, "Draw", [&] { DrawSystem(g); });
    Guarded(g, kSource, "Name", [&] {
        c.SSSystemName = Trim(c.CurrentSystem.Name);
        c.lblName = c.SSSystemName;
    });
    Guarded(g, kSource, "Select", [&] {
        cmdReset_Click(g);
        c.SelectTag = "Star";
        UpdateSelect(g);
    });
    Guarded(g, kSource, "Goal", [&] {
        if (c.CurrentSystem.SystemValue3 != 0) return;
        s.GoalProgress = Clamp16(static_cast<long long>(s.GoalProgress) + 1);
        for (int i = 1; i <= c.SSPlanetCount; ++i) {
            if (PlanetStateField(c.CurrentSystem.Planets[i - 1].PlanetValue4, 16384) == 2) {
                s.GoalSystemsDone = Clamp16(static_cast<long long>(s.GoalSystemsDone) + 1);
                break;
            }
        }
    });
    Guarded(g, kSource, "Time", [&] {
        PassTime(g, 0.02f);
        UpdateGeneralReport(g);
    });
}

void DrawSystem(Game& g) {
    ConsoleState& c = g.console;
    for (int i = 1; i <= c.SSPlanetCount; ++i) {
        const PlanetEntry& p = c.CurrentSystem.Planets[i - 1];
        c.PlanetOrbitRadius[i] = p.PlanetValue1;
        c.PlanetDrawSize[i] = p.PlanetValue2;
        c.PlanetColour[i] = g.st.SSCountTable[std::clamp<int>(p.PlanetValue5, 0, 14)];
    }
    c.DrawingsCleared = false;
    g.host.Refresh(View::SSSystemView);
}

namespace {

void UpdateStarSelection(Game& g) {
    ConsoleState& c = g.console;
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    c.shpNoHSVisible = false;
    c.shpSelectVisible = true;
    c.lblM0Title = g.Text("SSCONTRL0058") + c.SSSystemName;
    c.lblM0Text.clear();
    // The class description belongs to a planet: the star's panel shows none under its spectrum.
    c.lblLib.clear();
    DrawSystem(g);
    c.DrawTag.clear();
    g.host.Refresh(View::SSSpectrum);
    c.Enabled.cmdEnterOrbit = c.Enabled.cmdLeaveOrbit = c.Enabled.cmdHail = c.Enabled.cmdBeam = false;
    c.Enabled.cmdEnergy = c.Enabled.cmdPhaser = c.Enabled.cmdPhoton = false;
    c.lblM1Title = g.Text("SSCONTRL0059") + c.SSSystemName;
    const std::string starName = GetPlanetName(g, c.CurrentSystem.DescriptorName, 0, c.SSSystemName);
    c.lblM1Text = g.Text("SSCONTRL0060") + CStr(static_cast<long long>(CountFlaggedPlanets(c.CurrentSystem))) + nl +
                  g.Text("SSCONTRL0061") +
                  (starName != "Not Used" ? starName : s.SSTexts9[std::clamp<int>(c.SSStarType, 0, 8)]);
    c.lblM2Title = g.Text("SSCONTRL0062");
    if (c.CurrentSystem.SystemValue3 != 0)
        c.lblM2Text = Format(static_cast<double>(c.CurrentSystem.SystemValue3) / 100 - s.TimeLeft, "0.000") +
                      g.Text("SSCONTRL0064");
    else
        c.lblM2Text = g.Text("SSCONTRL0063");
}

void UpdatePlanetSelection(Game& g, int n) {
    ConsoleState& c = g.console;
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    const PlanetEntry& p = c.CurrentSystem.Planets[n - 1];
    const bool orbiting = n == c.OrbitPlanet;
    if (p.PlanetValue2 != 0) {
        c.shpSelectVisible = true;
        c.Enabled.cmdPhaser = c.Enabled.cmdPhoton = orbiting;
    } else {
        c.shpSelectVisible = p.PlanetValue5 != 0;
        c.Enabled.cmdPhaser = c.Enabled.cmdPhoton = false;
    }
    c.Enabled.cmdEnterOrbit = !orbiting;
    c.Enabled.cmdLeaveOrbit = orbiting;
    const int c1 = PlanetStateField(p.PlanetValue4, 16384);
    const int c3 = PlanetStateField(p.PlanetValue4, 1024);
    const int c4 = PlanetStateField(p.PlanetValue4, 256);
    if (c1 == 2 && c.EnergyTaken == 0) c.Enabled.cmdEnergy = false;

    const int cls = std::clamp<int>(p.PlanetValue5, 0, 14);
    const std::string letter = cls == 0 ? "-" : std::string(1, static_cast<char>(64 + cls));
    c.lblM0Title.clear();
    c.lblM0Text.clear();
    c.lblLib.clear();
    c.lblM1Title.clear();
    c.lblM1Text.clear();
    c.lblM2Title.clear();
    c.lblM2Text.clear();
    g.host.Refresh(View::SSConsole);
    DrawSystem(g);

    c.lblM0Title = g.Text("SSCONTRL0050") + GetPlanetName(g, c.CurrentSystem.DescriptorName, n, c.SSSystemName);
    c.lblM0Text = g.Text("SSCONTRL0046") + letter + g.Text("SSCONTRL0047") + Str(p.PlanetValue3);
    if (c.SelectTag != c.DrawTag) {
        c.DrawTag = c.SelectTag;
        g.host.Refresh(View::SSPlanetView);
    }
    c.shpNoHSVisible = !VerifyMessageFiles(g, c.CurrentSystem.DescriptorName, n);
    c.lblLib = g.Text("SSCONTRL0048") + letter + ":" + nl + s.SSTextPairs[cls][0] + " " + s.SSTextPairs[cls][1];
    c.lblM1Title = g.Text("SSCONTRL0049");
    std::string info = GetMessage(g, "Info", n);
    std::replace(info.begin(), info.end(), '_', ' ');
    c.lblM1Text = info;
    c.lblM2Title = g.Text("SSCONTRL0051");
    if (!orbiting) {
        c.lblM2Text = c4 >= 2 ? g.Text("SSCONTRL0056") + nl + g.Text("SSCONTRL0057") : g.Text("SSCONTRL0055");
    } else if (c4 == 0) {
        c.lblM2Text = g.Text("SSCONTRL0052") + nl;
    } else {
        const int d = c1 == 2 ? std::max(c3, 1) : 1;
        c.lblM2Text = g.Text("SSCONTRL0053") + Format(s.SSChanceTable[c4] / d, ".00") + g.Text("SSCONTRL0054");
    }
}

}  // namespace

void UpdateSelect(Game& g) {
    ConsoleState& c = g.console;
    const int n = static_cast<int>(Val(c.SelectTag));
    if (n < 1 || n > c.SSPlanetCount)
        UpdateStarSelection(g);
    else
        UpdatePlanetSelection(g, n);
    g.host.Refresh(View::SSConsole);
}

// ---- Selection handlers ---------------------------------------------------------------------------

void picStar_Click(Game& g) {
    if (g.console.OrbitPlanet != 0) return;
    g.console.SelectTag = "Star";
    UpdateSelect(g);
}

void lblPlanet_Click(Game& g, int index) {
    ConsoleState& c = g.console;
    if (c.Enabled.cmdLeaveOrbit) return;
    const int current = static_cast<int>(Val(c.SelectTag));
    const int next = std::min(current + index - 1, static_cast<int>(c.SSPlanetCount));
    if (next == current) return;
    c.SelectTag = next < 1 ? "Star" : CStr(static_cast<long long>(next));
    UpdateSelect(g);
}

void picSolarSystem_MouseDown(Game& g, int button, int shift, double x, double y) {
    ConsoleState& c = g.console;
    if (c.SSPlanetCount < 1 || c.OrbitPlanet != 0 || button != 1 || shift != 0) return;
    const double k = kTwipsPerPixel;
    const double cx = std::floor(kStarPictureLeft + kStarPictureSize / 2.0);
    const double cy = std::floor(kStarPictureTop + kStarPictureSize / 2.0);
    const double d = std::sqrt((cx - x) * (cx - x) + (cy - y) * (cy - y));
    int chosen = 0;
    double best = std::numeric_limits<double>::infinity();
    for (int i = 1; i <= c.SSPlanetCount; ++i) {
        const double r = c.PlanetOrbitRadius[i];
        const double reach = (c.PlanetDrawSize[i] + 1) * k;
        // The planet's place is measured from the star's centre, as it is drawn.
        if (std::fabs(x - cx - r * std::cos(c.PlanetAngle[i])) <= reach &&
            std::fabs(y - cy - r * std::sin(c.PlanetAngle[i])) <= reach) {
            chosen = i;
            break;
        }
        const double miss = std::fabs(d - r);
        if (miss < best) {
            best = miss;
            chosen = i;
        }
    }
    c.SelectTag = CStr(static_cast<long long>(chosen));
    UpdateSelect(g);
}

// ---- Planet-flag display ------------------------------------------------------------------------

void tmrFlag_Timer(Game& g) {
    ConsoleState& c = g.console;
    const PlanetEntry* p = OrbitEntry(g);
    if (p == nullptr) {
        g.SetTimer(Timer::frmSSControl_tmrFlag, false);
        c.pnlFlagsVisible = false;
        g.host.Refresh(View::SSConsole);
        return;
    }
    c.pnlFlagsVisible = g.st.DebugMode;
    for (int i = 0; i < 8; ++i) {
        const Long red = static_cast<Long>(Int(i / 7.0 * 191 + 64));
        c.FlagColour[i] = TestPlanetBit(*p, i) ? red : static_cast<Long>(0x8000000F);
    }
    g.host.Refresh(View::SSConsole);
}

// ---- Notes --------------------------------------------------------------------------------------

void txtNotes_Change(Game& g) { g.console.Enabled.cmdRecord = true; }

std::string FirstCharacters(const std::string& text, size_t count) {
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == count) return text.substr(0, i);
        ++chars;
    }
    return text;
}

bool txtNotes_KeyPress(std::string& text, int& keyAscii, const std::string& newLine) {
    // The limit is in characters: an accented letter takes two bytes of the text.
    const bool full = CharCount(text) >= kNotesLimit;
    auto cut = [&] { text = FirstCharacters(text, kNotesLimit); };
    if (keyAscii == 13 || keyAscii == 10 || keyAscii == 9) {
        const bool tab = keyAscii == 9;
        keyAscii = 0;
        if (!full) {
            text += tab ? std::string("\t") : newLine;
            return false;
        }
        cut();
        return true;
    }
    if (keyAscii > 31 && full) {
        keyAscii = 0;
        cut();
        return true;
    }
    return false;
}

}  // namespace kv
