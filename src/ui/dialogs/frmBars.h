#pragma once
// The status bars window: five gauges (energy, shields, photon torpedoes, time, mission) with
// their marker lines and captions, as UpdateBars computed them; a click on a gauge or its
// caption explains it.
#include <QWidget>
#include <array>

#include "ui/dialogs/StatusBox.h"

namespace kv {

class frmBars : public QWidget {
    Q_OBJECT
public:
    frmBars(Game& g, QtHost& host, QWidget* parent = nullptr);

    // Places the bars at the screen's edge.
    void Form_Load();
    void pnlBar_Click(int index);
    // A click on a bar's caption is a click on its bar.
    void lblEN_Click();
    void lblSH_Click();
    void lblPT_Click();
    void lblTI_Click();
    void lblMI_Click();
    // The background panel and bar `index` (called from their paint events).
    void pnlBack_Paint(QPainter& p);
    void pnlBar_Paint(int index, QPainter& p);
    // Brings the captions up to date and repaints the gauges.
    void ShowBars();

    StatusBox* pnlBack;
    std::array<StatusBox*, 5> pnlBar{};
    std::array<ClickLabel*, 5> lblBar{};  // lblEN, lblSH, lblPT, lblTI, lblMI

private:
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
