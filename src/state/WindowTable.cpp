#include "state/WindowTable.h"

#include <stdexcept>
#include <utility>

#include "state/FileDialogSetup.h"

#include "state/LibraryOptions.h"

namespace kv {
namespace {

void SetFormVisible(Game& g, Form form, bool visible) {
    if (visible)
        g.host.ShowForm(form);
    else
        g.host.HideForm(form);
}

}  // namespace

Form FormTable(int index) {
    if (index < 1 || index >= kFormTableSize) throw std::out_of_range("window table index");
    return static_cast<Form>(index);
}

void InitFormTable(Game& g) {
    for (int i = 1; i < kFormTableSize; ++i) g.host.LoadForm(FormTable(i));
    g.host.LoadForm(Form::frmShip);
    g.host.LoadForm(Form::frmStars);
    // The windows outside the table come into being now as well, so that none is first built in
    // the middle of an action.
    for (int f = static_cast<int>(Form::frmShip) + 1; f <= static_cast<int>(Form::frmLanguage); ++f)
        g.host.LoadForm(static_cast<Form>(f));
}

void HideAllForms(Game& g) {
    for (int i = 2; i <= 29; ++i) {
        g.st.FormVisible[i] = ToFlag(g.host.IsFormVisible(FormTable(i)));
        g.host.HideForm(FormTable(i));
    }
}

void ShowGameWindows(Game& g) {
    for (Form f :
         {Form::frmSRS, Form::frmOutput, Form::frmStatus, Form::frmGalaxy, Form::frmBars, Form::frmInfo, Form::frmCOM})
        g.host.ShowForm(f);
}

void ShowReportWindows(Game& g) {
    const std::pair<Form, Integer> reports[] = {{Form::frmGeneralReport, g.options.chkGeneral},
                                                {Form::frmZarvoniReport, g.options.chkZarvoni},
                                                {Form::frmBaseReport, g.options.chkStarbase},
                                                {Form::frmDamageReport, g.options.chkDamage}};
    for (const auto& [form, box] : reports) SetFormVisible(g, form, box != 0);
}

void RestoreFormsAfterMenu(Game& g) {
    for (int i = kFormTableSize - 1; i >= 1; --i)
        if (FormTable(i) != Form::frmMenu) SetFormVisible(g, FormTable(i), g.st.FormVisible[i] != 0);
    ShowReportWindows(g);
}

void ReturnToMainWindows(Game& g, int shift) {
    // The short-range scan's hover label names what lies under the pointer only while the
    // pointer is over the scan; the scan is drawn again only when the label was showing.
    ScanHoverLabel& hover = g.st.ScanHover;
    if (hover.Visible || hover.TimerRunning) {
        hover.Visible = false;
        hover.TimerRunning = false;
        g.host.Refresh(View::ShortRangeScan);
    }
    // Moving the pointer over the game's windows switches the automatic target calculator off;
    // Ctrl held alone keeps it running.
    if (shift != 2) SetAutoTargetCalculator(g, false);
    if (g.host.IsFormVisible(Form::frmCOM) && g.st.SystemDamage[kComputer] > 0.0f) g.host.HideForm(Form::frmCOM);
}

void QuitGame(Game& g, bool force) {
    if (!force && g.st.GameRunning && MessageQuery(g, -1, g.Text("KVMAIN0020"), kYesNo | kQuestion) == kNo) return;
    g.host.EndProgram();
}

void QuitOfferingSave(Game& g, const char* questionKey) {
    const GameState& s = g.st;
    if (!(s.GameRunning && s.GameChanged)) {
        QuitGame(g);
        return;
    }
    if (SaveRunningGameFirst(g, questionKey)) QuitGame(g, true);
}

}  // namespace kv
