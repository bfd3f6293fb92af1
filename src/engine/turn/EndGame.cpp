#include "engine/turn/EndGame.h"

#include <string>
#include <vector>

#include "engine/computer/Displays.h"
#include "engine/turn/FinalReport.h"
#include "engine/turn/Refresh.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// Every line goes to the message log, empty ones too, then the whole message is shown as one
// notice the player cannot switch off.
void ShowReport(Game& g, const std::vector<std::string>& lines) {
    std::string message;
    for (const auto& line : lines) {
        message += line + g.st.NewLine;
        PrintOutput(g, line);
    }
    MessageBox(g, -1, message, 0);
}

}  // namespace

void EndGame(Game& g) {
    SetFormsEnabled(g, true);
    g.st.GameRunning = kFalse;
    g.host.SetMousePointer(Pointer::Default);
    ShowFinalReport(g);
    ResetDisplays(g);
}

void ReportMissionComplete(Game& g) {
    GameState& s = g.st;
    UpdateGeneralReport(g);
    if (s.MissionType == 3) return;
    std::string first;
    switch (s.MissionType) {
        case 0: first = g.Text("KVGAME0035") + s.EnemysText + "!"; break;
        case 1: first = g.Text("KVGAME0036") + s.EnemysText + "!"; break;
        case 2: first = g.Text("KVGAME0037"); break;
        default: break;
    }
    ShowReport(g, {first, g.Text("KVGAME0038") + s.CaptainName + " " + s.ConfigName + "!", "", g.Text("KVGAME0039")});
}

void ReportOutOfTime(Game& g) {
    GameState& s = g.st;
    UpdateGeneralReport(g);
    if (s.MissionType == 3) return;
    std::vector<std::string> lines{s.CaptainName + ", "};
    switch (s.MissionType) {
        case 0:
            lines.push_back(g.Text("KVGAME0040") + Str(s.InitialZarvonis) + " " + s.EnemysText + g.Text("KVGAME0041") +
                            Str(s.TotalTime) + g.Text("KVGAME0042"));
            break;
        case 1:
            lines.push_back(g.Text("KVGAME0043") + s.EnemysText + g.Text("KVGAME0044") + Str(s.TotalTime) +
                            g.Text("KVGAME0045"));
            break;
        case 2:
            lines.push_back(g.Text("KVGAME0046") + Str(s.MissionGoal) + g.Text("KVGAME0047") + Str(s.TotalTime) +
                            g.Text("KVGAME0048"));
            break;
        default: lines.emplace_back(); break;
    }
    lines.push_back(g.Text("KVGAME0049") + s.EnemysText + g.Text("KVGAME0050"));
    // A word on the captain's conduct, by the first rule that holds. The sixth line goes out
    // only when it has a text.
    const long destroyed = static_cast<long>(s.InitialZarvonis) - s.ZarvonisLeft;
    std::string l4, l5, l6;
    if (s.DockCount > 3) {
        l4 = g.Text("KVGAME0051") + Str(s.DockCount) + g.Text("KVGAME0052");
        l6 = g.Text("KVGAME0053");
    } else if (s.GoalProgress > 15 && s.MissionType < 2) {
        l4 = g.Text("KVGAME0054");
        l6 = g.Text("KVGAME0055");
    } else if (s.MissionType == 2 && destroyed > s.GoalProgress) {
        l4 = g.Text("KVGAME0056") + s.EnemyText + "!";
        l6 = g.Text("KVGAME0057");
    } else {
        l5 = g.Text("KVGAME0058");
    }
    lines.push_back(l4);
    lines.push_back(l5);
    if (!l6.empty()) lines.push_back(l6);
    ShowReport(g, lines);
}

void ReportOutOfEnergy(Game& g) {
    GameState& s = g.st;
    UpdateGeneralReport(g);
    ShowReport(g, {s.CaptainName + " " + s.ConfigName + g.Text("KVGAME0059"), g.Text("KVGAME0060"), "",
                   g.Text("KVGAME0061"), g.Text("KVGAME0062")});
    s.ShipEnergy = 0;
}

}  // namespace kv
