#pragma once
// The probe dialog (frmPRO): the course of a probe. LaunchProbe prepares it (st.ProbeDialog at
// course 1.0, st.ProbesLeftCaption the probes on board), shows it modally and reads the course
// box when it closes. The course bar and its texts work as the navigation dialog's
// (NavCourseChanged).
#include <string>

#include "state/Game.h"

namespace kv {

// The course box changed to `text`: a course below 1.0 or above 9.0 (other than the cancel
// marker -32767) is refused with PRO0002 and the box and bar go back to 1.0.
void ProbeCourseTyped(Game& g, const std::string& text);

// Accept: logs the order (an empty line, then PRO0001 and the course), shows the probes left
// after this launch for a tenth of a second, and closes the dialog. The launch itself, and the
// count of probes, are LaunchProbe's.
void ProbeAccept(Game& g);

// Cancel: the course box gets the cancel marker "-32767"; the dialog closes.
void ProbeCancel(Game& g);

}  // namespace kv
