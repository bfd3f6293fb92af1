#include "screens/dialogs/ScanWindow.h"

#include <algorithm>
#include <cstdlib>

#include "engine/computer/TargetCalculator.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/tactical/WeaponEffects.h"
#include "engine/turn/QuadrantLookups.h"
#include "platform/Files.h"
#include "platform/Strings.h"
#include "state/LibraryOptions.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr int kLeftButton = 1, kRightButton = 2;
constexpr int kShiftKey = 1, kCtrlKey = 2;

bool ValidCell(int cell) { return cell >= 0 && cell < 64; }
int CellRow(int cell) { return cell / 8 + 1; }
int CellCol(int cell) { return cell % 8 + 1; }

// The whole-number percentage of a strength; 0 when there is nothing to measure against.
std::string Percent(double part, double whole) {
    if (whole == 0) return "0";
    return std::to_string(static_cast<long long>(Int(part * 100 / whole)));
}

bool CalculatorWaits(Game& g) { return g.TimerEnabled(Timer::frmCOM_tmrTC) && g.st.SectorPickMode == kNoPick; }

void FlashFrame(Game& g, int cell) {
    SectorFrame& frame = g.st.SectorFrames[static_cast<size_t>(cell)];
    frame.Visible = true;
    g.host.Refresh(View::ShortRangeScan);
    Pause(g, 0.2);
    frame.Visible = false;
    g.host.Refresh(View::ShortRangeScan);
}

std::string CellTarget(int cell) { return "S" + Format(cell, "00"); }

void RunCalculator(Game& g) {
    TargetCalculator(g);
    TargetSector(g);
}

std::string SystemName(Game& g, int row, int col) {
    const int n = FindSolarSystem(g, row, col);
    if (n == 0) return "";
    return Trim(g.st.StarSystem(g.st.ShipQuadrantRow, g.st.ShipQuadrantCol, n).Name);
}

}  // namespace

ScanLayout LayOutScan(const ScanLayoutInput& in) {
    ScanLayout out;
    const int option = in.drawOption & 3;
    out.scale = option % 2 + 1;
    out.coords = option / 2 == 1;
    const int coords = out.coords ? 1 : 0;
    out.cellWidth = CInt(static_cast<double>(out.scale) * in.iconWidth);
    out.cellHeight = CInt(static_cast<double>(out.scale) * in.iconHeight);
    for (int k = 0; k < 64; ++k) {
        const int c = k % 8, r = k / 8;
        TwipRect& frame = out.frames[static_cast<size_t>(k)];
        frame.left = static_cast<double>(c) * out.cellWidth + 180.0 * coords;
        frame.top = static_cast<double>(r) * out.cellHeight + 240.0 * coords;
        frame.width = out.cellWidth + 30.0;
        frame.height = out.cellHeight + 30.0;
        TwipRect& cell = out.cells[static_cast<size_t>(k)];
        cell.width = static_cast<double>(out.cellWidth);
        cell.height = static_cast<double>(out.cellHeight);
        cell.left = frame.left + frame.width / 2 - cell.width / 2 - in.pixelX;
        cell.top = frame.top + frame.height / 2 - cell.height / 2 - in.pixelY;
    }
    for (int i = 0; i < 8; ++i) {
        const TwipRect& column = out.frames[static_cast<size_t>(i)];
        out.coordhLeft[static_cast<size_t>(i)] = column.left + column.width / 2 - in.coordhWidth / 2;
        const TwipRect& row = out.frames[static_cast<size_t>(8 * i)];
        out.coordvTop[static_cast<size_t>(i)] = row.top + row.height / 2 - in.coordvHeight / 2;
    }
    out.shieldSize = 345L * out.scale;
    out.morvShieldSize = 435L * out.scale;
    const TwipRect& last = out.frames[63];
    out.coverWidth = last.left + last.width;
    out.coverHeight = last.top + last.height;
    out.outerWidth = in.frameWidth + out.coverWidth;
    out.outerHeight = in.frameHeight + out.coverHeight;
    return out;
}

std::string ScanIconFile(const Game& g) {
    const char digit = static_cast<char>('0' + g.st.SRSPicQual);
    return FindFile(g.st.PicturesPath, std::string("ICONS") + digit + ".*");
}

std::string TorpedoFramesFile(const Game& g) { return FindFile(g.st.PicturesPath, "TORPEDO.*"); }

void PlaceScanWindow(long screenWidthPixels, double outputLeft, double outputWidth, double infoHeight, double& left,
                     double& top) {
    left = outputLeft + outputWidth;
    top = screenWidthPixels < 641 ? 0 : infoHeight;
}

