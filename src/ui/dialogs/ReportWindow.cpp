#include "ui/dialogs/ReportWindow.h"

#include <QMouseEvent>

#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {

ReportWindow::ReportWindow(Game& g, QtHost& host, Form form, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g), host_(host), form_(form) {
    SettleKeys(this, {nullptr, {}, [this] { Form_QueryUnload(); }});
}

void ReportWindow::Form_MouseMove(int shift) {
    host_.Run(form_, [this, shift] { ReturnToMainWindows(g_, shift); });
}

void ReportWindow::Form_QueryUnload() { hide(); }

void ReportWindow::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove(ShiftOf(e->modifiers()));
    QWidget::mouseMoveEvent(e);
}

}  // namespace kv
