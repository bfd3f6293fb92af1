// Planet messages: fetching, choosing and running the scripts of the orbited planet, and the
// message queue timer that plays them.
#include <algorithm>
#include <vector>

#include "datafiles/SolarSystemFiles.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/ShipSystems.h"
#include "engine/turn/Time.h"
#include "engine/turn/Upgrades.h"
#include "explore/Console.h"
#include "explore/ConsoleText.h"
#include "state/Numeric.h"

namespace kv {

using namespace console;

std::string GetMessage(Game& g, const std::string& name, int planet) {
    const PlanetEntry* p = PlanetOf(g, planet);
    if (p == nullptr) return "";
    const std::string text = GetSSMessage(g, g.console.CurrentSystem.DescriptorName, planet, name);
    if (text == "NO" || (text == "ERR" && name == "Info"))
        return GetPlanetMessageFileText(g, PlanetStateCode(p->PlanetValue4), name);
    return text;
}

int ChooseMessage(Game& g, const std::string& prefix, int count) {
    if (count < 0) count = 0;
    std::vector<std::string> slots(static_cast<size_t>(count) + 1);
    // Only a slot left holding text can be chosen: a message made of nothing but codes counts
    // as unusable, as does one whose conditions fail.
    int usable = 0;
    for (int i = 1; i <= count; ++i) {
        std::string m = GetMessage(g, prefix + CStr(static_cast<long long>(i)), g.console.OrbitPlanet);
        bool failed = false;
        while (!failed && StartsWith(m, "%")) {
            if (!TestMessageCode(g, m.substr(1, 2)))
                failed = true;
            else
                m = m.size() > 3 ? m.substr(3) : std::string();
        }
        if (!failed) {
            m = Trim(m);
            std::string condition;
            while (NextCode(m, condition)) {
                if (!TestCondition(g, condition)) {
                    failed = true;
                    break;
                }
            }
        }
        if (failed) continue;
        slots[i] = m;
        if (!m.empty()) ++usable;
    }
    if (usable <= 0) {
        g.host.ShowNotice(g.Text("KVBASIC0145"), kOKOnly, false);
        return -1;
    }
    int j = 0;
    do {
        j = static_cast<int>(Int(g.RndExact() * count + 1));
    } while (j < 1 || j > count || slots[j].empty());
    return j;
}

bool TestMessageCode(Game& g, const std::string& code) {
    GameState& s = g.st;
    if (code == "00") return false;
    const char first = code.empty() ? '\0' : code[0];
    const char second = code.size() > 1 ? code[1] : '\0';
    const PlanetEntry* p = OrbitEntry(g);
    auto bit = [&](int n) { return p != nullptr && TestPlanetBit(*p, n) == 1; };
    if (first == 'F') return bit(NamedBit(second));
    if (first == 'f') return !bit(NamedBit(second));
    // Direction marks of responses and the waits of message lines.
    if (first == 'G' || first == 'W' || first == 'w') return true;

    const double v = Val(code);
    if (v != Int(v)) return false;
    const int n = static_cast<int>(v);
    const Long word = p != nullptr ? p->PlanetValue4 : 0;
    const int d = PlanetStateField(word, 256);
    int damage = 0;
    for (int i = 1; i <= 8; ++i) {
        if (s.SystemDamage[i] >= 7.0f)
            damage += 10;
        else if (s.SystemDamage[i] > 0.0f)
            damage += 1;
    }
    if (n >= 1 && n <= 9) return !(g.Rnd() * 10.0f > n);
    if (n >= 10 && n <= 14) return s.UpgradeTable[n - 9] == 1;
    if (n >= 15 && n <= 19) return s.UpgradeTable[n - 14] != 1;
    if (n >= 20 && n <= 23) return d == n - 20;
    if (n == 24) return d != 0;
    if (n == 25) return d >= 2;
    if (n >= 26 && n <= 30) return !(s.TechLevel < s.UpgradeTable[n - 25]);
    if (n >= 31 && n <= 37) return bit(n - 31);
    if (n >= 38 && n <= 44) return !bit(n - 38);
    if (n == 45) return bit(7);
    if (n == 46) return !bit(7);
    if (n == 47) return damage % 10 != 0;
    if (n == 48) return !(damage % 10 < 5);
    if (n == 49) return !(damage < 10);
    if (n == 50) return !(damage < 50);
    if (n == 51) return damage == 0;
    if (n == 52) return s.UpgradesOn == 0;
    if (n == 53) return s.MorvCountdownStarted != 0;
    if (n == 54) return s.MorvCountdownStarted == 0;
    if (n >= 55 && n <= 59) return !(s.TechLevel == s.UpgradeTable[n - 54]);
    return false;
}

namespace {

// The placeholders of a message, in the order the message runner fills them.
void FillPlaceholders(Game& g, std::string& msg, const PlanetEntry& p) {
    const GameState& s = g.st;
    ReplaceFirst(msg, "%AN", s.AlienNames[AlienNameIndex(p.PlanetValue4)]);
    ReplaceFirst(msg, "%NM", s.ConfigName);
    ReplaceFirst(msg, "%RK", s.CaptainName);
    ReplaceFirst(msg, "%MV", s.StrongEnemyText);
    ReplaceFirst(msg, "%ZL", s.EnemyText);
}

// The effect number of a pair after "^": its second character when that is a digit 1..9, else
// the pair's own number (0 for a pair not in the table).
int EffectNumber(const std::string& pair) {
    const int digit = pair.size() > 1 ? static_cast<int>(Val(pair.substr(1, 1))) : 0;
    if (digit >= 1 && digit <= 9) return digit;
    if (pair == "EN") return 1;
    if (pair == "SH") return 2;
    if (pair == "PT") return 3;
    if (pair == "TB") return 4;
    if (pair == "SN") return 5;
    return 0;
}

void RunEffect(Game& g, const std::string& pair) {
    GameState& s = g.st;
    ConsoleState& c = g.console;
    const int number = EffectNumber(pair);
    StartUpgrade(g, number);
    if (pair == "EN") {
        c.Message += g.Text("SSCONTRL0028");
        LowerShields(g);
        s.ShipEnergy = s.MaxEnergy;
    } else if (pair == "PT") {
        c.Message += g.Text("SSCONTRL0029");
        s.TorpedoStockClass2 = s.MaxTorpedoesClass2;
        if (s.TorpedoStockClass1 > s.MaxTorpedoesClass1) s.TorpedoStockClass1 = s.MaxTorpedoesClass1;
    } else if (pair == "TB") {
        if (s.TorpedoStockClass2 < s.MaxTorpedoesClass2) {
            c.Message += g.Text("SSCONTRL0030");
            s.TorpedoStockClass2 = s.MaxTorpedoesClass2;
        } else if (s.TorpedoStockClass1 < s.MaxTorpedoesClass1) {
            c.Message += g.Text("SSCONTRL0031");
            const double more = static_cast<double>(s.MaxTorpedoesClass1 - s.TorpedoStockClass1) * g.Rnd() * 1.2;
            s.TorpedoStockClass1 = std::min<Integer>(CInt(more + s.TorpedoStockClass1), s.MaxTorpedoesClass1);
        }
    }
    PassTime(g, static_cast<Single>(Int(g.RndExact() + 0.5)));
}

}  // namespace

void RunMessage(Game& g, const std::string& text) {
    GameState& s = g.st;
    ConsoleState& c = g.console;
    const PlanetEntry* planet = OrbitEntry(g);
    if (planet == nullptr) return;
    if (text == "-") {
        EndMessage(g);
        return;
    }
    s.ScoreEligible = VerifyMessageFiles(g, c.CurrentSystem.DescriptorName, c.OrbitPlanet) && s.ScoreEligible;

    std::string msg = text;
    while (StartsWith(msg, "%")) msg = msg.size() > 3 ? msg.substr(3) : std::string();

    bool box = false;
    const size_t second = StartsWith(msg, "$") ? msg.find('$', 1) : std::string::npos;
    if (second != std::string::npos) {
        const std::string title = msg.substr(1, second - 1);
        msg = msg.substr(second + 1);
        box = title == "BOX";
        c.lblMessage = box ? g.Text("SSCONTRL0026") : title;
    } else {
        // No title (a "$" without its closing "$" is part of the text).
        c.lblMessage = g.Text("SSCONTRL0027");
    }
    if (!(c.MessageSection == "Beam" && box)) c.Enabled.cmdHail = false;

    msg = " " + msg + " ";
    FillPlaceholders(g, msg, *planet);
    if (c.MessageSection != "Beam") c.PendingAction = c.MessageSection;

    std::string display = Trim(msg);
    display = display.substr(0, display.find('*'));
    display = display.substr(0, display.find('^'));
    if (!box) {
        c.Message = display;
        c.pnlMessageVisible = c.cmdRespondVisible = c.cmdIgnoreVisible = true;
        g.host.Refresh(View::SSConsole);
    } else {
        MessageBox(g, -1, display, 0);
    }

    msg = Trim(msg);
    std::string code;
    while (NextCode(msg, code)) {
        PlanetCombat(g, code);
        s.InSolarSystem = kFalse;
        if (!s.GameRunning) return;
    }
    if (s.ShipEnergy > s.MaxEnergy) {
        s.ShipEnergy = s.MaxEnergy;
        UpdateGeneralReport(g);
    }
    msg = " " + msg + " ";
    for (size_t at = msg.find('^'); at != std::string::npos; at = msg.find('^')) {
        const std::string pair = msg.substr(at + 1, 2);
        RunEffect(g, pair);
        msg.erase(at, 3);
    }
    UpdateGeneralReport(g);
    ShowResponses(g);
}

void EndMessage(Game& g) {
    ConsoleState& c = g.console;
    c.pnlMessageVisible = c.cmdRespondVisible = c.cmdIgnoreVisible = false;
    c.lblMessage = g.Text("SSCONTRL0038");
    c.Message.clear();
    g.SetTimer(Timer::frmSSControl_tmrMessage, true);
    g.host.Refresh(View::SSConsole);
}

namespace {

// A message line: a leading "%Wn" (any case) sets the wait and is taken off.
std::string TakeWait(ConsoleState& c, std::string line) {
    if (UCase(line.substr(0, 2)) == "%W") {
        c.WaitTicks = static_cast<Integer>(Val(line.substr(2, 1)));
        line = line.size() > 3 ? line.substr(3) : std::string();
    }
    return line;
}

}  // namespace

void tmrMessage_Timer(Game& g) {
    ConsoleState& c = g.console;
    if (c.OrbitPlanet == 0) return;
    // A message never runs under an open notice or the responses dialog: the game's one
    // message window is answered first. Leaving the orbit meanwhile ends the message.
    WaitForMessageClose(g);
    if (c.OrbitPlanet == 0) return;
    if (g.host.IsFormVisible(Form::frmRespond)) return;
    const std::string& section = c.MessageSection;
    if (c.MessageStep == 0) {
        const int count = static_cast<int>(RoundedValue(GetMessage(g, "Messages" + section, c.OrbitPlanet), 0, 32767));
        if (count == 0) {
            // The family has no message: nothing is due. Kept due, the tick would play whatever
            // family a later command runs itself (a beam's message a second time, its gifts
            // with it).
            c.MessageStep = kNoMessageStep;
            return;
        }
        const int step = ChooseMessage(g, "Message" + section, count);
        if (step < 1) {
            c.MessageStep = kNoMessageStep;
            g.SetTimer(Timer::frmSSControl_tmrMessage, false);
            return;
        }
        c.MessageStep = static_cast<Integer>(step);
        c.TickCounter = 0;
        c.WaitTicks = 0;
        c.CurrentLine =
            TakeWait(c, Trim(GetMessage(g, "Message" + section + CStr(static_cast<long long>(step)), c.OrbitPlanet)));
    } else if (c.MessageStep >= 1) {
        ++c.TickCounter;
        if (c.TickCounter < c.WaitTicks) return;
        const Integer wait = c.WaitTicks;
        c.CurrentLine = TakeWait(
            c, Trim(GetMessage(g, "Message" + section + CStr(static_cast<long long>(c.MessageStep)), c.OrbitPlanet)));
        c.WaitTicks = wait;
    } else {
        return;
    }
    if (c.TickCounter < c.WaitTicks) return;
    c.LineCode = UCase(c.CurrentLine.substr(0, 3));
    const std::string line = c.CurrentLine;
    RunMessage(g, line);
    c.MessageStep = kNoMessageStep;
    c.TickCounter = c.WaitTicks = 0;
    g.SetTimer(Timer::frmSSControl_tmrMessage, false);
}

}  // namespace kv
