#include "ui/text/frmQuiet.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>

#include "state/Game.h"
#include "screens/Placement.h"
#include "state/Port.h"
#include "ui/host/WindowArranger.h"

namespace kv {
namespace {
int Px(long twips) { return static_cast<int>(twips / 15); }
}  // namespace

QPixmap MessageIconPicture(int icon) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(22);
    p.setFont(f);
    const QRectF box(1, 1, 30, 30);
    switch (icon) {
        case 0:  // stop: a red disc with a white cross
            p.setBrush(QColor(200, 30, 30));
            p.setPen(QPen(QColor(120, 0, 0), 1.5));
            p.drawEllipse(box);
            p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 10), QPointF(22, 22));
            p.drawLine(QPointF(22, 10), QPointF(10, 22));
            break;
        case 2: {  // exclamation: a yellow triangle
            p.setBrush(QColor(245, 200, 40));
            p.setPen(QPen(QColor(120, 90, 0), 1.5));
            const QPointF tri[3] = {{16, 1.5}, {30.5, 29.5}, {1.5, 29.5}};
            p.drawPolygon(tri, 3);
            p.setPen(Qt::black);
            p.drawText(QRectF(0, 6, 32, 26), Qt::AlignCenter, QStringLiteral("!"));
            break;
        }
        default:  // question and information: a blue disc with its sign
            p.setBrush(QColor(40, 90, 200));
            p.setPen(QPen(QColor(10, 40, 120), 1.5));
            p.drawEllipse(box);
            p.setPen(Qt::white);
            p.drawText(box, Qt::AlignCenter, icon == 1 ? QStringLiteral("?") : QStringLiteral("i"));
            break;
    }
    return pm;
}

frmQuiet::frmQuiet(Game& g, QWidget* parent) : frmQuiet([&g](const std::string& key) { return g.Text(key); }, parent) {}

frmQuiet::frmQuiet(std::function<std::string(const std::string&)> text, QWidget* parent)
    : QDialog(parent), text_(std::move(text)) {
    setObjectName("frmQuiet");
    setWindowTitle(QStringLiteral("Kestrava for Windows 9x"));
    setModal(true);
    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setWordWrap(false);
    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setGeometry(Px(120), Px(120), Px(480), Px(480));
    picIcon->hide();
}

QPushButton* frmQuiet::Button(int code) const {
    auto it = cmdButton.find(code);
    return it == cmdButton.end() ? nullptr : it->second;
}

void frmQuiet::SetPicture(int icon) {
    picIcon->setPixmap(MessageIconPicture(icon));
    picIcon->show();
}

void frmQuiet::BuildMessageDialog(const QString& text, long style) {
    style_ = style;
    QString t = text;
    t.replace(u'\t', u' ');
    // The platform's line breaks inside a text stay line breaks; NewLine is CR+LF.
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblMessage->setText(t);
    lblMessage->adjustSize();
    const int icon = MessageIcon(style);
    PendingMessageIcon = icon;
    if (icon < 0) picIcon->hide();
    shown_ = MessageButtons(style);
    const MessageDialogGeometry geo =
        LayOutMessageDialog(lblMessage->width() * 15L, lblMessage->height() * 15L, icon >= 0, shown_.size());
    lblMessage->move(Px(geo.labelLeft), Px(120));
    for (size_t i = 0; i < shown_.size(); ++i) {
        const MessageButton& b = shown_[i];
        QPushButton*& button = cmdButton[b.code];
        if (!button) {
            button = new QPushButton(this);
            button->setObjectName(QStringLiteral("cmdButton(%1)").arg(b.code));
            button->setAutoDefault(false);
            button->installEventFilter(this);
            const int code = b.code;
            connect(button, &QPushButton::clicked, this, [this, code] { cmdButton_Click(code); });
        }
        button->setText(*b.captionKey ? QString::fromStdString(text_(b.captionKey)) : QStringLiteral("OK"));
        button->setGeometry(Px(geo.buttonLeft[i]), Px(geo.buttonTop), Px(kMessageButtonWidth),
                            Px(kMessageButtonHeight));
        button->setDefault(false);
        button->show();
    }
    QPushButton* def = cmdButton[shown_[static_cast<size_t>(DefaultButtonSlot(style))].code];
    def->setDefault(true);
    def->setFocus();
    setFixedSize(Px(geo.innerWidth), Px(geo.innerHeight));
    Centre();
}

// Centred on the desktop's free area (the screen less the desktop's own panels, the game's
// screen) and kept whole on it: a box taller or wider than the area keeps its top-left corner,
// and with it its first lines, in sight.
void frmQuiet::Centre() {
    const WindowBox desktop = DesktopBox();
    const QRect outer = frameGeometry();
    const WindowBox box{desktop.left + (desktop.width - outer.width()) / 2,
                        desktop.top + (desktop.height - outer.height()) / 2, outer.width(), outer.height()};
    const WindowBox at = KeptOnScreen(box, desktop);
    move(static_cast<int>(at.left), static_cast<int>(at.top));  // the frame's corner
}

void frmQuiet::ResetMessageForm() {
    for (auto& [code, button] : cmdButton) button->hide();
    if (isVisible()) hide();
    shown_.clear();
}

int frmQuiet::Ask(const QString& text, long style) {
    BuildMessageDialog(text, style);
    result_ = CloseAnswer(style);
    exec();
    ResetMessageForm();
    return result_;
}

void frmQuiet::showEvent(QShowEvent* e) {
    if (PendingMessageIcon >= 0) {
        SetPicture(PendingMessageIcon);
        PendingMessageIcon = -1;
    }
    if (!arrowPointer_) {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        arrowPointer_ = true;
    }
    QDialog::showEvent(e);
    // Once the desktop has framed it, centred again with its frame.
    if (!e->spontaneous()) QTimer::singleShot(0, this, [this] { Centre(); });
}

void frmQuiet::hideEvent(QHideEvent* e) {
    if (arrowPointer_) {
        QGuiApplication::restoreOverrideCursor();
        arrowPointer_ = false;
    }
    QDialog::hideEvent(e);
}

void frmQuiet::cmdButton_Click(int index) {
    result_ = index;
    done(index);
}

bool frmQuiet::PressLetter(QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() != 1 || t[0].unicode() > 127) return false;
    const int code = AnswerForKey(static_cast<char>(t[0].unicode()), shown_);
    if (code == 0) return false;
    cmdButton_Click(code);
    return true;
}

void frmQuiet::keyPressEvent(QKeyEvent* e) {
    if (PressLetter(e)) return;
    QDialog::keyPressEvent(e);
}

bool frmQuiet::eventFilter(QObject* watched, QEvent* e) {
    // The window sees every key before its buttons do.
    if (e->type() == QEvent::KeyPress && PressLetter(static_cast<QKeyEvent*>(e))) return true;
    return QDialog::eventFilter(watched, e);
}

// Escape presses the Cancel button of a set that has one, and does nothing otherwise.
void frmQuiet::reject() {
    if (HasCancelButton(style_) && !shown_.empty()) cmdButton_Click(kCancel);
}

// Closed through its frame: the answer a closed question gives.
void frmQuiet::closeEvent(QCloseEvent* e) {
    e->accept();
    if (isVisible()) cmdButton_Click(CloseAnswer(style_));
}

}  // namespace kv
