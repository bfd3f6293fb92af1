#pragma once
// The damage report: a row per ship system with its damage (PaintDamageRow); while damage
// control takes the player's choice a click on a row sends energy into that system's repair.
#include <QWidget>
#include <array>

#include "screens/Placement.h"
#include "ui/dialogs/ReportWindow.h"
#include "ui/dialogs/StatusBox.h"

namespace kv {

// The report's size in pixels, for the general report placed beside it.
inline constexpr int kDamageReportWidth = 312, kDamageReportHeight = 24 + 8 * 26 + 6;
// Where the report stands: beside the status window at the bottom of a wide screen.
WindowPosition DamageReportAt(QtHost& host);

class frmDamageReport : public ReportWindow {
    Q_OBJECT
public:
    frmDamageReport(Game& g, QtHost& host, QWidget* parent = nullptr);

    void Form_Load();
    void pnlSystem_Click(int index);
    // A click on a row's name or figure is a click on the row; one on its number does nothing.
    void lblSystemName_Click(int index);
    void lblSysDamage_Click(int index);
    void ShowReport();

    QLabel* lblSysName;  // column headings
    QLabel* lblETR;
    std::array<StatusBox*, 8> pnlSystem{};
    std::array<ClickLabel*, 8> lblNumber{}, lblSystemName{}, lblSysDamage{};


};

}  // namespace kv
