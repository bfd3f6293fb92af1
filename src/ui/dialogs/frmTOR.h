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

    void Form_Activate() override;
    void Cancel() override;
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
