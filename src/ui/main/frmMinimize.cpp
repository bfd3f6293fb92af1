#include "ui/main/frmMinimize.h"

#include <QAbstractEventDispatcher>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include "platform/Files.h"
#include "state/ScreenData.h"
#include "ui/host/AppIcon.h"
#include "ui/host/WindowKeys.h"

namespace kv {

frmMinimize::frmMinimize(Game& g, QWidget* parent) : QWidget(parent, Qt::Window), g_(g) {
    setObjectName("frmMinimize");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    for (int k = 0; k < kMinimizeFrames; ++k) {
        auto* frame = new QLabel(this);
        frame->setObjectName(QStringLiteral("Frame(%1)").arg(k));
        const std::string file = FindFile(g.st.PicturesPath, "MINIMIZE" + std::to_string(k) + ".*");
        if (!file.empty()) frame->setPixmap(QPixmap(QString::fromStdString(file)));
        frame->hide();
        Frame.push_back(frame);
    }
    tmrAnimation = new QTimer(this);
    tmrAnimation->setObjectName("tmrAnimation");
    tmrAnimation->setInterval(kMinimizeTickMs);
    connect(tmrAnimation, &QTimer::timeout, this, [this] { tmrAnimation_Timer(); });
    Form_Load();

    // The game changes the caption (a new game, the main menu); it is shown whenever the program
    // next waits for the player.
    if (QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance())
        connect(events, &QAbstractEventDispatcher::aboutToBlock, this, [this] { ShowCaption(); });
}

// At the left edge, as wide as the screen, just above it: only its task-bar entry is seen.
void frmMinimize::Form_Load() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area.x(), area.y() - 24, area.width(), 24);
    g_.screens.MinimizeCaption = MinimizeLoadCaption(g_);
    ShowCaption();
    SetWindowIcon(this, g_.st.PicturesPath, "MAIN");
}

void frmMinimize::ShowCaption() {
    const QString caption = QString::fromStdString(g_.screens.MinimizeCaption);
    if (windowTitle() != caption) setWindowTitle(caption);
}

void frmMinimize::ShowIcon(int frame) {
    iconFrame_ = frame;
    const QPixmap picture = Frame[static_cast<size_t>(frame)]->pixmap();
    if (!picture.isNull()) setWindowIcon(QIcon(picture));
}

// Its first showing is the first resize after loading.
void frmMinimize::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (state_.firstResize) Form_Resize();
}

void frmMinimize::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) Form_Resize();
}

// Not through the busy guard: the info window minimises the game from inside its own handler,
// and the player's minimise goes to the window manager, not to the game.
void frmMinimize::Form_Resize() {
    const MinimizeResize r = MinimizeResized(g_, state_, isMinimized());
    if (r.caption) {
        g_.screens.MinimizeCaption = *r.caption;
        ShowCaption();
    }
    if (r.animate)
        tmrAnimation->start();
    else
        tmrAnimation->stop();
    if (r.icon) ShowIcon(*r.icon);
}

void frmMinimize::tmrAnimation_Timer() {
    const std::optional<int> frame = MinimizeAnimationTick(state_, isVisible());
    if (!frame) {
        tmrAnimation->stop();
        return;
    }
    ShowIcon(*frame);
}

}  // namespace kv
