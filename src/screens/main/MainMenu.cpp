#include "screens/main/MainMenu.h"
#include "screens/main/Minimize.h"

#include <algorithm>

#include "engine/computer/Displays.h"
#include "engine/turn/EndGame.h"
#include "engine/turn/Morv.h"
#include "platform/Files.h"
#include "platform/Strings.h"
#include "screens/main/DifficultyDialog.h"
#include "screens/main/NewGame.h"
#include "state/FileDialogSetup.h"
#include "state/Numeric.h"
#include "state/Options.h"
#include "state/SavedGame.h"
#include "state/ScreenData.h"
#include "state/WindowTable.h"

namespace kv {
namespace {

// The debug code: the first seven characters count, in any letter case.
constexpr const char* kDebugCode = "ZARVONI";
// Ticks between two timed saves, and the indicator bar's full width (twips).
constexpr int kTimedSaveTicks = 300;
constexpr double kTimedSaveBar = 1890;

MainMenuData& Menu(Game& g) { return g.screens.menu; }

bool BreakRunning(Game& g) { return g.TimerEnabled(Timer::frmMenu_tmrBreak); }

void SetSkillBar(Game& g, int value) {
    ScrollBarState& bar = Menu(g).vsbSkill;
    bar.Value = static_cast<Integer>(std::clamp<int>(value, bar.Min, bar.Max));
    MenuSkillChange(g, bar.Value);
}

void SetLengthBar(Game& g, int value) {
    ScrollBarState& bar = Menu(g).vsbLength;
    bar.Value = static_cast<Integer>(std::clamp<int>(value, bar.Min, bar.Max));
    MenuLengthChange(g, bar.Value);
}

// The name box holds the trimmed name; false (with MENU0002 and the focus on the box) when it
// is empty.
bool PlayerNamed(Game& g) {
    g.st.ConfigName = Trim(g.st.ConfigName);
    Menu(g).txtName = g.st.ConfigName;
    if (!g.st.ConfigName.empty()) return true;
    MessageBox(g, -1, g.Text("MENU0002"));
    g.screens.Focus = "txtName";
    return false;
}

// The skill bar's level as the label shows it after a load of the window: no blank.
void ShowSkillFromBar(Game& g) {
    MainMenuData& m = Menu(g);
    const int skill = 11 - m.vsbSkill.Value;
    m.lblSkillLevel = CStr(static_cast<long long>(skill));
    g.st.SkillLevel = static_cast<Integer>(skill);
}

}  // namespace

void RememberFormVisibility(Game& g) {
    for (int i = 1; i <= 31; ++i) g.st.FormVisible[static_cast<size_t>(i)] = ToFlag(g.host.IsFormVisible(FormTable(i)));
}

void LoadPlayerConfiguration(Game& g) {
    g.options.lblConfigName = g.options.chkNameConfig ? g.st.ConfigName : std::string("General");
    LoadSettings(g, g.options.lblConfigName, true);
}

void MenuLoad(Game& g) {
    MainMenuData& m = Menu(g);
    m.picBrokenVisible = false;
    ShowSkillFromBar(g);
    m.cmdNewCloseCaption = g.Text("MENU0001");
    m.vsbSkill.Enabled = g.st.SkillLevel < 11;
    m.vsbLength.Enabled = true;
    m.txtNameEnabled = true;
    m.mnuGSaveEnabled = false;
    g.SetTimer(Timer::frmMenu_tmrSavedGame, true);
}

void MenuActivate(Game& g) {
    GameState& s = g.st;
    MainMenuData& m = Menu(g);
    if (s.SkillLevel < 11) SetSkillBar(g, 11 - s.SkillLevel);
    SetLengthBar(g, m.vsbLength.Max + 1 - s.GameLength);
    if (m.txtName != s.ConfigName) MenuNameChange(g, s.ConfigName);
    m.cboMissionType = s.MissionType;
    m.chkUpgrades = s.UpgradesOn ? 1 : 0;
    if (s.FinalReportFlag) s.GameRunning = kFalse;
    if (s.GameRunning) {
        m.vsbSkill.Enabled = m.vsbLength.Enabled = false;
        m.cboMissionTypeEnabled = m.chkUpgradesEnabled = m.txtNameEnabled = false;
        m.mnuGSaveEnabled = m.mnuGEndMissionEnabled = true;
        m.mnuGOptionsEnabled = false;
        m.cmdNewCloseCaption = g.Text("MENU0007");
    } else {
        g.screens.MinimizeCaption = MinimizeLoadCaption(g);
        m.cmdNewCloseCaption = g.Text("MENU0001");
        m.mnuGEndMissionEnabled = false;
        m.mnuGOptionsEnabled = true;
    }
}

void MenuCloseBox(Game& g) {
    if (g.st.GameRunning)
        MenuNewClose(g);
    else
        QuitGame(g);
}

void MenuNewClose(Game& g) {
    if (!g.st.GameRunning) {
        NewGame(g);
        return;
    }
    RememberFormVisibility(g);
    g.host.HideForm(Form::frmMenu);
}

void MenuNameChange(Game& g, const std::string& text) {
    MainMenuData& m = Menu(g);
    m.txtName = text;
    g.st.ConfigName = text;
    if (g.st.GameRunning || !m.picBrokenVisible) return;
    // Typing a name mends the broken skill bar. Save stays off: no game runs to be saved.
    m.picBrokenVisible = false;
    ShowSkillFromBar(g);
    m.cmdNewCloseCaption = g.Text("MENU0001");
    m.vsbSkill.Enabled = m.vsbLength.Enabled = m.txtNameEnabled = true;
    g.screens.Focus = "txtName";
}

void MenuSkillChange(Game& g, int value) { SkillBarChanged(g, Menu(g).vsbSkill, Menu(g).lblSkillLevel, value); }

void MenuLengthChange(Game& g, int value) { LengthBarChanged(g, Menu(g).vsbLength, Menu(g).lblGameLength, value); }

void MenuMissionTypeChange(Game& g, int index) {
    Menu(g).cboMissionType = static_cast<Integer>(index);
    g.st.MissionType = static_cast<Integer>(index);
}

void MenuUpgradesClick(Game& g, int value) {
    Menu(g).chkUpgrades = static_cast<Integer>(value);
    g.st.UpgradesOn = ToFlag(value != 0);
}

void MenuMaxUpStep(Game& g, int direction) {
    MainMenuData& m = Menu(g);
    int level = CInt(Val(m.lblMaxUp));
    if (direction < 0 && level > 1) --level;
    if (direction > 0 && level < 9) ++level;
    level = std::clamp(level, 1, 9);
    m.lblMaxUp = CStr(static_cast<long long>(level));
    g.st.TechLevel = level;
}

bool MenuLoadGame(Game& g) {
    GameState& s = g.st;
    if (BreakRunning(g)) return true;
    if (!PlayerNamed(g)) return true;
    if (s.SkillLevel > 10) MessageBox(g, -1, g.Text("MENU0003"), kOKOnly);
    if (s.GameChanged && s.GameRunning && !SaveRunningGameFirst(g, "MENU0004")) return true;

    const std::string typed = Trim(s.ConfigName);
    const std::string name = SetFileDialogMode(g, FileDialogMode::Load);
    const bool refused = !name.empty() && !LoadGame(g, name);
    // A game read whole shows none of the starbases or scan highlights of the one before.
    if (!name.empty() && !refused) {
        BlankBaseReport(g);
        ClearChartScanHighlights(g);
    }
    s.ConfigName = Trim(s.ConfigName);
    if (s.GameRunning && s.ConfigName != typed) {
        const std::string& loaded = s.ConfigName;
        const std::string question = g.Text("MENU0005") + loaded + g.Text("MENU0006") + loaded + "?";
        if (MessageQuery(g, -1, question, kYesNo) == kNo) s.ConfigName = typed;
    }
    LoadPlayerConfiguration(g);
    MenuActivate(g);
    return !refused;
}

void MenuSaveGame(Game& g) {
    if (BreakRunning(g)) return;
    if (!PlayerNamed(g)) return;
    if (!g.st.GameRunning) return;
    const std::string name = SetFileDialogMode(g, FileDialogMode::Save);
    if (!name.empty()) SaveGame(g, name, g.host.OutputLines());
}

void MenuEndMission(Game& g) {
    g.host.HideForm(Form::frmMenu);
    EndGame(g);
}

void MenuOptions(Game& g) {
    const std::string name = g.st.ConfigName;
    g.st.ConfigName = "General";
    g.host.RunModal(Form::frmOptions);
    g.st.ConfigName = name;
}

void MenuExit(Game& g) { QuitGame(g); }

std::string HelpPagePath(const Game& g) { return FindFile(g.st.AppPath, "kestrava.html"); }

void MenuHelp(Game& g, int item) {
    const std::string page = HelpPagePath(g);
    if (page.empty()) {
        MessageBox(g, -1, g.Text("HelpMissing"), kOKOnly | kExclamation);
        return;
    }
    static const char* const kSections[4] = {"", "#play", "#commands", "#keys"};
    // A desktop without a viewer for the page says nothing itself: the player is told where
    // the page lies, to open it by hand.
    if (!g.host.OpenDocument(page + (item >= 1 && item <= 3 ? kSections[item] : "")))
        MessageBox(g, -1, g.Text("HelpNotOpened") + g.st.NewLine + page, kOKOnly | kExclamation);
}

void MenuAbout(Game& g) { g.host.ShowForm(Form::frmAbout); }

void TimedSaveTick(Game& g) {
    GameState& s = g.st;
    MainMenuData& m = Menu(g);
    if (m.TimedSaveCountdown == 0) m.TimedSaveCountdown = kTimedSaveTicks;
    m.pnlTimedSaveVisible = s.GameRunning != 0;
    if (!s.GameRunning) return;
    --m.TimedSaveCountdown;
    if (m.TimedSaveCountdown < 1) {
        if (ShowMessage(g, true, g.Text("MENU0084")) != 0) {
            m.TimedSaveCountdown = 5;
        } else {
            m.TimedSaveCountdown = kTimedSaveTicks;
            const std::string playerSave = s.GameFileName;
            SaveGame(g, "TIMESAVE", g.host.OutputLines());
            s.GameFileName = playerSave;
            ShowMessage(g, false);
        }
    }
    m.shpTimeWidth = CLng(kTimedSaveBar - m.TimedSaveCountdown / static_cast<double>(kTimedSaveTicks) * kTimedSaveBar);
}

void TimedSaveClick(Game& g) {
    const std::string& nl = g.st.NewLine;
    MessageBox(g, -1,
               g.Text("MENU0077") + nl + g.Text("MENU0078") + nl + g.Text("MENU0079") + nl + g.Text("MENU0080") +
                   CStr(static_cast<long long>(kTimedSaveTicks / 60)) + g.Text("MENU0081"));
}

void BonusClick(Game& g) {
    MainMenuData& m = Menu(g);
    if (m.picBrokenVisible) return;
    SetSkillBar(g, m.vsbSkill.Max);
    m.tmrBreakInterval = 100;
    g.SetTimer(Timer::frmMenu_tmrBreak, true);
    m.picHandVisible = true;
}

void BreakTick(Game& g) {
    MainMenuData& m = Menu(g);
    if (m.BreakState == 0 && m.picHandVisible) {
        m.picHandLeft -= 120;
        if (m.picHandLeft <= 1260) {
            m.picHandVisible = false;
            m.picHandLeft = 2100;
            m.BreakState = -1;
        }
    } else if (m.BreakState == -1) {
        SetSkillBar(g, m.vsbSkill.Value - 1);
        if (m.vsbSkill.Value <= m.vsbSkill.Min) {
            PlaySound(g, "BREAK.WAV");
            m.picBrokenVisible = true;
            m.vsbSkill.Enabled = false;
            m.tmrBreakInterval = 500;
            m.BreakState = 0;
        }
    } else if (m.picBrokenVisible) {
        // The timer stops before the notice, so no tick comes while it waits.
        g.SetTimer(Timer::frmMenu_tmrBreak, false);
        MessageBox(g, -1, g.Text("MENU0082"));
        m.lblSkillLevel = g.Text("MENU0083");
        g.st.SkillLevel = 20;
    }
}

void MenuNameLabelClick(Game& g) {
    if (!g.switches.Debug || g.st.DebugMode) return;
    Menu(g).txtPassWordVisible = true;
    PassWordChange(g, "");
    g.screens.Focus = "txtPassWord";
}

void PassWordChange(Game& g, const std::string& text) {
    Menu(g).txtPassWord = text;
    if (text.empty()) Menu(g).TypedCode.clear();
}

void PassWordKeyPress(Game& g, int code) {
    MainMenuData& m = Menu(g);
    if (code == 8) {
        if (!m.TypedCode.empty()) m.TypedCode.pop_back();
    } else if (code == 13) {
        m.txtPassWordVisible = false;
    } else if (code == '*') {
        if (UpperCase(m.TypedCode) == UpperCase(std::string(kDebugCode).substr(0, 7))) {
            g.st.DebugMode = true;
            m.txtPassWordVisible = false;
            MessageBox(g, -1, "Debug mode is now on.");
            m.pnlDebugVisible = true;
        }
    } else if (code >= 32 && code <= 126) {
        m.TypedCode += static_cast<char>(code);
    }
    m.txtPassWord = std::string(m.TypedCode.size(), '*');
}

void DebugBoxClick(Game& g, DebugBox box, int value) {
    GameState& s = g.st;
    MainMenuData& m = Menu(g);
    const bool on = value != 0;
    if (box == DebugBox::LengthIncrease) {
        m.chkLengthInc = static_cast<Integer>(value);
        const Integer top = static_cast<Integer>(on ? 9 : 3);
        m.vsbLength.Max = g.screens.difficulty.vsbLength.Max = top;
        // While a game runs the bar goes to its new top; else a value above it comes down.
        SetLengthBar(g, s.GameRunning ? top : m.vsbLength.Value);
        ScrollBarState& other = g.screens.difficulty.vsbLength;
        other.Value = std::min(other.Value, top);
        if (on) MessageBox(g, -1, "Length Increase flag is now on.");
        return;
    }
    struct Switch {
        DebugBox box;
        Integer MainMenuData::*control;
        bool GameState::*flag;
        const char* notice;
    };
    static const Switch kSwitches[] = {
        {DebugBox::CaptureAll, &MainMenuData::chkCapAll, &GameState::CaptureAllFlag, "Capture All flag is now on."},
        {DebugBox::ShowCloak, &MainMenuData::chkShowCloak, &GameState::ShowCloakFlag, "Show Cloak flag is now on."},
        {DebugBox::ShowStars, &MainMenuData::chkShowStars, &GameState::ShowStarsFlag, "Show Stars flag is now on."},
        {DebugBox::UpgradeAll, &MainMenuData::chkUpAll, &GameState::UpgradeAllFlag, "Upgrade All flag is now on."},
    };
    for (const Switch& sw : kSwitches) {
        if (sw.box != box) continue;
        m.*sw.control = static_cast<Integer>(value);
        s.*sw.flag = on;
        if (on) MessageBox(g, -1, sw.notice);
    }
}

void UpgradeAllRightClick(Game& g) {
    if (!g.st.GameRunning || g.st.MorvCountdownStarted) return;
    StartMorvCountdown(g, 3);
    MessageBox(g, -1, g.st.StrongEnemyText + ": 3");
}

}  // namespace kv
