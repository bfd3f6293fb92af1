#include "screens/dialogs/ProbeDialog.h"

#include "engine/computer/Navigation.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kCancelled = "-32767";

}  // namespace

void ProbeCourseTyped(Game& g, const std::string& text) {
    NavDialogData& d = g.st.ProbeDialog;
    d.CourseText = text;
    const double v = Val(text);
    if ((v >= 1.0 && v <= 9.0) || v == -32767) return;
    MessageBox(g, -1, g.Text("PRO0002"), 0);
    d.CourseText = "1.0";
    d.CourseValue = 10;
    NavCourseChanged(d);
}

void ProbeAccept(Game& g) {
    GameState& s = g.st;
    PrintOutput(g, "");
    PrintOutput(g, g.Text("PRO0001") + s.ProbeDialog.CourseText);
    s.ProbesLeftCaption = CStr(static_cast<long long>(s.Probes) - 1);
    g.host.Refresh(View::ProbeDialog);
    Pause(g, 0.1);
    g.host.HideForm(Form::frmPRO);
}

void ProbeCancel(Game& g) {
    g.st.ProbeDialog.CourseText = kCancelled;
    g.host.HideForm(Form::frmPRO);
}

}  // namespace kv
