#include "ui/main/frmGetNumber.h"

#include <QLayout>
#include <QShowEvent>
#include <algorithm>

#include "screens/main/NumberEntry.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"

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
    vsbNumber->setSingleStep(1);
    vsbNumber->setPageStep(100);
    Show();
    txtNumber->selectAll();
    txtNumber->setFocus();
}

}  // namespace kv
