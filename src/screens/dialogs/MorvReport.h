#pragma once
// The Morv report (frmMorvReport): twelve labels (even: row titles, odd: their values) whose
// texts the opener puts in st.MorvReportTag; the report types them out, a character a tick of
// its timer (Timer::frmMorvReport_tmrAnim, 75 ms), label after label, into
// st.MorvReport.Caption. A label of n characters takes n + 1 ticks.
#include "state/Game.h"

namespace kv {

// Activation: the typing timer runs.
void MorvReportActivate(Game& g);

// Close (and the tiny focus button): asks the next tick to end the report.
void MorvReportClose(Game& g);

// One tick. After a close: every caption emptied, the timer stopped, the report hidden; then,
// as after any stop, typing starts over (so the first character of label 0 already stands when
// the report is shown next). Returns true when this tick hid the report.
bool MorvReportTick(Game& g);

}  // namespace kv
