#pragma once
// The energy-transfer dialog: how much energy goes into the repair of one system. Its opener
// fills the game data, shows it modally and reads the amount when it closes ("0" after Cancel).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmDAM;
}

namespace kv {

class frmDAM : public CommandDialog {
    Q_OBJECT
public:
    frmDAM(Game& g, QtHost& host);
    ~frmDAM() override;

    void Form_Load();
    void Form_Activate() override;
    void Show();

    // The bar moved (Change once let go, Scroll while dragged): the amount follows.
    void vsbPower_Change();
    void vsbPower_Scroll();
    void cmdAccept_Click();
    void cmdCancel_Click();

    QScrollBar* vsbPower;
    QLineEdit* txtPower;
    QLabel *lblEnergyTrans, *lblAvail, *lblEnergy, *lblSystem;
    QPushButton *cmdAccept, *cmdCancel;

private:
    std::unique_ptr<Ui::frmDAM> ui_;
};

}  // namespace kv
