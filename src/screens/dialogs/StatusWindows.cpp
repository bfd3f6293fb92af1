#include "screens/dialogs/StatusWindows.h"

#include <vector>

#include "engine/computer/Displays.h"
#include "engine/turn/Condition.h"
#include "screens/main/Panel.h"
#include "state/DisplayData.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// One part of an explanation: a language key (with text before or after it), or the table.
struct Part {
    std::string text;
    bool table = false;
};

Part Key(Game& g, const char* key, const std::string& after = "") { return {g.Text(key) + after, false}; }

std::string ValueTable(Game& g, long long value, long long maximum) {
    const std::string& nl = g.st.NewLine;
    const std::string tab = "\t";
    const std::string pct = maximum == 0
                                ? std::string("-")
                                : Format(static_cast<double>(value) / static_cast<double>(maximum) * 100, "0") + "%";
    return nl + g.Text("BARS0046") + tab + g.Text("BARS0047") + tab + g.Text("BARS0048") + nl + CStr(value) + tab +
           CStr(maximum) + tab + pct + nl + nl;
}

}  // namespace

std::string BarExplanation(Game& g, int gauge) {
    const GameState& s = g.st;
    long long value = 0, maximum = 0;
    std::vector<Part> parts;
    const Part table{"", true};
    switch (gauge) {
        case 0:
            value = s.ShipEnergy, maximum = s.MaxEnergy;
            parts = {Key(g, "BARS0001"), Key(g, "BARS0002"), Key(g, "BARS0003"), Key(g, "BARS0004"), table,
                     Key(g, "BARS0005"), Key(g, "BARS0006")};
            break;
        case 1:
            value = s.ShieldLevel, maximum = s.MaxShields;
            parts = {Key(g, "BARS0007"), Key(g, "BARS0008"), Key(g, "BARS0009"), Key(g, "BARS0010"), table,
                     Key(g, "BARS0011"), Key(g, "BARS0012"), Key(g, "BARS0013")};
            break;
        case 2:
            value = static_cast<long long>(s.TorpedoStockClass1) + s.TorpedoStockClass2;
            maximum = static_cast<long long>(s.MaxTorpedoesClass1) + s.MaxTorpedoesClass2;
            parts = {Key(g, "BARS0014"), Key(g, "BARS0015"), Key(g, "BARS0016"), Key(g, "BARS0017"), table};
            if (s.TorpedoClass2Power > 1) {
                parts.push_back(Key(g, "BARS0018"));
                parts.push_back(
                    {g.Text("BARS0019") + CStr(static_cast<long long>(s.TorpedoClass2Power)) + g.Text("BARS0020"),
                     false});
            }
            break;
        case 3:
            if (s.MissionType != 3) {
                value = CLng(s.TimeLeft), maximum = CLng(s.TotalTime);
                parts = {Key(g, "BARS0021"), Key(g, "BARS0022"), Key(g, "BARS0023"), Key(g, "BARS0024"), table,
                         Key(g, "BARS0025"), Key(g, "BARS0026")};
            } else {
                value = s.GoalProgress, maximum = s.SystemsCount;
                parts = {Key(g, "BARS0027"), Key(g, "BARS0028"), Key(g, "BARS0029"), Key(g, "BARS0030"), table};
            }
            break;
        case 4:
            if (s.MissionType == 0 || s.MissionType == 1) {
                value = s.ZarvonisLeft, maximum = s.InitialZarvonis;
                parts = {Key(g, "BARS0031"), Key(g, "BARS0032"), Key(g, "BARS0033"), table,
                         Key(g, "BARS0034"), Key(g, "BARS0035")};
            } else if (s.MissionType == 2) {
                const long long done = s.GoalBySystems == 1 ? s.GoalSystemsDone : s.GoalProgress;
                value = s.MissionGoal - done, maximum = s.MissionGoal;
                parts = {Key(g, "BARS0036"), Key(g, "BARS0037"), Key(g, "BARS0038"), table,
                         Key(g, "BARS0039"), Key(g, "BARS0040")};
            } else if (s.MissionType == 3) {
                value = static_cast<long long>(s.ZarvonisCounted) - s.ZarvonisLeft, maximum = s.ZarvonisCounted;
                parts = {Key(g, "BARS0041", s.EnemysText),
                         Key(g, "BARS0042"),
                         {g.Text("BARS0043") + s.EnemysText + g.Text("BARS0044"), false},
                         Key(g, "BARS0045"),
                         table};
            }
            break;
        default: return "";
    }
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].table)
            out += ValueTable(g, value, maximum);
        else
            out += parts[i].text + (i + 1 < parts.size() ? s.NewLine : std::string());
    }
    return out;
}

