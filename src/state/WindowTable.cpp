#include "state/WindowTable.h"

#include <stdexcept>

#include "state/FileDialogSetup.h"

namespace kv {

Form FormTable(int index) {
    if (index < 1 || index >= kFormTableSize) throw std::out_of_range("window table index");
    return static_cast<Form>(index);
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

void ReturnToMainWindows(Game& g, int) {
    if (g.host.IsFormVisible(Form::frmCOM) && g.st.SystemDamage[8] > 0.0f) g.host.HideForm(Form::frmCOM);
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
