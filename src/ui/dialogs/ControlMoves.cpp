#include "ui/dialogs/ControlMoves.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>

#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"

namespace kv {
namespace {

class MoveForwarder : public QObject {
public:
    MoveForwarder(QObject* parent, Game& g, QtHost& host, Form form)
        : QObject(parent), g_(g), host_(host), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) {
            const int shift = ShiftOf(static_cast<QMouseEvent*>(e)->modifiers());
            host_.Run(form_, [this, shift] { ReturnToMainWindows(g_, shift); });
        }
        return QObject::eventFilter(watched, e);
    }

private:
    Game& g_;
    QtHost& host_;
    Form form_;
};

}  // namespace

void ForwardControlMoves(QWidget* control, Game& g, QtHost& host, Form form) {
    QWidget* surface = control;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) surface = area->viewport();
    // Moves with no button held reach only a widget that tracks the pointer.
    surface->setMouseTracking(true);
    surface->setAttribute(Qt::WA_NoMousePropagation);
    surface->installEventFilter(new MoveForwarder(surface, g, host, form));
}

}  // namespace kv
