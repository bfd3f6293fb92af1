// The trailing codes of planet messages and responses: planet fire, damage and repairs, flag
// bits, treaties, stocks, time and retrofit slots, the next message and situation; and the
// same codes read as conditions while a message is chosen.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "datafiles/SolarSystemFiles.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/Damage.h"
#include "engine/turn/Time.h"
#include "explore/Console.h"
#include "explore/ConsoleText.h"
#include "state/Numeric.h"

namespace kv {

using namespace console;

namespace {

// The run of upper-case letters at the start of the text.
std::string FieldCode(const std::string& text) {
    size_t n = 0;
    while (n < text.size() && std::isupper(static_cast<unsigned char>(text[n]))) ++n;
    return text.substr(0, n);
}

// A ship system number 0..8 from the text, or -1 when it names none.
int SystemNumber(const std::string& text) {
    const double v = Val(text);
    if (!(v >= 0 && v <= 8)) return -1;
    return static_cast<int>(std::nearbyint(v));
}

// Repairs a ship system: system 1..8, or 0 for a random one that is a candidate (damaged but
// working for "FS", out of action for "F!S").
void RepairSystem(Game& g, int system, bool outOfAction, const char* key) {
    GameState& s = g.st;
    auto candidate = [&](int j) {
        if (j < 1 || j > 8) return false;
        const Single d = s.SystemDamage[j];
        return outOfAction ? d >= 7.0f : (d > 0.0f && d < 7.0f);
    };
    if (system == 0) {
        Single sum = 0;
        for (int j = 1; j <= 8; ++j) {
            const Single d = s.SystemDamage[j];
            if (outOfAction ? d >= 7.0f : d < 7.0f) sum += d;
        }
        if (sum == 0.0f) return;
        bool any = false;
        for (int j = 1; j <= 8; ++j) any = any || candidate(j);
        if (!any) return;
        int j = 0;
        do {
            j = static_cast<int>(Int(g.RndExact() * 8.99));
        } while (!candidate(j));
        system = j;
    }
    PrintOutput(g, s.SystemNames[system] + g.Text(key));
    s.SystemDamage[system] = 0;
}

void FlagOperation(Game& g, const std::string& code) {
    PlanetEntry* p = OrbitEntry(g);
    if (p == nullptr || code.size() < 3) return;
    const int bit = NamedBit(code[2]);
    switch (code[0]) {
        case 'S': SetPlanetBit(*p, bit, 1); break;
        case 'C': SetPlanetBit(*p, bit, 0); break;
        case 'T': SetPlanetBit(*p, bit, TestPlanetBit(*p, bit) == 0 ? 1 : 0); break;
        default: break;
    }
}

// A value kept within lo..hi and rounded to a whole number.
long long Bounded(double v, double lo, double hi) {
    if (std::isnan(v)) v = lo;
    return static_cast<long long>(std::nearbyint(std::clamp(v, lo, hi)));
}

void StockChange(Game& g, const std::string& code) {
    GameState& s = g.st;
    const double sign = code[0] == '-' ? -1.0 : 1.0;
    const std::string field = FieldCode(code.substr(1));
    if (field.empty()) {
        MessageBox(g, -1, g.Text("SSCONTRL0042") + code, 0);
        return;
    }
    double amount = Val(code.substr(1 + field.size()));
    if (!std::isfinite(amount)) amount = 0;
    const double change = sign * amount;
    constexpr double kLongMax = std::numeric_limits<Long>::max();
    if (field == "PTU") {
        s.TorpedoStockClass2 = static_cast<Integer>(Bounded(s.TorpedoStockClass2 + change, 0, s.MaxTorpedoesClass2));
    } else if (field == "PT") {
        s.TorpedoStockClass1 = static_cast<Integer>(Bounded(s.TorpedoStockClass1 + change, 0, s.MaxTorpedoesClass1));
    } else if (field == "PO") {
        s.Probes = static_cast<Integer>(Bounded(s.Probes + change, 0, s.MaxProbes));
    } else if (field == "EN") {
        s.ShipEnergy = static_cast<Long>(Bounded(s.ShipEnergy + change, 0, kLongMax));
    } else if (field == "ENM") {
        s.MaxEnergy = static_cast<Long>(Bounded(s.MaxEnergy + change, 1000, kLongMax));
    } else if (field == "TI") {
        PassTime(g, static_cast<Single>(-std::clamp(change, -1e6, 1e6)));
    } else {
        UpdateGeneralReport(g);
    }
}

// The alien name of the orbited planet.
std::string AlienName(Game& g) {
    const PlanetEntry* p = OrbitEntry(g);
    return g.st.AlienNames[AlienNameIndex(p != nullptr ? p->PlanetValue4 : 0)];
}

}  // namespace

void PlanetCombat(Game& g, const std::string& code) {
    GameState& s = g.st;
    ConsoleState& c = g.console;
    s.InSolarSystem = kTrue;
    if (code.empty()) {
        UpdateGeneralReport(g);
        return;
    }
    const char first = code[0];
    const std::string rest1 = code.substr(1);
    if (first == 'M') {
        c.MessageSection = rest1;
    } else if (first == 'R') {
        c.PendingAction = rest1;
    } else if (first == 'A') {
        c.EnergyTaken = static_cast<Integer>(RoundedValue(rest1, 0, 32767));
        c.Enabled.cmdEnergy = true;
    } else if (first == 'H') {
        PlaySound(g, "ZHIT.WAV");
        ShieldHit(g, static_cast<long>(RoundedValue(rest1, 0, 32767)));
    } else if (StartsWith(code, "DS")) {
        const int system = SystemNumber(code.substr(2));
        if (system < 0) return;
        PlaySound(g, "PHASER.WAV");
        DamageSystem(g, static_cast<int>(Int(g.RndExact() * 250 + 50)), system);
    } else if (StartsWith(code, "D!S")) {
        const int system = SystemNumber(code.substr(3));
        if (system < 0) return;
        PlaySound(g, "ZSBSHOOT.WAV");
        DestroySystem(g, system);
    } else if (StartsWith(code, "SP")) {
        const double v = Val(code.substr(2));
        if (!(v >= 0 && v <= 5)) return;
        Integer& slot = s.RetrofitSlots[static_cast<size_t>(std::nearbyint(v))];
        slot = Clamp16(static_cast<long long>(slot) + 1);
    } else if (StartsWith(code, "FALL")) {
        s.SystemDamage.fill(0);
        PrintOutput(g, g.Text("SSCONTRL0039"));
    } else if (StartsWith(code, "FS")) {
        const int system = SystemNumber(code.substr(2));
        if (system >= 0) RepairSystem(g, system, false, "SSCONTRL0040");
    } else if (StartsWith(code, "F!S")) {
        const int system = SystemNumber(code.substr(3));
        if (system >= 0) RepairSystem(g, system, true, "SSCONTRL0041");
    } else if (code.size() > 1 && code[1] == 'F') {
        FlagOperation(g, code);
    } else if (StartsWith(code, "TREATY")) {
        MakeTreaty(g);
    } else if (StartsWith(code, "NOTREATY")) {
        BreakTreaty(g);
    } else if (first == '+' || first == '-') {
        StockChange(g, code);
    } else {
        UpdateGeneralReport(g);
    }
}

void MakeTreaty(Game& g) {
    PlanetEntry* p = OrbitEntry(g);
    if (p == nullptr || TestPlanetBit(*p, 7)) return;
    const std::string& nl = g.st.NewLine;
    MessageBox(g, -1,
               g.Text("SSCONTRL0034") + AlienName(g) + "." + nl + g.Text("SSCONTRL0035") + nl + g.Text("SSCONTRL0036") +
                   nl + g.Text("SSCONTRL0037"),
               0);
    SetPlanetBit(*p, 7, 1);
    PassTime(g, static_cast<Single>(-Int(g.RndExact() * 7 + 8)));
}

void BreakTreaty(Game& g) {
    PlanetEntry* p = OrbitEntry(g);
    if (p == nullptr || !TestPlanetBit(*p, 7)) return;
    MessageBox(g, -1,
               g.Text("SSCONTRL0043") + AlienName(g) + g.Text("SSCONTRL0044") + g.st.NewLine + g.Text("SSCONTRL0045"),
               0);
    SetPlanetBit(*p, 7, 0);
    PassTime(g, static_cast<Single>(Int(g.RndExact() * 7 + 8)));
}

bool TestCondition(Game& g, const std::string& condition) {
    const GameState& s = g.st;
    if (StartsWith(condition, "FS")) {
        const int n = SystemNumber(condition.substr(2));
        if (n < 0) return false;
        return s.SystemDamage[n] > 0.0f && s.SystemDamage[n] < 7.0f;
    }
    if (StartsWith(condition, "F!S")) {
        const int n = SystemNumber(condition.substr(3));
        if (n < 0) return false;
        return s.SystemDamage[n] >= 7.0f;
    }
    if (StartsWith(condition, "-")) {
        const std::string field = FieldCode(condition.substr(1));
        const double amount = Val(condition.substr(1 + field.size()));
        double stock = 0;
        if (field == "PTU")
            stock = s.TorpedoStockClass2;
        else if (field == "PT")
            stock = s.TorpedoStockClass1;
        else if (field == "PO")
            stock = s.Probes;
        else if (field == "EN")
            stock = s.ShipEnergy;
        else if (field == "ENM")
            stock = s.MaxEnergy;
        else
            return true;
        return !(amount > stock);
    }
    return true;
}

}  // namespace kv
