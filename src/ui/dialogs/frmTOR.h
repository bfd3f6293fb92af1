#pragma once
// The torpedo dialog: the torpedo fire plan (one entry a torpedo, class-2 torpedoes first) and
// the buttons that edit, aim and fire it. Opened modeless by the command bar; its activation
// collects the torpedoes marked on the short-range scan.
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmTOR;
}

namespace kv {

class frmTOR : public CommandDialog {
    Q_OBJECT
public:
    frmTOR(Game& g, QtHost& host);
    ~frmTOR() override;

    void Form_Load();
    void Form_Activate() override;
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdClearAll_Click();
    void cmdSelectAll_Click();
    void cmdSwitchClass_Click();
    void cmdInfo_Click();
    void cmdAutoTarget_Click();
    void cmdPrevious_Click();
    void cmdAccept_Click();
    void cmdCancel_Click();
    // The pointer moving over the plan with the given key state.
    void lstFire_MouseMove(int shift);
    void Show();

    QListWidget* lstFire;
    QListWidget* lstPrevious;
    QPushButton *cmdAdd, *cmdEdit, *cmdRemove, *cmdClearAll, *cmdSelectAll, *cmdSwitchClass;
    QPushButton *cmdInfo, *cmdAutoTarget, *cmdPrevious, *cmdAccept, *cmdCancel;

private:
    std::unique_ptr<Ui::frmTOR> ui_;
    void cmdEdit_Click();
};

}  // namespace kv
