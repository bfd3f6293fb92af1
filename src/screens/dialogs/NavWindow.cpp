#include "screens/dialogs/NavWindow.h"

#include <algorithm>
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

CourseArrow CourseArrowFor(const std::string& courseTag, double width, double height) {
    CourseArrow a;
    a.angleDegrees = Val(courseTag) / 100 * 360;
    const double rad = a.angleDegrees * kPi / 180;
    const double radius = std::min(width, height) / 2 * 0.8;
    a.x1 = width / 2;
    a.y1 = height / 2;
    // Screen rows grow downwards: counter-clockwise on the screen lowers y.
    a.x2 = a.x1 + radius * std::cos(rad);
    a.y2 = a.y1 - radius * std::sin(rad);
    const double head = radius * 0.3, spread = kPi * 5 / 6;
    a.leftX = a.x2 + head * std::cos(rad + spread);
    a.leftY = a.y2 - head * std::sin(rad + spread);
    a.rightX = a.x2 + head * std::cos(rad - spread);
    a.rightY = a.y2 - head * std::sin(rad - spread);
    return a;
}

}  // namespace kv
