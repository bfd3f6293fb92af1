#include "ui/dialogs/frmDES.h"

#include <QGuiApplication>
#include <QScreen>

#include "engine/tactical/SelfDestruct.h"
#include "state/Game.h"
#include "ui/dialogs/Panels.h"
#include "ui/main/QtHost.h"

namespace kv {

frmDES::frmDES(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmDES, nullptr) {
    setWindowTitle(QStringLiteral("Countdown"));
    setFixedSize(260, 120);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Palette(7));
    setPalette(pal);

    QFont digits(QStringLiteral("Sans Serif"));
    digits.setStyleHint(QFont::SansSerif);
    digits.setPixelSize(80);
    digits.setBold(true);
    // The shadow: 4 pixels right of and below the time.
    lblTime2 = MakeLabel("lblTime2", QStringLiteral("0:10"), {14, 14, 240, 100});
    lblTime2->setFont(digits);
    lblTime2->setAlignment(Qt::AlignCenter);
    lblTime2->setStyleSheet(QStringLiteral("color: #606060;"));
    lblTime = new ClickLabel(this, QStringLiteral("lblTime"), QStringLiteral("0:10"));
    lblTime->setGeometry(10, 10, 240, 100);
    lblTime->setFont(digits);
    lblTime->setAlignment(Qt::AlignCenter);
    lblTime->setStyleSheet(QStringLiteral("color: #FF0000;"));
    lblTime->setCursor(Qt::PointingHandCursor);

    lblTime->click = Handler([this] { lblTime_Click(); });
    host.AddTimer(Timer::frmDES_tmrCount, this, 1000, [this] { tmrCount_Timer(); });

    // At the top edge of the screen, centred across it.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y());
    }
}

void frmDES::Form_Activate() {
    StartSelfDestructCountdown(g);
    Show();
}

void frmDES::tmrCount_Timer() {
    const bool done = SelfDestructCountdownTick(g);
    Show();
    if (done) g.host.HideForm(Form::frmDES);
}

void frmDES::lblTime_Click() {
    const bool aborted = AbortSelfDestruct(g);
    Show();
    if (aborted) g.host.HideForm(Form::frmDES);
}

void frmDES::Show() {
    const QString t = QString::fromStdString(g.st.SelfDestructTime);
    lblTime->setText(t);
    lblTime2->setText(t);
}

}  // namespace kv