void BarClick(Game& g, int gauge) {
    if (gauge < 0 || gauge > 4) return;
    const std::string text = BarExplanation(g, gauge);
    if (!text.empty()) MessageBox(g, -1, text);
}

WindowPosition BarsPosition(long screenWidth, long screenHeight, long width, long height) {
    return {screenWidth - width, screenHeight - height};
}

GaugeLook PaintGauge(const Game& g, int gauge, double width, double height) {
    if (gauge < 0 || gauge > 4) return {};
    const BarsDisplay& b = g.displays.bars;
    const size_t i = static_cast<size_t>(gauge);
    GaugeLook look;
    look.fillColour = PaletteColor(b.BackColor[i]);
    const PanelDrawing panel = DrawPanel(b.Tag[i], width, height, kEdgeSunken, true, {}, 0);
    look.fillTop = height > width ? panel.fillTop : 0;
    look.marker = b.Marker[i].visible && (gauge != 1 || g.st.CommandLook.MinShieldLine);
    look.markerY = b.Marker[i].y * height;
    look.caption = b.Caption[i];
    return look;
}

LampLook PaintLamp(const GameState& s, int lamp, const std::string& ownCaption) {
    if (lamp < 1 || lamp > 6) return {};
    const size_t i = static_cast<size_t>(lamp);
    return {s.LampBackColor[i], s.LampForeColor[i], s.LampCaption[i].empty() ? ownCaption : s.LampCaption[i]};
}

LampRect LampGeometry(int lamp) {
    // Row and column of each lamp, by its number.
    static const int kRow[7] = {0, 0, 0, 0, 1, 1, 1};
    static const int kCol[7] = {0, 0, 1, 2, 0, 1, 2};
    if (lamp < 1 || lamp > 6) return {};
    return {1560L * kCol[lamp], 600L * kRow[lamp], 1575, 600};
}

const char* LampControlName(int lamp) {
    static const char* const kNames[7] = {"",          "pnlAttackBase",   "pnlZarvoni", "pnlDamage",
                                          "pnlDocked", "pnlBaseCaptured", "pnlTimeLow"};
    return lamp >= 1 && lamp <= 6 ? kNames[lamp] : "";
}

void LampClick(Game& g, int lamp) {
    switch (lamp) {
        case 1:
            g.host.ShowForm(Form::frmBaseReport);
            UpdateBaseReport(g);
            break;
        case 2:
            g.host.ShowForm(Form::frmZarvoniReport);
            UpdateZarvoniReport(g);
            break;
        case 3:
            g.host.ShowForm(Form::frmDamageReport);
            UpdateDamageReport(g);
            break;
        case 4:
            g.host.ShowForm(Form::frmGeneralReport);
            UpdateGeneralReport(g);
            break;
        default: break;
    }
}

void LampBlinkTick(Game& g) {
    LampBlink& b = g.displays.blink;
    if (b.Count == 0) b.SavedState = GetStatusItem(g, b.Lamp);
    ++b.Count;
    SetStatusItem(g, b.Lamp, b.Count % 2 == 0 ? !b.SavedState : b.SavedState);
    if (b.Count > 12) {
        b.Count = 0;
        SetStatusItem(g, b.Lamp, b.SavedState);
        g.SetTimer(Timer::frmStatus_tmrBlink, false);
    }
}

WindowPosition StatusPosition(long, long screenHeight, long, long height) { return {0, screenHeight - height}; }

}  // namespace kv
