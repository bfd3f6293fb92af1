#include "ui/dialogs/frmDAM.h"

#include <QLayout>
#include <QSignalBlocker>

#include "screens/dialogs/TransferDialog.h"
#include "state/Game.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmDAM.h"

namespace kv {

frmDAM::frmDAM(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmDAM, "DamCap"), ui_(std::make_unique<Ui::frmDAM>()) {
    ui_->setupUi(this);
    lblEnergyTrans = ui_->lblEnergyTrans;
    lblSystem = ui_->lblSystem;
    lblAvail = ui_->lblAvail;
    lblEnergy = ui_->lblEnergy;
    txtPower = ui_->txtPower;
    // The top of the bar is the largest amount: amount = Max - Value.
    vsbPower = ui_->vsbPower;
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;

    connect(vsbPower, &QScrollBar::valueChanged, this, [this] {
        host.Run(form_, [this] { vsbPower->isSliderDown() ? vsbPower_Scroll() : vsbPower_Change(); });
        Show();
    });
    // The box holds whatever the player types; the opener reads it.
    connect(txtPower, &QLineEdit::textEdited, this, [this](const QString& text) {
        host.Run(form_, [this, text] { g.st.TransferDialog.txtPower = text.toStdString(); });
        Show();
    });
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { cmdAccept_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});
    ForwardMouseMoves();
    Form_Load();
}

void frmDAM::Form_Load() {
    setWindowTitle(T("DamCap"));
    lblEnergyTrans->setText(T("DamTrans"));
    lblAvail->setText(T("DamEnergy"));
    cmdAccept->setText(T("Accept"));
    cmdCancel->setText(T("Cancel"));
    lblSystem->clear();
    lblEnergy->clear();
    layout()->activate();
    Centre();
}

frmDAM::~frmDAM() = default;

void frmDAM::Form_Activate() {
    TransferDialogActivate(g);
    Show();
    // Centred at the size this opening's texts give it.
    layout()->activate();
    Centre();
}

void frmDAM::vsbPower_Change() {
    g.st.TransferDialog.Value = vsbPower->value();
    TransferBarChanged(g.st.TransferDialog);
}

void frmDAM::vsbPower_Scroll() { vsbPower_Change(); }

void frmDAM::cmdAccept_Click() { TransferAccept(g); }

void frmDAM::cmdCancel_Click() { TransferCancel(g); }

void frmDAM::Show() {
    const TransferDialogData& d = g.st.TransferDialog;
    {
        const QSignalBlocker block(vsbPower);
        vsbPower->setRange(0, static_cast<int>(d.Max));
        vsbPower->setSingleStep(1);
        vsbPower->setPageStep(std::max(1, static_cast<int>(d.Max / 10)));
        vsbPower->setValue(static_cast<int>(d.Value));
    }
    const QString text = QString::fromStdString(d.txtPower);
    if (txtPower->text() != text) txtPower->setText(text);
    lblEnergy->setText(QString::fromStdString(d.lblEnergy));
    lblSystem->setText(QString::fromStdString(d.lblSystem));
}

}  // namespace kv
