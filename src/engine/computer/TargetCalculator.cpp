#include "engine/computer/TargetCalculator.h"

#include <string>

#include "engine/computer/Course.h"
#include "engine/computer/Navigation.h"
#include "engine/tactical/Movement.h"
#include "engine/turn/Time.h"
#include "state/LibraryOptions.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr const char* kDegree = "\xC2\xB0";
// The farthest a damaged warp drive carries the ship in one move, in sectors.
constexpr Single kDamagedDriveReach = 4.0f;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The two-digit cell index at `pos` of the target text (0..63); false when the text is too
// short there, is not two digits or names no cell.
bool ReadIndex(const std::string& text, std::size_t pos, int& index) {
    if (text.size() < pos + 2 || !IsDigit(text[pos]) || !IsDigit(text[pos + 1])) return false;
    index = (text[pos] - '0') * 10 + (text[pos + 1] - '0');
    return index <= 63;
}

// A "row,col" text as the window shows it: the row is its first character, the column its last;
// false unless both are 1..8.
bool ReadCellText(const std::string& text, int& row, int& col) {
    if (text.empty()) return false;
    const char r = text.front(), c = text.back();
    if (r < '1' || r > '8' || c < '1' || c > '8') return false;
    row = r - '0';
    col = c - '0';
    return true;
}

void ClearOptions(GameState& s) {
    s.TargetOptBase.fill(false);
    s.TargetOptLRS.fill(false);
    s.TargetOptPrev = false;
}

// Takes the pending target text into the window's quadrant and sector.
void ReadTargetText(Game& g) {
    GameState& s = g.st;
    const std::string& text = s.ComTargetText;
    const std::string shipQuad = CellText(s.ShipQuadrantRow, s.ShipQuadrantCol);
    const std::string shipSect = CellText(s.ShipSectorRow, s.ShipSectorCol);
    int index = 0;
    if (text.empty()) {
        s.TargetQuadText = shipQuad;
        s.TargetSectText = shipSect;
    } else if (text.front() == 'Q') {
        if (ReadIndex(text, 1, index)) {
            s.TargetQuadText = CellIndexText(index);
            // The ship's own quadrant keeps the sector chosen before; one must be there.
            int r = 0, c = 0;
            if (!ReadCellText(s.TargetSectText, r, c)) s.TargetSectText = shipSect;
            ClosestSector(g);
        } else {
            s.TargetQuadText = shipQuad;
            s.TargetSectText = shipSect;
        }
    } else {
        s.TargetSectText = ReadIndex(text, 1, index) ? CellIndexText(index) : shipSect;
        if (text.size() > 3 && text[3] == 'Q' && ReadIndex(text, 4, index))
            s.TargetQuadText = CellIndexText(index);
        else
            s.TargetQuadText = shipQuad;
    }
    s.ComTargetText.clear();
    ClearOptions(s);
}

}  // namespace

std::string CellText(int row, int col) { return std::to_string(row) + "," + std::to_string(col); }
std::string CellIndexText(int index) { return CellText(index / 8 + 1, index % 8 + 1); }

bool TargetCalculatorDisabled(const GameState& s) { return s.SystemDamage[kWarpEngines] >= 7.0f; }

void TargetCalculator(Game& g) {
    GameState& s = g.st;
    if (!g.TimerEnabled(Timer::frmTargetCalculator_tmrCheckSRS)) ReadTargetText(g);
    s.TargetOptBaseColour.fill(0);
    s.TargetShipQuadText = CellText(s.ShipQuadrantRow, s.ShipQuadrantCol);
    g.host.Refresh(View::TargetCalculator);
}

void ClosestSector(Game& g) {
    GameState& s = g.st;
    int qr = 0, qc = 0;
    if (!ReadCellText(s.TargetQuadText, qr, qc)) return;
    if (qr == s.ShipQuadrantRow && qc == s.ShipQuadrantCol) return;
    // The edge of the target quadrant that faces the ship.
    auto nearest = [](int target, int ship, int sector) { return target < ship ? 8 : target > ship ? 1 : sector; };
    s.TargetSectText =
        CellText(nearest(qr, s.ShipQuadrantRow, s.ShipSectorRow), nearest(qc, s.ShipQuadrantCol, s.ShipSectorCol));
    g.host.Refresh(View::TargetCalculator);
}

