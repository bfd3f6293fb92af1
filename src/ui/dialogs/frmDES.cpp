#include "ui/dialogs/frmDES.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "engine/tactical/SelfDestruct.h"
#include "state/Game.h"
#include "ui/dialogs/Panels.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmDES.h"

namespace kv {

frmDES::frmDES(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmDES, nullptr), ui_(std::make_unique<Ui::frmDES>()) {
    ui_->setupUi(this);
    lblTime = ui_->lblTime;
    // The shadow: 4 pixels right of and below the time, under it in the same cell.
    lblTime2 = ui_->lblTime2;
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Palette(7));
    setPalette(pal);

    QFont digits(QStringLiteral("Sans Serif"));
    digits.setStyleHint(QFont::SansSerif);
    digits.setPixelSize(80);
    digits.setBold(true);
    lblTime2->setFont(digits);
    lblTime->setFont(digits);

    lblTime->click = Handler([this] { lblTime_Click(); });
    // No Cancel: the countdown runs on through Escape and the close box.
    SettleKeys(this, {});
    host.AddTimer(Timer::frmDES_tmrCount, this, 1000, [this] { tmrCount_Timer(); });
    Form_Load();
}

void frmDES::Form_Load() {
    layout()->activate();
    // At the top edge of the screen, centred across it.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y());
    }
}

frmDES::~frmDES() = default;

void frmDES::Form_Activate() {
    StartSelfDestructCountdown(g);
    Show();
}

void frmDES::tmrCount_Timer() {
    const bool done = SelfDestructCountdownTick(g);
    Show();
    if (done) g.host.HideForm(Form::frmDES);
}

// An abort hides the window itself before its notice; the time then reads "0:10".
void frmDES::lblTime_Click() {
    AbortSelfDestruct(g);
    Show();
}

void frmDES::Show() {
    const QString t = QString::fromStdString(g.st.SelfDestructTime);
    lblTime->setText(t);
    lblTime2->setText(t);
}

}  // namespace kv
