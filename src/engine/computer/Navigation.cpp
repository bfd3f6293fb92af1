#include "engine/computer/Navigation.h"

#include <cmath>

#include "engine/computer/Displays.h"
#include "engine/tactical/Movement.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Time.h"
#include "state/Numeric.h"

namespace kv {
namespace {

bool InsideGalaxy(long absolute) { return absolute >= 9 && absolute <= 72; }

}  // namespace

void NavCourseChanged(NavDialogData& nav) {
    nav.CourseTag = CStr((nav.CourseValue - 10) / 0.8);
    nav.CourseText = Format(nav.CourseValue / 10.0, "0.0");
}

void NavWarpChanged(NavDialogData& nav) {
    const int w10 = nav.WarpMax - nav.WarpValue;
    nav.WarpTag = CStr(w10 / 0.8);
    nav.WarpText = Format(w10 / 10.0, "0.0");
}

void SetupNavDialog(Game& g, Single maxWarp) {
    NavDialogData& nav = g.st.NavDialog;
    nav.WarpMax = CInt(static_cast<double>(maxWarp) * 10);
    // Each value set twice, so that the dialog's texts follow even when the value was already
    // there.
    nav.WarpValue = static_cast<Integer>(nav.WarpMax - 1);
    NavWarpChanged(nav);
    nav.WarpValue = nav.WarpMax;
    NavWarpChanged(nav);
    nav.CourseValue = 11;
    NavCourseChanged(nav);
    nav.CourseValue = 10;
    NavCourseChanged(nav);
    g.host.ShowForm(Form::frmNAV);
}

void SplitDelta(int q, int sec, int d, int& newQuad, int& newSector) {
    int dq = static_cast<int>(Int(d / 8.0));
    int r = d - 8 * dq;
    if (sec + r > 8) r -= 8, dq += 1;
    if (sec + r < 1) r += 8, dq -= 1;
    newQuad = q + dq;
    newSector = sec + r;
}

NavDestination NavigationDestination(const GameState& s, Single course, Single distance) {
    NavDestination d;
    const Single angle = static_cast<Single>(static_cast<double>((course - 1.0f) / 4.0f) * 3.14159265358979);
    const double dist = distance;
    d.dCol = CInt(std::fabs(dist * std::cos(static_cast<double>(angle))));
    d.dRow = CInt(std::fabs(dist * std::sin(static_cast<double>(angle))));
    if (course > 3 && course < 7) d.dCol = -d.dCol;
    if (course > 1 && course < 5) d.dRow = -d.dRow;
    const long col = static_cast<long>(s.ShipQuadrantCol) * 8 + s.ShipSectorCol + d.dCol;
    const long row = static_cast<long>(s.ShipQuadrantRow) * 8 + s.ShipSectorRow + d.dRow;
    d.inside = InsideGalaxy(col) && InsideGalaxy(row);
    if (d.inside) {
        SplitDelta(s.ShipQuadrantRow, s.ShipSectorRow, d.dRow, d.quadRow, d.sectorRow);
        SplitDelta(s.ShipQuadrantCol, s.ShipSectorCol, d.dCol, d.quadCol, d.sectorCol);
    }
    return d;
}

void AcceptNavOrder(Game& g, const std::string& courseText, const std::string& warpText) {
    GameState& s = g.st;
    PrintOutput(g, "");
    PrintOutput(g, g.Text("NAV0001"));
    PrintOutput(g, "");
    PrintOutput(g, g.Text("NAV0002") + courseText);
    PrintOutput(g, g.Text("NAV0003") + warpText);
    g.host.HideForm(Form::frmNAV);
    SetFormsEnabled(g, false);

    const Single course = static_cast<Single>(Val(courseText));
    const Single distance = static_cast<Single>(Val(warpText) * 8);
    s.WarpFactor = distance / 8.0f;
    // Time and energy are spent before the destination is known.
    PassTime(g, static_cast<Single>(static_cast<double>(distance) * 0.04));
    s.ShipEnergy = Clamp32(static_cast<long long>(Int(static_cast<double>(s.ShipEnergy) - 10 - distance)));

    const NavDestination d = NavigationDestination(s, course, distance);
    if (!d.inside) {
        MessageBox(g, -1, g.Text("NAV0004"), 0);
        SetFormsEnabled(g, true);
        return;
    }
    if (InGrid(s.ShipSectorRow) && InGrid(s.ShipSectorCol) && s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] == kShip)
        s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kEmpty;
    MoveShip(g, d.quadRow, d.quadCol, d.sectorRow, d.sectorCol);
    // The move ends in a refresh that may have ended the game (time or energy used up, the
    // mission complete, the ship lost); the reports then stay as the end of the game left them,
    // not filled again from the figures the end cleared.
    if (s.GameRunning) {
        UpdateGeneralReport(g);
        UpdateZarvoniReport(g);
        UpdateBaseReport(g);
        UpdateDamageReport(g);
    }
    RefreshAll(g);
}

}  // namespace kv
