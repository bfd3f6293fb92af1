#include "screens/dialogs/TorpedoDialog.h"

#include <algorithm>
#include <cmath>

#include "engine/computer/FirePlan.h"
#include "engine/computer/TorpedoComputer.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/tactical/Torpedoes.h"
#include "platform/Strings.h"
#include "screens/dialogs/FireDialogs.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr int kClassTwoColour = 14;  // yellow
constexpr int kPickColour = 13;
constexpr int kWidestFrame = 9;

bool ClassTwo(const std::string& entry) { return !entry.empty() && entry[0] == '*'; }

// Keeps the plan and its selection in text order, regardless of case.
void SortPlan(GameState& s) {
    std::vector<std::pair<std::string, bool>> rows;
    for (size_t i = 0; i < s.TorpedoPlan.size(); ++i)
        rows.emplace_back(s.TorpedoPlan[i], IsSelected(s.TorpedoDialog, i));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return LowerCase(a.first) < LowerCase(b.first); });
    s.TorpedoPlan.clear();
    s.TorpedoDialog.Selected.clear();
    for (auto& [entry, selected] : rows) {
        s.TorpedoPlan.push_back(entry);
        s.TorpedoDialog.Selected.push_back(selected);
    }
}

void Shown(Game& g) { g.host.Refresh(View::TorpedoPlan); }

void Deselect(GameState& s) { SelectAll(s.TorpedoDialog, s.TorpedoPlan.size(), false); }

}  // namespace

int TorpedoPlanRoom(const GameState& s) {
    const int aboard = s.TorpedoStockClass1 + s.TorpedoStockClass2;
    return std::min(kTorpedoPlanSize, aboard) - static_cast<int>(s.TorpedoPlan.size());
}

std::string TorpedoPickedEntry(Game& g, int row, int col, bool classTwo) {
    const GameState& s = g.st;
    const double dr = row - s.ShipSectorRow, dc = col - s.ShipSectorCol;
    // A class-2 torpedo carries its power in the mark, even a power below 2.
    const std::string entry =
        TorpedoEntryText(0, g.Text("TOR0029"), std::sqrt(dr * dr + dc * dc), g.Text("TOR0030"), row, col);
    return classTwo ? SwitchTorpedoClass(entry, s.TorpedoClass2Power) : entry;
}

void TorpedoDialogActivate(Game& g, const SectorFrames& frames) {
    GameState& s = g.st;
    FirePlanDialogData& d = s.TorpedoDialog;
    if (s.FirePlanMode == 1) {
        s.FirePlanMode = 0;
        return;
    }
    // Only a pick for this dialog is collected: the target calculator's (or the phaser
    // dialog's) marks are left to their own window.
    const bool returning = s.SectorPickMode == kTorpedoPick;
    if (!returning) {
        d.AutoTargetEnabled = s.SystemDamage[kShortRangeSensors] <= 0 && s.SystemDamage[kComputer] <= 0;
        d.SelectAllCaption = g.Text("TOR0031");
        // The button's state goes with its caption: the list opens unselected, so its first
        // click selects all (a tag left at "1" would make that click deselect nothing).
        d.SelectAllTag = "0";
        Deselect(s);
    } else {
        g.host.SetMousePointer(Pointer::Hourglass);
        const int room = TorpedoPlanRoom(s);
        struct Kept {
            int cell;
            bool classTwo;
        };
        std::vector<Kept> kept;
        int leftOut = -1, count = 0;
        for (int n = 0; n < 64 && leftOut < 0; ++n) {
            const SectorFrame& f = frames[static_cast<size_t>(n)];
            if (!f.Visible) continue;
            for (int t = 1; t < f.BorderWidth; ++t) {
                if (++count > room) {
                    leftOut = n;
                    break;
                }
                kept.push_back({n, f.BorderColour == kClassTwoColour});
            }
        }
        // Picking ends and the frames go before the message, so that an activation while it
        // shows finds nothing left to collect.
        const bool running = s.GameRunning != 0;
        if (running) s.SectorPickMode = kNoPick;
        SRS(g);
        if (leftOut >= 0) {
            if (g.UseQuietDialogs) s.FirePlanMode = 1;
            MessageBox(g, -1,
                       g.Text("TOR0026") + g.Text("TOR0027") + Str(count) + g.Text("TOR0028") + Str(leftOut / 8 + 1) +
                           "," + CStr(static_cast<long long>(leftOut % 8 + 1)));
            s.FirePlanMode = 0;
        }
        if (!running) {
            g.host.SetMousePointer(Pointer::Default);
            return;
        }
        for (const Kept& k : kept) {
            s.TorpedoPlan.push_back(TorpedoPickedEntry(g, k.cell / 8 + 1, k.cell % 8 + 1, k.classTwo));
            d.Selected.resize(s.TorpedoPlan.size(), false);
        }
        SortPlan(s);
        g.host.SetMousePointer(Pointer::Default);
    }
    if (returning) s.SectorPickMode = kNoPick;
    d.SwitchClassVisible = s.TorpedoStockClass2 >= 1;
    Shown(g);
}

