#include "ui/dialogs/ProbeDial.h"

#include "ui/dialogs/NavGauges.h"

namespace kv {

ProbeDial::ProbeDial(QWidget* parent) : QWidget(parent) {}

void ProbeDial::Setup(const QPixmap& compass, std::function<std::string()> tag) {
    compass_ = compass;
    tag_ = std::move(tag);
    update();
}

void ProbeDial::paintEvent(QPaintEvent*) { paint ? paint() : Draw(); }

void ProbeDial::Draw() { PaintCourseGauge(this, compass_, tag_ ? tag_() : std::string("0")); }

}  // namespace kv
