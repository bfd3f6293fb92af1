#include "ui/dialogs/ReportWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"

namespace kv {

ReportWindow::ReportWindow(Game& g, QtHost& host, Form form, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g), host_(host), form_(form) {}

void ReportWindow::Form_MouseMove(int shift) {
    host_.Run(form_, [this, shift] { ReturnToMainWindows(g_, shift); });
}

void ReportWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    Form_QueryUnload();
}

void ReportWindow::Form_QueryUnload() { hide(); }

void ReportWindow::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove(ShiftOf(e->modifiers()));
    QWidget::mouseMoveEvent(e);
}

}  // namespace kv
