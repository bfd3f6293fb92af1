#pragma once
// The target calculator: the target quadrant and sector, with the ways of choosing them (the
// picker, picks on the galaxy chart and the short-range scan, a base, a neighbouring quadrant,
// the previous quadrant, the star list and the automatic choices). Modeless; Accept hands the
// target to the computer, Cancel (and the close box) puts back what the computer panel held.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <QRadioButton>
#include <array>

#include "ui/dialogs/CommandDialog.h"
#include "ui/host/ClickLabel.h"

namespace Ui {
class frmTargetCalculator;
}

namespace kv {

class TargetPanel;

class frmTargetCalculator : public CommandDialog {
    Q_OBJECT
public:
    frmTargetCalculator(Game& g, QtHost& host);
    ~frmTargetCalculator() override;

    void Form_Load();
    void Form_Activate() override;
    void optBase_Click(int index);
    void optLRS_Click(int index);
    void optPrev_Click();
    // A click on a target text picks its cell on the chart (quadrant) or the scan (sector).
    void lblQuad_Click();
    void lblSect_Click();
    void cmdNearestBase_Click();
    void cmdZarvonis_Click();
    void cmdStars_Click();
    void cmdSafety_Click();
    void cmdClosestSector_Click();
    void cmdStarCharts_Click();
    void cmdHelp_Click();
    void cmdAccept_Click();
    void cmdCancel_Click();
    // The pointer moving over Accept with the given key state.
    void cmdAccept_MouseMove(int shift);
    void pnlQuad_Paint();
    void pnlSect_Paint();
    void tmrCheckCOM_Timer();
    void tmrCheckSRS_Timer();
    void Show();

    TargetPanel *pnlQuad, *pnlSect;
    ClickLabel *lblQuad, *lblSect;
    QLabel *Label1, *Label4, *lblQuadrant;
    QGroupBox *fraBase, *fraLRS, *fraOther;
    std::array<QRadioButton*, 4> optBase{};
    std::array<QRadioButton*, 8> optLRS{};
    QRadioButton* optPrev;
    QPushButton *cmdNearestBase, *cmdZarvonis, *cmdStars, *cmdSafety, *cmdStarCharts, *cmdClosestSector;
    QPushButton *cmdHelp, *cmdAccept, *cmdCancel;

private:
    std::unique_ptr<Ui::frmTargetCalculator> ui_;
    // Runs a handler that changes the target and shows the result.
    std::function<void()> Choice(std::function<void()> choose);
};

}  // namespace kv
