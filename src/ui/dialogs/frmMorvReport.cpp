#include "ui/dialogs/frmMorvReport.h"

#include "screens/dialogs/MorvReport.h"
#include "state/Game.h"
#include "ui/main/QtHost.h"

namespace kv {

frmMorvReport::frmMorvReport(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmMorvReport, nullptr) {
    setWindowTitle(QString::fromStdString(g.st.StrongEnemyText));
    setFixedSize(480, 268);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 0));
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(pal);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(15);
    for (int i = 0; i < 12; ++i) {
        const int row = i / 2;
        const bool value = i % 2 == 1;
        lblAnim[i] = MakeLabel("", QString(), {value ? 320 : 16, 14 + row * 32, value ? 144 : 300, 26});
        lblAnim[i]->setObjectName(QStringLiteral("lblAnim(%1)").arg(i));
        lblAnim[i]->setFont(mono);
        if (value) lblAnim[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    cmdClose = MakeButton("cmdClose", T("MvrptClose"), {364, 226, 100, 28});
    cmdGoat = MakeButton("cmdGoat", QString(), {2, 254, 13, 13});
    cmdGoat->setFlat(true);
    connect(cmdClose, &QPushButton::clicked, this, Handler([this] { Cancel(); }));
    connect(cmdGoat, &QPushButton::clicked, this, Handler([this] { Cancel(); }));
    host.AddTimer(Timer::frmMorvReport_tmrAnim, this, 75, [this] { tmrAnim_Timer(); });
    Centre();
}

void frmMorvReport::Form_Activate() {
    setWindowTitle(QString::fromStdString(g.st.StrongEnemyText));
    MorvReportActivate(g);
    cmdGoat->setFocus();
    Show();
}

void frmMorvReport::Cancel() {
    MorvReportClose(g);
    cmdGoat->setFocus();
}

void frmMorvReport::tmrAnim_Timer() {
    MorvReportTick(g);
    Show();
}

void frmMorvReport::Show() {
    for (size_t i = 0; i < lblAnim.size(); ++i)
        lblAnim[i]->setText(QString::fromStdString(g.st.MorvReport.Caption[i]));
}

}  // namespace kv
