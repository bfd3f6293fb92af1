#include "ui/host/WindowKeys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace kv {
namespace {

bool IsReturn(const QKeyEvent* e) {
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) return false;
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Watches the window itself: a key reaches it after every control on the way from the focus
// has let it pass (a box of several lines keeps Return), and a close comes to it directly.
class KeyMap : public QObject {
public:
    KeyMap(QWidget* window, WindowKeys keys) : QObject(window), window_(window), keys_(std::move(keys)) {
        accept_ = keys_.accept;
        Settle();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched != window_) return false;
        switch (e->type()) {
            case QEvent::Show: Settle(); return false;
            case QEvent::KeyPress: {
                auto* k = static_cast<QKeyEvent*>(e);
                if (IsReturn(k)) {
                    if (accept_) Press(accept_)();
                    return true;
                }
                if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier) {
                    if (keys_.escape) keys_.escape();
                    return true;
                }
                return false;
            }
            case QEvent::Close:
                e->ignore();
                if (keys_.close) keys_.close();
                return true;
            default: return false;
        }
    }

private:
    // A push button that presses itself on Return would take the key from the window.
    void Settle() {
        for (QPushButton* b : window_->findChildren<QPushButton*>()) {
            b->setAutoDefault(false);
            b->setDefault(b == accept_.data());
        }
    }

    QWidget* window_;
    WindowKeys keys_;
    QPointer<QAbstractButton> accept_;
};

}  // namespace

std::function<void()> Press(QAbstractButton* button) {
    QPointer<QAbstractButton> b(button);
    return [b] {
        if (b && b->isEnabled() && b->isVisibleTo(b->window())) b->click();
    };
}

void SettleKeys(QWidget* window, WindowKeys keys) { new KeyMap(window, std::move(keys)); }

}  // namespace kv
