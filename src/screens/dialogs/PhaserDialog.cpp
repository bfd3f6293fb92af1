#include "screens/dialogs/PhaserDialog.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/computer/FirePlan.h"
#include "engine/computer/PhaserComputer.h"
#include "engine/tactical/Phasers.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/QuadrantLookups.h"
#include "platform/Strings.h"
#include "screens/dialogs/FireDialogs.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr long kStarbaseAmount = 1000;
constexpr long kMorvAmount = 2000;
constexpr long kOtherLimit = 2000;

bool SensorsDamaged(const GameState& s) { return s.SystemDamage[kShortRangeSensors] > 0; }

double Distance(const GameState& s, int row, int col) {
    const double dr = row - s.ShipSectorRow, dc = col - s.ShipSectorCol;
    return std::sqrt(dr * dr + dc * dc);
}

// The hostile ship of an entry's sector that the dialog may aim at: none while the sensors are
// damaged.
int AimedSlot(Game& g, const PhaserEntry& e) { return SensorsDamaged(g.st) ? 0 : FindEnemyShip(g, e.row, e.col); }

std::string Entry(Game& g, const char* prefix, const PhaserEntry& e, const std::string& label, long amount,
                  const char* middle) {
    return PhaserEntryText(g.Text(prefix), e.row, e.col, label, g.Text(middle), amount);
}

// The entry's label as written: its two characters, a slot of 10 whole.
std::string EntryLabel(const PhaserEntry& e) { return e.slot == 10 ? e.kind.substr(0, 1) + "10" : e.kind; }

// Rewrites the selected entries that hold a hostile ship with the amount `amount` gives (nothing:
// the entry stays).
template <typename Amount>
void RewriteHostiles(Game& g, const char* prefix, const char* middle, Amount amount) {
    GameState& s = g.st;
    for (size_t i = 0; i < s.PhaserPlan.size(); ++i) {
        if (!IsSelected(s.PhaserDialog, i)) continue;
        const auto e = ReadPhaserEntry(s.PhaserPlan[i]);
        if (!e) continue;
        const int slot = AimedSlot(g, *e);
        if (slot <= 0) continue;
        const std::optional<long> a = amount(s.ZarvoniEnergy[static_cast<size_t>(slot)], Distance(s, e->row, e->col));
        if (a) s.PhaserPlan[i] = Entry(g, prefix, *e, "Z" + std::to_string(slot), *a, middle);
    }
    ParsePhaserTarget(g);
}

}  // namespace

long PhaserKillAmount(double energy, double distance) {
    const double k = Int((energy / 2 * distance + 5) / 5) * 5;
    return static_cast<long>(std::clamp(k, 0.0, 2147483647.0));
}

std::optional<long> PhaserDisableAmount(long kill, double energy) {
    if (energy <= 18) return std::nullopt;
    return static_cast<long>(std::max(0.0, Int(kill / energy * (energy - 18))));
}

std::string PhaserPickedEntry(Game& g, int row, int col) {
    GameState& s = g.st;
    const int slot = FindEnemyShip(g, row, col);
    std::string label = slot > 0 ? g.Text("Z") + std::to_string(slot) : "--";
    long amount = 1;
    if (slot > 0 && s.SystemDamage[kShortRangeSensors] <= 0 && s.SystemDamage[kComputer] <= 0)
        amount = PhaserKillAmount(s.ZarvoniEnergy[static_cast<size_t>(slot)], Distance(s, row, col));
    const auto& zb = s.ZarvoniBase;
    if (zb[0] == 0 && zb[1] == s.ShipQuadrantRow && zb[2] == s.ShipQuadrantCol && zb[3] == row && zb[4] == col)
        label = "ZB", amount = kStarbaseAmount;
    const auto& mv = s.MorvShip;
    if (mv[1] == s.ShipQuadrantRow && mv[2] == s.ShipQuadrantCol && mv[3] == row && mv[4] == col)
        label = "MV", amount = kMorvAmount;
    if (SensorsDamaged(s) && (std::abs(row - s.ShipSectorRow) > 2 || std::abs(col - s.ShipSectorCol) > 2))
        label = "??", amount = 1;
    return PhaserEntryText(g.Text("PHA0034"), row, col, label, g.Text("PHA0035"), amount);
}

