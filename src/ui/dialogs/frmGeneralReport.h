#pragma once
// The general report: the ship's resources, position, skill and rating, the condition box, the
// current mission's frame and the upgrade indicators, as UpdateGeneralReport, UpdateBars and
// the condition and upgrade code left them. A click on an upgrade label explains it.
#include <QGroupBox>
#include <QWidget>
#include <array>

#include "screens/Placement.h"
#include "ui/dialogs/ReportWindow.h"
#include "ui/dialogs/StatusBox.h"

namespace kv {

class frmGeneralReport : public ReportWindow {
    Q_OBJECT
public:
    frmGeneralReport(Game& g, QtHost& host, QWidget* parent = nullptr);
    // Places the report beside the damage report on a wide screen.
    void Form_Load();
    void pnlUpgrades_Click();
    void lblUpgrade_Click(int index);
    void ShowReport();

    QGroupBox *fraRes, *fraInfo;
    QLabel *lblEN, *lblSH, *lblENSH, *lblPT, *lblPO, *lblQ, *lblS, *lblSkill, *lblLength, *lblScore;
    QLabel* lblCond;
    StatusBox* shpCond;
    // One frame per mission type; only the current one shows. Its value labels, by frame:
    // lblInitial, lblLeft, lblDestroyed, lblCaptured, lblTime, and in frame 2 the goal line
    // lblGoalCaption, lblGoal, lblDone, lblRemaining.
    std::array<QGroupBox*, 4> fraMission{};
    std::array<QLabel*, 4> lblInitial{}, lblLeft{}, lblDestroyed{}, lblCaptured{}, lblTime{};
    QLabel *lblGoalCaption, *lblGoal, *lblDone, *lblRemaining;
    StatusBox* pnlUpgrades;
    std::array<ClickLabel*, 6> lblUpgrade{};  // 1..5
    QLabel* lblNoUpgrades;


};

}  // namespace kv
