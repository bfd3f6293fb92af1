#include "engine/computer/Displays.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// A bright palette colour, 8 darker on the highlight of the last scan.
void Colour(ChartLabel& label, long bright) {
    label.ForeColor = label.BackColor == kChartScanned ? bright - 8 : bright;
}

bool ZarvoniBaseStands(const GameState& s) {
    return s.ZarvoniBase[5] >= 0 && InGalaxy(s.ZarvoniBase[1], s.ZarvoniBase[2]);
}

// Star systems of a scanned quadrant that carry the visit mark: none, some or all of them.
void ColourStarSystems(const GameState& s, int row, int col, ChartLabel& label) {
    const int systems = QuadStarCount(s.Galaxy[row][col]);
    if (systems <= 0) return;
    int marked = 0;
    for (int n = 1; n <= systems && n <= 4; ++n)
        if (s.StarSystem(row, col, n).SystemValue3 != 0) ++marked;
    if (marked == 0)
        label.ForeColor = 6;
    else if (marked < systems)
        Colour(label, 11);
    else
        Colour(label, 10);
}

}  // namespace

void SetChartQuadrantColor(Game& g, int index, long color) {
    if (index >= 0 && index < 64) g.st.Chart.Labels[static_cast<size_t>(index)].BackColor = color;
    g.host.SetChartQuadrantColor(index, color);
}

void ClearChartScanHighlights(Game& g) {
    for (int i = 0; i < 64; ++i) SetChartQuadrantColor(g, i, kChartCleared);
}

void UpdateGalaxyRecord(Game& g) {
    GameState& s = g.st;
    auto& labels = s.Chart.Labels;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            ChartLabel& label = labels[static_cast<size_t>(LabelIndex(r, c))];
            label.Visible = true;
            label.Border = false;
            if (s.KnownGalaxy[r][c] < 0) {
                label.Caption.clear();
            } else {
                label.Caption = Format(s.KnownGalaxy[r][c], "000");
                label.ForeColor = 0;
            }
        }

    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    if (InGalaxy(qr, qc)) {
        s.KnownGalaxy[qr][qc] = s.Galaxy[qr][qc];
        ChartLabel& ship = labels[static_cast<size_t>(LabelIndex(qr, qc))];
        ship.Caption = Format(s.KnownGalaxy[qr][qc], "000");
        ship.Border = true;
    }

    const std::string mark = g.Text("Z");
    const bool baseStands = ZarvoniBaseStands(s);
    const long br = s.ZarvoniBase[1], bc = s.ZarvoniBase[2];
    const bool captured = s.ZarvoniBase[0] != 0;
    if (baseStands) {
        ChartLabel& base = labels[static_cast<size_t>(LabelIndex(br, bc))];
        // A quadrant never scanned gives the base away by no mark.
        if (s.KnownGalaxy[br][bc] >= 0) {
            if (captured)
                base.Caption = mark + base.Caption.substr(base.Caption.empty() ? 0 : 1);
            else
                base.Caption = "?" + mark + std::to_string(QuadStarCount(s.KnownGalaxy[br][bc]));
        }
    }

    switch (s.Chart.Tab) {
        case 1:
            if (baseStands) {
                ChartLabel& base = labels[static_cast<size_t>(LabelIndex(br, bc))];
                Colour(base, captured ? 10 : 12);
                if (s.KnownGalaxy[br][bc] < 0) base.Visible = false;
            }
            for (int i = 1; i <= 3; ++i) {
                const long r = s.Starbases[1][i], c = s.Starbases[2][i];
                if (s.Starbases[3][i] < 0 || !InGalaxy(r, c)) continue;
                Colour(labels[static_cast<size_t>(LabelIndex(r, c))], s.Galaxy[r][c] > 99 ? 12 : 10);
            }
            break;
        case 2:
            for (int r = 1; r <= 8; ++r)
                for (int c = 1; c <= 8; ++c)
                    if (s.KnownGalaxy[r][c] > 99) Colour(labels[static_cast<size_t>(LabelIndex(r, c))], 12);
            // The hostile base's quadrant, whatever became of the base.
            if (InGalaxy(br, bc)) Colour(labels[static_cast<size_t>(LabelIndex(br, bc))], 12);
            break;
        case 3:
            for (int r = 1; r <= 8; ++r)
                for (int c = 1; c <= 8; ++c)
                    if (s.KnownGalaxy[r][c] >= 0)
                        ColourStarSystems(s, r, c, labels[static_cast<size_t>(LabelIndex(r, c))]);
            break;
        default: break;
    }

    if (s.ShowCloakFlag)
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) {
                const int count = s.CloakedPerQuadrant[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)];
                if (count > 0) Colour(labels[static_cast<size_t>(LabelIndex(r, c))], 9 + count % 6);
            }
    g.host.Refresh(View::GalaxyChart);
}

bool ChartBlinkTick(Game& g) {
    GameState& s = g.st;
    bool changed = false;
    const bool calculatorShown = g.host.IsFormVisible(Form::frmTargetCalculator);
    for (int i = 1; i <= 3; ++i) {
        const long r = s.Starbases[1][i], c = s.Starbases[2][i];
        if (s.Starbases[3][i] <= 0 || s.StarbaseFlags[static_cast<size_t>(i)] == 0 || !InGalaxy(r, c)) continue;
        ChartLabel& label = s.Chart.Labels[static_cast<size_t>(LabelIndex(r, c))];
        label.ForeColor = label.ForeColor == 12 ? 4 : 12;
        if (calculatorShown) s.TargetOptBaseColour[static_cast<size_t>(i)] = static_cast<Integer>(label.ForeColor);
        changed = true;
    }
    if (changed) {
        g.host.Refresh(View::GalaxyChart);
        // The target calculator's entry of a base under attack blinks with the chart.
        if (calculatorShown) g.host.Refresh(View::TargetCalculator);
    }
    return changed;
}

}  // namespace kv
