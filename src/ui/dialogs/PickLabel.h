#pragma once
// A label that takes a click (a left button released over it).
#include <QLabel>
#include <QMouseEvent>

namespace kv {

class PickLabel : public QLabel {
    Q_OBJECT
public:
    PickLabel(const char* name, const QString& text, QWidget* parent) : QLabel(text, parent) { setObjectName(name); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};

}  // namespace kv