void TorpedoAdd(Game& g) {
    GameState& s = g.st;
    if (TorpedoPlanRoom(s) < 1) {
        MessageBox(g, -1, g.Text("TOR0004"));
        return;
    }
    // As for the phaser dialog's picks: the mark lasts while the message shows.
    if (g.UseQuietDialogs) s.FirePlanMode = 1;
    const std::string& nl = s.NewLine;
    std::string text = g.Text("TOR0005") + g.Text("TOR0006") + nl + g.Text("TOR0007");
    if (s.TorpedoStockClass2 >= 1) text += nl + g.Text("TOR0008");
    MessageBox(g, -1, text);
    s.FirePlanMode = 0;
    s.SectorPickMode = kTorpedoPick;
    g.host.ShowForm(Form::frmSRS);
}

SectorFrames TorpedoEdit(Game& g) {
    GameState& s = g.st;
    SectorFrames frames{};
    for (const std::string& entry : s.TorpedoPlan) {
        const auto e = ReadTorpedoEntry(entry);
        if (!e || !InGrid(e->row) || !InGrid(e->col)) continue;
        SectorFrame& f = frames[static_cast<size_t>((e->row - 1) * 8 + e->col - 1)];
        if (!f.Visible) {
            f = {true, 1, kPickColour};
        }
        f.BorderWidth = std::min(f.BorderWidth + 1, kWidestFrame);
        if (e->classTwo) f.BorderColour = kClassTwoColour;
    }
    s.TorpedoPlan.clear();
    Deselect(s);
    s.SectorPickMode = kTorpedoPick;
    Shown(g);
    g.host.ShowForm(Form::frmSRS);
    return frames;
}

void TorpedoSwitchClass(Game& g) {
    GameState& s = g.st;
    for (size_t i = 0; i < s.TorpedoPlan.size(); ++i)
        if (IsSelected(s.TorpedoDialog, i))
            s.TorpedoPlan[i] = SwitchTorpedoClass(s.TorpedoPlan[i], s.TorpedoClass2Power);
    SortPlan(s);
    Shown(g);
}

void TorpedoRemove(Game& g) {
    RemoveSelected(g.st.TorpedoPlan, g.st.TorpedoDialog);
    Shown(g);
}

void TorpedoClearAll(Game& g) {
    g.st.TorpedoPlan.clear();
    Deselect(g.st);
    Shown(g);
}

void TorpedoSelectAll(Game& g) {
    ToggleSelectAll(g, g.st.TorpedoDialog, g.st.TorpedoPlan.size(), "TOR0024", "TOR0025");
    Shown(g);
}

void TorpedoInfo(Game& g) {
    InfoOnSelected(
        g, g.st.TorpedoPlan, g.st.TorpedoDialog,
        [](const std::string& entry) -> std::optional<std::pair<int, int>> {
            if (const auto e = ReadTorpedoEntry(entry)) return std::pair{e->row, e->col};
            return std::nullopt;
        },
        "TOR", 9);
}

void TorpedoAutoTargetClick(Game& g) {
    TorpedoAutoTarget(g);
    Deselect(g.st);
    SortPlan(g.st);
    Shown(g);
}

void TorpedoPrevious(Game& g) {
    GameState& s = g.st;
    s.TorpedoPlan = s.TorpedoPlanPrevious;
    Deselect(s);
    Shown(g);
}

void TorpedoCancel(Game& g) { g.host.HideForm(Form::frmTOR); }

void TorpedoAccept(Game& g) {
    GameState& s = g.st;
    const long classTwo = std::count_if(s.TorpedoPlan.begin(), s.TorpedoPlan.end(), ClassTwo);
    const long classOne = static_cast<long>(s.TorpedoPlan.size()) - classTwo;
    if (classOne > s.TorpedoStockClass1) {
        MessageBox(g, -1, g.Text("TOR0001"));
        return;
    }
    if (classTwo > s.TorpedoStockClass2) {
        MessageBox(g, -1, g.Text("TOR0002") + Str(static_cast<int>(s.TorpedoClass2Power)) + g.Text("TOR0003"));
        return;
    }
    g.host.HideForm(Form::frmTOR);
    s.TorpedoPlanPrevious = s.TorpedoPlan;
    FireTorpedo(g);
}

}  // namespace kv
