#include "screens/dialogs/FinalReportWindow.h"

#include <cstdio>
#include <filesystem>

#include "engine/turn/Refresh.h"
#include "platform/Files.h"
#include "screens/main/MainMenu.h"
#include "state/SavedGame.h"
#include "state/ScreenData.h"
#include "state/WindowTable.h"

namespace kv {
namespace {

constexpr const char* kSource = "frmFinalReport:tmrMenu_Timer";

// The saved game's file with this extension (a name without a folder lies in the saved-games
// folder).
std::string SavedWith(const Game& g, const std::string& base, const char* extension) {
    std::string path = base + extension;
    if (path.find('/') == std::string::npos) path = SavedGameFolder(g) + path;
    return path;
}

// That file found without regard to case; "" when none is.
std::string ExistingWith(const Game& g, const std::string& base, const char* extension) {
    const std::string path = SavedWith(g, base, extension);
    const size_t slash = path.find_last_of('/');
    return FindFile(path.substr(0, slash + 1), path.substr(slash + 1));
}

void Remove(const std::string& path) {
    if (!path.empty()) std::remove(path.c_str());
}

// The questions about the saved game of the game that ended.
void OfferToDeleteSavedGame(Game& g) {
    GameState& s = g.st;
    constexpr long kStyle = kYesNo | kQuestion;
    if (MessageQuery(g, -1, g.Text("FINLRPRT0004"), kStyle) == kYes) {
        std::string base = s.GameFileName;
        if (base.size() >= 4 && base[base.size() - 4] == '.') base.erase(base.size() - 4);
        Remove(ExistingWith(g, base, ".KVW"));
        if (MessageQuery(g, -1, g.Text("FINLRPRT0005"), kStyle) == kYes) {
            Remove(ExistingWith(g, base, ".LOG"));
        } else if (MessageQuery(g, -1, g.Text("FINLRPRT0006"), kStyle) == kYes) {
            const std::string log = ExistingWith(g, base, ".LOG");
            // A desktop without a viewer for the log says nothing itself: the player is told
            // where the log lies, to open it by hand. A log that is gone is said to be so.
            if (log.empty())
                MessageBox(g, -1, g.Text("LogMissing") + s.NewLine + SavedWith(g, base, ".LOG"),
                           kOKOnly | kExclamation);
            else if (!g.host.OpenDocument(log))
                MessageBox(g, -1, g.Text("LogNotOpened") + s.NewLine + log, kOKOnly | kExclamation);
        }
    }
    s.GameFileName.clear();
}

}  // namespace

void FinalReportLoad(Game& g) {
    g.screens.finalReport.cmdMorvReportCaption = "&" + g.st.StrongEnemyText + g.Text("FINLRPRT0002");
}

void FinalReportActivate(Game& g) {
    g.screens.finalReport.LogMenuItemsVisible = true;
    g.screens.finalReport.cmdMorvReportCaption = "&" + g.st.StrongEnemyText + g.Text("FINLRPRT0001");
}

void FinalReportCloseBox(Game& g) {
    g.host.HideForm(Form::frmFinalReport);
    g.screens.finalReport.LogMenuItemsVisible = false;
    g.host.ShowForm(Form::frmCommands);
}

void FinalReportMorvReportClick(Game& g) { g.host.RunModal(Form::frmMorvReport); }

void FinalReportMenuTick(Game& g) {
    GameState& s = g.st;
    if (g.host.IsFormVisible(Form::frmFinalReport)) return;
    g.SetTimer(Timer::frmFinalReport_tmrMenu, false);
    Guarded(g, kSource, "<none>", [&] {
        if (!s.GameFileName.empty()) OfferToDeleteSavedGame(g);
    });
    Guarded(g, kSource, "<none>", [&] {
        if (!s.FinalReportFlag) return;
        const std::string& nl = s.NewLine;
        const std::string question = g.Text("FINLRPRT0007") + nl + g.Text("FINLRPRT0008") + nl +
                                     g.Text("FINLRPRT0009") + nl + g.Text("FINLRPRT0010") + nl + g.Text("FINLRPRT0011");
        if (MessageQuery(g, -1, question, kYesNo | kQuestion) == kYes) s.FinalReportFlag = kFalse;
    });
    Guarded(g, kSource, "<none>", [&] {
        // The windows the final report hid come back as they were.
        for (int i = 2; i <= 29; ++i) {
            if (s.FormVisible[static_cast<size_t>(i)])
                g.host.ShowForm(FormTable(i));
            else
                g.host.HideForm(FormTable(i));
        }
    });
    s.GameRunning = kFalse;
    Guarded(g, kSource, "<none>", [&] { g.host.ShowForm(Form::frmCommands); });
    Guarded(g, kSource, "<none>", [&] { ReturnToMenuAfterGame(g); });
}

void ReturnToMenuAfterGame(Game& g) {
    GameState& s = g.st;
    MainMenuData& m = g.screens.menu;
    if (s.FinalReportFlag) {
        if (!m.picBrokenVisible) BonusClick(g);
        s.FinalReportFlag = kFalse;
        s.GameRunning = kFalse;
    }
    if (!s.GameRunning) {
        m.cmdNewCloseCaption = g.Text("FINLRPRT0003");
        m.mnuGSaveEnabled = false;
        m.vsbSkill.Enabled = s.SkillLevel <= 10;
        m.vsbLength.Enabled = m.txtNameEnabled = m.cboMissionTypeEnabled = m.chkUpgradesEnabled = true;
        m.mnuGEndMissionEnabled = false;
    }
    g.host.RunModal(Form::frmMenu);
    g.host.SetMousePointer(Pointer::Hourglass);
    ReturnFromMenu(g);
    RefreshAll(g);
}

}  // namespace kv
