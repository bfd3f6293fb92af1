#include "ui/main/frmGetNumber.h"

#include <QShowEvent>
#include <algorithm>

#include "screens/main/NumberEntry.h"
#include "ui/main/QtHost.h"
#include "ui/main/WindowBits.h"

namespace kv {

frmGetNumber::frmGetNumber(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), g_(g), host_(host) {
    setupUi(this);
    cmdOK->setText(Q(g.Text("OK")));
    cmdCancel->setText(Q(g.Text("Cancel")));
    connect(txtNumber, &QLineEdit::textChanged, this,
            [this](const QString& t) { Do([this, t] { NumberTextChange(g_, t.toStdString()); }); });
    connect(vsbNumber, &QScrollBar::valueChanged, this, [this](int p) { Do([this, p] { NumberScroll(g_, p); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        Do([this] {
            if (NumberOK(g_)) accept();
        });
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    // Closing through the frame or with Escape cancels the entry as Cancel does.
    connect(this, &QDialog::rejected, this, [this] { NumberCancel(g_); });
}

void frmGetNumber::Do(const std::function<void()>& handler) {
    host_.Run(Form::frmGetNumber, handler);
    Show();
}

void frmGetNumber::Show() {
    const NumberDialogData& d = g_.numberDialog;
    setWindowTitle(Q(d.Caption));
    Put(lblMessage, d.lblMessage);
    Put(lblUnit, d.lblUnit);
    Put(ScaleFactor, d.ScaleFactor);
    Put(lblNumber, d.lblNumber);
    Put(txtNumber, d.txtNumber);
    Put(vsbNumber, std::min(d.Min, d.Max), std::max(d.Min, d.Max), d.Value);
    cmdOK->setEnabled(NumberEntryFactor(d).has_value());
}

// Each showing: one unit an arrow step, a hundred a page.
void frmGetNumber::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    vsbNumber->setSingleStep(1);
    vsbNumber->setPageStep(100);
    Show();
    txtNumber->selectAll();
    txtNumber->setFocus();
}

}  // namespace kv
