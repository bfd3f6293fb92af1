#include "ui/main/frmAbout.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/Files.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmAbout.h"

namespace kv {
namespace {

const QColor kBox(8, 12, 28);
const QColor kCredits(214, 224, 240);
constexpr int kLeftMargin = 6;

}  // namespace

frmAbout::frmAbout(Game& g, QtHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      g_(g),
      host_(host),
      ui_(std::make_unique<Ui::frmAbout>()) {
    ui_->setupUi(this);
    setObjectName("frmAbout");
    setFixedSize(size());
    // Its opener shows it as it shows any window; it is modal all the same.
    setWindowModality(Qt::ApplicationModal);
    Picture1 = ui_->Picture1;
    lblVersion = ui_->lblVersion;
    picScroll = ui_->picScroll;
    picDraw = ui_->picDraw;
    cmdOK = ui_->cmdOK;
    cmdGoat = ui_->cmdGoat;

    const std::string picture = FindFile(g.st.PicturesPath, "ABOUT.*");
    if (!picture.empty()) Picture1->setPixmap(QPixmap(QString::fromStdString(picture)));
    Picture1->installEventFilter(this);
    picScroll->installEventFilter(this);
    picDraw->hide();  // the drawing surface is never shown: its drawing is copied into picScroll
    // Return presses OK; Escape does nothing (there is no Cancel).
    SettleKeys(this, {cmdOK, {}, [this] { reject(); }});
    // The relabelling gives the button the language's text again.
    cmdOK->setText(QString::fromStdString(g.Text("OK")));
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    tmrScroll = new QTimer(this);
    tmrScroll->setObjectName("tmrScroll");
    tmrScroll->setInterval(kAboutTickMs);
    connect(tmrScroll, &QTimer::timeout, this, [this] { tmrScroll_Timer(); });
    Form_Load();
}

// The credits text, built once, and the version.
void frmAbout::Form_Load() {
    creditsText_ = CreditsText(g_.Text("Credits"), "\r\n");
    lblVersion->setText(QString::fromStdString(AboutVersionCaption()));
}

frmAbout::~frmAbout() = default;

void frmAbout::DrawCredits() {
    if (!drawing_.isNull() && drawnIn_ == picDraw->font()) return;
    drawnIn_ = picDraw->font();
    const QFontMetrics fm(drawnIn_);
    const QStringList lines = QString::fromStdString(creditsText_).split(QStringLiteral("\r\n"));
    // The text ends with a line separator: no line after it.
    const int count = static_cast<int>(lines.size()) - (lines.last().isEmpty() ? 1 : 0);
    creditsHeight_ = count * fm.height();
    drawing_ = QPixmap(picScroll->width(), std::max(1, creditsHeight_));
    drawing_.fill(kBox);
    QPainter p(&drawing_);
    p.setFont(drawnIn_);
    p.setPen(kCredits);
    for (int i = 0; i < count; ++i) p.drawText(kLeftMargin, i * fm.height() + fm.ascent(), lines[i]);
}

// Activation: centred on the screen, the scroll running, the focus on the button that does
// nothing.
void frmAbout::showEvent(QShowEvent* e) {
    CentreOnDesktop(this);
    QDialog::showEvent(e);
    Form_Activate();
}

void frmAbout::Form_Activate() {
    DrawCredits();
    creditsTop_ = picScroll->height();
    tmrScroll->start();
    cmdGoat->setFocus();
}

void frmAbout::tmrScroll_Timer() {
    DrawCredits();
    const AboutTick tick = AboutScrollTick(scroll_, picScroll->height(), creditsHeight_);
    if (tick.stop) {
        tmrScroll->stop();
        hide();
        return;
    }
    creditsTop_ = tick.top;
    picScroll->update();
}

void frmAbout::cmdOK_Click() { RequestAboutStop(scroll_); }

void frmAbout::reject() {
    RequestAboutStop(scroll_);
    tmrScroll_Timer();
}

void frmAbout::Picture1_MouseDown(Qt::MouseButton button, QPoint at) {
    if (!AboutHotSpotPixels(ButtonOf(button), at.x(), at.y())) return;
    host_.Run(Form::frmAbout, [this] { host_.RunModal(Form::frmEgg); });
}

bool frmAbout::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Picture1 && e->type() == QEvent::MouseButtonPress) {
        auto* m = static_cast<QMouseEvent*>(e);
        Picture1_MouseDown(m->button(), m->position().toPoint());
        return true;
    }
    if (watched == picScroll && e->type() == QEvent::Paint) {
        QPainter p(picScroll);
        p.fillRect(picScroll->rect(), kBox);
        p.drawPixmap(0, creditsTop_, drawing_);
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace kv
