#pragma once
// The hostile-ship report: up to nine ships of the quadrant as UpdateZarvoniReport listed them,
// or the notice that the short-range sensors are down.
#include <QWidget>
#include <array>

#include "ui/dialogs/ReportWindow.h"
#include "ui/dialogs/StatusBox.h"

namespace kv {

class frmZarvoniReport : public ReportWindow {
    Q_OBJECT
public:
    frmZarvoniReport(Game& g, QtHost& host, QWidget* parent = nullptr);
    // Places the report on the screen.
    void Form_Load();
    // Draws row `index` as a raised panel (called from its paint event).
    void pnlZarvoni_Paint(int index, QPainter& p);
    void ShowReport();

    QLabel *lblSect, *lblStr, *lblSta, *lblSensorsDown;
    std::array<StatusBox*, 9> pnlZarvoni{};
    std::array<QLabel*, 9> lblNum{}, lblSector{}, lblStrength{}, lblStatus{};


};

}  // namespace kv
