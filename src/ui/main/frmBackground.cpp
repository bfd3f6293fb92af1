#include "ui/main/frmBackground.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <functional>

#include "state/Startup.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

QStringList LinesOf(const std::string& caption, const std::string& newLine) {
    return QString::fromStdString(caption).split(QString::fromStdString(newLine.empty() ? "\r\n" : newLine));
}

// A layer over the whole window that paints what the window printed; the player's mouse goes
// through it to the window.
class PrintLayer : public QWidget {
public:
    PrintLayer(QWidget* window, std::function<void(QPainter&)> paint) : QWidget(window), paint_(std::move(paint)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
};

}  // namespace

frmBackground::frmBackground(Game& g, QtHost& host, QWidget* parent)
    // It stays below every game window, however the player clicks it.
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint), g_(g), host_(host) {
    setObjectName("frmBackground");
    // Escape asks the show to stop, as a click does; the window never closes through its frame:
    // a show ends by itself.
    SettleKeys(this, {nullptr, [this] { Form_KeyPress(27); }, {}});
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // It covers the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(area);

    picBackground = new QLabel(this);
    picBackground->setObjectName("picBackground");
    picBackground->setScaledContents(true);
    picBackground->setAttribute(Qt::WA_TransparentForMouseEvents);
    picBackground->hide();
    surface_ = new PrintLayer(this, [this](QPainter& p) { PaintPrinted(p); });
    surface_->raise();

    // Element 0 of the show's lines is never shown: it carries the lines' font, sized after the
    // screen's width, which the language's font replaces with the other design fonts.
    lblScroll0 = new QLabel(this);
    lblScroll0->setObjectName("lblScroll(0)");
    lblScroll0->hide();
    Form_Load();

    tmrScroll = host.AddTimer(Timer::frmBackground_tmrScroll, this, kCaptionTickMs, [this] { tmrScroll_Timer(); });
    tmrNoMorv = host.AddTimer(Timer::frmBackground_tmrNoMorv, this, g.background.redInterval,
                              [this] { tmrNoMorv_Timer(); });
    host.OnView(View::Background, this, [this] {
        picBackground->update();
        surface_->update();
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() != this) lastFocus_ = now->window();
    });
}

// The lines' font, after the screen's width.
void frmBackground::Form_Load() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    QFont lines(QStringLiteral("Arial"));
    lines.setStyleHint(QFont::SansSerif);
    lines.setBold(true);
    lines.setPointSizeF(CaptionFontSize(screen ? screen->geometry().width() : 1024));
    lblScroll0->setFont(lines);
}

// ---- What the desktop asks ---------------------------------------------------------------------

bool frmBackground::LoadPicture(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(true);
    const QImage img = reader.read();
    picture_ = img.isNull() ? QPixmap() : QPixmap::fromImage(img);
    picBackground->setPixmap(picture_);
    picBackground->setVisible(!picture_.isNull() && !showing_);
    update();
    return !picture_.isNull();
}

void frmBackground::SetBackColour(long colour) {
    backColour_ = ColourOf(colour);
    picture_ = QPixmap();
    picBackground->clear();
    picBackground->hide();
    // A new back colour clears what was printed on the window.
    versionText_.clear();
    update();
    surface_->update();
}

void frmBackground::HideBackground() {
    hide();
    picture_ = QPixmap();
    picBackground->clear();
    picBackground->hide();
    versionText_.clear();
}

void frmBackground::DrawVersionText(const std::string& text, long colour) {
    versionText_ = text;
    versionColour_ = ColourOf(colour);
    surface_->update();
}

void frmBackground::AddBackgroundLine(const std::string& text) {
    if (text == "RESET" && !showing_) ClearPrinted();
}

QFont frmBackground::VersionFont() const {
    QFont f = font();
    f.setBold(true);
    f.setPointSize(16);
    return f;
}

std::optional<QRect> frmBackground::VersionTextRect() const {
    if (versionText_.empty()) return std::nullopt;
    const QFontMetrics fm(VersionFont());
    // Placed where "v0.0" would stand, whatever the version's own width.
    const QSize sample = fm.size(0, QStringLiteral("v0.0"));
    const SplashPlace at = SplashTextPlace(width(), height(), sample.width(), sample.height());
    return QRect(QPoint(at.x, at.y), fm.size(0, QString::fromStdString(versionText_)));
}

// ---- The caption show ---------------------------------------------------------------------------

