#include "ui/dialogs/NavGauges.h"

#include <QMouseEvent>
#include <QPainter>

#include "screens/dialogs/NavWindow.h"
#include "screens/main/Panel.h"
#include "ui/dialogs/Panels.h"

namespace kv {

void CourseDial::paintEvent(QPaintEvent*) { paint ? paint() : Draw(); }

void PaintCourseGauge(QWidget* gauge, const QPixmap& compass, const std::string& tag) {
    QPainter p(gauge);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!compass.isNull()) {
        p.drawPixmap(gauge->rect(), compass);
    } else {
        p.setPen(QPen(Palette(8), 2));
        p.setBrush(Palette(15));
        p.drawEllipse(QRectF(gauge->rect()).adjusted(2, 2, -2, -2));
    }
    const CourseArrowLine a = DrawCourseArrow(gauge->width(), gauge->height(), CourseGaugeAngle(tag));
    p.setPen(QPen(Palette(a.colour), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(a.x1, a.y1), QPointF(a.x2, a.y2));
}

void CourseDial::Draw() { PaintCourseGauge(this, compass_, tag_); }

void WarpPanel::paintEvent(QPaintEvent*) { paint ? paint() : Draw(); }

void WarpPanel::Draw() {
    PaintPanel(this, kEdgeSunken, palette().color(QPalette::Base), true, tag_, QColor(40, 110, 220));
}

void DistanceMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
    // The quadrants' borders, faint, so that a distance can be read in quadrants.
    p.setPen(QColor(160, 160, 160));
    for (int i = 1; i < 8; ++i) {
        const double x = width() * i / 8.0, y = height() * i / 8.0;
        p.drawLine(QPointF(x, 0), QPointF(x, height()));
        p.drawLine(QPointF(0, y), QPointF(width(), y));
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(start_, end_);
    p.setBrush(QColor(0, 90, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(start_, 1.5, 1.5);
}

void DistanceMap::mousePressEvent(QMouseEvent* e) {
    if (onMouseDown) onMouseDown(e);
}

void DistanceMap::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) onMouseMove(e);
}

}  // namespace kv
