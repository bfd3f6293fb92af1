#include "screens/dialogs/NavWindow.h"

#include <cmath>

#include "engine/computer/Navigation.h"
#include "engine/computer/TargetCalculator.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr double kCancelMark = -32767;
constexpr double kPi = 3.14159265358979;

}  // namespace

void NavCourseTextChanged(Game& g) {
    NavDialogData& nav = g.st.NavDialog;
    const double course = Val(nav.CourseText);
    if ((course >= 1.0 && course <= 9.0) || course == kCancelMark) return;
    MessageBox(g, -1, g.Text("NAV0005"), 0);
    nav.CourseText = "1.0";
    if (nav.CourseValue != 10) {
        nav.CourseValue = 10;
        NavCourseChanged(nav);
    }
}

void NavWarpTextChanged(Game& g) {
    NavDialogData& nav = g.st.NavDialog;
    const double warp = Val(nav.WarpText);
    if (warp >= 0 && warp <= nav.WarpMax / 10.0) return;
    MessageBox(g, -1, g.Text("NAV0006"), 0);
    nav.WarpText = "0.0";
    if (nav.WarpValue != nav.WarpMax) {
        nav.WarpValue = nav.WarpMax;
        NavWarpChanged(nav);
    }
}

void NavCancel(Game& g) {
    g.st.NavDialog.CourseText = "-32767";
    g.host.HideForm(Form::frmNAV);
}

void NavAuto(Game& g) {
    g.host.HideForm(Form::frmNAV);
    TargetCalculator(g);
    g.host.ShowForm(Form::frmTargetCalculator);
}

bool NavAutoEnabled(const GameState& s) { return s.SystemDamage[kComputer] <= 0; }

void NavMapLineStart(const GameState& s, double width, double height, double& x, double& y) {
    x = ((s.ShipQuadrantCol - 1) * 8 + s.ShipSectorCol - 1 + 0.5) * width / 64;
    y = ((s.ShipQuadrantRow - 1) * 8 + s.ShipSectorRow - 1 + 0.5) * height / 64;
}

CourseArrowLine DrawCourseArrow(int scaleWidth, int scaleHeight, Single angle) {
    const double radians = angle / 180.0 * kPi;
    CourseArrowLine line;
    line.x1 = scaleWidth / 2;
    line.y1 = scaleHeight / 2;
    line.x2 = line.x1 + kCourseArrowLength * std::cos(radians);
    line.y2 = line.y1 - kCourseArrowLength * std::sin(radians);
    return line;
}

Single CourseGaugeAngle(const std::string& courseTag) { return static_cast<Single>(Val(courseTag) / 100 * 360); }

}  // namespace kv
