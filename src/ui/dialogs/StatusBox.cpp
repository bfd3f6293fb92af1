#include "ui/dialogs/StatusBox.h"

#include <qdrawutil.h>
#include <QAbstractButton>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>

#include "screens/Relabel.h"

namespace kv {

StatusBox::StatusBox(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
}

void StatusBox::paintEvent(QPaintEvent*) {
    if (!paint) return;
    QPainter p(this);
    paint(p);
}

void StatusBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && click) click();
}

void StatusBox::mouseMoveEvent(QMouseEvent* e) {
    if (hover) hover(ShiftOf(e->modifiers()));
    QWidget::mouseMoveEvent(e);
}

PanelDrawing LayOutPanel(QPainter& p, const std::string& tag, int w, int h, int edge, bool gauge) {
    const QFontMetrics fm = p.fontMetrics();
    return DrawPanel(
        tag, w, h, edge, gauge,
        [&fm](const std::string& t) { return static_cast<double>(fm.horizontalAdvance(QString::fromStdString(t))); },
        fm.height());
}

void PaintPanel(QPainter& p, const PanelDrawing& panel, int w, int h, const QColor& fill, const QColor& text) {
    if (panel.filled) {
        const QRectF box(QPointF(panel.fillLeft, panel.fillTop), QPointF(panel.fillRight, panel.fillBottom));
        p.fillRect(box, fill);
    }
    p.setPen(text);
    const int ascent = p.fontMetrics().ascent();
    for (const PanelText& line : panel.caption)
        p.drawText(QPointF(line.x, line.y + ascent), QString::fromStdString(line.text));
    const QPalette pal;
    if (panel.edge == kEdgeRaised)
        qDrawWinPanel(&p, 0, 0, w, h, pal, false);
    else if (panel.edge == kEdgeSunken)
        qDrawWinPanel(&p, 0, 0, w, h, pal, true);
}

void SetCaption(QWidget* control, const QString& text) {
    if (auto* l = qobject_cast<QLabel*>(control))
        l->setText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(control))
        b->setText(text);
    else if (auto* f = qobject_cast<QGroupBox*>(control))
        f->setTitle(text);
}

void ApplyOwnLabels(Game& g, Form form, QWidget* window) {
    for (const RelabelRow& row : RelabelTable()) {
        if (row.window != form) continue;
        const QString text = QString::fromStdString(g.Text(row.key));
        if (row.control.empty()) {
            if (row.property == LabelProperty::Caption) window->setWindowTitle(text);
            continue;
        }
        QWidget* control = window->findChild<QWidget*>(QString::fromStdString(row.control));
        if (!control) continue;
        if (row.property == LabelProperty::Caption)
            SetCaption(control, text);
        else if (row.property == LabelProperty::Tag)
            control->setProperty("Tag", text);
    }
}

}  // namespace kv
