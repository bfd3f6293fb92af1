#pragma once
// A label that takes a click: a left button released over it runs `click`.
#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace kv {

class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent = nullptr, const QString& name = {}, const QString& text = {}) : QLabel(text, parent) {
        setObjectName(name);
        setTextFormat(Qt::PlainText);
    }
    std::function<void()> click;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && click)
            click();
        else
            QLabel::mouseReleaseEvent(e);
    }
};

}  // namespace kv