CaptionGeometry frmBackground::Measure() const {
    CaptionGeometry w;
    w.width = width();
    w.height = height();
    const QFontMetrics fm(ShowFont());
    for (const std::string& caption : g_.background.lblScroll) {
        CaptionLabelSize size;
        const QStringList lines = LinesOf(caption, g_.st.NewLine);
        for (const QString& line : lines) size.width = std::max(size.width, fm.horizontalAdvance(line));
        size.height = static_cast<int>(lines.size()) * fm.height();
        w.labels.push_back(size);
    }
    return w;
}

void frmBackground::Show(CaptionShowKind kind, QTimer* timer) {
    const CaptionTick tick = CaptionShowTick(g_, kind, Measure());
    if (tick.setUp) {
        // The window is cleared to black; the picture stays hidden until the show is over.
        ClearPrinted();
        showing_ = true;
        picBackground->hide();
    }
    if (tick.print) {
        // A line printed at level 0 is erased.
        if (tick.print->level == 0)
            printed_.erase(tick.print->label);
        else
            printed_[tick.print->label] = *tick.print;
    }
    if (tick.ended) {
        ClearPrinted();
        showing_ = false;
        picBackground->setVisible(!picture_.isNull());
    }
    timer->setInterval(tick.interval);
    update();
    surface_->update();
}

void frmBackground::tmrScroll_Timer() { Show(CaptionShowKind::Grey, tmrScroll); }

void frmBackground::tmrNoMorv_Timer() { Show(CaptionShowKind::Red, tmrNoMorv); }

void frmBackground::ClearPrinted() { printed_.clear(); }

// ---- Drawing ------------------------------------------------------------------------------------

void frmBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), showing_ ? QColor(Qt::black) : backColour_);
}

void frmBackground::PaintPrinted(QPainter& p) const {
    const QFont lines = ShowFont();
    p.setFont(lines);
    const QFontMetrics fm(lines);
    for (const auto& [label, print] : printed_) {
        p.setPen(ColourOf(print.colour));
        int top = print.top;
        for (const std::string& line : print.lines) {
            p.drawText(print.left, top + fm.ascent(), QString::fromStdString(line));
            top += fm.height();
        }
    }
    if (const std::optional<QRect> at = VersionTextRect()) {
        const QFont version = VersionFont();
        p.setFont(version);
        p.setPen(versionColour_);
        p.drawText(at->x(), at->y() + QFontMetrics(version).ascent(), QString::fromStdString(versionText_));
    }
}

void frmBackground::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    Form_Resize();
}

void frmBackground::Form_Resize() {
    picBackground->setGeometry(rect());
    surface_->setGeometry(rect());
}

// ---- The player ---------------------------------------------------------------------------------

void frmBackground::Form_Click() {
    host_.Run(Form::frmBackground, [this] { RequestCaptionShowStop(g_); });
}

void frmBackground::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Form_Click();
    ReturnToGameWindows();
}

void frmBackground::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove(ShiftOf(e->modifiers()));
    ReturnToGameWindows();
}

void frmBackground::Form_MouseMove(int shift) {
    host_.Run(Form::frmBackground, [this, shift] { ReturnToMainWindows(g_, shift); });
}

// A desktop draws a window that has the focus and covers the whole screen over every other
// window, whatever its wish to stay below them: standing behind game windows, the background
// never keeps the focus, however it came by it (shown, passed on by the desktop when a window
// closed, a click). The game windows come back in front, in table order as the background
// routines stack them, and the window that had the focus gets it back (the command bar when
// that window is gone). Alone on the screen (the intro) or running a show, it keeps the focus.
void frmBackground::ReturnToGameWindows() {
    if (showing_ || !isActiveWindow() || QApplication::activeModalWidget() == this) return;
    QWidget* top = nullptr;
    for (int i = 1; i <= 30; ++i) {
        QWidget* w = host_.FormWindow(FormTable(i));
        if (!w || !w->isVisible()) continue;
        w->raise();
        top = w;
    }
    if (!top) return;
    QWidget* bar = host_.FormWindow(Form::frmCommands);
    if (bar && bar->isVisible()) top = bar;
    if (lastFocus_ && lastFocus_->isVisible()) top = lastFocus_;
    top->activateWindow();
}

void frmBackground::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange) ReturnToGameWindows();
}

void frmBackground::Form_KeyPress(int keyAscii) {
    if (keyAscii == 27) Form_Click();
}

}  // namespace kv
