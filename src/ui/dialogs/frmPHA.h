#pragma once
// The phaser dialog: the phaser fire plan (up to eight targets with the energy for each), its
// total, and the buttons that edit, aim and fire it. Opened modeless by the command bar; its
// activation collects the sectors picked on the short-range scan.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmPHA;
}

namespace kv {

class frmPHA : public CommandDialog {
    Q_OBJECT
public:
    frmPHA(Game& g, QtHost& host);
    ~frmPHA() override;

    void Form_Load();
    void Form_Activate() override;
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdClearAll_Click();
    void cmdSelectAll_Click();
    void cmdInfo_Click();
    void cmdPrevious_Click();
    void cmdKill_Click();
    void cmdDisable_Click();
    void cmdOther_Click();
    void cmdAutoTarget_Click();
    void cmdAccept_Click();
    void cmdCancel_Click();
    // The pointer moving over the plan with the given key state.
    void lstFire_MouseMove(int shift);
    // Shows the plan, its selection, the total and the buttons from the game data.
    void Show();

    QListWidget* lstFire;
    QListWidget* lstPrevious;
    QLabel* lblTotal;
    QLabel* Total;
    QPushButton *cmdAdd, *cmdRemove, *cmdClearAll, *cmdSelectAll, *cmdInfo, *cmdPrevious;
    QPushButton *cmdKill, *cmdDisable, *cmdOther, *cmdAutoTarget, *cmdAccept, *cmdCancel;

private:
    std::unique_ptr<Ui::frmPHA> ui_;
    void lstFire_Click();
};

}  // namespace kv
