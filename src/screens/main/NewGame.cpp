#include "screens/main/NewGame.h"

#include <string>
#include <vector>

#include "engine/computer/Displays.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/turn/Mission.h"
#include "engine/turn/Placement.h"
#include "engine/turn/SolarSystems.h"
#include "engine/turn/Upgrades.h"
#include "platform/Strings.h"
#include "screens/main/MainMenu.h"
#include "screens/main/Minimize.h"
#include "state/Configs.h"
#include "state/DisplayData.h"
#include "state/Notes.h"
#include "state/Numeric.h"
#include "state/Options.h"
#include "state/ScreenData.h"
#include "state/WindowTable.h"

namespace kv {
namespace {

// A number as the briefing prints it: Str without its blank (Single values with 7 digits).
std::string Plain(float v) { return Trim(Str(v)); }
std::string Plain(int v) { return Trim(Str(v)); }

// The normal briefing in the message log, after the mission is set.
void Briefing(Game& g) {
    const GameState& s = g.st;
    auto T = [&](const char* key) { return g.Text(key); };
    const std::string who = s.CaptainName + " " + s.ConfigName;
    const std::string& foes = s.EnemysText;
    std::vector<std::string> lines;
    switch (s.MissionType) {
        case 0:
            // The count and the name stand apart, as in the other missions' lines.
            lines = {T("MENU0012") + who + T("MENU0013"),
                     T("MENU0014") + Plain(s.InitialZarvonis) + " " + foes + T("MENU0015")};
            break;
        case 1:
            lines = {T("MENU0016") + who + T("MENU0017"), T("MENU0018") + foes + T("MENU0019"),
                     T("MENU0020") + Plain(s.ZarvonisCounted) + " " + foes + T("MENU0021")};
            break;
        case 2:
            lines = {T("MENU0022") + who + T("MENU0023"), T("MENU0024") + Plain(s.MissionGoal) + T("MENU0025")};
            break;
        case 3: lines = {who + T("MENU0026"), T("MENU0027")}; break;
        default: break;
    }
    lines.emplace_back();
    if (s.StarbaseCount > 0) lines.push_back(T("MENU0028") + Str(s.StarbaseCount) + T("MENU0029"));
    if (s.MissionType != 3) lines.push_back(T("MENU0030") + Str(s.TimeLeft) + T("MENU0031"));
    lines.emplace_back();
    lines.push_back(T("MENU0032") + s.CaptainName + T("MENU0033"));
    lines.emplace_back();
    for (const std::string& line : lines) PrintOutput(g, line);
}

// The background's own look comes back after the briefing.
void RestoreBackground(Game& g) {
    const OptionSettings& o = g.options;
    if (o.optPicture)
        g.host.LoadBackgroundPicture(o.CMDialogFileName);
    else if (o.optColor)
        g.host.SetBackgroundColor(o.lblColor);
    else
        g.host.HideBackground();
}

// The briefing of a game above skill 10: shorter the more such games the player has started.
void HighSkillBriefing(Game& g) {
    GameState& s = g.st;
    auto T = [&](const char* key) { return g.Text(key); };
    for (int i = 1; i <= 31; ++i) {
        const Form f = FormTable(i);
        s.FormVisible[static_cast<size_t>(i)] = ToFlag(g.host.IsFormVisible(f));
        g.host.HideForm(f);
    }
    const int count = static_cast<int>(GetGoodPlayer(g)) + 1;
    SaveGoodPlayer(g, static_cast<Integer>(count));
    g.host.SetBackgroundColor(0);

    switch (s.MissionType) {
        case 0:
            s.InitialZarvonis = s.ZarvonisLeft =
                Clamp16(static_cast<long long>(Int(g.RndExact() * 25 * s.GameLength)) + 75LL * s.GameLength + 25);
            break;
        case 1:
            s.TotalTime = 2 * s.TotalTime;
            s.InitialZarvonis = s.ZarvonisLeft = s.ZarvonisCounted;
            s.TimeLeft = s.TotalTime;
            break;
        case 2:
            s.TotalTime = 0.75f * s.TotalTime;
            s.GoalBySystems = 0;
            s.MissionGoal = s.SystemsCount;
            s.TimeLeft = s.TotalTime;
            break;
        case 3: SetFreePlay(s); break;
        default: break;
    }

    const long rounded = static_cast<long>(Int(s.ZarvonisCounted / 100.0 + 0.5)) * 100;
    const std::string w = s.ZarvonisCounted > rounded ? T("MENU0034") : T("MENU0035");
    const std::string& nl = s.NewLine;
    const std::string& foes = s.EnemysText;
    const std::string time = Plain(s.TotalTime);
    AddBackgroundLine(g, "RESET");
    std::vector<std::string> lines{T("MENU0036")};
    if (count < 2) lines.insert(lines.end(), {foes + T("MENU0037"), T("MENU0038"), T("MENU0039"), ""});
    switch (s.MissionType) {
        case 0:
            if (count >= 5)
                lines.push_back(w + Str(rounded) + nl + T("MENU0040") + Str(s.InitialZarvonis) + nl + time +
                                T("MENU0041"));
            if (count < 2) lines.push_back(T("MENU0042") + foes);
            if (count < 5) {
                lines.push_back(T("MENU0043") + w + Str(rounded) + " " + foes + T("MENU0044"));
                lines.push_back(T("MENU0045") + Plain(s.InitialZarvonis) + T("MENU0046") + nl + T("MENU0047"));
            }
            break;
        case 1:
            if (count >= 5) lines.push_back(w + Str(rounded) + nl + T("MENU0048") + nl + time + T("MENU0049"));
            if (count < 2) lines.push_back(T("MENU0050") + foes);
            if (count < 5) {
                lines.push_back(T("MENU0051") + w + Str(rounded) + " " + foes + T("MENU0052"));
                lines.push_back(T("MENU0053") + nl + T("MENU0054"));
            }
            break;
        case 2:
            if (count >= 5)
                lines.push_back(w + Str(rounded) + nl + T("MENU0055") + Str(s.SystemsCount) + nl + time +
                                T("MENU0056"));
            if (count < 2) lines.push_back(T("MENU0057") + Plain(s.SystemsCount) + T("MENU0058"));
            break;
        case 3: lines.push_back(count >= 15 ? T("MENU0059") : T("MENU0060")); break;
        default: break;
    }
    if (count < 5)
        lines.insert(lines.end(),
                     {T("MENU0061") + time + T("MENU0062"), T("MENU0063") + nl + T("MENU0064") + foes, ""});
    lines.push_back(T("MENU0065") + s.CaptainName + " " + s.ConfigName);
    if (count < 2) lines.insert(lines.end(), {"", T("MENU0066"), T("MENU0067"), T("MENU0068")});
    if (count < 5) lines.push_back(T("MENU0069"));
    for (const std::string& line : lines) AddBackgroundLine(g, line);

    g.SetTimer(Timer::frmBackground_tmrScroll, true);
    g.host.RunModal(Form::frmBackground);
    RestoreBackground(g);
    PrintOutput(g, s.ShipPrefix + T("MENU0070"));
    PrintOutput(g, "");
}

}  // namespace

void NewGame(Game& g) {
    GameState& s = g.st;
    MainMenuData& m = g.screens.menu;
    if (g.TimerEnabled(Timer::frmMenu_tmrBreak)) return;
    s.ConfigName = Trim(s.ConfigName);
    m.txtName = s.ConfigName;
    if (m.txtName.empty()) {
        MessageBox(g, -1, g.Text("MENU0002"));
        g.screens.Focus = "txtName";
        return;
    }
    if (m.cboMissionType == -1) {
        MessageBox(g, -1, g.Text("MENU0008"));
        g.screens.Focus = "cboMissionType";
        return;
    }
    SaveConfigNames(g, s.ConfigName);
    if (s.GameChanged && s.GameRunning && !SaveRunningGameFirst(g, "MENU0009")) return;
    if (s.GameRunning) g.host.RunModal(Form::frmDifficulty);

    bool logKept = false;
    if (!g.host.OutputLines().empty()) {
        // A switched-off question counts as Yes.
        const int answer = MessageQuery(g, 16, g.Text("MENU0010"), kYesNoCancel | kQuestion);
        if (answer == kYes || answer == 0)
            g.host.ClearOutputLog();
        else if (answer == kNo)
            logKept = true;
        else
            return;
    }

    LoadPlayerConfiguration(g);
    SettleTechLevel(s, m.SavedTechLevel);
    RememberFormVisibility(g);
    if (logKept) {
        PrintOutput(g, "");
        PrintOutput(g, g.Text("MENU0011"));
        PrintOutput(g, "");
    }

    g.host.HideForm(Form::frmMenu);
    ResetGameState(g);
    BlankBaseReport(g);
    ClearChartScanHighlights(g);
    SetupSolarSystems(g);
    PlaceGalaxyObjects(g);
    if (g.options.chkNotes) LoadNotes(g, s.ConfigName);
    g.screens.MinimizeCaption = MinimizeCaption(g);
    s.GameRunning = kTrue;
    s.ScoreEligible = true;

    if (s.SkillLevel > 10) {
        HighSkillBriefing(g);
    } else {
        PrintOutput(g, s.ShipPrefix);
        PrintOutput(g, "");
        AdjustMission(g);
        Briefing(g);
    }

    g.displays.general.UpgradesVisible = s.UpgradesOn != 0;
    AnnounceUpgrades(g);
    if (InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol) && s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol] < 100) {
        s.ShipEnergy += s.ShieldLevel;
        s.ShieldLevel = 0;
    }
    LRS(g);
    UpdateBars(g);
    g.displays.general.ScoreVisible = s.MissionType != 3;
    s.NewGamePending = kTrue;
}

}  // namespace kv
