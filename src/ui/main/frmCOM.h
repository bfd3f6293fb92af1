#pragma once
// The computer panel: the ship's computer's services as buttons, its two automatic switches,
// the phaser computer's mode and the automatic target calculator's lamp, as PaintComputerPanel
// gives them.
#include <QCheckBox>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "ui/dialogs/StatusBox.h"

namespace Ui {
class frmCOM;
}

namespace kv {

// A painted box of the panel (the calculator's lamp, the phaser mode and the boxes around it)
// as the layout file places and names it; the panel gives it its painting and its click.
class ComputerPanelBox : public StatusBox {
public:
    explicit ComputerPanelBox(QWidget* parent) : StatusBox(parent, QString()) {}
};

class frmCOM : public QWidget {
    Q_OBJECT
public:
    frmCOM(Game& g, QtHost& host, QWidget* parent = nullptr);
    ~frmCOM() override;
    void ShowPanel();

    // Handlers.
    void Form_Load();
    void Form_Click();
    void chkLRS_Click();
    void chkSHE_Click();
    void cmdDockAtStarbase_Click();
    void cmdGalaticRecord_Click();
    void cmdLibOptions_Click();
    void cmdPhaserFire_Click();
    void cmdTargetCalculator_Click();
    void cmdTorpedoFire_Click();
    void pnlPK_Click();
    void pnlTC_Click();
    void pnlTC_Paint(QPainter& p);
    void tmrTC_Timer();

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
    std::unique_ptr<Ui::frmCOM> ui_;
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
