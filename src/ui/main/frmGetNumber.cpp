#include "ui/main/frmGetNumber.h"

#include <QLayout>
#include <QShowEvent>
#include <algorithm>

#include "screens/main/NumberEntry.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {

frmGetNumber::frmGetNumber(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), g_(g), host_(host) {
    setupUi(this);
    cmdOK->setText(Q(g.Text("OK")));
    cmdCancel->setText(Q(g.Text("Cancel")));
    connect(txtNumber, &QLineEdit::textChanged, this, [this] { Do([this] { txtNumber_Change(); }); });
    // The bar follows its thumb while it is dragged: one signal for a step and a drag.
    connect(vsbNumber, &QScrollBar::valueChanged, this, [this] { Do([this] { vsbNumber_Change(); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { Do([this] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    // Cancel, and with it Escape and the close box, cancels the entry.
    connect(this, &QDialog::rejected, this, [this] { NumberCancel(g_); });
    SettleKeys(this, {cmdOK, Press(cmdCancel), Press(cmdCancel)});
}

void frmGetNumber::txtNumber_Change() { NumberTextChange(g_, txtNumber->text().toStdString()); }
void frmGetNumber::vsbNumber_Change() { NumberScroll(g_, vsbNumber->value()); }

void frmGetNumber::cmdOK_Click() {
    if (NumberOK(g_)) accept();
}

void frmGetNumber::cmdCancel_Click() { reject(); }

void frmGetNumber::Do(const std::function<void()>& handler) {
    host_.Run(Form::frmGetNumber, handler);
    Show();
}

void frmGetNumber::Show() {
    const NumberDialogData& d = g_.numberDialog;
    setWindowTitle(Q(d.Caption));
    // The prompt's lines end in CR LF; the label breaks at the LF alone. A new prompt fits the
    // window to it, so that none of its lines is cut.
    QString prompt = Q(d.lblMessage);
    prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const bool newPrompt = lblMessage->text() != prompt;
    lblMessage->setText(prompt);
    Put(lblUnit, d.lblUnit);
    Put(ScaleFactor, d.ScaleFactor);
    Put(lblNumber, d.lblNumber);
    Put(txtNumber, d.txtNumber);
    Put(vsbNumber, std::min(d.Min, d.Max), std::max(d.Min, d.Max), d.Value);
    cmdOK->setEnabled(NumberEntryFactor(d).has_value());
    if (newPrompt) FitToPrompt();
}

// The window's width stays; its height becomes what the wrapped prompt needs at that width.
void frmGetNumber::FitToPrompt() {
    layout()->activate();
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : -1;
    if (height < 0) {
        adjustSize();
        return;
    }
    setMinimumHeight(height);
    resize(width(), height);
}

// Each showing: one unit an arrow step, a hundred a page.
void frmGetNumber::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    Form_Activate();
}

void frmGetNumber::Form_Activate() {
    vsbNumber->setSingleStep(1);
    vsbNumber->setPageStep(100);
    Show();
    txtNumber->selectAll();
    txtNumber->setFocus();
}

}  // namespace kv
