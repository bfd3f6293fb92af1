#include "screens/main/ComputerPanel.h"

#include "engine/computer/Displays.h"
#include "engine/computer/Docking.h"
#include "engine/computer/PhaserComputer.h"
#include "engine/computer/TargetCalculator.h"
#include "engine/computer/TorpedoComputer.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/tactical/Phasers.h"
#include "engine/tactical/Torpedoes.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Time.h"
#include "state/LibraryOptions.h"
#include "state/ScreenData.h"

namespace kv {

void ComDockClick(Game& g) {
    DockAtStarbase(g);
    if (g.st.GameRunning) RefreshAll(g);
}

void ComGalacticRecordClick(Game& g) {
    if (g.host.IsFormVisible(Form::frmGalaxy)) {
        g.host.HideForm(Form::frmGalaxy);
        return;
    }
    g.host.ShowForm(Form::frmGalaxy);
    UpdateGalaxyRecord(g);
}

void ComLibOptionsClick(Game& g) { g.host.ShowForm(Form::frmLibOptions); }

namespace {

// A computer-aimed weapon: the computer fills the plan and the weapon fires it.
void FireByComputer(Game& g, bool responding, void (*aim)(Game&), void (*fire)(Game&)) {
    if (!responding) {
        PlaySound(g, "NOTRESP.WAV");
        return;
    }
    aim(g);
    fire(g);
}

}  // namespace

void ComPhaserFireClick(Game& g, bool responding) { FireByComputer(g, responding, PhaserAutoTarget, FirePhasers); }

void ComTorpedoFireClick(Game& g, bool responding) { FireByComputer(g, responding, TorpedoAutoTarget, FireTorpedo); }

void ComTargetCalculatorClick(Game& g, bool responding, const std::function<void()>& saveCalculatorState) {
    GameState& s = g.st;
    // The switch is usable while the long-range sensors are not out of action.
    const bool scanUsable = s.SystemDamage[kLongRangeSensors] < 7.0f;
    if (!s.LRSDone && s.ComAutoLRS && scanUsable && s.SystemDamage[kLongRangeSensors] <= 0) {
        PrintOutput(g, g.Text("COM0001"));
        PassTime(g, 0.05f);
        LRS(g);
        UpdateGalaxyRecord(g);
    }
    if (g.host.IsFormVisible(Form::frmGalaxy)) g.host.BringToFront(Form::frmGalaxy);
    if (!responding) MessageBox(g, 5, s.SystemNames[kWarpEngines] + g.Text("COM0002"));
    TargetCalculator(g);
    if (saveCalculatorState) saveCalculatorState();
    g.host.ShowForm(Form::frmTargetCalculator);
}

void ComAutoScanClick(Game& g, int value) {
    g.st.ComAutoLRS = ToFlag(value != 0);
    g.host.Refresh(View::ComputerPanel);
}

void ComAutoShieldsClick(Game& g, int value) {
    g.st.ComAutoShields = ToFlag(value != 0);
    g.st.ComAutoShieldsBackup = g.st.ComAutoShields;
    g.host.Refresh(View::ComputerPanel);
}

void ComPhaserModeClick(Game& g) {
    GameState& s = g.st;
    s.LibPhaKillOrDisable = s.LibPhaKillOrDisable == 1 ? 0 : 1;
    s.ComPhaserModeCaption = g.Text(s.LibPhaKillOrDisable == 0 ? "Kill" : "Disable");
    g.host.Refresh(View::LibOptions);
    g.host.Refresh(View::ComputerPanel);
}

void ComCalculatorLampClick(Game& g) {
    g.st.ComTCTag = g.TimerEnabled(Timer::frmCOM_tmrTC) ? "" : "Manual";
    SetAutoTargetCalculator(g, true);
}

Long ComLampTick(Game& g) {
    ComputerPanelData& c = g.screens.computer;
    c.LampCounter = static_cast<Integer>((c.LampCounter + 4) & 255);
    const int green = c.LampCounter < 129 ? c.LampCounter + 127 : 384 - c.LampCounter;
    c.LampColour = static_cast<Long>(green) << 8;
    return c.LampColour;
}

void ComBackgroundClick(Game& g) { MessageBox(g, -1, g.Text("COM0003") + g.st.NewLine + g.Text("COM0004")); }

bool ComButtonIsOff(const ButtonLook& look) { return !look.Enabled || look.BackColor != kButtonFace; }

ComputerPanelLook PaintComputerPanel(Game& g) {
    const GameState& s = g.st;
    const CommandStateLook& c = s.CommandLook;
    ComputerPanelLook look;
    look.targetCalculator = c.TargetCalculator;
    look.dockAtStarbase = c.DockAtStarbase;
    look.phaserFire = c.PhaserFire;
    look.torpedoFire = c.TorpedoFire;
    // Automatic shields: greyed and cleared while the library options switch automatic raising off.
    const bool shieldsAllowed = s.ComAutoShieldsEnabled != 0;
    look.autoShields = {shieldsAllowed && s.ComAutoShields != 0, shieldsAllowed && c.AutoShields.Enabled,
                        PaletteColor(static_cast<int>(c.AutoShields.ForeColor))};
    look.autoScan = {s.ComAutoLRS != 0, c.AutoLRS.Enabled, PaletteColor(static_cast<int>(c.AutoLRS.ForeColor))};
    look.phaserMode = s.ComPhaserModeCaption;
    look.phaserModeEnabled = c.PhaserModePanel;
    look.lampEnabled = c.TargetCalculatorPanel;
    look.lampRunning = g.TimerEnabled(Timer::frmCOM_tmrTC);
    look.lampColour = look.lampRunning ? g.screens.computer.LampColour : kButtonFace;
    return look;
}

WindowPosition ComputerPanelPosition(long barLeft, long barTop, long barWidth, long barHeight, long width, long height,
                                     long screenWidthPixels) {
    WindowPosition p;
    p.left = barLeft + barWidth / 2 - width / 2;
    p.top = screenWidthPixels > 801 ? barTop + barHeight + 10 * 15 : barTop + barHeight - height;
    return p;
}

}  // namespace kv