std::array<int, 64> RandomScanIcons(Game& g) {
    std::array<int, 64> icons{};
    for (int& icon : icons) icon = static_cast<int>(Int(g.cosmetic.Rnd() * (kStripCells - 1)));
    return icons;
}

std::optional<std::string> ScanDescription(Game& g, int cell, int icon) {
    if (!ValidCell(cell) || icon < 0 || icon >= kStripCells) return std::nullopt;
    if (icon == kIconOutOfRange) return g.Text("SRS0001");
    const GameState& s = g.st;
    const std::string& enemy = s.EnemyText;
    switch (s.SectorGrid[CellRow(cell)][CellCol(cell)]) {
        case kEmpty: return g.Text("SRS0002");
        case kShip: return g.Text("SRS0003");
        case kZarvoni:
            if (icon == kIconZarvoniSpent) return g.Text("SRS0006") + enemy + g.Text("SRS0007");
            return g.Text("SRS0004") + enemy + g.Text("SRS0005");
        case kStar: return g.Text("SRS0010") + (icon == kIconStarVisited ? g.Text("SRS0011") : "");
        case kStarbase: return g.Text("SRS0012");
        case kZarvoniStarbase:
            return g.Text("SRS0014") + enemy + g.Text("SRS0015") + (s.ZarvoniBase[0] != 0 ? " " : g.Text("SRS0013")) +
                   g.Text("SRS0016");
        case kCloaked:
            if (icon == kIconCloakedWeak) return g.Text("SRS0017") + enemy + g.Text("SRS0018");
            return g.Text("SRS0019");
        case kMorv: return g.Text("SRS0008") + s.StrongEnemyText + g.Text("SRS0009");
        default: return std::string();
    }
}

std::optional<std::string> ScanHoverText(Game& g, int cell, int icon) {
    if (!ValidCell(cell)) return std::nullopt;
    const GameState& s = g.st;
    const int row = CellRow(cell), col = CellCol(cell);
    switch (icon) {
        case kIconStarVisited: return SystemName(g, row, col);
        case kIconStar: return s.ShowStarsFlag ? SystemName(g, row, col) : g.Text("SRS0020");
        case kIconMorv:
            return s.StrongEnemyText + g.Text("SRS0021") +
                   Percent(s.MorvStrength, 1000000.0 + 200000.0 * s.MorvShipsDestroyed) + "%";
        case kIconZarvoni: {
            const int slot = FindEnemyShip(g, row, col);
            return std::to_string(slot) + " - " + std::to_string(s.ZarvoniEnergy[static_cast<size_t>(slot)]) + "%";
        }
        case kIconZarvoniSpent: return std::to_string(FindEnemyShip(g, row, col)) + g.Text("SRS0022");
        case kIconStarbase: {
            const int base = s.QuadStarbase >= 1 && s.QuadStarbase <= 3 ? s.QuadStarbase : 0;
            const double strength = base ? static_cast<double>(s.Starbases[3][static_cast<size_t>(base)]) : 0;
            return g.Text("SRS0023") + Percent(strength, s.MaxStarbaseStrength) + "%";
        }
        case kIconZarvoniBase:
        case kIconZarvoniBaseCaptured:
            return s.EnemyText + g.Text(icon == kIconZarvoniBase ? "SRS0024" : "SRS0025") +
                   Percent(s.ZarvoniBase[5], s.ZarvoniBaseStrength) + "%";
        case kIconCloakedWeak: {
            const int slot = FindCloakedShip(g, row, col);
            return std::to_string(slot) + " - " + std::to_string(s.CloakedEnergy[static_cast<size_t>(slot)]) + "%";
        }
        case kIconCloakedShown: return g.Text("SRS0026");
        default: return std::nullopt;  // the ship, empty or unreadable sectors, the tow icon, no strip cell
    }
}

void ScanClick(Game& g, int cell, int icon) {
    if (!ValidCell(cell)) return;
    GameState& s = g.st;
    if (CalculatorWaits(g)) {
        const std::string& target = s.ComTargetText;
        if (!target.empty() && target[0] == 'S' && Val(target.substr(1)) == cell) {
            RunCalculator(g);
        } else {
            s.ComTargetText = CellTarget(cell);
            FlashFrame(g, cell);
        }
        return;
    }
    HideScanHoverLabel(g);
    if (s.SectorPickMode != kNoPick) return;
    const std::optional<std::string> text = ScanDescription(g, cell, icon);
    if (!text) return;
    s.SectorInfo.Icon = icon;
    s.SectorInfo.Message = *text;
    g.host.RunModal(Form::frmSRSInfo);
}

