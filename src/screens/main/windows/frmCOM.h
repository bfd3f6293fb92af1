#pragma once
// The computer panel: the ship's computer's services as buttons, its two automatic switches,
// the phaser computer's mode and the automatic target calculator's lamp, as PaintComputerPanel
// gives them.
#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

#include "screens/dialogs/windows/StatusBox.h"

namespace kv {

class frmCOM : public QWidget {
    Q_OBJECT
public:
    frmCOM(Game& g, QtHost& host, QWidget* parent = nullptr);
    void ShowPanel();

    StatusBox *pnlPKHolder, *pnlPK, *pnlTC, *pnlOptions;
    QPushButton *cmdScapeGoat, *cmdLibOptions, *cmdTargetCalculator, *cmdDockAtStarbase, *cmdTorpedoFire,
        *cmdGalaticRecord, *cmdPhaserFire;
    QCheckBox *chkSHEBackup, *chkSHE, *chkLRS;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Each button's click gives the focus away first.
    void Connect(QPushButton* button, std::function<void()> handler);
    void PlaceWindow();
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