void TargetSector(Game& g) {
    GameState& s = g.st;
    if (TargetCalculatorDisabled(s)) return;
    g.host.HideForm(Form::frmTargetCalculator);
    int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol, sr = s.ShipSectorRow, sc = s.ShipSectorCol;
    if (!ReadCellText(s.TargetQuadText, qr, qc)) qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    if (!ReadCellText(s.TargetSectText, sr, sc)) sr = s.ShipSectorRow, sc = s.ShipSectorCol;
    const int row = qr * 8 + sr, col = qc * 8 + sc;
    const bool own = row == s.ShipQuadrantRow * 8 + s.ShipSectorRow && col == s.ShipQuadrantCol * 8 + s.ShipSectorCol;
    if (own && g.TimerEnabled(Timer::frmCOM_tmrTC)) return;

    SetAutoTargetCalculator(g, false);
    s.SectorPickMode = kNoPick;
    s.QuadrantPickMode = 0;
    g.SetTimer(Timer::frmTargetCalculator_tmrCheckSRS, false);
    g.SetTimer(Timer::frmTargetCalculator_tmrCheckCOM, false);
    ShowTargetSolution(g, row, col);
}

void ShowTargetSolution(Game& g, int targetRow, int targetCol) {
    GameState& s = g.st;
    auto T = [&](const char* key) { return g.Text(key); };
    const std::string& nl = s.NewLine;

    // The destination as quadrant and sector on each axis.
    auto quadrant = [](int t) { return static_cast<int>(Int((t - 1) / 8.0)); };
    auto sector = [](int t) { return ((t - 1) % 8 + 8) % 8 + 1; };
    int quadRow = quadrant(targetRow), quadCol = quadrant(targetCol);
    int sectorRow = sector(targetRow), sectorCol = sector(targetCol);

    const int shipRow = s.ShipQuadrantRow * 8 + s.ShipSectorRow;
    const int shipCol = s.ShipQuadrantCol * 8 + s.ShipSectorCol;
    const Single angle = CourseAndDistance(g, shipCol, shipRow, targetCol, targetRow);
    const Single course = static_cast<Single>(s.CalcCourse * 4 / kPi + 1);
    Single distance = s.CalcDistance;

    const std::string courseText = Format(course, "0.000");
    PrintOutput(g, "");
    PrintOutput(g, T("KVCOM0077") + courseText + " (" + Format(angle, "0.0") + kDegree + ")");
    PrintOutput(g, T("KVCOM0078") + Format(distance / 8, "0.000"));
    std::string question = T("KVCOM0079") + courseText + " (" + CStr(angle) + kDegree + ")" + nl + T("KVCOM0080") +
                           Format(distance / 8, "0.000") + nl + nl + T("KVCOM0081");

    if (s.SystemDamage[kWarpEngines] > 0 && distance > kDamagedDriveReach) {
        question += nl + "* " + s.SystemNames[kWarpEngines] + T("KVCOM0082") + nl + T("KVCOM0083");
        distance = kDamagedDriveReach;
        const NavDestination d = NavigationDestination(s, course, distance);
        SplitDelta(s.ShipQuadrantRow, s.ShipSectorRow, d.dRow, quadRow, sectorRow);
        SplitDelta(s.ShipQuadrantCol, s.ShipSectorCol, d.dCol, quadCol, sectorCol);
    }

    if (!InGalaxy(quadRow, quadCol) || !InGrid(sectorRow) || !InGrid(sectorCol)) {
        MessageBox(g, -1, T("KVCOM0084"), kOKOnly);
        return;
    }
    if (MessageQuery(g, 1, question, kYesNo + kQuestion) == kNo) {
        PrintOutput(g, "");
        PrintOutput(g, T("KVCOM0085"));
        return;
    }

    s.ShipEnergy = Clamp32(static_cast<long long>(Int(static_cast<double>(s.ShipEnergy) - 10 - distance)));
    PassTime(g, static_cast<Single>(static_cast<double>(distance) * 0.04));
    s.WarpFactor = distance / 8;
    // The move takes the ship out of its grid cell; MoveShip puts it where it stops.
    if (InGrid(s.ShipSectorRow) && InGrid(s.ShipSectorCol) && s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] == kShip)
        s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kEmpty;
    MoveShip(g, quadRow, quadCol, sectorRow, sectorCol);
}

}  // namespace kv