void ScanDoubleClick(Game& g, int cell) {
    if (!ValidCell(cell) || !CalculatorWaits(g)) return;
    g.st.ComTargetText = CellTarget(cell);
    FlashFrame(g, cell);
    RunCalculator(g);
}

void ScanMouseDown(Game& g, int cell, int button, int shift) {
    if (!ValidCell(cell) || button != kLeftButton) return;
    GameState& s = g.st;
    if (s.SectorPickMode == kNoPick) {
        if (shift & kCtrlKey) SetAutoTargetCalculator(g, true);
        return;
    }
    SectorFrame& frame = s.SectorFrames[static_cast<size_t>(cell)];
    if ((shift & kShiftKey) && s.SectorPickMode == kTorpedoPick) {
        if (!frame.Visible) frame.BorderWidth = 1;
        frame.Visible = true;
        if (++frame.BorderWidth > 9) frame.BorderWidth = 2;
    } else if ((shift & kCtrlKey) && s.SectorPickMode == kTorpedoPick && s.TorpedoStockClass2 >= 1) {
        if (frame.Visible) frame.BorderColour = frame.BorderColour == 13 ? 14 : 13;
    } else {
        frame.Visible = !frame.Visible;
        if (frame.Visible) {
            frame.BorderWidth = 2;
            frame.BorderColour = 13;
        }
    }
    if (s.SectorPickMode == kCalculatorPick) s.SectorPickMode = static_cast<Integer>(cell + 1);
    g.host.Refresh(View::ShortRangeScan);
}

void PlaceHoverLabel(const TwipRect& cell, double labelWidth, double labelHeight, double windowWidth,
                     double windowHeight, double& left, double& top) {
    left = cell.left + cell.width;
    top = cell.top + cell.height;
    if (left + labelWidth > windowWidth - cell.width) left = cell.left - labelWidth;
    if (top + labelHeight > windowHeight - cell.height) top = cell.top - labelHeight;
    if (left < 0) left = windowWidth / 2 - labelWidth / 2;
}

void ScanMouseMove(Game& g, int cell, int icon, int button, const ScanHoverMetrics& metrics) {
    if (!ValidCell(cell)) return;
    GameState& s = g.st;
    ScanHoverLabel& label = s.ScanHover;
    SetAutoTargetCalculator(g, (button & kRightButton) != 0 && s.SectorPickMode == kNoPick);
    if (cell != label.LastCell) {
        label.Visible = false;
        label.TimerRunning = false;
    }
    if (label.TimerRunning) return;
    const std::optional<std::string> text = ScanHoverText(g, cell, icon);
    if (!text) {
        // Nothing to name here: no label, not even the one of another cell.
        label.Visible = false;
        return;
    }
    label.Text = *text;
    const auto [width, height] = metrics.labelSize ? metrics.labelSize(label.Text) : std::pair<double, double>{0, 0};
    PlaceHoverLabel(metrics.cell, width, height, metrics.windowWidth, metrics.windowHeight, label.Left, label.Top);
    label.Visible = true;
    label.TimerRunning = true;
    label.LastCell = cell;
}

void HideScanHoverLabel(Game& g) {
    g.st.ScanHover.Visible = false;
    g.st.ScanHover.TimerRunning = false;
    // At once: a click's information box comes up without the label over the scan.
    g.host.Refresh(View::ShortRangeScan);
}

int NextShieldStep(int step) { return step >= 7 || step < 1 ? 1 : step + 1; }

long ShieldRingColour(const GameState& s, int step) {
    return s.ColorTable[static_cast<size_t>(step >= 1 && step <= 7 ? step : 1)];
}

bool MorvTractorTick(Game& g) {
    const GameState& s = g.st;
    const int mr = s.MorvShip[3], mc = s.MorvShip[4];
    const bool here = s.MorvShip[1] == s.ShipQuadrantRow && s.MorvShip[2] == s.ShipQuadrantCol;
    const int reach = std::max(std::abs(mr - s.ShipSectorRow), std::abs(mc - s.ShipSectorCol));
    if (!here || reach != 1) {
        HideSRSOverlays(g);
        return false;
    }
    for (int line = 6; line <= 9; ++line) {
        g.host.Scan().AnimateSectorMove(mr, mc, s.ShipSectorRow, s.ShipSectorCol, line);
        g.host.Scan().ShowBeamLines(line, line, true);
    }
    for (int line = 6; line <= 9; ++line) g.host.Scan().AnimateSectorMove(mr, mc, s.ShipSectorRow, s.ShipSectorCol, line);
    g.host.Refresh(View::ShortRangeScan);
    return true;
}

}  // namespace kv
