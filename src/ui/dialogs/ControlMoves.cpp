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
    MoveForwarder(QObject* parent, QtHost& host, Form form, std::function<void(int)> moved)
        : QObject(parent), host_(host), form_(form), moved_(std::move(moved)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) {
            const int shift = ShiftOf(static_cast<QMouseEvent*>(e)->modifiers());
            host_.Run(form_, [this, shift] { moved_(shift); });
        }
        return QObject::eventFilter(watched, e);
    }

private:
    QtHost& host_;
    Form form_;
    std::function<void(int)> moved_;
};

}  // namespace

void ForwardControlMoves(QWidget* control, QtHost& host, Form form, std::function<void(int shift)> moved) {
    QWidget* surface = control;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) surface = area->viewport();
    // Moves with no button held reach only a widget that tracks the pointer.
    surface->setMouseTracking(true);
    surface->setAttribute(Qt::WA_NoMousePropagation);
    surface->installEventFilter(new MoveForwarder(surface, host, form, std::move(moved)));
}

}  // namespace kv
