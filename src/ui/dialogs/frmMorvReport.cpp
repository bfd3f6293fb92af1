#include "ui/dialogs/frmMorvReport.h"

#include <QLayout>
#include <algorithm>

#include "screens/dialogs/MorvReport.h"
#include "state/Game.h"
#include "ui/dialogs/FormLayout.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmMorvReport.h"

namespace kv {

frmMorvReport::frmMorvReport(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmMorvReport, nullptr), ui_(std::make_unique<Ui::frmMorvReport>()) {
    ui_->setupUi(this);
    cmdClose = ui_->cmdClose;
    cmdGoat = ui_->cmdGoat;
    setWindowTitle(QString::fromStdString(g.st.StrongEnemyText));
    cmdClose->setText(T("MvrptClose"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 0));
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(pal);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(15);
    for (int i = 0; i < 12; ++i) {
        QLabel* label = TakeElement<QLabel>(this, "lblAnim", i);
        label->setFont(mono);
        lblAnim[static_cast<size_t>(i)] = label;
        designWidth_[static_cast<size_t>(i)] = label->minimumWidth();
    }
    connect(cmdClose, &QPushButton::clicked, this, Handler([this] { cmdClose_Click(); }));
    connect(cmdGoat, &QPushButton::clicked, this, Handler([this] { cmdGoat_Click(); }));
    SettleKeys(this, {nullptr, Press(cmdClose), Press(cmdClose)});
    host.AddTimer(Timer::frmMorvReport_tmrAnim, this, 75, [this] { tmrAnim_Timer(); });
    layout()->activate();
    Centre();
}

frmMorvReport::~frmMorvReport() = default;

void frmMorvReport::FitTexts() {
    const QSize before = size();
    for (size_t i = 0; i < lblAnim.size(); ++i) {
        QLabel* label = lblAnim[i];
        const int text = label->fontMetrics().horizontalAdvance(QString::fromStdString(g.st.MorvReportTag[i]));
        label->setMinimumWidth(std::max(designWidth_[i], text + 4));
    }
    layout()->activate();
    if (size() != before) Centre();
}

void frmMorvReport::Form_Activate() {
    setWindowTitle(QString::fromStdString(g.st.StrongEnemyText));
    FitTexts();
    MorvReportActivate(g);
    cmdGoat->setFocus();
    Show();
}

void frmMorvReport::cmdClose_Click() {
    MorvReportClose(g);
    cmdGoat->setFocus();
}

void frmMorvReport::cmdGoat_Click() { cmdClose_Click(); }

void frmMorvReport::tmrAnim_Timer() {
    MorvReportTick(g);
    Show();
}

void frmMorvReport::Show() {
    for (size_t i = 0; i < lblAnim.size(); ++i)
        lblAnim[i]->setText(QString::fromStdString(g.st.MorvReport.Caption[i]));
}

}  // namespace kv
