#include "screens/main/CommandBar.h"

#include "engine/computer/Displays.h"
#include "engine/computer/FirePlan.h"
#include "engine/computer/Navigation.h"
#include "engine/tactical/DamageControl.h"
#include "engine/tactical/Hyperspace.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/tactical/Probes.h"
#include "engine/tactical/Shields.h"
#include "engine/tactical/ShipSystems.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Time.h"
#include "screens/main/MainMenu.h"
#include "state/FileDialogSetup.h"
#include "state/Numeric.h"
#include "state/Options.h"
#include "state/SavedGame.h"
#include "state/WindowTable.h"

namespace kv {
namespace {

// Plays the sound of a command whose system does not respond; true when it does not.
bool Refused(Game& g, CommandButton button) {
    if (!ButtonIsOff(g.st, button)) return false;
    PlaySound(g, "NOTRESP.WAV");
    return true;
}

void ToggleForm(Game& g, Form form) {
    if (g.host.IsFormVisible(form))
        g.host.HideForm(form);
    else
        g.host.ShowForm(form);
}

void CommandNAV(Game& g) {
    GameState& s = g.st;
    if (!s.LRSDone && s.ComAutoLRS && s.CommandLook.AutoLRS.Enabled && s.SystemDamage[kLongRangeSensors] <= 0) {
        PrintOutput(g, g.Text("COM0001"));
        PassTime(g, 0.1f);
        LRS(g);
        UpdateGalaxyRecord(g);
        if (g.host.IsFormVisible(Form::frmGalaxy)) g.host.ShowForm(Form::frmGalaxy);
    }
    Single maxWarp = 8.0f;
    if (ButtonIsOff(s, CommandButton::cmdNAV)) {
        MessageBox(g, 5, s.SystemNames[kWarpEngines] + g.Text("COM0002"));
        maxWarp = 0.5f;
    }
    SetupNavDialog(g, maxWarp);
}

void CommandSRS(Game& g) {
    if (g.host.IsFormVisible(Form::frmSRS)) {
        g.host.HideForm(Form::frmSRS);
        return;
    }
    g.host.ShowForm(Form::frmSRS);
    SRS(g);
}

void CommandLRS(Game& g) {
    if (Refused(g, CommandButton::cmdLRS)) return;
    if (g.st.LRSDone) {
        MessageBox(g, 4, g.Text("COMMANDS0014"));
        return;
    }
    PrintOutput(g, g.Text("COM0001"));
    PassTime(g, 0.05f);
    LRS(g);
    g.host.BringToFront(Form::frmGalaxy);
}

void CommandPHA(Game& g) {
    if (Refused(g, CommandButton::cmdPHA)) return;
    g.st.PhaserPlan.clear();
    ParsePhaserTarget(g);
    g.host.ShowForm(Form::frmPHA);
}

void CommandTOR(Game& g) {
    if (Refused(g, CommandButton::cmdTOR)) return;
    if (g.st.TorpedoStockClass1 + g.st.TorpedoStockClass2 > 0) {
        g.st.TorpedoPlan.clear();
        g.host.ShowForm(Form::frmTOR);
    } else {
        MessageBox(g, 6, g.Text("COMMANDS0018"));
    }
}

void CommandHYP(Game& g) {
    Hyperspace(g);
    if (!g.st.GameRunning) return;
    SetFormsEnabled(g, true);
    CommandBarActivate(g);
}

void PopupMenu(Game& g) {
    g.host.RunModal(Form::frmMenu);
    if (g.host.IsFormVisible(Form::frmFinalReport)) return;
    ReturnFromMenu(g);
    RefreshAll(g);
}

// Load and Save are the main menu's own, with its checks and questions. With no game to go on
// with, the main menu comes up, as it does whenever no game runs: no command is left to act on
// empty tables. A file the load refused leaves the running game as it was: no turn passes and
// nothing is marked changed.
void PopupLoad(Game& g) {
    const bool refused = !MenuLoadGame(g);
    if (!g.st.GameRunning) {
        PopupMenu(g);
        return;
    }
    if (!refused) RefreshAll(g);
}

void PopupSave(Game& g) { MenuSaveGame(g); }

}  // namespace

bool ButtonIsOff(const GameState& s, CommandButton button) {
    const ButtonLook& look = s.CommandLook[button];
    return !look.Enabled || look.BackColor != kButtonFace;
}

void RunCommand(Game& g, CommandButton button) {
    switch (button) {
        case CommandButton::cmdNAV: CommandNAV(g); break;
        case CommandButton::cmdSRS: CommandSRS(g); break;
        case CommandButton::cmdLRS: CommandLRS(g); break;
        case CommandButton::cmdPHA: CommandPHA(g); break;
        case CommandButton::cmdTOR: CommandTOR(g); break;
        case CommandButton::cmdSHE:
            if (!Refused(g, button)) SetShields(g, 0);
            break;
        case CommandButton::cmdDAM: DamageControl(g); break;
        case CommandButton::cmdCOM:
            if (!Refused(g, button)) ToggleForm(g, Form::frmCOM);
            break;
        case CommandButton::cmdPRO:
            if (!Refused(g, button)) LaunchProbe(g);
            break;
        case CommandButton::cmdDES: SelfDestruct(g); break;
        case CommandButton::cmdHYP: CommandHYP(g); break;
        case CommandButton::cmdGame: break;
    }
}

CommandKey CommandForKey(int keyAscii) {
    static constexpr std::array<CommandButton, 9> kDigits{
        CommandButton::cmdNAV, CommandButton::cmdSRS, CommandButton::cmdLRS,
        CommandButton::cmdPHA, CommandButton::cmdTOR, CommandButton::cmdSHE,
        CommandButton::cmdDAM, CommandButton::cmdCOM, CommandButton::cmdPRO};
    if (keyAscii >= '1' && keyAscii <= '9') return {KeyAction::Command, kDigits[static_cast<size_t>(keyAscii - '1')]};
    if (keyAscii == 27) return {KeyAction::Quit};
    if (keyAscii == 'g') return {KeyAction::GameMenu};
    return {};
}

KeyAction CommandBarKeyPress(Game& g, int keyAscii) {
    const CommandKey key = CommandForKey(keyAscii);
    switch (key.action) {
        case KeyAction::Command:
            if (g.st.CommandLook[key.button].Enabled)
                RunCommand(g, key.button);
            else
                PlaySound(g, "ERROR.WAV");
            break;
        case KeyAction::Quit: CommandBarQuit(g); break;
        case KeyAction::GameMenu:
        case KeyAction::None: break;
    }
    return key.action;
}

const char* Name(PopupItem item) {
    switch (item) {
        case PopupItem::mnuLoad: return "mnuLoad";
        case PopupItem::mnuSave: return "mnuSave";
        case PopupItem::mnuMenu: return "mnuMenu";
        case PopupItem::mnuOptions: return "mnuOptions";
        case PopupItem::mnuHelp: return "mnuHelp";
        case PopupItem::mnuQuit: return "mnuQuit";
    }
    return "?";
}

void RunPopupItem(Game& g, PopupItem item) {
    switch (item) {
        case PopupItem::mnuLoad: PopupLoad(g); break;
        case PopupItem::mnuSave: PopupSave(g); break;
        case PopupItem::mnuMenu: PopupMenu(g); break;
        case PopupItem::mnuOptions: g.host.ShowForm(Form::frmOptions); break;
        case PopupItem::mnuHelp: MenuHelp(g, 0); break;
        case PopupItem::mnuQuit: CommandBarQuit(g); break;
    }
}

void CommandBarQuit(Game& g) { QuitOfferingSave(g, "COMMANDS0017"); }

void CommandBarActivate(Game& g) {
    GameState& s = g.st;
    if (s.CaptureAllFlag)
        for (int i = 1; i <= 10; ++i)
            if (s.ZarvoniShips[1][static_cast<size_t>(i)] > 0) s.ZarvoniEnergy[static_cast<size_t>(i)] = 0;
    s.DamageReportMode = s.SystemDamage[kDamageControl] <= 0 ? kTrue : kFalse;
}

void CommandBarClick(Game& g) { MessageBox(g, -1, g.Text("COMMANDS0019") + g.st.NewLine + g.Text("COMMANDS0020")); }

CommandBarGeometry ArrangeCommandBar(int columns, long cellWidth, long cellHeight, int pixel, long frameWidth,
                                     long frameHeight) {
    CommandBarGeometry out;
    out.columns = CommandBarValue(std::to_string(columns < 1 ? 1 : columns));
    out.rows = 12 / out.columns;
    const long stepX = cellWidth - pixel, stepY = cellHeight - pixel;
    out.outerWidth = stepX * out.columns + pixel + frameWidth;
    out.outerHeight = stepY * out.rows + pixel + frameHeight;
    for (int r = 0; r < out.rows; ++r)
        for (int c = 0; c < out.columns; ++c) {
            const size_t n = static_cast<size_t>(out.columns * r + c);
            out.left[n] = stepX * c;
            out.top[n] = stepY * r;
        }
    return out;
}

}  // namespace kv
