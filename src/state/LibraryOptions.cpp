#include "state/LibraryOptions.h"

#include <array>
#include <cmath>

#include "state/Numeric.h"
#include "state/Options.h"
#include "state/Utilities.h"

namespace kv {
namespace {

constexpr const char* kSection = "Lib";
constexpr int kKeyCount = 16;
const char* const kKeys[kKeyCount] = {
    "TorZarvonis",        "TorSpread",        "TorSpreadType",      "TorSpreadZarvonis",
    "TorZarvoniStarbase", "TorZSBAmount",     "TorZSBFireDisabled", "SheLevel",
    "SheFrequency",       "SheEnergyReserve", "PhaKillOrDisable",   "PhaZarvoniStarbase",
    "PhaZSBEnergyFire",   "ComAutoSHE",       "ComAutoLRS",         "ComAutoTC"};

bool IsGeneral(const std::string& name) { return name == "General"; }

std::string LibApp(const std::string& name) { return std::string(kConfigsApp) + "\\" + name; }

// The stored number of an option button 1..count, or 0 when the text names none.
int OptionNumber(const std::string& text, int count) {
    const double v = Val(text);
    if (v != std::floor(v) || v < 1 || v > count) return 0;
    return static_cast<int>(v);
}

// Selects button (number - 1) of a group numbered from 0; a text naming no button keeps it.
void SelectFromZero(Integer& selected, const std::string& text, int count) {
    if (const int n = OptionNumber(text, count); n > 0) selected = static_cast<Integer>(n - 1);
}

// The stored position of a group numbered from 0: 1..count, "0" when none is selected.
std::string PositionFromZero(Integer selected, int count) {
    return selected >= 0 && selected < count ? std::to_string(selected + 1) : "0";
}

void SetCheck(Flag& box, const std::string& text) {
    if (text == "True") box = kTrue;
    if (text == "False") box = kFalse;
}

// A scroll bar takes the numeric value of its caption when it lies in the bar's range.
void MirrorBar(Integer& bar, const std::string& caption, int max) {
    const double v = Val(caption);
    if (v >= 0 && v <= max) bar = CInt(v);
}

}  // namespace

void SaveLibOptions(Game& g, const std::string& name) {
    if (IsGeneral(name)) return;
    const GameState& s = g.st;
    const std::array<std::string, kKeyCount> v = {
        PositionFromZero(s.LibTorZarvonis, 3),
        BoolText(s.LibTorSpread != 0),
        PositionFromZero(s.LibTorSpreadType, 2),
        s.LibTorSpreadZarvonis,
        BoolText(s.LibTorZarvoniStarbase != 0),
        PositionFromZero(s.LibTorZSBAmount, 3),
        BoolText(s.LibTorZSBFireDisabled != 0),
        s.LibShieldLevel >= 1 && s.LibShieldLevel <= 3 ? std::to_string(s.LibShieldLevel) : "0",
        PositionFromZero(s.LibShieldFrequency, 3),
        s.LibShieldReserve,
        PositionFromZero(s.LibPhaKillOrDisable, 2),
        BoolText(s.LibPhaZarvoniStarbase != 0),
        s.LibPhaZSBEnergyFire,
        BoolText(s.ComAutoShieldsBackup != 0),
        BoolText(s.ComAutoLRS != 0),
        BoolText(g.TimerEnabled(Timer::frmCOM_tmrTC)),
    };
    const std::string app = LibApp(name);
    for (int k = 0; k < kKeyCount; ++k) g.settings.SaveSetting(app, kSection, kKeys[k], v[static_cast<size_t>(k)]);
}

void LoadLibOptions(Game& g, const std::string& name) {
    if (IsGeneral(name)) return;
    GameState& s = g.st;
    const std::string app = LibApp(name);
    auto read = [&](int k) { return g.settings.GetSetting(app, kSection, kKeys[k], kNotUsed); };

    std::array<std::string, kKeyCount> v;
    v[0] = read(0);
    // A configuration without library options takes the current ones as its own.
    if (v[0] == kNotUsed) SaveLibOptions(g, name);
    for (int k = 1; k < kKeyCount; ++k) v[static_cast<size_t>(k)] = read(k);

    SelectFromZero(s.LibTorZarvonis, v[0], 3);
    SetCheck(s.LibTorSpread, v[1]);
    SelectFromZero(s.LibTorSpreadType, v[2], 2);
    s.LibTorSpreadZarvonis = v[3];
    SetCheck(s.LibTorZarvoniStarbase, v[4]);
    SelectFromZero(s.LibTorZSBAmount, v[5], 3);
    SetCheck(s.LibTorZSBFireDisabled, v[6]);
    // The guard keeps the dialog from explaining the energy saver while it is being loaded.
    s.LibComputerState[2] = -1;
    if (const int n = OptionNumber(v[7], 3); n > 0) s.LibShieldLevel = static_cast<Integer>(n);
    s.LibComputerState[2] = 0;
    SelectFromZero(s.LibShieldFrequency, v[8], 3);
    s.LibShieldReserve = v[9];
    SelectFromZero(s.LibPhaKillOrDisable, v[10], 2);
    SetCheck(s.LibPhaZarvoniStarbase, v[11]);
    s.LibPhaZSBEnergyFire = v[12];
    SetCheck(s.ComAutoShieldsBackup, v[13]);
    SetCheck(s.ComAutoLRS, v[14]);
    if (v[15] == "True") s.ComTCTag = "Manual";
    SetAutoTargetCalculator(g, v[15] != "False");

    MirrorBar(s.LibShieldReserveBar, s.LibShieldReserve, 1000);
    if (v[8] != "3") {
        s.ComAutoShieldsEnabled = kTrue;
        s.ComAutoShields = s.ComAutoShieldsBackup;
    } else {
        // No automatic raising: the panel's box is greyed and cleared, the player's choice kept.
        s.ComAutoShieldsEnabled = kFalse;
        s.ComAutoShields = kFalse;
        s.ComAutoShieldsBackup = ToFlag(v[13] == "True");
    }
    s.ComPhaserModeCaption = v[10] == "1" ? g.Text("Kill") : v[10] == "2" ? g.Text("Disable") : "";
    MirrorBar(s.LibPhaZSBEnergyBar, s.LibPhaZSBEnergyFire, 2000);

    g.host.Refresh(View::LibOptions);
    g.host.Refresh(View::ComputerPanel);
}

void SetAutoTargetCalculator(Game& g, bool on) {
    GameState& s = g.st;
    if (g.TimerEnabled(Timer::frmCOM_tmrTC) == on) return;
    const bool manual = s.ComTCTag == "Manual";
    if (on) {
        g.SetTimer(Timer::frmCOM_tmrTC, true);
    } else if (!manual) {
        g.SetTimer(Timer::frmCOM_tmrTC, false);
        s.ComTargetText.clear();
    }
    g.host.Refresh(View::ComputerPanel);
    if (manual || !on) {
        const std::string& config = g.options.lblConfigName;
        if (!IsGeneral(config))
            g.settings.SaveSetting(LibApp(config), kSection, "ComAutoTC",
                                   BoolText(g.TimerEnabled(Timer::frmCOM_tmrTC)));
    }
}

}  // namespace kv