void PhaserDialogActivate(Game& g, const SectorFrames& frames) {
    GameState& s = g.st;
    FirePlanDialogData& d = s.PhaserDialog;
    if (s.FirePlanMode == 2) {
        s.FirePlanMode = 0;
        return;
    }
    // Only a pick for this dialog is collected: the target calculator's (or the torpedo
    // dialog's) marks are left to their own window.
    if (s.SectorPickMode != kPhaserPick) {
        d.AutoTargetEnabled = s.SystemDamage[kShortRangeSensors] <= 0 && s.SystemDamage[kComputer] <= 0;
        d.SelectAllCaption = g.Text("PHA0036");
        // The button's state goes with its caption: the list opens unselected, so its first
        // click selects all (a tag left at "1" would make that click deselect nothing).
        d.SelectAllTag = "0";
        SelectAll(d, s.PhaserPlan.size(), false);
        PhaserSelectionChanged(g);
        return;
    }

    g.host.SetMousePointer(Pointer::Hourglass);
    const int room = kPhaserPlanSize - static_cast<int>(s.PhaserPlan.size());
    std::vector<int> kept;
    int leftOut = -1;
    for (int n = 0; n < 64; ++n) {
        if (!frames[static_cast<size_t>(n)].Visible) continue;
        if (static_cast<int>(kept.size()) < room) {
            kept.push_back(n);
        } else {
            leftOut = n;
            break;
        }
    }
    // Picking ends and the frames go before the message, so that an activation while it shows
    // finds nothing left to collect.
    const bool running = s.GameRunning != 0;
    if (running) s.SectorPickMode = kNoPick;
    SRS(g);
    if (leftOut >= 0) {
        const std::string& nl = s.NewLine;
        MessageBox(g, 10,
                   g.Text("PHA0031") + nl + g.Text("PHA0032") + Str(room + 1) + g.Text("PHA0033") +
                       Str(leftOut / 8 + 1) + "," + CStr(static_cast<long long>(leftOut % 8 + 1)));
    }
    if (running) {
        for (const int n : kept) s.PhaserPlan.push_back(PhaserPickedEntry(g, n / 8 + 1, n % 8 + 1));
        d.Selected.resize(s.PhaserPlan.size(), false);
        ParsePhaserTarget(g);
    }
    g.host.SetMousePointer(Pointer::Default);
}

void PhaserSelectionChanged(Game& g) {
    GameState& s = g.st;
    FirePlanDialogData& d = s.PhaserDialog;
    d.KillEnabled = d.DisableEnabled = d.OtherEnabled = false;
    for (size_t i = 0; i < s.PhaserPlan.size(); ++i) {
        if (!IsSelected(d, i)) continue;
        d.OtherEnabled = true;
        const auto e = ReadPhaserEntry(s.PhaserPlan[i]);
        const int slot = e ? AimedSlot(g, *e) : 0;
        if (slot <= 0) continue;
        d.KillEnabled = true;
        if (s.ZarvoniEnergy[static_cast<size_t>(slot)] > 20) d.DisableEnabled = true;
    }
    g.host.Refresh(View::PhaserPlan);
}

void PhaserAdd(Game& g) {
    GameState& s = g.st;
    const int room = kPhaserPlanSize - static_cast<int>(s.PhaserPlan.size());
    if (room < 1) {
        MessageBox(g, -1, g.Text("PHA0001"));
        return;
    }
    // The game's own message window gives the dialog back its activation as it closes: that
    // one brings no pick. Once the message is answered the mark goes, whether that activation
    // came or not, so that the return from the scan is never taken for it.
    if (g.UseQuietDialogs) s.FirePlanMode = 2;
    MessageBox(g, -1, g.Text("PHA0002") + Str(room) + g.Text("PHA0003"));
    s.FirePlanMode = 0;
    s.SectorPickMode = kPhaserPick;
    g.host.ShowForm(Form::frmSRS);
}

