#include "screens/dialogs/GalaxyChart.h"

#include "engine/computer/Displays.h"
#include "engine/computer/TargetCalculator.h"
#include "state/LibraryOptions.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr int kLeftButton = 1, kRightButton = 2, kCtrlAlone = 2;

bool ValidIndex(int index) { return index >= 0 && index < 64; }

// A quadrant picked: for the dialog that waits for one (index + 1, the label bordered), or as
// the automatic target calculator's target.
void Pick(Game& g, int index) {
    GameState& s = g.st;
    if (s.QuadrantPickMode != 0) {
        s.QuadrantPickMode = static_cast<Integer>(index + 1);
        s.Chart.Labels[static_cast<size_t>(index)].Border = true;
        g.host.Refresh(View::GalaxyChart);
    } else if (g.TimerEnabled(Timer::frmCOM_tmrTC)) {
        s.ComTargetText = "Q" + Format(index, "00");
        TargetCalculator(g);
        TargetSector(g);
    }
}

std::string Char(const std::string& text, size_t position) {
    return position < text.size() ? text.substr(position, 1) : std::string();
}

}  // namespace

void ChartLabelPlace(int index, double& left, double& top) {
    left = (index % 8) * kChartCellWidth + 300;
    top = (index / 8) * kChartCellHeight + 300;
}

void ChartTabClick(Game& g, int tab) {
    g.st.Chart.Tab = tab >= 1 && tab <= 4 ? tab : 1;
    UpdateGalaxyRecord(g);
}

void ChartClick(Game& g, int index) {
    if (!ValidIndex(index)) return;
    if (g.TimerEnabled(Timer::frmCOM_tmrTC) || g.st.QuadrantPickMode != 0) {
        Pick(g, index);
        return;
    }
    MessageBox(g, -1, ChartCodeExplanation(g, g.st.Chart.Labels[static_cast<size_t>(index)].Caption));
}

void ChartMouseDown(Game& g, int index, int button, int shift) {
    if (!ValidIndex(index) || button != kLeftButton || shift != kCtrlAlone || g.st.QuadrantPickMode != 0) return;
    SetAutoTargetCalculator(g, true);
    Pick(g, index);
}

void ChartMouseMove(Game& g, int button) {
    SetAutoTargetCalculator(g, (button & kRightButton) != 0 && g.st.QuadrantPickMode == 0);
}

std::string ChartCodeExplanation(Game& g, const std::string& caption) {
    const GameState& s = g.st;
    const std::string c1 = Char(caption, 0), c2 = Char(caption, 1);
    const std::string c3 = caption.empty() ? std::string() : caption.substr(caption.size() - 1);
    auto t = [&](int n) { return g.Text("GALAXY" + Format(n, "0000")); };
    std::string base;
    const double v = Val(c2);
    if (v == 0 && c2 == g.Text("Z"))
        base = c2 + " " + s.EnemyText + t(1);
    else if (v == 0)
        base = c2 + t(2);
    else if (v >= 1 && v <= 3)
        base = c2 + t(3) + c2 + t(4);
    const std::string& nl = s.NewLine;
    const std::string tab = "\t";
    return t(5) + nl + t(6) + nl + t(7) + nl + s.EnemysText + t(8) + nl + t(9) + nl + t(10) + nl + t(11) + nl + t(12) +
           nl + std::string(14, ' ') + caption + tab + c1 + " " + s.EnemysText + nl + "              | | |" + tab + base +
           nl + "             /  |  \\" + tab + c3 + t(13) + nl + s.EnemysText + t(14) + nl + "                |" + nl +
           t(15);
}

}  // namespace kv
