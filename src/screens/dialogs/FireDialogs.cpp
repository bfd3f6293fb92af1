#include "screens/dialogs/FireDialogs.h"

#include "engine/computer/Course.h"
#include "engine/turn/QuadrantLookups.h"
#include "state/Numeric.h"

namespace kv {

bool IsSelected(const FirePlanDialogData& d, size_t i) { return i < d.Selected.size() && d.Selected[i]; }

void SelectAll(FirePlanDialogData& d, size_t n, bool selected) { d.Selected.assign(n, selected); }

void RemoveSelected(std::vector<std::string>& plan, FirePlanDialogData& d) {
    for (size_t i = plan.size(); i-- > 0;)
        if (IsSelected(d, i)) plan.erase(plan.begin() + static_cast<long>(i));
    SelectAll(d, plan.size(), false);
}

void ToggleSelectAll(Game& g, FirePlanDialogData& d, size_t n, const char* deselectKey, const char* selectKey) {
    const bool all = d.SelectAllTag == "0";
    d.SelectAllTag = all ? "1" : "0";
    d.SelectAllCaption = g.Text(all ? deselectKey : selectKey);
    SelectAll(d, n, all);
}

void InfoOnSelected(Game& g, const std::vector<std::string>& plan, const FirePlanDialogData& d,
                    const std::function<std::optional<std::pair<int, int>>(const std::string&)>& where,
                    const std::string& prefix, int first) {
    // The messages may let the plan change under them: the plan and selection as clicked count.
    const std::vector<std::string> entries = plan;
    const FirePlanDialogData selection = d;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!IsSelected(selection, i)) continue;
        if (const auto at = where(entries[i]))
            MessageBox(g, -1, SectorInfoText(g, at->first, at->second, prefix, first));
    }
}

std::string SectorInfoText(Game& g, int row, int col, const std::string& prefix, int first) {
    GameState& s = g.st;
    auto T = [&](int offset) {
        const std::string n = std::to_string(first + offset);
        return g.Text(prefix + std::string(4 - n.size(), '0') + n);
    };
    const std::string& nl = s.NewLine;
    const int code = InGrid(row) && InGrid(col) ? static_cast<int>(s.SectorGrid[row][col]) : static_cast<int>(kEmpty);
    std::string text;
    switch (code) {
        case kShip: text = T(1); break;
        case kZarvoni: text = T(2) + s.EnemyText; break;
        case kStar: text = T(3); break;
        case kStarbase: text = T(4); break;
        case kZarvoniStarbase: text = T(5) + s.EnemyText + T(6); break;
        // The Morv ship's sector has no opening line of its own: its first line stays empty.
        case kMorv: break;
        // A cloaked ship's sector reads as an empty one.
        default: text = T(0); break;
    }
    CourseAndDistance(g, s.ShipSectorCol, s.ShipSectorRow, col, row);
    const double course = s.CalcCourse / 3.14159265358979 * 4 + 1;
    text += nl + T(7) + Str(row) + "," + CStr(static_cast<long long>(col)) + T(8) + Format(course, "0.000");
    const int slot = FindEnemyShip(g, row, col);
    const auto& zb = s.ZarvoniBase;
    const bool base = zb[1] == s.ShipQuadrantRow && zb[2] == s.ShipQuadrantCol && zb[3] == row && zb[4] == col;
    if (slot > 0) {
        text += nl + T(9) + s.EnemyText + T(10) + Format(s.ZarvoniEnergy[static_cast<size_t>(slot)], "0.0") + "%";
    } else if (base) {
        const double full = s.ZarvoniBaseStrength > 0 ? s.ZarvoniBaseStrength : 1;
        text += nl + T(11) + s.EnemyText + T(12) + Format(zb[5] * 100.0 / full, "0.0") + "%";
    } else {
        text += nl + T(13) + T(14);
    }
    return text;
}

}  // namespace kv
