#pragma once
// The starbase report (row 0 the Zarvoni starbase, rows 1..3 the player's) and the hostile-ship
// report (the ships of the quadrant): they show what UpdateBaseReport and UpdateZarvoniReport
// computed, stand at the right edge of the screen one above the other (centred on a small
// screen), and closing them only hides them.
#include <QWidget>
#include <array>

#include "screens/Placement.h"
#include "ui/dialogs/ReportWindow.h"
#include "ui/dialogs/StatusBox.h"

namespace kv {

// The two reports' sizes in pixels; each places itself by both.
inline constexpr int kBaseReportWidth = 340, kBaseReportHeight = 4 * 26 + 30;
inline constexpr int kZarvoniReportWidth = 300, kZarvoniReportHeight = 9 * 24 + 30;
// Where each report stands on the screen the host reports.
WindowPosition BaseReportAt(QtHost& host);
WindowPosition ZarvoniReportAt(QtHost& host);

class frmBaseReport : public ReportWindow {
    Q_OBJECT
public:
    frmBaseReport(Game& g, QtHost& host, QWidget* parent = nullptr);
    // Places the report on the screen.
    void Form_Load();
    // Draws row `index` as a raised panel (called from its paint event).
    void pnlBase_Paint(int index, QPainter& p);
    void ShowReport();

    QLabel *lblN, *lblQ, *lblStr, *lblSta;
    std::array<StatusBox*, 4> pnlBase{};
    std::array<QLabel*, 4> lblNum{}, lblQuad{}, lblStrength{}, lblStatus{}, lblUnknown{};


};

}  // namespace kv
