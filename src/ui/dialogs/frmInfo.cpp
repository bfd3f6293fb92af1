#include "ui/dialogs/frmInfo.h"

#include <qdrawutil.h>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "screens/dialogs/InfoWindow.h"
#include "screens/main/Panel.h"
#include "ui/dialogs/Panels.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

constexpr int kTwips = 15;
constexpr int kWidth = 320, kHeight = 44;
constexpr int kButton = 18;

// The panel behind the starbase text; its window draws it (pnlStarbase_Paint).
class StarbasePanel : public QWidget {
public:
    StarbasePanel(frmInfo& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent*) override { owner_.pnlStarbase_Paint(); }

private:
    frmInfo& owner_;
};

// The title-bar buttons of the game: a small raised button with its sign drawn on it.
class TitleButton : public QAbstractButton {
public:
    enum Sign { Minimise, Maximise, Close };
    TitleButton(Sign sign, QWidget* parent) : QAbstractButton(parent), sign_(sign) {
        setFixedSize(kButton, kButton);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const bool down = isDown();
        p.fillRect(rect(), palette().button());
        qDrawWinButton(&p, rect(), palette(), down);
        p.setRenderHint(QPainter::Antialiasing);
        QPen pen(isEnabled() ? QColor(20, 20, 28) : palette().color(QPalette::Disabled, QPalette::WindowText), 2);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        const QRectF r = QRectF(rect()).adjusted(5, 5, -6, -6).translated(down ? 1 : 0, down ? 1 : 0);
        switch (sign_) {
            case Minimise: p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.right(), r.bottom())); break;
            case Maximise:
                p.setBrush(Qt::NoBrush);
                p.drawRect(r);
                p.drawLine(QPointF(r.left(), r.top() + 1), QPointF(r.right(), r.top() + 1));
                break;
            case Close:
                p.drawLine(r.topLeft(), r.bottomRight());
                p.drawLine(r.topRight(), r.bottomLeft());
                break;
        }
    }

private:
    Sign sign_;
};

}  // namespace

frmInfo::frmInfo(Game& g, QtHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), g_(g), host_(host) {
    setObjectName("frmInfo");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    setFixedSize(kWidth, kHeight);

    const int buttonsLeft = kWidth - 3 * (kButton + 2) - 2;
    pnlStarbase = new StarbasePanel(*this, this);
    pnlStarbase->setObjectName("pnlStarbase");
    pnlStarbase->setGeometry(2, 2, buttonsLeft - 4, kHeight - 4);

    lblStarbase = new QLabel(pnlStarbase);
    lblStarbase->setObjectName("lblStarbase");
    lblStarbase->setGeometry(6, 3, pnlStarbase->width() - 12, pnlStarbase->height() - 9);
    lblStarbase->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblStarbase->setWordWrap(true);

    lnMorvTimer = new QFrame(pnlStarbase);
    lnMorvTimer->setObjectName("lnMorvTimer");
    lnMorvTimer->setFrameStyle(QFrame::NoFrame);
    lnMorvTimer->setAutoFillBackground(true);
    QPalette line = lnMorvTimer->palette();
    line.setColor(QPalette::Window, QColor(40, 150, 60));
    lnMorvTimer->setPalette(line);
    lnMorvTimer->hide();

    auto* minimise = new TitleButton(TitleButton::Minimise, this);
    auto* maximise = new TitleButton(TitleButton::Maximise, this);
    auto* close = new TitleButton(TitleButton::Close, this);
    cmdMinimize = minimise;
    cmdMaximize = maximise;
    cmdClose = close;
    cmdMinimize->setObjectName("cmdMinimize");
    cmdMaximize->setObjectName("cmdMaximize");
    cmdClose->setObjectName("cmdClose");
    cmdMinimize->move(buttonsLeft, 3);
    cmdMaximize->move(buttonsLeft + kButton + 2, 3);
    cmdClose->move(buttonsLeft + 2 * (kButton + 2), 3);
    // The maximise button has nothing to do: the game's windows keep their sizes.
    cmdMaximize->setEnabled(false);

    // Takes the focus after a minimise; never seen.
    cmdSG = new QPushButton(this);
    cmdSG->setObjectName("cmdSG");
    cmdSG->setGeometry(0, 0, 0, 0);

    connect(cmdClose, &QAbstractButton::clicked, this, host.Handler(Form::frmInfo, [this] { cmdClose_Click(); }));
    connect(cmdMinimize, &QAbstractButton::clicked, this, host.Handler(Form::frmInfo, [this] { cmdMinimize_Click(); }));

    host.OnView(View::StarbaseLine, this, [this] { ShowLines(); });
    host.OnView(View::MorvTimer, this, [this] { ShowLines(); });
    ShowLines();
    host.PlaceBy(Form::frmInfo, this, [this] { Form_Load(); });
}

// The top-right corner of the desktop.
void frmInfo::Form_Load() {
    const QRect area = DesktopArea();
    double left = 0, top = 0;
    PlaceInfoWindow(area.width() * kTwips, OuterBox(this).width * kTwips, left, top);
    move(area.left() + static_cast<int>(left) / kTwips, area.top() + static_cast<int>(top) / kTwips);
}

void frmInfo::ShowLines() {
    const InfoLines lines = InfoWindowLines(g_.st, lblStarbase->width() * kTwips);
    // A save or load under way shows its progress in place of the starbase line.
    const std::string& progress = host_.InfoProgress();
    lblStarbase->setText(QString::fromStdString(progress.empty() ? lines.starbase : progress));
    const int length = static_cast<int>(lines.morvLineLength / kTwips);
    lnMorvTimer->setGeometry(lblStarbase->x(), pnlStarbase->height() - 6, length, 2);
    lnMorvTimer->setVisible(lines.morvLineVisible && length > 0);
}

void frmInfo::cmdClose_Click() { InfoClose(g_); }

// The minimised-state window stands for the whole game: minimising it hides the game windows
// (its own handler does that, as an action of its own once this one has ended).
void frmInfo::cmdMinimize_Click() {
    cmdSG->setFocus();
    QTimer::singleShot(0, this, [this] {
        if (QWidget* w = host_.FormWindow(Form::frmMinimize)) w->setWindowState(w->windowState() | Qt::WindowMinimized);
    });
}

// A raised 3-D panel.
void frmInfo::pnlStarbase_Paint() { PaintPanel(pnlStarbase, kEdgeRaised, pnlStarbase->palette().button().color()); }

}  // namespace kv
