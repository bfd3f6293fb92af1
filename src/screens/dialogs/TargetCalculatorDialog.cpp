#include "screens/dialogs/TargetCalculatorDialog.h"

#include <array>
#include <cmath>
#include <utility>

#include "engine/computer/TargetCalculator.h"
#include "engine/tactical/ShortRangeScan.h"
#include "state/LibraryOptions.h"

namespace kv {
namespace {

constexpr int kNeighbour[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};

void ClearBase(GameState& s) { s.TargetOptBase.fill(false); }
void ClearNeighbours(GameState& s) { s.TargetOptLRS.fill(false); }
void ClearAll(GameState& s) {
    ClearBase(s);
    ClearNeighbours(s);
    s.TargetOptPrev = false;
}

void Shown(Game& g) { g.host.Refresh(View::TargetCalculator); }

// The quadrant of base 0..3 (0 the Zarvoni starbase), and whether the player may aim at it.
struct BaseQuadrant {
    int row = 0, col = 0;
    bool usable = false;
};
BaseQuadrant Base(const GameState& s, int index) {
    BaseQuadrant b;
    bool known = false, standing = false;
    if (index == 0) {
        b.row = static_cast<int>(s.ZarvoniBase[1]), b.col = static_cast<int>(s.ZarvoniBase[2]);
        known = s.ZarvoniBaseKnown != 0;
        standing = s.ZarvoniBase[5] >= 0;
    } else {
        b.row = static_cast<int>(s.Starbases[1][static_cast<size_t>(index)]);
        b.col = static_cast<int>(s.Starbases[2][static_cast<size_t>(index)]);
        // Seen once (the starbase report marks it), a base stays known.
        known = s.Starbases[0][static_cast<size_t>(index)] != 0;
        standing = s.Starbases[3][static_cast<size_t>(index)] >= 0;
    }
    if (!InGalaxy(b.row, b.col)) return b;
    const bool charted = s.KnownGalaxy[b.row][b.col] == s.Galaxy[b.row][b.col];
    b.usable = (charted || known) && standing;
    return b;
}

}  // namespace

void SaveTCState(Game& g) {
    g.st.SavedTCEnabled = g.TimerEnabled(Timer::frmCOM_tmrTC);
    g.st.SavedTCTarget = g.st.ComTCTag;
}

void RestoreTCState(Game& g) {
    g.st.ComTCTag = g.st.SavedTCTarget;
    SetAutoTargetCalculator(g, g.st.SavedTCEnabled);
}

void TargetCalculatorActivate(Game& g) {
    GameState& s = g.st;
    s.SectorPickMode = kCalculatorPick;
    g.SetTimer(Timer::frmTargetCalculator_tmrCheckSRS, true);
    s.QuadrantPickMode = -1;
    g.SetTimer(Timer::frmTargetCalculator_tmrCheckCOM, true);
    s.ComTCTag.clear();
    SetAutoTargetCalculator(g, false);
}

void TargetCalculatorAccept(Game& g) {
    TargetSector(g);
    RestoreTCState(g);
}

void TargetCalculatorCancel(Game& g) {
    GameState& s = g.st;
    TargetCalculator(g);
    s.SectorPickMode = kNoPick;
    g.SetTimer(Timer::frmTargetCalculator_tmrCheckSRS, false);
    s.QuadrantPickMode = 0;
    g.SetTimer(Timer::frmTargetCalculator_tmrCheckCOM, false);
    g.host.HideForm(Form::frmTargetCalculator);
    RestoreTCState(g);
}

void TargetCalculatorHelp(Game& g) {
    const std::string& nl = g.st.NewLine;
    MessageBox(g, -1, g.Text("TARGET0001") + nl + g.Text("TARGET0002") + nl + g.Text("TARGET0003"), kOKOnly);
}

const char* TargetPickerCaptionKey(bool quadrant) { return quadrant ? "TARGET0004" : "TARGET0005"; }

int TargetPickerShipCell(const GameState& s, bool quadrant) {
    return quadrant ? (s.ShipQuadrantRow - 1) * 8 + s.ShipQuadrantCol - 1
                    : (s.ShipSectorRow - 1) * 8 + s.ShipSectorCol - 1;
}

void TakePickedCell(Game& g, bool quadrant, std::optional<int> cell) {
    GameState& s = g.st;
    if (!cell || *cell < 0 || *cell > 63) return;
    if (quadrant) {
        s.TargetQuadText = CellIndexText(*cell);
        ClearAll(s);
    } else {
        s.TargetSectText = CellIndexText(*cell);
    }
    Shown(g);
}

void PickTargetCell(Game& g, bool quadrant) {
    QuadrantPicker& picker = g.st.QuadSelect;
    picker.Caption = g.Text(TargetPickerCaptionKey(quadrant));
    const int ship = TargetPickerShipCell(g.st, quadrant);
    const bool shipCell = ship >= 0 && ship <= 63;
    if (shipCell) picker.Enabled[static_cast<size_t>(ship)] = false;
    g.host.RunModal(Form::frmQuadSelect);
    if (shipCell) picker.Enabled[static_cast<size_t>(ship)] = true;
    TakePickedCell(g, quadrant, picker.Selected >= 0 ? std::optional<int>(picker.Selected) : std::nullopt);
}

void ChooseTargetBase(Game& g, int index) {
    GameState& s = g.st;
    if (index < 0 || index > 3) return;
    ClearAll(s);
    const BaseQuadrant b = Base(s, index);
    if (b.usable) {
        s.TargetOptBase[static_cast<size_t>(index)] = true;
        s.TargetQuadText = CellText(b.row, b.col);
    }
    Shown(g);
}

void ChooseTargetNeighbour(Game& g, int index) {
    GameState& s = g.st;
    if (index < 0 || index > 7) return;
    ClearNeighbours(s);
    const int row = s.ShipQuadrantRow + kNeighbour[index][0], col = s.ShipQuadrantCol + kNeighbour[index][1];
    if (InGalaxy(row, col)) {
        s.TargetOptLRS[static_cast<size_t>(index)] = true;
        s.TargetQuadText = CellText(row, col);
        ClearBase(s);
        s.TargetOptPrev = false;
    }
    Shown(g);
}

void ChooseTargetPrevious(Game& g) {
    GameState& s = g.st;
    ClearAll(s);
    // Before the ship has left its first quadrant there is no previous one.
    if (InGalaxy(s.PrevQuadRow, s.PrevQuadCol)) {
        s.TargetOptPrev = true;
        s.TargetQuadText = CellText(s.PrevQuadRow, s.PrevQuadCol);
    }
    Shown(g);
}

void ChooseNearestBase(Game& g) {
    GameState& s = g.st;
    const int shipRow = s.ShipQuadrantRow * 8 + s.ShipSectorRow, shipCol = s.ShipQuadrantCol * 8 + s.ShipSectorCol;
    int best = -1;
    double nearest = 0;
    // The Zarvoni starbase is a base to go to only once captured.
    for (int i = s.ZarvoniBase[0] != 0 ? 0 : 1; i <= 3; ++i) {
        const BaseQuadrant b = Base(s, i);
        // Only a base the option would take counts: a destroyed or unknown one nearer than a
        // standing one would otherwise be chosen, refused by its option, and leave nothing set.
        if (!b.usable || (i == 0 && !s.ZarvoniBaseKnown)) continue;
        int sr = 0, sc = 0;
        if (i == 0) {
            sr = static_cast<int>(s.ZarvoniBase[3]), sc = static_cast<int>(s.ZarvoniBase[4]);
        } else {
            sr = s.StarbaseSectors[1][static_cast<size_t>(i)], sc = s.StarbaseSectors[2][static_cast<size_t>(i)];
        }
        const double dr = b.row * 8 + sr - shipRow, dc = b.col * 8 + sc - shipCol;
        const double d = std::sqrt(dr * dr + dc * dc);
        // At full precision: a best distance rounded to a whole sector would let a base up to half
        // a sector farther win.
        if (best < 0 || d < nearest) best = i, nearest = d;
    }
    ClearNeighbours(s);
    if (best < 0) {
        ClearBase(s);
        Shown(g);
        return;
    }
    ChooseTargetBase(g, best);
}

void ChooseBestNeighbour(Game& g, NeighbourScore score) {
    GameState& s = g.st;
    struct Row {
        int index = 0;
        double distance = 0, value = 0;
    };
    std::array<Row, 8> rows;
    const int r = s.ShipQuadrantRow, c = s.ShipQuadrantCol;
    for (int k = 0; k < 8; ++k) {
        const int dr = kNeighbour[k][0], dc = kNeighbour[k][1];
        // The sectors from the ship to the neighbour's edge on each axis.
        auto edge = [](int d, int sector) { return d < 0 ? sector : d > 0 ? 9 - sector : 0; };
        const double er = edge(dr, s.ShipSectorRow), ec = edge(dc, s.ShipSectorCol);
        Row& row = rows[static_cast<size_t>(k)];
        row.index = k;
        row.distance = std::sqrt(er * er + ec * ec);
        const int nr = r + dr, nc = c + dc;
        const int code = InGalaxy(nr, nc) ? s.KnownGalaxy[nr][nc] : -1;
        if (code < 0)
            row.value = score == NeighbourScore::Safety ? 10 : -1;
        else
            row.value = score == NeighbourScore::Stars ? code % 10 : std::floor(code / 100.0);
    }
    auto better = [score](double a, double b) { return score == NeighbourScore::Safety ? a < b : a > b; };
    for (int i = 1; i < 8; ++i)
        for (int j = 0; j < i; ++j)
            if (better(rows[static_cast<size_t>(i)].value, rows[static_cast<size_t>(j)].value))
                std::swap(rows[static_cast<size_t>(i)], rows[static_cast<size_t>(j)]);
    const double top = rows[0].value;
    const bool accepted = score == NeighbourScore::Safety ? top < 9 : top > 0;
    if (!accepted) {
        ClearNeighbours(s);
        Shown(g);
        return;
    }
    int ties = 1;
    while (ties < 8 && rows[static_cast<size_t>(ties)].value == top) ++ties;
    for (int i = 1; i < ties; ++i)
        for (int j = 0; j < i; ++j)
            if (rows[static_cast<size_t>(i)].distance < rows[static_cast<size_t>(j)].distance)
                std::swap(rows[static_cast<size_t>(i)], rows[static_cast<size_t>(j)]);
    ChooseTargetNeighbour(g, rows[0].index);
    ClearBase(s);
}

std::optional<int> TakeChartPick(Game& g) {
    GameState& s = g.st;
    if (s.QuadrantPickMode < 1 || s.QuadrantPickMode > 64) return std::nullopt;
    const int i = s.QuadrantPickMode - 1;
    s.TargetQuadText = CellIndexText(i);
    s.Chart.Labels[static_cast<size_t>(i)].Border = false;
    g.host.Refresh(View::GalaxyChart);
    s.QuadrantPickMode = -1;
    ClearAll(s);
    Shown(g);
    return i;
}

void TakeScanPick(Game& g) {
    GameState& s = g.st;
    if (s.SectorPickMode < 1 || s.SectorPickMode > 64) return;
    s.TargetSectText = CellIndexText(s.SectorPickMode - 1);
    s.SectorPickMode = kCalculatorPick;
    SRS(g);
    ClearAll(s);
    Shown(g);
}

}  // namespace kv
