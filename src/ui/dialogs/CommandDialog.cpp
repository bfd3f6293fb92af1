#include "ui/dialogs/CommandDialog.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

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
    // Another window than the one that opened over this dialog takes the focus: whatever
    // activates the dialog next is a return to it.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        if (!underModal_ || !w || w == windowHandle()) return;
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->windowHandle() == w) return;
        underModal_ = false;
    });
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
    underModal_ = false;
    QDialog::hideEvent(e);
}

// Coming back to the window after another one (the short-range scan) activates it again; the
// activation that follows its showing counts once. A modal window opened over it (a message, a
// number entry) hands it the focus back as it closes, at once or when the desktop gets round
// to it: that is no return, unless another window had the focus in between.
void CommandDialog::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isVisible()) return;
    if (isActiveWindow()) {
        if (underModal_) {
            underModal_ = false;
            active_ = true;
            return;
        }
        Activate();
    } else {
        active_ = false;
        const QWidget* modal = QApplication::activeModalWidget();
        underModal_ = modal && modal != this && modal->isVisible();
    }
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
