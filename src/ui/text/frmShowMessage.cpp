#include "ui/text/frmShowMessage.h"

#include <QApplication>
#include <QEvent>

#include "ui/host/WindowArranger.h"
#include "ui/host/WindowKeys.h"

namespace kv {

frmShowMessage::frmShowMessage(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName("frmShowMessage");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    setAttribute(Qt::WA_ShowWithoutActivating);
    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSize(24);
    f.setBold(true);
    lblMessage->setFont(f);
    lblMessage->move(8, 0);
    lblMessage->installEventFilter(this);
    Form_Load();
}

void frmShowMessage::Form_Load() { Centre(); }

// A click on the note hides it.
void frmShowMessage::lblMessage_Click() { hide(); }

void frmShowMessage::Centre() { CentreOnDesktop(this); }

void frmShowMessage::Setup() {
    lblMessage->adjustSize();
    // 120 twips (8 pixels) each side of the text, 3 pixels below it.
    setFixedSize(lblMessage->width() + 2 * lblMessage->x(), lblMessage->height() + 3);
    Centre();
}

int frmShowMessage::ShowNote(bool visible, const std::optional<std::string>& text) {
    if (!visible) {
        hide();
        return 0;
    }
    if (text) {
        lblMessage->setText(QString::fromStdString(*text));
        Setup();
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) return 401;
    show();
    raise();
    repaint();
    return 0;
}

bool frmShowMessage::eventFilter(QObject* watched, QEvent* e) {
    if (watched == lblMessage && e->type() == QEvent::MouseButtonRelease) lblMessage_Click();
    return QWidget::eventFilter(watched, e);
}

}  // namespace kv
