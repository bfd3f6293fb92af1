#include "ui/dialogs/frmDAM.h"

#include <QSignalBlocker>

#include "screens/dialogs/TransferDialog.h"
#include "state/Game.h"
#include "ui/main/QtHost.h"

namespace kv {

frmDAM::frmDAM(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmDAM, "DamCap") {
    setFixedSize(330, 196);
    lblEnergyTrans = MakeLabel("lblEnergyTrans", T("DamTrans"), {12, 10, 250, 24});
    lblSystem = MakeLabel("lblSystem", QString(), {12, 36, 250, 24});
    QFont bold = lblSystem->font();
    bold.setBold(true);
    lblSystem->setFont(bold);
    lblAvail = MakeLabel("lblAvail", T("DamEnergy"), {12, 70, 150, 24});
    lblEnergy = MakeLabel("lblEnergy", QString(), {166, 70, 96, 24});
    txtPower = new QLineEdit(QStringLiteral("0"), this);
    txtPower->setObjectName("txtPower");
    txtPower->setGeometry(12, 104, 120, 26);
    txtPower->setAlignment(Qt::AlignRight);
    // The top of the bar is the largest amount: amount = Max - Value.
    vsbPower = new QScrollBar(Qt::Vertical, this);
    vsbPower->setObjectName("vsbPower");
    vsbPower->setGeometry(290, 10, 24, 130);
    cmdAccept = MakeButton("cmdAccept", T("Accept"), {12, 154, 120, 28});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {142, 154, 120, 28});
    cmdAccept->setDefault(true);

    connect(vsbPower, &QScrollBar::valueChanged, this, [this](int v) {
        host.Run(form_, [this, v] {
            g.st.TransferDialog.Value = v;
            TransferBarChanged(g.st.TransferDialog);
        });
        Show();
    });
    // The box holds whatever the player types; the opener reads it.
    connect(txtPower, &QLineEdit::textEdited, this, [this](const QString& text) {
        host.Run(form_, [this, text] { g.st.TransferDialog.txtPower = text.toStdString(); });
        Show();
    });
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { TransferAccept(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { TransferCancel(g); }));
    ForwardMouseMoves();
    Centre();
}

void frmDAM::Form_Activate() {
    Centre();
    TransferDialogActivate(g);
    Show();
}

void frmDAM::Cancel() { TransferCancel(g); }

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