void PhaserRemove(Game& g) {
    RemoveSelected(g.st.PhaserPlan, g.st.PhaserDialog);
    ParsePhaserTarget(g);
    PhaserSelectionChanged(g);
}

void PhaserClearAll(Game& g) {
    g.st.PhaserPlan.clear();
    SelectAll(g.st.PhaserDialog, 0, false);
    ParsePhaserTarget(g);
    PhaserSelectionChanged(g);
}

void PhaserSelectAll(Game& g) {
    ToggleSelectAll(g, g.st.PhaserDialog, g.st.PhaserPlan.size(), "PHA0029", "PHA0030");
    PhaserSelectionChanged(g);
}

void PhaserKill(Game& g) {
    RewriteHostiles(g, "PHA0021", "PHA0022",
                    [](double e, double d) -> std::optional<long> { return PhaserKillAmount(e, d); });
}

void PhaserDisable(Game& g) {
    RewriteHostiles(g, "PHA0004", "PHA0005",
                    [](double e, double d) { return PhaserDisableAmount(PhaserKillAmount(e, d), e); });
}

void PhaserOther(Game& g) {
    GameState& s = g.st;
    const std::vector<bool> selected = s.PhaserDialog.Selected;
    const std::string& nl = s.NewLine;
    for (size_t i = 0; i < s.PhaserPlan.size(); ++i) {
        if (!IsSelected(s.PhaserDialog, i)) continue;
        const auto e = ReadPhaserEntry(s.PhaserPlan[i]);
        if (!e) continue;
        const std::string label = EntryLabel(*e);
        const long limit = std::clamp<long>(s.ShipEnergy, 0, kOtherLimit);
        const std::string prompt = g.Text("PHA0023") + Str(e->row) + " ," + CStr(static_cast<long long>(e->col)) + " (" +
                                   label + ")" + nl + g.Text("PHA0024") + Str(e->amount) + nl + g.Text("PHA0025") +
                                   Str(limit) + g.Text("PHA0026");
        Single value = static_cast<Single>(e->amount), factor = 1;
        const double chosen =
            SetupNumberDialog(g, prompt, g.Text("PhaCap"), "", value, 0, static_cast<Single>(limit), factor);
        // The entry keeps its label: a ship, the starbase, the Morv ship or an empty sector.
        if (chosen >= 0) s.PhaserPlan[i] = Entry(g, "PHA0027", *e, label, CLng(chosen), "PHA0028");
    }
    s.PhaserDialog.Selected = selected;
    ParsePhaserTarget(g);
}

void PhaserInfo(Game& g) {
    InfoOnSelected(
        g, g.st.PhaserPlan, g.st.PhaserDialog,
        [](const std::string& entry) -> std::optional<std::pair<int, int>> {
            if (const auto e = ReadPhaserEntry(entry)) return std::pair{e->row, e->col};
            return std::nullopt;
        },
        "PHA", 6);
}

void PhaserAutoTargetClick(Game& g) {
    PhaserAutoTarget(g);
    SelectAll(g.st.PhaserDialog, g.st.PhaserPlan.size(), false);
    PhaserSelectionChanged(g);
}

void PhaserPrevious(Game& g) {
    GameState& s = g.st;
    s.PhaserPlan = s.PhaserPlanPrevious;
    SelectAll(s.PhaserDialog, s.PhaserPlan.size(), false);
    ParsePhaserTarget(g);
    PhaserSelectionChanged(g);
}

void PhaserCancel(Game& g) { g.host.HideForm(Form::frmPHA); }

void PhaserAccept(Game& g) {
    GameState& s = g.st;
    g.host.HideForm(Form::frmPHA);
    // The list of the last plan keeps its entries in text order.
    s.PhaserPlanPrevious = s.PhaserPlan;
    std::stable_sort(s.PhaserPlanPrevious.begin(), s.PhaserPlanPrevious.end(),
                     [](const std::string& a, const std::string& b) { return LowerCase(a) < LowerCase(b); });
    FirePhasers(g);
}

}  // namespace kv
