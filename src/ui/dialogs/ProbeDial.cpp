#include "ui/dialogs/ProbeDial.h"

#include <QPainter>
#include <QPainterPath>

#include "screens/dialogs/NavWindow.h"

namespace kv {

ProbeDial::ProbeDial(QWidget* parent) : QWidget(parent) {}

void ProbeDial::Setup(const QPixmap& compass, std::function<std::string()> tag) {
    compass_ = compass;
    tag_ = std::move(tag);
    update();
}

void ProbeDial::paintEvent(QPaintEvent*) { paint ? paint() : Draw(); }

void ProbeDial::Draw() {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!compass_.isNull()) {
        p.drawPixmap(rect(), compass_);
    } else {
        p.setPen(QPen(palette().color(QPalette::Dark), 2));
        p.drawEllipse(rect().adjusted(2, 2, -2, -2));
    }
    if (!tag_) return;
    const CourseArrow a = CourseArrowFor(tag_(), width(), height());
    p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(a.x1, a.y1), QPointF(a.x2, a.y2));
    p.drawLine(QPointF(a.x2, a.y2), QPointF(a.leftX, a.leftY));
    p.drawLine(QPointF(a.x2, a.y2), QPointF(a.rightX, a.rightY));
}

}  // namespace kv
