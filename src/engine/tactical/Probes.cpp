#include "engine/tactical/Probes.h"

#include <cmath>

#include "engine/computer/Displays.h"
#include "engine/computer/Navigation.h"
#include "engine/tactical/Hostiles.h"
#include "engine/tactical/WeaponEffects.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr double kPi = 3.14159265358979;

}  // namespace

void MarkProbedQuadrant(Game& g, int row, int col) { SetChartQuadrantColor(g, LabelIndex(row, col), kChartScanned); }

void LaunchProbe(Game& g) {
    GameState& s = g.st;
    if (s.Probes < 1) {
        MessageBox(g, 6, g.Text("KVBASIC0243"), 0);
        return;
    }
    g.host.ShowForm(Form::frmGalaxy);
    UpdateGalaxyRecord(g);

    // The dialog opens at course 1.0 (set twice, so that its texts follow even when the bar
    // stood there), showing the probes on board, and leaves the chosen course in its box.
    NavDialogData& dialog = s.ProbeDialog;
    dialog.CourseValue = 11;
    NavCourseChanged(dialog);
    dialog.CourseValue = 10;
    NavCourseChanged(dialog);
    // The count is set afresh for each showing: the dialog's Accept leaves the count after a
    // launch in the label, which a cancelled launch, a load or a new game would leave wrong.
    s.ProbesLeftCaption = CStr(static_cast<long long>(s.Probes));
    g.host.RunModal(Form::frmPRO);
    const Single course = static_cast<Single>(Val(dialog.CourseText));
    if (!(course >= 1.0f && course <= 9.0f)) return;  // cancelled ("-32767"), or no course at all

    SetFormsEnabled(g, false);
    HitShip(g);
    if (!s.GameRunning) {
        SetFormsEnabled(g, true);
        return;
    }
    --s.Probes;
    s.HostileTurnFlag = 0;
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - 40);

    // A sector's length per step: one eighth of a quadrant.
    const Single theta = static_cast<Single>((course - 1) / 4 * kPi);
    Single stepX = std::fabs(std::cos(theta)) / 8, stepY = std::fabs(std::sin(theta)) / 8;
    if (course > 3 && course < 7) stepX = -stepX;
    if (course > 1 && course < 5) stepY = -stepY;
    Single x = s.ShipQuadrantCol + (s.ShipSectorCol - 1) / 8.0f;
    Single y = s.ShipQuadrantRow + (s.ShipSectorRow - 1) / 8.0f;

    PlaySound(g, "TORPEDO.WAV");
    Pause(g, 0.6);
    for (int step = 1; step <= 100; ++step) {
        x += stepX;
        y += stepY;
        const int row = CInt(y), col = CInt(x);
        if (!InGalaxy(row, col)) break;
        if (step % 4 == 0) PlaySound(g, "PROBE.WAV");
        s.KnownGalaxy[row][col] = s.Galaxy[row][col];
        MarkProbedQuadrant(g, row, col);
        UpdateGalaxyRecord(g);
        Pause(g, 0.1);
    }
    UpdateGalaxyRecord(g);
    EndWeaponAction(g);
}

}  // namespace kv
