#include "ui/dialogs/ProbeDial.h"

#include <QPainter>
#include <QPainterPath>

#include "screens/dialogs/NavWindow.h"

namespace kv {

ProbeDial::ProbeDial(const char* name, const QPixmap& compass, std::function<std::string()> tag, QWidget* parent)
    : QWidget(parent), compass_(compass), tag_(std::move(tag)) {
    setObjectName(name);
}

void ProbeDial::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!compass_.isNull()) {
        p.drawPixmap(rect(), compass_);
    } else {
        p.setPen(QPen(palette().color(QPalette::Dark), 2));
        p.drawEllipse(rect().adjusted(2, 2, -2, -2));
    }
    const CourseArrow a = CourseArrowFor(tag_(), width(), height());
    p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(a.x1, a.y1), QPointF(a.x2, a.y2));
    p.drawLine(QPointF(a.x2, a.y2), QPointF(a.leftX, a.leftY));
    p.drawLine(QPointF(a.x2, a.y2), QPointF(a.rightX, a.rightY));
}

}  // namespace kv
