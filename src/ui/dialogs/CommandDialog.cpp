#include "ui/dialogs/CommandDialog.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>

#include "state/Game.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"

namespace kv {

CommandDialog::CommandDialog(Game& game, QtHost& h, Form form, const char* captionKey)
    : g(game), host(h), form_(form) {
    setObjectName(Name(form));
    if (captionKey) setWindowTitle(T(captionKey));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QString CommandDialog::T(const std::string& key) const { return QString::fromStdString(g.Text(key)); }

std::function<void()> CommandDialog::Handler(std::function<void()> handler) {
    return host.Handler(form_, std::move(handler));
}

void CommandDialog::RunNow(const std::function<void()>& code) {
    if (g.Busy())
        code();
    else
        host.Run(form_, code);
}

void CommandDialog::Centre() { CentreOnDesktop(this); }

void CommandDialog::Activate() {
    if (active_) return;
    active_ = true;
    RunNow([this] { Form_Activate(); });
}

void CommandDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Activate();
}

void CommandDialog::hideEvent(QHideEvent* e) {
    active_ = false;
    underModal_ = handedBack_ = false;
    Watch();
    QDialog::hideEvent(e);
}

// Coming back to the window after another one (the short-range scan) activates it again; the
// activation that follows its showing counts once. A modal window opened over it (a message, a
// number entry) hands it the focus back as it closes: at once, or when the desktop gets round
// to it, which may be after the window that the closing code showed (the scan, for picking)
// has taken the focus. That focus is no return: it becomes one when the player acts on the
// dialog, and is forgotten once the player acts on another window or the dialog loses the
// focus again.
void CommandDialog::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isVisible()) return;
    if (isActiveWindow()) {
        if (underModal_) {
            underModal_ = false;
            handedBack_ = true;
            active_ = true;
        } else {
            Activate();
        }
    } else {
        active_ = false;
        handedBack_ = false;
        const QWidget* modal = QApplication::activeModalWidget();
        underModal_ = modal && modal != this && modal->isVisible();
    }
    Watch();
}

void CommandDialog::Watch() {
    if (underModal_ || handedBack_)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

// A press of a mouse button or a key: on this dialog, it makes the focus handed back a return
// (the activation runs before the press does its work); on any other window but the modal one,
// the player has moved on, and the next activation is a return.
bool CommandDialog::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress) {
        if (const auto* w = qobject_cast<QWidget*>(watched)) {
            const QWidget* top = w->window();
            if (top == this) {
                if (handedBack_) {
                    handedBack_ = false;
                    active_ = false;
                    Watch();
                    Activate();
                }
            } else if (top != QApplication::activeModalWidget()) {
                underModal_ = handedBack_ = false;
                Watch();
            }
        }
    }
    return QDialog::eventFilter(watched, e);
}

void CommandDialog::mouseMoveEvent(QMouseEvent* e) {
    QDialog::mouseMoveEvent(e);
    if (!hasMouseTracking()) return;
    // The key state as the game counts it: 2 is Ctrl alone.
    const int shift = e->modifiers() == Qt::ControlModifier ? 2 : 0;
    host.Run(form_, [this, shift] { Form_MouseMove(shift); });
}

void CommandDialog::Form_MouseMove(int shift) { ReturnToMainWindows(g, shift); }

}  // namespace kv
