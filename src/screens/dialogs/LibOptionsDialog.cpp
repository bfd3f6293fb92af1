#include "screens/dialogs/LibOptionsDialog.h"

#include <algorithm>

#include "engine/computer/AutoShields.h"
#include "state/LibraryOptions.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kGeneral = "General";

const std::string& ConfigName(const Game& g) { return g.options.lblConfigName; }

void SetSpreadCount(Game& g, double n) {
    g.st.LibTorSpreadZarvonis = CStr(static_cast<long long>(std::clamp(n, 1.0, 9.0)));
    g.host.Refresh(View::LibOptions);
}

}  // namespace

LibOptionsPage LibOptionsTabPage(int tab) {
    switch (tab) {
        case 2: return LibOptionsPage::Torpedoes;
        case 3: return LibOptionsPage::Phasers;
        default: return LibOptionsPage::Shields;
    }
}

void LibOptionsActivate(Game& g) {
    g.st.LibOptionsDialog.WarningVisible = ConfigName(g) == kGeneral;
    g.host.Refresh(View::LibOptions);
}

int SpreadDigitCell(const std::string& caption) {
    const double n = Val(caption);
    if (n != Int(n) || n < 1 || n > 9) return -1;
    return 9 - static_cast<int>(n);
}

void SpreadCountUp(Game& g) { SetSpreadCount(g, Int(Val(g.st.LibTorSpreadZarvonis)) + 1); }

void SpreadCountDown(Game& g) { SetSpreadCount(g, Int(Val(g.st.LibTorSpreadZarvonis)) - 1); }

void ChooseShieldLevel(Game& g, int level) {
    GameState& s = g.st;
    if (level < 1 || level > 3) return;
    s.LibShieldLevel = static_cast<Integer>(level);
    if (level == 3 && s.LibComputerState[2] == 0) {
        const std::string& nl = s.NewLine;
        MessageBox(g, -1, g.Text("LIBOPTN0002") + nl + g.Text("LIBOPTN0003") + nl + g.Text("LIBOPTN0004"), 0);
    }
}

void ChooseShieldFrequency(Game& g, int frequency) {
    GameState& s = g.st;
    if (frequency < 0 || frequency > 2) return;
    s.LibShieldFrequency = static_cast<Integer>(frequency);
    const bool never = frequency == 2;
    s.ComAutoShieldsEnabled = ToFlag(!never);
    s.ComAutoShields = never ? kFalse : s.ComAutoShieldsBackup;
    g.host.Refresh(View::ComputerPanel);
}

void ChoosePhaserMode(Game& g, int mode) {
    GameState& s = g.st;
    if (mode < 0 || mode > 1) return;
    s.LibPhaKillOrDisable = static_cast<Integer>(mode);
    s.ComPhaserModeCaption = g.Text(mode == 0 ? "Kill" : "Disable");
    g.host.Refresh(View::ComputerPanel);
}

void ShieldReserveChanged(Game& g, int value) {
    GameState& s = g.st;
    s.LibShieldReserveBar = static_cast<Integer>(std::clamp(value, 0, 1000));
    s.LibShieldReserve = CStr(static_cast<long long>(s.LibShieldReserveBar));
}

void StarbaseEnergyChanged(Game& g, int value) {
    GameState& s = g.st;
    s.LibPhaZSBEnergyBar = static_cast<Integer>(std::clamp(value, 0, 2000));
    s.LibPhaZSBEnergyFire = CStr(static_cast<long long>(s.LibPhaZSBEnergyBar));
}

void LibOptionsApply(Game& g) {
    const std::string name = ConfigName(g);
    if (name != kGeneral) SaveLibOptions(g, name);
}

void LibOptionsOK(Game& g) {
    LibOptionsApply(g);
    g.host.HideForm(Form::frmLibOptions);
    RaiseLowerShields(g, 0);
}

void LibOptionsCancel(Game& g) {
    LoadLibOptions(g, ConfigName(g));
    g.host.HideForm(Form::frmLibOptions);
    RaiseLowerShields(g, 0);
}

void LibOptionsClose(Game& g) { g.host.HideForm(Form::frmLibOptions); }

}  // namespace kv
