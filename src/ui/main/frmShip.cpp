#include "ui/main/frmShip.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "platform/Files.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

// The stars' palette colours: 14 yellow, 15 bright white.
QColor StarColour(int colour) { return colour == 14 ? QColor(255, 255, 0) : QColor(255, 255, 255); }

}  // namespace

frmShip::frmShip(Game& g, QtHost& host, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), g_(g) {
    setObjectName("frmShip");
    // The player cannot close it: the notice ends it.
    SettleKeys(this, {});
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? screen->geometry() : QRect(0, 0, 1024, 768));

    Form_Load();
    tmrAnimation = host.AddTimer(Timer::frmShip_tmrAnimation, this, kShipFrameMs, [this] { tmrAnimation_Timer(); });
}

// Frame 0 is the ship adrift; frames 1..N are the pictures "SHIP01" ... of the pictures folder.
void frmShip::Form_Load() {
    const std::vector<std::string> files = LostShipFrameFiles(g_.st.PicturesPath);
    imgShip.push_back(MakeFrame(0, FindFile(g_.st.PicturesPath, "SHIPDRIFT.*")));
    for (size_t i = 1; i < files.size(); ++i) imgShip.push_back(MakeFrame(static_cast<int>(i), files[i]));
    imgShip[0]->show();
}

QLabel* frmShip::MakeFrame(int index, const std::string& file) {
    auto* frame = new QLabel(this);
    frame->setObjectName(QStringLiteral("imgShip(%1)").arg(index));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPixmap picture;
    if (!file.empty()) picture.load(QString::fromStdString(file));
    frame->setPixmap(picture);
    frame->resize(picture.size());
    // Centred on the screen, which the window covers.
    frame->move(width() / 2 - picture.width() / 2, height() / 2 - picture.height() / 2);
    frame->hide();
    return frame;
}

// Each activation draws a new field of stars.
void frmShip::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Form_Activate();
}

void frmShip::Form_Activate() {
    stars_ = LostShipStars(g_, width(), height());
    update();
}

void frmShip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    for (const ShipStar& s : stars_) {
        p.setPen(StarColour(s.colour));
        p.drawPoint(s.x, s.y);
    }
}

void frmShip::tmrAnimation_Timer() {
    const LostShipTick tick = LostShipTimerTick(g_, animation_, FrameCount());
    auto frame = [this](int i) { return i >= 0 && i < static_cast<int>(imgShip.size()) ? imgShip[i] : nullptr; };
    for (int i : tick.hide)
        if (QLabel* f = frame(i)) f->hide();
    if (QLabel* f = frame(tick.show)) f->show();
    tmrAnimation->setInterval(tick.interval);
}

}  // namespace kv
